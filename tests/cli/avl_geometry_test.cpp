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

// --diagram and --avl on one file would leave only the AVL text where the
// picture was asked for, however the file is named.
TEST(AvlFile, SameFileAsTheDiagramIsAUsageError) {
  const ScratchFolder folder;
  const std::string picture = folder.File("x.png");
  const struct {
    const char* name;
    std::string avl;  // names the picture's file x.png unless said otherwise
    bool pictureExists;
    int status;
  } rows[] = {
      {"another spelling", folder.File("./x.png"), false, kExitUsage},
      {"a relative path", std::filesystem::relative(picture).string(), false, kExitUsage},
      {"a hard link", folder.File("hard.avl"), true, kExitUsage},
      {"a symbolic link", folder.File("soft.avl"), true, kExitUsage},
      {"a link to the missing picture", folder.File("soft.avl"), false, kExitUsage},
      {"another file", folder.File("x.avl"), false, kExitSuccess},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    for (const std::string& name : folder.Names()) std::filesystem::remove(folder.File(name));
    if (row.pictureExists) std::ofstream(picture) << "picture";
    if (row.pictureExists) std::filesystem::create_hard_link(picture, folder.File("hard.avl"));
    std::filesystem::create_symlink(picture, folder.File("soft.avl"));
    const CliRun run = RunWith({"--diagram", picture, "--avl", row.avl, DataFile("default.dat")});
    EXPECT_EQ(run.status, row.status) << run.err;
    if (row.status == kExitUsage) {
      EXPECT_EQ(run.err.substr(0, run.err.find('\n') + 1), "cgcalc-cli: --diagram and --avl name the same file\n");
      EXPECT_EQ(ReadAll(picture), row.pictureExists ? "picture" : "");
    }
  }
}

// A model that AVL could not make sense of is refused, and no file is made.
TEST(AvlFile, RefusedModels) {
  const ScratchFolder folder;
  const std::string target = folder.File("x.avl");
  const struct {
    const char* name;
    std::vector<std::string> arguments;
    const char* reason;
  } rows[] = {
      {"a chord below 0", {DataFile("negative_tip_chord.dat")}, "the vortex lattice cannot solve this planform"},
      {"a span of 1e50 mm", {DataFile("span_1e50.dat")},
       "a number of 53 digits is too long for AVL (at most 10 before the point)"},
      {"a 13-digit tail height", {"--tail-height", "1e12", DataFile("default.dat")},
       "a number of 13 digits is too long for AVL (at most 10 before the point)"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    std::vector<std::string> arguments = {"--avl", target};
    arguments.insert(arguments.end(), row.arguments.begin(), row.arguments.end());
    const CliRun run = RunWith(arguments);
    EXPECT_EQ(run.status, kExitFailure);
    EXPECT_EQ(run.err, "cgcalc-cli: cannot write the AVL file to " + target + ": " + row.reason + ".\n");
    EXPECT_EQ(run.out, "");
    EXPECT_FALSE(std::filesystem::exists(target));
  }
}

// The tailplane's sections lie at --tail-height; nothing else changes.
TEST(AvlFile, TailplaneAtItsHeight) {
  const ScratchFolder folder;
  const std::string target = folder.File("x.avl");
  ASSERT_EQ(RunWith({"--avl", target, "--tail-height", "-12.5", DataFile("default.dat")}).status, kExitSuccess);
  std::string expected = test_support::ExpectedFile("default.avl");
  expected.replace(expected.find("MODEL"), 5, DataFile("default.dat"));
  // A section's line: Xle Yle Zle Chord Ainc.
  std::istringstream lines(expected);
  std::string withHeight;
  bool tailplane = false, section = false;
  for (std::string line; std::getline(lines, line);) {
    tailplane = tailplane || line == "Tailplane";
    if (tailplane && section) {
      std::istringstream fields(line);
      std::string x, y, z, rest;
      fields >> x >> y >> z;
      std::getline(fields, rest);
      line = x + " " + y + " -12.5" + rest;
    }
    section = line == "SECTION";
    withHeight += line + "\n";
  }
  EXPECT_EQ(ReadAll(target), withHeight);
}

}  // namespace
}  // namespace cli
