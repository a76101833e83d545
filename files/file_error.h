#pragma once

#include <cerrno>
#include <cstddef>
#include <iterator>
#include <stdexcept>
#include <string>
#include <string_view>

namespace files {

// What the program was doing with a file when the system refused. The
// message of a failure does not depend on it; it tells a caller at which
// step a command failed (a failed Open has read nothing at all).
enum class FileOperation {
  Open,     // opening an existing file for reading, or finding it is no regular file
  Read,     // reading its bytes
  Create,   // checking the target, opening it for writing, or making the new file beside it
  Write,    // writing, cutting to length and flushing the new contents to the disk
  Close,    // closing a file
  Replace,  // putting the completely written file in place of the target
};

// The file error codes the program reports. They follow the numbering of
// the classic system file errors, so that the familiar messages keep their
// meaning; see FileErrorCode for how the system's errno values map to them.
inline constexpr int kFileNotFound = 2;
inline constexpr int kPathNotFound = 3;
inline constexpr int kTooManyOpenFiles = 4;
inline constexpr int kAccessDenied = 5;
inline constexpr int kSharingViolation = 32;
inline constexpr int kDiskFull = 112;
inline constexpr int kInvalidName = 123;
inline constexpr int kFilenameTooLong = 206;
inline constexpr int kFileTooLarge = 223;  // larger than the system lets a file grow
inline constexpr int kDeviceIoError = 1117;
// Any errno without an entry of its own becomes kUnlistedErrnoBase + errno,
// which lies above every code above.
inline constexpr int kUnlistedErrnoBase = 10000;
// The code of a ModelFileRefused: the system did not fail, the reader
// refused the file. Its message comes from the refusal, not from the code.
inline constexpr int kNotAModelFile = 9000;

// The code for a failed system call, from its errno and the operation:
//   ENOENT            -> 2 when opening for reading, 3 otherwise (the folder is missing)
//   ENOTDIR, ELOOP    -> 3
//   EMFILE, ENFILE    -> 4
//   EACCES, EPERM, EROFS, EISDIR -> 5
//   EBUSY, ETXTBSY    -> 32
//   ENOSPC, EDQUOT    -> 112
//   EINVAL            -> 123
//   ENAMETOOLONG      -> 206
//   EFBIG             -> 223 when writing; otherwise 10027, the saving's
//                        own refusal of a file too large to rewrite safely
//   EIO               -> 1117
//   any other errno e -> 10000 + e
int FileErrorCode(int errnoValue, FileOperation operation);

// The English words of every code that has words of its own, the only
// table of them: what() of a FileError and the English texts of the
// windows (present/texts_en.h) come from it.
struct FileErrorWords {
  int code;
  const char* english;
};

inline constexpr FileErrorWords kFileErrorWords[] = {
    {kFileNotFound, "File not found"},
    {kPathNotFound, "Invalid filename"},
    {kTooManyOpenFiles, "Too many open files"},
    {kAccessDenied, "File access denied"},
    {kSharingViolation, "The file is in use by another program"},
    {kDiskFull, "No space left on the device"},
    {kInvalidName, "The name is not valid there"},
    {kFilenameTooLong, "The file name is too long"},
    {kFileTooLarge, "The file would grow larger than the system allows"},
    {kDeviceIoError, "The device could not read or write the data"},
    // The errnos without a classic number of their own that the program's
    // file operations meet.
    {kUnlistedErrnoBase + EFBIG, "The file is too large to rewrite safely"},
    {kUnlistedErrnoBase + ENXIO, "Nothing takes the data (a pipe nobody reads, or a missing device)"},
    {kUnlistedErrnoBase + EINTR, "The operation was interrupted"},
    {kUnlistedErrnoBase + EAGAIN, "The file is busy; please try again"},
    {kUnlistedErrnoBase + ENOMEM, "Not enough memory"},
    {kUnlistedErrnoBase + EBADF, "The file was no longer open"},
    {kUnlistedErrnoBase + EEXIST, "A file of that name exists already"},
    {kUnlistedErrnoBase + EXDEV, "The file lies on another device"},
    {kUnlistedErrnoBase + ENODEV, "The device is not there"},
    {kUnlistedErrnoBase + EMLINK, "The file has too many links"},
    {kUnlistedErrnoBase + EOVERFLOW, "The file is too large"},
    {kUnlistedErrnoBase + EOPNOTSUPP, "The file system cannot do this"},
    {kUnlistedErrnoBase + EILSEQ, "The name does not suit the file system's character encoding"},
    {kUnlistedErrnoBase + ETIMEDOUT, "The network did not answer in time"},
    {kUnlistedErrnoBase + ESTALE, "The network file is no longer there"},
};

// The English words of `code` in kFileErrorWords; null for a code without.
constexpr const char* FileErrorEnglish(int code) {
  for (const FileErrorWords& words : kFileErrorWords) {
    if (words.code == code) return words.english;
  }
  return nullptr;
}

// An errno the program does not expect is told in the system's own words,
// which need no locale and are English: "The system says: " and those. A
// code that is no errno at all is an unknown file error.
inline constexpr const char* kSystemSaysEnglish = "The system says: ";
inline constexpr const char* kUnknownFileErrorEnglish = "Unknown file error";

// The system's description of the errno behind an unlisted code; null when
// the code is no unlisted errno or the system knows no such errno.
const char* SystemDescription(int code);

// The message for a code in words, for every code: "File not found",
// "No space left on the device", "The file is too large to rewrite
// safely" ...; an errno the program does not expect is described by the
// system's own English words. No full stop; whoever shows the message adds
// it. It is what() of a FileError; the windows' languages take theirs from
// present/file_messages.h.
std::string FileErrorText(int code);

// A failed file operation. what() is FileErrorText(Code()).
class FileError : public std::runtime_error {
 public:
  FileError(int code, FileOperation operation);
  int Code() const { return code_; }
  FileOperation Operation() const { return operation_; }

