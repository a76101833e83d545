#include "utf8.h"

namespace cli {

TextUnit FirstUnit(std::string_view text) {
  const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(text[at]); };
  const unsigned char lead = byte(0);
  const TextUnit invalid{text.substr(0, 1), false, lead};
  if (lead < 0x80) return {text.substr(0, 1), true, lead};
  std::size_t length = 0;
  char32_t smallest = 0;
  char32_t code = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, smallest = 0x80, code = lead & 0x1Fu;
  } else if ((lead & 0xF0u) == 0xE0) {
    length = 3, smallest = 0x800, code = lead & 0x0Fu;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, smallest = 0x10000, code = lead & 0x07u;
  } else {
    return invalid;
  }
  if (text.size() < length) return invalid;
  for (std::size_t at = 1; at < length; ++at) {
    if ((byte(at) & 0xC0u) != 0x80) return invalid;
    code = (code << 6) | (byte(at) & 0x3Fu);
  }
  if (code < smallest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return invalid;
  return {text.substr(0, length), true, code};
}

}  // namespace cli
