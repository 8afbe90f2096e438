// The texts that the summary and intermediate outputs show for a design.
// The forms, the command-line designer and the report all print these, so
// a design reads the same everywhere.  Texts are Windows-1252 ("°" is 0xB0,
// "²" 0xB2), as the forms show them.
#pragma once

#include <string>
#include <vector>

#include "Design.h"
#include "Inputs.h"

namespace zentrik {

class DesignTables;

struct FieldRow {
  std::string caption;
  std::string value;
  std::string unit;  // "" where the row has none
};

// RefreshSummary's texts, rows from top to bottom.
struct SummaryTexts {
  std::string calculationType;          // "Regulation" or "Shutdown"
  std::vector<FieldRow> inputValues;    // group "Input Values", 12 rows
  std::vector<FieldRow> summaryOutput;  // group "Summary Output", 9 rows
  std::string stackField;               // beside the core size: "" or "* 3"
  bool temperatureRiseRed = false;      // the rise broke the limit
};

// `turnsBoxText` is what the input form's turns box holds, repeated as typed
// when the designer gave the turns.
SummaryTexts MakeSummaryTexts(const DesignInputs& inputs, const DesignResult& result,
                              const std::string& turnsBoxText, char separator = '.');

// One cell pair of the intermediate outputs grid.
struct GridCell {
  std::string caption;
  std::string value;
  bool red = false;  // value in red instead of navy
};

inline constexpr int kGridRows = 13;
inline constexpr int kGridColumns = 3;

struct IntermediateTexts {
  GridCell cells[kGridColumns][kGridRows];  // [column][row], row 0 is the header
  std::string warning;                      // "" or the three warning lines
};

// RefreshIntermediateOutputs' texts.  The conductor resistance is shown in
// ohms, as its label says.
IntermediateTexts MakeIntermediateTexts(const DesignInputs& inputs, const DesignResult& result,
                                        const DesignTables& tables, char separator = '.');

}  // namespace zentrik
