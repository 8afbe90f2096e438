#include "OutputTexts.h"

#include "Numbers.h"
#include "Tables.h"

namespace zentrik {

namespace {

// RoundHalfEven to `decimals`, then the plain number text.
std::string Fixed(double value, int decimals, char separator) {
  return NumberText(RoundHalfEven(value, decimals), separator);
}

}  // namespace

SummaryTexts MakeSummaryTexts(const DesignInputs& in, const DesignResult& r,
                              const std::string& turnsBoxText, char sep) {
  SummaryTexts t;
  auto plain = [sep](double value) { return NumberText(value, sep); };
  t.calculationType = in.calculationTypeName;
  t.inputValues = {
      {"Output Voltage", plain(in.outputVoltage), "Volts"},
      {"Output Current", plain(in.outputCurrent), "Amps"},
      {"Min Input Voltage", plain(in.minInputVoltage), "Volts"},
      {"Inductor Voltage Drop", plain(in.inductorVoltageDrop), "Volts"},
      {"Diode Voltage Drop", plain(in.diodeVoltageDrop), "Volts"},
      {"Switching Frequency", plain(in.switchingFrequency), "Hz"},
      {"Overwind Factor", plain(in.overwindFactor), ""},
      {"Max Duty Ratio", plain(in.maxDutyRatio), ""},
      {"Current Density Factor", plain(in.currentDensityFactor), "amps/cm\xB2"},
      {"Window Fill Factor", plain(in.windowFillFactor), ""},
      {"Turns Selected", in.calculateTurns != 0 ? std::string() : turnsBoxText, ""},
      {"Core Size Selected", in.calculatorType == kPickCore ? in.coreName : std::string("Calculated"), ""},
  };
  t.summaryOutput = {
      {"Core Size", r.coreName, ""},
      {"No. of Turns", std::to_string(r.turns), ""},
      {"Wire Size", plain(r.wireGauge), "AWG"},
      {"Copper Loss", Fixed(r.copperLossOperating, 2, sep), "Watts"},
      {"Core Loss", Fixed(r.coreLoss, 2, sep), "Watts"},
      {"Total Losses", Fixed(r.totalLoss, 2, sep), "Watts"},
      {"Temperature Rise", Fixed(r.temperatureRise, 0, sep), "\xB0" "C"},
      {"Reset Field", Fixed(r.resetField, 2, sep), "Oe"},
      {"Control Current", Fixed(r.controlCurrent, 0, sep), "mA"},
  };
  t.stackField = in.coresToStack == 1 ? std::string() : "* " + std::to_string(in.coresToStack);
  t.temperatureRiseRed = r.temperatureExceeded != 0;
  return t;
}

IntermediateTexts MakeIntermediateTexts(const DesignInputs& in, const DesignResult& r,
                                        const DesignTables& tables, char sep) {
  IntermediateTexts t;
  auto fixed = [sep](double value, int decimals, const char* unit) {
    return Fixed(value, decimals, sep) + unit;
  };
  double coreMass = 0;
  if (r.coreIndex > 0 && static_cast<size_t>(r.coreIndex) < tables.cores.size())
    coreMass = tables.cores[static_cast<size_t>(r.coreIndex)].mass;

  GridCell(&c1)[kGridRows] = t.cells[0];
  c1[0] = {"Calculated Factors:", ""};
  c1[2] = {"Calc. Area Product", fixed(r.calcAreaProduct, 3, " cm4")};
  c1[3] = {"Actl. Area Product", fixed(r.actualAreaProduct, 3, " cm4")};
  c1[4] = {"Calc. Copper Area", fixed(r.calcCopperArea, 3, " cm2")};
  c1[5] = {"Wire Size", fixed(r.wireGauge, 2, " AWG"), r.wireTooSmall != 0};
  c1[6] = {"Wire Diameter", fixed(r.wireDiameter, 3, " cm")};
  c1[7] = {"No. of Turns", std::to_string(r.turns)};
  c1[8] = {"Actual Fill Factor", fixed(r.actualFillFactor, 3, ""), r.fillFactorExceeded != 0};

  GridCell(&c2)[kGridRows] = t.cells[1];
  c2[0] = {"Coil Details:", ""};
  c2[2] = {"Length of Mean Turn", fixed(r.meanTurnLength, 2, " cm")};
  c2[3] = {"Length of Conductor", fixed(r.conductorLength, 1, " cm")};
  c2[4] = {"Conductor Resistance 25\xB0" "C", fixed(r.conductorResistance25C, 4, " ohms")};
  c2[5] = {"Skin Depth", fixed(r.skinDepth, 4, " cm")};
  c2[6] = {"Rac/Rdc", fixed(r.racRdc, 2, "")};
  c2[7] = {"Conductor Loss at 25\xB0" "C", fixed(r.copperLoss25C, 2, " W")};
  c2[8] = {"Conductor Loss at Op Temp", fixed(r.copperLossOperating, 2, " W")};

  GridCell(&c3)[kGridRows] = t.cells[2];
  c3[0] = {"Magnetic Parameters:", ""};
  c3[2] = {"Bac", fixed(r.bac, 2, " tesla"), r.bacExceeded != 0};
  c3[3] = {"Core Loss", fixed(r.coreLossDensity, 2, " W/kg")};
  c3[4] = {"Material Loss", fixed(r.coreLossDensity * coreMass * in.coresToStack / 1000, 2, " W")};
  c3[5] = {"Total Losses", fixed(r.totalLoss, 2, " W")};
  c3[6] = {"  (Material Loss + Copper Loss)", ""};
  c3[7] = {"Total Temperature", fixed(LeadingNumber(r.totalTemperature), 0, " \xB0" "C"),
           r.temperatureExceeded != 0};

  if (r.bacExceeded != 0 || r.fillFactorExceeded != 0 || r.temperatureExceeded != 0) {
    t.warning =
        "This design exceeds core operating parameters. \r\n"
        "Please modify design inputs Or let the program\r\n"
        "select a suitable core for you.";
  }
  return t;
}

}  // namespace zentrik
