#include "Form.h"

#include <commctrl.h>

#include <exception>
#include <tuple>

#include "resource.h"

namespace zentrik::forms {

namespace {

constexpr char kFormClass[] = "ZentrikForm";
constexpr char kOldProcProperty[] = "ZentrikOldProc";
constexpr char kOwnerProperty[] = "ZentrikForm";

// The first exception thrown inside a window procedure; the loop ends and
// throws it again, so none crosses back into the system.
std::exception_ptr& PendingException() {
  static std::exception_ptr pending;
  return pending;
}

int ScreenDpi(int index) {
  static int dpi[2] = {0, 0};
  int slot = index == LOGPIXELSX ? 0 : 1;
  if (dpi[slot] == 0) {
    HDC screen = GetDC(nullptr);
    dpi[slot] = screen ? GetDeviceCaps(screen, index) : 96;
    if (screen) ReleaseDC(nullptr, screen);
    if (dpi[slot] <= 0) dpi[slot] = 96;
  }
  return dpi[slot];
}

// Fonts are shared by every form and live as long as the program.
HFONT CachedFont(const Font& font, bool bold, bool underline) {
  static std::map<std::tuple<std::string, int, bool, bool>, HFONT> fonts;
  auto key = std::make_tuple(std::string(font.face), font.tenthsOfPoint, bold, underline);
  auto found = fonts.find(key);
  if (found != fonts.end()) return found->second;
  int height = -MulDiv(font.tenthsOfPoint, ScreenDpi(LOGPIXELSY), 720);
  HFONT handle = CreateFontA(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, underline, FALSE, ANSI_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH | FF_DONTCARE, font.face);
  fonts.emplace(key, handle);
  return handle;
}

HBITMAP CachedBitmap(const char* name) {
  static std::map<std::string, HBITMAP> bitmaps;
  auto found = bitmaps.find(name);
  if (found != bitmaps.end()) return found->second;
  auto bitmap = static_cast<HBITMAP>(
      LoadImageA(GetModuleHandleA(nullptr), name, IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
  bitmaps.emplace(name, bitmap);
  return bitmap;
}

COLORREF Resolve(Rgb colour, COLORREF fallback) {
  if (colour == kDefault) return fallback;
  if (colour == kSystemHighlight3D) return GetSysColor(COLOR_3DHIGHLIGHT);
  return colour;
}

bool RegisterFormClass(WNDPROC windowProc) {
  static bool registered = false;
  if (registered) return true;
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = windowProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hIcon = LoadIconA(wc.hInstance, MAKEINTRESOURCEA(IDI_ZENTRIK));
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.lpszClassName = kFormClass;
  registered = RegisterClassExA(&wc) != 0;
  return registered;
}

}  // namespace

int TwipsToPixelsX(int twips) { return MulDiv(twips, ScreenDpi(LOGPIXELSX), 1440); }
int TwipsToPixelsY(int twips) { return MulDiv(twips, ScreenDpi(LOGPIXELSY), 1440); }

Form::Form(const FormLayout& layout) : layout_(layout), background_(Resolve(layout.background, GetSysColor(COLOR_BTNFACE))) {}

Form::~Form() {
  if (hwnd_) DestroyWindow(hwnd_);
  for (auto& [colour, brush] : brushes_) DeleteObject(brush);
}

bool Form::Create() {
  if (hwnd_) return true;
  if (!RegisterFormClass(WindowProc)) return false;
  // Fixed single border, as a form that is laid out once.
  DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
  RECT frame{0, 0, TwipsToPixelsX(layout_.clientWidth), TwipsToPixelsY(layout_.clientHeight)};
  AdjustWindowRectEx(&frame, style, FALSE, 0);
  HWND window = CreateWindowExA(0, kFormClass, layout_.caption, style, TwipsToPixelsX(layout_.left),
                                TwipsToPixelsY(layout_.top), frame.right - frame.left, frame.bottom - frame.top,
                                nullptr, nullptr, GetModuleHandleA(nullptr), this);
  if (!window) return false;
  tooltip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
  if (tooltip_) SendMessageA(tooltip_, TTM_SETMAXTIPWIDTH, 0, 500);
  for (int i = 0; i < layout_.controlCount; ++i) CreateControl(layout_.controls[i]);
  OnCreate();
  return true;
}

void Form::CreateControl(const ControlLayout& c) {
  const char* className = "STATIC";
  DWORD style = WS_CHILD | WS_VISIBLE;
  DWORD exStyle = 0;
  const char* text = c.text ? c.text : "";
  bool editable = false;
  switch (c.kind) {
    case Kind::Picture: {
      RECT rect{TwipsToPixelsX(c.left), TwipsToPixelsY(c.top), TwipsToPixelsX(c.left + c.width),
                TwipsToPixelsY(c.top + c.height)};
      pictures_.push_back({rect, CachedBitmap(c.text), (c.style & kClipped) != 0});
      return;
    }
    case Kind::Label:
      style |= (c.style & kCentre) ? SS_CENTER : (c.style & kRight) ? SS_RIGHT : SS_LEFT;
      if (!(c.style & kMultiLine) && (c.style & kCentre) == 0) style |= SS_LEFTNOWORDWRAP;
      if (c.style & kNoPrefix) style |= SS_NOPREFIX;
      if (c.style & kBorder) style |= SS_SUNKEN;
      if ((c.style & kClickable) || c.tooltip) style |= SS_NOTIFY;
      break;
    case Kind::Field:
      className = "EDIT";
      style |= ES_READONLY | ES_AUTOHSCROLL;
      style |= (c.style & kCentre) ? ES_CENTER : (c.style & kRight) ? ES_RIGHT : ES_LEFT;
      exStyle |= WS_EX_CLIENTEDGE;
      break;
    case Kind::TextBox:
      className = "EDIT";
      style |= ES_AUTOHSCROLL;
      style |= (c.style & kCentre) ? ES_CENTER : (c.style & kRight) ? ES_RIGHT : ES_LEFT;
      exStyle |= WS_EX_CLIENTEDGE;
      editable = true;
      break;
    case Kind::Memo:
      className = "EDIT";
      style |= ES_MULTILINE;
      if (!(c.style & kEditable)) style |= ES_READONLY;
      editable = (c.style & kEditable) != 0;
      exStyle |= WS_EX_CLIENTEDGE;
      break;
    case Kind::Button:
      className = "BUTTON";
      style |= BS_PUSHBUTTON;
      break;
    case Kind::CheckBox:
      className = "BUTTON";
      style |= BS_AUTOCHECKBOX;
      break;
    case Kind::List:
      className = "COMBOBOX";
      style |= CBS_DROPDOWNLIST | WS_VSCROLL;
      editable = true;
      break;
    case Kind::Group: {
      // Painted by the form: a frame window would cover the controls in it.
      RECT rect{TwipsToPixelsX(c.left), TwipsToPixelsY(c.top), TwipsToPixelsX(c.left + c.width),
                TwipsToPixelsY(c.top + c.height)};
      frames_.push_back({rect, text, CachedFont(c.font, (c.style & kBold) != 0, false),
                         Resolve(c.foreground, GetSysColor(COLOR_WINDOWTEXT)), Resolve(c.background, background_)});
      return;
    }
  }
  // Overlapping siblings paint in their z-order, not over each other.
  style |= WS_CLIPSIBLINGS;
  if (c.style & kTabStop) style |= WS_TABSTOP;
  HWND control = CreateWindowExA(exStyle, className, text, style, TwipsToPixelsX(c.left), TwipsToPixelsY(c.top),
                                 TwipsToPixelsX(c.width), TwipsToPixelsY(c.height), hwnd_,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), GetModuleHandleA(nullptr),
                                 nullptr);
  if (!control) return;
  bool bold = (c.style & kBold) != 0;
  bold_[c.id] = bold;
  SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(CachedFont(c.font, bold, (c.style & kUnderline) != 0)),
               FALSE);
  COLORREF fallbackBackground = editable || c.kind == Kind::Field || c.kind == Kind::Memo
                                    ? GetSysColor(COLOR_WINDOW)
                                    : background_;
  COLORREF background = Resolve(c.background, fallbackBackground);
  colours_[control] = {Resolve(c.foreground, GetSysColor(COLOR_WINDOWTEXT)), background, Brush(background)};
  if (c.tooltip) AddTooltip(control, c.tooltip);
  if (c.kind == Kind::Label && (c.style & kClickable)) SubclassControl(c.id);
}

void Form::AddTooltip(HWND window, const char* text) {
  if (!tooltip_) return;
  TOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V1_SIZE;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = hwnd_;
  tool.uId = reinterpret_cast<UINT_PTR>(window);
  tool.lpszText = const_cast<char*>(text);
  SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

HBRUSH Form::Brush(COLORREF colour) {
  auto found = brushes_.find(colour);
  if (found != brushes_.end()) return found->second;
  HBRUSH brush = CreateSolidBrush(colour);
  brushes_.emplace(colour, brush);
  return brush;
}

const ControlLayout* Form::LayoutOf(int id) const {
  for (int i = 0; i < layout_.controlCount; ++i)
    if (layout_.controls[i].id == id) return &layout_.controls[i];
  return nullptr;
}

void Form::Show() {
  if (!hwnd_) return;
  ShowWindow(hwnd_, SW_SHOWNORMAL);
  SetForegroundWindow(hwnd_);
  BringWindowToTop(hwnd_);
}

void Form::Hide() {
  if (hwnd_) ShowWindow(hwnd_, SW_HIDE);
}

void Form::Close() {
  if (hwnd_) SendMessageA(hwnd_, WM_CLOSE, 0, 0);
}

std::string Form::Text(int id) const {
  HWND control = Item(id);
  if (!control) return std::string();
  int length = GetWindowTextLengthA(control);
  std::string text(static_cast<size_t>(length) + 1, '\0');
  int copied = GetWindowTextA(control, text.data(), length + 1);
  text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
  return text;
}

void Form::SetText(int id, const std::string& text) {
  if (HWND control = Item(id)) SetWindowTextA(control, text.c_str());
}

void Form::SetForeground(int id, Rgb colour) {
  HWND control = Item(id);
  auto found = colours_.find(control);
  if (found == colours_.end()) return;
  found->second.foreground = Resolve(colour, GetSysColor(COLOR_WINDOWTEXT));
  InvalidateRect(control, nullptr, TRUE);
}

void Form::SetBold(int id, bool bold) {
  const ControlLayout* c = LayoutOf(id);
  HWND control = Item(id);
  if (!c || !control || bold_[id] == bold) return;
  bold_[id] = bold;
  SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(CachedFont(c->font, bold, (c->style & kUnderline) != 0)),
               TRUE);
}

void Form::Enable(int id, bool enabled) {
  if (HWND control = Item(id)) EnableWindow(control, enabled);
}

bool Form::IsChecked(int id) const { return SendMessageA(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void Form::SetChecked(int id, bool checked) {
  SendMessageA(Item(id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void Form::Focus(int id) {
  if (HWND control = Item(id)) SetFocus(control);
}

void Form::SetBusy(bool busy) {
  busy_ = busy;
  SetCursor(LoadCursorA(nullptr, busy ? IDC_WAIT : IDC_ARROW));
}

void Form::SubclassControl(int id) {
  HWND control = Item(id);
  if (!control || GetPropA(control, kOldProcProperty)) return;
  SetPropA(control, kOwnerProperty, this);
  auto old = SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ControlProc));
  SetPropA(control, kOldProcProperty, reinterpret_cast<HANDLE>(old));
}

LRESULT CALLBACK Form::ControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  auto old = reinterpret_cast<WNDPROC>(GetPropA(control, kOldProcProperty));
  auto* form = static_cast<Form*>(GetPropA(control, kOwnerProperty));
  if (message == WM_NCDESTROY) {
    RemovePropA(control, kOldProcProperty);
    RemovePropA(control, kOwnerProperty);
    SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(old));
    return CallWindowProcA(old, control, message, wParam, lParam);
  }
  if (form && !PendingException()) {
    try {
      int id = GetDlgCtrlID(control);
      if (message == WM_LBUTTONDOWN) form->OnLabelMouse(id, true);
      if (message == WM_LBUTTONUP) form->OnLabelMouse(id, false);
      LRESULT result = 0;
      if (form->OnControlMessage(id, message, wParam, lParam, &result)) return result;
    } catch (...) {
      PendingException() = std::current_exception();
      PostQuitMessage(1);
    }
  }
  return CallWindowProcA(old, control, message, wParam, lParam);
}

LRESULT CALLBACK Form::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Form* form = nullptr;
  if (message == WM_NCCREATE) {
    form = static_cast<Form*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    form->hwnd_ = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
  } else {
    form = reinterpret_cast<Form*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  }
  if (!form || PendingException()) return DefWindowProcA(window, message, wParam, lParam);
  try {
    return form->HandleMessage(message, wParam, lParam);
  } catch (...) {
    PendingException() = std::current_exception();
    PostQuitMessage(1);
    return DefWindowProcA(window, message, wParam, lParam);
  }
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message >= WM_APP && message <= 0xBFFF) {
    OnAppMessage(message, wParam, lParam);
    return 0;
  }
  switch (message) {
    case WM_COMMAND:
      if (lParam != 0) OnCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_ACTIVATE:
      // As a dialog does: the control that had the focus gets it back.
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(hwnd_, focus)) lastFocus_ = focus;
      } else {
        OnActivate();
        if (!hwnd_ || HIWORD(wParam)) return 0;  // closed meanwhile, or minimised
        HWND focus = lastFocus_ && IsWindow(lastFocus_) && IsChild(hwnd_, lastFocus_)
                         ? lastFocus_
                         : GetNextDlgTabItem(hwnd_, nullptr, FALSE);
        if (focus) SetFocus(focus);
      }
      return 0;
    case WM_CLOSE:
      if (OnClose()) DestroyWindow(hwnd_);
      return 0;
    case WM_NCDESTROY:
      // The window and its controls are gone: the form counts as closed
      // before its owner hears of it.
      SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
      hwnd_ = nullptr;
      tooltip_ = nullptr;
      lastFocus_ = nullptr;
      colours_.clear();
      OnDestroy();
      return 0;
    case WM_ERASEBKGND: {
      RECT client;
      GetClientRect(hwnd_, &client);
      FillRect(reinterpret_cast<HDC>(wParam), &client, Brush(background_));
      return 1;
    }
    case WM_PAINT:
      Paint();
      return 0;
    case WM_SETCURSOR:
      if (busy_) {
        SetCursor(LoadCursorA(nullptr, IDC_WAIT));
        return TRUE;
      }
      break;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return ControlColours(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), false);
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      return ControlColours(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), true);
  }
  return DefWindowProcA(hwnd_, message, wParam, lParam);
}

