// Writing a document, and what a .dat file would lose of it.
#include <charconv>
#include <cmath>
#include <stdexcept>
#include <string>
#include <utility>

#include "atomic_file.h"
#include "calc/failure.h"
#include "calc/number_text.h"
#include "document_keys.h"
#include "model_document.h"

namespace files {
namespace {

using Json = nlohmann::ordered_json;

std::string Indent(int depth) { return std::string(2 * static_cast<std::size_t>(depth), ' '); }

// A string as JSON text. Invalid UTF-8 cannot come from a document read or
// from the window's texts; should it come, nothing is written.
std::string Quoted(std::string_view text) {
  try {
    return Json(std::string(text)).dump();
  } catch (const Json::type_error& error) {
    throw std::invalid_argument(error.what());
  }
}

bool SameBits(double a, double b) { return a == b && std::signbit(a) == std::signbit(b); }

// A text the program's number reading (calc::ReadGivenNumber) takes back as
// exactly `value`: the shortest plain decimal, which it reads back nearly
// always, else the fewest digits in exponent form that it does.
std::string NumberText(double value) {
  if (!std::isfinite(value)) throw std::invalid_argument("a document holds finite numbers only");
  std::string text = calc::PlainDecimal(value);
  for (int digits = 15; !SameBits(calc::ReadGivenNumber(text).Value, value); ++digits) {
    if (digits > 40) throw std::invalid_argument("no text reads back as " + calc::PlainDecimal(value));
    char scientific[64];
    const auto written = std::to_chars(scientific, scientific + sizeof scientific, value,
                                       std::chars_format::scientific, digits);
    text.assign(scientific, written.ptr);
  }
  return text;
}

// A value of another program's, indented to stand at `depth`. The library
// escapes every line end inside strings, so each one it writes starts a line.
std::string Indented(const Json& value, int depth) {
  std::string text;
  try {
    text = value.dump(2);
  } catch (const Json::type_error& error) {
    throw std::invalid_argument(error.what());
  }
  std::string indented;
  for (const char c : text) {
    indented += c;
    if (c == '\n') indented += Indent(depth);
  }
  return indented;
}

// One object's text, a member per line.
class ObjectText {
 public:
  explicit ObjectText(int depth) : depth_(depth) {}

  void Member(std::string_view key, const std::string& value) {
    text_ += text_.empty() ? "{\n" : ",\n";
    text_ += Indent(depth_ + 1) + Quoted(key) + ": " + value;
  }

  // The members of `unknown` (an object, or nothing) that are none of `known`.
  void UnknownMembers(const Json* unknown, std::span<const std::string_view> known) {
    if (unknown == nullptr) return;
    for (const auto& [key, value] : unknown->items()) {
      if (!KnownKey(known, key)) Member(key, Indented(value, depth_ + 1));
    }
  }

  std::string Finish() const { return text_.empty() ? "{}" : text_ + "\n" + Indent(depth_) + "}"; }

