#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calc/margins.h"
#include "present/language.h"

namespace present {

// The two margins as a builder types them (Tools / Margins…) and what is
// said about them.

// The fields' captions, each naming its margin as a refusal names it.
struct MarginFieldCaptions {
  Caption field;  // beside the field
  Caption name;   // at the start of a refusal, ending in a colon
};
inline constexpr MarginFieldCaptions kForwardMarginCaptions = {&Texts::marginsForwardField, &Texts::marginsForwardName};
inline constexpr MarginFieldCaptions kRearMarginCaptions = {&Texts::marginsRearField, &Texts::marginsRearName};

// The most decimals a chosen margin may have: the result table shows it
// exactly (MarginText) in a narrow cell, and a tenth of a percent of the
// mean chord is finer than any model can be balanced.
inline constexpr int kChosenMarginDecimals = 1;

// A pair read from two texts: the margins, or why they are refused.
struct MarginsReading {
  std::optional<calc::TMargins> margins;
  std::string refusal;  // a sentence in the language asked for; empty when margins are given
};

// Reads each text as calc::ReadGivenNumber does (a refused one is named as
// every refused number of the Tools windows is), refuses a pair
// calc::CheckMargins refuses, then a margin with more than
// kChosenMarginDecimals decimals. A margin typed as -0 is 0.
MarginsReading ReadMargins(std::string_view forward, std::string_view rear, Language language);

// Why calc::CheckMargins refuses a pair, as a sentence in `language`; empty
// for MarginsFault::None.
std::string MarginsFaultText(calc::MarginsFault fault, Language language);

}  // namespace present
