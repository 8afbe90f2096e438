// Zentrik.exe driven as a designer works it: through its windows, by
// captions and control texts, under Wine.  Every test starts the program
// afresh; the fixture ends it whatever happens.  The tests read colours off
// the screen, where the forms of two programs would cover each other, so
// they run one at a time.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "ControlIds.h"
#include "Design.h"
#include "FormTexts.h"
#include "GuiDriver.h"
#include "OutputTexts.h"
#include "Tables.h"

namespace zentrik::forms {
namespace {

using namespace guidriver;

constexpr char kEnterCaption[] = "Zentrik Core Selection Calculator";
constexpr char kInputCaption[] = "Zentrik Core Design Tool Inputs";
constexpr char kSummaryCaption[] = "Zentrik Core Design Summary Outputs";
constexpr char kCalculationsCaption[] = "Zentrik Core Intermediate Outputs";
constexpr char kDirectionsCaption[] = "Calculator Explaination";
constexpr COLORREF kRedText = RGB(255, 0, 0);

std::string ZentrikPath() { return WindowsPath(ZENTRIK_EXE); }

// The design the engine makes of the input form's defaults, and what the
// summary shows of it.
struct DefaultDesign {
  DefaultDesign() {
    tables.DataLoad();
    tables.ArrayData_MA_Load();
    inputs.calculatorType = kCalculateCore;
    ShowResults(form, inputs, tables, result);
  }
  DesignTables tables;
  InputFormState form;
  DesignInputs inputs;
  DesignResult result;
};

class ZentrikGui : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!HaveDisplay()) GTEST_SKIP() << "no X display for Wine (DISPLAY is not set); run under xvfb-run";
    ASSERT_TRUE(program_.Start(ZentrikPath())) << ZentrikPath() << ": error " << GetLastError();
    enter_ = WaitForWindow(program_, kEnterCaption);
    ASSERT_NE(enter_, nullptr) << "the opening form did not show";
  }

  // "I Accept" on the opening form: the input form, fresh.
  HWND Accept() {
    Click(ControlByText(enter_, "I &Accept"));
    HWND inputs = WaitForWindow(program_, kInputCaption);
    EXPECT_NE(inputs, nullptr) << "the input form did not show";
    EXPECT_TRUE(WaitForWindowGone(enter_));
    return inputs;
  }

  // Replaces a box's text by typing, as a designer does after the box
  // selected its text on taking the focus.
  static void Type(HWND form, int id, const std::string& text) {
    HWND box = Control(form, id);
    SelectAll(box);
    TypeChars(box, "\b" + text);
  }

  // The next message box must have this title, icon and text; answers OK.
  void ExpectBox(const std::string& title, bool icon, const std::string& text) {
    std::optional<MessageBoxInfo> box = WaitForMessageBox(program_);
    ASSERT_TRUE(box.has_value()) << "no message box for: " << text;
    EXPECT_EQ(box->title, title);
    EXPECT_EQ(box->hasIcon, icon);
    EXPECT_EQ(box->text, text);
    EXPECT_TRUE(AnswerOk(*box));
  }

  // "Show Results" with inputs that make a design: the summary form.
  HWND ShowResultsExpectingSummary(HWND inputs) {
    Click(Control(inputs, ids::cmdProcess));
    HWND summary = WaitForWindow(program_, kSummaryCaption);
    EXPECT_NE(summary, nullptr) << "the summary did not show";
    return summary;
  }

  Program program_;
  HWND enter_ = nullptr;
};

