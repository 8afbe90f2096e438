#include "Numbers.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace zentrik {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the leading decimal-number run of `text` (digits, at most one
// point); `digits` receives whether the run holds at least one digit.
size_t DecimalRunLength(std::string_view text, bool* digits) {
  size_t i = 0;
  bool point = false;
  *digits = false;
  for (; i < text.size(); ++i) {
    if (IsDigit(text[i])) {
      *digits = true;
    } else if (text[i] == '.' && !point) {
      point = true;
    } else {
      break;
    }
  }
  return i;
}

// Splits a double into the exact product hi + lo of a * b (Dekker's
// algorithm, plain double arithmetic so that no fused multiply-add or
// library routine is needed).
void ExactProduct(double a, double b, double* hi, double* lo) {
  constexpr double kSplitter = 134217729.0;  // 2^27 + 1
  double p = a * b;
  double ta = kSplitter * a;
  double aHi = ta - (ta - a);
  double aLo = a - aHi;
  double tb = kSplitter * b;
  double bHi = tb - (tb - b);
  double bLo = b - bHi;
  *hi = p;
  *lo = ((aHi * bHi - p) + aHi * bLo + aLo * bHi) + aLo * bLo;
}

}  // namespace

std::string Trim(std::string_view text) {
  size_t begin = text.find_first_not_of(' ');
  if (begin == std::string_view::npos) return std::string();
  size_t end = text.find_last_not_of(' ');
  return std::string(text.substr(begin, end - begin + 1));
}

double LeadingNumber(std::string_view text) {
  size_t start = text.find_first_not_of(' ');
  if (start == std::string_view::npos) return 0;
  text.remove_prefix(start);
  bool digits = false;
  size_t length = DecimalRunLength(text, &digits);
  if (!digits) return 0;
  // A trailing point ("5.") is not part of what from_chars reads.
  double value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + length, value,
                                      std::chars_format::fixed);
  if (error == std::errc::result_out_of_range) {
    // from_chars leaves the value alone when it does not fit: decide by
    // whether the digits before the point are all zeros (underflow) or not.
    std::string_view whole = text.substr(0, text.find('.'));
    bool zeroWhole = whole.find_first_not_of('0') == std::string_view::npos;
    return zeroWhole ? 0.0 : std::numeric_limits<double>::infinity();
  }
  (void)end;
  return value;
}

bool IsDecimalNumberText(std::string_view text) {
  std::string trimmed = Trim(text);
  bool digits = false;
  size_t length = DecimalRunLength(trimmed, &digits);
  return digits && length == trimmed.size();
}

double RoundHalfEven(double value, int decimals) {
  if (!std::isfinite(value) || decimals < 0 || decimals > 22) return value;
  double scale = 1;
  for (int i = 0; i < decimals; ++i) scale *= 10;  // exact up to 1e22
  // value * scale = p + err exactly.  Rounding is monotone, so comparing the
  // rounded product p with the halfway point decides unless p lies on it;
  // then the sign of the tiny remainder err decides, and only err == 0 is a
  // true tie.
  double p, err;
  ExactProduct(value, scale, &p, &err);
  if (!std::isfinite(p) || std::fabs(p) >= 4503599627370496.0) return value;  // 2^52: no fraction left
  double low = std::floor(p);
  double half = low + 0.5;
  double rounded;
  if (p > half || (p == half && err > 0)) {
    rounded = low + 1;
  } else if (p < half || (p == half && err < 0)) {
    rounded = low;
  } else {
    rounded = std::fmod(low, 2.0) == 0 ? low : low + 1;
  }
  if (rounded == 0) return std::signbit(value) ? -0.0 : 0.0;
  return rounded / scale;
}

std::string NumberText(double value, char separator) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value < 0 ? "-Infinity" : "Infinity";
  if (value == 0) return "0";

  // "%.14e" rounds the exact value to 15 significant digits: d.dddddddddddddde±x.
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.14e", std::fabs(value));
  std::string text(buffer);
  size_t e = text.find('e');
  std::string digits = text.substr(0, 1) + text.substr(2, e - 2);
  int exponent = std::atoi(text.c_str() + e + 1);
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

  std::string out = value < 0 ? "-" : "";
  if (exponent >= -4 && exponent < 15) {
    if (exponent < 0) {
      out += '0';
      out += separator;
      out.append(static_cast<size_t>(-exponent - 1), '0');
      out += digits;
    } else {
      size_t whole = static_cast<size_t>(exponent) + 1;
      if (digits.size() <= whole) {
        out += digits;
        out.append(whole - digits.size(), '0');
      } else {
        out += digits.substr(0, whole);
        out += separator;
        out += digits.substr(whole);
      }
    }
    return out;
  }
  out += digits.substr(0, 1);
  if (digits.size() > 1) {
    out += separator;
    out += digits.substr(1);
  }
  char exponentText[16];
  std::snprintf(exponentText, sizeof exponentText, "E%c%02d", exponent < 0 ? '-' : '+',
                exponent < 0 ? -exponent : exponent);
  return out + exponentText;
}

}  // namespace zentrik
