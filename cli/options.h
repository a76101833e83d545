#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "aero/vortex_lattice.h"
#include "calc/balance.h"
#include "calc/margins.h"
#include "calc/units.h"
#include "present/language.h"

namespace cli {

// The model path (and --files-from list) that reads standard input.
inline constexpr std::string_view kStandardInput = "-";

// The endings --save-as knows: a model document, or a .dat file.
inline constexpr std::string_view kDocumentExtension = ".cgcalc";
inline constexpr std::string_view kDatExtension = ".dat";

enum class ReportFormat {
  Table,      // the result table as the window shows it, for people
  Labels,     // one line per label: name, TAB, text
  Json,       // the labels as one JSON object
  Csv,        // one header row, then one row per model (or sweep point)
  JsonLines,  // one JSON object per model (or sweep point) per line
};

// What the command line asks for.
struct Options {
  ReportFormat format = ReportFormat::Table;
  bool formatChosen = false;
  present::Language language = present::Language::English;
  bool showHelp = false;
  bool showVersion = false;
  std::vector<std::string> modelPaths;  // "-" reads a model from standard input
  std::string filesFrom;                // --files-from: a list of model paths, one per line ("-": standard input)
  std::vector<std::string> sweeps;      // each FIELD=FROM:TO:STEP as given
  std::string diagramPath;              // where --diagram writes the planform diagram as PNG; empty: not asked
  std::string avlPath;                  // where --avl writes the model as an AVL geometry file; empty: not asked
  std::string saveAsPath;               // where --save-as writes the model (.cgcalc or .dat); empty: not asked
  std::optional<calc::TMargins> margins;  // --margins: replace a document's (or the default) margins
  bool vlm = false;                     // --vlm: the vortex lattice's second opinion in every format
  // Threads a sweep with --vlm may use; 0: one per core. Not an option: the
  // output is the same whatever the count, and tests prove it.
  unsigned threads = 0;
  // --cg, --supports, --mass, --ballast-at as typed: in the units the model's
  // results are printed in (ReportUnits), converted once those are known.
  calc::TBalanceInput balance;
  std::optional<double> tailHeight;     // --tail-height: the tailplane's height above the wing's plane, typed so too
  // --units: what replaces a document's units; a mass not given keeps the
  // document's (grams for a .dat file).
  std::optional<calc::LengthUnit> lengthUnit;
  std::optional<calc::MassUnit> massUnit;
  // The first option value that is not usable (a number that is none, an
  // unknown language, an empty file name), reported once all are read.
  std::string valueError;

  // Whether the balance check is asked for (a measured centre of gravity).
  bool WithBalance() const { return balance.Cg || balance.Supports; }
  // How the vortex lattice lays out the model (--vlm, and --avl's check).
  aero::VlmOptions VlmLayout() const;
  // Whether each model's report stands alone (table, --labels, --json), so
  // that a document's own units may apply; rows (--csv, --jsonl, sweeps)
  // share one unit, the command line's, so that a column never changes its
  // unit from row to row.
  bool ReportsStandAlone() const {
    return sweeps.empty() && format != ReportFormat::Csv && format != ReportFormat::JsonLines;
  }
  // The units a model is printed (and option values typed) in: --units,
  // else the document's `documentUnits` where reports stand alone, else
  // millimetres and grams.
  calc::TUnits ReportUnits(const calc::TUnits* documentUnits) const;
};

// The units as --units takes them and the outputs name them: "in,oz",
// "mm,g" (files::kLengthUnitNames, kMassUnitNames).
std::string UnitsText(calc::TUnits units);

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

// An option that writes a file of its own besides the report (--diagram,
// --avl): the same rules hold for each.
struct WrittenFileOption {
  std::string_view name;  // with the leading "--"
  std::string Options::*path;
};
std::span<const WrittenFileOption> WrittenFileOptions();

// Parses the arguments after the program name against `definitions`. Everything
// that is not an option is a model file; "-" is standard input and "--"
// ends the options. Errors: an unknown option, a missing value, no model
// file and no --files-from, two report formats, --json or a written file
// (--diagram, --avl, --save-as) with more than one model file, a written file with
// --csv, --jsonl or --sweep, an empty file name,
// --tail-height without --vlm, --avl, --diagram or --save-as, --margins that
// calc::CheckMargins refuses, --units other than LENGTH[,MASS] of in or mm and
// oz or g, --mass or --ballast-at with --csv (no sweep) and neither --cg nor
// --supports (a plain --csv uses no document's balance), --save-as to a name that ends in neither .cgcalc
// nor .dat, --sweep with other than exactly one
// model file,
// more than two sweeps, or with a format other than --csv and --jsonl, a
// --language code that is not in present::kLanguages.
// --help and --version need no model file.
ParsedArguments ParseArguments(const std::vector<std::string>& arguments,
                               std::span<const OptionDefinition> definitions = ProgramOptions());

// The text --help prints, listing `definitions`.
std::string UsageText(std::span<const OptionDefinition> definitions = ProgramOptions());

// The model's field codes in file order, separated by blanks: the names
// --sweep takes.
std::string FieldCodeList();

// The text --version prints: program name and version, one line.
std::string VersionText();

}  // namespace cli
