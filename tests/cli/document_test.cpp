// Model documents on the command line: read like .dat files, converted both
// ways by --save-as, their margins applied and replaced by --margins.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "scratch_folder.h"
#include "test_files.h"

namespace cli {
namespace {

namespace fs = std::filesystem;
using cli_test::DataFile;
using cli_test::ReadAll;
using cli_test::RunWith;

std::string Example(const std::string& name) { return std::string(CGCALC_EXAMPLES_DIR) + "/" + name; }

// .dat -> .cgcalc -> .dat and, for the whole numbers that gives,
// .cgcalc -> .dat -> .cgcalc, byte for byte.
TEST(Documents, SaveAsConvertsBothWaysExactly) {
  testing::ScratchFolder folder;
  for (const fs::directory_entry& entry : fs::directory_iterator(CGCALC_EXAMPLES_DIR)) {
    if (entry.path().extension() != ".dat") continue;
    SCOPED_TRACE(entry.path().filename().string());
    const std::string dat = entry.path().string();
    const std::string document = folder.File("m.cgcalc");
    const std::string back = folder.File("back.dat");
    const std::string again = folder.File("again.cgcalc");
    fs::remove(document);
    fs::remove(back);
    fs::remove(again);
    ASSERT_EQ(RunWith({"--save-as", document, dat}).status, kExitSuccess);
    ASSERT_EQ(RunWith({"--save-as", back, document}).status, kExitSuccess);
    ASSERT_EQ(RunWith({"--save-as", again, back}).status, kExitSuccess);
    EXPECT_EQ(ReadAll(back), ReadAll(dat));
    EXPECT_EQ(ReadAll(again), ReadAll(document));
  }
}

// Loaded and saved again, a document keeps its decimals, margins, balance
// inputs, notes and the keys of newer programs; as .dat, what is dropped is
// named.
TEST(Documents, SaveAsKeepsADocumentAndNamesWhatADatFileDrops) {
  testing::ScratchFolder folder;
  for (const char* name : {"decimals.cgcalc", "everything.cgcalc"}) {
    SCOPED_TRACE(name);
    const std::string original = DataFile(std::string("documents/kept/") + name);
    const std::string saved = folder.File(name);
    const cli_test::CliRun run = RunWith({"--save-as", saved, original});
    EXPECT_EQ(run.status, kExitSuccess) << run.err;
    EXPECT_EQ(ReadAll(saved), ReadAll(original));
  }
  const std::string dat = folder.File("everything.dat");
  const cli_test::CliRun run = RunWith({"--save-as", dat, DataFile("documents/kept/everything.cgcalc")});
  EXPECT_EQ(run.status, kExitSuccess);
  EXPECT_EQ(run.err, "cgcalc-cli: " + dat +
                         ": warning: a .dat file holds whole millimetres only; not saved: margins, units, balance "
                         "inputs, tail height, notes, parts of a newer program\n");
}

// The same margins from a document and from --margins give the same bytes,
// other than the defaults; --margins replaces a document's.
TEST(Documents, MarginsComeFromTheDocumentOrTheOption) {
  testing::ScratchFolder folder;
  const std::string chosen = folder.File("chosen.cgcalc");
  const std::string withDefaults = folder.File("defaults.cgcalc");
  ASSERT_EQ(RunWith({"--margins", "20,10", "--save-as", chosen, Example("default.dat")}).status, kExitSuccess);
  ASSERT_EQ(RunWith({"--margins", "16,8", "--save-as", withDefaults, Example("default.dat")}).status, kExitSuccess);
  const std::string byOption = RunWith({"--labels", "--margins", "20,10", Example("default.dat")}).out;
  EXPECT_EQ(RunWith({"--labels", chosen}).out, byOption);
  EXPECT_NE(byOption, RunWith({"--labels", Example("default.dat")}).out);
  EXPECT_EQ(RunWith({"--labels", "--margins", "20,10", withDefaults}).out, byOption);
}

// A document and its .dat twin in one run give the same row; a refused
// document fails alone, with its place.
TEST(Documents, DocumentsAndDatFilesMixInOneRun) {
  const std::string refused = DataFile("documents/refused/dimension-as-text.cgcalc");
  const cli_test::CliRun run =
      RunWith({"--jsonl", Example("glider-two-panel.dat"), Example("glider-two-panel.cgcalc"), refused});
  EXPECT_EQ(run.status, kExitFailure);
  EXPECT_EQ(run.err, "cgcalc-cli: " + refused + ": line 3, column 10: expected a number for \"dimensions.B\".\n");
  const std::size_t firstEnd = run.out.find('\n');
  const std::size_t secondEnd = run.out.find('\n', firstEnd + 1);
  const std::string first = run.out.substr(0, firstEnd);
  std::string second = run.out.substr(firstEnd + 1, secondEnd - firstEnd - 1);
  second.replace(second.find("glider-two-panel.cgcalc"), 23, "glider-two-panel.dat");
  EXPECT_EQ(first, second);
}

TEST(Documents, SaveAsNeverReplacesTheModelRead) {
  const std::string model = Example("canard.cgcalc");
  const cli_test::CliRun run = RunWith({"--save-as", model, model});
  EXPECT_EQ(run.status, kExitUsage);
  EXPECT_EQ(run.err.find("--save-as " + model + " would replace the model file"), 12u) << run.err;
}

}  // namespace
}  // namespace cli
