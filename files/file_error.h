#pragma once

#include <stdexcept>
#include <string>

namespace files {

// What the program was doing with a file when the system refused. The
// message of a failure does not depend on it, but the Load command treats a
// failed Open as "nothing loaded" and reports every other failure.
enum class FileOperation {
  Open,     // opening an existing file for reading (a folder counts as a failed open)
  Read,     // reading its bytes
  Create,   // making the new file beside the target, or checking the target
  Write,    // writing and flushing the new contents to the disk
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
inline constexpr int kDeviceIoError = 1117;
// Any errno without an entry of its own becomes kUnlistedErrnoBase + errno,
// which lies above every code above.
inline constexpr int kUnlistedErrnoBase = 10000;

// The code for a failed system call, from its errno and the operation:
//   ENOENT            -> 2 when opening for reading, 3 otherwise (the folder is missing)
//   ENOTDIR, ELOOP    -> 3
//   EMFILE, ENFILE    -> 4
//   EACCES, EPERM, EROFS, EISDIR -> 5
//   EBUSY, ETXTBSY    -> 32
//   ENOSPC, EDQUOT    -> 112
//   EINVAL            -> 123
//   ENAMETOOLONG      -> 206
//   EIO               -> 1117
//   any other errno e -> 10000 + e
int FileErrorCode(int errnoValue, FileOperation operation);

// The message for a code: "File not found", "Invalid filename",
// "Too many open files", "File access denied" for 2, 3, 4, 5, and
// "I/O error n" for any other code n. No full stop; whoever shows the
// message adds it.
std::string FileErrorText(int code);

// A failed file operation. what() is FileErrorText(Code()).
class FileError : public std::runtime_error {
 public:
  FileError(int code, FileOperation operation);
  int Code() const { return code_; }
  FileOperation Operation() const { return operation_; }

 private:
  int code_;
  FileOperation operation_;
};

// The FileError for the errno a system call has just left behind.
FileError FileErrorFromErrno(int errnoValue, FileOperation operation);

}  // namespace files
