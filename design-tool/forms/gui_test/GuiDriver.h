// Drives a Win32 GUI program from a test the way a user would: finds its
// forms by caption, types into boxes, clicks, picks list entries, reads
// texts, answers message boxes and looks at what is drawn on the screen.
//
// The program runs as a separate process; every call here works across
// processes.  Waits poll every 50 ms up to a deadline and never sleep a
// fixed time.  Click posts its message and returns at once, since a click
// may open a modal box; clicks reach the program in the order they were
// posted, but reads overtake them, so wait for the effect you expect
// (WaitUntil, WaitForMessageBox) before reading.  Everything else returns
// once the program has handled it.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

namespace guidriver {

// How long the waits below allow by default, in milliseconds.
inline constexpr int kDefaultTimeoutMs = 5000;

// Calls condition every 50 ms until it returns true (then true) or
// timeoutMs have passed (then false, after one last try).
bool WaitUntil(const std::function<bool()>& condition, int timeoutMs = kDefaultTimeoutMs);

// "Z:\work\x.exe" for "/work/x.exe": Wine maps the Unix root to drive Z:.
// Any other path comes back unchanged.
std::string WindowsPath(const std::string& path);

// True when an X display is available to Wine (DISPLAY is set).  GUI tests
// skip with a printed reason otherwise.
bool HaveDisplay();

// A program under test.  The destructor ends it, whatever state it is in; it
// also runs in a job that the system ends when the test process dies.
//
// Programs of different test processes take turns: Start waits (up to two
// minutes) until no other test process has a Program, so that parallel
// tests neither steal each other's focus nor cover each other's windows.
// The turn is held per thread; start and end the Programs of a test process
// on one thread.
class Program {
 public:
  Program() = default;
  ~Program() { Terminate(); }
  Program(Program&& other) noexcept;
  Program& operator=(Program&& other) noexcept;
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // Starts exePath with args appended to its command line as they are (quote
  // them yourself), once it is this test process's turn.  False, with
  // GetLastError set, if it could not start (ERROR_TIMEOUT: no turn came).
  bool Start(const std::string& exePath, const std::string& args = "");
  DWORD processId() const { return processId_; }
  DWORD threadId() const { return threadId_; }  // the main thread, which runs the forms
  // Waits up to timeoutMs for the program to end: its exit code, or
  // STILL_ACTIVE if it still runs (or never started).
  DWORD Wait(int timeoutMs);
  bool Running() const;
  // Ends the program (exit code 1), waits until it is gone and gives up the
  // turn.  Does nothing when none was started.
  void Terminate();

 private:
  bool TakeTurn();