 private:
  int depth_;
  std::string text_;
};

const Json* UnknownAt(const Json& unknown, std::initializer_list<std::string_view> path) {
  const Json* value = &unknown;
  for (std::string_view key : path) {
    const auto member = value->find(std::string(key));
    if (member == value->end() || !member->is_object()) return nullptr;
    value = &*member;
  }
  return value;
}

// The text a dimension is written as: the field's own where the reader takes
// it back as it is, else the value it reads as.
std::string DimensionToken(const std::string& text) {
  const std::string_view trimmed = calc::WithoutBlanks(text);
  const bool jsonNumber = !trimmed.empty() && (trimmed.front() == '-' || (trimmed.front() >= '0' && trimmed.front() <= '9')) &&
                          trimmed.find_first_of(" \t\r\n") == std::string_view::npos && Json::accept(trimmed);
  const double value = calc::ParseNumber(text);
  if (!std::isfinite(value)) throw calc::ArithmeticFailure(calc::FailureKind::Overflow);
  if (jsonNumber && std::isfinite(calc::ParseNumber(trimmed))) return std::string(trimmed);
  return NumberText(value);
}

std::string DimensionsText(const ModelDocument& document) {
  ObjectText object(1);
  for (std::size_t i = 0; i < calc::kModelFieldCodes.size(); ++i) {
    object.Member(calc::kModelFieldCodes[i], DimensionToken(document.Dimensions[i]));
  }
  object.UnknownMembers(UnknownAt(document.Unknown, {"dimensions"}), calc::kModelFieldCodes);
  return object.Finish();
}

std::string MarginsText(const ModelDocument& document) {
  ObjectText object(1);
  object.Member(kMarginKeys[0], NumberText(document.Margins->Forward));
  object.Member(kMarginKeys[1], NumberText(document.Margins->Rear));
  object.UnknownMembers(UnknownAt(document.Unknown, {"margins"}), kMarginKeys);
  return object.Finish();
}

std::string UnitsText(const ModelDocument& document) {
  ObjectText object(1);
  object.Member(kUnitKeys[0], Quoted(UnitNameOf(kLengthUnitNames, document.Units.Length)));
  object.Member(kUnitKeys[1], Quoted(UnitNameOf(kMassUnitNames, document.Units.Mass)));
  object.UnknownMembers(UnknownAt(document.Unknown, {"units"}), kUnitKeys);
  return object.Finish();
}

std::string BalanceText(const ModelDocument& document) {
  const calc::TBalanceInput& balance = document.Balance;
  ObjectText object(1);
  if (balance.Cg) object.Member("cg", NumberText(*balance.Cg));
  if (balance.Supports) {
    ObjectText supports(2);
    for (const SupportKey& key : kSupportKeys) supports.Member(key.name, NumberText(*balance.Supports.*key.member));
    supports.UnknownMembers(UnknownAt(document.Unknown, {"balance", "supports"}), kSupportKeyNames);
    object.Member("supports", supports.Finish());
  }
  if (balance.Mass) object.Member("mass", NumberText(*balance.Mass));
  if (balance.BallastStation) object.Member("ballast_station", NumberText(*balance.BallastStation));
  object.UnknownMembers(UnknownAt(document.Unknown, {"balance"}), kBalanceKeys);
  return object.Finish();
}

// Whether a .dat file gives the dimension back as the document has it.
bool KeptInDat(const std::string& text) {
  try {
    const double value = calc::ParseNumber(text);
    const double back = calc::ParseNumber(calc::FormatFixed(value, 4, 0));
    return SameBits(value, back);
  } catch (const calc::ArithmeticFailure&) {
    return false;
  }
}

}  // namespace

calc::TModelData DimensionValues(const ModelDocument& document) {
  calc::TModelData model;
  for (int i = 0; i < calc::kModelFieldCount; ++i) {
    calc::ModelField(model, i) = calc::ParseNumber(document.Dimensions[static_cast<std::size_t>(i)]);
  }
  return model;
}

std::string ModelDocumentText(const ModelDocument& document) {
  ObjectText top(0);
  top.Member("format", Quoted(kDocumentFormatName));
  top.Member("version", std::to_string(kDocumentVersion));
  top.Member("dimensions", DimensionsText(document));
  if (document.Margins) top.Member("margins", MarginsText(document));
  top.Member("units", UnitsText(document));
  top.Member("balance", BalanceText(document));
  top.Member("tail_height", NumberText(document.TailHeight));
  top.Member("notes", Quoted(document.Notes));
  top.UnknownMembers(&document.Unknown, kTopKeys);
  return top.Finish() + "\n";
}

void WriteModelDocument(const std::string& path, const ModelDocument& document) {
  ReplaceFileContents(path, ModelDocumentText(document));
}

DatLosses LossesAsDat(const ModelDocument& document) {
  DatLosses losses;
  for (const std::string& text : document.Dimensions) losses.Decimals = losses.Decimals || !KeptInDat(text);
  losses.Margins = document.Margins.has_value();
  losses.Units = document.Units != DocumentUnits{};
  const calc::TBalanceInput& balance = document.Balance;
  losses.Balance = balance.Cg || balance.Supports || balance.Mass || balance.BallastStation;
  losses.TailHeight = document.TailHeight != 0;
  losses.Notes = !document.Notes.empty();
  losses.Unknown = !document.Unknown.empty();
  return losses;
}

std::string DatLossNames(const DatLosses& losses) {
  const std::pair<bool DatLosses::*, const char*> parts[] = {
      {&DatLosses::Decimals, "decimals"},       {&DatLosses::Margins, "margins"}, {&DatLosses::Units, "units"},
      {&DatLosses::Balance, "balance inputs"},  {&DatLosses::TailHeight, "tail height"},
      {&DatLosses::Notes, "notes"},             {&DatLosses::Unknown, "parts of a newer program"}};
  std::string names;
  for (const auto& [part, name] : parts) {
    if (losses.*part) names += (names.empty() ? "" : ", ") + std::string(name);
  }
  return names;
}

ModelDocument DocumentOfDat(const calc::TModelData& model) {
  ModelDocument document;
  const calc::FieldTexts texts = calc::FieldTextsOf(model);
  for (std::size_t i = 0; i < texts.size(); ++i) document.Dimensions[i] = std::string(calc::WithoutBlanks(texts[i]));
  return document;
}

std::optional<ModelFormat> FormatOfStart(std::string_view start) {
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (start.size() < kByteOrderMark.size() && kByteOrderMark.starts_with(start)) return std::nullopt;
  if (start.starts_with(kByteOrderMark)) start.remove_prefix(kByteOrderMark.size());
  const std::size_t first = start.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return std::nullopt;
  return start[first] == '{' ? ModelFormat::Document : ModelFormat::Dat;
}

}  // namespace files
