#include "files/atomic_file.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "files/file_error.h"
#include "save_test_support.h"
#include "temporary_folder.h"

namespace files {
namespace {

using files_test::kNew;
using files_test::kOld;
using files_test::StatusOf;

class AtomicSave : public ::testing::Test {
 protected:
  files_test::TemporaryFolder folder_;

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

// A program that has the old file open while it is saved reads the old
// contents to the end, never a mixture: the user's own plain file is
// replaced, not rewritten.
TEST_F(AtomicSave, ReaderOfTheOldFileSeesItWhole) {
  const std::string path = folder_.File("model.dat");
  files_test::WriteBytes(path, kOld);
  const int reader = ::open(path.c_str(), O_RDONLY);
  ASSERT_GE(reader, 0);
  ReplaceFileContents(path, kNew);
  std::string seen(64, '\0');
  const ssize_t count = ::read(reader, seen.data(), seen.size());
  ::close(reader);
  ASSERT_GE(count, 0);
  seen.resize(static_cast<std::size_t>(count));
  EXPECT_EQ(seen, kOld);
  EXPECT_EQ(files_test::ReadBytes(path), kNew);
}

// A folder as the target cannot be written; nothing is made beside it.
TEST_F(AtomicSave, FolderIsRefused) {
  const std::string path = folder_.File("model.dat");
  ASSERT_EQ(::mkdir(path.c_str(), 0755), 0);
  files_test::WriteBytes(folder_.File("model.dat/inside"), kOld);
  const FileError error = CaughtSave(path, kNew);
  EXPECT_STREQ(error.what(), "File access denied");
  EXPECT_EQ(error.Operation(), FileOperation::Create);
  EXPECT_EQ(folder_.Names(), std::vector<std::string>{"model.dat"});
  EXPECT_EQ(files_test::ReadBytes(folder_.File("model.dat/inside")), kOld);
}

struct FailedWriteRow {
  const char* name;
  bool hardLinked;  // rewritten in place rather than replaced
};

// A file size limit makes the write stop halfway, as a full disk would.
// The file keeps its old contents and no new file is left behind.
TEST_F(AtomicSave, FailedWriteLeavesNoTemporaryFile) {
  const FailedWriteRow rows[] = {{"own plain file", false}, {"hard-linked file", true}};
  for (const FailedWriteRow& row : rows) {
    SCOPED_TRACE(row.name);
    const std::string path = folder_.File("model.dat");
    files_test::WriteBytes(path, kOld);
    std::vector<std::string> names = {"model.dat"};
    if (row.hardLinked) {
      ASSERT_EQ(::link(path.c_str(), folder_.File("copy.dat").c_str()), 0);
      names.insert(names.begin(), "copy.dat");
    }
    rlimit previousLimit{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &previousLimit), 0);
    const sighandler_t previousHandler = ::signal(SIGXFSZ, SIG_IGN);
    rlimit small = previousLimit;
    small.rlim_cur = 5;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const FileError error = CaughtSave(path, kNew);
    ::setrlimit(RLIMIT_FSIZE, &previousLimit);
    ::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(error.Code(), kFileTooLarge);
    EXPECT_EQ(error.Operation(), FileOperation::Write);
    EXPECT_EQ(files_test::ReadBytes(path), kOld);
    EXPECT_EQ(folder_.Names(), names);
    for (const std::string& name : names) ::unlink(folder_.File(name).c_str());
  }
}

struct ModeRow {
  const char* name;
  mode_t mode;
};

TEST_F(AtomicSave, ReplacedFileKeepsItsPermissions) {
  const ModeRow rows[] = {{"0640", 0640}, {"0604", 0604}, {"0600", 0600}, {"0664", 0664}, {"0755", 0755}};
  for (const ModeRow& row : rows) {
    SCOPED_TRACE(row.name);
    const std::string path = folder_.File("model.dat");
    files_test::WriteBytes(path, kOld);
    ASSERT_EQ(::chmod(path.c_str(), row.mode), 0);
    const mode_t previous = ::umask(077);  // must not matter
    ReplaceFileContents(path, kNew);
    ::umask(previous);
    EXPECT_EQ(StatusOf(path).st_mode & 07777, row.mode);
    EXPECT_EQ(files_test::ReadBytes(path), kNew);
  }
}

mode_t modeBeforeFchmod = 0;

int RecordingFchmod(int fd, mode_t mode) {
  struct stat status {};
  modeBeforeFchmod = ::fstat(fd, &status) == 0 ? status.st_mode & 07777 : 07777;
  return ::fchmod(fd, mode);
}

struct PrivateModeRow {
  const char* name;
  mode_t oldMode;
  mode_t modeWhileWritten;
};

// Without a umask to narrow it, the new file is still the user's alone
// until it takes the old file's mode, never wider than that mode.
TEST_F(AtomicSave, ReplacementIsPrivateUntilItHasTheOldMode) {
  const PrivateModeRow rows[] = {{"0644", 0644, 0600}, {"0660", 0660, 0600}, {"0244", 0244, 0200}};
  const SaveSystemCalls system{.fchmod = RecordingFchmod};
  for (const PrivateModeRow& row : rows) {
    SCOPED_TRACE(row.name);
    const std::string path = folder_.File("model.dat");
    files_test::WriteBytes(path, kOld);
    ASSERT_EQ(::chmod(path.c_str(), row.oldMode), 0);
    const mode_t previous = ::umask(0);
    ReplaceFileContents(path, kNew, system);
    ::umask(previous);
    EXPECT_EQ(modeBeforeFchmod, row.modeWhileWritten);
    EXPECT_EQ(StatusOf(path).st_mode & 07777, row.oldMode);
  }
}

TEST_F(AtomicSave, NewFileGetsTheUmask) {
  const ModeRow rows[] = {{"umask 022", 022}, {"umask 077", 077}, {"umask 002", 002}};
  for (const ModeRow& row : rows) {
    SCOPED_TRACE(row.name);
    const std::string path = folder_.File(std::string("new ") + row.name);
    const mode_t previous = ::umask(row.mode);
    ReplaceFileContents(path, kNew);
    ::umask(previous);
    EXPECT_EQ(StatusOf(path).st_mode & 07777, 0666 & ~row.mode);
  }
}

// Another group than the one a new file would get; only a group the user
// belongs to can be given to a file.
TEST_F(AtomicSave, ReplacedFileKeepsItsGroup) {
  gid_t otherGroup = 0;
  if (::geteuid() == 0) {
    otherGroup = files_test::kNobody;
  } else {
    std::vector<gid_t> groups(static_cast<std::size_t>(NGROUPS_MAX));
    const int count = ::getgroups(static_cast<int>(groups.size()), groups.data());
    for (int i = 0; i < count && otherGroup == 0; ++i) {
      if (groups[static_cast<std::size_t>(i)] != ::getegid()) otherGroup = groups[static_cast<std::size_t>(i)];
    }
    if (otherGroup == 0) GTEST_SKIP() << "the user belongs to no second group";
  }
  const std::string path = folder_.File("model.dat");
  files_test::WriteBytes(path, kOld);
  ASSERT_EQ(::chown(path.c_str(), static_cast<uid_t>(-1), otherGroup), 0);
  ASSERT_EQ(::chmod(path.c_str(), 02660), 0);
  ReplaceFileContents(path, kNew);
  EXPECT_EQ(StatusOf(path).st_gid, otherGroup);
  EXPECT_EQ(StatusOf(path).st_mode & 07777, 02660u);
  EXPECT_EQ(files_test::ReadBytes(path), kNew);
}

// With the new file's name the path would pass the system's limit; the old
// file is written in place instead, and a new one created directly.
TEST_F(AtomicSave, PathNearTheLengthLimit) {
  const std::size_t deepLength = PATH_MAX - 10;  // room for "/m", not for the new file's name
  std::string deep = folder_.Path();
  while (deep.size() < deepLength) {
    const std::size_t rest = deepLength - deep.size() - 1;
    deep += "/" + std::string(rest > 250 ? 200 : rest, 'd');
    ASSERT_EQ(::mkdir(deep.c_str(), 0755), 0) << std::strerror(errno) << " at length " << deep.size();
  }
  const std::string existing = deep + "/m";
  const std::string fresh = deep + "/n";
  files_test::WriteBytes(existing, kOld);
  ReplaceFileContents(existing, kNew);
  ReplaceFileContents(fresh, kNew);
  EXPECT_EQ(files_test::ReadBytes(existing), kNew);
  EXPECT_EQ(files_test::ReadBytes(fresh), kNew);
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(deep)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"m", "n"}));
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
  EXPECT_TRUE(S_ISFIFO(files_test::LinkStatusOf(path).st_mode));
}

// Nobody reads the pipe: the save fails at once instead of waiting for ever.
TEST_F(AtomicSave, PipeWithoutReaderFailsAtOnce) {
  const std::string path = folder_.File("pipe");
  ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
  EXPECT_THROW(ReplaceFileContents(path, kNew), FileError);
}

}  // namespace
}  // namespace files
