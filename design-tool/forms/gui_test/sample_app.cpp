// A small program the GUI driver's tests work through its windows: one form
// with a box that takes only digits, a red label, two message boxes behind a
// button, a check box that enables and shows other controls, a drop-down
// list that warns of one of its entries, a button that opens a second form,
// one that hides the form and one that ends the program with an exit code
// of its own.
//
// Passing a command line makes it the form's caption, so a test can tell its
// arguments arrived.
#include <windows.h>

#include <string>

#include "sample_app.h"

namespace {

using namespace guidriver::sample;

constexpr const char* kMainClass = "GuiDriverSampleMain";
constexpr const char* kSecondClass = "GuiDriverSampleSecond";
constexpr COLORREF kWarningColour = RGB(255, 0, 0);

struct ControlSpec {
  int id;
  const char* className;
  DWORD style;
  int left, top, width, height;  // pixels of the form's client area
  const char* text;
};

// Creation order is tab order.
constexpr ControlSpec kMainForm[] = {
    {IDC_NUMBER, "EDIT", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 16, 16, 120, 24, "12"},
    {IDC_WARNING, "STATIC", SS_LEFT, 150, 16, 200, 24, "OVERLOAD WARNING"},
    {IDC_GO, "BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 16, 56, 90, 28, "&Go"},
    {IDC_REGULATION, "BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, 16, 96, 120, 24, "&Regulation"},
    {IDC_APPLY, "BUTTON", BS_PUSHBUTTON | WS_TABSTOP | WS_DISABLED, 150, 96, 90, 28, "&Apply"},
    {IDC_REGULATED, "STATIC", SS_LEFT, 250, 100, 120, 24, "Regulated"},
    {IDC_UNITS, "COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 16, 136, 120, 120, ""},
    {IDC_UNIT_ECHO, "STATIC", SS_LEFT, 150, 140, 200, 24, "unit: Hz"},
    {IDC_OPEN, "BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 16, 176, 110, 28, "&Open Second"},
    {IDC_HIDE, "BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 136, 176, 90, 28, "&Hide"},
    {IDC_QUIT, "BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 236, 176, 90, 28, "&Quit"},
};

constexpr const char* kUnits[] = {"Hz", "kHz", "MHz"};

// The number box's own filter: what a key-press handler lets through.
LRESULT CALLBACK DigitFilterProc(HWND box, UINT msg, WPARAM wp, LPARAM lp) {
  auto original = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(box, GWLP_USERDATA));
  if (msg == WM_CHAR) {
    char c = static_cast<char>(wp);
    bool allowed = (c >= '0' && c <= '9') || c == '.' || c == '\b';
    if (!allowed) return 0;
  }
  return CallWindowProcA(original, box, msg, wp, lp);
}

class MainForm {
 public:
  // The classes of both forms; false if either cannot be registered.
  static bool RegisterClasses(HINSTANCE instance);
  bool Create(HINSTANCE instance, const char* caption);
  HWND hwnd() const { return hwnd_; }

 private:
  static LRESULT CALLBACK Trampoline(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp);
  void OnCreate();
  void OnCommand(int id, int code);
  LRESULT OnCtlColorStatic(HDC dc, HWND control);
  void OnGo();
  void OnRegulation();
  void OnUnitChosen();
  void OnOpenSecond();
  void OnQuit();

  HWND Item(int id) const { return GetDlgItem(hwnd_, id); }

  HINSTANCE instance_ = nullptr;
  HWND hwnd_ = nullptr;
  int exitCode_ = 0;
};

bool MainForm::Create(HINSTANCE instance, const char* caption) {
  instance_ = instance;
  CreateWindowExA(0, kMainClass, caption, WS_OVERLAPPEDWINDOW, 60, 60, 420, 280, nullptr, nullptr,
                  instance, this);
  return hwnd_ != nullptr;
}

LRESULT CALLBACK MainForm::Trampoline(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* form = static_cast<MainForm*>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams);
    form->hwnd_ = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
  }
  auto* form = reinterpret_cast<MainForm*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  return form ? form->OnMessage(msg, wp, lp) : DefWindowProcA(hwnd, msg, wp, lp);
}

LRESULT MainForm::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
  case WM_CREATE: OnCreate(); return 0;
  case WM_COMMAND: OnCommand(LOWORD(wp), HIWORD(wp)); return 0;
  case WM_CTLCOLORSTATIC: return OnCtlColorStatic(reinterpret_cast<HDC>(wp), reinterpret_cast<HWND>(lp));
  case WM_DESTROY: PostQuitMessage(exitCode_); return 0;
  }
  return DefWindowProcA(hwnd_, msg, wp, lp);
}

void MainForm::OnCreate() {
  HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  for (const ControlSpec& c : kMainForm) {
    HWND control = CreateWindowExA(0, c.className, c.text, WS_CHILD | WS_VISIBLE | c.style, c.left, c.top,
                                   c.width, c.height, hwnd_, reinterpret_cast<HMENU>(INT_PTR{c.id}),
                                   instance_, nullptr);
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  }
  HWND number = Item(IDC_NUMBER);
  SetWindowLongPtrA(number, GWLP_USERDATA, GetWindowLongPtrA(number, GWLP_WNDPROC));
  SetWindowLongPtrA(number, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DigitFilterProc));
  for (const char* unit : kUnits) SendMessageA(Item(IDC_UNITS), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(unit));
  SendMessageA(Item(IDC_UNITS), CB_SETCURSEL, 0, 0);
  ShowWindow(Item(IDC_REGULATED), SW_HIDE);
}

void MainForm::OnCommand(int id, int code) {
  switch (id) {
  case IDC_GO: OnGo(); return;
  case IDC_REGULATION: OnRegulation(); return;
  case IDC_APPLY: SetWindowTextA(Item(IDC_REGULATED), "Applied"); return;
  case IDC_UNITS: if (code == CBN_SELCHANGE) OnUnitChosen(); return;
  case IDC_OPEN: OnOpenSecond(); return;
  case IDC_HIDE: ShowWindow(hwnd_, SW_HIDE); return;
  case IDC_QUIT: OnQuit(); return;
  }
}

LRESULT MainForm::OnCtlColorStatic(HDC dc, HWND control) {
  if (control != Item(IDC_WARNING)) return DefWindowProcA(hwnd_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                                          reinterpret_cast<LPARAM>(control));
  SetTextColor(dc, kWarningColour);
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

void MainForm::OnGo() {
  MessageBoxA(hwnd_, "Line one\r\nLine two", "Caution", MB_OK | MB_ICONINFORMATION);
  MessageBoxA(hwnd_, "Done.", "Project1", MB_OK);
  SetFocus(Item(IDC_NUMBER));
}

void MainForm::OnRegulation() {
  bool on = SendMessageA(Item(IDC_REGULATION), BM_GETCHECK, 0, 0) == BST_CHECKED;
  EnableWindow(Item(IDC_APPLY), on);
  ShowWindow(Item(IDC_REGULATED), on ? SW_SHOW : SW_HIDE);
}

void MainForm::OnUnitChosen() {
  HWND units = Item(IDC_UNITS);
  int index = static_cast<int>(SendMessageA(units, CB_GETCURSEL, 0, 0));
  char unit[32] = "";
  if (index >= 0) SendMessageA(units, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(unit));
  if (std::string(unit) == "MHz") MessageBoxA(hwnd_, "That is a high frequency.", "Project1", MB_OK);
  SetWindowTextA(Item(IDC_UNIT_ECHO), (std::string("unit: ") + unit).c_str());
}

void MainForm::OnOpenSecond() {
  HWND second = CreateWindowExA(0, kSecondClass, kSecondCaption, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 200, 200, 300,
                                200, nullptr, nullptr, instance_, nullptr);
  CreateWindowExA(0, "STATIC", "Second form", WS_CHILD | WS_VISIBLE, 16, 16, 200, 24, second, nullptr, instance_,
                  nullptr);
}

void MainForm::OnQuit() {
  exitCode_ = kQuitExitCode;
  DestroyWindow(hwnd_);
}

bool MainForm::RegisterClasses(HINSTANCE instance) {
  WNDCLASSA wc = {};
  wc.lpfnWndProc = MainForm::Trampoline;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kMainClass;
  if (!RegisterClassA(&wc)) return false;
  wc.lpfnWndProc = DefWindowProcA;
  wc.lpszClassName = kSecondClass;
  return RegisterClassA(&wc) != 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int show) {
  if (!MainForm::RegisterClasses(instance)) return 1;
  MainForm form;
  if (!form.Create(instance, *commandLine ? commandLine : kMainCaption)) return 1;
  ShowWindow(form.hwnd(), show);
  SetFocus(GetDlgItem(form.hwnd(), IDC_NUMBER));
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}
