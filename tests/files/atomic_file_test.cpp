#include "files/atomic_file.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "files/file_error.h"
#include "temporary_folder.h"

namespace files {
namespace {

const std::string kOld = "old contents\r\n";
const std::string kNew = "1300\r\n   0\r\n";

class AtomicSave : public ::testing::Test {
 protected:
  files_test::TemporaryFolder folder_;

  mode_t ModeOf(const std::string& path) const {
    struct stat status {};
    EXPECT_EQ(::lstat(path.c_str(), &status), 0);
    return status.st_mode;
  }

  static FileError CaughtSave(const std::string& path, const std::string& contents) {
    try {
      ReplaceFileContents(path, contents);
    } catch (const FileError& error) {
      return error;
    }
    ADD_FAILURE() << "no FileError thrown";
    return FileError(0, FileOperation::Read);
  }
};

TEST_F(AtomicSave, LeavesOnlyTheTarget) {
  const std::string path = folder_.File("model.dat");
  files_test::WriteBytes(path, kOld);
  ReplaceFileContents(path, kNew);
  EXPECT_EQ(files_test::ReadBytes(path), kNew);
  EXPECT_EQ(folder_.Names(), std::vector<std::string>{"model.dat"});
}

TEST_F(AtomicSave, BareNameGoesToTheCurrentFolder) {
  const std::string previous = std::filesystem::current_path();
  ASSERT_EQ(::chdir(folder_.Path().c_str()), 0);
  ReplaceFileContents("NoName", kNew);
  ASSERT_EQ(::chdir(previous.c_str()), 0);
  EXPECT_EQ(files_test::ReadBytes(folder_.File("NoName")), kNew);
  EXPECT_EQ(folder_.Names(), std::vector<std::string>{"NoName"});
}

// The new file cannot take the place of a folder: the rename fails after
// everything was written, and the written file must go again.
TEST_F(AtomicSave, FailedReplaceLeavesNoTemporaryFile) {
  const std::string path = folder_.File("model.dat");
  ASSERT_EQ(::mkdir(path.c_str(), 0755), 0);
  files_test::WriteBytes(folder_.File("model.dat/inside"), kOld);
  const FileError error = CaughtSave(path, kNew);
  EXPECT_STREQ(error.what(), "File access denied");
  EXPECT_EQ(error.Operation(), FileOperation::Replace);
  EXPECT_EQ(folder_.Names(), std::vector<std::string>{"model.dat"});
  EXPECT_EQ(files_test::ReadBytes(folder_.File("model.dat/inside")), kOld);
}

// A file size limit makes the write stop halfway, as a full disk would.
TEST_F(AtomicSave, FailedWriteKeepsTheOldFile) {
  const std::string path = folder_.File("model.dat");
  files_test::WriteBytes(path, kOld);
  rlimit previousLimit{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &previousLimit), 0);
  const sighandler_t previousHandler = ::signal(SIGXFSZ, SIG_IGN);
  rlimit small = previousLimit;
  small.rlim_cur = 5;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const FileError error = CaughtSave(path, kNew);
  ::setrlimit(RLIMIT_FSIZE, &previousLimit);
  ::signal(SIGXFSZ, previousHandler);

