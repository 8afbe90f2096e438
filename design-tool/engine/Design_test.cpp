#include "Design.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "Contacts.h"
#include "Tables.h"

namespace zentrik {
namespace {

class DesignTest : public testing::Test {
 protected:
  void SetUp() override {
    tables.DataLoad();
    tables.ArrayData_MA_Load();
    inputs.calculatorType = kCalculateCore;
  }

  // Show Results on the form as it stands; the inputs must pass the checks.
  DesignRun Run() {
    ShowResultsOutcome outcome = ShowResults(form, inputs, tables, result);
    EXPECT_FALSE(outcome.rejection.has_value()) << outcome.rejection->message;
    return outcome.run;
  }

  void Regulation() {
    form.regulationChecked = true;
    inputs.shutdownSelected = kClear;
  }
  void Pick(const char* core) {
    inputs.calculatorType = kPickCore;
    form.coreList = core;
  }
  void GivenTurns(const char* turns) {
    inputs.calculateTurns = kClear;
    form.turns = turns;
  }

  DesignTables tables;
  InputFormState form;
  DesignInputs inputs;
  DesignResult result;
};

TEST_F(DesignTest, DefaultsGiveTc23With19Turns) {
  DesignRun run = Run();
  EXPECT_EQ(run.outcome, DesignOutcome::Design);
  EXPECT_TRUE(run.advisories.empty());
  EXPECT_DOUBLE_EQ(result.periodMicroseconds, 10);
  EXPECT_DOUBLE_EQ(result.voltSeconds, 240);
  EXPECT_EQ(result.wireGauge, 13);
  EXPECT_EQ(result.calcCopperArea, 0.02836);
  EXPECT_EQ(result.wireDiameter, 0.19);
  EXPECT_EQ(result.wireTooSmall, 0);
  EXPECT_NEAR(result.calcAreaProduct, 0.2063, 1e-4);
  EXPECT_EQ(result.coreIndex, 23);  // TC22 fits first; the lighter TC23 wins
  EXPECT_EQ(result.coreName, "TC23");
  EXPECT_EQ(result.actualAreaProduct, 0.334702059);
  EXPECT_EQ(result.turns, 19);
  EXPECT_NEAR(result.bac, 0.509, 1e-3);
  EXPECT_NEAR(result.coreLoss, 1.48, 5e-3);
  EXPECT_NEAR(result.copperLossOperating, 0.320, 5e-4);
  EXPECT_NEAR(result.temperatureRise, 54.5, 0.05);
  EXPECT_EQ(result.totalTemperature, "89");
  EXPECT_NEAR(result.resetField, 0.171, 5e-4);
  EXPECT_NEAR(result.controlCurrent, 50.1, 0.05);
  EXPECT_EQ(result.limitExceeded, 0);
  EXPECT_EQ(result.bacExceeded, 0);
  EXPECT_EQ(result.fillFactorExceeded, 0);
  EXPECT_EQ(result.temperatureExceeded, 0);
}

// 18 calculated turns run at about 92.7 °C; the loop adds the 19th.
TEST_F(DesignTest, TurnLoopAddsTurnsWhileTooHot) {
  GivenTurns("18");
  Run();
  EXPECT_EQ(result.turns, 19);
  EXPECT_EQ(result.totalTemperature, "89");
}

TEST_F(DesignTest, RegulationGivesTc14With10Turns) {
  Regulation();
  EXPECT_EQ(Run().outcome, DesignOutcome::Design);
  EXPECT_DOUBLE_EQ(result.requiredDutyRatio, 0.3225);
  EXPECT_NEAR(result.voltSeconds, 85.2, 1e-9);
  EXPECT_EQ(result.coreName, "TC14");
  EXPECT_EQ(result.turns, 10);
  EXPECT_EQ(result.totalTemperature, "78");
}

TEST_F(DesignTest, PickTc05OverfillsThenRunsHot) {
  Pick("TC05");
  DesignRun run = Run();
  EXPECT_EQ(run.outcome, DesignOutcome::Design);
  EXPECT_EQ(result.coreName, "TC05");
  EXPECT_EQ(result.turns, 37);  // the full window stops the loop at once
  EXPECT_NEAR(result.actualFillFactor, 3.6, 0.05);
  ASSERT_EQ(run.advisories.size(), 2u);

  const Advisory& fill = run.advisories[0];
  EXPECT_EQ(fill.text.substr(0, fill.text.find("\r\n")), "Actual window fill, 362% exceeds 30%.");
  EXPECT_EQ(fill.title, "Project1");
  EXPECT_EQ(fill.icon, MessageIcon::None);
  EXPECT_EQ(fill.text, FillAdvisory(result.actualFillFactor, 0.3));

  const Advisory& hot = run.advisories[1];
  EXPECT_EQ(hot.text, TemperatureAdvisory());
  EXPECT_EQ(hot.title, "Caution");
  EXPECT_EQ(hot.icon, MessageIcon::Information);

  EXPECT_EQ(result.limitExceeded, kSet);
  EXPECT_EQ(result.bacExceeded, kClear);
  EXPECT_EQ(result.fillFactorExceeded, kSet);
  EXPECT_EQ(result.temperatureExceeded, kSet);
}

TEST_F(DesignTest, PickCoreReportsAHighFluxSwing) {
  Pick("TC31");
  GivenTurns("1");
  form.fillFactor = ".001";  // the window is full at once, so the loop keeps one turn
  DesignRun run = Run();
  ASSERT_FALSE(run.advisories.empty());
  EXPECT_EQ(result.bacExceeded, kSet);
  EXPECT_EQ(run.advisories[0].text, FluxSwingAdvisory(result.bac));
  EXPECT_EQ(run.advisories[0].title, "Project1");
  EXPECT_EQ(run.advisories[0].icon, MessageIcon::None);
}

TEST_F(DesignTest, ReverseDutyRatioGivesTinyVoltSecondsAndOneTurn) {
  Regulation();
  form.maxDutyRatio = ".3";  // below the required 0.3225
  Pick("TC10");
  Run();
  EXPECT_EQ(result.voltSeconds, 1e-10);
  EXPECT_EQ(result.turns, 1);
}

TEST_F(DesignTest, GivenTurnsGrowWhenTheDesignRunsHot) {
  GivenTurns("12");
  Run();
  EXPECT_GT(result.turns, 12);
  EXPECT_EQ(result.coreName, "TC23");
}

TEST_F(DesignTest, TooMuchCurrentForAnyWire) {
  form.outputCurrent = "40";
  form.currentDensity = "250";  // 0.16 cm² of copper; AWG 8 holds 0.0881
  DesignRun run = Run();
  EXPECT_EQ(result.wireTooSmall, kSet);
  EXPECT_EQ(result.wireGauge, 8);
  EXPECT_EQ(run.outcome, DesignOutcome::NoCore);
  ASSERT_EQ(run.advisories.size(), 1u);
  EXPECT_EQ(run.advisories[0].text, NoCoreAdvisory());
  EXPECT_EQ(run.advisories[0].title, "Caution");
  EXPECT_EQ(run.advisories[0].icon, MessageIcon::Information);

  Pick("TC31");
  run = Run();
  EXPECT_EQ(run.outcome, DesignOutcome::Design);
  ASSERT_FALSE(run.advisories.empty());
  EXPECT_EQ(run.advisories.back().text, WireAdvisory());
  EXPECT_EQ(run.advisories.back().title, "Caution");
  EXPECT_EQ(result.limitExceeded, kSet);
}

TEST_F(DesignTest, AreaProductGuardStopsCalculateCoreOnly) {
  form.frequency = "12500";  // eight times the volt-seconds: about 1.65 cm⁴
  DesignRun run = Run();
  EXPECT_EQ(run.outcome, DesignOutcome::AreaProduct);
  EXPECT_GT(result.calcAreaProduct, 1.433480882);
  ASSERT_EQ(run.advisories.size(), 1u);
  EXPECT_EQ(run.advisories[0].text, AreaProductAdvisory());
  EXPECT_EQ(run.advisories[0].title, "Caution");

  form.stack = "2";  // two cores hold up to 2.87 cm⁴
  EXPECT_NE(Run().outcome, DesignOutcome::AreaProduct);

  form.stack = "1";
  Pick("TC05");
  EXPECT_EQ(Run().outcome, DesignOutcome::Design);
}

TEST_F(DesignTest, StackedCoresCountTwiceButTheEndFacesOnce) {
  Pick("TC23");
  Run();
  DesignResult one = result;
  form.stack = "2";
  Run();
  const CoreRecord& c = tables.cores[23];
  EXPECT_EQ(result.actualAreaProduct, 2 * c.areaProduct);
  EXPECT_EQ(result.stackedCoreArea, 2 * c.coreArea);
  EXPECT_EQ(result.meanTurnLength, 2 * one.meanTurnLength);
  double faces = 6.283185308 * ((c.outerDiameter / 20) * (c.outerDiameter / 20) -
                                (c.innerDiameter / 20) * (c.innerDiameter / 20));
  EXPECT_NEAR(result.coolingSurface - faces, 2 * (one.coolingSurface - faces), 1e-12);
  EXPECT_NEAR(result.coreLoss, result.coreLossDensity * 2 * c.mass / 1000, 1e-12);
}

// A core that breaks a limit is dropped and the search runs again from the
// first fitting row, taking the lightest core left; the earlier row wins a
// tie (TC24 and TC25 both weigh 8.00 g).
TEST_F(DesignTest, DroppedCoreIsReplacedByTheLightestRemaining) {
  tables.cores[23].windowArea = 0.5;  // TC23 now overfills
  Run();
  EXPECT_EQ(result.coreName, "TC24");
  EXPECT_EQ(result.fillFactorExceeded, 0);
  EXPECT_EQ(result.limitExceeded, 0);
}

TEST_F(DesignTest, NoCoreLeftAfterEveryCoreIsDropped) {
  form.ambientTemp = "90";  // any loss at all puts the total above 90 °C
  DesignRun run = Run();
  EXPECT_EQ(run.outcome, DesignOutcome::NoCore);
  EXPECT_EQ(result.coreIndex, 0);
  ASSERT_EQ(run.advisories.size(), 1u);
  EXPECT_EQ(run.advisories[0].text, NoCoreAdvisory());
}

// A zero area product lets the empty row 0 fit; its zero mass then keeps
// the first real row, even when a later row is lighter.
TEST_F(DesignTest, ZeroAreaProductKeepsTheFirstRealRow) {
  Regulation();
  form.outputVoltage = "12";
  form.inductorDrop = ".5";
  form.diodeDrop = ".5";
  form.minInputVoltage = "26";  // required duty ratio exactly 0.5
  form.maxDutyRatio = ".5";
  tables.cores[1].mass = 5;     // TC02 (0.54 g) is now lighter than TC01
  Run();
  EXPECT_EQ(result.voltSeconds, 0);
  EXPECT_EQ(result.calcAreaProduct, 0);
  EXPECT_EQ(result.coreName, "TC01");

  form.maxDutyRatio = ".50001";  // a tiny area product: the lightest wins
  Run();
  EXPECT_EQ(result.coreName, "TC02");
}

TEST_F(DesignTest, CalculatedTurnsAreClampedTo31000) {
  form.frequency = "1";
  Pick("TC30");
  Run();
  EXPECT_EQ(result.turns, 31000);
}

// The loop never counts past what a 16-bit turn count holds: at 32767 it
// stops as a full window would.
TEST_F(DesignTest, TurnLoopStopsAt32767) {
  Pick("TC30");
  form.outputCurrent = ".001";  // AWG 44: tens of thousands of turns fit
  form.fillFactor = ".9";
  form.ambientTemp = "91";      // always too hot, so turns keep growing
  Run();
  EXPECT_EQ(result.turns, 32767);
  EXPECT_LT(result.actualFillFactor, 0.9);
}

TEST_F(DesignTest, WireThinnerThanTheSkinDepthHasRacRdcOne) {
  form.outputCurrent = ".05";  // AWG 37, 0.014 cm, under 0.0209 cm skin depth
  Run();
  EXPECT_EQ(result.wireGauge, 37);
  EXPECT_LT(result.wireDiameter, result.skinDepth);
  EXPECT_EQ(result.racRdc, 1);
  EXPECT_EQ(result.acResistance, result.conductorResistance25C);
  EXPECT_GT(result.copperLoss25C, 0);
}

TEST_F(DesignTest, PassedCalculateCoreDesignLeavesEveryFlagClear) {
  result.bacExceeded = result.fillFactorExceeded = result.temperatureExceeded = kSet;
  result.limitExceeded = result.wireTooSmall = kSet;
  Run();
  EXPECT_EQ(result.limitExceeded, 0);
  EXPECT_EQ(result.bacExceeded, 0);
  EXPECT_EQ(result.fillFactorExceeded, 0);
  EXPECT_EQ(result.temperatureExceeded, 0);
  EXPECT_EQ(result.wireTooSmall, 0);
}

TEST(Advisories, TextsAreJoinedWithCrLfAndCarryTheContacts) {
  const std::string usa = SupportPhoneUSA, europe = SupportPhoneEurope, asia = SupportPhoneAsia;
  const std::string email = SupportEmail;
  EXPECT_EQ(AreaProductAdvisory(),
            "Calculated area product exceeds the maximum for available core sizes.  Try\r\n"
            "stacking two or more cores if acceptable, otherwise, for customer sizes, send\r\n"
            "an e-mail to " + email + " or call:\r\n"
            " USA " + usa + "    Europe " + europe + "      Asia " + asia);
  EXPECT_EQ(NoCoreAdvisory(),
            "We have no core currently meeting your design inputs.  This may be due\r\n"
            "to a high Bmax calculation or a tight fill factor requirement.\r\n"
            "\r\n"
            "Try stacking two or more cores if acceptable, otherwise, for custom sizes, \r\n"
            "send an e-mail to " + email + " or call:\r\n"
            " USA " + usa + "    Europe " + europe + "      Asia " + asia);
  EXPECT_EQ(FluxSwingAdvisory(0.5873),
            "Calculated Bac, 0.6 exceeds core design limits.\r\n"
            "\r\n"
            "Please select any of the following:\r\n"
            "\r\n"
            "    0) Modify design parameters. \r\n"
            "    1) Choose bigger core size. \r\n"
            "    2) Try stacking two or more cores if acceptable.\r\n"
            "    3) Contact us for custom sizes:  \r\n"
            "          e-mail:   " + email + "\r\n"
            "          or call:  USA " + usa + "    Europe " + europe + "      Asia " + asia);
  EXPECT_EQ(FillAdvisory(3.6174356102998275, 0.3),
            "Actual window fill, 362% exceeds 30%.\r\n"
            "Please be sure that fill factor is acceptable or select one of the following options:\r\n"
            "\r\n"
            "    1) Choose bigger core with a larger area product. \r\n"
            "    2) Try stacking two or more cores if acceptable.\r\n"
            "    3) Contact us for custom sizes:  \r\n"
            "          e-mail:   " + email + "\r\n"
            "          or call:  USA " + usa + "    Europe " + europe + "      Asia " + asia);
  const std::string tail =
      "Please use program choice 2 and select larger core sizes, stack\r\n"
      "two or more cores, or inquire about custom core sizes by e-mailing us\r\n"
      "at " + email + " or call:\r\n"
      " USA " + usa + "    Europe " + europe + "    Asia " + asia;
  EXPECT_EQ(TemperatureAdvisory(), "Total temperature for core size selected is > 90\xB0" "C.\r\n" + tail);
  EXPECT_EQ(WireAdvisory(), "The wire size used is not large enough for the selected core design.\r\n" + tail);
}

TEST(Advisories, SwingJustAboveTheLimitStillReadsPointSix) {
  EXPECT_EQ(FluxSwingAdvisory(0.5501).substr(0, 47), "Calculated Bac, 0.6 exceeds core design limits.");
  EXPECT_EQ(FluxSwingAdvisory(0.5501, ',').substr(0, 19), "Calculated Bac, 0,6");
}

}  // namespace
}  // namespace zentrik
