#include "options.h"

#include <algorithm>
#include <array>

namespace cli {
namespace {

constexpr std::string_view kProgramName = "cgcalc-cli";
constexpr std::string_view kStandardInput = "-";
constexpr std::string_view kEndOfOptions = "--";

const OptionDefinition kProgramOptions[] = {
    {"--labels", "", "one line per result label: its name, a tab and its text",
     [](Options& o, std::string_view) { o.format = ReportFormat::Labels; }},
    {"--json", "", "the result labels as a JSON object",
     [](Options& o, std::string_view) { o.format = ReportFormat::Json; }},
    {"--german", "", "German captions and warning text",
     [](Options& o, std::string_view) { o.german = true; }},
    {"--help", "", "show this help and exit", [](Options& o, std::string_view) { o.showHelp = true; }},
#ifdef CGCALC_DIAGRAM_EXPORT
    {"--diagram", "OUT.png", "also write the planform diagram, as the window draws it, to a PNG file",
     [](Options& o, std::string_view value) { o.diagramPath = value; }},
#endif
    {"--version", "", "show the version and exit", [](Options& o, std::string_view) { o.showVersion = true; }},
};

const OptionDefinition* FindOption(std::span<const OptionDefinition> definitions, std::string_view name) {
  const auto found = std::find_if(definitions.begin(), definitions.end(),
                                  [&](const OptionDefinition& definition) { return definition.name == name; });
  return found == definitions.end() ? nullptr : &*found;
}

bool IsOption(std::string_view argument) { return argument.size() > 1 && argument.front() == '-'; }

}  // namespace

std::span<const OptionDefinition> ProgramOptions() { return kProgramOptions; }

ParsedArguments ParseArguments(const std::vector<std::string>& arguments,
                               std::span<const OptionDefinition> definitions) {
  ParsedArguments parsed;
  std::vector<std::string> models;
  bool optionsEnded = false;
  for (std::size_t at = 0; at < arguments.size(); ++at) {
    const std::string_view argument = arguments[at];
    if (optionsEnded || !IsOption(argument) || argument == kStandardInput) {
      models.emplace_back(argument);
      continue;
    }
    if (argument == kEndOfOptions) {
      optionsEnded = true;
      continue;
    }
    const std::size_t equals = argument.find('=');
    const OptionDefinition* definition = FindOption(definitions, argument.substr(0, equals));
    if (definition == nullptr) return {{}, "unknown option '" + std::string(argument) + "'"};
    std::string_view value;
    if (definition->valueName.empty()) {
      if (equals != std::string_view::npos) {
        return {{}, "option '" + std::string(definition->name) + "' takes no value"};
      }
    } else if (equals != std::string_view::npos) {
      value = argument.substr(equals + 1);
    } else if (at + 1 < arguments.size()) {
      value = arguments[++at];
    } else {
      return {{}, "option '" + std::string(definition->name) + "' needs " + std::string(definition->valueName)};
    }
    const ReportFormat before = parsed.options.format;
    definition->apply(parsed.options, value);
    if (before != ReportFormat::Table && parsed.options.format != before) {
      return {{}, "only one report format may be chosen"};
    }
  }
  if (parsed.options.showHelp || parsed.options.showVersion) return parsed;
  if (models.empty()) return {{}, "no model file given"};
  if (models.size() > 1) return {{}, "more than one model file given"};
  parsed.options.modelPath = models.front();
  return parsed;
}

std::string UsageText(std::span<const OptionDefinition> definitions) {
  std::string text = "Usage: " + std::string(kProgramName) + " [options] MODEL.dat\n";
  text += "Shows the results the main window shows right after loading the model file\n";
  text += "MODEL.dat (\"-\" reads it from standard input).\n\nOptions:\n";
  constexpr std::size_t kNameColumn = 22;
  for (const OptionDefinition& definition : definitions) {
    std::string left = "  ";
    left += definition.name;
    if (!definition.valueName.empty()) {
      left += ' ';
      left += definition.valueName;
    }
    left.resize(std::max(kNameColumn, left.size() + 1), ' ');
    text += left + std::string(definition.help) + "\n";
  }
  text += "\nExit status: 0 on success, 1 when the file or the calculation fails, 2 on a usage error.\n";
  return text;
}

std::string VersionText() { return std::string(kProgramName) + " " + CGCALC_VERSION + "\n"; }

}  // namespace cli
