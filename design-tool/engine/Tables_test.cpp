#include "Tables.h"

#include <gtest/gtest.h>

namespace zentrik {
namespace {

class TablesTest : public testing::Test {
 protected:
  void SetUp() override {
    tables.DataLoad();
    tables.ArrayData_MA_Load();
  }
  DesignTables tables;
};

TEST_F(TablesTest, CoreRowsAreOneBasedWithAnEmptyRowZero) {
  ASSERT_EQ(tables.cores.size(), 32u);
  const CoreRecord& empty = tables.cores[0];
  EXPECT_EQ(empty.name, "");
  EXPECT_EQ(empty.outerDiameter, 0);
  EXPECT_EQ(empty.areaProduct, 0);
  EXPECT_EQ(empty.mass, 0);
  EXPECT_FALSE(empty.available);

  const CoreRecord& first = tables.cores[1];
  EXPECT_EQ(first.name, "TC01");
  EXPECT_EQ(first.outerDiameter, 8.14);
  EXPECT_EQ(first.innerDiameter, 4.47);
  EXPECT_EQ(first.height, 4.70);
  EXPECT_EQ(first.pathLength, 1.88);
  EXPECT_EQ(first.coreArea, 0.025);
  EXPECT_EQ(first.windowArea, 0.16);
  EXPECT_EQ(first.areaProduct, 0.003941127);
  EXPECT_EQ(first.mass, 0.36);
  EXPECT_EQ(first.surfaceArea, 2.59);
  EXPECT_TRUE(first.available);

  const CoreRecord& last = tables.cores[31];
  EXPECT_EQ(last.name, "TC31");
  EXPECT_EQ(last.areaProduct, 1.433480882);
  EXPECT_EQ(last.surfaceArea, 29.91);
}

// The core search stops caring about area product after the first fit: it
// relies on every later row holding at least as much.
TEST_F(TablesTest, CoresRiseInAreaProduct) {
  for (int row = 2; row <= kCoreCount; ++row) {
    SCOPED_TRACE(row);
    EXPECT_GT(tables.cores[row].areaProduct, tables.cores[row - 1].areaProduct);
    EXPECT_TRUE(tables.cores[row].available);
  }
}

TEST_F(TablesTest, WireRowsRunFromAwg8ToAwg44) {
  ASSERT_EQ(tables.wires.size(), 38u);
  EXPECT_EQ(tables.wires[0].gauge, 0);
  EXPECT_EQ(tables.wires[1].gauge, 8);
  EXPECT_EQ(tables.wires[1].area, 88.1);
  EXPECT_EQ(tables.wires[6].gauge, 13);
  EXPECT_EQ(tables.wires[6].resistance, 65.64);
  EXPECT_EQ(tables.wires[6].diameter, 0.19);
  EXPECT_EQ(tables.wires[37].gauge, 44);
  EXPECT_EQ(tables.wires[37].area, 0.031685);
  for (int row = 2; row <= kWireCount; ++row) EXPECT_LT(tables.wires[row].area, tables.wires[row - 1].area);
}

TEST_F(TablesTest, MaxAreaProductIsRaisedNeverLowered) {
  EXPECT_EQ(tables.maxAreaProduct, 1.433480882);
  tables.maxAreaProduct = 5;  // as if a bigger core had been loaded before
  tables.ArrayData_MA_Load();
  EXPECT_EQ(tables.maxAreaProduct, 5);
}

TEST_F(TablesTest, ReloadRestoresTheTableWithoutDuplicates) {
  tables.cores[5].available = false;
  tables.cores[5].windowArea = 99;
  tables.ArrayData_MA_Load();
  tables.ArrayData_MA_Load();
  tables.DataLoad();
  EXPECT_EQ(tables.cores.size(), 32u);
  EXPECT_EQ(tables.wires.size(), 38u);
  EXPECT_TRUE(tables.cores[5].available);
  EXPECT_EQ(tables.cores[5].windowArea, 0.29);
  EXPECT_EQ(tables.CoreListEntries().size(), 32u);
}

TEST_F(TablesTest, CoreListHasAnEmptyEntryThenOneEntryPerCore) {
  std::vector<std::string> entries = tables.CoreListEntries();
  ASSERT_EQ(entries.size(), 32u);
  EXPECT_EQ(entries[0], "");
  EXPECT_EQ(entries[1], "TC01" + std::string(16, ' ') + " OD= 8mm,  ID= 4 mm, Height = 5mm");
  EXPECT_EQ(entries[10], "TC10" + std::string(16, ' ') + " OD= 17mm,  ID= 12 mm, Height = 5mm");
  EXPECT_EQ(entries[31], "TC31" + std::string(16, ' ') + " OD= 34mm,  ID= 22 mm, Height = 11mm");
}

TEST_F(TablesTest, FindCoreMatchesWholeNamesOnly) {
  EXPECT_EQ(tables.FindCore("TC05"), 5);
  EXPECT_EQ(tables.FindCore("TC31"), 31);
  EXPECT_EQ(tables.FindCore("tc05"), 0);
  EXPECT_EQ(tables.FindCore("TC5"), 0);
  EXPECT_EQ(tables.FindCore(""), 0);
}

}  // namespace
}  // namespace zentrik
