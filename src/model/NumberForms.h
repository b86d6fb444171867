#pragma once
// The two ways a track file writes a number, and the print zones that lay
// fields out on a line. The game reads these texts, so they never depend on
// the locale.

#include <cstdint>
#include <string>

namespace td {

// Width of one print zone: field n of a line starts at column 1 + 14 * n.
constexpr int PrintZoneWidth = 14;

// Text form of a single: 7 significant digits, no trailing zeros, "E+07"
// style exponents when the decimal exponent is >= 7 or < -4.
void AppendSingleText(std::string& out, float value);
std::string SingleText(float value);

// Text form of an integer: plain decimal.
void AppendIntText(std::string& out, std::int64_t value);

// Number form: a blank (or "-"), the digits, a trailing blank.
void AppendIntNumber(std::string& out, std::int64_t value);
std::string IntNumber(std::int64_t value);

// Pads the line that starts at `lineStart` in `out` with blanks up to the
// start of the next print zone. A field never fills a whole zone, so at
// least one blank is always added.
void PadToNextZone(std::string& out, std::size_t lineStart);

} // namespace td
