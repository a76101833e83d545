#include "sweep.h"

#include <algorithm>
#include <utility>

#include "failure.h"
#include "number_text.h"
#include "recalculation.h"

namespace calc {
namespace {

using Wide = __int128;

// A plain decimal: its digits as an integer and how many follow the point.
struct Decimal {
  Wide digits = 0;
  int decimals = 0;
};

constexpr int kMaxSignificantDigits = 15;
constexpr int kMaxScale = 15;

// Far beyond the digits a range may have, small enough never to overflow.
constexpr int kExponentCeiling = 100'000;

// The exponent after the letter of a number already checked to be one.
int ExponentOf(std::string_view number) {
  const std::size_t letter = number.find_first_of("eE");
  if (letter == std::string_view::npos) return 0;
  int exponent = 0;
  for (const char c : number.substr(letter + 1)) {
    if (c >= '0' && c <= '9') exponent = std::min(exponent * 10 + (c - '0'), kExponentCeiling);
  }
  return number.find('-', letter) == std::string_view::npos ? exponent : -exponent;
}

// Which texts are numbers is ReadGivenNumber's decision; here the number is
// read exactly, as the decimal it writes, instead of rounded to a double.
std::optional<Decimal> ParseDecimal(std::string_view text, NumberFault& fault) {
  if (const GivenNumber given = ReadGivenNumber(text); given.Fault) {
    fault = *given.Fault;
    return std::nullopt;
  }
  const std::string_view number = WithoutBlanks(text);
  const std::string_view mantissa = number.substr(0, number.find_first_of("eE"));
  fault = NumberFault::TooManyDigits;
  Decimal decimal;
  bool point = false;
  int significant = 0;
  for (const char c : mantissa) {
    if (c == '.') point = true;
    if (c < '0' || c > '9') continue;  // sign and point, placed by the rule
    if (significant > 0 || c != '0') ++significant;
    if (significant > kMaxSignificantDigits) return std::nullopt;
    decimal.digits = decimal.digits * 10 + (c - '0');
    if (point) ++decimal.decimals;
  }
  decimal.decimals -= ExponentOf(number);
  // A positive power writes zeros before the point: digits of their own.
  for (; decimal.decimals < 0; ++decimal.decimals) {
    if (decimal.digits != 0 && ++significant > kMaxSignificantDigits) return std::nullopt;
    decimal.digits *= 10;
  }
  if (decimal.decimals > kMaxScale) return std::nullopt;
  if (mantissa.front() == '-') decimal.digits = -decimal.digits;
  return decimal;
}

Wide Scaled(const Decimal& decimal, int scale) {
  Wide value = decimal.digits;
  for (int i = decimal.decimals; i < scale; ++i) value *= 10;
  return value;
}

bool FitsInt64(Wide value) { return value >= INT64_MIN && value <= INT64_MAX; }

std::string WideText(Wide value) {
  if (value == 0) return "0";
  std::string text;
  while (value > 0) {
    text.push_back(static_cast<char>('0' + static_cast<int>(value % 10)));
    value /= 10;
  }
  std::reverse(text.begin(), text.end());
  return text;
}

}  // namespace

std::string DecimalRange::ValueText(std::int64_t i) const {
  const Wide value = static_cast<Wide>(From) + static_cast<Wide>(i) * Step;
  return PlainDecimal(value < 0, WideText(value < 0 ? -value : value), -Scale);
}

std::string RangeErrorText(const RangeError& error) {
  if (error.Fault != RangeFault::BadNumber) return RangeFaultText(error.Fault);
  return std::string(kRangePartNames[error.Part]) + " '" + error.PartText + "': " + NumberFaultText(error.PartFault);
}

std::optional<DecimalRange> ParseDecimalRange(std::string_view text, std::string& error) {
  RangeError fault;
  std::optional<DecimalRange> range = ParseDecimalRange(text, fault);
  if (!range) error = RangeErrorText(fault);
  return range;
}

std::optional<DecimalRange> ParseDecimalRange(std::string_view text, RangeError& error) {
  const std::size_t first = text.find(':');
  const std::size_t second = first == std::string_view::npos ? first : text.find(':', first + 1);
  if (second == std::string_view::npos || text.find(':', second + 1) != std::string_view::npos) {
    error = {RangeFault::Form, 0, {}};
    return std::nullopt;
  }
  const std::string_view parts[] = {text.substr(0, first), text.substr(first + 1, second - first - 1),
                                    text.substr(second + 1)};
  Decimal values[3];
  int scale = 0;
  for (int i = 0; i < 3; ++i) {
    NumberFault partFault{};
    const std::optional<Decimal> value = ParseDecimal(parts[i], partFault);
    if (!value) {
      error = {RangeFault::BadNumber, i, std::string(parts[i]), partFault};
      return std::nullopt;
    }
    values[i] = *value;
    scale = std::max(scale, value->decimals);
  }
  const Wide from = Scaled(values[0], scale), to = Scaled(values[1], scale), step = Scaled(values[2], scale);
  const std::optional<RangeFault> fault = step == 0                                    ? RangeFault::ZeroStep
                                          : (to - from) * (step < 0 ? -1 : 1) < 0      ? RangeFault::AwayFromTo
                                          : (to - from) / step + 1 > kMaxSweepPoints   ? RangeFault::TooManyPoints
                                          : !FitsInt64(from) || !FitsInt64(step)       ? RangeFault::TooManyDigits
                                                                                       : std::optional<RangeFault>();
  if (fault) {
    error = {*fault, 0, {}};
    return std::nullopt;
  }
  return DecimalRange{static_cast<std::int64_t>(from), static_cast<std::int64_t>(step),
                      static_cast<std::int64_t>((to - from) / step + 1), scale};
}

std::optional<std::string> ExactStep(std::string_view from, std::string_view to, int parts) {
  NumberFault fault{};
  const std::optional<Decimal> low = ParseDecimal(from, fault), high = ParseDecimal(to, fault);
  if (!low || !high || parts <= 0) return std::nullopt;
  int scale = std::max(low->decimals, high->decimals);
  Wide span = Scaled(*high, scale) - Scaled(*low, scale);
  if (span == 0) return std::nullopt;
  // Each further decimal multiplies by 10; a divisor made of 2s and 5s
  // (1000 steps) divides after a few.
  while (span % parts != 0 && scale < kMaxScale) {
    span *= 10;
    ++scale;
  }
  if (span % parts != 0) return std::nullopt;
  Wide step = span / parts;
  while (scale > 0 && step % 10 == 0) {
    step /= 10;
    --scale;
  }
  const std::string digits = WideText(step < 0 ? -step : step);
  if (digits.size() > kMaxSignificantDigits) return std::nullopt;
  return PlainDecimal(step < 0, digits, -scale);
}

std::optional<int> FieldIndexOfCode(std::string_view code) {
  const auto found = std::ranges::find(kModelFieldCodes, code);
  if (found == kModelFieldCodes.end()) return std::nullopt;
  return static_cast<int>(found - kModelFieldCodes.begin());
}

LoadedState LoadState(const TModelData& fromFile, const std::optional<TMargins>& margins) {
  return LoadState(FieldTextsOf(fromFile), fromFile, margins);
}

LoadedState LoadState(const FieldTexts& texts, const TModelData& record, const std::optional<TMargins>& margins) {
  LoadedState loaded{texts, record, margins};
  TStabilityData results;
  // A failing closing recalculation leaves the record part way, as the
  // window keeps it; the typed values start from there.
  RunRecalculation({loaded.Texts, loaded.Margins}, loaded.Model, results);
  return loaded;
}

std::int64_t SweepPointCount(std::span<const SweptField> fields) {
  std::int64_t count = 1;
  for (const SweptField& field : fields) count *= field.Range.Count;
  return count;
}

SweepPoint EvaluateSweepPoint(const LoadedState& loaded, std::span<const SweptField> fields, std::int64_t index) {
  SweepPoint point;
  point.Model = loaded.Model;
  FieldTexts texts = loaded.Texts;
  point.ValueTexts.resize(fields.size());
  for (std::size_t f = fields.size(); f-- > 0;) {
    const DecimalRange& range = fields[f].Range;
    point.ValueTexts[f] = range.ValueText(index % range.Count);
    index /= range.Count;
    texts[static_cast<std::size_t>(fields[f].Field)] = MillimetreText(point.ValueTexts[f], loaded.Units.Length);
  }
  if (const std::optional<StageFailure> failure = RunRecalculation({std::move(texts), loaded.Margins}, point.Model, point.Results)) {
    point.Failure = failure->failure.Kind();
  }
  return point;
}

}  // namespace calc
