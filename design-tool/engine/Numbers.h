// Number reading, rounding and number texts shared by the design engine and
// every place that shows a design.  No system headers: the same code runs in
// the Windows program, the command-line designer and the native tests.
#pragma once

#include <string>
#include <string_view>

namespace zentrik {

// The text with leading and trailing blanks removed (blanks are spaces only,
// as in the input boxes, whose key filter lets no other white space in).
std::string Trim(std::string_view text);

// Value of the longest run at the start of `text`, after any leading blanks,
// that forms a decimal number: digits with at most one "." as the decimal
// point, whatever the regional settings say.  The rest of the text is
// ignored ("1.2.3" gives 1.2); no such run ("", ".", "abc") gives 0.  There
// is no sign and no exponent.  A run too long for a double gives infinity.
double LeadingNumber(std::string_view text);

// True when the trimmed text is a decimal number and nothing else: digits
// with at most one point and at least one digit ("12", ".5", "5.", "007").
// "", ".", "1.2.3" and "12a" are not.
bool IsDecimalNumberText(std::string_view text);

// Rounds `value` to `decimals` decimal places (0 to 22).  The exact binary
// value decides: only a double that is exactly halfway goes to the even
// digit (62.5 -> 62, 63.5 -> 64, 0.125 -> 0.12), while 2.675, stored just
// below itself, gives 2.67.  Infinities and NaN come back unchanged.
double RoundHalfEven(double value, int decimals = 0);

// The default text of a number: 15 significant digits, trailing zeros and a
// trailing separator removed ("2.5", "3", "0.3", 0.3 * 100 -> "30"); plain
// digits for magnitudes from 1e-4 up to (not including) 1e15, otherwise a
// mantissa in the same form, "E", a sign and at least two exponent digits
// ("1E+15", "1.5E-05").  `separator` is the decimal separator to use.
// Non-finite values read "Infinity", "-Infinity" or "NaN".
std::string NumberText(double value, char separator = '.');

}  // namespace zentrik
