#include "options.h"

#include <algorithm>
#include <array>

#include "calc/failure.h"
#include "calc/model.h"
#include "calc/number_text.h"
#include "files/document_keys.h"

namespace cli {
namespace {

constexpr std::string_view kProgramName = "cgcalc-cli";
constexpr std::string_view kEndOfOptions = "--";
constexpr std::size_t kMaxSweeps = 2;

void ChooseFormat(Options& options, ReportFormat format) {
  options.format = format;
  options.formatChosen = true;
}

// An unusable value is remembered and reported once all arguments are read.
void NoteValueError(Options& options, std::string error) {
  if (options.valueError.empty()) options.valueError = std::move(error);
}

// A number of an option, read as the windows read a typed number
// (calc::ReadGivenNumber), refused in their wording.
std::optional<double> OptionNumber(Options& options, std::string_view option, std::string_view text) {
  const calc::GivenNumber given = calc::ReadGivenNumber(text);
  if (!given.Fault) return given.Value;
  NoteValueError(options, std::string(option) + " '" + std::string(text) + "': " + calc::NumberFaultText(*given.Fault));
  return std::nullopt;
}

// An empty name would read as the option not given, silently.
void ChooseWrittenFile(Options& options, std::string_view option, std::string Options::*path, std::string_view name) {
  if (name.empty()) NoteValueError(options, std::string(option) + ": the file name is empty");
  options.*path = name;
}

// "FORWARD,REAR", kept to the rules of calc::CheckMargins.
void ParseMargins(Options& options, std::string_view text) {
  const std::size_t comma = text.find(',');
  if (comma == std::string_view::npos) {
    NoteValueError(options, "--margins: write FORWARD,REAR");
    return;
  }
  const std::optional<double> forward = OptionNumber(options, "--margins", text.substr(0, comma));
  const std::optional<double> rear = OptionNumber(options, "--margins", text.substr(comma + 1));
  if (!forward || !rear) return;
  const calc::TMargins margins{*forward, *rear};
  if (const calc::MarginsFault fault = calc::CheckMargins(margins); fault != calc::MarginsFault::None) {
    NoteValueError(options, "--margins " + std::string(text) + ": " + calc::MarginsFaultText(fault));
    return;
  }
  options.margins = margins;
}

// The format of a saved model follows its name.
void ChooseSavedModel(Options& options, std::string_view name) {
  ChooseWrittenFile(options, "--save-as", &Options::saveAsPath, name);
  if (!name.empty() && !name.ends_with(kDocumentExtension) && !name.ends_with(kDatExtension)) {
    NoteValueError(options, "--save-as " + std::string(name) + ": the name must end in " +
                                std::string(kDocumentExtension) + " or " + std::string(kDatExtension));
  }
}

// The unit named `name` in a document's table of names, or nothing.
template <class Unit, std::size_t N>
std::optional<Unit> UnitNamed(const files::UnitName<Unit> (&names)[N], std::string_view name) {
  for (const files::UnitName<Unit>& entry : names) {
    if (entry.name == name) return entry.unit;
  }
  return std::nullopt;
}

template <class Unit, std::size_t N>
std::string UnitChoice(const files::UnitName<Unit> (&names)[N]) {
  std::string choice;
  for (const files::UnitName<Unit>& entry : names) choice += (choice.empty() ? "" : " or ") + std::string(entry.name);
  return choice;
}

// "LENGTH[,MASS]", named as a document names them.
void ParseUnits(Options& options, std::string_view text) {
  const std::size_t comma = text.find(',');
  const std::optional<calc::LengthUnit> length = UnitNamed(files::kLengthUnitNames, text.substr(0, comma));
  std::optional<calc::MassUnit> mass;
  if (comma != std::string_view::npos) mass = UnitNamed(files::kMassUnitNames, text.substr(comma + 1));
  if (!length || (comma != std::string_view::npos && !mass)) {
    NoteValueError(options, "--units '" + std::string(text) + "': write LENGTH[,MASS], LENGTH " +
                                UnitChoice(files::kLengthUnitNames) + ", MASS " + UnitChoice(files::kMassUnitNames));
    return;
  }
  options.lengthUnit = length;
  options.massUnit = mass;
}

// "XA:MA,XB:MB": two supports, each a position and what it carries.
void ParseSupports(Options& options, std::string_view text) {
  const std::size_t comma = text.find(',');
  const std::string_view supports[] = {text.substr(0, comma),
                                       comma == std::string_view::npos ? "" : text.substr(comma + 1)};
  double numbers[4] = {};
  for (int s = 0; s < 2; ++s) {
    const std::size_t colon = supports[s].find(':');
    if (comma == std::string_view::npos || colon == std::string_view::npos) {
      NoteValueError(options, "--supports: write XA:MA,XB:MB");
      return;
    }
    const std::optional<double> position = OptionNumber(options, "--supports", supports[s].substr(0, colon));
    const std::optional<double> mass = OptionNumber(options, "--supports", supports[s].substr(colon + 1));
    if (!position || !mass) return;
    numbers[2 * s] = *position;
    numbers[2 * s + 1] = *mass;
  }
  options.balance.Supports = calc::TSupports{numbers[0], numbers[1], numbers[2], numbers[3]};
}

// The language codes joined with '|', built from the language table: the
// value name --language shows in the help.
constexpr std::size_t LanguageCodesLength() {
  std::size_t length = present::kLanguageCount - 1;
  for (const present::LanguageEntry& entry : present::kLanguages) length += entry.code.size();
  return length;
}
constexpr std::array<char, LanguageCodesLength()> LanguageCodes() {
  std::array<char, LanguageCodesLength()> codes{};
  std::size_t at = 0;
  for (const present::LanguageEntry& entry : present::kLanguages) {
    if (at > 0) codes[at++] = '|';
    for (const char c : entry.code) codes[at++] = c;
  }
  return codes;
}
constexpr std::array kLanguageCodes = LanguageCodes();
constexpr std::string_view kLanguageCodeChoice(kLanguageCodes.data(), kLanguageCodes.size());

void ChooseLanguage(Options& options, std::string_view code) {
  for (const present::LanguageEntry& entry : present::kLanguages) {
    if (entry.code == code) {
      options.language = entry.language;
      return;
    }
  }
  std::string codes;
  for (const present::LanguageEntry& entry : present::kLanguages) {
    codes += (codes.empty() ? "" : " ") + std::string(entry.code);
  }
  NoteValueError(options, "--language: unknown language '" + std::string(code) + "' (the languages are " + codes + ")");
}

const OptionDefinition kProgramOptions[] = {
    {"--labels", "", "one line per result label: its name, a tab and its text",
     [](Options& o, std::string_view) { ChooseFormat(o, ReportFormat::Labels); }},
    {"--json", "", "the result labels as a JSON object (one model file only)",
     [](Options& o, std::string_view) { ChooseFormat(o, ReportFormat::Json); }},
    {"--csv", "", "one CSV row per model file or sweep point, after a header row",
     [](Options& o, std::string_view) { ChooseFormat(o, ReportFormat::Csv); }},
    {"--jsonl", "", "one JSON object per model file or sweep point, one per line",
     [](Options& o, std::string_view) { ChooseFormat(o, ReportFormat::JsonLines); }},
    {"--language", kLanguageCodeChoice, "captions, warning and balance words in this language",
     [](Options& o, std::string_view value) { ChooseLanguage(o, value); }},
    {"--german", "", "German captions, warning and balance words (--language=de)",
     [](Options& o, std::string_view) { o.language = present::Language::German; }},
    {"--files-from", "LIST", "also read the model files named in LIST, one per line (\"-\": standard input)",
     [](Options& o, std::string_view value) { o.filesFrom = value; }},
    {"--sweep", "FIELD=FROM:TO:STEP", "vary one dimension of the model (twice: a grid of two)",
     [](Options& o, std::string_view value) { o.sweeps.emplace_back(value); }},
    {"--units", "LENGTH[,MASS]", "print and read lengths in in or mm, masses in oz or g (else the document's, or mm,g)",
     [](Options& o, std::string_view value) { ParseUnits(o, value); }},
    {"--cg", "X", "balance check: the measured centre of gravity, mm (or --units) behind the wing root's leading edge",
     [](Options& o, std::string_view value) { o.balance.Cg = OptionNumber(o, "--cg", value); }},
    {"--supports", "XA:MA,XB:MB", "balance check: two supports at XA and XB (mm) carrying MA and MB (g), or in --units",
     [](Options& o, std::string_view value) { ParseSupports(o, value); }},
    {"--mass", "M", "balance check: the model's mass in g or --units (else MA + MB)",
     [](Options& o, std::string_view value) { o.balance.Mass = OptionNumber(o, "--mass", value); }},
    {"--ballast-at", "X", "balance check: where ballast would go, mm (or --units) behind the wing root's leading edge",
     [](Options& o, std::string_view value) { o.balance.BallastStation = OptionNumber(o, "--ballast-at", value); }},
    {"--diagram", "OUT.png", "also write the planform diagram, as the window draws it, to a PNG file",
     [](Options& o, std::string_view value) { ChooseWrittenFile(o, "--diagram", &Options::diagramPath, value); }},
    {"--vlm", "", "add the vortex lattice's lift slope, neutral point and warnings (sweeps: every core)",
     [](Options& o, std::string_view) { o.vlm = true; }},
    {"--avl", "OUT.avl", "also write the model as an AVL geometry file, to check the results in AVL",
     [](Options& o, std::string_view value) { ChooseWrittenFile(o, "--avl", &Options::avlPath, value); }},
    {"--margins", "FORWARD,REAR", "the static margins in % of the mean chord (else the document's, or 16,8; 8,4 for a flying wing)",
     [](Options& o, std::string_view value) { ParseMargins(o, value); }},
    {"--save-as", "OUT.cgcalc|OUT.dat", "also write the model, with the options' margins, units, balance and tail height, as a document or .dat file",
     [](Options& o, std::string_view value) { ChooseSavedModel(o, value); }},
    {"--tail-height", "HEIGHT", "the tailplane's height above the wing's plane in mm (or --units), for --vlm, --avl and a canard's --diagram (0)",
     [](Options& o, std::string_view value) { o.tailHeight = OptionNumber(o, "--tail-height", value).value_or(0.0); }},
    {"--help", "", "show this help and exit", [](Options& o, std::string_view) { o.showHelp = true; }},
    {"--version", "", "show the version and exit", [](Options& o, std::string_view) { o.showVersion = true; }},
};

constexpr WrittenFileOption kWrittenFileOptions[] = {
    {"--diagram", &Options::diagramPath},
    {"--avl", &Options::avlPath},
    {"--save-as", &Options::saveAsPath},
};

const OptionDefinition* FindOption(std::span<const OptionDefinition> definitions, std::string_view name) {
  const auto found = std::find_if(definitions.begin(), definitions.end(),
                                  [&](const OptionDefinition& definition) { return definition.name == name; });
  return found == definitions.end() ? nullptr : &*found;
}

bool IsOption(std::string_view argument) { return argument.size() > 1 && argument.front() == '-'; }

// A written file belongs to one model; rows of results have none, and an
// option is never ignored.
std::string WrittenFileError(const Options& options, bool severalFiles) {
  const bool rows =
      !options.sweeps.empty() || options.format == ReportFormat::Csv || options.format == ReportFormat::JsonLines;
  for (const WrittenFileOption& option : kWrittenFileOptions) {
    if ((options.*option.path).empty()) continue;
    const std::string name(option.name);
    if (severalFiles) return name + " takes one model file";
    if (rows) return name + " cannot be combined with --csv, --jsonl or --sweep";
  }
  return "";
}

// The rules that need every argument seen; empty when they hold.
std::string CombinationError(const Options& options) {
  if (!options.valueError.empty()) return options.valueError;
  if (options.balance.Cg && options.balance.Supports) return "--cg and --supports both give the centre of gravity";
  // Elsewhere a document may give the centre of gravity; a plain --csv
  // takes no document's balance, so nothing could.
  if (options.format == ReportFormat::Csv && options.sweeps.empty() && !options.WithBalance() &&
      (options.balance.Mass || options.balance.BallastStation)) {
    return "--mass and --ballast-at need --cg or --supports with --csv";
  }
  if (options.tailHeight && !options.vlm && options.avlPath.empty() && options.diagramPath.empty() &&
      options.saveAsPath.empty())
    return "--tail-height needs --vlm, --avl, --diagram or --save-as";
  if (options.balance.Supports) {
    // Only what the supports alone decide is theirs to refuse (their centre
    // of gravity and mass); the rest of the balance's arithmetic belongs to
    // the model it is computed for.
    try {
      calc::CgOnSupports(*options.balance.Supports);
    } catch (const calc::BalanceInputError& error) {
      return std::string("--supports: ") + error.what();
    } catch (const calc::ArithmeticFailure& failure) {
      return std::string("--supports: ") + failure.what();
    }
  }
  if (options.balance.Mass && !calc::IsUsableMass(*options.balance.Mass)) {
    return std::string("--mass: ") + calc::BalanceInputText(calc::BalanceInputKind::MassNotPositive);
  }
  const bool severalFiles = options.modelPaths.size() > 1 || !options.filesFrom.empty();
  if (options.modelPaths.empty() && options.filesFrom.empty()) return "no model file given";
  if (options.format == ReportFormat::Json && severalFiles) {
    return "--json takes one model file; use --jsonl for several";
  }
  if (std::string error = WrittenFileError(options, severalFiles); !error.empty()) return error;
  if (options.sweeps.empty()) return "";
  if (options.sweeps.size() > kMaxSweeps) return "at most two --sweep options may be given";
  if (severalFiles) return "--sweep takes exactly one model file";
  if (options.formatChosen && options.format != ReportFormat::Csv && options.format != ReportFormat::JsonLines) {
    return "--sweep prints --csv or --jsonl";
  }
  return "";
}

}  // namespace

aero::VlmOptions Options::VlmLayout() const {
  aero::VlmOptions layout;
  layout.TailHeight = tailHeight.value_or(0.0);
  return layout;
}

calc::TUnits Options::ReportUnits(const calc::TUnits* documentUnits) const {
  calc::TUnits units;
  if (documentUnits != nullptr && ReportsStandAlone()) units = *documentUnits;
  if (lengthUnit) units.Length = *lengthUnit;
  if (massUnit) units.Mass = *massUnit;
  return units;
}

std::string UnitsText(calc::TUnits units) {
  return std::string(files::UnitNameOf(files::kLengthUnitNames, units.Length)) + "," +
         std::string(files::UnitNameOf(files::kMassUnitNames, units.Mass));
}

std::span<const OptionDefinition> ProgramOptions() { return kProgramOptions; }

std::span<const WrittenFileOption> WrittenFileOptions() { return kWrittenFileOptions; }

ParsedArguments ParseArguments(const std::vector<std::string>& arguments,
                               std::span<const OptionDefinition> definitions) {
  ParsedArguments parsed;
  Options& options = parsed.options;
  bool optionsEnded = false;
  for (std::size_t at = 0; at < arguments.size(); ++at) {
    const std::string_view argument = arguments[at];
    if (optionsEnded || !IsOption(argument) || argument == kStandardInput) {
      options.modelPaths.emplace_back(argument);
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
    const bool hadFormat = options.formatChosen;
    const ReportFormat before = options.format;
    definition->apply(options, value);
    // The same format twice is harmless; two different ones are not.
    if (hadFormat && options.format != before) return {{}, "only one report format may be chosen"};
  }
  if (options.showHelp || options.showVersion) return parsed;
  if (!options.formatChosen && !options.sweeps.empty()) options.format = ReportFormat::Csv;
  std::string error = CombinationError(options);
  if (!error.empty()) return {{}, std::move(error)};
  return parsed;
}

std::string UsageText(std::span<const OptionDefinition> definitions) {
  std::string text = "Usage: " + std::string(kProgramName) + " [options] MODEL.dat|MODEL.cgcalc...\n";
  text += "Shows the results the main window shows right after loading each model file\n";
  text += "(\"-\" reads one from standard input).\n\nOptions:\n";
  constexpr std::size_t kNameColumn = 24;
  for (const OptionDefinition& definition : definitions) {
    std::string left = "  ";
    left += definition.name;
    if (!definition.valueName.empty()) {
      left += ' ';
      left += definition.valueName;
    }
    if (left.size() >= kNameColumn) {
      text += left + "\n";
      left.clear();
    }
    left.resize(kNameColumn, ' ');
    text += left + std::string(definition.help) + "\n";
  }
  text += "\nFIELD is a dimension's name, in the model file's order:\n  " + FieldCodeList() + "\n";
  text +=
      "Each swept value enters that field as if typed after loading the model;\n"
      "the i-th value is FROM + i*STEP, up to and including TO.\n"
      "\nExamples:\n"
      "  cgcalc-cli glider.dat                      the result table\n"
      "  cgcalc-cli --language de glider.dat        the table with German captions\n"
      "  cgcalc-cli --units in,oz glider.dat        the table in inches and ounces\n"
      "  cgcalc-cli --labels glider.dat             label names and texts\n"
      "  cgcalc-cli --json glider.dat               the same as a JSON object\n"
      "  cgcalc-cli --csv models/*.dat              one CSV row per model\n"
      "  find models -name '*.dat' | cgcalc-cli --jsonl --files-from -\n"
      "  cgcalc-cli --sweep Rh=400:900:50 glider.dat\n"
      "  cgcalc-cli --sweep B=1200:1600:100 --sweep Li=200:240:10 --jsonl glider.dat\n"
      "  cgcalc-cli --diagram glider.png glider.dat also writes the top view as PNG\n"
      "  cgcalc-cli --vlm glider.dat                adds the vortex lattice's opinion\n"
      "  cgcalc-cli --avl glider.avl glider.dat     also writes the model for AVL\n"
      "  cgcalc-cli --save-as glider.cgcalc glider.dat  also writes the model as a document\n"
      "\nExit status: 0 on success, 1 when a file, the calculation or writing fails,\n"
      "2 on a usage error.\n";
  return text;
}

std::string FieldCodeList() {
  std::string list;
  for (const std::string_view code : calc::kModelFieldCodes) list += (list.empty() ? "" : " ") + std::string(code);
  return list;
}

std::string VersionText() { return std::string(kProgramName) + " " + CGCALC_VERSION + "\n"; }

}  // namespace cli