TEST_F(ZentrikGui, DefaultDesignShowsTheSameTextsAsTheEngine) {
  HWND inputs = Accept();
  HWND summary = ShowResultsExpectingSummary(inputs);
  ASSERT_NE(summary, nullptr);
  EXPECT_TRUE(WaitForWindowGone(inputs)) << "the input form stays hidden while results show";
  EXPECT_TRUE(NoMessageBox(program_, 300));

  DefaultDesign expected;
  SummaryTexts texts = MakeSummaryTexts(expected.inputs, expected.result, "0");
  for (size_t row = 0; row < texts.summaryOutput.size(); ++row) {
    SCOPED_TRACE(texts.summaryOutput[row].caption);
    EXPECT_EQ(Text(Control(summary, ids::summaryValueFirst + static_cast<int>(row))), texts.summaryOutput[row].value);
  }
  for (size_t row = 0; row < texts.inputValues.size(); ++row) {
    SCOPED_TRACE(texts.inputValues[row].caption);
    EXPECT_EQ(Text(Control(summary, ids::inputValueFirst + static_cast<int>(row))), texts.inputValues[row].value);
    EXPECT_EQ(Text(Control(summary, ids::inputUnitFirst + static_cast<int>(row))), texts.inputValues[row].unit);
  }
  EXPECT_EQ(Text(Control(summary, ids::summaryValueFirst + 0)), "TC23");
  EXPECT_EQ(Text(Control(summary, ids::summaryValueFirst + 1)), "19");
  EXPECT_EQ(Text(Control(summary, ids::summaryValueFirst + 6)), "54");
  EXPECT_EQ(Text(Control(summary, ids::txtStackField)), "");
  EXPECT_EQ(Text(Control(summary, ids::txtCalcType)), "Shutdown");
  EXPECT_EQ(Text(Control(summary, ids::inputUnitFirst + 8)), "amps/cm\xB2");

  // No limit broke, so the calculations open only on request.
  EXPECT_EQ(WaitForWindow(program_, kCalculationsCaption, 0), nullptr);
  Click(ControlByText(summary, "&Calculations"));
  HWND calculations = WaitForWindow(program_, kCalculationsCaption);
  ASSERT_NE(calculations, nullptr);
  EXPECT_EQ(Text(Control(calculations, ids::GridValue(2, 7))), "89 \xB0" "C");
  EXPECT_EQ(Text(Control(calculations, ids::GridValue(0, 7))), "19");
  EXPECT_EQ(Text(Control(calculations, ids::lblWarning)), "");
  EXPECT_EQ(Text(Control(calculations, ids::GridCaption(1, 4))), "Conductor Resistance 25\xB0" "C");
  EXPECT_EQ(Text(Control(calculations, ids::GridValue(1, 4))), "0.0031 ohms");
}

TEST_F(ZentrikGui, PickCoreTc05ShowsBothAdvisoriesAndBothOutputForms) {
  HWND inputs = Accept();
  HWND list = Control(inputs, ids::txtCoreSize);
  EXPECT_FALSE(IsEnabled(list)) << "the list is greyed under Calculate Core";
  ASSERT_TRUE(SetChecked(Control(inputs, ids::chkPick), true));
  EXPECT_FALSE(IsChecked(Control(inputs, ids::chkCore)));
  EXPECT_TRUE(IsEnabled(list));
  ASSERT_EQ(ItemCount(list), 32);
  EXPECT_EQ(ItemText(list, 0), "");
  ASSERT_TRUE(SelectItem(list, 5));
  EXPECT_EQ(Text(list).substr(0, 5), "TC05 ");

  Click(Control(inputs, ids::cmdProcess));
  std::optional<MessageBoxInfo> fill = WaitForMessageBox(program_);
  ASSERT_TRUE(fill.has_value());
  EXPECT_EQ(fill->title, "Project1");
  EXPECT_FALSE(fill->hasIcon);
  EXPECT_EQ(fill->text.substr(0, fill->text.find("\r\n")), "Actual window fill, 362% exceeds 30%.");
  EXPECT_TRUE(AnswerOk(*fill));
  ExpectBox("Caution", true, TemperatureAdvisory());

  HWND summary = WaitForWindow(program_, kSummaryCaption);
  HWND calculations = WaitForWindow(program_, kCalculationsCaption);
  ASSERT_NE(summary, nullptr);
  ASSERT_NE(calculations, nullptr);
  EXPECT_EQ(Text(Control(summary, ids::summaryValueFirst + 0)), "TC05");
  EXPECT_EQ(Text(Control(summary, ids::inputValueFirst + 11)), "TC05");

  // The broken limits are red, the one kept is not; the warning shows.
  HWND fillValue = Control(calculations, ids::GridValue(0, 8));
  HWND temperature = Control(calculations, ids::GridValue(2, 7));
  HWND swing = Control(calculations, ids::GridValue(2, 2));
  EXPECT_TRUE(WaitUntil([&] { return CountPixels(fillValue, kRedText) > 5; })) << "fill not red";
  EXPECT_TRUE(WaitUntil([&] { return CountPixels(temperature, kRedText) > 5; })) << "temperature not red";
  EXPECT_EQ(CountPixels(swing, kRedText), 0);
  EXPECT_EQ(Text(Control(calculations, ids::lblWarning)),
            "This design exceeds core operating parameters. \r\n"
            "Please modify design inputs Or let the program\r\n"
            "select a suitable core for you.");

  // Closing the calculations puts the list back on its first entry.
  Click(ControlByText(calculations, "&Close"));
  EXPECT_TRUE(WaitForWindowGone(calculations));
  HWND rise = Control(summary, ids::summaryValueFirst + 6);
  EXPECT_TRUE(WaitUntil([&] { return CountPixels(rise, kRedText) > 5; })) << "temperature rise not red";
  Click(ControlByText(summary, "R&eset Design Inputs"));
  EXPECT_TRUE(WaitForWindowGone(summary));
  ASSERT_NE(WaitForWindow(program_, kInputCaption), nullptr);
  EXPECT_EQ(SelectedIndex(list), 0);
  EXPECT_TRUE(IsEnabled(list)) << "Pick Core keeps its list";
}

