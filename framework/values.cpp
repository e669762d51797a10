#include "framework/values.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>
#include <random>

namespace fw {

std::string Str(long long n) { return std::to_string(n); }

double Val(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  // Digits are accumulated as a mantissa and a decimal exponent so that no
  // intermediate step can overflow; strtod-like parsing is done at the end.
  std::string digits;
  long long exponent = 0;
  bool seenDigit = false;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
    digits += text[i++];
    seenDigit = true;
  }
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
      digits += text[i++];
      --exponent;
      seenDigit = true;
    }
  }
  if (!seenDigit) return 0.0;
  if (i + 1 < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    bool expNegative = false;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
      expNegative = text[j] == '-';
      ++j;
    }
    if (j < text.size() && text[j] >= '0' && text[j] <= '9') {
      long long e = 0;
      while (j < text.size() && text[j] >= '0' && text[j] <= '9') {
        e = std::min<long long>(e * 10 + (text[j] - '0'), 100000);
        ++j;
      }
      exponent += expNegative ? -e : e;
    }
  }
  std::string literal = digits + "e" + std::to_string(exponent);
  double value = std::strtod(literal.c_str(), nullptr);  // gives HUGE_VAL or 0 at the ends, never UB
  if (std::isinf(value)) value = std::numeric_limits<double>::max();
  return negative ? -value : value;
}

int toInt(double value) {
  if (std::isnan(value)) return 0;
  double t = std::trunc(value);
  if (t >= static_cast<double>(std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
  if (t <= static_cast<double>(std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
  return static_cast<int>(t);
}

namespace {
std::mt19937_64& generator() {
  static std::mt19937_64 gen(static_cast<std::uint64_t>(
      std::chrono::high_resolution_clock::now().time_since_epoch().count()));
  return gen;
}
}  // namespace

double Rnd() {
  // 53 random bits scaled by 2^-53: the largest result is 1 - 2^-53, never 1.
  return static_cast<double>(generator()() >> 11) * 0x1.0p-53;
}

void seedRnd(std::uint64_t seed) { generator().seed(seed); }

double Min(std::initializer_list<double> values) {
  return values.size() == 0 ? 0.0 : *std::min_element(values.begin(), values.end());
}

}  // namespace fw
