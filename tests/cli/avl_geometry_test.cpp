// --avl: the file written for a model, against the files recorded in
// tests/data/expected/, and the targets it refuses or cannot write.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/program.h"
#include "expected_labels.h"
#include "scratch_folder.h"
#include "test_files.h"

namespace cli {
namespace {

using testing::ScratchFolder;

using cli_test::DataFile;
using cli_test::ReadAll;
using cli_test::CliRun;
using cli_test::RunWith;

// The file's title names the model as given; the recorded files name it
// "MODEL".
TEST(AvlFile, HoldsTheRecordedGeometry) {
  for (const char* model : {"default", "flying_wing"}) {
    SCOPED_TRACE(model);
    const ScratchFolder folder;
    const std::string target = folder.File("model.avl");
    const CliRun run = RunWith({"--labels", "--avl", target, DataFile(std::string(model) + ".dat")});
    EXPECT_EQ(run.status, kExitSuccess) << run.err;
    EXPECT_EQ(run.out, test_support::ExpectedFile(std::string(model) + ".labels"));
    std::string expected = test_support::ExpectedFile(std::string(model) + ".avl");
    expected.replace(expected.find("MODEL"), 5, DataFile(std::string(model) + ".dat"));
    EXPECT_EQ(ReadAll(target), expected);
  }
}

// A target that cannot take the file gets a message and nothing is printed;
// the model file itself is never replaced, under any name.
TEST(AvlFile, RefusedAndUnwritableTargets) {
  const ScratchFolder folder;
  std::filesystem::create_directory(folder.File("a folder"));
  const std::string model = folder.File("model.dat");
  std::filesystem::copy_file(DataFile("default.dat"), model);
  std::filesystem::create_symlink(model, folder.File("link.avl"));
  const struct {
    const char* name;
    std::string target;
    int status;
    std::string err;
  } rows[] = {
      {"the model file", model, kExitUsage,
       "cgcalc-cli: --avl " + model + " would replace the model file " + model + "\n"},
      {"a link to it", folder.File("link.avl"), kExitUsage,
       "cgcalc-cli: --avl " + folder.File("link.avl") + " would replace the model file " + model + "\n"},
      {"a missing folder", "/nonexistent-folder/x.avl", kExitFailure,
       "cgcalc-cli: cannot write the AVL file to /nonexistent-folder/x.avl: Invalid filename.\n"},
      {"a folder", folder.File("a folder"), kExitFailure,
       "cgcalc-cli: cannot write the AVL file to " + folder.File("a folder") + ": File access denied.\n"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const CliRun run = RunWith({"--avl", row.target, model});
    EXPECT_EQ(run.status, row.status);
    EXPECT_EQ(run.err.substr(0, run.err.find("Try ")), row.err);
    EXPECT_EQ(run.out, "");
  }
  EXPECT_EQ(ReadAll(model), ReadAll(DataFile("default.dat")));
  EXPECT_TRUE(std::filesystem::is_empty(folder.File("a folder")));
}

}  // namespace
}  // namespace cli
