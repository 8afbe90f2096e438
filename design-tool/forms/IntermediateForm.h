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

 protected:
  void OnCreate() override;
  void OnCommand(int id, int code) override;
  void OnDestroy() override;

 private:
  App& app_;
};

}  // namespace zentrik::forms
