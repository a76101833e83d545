#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "calc/number_text.h"
#include "line_ends.h"

namespace files {

// Whether a file looks like a model file, so that the user can be asked
// before a text file or a picture picked by mistake is loaded as zeros.
//
// A model file looks like one when each of its first fifteen lines is empty
// or holds one plain number text, and nothing but blanks, line ends and
// byte 26 (Ctrl-Z) follows line 15. A plain number text is a number by
// calc::ParseNumber's rule with at least one digit (calc::NumberForm::Number);
// blanks (spaces only, as for the numbers themselves) may stand before it,
// and after it where the line still reads as the number alone does (by that
// rule blanks after a number leave its digits alone: "500 " reads as 500,
// but "-30 " as 30 and "36.5 " as 365). Lines end as the reader splits them (see LineEnds). Byte 26
// ends the data as for the reader: the line it stands in and the missing
// lines up to the fifteenth are fine as far as they go, and everything after
// it must again be blanks, line ends or byte 26 - numbers after it would
// silently be ignored.
struct ModelFileLook {
  bool looksLikeModel = true;
  // The first line that does not fit, counted from 1; a number above 15
  // means "after line 15". 0 when the file looks like a model file.
  int line = 0;
  // The first kLookTextLength bytes of that line as they are in the file
  // (a byte 26 in it included), without its line end.
  std::string text;
  // What that line reads as, when only the blanks after its number keep it
  // from fitting; nothing otherwise.
  std::optional<double> readsAs;
};

// The longest line text a look keeps, and the longest text shown of it.
inline constexpr std::size_t kLookTextLength = 40;

// The line text to show in the question to the user: cut to
// kLookTextLength characters, and every byte that is not printable ASCII
// (below 32, 127, or above) replaced by "?", so that neither control
// characters nor broken multi-byte sequences reach the message.
std::string ShownLineText(std::string_view lineText);

// A value read from a line as the window's field shows it
// (calc::FormatFixed(value, 4, 0)), without the blanks before it: "30".
std::string ShownValueText(double value);

// Checks bytes that arrive in pieces of any size; keeps no more than
// kLookTextLength bytes of any line.
class ModelLookCheck {
 public:
  void Feed(std::string_view bytes);

  // Whether the verdict is final: a line has been found that does not fit,
  // and its text is complete. Further bytes change nothing.
  bool Decided() const { return complete_; }

  // Ends the input and returns the verdict.
  ModelFileLook Finish();

 private:
  void Put(char c);
  void EndLine();
  // Refuses the line when its text ends here and does not fit.
  void CheckLine();
  std::optional<double> ValueChangedByBlanks() const;
  void Refuse();

  LineEnds lineEnds_;
  int line_ = 1;
  std::string lineText_;
  calc::NumberScanner number_;  // the current line's number text
  calc::NumberScanner numberWithoutBlanks_;  // ... before the first blank after the number
  std::optional<double> readsAs_;  // for ModelFileLook::readsAs
  bool afterData_ = false;   // past line 15 or a byte 26: only blanks may follow
  bool refused_ = false;     // the current line does not fit
  bool complete_ = false;    // ... and its text is complete
};

}  // namespace files
