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
    {"B", &Texts::fieldB},
    {"Sa", &Texts::fieldSa},
    {"Li", &Texts::fieldLi},
    {"Lk", &Texts::fieldLk},
    {"La", &Texts::fieldLa},
    {"Vk", &Texts::fieldVk},
    {"Va", &Texts::fieldVa},
    {"Bh", &Texts::fieldBh},
    {"Sah", &Texts::fieldSah},
    {"Lih", &Texts::fieldLih},
    {"Lkh", &Texts::fieldLkh},
    {"Lah", &Texts::fieldLah},
    {"Vkh", &Texts::fieldVkh},
    {"Vah", &Texts::fieldVah},
    {"Rh", &Texts::fieldRh},
};
static_assert(calc::CoversEveryFieldOnce(kFieldCaptions, &FieldCaption::code), "one description per field");

// The description of the field with this code, or nullptr if no field has it.
constexpr Caption FindFieldDescription(std::string_view code) {
  for (const FieldCaption& field : kFieldCaptions) {
    if (field.code == code) return field.description;
  }
  return nullptr;
}

}  // namespace present
