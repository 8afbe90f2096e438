// The program: its shared records, its forms and the navigation between
// them.  One instance lives for the whole run, on the one user-interface
// thread.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "Design.h"
#include "Inputs.h"
#include "Tables.h"

namespace zentrik::forms {

class EnterForm;
class InputForm;
class ResultForm;
class IntermediateForm;
class DirectionsForm;

class App {
 public:
  App();
  ~App();

  // Shows the opening form and runs until the last form closes.
  int Run();

  // The records every form reads; they live as long as the program.
  DesignInputs inputs;
  DesignResult result;
  DesignTables tables;
  std::string tempFolder;        // TEMP, read when the opening form loads
  char decimalSeparator = '.';   // the user's, for every number shown

  // Navigation, named after what the designer did.
  void AcceptTerms();       // opening form, "I Accept": a fresh input form
  void CancelInputs();      // input form, "Cancel": back to the opening form
  void ShowDesign();        // a finished design: summary, and the calculations when a limit broke
  void ShowIntermediate();  // the calculations form (an open one comes to the front)
  void ShowDirections();    // input form, "Help"
  void SummaryClosed();     // the summary form is gone: back to the inputs
  void FormDestroyed();     // ends the program when no form is left

  InputForm* input() const { return input_.get(); }
  ResultForm* summary() const { return result_.get(); }
  IntermediateForm* intermediate() const { return intermediate_.get(); }

 private:
  void ShowEnter();
  bool AnyFormOpen() const;

  std::unique_ptr<EnterForm> enter_;
  std::unique_ptr<InputForm> input_;
  std::unique_ptr<ResultForm> result_;
  std::unique_ptr<IntermediateForm> intermediate_;
  std::unique_ptr<DirectionsForm> directions_;
};

// A message box with an OK button: the information icon or none, and the
// given title.
void ShowMessage(HWND owner, const std::string& text, const std::string& title, bool informationIcon);

}  // namespace zentrik::forms
