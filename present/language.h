#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace present {

// The languages the captions come in. A further language is one more
// enumerator and one more text in every Caption.
enum class Language : std::size_t { German, English };
inline constexpr std::size_t kLanguageCount = 2;

// One caption in every language, in UTF-8, indexed by Language.
using Caption = std::array<std::string_view, kLanguageCount>;

constexpr std::string_view In(const Caption& caption, Language language) {
  return caption[static_cast<std::size_t>(language)];
}

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
