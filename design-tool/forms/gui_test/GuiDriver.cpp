#include "GuiDriver.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <utility>
#include <vector>

namespace guidriver {

namespace {

constexpr int kPollMs = 50;
// How long a read or a sent message may take before the program counts as
// not answering.  Generous: a program busy with a calculation is not hung.
constexpr UINT kSendTimeoutMs = 5000;
constexpr int kSettleMs = 1000;

// The programs under test of all test processes on this Wine server take
// turns: they share one desktop, where a form shown by one would take the
// activation and focus from another's, or cover it on the screen.
constexpr const char* kTurnName = "GuiDriverDesktopTurn";
// Long enough for another test process's longest scenario.
constexpr DWORD kTurnTimeoutMs = 120000;

// Sends a message to a window of another process; false if the window is
// gone or its thread did not handle the message within timeoutMs.
bool Send(HWND window, UINT msg, WPARAM wp, LPARAM lp, LRESULT* result = nullptr,
          UINT timeoutMs = kSendTimeoutMs) {
  DWORD_PTR answer = 0;
  if (!SendMessageTimeoutA(window, msg, wp, lp, SMTO_NORMAL, timeoutMs, &answer)) return false;
  if (result) *result = static_cast<LRESULT>(answer);
  return true;
}

LRESULT SendOr(HWND window, UINT msg, WPARAM wp, LPARAM lp, LRESULT fallback) {
  LRESULT result = 0;
  return Send(window, msg, wp, lp, &result) ? result : fallback;
}

std::string Narrow(const std::wstring& wide) {
  int size = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  std::string narrow(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), &narrow[0], size, nullptr, nullptr);
  return narrow;
}

std::string ClassName(HWND window) {
  char name[256] = "";
  GetClassNameA(window, name, sizeof name);
  return name;
}

// A top-level window's caption, read without sending it a message.
std::string Caption(HWND window) {
  char text[512] = "";
  GetWindowTextA(window, text, sizeof text);
  return text;
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

// The program's top-level windows, front to back.
std::vector<HWND> TopLevelWindows(DWORD processId) {
  std::vector<HWND> all, mine;
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&all));
  for (HWND window : all) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == processId) mine.push_back(window);
  }
  return mine;
}

std::vector<HWND> Children(HWND parent) {
  std::vector<HWND> children;
  EnumChildWindows(parent, CollectWindow, reinterpret_cast<LPARAM>(&children));
  return children;
}

// Shown, and neither it nor any window it sits in disabled: a user could
// click it or type into it.
bool Reachable(HWND control) {
  if (!IsWindowVisible(control)) return false;
  for (HWND window = control; window && window != GetDesktopWindow(); window = GetAncestor(window, GA_PARENT))
    if (!IsWindowEnabled(window)) return false;
  return true;
}

std::optional<MessageBoxInfo> FindMessageBox(DWORD processId) {
  for (HWND window : TopLevelWindows(processId)) {
    if (!IsWindowVisible(window) || ClassName(window) != "#32770") continue;
    MessageBoxInfo box;
    box.hwnd = window;
    box.title = Text(window);
    // The message is the box's one static text; an icon is a static of its
    // own, which may be there but hidden or empty when the box has none.
    for (HWND child : Children(window)) {
      if (_stricmp(ClassName(child).c_str(), "Static") != 0) continue;
      LONG style = GetWindowLongA(child, GWL_STYLE);
      if ((style & SS_TYPEMASK) == SS_ICON) {
        if (IsWindowVisible(child) && SendOr(child, STM_GETICON, 0, 0, 0) != 0) box.hasIcon = true;
      } else if (box.text.empty()) {
        box.text = Text(child);
      }
    }
    return box;
  }
  return std::nullopt;
}

// The pixels of a rectangle of the screen, top row first, each 0x00RRGGBB.
struct ScreenPixels {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;
};

bool ReadScreen(const RECT& area, ScreenPixels& out) {
  int width = area.right - area.left, height = area.bottom - area.top;
  if (width <= 0 || height <= 0) return false;
  HDC screen = GetDC(nullptr);
  if (!screen) return false;
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  bool ok = memory && bitmap;
  if (ok) {
    HGDIOBJ old = SelectObject(memory, bitmap);
    ok = BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY | CAPTUREBLT) != 0;
    GdiFlush();
    if (ok) {
      const auto* first = static_cast<const uint32_t*>(bits);
      out.width = width;
      out.height = height;
      out.pixels.assign(first, first + static_cast<size_t>(width) * height);
    }
    SelectObject(memory, old);
  }
  if (bitmap) DeleteObject(bitmap);
  if (memory) DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return ok;
}

