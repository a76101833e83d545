#include "rows.h"

#include "present/balance_rows.h"
#include "report.h"

namespace cli {
namespace {

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  return first == std::string_view::npos ? std::string_view() : text.substr(first);
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

std::string CsvHeader(std::span<const std::string> sweptCodes, bool withBalance) {
  std::string line;
  for (const std::string& code : sweptCodes) line += code + ",";
  line += "file";
  for (const present::ResultCell* cell : present::CellsInLabelOrder()) {
    line += ',';
    line += cell->name;
  }
  line += ",warning";
  if (withBalance) {
    for (const present::BalanceRow& row : present::BalanceRows()) line += "," + std::string(row.name);
  }
  return line + ",error\n";
}

std::string CsvRow(const ResultRecord& record, present::Language language) {
  std::string line;
  for (const std::string& value : record.sweptValues) line += value + ",";
  line += CsvField(record.file);
  for (std::size_t i = 0; i < present::kResultLabelCount; ++i) {
    line += ',';
    if (record.labels != nullptr) line += Trimmed((*record.labels)[i]);
  }
  line += ',';
  if (record.labels != nullptr) line += record.warning ? '1' : '0';
  if (record.withBalance) {
    for (const present::BalanceRow& row : present::BalanceRows()) {
      line += ',';
      if (record.balance != nullptr) line += CsvField(Trimmed(row.text(*record.balance, language)));
    }
  }
  line += ',';
  line += CsvField(record.error);
  return line + "\n";
}

std::string JsonLine(const ResultRecord& record, present::Language language) {
  std::string line = "{";
  for (std::size_t i = 0; i < record.sweptCodes.size(); ++i) {
    line += JsonString(record.sweptCodes[i]) + ": " + record.sweptValues[i] + ", ";
  }
  line += "\"file\": " + JsonString(record.file);
  if (record.labels != nullptr) {
    for (std::size_t i = 0; i < present::kResultLabelCount; ++i) {
      line += ", " + JsonString(present::CellsInLabelOrder()[i]->name) + ": " + JsonString((*record.labels)[i]);
    }
    const std::string_view warning =
        record.warning ? present::In(present::kWindowCaptions.warning, language) : std::string_view();
    line += ", " + JsonString(present::kWarningLabelName) + ": " + JsonString(warning);
    if (record.balance != nullptr) {
      for (const present::BalanceRow& row : present::BalanceRows()) {
        line += ", " + JsonString(row.name) + ": " + JsonString(row.text(*record.balance, language));
      }
    }
  }
  return line + ", \"error\": " + JsonString(record.error) + "}\n";
}

}  // namespace cli
