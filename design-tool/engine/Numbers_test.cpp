#include "Numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace zentrik {
namespace {

struct TextCase {
  double value;
  const char* text;
};

TEST(NumberText, FifteenSignificantDigitsWithoutTrailingZeros) {
  const TextCase cases[] = {
      {0, "0"},
      {-0.0, "0"},
      {3, "3"},
      {2.5, "2.5"},
      {0.3, "0.3"},
      {-2.5, "-2.5"},
      {0.3 * 100, "30"},                 // 30.000000000000004
      {0.1 + 0.2, "0.3"},                // 0.30000000000000004
      {2.0 / 3, "0.666666666666667"},
      {100000, "100000"},
      {12.0 * 1000, "12000"},
      {3.62 * 100, "362"},
      {0.0001, "0.0001"},                // smallest plain magnitude
      {0.000099, "9.9E-05"},
      {0.000015, "1.5E-05"},
      {1e-10, "1E-10"},
      {999999999999999, "999999999999999"},
      {1e15, "1E+15"},                   // first exponent magnitude
      {999999999999999.9, "1E+15"},    // rounds up into the exponent form
      {123456789012345678.0, "1.23456789012346E+17"},
      {1e100, "1E+100"},
      {-1.5e-5, "-1.5E-05"},
  };
  for (const TextCase& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(NumberText(c.value), c.text);
  }
}

TEST(NumberText, UsesTheGivenDecimalSeparator) {
  EXPECT_EQ(NumberText(2.5, ','), "2,5");
  EXPECT_EQ(NumberText(0.0001, ','), "0,0001");
  EXPECT_EQ(NumberText(1.5e-5, ','), "1,5E-05");
  EXPECT_EQ(NumberText(30, ','), "30");
}

TEST(NumberText, NonFiniteValuesHaveWords) {
  EXPECT_EQ(NumberText(std::numeric_limits<double>::infinity()), "Infinity");
  EXPECT_EQ(NumberText(-std::numeric_limits<double>::infinity()), "-Infinity");
  EXPECT_EQ(NumberText(std::nan("")), "NaN");
}

struct RoundCase {
  double value;
  int decimals;
  double rounded;
};

TEST(RoundHalfEven, TiesGoToTheEvenDigitOfTheBinaryValue) {
  const RoundCase cases[] = {
      {62.5, 0, 62},
      {63.5, 0, 64},
      {2.5, 0, 2},
      {3.5, 0, 4},
      {-2.5, 0, -2},
      {-3.5, 0, -4},
      {0.5, 0, 0},
      {1.5, 0, 2},
      {62.500000000000007, 0, 63},  // just above the tie
      {62.499999999999993, 0, 62},
      {0.125, 2, 0.12},             // exact binary tie
      {0.375, 2, 0.38},
      {89.46045784621921, 0, 89},
      {0.5093378607809848, 1, 0.5},
      {0.5873, 1, 0.6},
      {0.5501, 1, 0.6},
      {3.6174356102998275, 2, 3.62},
      {1234.5678, 3, 1234.568},
      {1e300, 2, 1e300},            // no fraction left to round
  };
  for (const RoundCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.value << " to " << c.decimals);
    EXPECT_EQ(RoundHalfEven(c.value, c.decimals), c.rounded);
  }
}

// Rounding the 15-digit text instead of the double goes wrong where the
// text shows a tie that the binary value is not.
TEST(RoundHalfEven, NeverRoundsADecimalTextOfTheValue) {
  EXPECT_EQ(RoundHalfEven(2.675, 2), 2.67);  // stored as 2.67499999999999982...
  EXPECT_EQ(RoundHalfEven(0.545, 2), 0.55);  // stored as 0.54500000000000003...
  EXPECT_EQ(RoundHalfEven(1.005, 2), 1.0);   // stored as 1.00499999999999989...
}

TEST(RoundHalfEven, PassesNonFiniteValuesThrough) {
  double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(RoundHalfEven(inf, 2), inf);
  EXPECT_TRUE(std::isnan(RoundHalfEven(std::nan(""), 0)));
}

struct LeadingCase {
  const char* text;
  double value;
};

TEST(LeadingNumber, ReadsTheLongestLeadingDecimalRun) {
  const LeadingCase cases[] = {
      {"12", 12},      {"  12.5abc", 12.5}, {".5", 0.5},  {".2", 0.2},  {"5.", 5},
      {"1.2.3", 1.2},  {"", 0},             {".", 0},     {"abc", 0},   {"-5", 0},
      {"1e5", 1},      {"0.0", 0},          {"007", 7},   {"  ", 0},    {"100000", 100000},
  };
  for (const LeadingCase& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(LeadingNumber(c.text), c.value);
  }
}

TEST(LeadingNumber, TooManyDigitsGiveInfinityOrZero) {
  EXPECT_EQ(LeadingNumber("1" + std::string(400, '0')), std::numeric_limits<double>::infinity());
  EXPECT_EQ(LeadingNumber("0." + std::string(400, '0') + "1"), 0);
}

TEST(IsDecimalNumberText, AcceptsDigitsWithAtMostOnePoint) {
  for (const char* good : {"12", ".5", "5.", "007", " 1.25 ", "0"}) {
    SCOPED_TRACE(good);
    EXPECT_TRUE(IsDecimalNumberText(good));
  }
  for (const char* bad : {"", " ", ".", "1.2.3", "12a", "1 2", "-1", "1e3", ".."}) {
    SCOPED_TRACE(bad);
    EXPECT_FALSE(IsDecimalNumberText(bad));
  }
}

TEST(Trim, RemovesBlanksAtBothEnds) {
  EXPECT_EQ(Trim("  TC05  "), "TC05");
  EXPECT_EQ(Trim("   "), "");
  EXPECT_EQ(Trim("a b"), "a b");
}

}  // namespace
}  // namespace zentrik
