#include "App.h"

#include <windows.h>

#include <cstdlib>

#include "DirectionsForm.h"
#include "EnterForm.h"
#include "Form.h"
#include "InputForm.h"
#include "IntermediateForm.h"
#include "ResultForm.h"

namespace zentrik::forms {

namespace {

char UserDecimalSeparator() {
  char separator[8] = "";
  if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, sizeof separator) > 0 && separator[0])
    return separator[0];
  return '.';
}

// Shows a form made fresh, or brings the open one to the front.
template <typename F>
F* ShowForm(std::unique_ptr<F>& form, App& app) {
  if (!form || !form->IsOpen()) {
    form = std::make_unique<F>(app);
    if (!form->Create()) return nullptr;
  }
  form->Show();
  return form.get();
}

}  // namespace

void ShowMessage(HWND owner, const std::string& text, const std::string& title, bool informationIcon) {
  MessageBoxA(owner, text.c_str(), title.c_str(), MB_OK | (informationIcon ? MB_ICONINFORMATION : 0));
}

App::App() : decimalSeparator(UserDecimalSeparator()) {}

App::~App() = default;

int App::Run() {
  ShowEnter();
  if (!AnyFormOpen()) return 1;
  return RunMessageLoop();
}

void App::ShowEnter() {
  const char* temp = std::getenv("TEMP");
  tempFolder = temp ? temp : "";
  ShowForm(enter_, *this);
}

void App::AcceptTerms() {
  inputs.shutdownSelected = kSet;
  ShowForm(input_, *this);
  if (enter_) enter_->Close();
}

void App::CancelInputs() {
  ShowEnter();
  if (input_) input_->Close();
}

void App::ShowDesign() {
  if (input_) input_->Hide();
  result_.reset();  // the summary exists only from one calculation to its closing
  ShowForm(result_, *this);
  // Left open from an earlier design, the calculations would show that
  // design's figures beside this one's summary.
  if (intermediate_ && intermediate_->IsOpen()) intermediate_->Refresh();
  if (result.limitExceeded != 0) ShowIntermediate();
}

void App::ShowIntermediate() { ShowForm(intermediate_, *this); }

void App::ShowDirections() {
  if (!directions_ || !directions_->IsOpen()) {
    directions_ = std::make_unique<DirectionsForm>(*this);
    if (!directions_->Create()) return;
  }
  directions_->ShowDirections();
}

void App::SummaryClosed() {
  if (input_ && input_->IsOpen()) input_->Show();
}

bool App::AnyFormOpen() const {
  return (enter_ && enter_->IsOpen()) || (input_ && input_->IsOpen()) || (result_ && result_->IsOpen()) ||
         (intermediate_ && intermediate_->IsOpen()) || (directions_ && directions_->IsOpen());
}

void App::FormDestroyed() {
  if (!AnyFormOpen()) PostQuitMessage(0);
}

}  // namespace zentrik::forms