RECT AreaOf(HWND window) {
  RECT area = {};
  if (window) {
    GetWindowRect(window, &area);
  } else {
    area.left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    area.top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    area.right = area.left + GetSystemMetrics(SM_CXVIRTUALSCREEN);
    area.bottom = area.top + GetSystemMetrics(SM_CYVIRTUALSCREEN);
  }
  return area;
}

// The area's pixels once two readings kPollMs apart agree, so that a window
// still painting (or still being copied to the screen) is not caught half
// drawn.  The last reading if they never agree within kSettleMs (a
// blinking caret can keep them apart for a while).
bool ReadSettledScreen(HWND window, ScreenPixels& out) {
  if (!ReadScreen(AreaOf(window), out)) return false;
  auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kSettleMs);
  while (std::chrono::steady_clock::now() < deadline) {
    Sleep(kPollMs);
    ScreenPixels next;
    if (!ReadScreen(AreaOf(window), next)) return false;
    bool same = next.width == out.width && next.height == out.height && next.pixels == out.pixels;
    out = std::move(next);
    if (same) break;
  }
  return true;
}

bool WriteBmp(const ScreenPixels& image, const std::string& path) {
  const int rowBytes = (image.width * 3 + 3) & ~3;
  const DWORD imageBytes = static_cast<DWORD>(rowBytes) * image.height;
  BITMAPFILEHEADER file = {};
  BITMAPINFOHEADER header = {};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof file + sizeof header;
  file.bfSize = file.bfOffBits + imageBytes;
  header.biSize = sizeof header;
  header.biWidth = image.width;
  header.biHeight = image.height;  // bottom-up, as .bmp readers expect
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  header.biSizeImage = imageBytes;

  std::unique_ptr<FILE, int (*)(FILE*)> out(std::fopen(path.c_str(), "wb"), std::fclose);
  if (!out) return false;
  bool ok = std::fwrite(&file, sizeof file, 1, out.get()) == 1 && std::fwrite(&header, sizeof header, 1, out.get()) == 1;
  std::vector<unsigned char> row(rowBytes, 0);
  for (int y = image.height - 1; ok && y >= 0; --y) {
    const uint32_t* pixel = &image.pixels[static_cast<size_t>(y) * image.width];
    for (int x = 0; x < image.width; ++x) {
      row[x * 3 + 0] = static_cast<unsigned char>(pixel[x]);        // blue
      row[x * 3 + 1] = static_cast<unsigned char>(pixel[x] >> 8);   // green
      row[x * 3 + 2] = static_cast<unsigned char>(pixel[x] >> 16);  // red
    }
    ok = std::fwrite(row.data(), row.size(), 1, out.get()) == 1;
  }
  return std::fclose(out.release()) == 0 && ok;
}

}  // namespace

bool WaitUntil(const std::function<bool()>& condition, int timeoutMs) {
  auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (std::chrono::steady_clock::now() < deadline) {
    if (condition()) return true;
    Sleep(kPollMs);
  }
  return condition();
}

std::string WindowsPath(const std::string& path) {
  if (path.empty() || path[0] != '/') return path;
  std::string windows = "Z:" + path;
  for (char& c : windows)
    if (c == '/') c = '\\';
  return windows;
}

bool HaveDisplay() {
  const char* display = std::getenv("DISPLAY");
  return display && *display;
}

// ---- Program ---------------------------------------------------------------

Program::Program(Program&& other) noexcept
    : turn_(std::exchange(other.turn_, nullptr)),
      process_(std::exchange(other.process_, nullptr)),
      job_(std::exchange(other.job_, nullptr)),
      processId_(std::exchange(other.processId_, 0)),
      threadId_(std::exchange(other.threadId_, 0)) {}

Program& Program::operator=(Program&& other) noexcept {
  if (this != &other) {
    Terminate();
    turn_ = std::exchange(other.turn_, nullptr);
    process_ = std::exchange(other.process_, nullptr);
    job_ = std::exchange(other.job_, nullptr);
    processId_ = std::exchange(other.processId_, 0);
    threadId_ = std::exchange(other.threadId_, 0);
  }
  return *this;
}

