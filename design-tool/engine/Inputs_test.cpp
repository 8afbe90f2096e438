#include "Inputs.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "Tables.h"

namespace zentrik {
namespace {

class InputsTest : public testing::Test {
 protected:
  void SetUp() override {
    tables.DataLoad();
    tables.ArrayData_MA_Load();
  }

  // initValues then ValidateInputs, as Show Results runs them.
  std::optional<InputRejection> Check() {
    initValues(form, inputs);
    return ValidateInputs(form, inputs, tables);
  }

  DesignTables tables;
  InputFormState form;
  DesignInputs inputs;
};

TEST_F(InputsTest, DefaultsPassEveryCheck) {
  EXPECT_FALSE(Check().has_value());
  EXPECT_EQ(inputs.outputVoltage, 12);
  EXPECT_EQ(inputs.outputCurrent, 10);
  EXPECT_EQ(inputs.minInputVoltage, 40);
  EXPECT_EQ(inputs.inductorVoltageDrop, 0.2);
  EXPECT_EQ(inputs.diodeVoltageDrop, 0.7);
  EXPECT_EQ(inputs.switchingFrequency, 100000);
  EXPECT_EQ(inputs.overwindFactor, 1.2);
  EXPECT_EQ(inputs.maxDutyRatio, 0.5);
  EXPECT_EQ(inputs.ambientTemperature, 35);
  EXPECT_EQ(inputs.currentDensityFactor, 400);
  EXPECT_EQ(inputs.windowFillFactor, 0.3);
  EXPECT_EQ(inputs.coresToStack, 1);
  EXPECT_EQ(inputs.calculatorType, kCalculateCore);  // 0 reads as Calculate Core
  EXPECT_EQ(inputs.calculationTypeName, "Shutdown");
  EXPECT_EQ(inputs.coreName, "");
}

// One row per way a box can fail or pass.  `edit` changes the defaults;
// an empty message means the inputs pass.
struct CheckCase {
  const char* name;
  std::function<void(InputFormState&, DesignInputs&)> edit;
  const char* message;
  InputControl focus;
};

const char kVoltage[] = "Enter Output Voltage Value > 0.";
const char kCurrent[] = "Enter Output Current Value > 0.";
const char kMinInput[] = "Enter Minimum Input Voltage > 0.";
const char kInductor[] = "Enter Inductance Drop Value > 0.";
const char kDiode[] = "Enter Diode Drop Value > 0.";
const char kFrequency[] = "Enter the Frequency Value > 0.";
const char kOverwind[] = "Enter an Overwind Factor > 0.";
const char kDuty[] = "Enter a Max Duty Ratio > 0.";
const char kTurns[] = "Enter a number of turns or check <Calculate Turns>.";
const char kAmbient[] = "Enter an ambient temperature > 0";
const char kDensity[] = "Enter a Current Density Factor between 250 and 800.";
const char kFill[] = "Enter a Window Fill Factor between 0 and .9";
const char kCore[] = "Please select Core size from list of values. ";
const char kStack[] = "Please select to stack between 1 and 9 cores.";
const char kPass[] = "";

using C = InputControl;
using F = InputFormState;
using I = DesignInputs;

const CheckCase kCheckCases[] = {
    {"voltage empty", [](F& f, I&) { f.outputVoltage = ""; }, kVoltage, C::txtOutPutVoltage},
    {"voltage blanks", [](F& f, I&) { f.outputVoltage = "   "; }, kVoltage, C::txtOutPutVoltage},
    {"current zero", [](F& f, I&) { f.outputCurrent = "0"; }, kCurrent, C::txtOutPutCurrent},
    {"min input 00", [](F& f, I&) { f.minInputVoltage = "00"; }, kMinInput, C::txtMinInputVoltage},
    {"inductor .0", [](F& f, I&) { f.inductorDrop = ".0"; }, kInductor, C::txtInductorDrop},
    {"diode 0.0", [](F& f, I&) { f.diodeDrop = "0.0"; }, kDiode, C::txtDiodeDrop},
    {"diode 0.001", [](F& f, I&) { f.diodeDrop = "0.001"; }, kPass, C::txtDiodeDrop},
    {"frequency empty", [](F& f, I&) { f.frequency = ""; }, kFrequency, C::txtFrequency},
    {"overwind zero", [](F& f, I&) { f.overwind = "0"; }, kOverwind, C::txtOverwind},
    {"duty zero", [](F& f, I&) { f.maxDutyRatio = "0"; }, kDuty, C::txtMaxDutyRatio},
    {"duty above 1 passes", [](F& f, I&) { f.maxDutyRatio = "1.5"; }, kPass, C::txtMaxDutyRatio},
    {"turns zero, calculated", [](F& f, I&) { f.turns = "0"; }, kPass, C::txtTurns},
    {"turns empty, calculated", [](F& f, I&) { f.turns = ""; }, kPass, C::txtTurns},
    {"turns zero, given", [](F& f, I& i) { f.turns = "0"; i.calculateTurns = 0; }, kTurns, C::txtTurns},
    {"turns empty, given", [](F& f, I& i) { f.turns = ""; i.calculateTurns = 0; }, kTurns, C::txtTurns},
    {"turns 20, given", [](F& f, I& i) { f.turns = "20"; i.calculateTurns = 0; }, kPass, C::txtTurns},
    {"ambient zero", [](F& f, I&) { f.ambientTemp = "0"; }, kAmbient, C::txtAmbientTemp},
    {"ambient 150 passes", [](F& f, I&) { f.ambientTemp = "150"; }, kPass, C::txtAmbientTemp},
    {"density 250", [](F& f, I&) { f.currentDensity = "250"; }, kPass, C::txtCurrentDensityFactor},
    {"density 800", [](F& f, I&) { f.currentDensity = "800"; }, kPass, C::txtCurrentDensityFactor},
    {"density 249.9", [](F& f, I&) { f.currentDensity = "249.9"; }, kDensity, C::txtCurrentDensityFactor},
    {"density 800.5", [](F& f, I&) { f.currentDensity = "800.5"; }, kDensity, C::txtCurrentDensityFactor},
    {"density empty", [](F& f, I&) { f.currentDensity = ""; }, kDensity, C::txtCurrentDensityFactor},
    {"fill .9", [](F& f, I&) { f.fillFactor = ".9"; }, kPass, C::txtFill_Factor},
    {"fill .95", [](F& f, I&) { f.fillFactor = ".95"; }, kFill, C::txtFill_Factor},
    {"fill 1", [](F& f, I&) { f.fillFactor = "1"; }, kFill, C::txtFill_Factor},
    {"fill 0", [](F& f, I&) { f.fillFactor = "0"; }, kFill, C::txtFill_Factor},
    {"fill empty", [](F& f, I&) { f.fillFactor = ""; }, kFill, C::txtFill_Factor},
    {"pick, empty entry", [](F& f, I& i) { f.coreList = ""; i.calculatorType = kPickCore; }, kCore,
     C::txtCoreSize},
    {"pick, blanks", [](F& f, I& i) { f.coreList = "   "; i.calculatorType = kPickCore; }, kCore,
     C::txtCoreSize},
    {"pick TC05 entry",
     [](F& f, I& i) {
       f.coreList = "TC05                 OD= 11mm,  ID= 6 mm, Height = 6mm";
       i.calculatorType = kPickCore;
     },
     kPass, C::txtCoreSize},
    {"calculate ignores list", [](F& f, I& i) { f.coreList = ""; i.calculatorType = kCalculateCore; }, kPass,
     C::txtCoreSize},
    {"stack 0", [](F& f, I&) { f.stack = "0"; }, kStack, C::txtStack},
    {"stack 10", [](F& f, I&) { f.stack = "10"; }, kStack, C::txtStack},
    {"stack 9.5 rounds to 10", [](F& f, I&) { f.stack = "9.5"; }, kStack, C::txtStack},
    {"stack 8.5 rounds to 8", [](F& f, I&) { f.stack = "8.5"; }, kPass, C::txtStack},
    {"stack 9", [](F& f, I&) { f.stack = "9"; }, kPass, C::txtStack},
    // Texts the key filter lets through but that are no numbers.
    {"voltage lone point", [](F& f, I&) { f.outputVoltage = "."; }, kVoltage, C::txtOutPutVoltage},
    {"current two points", [](F& f, I&) { f.outputCurrent = "1.2.3"; }, kCurrent, C::txtOutPutCurrent},
    {"frequency pasted letters", [](F& f, I&) { f.frequency = "100k"; }, kFrequency, C::txtFrequency},
    {"density lone point", [](F& f, I&) { f.currentDensity = "."; }, kDensity, C::txtCurrentDensityFactor},
    {"fill two points", [](F& f, I&) { f.fillFactor = ".3."; }, kFill, C::txtFill_Factor},
    {"stack lone point", [](F& f, I&) { f.stack = "."; }, kStack, C::txtStack},
    {"turns lone point, given", [](F& f, I& i) { f.turns = "."; i.calculateTurns = 0; }, kTurns, C::txtTurns},
    // Numbers no double holds, or that read as 0 though they are not zero.
    {"voltage too large", [](F& f, I&) { f.outputVoltage = "9" + std::string(400, '9'); }, kVoltage,
     C::txtOutPutVoltage},
    {"overwind reads as 0", [](F& f, I&) { f.overwind = "." + std::string(400, '0') + "1"; }, kOverwind,
     C::txtOverwind},
    {"frequency overflows in kHz",
     [](F& f, I&) {
       f.frequency = "1" + std::string(306, '0');
       f.frequencyUnit = "kHz";
     },
     kFrequency, C::txtFrequency},
    // Whole numbers beyond a 16-bit count, and given turns that round to 0.
    {"ambient 40000", [](F& f, I&) { f.ambientTemp = "40000"; }, kAmbient, C::txtAmbientTemp},
    {"ambient 32767", [](F& f, I&) { f.ambientTemp = "32767"; }, kPass, C::txtAmbientTemp},
    {"stack 70000", [](F& f, I&) { f.stack = "70000"; }, kStack, C::txtStack},
    {"turns 0.4, given", [](F& f, I& i) { f.turns = "0.4"; i.calculateTurns = 0; }, kTurns, C::txtTurns},
    {"turns 0.5 rounds to 0", [](F& f, I& i) { f.turns = "0.5"; i.calculateTurns = 0; }, kTurns, C::txtTurns},
    {"turns 1.5 rounds to 2", [](F& f, I& i) { f.turns = "1.5"; i.calculateTurns = 0; }, kPass, C::txtTurns},
    {"turns 40000, given", [](F& f, I& i) { f.turns = "40000"; i.calculateTurns = 0; }, kTurns, C::txtTurns},
    // A picked core that is not in the table.
    {"pick unknown core", [](F& f, I& i) { f.coreList = "TC99"; i.calculatorType = kPickCore; }, kCore,
     C::txtCoreSize},
    {"pick lower case", [](F& f, I& i) { f.coreList = "tc05"; i.calculatorType = kPickCore; }, kCore,
     C::txtCoreSize},
};

TEST_F(InputsTest, EachCheckHasItsMessageAndFocus) {
  for (const CheckCase& c : kCheckCases) {
    SCOPED_TRACE(c.name);
    form = InputFormState();
    inputs = DesignInputs();
    c.edit(form, inputs);
    std::optional<InputRejection> rejection = Check();
    if (*c.message == '\0') {
      EXPECT_FALSE(rejection.has_value()) << rejection->message;
    } else {
      ASSERT_TRUE(rejection.has_value());
      EXPECT_EQ(rejection->message, c.message);
      EXPECT_EQ(rejection->focus, c.focus);
    }
  }
}

TEST_F(InputsTest, TheFirstFailingCheckWins) {
  form.outputCurrent = "";
  form.stack = "12";
  form.fillFactor = "2";
  ASSERT_TRUE(Check().has_value());
  EXPECT_EQ(Check()->focus, InputControl::txtOutPutCurrent);
  form.outputCurrent = "10";
  EXPECT_EQ(Check()->focus, InputControl::txtFill_Factor);
  form.fillFactor = ".3";
  EXPECT_EQ(Check()->focus, InputControl::txtStack);
}

TEST_F(InputsTest, EmptyStackBoxBecomesOneCore) {
  form.stack = "  ";
  EXPECT_FALSE(Check().has_value());
  EXPECT_EQ(form.stack, "1");
  EXPECT_EQ(inputs.coresToStack, 1);
}

TEST_F(InputsTest, RejectedAttemptStillRecordsTheTexts) {
  form.outputVoltage = "15";
  form.outputCurrent = "0";
  ASSERT_TRUE(Check().has_value());
  EXPECT_EQ(inputs.outputVoltage, 15);
  EXPECT_EQ(inputs.outputCurrent, 0);
}

TEST_F(InputsTest, InitValuesReadsUnitsModesAndWholeNumbers) {
  form.frequency = "100";
  form.frequencyUnit = "kHz";
  form.regulationChecked = true;
  form.ambientTemp = "2.5";
  form.stack = "3.5";
  initValues(form, inputs);
  EXPECT_EQ(inputs.switchingFrequency, 100000);
  EXPECT_EQ(inputs.calculationTypeName, "Regulation");
  EXPECT_EQ(inputs.ambientTemperature, 2);  // ties to even
  EXPECT_EQ(inputs.coresToStack, 4);
}

TEST_F(InputsTest, CoreNameComesFromTheListOnlyUnderPickCore) {
  inputs.calculatorType = kPickCore;
  form.coreList = tables.CoreListEntries()[5];
  initValues(form, inputs);
  EXPECT_EQ(inputs.coreName, "TC05");

  form.coreList = "";  // the empty entry leaves the name; check 13 rejects it
  initValues(form, inputs);
  EXPECT_EQ(inputs.coreName, "TC05");
  ASSERT_TRUE(ValidateInputs(form, inputs, tables).has_value());

  inputs.calculatorType = kCalculateCore;
  form.coreList = tables.CoreListEntries()[5];
  initValues(form, inputs);
  EXPECT_EQ(inputs.coreName, "");
}

TEST_F(InputsTest, UncheckedRegulationReadsAsShutdownWhateverTheFlag) {
  inputs.shutdownSelected = kClear;  // Regulation was checked, then unchecked
  form.regulationChecked = false;
  initValues(form, inputs);
  EXPECT_EQ(inputs.shutdownSelected, kClear);
  EXPECT_EQ(inputs.calculationTypeName, "Shutdown");
}

TEST(GivenTurns, RoundsHalfToEvenWithinTheCountRange) {
  EXPECT_EQ(GivenTurns("20"), 20);
  EXPECT_EQ(GivenTurns("20.5"), 20);
  EXPECT_EQ(GivenTurns("21.5"), 22);
  EXPECT_EQ(GivenTurns("25.0"), 25);
}

TEST(ControlName, NamesTheFormsControls) {
  EXPECT_STREQ(ControlName(InputControl::txtOutPutVoltage), "txtOutPutVoltage");
  EXPECT_STREQ(ControlName(InputControl::txtFill_Factor), "txtFill_Factor");
  EXPECT_STREQ(ControlName(InputControl::txtCoreSize), "txtCoreSize");
}

}  // namespace
}  // namespace zentrik
