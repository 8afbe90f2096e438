#include "Inputs.h"

#include <cmath>

#include "Numbers.h"
#include "Tables.h"

namespace zentrik {

namespace {

// What a check sees in one box.
enum class BoxState {
  Empty,   // nothing but blanks
  Zero,    // a number equal to 0 ("0", "00", ".0")
  Bad,     // not a plain decimal number, too large, or read as 0 though not zero
  Number,  // a positive finite number
};

BoxState Classify(const std::string& text) {
  std::string trimmed = Trim(text);
  if (trimmed.empty()) return BoxState::Empty;
  if (!IsDecimalNumberText(trimmed)) return BoxState::Bad;
  if (trimmed.find_first_of("123456789") == std::string::npos) return BoxState::Zero;
  double value = LeadingNumber(trimmed);
  if (!std::isfinite(value) || value == 0) return BoxState::Bad;
  return BoxState::Number;
}

// RoundHalfEven of the box's LeadingNumber, held to the 16-bit range.
int16_t WholeNumber(const std::string& text) {
  double rounded = RoundHalfEven(LeadingNumber(text), 0);
  if (rounded > 32767) return 32767;
  if (rounded < -32768) return -32768;
  return static_cast<int16_t>(rounded);
}

bool FitsInt16(const std::string& text) {
  double rounded = RoundHalfEven(LeadingNumber(text), 0);
  return rounded >= -32768 && rounded <= 32767;
}

}  // namespace

const char* ControlName(InputControl control) {
  switch (control) {
    case InputControl::txtOutPutVoltage: return "txtOutPutVoltage";
    case InputControl::txtOutPutCurrent: return "txtOutPutCurrent";
    case InputControl::txtMinInputVoltage: return "txtMinInputVoltage";
    case InputControl::txtInductorDrop: return "txtInductorDrop";
    case InputControl::txtDiodeDrop: return "txtDiodeDrop";
    case InputControl::txtFrequency: return "txtFrequency";
    case InputControl::txtOverwind: return "txtOverwind";
    case InputControl::txtMaxDutyRatio: return "txtMaxDutyRatio";
    case InputControl::txtTurns: return "txtTurns";
    case InputControl::txtAmbientTemp: return "txtAmbientTemp";
    case InputControl::txtCurrentDensityFactor: return "txtCurrentDensityFactor";
    case InputControl::txtFill_Factor: return "txtFill_Factor";
    case InputControl::txtCoreSize: return "txtCoreSize";
    case InputControl::txtStack: return "txtStack";
  }
  return "";
}

void initValues(const InputFormState& form, DesignInputs& inputs) {
  inputs.switchingFrequency = LeadingNumber(form.frequency);
  if (Trim(form.frequencyUnit) == "kHz") inputs.switchingFrequency *= 1000;
  inputs.calculationTypeName = form.regulationChecked ? "Regulation" : "Shutdown";
  inputs.outputVoltage = LeadingNumber(form.outputVoltage);
  inputs.outputCurrent = LeadingNumber(form.outputCurrent);
  inputs.minInputVoltage = LeadingNumber(form.minInputVoltage);
  inputs.inductorVoltageDrop = LeadingNumber(form.inductorDrop);
  inputs.diodeVoltageDrop = LeadingNumber(form.diodeDrop);
  inputs.overwindFactor = LeadingNumber(form.overwind);
  inputs.maxDutyRatio = LeadingNumber(form.maxDutyRatio);
  inputs.currentDensityFactor = LeadingNumber(form.currentDensity);
  inputs.windowFillFactor = LeadingNumber(form.fillFactor);
  inputs.ambientTemperature = WholeNumber(form.ambientTemp);
  inputs.coresToStack = WholeNumber(form.stack);

  if (inputs.calculatorType == 0) inputs.calculatorType = kCalculateCore;
  if (inputs.calculatorType == kPickCore) {
    if (!form.coreList.empty()) inputs.coreName = form.coreList.substr(0, form.coreList.find(' '));
  } else {
    inputs.coreName.clear();
  }
}

int GivenTurns(const std::string& turnsText) {
  double rounded = RoundHalfEven(LeadingNumber(turnsText), 0);
  if (!(rounded >= 1)) return 1;
  if (rounded > 32767) return 32767;
  return static_cast<int>(rounded);
}

std::optional<InputRejection> ValidateInputs(InputFormState& form, DesignInputs& inputs,
                                             const DesignTables& tables) {
  auto reject = [](const char* message, InputControl focus) {
    return std::optional<InputRejection>(InputRejection{message, focus});
  };
  auto positive = [](const std::string& text) { return Classify(text) == BoxState::Number; };

  if (!positive(form.outputVoltage))
    return reject("Enter Output Voltage Value > 0.", InputControl::txtOutPutVoltage);
  if (!positive(form.outputCurrent))
    return reject("Enter Output Current Value > 0.", InputControl::txtOutPutCurrent);
  if (!positive(form.minInputVoltage))
    return reject("Enter Minimum Input Voltage > 0.", InputControl::txtMinInputVoltage);
  if (!positive(form.inductorDrop))
    return reject("Enter Inductance Drop Value > 0.", InputControl::txtInductorDrop);
  if (!positive(form.diodeDrop))
    return reject("Enter Diode Drop Value > 0.", InputControl::txtDiodeDrop);
  // A huge frequency in kHz can pass the box and still overflow once scaled.
  if (!positive(form.frequency) || !std::isfinite(inputs.switchingFrequency))
    return reject("Enter the Frequency Value > 0.", InputControl::txtFrequency);
  if (!positive(form.overwind))
    return reject("Enter an Overwind Factor > 0.", InputControl::txtOverwind);
  if (!positive(form.maxDutyRatio))
    return reject("Enter a Max Duty Ratio > 0.", InputControl::txtMaxDutyRatio);
  if (inputs.calculateTurns == 0) {
    // Turns are evaluated as a whole number: a count that rounds to 0 would
    // divide by zero, one beyond 32767 cannot be held.
    double turns = RoundHalfEven(LeadingNumber(form.turns), 0);
    if (!positive(form.turns) || turns < 1 || turns > 32767)
      return reject("Enter a number of turns or check <Calculate Turns>.", InputControl::txtTurns);
  }
  if (!positive(form.ambientTemp) || !FitsInt16(form.ambientTemp))
    return reject("Enter an ambient temperature > 0", InputControl::txtAmbientTemp);
  {
    double density = LeadingNumber(form.currentDensity);
    if (!positive(form.currentDensity) || density < 250 || density > 800)
      return reject("Enter a Current Density Factor between 250 and 800.",
                    InputControl::txtCurrentDensityFactor);
  }
  if (!positive(form.fillFactor) || LeadingNumber(form.fillFactor) > 0.9)
    return reject("Enter a Window Fill Factor between 0 and .9", InputControl::txtFill_Factor);
  if (inputs.calculatorType == kPickCore &&
      (Trim(form.coreList).empty() || tables.FindCore(inputs.coreName) == 0))
    return reject("Please select Core size from list of values. ", InputControl::txtCoreSize);
  if (Trim(form.stack).empty()) {
    form.stack = "1";
    inputs.coresToStack = 1;
  } else {
    // A zero box reads 0 cores, below the range.
    bool bad = Classify(form.stack) == BoxState::Bad;
    if (bad || !FitsInt16(form.stack) || inputs.coresToStack < 1 || inputs.coresToStack > 9)
      return reject("Please select to stack between 1 and 9 cores.", InputControl::txtStack);
  }
  return std::nullopt;
}

}  // namespace zentrik
