// Every model file the project ships or tests with, against the --labels
// text and the messages recorded beside it in tests/data/expected/.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/program.h"

namespace cli {
namespace {

namespace fs = std::filesystem;

struct ModelFile {
  fs::path path;
  std::string expectedStem;  // examples get the prefix "example-"
};

std::vector<ModelFile> ModelFiles() {
  std::vector<ModelFile> models;
  const std::pair<const char*, const char*> folders[] = {{CGCALC_EXAMPLES_DIR, "example-"},
                                                         {CGCALC_TEST_DATA_DIR, ""}};
  for (const auto& [folder, prefix] : folders) {
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
      // A document beside a .dat file of the same dimensions shares its
      // record: both must print the same bytes.
      if (entry.path().extension() != ".dat" && entry.path().extension() != ".cgcalc") continue;
      models.push_back({entry.path(), prefix + entry.path().stem().string()});
    }
  }
  return models;
}

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// The recorded standard error names the file as FILE.
std::string ExpectedErrors(const fs::path& record, const std::string& path) {
  if (!fs::exists(record)) return "";
  std::string text = ReadAll(record);
  for (std::size_t at = text.find("FILE"); at != std::string::npos; at = text.find("FILE", at + path.size())) {
    text.replace(at, 4, path);
  }
  return text;
}

// NAME.labels holds what --labels prints when the file loads; without it the
// file must fail. NAME.stderr holds the messages, warnings included.
TEST(ExpectedOutput, EveryModelFileHasItsRecordedLabelsAndMessages) {
  const std::vector<ModelFile> models = ModelFiles();
  ASSERT_GE(models.size(), 30u);
  const fs::path expectedFolder = fs::path(CGCALC_TEST_DATA_DIR) / "expected";
  for (const ModelFile& model : models) {
    SCOPED_TRACE(model.path.string());
    const fs::path labels = expectedFolder / (model.expectedStem + ".labels");
    const fs::path messages = expectedFolder / (model.expectedStem + ".stderr");
    ASSERT_TRUE(fs::exists(labels) || fs::exists(messages)) << "no record for " << model.expectedStem;
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunCli({"--labels", model.path.string()}, out, err);
    EXPECT_EQ(status, fs::exists(labels) ? kExitSuccess : kExitFailure);
    EXPECT_EQ(out.str(), fs::exists(labels) ? ReadAll(labels) : "");
    EXPECT_EQ(err.str(), ExpectedErrors(messages, model.path.string()));
  }
}

}  // namespace
}  // namespace cli
