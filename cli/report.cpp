#include "report.h"

#include <cstdio>

namespace cli {

std::string FormatLabelList(const ResultTexts& texts) {
  std::string list;
  for (const NamedText& entry : texts) list += std::string(entry.name) + "\t" + entry.text + "\n";
  return list;
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

std::string FormatJson(const ResultTexts& texts) {
  std::string json = "{";
  for (const NamedText& entry : texts) {
    json += (json.size() > 1 ? ",\n  " : "\n  ") + JsonString(entry.name) + ": " + JsonString(entry.text);
  }
  return json + "\n}\n";
}

std::string FormatReport(const Evaluation& evaluation, const Options& options) {
  const ResultTexts texts = TextsOf(evaluation, options.language);
  switch (options.format) {
    case ReportFormat::Labels:
      return FormatLabelList(texts);
    case ReportFormat::Json:
      return FormatJson(texts);
    case ReportFormat::Table:
    case ReportFormat::Csv:        // rows of several models: see rows.h
    case ReportFormat::JsonLines:
      break;
  }
  return FormatTable(texts, options.language);
}

}  // namespace cli
