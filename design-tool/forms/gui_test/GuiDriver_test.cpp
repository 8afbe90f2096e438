#include "GuiDriver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "sample_app.h"

namespace guidriver {
namespace {

using namespace sample;

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlack = RGB(0, 0, 0);

std::string SamplePath() { return WindowsPath(GUI_DRIVER_SAMPLE_PATH); }

// A file beside the test program, so screenshots land in the build tree
// whatever the working folder.
std::string OutputPath(const std::string& name) {
  char path[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, path, sizeof path);
  std::string folder = path;
  return folder.substr(0, folder.find_last_of("\\/") + 1) + name;
}

#define SKIP_WITHOUT_DISPLAY() \
  if (!HaveDisplay()) GTEST_SKIP() << "no X display for Wine (DISPLAY is not set); run under xvfb-run"

// One sample program per test, its form shown.  The program ends with the
// fixture whatever the test does to it.
class GuiDriverSample : public ::testing::Test {
 protected:
  void SetUp() override {
    SKIP_WITHOUT_DISPLAY();
    ASSERT_TRUE(program_.Start(SamplePath())) << SamplePath() << ": error " << GetLastError();
    form_ = WaitForWindow(program_, kMainCaption);
    ASSERT_NE(form_, nullptr) << "the sample's form did not show; the sample: " << DescribeWindows(program_);
  }

  HWND Item(int id) const { return Control(form_, id); }

