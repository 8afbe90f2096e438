// One top-level window made from a FormLayout: the base of every form.  The
// object arrives as the creation parameter, lives in the window's user-data
// slot, and the window procedure forwards to the small virtual OnXxx
// members.  Controls, colours, fonts, pictures and tool tips all come from
// the layout's table.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "FormLayout.h"

namespace zentrik::forms {

// Screen pixels for a length in twips, at the screen's real resolution.
int TwipsToPixelsX(int twips);
int TwipsToPixelsY(int twips);

class Form {
 public:
  explicit Form(const FormLayout& layout);
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  // Creates the window and its controls, hidden, at the layout's position.
  // Returns false when the system refuses (the form stays closed).
  bool Create();
  // Shows the form and brings it to the front.
  void Show();
  void Hide();
  // Closes as the close box does: OnClose decides, OnDestroy follows.
  void Close();

  bool IsOpen() const { return hwnd_ != nullptr; }
  bool IsVisible() const { return hwnd_ != nullptr && IsWindowVisible(hwnd_); }
  HWND hwnd() const { return hwnd_; }
  const FormLayout& layout() const { return layout_; }

  HWND Item(int id) const { return GetDlgItem(hwnd_, id); }
  std::string Text(int id) const;
  void SetText(int id, const std::string& text);
  // Text colour of a control; repaints it.
  void SetForeground(int id, Rgb colour);
  void SetBold(int id, bool bold);
  void Enable(int id, bool enabled);
  bool IsChecked(int id) const;
  void SetChecked(int id, bool checked);
  void Focus(int id);
  // Shows the hourglass over the form (true) or the normal pointer.
  void SetBusy(bool busy);

 protected:
  virtual void OnCreate() {}
  virtual void OnCommand(int /*id*/, int /*code*/) {}
  virtual void OnActivate() {}
  // Return false to keep the form open.
  virtual bool OnClose() { return true; }
  // The window and its controls are gone (IsOpen is false); the object
  // stays until its owner lets it go.
  virtual void OnDestroy() {}
  // A mouse button went down (true) or up on a clickable label.
  virtual void OnLabelMouse(int /*id*/, bool /*down*/) {}
  // Messages of a control made with SubclassControl; return true when handled.
  virtual bool OnControlMessage(int /*id*/, UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/,
                                LRESULT* /*result*/) {
    return false;
  }

  // Messages from WM_APP up, posted by the form to itself.
  virtual void OnAppMessage(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/) {}

  // Routes the control's own messages through OnControlMessage first.
  void SubclassControl(int id);
  // A tool tip for any window of the form (the form itself included).
  void AddTooltip(HWND window, const char* text);

 private:
  struct Colours {
    COLORREF foreground;
    COLORREF background;
    HBRUSH brush;
  };
  struct Picture {
    RECT rect;
    HBITMAP bitmap;
    bool clipped;
  };
  // A frame with a caption, painted by the form under its controls.
  struct Frame {
    RECT rect;
    std::string caption;
    HFONT font;
    COLORREF foreground;
    COLORREF background;
  };

  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK ControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void CreateControl(const ControlLayout& control);
  LRESULT ControlColours(HDC dc, HWND control, bool editable);
  void Paint();
  void PaintFrame(HDC dc, const Frame& frame);
  const ControlLayout* LayoutOf(int id) const;
  HBRUSH Brush(COLORREF colour);

  const FormLayout& layout_;
  HWND hwnd_ = nullptr;
  HWND tooltip_ = nullptr;
  HWND lastFocus_ = nullptr;
  COLORREF background_;
  bool busy_ = false;
  std::map<HWND, Colours> colours_;
  std::map<COLORREF, HBRUSH> brushes_;
  std::map<int, bool> bold_;
  std::vector<Picture> pictures_;
  std::vector<Frame> frames_;
};

// Runs the message loop until the last form asks to quit, with keyboard
// navigation (Tab, access keys) in every form.  An exception thrown inside
// a window procedure ends the loop and is thrown again from here.
int RunMessageLoop();

}  // namespace zentrik::forms
