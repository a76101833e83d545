// Saving where replacing the file would lose something it had: the file is
// rewritten in place, through the path as given.
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "files/atomic_file.h"
#include "files/file_error.h"
#include "save_test_support.h"
#include "temporary_folder.h"

namespace files {
namespace {

using files_test::kNew;
using files_test::kOld;
using files_test::LinkStatusOf;
using files_test::StatusOf;

class SaveInPlace : public ::testing::Test {
 protected:
  files_test::TemporaryFolder folder_;
};

// Both names see the new contents: the file is one file still.
TEST_F(SaveInPlace, HardLinkedFileIsRewritten) {
  const std::string path = folder_.File("model.dat");
  const std::string other = folder_.File("copy.dat");
  files_test::WriteBytes(path, kOld);
  ASSERT_EQ(::link(path.c_str(), other.c_str()), 0);
  const ino_t inode = StatusOf(path).st_ino;
  ReplaceFileContents(path, kNew);
  EXPECT_EQ(files_test::ReadBytes(path), kNew);
  EXPECT_EQ(files_test::ReadBytes(other), kNew);
  EXPECT_EQ(StatusOf(path).st_ino, inode);
  EXPECT_EQ(StatusOf(path).st_nlink, 2u);
  EXPECT_EQ(folder_.Names(), (std::vector<std::string>{"copy.dat", "model.dat"}));
}

// Refuses to make a file shorter, as a failing disk might.
int RefusingToCut(int fd, off_t length) {
  struct stat status {};
  if (::fstat(fd, &status) == 0 && length < status.st_size) {
    errno = EIO;
    return -1;
  }
  return ::ftruncate(fd, length);
}

int FailingFsync(int) {
  errno = EIO;
  return -1;
}

struct FailedRewriteRow {
  const char* name;
  std::string old;
  SaveSystemCalls system;
  int code;
  FileOperation operation;
};

// A step after the new bytes are in fails: the file shows its old contents
// at their old length again, under both of its names.
TEST_F(SaveInPlace, FailedRewriteKeepsTheOldContents) {
  const FailedRewriteRow rows[] = {
      {"cutting fails", kOld, {.ftruncate = RefusingToCut}, kDeviceIoError, FileOperation::Write},
      {"flushing a cut file fails", kOld, {.fsync = FailingFsync}, kDeviceIoError, FileOperation::Write},
      {"flushing a grown file fails", "12\r\n", {.fsync = FailingFsync}, kDeviceIoError, FileOperation::Write},
      {"too long to keep", std::string(kKeptContentsLimit + 1, 'x'), {}, kUnlistedErrnoBase + EFBIG,
       FileOperation::Create},
  };
  for (const FailedRewriteRow& row : rows) {
    SCOPED_TRACE(row.name);
    const std::string path = folder_.File("model.dat");
    files_test::WriteBytes(path, row.old);
    ASSERT_EQ(::link(path.c_str(), folder_.File("copy.dat").c_str()), 0);
    try {
      ReplaceFileContents(path, kNew, row.system);
      ADD_FAILURE() << "the save did not fail";
    } catch (const FileError& error) {
      EXPECT_EQ(error.Code(), row.code);
      EXPECT_EQ(error.Operation(), row.operation);
    }
    EXPECT_EQ(files_test::ReadBytes(path), row.old);
    EXPECT_EQ(folder_.Names(), (std::vector<std::string>{"copy.dat", "model.dat"}));
    ::unlink(folder_.File("copy.dat").c_str());
    ::unlink(path.c_str());
  }
}

bool ProtectedRegular() {
  std::ifstream setting("/proc/sys/fs/protected_regular");
  int level = 0;
  return setting >> level && level > 0;
}

// A file another user has put into a shared folder (sticky and writable by
// all, like /tmp) under the name the superuser saves to: the kernel refuses
// it, as it would refuse a plain create-or-truncate of that name.
TEST_F(SaveInPlace, PlantedFileInASharedFolderIsRefused) {
  if (::geteuid() != 0) GTEST_SKIP() << "only the superuser can plant another user's file here";
  if (!ProtectedRegular()) GTEST_SKIP() << "fs.protected_regular is off on this system";
  const std::string shared = folder_.File("shared");
  const std::string path = shared + "/model.dat";
  ASSERT_EQ(::mkdir(shared.c_str(), 0755), 0);
  ASSERT_EQ(::chmod(shared.c_str(), 01777), 0);
  files_test::WriteBytes(path, kOld);
  ASSERT_EQ(::chmod(path.c_str(), 0666), 0);
  files_test::GiveAway(path);
  try {
    ReplaceFileContents(path, kNew);
    ADD_FAILURE() << "the planted file was written";
  } catch (const FileError& error) {
    EXPECT_STREQ(error.what(), "File access denied");
  }
  EXPECT_EQ(files_test::ReadBytes(path), kOld);
}

struct LinkRow {
  const char* name;
  std::string linkTarget;  // what the link "model.dat" holds
  std::string realFile;    // the file that must receive the contents
  bool realFileExists;
};

// The link stays a link, and the file it names is written where it is,
// keeping its mode, as if the user had written it directly.
TEST_F(SaveInPlace, SymbolicLinkStaysALink) {
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
    ino_t inode = 0;
    if (row.realFileExists) {
      files_test::WriteBytes(row.realFile, kOld);
      ASSERT_EQ(::chmod(row.realFile.c_str(), 0600), 0);
      inode = StatusOf(row.realFile).st_ino;
    }
    ReplaceFileContents(link, kNew);
    EXPECT_TRUE(S_ISLNK(LinkStatusOf(link).st_mode));
    EXPECT_EQ(files_test::ReadBytes(row.realFile), kNew);
    if (row.realFileExists) {
      EXPECT_EQ(StatusOf(row.realFile).st_ino, inode);
      EXPECT_EQ(StatusOf(row.realFile).st_mode & 07777, 0600u);
    }
  }
  EXPECT_EQ(folder_.Names(), (std::vector<std::string>{"chain.dat", "model.dat", "models"}));
}

std::string AttributeValue(const std::string& path, const char* name) {
  std::string value(256, '\0');
  const ssize_t size = ::getxattr(path.c_str(), name, value.data(), value.size());
  if (size < 0) return "(missing: " + std::string(std::strerror(errno)) + ")";
  value.resize(static_cast<std::size_t>(size));
  return value;
}

void Append16(std::string& bytes, std::uint16_t value) {
  bytes += static_cast<char>(value & 0xff);
  bytes += static_cast<char>(value >> 8);
}

void Append32(std::string& bytes, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) bytes += static_cast<char>((value >> shift) & 0xff);
}