bool Program::Start(const std::string& exePath, const std::string& args) {
  Terminate();
  if (!TakeTurn()) return false;
  std::string commandLine = "\"" + exePath + "\"";
  if (!args.empty()) commandLine += " " + args;
  // Joins this process to the desktop first.  Under Wine the first process
  // on a desktop starts the process that owns it; started from the program,
  // that would land in the program's job and die with it, taking the
  // windows of every other program on the desktop along.
  GetDesktopWindow();
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info = {};
  // Suspended until it is in the job, so not even its first window escapes.
  if (!CreateProcessA(exePath.c_str(), &commandLine[0], nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                      nullptr, &startup, &info)) {
    DWORD error = GetLastError();
    Terminate();
    SetLastError(error);
    return false;
  }
  job_ = CreateJobObjectA(nullptr, nullptr);
  if (job_) {
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
    // Only the program itself: whatever it or the system starts on its behalf
    // may outlive it.
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE | JOB_OBJECT_LIMIT_SILENT_BREAKAWAY_OK;
    // Without the job the destructor still ends the program; only a test
    // process that dies would leave it behind.
    if (!SetInformationJobObject(job_, JobObjectExtendedLimitInformation, &limits, sizeof limits) ||
        !AssignProcessToJobObject(job_, info.hProcess)) {
      CloseHandle(job_);
      job_ = nullptr;
    }
  }
  ResumeThread(info.hThread);
  CloseHandle(info.hThread);
  process_ = info.hProcess;
  processId_ = info.dwProcessId;
  threadId_ = info.dwThreadId;
  return true;
}

bool Program::TakeTurn() {
  turn_ = CreateMutexA(nullptr, FALSE, kTurnName);
  if (!turn_) return false;
  // A turn left by a test process that died is still a turn.
  DWORD waited = WaitForSingleObject(turn_, kTurnTimeoutMs);
  if (waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED) return true;
  CloseHandle(std::exchange(turn_, nullptr));
  SetLastError(ERROR_TIMEOUT);
  return false;
}

DWORD Program::Wait(int timeoutMs) {
  if (!process_) return STILL_ACTIVE;
  WaitForSingleObject(process_, static_cast<DWORD>(timeoutMs));
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(process_, &code);
  return code;
}

bool Program::Running() const {
  return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

void Program::Terminate() {
  if (process_) {
    if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
      TerminateProcess(process_, 1);
      WaitForSingleObject(process_, kSendTimeoutMs);
    }
    CloseHandle(process_);
    process_ = nullptr;
  }
  if (job_) CloseHandle(std::exchange(job_, nullptr));
  if (turn_) {
    ReleaseMutex(turn_);
    CloseHandle(std::exchange(turn_, nullptr));
  }
  processId_ = 0;
  threadId_ = 0;
}

// ---- Windows and controls -------------------------------------------------

HWND WaitForWindow(const Program& program, const std::string& caption, int timeoutMs) {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        for (HWND window : TopLevelWindows(program.processId())) {
          if (IsWindowVisible(window) && Caption(window) == caption) {
            found = window;
            return true;
          }
        }
        return !program.Running();  // no point waiting for a program that ended
      },
      timeoutMs);
  return found;
}

std::string DescribeWindows(const Program& program) {
  std::string list;
  for (HWND window : TopLevelWindows(program.processId())) {
    list += "\"" + Caption(window) + "\" (class " + ClassName(window) + ", ";
    list += IsWindowVisible(window) ? "shown)\n" : "hidden)\n";
  }
  if (list.empty()) list = "no windows\n";
  return (program.Running() ? "running, " : "not running, ") + list;
}

bool WaitForWindowGone(HWND window, int timeoutMs) {
  return WaitUntil([&] { return !IsWindow(window) || !IsWindowVisible(window); }, timeoutMs);
}

bool IsShown(HWND window) { return IsWindow(window) && IsWindowVisible(window); }

bool IsEnabled(HWND window) { return IsWindow(window) && IsWindowEnabled(window); }

HWND Control(HWND form, int id) { return GetDlgItem(form, id); }

HWND ControlByText(HWND form, const std::string& text) {
  for (HWND child : Children(form))
    if (Text(child) == text) return child;
  return nullptr;
}

std::string Text(HWND window) {
  LRESULT length = 0;
  if (!Send(window, WM_GETTEXTLENGTH, 0, 0, &length) || length < 0) return "";
  std::string text(static_cast<size_t>(length) + 1, '\0');
  LRESULT copied = 0;
  if (!Send(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]), &copied)) return "";
  text.resize(std::min(static_cast<size_t>(copied), std::strlen(text.c_str())));
  return text;
}

