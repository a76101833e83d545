// Inches and ounces on the command line: --units, a document's units, the
// note every format carries, and a document's balance inputs completed by
// the options.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "scratch_folder.h"
#include "test_files.h"

namespace cli {
namespace {

using cli_test::CliRun;
using cli_test::DataFile;
using cli_test::RunWith;

// The default model in inches and ounces, balanced at 4 in with 70 oz and
// ballast 4 in ahead of the wing.
const std::string kInchDocument = DataFile("documents/kept/default-in-oz-balanced.cgcalc");
const std::string kDefault = DataFile("default.dat");

std::vector<std::string> Joined(std::vector<std::string> first, const std::vector<std::string>& then) {
  first.insert(first.end(), then.begin(), then.end());
  return first;
}

// The document's inputs typed on the command line for the .dat twin.
const std::vector<std::string> kTypedLikeTheDocument = {"--units", "in,oz", "--cg",        "4",
                                                        "--mass",  "70",    "--ballast-at", "-4"};

// The window's labels of the default model in inches, with the line naming
// the units that only the command line adds.
TEST(Units, DefaultModelInInchesPrintsTheWindowsLabels) {
  const CliRun run = RunWith({"--labels", "--units", "in", kDefault});
  EXPECT_EQ(run.status, kExitSuccess) << run.err;
  EXPECT_EQ(run.out, "units\tin,g\n" + cli_test::Recorded("default-inches.labels"));
}

// A document's units and balance inputs act as the same options given for
// its .dat twin, in captions, balance rows and the lattice's texts alike;
// --save-as writes them into a document that gives the same bytes again.
TEST(Units, ADocumentsUnitsAndBalanceAreOptionsForItsDatTwin) {
  testing::ScratchFolder folder;
  const std::string saved = folder.File("saved.cgcalc");
  ASSERT_EQ(RunWith(Joined({"--save-as", saved}, Joined(kTypedLikeTheDocument, {kDefault}))).status, kExitSuccess);
  for (const char* format : {"--labels", "--json", "--language=de"}) {
    SCOPED_TRACE(format);
    const CliRun twin = RunWith(Joined({format, "--vlm"}, Joined(kTypedLikeTheDocument, {kDefault})));
    EXPECT_EQ(twin.status, kExitSuccess) << twin.err;
    EXPECT_EQ(RunWith({format, "--vlm", kInchDocument}).out, twin.out);
    EXPECT_EQ(RunWith({format, "--vlm", saved}).out, twin.out);
  }
}

// --mass and --ballast-at replace the document's own and keep its centre of
// gravity; without one anywhere the model fails, alone.
TEST(Units, MassCompletesADocumentsCentreOfGravity) {
  const CliRun byDocument = RunWith({"--labels", "--mass", "80", "--ballast-at", "-5", kInchDocument});
  EXPECT_EQ(byDocument.status, kExitSuccess) << byDocument.err;
  EXPECT_EQ(byDocument.out,
            RunWith({"--labels", "--units", "in,oz", "--cg", "4", "--mass", "80", "--ballast-at", "-5", kDefault}).out);
  const CliRun none = RunWith({"--jsonl", "--mass", "80", kDefault, kInchDocument});
  EXPECT_EQ(none.status, kExitFailure);
  EXPECT_EQ(none.err, "cgcalc-cli: " + kDefault + ": --mass and --ballast-at need --cg or --supports, " +
                          "or a centre of gravity in the document.\n");
  // Rows are in millimetres and grams: the document's 4 in, the option's 80 g.
  EXPECT_NE(none.out.find("\"Bal_Cg\": \"101.6\", \"Bal_Mass\": \"  80.0\""), std::string::npos) << none.out;
}

// The table says its units above itself and in its captions. Rows share the
// command line's units and name them: a column of --csv, a key of --jsonl;
// a sweep's values are typed in them, and a document's balance inputs reach
// every point.
TEST(Units, RowsNameTheirUnits) {
  const struct {
    const char* expected;  // in tests/data/expected
    std::vector<std::string> arguments;
  } runs[] = {
      {"units-in-oz.table", Joined(kTypedLikeTheDocument, {kDefault})},
      {"units-in-oz.jsonl", {"--jsonl", "--vlm", "--units", "in,oz", "--cg", "4", "--mass", "70", kDefault,
                             DataFile("flying_wing.dat"), DataFile("empty.dat")}},
      {"units-in-sweep-document.csv", {"--units", "in", "--sweep", "B=48:52:2", kInchDocument}},
  };
  const bool recording = std::getenv("CGCALC_RECORD") != nullptr;
  for (const auto& run : runs) {
    SCOPED_TRACE(run.expected);
    const std::string out = RunWith(run.arguments).out;
    if (recording) {
      std::ofstream(std::string(CGCALC_TEST_DATA_DIR) + "/expected/" + run.expected, std::ios::binary)
          << cli_test::AsRecorded(out);
    } else {
      EXPECT_EQ(out, cli_test::Recorded(run.expected));
    }
  }
  if (recording) GTEST_SKIP() << "recorded into tests/data/expected/";
}

}  // namespace
}  // namespace cli