  HANDLE turn_ = nullptr;  // a mutex shared by all test processes
  HANDLE process_ = nullptr;
  HANDLE job_ = nullptr;
  DWORD processId_ = 0;
  DWORD threadId_ = 0;
};

// ---- Windows and controls -------------------------------------------------

// The first visible top-level window of the program whose caption is exactly
// caption, once one appears; nullptr if none did within timeoutMs or the
// program ended.
HWND WaitForWindow(const Program& program, const std::string& caption, int timeoutMs = kDefaultTimeoutMs);
// Whether the program runs, then one line for each of its top-level windows:
// caption, class and whether it is shown.  For failure messages.
std::string DescribeWindows(const Program& program);
// True once the window is destroyed or hidden; false if it is still shown
// after timeoutMs.
bool WaitForWindowGone(HWND window, int timeoutMs = kDefaultTimeoutMs);
// Exists and is visible, and so are all its parents.
bool IsShown(HWND window);
// Exists and is not disabled itself (its form may be).
bool IsEnabled(HWND window);

// The child with this control id, or nullptr.
HWND Control(HWND form, int id);
// The first child (at any depth, in creation order) whose text is exactly
// text, access-key ampersand included ("&Go"); nullptr if none.
HWND ControlByText(HWND form, const std::string& text);

// The window's text as WM_GETTEXT gives it: the contents of a box, the
// caption of a label, button or form, the chosen entry of a drop-down list.
// Empty if the window is gone or does not answer.
std::string Text(HWND window);
// Replaces the text, as the program itself would (the box's change
// notification fires; no key filter sees it).
void SetText(HWND window, const std::string& text);
// Selects all of a box's text, so that typing replaces it.
void SelectAll(HWND edit);
// Types the characters one WM_CHAR at a time at the box's caret, through any
// key filter the program has; returns once the box has handled every one.
// '\b' is backspace.
//
// TypeChars and the clicks and choices below act only on a control a user
// could reach: shown, and neither it nor its form disabled (a form is
// disabled while it owns a modal box).  They return false and do nothing
// otherwise, since the messages themselves would get through regardless.
bool TypeChars(HWND edit, const std::string& chars);

// ---- Buttons, check boxes, lists ------------------------------------------

// Clicks the button (BM_CLICK, which also gives it the focus) and returns at
// once: the click may open a modal box, which would block a sent message.
bool Click(HWND button);
// Clicks and waits until the program has handled the click.  False if the
// button cannot be reached or the handling took longer than timeoutMs, e.g.
// because the click opened a modal box (which is then up).
bool ClickAndWait(HWND button, int timeoutMs = kDefaultTimeoutMs);
bool IsChecked(HWND checkBox);
// Clicks the check box if its state differs from checked and waits until the
// form has handled the click.  True when the box then shows that state.
bool SetChecked(HWND checkBox, bool checked, int timeoutMs = kDefaultTimeoutMs);

// A drop-down list's entries.  ItemText is empty for an index out of range;
// SelectedIndex is -1 when nothing is chosen.
int ItemCount(HWND combo);
std::string ItemText(HWND combo, int index);
int SelectedIndex(HWND combo);
// Chooses an entry as a user would: the list selects it, then its form gets
// CBN_SELCHANGE; waits until the form has handled that.  False if there is
// no such entry, or the form took longer than timeoutMs (if its handler
// opened a modal box, the box is up).
bool SelectItem(HWND combo, int index, int timeoutMs = kDefaultTimeoutMs);
bool SelectItem(HWND combo, const std::string& text, int timeoutMs = kDefaultTimeoutMs);

// The control with the keyboard focus in the program's main thread, or
// nullptr if it has none.  The focus settles a moment after a form shows or
// a box closes, so compare it inside WaitUntil.
HWND FocusedControl(const Program& program);

// ---- Message boxes ---------------------------------------------------------

struct MessageBoxInfo {
  HWND hwnd = nullptr;
  std::string title;
  std::string text;      // as passed to MessageBoxA, "\r\n" line breaks included
  bool hasIcon = false;  // shows an icon (MB_ICONINFORMATION and the like)
};

// The first visible dialog (class "#32770") of the program, once one
// appears; empty if none did within timeoutMs or the program ended.
std::optional<MessageBoxInfo> WaitForMessageBox(const Program& program, int timeoutMs = kDefaultTimeoutMs);
// Clicks the box's OK button and waits until the box is gone; false if it
// has no OK button or is still there after timeoutMs.
bool AnswerOk(const MessageBoxInfo& box, int timeoutMs = kDefaultTimeoutMs);
// True if no dialog of the program shows during waitMs.
bool NoMessageBox(const Program& program, int waitMs);

// ---- Pixels ----------------------------------------------------------------

// Both read the screen as it is, once it holds still for 50 ms (at most a
// second): whatever covers the window is read instead of it, and a window
// not yet painted shows nothing, so wait for what you expect with WaitUntil.
// Without a window manager (and outside a Wine virtual desktop) a form has
// no caption or frame on the screen; its rectangle then shows the screen's
// ground around the client area.

// Counts the pixels of the window's rectangle (frame and caption included
// for a form) whose red, green and blue each lie within tolerance of
// colour's.  -1 if the screen cannot be read.
int CountPixels(HWND window, COLORREF colour, int tolerance = 40);
// Saves the window's rectangle (nullptr: the whole screen) as a 24-bit
// .bmp.  False if the screen cannot be read or the file written.
bool SaveScreenshot(HWND window, const std::string& bmpPath);

}  // namespace guidriver