struct RejectionCase {
  const char* name;
  int box;             // typed into, or 0
  const char* text;
  int checkOff;        // a check box to clear first, or 0
  int checkOn;         // a check box to set first, or 0
  const char* message;
  int focus;
};

const RejectionCase kRejections[] = {
    {"empty voltage", ids::txtOutPutVoltage, "", 0, 0, "Enter Output Voltage Value > 0.", ids::txtOutPutVoltage},
    {"zero current", ids::txtOutPutCurrent, "0", 0, 0, "Enter Output Current Value > 0.", ids::txtOutPutCurrent},
    {"lone point", ids::txtFrequency, ".", 0, 0, "Enter the Frequency Value > 0.", ids::txtFrequency},
    {"turns not given", ids::txtTurns, "0", ids::chkTurns, 0, "Enter a number of turns or check <Calculate Turns>.",
     ids::txtTurns},
    {"density below range", ids::txtCurrentDensityFactor, "249.9", 0, 0,
     "Enter a Current Density Factor between 250 and 800.", ids::txtCurrentDensityFactor},
    {"fill above range", ids::txtFill_Factor, ".95", 0, 0, "Enter a Window Fill Factor between 0 and .9",
     ids::txtFill_Factor},
    {"no core picked", 0, "", 0, ids::chkPick, "Please select Core size from list of values. ", ids::txtCoreSize},
    {"stack too high", ids::txtStack, "10", 0, 0, "Please select to stack between 1 and 9 cores.", ids::txtStack},
};

// One of each kind of check: the box's message with the information icon,
// then the focus on the box to correct; nothing is calculated.
TEST_F(ZentrikGui, RejectedInputsShowTheirMessageAndFocusTheirBox) {
  for (const RejectionCase& c : kRejections) {
    SCOPED_TRACE(c.name);
    if (!enter_) {
      ASSERT_TRUE(program_.Start(ZentrikPath()));
      enter_ = WaitForWindow(program_, kEnterCaption);
      ASSERT_NE(enter_, nullptr);
    }
    HWND inputs = Accept();
    if (c.checkOff) {
      ASSERT_TRUE(SetChecked(Control(inputs, c.checkOff), false));
    }
    if (c.checkOn) {
      ASSERT_TRUE(SetChecked(Control(inputs, c.checkOn), true));
    }
    if (c.box) Type(inputs, c.box, c.text);
    Click(Control(inputs, ids::cmdProcess));
    ExpectBox("Caution", true, c.message);
    EXPECT_TRUE(WaitUntil([&] { return FocusedControl(program_) == Control(inputs, c.focus); }))
        << "focus is on control " << GetDlgCtrlID(FocusedControl(program_));
    EXPECT_TRUE(IsShown(inputs));
    EXPECT_EQ(WaitForWindow(program_, kSummaryCaption, 0), nullptr);
    program_.Terminate();
    enter_ = nullptr;
  }
}

