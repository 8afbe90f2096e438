#include "EnterForm.h"

#include "App.h"
#include "ControlIds.h"
#include "FormTexts.h"
#include "Layouts.h"

namespace zentrik::forms {

EnterForm::EnterForm(App& app) : Form(kEnterForm), app_(app) {}

void EnterForm::OnCreate() { SetText(ids::enterDisclaimer, DisclaimerText()); }

void EnterForm::OnCommand(int id, int code) {
  if (code != BN_CLICKED) return;
  switch (id) {
    case ids::cmdAccept: app_.AcceptTerms(); break;
    case ids::cmdEnterExit: Close(); break;
  }
}

void EnterForm::OnDestroy() { app_.FormDestroyed(); }

}  // namespace zentrik::forms
