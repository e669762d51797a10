// Number and text conversions and the random source the game relies on.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace fw {

// Plain decimal digits, with a minus sign when negative.
std::string Str(long long n);

// The leading number of a text ("12abc" gives 12, "" or "abc" gives 0).
// Leading blanks are skipped; a sign, a fraction and an exponent are read.
// Results beyond a double's range saturate instead of overflowing.
double Val(std::string_view text);

// A real made an Int32 by truncation toward zero; out of range saturates, NaN gives 0.
int toInt(double value);

// A random fraction, 0 <= r < 1. Seeded from the clock at start.
double Rnd();
void seedRnd(std::uint64_t seed);

double Min(std::initializer_list<double> values);

}  // namespace fw