// An access control list that lets user kNobody read the file, in the
// system's own encoding: version 2, then tag, permissions and id per entry.
std::string AccessListForNobody() {
  struct Entry {
    std::uint16_t tag;
    std::uint16_t permissions;
    std::uint32_t id;
  };
  constexpr std::uint32_t kNoId = 0xffffffff;
  const Entry entries[] = {{0x01, 6, kNoId}, {0x02, 4, files_test::kNobody}, {0x04, 4, kNoId},
                           {0x10, 4, kNoId}, {0x20, 0, kNoId}};
  std::string bytes;
  Append32(bytes, 2);
  for (const Entry& entry : entries) {
    Append16(bytes, entry.tag);
    Append16(bytes, entry.permissions);
    Append32(bytes, entry.id);
  }
  return bytes;
}

struct AttributeRow {
  const char* label;
  const char* name;
  std::string value;
};

class SavedAttributes : public ::testing::TestWithParam<AttributeRow> {
 protected:
  files_test::TemporaryFolder folder_;
};

TEST_P(SavedAttributes, AreKept) {
  const AttributeRow& row = GetParam();
  const std::string path = folder_.File("model.dat");
  files_test::WriteBytes(path, kOld);
  if (::setxattr(path.c_str(), row.name, row.value.data(), row.value.size(), 0) != 0) {
    if (errno == ENOTSUP) GTEST_SKIP() << "the file system does not keep " << row.name;
    FAIL() << "cannot set " << row.name << ": " << std::strerror(errno);
  }
  const std::string before = AttributeValue(path, row.name);
  const mode_t mode = StatusOf(path).st_mode;
  ReplaceFileContents(path, kNew);
  EXPECT_EQ(files_test::ReadBytes(path), kNew);
  EXPECT_EQ(AttributeValue(path, row.name), before);
  EXPECT_EQ(StatusOf(path).st_mode, mode);
  EXPECT_EQ(folder_.Names(), std::vector<std::string>{"model.dat"});
}

