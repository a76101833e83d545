// The balance check options add the same values to every output format.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "calc/number_text.h"
#include "cli/options.h"
#include "cli/program.h"
#include "files/model_look.h"
#include "test_files.h"

namespace cli {
namespace {

using cli_test::CliRun;
using cli_test::RunWith;

CliRun RunWithModel(std::vector<std::string> arguments) {
  arguments.push_back(std::string(CGCALC_EXAMPLES_DIR) + "/default.dat");
  return RunWith(arguments);
}

// Tail-heavy at 100 mm: 111.2 g of lead 100 mm ahead of the wing bring it to
// the rear limit 89.5 mm (worked by hand in the calculation's tests).
const std::vector<std::string> kTailHeavy = {"--cg", "100", "--mass", "2000", "--ballast-at", "-100"};

TEST(BalanceOptions, EveryFormatCarriesTheResults) {
  const struct {
    const char* format;
    std::vector<const char*> pieces;
  } rows[] = {
      {"--labels", {"Bal_Cg\t100.0\n", "Bal_Margin\t  3.1\n", "Bal_Verdict\ttail-heavy\n", "Bal_Ballast\t 111.2\n",
                    "Bal_NewMass\t2111.2\n"}},
      {"--json", {"\"Bal_Cg\": \"100.0\"", "\"Bal_Verdict\": \"tail-heavy\"", "\"Bal_NewMass\": \"2111.2\"\n}\n"}},
      {"--jsonl", {"\"Bal_Cg\": \"100.0\"", "\"Bal_Ballast\": \" 111.2\"", "\"error\": \"\"}\n"}},
      {"--csv", {",warning,Bal_Cg,Bal_Mass,Bal_Margin,Bal_Verdict,Bal_Ballast,Bal_NewMass,error\n",
                 ",0,100.0,2000.0,3.1,tail-heavy,111.2,2111.2,\n"}},
      {"--german", {"Schwerpunktkontrolle\n", "Urteil:", "schwanzlastig\n", "neue Masse in g:"}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.format);
    std::vector<std::string> arguments = kTailHeavy;
    arguments.push_back(row.format);
    const CliRun outcome = RunWithModel(arguments);
    EXPECT_EQ(outcome.status, kExitSuccess) << outcome.err;
    for (const char* piece : row.pieces) EXPECT_NE(outcome.out.find(piece), std::string::npos) << piece << "\n" << outcome.out;
  }
}

TEST(BalanceOptions, WithoutThemTheOutputIsUnchanged) {
  const CliRun plain = RunWithModel({"--labels"});
  EXPECT_EQ(plain.out.find("Bal_"), std::string::npos);
  EXPECT_EQ(RunWithModel({"--csv"}).out.find("Bal_"), std::string::npos);
}

TEST(BalanceOptions, UnusableValuesAreUsageErrors) {
  const struct {
    std::vector<std::string> arguments;
    const char* message;
  } rows[] = {
      {{"--cg", "ten"}, "cgcalc-cli: --cg 'ten': not a number\n"},
      {{"--supports", "1:2"}, "cgcalc-cli: --supports: write XA:MA,XB:MB\n"},
      {{"--supports", "0:0,100:0"}, "cgcalc-cli: --supports: the supports carry no mass\n"},
      {{"--supports", "80:300,80:1700"}, "cgcalc-cli: --supports: both supports stand at the same place\n"},
      {{"--supports", "0:-1000,200:2000"}, "cgcalc-cli: --supports: a mass must be more than 0 g\n"},
      {{"--supports", "1:1e308,2:1e308"}, "cgcalc-cli: --supports: Floating point overflow\n"},
      {{"--cg", "100", "--mass", "0"}, "cgcalc-cli: --mass: a mass must be more than 0 g\n"},
      {{"--cg", "1", "--supports", "0:1,2:1"}, "cgcalc-cli: --cg and --supports both give the centre of gravity\n"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.message);
    const CliRun outcome = RunWithModel(row.arguments);
    EXPECT_EQ(outcome.status, kExitUsage);
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(outcome.err.substr(0, outcome.err.find('\n') + 1), row.message);
  }
}

// The options are judged on their own; where the balance of a model then
// fails, that model fails, as any arithmetic failure of it does.
TEST(BalanceOptions, ArithmeticFailuresBelongToTheModel) {
  const struct {
    std::vector<std::string> arguments;
    int status;
    const char* message;
  } rows[] = {
      {{"--supports", "0:1000,200:1000", "--ballast-at", "1e-303"}, kExitSuccess, ""},
      {{"--cg", "1e300", "--mass", "1e300", "--ballast-at", "1e-300"}, kExitFailure, "Floating point overflow.\n"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.arguments[1]);
    const CliRun outcome = RunWithModel(row.arguments);
    EXPECT_EQ(outcome.status, row.status);
    const std::string prefix = std::string("cgcalc-cli: ") + CGCALC_EXAMPLES_DIR + "/default.dat: ";
    EXPECT_EQ(outcome.err, *row.message ? prefix + row.message : "");
  }
}

// One scanner decides whether a text is a number, for a model file's line
// and for an option alike. An option is read as the Tools windows read a
// typed number: blanks around it are no part of it ("1.5 " is 1.5, where a
// model file's line reads 15 and the file check warns), and a value beyond
// the range is refused as too large.
TEST(BalanceOptions, NumbersReadAsInTheWindowAndTheFileCheck) {
  const struct {
    const char* text;
    bool lineFits;
    const char* fault;  // "": accepted as `value`
    double value;
  } rows[] = {
      {"+80", true, "", 80},    {" 80", true, "", 80},           {"-.5e1", true, "", -5},
      {"80 ", true, "", 80},    {"1.5 ", false, "", 1.5},         {"1e400", true, "too large"},
      {"1e5120", true, "too large"}, {"", true, "not a number"}, {"8O", false, "not a number"},
      {"inf", false, "not a number"}, {".", false, "not a number"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string("'") + row.text + "'");
    files::ModelLookCheck look;
    look.Feed(std::string(row.text) + "\n");
    EXPECT_EQ(look.Finish().looksLikeModel, row.lineFits);
    const ParsedArguments parsed = ParseArguments({"--cg", row.text, "m.dat"});
    if (*row.fault == '\0') {
      EXPECT_EQ(parsed.error, "");
      EXPECT_EQ(parsed.options.balance.Cg, row.value);
    } else {
      EXPECT_EQ(parsed.error, std::string("--cg '") + row.text + "': " + row.fault);
    }
  }
}

TEST(BalanceOptions, SweepRowsCarryTheBalanceToo) {
  const CliRun outcome = RunWithModel({"--sweep", "Rh=360:600:240", "--cg", "100"});
  EXPECT_EQ(outcome.status, kExitSuccess);
  std::istringstream lines(outcome.out);
  std::string header, first, second;
  std::getline(lines, header);
  std::getline(lines, first);
  std::getline(lines, second);
  EXPECT_NE(header.find(",Bal_Verdict,"), std::string::npos);
  EXPECT_NE(first.find(",tail-heavy,mass unknown,"), std::string::npos) << first;
  // A longer tail moves the neutral point back: 100 mm is then in range.
  EXPECT_NE(second.find(",in range,no ballast needed,"), std::string::npos) << second;
}

}  // namespace
}  // namespace cli
