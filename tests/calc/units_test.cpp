#include "calc/units.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "calc/failure.h"
#include "calc/number_text.h"

namespace {

using calc::LengthUnit;

TEST(MillimetreText, InchesBecomeMillimetresToTheThousandth) {
  const struct {
    const char* typed;
    LengthUnit unit;
    const char* millimetres;
  } cases[] = {
      {" 13", LengthUnit::Millimetre, " 13"},  // millimetres pass byte for byte
      {"12,5", LengthUnit::Millimetre, "12,5"},
      {"2", LengthUnit::Inch, "50.8"},
      {"51.1811", LengthUnit::Inch, "1300"},
      {"-0", LengthUnit::Inch, "-0"},
      {"0.0001", LengthUnit::Inch, "0.003"},   // 0.00254 rounds up
      {"0.00001", LengthUnit::Inch, "0"},      // 0.000254 rounds to nothing
      {"-0.00001", LengthUnit::Inch, "-0"},
      {"3.75", LengthUnit::Inch, "95.25"},
      {"1e400", LengthUnit::Inch, "1e400"},    // refused by the calculation in either unit
      {"1e5200", LengthUnit::Inch, "1e5200"},  // infinite in either unit
      {"12a", LengthUnit::Inch, "304.8"},      // read as ParseNumber reads it: 12
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    EXPECT_EQ(calc::MillimetreText(c.typed, c.unit), c.millimetres);
  }
}

TEST(MillimetreText, AProductBeyondTheDoubleRangeIsRefusedAsATypedOneIs) {
  EXPECT_THROW(calc::ParseNumber(calc::MillimetreText("1.7e308", LengthUnit::Inch)), calc::ArithmeticFailure);
}

// Changing the unit shows the shortest inch text that gives the same
// thousandths of a millimetre back, so that switching units never moves a
// dimension.
TEST(TypedLengthText, GivesTheSameThousandthBack) {
  EXPECT_EQ(calc::TypedLengthText("1300", LengthUnit::Inch), "51.1811");
  EXPECT_EQ(calc::TypedLengthText("50.8", LengthUnit::Inch), "2");
  EXPECT_EQ(calc::TypedLengthText(" 13", LengthUnit::Millimetre), " 13");
  std::mt19937_64 random(23);
  std::uniform_int_distribution<long long> thousandths(-10'000'000'000LL, 10'000'000'000LL);
  for (int i = 0; i < 20000; ++i) {
    const std::string millimetres = calc::PlainDecimal(static_cast<double>(thousandths(random)) / 1000.0);
    const std::string inches = calc::TypedLengthText(millimetres, LengthUnit::Inch);
    ASSERT_EQ(calc::MillimetreText(inches, LengthUnit::Inch), millimetres) << inches;
    const auto point = inches.find('.');
    ASSERT_LE(point == std::string::npos ? 0 : inches.size() - point - 1, 5u) << millimetres;
  }
}

TEST(Units, StoredAndShownValues) {
  EXPECT_EQ(calc::Millimetres(3.75, LengthUnit::Inch), 95.25);
  EXPECT_EQ(calc::Grams(1, calc::MassUnit::Ounce), 28.35);
  EXPECT_EQ(calc::GramText("2", calc::MassUnit::Ounce), "56.699");
  EXPECT_EQ(calc::GramText(" 2,5", calc::MassUnit::Gram), " 2,5");
  EXPECT_EQ(calc::TypedMassOf(28.35, calc::MassUnit::Ounce), "1");
  EXPECT_EQ(calc::TypedLengthOf(95.25, LengthUnit::Inch), "3.75");
  const calc::TShown chord = calc::ShownLength(254, 1, LengthUnit::Inch);
  EXPECT_EQ(calc::FormatFixed(chord.Value, 5, chord.Decimals), "10.000");
  const calc::TShown area = calc::ShownArea(1, 1, LengthUnit::Inch);
  EXPECT_EQ(calc::FormatFixed(area.Value, 5, area.Decimals), " 15.5");
  const calc::TShown mass = calc::ShownMass(283.49523125, 0, calc::MassUnit::Ounce);
  EXPECT_EQ(calc::FormatFixed(mass.Value, 4, mass.Decimals), "10.0");
}

}  // namespace
