#include "InputForm.h"

#include "App.h"
#include "Contacts.h"
#include "ControlIds.h"
#include "Design.h"
#include "Layouts.h"
#include "ResultForm.h"

namespace zentrik::forms {

namespace {

// The thirteen boxes with the key filter and select-all on focus.
constexpr int kNumberBoxes[] = {
    ids::txtOutPutVoltage, ids::txtOutPutCurrent, ids::txtMinInputVoltage,     ids::txtInductorDrop,
    ids::txtDiodeDrop,     ids::txtFrequency,     ids::txtOverwind,            ids::txtMaxDutyRatio,
    ids::txtAmbientTemp,   ids::txtCurrentDensityFactor, ids::txtFill_Factor, ids::txtTurns,
    ids::txtStack,
};

// Emptied by "Clear Results": every box but the turns.
constexpr int kClearedBoxes[] = {
    ids::txtOutPutVoltage, ids::txtOutPutCurrent, ids::txtMinInputVoltage, ids::txtInductorDrop,
    ids::txtDiodeDrop,     ids::txtOverwind,      ids::txtMaxDutyRatio,    ids::txtCurrentDensityFactor,
    ids::txtFill_Factor,   ids::txtAmbientTemp,   ids::txtFrequency,       ids::txtStack,
};

constexpr UINT kSelectAll = WM_APP + 1;    // wParam: the box to select
constexpr UINT kFocusFirst = WM_APP + 2;

bool IsNumberBox(int id) {
  for (int box : kNumberBoxes)
    if (box == id) return true;
  return false;
}

int ControlId(InputControl control) {
  switch (control) {
    case InputControl::txtOutPutVoltage: return ids::txtOutPutVoltage;
    case InputControl::txtOutPutCurrent: return ids::txtOutPutCurrent;
    case InputControl::txtMinInputVoltage: return ids::txtMinInputVoltage;
    case InputControl::txtInductorDrop: return ids::txtInductorDrop;
    case InputControl::txtDiodeDrop: return ids::txtDiodeDrop;
    case InputControl::txtFrequency: return ids::txtFrequency;
    case InputControl::txtOverwind: return ids::txtOverwind;
    case InputControl::txtMaxDutyRatio: return ids::txtMaxDutyRatio;
    case InputControl::txtTurns: return ids::txtTurns;
    case InputControl::txtAmbientTemp: return ids::txtAmbientTemp;
    case InputControl::txtCurrentDensityFactor: return ids::txtCurrentDensityFactor;
    case InputControl::txtFill_Factor: return ids::txtFill_Factor;
    case InputControl::txtCoreSize: return ids::txtCoreSize;
    case InputControl::txtStack: return ids::txtStack;
  }
  return ids::txtOutPutVoltage;
}

}  // namespace

InputForm::InputForm(App& app) : Form(kInputForm), app_(app) {}

void InputForm::OnCreate() {
  // The check boxes open in their default state; the record follows them.
  app_.inputs.calculateTurns = kSet;
  app_.inputs.calculatorType = kCalculateCore;
  SetChecked(ids::chkShutDown, true);
  SetChecked(ids::chkCore, true);
  SetChecked(ids::chkTurns, true);

  HWND units = Item(ids::cmbfrequency);
  SendMessageA(units, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Hz"));
  SendMessageA(units, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("kHz"));
  SendMessageA(units, CB_SETCURSEL, 0, 0);
  SetText(ids::txtDensityFactorUom, " A/cm\xB2");

  app_.tables.DataLoad();
  ArrayData_MA_Load();
  // Calculate Core is in force: the list is filled but greyed until Pick Core.
  SetForeground(ids::txtCoreSize, kSilver);
  Enable(ids::txtCoreSize, false);

  for (int box : kNumberBoxes) SubclassControl(box);
  SubclassControl(ids::cmdExit);
}

void InputForm::OnDestroy() { app_.FormDestroyed(); }

InputFormState InputForm::ReadState() const {
  InputFormState state;
  state.outputVoltage = Text(ids::txtOutPutVoltage);
  state.outputCurrent = Text(ids::txtOutPutCurrent);
  state.minInputVoltage = Text(ids::txtMinInputVoltage);
  state.inductorDrop = Text(ids::txtInductorDrop);
  state.diodeDrop = Text(ids::txtDiodeDrop);
  state.frequency = Text(ids::txtFrequency);
  state.frequencyUnit = Text(ids::cmbfrequency);
  state.overwind = Text(ids::txtOverwind);
  state.maxDutyRatio = Text(ids::txtMaxDutyRatio);
  state.ambientTemp = Text(ids::txtAmbientTemp);
  state.currentDensity = Text(ids::txtCurrentDensityFactor);
  state.fillFactor = Text(ids::txtFill_Factor);
  state.turns = Text(ids::txtTurns);
  state.stack = Text(ids::txtStack);
  state.coreList = Text(ids::txtCoreSize);
  state.regulationChecked = IsChecked(ids::chkRegulator);
  return state;
}

void InputForm::OnCommand(int id, int code) {
  if (IsNumberBox(id)) {
    // Select the whole text once the click or key that brought the focus is
    // done with, so that typing replaces it.
    if (code == EN_SETFOCUS) PostMessageA(hwnd(), kSelectAll, static_cast<WPARAM>(id), 0);
    return;
  }
  if (code != BN_CLICKED) return;
  switch (id) {
    case ids::cmdProcess: ShowResults(); break;
    case ids::cmdQuit: ClearInputs(); break;
    case ids::cmdExit: app_.CancelInputs(); break;
    case ids::cmdHelp: app_.ShowDirections(); break;
    case ids::chkShutDown:
    case ids::chkRegulator:
    case ids::chkCore:
    case ids::chkPick:
    case ids::chkTurns: OnCheckBox(id); break;
  }
}

bool InputForm::OnControlMessage(int id, UINT message, WPARAM wParam, LPARAM /*lParam*/, LRESULT* result) {
  if (message == WM_CHAR && IsNumberBox(id)) {
    // Only digits, the decimal point and backspace reach a number box.
    char c = static_cast<char>(wParam);
    bool kept = (c >= '0' && c <= '9') || c == '.' || c == '\b';
    if (!kept) *result = 0;
    return !kept;
  }
  if (message == WM_KILLFOCUS && id == ids::cmdExit) {
    // Tabbing on from "Cancel" wraps round to the first input.  A click
    // elsewhere keeps its own target.
    HWND next = reinterpret_cast<HWND>(wParam);
    bool clicking = (GetKeyState(VK_LBUTTON) & 0x8000) != 0;
    if (next && IsChild(hwnd(), next) && next != Item(ids::txtOutPutVoltage) && !clicking)
      PostMessageA(hwnd(), kFocusFirst, 0, 0);
  }
  return false;
}

void InputForm::OnAppMessage(UINT message, WPARAM wParam, LPARAM /*lParam*/) {
  if (message == kSelectAll) {
    HWND box = Item(static_cast<int>(wParam));
    if (box && GetFocus() == box) SendMessageA(box, EM_SETSEL, 0, -1);
  } else if (message == kFocusFirst) {
    Focus(ids::txtOutPutVoltage);
  }
}

// The boxes of a pair act only when they become checked: unchecking one
// leaves the last selection in force.
void InputForm::OnCheckBox(int id) {
  bool checked = IsChecked(id);
  switch (id) {
    case ids::chkShutDown:
    case ids::chkRegulator: {
      if (!checked) return;
      bool shutdown = id == ids::chkShutDown;
      app_.inputs.shutdownSelected = shutdown ? kSet : kClear;
      if (ResultForm* summary = app_.summary()) summary->SetCalculationType(shutdown ? "Shutdown" : "Regulation");
      SetChecked(shutdown ? ids::chkRegulator : ids::chkShutDown, false);
      break;
    }
    case ids::chkCore:
    case ids::chkPick: {
      if (!checked) return;
      bool pick = id == ids::chkPick;
      app_.inputs.calculatorType = pick ? kPickCore : kCalculateCore;
      ConfigureCoreList();
      ArrayData_MA_Load();
      SetChecked(pick ? ids::chkCore : ids::chkPick, false);
      break;
    }
    case ids::chkTurns:
      app_.inputs.calculateTurns = checked ? kSet : kClear;
      break;
  }
}

void InputForm::ConfigureCoreList() {
  SendMessageA(Item(ids::txtCoreSize), CB_RESETCONTENT, 0, 0);
  bool pick = app_.inputs.calculatorType == kPickCore;
  SetForeground(ids::txtCoreSize, pick ? kBlack : kSilver);
  Enable(ids::txtCoreSize, pick);
  if (pick) LoadPickCoreArray();
}

void InputForm::ArrayData_MA_Load() {
  app_.tables.ArrayData_MA_Load();
  LoadPickCoreArray();
}

void InputForm::LoadPickCoreArray() {
  HWND list = Item(ids::txtCoreSize);
  SendMessageA(list, CB_RESETCONTENT, 0, 0);
  for (const std::string& entry : app_.tables.CoreListEntries())
    SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
}

void InputForm::ClearCoreList() {
  SendMessageA(Item(ids::txtCoreSize), CB_RESETCONTENT, 0, 0);
  Enable(ids::txtCoreSize, false);
}

void InputForm::SelectFirstCoreEntry() { SendMessageA(Item(ids::txtCoreSize), CB_SETCURSEL, 0, 0); }

void InputForm::ClearInputs() {
  for (int box : kClearedBoxes) SetText(box, "");
}

void InputForm::ShowResults() {
  InputFormState state = ReadState();
  if (ResultForm* summary = app_.summary()) summary->ResetTemperatureRise();
  SetBusy(true);
  ShowResultsOutcome outcome =
      zentrik::ShowResults(state, app_.inputs, app_.tables, app_.result, app_.decimalSeparator);
  if (outcome.rejection) {
    SetBusy(false);
    ShowMessage(hwnd(), outcome.rejection->message, CautionTitle, true);
    Focus(ControlId(outcome.rejection->focus));
    return;
  }
  SetText(ids::txtStack, state.stack);  // an empty box now reads "1"
  for (const Advisory& advisory : outcome.run.advisories)
    ShowMessage(hwnd(), advisory.text, advisory.title, advisory.icon == MessageIcon::Information);
  SetBusy(false);
  if (outcome.run.outcome != DesignOutcome::Design) {
    ClearCoreList();
    return;
  }
  app_.ShowDesign();
}

}  // namespace zentrik::forms
