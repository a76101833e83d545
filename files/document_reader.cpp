// The second step of reading a document: what its values mean.
#include <cmath>
#include <span>
#include <string>

#include "calc/failure.h"
#include "calc/number_text.h"
#include "document_keys.h"
#include "document_syntax.h"
#include "model_document.h"

namespace files {
namespace {

using Json = nlohmann::ordered_json;

bool Watched(const DocumentPath& path) {
  if (path.empty()) return false;
  return KnownKey(KnownMembers(std::span(path).first(path.size() - 1)), path.back());
}

std::string Dotted(const DocumentPath& path) {
  std::string dotted;
  for (const std::string& key : path) dotted += (dotted.empty() ? "" : ".") + key;
  return "\"" + dotted + "\"";
}

class DocumentReading {
 public:
  explicit DocumentReading(std::string_view bytes) : bytes_(bytes), syntax_(ParseDocumentSyntax(bytes, Watched)) {}

  ModelDocument Read() {
    ModelDocument document;
    ReadFormatAndVersion();
    ReadDimensions(document);
    ReadMargins(document);
    ReadUnits(document);
    ReadBalance(document);
    if (const auto height = GivenNumberAt({"tail_height"})) document.TailHeight = *height;
    if (const Json* notes = At({"notes"})) document.Notes = Text(*notes, {"notes"});
    KeepUnknown({}, syntax_.root, document.Unknown);
    return document;
  }

 private:
  [[noreturn]] void Refuse(const DocumentPath& path, const std::string& reason) const {
    const auto spot = syntax_.spots.find(path);
    const LineAndColumn place = LineAndColumnOf(bytes_, spot == syntax_.spots.end() ? 0 : spot->second.offset);
    throw DocumentRefused(place.line, place.column, reason);
  }

  // The value at `path`, or nothing where a key on the way is missing.
  const Json* At(const DocumentPath& path) const {
    const Json* value = &syntax_.root;
    for (const std::string& key : path) {
      const auto member = value->find(key);
      if (member == value->end()) return nullptr;
      value = &*member;
    }
    return value;
  }

  const Json* ObjectAt(const DocumentPath& path) const {
    const Json* value = At(path);
    if (value != nullptr && !value->is_object()) Refuse(path, "expected an object for " + Dotted(path));
    return value;
  }

  std::string Text(const Json& value, const DocumentPath& path) const {
    if (!value.is_string()) Refuse(path, "expected text for " + Dotted(path));
    return value.get<std::string>();
  }

  // A number's text exactly as it stands.
  std::optional<std::string_view> TokenAt(const DocumentPath& path) const {
    const Json* value = At(path);
    if (value == nullptr) return std::nullopt;
    if (!value->is_number()) Refuse(path, "expected a number for " + Dotted(path));
    return syntax_.spots.at(path).token;
  }

  std::optional<double> GivenNumberAt(const DocumentPath& path) const {
    const std::optional<std::string_view> token = TokenAt(path);
    if (!token) return std::nullopt;
    const calc::GivenNumber number = calc::ReadGivenNumber(*token);
    if (number.Fault) Refuse(path, std::string("number ") + calc::NumberFaultText(*number.Fault) + " for " + Dotted(path));
    return number.Value;
  }

  void ReadFormatAndVersion() const {
    if (const Json* format = At({"format"}); format != nullptr && *format != kDocumentFormatName) {
      Refuse({"format"}, "expected \"" + std::string(kDocumentFormatName) + "\" for \"format\"");
    }
    const Json* value = At({"version"});
    if (value == nullptr) return;
    // Judged by its text: a newer version may be beyond any integer type.
    const std::string_view token = value->is_number() ? syntax_.spots.at({"version"}).token : "";
    if (token == std::to_string(kDocumentVersion)) return;
    if (token.empty() || token.find_first_not_of("0123456789") != std::string_view::npos) {
      Refuse({"version"}, "expected a whole number for \"version\"");
    }
    if (token == "0") Refuse({"version"}, "expected version " + std::to_string(kDocumentVersion) + " for \"version\"");
    Refuse({"version"}, "the document is of version " + std::string(token) + ", newer than this program reads (" +
                            std::to_string(kDocumentVersion) + ")");
  }

