// frmIntermediateOutput: the calculated factors behind a design, with the
// values that broke a limit in red.
#pragma once

#include "Form.h"

namespace zentrik::forms {

class App;

class IntermediateForm : public Form {
 public:
  explicit IntermediateForm(App& app);

  // Fills the grid and the warning line from the current design.
  void Refresh();
  // The design the form shows (App::designNumber when it was filled).
  int designNumber() const { return designNumber_; }

 protected:
  void OnCreate() override;
  void OnCommand(int id, int code) override;
  void OnDestroy() override;

 private:
  App& app_;
  int designNumber_ = 0;
};

}  // namespace zentrik::forms
