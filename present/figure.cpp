#include "present/figure.h"

#include <iterator>

#include "calc/number_text.h"

namespace present {

std::string Figure(double value, int width, int decimals) {
  std::string text = calc::FormatFixed(value, width, decimals);
  const std::size_t minus = text.find('-');
  if (minus == std::string::npos || text.find_first_not_of("0.", minus + 1) != std::string::npos) return text;
  text.erase(minus, 1);
  if (std::ssize(text) < width) text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
  return text;
}

}  // namespace present
