#include "Tables.h"

#include <cstring>

#include "Numbers.h"

namespace zentrik {

namespace {

// Walks a comma text: each field lies between two commas, and a new record
// starts every `fieldsPerRecord` fields.  `store(field, text)` gets the field
// number (1-based within its record) after `newRow()` has run for field 1.
template <typename NewRow, typename Store>
void ParseCommaText(const char* text, int fieldsPerRecord, NewRow newRow, Store store) {
  const char* previous = std::strchr(text, ',');
  int field = 0;
  while (previous != nullptr) {
    const char* next = std::strchr(previous + 1, ',');
    if (next == nullptr) break;
    field = field == fieldsPerRecord ? 1 : field + 1;
    if (field == 1) newRow();
    store(field, std::string(previous + 1, next));
    previous = next;
  }
}

}  // namespace

void DesignTables::DataLoad() {
  wires.assign(1, WireGauge{});
  ParseCommaText(
      WireTableText, 4, [this] { wires.emplace_back(); },
      [this](int field, const std::string& text) {
        WireGauge& row = wires.back();
        double value = LeadingNumber(text);
        switch (field) {
          case 1: row.gauge = value; break;
          case 2: row.resistance = value; break;
          case 3: row.diameter = value; break;
          case 4: row.area = value; break;
        }
      });
}

void DesignTables::ArrayData_MA_Load() {
  cores.assign(1, CoreRecord{});
  ParseCommaText(
      CoreTableText, 10, [this] { cores.emplace_back(); },
      [this](int field, const std::string& text) {
        CoreRecord& row = cores.back();
        if (field == 1) {
          row.name = text;
          row.available = true;
          return;
        }
        double value = LeadingNumber(text);
        switch (field) {
          case 2: row.outerDiameter = value; break;
          case 3: row.innerDiameter = value; break;
          case 4: row.height = value; break;
          case 5: row.pathLength = value; break;
          case 6: row.coreArea = value; break;
          case 7: row.windowArea = value; break;
          case 8:
            row.areaProduct = value;
            if (value > maxAreaProduct) maxAreaProduct = value;
            break;
          case 9: row.mass = value; break;
          case 10: row.surfaceArea = value; break;
        }
      });
}

std::string DesignTables::CoreListEntry(int row) const {
  const CoreRecord& core = cores.at(static_cast<size_t>(row));
  std::string name = Trim(core.name);
  std::string entry = name;
  if (name.size() < 20) entry.append(20 - name.size(), ' ');
  auto mm = [](double value) { return NumberText(RoundHalfEven(value, 0)); };
  entry += " OD= " + mm(core.outerDiameter) + "mm,  ID= " + mm(core.innerDiameter) +
           " mm, Height = " + mm(core.height) + "mm";
  return entry;
}

std::vector<std::string> DesignTables::CoreListEntries() const {
  std::vector<std::string> entries{""};
  for (size_t row = 1; row < cores.size(); ++row) entries.push_back(CoreListEntry(static_cast<int>(row)));
  return entries;
}

int DesignTables::FindCore(const std::string& name) const {
  for (size_t row = 1; row < cores.size(); ++row) {
    if (cores[row].name == name) return static_cast<int>(row);
  }
  return 0;
}

}  // namespace zentrik