LRESULT Form::ControlColours(HDC dc, HWND control, bool editable) {
  auto found = colours_.find(control);
  if (found == colours_.end()) {
    // The drop-down part of a list, or a control the table does not know.
    return DefWindowProcA(hwnd_, editable ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                          reinterpret_cast<LPARAM>(control));
  }
  SetTextColor(dc, found->second.foreground);
  SetBkColor(dc, found->second.background);
  return reinterpret_cast<LRESULT>(found->second.brush);
}

void Form::Paint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(hwnd_, &paint);
  HDC memory = CreateCompatibleDC(dc);
  for (const Picture& picture : pictures_) {
    BITMAP info;
    if (!picture.bitmap || !GetObjectA(picture.bitmap, sizeof info, &info)) continue;
    HGDIOBJ old = SelectObject(memory, picture.bitmap);
    int width = picture.rect.right - picture.rect.left;
    int height = picture.rect.bottom - picture.rect.top;
    SetStretchBltMode(dc, HALFTONE);
    if (picture.clipped) {
      // Natural size at this resolution, cut to the rectangle.
      int naturalWidth = MulDiv(info.bmWidth, ScreenDpi(LOGPIXELSX), 96);
      int naturalHeight = MulDiv(info.bmHeight, ScreenDpi(LOGPIXELSY), 96);
      int saved = SaveDC(dc);
      IntersectClipRect(dc, picture.rect.left, picture.rect.top, picture.rect.right, picture.rect.bottom);
      StretchBlt(dc, picture.rect.left, picture.rect.top, naturalWidth, naturalHeight, memory, 0, 0, info.bmWidth,
                 info.bmHeight, SRCCOPY);
      RestoreDC(dc, saved);
    } else {
      StretchBlt(dc, picture.rect.left, picture.rect.top, width, height, memory, 0, 0, info.bmWidth, info.bmHeight,
                 SRCCOPY);
    }
    SelectObject(memory, old);
  }
  DeleteDC(memory);
  for (const Frame& frame : frames_) PaintFrame(dc, frame);
  EndPaint(hwnd_, &paint);
}

