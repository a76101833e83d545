// Input that a script or an attacker may hand the program: names with odd
// bytes, lists that never end, outputs that name an input.
#include <unistd.h>

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

const std::string kModel = std::string(CGCALC_EXAMPLES_DIR) + "/default.dat";

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// A fresh folder for one test, removed with what it holds.
class HostileInput : public ::testing::Test {
 protected:
  HostileInput() : folder_(fs::temp_directory_path() / ("cgcalc-hostile-" + std::to_string(::getpid()))) {
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  ~HostileInput() override { fs::remove_all(folder_); }
  fs::path folder_;
};

struct Outcome {
  int status;
  std::string out;
  std::string err;
};

Outcome RunWith(const std::vector<std::string>& arguments) {
  std::ostringstream out;
  std::ostringstream err;
  const int status = RunCli(arguments, out, err);
  return {status, out.str(), err.str()};
}

std::string FirstLine(const std::string& text) { return text.substr(0, text.find('\n')); }

// The image never replaces the model it is drawn from, however it is named.
TEST_F(HostileInput, DiagramOverTheModelIsRefused) {
  const fs::path model = folder_ / "m.dat";
  fs::copy_file(kModel, model);
  fs::create_hard_link(model, folder_ / "hard.dat");
  fs::create_symlink(model, folder_ / "soft.dat");
  for (const fs::path& image : {model, folder_ / "." / "m.dat", folder_ / "hard.dat", folder_ / "soft.dat"}) {
    SCOPED_TRACE(image.string());
    const Outcome run = RunWith({"--diagram", image.string(), model.string()});
    EXPECT_EQ(run.status, kExitUsage);
    EXPECT_EQ(FirstLine(run.err),
              "cgcalc-cli: --diagram " + image.string() + " would replace the model file " + model.string());
    EXPECT_EQ(ReadBytes(model), ReadBytes(kModel));
  }
}

}  // namespace
}  // namespace cli
