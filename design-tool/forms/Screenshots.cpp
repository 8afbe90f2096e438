// zentrik_screenshots OUTDIR: works Zentrik.exe through each of its forms
// and saves a picture of every one as OUTDIR\<form>.bmp, for a person to
// look at.  Needs an X display for Wine.
#include <cstdio>
#include <optional>
#include <string>

#include "ControlIds.h"
#include "GuiDriver.h"

using namespace guidriver;
namespace ids = zentrik::forms::ids;

namespace {

std::string outDir;
int failures = 0;

void Fail(const std::string& what) {
  std::fprintf(stderr, "zentrik_screenshots: %s\n", what.c_str());
  ++failures;
}

HWND Expect(const Program& program, const char* caption) {
  HWND window = WaitForWindow(program, caption);
  if (!window) Fail(std::string("no window \"") + caption + "\"");
  return window;
}

void Shoot(HWND window, const std::string& name) {
  if (!window) return;
  SetForegroundWindow(window);
  WaitUntil([] { return false; }, 300);  // let the form come to the front and paint
  std::string path = outDir + "\\" + name + ".bmp";
  if (SaveScreenshot(window, path)) {
    std::printf("%s\n", path.c_str());
  } else {
    Fail("could not save " + path);
  }
}

void AnswerBoxes(const Program& program, const std::string& firstName) {
  bool first = true;
  while (std::optional<MessageBoxInfo> box = WaitForMessageBox(program, 1500)) {
    if (first) Shoot(box->hwnd, firstName);
    first = false;
    AnswerOk(*box);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: zentrik_screenshots OUTDIR\n");
    return 64;
  }
  if (!HaveDisplay()) {
    std::fprintf(stderr, "zentrik_screenshots: no X display for Wine (DISPLAY is not set)\n");
    return 1;
  }
  outDir = argv[1];
  CreateDirectoryA(outDir.c_str(), nullptr);

  Program program;
  if (!program.Start(WindowsPath(ZENTRIK_EXE))) {
    Fail("cannot start " + WindowsPath(ZENTRIK_EXE));
    return 1;
  }
  HWND enter = Expect(program, "Zentrik Core Selection Calculator");
  Shoot(enter, "frmEnter");
  Click(ControlByText(enter, "I &Accept"));
  HWND inputs = Expect(program, "Zentrik Core Design Tool Inputs");
  Shoot(inputs, "frmXls");

  // The default design: summary and calculations.
  Click(Control(inputs, ids::cmdProcess));
  HWND summary = Expect(program, "Zentrik Core Design Summary Outputs");
  Shoot(summary, "frmResult");
  Click(ControlByText(summary, "&Calculations"));
  HWND calculations = Expect(program, "Zentrik Core Intermediate Outputs");
  Shoot(calculations, "frmIntermediateOutput");
  Click(ControlByText(calculations, "&Close"));
  WaitForWindowGone(calculations);
  Click(ControlByText(summary, "R&eset Design Inputs"));
  WaitForWindowGone(summary);

  // Pick Core TC05: both advisories, the limits in red.
  inputs = Expect(program, "Zentrik Core Design Tool Inputs");
  SetChecked(Control(inputs, ids::chkPick), true);
  SelectItem(Control(inputs, ids::txtCoreSize), 5);
  Shoot(inputs, "frmXls-pick-core");
  Click(Control(inputs, ids::cmdProcess));
  AnswerBoxes(program, "advisory-fill");
  calculations = Expect(program, "Zentrik Core Intermediate Outputs");
  Shoot(calculations, "frmIntermediateOutput-limits");
  Click(ControlByText(calculations, "&Close"));
  WaitForWindowGone(calculations);
  summary = Expect(program, "Zentrik Core Design Summary Outputs");
  Shoot(summary, "frmResult-limits");
  Click(ControlByText(summary, "R&eset Design Inputs"));
  WaitForWindowGone(summary);

  // A rejected input, and the directions.
  inputs = Expect(program, "Zentrik Core Design Tool Inputs");
  SetText(Control(inputs, ids::txtOutPutCurrent), "0");
  Click(Control(inputs, ids::cmdProcess));
  AnswerBoxes(program, "rejected-input");
  Click(ControlByText(inputs, "Help"));
  Shoot(Expect(program, "Calculator Explaination"), "frmDirections");

  return failures == 0 ? 0 : 1;
}
