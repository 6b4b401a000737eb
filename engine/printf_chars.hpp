// The three number conversions of numtext.cpp built on the C library alone, for
// standard libraries without from_chars / to_chars for double (the WebAssembly
// build's). Same results as those: correctly rounded both ways.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmora::printf_chars {

// A decimal number as decimalLength() delimits it ("12.5e-3"); out of range gives an
// infinity or 0, as from_chars' result_out_of_range path does.
double parse(std::string_view num);

// from_chars(general) over the whole text: the value when all of `text` is one
// decimal number (an optional '-', digits with an optional fraction and exponent),
// out of range as an infinity or 0; nothing otherwise.
std::optional<double> parseWhole(std::string_view text);

// to_chars(v): the fewest significant digits that read back as v, in fixed or
// scientific form, whichever is shorter (fixed on a tie). v finite.
std::string shortest(double v);

// to_chars(v, fixed, decimals), which is printf "%.*f". v finite.
std::string fixed(double v, int decimals);

}  // namespace velmora::printf_chars