  void ReadDimensions(ModelDocument& document) const {
    if (ObjectAt({"dimensions"}) == nullptr) return;
    for (std::size_t i = 0; i < calc::kModelFieldCodes.size(); ++i) {
      const DocumentPath path{"dimensions", std::string(calc::kModelFieldCodes[i])};
      const std::optional<std::string_view> token = TokenAt(path);
      if (!token) continue;
      // The field reads the text by the program's own rule; it must get a
      // finite value from it, as the library did.
      try {
        if (!std::isfinite(calc::ParseNumber(*token))) Refuse(path, "number too large for " + Dotted(path));
      } catch (const calc::ArithmeticFailure&) {
        Refuse(path, "number too large for " + Dotted(path));
      }
      document.Dimensions[i] = std::string(*token);
    }
  }

  void ReadMargins(ModelDocument& document) const {
    if (ObjectAt({"margins"}) == nullptr) return;
    // A margin left out is the default of the model's kind.
    calc::TMargins margins = calc::DefaultMargins(calc::ParseNumber(document.Dimensions[7]) != 0);
    if (const auto forward = GivenNumberAt({"margins", "forward"})) margins.Forward = *forward;
    if (const auto rear = GivenNumberAt({"margins", "rear"})) margins.Rear = *rear;
    if (const calc::MarginsFault fault = calc::CheckMargins(margins); fault != calc::MarginsFault::None) {
      Refuse({"margins"}, calc::MarginsFaultText(fault));
    }
    document.Margins = margins;
  }

  template <class Unit>
  Unit UnitAt(const DocumentPath& path, std::span<const UnitName<Unit>> names, Unit unit) const {
    const Json* value = At(path);
    if (value == nullptr) return unit;
    for (const UnitName<Unit>& name : names) {
      if (*value == name.name) return name.unit;
    }
    std::string expected;
    for (const UnitName<Unit>& name : names) expected += (expected.empty() ? "\"" : " or \"") + std::string(name.name) + "\"";
    Refuse(path, "expected " + expected + " for " + Dotted(path));
  }

  void ReadUnits(ModelDocument& document) const {
    if (ObjectAt({"units"}) == nullptr) return;
    document.Units.Length = UnitAt<LengthUnit>({"units", "length"}, kLengthUnitNames, document.Units.Length);
    document.Units.Mass = UnitAt<MassUnit>({"units", "mass"}, kMassUnitNames, document.Units.Mass);
  }

  void ReadBalance(ModelDocument& document) const {
    if (ObjectAt({"balance"}) == nullptr) return;
    calc::TBalanceInput& balance = document.Balance;
    balance.Cg = GivenNumberAt({"balance", "cg"});
    balance.Mass = GivenNumberAt({"balance", "mass"});
    balance.BallastStation = GivenNumberAt({"balance", "ballast_station"});
    if (ObjectAt({"balance", "supports"}) == nullptr) return;
    calc::TSupports supports;
    for (const SupportKey& key : kSupportKeys) {
      if (const auto value = GivenNumberAt({"balance", "supports", std::string(key.name)})) supports.*key.member = *value;
    }
    balance.Supports = supports;
  }

  // Copies the members of a known object that this program does not know
  // into `unknown`, and goes on into the known objects among them.
  void KeepUnknown(const DocumentPath& path, const Json& object, Json& unknown) const {
    const std::span<const std::string_view> known = KnownMembers(path);
    for (const auto& [key, value] : object.items()) {
      if (!KnownKey(known, key)) {
        AppendMember(unknown, key, value);
        continue;
      }
      DocumentPath inner = path;
      inner.push_back(key);
      if (!value.is_object() || KnownMembers(inner).empty()) continue;
      Json kept = Json::object();
      KeepUnknown(inner, value, kept);
      if (!kept.empty()) AppendMember(unknown, key, std::move(kept));
    }
  }

  std::string_view bytes_;
  DocumentSyntax syntax_;
};

}  // namespace

DocumentRefused::DocumentRefused(int line, int column, const std::string& reason)
    : FileError(kNotAModelFile, FileOperation::Read,
                "line " + std::to_string(line) + ", column " + std::to_string(column) + ": " + reason),
      line_(line),
      column_(column),
      reason_(reason) {}

ModelDocument ParseModelDocument(std::string_view bytes) { return DocumentReading(bytes).Read(); }

}  // namespace files
