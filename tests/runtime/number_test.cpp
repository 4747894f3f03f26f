#include "runtime/number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "runtime/error.h"

namespace mirl::rt::num {
namespace {

// ---- reading ---------------------------------------------------------------

TEST(NumberParse, DecimalCommaAndGroupSeparators) {
  const std::vector<std::pair<const char*, double>> cases = {
      {"0", 0},           {"12", 12},          {"12,5", 12.5},       {",5", 0.5},
      {"5,", 5},          {"1.234,5", 1234.5}, {"1.2.3", 123},       {"12.34", 1234},
      {"  7,25\t", 7.25}, {"+3", 3},           {"-3,5", -3.5},       {"-,5", -0.5},
      {"007", 7},         {"0,1", 0.1},        {"77.777,00", 77777},
  };
  for (const auto& [text, expected] : cases) {
    auto v = parse(text);
    ASSERT_TRUE(v.has_value()) << text;
    EXPECT_EQ(*v, expected) << text;
  }
}

TEST(NumberParse, NotANumber) {
  for (const char* text :
       {"",   " ",    ",",   ".",    "-",   "+",   "1,2,3", "1,2.3", "abc", "1e3", "12a",  ".5",
        "5.", "1..2", "-.5", "1,.5", "1 2", "--1", "0x10",  "5 %",   "inf", "nan", "1,5e2"}) {
    EXPECT_FALSE(parse(text).has_value()) << '"' << text << '"';
    EXPECT_FALSE(isNumeric(text)) << text;
  }
}

TEST(NumberParse, CorrectlyRoundedAndExtremeMagnitudes) {
  EXPECT_EQ(*parse("0,1"), 0.1);
  EXPECT_EQ(*parse("2,675"), 2.675);
  EXPECT_EQ(*parse("9007199254740993"), 9007199254740992.0);  // tie to even
  EXPECT_EQ(*parse("1" + std::string(300, '0')), 1e300);
  EXPECT_FALSE(parse("1" + std::string(400, '0')).has_value());  // too large
  EXPECT_EQ(*parse("0," + std::string(400, '0') + "1"), 0.0);    // too small: zero
  auto negativeZero = parse("-0");
  ASSERT_TRUE(negativeZero);
  EXPECT_TRUE(std::signbit(*negativeZero));
}

TEST(NumberParse, ToDoubleThrowsOnNonNumbers) {
  EXPECT_EQ(toDouble("1,5"), 1.5);
  EXPECT_THROW(toDouble("x"), RuntimeError);
}

// ---- pattern formatting ----------------------------------------------------

struct FormatCase {
  double value;
  const char* pattern;
  const char* expected;
};

void expectFormats(const std::vector<FormatCase>& cases) {
  for (const auto& c : cases) {
    EXPECT_EQ(format(c.value, c.pattern), c.expected) << c.value << " with " << c.pattern;
  }
}

TEST(NumberFormat, TwoOptionalDecimals) {
  expectFormats({
      {12, "#####0.##", "12,"},
      {12.5, "#####0.##", "12,5"},
      {3.14159, "#####0.##", "3,14"},
      {0.5, "#####0.##", "0,5"},
      {0.001, "#####0.##", "0,"},
      {0, "#####0.##", "0,"},
      {99999, "#####0.##", "99999,"},
      {1234567.891, "#####0.##", "1234567,89"},
      {99.999, "#####0.##", "100,"},
  });
}

TEST(NumberFormat, OneOptionalDecimal) {
  expectFormats({
      {18.26, "#####0.#", "18,3"},
      {18.24, "#####0.#", "18,2"},
      {18, "#####0.#", "18,"},
      {0.04, "#####0.#", "0,"},
  });
}

TEST(NumberFormat, PriceWithGrouping) {
  expectFormats({
      {5, "#,###0.00", "5,00"},
      {0, "#,###0.00", "0,00"},
      {999.999, "#,###0.00", "1.000,00"},
      {1234.5, "#,###0.00", "1.234,50"},
      {77777, "#,###0.00", "77.777,00"},
      {1234567.891, "#,###0.00", "1.234.567,89"},
      {1e20, "#,###0.00", "100.000.000.000.000.000.000,00"},
  });
}

TEST(NumberFormat, FixedDecimals) {
  expectFormats({
      {2.5, "0.00", "2,50"},
      {1e20, "0.00", "100000000000000000000,00"},
      {1e-20, "0.00", "0,00"},
      {2.5, "##0.00", "2,50"},
      {1234.5, "##0.00", "1234,50"},
      {0.5, "##0.00", "0,50"},
      {12, "0.0", "12,0"},
      {11.96, "0.0", "12,0"},
      {1.0 / 3, "0.0000000", "0,3333333"},
      {2.0 / 3, "0.0000000", "0,6666667"},
      {50, "0.0000000", "50,0000000"},
  });
}

TEST(NumberFormat, PatternWithoutPointOrWithoutZeros) {
  expectFormats({
      {2.5, "0", "3"},
      {1234.4, "#,##0", "1.234"},
      {7, "000", "007"},
      {0.25, "#.##", ",25"},
  });
}

TEST(NumberFormat, TiesAwayFromZeroOnFifteenDigits) {
  expectFormats({
      {2.675, "0.00", "2,68"},  // stored as 2.67499999999999982...
      {1.005, "0.00", "1,01"},  // stored as 1.00499999999999989...
      {0.125, "0.00", "0,13"},  // exact tie
      {0.375, "0.00", "0,38"},
      {2.5, "0", "3"},
      {3.5, "0", "4"},
      {-2.675, "0.00", "-2,68"},
      {0.05, "0.0", "0,1"},
      {1.45, "#####0.#", "1,5"},
  });
}

TEST(NumberFormat, NegativeValuesAndNegativeZero) {
  expectFormats({
      {-1.5, "0.00", "-1,50"},
      {-1234.5, "#,###0.00", "-1.234,50"},
      {-0.001, "0.00", "0,00"},
      {-0.004, "#####0.##", "0,"},
      {-0.005, "0.00", "-0,01"},
      {-0.0, "0.00", "0,00"},
  });
}

TEST(NumberFormat, FifteenDigitFormIsRoundedAwayOnExactTies) {
  // 1234567890123.125 has 16 significant digits and is exact in binary: the
  // 15-digit form rounds it up to ...123,13.
  EXPECT_EQ(format(1234567890123.125, "0.000"), "1234567890123,130");
  EXPECT_EQ(format(1000000000000005.0, "0"), "1000000000000010");
}

TEST(NumberFormat, Text) {
  EXPECT_EQ(formatText("12,5", "0.00"), "12,50");
  EXPECT_EQ(formatText(" 1.234,5 ", "#,###0.00"), "1.234,50");
  EXPECT_EQ(formatText("1,2,3", "0.00"), "1,2,3");
  EXPECT_EQ(formatText("", "0.00"), "");
  EXPECT_EQ(formatText(",", "#####0.##"), ",");
  EXPECT_EQ(formatText("abc", "0.0"), "abc");
}

// ---- plain text ------------------------------------------------------------

TEST(NumberPlain, FifteenSignificantDigitsNoExponent) {
  const std::vector<std::pair<double, const char*>> cases = {
      {0, "0"},
      {-0.0, "0"},
      {12, "12"},
      {12.5, "12,5"},
      {-3.25, "-3,25"},
      {0.1 + 0.2, "0,3"},
      {1.0 / 3, "0,333333333333333"},
      {2.0 / 3, "0,666666666666667"},
      {1e-20, "0,00000000000000000001"},
      {1e20, "100000000000000000000"},
      {123456789012345678.0, "123456789012346000"},
      {1e15, "1000000000000000"},
      {0.000123, "0,000123"},
      {99999.995, "99999,995"},
      {1234567890123.125, "1234567890123,13"},
  };
  for (const auto& [value, expected] : cases) EXPECT_EQ(plain(value), expected) << value;
}

TEST(NumberPlain, ExtremesAndNonFinite) {
  EXPECT_EQ(plain(std::numeric_limits<double>::max()).size(), 309u);
  // Rounding the largest doubles to 15 digits would pass the largest double;
  // they are cut instead, so that what is written reads back, in every
  // printer and with either sign.
  const double top = std::numeric_limits<double>::max();
  for (double v : {top, -top, std::nextafter(top, 0.0), 1.7976931348623e308}) {
    for (const std::string& text : {plain(v), format(v, "#,###0.00"), format(v, "#####0.##")}) {
      const auto back = parse(text);
      ASSERT_TRUE(back.has_value()) << v << " as " << text.substr(0, 20);
      EXPECT_LE(std::fabs(*back - v), std::fabs(v) * 1e-14) << text.substr(0, 20);
    }
  }
  EXPECT_EQ(plain(top).substr(0, 16), "1797693134862310");
  EXPECT_EQ(plain(1.79769313486230e308).substr(0, 16), "1797693134862300");  // no cut needed
  EXPECT_EQ(plain(std::numeric_limits<double>::denorm_min()).substr(0, 8), "0,000000");
  EXPECT_EQ(plain(std::numeric_limits<double>::infinity()), "0");
  EXPECT_EQ(plain(std::nan("")), "0");
}

TEST(NumberExact, ShortestTextThatReadsBackTheSameDouble) {
  EXPECT_EQ(exact(12.5), "12,5");
  EXPECT_EQ(exact(100), "100");
  EXPECT_EQ(exact(0.1), "0,1");
  EXPECT_EQ(exact(1234567.25), "1234567,25");
  EXPECT_EQ(exact(-0.0), "-0");
  EXPECT_EQ(exact(std::numeric_limits<double>::infinity()), "0");
  const double awkward[] = {1.0 / 3,
                            0.1 + 0.2,
                            2.675,
                            -7.77,
                            1e300,
                            1e-300,
                            std::numeric_limits<double>::max(),
                            std::numeric_limits<double>::min(),
                            std::numeric_limits<double>::denorm_min(),
                            9007199254740993.0};
  for (double v : awkward) {
    const std::string text = exact(v);
    EXPECT_EQ(text.find_first_of(".eE"), std::string::npos) << text;
    const auto back = parse(text);
    ASSERT_TRUE(back.has_value()) << text;
    EXPECT_EQ(*back, v) << text;
  }
}

// ---- conversions -----------------------------------------------------------

TEST(NumberConvert, WholeNumbersRoundHalfToEven) {
  EXPECT_EQ(toInt16("2,5"), 2);
  EXPECT_EQ(toInt16("3,5"), 4);
  EXPECT_EQ(toInt16("-2,5"), -2);
  EXPECT_EQ(toInt16("2,51"), 3);
  EXPECT_EQ(toInt16(" 120 "), 120);
  EXPECT_EQ(toInt32("1.234.567"), 1234567);
  EXPECT_EQ(toInt32(0.5), 0);
  EXPECT_EQ(toInt32(1.5), 2);
  EXPECT_EQ(toInt32(-1.5), -2);
  EXPECT_EQ(toInt32(-0.4), 0);
}

TEST(NumberConvert, WholeNumberRangeAndBadText) {
  EXPECT_EQ(toInt16("32767"), 32767);
  EXPECT_EQ(toInt16("-32768"), -32768);
  EXPECT_EQ(toInt16("-32768,5"), -32768);
  EXPECT_FALSE(toInt16("32767,5"));
  EXPECT_FALSE(toInt16("40000"));
  EXPECT_EQ(toInt32("2147483647"), 2147483647);
  EXPECT_FALSE(toInt32("2147483648"));
  EXPECT_FALSE(toInt32(std::numeric_limits<double>::infinity()));
  EXPECT_FALSE(toInt32(std::nan("")));
  EXPECT_FALSE(toInt16("abc"));
  EXPECT_FALSE(toInt32(""));
}

TEST(NumberConvert, TruthValues) {
  EXPECT_EQ(toBool("True"), true);
  EXPECT_EQ(toBool(" tRUE "), true);
  EXPECT_EQ(toBool("FALSE"), false);
  EXPECT_EQ(toBool("0"), false);
  EXPECT_EQ(toBool("0,0"), false);
  EXPECT_EQ(toBool("-1"), true);
  EXPECT_EQ(toBool("0,5"), true);
  EXPECT_FALSE(toBool("yes"));
  EXPECT_FALSE(toBool(""));
  EXPECT_FALSE(toBool("truex"));
}

}  // namespace
}  // namespace mirl::rt::num
