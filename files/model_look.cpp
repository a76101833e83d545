#include "model_look.h"

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
    if (!LineFits()) Refuse();
    afterData_ = true;
  } else {
    number_ = Step(number_, c, mantissaDigits_);
    if (c >= '0' && c <= '9' && (number_ == Number::Integer || number_ == Number::Fraction)) mantissaDigits_ = true;
    if (number_ == Number::Bad) Refuse();
  }
  if (refused_ && lineText_.size() >= kLookTextLength) complete_ = true;
}

ModelLookCheck::Number ModelLookCheck::Step(Number state, char c, bool mantissaDigits) {
  const bool digit = c >= '0' && c <= '9';
  const bool sign = c == '+' || c == '-';
  const bool blank = c == kBlank;
  switch (state) {
    case Number::Leading:
      if (blank) return Number::Leading;
      if (sign) return Number::Sign;
      [[fallthrough]];
    case Number::Sign:
      if (digit) return Number::Integer;
      return c == '.' ? Number::Fraction : Number::Bad;
    case Number::Integer:
    case Number::Fraction:
      if (digit) return state;
      if (c == '.' && state == Number::Integer) return Number::Fraction;
      if (!mantissaDigits) return Number::Bad;  // a point alone is no number
      if (c == 'e' || c == 'E') return Number::ExponentLetter;
      return blank ? Number::Trailing : Number::Bad;
    case Number::ExponentLetter:
      if (sign) return Number::ExponentSign;
      [[fallthrough]];
    case Number::ExponentSign:
      return digit ? Number::Exponent : Number::Bad;
    case Number::Exponent:
      if (digit) return Number::Exponent;
      [[fallthrough]];
    case Number::Trailing:
      return blank ? Number::Trailing : Number::Bad;
    case Number::Bad:
      break;
  }
  return Number::Bad;
}

void ModelLookCheck::EndLine() {
  if (!refused_ && !afterData_ && !LineFits()) Refuse();
  if (refused_) {
    complete_ = true;
    return;
  }
  ++line_;
  lineText_.clear();
  number_ = Number::Leading;
  mantissaDigits_ = false;
  if (line_ > calc::kModelFieldCount) afterData_ = true;
}

bool ModelLookCheck::LineFits() const {
  switch (number_) {
    case Number::Leading:  // empty, or blanks only
    case Number::Integer:
    case Number::Exponent:
    case Number::Trailing:
      return true;
    case Number::Fraction:
      return mantissaDigits_;
    default:
      return false;
  }
}

void ModelLookCheck::Refuse() { refused_ = true; }

ModelFileLook ModelLookCheck::Finish() {
  // The end of the input ends the last line.
  if (!refused_ && !afterData_ && !LineFits()) Refuse();
  complete_ = true;
  ModelFileLook look;
  if (refused_) {
    look.looksLikeModel = false;
    look.line = line_;
    look.text = lineText_;
  }
  return look;
}

}  // namespace files
