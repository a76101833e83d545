#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "calc/balance.h"
#include "calc/fields.h"
#include "calc/margins.h"
#include "calc/model.h"

namespace ui {

// Whether the fifteen field values, the margins chosen for the model or a
// document's tailplane height or balance inputs differ from those last
// loaded or saved.
// It compares values, not texts: "1300" and "1300.0" are the same span, and
// typing a digit and deleting it again changes nothing. 0 and -0 differ, as
// their saved lines do; a text beyond the double range has no value at all
// (none that a file holds). What to ask the user is the window's business.
class UnsavedChanges {
 public:
  // The field `index` (in file order) now shows `text`. Only that field is
  // read: this runs with every keystroke.
  void NoteField(int index, const std::string& text);
  // All fields as they show now: a field may have been set without its
  // change being noted.
  void NoteFields(const calc::FieldTexts& texts);
  // The margins chosen now (nothing: the defaults). A pair chosen equal to
  // the defaults still differs from none: it no longer switches with the
  // model's kind.
  void NoteMargins(const std::optional<calc::TMargins>& margins) { shownMargins_ = margins; }
  // The tailplane's height, where the model holds one (a document); nothing
  // for a .dat model, whose height is the desktop's.
  void NoteTailHeight(std::optional<double> height) { shownTailHeight_ = height; }
  // The balance check's inputs, where the model holds them (a document);
  // nothing for a .dat model, whose inputs are the desktop's.
  void NoteBalance(const std::optional<calc::TBalanceInput>& balance) { shownBalance_ = balance; }
  // The values noted now become the saved ones.
  void MarkSaved();

  // Whether a value noted differs from its saved one.
  bool Modified() const {
    return shown_ != saved_ || shownMargins_ != savedMargins_ || shownTailHeight_ != savedTailHeight_ ||
           shownBalance_ != savedBalance_;
  }

 private:
  using FieldValue = std::optional<std::uint64_t>;  // the bits of the number
  using FieldValues = std::array<FieldValue, calc::kModelFieldCount>;

  FieldValues saved_{};  // when last loaded or saved
  FieldValues shown_{};  // as far as their changes were noted
  std::optional<calc::TMargins> savedMargins_;
  std::optional<calc::TMargins> shownMargins_;
  std::optional<double> savedTailHeight_;
  std::optional<double> shownTailHeight_;
  std::optional<calc::TBalanceInput> savedBalance_;
  std::optional<calc::TBalanceInput> shownBalance_;
};

}  // namespace ui
