// The layouts of the forms, as tables of controls.  Creation order is tab
// order.  Texts that depend on configured values (the disclaimer, the web
// link) are set when the form is made.
#pragma once

#include "FormLayout.h"

namespace zentrik::forms {

extern const FormLayout kEnterForm;         // frmEnter
extern const FormLayout kInputForm;         // frmXls
extern const FormLayout kResultForm;        // frmResult
extern const FormLayout kIntermediateForm;  // frmIntermediateOutput
extern const FormLayout kDirectionsForm;    // frmDirections

// Every form, for checks that hold for all of them.
extern const FormLayout* const kAllForms[5];

}  // namespace zentrik::forms
