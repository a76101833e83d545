// Bytes to a value (a double or a long double), a width 0..300 and a number
// of decimals 0..250 for FormatFixed. Checks the shape of the text (padding,
// characters, decimals, sign) and, for finite values, that ParseNumber reads
// the text back within half a unit of its last shown digit.

#include <algorithm>
#include <bit>
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "calc/number_text.h"
#include "fuzz_support.h"

namespace {

constexpr int kMaxWidth = 255;
constexpr int kMaxDecimals = 216;

struct Input {
  long double value = 0;
  int width = 0;
  int decimals = 0;
};

// A long double from its 80-bit pattern, with the explicit integer bit made
// to match the exponent, since arithmetic never produces the other patterns.
long double CanonicalLongDouble(std::uint64_t significand, std::uint16_t signAndExponent) {
  if ((signAndExponent & 0x7FFF) == 0) {
    significand &= ~(1ull << 63);
  } else {
    significand |= 1ull << 63;
  }
  unsigned char bytes[sizeof(long double)] = {};
  std::memcpy(bytes, &significand, 8);
  std::memcpy(bytes + 8, &signAndExponent, 2);
  long double value;
  std::memcpy(&value, bytes, sizeof value);
  return value;
}

// Byte 0 picks how the rest becomes a value: the bits of a double, the bits
// of a long double, or decimal text (which reaches ties such as 18.25).
Input Decode(const std::uint8_t* data, std::size_t size) {
  Input input;
  if (size < 4) return input;
  input.width = (data[1] | data[2] << 8) % 301;
  input.decimals = data[3] % 251;
  const std::uint8_t mode = data[0] % 3;
  data += 4;
  size -= 4;
  if (mode == 0) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, data, std::min<std::size_t>(size, 8));
    input.value = std::bit_cast<double>(bits);
  } else if (mode == 1) {
    std::uint64_t significand = 0;
    std::uint16_t signAndExponent = 0;
    std::memcpy(&significand, data, std::min<std::size_t>(size, 8));
    if (size > 8) std::memcpy(&signAndExponent, data + 8, std::min<std::size_t>(size - 8, 2));
    input.value = CanonicalLongDouble(significand, signAndExponent);
  } else {
    const std::string text(reinterpret_cast<const char*>(data), size);
    input.value = std::strtod(text.c_str(), nullptr);
  }
  return input;
}

bool AllDigits(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::size_t LeadingBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  return first == std::string_view::npos ? text.size() : first;
}

// Blanks pad a text to the width and never more.
void CheckPadding(std::string_view text, std::size_t bodyLength, int width) {
  FUZZ_CHECK(text.size() == std::max<std::size_t>(width, bodyLength));
  FUZZ_CHECK(text.find_first_not_of(' ') == text.size() - bodyLength);
}

void CheckSpecial(std::string_view text, long double value, int width) {
  const std::string_view body = text.substr(LeadingBlanks(text));
  if (std::isnan(value)) {
    FUZZ_CHECK(body == "Nan");
  } else {
    FUZZ_CHECK(body == (value > 0 ? "+Inf" : "-Inf"));
  }
  CheckPadding(text, body.size(), width);
}

// "-" or nothing, an integer part without leading zeros, and exactly
// `decimals` digits after a point when decimals > 0.
void CheckFixedShape(std::string_view text, long double value, int width, int decimals) {
  std::string_view body = text.substr(LeadingBlanks(text));
  CheckPadding(text, body.size(), width);
  const bool negative = !body.empty() && body.front() == '-';
  FUZZ_CHECK(negative == static_cast<bool>(std::signbit(value)));
  if (negative) body.remove_prefix(1);
  const std::size_t point = body.find('.');
  const std::string_view integerPart = body.substr(0, point);
  FUZZ_CHECK(AllDigits(integerPart));
  FUZZ_CHECK(integerPart == "0" || integerPart.front() != '0');
  if (decimals == 0) {
    FUZZ_CHECK(point == std::string_view::npos);
  } else {
    FUZZ_CHECK(point != std::string_view::npos);
    const std::string_view fraction = body.substr(point + 1);
    FUZZ_CHECK(fraction.size() == static_cast<std::size_t>(decimals));
    FUZZ_CHECK(AllDigits(fraction));
  }
}