  Program program_;
  HWND form_ = nullptr;
};

TEST(GuiDriverWindowsPath, MapsTheUnixRootToDriveZ) {
  const struct {
    const char* path;
    const char* expected;
  } cases[] = {
      {"/work/main/build/a.exe", "Z:\\work\\main\\build\\a.exe"},
      {"/", "Z:\\"},
      {"C:\\windows\\notepad.exe", "C:\\windows\\notepad.exe"},
      {"relative/a.exe", "relative/a.exe"},
      {"", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(WindowsPath(c.path), c.expected);
  }
}

// ---- Program ---------------------------------------------------------------

TEST(GuiDriverProgram, StartFailsForAMissingProgram) {
  Program program;
  EXPECT_FALSE(program.Start(OutputPath("no_such_program.exe")));
  EXPECT_FALSE(program.Running());
  EXPECT_EQ(program.Wait(0), STILL_ACTIVE);
}

TEST(GuiDriverProgram, ArgumentsReachTheProgram) {
  SKIP_WITHOUT_DISPLAY();
  Program program;
  ASSERT_TRUE(program.Start(SamplePath(), "Caption From Arguments"));
  EXPECT_NE(WaitForWindow(program, "Caption From Arguments"), nullptr);
  EXPECT_EQ(WaitForWindow(program, kMainCaption, 0), nullptr);
}

TEST(GuiDriverProgram, EndsWhenItsOwnerIsDestroyedOrReplaced) {
  SKIP_WITHOUT_DISPLAY();
  HANDLE first = nullptr, second = nullptr;
  {
    Program program;
    ASSERT_TRUE(program.Start(SamplePath()));
    ASSERT_NE(WaitForWindow(program, kMainCaption), nullptr);
    first = OpenProcess(SYNCHRONIZE, FALSE, program.processId());

    Program moved = std::move(program);
    EXPECT_FALSE(program.Running());
    EXPECT_TRUE(moved.Running()) << "a move must hand the program over, not end it";

    Program other;
    ASSERT_TRUE(other.Start(SamplePath()));
    second = OpenProcess(SYNCHRONIZE, FALSE, other.processId());
    other = std::move(moved);
    EXPECT_EQ(WaitForSingleObject(second, 5000), WAIT_OBJECT_0) << "the replaced program must end";
    EXPECT_TRUE(other.Running());
  }
  EXPECT_EQ(WaitForSingleObject(first, 5000), WAIT_OBJECT_0) << "the destructor must end the program";
  CloseHandle(first);
  CloseHandle(second);
}

TEST_F(GuiDriverSample, WaitReturnsTheExitCode) {
  EXPECT_NE(program_.processId(), 0u);
  EXPECT_TRUE(program_.Running());
  EXPECT_EQ(program_.Wait(0), STILL_ACTIVE);
  EXPECT_EQ(DescribeWindows(program_).rfind("running, ", 0), 0u);
  EXPECT_NE(DescribeWindows(program_).find("\"Driver Sample\" (class GuiDriverSampleMain, shown)\n"),
            std::string::npos)
      << DescribeWindows(program_);

  ASSERT_TRUE(Click(Item(IDC_QUIT)));
  EXPECT_EQ(program_.Wait(5000), static_cast<DWORD>(kQuitExitCode));
  EXPECT_FALSE(program_.Running());
  EXPECT_EQ(WaitForWindow(program_, kMainCaption), nullptr);
  EXPECT_EQ(DescribeWindows(program_), "not running, no windows\n");
}

// ---- Windows and controls -------------------------------------------------

TEST_F(GuiDriverSample, WaitForWindowWantsTheWholeCaptionOfThisProgram) {
  EXPECT_EQ(WaitForWindow(program_, "Driver", 200), nullptr);
  EXPECT_EQ(WaitForWindow(program_, "driver sample", 200), nullptr);
  EXPECT_EQ(WaitForWindow(program_, kSecondCaption, 200), nullptr);

  Program other;
  ASSERT_TRUE(other.Start(SamplePath()));
  HWND otherForm = WaitForWindow(other, kMainCaption);
  ASSERT_NE(otherForm, nullptr);
  EXPECT_NE(otherForm, form_);
  EXPECT_EQ(WaitForWindow(program_, kMainCaption, 0), form_);

  // A box of the other program is not this one's.
  ASSERT_TRUE(Click(Control(otherForm, IDC_GO)));
  EXPECT_TRUE(WaitForMessageBox(other).has_value());
  EXPECT_TRUE(NoMessageBox(program_, 300));
}

TEST_F(GuiDriverSample, FindsControlsByIdAndByText) {
  EXPECT_EQ(ControlByText(form_, "&Go"), Item(IDC_GO));
  EXPECT_EQ(ControlByText(form_, "OVERLOAD WARNING"), Item(IDC_WARNING));
  EXPECT_EQ(ControlByText(form_, "Go"), nullptr) << "the access-key ampersand is part of the text";
  EXPECT_EQ(Control(form_, 9999), nullptr);
  EXPECT_EQ(Text(Item(IDC_WARNING)), "OVERLOAD WARNING");
  EXPECT_EQ(Text(Item(IDC_NUMBER)), "12");
  EXPECT_EQ(Text(form_), kMainCaption);
}

TEST_F(GuiDriverSample, TypedCharactersGoThroughTheKeyFilter) {
  const struct {
    const char* name;
    const char* before;
    bool selectAll;
    const char* typed;
    const char* expected;
  } cases[] = {
      {"digits", "", false, "123", "123"},
      {"letters and blanks dropped", "", false, "1a2 b3", "123"},
      {"decimal point kept", "", false, "12.5", "12.5"},
      {"backspace deletes", "", false, "78\b9", "79"},
      {"typing replaces a selection", "12", true, "7", "7"},
  };
  HWND number = Item(IDC_NUMBER);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SetText(number, c.before);
    if (c.selectAll) SelectAll(number);
    EXPECT_TRUE(TypeChars(number, c.typed));
    EXPECT_EQ(Text(number), c.expected);
  }
}

TEST_F(GuiDriverSample, SetTextBypassesTheKeyFilter) {
  HWND number = Item(IDC_NUMBER);
  SetText(number, "abc");
  EXPECT_EQ(Text(number), "abc");
  SetText(number, "");
  EXPECT_EQ(Text(number), "");
}

TEST_F(GuiDriverSample, SecondFormOpensAndTheFirstHides) {
  ASSERT_TRUE(ClickAndWait(Item(IDC_OPEN)));
  // ClickAndWait returns after the handler, which made the form.
  HWND second = WaitForWindow(program_, kSecondCaption, 0);
  ASSERT_NE(second, nullptr);
  EXPECT_TRUE(IsShown(second));

  ASSERT_TRUE(Click(Item(IDC_HIDE)));
  EXPECT_TRUE(WaitForWindowGone(form_));
  EXPECT_FALSE(IsShown(form_));
  EXPECT_EQ(WaitForWindow(program_, kMainCaption, 0), nullptr) << "a hidden form is not found";
  EXPECT_FALSE(WaitForWindowGone(second, 200));
  EXPECT_TRUE(program_.Running());
}

// ---- Buttons, check boxes, lists ------------------------------------------

// Win32 lets the messages through to a disabled or hidden control; a user's
// clicks and keys do not get there.
TEST_F(GuiDriverSample, ControlsAUserCannotReachAreLeftAlone) {
  HWND apply = Item(IDC_APPLY), number = Item(IDC_NUMBER);
  EXPECT_FALSE(ClickAndWait(apply)) << "disabled";
  EXPECT_FALSE(Click(apply));
  EXPECT_EQ(Text(Item(IDC_REGULATED)), "Regulated");

  // While a message box is up its form is disabled, and so all the form's controls.
  ASSERT_TRUE(Click(Item(IDC_GO)));
  std::optional<MessageBoxInfo> box = WaitForMessageBox(program_);
  ASSERT_TRUE(box.has_value());
  EXPECT_FALSE(IsEnabled(form_));
  EXPECT_TRUE(IsEnabled(number)) << "the box keeps its own state; only its form is disabled";
  EXPECT_FALSE(TypeChars(number, "5"));
  EXPECT_FALSE(SelectItem(Item(IDC_UNITS), 1));
  EXPECT_FALSE(Click(Item(IDC_GO)));
  EXPECT_FALSE(SetChecked(Item(IDC_REGULATION), true));
  ASSERT_TRUE(AnswerOk(*box));
  box = WaitForMessageBox(program_);
  ASSERT_TRUE(box.has_value());
  ASSERT_TRUE(AnswerOk(*box));

  ASSERT_TRUE(WaitUntil([&] { return IsEnabled(form_); }));
  EXPECT_EQ(Text(number), "12");
  EXPECT_EQ(SelectedIndex(Item(IDC_UNITS)), 0);
  EXPECT_FALSE(IsChecked(Item(IDC_REGULATION)));
  ASSERT_TRUE(SetChecked(Item(IDC_REGULATION), true));
  EXPECT_TRUE(ClickAndWait(apply));
  EXPECT_EQ(Text(Item(IDC_REGULATED)), "Applied");

  ASSERT_TRUE(ClickAndWait(Item(IDC_HIDE)));
  EXPECT_FALSE(TypeChars(number, "5")) << "hidden";
  EXPECT_EQ(Text(number), "12");
}

TEST_F(GuiDriverSample, CheckBoxClickReachesTheForm) {
  HWND regulation = Item(IDC_REGULATION);
  EXPECT_FALSE(IsChecked(regulation));
  EXPECT_FALSE(IsEnabled(Item(IDC_APPLY)));
  EXPECT_FALSE(IsShown(Item(IDC_REGULATED)));

  // Twice: a box already in the wanted state must not be clicked again.
  for (int i = 0; i < 2; ++i) {
    SCOPED_TRACE(i);
    ASSERT_TRUE(SetChecked(regulation, true));
    EXPECT_TRUE(IsChecked(regulation));
    EXPECT_TRUE(IsEnabled(Item(IDC_APPLY)));
    EXPECT_TRUE(IsShown(Item(IDC_REGULATED)));
  }
  EXPECT_TRUE(WaitUntil([&] { return FocusedControl(program_) == regulation; }))
      << "a click gives the button the focus";

  ASSERT_TRUE(SetChecked(regulation, false));
  EXPECT_FALSE(IsChecked(regulation));
  EXPECT_FALSE(IsEnabled(Item(IDC_APPLY)));
  EXPECT_FALSE(IsShown(Item(IDC_REGULATED)));
}

TEST_F(GuiDriverSample, ListEntriesAreReadAndChosenAsAUserWould) {
  HWND units = Item(IDC_UNITS);
  ASSERT_EQ(ItemCount(units), 3);
  const char* expected[] = {"Hz", "kHz", "MHz"};
  for (int i = 0; i < 3; ++i) EXPECT_EQ(ItemText(units, i), expected[i]) << i;
  EXPECT_EQ(ItemText(units, 3), "");
  EXPECT_EQ(ItemText(units, -1), "");
  EXPECT_EQ(SelectedIndex(units), 0);
  EXPECT_EQ(Text(units), "Hz");

  ASSERT_TRUE(SelectItem(units, "kHz"));
  EXPECT_EQ(Text(Item(IDC_UNIT_ECHO)), "unit: kHz") << "the form must have handled the choice";
  EXPECT_EQ(SelectedIndex(units), 1);
  EXPECT_EQ(Text(units), "kHz");

  ASSERT_TRUE(SelectItem(units, 0));
  EXPECT_EQ(Text(Item(IDC_UNIT_ECHO)), "unit: Hz");

  EXPECT_FALSE(SelectItem(units, "GHz"));
  EXPECT_FALSE(SelectItem(units, 3));
  EXPECT_FALSE(SelectItem(units, -1));
  EXPECT_EQ(SelectedIndex(units), 0);
}

TEST_F(GuiDriverSample, ListChoiceThatOpensAMessageBox) {
  HWND units = Item(IDC_UNITS);
  EXPECT_FALSE(SelectItem(units, "MHz", 300)) << "the form is held up by its message box";
  EXPECT_EQ(SelectedIndex(units), 2);
  std::optional<MessageBoxInfo> box = WaitForMessageBox(program_);
  ASSERT_TRUE(box.has_value());
  EXPECT_EQ(box->text, "That is a high frequency.");
  ASSERT_TRUE(AnswerOk(*box));
  EXPECT_TRUE(WaitUntil([&] { return Text(Item(IDC_UNIT_ECHO)) == "unit: MHz"; }));
}

// ---- Message boxes ---------------------------------------------------------

TEST_F(GuiDriverSample, MessageBoxesAreReadAndAnswered) {
  EXPECT_TRUE(NoMessageBox(program_, 200));
  EXPECT_FALSE(ClickAndWait(Item(IDC_GO), 300)) << "the click's handler is held up by its message box";

  const struct {
    const char* title;
    const char* text;
    bool hasIcon;
  } boxes[] = {
      {"Caution", "Line one\r\nLine two", true},
      {"Project1", "Done.", false},
  };
  for (const auto& expected : boxes) {
    SCOPED_TRACE(expected.title);
    std::optional<MessageBoxInfo> box = WaitForMessageBox(program_);
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->title, expected.title);
    EXPECT_EQ(box->text, expected.text);
    EXPECT_EQ(box->hasIcon, expected.hasIcon);
    ASSERT_TRUE(AnswerOk(*box));
    EXPECT_FALSE(IsShown(box->hwnd));
  }
  EXPECT_TRUE(NoMessageBox(program_, 300));
  EXPECT_TRUE(WaitUntil([&] { return FocusedControl(program_) == Item(IDC_NUMBER); }))
      << "the form sends the focus to the number box after its boxes";
}

TEST_F(GuiDriverSample, NoMessageBoxSeesABoxThatAppearsWhileItWaits) {
  ASSERT_TRUE(Click(Item(IDC_GO)));
  EXPECT_FALSE(NoMessageBox(program_, 5000));
}

// ---- Pixels ----------------------------------------------------------------

TEST_F(GuiDriverSample, RedTextIsCountedWhereItIsDrawn) {
  HWND warning = Item(IDC_WARNING);
  EXPECT_TRUE(WaitUntil([&] { return CountPixels(warning, kRed) > 50; })) << CountPixels(warning, kRed);
  EXPECT_TRUE(WaitUntil([&] { return CountPixels(Item(IDC_NUMBER), kBlack) > 10; }));
  EXPECT_EQ(CountPixels(Item(IDC_NUMBER), kRed), 0);
  EXPECT_EQ(CountPixels(Item(IDC_UNIT_ECHO), kRed), 0);
}

struct Bmp {
  int width = 0;
  int height = 0;  // positive: bottom row first
  int bitsPerPixel = 0;
  std::vector<unsigned char> pixels;
};

bool ReadBmp(const std::string& path, Bmp& bmp) {
  std::ifstream in(path, std::ios::binary);
  std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (bytes.size() < sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) || bytes[0] != 'B' || bytes[1] != 'M')
    return false;
  BITMAPFILEHEADER file;
  BITMAPINFOHEADER info;
  std::memcpy(&file, bytes.data(), sizeof file);
  std::memcpy(&info, bytes.data() + sizeof file, sizeof info);
  if (file.bfSize != bytes.size() || file.bfOffBits > bytes.size()) return false;
  bmp.width = info.biWidth;
  bmp.height = info.biHeight;
  bmp.bitsPerPixel = info.biBitCount;
  bmp.pixels.assign(bytes.begin() + file.bfOffBits, bytes.end());
  return true;
}

