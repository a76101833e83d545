#include <charconv>

#include "number_text.h"

namespace calc {

std::string PlainDecimal(bool negative, std::string digits, int exponent) {
  if (exponent >= 0) {
    digits.append(static_cast<std::size_t>(exponent), '0');
  } else {
    const auto decimals = static_cast<std::size_t>(-exponent);
    if (digits.size() <= decimals) digits.insert(0, decimals + 1 - digits.size(), '0');
    digits.insert(digits.size() - decimals, 1, '.');
    digits.erase(digits.find_last_not_of('0') + 1);
    if (digits.back() == '.') digits.pop_back();
  }
  return negative ? "-" + digits : digits;
}

std::string PlainDecimal(double value) {
  // Long enough for the largest double written out in full.
  char text[400];
  const auto written = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed);
  return std::string(text, written.ptr);
}

}  // namespace calc
