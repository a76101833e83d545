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
    number_.Put(c);
    if (number_.Form() == calc::NumberForm::NoNumber) Refuse();
  }
  if (refused_ && lineText_.size() >= kLookTextLength) complete_ = true;
}

void ModelLookCheck::EndLine() {
  if (!refused_ && !afterData_ && !LineFits()) Refuse();
  if (refused_) {
    complete_ = true;
    return;
  }
  ++line_;
  lineText_.clear();
  number_ = calc::NumberScanner();
  if (line_ > calc::kModelFieldCount) afterData_ = true;
}

bool ModelLookCheck::LineFits() const {
  // Whether this is a model file at all is the question: blanks after a
  // number (the reader then takes its digits alone) do not make it another
  // kind of file.
  const calc::NumberForm form = number_.Form();
  return form == calc::NumberForm::Blank || form == calc::NumberForm::Number ||
         form == calc::NumberForm::NumberAndBlanks;
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
