// frmDirections: how to use the tool, and how to reach the maker.
#pragma once

#include "Form.h"

namespace zentrik::forms {

class App;

class DirectionsForm : public Form {
 public:
  explicit DirectionsForm(App& app);

  // Writes both texts afresh and brings the form to the front.
  void ShowDirections();

 protected:
  void OnCommand(int id, int code) override;
  void OnDestroy() override;

 private:
  App& app_;
};

}  // namespace zentrik::forms