INSTANTIATE_TEST_SUITE_P(Files, SavedAttributes,
                         ::testing::Values(AttributeRow{"user_attribute", "user.test", "kept"},
                                           AttributeRow{"access_list", "system.posix_acl_access",
                                                        AccessListForNobody()}),
                         [](const ::testing::TestParamInfo<AttributeRow>& info) { return info.param.label; });

// Another user's file shared through its group: the saving superuser must
// not become its owner.
TEST_F(SaveInPlace, OtherUsersFileKeepsItsOwner) {
  if (::geteuid() != 0) GTEST_SKIP() << "only the superuser can make another user's file here";
  const std::string path = folder_.File("model.dat");
  files_test::WriteBytes(path, kOld);
  ASSERT_EQ(::chmod(path.c_str(), 0664), 0);
  files_test::GiveAway(path);
  ReplaceFileContents(path, kNew);
  EXPECT_EQ(files_test::ReadBytes(path), kNew);
  EXPECT_EQ(StatusOf(path).st_uid, files_test::kNobody);
  EXPECT_EQ(StatusOf(path).st_gid, files_test::kNobody);
  EXPECT_EQ(StatusOf(path).st_mode & 07777, 0664u);
}

struct PermissionRow {
  const char* name;
  mode_t folderMode;
  mode_t fileMode;  // 0: no file yet
  std::string failure;
  std::string contentsAfter;  // "" with no file
};

// Permissions as an ordinary user meets them. The folder's permission
// decides whether a new file can be made beside the target; the file's own
// whether it may be written at all.
TEST_F(SaveInPlace, FolderAndFilePermissions) {
  const PermissionRow rows[] = {
      {"writable file in a read-only folder", 0555, 0644, "", kNew},
      {"new file in a read-only folder", 0555, 0, "File access denied", ""},
      {"read-only file in a writable folder", 0755, 0444, "File access denied", kOld},
  };
  ASSERT_EQ(::chmod(folder_.Path().c_str(), 0755), 0);
  int serial = 0;
  for (const PermissionRow& row : rows) {
    SCOPED_TRACE(row.name);
    const std::string folder = folder_.File("row" + std::to_string(serial++));
    const std::string path = folder + "/model.dat";
    ASSERT_EQ(::mkdir(folder.c_str(), 0755), 0);
    if (row.fileMode != 0) {
      files_test::WriteBytes(path, kOld);
      ASSERT_EQ(::chmod(path.c_str(), row.fileMode), 0);
      files_test::GiveAway(path);
    }
    files_test::GiveAway(folder);
    ASSERT_EQ(::chmod(folder.c_str(), row.folderMode), 0);

    EXPECT_EQ(files_test::SaveUnprivileged(path, kNew), row.failure);
    ASSERT_EQ(::chmod(folder.c_str(), 0755), 0);
    std::vector<std::string> expectedNames;
    if (!row.contentsAfter.empty()) {
      expectedNames.push_back("model.dat");
      EXPECT_EQ(files_test::ReadBytes(path), row.contentsAfter);
    }
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename());
    EXPECT_EQ(names, expectedNames);
  }
}

}  // namespace
}  // namespace files
