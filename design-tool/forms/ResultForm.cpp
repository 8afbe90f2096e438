#include "ResultForm.h"

#include "App.h"
#include "Contacts.h"
#include "ControlIds.h"
#include "InputForm.h"
#include "Layouts.h"
#include "OutputTexts.h"

namespace zentrik::forms {

namespace {

constexpr int kTemperatureRiseRow = 6;
constexpr char kReportLater[] = "The design report comes with a later version of this program.";
constexpr char kWebSiteLater[] = "Opening the web site comes with a later version of this program.";

}  // namespace

ResultForm::ResultForm(App& app) : Form(kResultForm), app_(app) {}

void ResultForm::OnCreate() {
  SetText(ids::cmdWebLink, MakerWebSite);
  AddTooltip(hwnd(), "Display calculations used to derive summary and detail outputs.");
  RefreshSummary();
}

void ResultForm::OnActivate() { RefreshSummary(); }

void ResultForm::OnDestroy() {
  app_.SummaryClosed();
  app_.FormDestroyed();
}

void ResultForm::RefreshSummary() {
  InputForm* input = app_.input();
  std::string turnsText = input ? input->Text(ids::txtTurns) : std::string();
  SummaryTexts texts = MakeSummaryTexts(app_.inputs, app_.result, turnsText, app_.decimalSeparator);

  for (int row = 0; row < static_cast<int>(texts.summaryOutput.size()); ++row) {
    if (row == kTemperatureRiseRow)
      SetForeground(ids::summaryValueFirst + row, texts.temperatureRiseRed ? kRed : kBlack);
    SetText(ids::summaryValueFirst + row, texts.summaryOutput[row].value);
  }
  SetText(ids::txtStackField, texts.stackField);
  for (int row = 0; row < static_cast<int>(texts.inputValues.size()); ++row) {
    SetText(ids::inputValueFirst + row, texts.inputValues[row].value);
    SetText(ids::inputUnitFirst + row, texts.inputValues[row].unit);
  }
  SetCalculationType(texts.calculationType);
}

void ResultForm::ResetTemperatureRise() {
  SetForeground(ids::summaryValueFirst + kTemperatureRiseRow, kBlack);
  SetBold(ids::summaryValueFirst + kTemperatureRiseRow, false);
}

void ResultForm::SetCalculationType(const std::string& name) { SetText(ids::txtCalcType, name); }

void ResultForm::OnCommand(int id, int code) {
  if (id == ids::cmdWebLink && code == STN_CLICKED) {
    ShowMessage(hwnd(), kWebSiteLater, ApplicationTitle, false);
    return;
  }
  if (code != BN_CLICKED) return;
  switch (id) {
    case ids::cmdCalculations: app_.ShowIntermediate(); break;
    case ids::cmdViewReport: ShowMessage(hwnd(), kReportLater, ApplicationTitle, false); break;
    case ids::cmdResetInputs: ResetDesignInputs(); break;
  }
}

void ResultForm::OnLabelMouse(int id, bool down) {
  if (id == ids::noteSummary) SetForeground(ids::cmdWebLink, down ? kYellow : kRed);
}

void ResultForm::ResetDesignInputs() {
  // A calculated core is no choice of the designer's: the list starts over.
  if (app_.inputs.calculatorType == kCalculateCore) {
    if (InputForm* input = app_.input()) input->ClearCoreList();
  }
  Close();
}

}  // namespace zentrik::forms