// The parsed text lies within half a unit of the last shown decimal of the
// value, give or take what the digit rules add: the digits are the value
// rounded to 17 places after the point of its mantissa (so further decimals
// of a value below 10 are zeros, and the shown digits are rounded from
// already rounded ones), and the parsed text is rounded once to a double.
void CheckFixedValue(std::string_view text, long double value, int decimals) {
  const fuzz::Parsed back = fuzz::Parse(text);
  FUZZ_CHECK(!back.overflow && std::isfinite(back.value));
  FUZZ_CHECK(std::signbit(back.value) == std::signbit(value));
  const long double magnitude = std::fabs(value);
  const long double halfUnit = 0.5L * std::pow(10.0L, -std::min(decimals, 17));
  const long double digitRounding = 0.5e-17L * std::max(magnitude, 1.0L);
  const long double tolerance = (halfUnit + digitRounding) * (1 + 0x1p-60L) + magnitude * 0x1p-50L + 0x1p-1074L;
  FUZZ_CHECK(std::fabs(static_cast<long double>(back.value) - value) <= tolerance);
}

// Blanks, "-" or a blank, d.ddd with n digits, "E", a sign and four digits,
// n = width - 8 limited to 2..18; the value matches to n digits.
void CheckExponentForm(std::string_view text, long double value, int width) {
  const int digits = std::clamp(width - 8, 2, 18);
  const std::size_t bodyLength = static_cast<std::size_t>(digits) + 8;
  FUZZ_CHECK(text.size() == std::max<std::size_t>(width, bodyLength));
  const std::string_view padding = text.substr(0, text.size() - bodyLength);
  const std::string_view body = text.substr(text.size() - bodyLength);
  FUZZ_CHECK(padding.find_first_not_of(' ') == std::string_view::npos);
  FUZZ_CHECK(body[0] == (std::signbit(value) ? '-' : ' '));
  FUZZ_CHECK(AllDigits(body.substr(1, 1)) && body[2] == '.' && AllDigits(body.substr(3, digits - 1)));
  const std::string_view exponent = body.substr(2 + digits);
  FUZZ_CHECK(exponent[0] == 'E' && (exponent[1] == '+' || exponent[1] == '-') && AllDigits(exponent.substr(2)));
  FUZZ_CHECK(body[1] != '0');
  const long double shown = std::strtold(std::string(body).c_str(), nullptr);
  if (std::isinf(shown)) {
    FUZZ_CHECK(std::fabs(value) >= LDBL_MAX * (1 - std::pow(10.0L, 1 - digits)));
    return;
  }
  const long double relative = 0.5L * std::pow(10.0L, 1 - digits) + 0x1p-55L;
  FUZZ_CHECK(std::fabs(shown - value) <= std::fabs(value) * relative);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Input input = Decode(data, size);
  const std::string text = calc::FormatFixed(input.value, input.width, input.decimals);
  const int width = std::min(input.width, kMaxWidth);
  const int decimals = std::min(input.decimals, kMaxDecimals);
  FUZZ_CHECK(text.size() >= static_cast<std::size_t>(width));
  FUZZ_CHECK(text.find_first_not_of(" -+.0123456789EINafn") == std::string::npos);

  if (!std::isfinite(input.value)) {
    CheckSpecial(text, input.value, width);
  } else if (std::fabs(input.value) >= fuzz::kExponentFormLimit) {
    CheckExponentForm(text, input.value, width);
  } else {
    CheckFixedShape(text, input.value, width, decimals);
    CheckFixedValue(text, input.value, decimals);
  }
  return 0;
}
