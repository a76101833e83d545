#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/program.h"
#include "test_files.h"

extern char** environ;

namespace cli {
namespace {

using cli_test::DataFile;
using cli_test::ReadAll;

struct ProcessResult {
  int exitStatus = -1;
  std::string out;
  std::string err;
};

// Runs the built cgcalc-cli with `arguments`, standard input from the file
// `input`, and collects its exit status and both output streams.
ProcessResult RunProgram(const std::vector<std::string>& arguments, const std::string& input) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path();
  const std::string tag = std::to_string(::getpid());
  const std::string outPath = (folder / ("cgcalc-cli-test-out-" + tag)).string();
  const std::string errPath = (folder / ("cgcalc-cli-test-err-" + tag)).string();

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, input.c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  std::vector<std::string> all = {CGCALC_CLI_PATH};
  all.insert(all.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& argument : all) argv.push_back(argument.data());
  argv.push_back(nullptr);

  ProcessResult result;
  pid_t child = 0;
  const int spawned = posix_spawn(&child, CGCALC_CLI_PATH, &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) {
    ADD_FAILURE() << "cannot start " << CGCALC_CLI_PATH;
    return result;
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  result.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  result.out = ReadAll(outPath);
  result.err = ReadAll(errPath);
  std::filesystem::remove(outPath);
  std::filesystem::remove(errPath);
  return result;
}

struct ProgramRow {
  const char* name;
  std::vector<std::string> arguments;
  std::string input;  // file for standard input
  int exitStatus;
  const char* err;    // exact standard error; nullptr: anything but empty
  const char* outStart;  // how standard output starts; "" means empty
};

const std::string kNoInput = "/dev/null";

const ProgramRow kProgramRows[] = {
    {"missing file", {"no_such_model.dat"}, kNoInput, 1, "cgcalc-cli: no_such_model.dat: File not found.\n", ""},
    {"folder", {CGCALC_TEST_DATA_DIR}, kNoInput, 1, "cgcalc-cli: " CGCALC_TEST_DATA_DIR " is a folder, not a model file.\n",
     ""},
    {"device", {"/dev/zero"}, kNoInput, 1, "cgcalc-cli: /dev/zero is a device, not a model file.\n", ""},
    {"endless standard input", {"-"}, "/dev/zero", 1, "cgcalc-cli: standard input: too large for a model file.\n", ""},
    {"junk after the model", {"--labels", DataFile("junk_after_line15.dat")}, kNoInput, 0,
     "cgcalc-cli: " CGCALC_TEST_DATA_DIR "/junk_after_line15.dat: warning: data after line 15\n", "Lab_St\t"},
    {"zero wing", {"--json", DataFile("empty.dat")}, kNoInput, 1,
     "cgcalc-cli: " CGCALC_TEST_DATA_DIR "/empty.dat: Invalid floating point operation.\n", ""},
    {"overflow on standard input", {"-"}, DataFile("overflow_1e400.dat"), 1,
     "cgcalc-cli: standard input: Floating point overflow.\n", ""},
    {"junk after the model on standard input", {"--labels", "-"}, DataFile("junk_after_line15.dat"), 0, "",
     "Lab_St\t"},
    {"default model", {"--labels", DataFile("default.dat")}, kNoInput, 0, "", "Lab_St\t 28.0\nLab_Lmt\t215.0\n"},
    {"standard input", {"--labels", "-"}, DataFile("flying_wing.dat"), 0, "", "Lab_St\t 28.0\nLab_Lmt\t215.0\n"},
    {"document on standard input", {"--labels", "-"}, DataFile("documents/kept/decimals.cgcalc"), 0, "",
     "Lab_St\t 28.0\nLab_Lmt\t215.2\n"},
    {"truncated document on standard input", {"-"}, DataFile("documents/refused/truncated.cgcalc"), 1,
     "cgcalc-cli: standard input: line 5, column 1: syntax error while parsing object - unexpected end of input; "
     "expected '}'.\n",
     ""},
    {"json", {"--json", DataFile("default.dat")}, kNoInput, 0, "", "{\n  \"Lab_St\": \" 28.0\",\n"},
    {"table", {DataFile("default.dat")}, kNoInput, 0, "", "                                 wing:"},
    {"endless list", {"--files-from", "-"}, "/dev/zero", 1,
     "cgcalc-cli: standard input: line 1 holds a NUL byte.\n", ""},
    {"list is a folder", {"--files-from", CGCALC_TEST_DATA_DIR}, kNoInput, 1,
     "cgcalc-cli: " CGCALC_TEST_DATA_DIR " is a folder, not a list of files.\n", ""},
    {"list line too long", {"--files-from", DataFile("lists/long_line.txt")}, kNoInput, 1,
     "cgcalc-cli: " CGCALC_TEST_DATA_DIR "/lists/long_line.txt: line 2 is too long.\n", ""},
    {"list line with NUL", {"--files-from", DataFile("lists/nul_byte.txt")}, kNoInput, 1,
     "cgcalc-cli: " CGCALC_TEST_DATA_DIR "/lists/nul_byte.txt: line 3 holds a NUL byte.\n", ""},
    {"version", {"--version"}, kNoInput, 0, "", "cgcalc-cli " CGCALC_VERSION "\n"},
    {"help", {"--help"}, kNoInput, 0, "", "Usage: cgcalc-cli [options] MODEL.dat|MODEL.cgcalc...\n"},
    {"no file", {}, kNoInput, 2, nullptr, ""},
    {"unknown option", {"--png", DataFile("default.dat")}, kNoInput, 2, nullptr, ""},
};

class Program : public ::testing::TestWithParam<ProgramRow> {};

TEST_P(Program, ExitStatusAndStreams) {
  const ProgramRow& row = GetParam();
  const ProcessResult result = RunProgram(row.arguments, row.input);
  EXPECT_EQ(result.exitStatus, row.exitStatus);
  if (row.err != nullptr) {
    EXPECT_EQ(result.err, row.err);
  } else {
    EXPECT_FALSE(result.err.empty());
  }
  if (std::string(row.outStart).empty()) {
    EXPECT_EQ(result.out, "");
  } else {
    EXPECT_EQ(result.out.rfind(row.outStart, 0), 0u) << result.out;
  }
}

INSTANTIATE_TEST_SUITE_P(Runs, Program, ::testing::ValuesIn(kProgramRows),
                         [](const ::testing::TestParamInfo<ProgramRow>& info) {
                           std::string name = info.param.name;
                           for (char& c : name) {
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           }
                           return name;
                         });

std::string ErrPath() {
  return (std::filesystem::temp_directory_path() / ("cgcalc-cli-test-err-" + std::to_string(::getpid()))).string();
}

// Starts cgcalc-cli with its standard output on `stdoutFd` and its standard
// error in ErrPath(); returns its process id, or 0.
pid_t Spawn(const std::vector<std::string>& arguments, int stdoutFd) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, stdoutFd, STDOUT_FILENO);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, ErrPath().c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  std::vector<std::string> all = {CGCALC_CLI_PATH};
  all.insert(all.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& argument : all) argv.push_back(argument.data());
  argv.push_back(nullptr);
  pid_t child = 0;
  if (posix_spawn(&child, CGCALC_CLI_PATH, &actions, nullptr, argv.data(), environ) != 0) child = 0;
  posix_spawn_file_actions_destroy(&actions);
  return child;
}

