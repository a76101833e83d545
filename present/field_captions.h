#pragma once

#include <string_view>

#include "calc/model.h"
#include "present/language.h"

namespace present {

// What each input field holds, in words, for the what-if plot's field
// chooser and its chart title.
struct FieldCaption {
  std::string_view code;  // the field's code in calc::kModelFields
  Caption description;
};

inline constexpr FieldCaption kFieldCaptions[] = {
    {"B", {"Spannweite", "wing span"}},
    {"Sa", {"Spannweite Au\u00dfenfl\u00fcgel", "outer wing panel span"}},
    {"Li", {"Wurzeltiefe", "wing root chord"}},
    {"Lk", {"Knicktiefe", "wing kink chord"}},
    {"La", {"Randtiefe", "wing tip chord"}},
    {"Vk", {"Versatz am Knick", "wing kink offset"}},
    {"Va", {"Versatz am Rand", "wing tip offset"}},
    {"Bh", {"Spannweite H\u00f6henleitwerk", "tailplane span"}},
    {"Sah", {"Spannweite HLW-Au\u00dfenteil", "outer tailplane panel span"}},
    {"Lih", {"HLW-Wurzeltiefe", "tailplane root chord"}},
    {"Lkh", {"HLW-Knicktiefe", "tailplane kink chord"}},
    {"Lah", {"HLW-Randtiefe", "tailplane tip chord"}},
    {"Vkh", {"HLW-Versatz am Knick", "tailplane kink offset"}},
    {"Vah", {"HLW-Versatz am Rand", "tailplane tip offset"}},
    {"Rh", {"Abstand Fl\u00fcgel\u2013HLW", "wing to tailplane distance"}},
};
static_assert(calc::CoversEveryFieldOnce(kFieldCaptions, &FieldCaption::code), "one description per field");

// The description of the field with this code, or nullptr if no field has it.
constexpr const Caption* FindFieldDescription(std::string_view code) {
  for (const FieldCaption& field : kFieldCaptions) {
    if (field.code == code) return &field.description;
  }
  return nullptr;
}

}  // namespace present
