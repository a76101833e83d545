#include "files/file_error.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <set>
#include <string>

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
    {"EFBIG writing", EFBIG, FileOperation::Write, 223},
    {"EFBIG creating (too large to rewrite)", EFBIG, FileOperation::Create, 10000 + EFBIG},
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

// The codes users met as bare numbers, in words; the windows' languages
// are tested with present::FileErrorText.
TEST(FileErrorText, ChosenByCode) {
  const struct {
    int code;
    const char* english;
  } rows[] = {
      {2, "File not found"},
      {5, "File access denied"},
      {112, "No space left on the device"},
      {1117, "The device could not read or write the data"},
      {10027, "The file is too large to rewrite safely"},
      {10006, "Nothing takes the data (a pipe nobody reads, or a missing device)"},
      {10000 + ESRCH, "The system says: No such process"},
      {1, "Unknown file error"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.code);
    EXPECT_EQ(FileErrorText(row.code), row.english);
    const FileError error(row.code, FileOperation::Read);
    EXPECT_STREQ(error.what(), row.english);
    EXPECT_EQ(error.Code(), row.code);
  }
}

// Whatever errno a file operation meets, the message is words, never a
// bare number.
TEST(FileErrorText, EveryErrnoInWords) {
  for (int value = 1; value < 134; ++value) {
    if (::strerrordesc_np(value) == nullptr) continue;  // no errno of this system
    for (const FileOperation operation : {FileOperation::Open, FileOperation::Write, FileOperation::Create}) {
      const int code = FileErrorCode(value, operation);
      SCOPED_TRACE(code);
      const std::string text = FileErrorText(code);
      EXPECT_EQ(text.find("error " + std::to_string(code)), std::string::npos) << text;
      EXPECT_EQ(text.find("Unknown"), std::string::npos) << text;
    }
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

struct RefusalRow {
  const char* name;
  Refusal refusal;
  const char* text;
};

TEST(RefusalText, NamesTheFileAndWhatItIs) {
  const RefusalRow rows[] = {
      {"too large", Refusal::TooLarge, "model.dat is too large for a model file"},
      {"named pipe", Refusal::NamedPipe, "model.dat is a named pipe, not a model file"},
      {"device", Refusal::Device, "model.dat is a device, not a model file"},
      {"folder", Refusal::Folder, "model.dat is a folder, not a model file"},
      {"socket", Refusal::Socket, "model.dat is a socket, not a model file"},
      {"special", Refusal::Special, "model.dat is a special file, not a model file"},
  };
  for (const RefusalRow& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(RefusalText(row.refusal, "model.dat"), row.text);
    const ModelFileRefused refused(row.refusal, "model.dat");
    EXPECT_STREQ(refused.what(), row.text);
    EXPECT_EQ(refused.Reason(), row.refusal);
    EXPECT_EQ(refused.Code(), kNotAModelFile);
  }
}

struct SpecialFileRow {
  const char* name;
  std::string (*make)(const std::string& folder);  // returns the path
  Refusal refusal;
  const char* kind;  // what the message says it is
};

std::string MakeNamedPipe(const std::string& folder) {
  const std::string path = folder + "/pipe.dat";
  EXPECT_EQ(::mkfifo(path.c_str(), 0600), 0);
  return path;
}

std::string MakeSocket(const std::string& folder) {
  const std::string path = folder + "/socket.dat";
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  EXPECT_LT(path.size(), sizeof address.sun_path);
  std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  EXPECT_EQ(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
  ::close(fd);  // the socket file stays
  return path;
}

std::string DeviceZero(const std::string&) { return "/dev/zero"; }
std::string TheFolder(const std::string& folder) { return folder; }

// Anything but a regular file is refused with a message that says what it
// is, at once: a named pipe without a writer must not hang, /dev/zero must
// not be read for ever.
TEST_F(FileErrorsOnDisk, SpecialFilesAreRefused) {
  const SpecialFileRow rows[] = {
      {"named pipe", MakeNamedPipe, Refusal::NamedPipe, "a named pipe"},
      {"device", DeviceZero, Refusal::Device, "a device"},
      {"folder", TheFolder, Refusal::Folder, "a folder"},
      {"socket", MakeSocket, Refusal::Socket, "a socket"},
  };
  for (const SpecialFileRow& row : rows) {
    SCOPED_TRACE(row.name);
    const std::string path = row.make(folder_.Path());
    try {
      ReadModelFile(path);
      ADD_FAILURE() << "no failure";
    } catch (const ModelFileRefused& refused) {
      EXPECT_EQ(refused.what(), path + " is " + row.kind + ", not a model file");
      EXPECT_EQ(refused.Reason(), row.refusal);
      EXPECT_EQ(refused.Operation(), FileOperation::Open);
    }
  }
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
