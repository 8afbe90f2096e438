// frmEnter: the opening form with the terms of use.
#pragma once

#include "Form.h"

namespace zentrik::forms {

class App;

class EnterForm : public Form {
 public:
  explicit EnterForm(App& app);

 protected:
  void OnCreate() override;
  void OnCommand(int id, int code) override;
  void OnDestroy() override;

 private:
  App& app_;
};

}  // namespace zentrik::forms
