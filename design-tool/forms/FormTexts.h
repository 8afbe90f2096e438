// Texts of the forms that are built from the configured contacts, and the
// messages of features that a later version brings.  Windows-1252.
#pragma once

#include <string>

namespace zentrik::forms {

// The opening form's disclaimer, ending with the support telephone number.
std::string DisclaimerText();

// The directions (19 lines joined by CR LF, ending with CR LF) and the
// contact text (two lines) of the directions form.
std::string DirectionsText();
std::string ContactText();

}  // namespace zentrik::forms
