#include "files/file_error.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <set>

#include "files/model_reader.h"
#include "files/model_writer.h"
#include "temporary_folder.h"

namespace files {
namespace {

struct ErrnoRow {
  const char* name;
  int errnoValue;
  FileOperation operation;
  int code;
};

const ErrnoRow kErrnoRows[] = {
    {"ENOENT opening", ENOENT, FileOperation::Open, 2},
    {"ENOENT creating", ENOENT, FileOperation::Create, 3},
    {"ENOENT replacing", ENOENT, FileOperation::Replace, 3},
    {"ENOTDIR opening", ENOTDIR, FileOperation::Open, 3},
    {"ELOOP creating", ELOOP, FileOperation::Create, 3},
    {"EMFILE", EMFILE, FileOperation::Open, 4},
    {"ENFILE", ENFILE, FileOperation::Create, 4},
    {"EACCES", EACCES, FileOperation::Open, 5},
    {"EPERM", EPERM, FileOperation::Create, 5},
    {"EROFS", EROFS, FileOperation::Create, 5},
    {"EISDIR", EISDIR, FileOperation::Replace, 5},
    {"EBUSY", EBUSY, FileOperation::Replace, 32},
    {"ETXTBSY", ETXTBSY, FileOperation::Create, 32},
    {"ENOSPC", ENOSPC, FileOperation::Write, 112},
    {"EDQUOT", EDQUOT, FileOperation::Write, 112},
    {"EINVAL", EINVAL, FileOperation::Create, 123},
    {"ENAMETOOLONG", ENAMETOOLONG, FileOperation::Open, 206},
    {"EIO reading", EIO, FileOperation::Read, 1117},
    {"EIO closing", EIO, FileOperation::Close, 1117},
    {"EFBIG unlisted", EFBIG, FileOperation::Write, 10000 + EFBIG},
    {"ESRCH unlisted (errno 3)", ESRCH, FileOperation::Read, 10000 + ESRCH},
    {"EINTR unlisted (errno 4)", EINTR, FileOperation::Read, 10000 + EINTR},
};

TEST(FileErrorCode, MapsEachErrno) {
  for (const ErrnoRow& row : kErrnoRows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(FileErrorCode(row.errnoValue, row.operation), row.code);
  }
}

// Only the four named conditions may produce the four named messages: no
// errno outside the table can turn into one of them by accident.
TEST(FileErrorCode, UnlistedErrnoNeverGivesANamedMessage) {
  const std::set<int> listed = {ENOENT, ENOTDIR, ELOOP, EMFILE, ENFILE, EACCES, EPERM, EROFS, EISDIR};
  for (int value = 0; value < 200; ++value) {
    if (listed.count(value) != 0) continue;
    SCOPED_TRACE(value);
    const int code = FileErrorCode(value, FileOperation::Open);
    EXPECT_TRUE(code < 2 || code > 5);
  }
}

struct TextRow {
  int code;
  const char* text;
};

TEST(FileErrorText, ChosenByCode) {
  const TextRow rows[] = {{2, "File not found"},     {3, "Invalid filename"}, {4, "Too many open files"},
                          {5, "File access denied"}, {32, "I/O error 32"},    {112, "I/O error 112"},
                          {1, "I/O error 1"},        {6, "I/O error 6"},      {10027, "I/O error 10027"}};
  for (const TextRow& row : rows) {
    SCOPED_TRACE(row.code);
    EXPECT_EQ(FileErrorText(row.code), row.text);
    const FileError error(row.code, FileOperation::Read);
    EXPECT_STREQ(error.what(), row.text);
    EXPECT_EQ(error.Code(), row.code);
  }
}

// The failures the system really produces, with the message each shows.
class FileErrorsOnDisk : public ::testing::Test {
 protected:
  files_test::TemporaryFolder folder_;

  template <typename Action>
  static FileError Caught(Action action) {
    try {
      action();
    } catch (const FileError& error) {
      return error;
    }
    ADD_FAILURE() << "no FileError thrown";
    return FileError(0, FileOperation::Read);
  }
};

TEST_F(FileErrorsOnDisk, MissingFileIsNotFound) {
  const FileError error = Caught([&] { ReadModelFile(folder_.File("missing.dat")); });
  EXPECT_STREQ(error.what(), "File not found");
  EXPECT_EQ(error.Operation(), FileOperation::Open);
}

TEST_F(FileErrorsOnDisk, FolderCannotBeOpened) {
  const FileError error = Caught([&] { ReadModelFile(folder_.Path()); });
  EXPECT_STREQ(error.what(), "File access denied");
  EXPECT_EQ(error.Operation(), FileOperation::Open);
}

TEST_F(FileErrorsOnDisk, PathThroughAFileIsInvalid) {
  files_test::WriteBytes(folder_.File("plain"), "1300\r\n");
  const FileError error = Caught([&] { ReadModelFile(folder_.File("plain/model.dat")); });
  EXPECT_STREQ(error.what(), "Invalid filename");
}

TEST_F(FileErrorsOnDisk, UnreadableFileIsAccessDenied) {
  if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
  const std::string path = folder_.File("locked.dat");
  files_test::WriteBytes(path, "1300\r\n");
  ASSERT_EQ(::chmod(path.c_str(), 0200), 0);
  const FileError error = Caught([&] { ReadModelFile(path); });
  EXPECT_STREQ(error.what(), "File access denied");
  EXPECT_EQ(error.Operation(), FileOperation::Open);
}

TEST_F(FileErrorsOnDisk, SavingIntoMissingFolderIsInvalidFilename) {
  const FileError error = Caught([&] { WriteModelFile(folder_.File("no/such/folder/model.dat"), calc::TModelData()); });
  EXPECT_STREQ(error.what(), "Invalid filename");
  EXPECT_TRUE(folder_.Names().empty());
}

TEST_F(FileErrorsOnDisk, EmptyNameCannotBeSaved) {
  const FileError error = Caught([&] { WriteModelFile("", calc::TModelData()); });
  EXPECT_STREQ(error.what(), "Invalid filename");
}

}  // namespace
}  // namespace files