void SetText(HWND window, const std::string& text) {
  Send(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void SelectAll(HWND edit) { Send(edit, EM_SETSEL, 0, -1); }

bool TypeChars(HWND edit, const std::string& chars) {
  if (!Reachable(edit)) return false;
  for (char c : chars)
    if (!Send(edit, WM_CHAR, static_cast<unsigned char>(c), 1)) return false;
  return true;
}

// ---- Buttons, check boxes, lists ------------------------------------------

bool Click(HWND button) { return Reachable(button) && PostMessageA(button, BM_CLICK, 0, 0); }

bool ClickAndWait(HWND button, int timeoutMs) {
  return Reachable(button) && Send(button, BM_CLICK, 0, 0, nullptr, static_cast<UINT>(timeoutMs));
}

bool IsChecked(HWND checkBox) { return SendOr(checkBox, BM_GETCHECK, 0, 0, BST_UNCHECKED) == BST_CHECKED; }

bool SetChecked(HWND checkBox, bool checked, int timeoutMs) {
  if (IsChecked(checkBox) != checked && !ClickAndWait(checkBox, timeoutMs)) return false;
  return IsChecked(checkBox) == checked;
}

int ItemCount(HWND combo) {
  LRESULT count = SendOr(combo, CB_GETCOUNT, 0, 0, 0);
  return count < 0 ? 0 : static_cast<int>(count);
}

std::string ItemText(HWND combo, int index) {
  // The wide message: Wine hands the ANSI one's buffer back across processes
  // still in UTF-16 ("k\0H\0z\0" for "kHz").
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(combo, CB_GETLBTEXTLEN, index, 0, SMTO_NORMAL, kSendTimeoutMs, &length) ||
      static_cast<LRESULT>(length) < 0)
    return "";
  std::wstring wide(length + 1, L'\0');
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(&wide[0]), SMTO_NORMAL,
                           kSendTimeoutMs, &copied) ||
      static_cast<LRESULT>(copied) < 0)
    return "";
  wide.resize(wcslen(wide.c_str()));
  return Narrow(wide);
}

int SelectedIndex(HWND combo) { return static_cast<int>(SendOr(combo, CB_GETCURSEL, 0, 0, CB_ERR)); }

bool SelectItem(HWND combo, int index, int timeoutMs) {
  if (!Reachable(combo) || index < 0 || index >= ItemCount(combo)) return false;
  if (SendOr(combo, CB_SETCURSEL, index, 0, CB_ERR) != index) return false;
  // CB_SETCURSEL tells nobody; a user's choice also notifies the form.
  return Send(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
              reinterpret_cast<LPARAM>(combo), nullptr, static_cast<UINT>(timeoutMs));
}

bool SelectItem(HWND combo, const std::string& text, int timeoutMs) {
  for (int i = 0, count = ItemCount(combo); i < count; ++i)
    if (ItemText(combo, i) == text) return SelectItem(combo, i, timeoutMs);
  return false;
}

HWND FocusedControl(const Program& program) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(program.threadId(), &info)) return nullptr;
  return info.hwndFocus;
}

// ---- Message boxes ---------------------------------------------------------

std::optional<MessageBoxInfo> WaitForMessageBox(const Program& program, int timeoutMs) {
  std::optional<MessageBoxInfo> box;
  WaitUntil([&] { return (box = FindMessageBox(program.processId())).has_value() || !program.Running(); },
            timeoutMs);
  return box;
}

bool AnswerOk(const MessageBoxInfo& box, int timeoutMs) {
  HWND ok = GetDlgItem(box.hwnd, IDOK);
  if (!ok) ok = ControlByText(box.hwnd, "OK");
  return ok && Click(ok) && WaitForWindowGone(box.hwnd, timeoutMs);
}

bool NoMessageBox(const Program& program, int waitMs) {
  return !WaitUntil([&] { return FindMessageBox(program.processId()).has_value(); }, waitMs);
}

// ---- Pixels ----------------------------------------------------------------

int CountPixels(HWND window, COLORREF colour, int tolerance) {
  ScreenPixels image;
  if (!ReadSettledScreen(window, image)) return -1;
  auto within = [tolerance](int a, int b) { return std::abs(a - b) <= tolerance; };
  int count = 0;
  for (uint32_t pixel : image.pixels) {
    if (within(static_cast<int>((pixel >> 16) & 0xFF), GetRValue(colour)) &&
        within(static_cast<int>((pixel >> 8) & 0xFF), GetGValue(colour)) &&
        within(static_cast<int>(pixel & 0xFF), GetBValue(colour)))
      ++count;
  }
  return count;
}

bool SaveScreenshot(HWND window, const std::string& bmpPath) {
  ScreenPixels image;
  return ReadSettledScreen(window, image) && WriteBmp(image, bmpPath);
}

}  // namespace guidriver
