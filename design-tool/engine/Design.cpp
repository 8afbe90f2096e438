#include "Design.h"

#include <cmath>

#include "Contacts.h"
#include "Numbers.h"
#include "Tables.h"

namespace zentrik {

namespace {

constexpr double kFluxLimit = 0.55;         // T
constexpr double kTemperatureLimit = 90;    // °C
constexpr double kPi = 3.141592654;
constexpr double kTwoPi = 6.283185308;
constexpr long long kMaxTurns = 32767;      // what a 16-bit turn count holds

std::string JoinLines(std::initializer_list<std::string> lines) {
  std::string text;
  bool first = true;
  for (const std::string& line : lines) {
    if (!first) text += "\r\n";
    text += line;
    first = false;
  }
  return text;
}

std::string PhonesSixBlanks() {
  return std::string(" USA ") + SupportPhoneUSA + "    Europe " + SupportPhoneEurope + "      Asia " +
         SupportPhoneAsia;
}

std::string ContactOptions() {
  return JoinLines({"    3) Contact us for custom sizes:  ",
                    std::string("          e-mail:   ") + SupportEmail,
                    std::string("          or call:  USA ") + SupportPhoneUSA + "    Europe " +
                        SupportPhoneEurope + "      Asia " + SupportPhoneAsia});
}

// Lines 2 to 5 of the temperature advisory, shared with the wire advisory.
std::string TemperatureAdvisoryTail() {
  return JoinLines({"Please use program choice 2 and select larger core sizes, stack",
                    "two or more cores, or inquire about custom core sizes by e-mailing us",
                    std::string("at ") + SupportEmail + " or call:",
                    std::string(" USA ") + SupportPhoneUSA + "    Europe " + SupportPhoneEurope +
                        "    Asia " + SupportPhoneAsia});
}

Advisory Caution(std::string text) { return {std::move(text), CautionTitle, MessageIcon::Information}; }
Advisory Plain(std::string text) { return {std::move(text), ApplicationTitle, MessageIcon::None}; }

// SelectWire: the thinnest listed wire whose overall area exceeds the
// copper area the current needs; AWG 8 with wireTooSmall when none does.
void SelectWire(const DesignInputs& in, const DesignTables& tables, DesignResult& r) {
  r.calcCopperArea = in.outputCurrent / in.currentDensityFactor;
  r.wireTooSmall = kClear;
  int k = 0;
  for (int i = 1; i <= kWireCount; ++i) {
    if (r.calcCopperArea * 1000 / tables.wires[i].area < 1) {
      k = i;
    } else {
      break;
    }
  }
  if (k == 0) {
    r.wireTooSmall = kSet;
    k = 1;
  }
  const WireGauge& wire = tables.wires[k];
  r.wireGauge = wire.gauge;
  r.calcCopperArea = wire.area / 1000;
  r.wireDiameter = wire.diameter;
  r.wireResistancePerCm = wire.resistance / 1000000;
}

// State of the core search within one run.
struct CoreSearch {
  int firstFit = -1;
  int position = 0;
};

// SelectCore under Calculate Core: the lightest available core, from the
// search position on, whose stacked area product holds the design; the
// earlier row wins a tie.  Leaves coreIndex 0 when nothing fits.  Row 0
// takes part when the search starts there: it holds zeros, so it fits only
// a zero area product, and then its zero mass keeps the first real fit.
void SearchCore(const DesignInputs& in, DesignTables& tables, DesignResult& r, CoreSearch& search) {
  if (r.coreIndex != -1) {
    tables.cores[r.coreIndex].available = false;
    search.position = search.firstFit;
  }
  double bestMass = -1;
  bool found = false;
  r.coreIndex = 0;
  for (int i = search.position; i <= kCoreCount; ++i) {
    const CoreRecord& core = tables.cores[i];
    if (found && core.available && core.mass < bestMass) {
      r.coreIndex = static_cast<int16_t>(i);
      bestMass = core.mass;
    }
    if (core.available && in.coresToStack * core.areaProduct >= r.calcAreaProduct && r.coreIndex == 0) {
      if (search.firstFit < 0) search.firstFit = i;
      r.coreIndex = static_cast<int16_t>(i);
      if (bestMass < 0) bestMass = core.mass;
      found = true;
    }
  }
}

// Turns to start the winding loop with: the designer's, or the count that
// keeps the swing at the flux limit, held to 1 .. 31000.
long long StartingTurns(const DesignInputs& in, const std::string& turnsText, const DesignResult& r) {
  if (in.calculateTurns == 0) return GivenTurns(turnsText);
  double t = r.voltSeconds * 0.000001 * 10000 / 2 / kFluxLimit / r.stackedCoreArea;
  if (t > 32000) {
    t = 31000;
  } else if (!(t >= 1)) {  // also catches a NaN from absurd inputs
    t = 1;
  }
  return static_cast<long long>(std::ceil(t));
}

// EvaluateWinding: evaluates the design for `turns`, adding one turn at a
// time while it runs too hot or its swing is too high and the window still
// has room.  Turns are counted in a wide type; the loop also ends when one
// more turn would not fit a 16-bit count, as it would with a full window.
void EvaluateWinding(const DesignInputs& in, const CoreRecord& c, long long turns, char separator,
                     DesignResult& r) {
  const double f = in.switchingFrequency;
  const double n = in.coresToStack;
  const double ambient = in.ambientTemperature;
  const double d = r.wireDiameter;
  for (;;) {
    r.bac = r.voltSeconds * 0.000001 * 10000 / (2 * static_cast<double>(turns) * r.stackedCoreArea);
    if (r.bac < 0) r.bac = 1e-11;
    r.coreLossDensity = 0.00000993 * std::pow(f, 1.57) * std::pow(r.bac, 1.7);
    r.coreLoss = r.coreLossDensity * c.mass * n / 1000;
    if (r.coreLoss < 0.01) r.coreLoss = 0.01;
    r.actualFillFactor = static_cast<double>(turns) * kPi * d * d / 4 / c.windowArea;
    r.meanTurnLength = ((c.outerDiameter - c.innerDiameter) + 2 * c.height) * n / 10;
    r.conductorLength = static_cast<double>(turns) * r.meanTurnLength * 1.2;
    r.skinDepth = 6.62 / std::sqrt(f);
    r.rmsCurrent = std::sqrt(in.outputCurrent * in.outputCurrent * r.requiredDutyRatio);
    r.conductorResistance25C = r.wireResistancePerCm * r.conductorLength;
    // Full section over a ring one skin depth thick.  A wire no thicker than
    // the skin depth carries current over its whole section: ratio 1.
    if (d <= r.skinDepth) {
      r.racRdc = 1;
    } else {
      r.racRdc = (d / 2 * d / 2) / ((d - r.skinDepth) * r.skinDepth);
    }
    r.acResistance = r.racRdc * r.conductorResistance25C;
    r.copperLoss25C = r.rmsCurrent * r.rmsCurrent * r.acResistance;
    r.totalLoss = r.copperLoss25C + r.coreLoss;
    r.coolingSurface = kTwoPi * ((c.outerDiameter / 20) * (c.outerDiameter / 20) -
                                 (c.innerDiameter / 20) * (c.innerDiameter / 20)) +
                       kPi * c.outerDiameter / 10 * c.height / 10 * n +
                       kPi * c.innerDiameter / 10 * c.height / 10 * n;
    r.temperatureRise = std::pow(r.totalLoss * 1000 / r.coolingSurface, 0.833);
    r.copperLossOperating = ((ambient + r.temperatureRise - 25) * 0.00393 + 1) * r.copperLoss25C;
    if (r.copperLossOperating < 0.01) r.copperLossOperating = 0.01;
    r.totalLoss = r.copperLossOperating + r.coreLoss;
    r.temperatureRise = std::pow(r.totalLoss * 1000 / r.coolingSurface, 0.833);
    double totalTemperature = RoundHalfEven(ambient + r.temperatureRise, 0);
    r.totalTemperature = NumberText(totalTemperature, separator);
    r.resetField = 0.1502 * std::pow(f, 0.57) * std::pow(r.voltSeconds * 0.000001, 0.7) /
                   std::pow(static_cast<double>(turns) * r.stackedCoreArea, 0.7);
    r.controlCurrent = r.resetField * c.pathLength / 0.4 / kPi / static_cast<double>(turns) * 1000;
    r.turns = static_cast<int16_t>(turns);

    bool acceptable = totalTemperature <= kTemperatureLimit && r.bac <= kFluxLimit;
    bool windowFull = !(r.actualFillFactor < in.windowFillFactor);
    if (acceptable || windowFull || turns >= kMaxTurns) return;
    ++turns;
  }
}

enum class Verdict { Pass, DropCore };

// CheckDesign: under Calculate Core the first broken limit drops the core;
// under Pick Core every broken limit is reported, in order, and flagged.
Verdict CheckDesign(const DesignInputs& in, DesignResult& r, char separator,
                    std::vector<Advisory>& advisories) {
  const bool pick = in.calculatorType == kPickCore;
  r.limitExceeded = kClear;
  if (r.bac > kFluxLimit) {
    if (!pick) return Verdict::DropCore;
    advisories.push_back(Plain(FluxSwingAdvisory(r.bac, separator)));
    r.limitExceeded = kSet;
    r.bacExceeded = kSet;
  } else {
    r.bacExceeded = kClear;
  }
  if (r.actualFillFactor > in.windowFillFactor) {
    if (!pick) return Verdict::DropCore;
    advisories.push_back(Plain(FillAdvisory(r.actualFillFactor, in.windowFillFactor, separator)));
    r.limitExceeded = kSet;
    r.fillFactorExceeded = kSet;
  } else {
    r.fillFactorExceeded = kClear;
  }
  if (in.ambientTemperature + r.temperatureRise > kTemperatureLimit) {
    if (!pick) return Verdict::DropCore;
    advisories.push_back(Caution(TemperatureAdvisory()));
    r.limitExceeded = kSet;
    r.temperatureExceeded = kSet;
  } else {
    r.temperatureExceeded = kClear;
  }
  if (pick && r.wireTooSmall != 0) {
    advisories.push_back(Caution(WireAdvisory()));
    r.limitExceeded = kSet;
  }
  return Verdict::Pass;
}

}  // namespace

std::string AreaProductAdvisory() {
  return JoinLines({"Calculated area product exceeds the maximum for available core sizes.  Try",
                    "stacking two or more cores if acceptable, otherwise, for customer sizes, send",
                    std::string("an e-mail to ") + SupportEmail + " or call:", PhonesSixBlanks()});
}

std::string NoCoreAdvisory() {
  return JoinLines({"We have no core currently meeting your design inputs.  This may be due",
                    "to a high Bmax calculation or a tight fill factor requirement.", "",
                    "Try stacking two or more cores if acceptable, otherwise, for custom sizes, ",
                    std::string("send an e-mail to ") + SupportEmail + " or call:", PhonesSixBlanks()});
}

std::string FluxSwingAdvisory(double bac, char separator) {
  return JoinLines({"Calculated Bac, " + NumberText(RoundHalfEven(bac, 1), separator) +
                        " exceeds core design limits.",
                    "", "Please select any of the following:", "", "    0) Modify design parameters. ",
                    "    1) Choose bigger core size. ",
                    "    2) Try stacking two or more cores if acceptable.", ContactOptions()});
}

std::string FillAdvisory(double actualFillFactor, double windowFillFactor, char separator) {
  std::string p = NumberText(RoundHalfEven(actualFillFactor, 2) * 100, separator);
  std::string q = NumberText(windowFillFactor * 100, separator);
  return JoinLines({"Actual window fill, " + p + "% exceeds " + q + "%.",
                    "Please be sure that fill factor is acceptable or select one of the following options:",
                    "", "    1) Choose bigger core with a larger area product. ",
                    "    2) Try stacking two or more cores if acceptable.", ContactOptions()});
}

std::string TemperatureAdvisory() {
  return JoinLines({"Total temperature for core size selected is > 90\xB0" "C.", TemperatureAdvisoryTail()});
}

std::string WireAdvisory() {
  return JoinLines({"The wire size used is not large enough for the selected core design.",
                    TemperatureAdvisoryTail()});
}

DesignRun RunDesign(const DesignInputs& in, const std::string& turnsText, DesignTables& tables,
                    DesignResult& r, char separator) {
  DesignRun run;
  const bool pick = in.calculatorType == kPickCore;
  const double n = in.coresToStack;

  // Derived quantities.
  r.periodMicroseconds = (1 / in.switchingFrequency) * 1000000;
  r.requiredDutyRatio = (in.inductorVoltageDrop + in.outputVoltage + in.diodeVoltageDrop) / in.minInputVoltage;
  if (in.shutdownSelected != 0) {
    r.voltSeconds = in.minInputVoltage * r.periodMicroseconds * in.maxDutyRatio * in.overwindFactor;
  } else {
    r.voltSeconds = (in.maxDutyRatio - r.requiredDutyRatio) * r.periodMicroseconds * in.minInputVoltage *
                    in.overwindFactor;
  }
  if (r.voltSeconds < 0) r.voltSeconds = 1e-10;

  SelectWire(in, tables, r);

  // Required area product, and the guard against a design beyond the table.
  r.calcAreaProduct = r.voltSeconds * 0.000001 * r.calcCopperArea * 10000 / 2 / kFluxLimit / in.windowFillFactor;
  r.actualAreaProduct = r.calcAreaProduct;
  if (!pick && n * tables.maxAreaProduct < r.calcAreaProduct) {
    run.outcome = DesignOutcome::AreaProduct;
    run.advisories.push_back(Caution(AreaProductAdvisory()));
    return run;
  }

  for (CoreRecord& core : tables.cores) core.available = true;
  r.coreIndex = -1;
  CoreSearch search;
  for (;;) {
    if (pick) {
      r.coreIndex = static_cast<int16_t>(tables.FindCore(in.coreName));
    } else {
      SearchCore(in, tables, r, search);
    }
    // ValidateInputs keeps an unknown picked core from getting here; should
    // one arrive anyway, it ends like an empty search rather than reading
    // past the table.
    if (r.coreIndex == 0 || (!pick && r.wireTooSmall != 0)) {
      run.outcome = DesignOutcome::NoCore;
      run.advisories.push_back(Caution(NoCoreAdvisory()));
      return run;
    }
    const CoreRecord& core = tables.cores[r.coreIndex];
    r.coreName = core.name;
    r.actualAreaProduct = n * core.areaProduct;
    r.stackedCoreArea = n * core.coreArea;

    EvaluateWinding(in, core, StartingTurns(in, turnsText, r), separator, r);
    if (CheckDesign(in, r, separator, run.advisories) == Verdict::Pass) break;
  }
  run.outcome = DesignOutcome::Design;
  return run;
}

ShowResultsOutcome ShowResults(InputFormState& form, DesignInputs& inputs, DesignTables& tables,
                               DesignResult& result, char separator) {
  ShowResultsOutcome outcome;
  initValues(form, inputs);
  outcome.rejection = ValidateInputs(form, inputs, tables);
  if (!outcome.rejection) outcome.run = RunDesign(inputs, form.turns, tables, result, separator);
  return outcome;
}

}  // namespace zentrik
