#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

enum class ReportFormat {
  Table,   // the result table as the window shows it, for people
  Labels,  // one line per label: name, TAB, text
  Json,    // the labels as one JSON object
};

// What the command line asks for.
struct Options {
  ReportFormat format = ReportFormat::Table;
  bool german = false;
  bool showHelp = false;
  bool showVersion = false;
  std::string modelPath;  // "-" reads the model from standard input
  std::string diagramPath;  // where --diagram writes the planform diagram as PNG; empty: not asked
};

// One long option. Options with a value accept "--name VALUE" and
// "--name=VALUE"; `apply` receives the value ("" for a flag).
struct OptionDefinition {
  std::string_view name;       // with the leading "--"
  std::string_view valueName;  // shown in the help; empty for a flag
  std::string_view help;
  void (*apply)(Options& options, std::string_view value);
};

// The program's options, in the order the help lists them.
std::span<const OptionDefinition> ProgramOptions();

struct ParsedArguments {
  Options options;
  std::string error;  // empty when the arguments are usable
};

// Parses the arguments after the program name against `definitions`. Everything
// that is not an option is the model file; "-" is standard input and "--"
// ends the options. Errors: an unknown option, a missing value, no model
// file or more than one, --labels together with --json. --help and
// --version need no model file.
ParsedArguments ParseArguments(const std::vector<std::string>& arguments,
                               std::span<const OptionDefinition> definitions = ProgramOptions());

// The text --help prints, listing `definitions`.
std::string UsageText(std::span<const OptionDefinition> definitions = ProgramOptions());

// The text --version prints: program name and version, one line.
std::string VersionText();

}  // namespace cli
