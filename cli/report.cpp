#include "report.h"

#include <cstdio>

#include "utf8.h"

namespace cli {

std::string FormatLabelList(const ResultTexts& texts) {
  std::string list;
  for (const NamedText& entry : texts) list += std::string(entry.name) + "\t" + OneLineText(entry) + "\n";
  return list;
}

std::string JsonString(std::string_view text) {
  std::string literal = "\"";
  ForEachUnit(text, [&](const TextUnit& unit) {
    if (unit.valid && !IsControl(unit.codePoint)) {
      if (unit.codePoint == '"' || unit.codePoint == '\\') literal += '\\';
      literal += unit.bytes;
      return;
    }
    switch (unit.codePoint) {
      case '\b': literal += "\\b"; return;
      case '\f': literal += "\\f"; return;
      case '\n': literal += "\\n"; return;
      case '\r': literal += "\\r"; return;
      case '\t': literal += "\\t"; return;
      default: {
        // A byte that is not UTF-8 is read as Latin-1: the line stays valid
        // JSON, and a name written in that older encoding stays legible.
        char escaped[7];
        std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(unit.codePoint));
        literal += escaped;
      }
    }
  });
  return literal + "\"";
}

std::string JsonValue(const NamedText& entry) {
  if (entry.kind != TextKind::VlmWarnings) return JsonString(entry.text);
  std::string array = "[";
  for (const std::string& item : entry.items) array += (array.size() > 1 ? ", " : "") + JsonString(item);
  return array + "]";
}

std::string FormatJson(const ResultTexts& texts) {
  std::string json = "{";
  for (const NamedText& entry : texts) {
    json += (json.size() > 1 ? ",\n  " : "\n  ") + JsonString(entry.name) + ": " + JsonValue(entry);
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
