#include "DirectionsForm.h"

#include "App.h"
#include "ControlIds.h"
#include "FormTexts.h"
#include "InputForm.h"
#include "Layouts.h"

namespace zentrik::forms {

DirectionsForm::DirectionsForm(App& app) : Form(kDirectionsForm), app_(app) {}

void DirectionsForm::ShowDirections() {
  SetText(ids::txtDirections, DirectionsText());
  SetText(ids::txtContact, ContactText());
  Show();
  if (InputForm* input = app_.input()) input->SetBusy(false);
}

void DirectionsForm::OnCommand(int id, int code) {
  if (id == ids::cmdDirectionsExit && code == BN_CLICKED) Close();
}

void DirectionsForm::OnDestroy() { app_.FormDestroyed(); }

}  // namespace zentrik::forms
