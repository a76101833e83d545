// Input that a script or an attacker may hand the program: names with odd
// bytes, lists that never end, outputs that name an input.
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/messages.h"
#include "cli/program.h"
#include "test_files.h"

namespace cli {
namespace {

using cli_test::CliRun;
using cli_test::RunWith;

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

std::string FirstLine(const std::string& text) { return text.substr(0, text.find('\n')); }

// The image never replaces the model it is drawn from, however it is named.
TEST_F(HostileInput, DiagramOverTheModelIsRefused) {
  const fs::path model = folder_ / "m.dat";
  fs::copy_file(kModel, model);
  fs::create_hard_link(model, folder_ / "hard.dat");
  fs::create_symlink(model, folder_ / "soft.dat");
  for (const fs::path& image : {model, folder_ / "." / "m.dat", folder_ / "hard.dat", folder_ / "soft.dat"}) {
    SCOPED_TRACE(image.string());
    const CliRun run = RunWith({"--diagram", image.string(), model.string()});
    EXPECT_EQ(run.status, kExitUsage);
    EXPECT_EQ(FirstLine(run.err),
              "cgcalc-cli: --diagram " + image.string() + " would replace the model file " + model.string());
    EXPECT_EQ(ReadBytes(model), ReadBytes(kModel));
  }
}

// A name is shown as it is unless a byte of it would forge a line, drive the
// terminal or garble the message; then it is quoted for the shell.
TEST(DisplayName, QuotesWhatATerminalWouldActOn) {
  const struct {
    const char* name;
    std::string path;
    const char* shown;
  } rows[] = {
      {"plain", "models/glider.dat", "models/glider.dat"},
      {"blank and umlaut", "M\xc3\xbcller 2.dat", "M\xc3\xbcller 2.dat"},
      {"standard input", "-", "standard input"},
      {"line feed inside", "a\nb", "'a'$'\\n''b'"},
      {"line feed first", "\nb", "''$'\\n''b'"},
      {"two line feeds last", "a\n\n", "'a'$'\\n\\n'"},
      {"escape sequence", "\x1b[2Jx", "''$'\\033''[2Jx'"},
      {"quote and tab", "it's\t", "'it'\\''s'$'\\t'"},
      {"Latin-1 byte", "caf\xe9", "'caf'$'\\351'"},
      {"C1 control", "\xc2\x9b", "''$'\\302\\233'"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(DisplayName(row.path), row.shown);
  }
}

// Every message that names a file goes through the quoting: failure,
// refusal, warning and image export.
TEST_F(HostileInput, MessagesQuoteTheName) {
  const std::string odd = folder_.string() + "/x\ny";  // shown as '<folder>/x'$'\n''y'
  const std::string shown = "'" + folder_.string() + "/x'$'\\n''y";
  fs::create_directory(odd);
  std::ofstream(odd + "/j\x1b.dat") << ReadBytes(kModel) << "junk\n";
  const struct {
    std::vector<std::string> arguments;
    std::string err;
  } rows[] = {
      {{odd + "/none.dat"}, "cgcalc-cli: " + shown + "/none.dat': File not found.\n"},
      {{odd}, "cgcalc-cli: " + shown + "' is a folder, not a model file.\n"},
      {{"--labels", odd + "/j\x1b.dat"},
       "cgcalc-cli: " + shown + "/j'$'\\033''.dat': warning: data after line 15\n"},
      {{"--diagram", odd + "/no/d.png", kModel},
       "cgcalc-cli: cannot write the diagram to " + shown + "/no/d.png': Invalid filename.\n"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.err);
    EXPECT_EQ(RunWith(row.arguments).err, row.err);
  }
}

}  // namespace
}  // namespace cli
