#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "present/texts.h"
// A language that leaves a text out names it: the texts' type has no
// default, and GCC and Clang say which member is missing.
#pragma GCC diagnostic push
#pragma GCC diagnostic error "-Wmissing-field-initializers"
#include "present/texts_de.h"
#include "present/texts_en.h"
#pragma GCC diagnostic pop

namespace present {

// The languages the captions come in, in the order of their buttons: the
// one list of them. A language is its texts (present/texts_XX.h, every text
// of present::Texts) and its row below.
enum class Language : std::size_t { German, English };

// What the program shows of a language itself: the code of cgcalc-cli's
// --language, the toolbar button that switches to it (object name,
// caption, hint and width in pixels, as they always stood; the buttons stand
// side by side in this order), and its texts.
struct LanguageEntry {
  Language language;
  std::string_view code;
  std::string_view buttonName;
  std::string_view buttonCaption;
  std::string_view buttonHint;
  int buttonWidth;
  const Texts* texts;
};

inline constexpr LanguageEntry kLanguages[] = {
    {Language::German, "de", "Button1", "deutsch", "english version", 55, &kGermanTexts},
    {Language::English, "en", "Button2", "english", "german version", 56, &kEnglishTexts},
};
inline constexpr std::size_t kLanguageCount = std::size(kLanguages);

// Whether a table indexed by an enumeration holds its rows in the
// enumeration's order: each row's `kind` member equals its index.
template <class Row, std::size_t N, class Kind>
constexpr bool InKindOrder(const Row (&table)[N], Kind Row::*kind) {
  for (std::size_t i = 0; i < N; ++i) {
    if (static_cast<std::size_t>(table[i].*kind) != i) return false;
  }
  return true;
}

static_assert(InKindOrder(kLanguages, &LanguageEntry::language), "kLanguages is indexed by Language");

// The texts of a language (present/texts.h), and the caption `caption`
// among them.
constexpr const Texts& TextsOf(Language language) { return *kLanguages[static_cast<std::size_t>(language)].texts; }
constexpr std::string_view In(Caption caption, Language language) { return TextsOf(language).*caption; }

// The window's texts that switch with the language and belong to no result
// row. Column heads are the captions Label1 .. Label3 (wing, tailplane,
// total).
struct WindowCaptions {
  Caption title;
  Caption units;    // Label14
  Caption warning;  // Label17, when the aspect ratio is too small
  std::array<Caption, 3> columnHeads;
};

inline constexpr WindowCaptions kWindowCaptions = {
    .title = &Texts::windowTitle,
    .units = &Texts::windowUnits,
    .warning = &Texts::aspectRatioWarning,
    .columnHeads = {&Texts::headWing, &Texts::headTailplane, &Texts::headTotal},
};

}  // namespace present
