// What the GUI driver's own tests know about the sample program: its form
// captions, control ids and the exit code of its Quit button.
#pragma once

namespace guidriver::sample {

inline constexpr const char* kMainCaption = "Driver Sample";
inline constexpr const char* kSecondCaption = "Driver Sample Two";
inline constexpr int kQuitExitCode = 3;

enum : int {
  IDC_NUMBER = 101,     // box that takes only digits, '.' and backspace
  IDC_WARNING = 102,    // label drawn in red
  IDC_GO = 103,         // "&Go": two message boxes, then the focus goes to IDC_NUMBER
  IDC_REGULATION = 104, // check box: enables IDC_APPLY and shows IDC_REGULATED
  IDC_APPLY = 105,      // sets IDC_REGULATED to "Applied"
  IDC_REGULATED = 106,
  IDC_UNITS = 107,      // drop-down list Hz, kHz, MHz; choosing MHz shows a message box first
  IDC_UNIT_ECHO = 108,  // "unit: <item>" once the form has handled a choice
  IDC_OPEN = 109,       // opens the second form
  IDC_HIDE = 110,       // hides this form
  IDC_QUIT = 111,       // ends the program with kQuitExitCode
};

}  // namespace guidriver::sample