// The exit status of a spawned program that has ended, and its standard error.
ProcessResult Ended(int status) {
  ProcessResult result;
  result.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  result.err = ReadAll(ErrPath());
  std::filesystem::remove(ErrPath());
  return result;
}

// Runs cgcalc-cli with its standard output on `stdoutFd` and returns the
// exit status and standard error.
ProcessResult RunWithOutput(const std::vector<std::string>& arguments, int stdoutFd) {
  const pid_t child = Spawn(arguments, stdoutFd);
  int status = 0;
  if (child != 0) ::waitpid(child, &status, 0);
  return Ended(child != 0 ? status : -1);
}

// A non-blocking standard output that its reader empties only once it is
// full makes the program wait, not fail with "Resource temporarily
// unavailable".
TEST(ProgramOutput, NonBlockingOutputReadLateIsWaitedFor) {
  int ends[2];
  ASSERT_EQ(::pipe(ends), 0);
  ::fcntl(ends[1], F_SETFL, ::fcntl(ends[1], F_GETFL) | O_NONBLOCK);
  const pid_t child = Spawn({"--sweep", "Rh=0:2000:1", DataFile("default.dat")}, ends[1]);
  ASSERT_NE(child, 0);
  // Nothing is read until the pipe takes no more bytes (or the program has
  // ended): its next write finds the output full.
  int status = 0;
  bool ended = false;
  pollfd room{ends[1], POLLOUT, 0};
  while (!(ended = ::waitpid(child, &status, WNOHANG) == child) && ::poll(&room, 1, 0) == 1) ::usleep(1000);
  ::close(ends[1]);
  std::string out;
  char buffer[4096];
  for (ssize_t count; (count = ::read(ends[0], buffer, sizeof buffer)) > 0;) out.append(buffer, count);
  ::close(ends[0]);
  if (!ended) ::waitpid(child, &status, 0);
  const ProcessResult result = Ended(status);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.exitStatus, 0);
  EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 2002);  // the header and 2001 points
}

