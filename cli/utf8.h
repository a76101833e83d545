#pragma once

#include <string_view>

namespace cli {

// One character of a text that may not be UTF-8 (file names are bytes).
struct TextUnit {
  std::string_view bytes;  // 1 to 4 bytes of a valid sequence, or the one byte that starts none
  bool valid = false;      // false for a stray continuation byte, a sequence cut short, an overlong
                           // form, a surrogate or a code point beyond U+10FFFF
  char32_t codePoint = 0;  // the character; for an invalid byte its value (its Latin-1 reading)
};

// The unit at the start of the non-empty `text`.
TextUnit FirstUnit(std::string_view text);

// Calls `visit` with each unit of `text` in order.
template <typename Visit>
void ForEachUnit(std::string_view text, Visit visit) {
  while (!text.empty()) {
    const TextUnit unit = FirstUnit(text);
    visit(unit);
    text.remove_prefix(unit.bytes.size());
  }
}

// Whether a character is a control character: C0 (below U+0020), DEL and C1
// (U+0080 to U+009F), which terminals act on instead of showing.
constexpr bool IsControl(char32_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

}  // namespace cli
