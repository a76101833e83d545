#pragma once

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

// The languages of the messages, in the order of the program's languages.
enum class MessageLanguage { German, English };

// The message for a code in words, for every code: "File not found",
// "No space left on the device", "The file is too large to rewrite
// safely" ...; an errno the program does not expect is described by the
// system's own English words. No full stop; whoever shows the message adds
// it. The English one is what() of a FileError.
std::string FileErrorText(int code, MessageLanguage language = MessageLanguage::English);

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

// The message for a refusal, naming the file by `name`:
//   TooLarge  "NAME is too large for a model file"
//   NamedPipe "NAME is a named pipe, not a model file"
//   Device    "NAME is a device, not a model file"
//   Folder    "NAME is a folder, not a model file"
//   Socket    "NAME is a socket, not a model file"
//   Special   "NAME is a special file, not a model file"
// No full stop; whoever shows the message adds it. In German as well.
std::string RefusalText(Refusal refusal, std::string_view name,
                        MessageLanguage language = MessageLanguage::English);

// A file the model reader refuses to read. A FileError, so that whoever
// reports file errors reports it too; Code() is kNotAModelFile, Operation()
// is Open for the kind of file and Read for its size. what() names the file
// as the reader knew it (its path, or "standard input"); MessageFor() gives
// the same message with the name the caller shows.
class ModelFileRefused : public FileError {
 public:
  ModelFileRefused(Refusal refusal, std::string_view name);
  Refusal Reason() const { return refusal_; }
  std::string MessageFor(std::string_view name, MessageLanguage language = MessageLanguage::English) const {
    return RefusalText(refusal_, name, language);
  }

 private:
  Refusal refusal_;
};

}  // namespace files
