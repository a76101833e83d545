#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "calc/model.h"
#include "calc/number_text.h"
#include "line_ends.h"
#include "model_document.h"
#include "model_look.h"

namespace files {

// Reading a model file. The rules are more lenient than what WriteModelFile
// produces:
// - carriage return with line feed, a carriage return alone and a line feed
//   alone each end a line; a line feed followed by a carriage return is two
//   line ends (see LineEnds);
// - byte 26 (Ctrl-Z) ends the data and the line it stands in;
// - lines may be of any length; each is converted with calc::ParseNumber
//   into the next field of calc::TModelData in file order;
// - lines missing at the end of the data read as empty texts, that is 0;
//   lines after the fifteenth are ignored.
// A value beyond the double range throws calc::ArithmeticFailure (overflow);
// the values read so far are then dropped. Whether the file looks like a
// model file (ModelFileLook) is found out on the way; it never changes the
// values.

// The fifteen values of a file and whether the file looks like a model file.
struct ModelFileReading {
  calc::TModelData model;
  ModelFileLook look;
};

// Applies the reading rules to bytes that arrive in pieces of any size, so
// that no line is ever kept in memory as a whole.
class ModelTextReader {
 public:
  // What the reader needs to see. The values are complete after fifteen
  // lines or a Ctrl-Z; the look may need everything after them, up to the
  // end of the input (typed on a terminal, that is Ctrl-D).
  enum class Reading { ValuesOnly, ValuesAndLook };

  explicit ModelTextReader(Reading reading = Reading::ValuesAndLook) : reading_(reading) {}

  // Consumes the bytes. Returns whether more bytes could still matter:
  // false once the values are complete and, for ValuesAndLook, the look has
  // found a line that does not fit. Further bytes are then ignored. Throws
  // calc::ArithmeticFailure when a completed line overflows.
  bool Feed(std::string_view bytes);

  // Ends the data and returns the fifteen values and the look of the bytes
  // fed (for ValuesOnly of the lines the values came from). Throws as Feed does
  // for the last, unterminated line.
  ModelFileReading Finish();

 private:
  void EndLine();

  Reading reading_;

  calc::TModelData values_;
  calc::NumberScanner line_;
  LineEnds lineEnds_;
  ModelLookCheck look_;
  int lineIndex_ = 0;           // the field the current line feeds
  bool ended_ = false;          // fifteen lines read or Ctrl-Z seen
};

// The reading rules applied to a whole file's bytes. Throws only
// calc::ArithmeticFailure.
ModelFileReading ParseModelTextWithLook(std::string_view bytes);
calc::TModelData ParseModelText(std::string_view bytes);

// Each reading function below comes in two forms: ...WithLook reads until
// the look is settled too (a stream: see there), the plain form stops as soon as the values are
// complete, as it always did (so fifteen lines typed on a terminal need no
// Ctrl-D). Either form fails the same way on the bytes it reads.

// Files are read in pieces of this many bytes, through a buffer on the
// stack: a model file has some ninety bytes, and a longer one is only fed
// through the reading rules, never kept.
inline constexpr std::size_t kReadChunkSize = 4 * 1024;

// No model file is anywhere near this long. A reader that still wants bytes
// beyond it (a first line that never ends, a huge file of blanks) fails with
// ModelFileRefused (Refusal::TooLarge), so that a wrong file, a device or an
// endless input is never read for long. A file that is longer but whose
// values (and look, where wanted) are settled within the limit reads
// normally.
inline constexpr std::size_t kModelFileSizeLimit = 1024 * 1024;

// Reads a model from an open descriptor (standard input, for instance, which
// may be a pipe) up to the end of the data or of the input. Both forms stop
// after the fifteenth line (or a Ctrl-Z), since on a terminal or a pipe
// whose writer stays the rest may never come; ReadModelStreamWithLook gives
// the look of the lines read, whatever follows them. The descriptor
// stays open and belongs to the caller. Throws FileError
// (FileOperation::Read), ModelFileRefused (Refusal::TooLarge, named
// "standard input" in what()) or calc::ArithmeticFailure.
ModelFileReading ReadModelStreamWithLook(int fd);
calc::TModelData ReadModelStream(int fd);

// Opens the file at `path` for reading without blocking (a named pipe never
// hangs the program), reads the model and closes the file again, also when
// reading fails. Throws
// - FileError with FileOperation::Open when the file cannot be opened
//   ("File not found", "File access denied", ...), Read or Close when
//   reading or closing fails;
// - ModelFileRefused (FileOperation::Open) for anything but a regular file:
//   a named pipe, a device, a folder, a socket; ModelFileRefused
//   (FileOperation::Read, Refusal::TooLarge) past kModelFileSizeLimit. Its
//   what() names the file by `path`;
// - calc::ArithmeticFailure for a value beyond the double range.
ModelFileReading ReadModelFileWithLook(const std::string& path);
calc::TModelData ReadModelFile(const std::string& path);

// A model read from a file of either format, told apart by its content
// (FormatOfStart), never by its name. A file that holds only blanks is a
// .dat file of empty lines.
struct LoadedModel {
  ModelFormat format = ModelFormat::Dat;
  ModelFileReading dat;     // the values and look of a .dat file
  ModelDocument document;   // a document
};

// As ReadModelFileWithLook for a .dat file; a document is read whole and
// may also throw DocumentRefused.
LoadedModel LoadModelFile(const std::string& path);

// As ReadModelStreamWithLook for a .dat file (which stops after its
// fifteenth line); a document is read to the end of the input and may
// also throw DocumentRefused.
LoadedModel LoadModelStream(int fd);

// The bytes of a whole file of either format; throws what
// ParseModelTextWithLook and ParseModelDocument throw.
LoadedModel LoadModelText(std::string_view bytes);

}  // namespace files
