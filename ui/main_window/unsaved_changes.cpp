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

void UnsavedChanges::NoteField(int index, const std::string& text) { shown_[index] = ValueBits(text); }

void UnsavedChanges::NoteFields(const calc::FieldTexts& texts) {
  for (int i = 0; i < calc::kModelFieldCount; ++i) shown_[i] = ValueBits(texts[i]);
}

void UnsavedChanges::MarkSaved() {
  saved_ = shown_;
  savedMargins_ = shownMargins_;
  savedTailHeight_ = shownTailHeight_;
  savedBalance_ = shownBalance_;
}

}  // namespace ui
