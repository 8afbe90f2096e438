// The built-in core and wire tables.  Both are held as comma texts, parsed
// into 1-based rows when the input form loads; row 0 exists and holds no
// data (zeros, empty name, not available).
#pragma once

#include <string>
#include <vector>

namespace zentrik {

struct CoreRecord {
  std::string name;
  double outerDiameter = 0;  // mm
  double innerDiameter = 0;  // mm
  double height = 0;         // mm
  double pathLength = 0;     // cm, mean magnetic path
  double coreArea = 0;       // cm², effective cross-section
  double windowArea = 0;     // cm²
  double areaProduct = 0;    // cm⁴
  double mass = 0;           // g
  double surfaceArea = 0;    // cm²; loaded, never used by the calculation
  bool available = false;    // run-time flag of the core search
};

struct WireGauge {
  double gauge = 0;       // AWG
  double resistance = 0;  // µΩ/cm at 25 °C
  double diameter = 0;    // cm, insulation included
  double area = 0;        // 10⁻³ cm², overall cross-section
};

// The comma texts: a leading comma, and a comma after every field.
extern const char CoreTableText[];
extern const char WireTableText[];

inline constexpr int kCoreCount = 31;
inline constexpr int kWireCount = 37;

class DesignTables {
 public:
  // Rebuilds the wire rows from WireTableText.
  void DataLoad();
  // Rebuilds the core rows from CoreTableText, marks every loaded row
  // available and raises (never lowers) maxAreaProduct.  The core size list
  // that the form refills afterwards is CoreListEntries().
  void ArrayData_MA_Load();

  // The core size list: an empty entry, then one CoreListEntry per row.
  std::vector<std::string> CoreListEntries() const;
  // "TC01" + 16 blanks + " OD= 8mm,  ID= 4 mm, Height = 5mm" for row 1.
  std::string CoreListEntry(int row) const;

  // Row of the first core named exactly `name`, or 0 when there is none.
  int FindCore(const std::string& name) const;

  std::vector<CoreRecord> cores;  // index 0 .. kCoreCount
  std::vector<WireGauge> wires;   // index 0 .. kWireCount
  double maxAreaProduct = 0;      // cm⁴
};

}  // namespace zentrik
