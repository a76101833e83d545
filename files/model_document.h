#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "calc/balance.h"
#include "calc/fields.h"
#include "calc/margins.h"
#include "calc/model.h"
#include "calc/units.h"
#include "file_error.h"

namespace files {

// The model document (.cgcalc): one model as a JSON object, described in
// docs/file-formats.md and docs/cgcalc-model.schema.json. Unlike a .dat file
// it keeps decimals and what belongs to the model besides its fifteen
// dimensions. Lengths are always millimetres and masses grams; the units
// only say how the model is shown and typed.

inline constexpr std::string_view kDocumentFormatName = "cgcalc-model";
inline constexpr int kDocumentVersion = 1;

// Deeper nesting is refused before anything is built from it, so that no
// recursion over a value (destroying or writing it) can run out of stack.
inline constexpr int kMostDocumentNesting = 64;

using calc::LengthUnit;
using calc::MassUnit;
using DocumentUnits = calc::TUnits;

struct ModelDocument {
  // The fifteen dimensions as the input fields hold them, in file order. Read
  // from a document, each is the number exactly as it stands there ("220.5",
  // "-0", "1.5E3"); calc::ParseNumber gives its value.
  calc::FieldTexts Dimensions = calc::DefaultFieldTexts();
  // Set only where the builder chose them; otherwise the model's kind
  // decides (calc::MarginsFor).
  std::optional<calc::TMargins> Margins;
  DocumentUnits Units;
  calc::TBalanceInput Balance;
  double TailHeight = 0;  // mm the tailplane lies above the wing's plane
  std::string Notes;      // UTF-8
  // Whatever this version of the program does not know, kept to be written
  // back unchanged: an object with the unknown top-level keys in their order,
  // and under a known key ("balance", ...) an object of the unknown keys
  // found inside that key's object.
  nlohmann::ordered_json Unknown = nlohmann::ordered_json::object();
};

// The values of the dimension texts (calc::ParseNumber). Throws
// calc::ArithmeticFailure for a text beyond the double range.
calc::TModelData DimensionValues(const ModelDocument& document);

// A document the reader refuses: malformed JSON, a value of the wrong type,
// a duplicate key, nesting deeper than kMostDocumentNesting, a number beyond
// the double range, bytes that are not UTF-8, a newer version. A FileError
// (Code() kNotAModelFile, Operation() Read), so that whoever reports file
// errors reports it too. what() is "line L, column C: " and the reason, in
// English, without a full stop. Lines and columns count from 1; a column
// counts characters (UTF-8 sequences), not bytes.
class DocumentRefused : public FileError {
 public:
  DocumentRefused(int line, int column, const std::string& reason);
  int Line() const { return line_; }
  int Column() const { return column_; }
  const std::string& Reason() const { return reason_; }

 private:
  int line_;
  int column_;
  std::string reason_;
};

// Reads the bytes of a whole document. A key that is missing takes the value
// of a new model; nothing else is guessed. Throws DocumentRefused only.
ModelDocument ParseModelDocument(std::string_view bytes);

// The bytes of a document: UTF-8, two spaces per level of indentation, the
// keys in the documented order, the unknown ones after the known ones of
// their object, a line feed at the end. A dimension text that is a JSON
// number the reader takes back is written as it is; any other text (" 13",
// "+5", ".5", "12,5") as the shortest plain decimal of its value. Margins are
// written only when chosen. Throws calc::ArithmeticFailure for a dimension
// text beyond the double range, and std::invalid_argument for a non-finite
// margin, balance input or tail height (which no reader would take back).
std::string ModelDocumentText(const ModelDocument& document);

// Saves the document to `path` exactly as WriteModelFile saves a .dat file
// (ReplaceFileContents). Throws as ModelDocumentText and FileError.
void WriteModelDocument(const std::string& path, const ModelDocument& document);

// What a document holds beyond what a .dat file can: each is lost when the
// model is saved as .dat. Empty when nothing would be lost.
struct DatLosses {
  bool Decimals = false;  // a dimension that is not a whole number, or that rounds otherwise than its value
  bool Margins = false;   // margins chosen
  bool Units = false;     // units other than millimetres and grams
  bool Balance = false;   // balance inputs
  bool TailHeight = false;
  bool Notes = false;
  bool Unknown = false;   // parts written by a newer program
  bool Any() const { return Decimals || Margins || Units || Balance || TailHeight || Notes || Unknown; }
  friend bool operator==(const DatLosses&, const DatLosses&) = default;
};
DatLosses LossesAsDat(const ModelDocument& document);

// The losses in words, joined by ", " in the order above: "decimals,
// margins, units, balance inputs, tail height, notes, parts of a newer
// program". English.
std::string DatLossNames(const DatLosses& losses);

// A new document for the values of a .dat file: each dimension as the window
// shows a loaded value (calc::FieldTextsOf, whole millimetres), without the
// blanks before it; everything else as for a new model.
ModelDocument DocumentOfDat(const calc::TModelData& model);

// Which of the two formats bytes are in, by their content alone: a document
// is the one whose first byte that is not JSON whitespace (space, tab,
// carriage return, line feed) is "{", after an optional UTF-8 byte order
// mark. Nothing while `start` holds only whitespace (or the start of a byte
// order mark): more bytes decide.
enum class ModelFormat { Dat, Document };
std::optional<ModelFormat> FormatOfStart(std::string_view start);

}  // namespace files
