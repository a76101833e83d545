#include "report.h"

#include <cstdio>

#include "present/balance_rows.h"

namespace cli {

std::string_view WarningText(const Evaluation& evaluation, present::Language language) {
  return evaluation.aspectRatioWarning ? present::In(present::kWindowCaptions.warning, language) : std::string_view();
}

std::string FormatLabelList(const Evaluation& evaluation, present::Language language) {
  std::string text;
  for (std::size_t index = 0; index < evaluation.labels.size(); ++index) {
    text += present::CellsInLabelOrder()[index]->name;
    text += '\t';
    text += evaluation.labels[index];
    text += '\n';
  }
  text += present::kWarningLabelName;
  text += '\t';
  text += WarningText(evaluation, language);
  text += '\n';
  if (evaluation.balance) {
    for (const present::BalanceRow& row : present::BalanceRows()) {
      text += std::string(row.name) + "\t" + row.text(*evaluation.balance, language) + "\n";
    }
  }
  return text;
}

std::string JsonString(std::string_view text) {
  std::string literal = "\"";
  for (const char c : text) {
    switch (c) {
      case '"': literal += "\\\""; break;
      case '\\': literal += "\\\\"; break;
      case '\b': literal += "\\b"; break;
      case '\f': literal += "\\f"; break;
      case '\n': literal += "\\n"; break;
      case '\r': literal += "\\r"; break;
      case '\t': literal += "\\t"; break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char escaped[7];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
          literal += escaped;
        } else {
          literal += c;
        }
    }
  }
  return literal + "\"";
}

std::string FormatJson(const Evaluation& evaluation, present::Language language) {
  std::string text = "{\n";
  for (std::size_t index = 0; index < evaluation.labels.size(); ++index) {
    text += "  " + JsonString(present::CellsInLabelOrder()[index]->name) + ": " + JsonString(evaluation.labels[index]) + ",\n";
  }
  text += "  " + JsonString(present::kWarningLabelName) + ": " + JsonString(WarningText(evaluation, language));
  if (evaluation.balance) {
    for (const present::BalanceRow& row : present::BalanceRows()) {
      text += ",\n  " + JsonString(row.name) + ": " + JsonString(row.text(*evaluation.balance, language));
    }
  }
  text += "\n}\n";
  return text;
}

std::string FormatReport(const Evaluation& evaluation, const Options& options) {
  switch (options.format) {
    case ReportFormat::Labels:
      return FormatLabelList(evaluation, options.language);
    case ReportFormat::Json:
      return FormatJson(evaluation, options.language);
    case ReportFormat::Table:
    case ReportFormat::Csv:        // rows of several models: see rows.h
    case ReportFormat::JsonLines:
      break;
  }
  return FormatTable(evaluation, options.language);
}

}  // namespace cli
