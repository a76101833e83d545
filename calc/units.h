#pragma once

#include <string>
#include <string_view>

namespace calc {

// The units a model is shown and typed in. The calculation, the model files
// and the document always hold millimetres and grams; these only change what
// a builder reads and types, so with the defaults every text is as it always
// was.
enum class LengthUnit { Millimetre, Inch };
enum class MassUnit { Gram, Ounce };

struct TUnits {
  LengthUnit Length = LengthUnit::Millimetre;
  MassUnit Mass = MassUnit::Gram;
  friend bool operator==(const TUnits&, const TUnits&) = default;
};

// Both exact by definition (the international inch and avoirdupois ounce of
// 1959).
inline constexpr long double kMillimetresPerInch = 25.4L;
inline constexpr long double kGramsPerOunce = 28.349523125L;

// A length typed in `unit` becomes millimetres to 1/1000 mm, and a mass
// grams to 1/1000 g: finer than any model is built, coarse enough that the
// document holds a short number.
inline constexpr int kStoredDecimals = 3;

// The millimetre text the calculation reads for a field typed in `unit`.
// Millimetres pass unchanged, byte for byte. A text in inches is read with
// ParseNumber and written as millimetres rounded half away from zero to
// kStoredDecimals, without the zeros after the point that add nothing
// ("2" -> "50.8", "-0" -> "-0"). A text ParseNumber refuses, or whose value is
// infinite, passes unchanged, so that the calculation meets the same failure
// or value in either unit; a product beyond the double range is written so
// that the calculation refuses it as it refuses a typed one.
std::string MillimetreText(std::string_view typed, LengthUnit unit);
// The same for a mass: the gram text of a text typed in `unit`.
std::string GramText(std::string_view typed, MassUnit unit);

// The shortest text in `unit` that MillimetreText turns into the value of
// `millimetres` rounded to kStoredDecimals: what a field shows of a length
// when the unit changes. Millimetres and texts that MillimetreText passes
// unchanged pass unchanged.
std::string TypedLengthText(std::string_view millimetres, LengthUnit unit);

// A length or mass typed outside the fifteen fields (balance inputs, the
// tailplane's height), already read as a number in `unit`: the millimetres or
// grams it stands for, rounded as above. The millimetre and gram values pass
// unchanged.
double Millimetres(double typed, LengthUnit unit);
double Grams(double typed, MassUnit unit);

// What shows of a stored value in `unit`: the value and its decimals, given
// the decimals millimetres, square decimetres or grams are shown with. An
// inch takes two decimals more than a millimetre (25.4 mm to 0.01 in is
// about a quarter of a millimetre); a square inch as many as a square
// decimetre (15.5 in² each); an ounce one more than a gram.
struct TShown {
  long double Value = 0;
  int Decimals = 0;
};
TShown ShownLength(long double millimetres, int decimals, LengthUnit unit);
TShown ShownArea(long double squareDecimetres, int decimals, LengthUnit unit);
TShown ShownMass(long double grams, int decimals, MassUnit unit);

// The value typed in `unit` for a stored length or mass, as the shortest
// text that gives it back to the stored decimals: what a balance field shows
// of a stored value (finite).
std::string TypedLengthOf(double millimetres, LengthUnit unit);
std::string TypedMassOf(double grams, MassUnit unit);

}  // namespace calc
