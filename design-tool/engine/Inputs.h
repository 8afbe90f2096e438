// The designer's inputs: the texts of the input form's boxes, the record
// they fill, and the fourteen checks that stand between them and a design.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace zentrik {

class DesignTables;

// The controls of the input form that a check can send the focus to.
enum class InputControl {
  txtOutPutVoltage,
  txtOutPutCurrent,
  txtMinInputVoltage,
  txtInductorDrop,
  txtDiodeDrop,
  txtFrequency,
  txtOverwind,
  txtMaxDutyRatio,
  txtTurns,
  txtAmbientTemp,
  txtCurrentDensityFactor,
  txtFill_Factor,
  txtCoreSize,
  txtStack,
};

// The control's name as the form knows it ("txtOutPutVoltage").
const char* ControlName(InputControl control);

// What the input form shows: the box texts exactly as typed and the state of
// the controls that initValues reads.  Defaults are the texts of a freshly
// loaded form.
struct InputFormState {
  std::string outputVoltage = "12";
  std::string outputCurrent = "10";
  std::string minInputVoltage = "40";
  std::string inductorDrop = ".2";
  std::string diodeDrop = ".7";
  std::string frequency = "100000";
  std::string frequencyUnit = "Hz";  // text of the unit list: "Hz" or "kHz"
  std::string overwind = "1.2";
  std::string maxDutyRatio = ".5";
  std::string ambientTemp = "35";
  std::string currentDensity = "400";
  std::string fillFactor = ".3";
  std::string turns = "0";
  std::string stack = "1";
  std::string coreList;             // text of the core size list
  bool regulationChecked = false;   // the "Regulation" check box
};

// Flags are 16-bit: -1 set, 0 clear.
inline constexpr int16_t kSet = -1;
inline constexpr int16_t kClear = 0;
inline constexpr int16_t kCalculateCore = 1;
inline constexpr int16_t kPickCore = 2;

// One record of the inputs, rewritten by every Show Results.  The three mode
// fields are written by the check box handlers, not by initValues.
struct DesignInputs {
  double outputVoltage = 0;          // V
  double outputCurrent = 0;          // A
  double minInputVoltage = 0;        // V, at the secondary winding
  double inductorVoltageDrop = 0;    // V
  double diodeVoltageDrop = 0;       // V
  double switchingFrequency = 0;     // Hz
  double overwindFactor = 0;         // ratio
  double maxDutyRatio = 0;           // ratio
  double windowFillFactor = 0;       // fraction of the window
  double currentDensityFactor = 0;   // A/cm²
  int16_t ambientTemperature = 0;    // °C
  int16_t coresToStack = 0;          // 1 to 9
  int16_t shutdownSelected = kSet;   // -1 Shutdown, 0 Regulation
  int16_t calculatorType = 0;        // 1 Calculate Core, 2 Pick Core (0 reads as 1)
  int16_t calculateTurns = kSet;     // -1 calculated, 0 the designer's turns
  std::string calculationTypeName;   // "Regulation" or "Shutdown"
  std::string coreName;              // picked core, "" under Calculate Core
};

// Reads every box of `form` into `inputs` (initValues of the input form).
// Doubles are LeadingNumber of their text; the frequency is multiplied by
// 1000 when the unit list reads "kHz"; the two whole-number fields are
// rounded half to even and held to the 16-bit range (ValidateInputs rejects
// a text beyond it).  Under Pick Core a non-empty list text gives coreName
// up to its first blank; under Calculate Core coreName becomes "".
void initValues(const InputFormState& form, DesignInputs& inputs);

struct InputRejection {
  std::string message;   // shown with the information icon, title "Caution"
  InputControl focus;    // the control that takes the focus afterwards
};

// The fourteen checks, in order; the first failure is returned and nothing
// else happens.  A box fails its check when it is empty, zero, not a plain
// decimal number ("." or "1.2.3"), too large for a number, or so small that
// it reads as 0; whole-number boxes also fail outside the 16-bit range,
// given turns that round to 0 or pass 32767 fail check 9, and a picked core
// that is not in `tables` fails check 13.  On success an empty cores-to-stack
// box is set to "1" (in `form`) and `inputs.coresToStack` to 1.
std::optional<InputRejection> ValidateInputs(InputFormState& form, DesignInputs& inputs,
                                             const DesignTables& tables);

// The given turn count of a validated turns box (RoundHalfEven of its
// LeadingNumber), 1 to 32767.
int GivenTurns(const std::string& turnsText);

}  // namespace zentrik
