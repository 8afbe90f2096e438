// frmXls: the design inputs, their key filter and check boxes, the core size
// list, and "Show Results", which checks the inputs and runs the design.
#pragma once

#include <string>

#include "Form.h"
#include "Inputs.h"

namespace zentrik::forms {

class App;

class InputForm : public Form {
 public:
  explicit InputForm(App& app);

  // The boxes' texts and the controls initValues reads.
  InputFormState ReadState() const;
  // Empties the core size list and disables it.
  void ClearCoreList();
  // Selects the list's first (empty) entry.
  void SelectFirstCoreEntry();

 protected:
  void OnCreate() override;
  void OnCommand(int id, int code) override;
  bool OnControlMessage(int id, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  void OnAppMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnDestroy() override;

 private:
  void ShowResults();
  void ClearInputs();
  void OnCheckBox(int id);
  void ConfigureCoreList();
  void ArrayData_MA_Load();
  void LoadPickCoreArray();

  App& app_;
};

}  // namespace zentrik::forms
