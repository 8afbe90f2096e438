#include "Cli.h"

#include <CLI/CLI.hpp>
#include <iomanip>
#include <nlohmann/json.hpp>
#include <ostream>
#include <sstream>

#include "Contacts.h"
#include "Design.h"
#include "Inputs.h"
#include "OutputTexts.h"
#include "Tables.h"

namespace zentrik {

namespace {

// Keys keep the order of the records.
using json = nlohmann::ordered_json;

void AppendUtf8(std::string& out, unsigned code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

std::string Utf8(const std::string& text) { return Cp1252ToUtf8(text); }

const char* OutcomeName(const ShowResultsOutcome& outcome) {
  if (outcome.rejection) return "rejected";
  switch (outcome.run.outcome) {
    case DesignOutcome::Design: return "design";
    case DesignOutcome::AreaProduct: return "area-product";
    case DesignOutcome::NoCore: return "no-core";
  }
  return "";
}

json InputsJson(const DesignInputs& in) {
  return {
      {"outputVoltage", in.outputVoltage},
      {"outputCurrent", in.outputCurrent},
      {"minInputVoltage", in.minInputVoltage},
      {"inductorVoltageDrop", in.inductorVoltageDrop},
      {"diodeVoltageDrop", in.diodeVoltageDrop},
      {"switchingFrequency", in.switchingFrequency},
      {"overwindFactor", in.overwindFactor},
      {"maxDutyRatio", in.maxDutyRatio},
      {"windowFillFactor", in.windowFillFactor},
      {"currentDensityFactor", in.currentDensityFactor},
      {"ambientTemperature", in.ambientTemperature},
      {"coresToStack", in.coresToStack},
      {"shutdownSelected", in.shutdownSelected},
      {"calculatorType", in.calculatorType},
      {"calculateTurns", in.calculateTurns},
      {"calculationTypeName", in.calculationTypeName},
      {"coreName", in.coreName},
  };
}

json ResultJson(const DesignResult& r) {
  return {
      {"periodMicroseconds", r.periodMicroseconds},
      {"requiredDutyRatio", r.requiredDutyRatio},
      {"voltSeconds", r.voltSeconds},
      {"calcCopperArea", r.calcCopperArea},
      {"wireTooSmall", r.wireTooSmall},
      {"wireGauge", r.wireGauge},
      {"wireDiameter", r.wireDiameter},
      {"wireResistancePerCm", r.wireResistancePerCm},
      {"calcAreaProduct", r.calcAreaProduct},
      {"coreIndex", r.coreIndex},
      {"coreName", r.coreName},
      {"actualAreaProduct", r.actualAreaProduct},
      {"stackedCoreArea", r.stackedCoreArea},
      {"turns", r.turns},
      {"bac", r.bac},
      {"coreLossDensity", r.coreLossDensity},
      {"coreLoss", r.coreLoss},
      {"actualFillFactor", r.actualFillFactor},
      {"meanTurnLength", r.meanTurnLength},
      {"conductorLength", r.conductorLength},
      {"skinDepth", r.skinDepth},
      {"rmsCurrent", r.rmsCurrent},
      {"conductorResistance25C", r.conductorResistance25C},
      {"racRdc", r.racRdc},
      {"acResistance", r.acResistance},
      {"copperLoss25C", r.copperLoss25C},
      {"copperLossOperating", r.copperLossOperating},
      {"totalLoss", r.totalLoss},
      {"coolingSurface", r.coolingSurface},
      {"temperatureRise", r.temperatureRise},
      {"totalTemperature", r.totalTemperature},
      {"resetField", r.resetField},
      {"controlCurrent", r.controlCurrent},
      {"limitExceeded", r.limitExceeded},
      {"bacExceeded", r.bacExceeded},
      {"fillFactorExceeded", r.fillFactorExceeded},
      {"temperatureExceeded", r.temperatureExceeded},
  };
}

json RowsJson(const std::vector<FieldRow>& rows) {
  json list = json::array();
  for (const FieldRow& row : rows)
    list.push_back({{"caption", Utf8(row.caption)}, {"value", Utf8(row.value)}, {"unit", Utf8(row.unit)}});
  return list;
}

json SummaryJson(const SummaryTexts& s) {
  return {{"calculationType", s.calculationType},
          {"inputValues", RowsJson(s.inputValues)},
          {"summaryOutput", RowsJson(s.summaryOutput)},
          {"stack", s.stackField},
          {"temperatureRiseRed", s.temperatureRiseRed}};
}

json AdvisoriesJson(const std::vector<Advisory>& advisories) {
  json list = json::array();
  for (const Advisory& a : advisories) {
    list.push_back({{"text", Utf8(a.text)},
                    {"title", a.title},
                    {"icon", a.icon == MessageIcon::Information ? "information" : "none"}});
  }
  return list;
}

// A message box as text: its title, then its lines indented.
void PrintBox(std::ostream& out, const std::string& title, const std::string& text) {
  out << "[" << title << "]\n";
  std::istringstream lines(Utf8(text));
  std::string line;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    out << "  " << line << "\n";
  }
  out << "\n";
}

// Width of a text in characters (UTF-8 continuation bytes do not count).
size_t Columns(const std::string& utf8) {
  size_t n = 0;
  for (unsigned char c : utf8) n += (c & 0xC0) != 0x80;
  return n;
}

void PrintRows(std::ostream& out, const std::vector<FieldRow>& rows, const std::string& stack) {
  for (const FieldRow& row : rows) {
    std::string caption = Utf8(row.caption);
    std::string value = Utf8(row.value);
    // The stack field stands right of the core size, as on the form.
    if (row.caption == "Core Size" && !stack.empty()) value += " " + stack;
    out << "  " << caption << std::string(Columns(caption) < 24 ? 24 - Columns(caption) : 1, ' ');
    out << std::string(Columns(value) < 12 ? 12 - Columns(value) : 0, ' ') << value;
    if (!row.unit.empty()) out << "  " << Utf8(row.unit);
    out << "\n";
  }
}

// The summary form's two groups, then the total core temperature that the
// calculations form shows (ambient plus rise), the figure the limit is on.
void PrintSummary(std::ostream& out, const SummaryTexts& s, const IntermediateTexts& calculations) {
  out << "Zentrik Core Design Summary Outputs\n\n";
  out << "  Calculation type: " << s.calculationType << "\n\n";
  out << "Input Values\n";
  PrintRows(out, s.inputValues, "");
  out << "\nSummary Output\n";
  PrintRows(out, s.summaryOutput, s.stackField);
  const GridCell& total = calculations.cells[2][7];
  std::string value = total.value.substr(0, total.value.find(' '));
  out << "\nCore Temperature\n";
  PrintRows(out, {{total.caption, value, "\xB0" "C"}}, "");
}

}  // namespace

std::string Cp1252ToUtf8(const std::string& text) {
  static const unsigned kHigh[32] = {
      0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
      0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
      0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};
  std::string out;
  out.reserve(text.size());
  for (unsigned char c : text) {
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0xA0) {
      AppendUtf8(out, kHigh[c - 0x80]);
    } else {
      AppendUtf8(out, c);
    }
  }
  return out;
}

int RunCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
  InputFormState form;
  DesignInputs inputs;
  std::string turns;
  std::string pick;
  bool khz = false, regulation = false, shutdown = false, asJson = false, listCores = false;

  CLI::App app{
      "Designs the saturable-reactor core of a magnetic-amplifier post-regulator.\n"
      "Values are typed as into the input form's boxes and pass the same checks.",
      "zentrik"};
  app.get_formatter()->column_width(30);
  app.add_option("--output-voltage", form.outputVoltage, "Output voltage, V")->capture_default_str();
  app.add_option("--output-current", form.outputCurrent, "Output current, A")->capture_default_str();
  app.add_option("--min-input-voltage", form.minInputVoltage,
                 "Minimum input voltage at the secondary winding, V")->capture_default_str();
  app.add_option("--inductor-drop", form.inductorDrop, "Inductor voltage drop, V")->capture_default_str();
  app.add_option("--diode-drop", form.diodeDrop, "Diode voltage drop, V")->capture_default_str();
  app.add_option("--frequency", form.frequency, "Switching frequency as seen by the inductor, Hz")
      ->capture_default_str();
  app.add_flag("--khz", khz, "The frequency is in kHz");
  app.add_option("--overwind", form.overwind, "Overwind factor")->capture_default_str();
  app.add_option("--max-duty-ratio", form.maxDutyRatio, "Maximum duty ratio of the secondary voltage")
      ->capture_default_str();
  app.add_option("--ambient-temp", form.ambientTemp, "Ambient temperature, \u00B0C")->capture_default_str();
  app.add_option("--current-density", form.currentDensity, "Current density, A/cm\u00B2 (250 to 800)")
      ->capture_default_str();
  app.add_option("--fill-factor", form.fillFactor,
                 "Window fill factor, fraction filled by conductor only (up to .9)")->capture_default_str();
  app.add_option("--turns", turns, "Number of turns to use (without it turns are calculated)");
  app.add_option("--stack", form.stack, "Cores to stack (1 to 9)")->capture_default_str();
  auto* reg = app.add_flag("--regulation", regulation, "Regulation calculator");
  auto* shut = app.add_flag("--shutdown", shutdown, "Shutdown calculator (the default)");
  reg->excludes(shut);
  app.add_option("--pick", pick, "Pick this core (e.g. TC05) instead of calculating one");
  app.add_flag("--json", asJson, "Print the whole design as one JSON object");
  app.add_flag("--list-cores", listCores, "Print the core size list and stop");

  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp&) {
    out << app.help();
    return kExitDesign;
  } catch (const CLI::ParseError& e) {
    err << "zentrik: " << e.what() << " (see zentrik --help)\n";
    return kExitUsage;
  }

  DesignTables tables;
  tables.DataLoad();
  tables.ArrayData_MA_Load();

  if (listCores) {
    for (const std::string& entry : tables.CoreListEntries())
      if (!entry.empty()) out << entry << "\n";
    return kExitDesign;
  }

  // The mode flags as the input form's check boxes set them.
  if (regulation) {
    form.regulationChecked = true;
    inputs.shutdownSelected = kClear;
  }
  if (khz) form.frequencyUnit = "kHz";
  if (app.count("--turns") > 0) {
    form.turns = turns;
    inputs.calculateTurns = kClear;
  }
  if (app.count("--pick") > 0) {
    inputs.calculatorType = kPickCore;
    form.coreList = pick;
  } else {
    inputs.calculatorType = kCalculateCore;
  }

  DesignResult result;
  ShowResultsOutcome outcome = ShowResults(form, inputs, tables, result);
  int status = outcome.rejection ? kExitRejected
               : outcome.run.outcome == DesignOutcome::Design ? kExitDesign
                                                              : kExitStopped;

  if (asJson) {
    json doc;
    doc["outcome"] = OutcomeName(outcome);
    if (outcome.rejection) {
      doc["message"] = outcome.rejection->message;
      doc["control"] = ControlName(outcome.rejection->focus);
    }
    doc["advisories"] = AdvisoriesJson(outcome.run.advisories);
    doc["inputs"] = InputsJson(inputs);
    doc["result"] = outcome.rejection ? json(nullptr) : ResultJson(result);
    if (status == kExitDesign) doc["summary"] = SummaryJson(MakeSummaryTexts(inputs, result, form.turns));
    out << doc.dump(2, ' ', false, json::error_handler_t::replace) << "\n";
    return status;
  }

  if (outcome.rejection) {
    PrintBox(out, CautionTitle, outcome.rejection->message);
    out << "Input rejected: correct " << ControlName(outcome.rejection->focus) << " and try again.\n";
    return status;
  }
  for (const Advisory& advisory : outcome.run.advisories) PrintBox(out, advisory.title, advisory.text);
  if (status == kExitDesign)
    PrintSummary(out, MakeSummaryTexts(inputs, result, form.turns), MakeIntermediateTexts(inputs, result, tables));
  return status;
}

}  // namespace zentrik
