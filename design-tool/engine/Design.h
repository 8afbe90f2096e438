// The core design calculation (RunDesign) and the checks of a finished
// design against the flux, fill and temperature limits (CheckDesign), with
// the advisories they raise.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "Inputs.h"

namespace zentrik {

class DesignTables;

// One computed design, overwritten by each run; a run that stops early
// leaves the fields it did not reach as they were.
struct DesignResult {
  double periodMicroseconds = 0;     // µs
  double requiredDutyRatio = 0;      // ratio needed at minimum input voltage
  double voltSeconds = 0;            // V·µs the core blocks, overwind included
  double calcCopperArea = 0;         // cm²: needed, then the chosen wire's overall area
  int16_t wireTooSmall = 0;          // flag: even AWG 8 is too small
  double wireGauge = 0;              // AWG
  double wireDiameter = 0;           // cm
  double wireResistancePerCm = 0;    // Ω/cm
  double calcAreaProduct = 0;        // cm⁴ required
  int16_t coreIndex = 0;             // row of the chosen core, 1 to 31
  std::string coreName;
  double actualAreaProduct = 0;      // cm⁴ of the stacked cores
  double stackedCoreArea = 0;        // cm²
  int16_t turns = 0;
  double bac = 0;                    // T, flux density swing
  double coreLossDensity = 0;        // W/kg
  double coreLoss = 0;               // W, all stacked cores
  double actualFillFactor = 0;       // fraction of the window
  double meanTurnLength = 0;         // cm
  double conductorLength = 0;        // cm
  double skinDepth = 0;              // cm
  double rmsCurrent = 0;             // A
  double conductorResistance25C = 0; // Ω
  double racRdc = 0;                 // ratio
  double acResistance = 0;           // Ω
  double copperLoss25C = 0;          // W
  double copperLossOperating = 0;    // W
  double totalLoss = 0;              // W
  double coolingSurface = 0;         // cm²
  double temperatureRise = 0;        // °C over ambient
  std::string totalTemperature;      // °C, whole number as text
  double resetField = 0;             // Oe
  double controlCurrent = 0;         // mA
  int16_t limitExceeded = 0;         // a Pick Core advisory was shown
  int16_t bacExceeded = 0;
  int16_t fillFactorExceeded = 0;
  int16_t temperatureExceeded = 0;
};

enum class MessageIcon { None, Information };

// A message box to show: its text (lines joined by CR LF, Windows-1252),
// title and icon; every box has an OK button only.
struct Advisory {
  std::string text;
  std::string title;
  MessageIcon icon = MessageIcon::None;
};

enum class DesignOutcome {
  Design,       // a finished design; the output forms open
  AreaProduct,  // stopped: the required area product is beyond the table
  NoCore,       // stopped: no core (or no wire) meets the design
};

struct DesignRun {
  DesignOutcome outcome = DesignOutcome::Design;
  // Boxes in the order they are shown, each waiting for OK.  A stopped run
  // has exactly one; a Pick Core design one per broken limit.
  std::vector<Advisory> advisories;
};

// Computes the design for validated `inputs` (RunDesign).  `turnsText` is
// the text of the turns box, read only when the designer gives the turns.
// Uses and changes the cores' `available` flags.  After a stopping outcome
// the form empties and disables its core size list.
// `separator` is the decimal separator of the numbers in the texts.
DesignRun RunDesign(const DesignInputs& inputs, const std::string& turnsText,
                    DesignTables& tables, DesignResult& result, char separator = '.');

// The advisory texts, with the configured contacts.
std::string AreaProductAdvisory();
std::string NoCoreAdvisory();
std::string FluxSwingAdvisory(double bac, char separator = '.');
std::string FillAdvisory(double actualFillFactor, double windowFillFactor, char separator = '.');
std::string TemperatureAdvisory();
std::string WireAdvisory();

// What "&Show Results" does: initValues, ValidateInputs, then RunDesign.
struct ShowResultsOutcome {
  std::optional<InputRejection> rejection;  // set: nothing was calculated
  DesignRun run;                            // meaningful when not rejected
};
ShowResultsOutcome ShowResults(InputFormState& form, DesignInputs& inputs, DesignTables& tables,
                               DesignResult& result, char separator = '.');

}  // namespace zentrik
