#include "report.h"

#include <cstdio>

namespace cli {

std::string_view WarningText(const Evaluation& evaluation, const calc::CaptionSet& captions) {
  return evaluation.aspectRatioWarning ? captions.Warning : std::string_view();
}

std::string FormatLabelList(const Evaluation& evaluation, const calc::CaptionSet& captions) {
  std::string text;
  for (std::size_t index = 0; index < evaluation.labels.size(); ++index) {
    text += calc::kResultLabelNames[index];
    text += '\t';
    text += evaluation.labels[index];
    text += '\n';
  }
  text += kWarningLabelName;
  text += '\t';
  text += WarningText(evaluation, captions);
  text += '\n';
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

std::string FormatJson(const Evaluation& evaluation, const calc::CaptionSet& captions) {
  std::string text = "{\n";
  for (std::size_t index = 0; index < evaluation.labels.size(); ++index) {
    text += "  " + JsonString(calc::kResultLabelNames[index]) + ": " + JsonString(evaluation.labels[index]) + ",\n";
  }
  text += "  " + JsonString(kWarningLabelName) + ": " + JsonString(WarningText(evaluation, captions)) + "\n}\n";
  return text;
}

std::string FormatReport(const Evaluation& evaluation, const Options& options) {
  const calc::CaptionSet& captions = calc::Captions(!options.german);
  switch (options.format) {
    case ReportFormat::Labels:
      return FormatLabelList(evaluation, captions);
    case ReportFormat::Json:
      return FormatJson(evaluation, captions);
    case ReportFormat::Table:
      break;
  }
  return FormatTable(evaluation, captions);
}

}  // namespace cli