  EXPECT_EQ(error.Code(), kUnlistedErrnoBase + EFBIG);
  EXPECT_EQ(error.Operation(), FileOperation::Write);
  EXPECT_EQ(files_test::ReadBytes(path), kOld);
  EXPECT_EQ(folder_.Names(), std::vector<std::string>{"model.dat"});
}

TEST_F(AtomicSave, ReadOnlyFolderKeepsTheOldFile) {
  if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
  const std::string path = folder_.File("model.dat");
  files_test::WriteBytes(path, kOld);
  ASSERT_EQ(::chmod(folder_.Path().c_str(), 0555), 0);
  const FileError error = CaughtSave(path, kNew);
  ::chmod(folder_.Path().c_str(), 0755);
  EXPECT_STREQ(error.what(), "File access denied");
  EXPECT_EQ(files_test::ReadBytes(path), kOld);
  EXPECT_EQ(folder_.Names(), std::vector<std::string>{"model.dat"});
}

// Replacing would be allowed by the folder, but the user has protected the
// file itself.
TEST_F(AtomicSave, ReadOnlyFileIsNotReplaced) {
  if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
  const std::string path = folder_.File("model.dat");
  files_test::WriteBytes(path, kOld);
  ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
  const FileError error = CaughtSave(path, kNew);
  EXPECT_STREQ(error.what(), "File access denied");
  EXPECT_EQ(files_test::ReadBytes(path), kOld);
  EXPECT_EQ(folder_.Names(), std::vector<std::string>{"model.dat"});
}

struct ModeRow {
  const char* name;
  mode_t oldMode;
};

TEST_F(AtomicSave, ReplacedFileKeepsItsPermissions) {
  const ModeRow rows[] = {{"0640", 0640}, {"0604", 0604}, {"0600", 0600}, {"0664", 0664}};
  for (const ModeRow& row : rows) {
    SCOPED_TRACE(row.name);
    const std::string path = folder_.File("model.dat");
    files_test::WriteBytes(path, kOld);
    ASSERT_EQ(::chmod(path.c_str(), row.oldMode), 0);
    ReplaceFileContents(path, kNew);
    EXPECT_EQ(ModeOf(path) & 07777, row.oldMode);
  }
}

TEST_F(AtomicSave, NewFileGetsTheUmask) {
  const ModeRow rows[] = {{"umask 022", 022}, {"umask 077", 077}, {"umask 002", 002}};
  for (const ModeRow& row : rows) {
    SCOPED_TRACE(row.name);
    const std::string path = folder_.File(std::string("new ") + row.name);
    const mode_t previous = ::umask(row.oldMode);
    ReplaceFileContents(path, kNew);
    ::umask(previous);
    EXPECT_EQ(ModeOf(path) & 07777, 0666 & ~row.oldMode);
  }
}

struct LinkRow {
  const char* name;
  std::string linkTarget;  // what the link "model.dat" holds
  std::string realFile;    // the file that must receive the contents
  bool realFileExists;
};

TEST_F(AtomicSave, WritesThroughSymbolicLinks) {
  ASSERT_EQ(::mkdir(folder_.File("models").c_str(), 0755), 0);
  const LinkRow rows[] = {
      {"relative", "models/a.dat", folder_.File("models/a.dat"), true},
      {"absolute", folder_.File("models/b.dat"), folder_.File("models/b.dat"), true},
      {"chain", "chain.dat", folder_.File("models/c.dat"), true},
      {"dangling", "models/new.dat", folder_.File("models/new.dat"), false},
  };
  ASSERT_EQ(::symlink("models/c.dat", folder_.File("chain.dat").c_str()), 0);
  for (const LinkRow& row : rows) {
    SCOPED_TRACE(row.name);
    const std::string link = folder_.File("model.dat");
    ::unlink(link.c_str());
    ASSERT_EQ(::symlink(row.linkTarget.c_str(), link.c_str()), 0);
    if (row.realFileExists) files_test::WriteBytes(row.realFile, kOld);
    ReplaceFileContents(link, kNew);
    EXPECT_TRUE(S_ISLNK(ModeOf(link)));
    EXPECT_EQ(files_test::ReadBytes(row.realFile), kNew);
  }
  EXPECT_EQ(folder_.Names(), (std::vector<std::string>{"chain.dat", "model.dat", "models"}));
}

TEST_F(AtomicSave, LinkLoopIsAnInvalidFilename) {
  const std::string link = folder_.File("loop.dat");
  ASSERT_EQ(::symlink("loop.dat", link.c_str()), 0);
  EXPECT_STREQ(CaughtSave(link, kNew).what(), "Invalid filename");
}

// A pipe (like a device) is written to, not replaced by a plain file.
TEST_F(AtomicSave, PipeIsWrittenInPlace) {
  const std::string path = folder_.File("pipe");
  ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
  const int reader = ::open(path.c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  ReplaceFileContents(path, kNew);  // fits the pipe's buffer, so it does not block
  std::string received(256, '\0');
  const ssize_t count = ::read(reader, received.data(), received.size());
  ::close(reader);
  ASSERT_GE(count, 0);
  received.resize(static_cast<std::size_t>(count));
  EXPECT_EQ(received, kNew);
  EXPECT_TRUE(S_ISFIFO(ModeOf(path)));
}

// Nobody reads the pipe: the save fails at once instead of waiting for ever.
TEST_F(AtomicSave, PipeWithoutReaderFailsAtOnce) {
  const std::string path = folder_.File("pipe");
  ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
  EXPECT_THROW(ReplaceFileContents(path, kNew), FileError);
}

}  // namespace
}  // namespace files