// Output that cannot be written ends the run with a message and status 1,
// whatever was asked for.
TEST(ProgramOutput, FullDiskAndClosedPipeAreWriteErrors) {
  const std::vector<std::vector<std::string>> runs = {
      {"--help"}, {"--version"}, {"--labels", DataFile("default.dat")}, {"--csv", DataFile("default.dat")},
      {"--sweep", "Rh=0:200000:1", DataFile("default.dat")}};
  for (const std::vector<std::string>& arguments : runs) {
    SCOPED_TRACE(arguments.front());
    const int full = ::open("/dev/full", O_WRONLY);
    ASSERT_GE(full, 0);
    const ProcessResult onFullDisk = RunWithOutput(arguments, full);
    ::close(full);
    EXPECT_EQ(onFullDisk.exitStatus, 1);
    EXPECT_EQ(onFullDisk.err, "cgcalc-cli: write error: No space left on device\n");

    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    ::close(ends[0]);  // nobody will ever read
    const ProcessResult onClosedPipe = RunWithOutput(arguments, ends[1]);
    ::close(ends[1]);
    EXPECT_EQ(onClosedPipe.exitStatus, 1);
    EXPECT_EQ(onClosedPipe.err, "cgcalc-cli: write error: Broken pipe\n");
  }
}

// Standard input and a file with the same bytes give the same report.
TEST(ProgramInput, StandardInputEqualsFile) {
  const ProcessResult fromFile = RunProgram({DataFile("default.dat")}, kNoInput);
  const ProcessResult fromInput = RunProgram({"-"}, DataFile("default.dat"));
  EXPECT_EQ(fromInput.exitStatus, 0);
  EXPECT_EQ(fromInput.out, fromFile.out);
}

// Fifteen lines on standard input are a whole model: the program answers
// without waiting for the end of the input, which a writer that stays (a
// terminal, a pipe kept open) may never send.
TEST(ProgramInput, StandardInputEndsAfterFifteenLines) {
  int input[2];
  int output[2];
  ASSERT_EQ(::pipe(input), 0);
  ASSERT_EQ(::pipe(output), 0);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, input[0], STDIN_FILENO);
  posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, input[1]);
  posix_spawn_file_actions_addclose(&actions, output[0]);
  std::string program = CGCALC_CLI_PATH, option = "--labels", dash = "-";
  char* argv[] = {program.data(), option.data(), dash.data(), nullptr};
  pid_t child = 0;
  ASSERT_EQ(posix_spawn(&child, CGCALC_CLI_PATH, &actions, nullptr, argv, environ), 0);
  posix_spawn_file_actions_destroy(&actions);
  ::close(input[0]);
  ::close(output[1]);
  const std::string model = ReadAll(DataFile("default.dat"));
  ASSERT_EQ(::write(input[1], model.data(), model.size()), static_cast<ssize_t>(model.size()));
  // The output ends when the program does; the input stays open meanwhile.
  std::string out;
  char buffer[4096];
  pollfd answer{output[0], POLLIN, 0};
  while (::poll(&answer, 1, 20000) == 1) {
    const ssize_t count = ::read(output[0], buffer, sizeof buffer);
    if (count <= 0) break;
    out.append(buffer, static_cast<std::size_t>(count));
  }
  ::close(input[1]);
  ::close(output[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  EXPECT_EQ(out.rfind("Lab_St\t 28.0\n", 0), 0u) << "no answer before the input ended: " << out;
}

TEST(RunCli, FailureWritesNothingToTheReport) {
  std::ostringstream out;
  std::ostringstream err;
  EXPECT_EQ(RunCli({"--json", DataFile("overflow_1e400.dat")}, out, err), kExitFailure);
  EXPECT_EQ(out.str(), "");
  EXPECT_EQ(err.str(), "cgcalc-cli: " + DataFile("overflow_1e400.dat") + ": Floating point overflow.\n");
}

TEST(RunCli, UnwritableReportIsAFailure) {
  std::ostringstream out;
  out.setstate(std::ios::badbit);
  std::ostringstream err;
  EXPECT_EQ(RunCli({DataFile("default.dat")}, out, err), kExitFailure);
  EXPECT_FALSE(err.str().empty());
}

}  // namespace
}  // namespace cli