void Form::PaintFrame(HDC dc, const Frame& frame) {
  HGDIOBJ oldFont = SelectObject(dc, frame.font);
  TEXTMETRICA metrics;
  GetTextMetricsA(dc, &metrics);
  RECT edge = frame.rect;
  edge.top += metrics.tmHeight / 2;
  RECT inside = edge;
  InflateRect(&inside, -2, -2);
  FillRect(dc, &inside, Brush(frame.background));
  DrawEdge(dc, &edge, EDGE_ETCHED, BF_RECT);
  SetTextColor(dc, frame.foreground);
  SetBkColor(dc, frame.background);
  SetBkMode(dc, OPAQUE);
  std::string caption = " " + frame.caption + " ";
  TextOutA(dc, frame.rect.left + metrics.tmAveCharWidth, frame.rect.top, caption.c_str(),
           static_cast<int>(caption.size()));
  SelectObject(dc, oldFont);
}

int RunMessageLoop() {
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    char className[32] = "";
    if (root) GetClassNameA(root, className, sizeof className);
    // Tab, Shift+Tab and the access keys move between a form's controls.
    if (root && lstrcmpA(className, kFormClass) == 0 && IsDialogMessageA(root, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  if (PendingException()) {
    std::exception_ptr pending = PendingException();
    PendingException() = nullptr;
    std::rethrow_exception(pending);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace zentrik::forms
