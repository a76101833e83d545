#include "calc/number_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <random>

#include "calc/failure.h"

namespace {

using calc::FormatFixed;
using calc::ParseNumber;

struct ParseCase {
  const char* Name;
  std::string Text;
  double Value;
};

TEST(ParseNumber, ValidAndInvalidTexts) {
  const ParseCase cases[] = {
      {"plain", "1300", 1300},
      {"leading blanks and sign", "  -30", -30},
      {"decimals", "12.5", 12.5},
      {"point first", ".5", 0.5},
      {"point last", "5.", 5},
      {"point alone", ".", 0},
      {"point then exponent", "5.E3", 5000},
      {"negative exponent", "-1.5e-2", -0.015},
      {"exponent alone", "E5", 0},
      {"plus sign", "+7", 7},
      {"empty", "", 0},
      {"blanks only", "   ", 0},
      {"lone minus", "-", 0},
      {"lone plus", "+", 0},
      {"comma", "12,5", 12},
      {"comma loses sign", "-12,5", 12},
      {"thousands comma", "1,300", 1},
      {"letter", "12a", 12},
      {"invalid loses scaling", "1.25x", 125},
      {"trailing blank", "-1.5 ", 15},
      {"exponent digits missing", "1.5e", 15},
      {"exponent sign without digits", "2e+", 2},
      {"invalid loses exponent", "1e5x", 1},
      {"second point", "1.2.3", 12},
      {"tab", "\t5", 0},
      {"leading zeros", "007", 7},
      {"two signs", "--5", 0},
      {"line feed", "5\n", 5},
      {"nineteen digits exact", "1234567890123456789", 1234567890123456789.0},
      {"huge power gives infinity", "1e5120", INFINITY},
      {"huge negative power gives zero", "1e-5120", 0},
      {"long fraction underflows", "0." + std::string(6000, '0') + "1", 0},
      {"zero with huge power stays zero", "0e6000", 0},
      {"denormal", "4.9e-324", 4.9e-324},
      {"largest double", "1.7976931348623157e308", DBL_MAX},
  };
  for (const ParseCase& c : cases) {
    SCOPED_TRACE(c.Name);
    const double value = ParseNumber(c.Text);
    EXPECT_EQ(value, c.Value);
    EXPECT_EQ(std::signbit(value), std::signbit(c.Value));
  }
}

TEST(ParseNumber, MinusZeroKeepsItsSign) {
  for (const char* text : {"-0", "-0.000", "-.", "-E5", "  -0e3", "-1e-5120"}) {
    SCOPED_TRACE(text);
    const double value = ParseNumber(text);
    EXPECT_EQ(value, 0.0);
    EXPECT_TRUE(std::signbit(value));
  }
}

TEST(ParseNumber, ExtendedPrecisionDecidesTheLastBit) {
  // 27.95 is formed as 2795 / 100 with a 64-bit significand, then rounded.
  EXPECT_EQ(ParseNumber("27.95"), 27.95);
  EXPECT_EQ(ParseNumber("0.1"), 0.1);
  EXPECT_EQ(ParseNumber("-1e-300"), -1e-300);
}

TEST(ParseNumber, ValuesBeyondTheRangeOverflow) {
  const std::string cases[] = {"1e400", "-1e400", "1e4933", "17976931348623159e292",
                               std::string(5000, '9'), std::string(400, '9') + "x"};
  for (const std::string& text : cases) {
    SCOPED_TRACE(text.substr(0, 30));
    try {
      ParseNumber(text);
      ADD_FAILURE() << "no failure";
    } catch (const calc::ArithmeticFailure& failure) {
      EXPECT_EQ(failure.Kind(), calc::FailureKind::Overflow);
      EXPECT_STREQ(failure.what(), "Floating point overflow");
    }
  }
}

TEST(NumberScanner, FedByCharactersEqualsParseNumber) {
  for (const char* text : {"  -12.5e1", "1,300", "", "-", "7.", "0.441"}) {
    calc::NumberScanner scanner;
    for (const char* p = text; *p; ++p) scanner.Put(*p);
    EXPECT_EQ(scanner.Finish(), ParseNumber(text)) << text;
  }
}

TEST(NumberForm, HowMuchOfATextIsANumber) {
  using calc::NumberForm;
  const struct {
    const char* text;
    NumberForm form;
  } rows[] = {
      {"  ", NumberForm::Blank},
      {" -1.5e+3", NumberForm::Number},
      {"5.", NumberForm::Number},
      {"-1.5 ", NumberForm::NumberAndBlanks},
      {"1 5", NumberForm::NoNumber},
      {"1e ", NumberForm::NoNumber},
      {"E5", NumberForm::NoNumber},
      {"-.", NumberForm::Unfinished},
      {"2e+", NumberForm::Unfinished},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    EXPECT_EQ(calc::NumberFormOf(row.text), row.form);
  }
}

// Every number typed outside the fifteen fields is read alike: blanks around
// it are no part of it, anything else must be wholly a finite number.
TEST(ReadGivenNumber, AcceptsWholeFiniteNumbersOnly) {
  using calc::NumberFault;
  const struct {
    const char* text;
    std::optional<NumberFault> fault;
    double value = 0;
  } rows[] = {
      {"650", {}, 650},          {"650 ", {}, 650},       {"  -1.5  ", {}, -1.5},
      {"6.5e2", {}, 650},        {"+.5E-1", {}, 0.05},     {"1e-400", {}, 0},
      {"", NumberFault::NotANumber},       {"   ", NumberFault::NotANumber},
      {"95,5", NumberFault::NotANumber},   {"1.5 e2", NumberFault::NotANumber},
      {"1e", NumberFault::NotANumber},     {"\t5", NumberFault::NotANumber},
      {"inf", NumberFault::NotANumber},    {"1e400", NumberFault::TooLarge},
      {"-1e400", NumberFault::TooLarge},   {"1e5120", NumberFault::TooLarge},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string("'") + row.text + "'");
    const calc::GivenNumber given = calc::ReadGivenNumber(row.text);
    EXPECT_EQ(given.Fault, row.fault);
    if (!row.fault) {
      EXPECT_EQ(given.Value, row.value);
    }
  }
}

