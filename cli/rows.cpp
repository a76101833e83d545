#include "rows.h"

#include "report.h"

namespace cli {
namespace {

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  return first == std::string_view::npos ? std::string_view() : text.substr(first);
}

// The warning's column tells whether it stands rather than repeating its words.
std::string CsvValue(const NamedText& entry) {
  if (entry.kind == TextKind::Warning) return entry.text.empty() ? "0" : "1";
  return CsvField(Trimmed(OneLineText(entry)));
}

}  // namespace

std::string CsvField(std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

CsvTable::CsvTable(std::span<const std::string> sweptCodes, bool withBalance, bool withVlm, calc::TUnits units)
    : sweptCodes_(sweptCodes), columns_(NamesOnly(withBalance, withVlm, units)) {}

std::string CsvTable::Header() const {
  std::string line;
  for (const std::string& code : sweptCodes_) line += code + ",";
  line += "file";
  for (const NamedText& column : columns_) {
    line += ',';
    line += column.kind == TextKind::Warning ? std::string_view("warning") : column.name;
  }
  return line + ",error\n";
}

std::string CsvTable::Row(const ResultRecord& record) const {
  std::string line;
  for (const std::string& value : record.sweptValues) line += value + ",";
  line += CsvField(record.file);
  if (record.texts != nullptr) {
    for (const NamedText& entry : *record.texts) line += "," + CsvValue(entry);
  } else {
    line += std::string(columns_.size(), ',');
  }
  return line + "," + CsvField(record.error) + "\n";
}

std::string JsonLine(const ResultRecord& record) {
  std::string line = "{";
  for (std::size_t i = 0; i < record.sweptCodes.size(); ++i) {
    line += JsonString(record.sweptCodes[i]) + ": " + record.sweptValues[i] + ", ";
  }
  line += "\"file\": " + JsonString(record.file);
  if (record.texts != nullptr) {
    for (const NamedText& entry : *record.texts) line += ", " + JsonString(entry.name) + ": " + JsonValue(entry);
  }
  return line + ", \"error\": " + JsonString(record.error) + "}\n";
}

}  // namespace cli
