#include "ui/main_window/unsaved_changes.h"

#include <bit>

#include "calc/failure.h"
#include "calc/number_text.h"

namespace ui {
namespace {

std::optional<std::uint64_t> ValueBits(const std::string& text) {
  try {
    return std::bit_cast<std::uint64_t>(calc::ParseNumber(text));
  } catch (const calc::ArithmeticFailure&) {
    return std::nullopt;
  }
}

}  // namespace

void UnsavedChanges::NoteField(int index, const std::string& text) { shown_.fields[index] = ValueBits(text); }

void UnsavedChanges::NoteFields(const calc::FieldTexts& texts) {
  for (int i = 0; i < calc::kModelFieldCount; ++i) shown_.fields[i] = ValueBits(texts[i]);
}

}  // namespace ui
