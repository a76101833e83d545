#pragma once

namespace files {

// Where the lines of a model file end. Carriage return with line feed, a
// carriage return alone and a line feed alone each end a line, so files
// from any system read alike; a line feed followed by a carriage return is
// two line ends. Fed one byte at a time, the split between two pieces of
// input may fall anywhere, between carriage return and line feed included.
class LineEnds {
 public:
  enum class Byte {
    Text,     // a byte of the line
    LineEnd,  // ends the line
    Ignored,  // the line feed of a carriage return and line feed pair
  };

  Byte Classify(char c) {
    const bool afterCarriageReturn = afterCarriageReturn_;
    afterCarriageReturn_ = c == kCarriageReturn;
    if (c == kLineFeed) return afterCarriageReturn ? Byte::Ignored : Byte::LineEnd;
    return c == kCarriageReturn ? Byte::LineEnd : Byte::Text;
  }

 private:
  static constexpr char kCarriageReturn = '\r';
  static constexpr char kLineFeed = '\n';

  bool afterCarriageReturn_ = false;
};

}  // namespace files
