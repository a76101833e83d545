#pragma once

#include <array>
#include <cstddef>
#include <string_view>
#include <type_traits>

namespace present {

// The languages the captions come in, in the order of their buttons.
enum class Language : std::size_t { German, English };

// What the program shows of a language itself: the code of cgcalc-cli's
// --language, and the toolbar button that switches to it (object name,
// caption, hint and width in pixels, as they always stood; the buttons stand
// side by side in this order).
struct LanguageEntry {
  Language language;
  std::string_view code;
  std::string_view buttonName;
  std::string_view buttonCaption;
  std::string_view buttonHint;
  int buttonWidth;
};

inline constexpr LanguageEntry kLanguages[] = {
    {Language::German, "de", "Button1", "deutsch", "english version", 55},
    {Language::English, "en", "Button2", "english", "german version", 56},
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

// One text in every language, in UTF-8, in kLanguages' order. The
// constructor takes exactly one text per language, so a caption that lacks
// a translation does not compile.
class Caption {
 public:
  template <class... Texts>
    requires(sizeof...(Texts) == kLanguageCount && (std::is_convertible_v<Texts, std::string_view> && ...))
  constexpr Caption(Texts... texts) : texts_{std::string_view(texts)...} {}

  constexpr std::string_view In(Language language) const { return texts_[static_cast<std::size_t>(language)]; }
  // The texts in kLanguages' order.
  constexpr auto begin() const { return texts_.begin(); }
  constexpr auto end() const { return texts_.end(); }

 private:
  std::array<std::string_view, kLanguageCount> texts_;
};

constexpr std::string_view In(const Caption& caption, Language language) { return caption.In(language); }

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
    .title = {" Statische L\u00e4ngsstabilit\u00e4t und Schwerpunktlagen bei Flugmodellen",
              " Static stability and Center of Gravity positions for model airplanes"},
    .units = {"alle Angaben in Millimeter", "all measure in millimeter"},
    .warning = {"Achtung: Streckung zu klein f\u00fcr exakte Berechnung!",
                "Attention: Aspect ratio to small for exactly calculation!"},
    .columnHeads = {{{"Tragfl\u00e4che:", "wing:"}, {"H\u00f6henleitwerk:", "tailplane:"}, {"Gesamt:", "total:"}}},
};

}  // namespace present