TEST_F(ZentrikGui, KeyFilterAndSelectOnFocus) {
  HWND inputs = Accept();
  HWND voltage = Control(inputs, ids::txtOutPutVoltage);
  SelectAll(voltage);
  TypeChars(voltage, "a-1,2e.5x");
  EXPECT_EQ(Text(voltage), "12.5");
  TypeChars(voltage, "\b\b");
  EXPECT_EQ(Text(voltage), "12");

  // A click into a box selects its whole text, so typing replaces it.
  HWND current = Control(inputs, ids::txtOutPutCurrent);
  PostMessageA(current, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
  PostMessageA(current, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
  EXPECT_TRUE(WaitUntil([&] {
    DWORD_PTR selection = 0;
    SendMessageTimeoutA(current, EM_GETSEL, 0, 0, SMTO_NORMAL, 1000, &selection);
    return FocusedControl(program_) == current && LOWORD(selection) == 0 && HIWORD(selection) == 2;
  })) << "the text of the box is not selected";
  TypeChars(current, "7");
  EXPECT_EQ(Text(current), "7");
}

TEST_F(ZentrikGui, AcceptCancelAcceptRestoresTheDefaults) {
  HWND inputs = Accept();
  Type(inputs, ids::txtOutPutVoltage, "15");
  ASSERT_TRUE(SetChecked(Control(inputs, ids::chkRegulator), true));
  EXPECT_FALSE(IsChecked(Control(inputs, ids::chkShutDown)));
  ASSERT_TRUE(SetChecked(Control(inputs, ids::chkPick), true));

  Click(ControlByText(inputs, "&Cancel"));
  enter_ = WaitForWindow(program_, kEnterCaption);
  ASSERT_NE(enter_, nullptr);
  EXPECT_TRUE(WaitForWindowGone(inputs));

  inputs = Accept();
  EXPECT_EQ(Text(Control(inputs, ids::txtOutPutVoltage)), "12");
  EXPECT_TRUE(IsChecked(Control(inputs, ids::chkShutDown)));
  EXPECT_FALSE(IsChecked(Control(inputs, ids::chkRegulator)));
  EXPECT_TRUE(IsChecked(Control(inputs, ids::chkCore)));
  EXPECT_FALSE(IsChecked(Control(inputs, ids::chkPick)));
  // The fresh form designs in Shutdown and Calculate Core, as it shows.
  HWND summary = ShowResultsExpectingSummary(inputs);
  ASSERT_NE(summary, nullptr);
  EXPECT_EQ(Text(Control(summary, ids::txtCalcType)), "Shutdown");
  EXPECT_EQ(Text(Control(summary, ids::summaryValueFirst + 0)), "TC23");
}

TEST_F(ZentrikGui, HelpExitHelpShowsTheSameDirections) {
  HWND inputs = Accept();
  Click(ControlByText(inputs, "Help"));
  HWND directions = WaitForWindow(program_, kDirectionsCaption);
  ASSERT_NE(directions, nullptr);
  EXPECT_EQ(Text(Control(directions, ids::txtDirections)), DirectionsText());
  EXPECT_EQ(Text(Control(directions, ids::txtContact)), ContactText());
  EXPECT_EQ(Text(Control(directions, ids::directionsTitle)), "Welcome  to Our Core Calculator");

  Click(ControlByText(directions, "E&xit"));
  EXPECT_TRUE(WaitForWindowGone(directions));
  EXPECT_TRUE(IsShown(inputs));

  Click(ControlByText(inputs, "Help"));
  directions = WaitForWindow(program_, kDirectionsCaption);
  ASSERT_NE(directions, nullptr);
  EXPECT_EQ(Text(Control(directions, ids::txtDirections)), DirectionsText());
  EXPECT_EQ(Text(Control(directions, ids::txtContact)), ContactText());
}

TEST_F(ZentrikGui, RegulationAndStackedCoresReachTheSummary) {
  HWND inputs = Accept();
  ASSERT_TRUE(SetChecked(Control(inputs, ids::chkRegulator), true));
  HWND summary = ShowResultsExpectingSummary(inputs);
  ASSERT_NE(summary, nullptr);
  EXPECT_EQ(Text(Control(summary, ids::txtCalcType)), "Regulation");
  EXPECT_EQ(Text(Control(summary, ids::summaryValueFirst + 0)), "TC14");
  EXPECT_EQ(Text(Control(summary, ids::summaryValueFirst + 1)), "10");

  // Closing the summary with its close box returns to the inputs as they were.
  PostMessageA(summary, WM_CLOSE, 0, 0);
  EXPECT_TRUE(WaitForWindowGone(summary));
  ASSERT_NE(WaitForWindow(program_, kInputCaption), nullptr);
  EXPECT_TRUE(IsChecked(Control(inputs, ids::chkRegulator)));

  Type(inputs, ids::txtStack, "3");
  summary = ShowResultsExpectingSummary(inputs);
  ASSERT_NE(summary, nullptr);
  EXPECT_EQ(Text(Control(summary, ids::txtStackField)), "* 3");
}

// Pressing the mouse on the note turns the web link yellow, releasing it
// red; the report and the web site answer with a message until they come.
TEST_F(ZentrikGui, SummaryNoteColoursTheWebLink) {
  HWND summary = ShowResultsExpectingSummary(Accept());
  ASSERT_NE(summary, nullptr);
  HWND link = Control(summary, ids::cmdWebLink);
  HWND note = Control(summary, ids::noteSummary);
  EXPECT_EQ(Text(link), "http://www.orlenta.example");
  EXPECT_TRUE(WaitUntil([&] { return CountPixels(link, RGB(0, 0, 255)) > 5; })) << "link not blue";

  PostMessageA(note, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_TRUE(WaitUntil([&] { return CountPixels(link, RGB(255, 255, 0), 20) > 5; })) << "link not yellow";
  PostMessageA(note, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_TRUE(WaitUntil([&] { return CountPixels(link, kRedText, 20) > 5; })) << "link not red";

  Click(ControlByText(summary, "&View Report"));
  std::optional<MessageBoxInfo> box = WaitForMessageBox(program_);
  ASSERT_TRUE(box.has_value());
  EXPECT_EQ(box->title, "Project1");
  EXPECT_FALSE(box->hasIcon);
  EXPECT_TRUE(AnswerOk(*box));
  EXPECT_TRUE(IsShown(summary));
}

// The calculations form, left open, follows the next design instead of
// showing the figures of the one it was opened for.
TEST_F(ZentrikGui, OpenCalculationsFollowTheNextDesign) {
  HWND inputs = Accept();
  ASSERT_TRUE(SetChecked(Control(inputs, ids::chkPick), true));
  ASSERT_TRUE(SelectItem(Control(inputs, ids::txtCoreSize), 5));
  Click(Control(inputs, ids::cmdProcess));
  for (int box = 0; box < 2; ++box) {
    std::optional<MessageBoxInfo> advisory = WaitForMessageBox(program_);
    ASSERT_TRUE(advisory.has_value());
    ASSERT_TRUE(AnswerOk(*advisory));
  }
  HWND calculations = WaitForWindow(program_, kCalculationsCaption);
  HWND summary = WaitForWindow(program_, kSummaryCaption);
  ASSERT_NE(calculations, nullptr);
  ASSERT_NE(summary, nullptr);
  EXPECT_EQ(Text(Control(calculations, ids::GridValue(0, 7))), "37");

  PostMessageA(summary, WM_CLOSE, 0, 0);
  ASSERT_TRUE(WaitForWindowGone(summary));
  ASSERT_NE(WaitForWindow(program_, kInputCaption), nullptr);
  ASSERT_TRUE(SelectItem(Control(inputs, ids::txtCoreSize), 23));
  summary = ShowResultsExpectingSummary(inputs);
  ASSERT_NE(summary, nullptr);
  EXPECT_EQ(Text(Control(summary, ids::summaryValueFirst + 0)), "TC23");
  EXPECT_TRUE(IsShown(calculations));
  EXPECT_EQ(Text(Control(calculations, ids::GridValue(0, 7))), "19");
  EXPECT_EQ(Text(Control(calculations, ids::lblWarning)), "");
}

TEST_F(ZentrikGui, AreaProductAdvisoryStopsOnTheInputForm) {
  HWND inputs = Accept();
  Type(inputs, ids::txtFrequency, "12500");
  Click(Control(inputs, ids::cmdProcess));
  ExpectBox("Caution", true, AreaProductAdvisory());
  HWND list = Control(inputs, ids::txtCoreSize);
  EXPECT_TRUE(WaitUntil([&] { return ItemCount(list) == 0; }));
  EXPECT_FALSE(IsEnabled(list));
  EXPECT_TRUE(IsShown(inputs));
  EXPECT_EQ(WaitForWindow(program_, kSummaryCaption, 0), nullptr);
}

TEST_F(ZentrikGui, ResetAfterCalculateCoreEmptiesTheList) {
  HWND inputs = Accept();
  HWND summary = ShowResultsExpectingSummary(inputs);
  ASSERT_NE(summary, nullptr);
  Click(ControlByText(summary, "R&eset Design Inputs"));
  EXPECT_TRUE(WaitForWindowGone(summary));
  ASSERT_NE(WaitForWindow(program_, kInputCaption), nullptr);
  HWND list = Control(inputs, ids::txtCoreSize);
  EXPECT_EQ(ItemCount(list), 0);
  EXPECT_FALSE(IsEnabled(list));
  EXPECT_EQ(Text(Control(inputs, ids::txtOutPutVoltage)), "12");
}

TEST_F(ZentrikGui, ClearResultsEmptiesEveryBoxButTheTurns) {
  HWND inputs = Accept();
  Type(inputs, ids::txtTurns, "25");
  ASSERT_TRUE(ClickAndWait(ControlByText(inputs, "Clear &Results")));
  for (int id : {ids::txtOutPutVoltage, ids::txtOutPutCurrent, ids::txtMinInputVoltage, ids::txtInductorDrop,
                 ids::txtDiodeDrop, ids::txtFrequency, ids::txtOverwind, ids::txtMaxDutyRatio, ids::txtAmbientTemp,
                 ids::txtCurrentDensityFactor, ids::txtFill_Factor, ids::txtStack}) {
    EXPECT_EQ(Text(Control(inputs, id)), "") << id;
  }
  EXPECT_EQ(Text(Control(inputs, ids::txtTurns)), "25");
}

// Tab runs through the form's controls to "Cancel", and on from there to
// the first input.
TEST_F(ZentrikGui, TabFromCancelWrapsToTheFirstInput) {
  HWND inputs = Accept();
  HWND cancel = Control(inputs, ids::cmdExit);
  HWND stack = Control(inputs, ids::txtStack);
  PostMessageA(stack, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
  PostMessageA(stack, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
  ASSERT_TRUE(WaitUntil([&] { return FocusedControl(program_) == stack; }));
  for (int step = 0; step < 30 && FocusedControl(program_) != cancel; ++step) {
    HWND from = FocusedControl(program_);
    PostMessageA(from, WM_KEYDOWN, VK_TAB, 0);
    ASSERT_TRUE(WaitUntil([&] { return FocusedControl(program_) != from; })) << "Tab did not move on";
  }
  ASSERT_EQ(FocusedControl(program_), cancel);
  PostMessageA(cancel, WM_KEYDOWN, VK_TAB, 0);
  EXPECT_TRUE(WaitUntil([&] { return FocusedControl(program_) == Control(inputs, ids::txtOutPutVoltage); }));
  EXPECT_TRUE(IsShown(inputs));
}

TEST_F(ZentrikGui, ExitOnTheOpeningFormEndsTheProgram) {
  Click(ControlByText(enter_, "E&xit"));
  EXPECT_EQ(program_.Wait(kDefaultTimeoutMs), 0u);
}

}  // namespace
}  // namespace zentrik::forms