 protected:
  FileError(int code, FileOperation operation, const std::string& message);

 private:
  int code_;
  FileOperation operation_;
};

// The FileError for the errno a system call has just left behind.
FileError FileErrorFromErrno(int errnoValue, FileOperation operation);

// Why the model reader would not read a file.
enum class Refusal {
  TooLarge,   // more than kModelFileSizeLimit bytes were wanted
  NamedPipe,
  Device,     // a character or block device
  Folder,
  Socket,
  Special,    // any other kind of file that is not a regular file
};

// The English words after the file's name, by Refusal:
//   TooLarge  "NAME is too large for a model file"
//   NamedPipe "NAME is a named pipe, not a model file"
//   Device    "NAME is a device, not a model file"
//   Folder    "NAME is a folder, not a model file"
//   Socket    "NAME is a socket, not a model file"
//   Special   "NAME is a special file, not a model file"
inline constexpr const char* kRefusalEnglish[] = {
    " is too large for a model file",     " is a named pipe, not a model file", " is a device, not a model file",
    " is a folder, not a model file",     " is a socket, not a model file",     " is a special file, not a model file",
};
static_assert(std::size(kRefusalEnglish) == static_cast<std::size_t>(Refusal::Special) + 1,
              "kRefusalEnglish has a row for every Refusal");

constexpr const char* RefusalEnglish(Refusal refusal) { return kRefusalEnglish[static_cast<std::size_t>(refusal)]; }

// The message for a refusal, naming the file by `name`, in English. No full
// stop; whoever shows the message adds it.
std::string RefusalText(Refusal refusal, std::string_view name);

// A file the model reader refuses to read. A FileError, so that whoever
// reports file errors reports it too; Code() is kNotAModelFile, Operation()
// is Open for the kind of file and Read for its size. what() names the file
// as the reader knew it (its path, or "standard input"); MessageFor() gives
// the same message with the name the caller shows.
class ModelFileRefused : public FileError {
 public:
  ModelFileRefused(Refusal refusal, std::string_view name);
  Refusal Reason() const { return refusal_; }
  std::string MessageFor(std::string_view name) const { return RefusalText(refusal_, name); }

 private:
  Refusal refusal_;
};

}  // namespace files