TEST_F(GuiDriverSample, ScreenshotIsA24BitBmpOfTheWholeWindow) {
  HWND warning = Item(IDC_WARNING);
  ASSERT_TRUE(WaitUntil([&] { return CountPixels(warning, kRed) > 50; }));
  std::string path = OutputPath("gui_driver_sample.bmp");
  ASSERT_TRUE(SaveScreenshot(form_, path));

  Bmp bmp;
  ASSERT_TRUE(ReadBmp(path, bmp));
  RECT area;
  GetWindowRect(form_, &area);
  EXPECT_EQ(bmp.width, area.right - area.left);
  EXPECT_EQ(bmp.height, area.bottom - area.top);
  EXPECT_EQ(bmp.bitsPerPixel, 24);
  const int rowBytes = (bmp.width * 3 + 3) & ~3;
  ASSERT_EQ(bmp.pixels.size(), static_cast<size_t>(rowBytes) * bmp.height);

  // The red label sits near the top of the form, so its pixels must be in
  // the last rows of the file (a .bmp is stored bottom row first).
  RECT label;
  GetWindowRect(warning, &label);
  int redTop = bmp.height, redBottom = -1, red = 0;
  for (int row = 0; row < bmp.height; ++row) {
    const unsigned char* pixel = &bmp.pixels[static_cast<size_t>(row) * rowBytes];
    for (int x = 0; x < bmp.width; ++x, pixel += 3) {
      if (pixel[2] < 215 || pixel[1] > 40 || pixel[0] > 40) continue;  // red within 40 of pure
      int y = bmp.height - 1 - row;
      redTop = std::min(redTop, y);
      redBottom = std::max(redBottom, y);
      ++red;
    }
  }
  EXPECT_EQ(red, CountPixels(warning, kRed));
  EXPECT_GE(redTop, label.top - area.top);
  EXPECT_LT(redBottom, label.bottom - area.top);
}

TEST_F(GuiDriverSample, ScreenshotOfTheWholeScreen) {
  std::string path = OutputPath("gui_driver_screen.bmp");
  ASSERT_TRUE(SaveScreenshot(nullptr, path));
  Bmp bmp;
  ASSERT_TRUE(ReadBmp(path, bmp));
  EXPECT_EQ(bmp.width, GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(bmp.height, GetSystemMetrics(SM_CYSCREEN));

  EXPECT_FALSE(SaveScreenshot(form_, OutputPath("no_such_folder\\shot.bmp")));
}

}  // namespace
}  // namespace guidriver
