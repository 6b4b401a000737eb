// Numbers in texts, the same under every locale: the C conversions with '.' as the
// only decimal separator, built on from_chars / to_chars (printf and atof follow the
// locale that the window toolkit sets at start).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// C atof: leading white space, sign, digits, fraction, exponent, "inf"/"nan";
// 0 when no number leads the text; overflow gives an infinity, underflow 0 or a
// denormal. Hexadecimal text reads as its leading 0.
double textToDouble(std::string_view s);

// C text-to-integer: leading white space, sign, digits; 0 when none; saturates
// at the 32-bit range.
int textToInt(std::string_view s);

// The record's number rule: every ',' of the field becomes '.', in the field
// itself, and the text is then read by textToDouble.
double number(std::string& field);

// A field whose text is not wholly a number after the comma rule ("abc", "5O",
// "1,2,3", "12 мм"): the value it reads as. Empty fields and numbers (blanks around
// them allowed) give nothing.
std::optional<double> misread(std::string_view field);

// A catalogue value: the whole text a decimal number ('.' or ',' as the separator, a
// leading '-' allowed, no blanks), and its value; nothing otherwise.
std::optional<double> wholeNumber(std::string_view text);

// The shortest text that reads back as v, with '.' ("5", "1.2", "1e+300").
std::string shortest(double v);

// printf "%.Nf" with '.' (exact halves to even, as the C library rounds).
std::string fixed(double v, int decimals);

}  // namespace velmora
