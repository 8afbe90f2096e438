#include "OutputTexts.h"

#include <gtest/gtest.h>

#include "Numbers.h"
#include "Tables.h"

namespace zentrik {
namespace {

class OutputTextsTest : public testing::Test {
 protected:
  void SetUp() override {
    tables.DataLoad();
    tables.ArrayData_MA_Load();
    inputs.calculatorType = kCalculateCore;
  }
  void Run() { ASSERT_FALSE(ShowResults(form, inputs, tables, result).rejection.has_value()); }

  DesignTables tables;
  InputFormState form;
  DesignInputs inputs;
  DesignResult result;
};

void ExpectRows(const std::vector<FieldRow>& actual, const std::vector<FieldRow>& expected) {
  ASSERT_EQ(actual.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE(expected[i].caption);
    EXPECT_EQ(actual[i].caption, expected[i].caption);
    EXPECT_EQ(actual[i].value, expected[i].value);
    EXPECT_EQ(actual[i].unit, expected[i].unit);
  }
}

TEST_F(OutputTextsTest, SummaryOfTheDefaultDesign) {
  Run();
  SummaryTexts s = MakeSummaryTexts(inputs, result, form.turns);
  EXPECT_EQ(s.calculationType, "Shutdown");
  ExpectRows(s.inputValues, {
                                {"Output Voltage", "12", "Volts"},
                                {"Output Current", "10", "Amps"},
                                {"Min Input Voltage", "40", "Volts"},
                                {"Inductor Voltage Drop", "0.2", "Volts"},
                                {"Diode Voltage Drop", "0.7", "Volts"},
                                {"Switching Frequency", "100000", "Hz"},
                                {"Overwind Factor", "1.2", ""},
                                {"Max Duty Ratio", "0.5", ""},
                                {"Current Density Factor", "400", "amps/cm\xB2"},
                                {"Window Fill Factor", "0.3", ""},
                                {"Turns Selected", "", ""},
                                {"Core Size Selected", "Calculated", ""},
                            });
  ExpectRows(s.summaryOutput, {
                                  {"Core Size", "TC23", ""},
                                  {"No. of Turns", "19", ""},
                                  {"Wire Size", "13", "AWG"},
                                  {"Copper Loss", "0.32", "Watts"},
                                  {"Core Loss", "1.48", "Watts"},
                                  {"Total Losses", "1.8", "Watts"},
                                  {"Temperature Rise", "54", "\xB0" "C"},
                                  {"Reset Field", "0.17", "Oe"},
                                  {"Control Current", "50", "mA"},
                              });
  EXPECT_EQ(s.stackField, "");
  EXPECT_FALSE(s.temperatureRiseRed);
}

TEST_F(OutputTextsTest, SummaryRepeatsGivenTurnsAsTypedAndThePickedCore) {
  inputs.calculatorType = kPickCore;
  form.coreList = "TC23";
  inputs.calculateTurns = kClear;
  form.turns = "25.0";
  form.stack = "3";
  Run();
  SummaryTexts s = MakeSummaryTexts(inputs, result, form.turns);
  EXPECT_EQ(s.inputValues[10].value, "25.0");
  EXPECT_EQ(s.inputValues[11].value, "TC23");
  EXPECT_EQ(s.summaryOutput[0].value, "TC23");
  EXPECT_EQ(s.stackField, "* 3");

  inputs.calculateTurns = kSet;  // calculated: the box's text is not shown
  EXPECT_EQ(MakeSummaryTexts(inputs, result, form.turns).inputValues[10].value, "");
}

TEST_F(OutputTextsTest, TemperatureRiseRoundsHalfToEvenAndTurnsRed) {
  result.temperatureRise = 62.5;
  EXPECT_EQ(MakeSummaryTexts(inputs, result, "").summaryOutput[6].value, "62");
  result.temperatureRise = 63.5;
  EXPECT_EQ(MakeSummaryTexts(inputs, result, "").summaryOutput[6].value, "64");
  result.temperatureExceeded = kSet;
  EXPECT_TRUE(MakeSummaryTexts(inputs, result, "").temperatureRiseRed);
  result.temperatureExceeded = kClear;
  EXPECT_FALSE(MakeSummaryTexts(inputs, result, "").temperatureRiseRed);
}

TEST_F(OutputTextsTest, SummaryUsesTheGivenDecimalSeparator) {
  Run();
  SummaryTexts s = MakeSummaryTexts(inputs, result, form.turns, ',');
  EXPECT_EQ(s.inputValues[3].value, "0,2");
  EXPECT_EQ(s.summaryOutput[3].value, "0,32");
}

struct CellCase {
  int column, row;
  const char* caption;
  const char* value;
};

TEST_F(OutputTextsTest, IntermediateOutputsOfTheDefaultDesign) {
  Run();
  IntermediateTexts t = MakeIntermediateTexts(inputs, result, tables);
  const CellCase cells[] = {
      {0, 0, "Calculated Factors:", ""},
      {0, 2, "Calc. Area Product", "0.206 cm4"},
      {0, 3, "Actl. Area Product", "0.335 cm4"},
      {0, 4, "Calc. Copper Area", "0.028 cm2"},
      {0, 5, "Wire Size", "13 AWG"},
      {0, 6, "Wire Diameter", "0.19 cm"},
      {0, 7, "No. of Turns", "19"},
      {0, 8, "Actual Fill Factor", "0.2"},
      {1, 0, "Coil Details:", ""},
      {1, 2, "Length of Mean Turn", "2.08 cm"},
      {1, 3, "Length of Conductor", "47.5 cm"},
      {1, 4, "Conductor Resistance 25\xB0" "C", "0.0031 ohms"},
      {1, 5, "Skin Depth", "0.0209 cm"},
      {1, 6, "Rac/Rdc", "2.55"},
      {1, 7, "Conductor Loss at 25\xB0" "C", "0.26 W"},
      {1, 8, "Conductor Loss at Op Temp", "0.32 W"},
      {2, 0, "Magnetic Parameters:", ""},
      {2, 2, "Bac", "0.51 tesla"},
      {2, 3, "Core Loss", "223.28 W/kg"},
      {2, 4, "Material Loss", "1.48 W"},
      {2, 5, "Total Losses", "1.8 W"},
      {2, 6, "  (Material Loss + Copper Loss)", ""},
      {2, 7, "Total Temperature", "89 \xB0" "C"},
  };
  for (const CellCase& c : cells) {
    SCOPED_TRACE(c.caption);
    EXPECT_EQ(t.cells[c.column][c.row].caption, c.caption);
    EXPECT_EQ(t.cells[c.column][c.row].value, c.value);
    EXPECT_FALSE(t.cells[c.column][c.row].red);
  }
  for (int row : {1, 9, 10, 11, 12}) {
    for (int column = 0; column < kGridColumns; ++column) {
      EXPECT_EQ(t.cells[column][row].caption, "");
      EXPECT_EQ(t.cells[column][row].value, "");
    }
  }
  EXPECT_EQ(t.warning, "");
}

TEST_F(OutputTextsTest, BrokenLimitsAreRedWithTheWarning) {
  inputs.calculatorType = kPickCore;
  form.coreList = "TC05";
  Run();
  IntermediateTexts t = MakeIntermediateTexts(inputs, result, tables);
  EXPECT_TRUE(t.cells[0][8].red);   // fill
  EXPECT_TRUE(t.cells[2][7].red);   // total temperature
  EXPECT_FALSE(t.cells[2][2].red);  // swing within the limit
  EXPECT_FALSE(t.cells[0][5].red);
  EXPECT_EQ(t.warning,
            "This design exceeds core operating parameters. \r\n"
            "Please modify design inputs Or let the program\r\n"
            "select a suitable core for you.");
}

TEST_F(OutputTextsTest, WireTooSmallAloneIsRedWithoutTheWarning) {
  Run();
  result.wireTooSmall = kSet;
  IntermediateTexts t = MakeIntermediateTexts(inputs, result, tables);
  EXPECT_TRUE(t.cells[0][5].red);
  EXPECT_EQ(t.warning, "");
}

TEST_F(OutputTextsTest, MaterialLossCountsEveryStackedCore) {
  inputs.calculatorType = kPickCore;
  form.coreList = "TC23";
  form.stack = "3";
  Run();
  IntermediateTexts t = MakeIntermediateTexts(inputs, result, tables);
  double expected = result.coreLossDensity * tables.cores[23].mass * 3 / 1000;
  EXPECT_EQ(t.cells[2][4].value, NumberText(RoundHalfEven(expected, 2)) + " W");
  EXPECT_EQ(t.cells[0][3].value, NumberText(RoundHalfEven(3 * 0.334702059, 3)) + " cm4");
}

}  // namespace
}  // namespace zentrik
