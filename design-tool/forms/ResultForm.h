// frmResult: the summary of a finished design.
#pragma once

#include <string>

#include "Form.h"

namespace zentrik::forms {

class App;

class ResultForm : public Form {
 public:
  explicit ResultForm(App& app);

  // Sets every text and colour from the current records.
  void RefreshSummary();
  // The temperature rise back to black, normal weight (a new calculation).
  void ResetTemperatureRise();
  void SetCalculationType(const std::string& name);

 protected:
  void OnCreate() override;
  void OnActivate() override;
  void OnCommand(int id, int code) override;
  void OnLabelMouse(int id, bool down) override;
  void OnDestroy() override;

 private:
  void ResetDesignInputs();

  App& app_;
};

}  // namespace zentrik::forms
