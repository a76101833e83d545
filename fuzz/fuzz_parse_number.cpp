// Arbitrary bytes as the text of an input field or a model file line.
// Checks ParseNumber against an independent reading of the same text
// (checked against strtod where the digits allow), against NumberScanner fed
// byte by byte, and the round trip through FormatFixed.

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "calc/number_text.h"
#include "fuzz_support.h"

namespace {

// Beyond this many significant mantissa digits the accumulated rounding of M
// may exceed half a unit of the double, so values are not compared.
constexpr std::size_t kComparableDigits = 200;
constexpr std::int64_t kPowerLimit = 5120;

// The syntax of a text, read without any of ParseNumber's arithmetic.
struct Reading {
  bool valid = false;
  bool negative = false;
  std::string digits;         // every mantissa digit before the end or the offending character
  std::int64_t fraction = 0;  // digits after the point
  std::int64_t exponent = 0;  // X, saturated
};

bool IsDigit(std::string_view text, std::size_t i) { return i < text.size() && text[i] >= '0' && text[i] <= '9'; }

std::size_t ReadExponent(std::string_view text, std::size_t i, Reading& reading, bool& complete) {
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  complete = IsDigit(text, i);
  std::int64_t value = 0;
  for (; IsDigit(text, i); ++i) value = std::min<std::int64_t>(value * 10 + (text[i] - '0'), 1'000'000'000);
  reading.exponent = negative ? -value : value;
  return i;
}

Reading Read(std::string_view text) {
  Reading reading;
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) reading.negative = text[i++] == '-';
  if (i == text.size()) return reading;
  for (; IsDigit(text, i); ++i) reading.digits += text[i];
  if (i < text.size() && text[i] == '.') {
    for (++i; IsDigit(text, i); ++i, ++reading.fraction) reading.digits += text[i];
  }
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    bool complete = false;
    i = ReadExponent(text, i + 1, reading, complete);
    if (!complete) return reading;
  }
  reading.valid = i == text.size();
  return reading;
}

std::string_view SignificantDigits(std::string_view digits) {
  const std::size_t first = digits.find_first_not_of('0');
  return first == std::string_view::npos ? std::string_view() : digits.substr(first);
}

// An invalid text is its mantissa digits as one unsigned integer.
void CheckInvalid(const Reading& reading, const fuzz::Parsed& parsed) {
  const std::string_view significant = SignificantDigits(reading.digits);
  if (significant.empty()) {
    FUZZ_CHECK(!parsed.overflow && fuzz::SameBits(parsed.value, 0.0));
    return;
  }
  if (significant.size() > kComparableDigits) return;
  const double expected = std::strtod(std::string(significant).c_str(), nullptr);
  if (std::isinf(expected)) {
    FUZZ_CHECK(parsed.overflow || parsed.value == DBL_MAX);
    return;
  }
  FUZZ_CHECK(!parsed.overflow);
  if (significant.size() <= 19) {
    FUZZ_CHECK(fuzz::SameBits(parsed.value, expected));  // M is exact up to 19 digits
  } else {
    FUZZ_CHECK(parsed.value > 0 && fuzz::UlpDistance(parsed.value, expected) <= 1);
  }
}

void CheckValid(const Reading& reading, const fuzz::Parsed& parsed) {
  const std::string_view significant = SignificantDigits(reading.digits);
  const std::int64_t power = reading.exponent - reading.fraction;
  if (std::llabs(power) >= kPowerLimit) {
    if (significant.empty()) return;
    FUZZ_CHECK(!parsed.overflow);
    FUZZ_CHECK(power > 0 ? std::isinf(parsed.value) : parsed.value == 0);
    FUZZ_CHECK(std::signbit(parsed.value) == reading.negative);
    return;
  }
  if (significant.empty()) {
    FUZZ_CHECK(!parsed.overflow && fuzz::SameBits(parsed.value, reading.negative ? -0.0 : 0.0));
    return;
  }
  if (significant.size() > kComparableDigits) return;
  const std::string reference =
      (reading.negative ? "-" : "") + std::string(significant) + "e" + std::to_string(power);
  const double expected = std::strtod(reference.c_str(), nullptr);
  if (parsed.overflow) {
    FUZZ_CHECK(std::fabs(expected) >= DBL_MAX);
    return;
  }
  FUZZ_CHECK(std::isfinite(parsed.value));
  FUZZ_CHECK(std::signbit(parsed.value) == reading.negative);
  if (std::isinf(expected)) {
    FUZZ_CHECK(std::fabs(parsed.value) == DBL_MAX);
  } else {
    FUZZ_CHECK(fuzz::UlpDistance(parsed.value, expected) <= 1);
  }
}

void CheckScannerAgrees(std::string_view text, const fuzz::Parsed& parsed) {
  calc::NumberScanner scanner;
  for (const char c : text) scanner.Put(c);
  fuzz::Parsed scanned;
  try {
    scanned.value = scanner.Finish();
  } catch (const calc::ArithmeticFailure& failure) {
    FUZZ_CHECK(failure.Kind() == calc::FailureKind::Overflow);
    scanned.overflow = true;
  }
  FUZZ_CHECK(scanned.overflow == parsed.overflow);
  FUZZ_CHECK(fuzz::SameBits(scanned.value, parsed.value));
}

std::string_view WithoutBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  return first == std::string_view::npos ? std::string_view() : text.substr(first);
}

// The fixed-form text of a finite value reads back as the number it shows.
void CheckRoundTrip(double value) {
  for (const int decimals : {0, 1, 3, 6}) {
    const std::string text = calc::FormatFixed(value, 4, decimals);
    const fuzz::Parsed back = fuzz::Parse(text);
    if (std::fabs(value) >= fuzz::kExponentFormLimit) {
      // Two digits in the exponent form: only values that round above the
      // double range fail to read back.
      FUZZ_CHECK(!back.overflow || std::fabs(value) >= 1.75e308);
      if (!back.overflow) FUZZ_CHECK(std::fabs(back.value - value) <= std::fabs(value) * 0.0501);
      continue;
    }
    FUZZ_CHECK(!back.overflow && std::isfinite(back.value));
    FUZZ_CHECK(std::signbit(back.value) == std::signbit(value));
    const double expected = std::strtod(std::string(WithoutBlanks(text)).c_str(), nullptr);
    FUZZ_CHECK(fuzz::UlpDistance(back.value, expected) <= 1);
    if (decimals == 0 && std::fabs(value) < 1e15) {
      FUZZ_CHECK(fuzz::SameBits(back.value, expected));
      FUZZ_CHECK(fuzz::SameBits(back.value, std::round(value)));  // half away from zero
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const fuzz::Parsed parsed = fuzz::Parse(text);
  FUZZ_CHECK(parsed.overflow || !std::isnan(parsed.value));
  CheckScannerAgrees(text, parsed);

  const Reading reading = Read(text);
  if (reading.valid) {
    CheckValid(reading, parsed);
  } else {
    CheckInvalid(reading, parsed);
  }
  if (!parsed.overflow && std::isfinite(parsed.value)) CheckRoundTrip(parsed.value);
  return 0;
}
