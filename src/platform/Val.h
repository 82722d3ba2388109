#pragma once

#include <QStringView>
#include <cstdint>

// The number at the start of a text: leading blanks are skipped, then an optional sign,
// digits with an optional fraction and exponent. Text that does not begin with a number
// gives 0 ("abc", "", "0x40" reads as 0). Hexadecimal, "inf" and "nan" are never numbers.
// A value too large for a double gives plus or minus infinity.
double Val(QStringView text);

// A whole number from a double: the fraction is cut off, NaN gives 0, and values outside
// [lo, hi] are clamped, so huge or infinite input never reaches integer conversion.
std::int64_t toClampedInt(double value, std::int64_t lo, std::int64_t hi);
