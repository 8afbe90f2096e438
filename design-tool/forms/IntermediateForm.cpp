#include "IntermediateForm.h"

#include "App.h"
#include "ControlIds.h"
#include "InputForm.h"
#include "Layouts.h"
#include "OutputTexts.h"

namespace zentrik::forms {

IntermediateForm::IntermediateForm(App& app) : Form(kIntermediateForm), app_(app) {}

void IntermediateForm::OnCreate() { Refresh(); }

void IntermediateForm::OnDestroy() { app_.FormDestroyed(); }

void IntermediateForm::Refresh() {
  IntermediateTexts texts = MakeIntermediateTexts(app_.inputs, app_.result, app_.tables, app_.decimalSeparator);
  for (int column = 0; column < kGridColumns; ++column) {
    for (int row = 0; row < kGridRows; ++row) {
      const GridCell& cell = texts.cells[column][row];
      SetText(ids::GridCaption(column, row), cell.caption);
      SetForeground(ids::GridValue(column, row), cell.red ? kRed : kNavy);
      SetText(ids::GridValue(column, row), cell.value);
    }
  }
  SetText(ids::lblWarning, texts.warning);
  SetForeground(ids::lblWarning, kRed);
}

void IntermediateForm::OnCommand(int id, int code) {
  if (id != ids::cmdClose || code != BN_CLICKED) return;
  // After a broken limit the picked core stays in view; a calculated one
  // is cleared away.
  if (app_.result.limitExceeded != 0) {
    if (InputForm* input = app_.input()) {
      if (app_.inputs.calculatorType != kCalculateCore) {
        input->SelectFirstCoreEntry();
      } else {
        input->ClearCoreList();
      }
    }
  }
  Close();
}

}  // namespace zentrik::forms