struct FormatCase {
  const char* Name;
  long double Value;
  int Width;
  int Decimals;
  const char* Text;
};

TEST(FormatFixed, Table) {
  const FormatCase cases[] = {
      {"exact tie rounds up", 18.25L, 5, 1, " 18.3"},
      {"integer", 1300, 4, 0, "1300"},
      {"negative", -30, 4, 0, " -30"},
      {"half", 0.5L, 2, 0, " 1"},
      {"zero", 0, 4, 0, "   0"},
      {"negative zero", -0.0L, 4, 0, "  -0"},
      {"small negative", -0.4L, 4, 0, "  -0"},
      {"small negative decimal", -0.04, 5, 1, " -0.0"},
      {"tie away from zero", 12.5L, 4, 0, "  13"},
      {"negative tie", -12.5L, 4, 0, " -13"},
      {"tie two and a half", 2.5L, 4, 0, "   3"},
      {"double just below tie", 0.15, 5, 1, "  0.1"},
      {"double above tie", 0.45, 5, 1, "  0.5"},
      {"extended quotient above 27.95", 279500.0L / 10000.0L, 5, 1, " 28.0"},
      {"double below 27.95", 27.95, 5, 1, " 27.9"},
      {"carry into new digit", 9.96, 5, 1, " 10.0"},
      {"wider than width", 999.96, 5, 1, "1000.0"},
      {"five digits", 12345, 4, 0, "12345"},
      {"three decimals", 0.7654, 5, 3, "0.765"},
      {"margin 8", 8, 2, 0, " 8"},
      {"margin 16", 16, 2, 0, "16"},
      {"infinity", INFINITY, 5, 1, " +Inf"},
      {"minus infinity", -INFINITY, 5, 1, " -Inf"},
      {"not a number", NAN, 5, 1, "  Nan"},
      {"exponent form", 1329227995784915872903807060280344576.0L, 4, 0, " 1.3E+0036"},
      {"negative exponent form", -1e300L, 12, 0, "-1.000E+0300"},
      {"exponent form rounds after a leading one", 1.0769062782407489e45L, 4, 0, " 1.1E+0045"},
      {"exponent form carries into a new digit", 9.9999999999999998e+119, 4, 0, " 1.0E+0120"},
      {"exponent form carries with more digits", -9.9999999e200L, 14, 0, "-1.00000E+0201"},
      {"just below exponent form", 1e35L, 4, 0, "100000000000000000000000000000000000"},
      {"sixteen normalises", 15.96, 5, 1, " 16.0"},
      {"zero decimals drop point", 0.4, 1, 0, "0"},
      {"many decimals", 0.1, 2, 20, "0.10000000000000001000"},
      {"width clamped", 1, 300, 0, nullptr},
  };
  for (const FormatCase& c : cases) {
    SCOPED_TRACE(c.Name);
    const std::string text = FormatFixed(c.Value, c.Width, c.Decimals);
    if (c.Text) {
      EXPECT_EQ(text, c.Text);
    } else {
      EXPECT_EQ(text, std::string(254, ' ') + "1");
    }
  }
}

TEST(FormatFixed, DecimalsAndNegativeArgumentsAreClamped) {
  EXPECT_EQ(FormatFixed(1.5L, 0, 300).size(), 218u);  // "1." + 216 decimals
  EXPECT_EQ(FormatFixed(1.5L, -5, -1), "2");
}

// The text of every finite value reads back as the number it shows.
TEST(FormatFixed, RoundTripThroughParseNumber) {
  std::mt19937_64 random(20261207);
  std::uniform_int_distribution<int> exponent(-30, 60);
  std::uniform_real_distribution<double> mantissa(-1.0, 1.0);
  for (int i = 0; i < 20000; ++i) {
    const double value = std::ldexp(mantissa(random), exponent(random));
    for (int decimals : {0, 1, 3}) {
      const std::string text = FormatFixed(value, 4, decimals);
      const double parsed = ParseNumber(text);
      const double expected = std::strtod(text.c_str(), nullptr);
      SCOPED_TRACE(text);
      if (decimals == 0) {
        ASSERT_EQ(parsed, expected);
      } else {
        ASSERT_LE(std::fabs(parsed - expected), std::fabs(expected) * DBL_EPSILON);
      }
      ASSERT_EQ(std::signbit(parsed), std::signbit(value));
    }
  }
}

TEST(FormatFixed, SpecialTextsReadBackAsZero) {
  for (long double value : {static_cast<long double>(INFINITY), -static_cast<long double>(INFINITY),
                            static_cast<long double>(NAN)}) {
    EXPECT_EQ(ParseNumber(FormatFixed(value, 5, 1)), 0.0);
  }
}

}  // namespace
