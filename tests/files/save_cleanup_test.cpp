// A signal that ends the program during a save: the new file beside the
// target goes with it, and the target keeps its old contents.
#include "files/save_cleanup.h"

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "files/atomic_file.h"
#include "save_test_support.h"
#include "temporary_folder.h"

namespace files {
namespace {

using files_test::kNew;
using files_test::kOld;

// The signal arrives when the new file is written and about to be flushed.
template <int Signal>
int SignalledFsync(int fd) {
  ::kill(::getpid(), Signal);
  return ::fsync(fd);
}

struct SignalRow {
  const char* name;
  int signal;
  int (*fsync)(int);
  bool ignored;  // by the program before the handlers are set up
};

// The save runs in a child process that starts with the signal's default
// action (or with it ignored) and sets up the handlers as the programs do.
// Returns the child's wait status.
int SaveInChild(const std::string& path, const SignalRow& row) {
  const pid_t child = ::fork();
  if (child == 0) {
    ::signal(row.signal, row.ignored ? SIG_IGN : SIG_DFL);
    const rlimit noCore{0, 0};  // SIGQUIT's default action would dump one
    ::setrlimit(RLIMIT_CORE, &noCore);
    RemoveSaveTemporaryOnSignals();
    try {
      ReplaceFileContents(path, kNew, {.fsync = row.fsync});
    } catch (...) {
      ::_exit(2);
    }
    ::_exit(0);
  }
  int status = 0;
  if (child < 0 || ::waitpid(child, &status, 0) != child) return -1;
  return status;
}

TEST(SaveCleanup, SignalRemovesTheNewFile) {
  const SignalRow rows[] = {
      {"SIGTERM", SIGTERM, SignalledFsync<SIGTERM>, false},
      {"SIGINT", SIGINT, SignalledFsync<SIGINT>, false},
      {"SIGQUIT", SIGQUIT, SignalledFsync<SIGQUIT>, false},
      {"SIGHUP (terminal closed)", SIGHUP, SignalledFsync<SIGHUP>, false},
      {"ignored SIGINT", SIGINT, SignalledFsync<SIGINT>, true},
  };
  for (const SignalRow& row : rows) {
    SCOPED_TRACE(row.name);
    files_test::TemporaryFolder folder;
    const std::string path = folder.File("model.dat");
    files_test::WriteBytes(path, kOld);
    const int status = SaveInChild(path, row);
    if (row.ignored) {
      EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "wait status " << status;
    } else {
      EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == row.signal) << "wait status " << status;
    }
    EXPECT_EQ(files_test::ReadBytes(path), row.ignored ? kNew : kOld);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"model.dat"});
  }
}

}  // namespace
}  // namespace files
