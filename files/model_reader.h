#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "calc/model.h"
#include "calc/number_text.h"

namespace files {

// Reading a model file. The rules are more lenient than what WriteModelFile
// produces:
// - a line ends at a carriage return (byte 13); a line feed (byte 10)
//   directly after it belongs to that line end, while a line feed anywhere
//   else is an ordinary character of the line (and so makes it invalid);
// - byte 26 (Ctrl-Z) ends the data and the line it stands in;
// - lines may be of any length; each is converted with calc::ParseNumber
//   into the next field of calc::TModelData in file order;
// - lines missing at the end of the data read as empty texts, that is 0;
//   lines after the fifteenth are ignored.
// A value beyond the double range throws calc::ArithmeticFailure (overflow);
// the values read so far are then dropped.

// Applies the reading rules to bytes that arrive in pieces of any size, so
// that no line is ever kept in memory as a whole.
class ModelTextReader {
 public:
  // Consumes the bytes up to the end of the data. Returns whether more
  // bytes could still matter (false after the fifteenth line or a Ctrl-Z);
  // further bytes are then ignored. Throws calc::ArithmeticFailure when a
  // completed line overflows.
  bool Feed(std::string_view bytes);

  // Ends the data and returns the fifteen values. Throws as Feed does for
  // the last, unterminated line.
  calc::TModelData Finish();

 private:
  void EndLine();

  calc::TModelData values_;
  calc::NumberScanner line_;
  int lineIndex_ = 0;           // the field the current line feeds
  bool afterCarriageReturn_ = false;
  bool ended_ = false;          // fifteen lines read or Ctrl-Z seen
};

// The reading rules applied to a whole file's bytes. Throws only
// calc::ArithmeticFailure.
calc::TModelData ParseModelText(std::string_view bytes);

// Files are read in pieces of this many bytes.
inline constexpr std::size_t kReadChunkSize = 64 * 1024;

// Reads a model from an open descriptor (standard input, for instance) up
// to the end of the data or of the input. The descriptor stays open and
// belongs to the caller. Throws FileError (FileOperation::Read) or
// calc::ArithmeticFailure.
calc::TModelData ReadModelStream(int fd);

// Opens the file at `path` for reading, reads the model and closes the file
// again, also when reading fails. Throws FileError with FileOperation::Open
// when the file cannot be opened or is a folder, FileOperation::Read or
// FileOperation::Close when reading or closing fails, and
// calc::ArithmeticFailure for a value beyond the double range.
calc::TModelData ReadModelFile(const std::string& path);

}  // namespace files
