#include "model_look.h"

#include <bit>
#include <cstdint>

#include "calc/failure.h"
#include "calc/model.h"

namespace files {
namespace {

constexpr char kEndOfData = '\x1a';
constexpr char kBlank = ' ';

}  // namespace

std::string ShownLineText(std::string_view lineText) {
  std::string shown(lineText.substr(0, kLookTextLength));
  for (char& c : shown) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 32 || byte >= 127) c = '?';
  }
  return shown;
}

std::string ShownValueText(double value) {
  const std::string text = calc::FormatFixed(value, 4, 0);
  return text.substr(text.find_first_not_of(' '));
}

void ModelLookCheck::Feed(std::string_view bytes) {
  for (const char c : bytes) {
    if (complete_) return;
    switch (lineEnds_.Classify(c)) {
      case LineEnds::Byte::Ignored:
        break;
      case LineEnds::Byte::LineEnd:
        EndLine();
        break;
      case LineEnds::Byte::Text:
        Put(c);
        break;
    }
  }
}

void ModelLookCheck::Put(char c) {
  if (lineText_.size() < kLookTextLength) lineText_ += c;
  if (refused_) {
    // Only the text of the refused line is still wanted.
  } else if (afterData_) {
    if (c != kBlank && c != kEndOfData) Refuse();
  } else if (c == kEndOfData) {
    // The data end here, and with them the line's number text.
    CheckLine();
    afterData_ = true;
  } else {
    if (c == kBlank && number_.Form() == calc::NumberForm::Number) numberWithoutBlanks_ = number_;
    number_.Put(c);
    if (number_.Form() == calc::NumberForm::NoNumber) Refuse();
  }
  if (refused_ && lineText_.size() >= kLookTextLength) complete_ = true;
}

void ModelLookCheck::EndLine() {
  if (!refused_ && !afterData_) CheckLine();
  if (refused_) {
    complete_ = true;
    return;
  }
  ++line_;
  lineText_.clear();
  number_ = calc::NumberScanner();
  numberWithoutBlanks_ = calc::NumberScanner();
  if (line_ > calc::kModelFieldCount) afterData_ = true;
}

void ModelLookCheck::CheckLine() {
  const calc::NumberForm form = number_.Form();
  if (form == calc::NumberForm::Blank || form == calc::NumberForm::Number) return;
  // Blanks after a number make the line invalid, and the reader then takes
  // its digits alone; harmless where that is the same value ("500 "), not
  // where it is another one ("-30 " as 30).
  if (form == calc::NumberForm::NumberAndBlanks) {
    readsAs_ = ValueChangedByBlanks();
    if (!readsAs_) return;
  }
  Refuse();
}

std::optional<double> ModelLookCheck::ValueChangedByBlanks() const {
  double read = 0;
  try {
    read = number_.Finish();
  } catch (const calc::ArithmeticFailure&) {
    return std::nullopt;  // the reading fails whatever the number would be
  }
  try {
    // Bit for bit: "-0 " reads as 0.
    if (std::bit_cast<std::uint64_t>(numberWithoutBlanks_.Finish()) == std::bit_cast<std::uint64_t>(read)) {
      return std::nullopt;
    }
  } catch (const calc::ArithmeticFailure&) {
    // The number alone is beyond the range, which the blanks hide.
  }
  return read;
}

void ModelLookCheck::Refuse() { refused_ = true; }

ModelFileLook ModelLookCheck::Finish() {
  // The end of the input ends the last line.
  if (!refused_ && !afterData_) CheckLine();
  complete_ = true;
  ModelFileLook look;
  if (refused_) {
    look.looksLikeModel = false;
    look.line = line_;
    look.text = lineText_;
    look.readsAs = readsAs_;
  }
  return look;
}

}  // namespace files
