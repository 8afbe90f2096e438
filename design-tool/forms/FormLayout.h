// Forms as data: every form of the program is a table of controls with
// positions in twips (1/1440 inch), captions, tool tips, colours and fonts.
// No system header, so the tables can be checked by a native test.
#pragma once

#include <cstdint>

namespace zentrik::forms {

// A colour as 0x00BBGGRR, the layout of a Windows COLORREF.
using Rgb = uint32_t;
constexpr Rgb MakeRgb(int r, int g, int b) {
  return static_cast<Rgb>(r) | (static_cast<Rgb>(g) << 8) | (static_cast<Rgb>(b) << 16);
}

inline constexpr Rgb kBlack = MakeRgb(0, 0, 0);
inline constexpr Rgb kWhite = MakeRgb(255, 255, 255);
inline constexpr Rgb kNavy = MakeRgb(0, 0, 128);
inline constexpr Rgb kDarkBlue = MakeRgb(0, 0, 192);
inline constexpr Rgb kBlue = MakeRgb(0, 0, 255);
inline constexpr Rgb kRed = MakeRgb(255, 0, 0);
inline constexpr Rgb kYellow = MakeRgb(255, 255, 0);
inline constexpr Rgb kLightGrey = MakeRgb(224, 224, 224);
inline constexpr Rgb kSilver = MakeRgb(192, 192, 192);
inline constexpr Rgb kLightCyan = MakeRgb(192, 255, 255);
// The system's 3-D highlight colour, looked up when the form is made.
inline constexpr Rgb kSystemHighlight3D = 0xFF000001;
// No colour of its own: the form's ground, or the control's system colour.
inline constexpr Rgb kDefault = 0xFF000000;

enum class Kind {
  Label,          // static text
  Field,          // read-only single-line box (a display field)
  TextBox,        // editable single-line box
  Memo,           // multi-line box (read-only unless Style::Editable)
  Button,         // push button
  CheckBox,
  List,           // drop-down list that takes no typing
  Group,          // frame with a caption around other controls
  Picture,        // a bitmap resource drawn into the rectangle
};

// Style bits.
enum Style : uint32_t {
  kLeft = 0,
  kCentre = 1u << 0,
  kRight = 1u << 1,
  kBold = 1u << 2,
  kBorder = 1u << 3,      // a sunken border round a label
  kTabStop = 1u << 4,
  kClickable = 1u << 5,   // a label that reports mouse presses
  kMultiLine = 1u << 6,   // a label or field that wraps its text
  kEditable = 1u << 7,    // a memo that accepts typing
  kNoPrefix = 1u << 8,    // "&" in the text is an ampersand, not an access key
  kUnderline = 1u << 9,
  kClipped = 1u << 10,    // a picture drawn at its natural size, cut to the rectangle
};

struct Font {
  const char* face;
  int tenthsOfPoint;  // 98 for 9.75 pt (rounded to tenths), 80 for 8 pt
};

inline constexpr Font kArial8{"Arial", 80};
inline constexpr Font kArial9{"Arial", 90};
inline constexpr Font kArial10{"Arial", 98};  // 9.75 pt
inline constexpr Font kArial12{"Arial", 120};
inline constexpr Font kArial18{"Arial", 180};
inline constexpr Font kCourier9{"Courier New", 90};

struct ControlLayout {
  int id;
  Kind kind;
  int left, top, width, height;  // twips, in the form's client area
  const char* text;              // caption or initial text; bitmap name for a picture
  const char* tooltip = nullptr;
  Rgb foreground = kDefault;
  Rgb background = kDefault;
  Font font = kArial8;
  uint32_t style = kLeft;
};

struct FormLayout {
  const char* name;     // the form's own name, e.g. "frmResult"
  const char* caption;  // window caption
  int clientWidth, clientHeight;  // twips
  int left, top;        // screen position of the window, twips
  Rgb background;
  const ControlLayout* controls;
  int controlCount;
};

template <int N>
constexpr FormLayout MakeForm(const char* name, const char* caption, int width, int height, int left, int top,
                            Rgb background, const ControlLayout (&controls)[N]) {
  return FormLayout{name, caption, width, height, left, top, background, controls, N};
}

}  // namespace zentrik::forms
