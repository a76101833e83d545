#include "units.h"

#include <cmath>
#include <optional>

#include "failure.h"
#include "number_text.h"

namespace calc {
namespace {

// FormatFixed's text without the zeros after the point that add nothing.
// Its exponent form (magnitudes of 2^120 and more) is left as it is.
std::string Trimmed(std::string text) {
  const auto start = text.find_first_not_of(' ');
  text.erase(0, start == std::string::npos ? text.size() : start);
  if (text.find('.') == std::string::npos || text.find_first_of("Ee") != std::string::npos) return text;
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
  return text;
}

std::string StoredText(long double stored) { return Trimmed(FormatFixed(stored, 0, kStoredDecimals)); }

// The value of a text that converts: one ParseNumber reads as a finite
// number. Any other passes unchanged, so that the calculation meets it as
// it was typed.
std::optional<double> ConvertibleValue(std::string_view text) {
  try {
    const double value = ParseNumber(text);
    if (std::isfinite(value)) return value;
  } catch (const ArithmeticFailure&) {
  }
  return std::nullopt;
}

// A typed text in a unit of `perUnit` stored units, as the stored text.
std::string StoredTextOf(std::string_view typed, long double perUnit) {
  const std::optional<double> value = ConvertibleValue(typed);
  return value ? StoredText(*value * perUnit) : std::string(typed);
}

// The shortest text in a unit of `perUnit` stored units that StoredTextOf
// turns into `stored` rounded to the stored decimals. Five decimals of an
// inch are always enough (1/200000 in = 0.000127 mm, less than half the
// stored step); seven cover any unit down to a tenth of the stored one.
std::string TypedTextOf(double stored, long double perUnit) {
  const std::string target = StoredText(stored);
  std::string typed;
  for (int places = 0; places <= 7; ++places) {
    typed = Trimmed(FormatFixed(stored / perUnit, 0, places));
    if (StoredTextOf(typed, perUnit) == target) break;
  }
  return typed;
}

double StoredValue(double typed, long double perUnit) {
  if (!std::isfinite(typed)) return typed;
  return ParseNumber(StoredText(typed * perUnit));
}

}  // namespace

std::string MillimetreText(std::string_view typed, LengthUnit unit) {
  if (unit == LengthUnit::Millimetre) return std::string(typed);
  return StoredTextOf(typed, kMillimetresPerInch);
}

std::string GramText(std::string_view typed, MassUnit unit) {
  if (unit == MassUnit::Gram) return std::string(typed);
  return StoredTextOf(typed, kGramsPerOunce);
}

std::string TypedLengthText(std::string_view millimetres, LengthUnit unit) {
  if (unit == LengthUnit::Millimetre) return std::string(millimetres);
  const std::optional<double> value = ConvertibleValue(millimetres);
  return value ? TypedTextOf(*value, kMillimetresPerInch) : std::string(millimetres);
}

double Millimetres(double typed, LengthUnit unit) {
  return unit == LengthUnit::Millimetre ? typed : StoredValue(typed, kMillimetresPerInch);
}

double Grams(double typed, MassUnit unit) {
  return unit == MassUnit::Gram ? typed : StoredValue(typed, kGramsPerOunce);
}

TShown ShownLength(long double millimetres, int decimals, LengthUnit unit) {
  if (unit == LengthUnit::Millimetre) return {millimetres, decimals};
  return {millimetres / kMillimetresPerInch, decimals + 2};
}

TShown ShownArea(long double squareDecimetres, int decimals, LengthUnit unit) {
  if (unit == LengthUnit::Millimetre) return {squareDecimetres, decimals};
  constexpr long double kSquareMillimetresPerSquareDecimetre = 10000.0L;
  return {squareDecimetres * kSquareMillimetresPerSquareDecimetre / (kMillimetresPerInch * kMillimetresPerInch),
          decimals};
}

TShown ShownMass(long double grams, int decimals, MassUnit unit) {
  if (unit == MassUnit::Gram) return {grams, decimals};
  return {grams / kGramsPerOunce, decimals + 1};
}

std::string TypedLengthOf(double millimetres, LengthUnit unit) {
  if (unit == LengthUnit::Millimetre) return PlainDecimal(millimetres);
  return TypedTextOf(millimetres, kMillimetresPerInch);
}

std::string TypedMassOf(double grams, MassUnit unit) {
  if (unit == MassUnit::Gram) return PlainDecimal(grams);
  return TypedTextOf(grams, kGramsPerOunce);
}

}  // namespace calc
