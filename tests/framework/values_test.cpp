#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "framework/color.h"
#include "framework/values.h"

namespace {

TEST(Val, ReadsTheLeadingNumber) {
  struct Case {
    const char* text;
    double expected;
  } cases[] = {
      {"", 0},         {"abc", 0},      {"12", 12},        {"12abc", 12},    {"  7", 7},
      {"-5", -5},      {"+3", 3},       {"3.75", 3.75},    {"1e3", 1000},    {"2E-2", 0.02},
      {"1e", 1},       {".5", 0.5},     {"-", 0},          {"0060", 60},     {"21\r", 21},
      {"NaN", 0},      {"inf", 0},      {"1,5", 1},        {"\t9 x", 9},
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(fw::Val(c.text), c.expected) << '"' << c.text << '"';
}

TEST(Val, SaturatesInsteadOfOverflowing) {
  EXPECT_EQ(fw::toInt(fw::Val("99999999999")), std::numeric_limits<int>::max());
  EXPECT_EQ(fw::toInt(fw::Val("-99999999999")), std::numeric_limits<int>::min());
  EXPECT_EQ(fw::Val("1e400"), std::numeric_limits<double>::max());
  EXPECT_EQ(fw::Val("-1e400"), -std::numeric_limits<double>::max());
  EXPECT_EQ(fw::Val("1e-400"), 0.0);
  EXPECT_EQ(fw::toInt(fw::Val("1e99999999999999999999")), std::numeric_limits<int>::max());
  EXPECT_EQ(fw::toInt(fw::Val(std::string(5000, '9'))), std::numeric_limits<int>::max());
}

TEST(ToInt, TruncatesTowardZero) {
  EXPECT_EQ(fw::toInt(9.99), 9);
  EXPECT_EQ(fw::toInt(-9.99), -9);
  EXPECT_EQ(fw::toInt(std::nan("")), 0);
  EXPECT_EQ(fw::toInt(49.0 * (32.0 / 49.0)), 31);  // just below 32 in double arithmetic
}

TEST(Str, WritesPlainDecimalDigits) {
  EXPECT_EQ(fw::Str(0), "0");
  EXPECT_EQ(fw::Str(21), "21");
  EXPECT_EQ(fw::Str(-4), "-4");
  EXPECT_EQ(fw::toInt(fw::Val(fw::Str(2147483647))), 2147483647);
}

TEST(Rnd, StaysBelowOneAndRepeatsWithItsSeed) {
  fw::seedRnd(7);
  double first[5];
  for (double& r : first) r = fw::Rnd();
  fw::seedRnd(7);
  for (double r : first) EXPECT_EQ(fw::Rnd(), r);
  double lowest = 1, highest = 0;
  for (int i = 0; i < 200000; ++i) {
    double r = fw::Rnd();
    ASSERT_GE(r, 0.0);
    ASSERT_LT(r, 1.0);
    lowest = std::min(lowest, r);
    highest = std::max(highest, r);
    // Scaled and truncated as the game does, a card number never exceeds 40.
    ASSERT_LE(static_cast<int>(r * 40 + 1), 40);
  }
  EXPECT_LT(lowest, 0.001);
  EXPECT_GT(highest, 0.999);
}

TEST(Min, TakesTheSmallest) { EXPECT_EQ(fw::Min({110, 376.0 / 4, 200}), 94); }

TEST(Colors, HsvFollowsTheStandardConversion) {
  struct Case {
    double h, s, v;
    fw::Color rgb;
  } cases[] = {
      {0.25, 0.15, 0.55, {130, 140, 119}}, {0.25, 0.15, 0.35, {83, 89, 76}},
      {0.25, 0.15, 0.8, {189, 204, 173}},  {0.25, 0.15, 0.5, {118, 128, 108}},
      {0, 1, 1, {255, 0, 0}},              {0.5, 0.15, 0.6, {130, 153, 153}},
      {0.15, 0.15, 1.0, {255, 250, 217}},  {1.0, 1.0, 1.0, {255, 0, 0}},
  };
  for (const auto& c : cases) {
    fw::Color got = fw::HSV(c.h, c.s, c.v);
    EXPECT_NEAR(got.r, c.rgb.r, 1) << c.h << "," << c.s << "," << c.v;
    EXPECT_NEAR(got.g, c.rgb.g, 1) << c.h << "," << c.s << "," << c.v;
    EXPECT_NEAR(got.b, c.rgb.b, 1) << c.h << "," << c.s << "," << c.v;
  }
  EXPECT_EQ(fw::RGB(300, -1, 7), (fw::Color{255, 0, 7}));
  EXPECT_EQ(fw::hex(0xA3CC8E), (fw::Color{0xA3, 0xCC, 0x8E}));
}

}  // namespace
