#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "calc/balance.h"
#include "calc/fields.h"
#include "calc/margins.h"
#include "calc/model.h"
#include "calc/units.h"

namespace ui {

// Whether the fifteen field values or what else the model holds (the
// margins chosen for it, its units, a document's tailplane height and
// balance inputs) differ from those last loaded or saved.
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
  void NoteMargins(const std::optional<calc::TMargins>& margins) { shown_.margins = margins; }
  // The tailplane's height, where the model holds one (a document); nothing
  // for a .dat model, whose height is the desktop's.
  void NoteTailHeight(std::optional<double> height) { shown_.tailHeight = height; }
  // The units the model is shown in.
  void NoteUnits(calc::TUnits units) { shown_.units = units; }
  // The balance check's inputs, where the model holds them (a document);
  // nothing for a .dat model, whose inputs are the desktop's.
  void NoteBalance(const std::optional<calc::TBalanceInput>& balance) { shown_.balance = balance; }
  // The values noted now become the saved ones.
  void MarkSaved() { saved_ = shown_; }

  // Whether a value noted differs from its saved one.
  bool Modified() const { return shown_ != saved_; }

 private:
  using FieldValue = std::optional<std::uint64_t>;  // the bits of the number

  // Everything compared; a new part of the model becomes a member here.
  struct Noted {
    std::array<FieldValue, calc::kModelFieldCount> fields{};
    std::optional<calc::TMargins> margins;
    std::optional<double> tailHeight;
    calc::TUnits units;
    std::optional<calc::TBalanceInput> balance;
    friend bool operator==(const Noted&, const Noted&) = default;
  };

  Noted saved_;  // when last loaded or saved
  Noted shown_;  // as far as their changes were noted
};

}  // namespace ui
