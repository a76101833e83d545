#include "cli/options.h"

#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "cli/vlm_rows.h"
#include "present/balance_rows.h"

namespace cli {
namespace {

struct ArgumentRow {
  const char* name;
  std::vector<std::string> arguments;
  const char* error;  // "" when the arguments are usable
  ReportFormat format = ReportFormat::Table;
  bool german = false;
  bool help = false;
  bool version = false;
  const char* models = "";  // the model paths joined with '|'
};

const ArgumentRow kArgumentRows[] = {
    {"file only", {"model.dat"}, "", ReportFormat::Table, false, false, false, "model.dat"},
    {"standard input", {"-"}, "", ReportFormat::Table, false, false, false, "-"},
    {"labels", {"--labels", "m.dat"}, "", ReportFormat::Labels, false, false, false, "m.dat"},
    {"json after file", {"m.dat", "--json"}, "", ReportFormat::Json, false, false, false, "m.dat"},
    {"german labels", {"--german", "--labels", "-"}, "", ReportFormat::Labels, true, false, false, "-"},
    {"language de", {"--language=de", "m.dat"}, "", ReportFormat::Table, true, false, false, "m.dat"},
    {"language en after german", {"--german", "--language", "en", "m.dat"}, "", ReportFormat::Table, false, false,
     false, "m.dat"},
    {"unknown language", {"--language=fr", "m.dat"}, "--language: unknown language 'fr' (the languages are de en)"},
    {"same format twice", {"--json", "--json", "m.dat"}, "", ReportFormat::Json, false, false, false, "m.dat"},
    {"help alone", {"--help"}, "", ReportFormat::Table, false, true, false, ""},
    {"help with file", {"--help", "m.dat"}, "", ReportFormat::Table, false, true, false, "m.dat"},
    {"version alone", {"--version"}, "", ReportFormat::Table, false, false, true, ""},
    {"dash file after end of options", {"--", "-x.dat"}, "", ReportFormat::Table, false, false, false, "-x.dat"},
    {"option name after end of options", {"--", "--json"}, "", ReportFormat::Table, false, false, false, "--json"},
    {"two files", {"a.dat", "b.dat"}, "", ReportFormat::Table, false, false, false, "a.dat|b.dat"},
    {"csv of three", {"--csv", "a.dat", "b.dat", "-"}, "", ReportFormat::Csv, false, false, false, "a.dat|b.dat|-"},
    {"jsonl from a list", {"--jsonl", "--files-from", "list"}, "", ReportFormat::JsonLines, false, false, false, ""},
    {"sweep prints csv", {"--sweep", "Rh=1:2:1", "m.dat"}, "", ReportFormat::Csv, false, false, false, "m.dat"},
    {"sweep as jsonl", {"--sweep=B=1:2:1", "--jsonl", "m.dat"}, "", ReportFormat::JsonLines, false, false, false,
     "m.dat"},
    {"no arguments", {}, "no model file given"},
    {"options but no file", {"--json"}, "no model file given"},
    {"json of two files", {"--json", "a.dat", "b.dat"}, "--json takes one model file; use --jsonl for several"},
    {"json of a list", {"--json", "--files-from", "l"}, "--json takes one model file; use --jsonl for several"},
    {"diagram of two files", {"--diagram", "x.png", "a.dat", "b.dat"}, "--diagram takes one model file"},
    {"diagram with csv", {"--diagram", "x.png", "--csv", "a.dat"},
     "--diagram cannot be combined with --csv, --jsonl or --sweep"},
    {"diagram with jsonl", {"--jsonl", "--diagram=x.png", "a.dat"},
     "--diagram cannot be combined with --csv, --jsonl or --sweep"},
    {"diagram with sweep", {"--diagram", "x.png", "--sweep", "B=1:2:1", "a.dat"},
     "--diagram cannot be combined with --csv, --jsonl or --sweep"},
    {"avl of two files", {"--avl", "x.avl", "a.dat", "b.dat"}, "--avl takes one model file"},
    {"avl with sweep", {"--vlm", "--avl", "x.avl", "--sweep", "B=1:2:1", "a.dat"},
     "--avl cannot be combined with --csv, --jsonl or --sweep"},
    {"empty avl name", {"--avl", "", "a.dat"}, "--avl: the file name is empty"},
    {"empty diagram name", {"--diagram=", "a.dat"}, "--diagram: the file name is empty"},
    {"tail height without vlm, avl or diagram", {"--tail-height", "50", "a.dat"}, "--tail-height needs --vlm, --avl, --diagram or --save-as"},
    {"save as with sweep", {"--save-as", "x.cgcalc", "--sweep", "B=1:2:1", "a.dat"},
     "--save-as cannot be combined with --csv, --jsonl or --sweep"},
    {"save as of two files", {"--save-as", "x.dat", "a.dat", "b.cgcalc"}, "--save-as takes one model file"},
    {"save as a picture", {"--save-as", "x.png", "a.dat"}, "--save-as x.png: the name must end in .cgcalc or .dat"},
    {"tail height saved", {"--tail-height", "50", "--save-as", "x.cgcalc", "a.dat"}, "", ReportFormat::Table, false,
     false, false, "a.dat"},
    {"margins without comma", {"--margins", "16", "a.dat"}, "--margins: write FORWARD,REAR"},
    {"margins with a decimal comma", {"--margins", "16,5,8", "a.dat"}, "--margins '5,8': not a number"},
    {"margins swapped", {"--margins", "8,16", "a.dat"}, "--margins 8,16: the forward margin must be larger than the rear one"},
    {"rear margin below zero", {"--margins=10,-1", "a.dat"}, "--margins 10,-1: the rear margin must be 0 or more"},
    {"forward margin above fifty", {"--margins", "50.5,8", "a.dat"}, "--margins 50.5,8: a margin must be 50 or less"},
    {"tail height not a number", {"--vlm", "--tail-height=5 0", "a.dat"}, "--tail-height '5 0': not a number"},
    {"vlm sweep", {"--vlm", "--sweep", "B=1:2:1", "a.dat"}, "", ReportFormat::Csv, false, false, false, "a.dat"},
    {"sweep of two files", {"--sweep", "B=1:2:1", "a.dat", "b.dat"}, "--sweep takes exactly one model file"},
    {"three sweeps", {"--sweep", "B=1:2:1", "--sweep", "Li=1:2:1", "--sweep", "Lk=1:2:1", "a.dat"},
     "at most two --sweep options may be given"},
    {"sweep as labels", {"--sweep", "B=1:2:1", "--labels", "a.dat"}, "--sweep prints --csv or --jsonl"},
    {"units in centimetres", {"--units", "cm", "a.dat"}, "--units 'cm': write LENGTH[,MASS], LENGTH mm or in, MASS g or oz"},
    {"units with a mass of pounds", {"--units=in,lb", "a.dat"}, "--units 'in,lb': write LENGTH[,MASS], LENGTH mm or in, MASS g or oz"},
    {"units of mass alone", {"--units", ",oz", "a.dat"}, "--units ',oz': write LENGTH[,MASS], LENGTH mm or in, MASS g or oz"},
    {"units in capitals", {"--units", "IN", "a.dat"}, "--units 'IN': write LENGTH[,MASS], LENGTH mm or in, MASS g or oz"},
    {"csv mass without a centre of gravity", {"--csv", "--mass", "900", "a.dat"},
     "--mass and --ballast-at need --cg or --supports with --csv"},
    {"sweep mass from a document", {"--sweep", "B=1:2:1", "--mass", "900", "a.cgcalc"}, "", ReportFormat::Csv, false,
     false, false, "a.cgcalc"},
    {"unknown long option", {"--diagramm", "a.dat"}, "unknown option '--diagramm'"},
    {"unknown short option", {"-j", "a.dat"}, "unknown option '-j'"},
    {"flag with a value", {"--json=yes", "a.dat"}, "option '--json' takes no value"},
    {"labels and json", {"--labels", "--json", "a.dat"}, "only one report format may be chosen"},
    {"json and labels", {"--json", "a.dat", "--labels"}, "only one report format may be chosen"},
    {"csv and jsonl", {"--csv", "--jsonl", "a.dat"}, "only one report format may be chosen"},
    {"unknown option wins over help", {"--help", "--what"}, "unknown option '--what'"},
};

std::string Joined(const std::vector<std::string>& paths) {
  std::string joined;
  for (const std::string& path : paths) joined += (joined.empty() ? "" : "|") + path;
  return joined;
}

class ArgumentParsing : public ::testing::TestWithParam<ArgumentRow> {};

TEST_P(ArgumentParsing, GivesOptionsOrError) {
  const ArgumentRow& row = GetParam();
  const ParsedArguments parsed = ParseArguments(row.arguments);
  EXPECT_EQ(parsed.error, row.error);
  if (!parsed.error.empty()) return;
  EXPECT_EQ(parsed.options.format, row.format);
  EXPECT_EQ(parsed.options.language == present::Language::German, row.german);
  EXPECT_EQ(parsed.options.showHelp, row.help);
  EXPECT_EQ(parsed.options.showVersion, row.version);
  EXPECT_EQ(Joined(parsed.options.modelPaths), row.models);
}

INSTANTIATE_TEST_SUITE_P(Table, ArgumentParsing, ::testing::ValuesIn(kArgumentRows),
                         [](const ::testing::TestParamInfo<ArgumentRow>& info) {
                           std::string name = info.param.name;
                           for (char& c : name) {
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           }
                           return name;
                         });

// An option that takes a value, in a table of its own, as image export would
// add one; it records its value in the model path to make it visible.
const std::array<OptionDefinition, 2> kValueOptions = {{
    {"--out", "FILE", "where to write",
     [](Options& o, std::string_view value) { o.diagramPath = "out:" + std::string(value); }},
    {"--help", "", "help", [](Options& o, std::string_view) { o.showHelp = true; }},
}};

struct ValueRow {
  const char* name;
  std::vector<std::string> arguments;
  const char* error;
  const char* diagram;
};

TEST(ArgumentParsing, OptionValues) {
  const ValueRow rows[] = {
      {"separate value then help", {"--out", "x.png", "--help"}, "", "out:x.png"},
      {"joined value then help", {"--out=x.png", "--help"}, "", "out:x.png"},
      {"empty joined value then help", {"--out=", "--help"}, "", "out:"},
      {"value that looks like an option", {"--out", "--help"}, "no model file given", ""},
      {"missing value", {"--out"}, "option '--out' needs FILE", ""},
      {"file after the value", {"--out", "x.png", "m.dat"}, "", "out:x.png"},
  };
  for (const ValueRow& row : rows) {
    SCOPED_TRACE(row.name);
    const ParsedArguments parsed = ParseArguments(row.arguments, kValueOptions);
    EXPECT_EQ(parsed.error, row.error);
    if (parsed.error.empty()) {
      EXPECT_EQ(parsed.options.diagramPath, row.diagram);
    }
  }
}

TEST(UsageText, ListsEveryOption) {
  const std::string text = UsageText();
  for (const OptionDefinition& definition : ProgramOptions()) {
    SCOPED_TRACE(std::string(definition.name));
    EXPECT_NE(text.find("  " + std::string(definition.name) + " "), std::string::npos);
    EXPECT_NE(text.find(std::string(definition.help)), std::string::npos);
  }
  EXPECT_EQ(text.rfind("Usage: cgcalc-cli [options] MODEL.dat|MODEL.cgcalc...\n", 0), 0u);
}

TEST(UsageText, ShowsValueNames) {
  EXPECT_NE(UsageText(kValueOptions).find("  --out FILE "), std::string::npos);
}

// The manual page describes every option of the help, and every balance row
// and vortex lattice entry the outputs may carry (in roff, each '-' of a name
// is written "\-").
TEST(ManualPage, DescribesEveryOptionAndBalanceRow) {
  std::ifstream in(CGCALC_MAN_PAGE, std::ios::binary);
  const std::string page((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  ASSERT_FALSE(page.empty());
  const auto roff = [](std::string_view name) {
    std::string text;
    for (const char c : name) text += c == '-' ? std::string("\\-") : std::string(1, c);
    return text;
  };
  for (const OptionDefinition& option : ProgramOptions()) {
    EXPECT_NE(page.find("\n.B" + std::string(option.valueName.empty() ? " " : "I ") + roff(option.name)),
              std::string::npos)
        << option.name;
  }
  std::vector<std::string_view> rowNames = {kVlmWarningsName};
  for (const present::BalanceRow& row : present::BalanceRows()) rowNames.push_back(row.name);
  for (const present::BalanceRow& row : present::LatticeBalanceRows()) rowNames.push_back(row.name);
  rowNames.push_back(present::kGoverningName);
  for (const VlmFigureRow& row : kVlmFigureRows) rowNames.push_back(row.name);
  for (const std::string_view name : rowNames) {
    EXPECT_NE(page.find("\n.B " + std::string(name) + "\n"), std::string::npos) << name;
  }
}

TEST(VersionText, NamesTheProjectVersion) {
  EXPECT_EQ(VersionText(), std::string("cgcalc-cli ") + CGCALC_VERSION + "\n");
}

}  // namespace
}  // namespace cli
