#include "atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <optional>
#include <random>
#include <string>
#include <utility>

#include "file_error.h"
#include "save_cleanup.h"
#include "unique_fd.h"

namespace files {
namespace {

constexpr int kMaxNameAttempts = 100;
constexpr mode_t kNewFileMode = 0666;  // the kernel takes the umask off
constexpr mode_t kPermissionBits = 07777;
constexpr mode_t kOwnerOnly = 0600;

// The folder part of a path with its trailing slash, or "" for a bare name.
std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// Why the new file could not be made beside the target, where writing the
// target itself may still work: no right to add a name to the folder, a
// read-only file system (which then refuses both), no inode or quota left,
// or a path that the added name makes too long.
bool RewritingMayStillWork(int error) {
  switch (error) {
    case EACCES:
    case EPERM:
    case EROFS:
    case ENOSPC:
    case EDQUOT:
    case EMLINK:
    case ENAMETOOLONG:
      return true;
    default:
      return false;
  }
}

// A system.posix_acl_access entry is an attribute too. A file system
// without attributes cannot have lost any.
bool HasExtendedAttributes(const std::string& path) {
  const ssize_t size = ::llistxattr(path.c_str(), nullptr, 0);
  if (size == 0) return false;
  return !(size < 0 && errno == ENOTSUP);  // when in doubt, keep what may be there
}

// Whether a new file taking the place of `old` carries everything it had.
// The permission bits and the group are copied over; owner, other names,
// attributes and a link's own identity could not be.
bool ReplacingLosesNothing(const std::string& path, const struct stat& old) {
  return S_ISREG(old.st_mode) && old.st_nlink == 1 && old.st_uid == ::geteuid() && !HasExtendedAttributes(path);
}

// A new file that is removed again unless Commit() is called. Its path is
// recorded for the signal handlers until it is removed or has become the
// target.
class TemporaryFile {
 public:
  TemporaryFile(std::string path, UniqueFd file, SaveTemporaryRecord record)
      : path_(std::move(path)), file_(std::move(file)), record_(std::move(record)) {}
  TemporaryFile(TemporaryFile&& other) noexcept
      : path_(std::move(other.path_)),
        file_(std::move(other.file_)),
        record_(std::move(other.record_)),
        committed_(std::exchange(other.committed_, true)) {}
  TemporaryFile& operator=(TemporaryFile&&) = delete;
  ~TemporaryFile() {
    if (committed_) return;
    file_.Close();
    ::unlink(path_.c_str());  // before record_ forgets it, so that no signal finds it unrecorded
  }

  const std::string& Path() const { return path_; }
  UniqueFd& File() { return file_; }
  void Commit() {
    committed_ = true;
    record_.Forget();
  }

 private:
  std::string path_;
  UniqueFd file_;
  SaveTemporaryRecord record_;
  bool committed_ = false;
};

// Creates a fresh file with an unused hidden name in `folder`, or nothing
// when the folder does not allow it but the target may still be written.
// The name is recorded before the file exists, so that a signal can find
// every file this makes. With kNewFileMode the kernel applies the umask and
// the folder's default ACL exactly as for a plain create.
std::optional<TemporaryFile> CreateTemporaryIn(const std::string& folder, mode_t mode) {
  static constexpr char kNameCharacters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  std::random_device seed;
  std::mt19937 generator(seed());
  std::uniform_int_distribution<std::size_t> pick(0, sizeof kNameCharacters - 2);
  SaveTemporaryRecord record;
  for (int attempt = 0; attempt < kMaxNameAttempts; ++attempt) {
    std::string path = folder + ".cgcalc-save-";
    for (int i = 0; i < 8; ++i) path += kNameCharacters[pick(generator)];
    record.Note(path);
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, mode);
    if (fd >= 0) return TemporaryFile(std::move(path), UniqueFd(fd), std::move(record));
    record.Forget();  // the name may be another program's file
    if (RewritingMayStillWork(errno)) return std::nullopt;
    if (errno != EEXIST) throw FileErrorFromErrno(errno, FileOperation::Create);
  }
  throw FileErrorFromErrno(EEXIST, FileOperation::Create);
}

// Gives the new file the old one's group and permission bits. The group
// first: changing it clears set-id bits, which the mode then restores.
// Returns false when the group cannot be kept (a group the user is no
// longer a member of): the replacement would lose it.
bool TakeOverGroupAndMode(int fd, const struct stat& old, const SaveSystemCalls& system) {
  struct stat made {};
  if (::fstat(fd, &made) != 0) throw FileErrorFromErrno(errno, FileOperation::Create);
  if (made.st_gid != old.st_gid && ::fchown(fd, static_cast<uid_t>(-1), old.st_gid) != 0) return false;
  if (system.fchmod(fd, old.st_mode & kPermissionBits) != 0) throw FileErrorFromErrno(errno, FileOperation::Create);
  return true;
}

// Writes all of `bytes` at the file's offset. `written` counts the bytes
// that are in, a failure's included.
void WriteAll(int fd, std::string_view bytes, const SaveSystemCalls& system, std::size_t& written) {
  while (!bytes.empty()) {
    const ssize_t count = system.write(fd, bytes.data(), bytes.size());
    if (count < 0) {
      if (errno == EINTR) continue;
      throw FileErrorFromErrno(errno, FileOperation::Write);
    }
    bytes.remove_prefix(static_cast<std::size_t>(count));
    written += static_cast<std::size_t>(count);
  }
}

// Makes the rename itself durable. The new contents are already safe, so a
// folder that cannot be flushed is no reason to report a failure.
void SyncFolder(const std::string& folder) {
  UniqueFd handle(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (handle.Valid()) ::fsync(handle.Get());
}

// Returns false, with the target untouched and no new file left, when the
// replacement turns out impossible although writing in place may work.
// A replacement is made with no more permission bits than the owner's read
// and write, so that nobody else opens it before it has the old file's.
bool ReplaceAtomically(const std::string& path, const struct stat* old, std::string_view contents,
                       const SaveSystemCalls& system) {
  const std::string folder = FolderOf(path);
  const mode_t mode = old != nullptr ? old->st_mode & kOwnerOnly : kNewFileMode;
  std::optional<TemporaryFile> temporary = CreateTemporaryIn(folder, mode);
  if (!temporary) return false;
  const int fd = temporary->File().Get();
  if (old != nullptr && !TakeOverGroupAndMode(fd, *old, system)) return false;
  std::size_t written = 0;
  WriteAll(fd, contents, system, written);
  if (system.fsync(fd) != 0) throw FileErrorFromErrno(errno, FileOperation::Write);
  if (const int error = temporary->File().Close(); error != 0) throw FileErrorFromErrno(error, FileOperation::Close);
  if (::rename(temporary->Path().c_str(), path.c_str()) != 0) {
    // A file mounted over (a bind mount) cannot be renamed over.
    if (errno == EBUSY || errno == EXDEV) return false;
    throw FileErrorFromErrno(errno, FileOperation::Replace);
  }
  temporary->Commit();
  SyncFolder(folder);
  return true;
}

// Opens the path as given for writing, as a plain create-or-truncate
// would: the kernel resolves any link and applies its protections for
// links, and, through O_CREAT also for an existing file, those for another
// user's file in a shared folder. A missing file (or the missing file a link
// names) is created. Without blocking, so a pipe nobody reads fails at once
// (ENXIO) instead of freezing the window.
UniqueFd OpenForRewriting(const std::string& path) {
  UniqueFd file(::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | O_NOCTTY | O_NONBLOCK, kNewFileMode));
  // The writing itself blocks as usual.
  const int flags = file.Valid() ? ::fcntl(file.Get(), F_GETFL) : -1;
  if (flags < 0 || ::fcntl(file.Get(), F_SETFL, flags & ~O_NONBLOCK) < 0) {
    throw FileErrorFromErrno(errno, FileOperation::Create);
  }
  return file;
}

// The contents of the regular file `written` (open for writing only, as
// `path`), read through a second descriptor that must reach the same file.
std::string KeptContents(const std::string& path, const struct stat& written) {
  if (static_cast<std::size_t>(written.st_size) > kKeptContentsLimit) {
    throw FileErrorFromErrno(EFBIG, FileOperation::Create);
  }
  // Without blocking: should the path have become a pipe meanwhile, this
  // must not wait for a writer.
  UniqueFd reader(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
  struct stat read {};
  if (!reader.Valid() || ::fstat(reader.Get(), &read) != 0) throw FileErrorFromErrno(errno, FileOperation::Create);
  if (read.st_dev != written.st_dev || read.st_ino != written.st_ino) {
    throw FileErrorFromErrno(EBUSY, FileOperation::Create);
  }
  std::string bytes;
  char chunk[BUFSIZ];
  for (;;) {
    const ssize_t count = ::read(reader.Get(), chunk, sizeof chunk);
    if (count == 0) return bytes;
    if (count < 0) {
      if (errno == EINTR) continue;
      throw FileErrorFromErrno(errno, FileOperation::Create);
    }
    bytes.append(chunk, static_cast<std::size_t>(count));
    if (bytes.size() > kKeptContentsLimit) throw FileErrorFromErrno(EFBIG, FileOperation::Create);
  }
}

// Puts back the first `changed` bytes of the old contents and their length,
// as far as the system lets it: the failure being reported is the first one.
void PutBack(int fd, std::string_view old, std::size_t changed, const SaveSystemCalls& system) {
  std::string_view rest = old.substr(0, std::min(changed, old.size()));
  for (off_t offset = 0; !rest.empty();) {
    const ssize_t count = ::pwrite(fd, rest.data(), rest.size(), offset);
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) break;
    rest.remove_prefix(static_cast<std::size_t>(count));
    offset += count;
  }
  if (system.ftruncate(fd, static_cast<off_t>(old.size())) == 0) system.fsync(fd);
}

// The old contents are kept until the new ones are flushed, and written
// back should a step fail: a file is never left with the new bytes followed
// by the old ones' tail, nor half written.
void RewriteRegularFile(int fd, std::string_view old, std::string_view contents, const SaveSystemCalls& system) {
  std::size_t changed = 0;  // the bytes from the start that may differ from the old ones
  try {
    WriteAll(fd, contents, system, changed);
    changed = std::max(changed, old.size());  // cutting drops the old tail
    if (system.ftruncate(fd, static_cast<off_t>(contents.size())) != 0 || system.fsync(fd) != 0) {
      throw FileErrorFromErrno(errno, FileOperation::Write);
    }
  } catch (const FileError&) {
    PutBack(fd, old, changed, system);
    throw;
  }
}

void RewriteInPlace(const std::string& path, std::string_view contents, const SaveSystemCalls& system) {
  UniqueFd file = OpenForRewriting(path);
  struct stat status {};
  if (::fstat(file.Get(), &status) != 0) throw FileErrorFromErrno(errno, FileOperation::Create);
  if (S_ISREG(status.st_mode)) {
    RewriteRegularFile(file.Get(), KeptContents(path, status), contents, system);
  } else {
    std::size_t written = 0;
    WriteAll(file.Get(), contents, system, written);
  }
  if (const int error = file.Close(); error != 0) throw FileErrorFromErrno(error, FileOperation::Close);
}

}  // namespace

void ReplaceFileContents(const std::string& path, std::string_view contents, const SaveSystemCalls& system) {
  // Names that cannot denote a file fail as a plain create would, before a
  // temporary file is made anywhere.
  if (path.empty()) throw FileErrorFromErrno(ENOENT, FileOperation::Create);
  if (path.back() == '/') throw FileErrorFromErrno(EISDIR, FileOperation::Create);

  struct stat old {};
  const bool exists = ::lstat(path.c_str(), &old) == 0;
  if (!exists && errno != ENOENT) throw FileErrorFromErrno(errno, FileOperation::Create);
  if (exists && !ReplacingLosesNothing(path, old)) {
    RewriteInPlace(path, contents, system);
    return;
  }
  // The folder would allow the replacement, but the file itself says no.
  if (exists && ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0) {
    throw FileErrorFromErrno(errno, FileOperation::Create);
  }
  if (!ReplaceAtomically(path, exists ? &old : nullptr, contents, system)) RewriteInPlace(path, contents, system);
}

}  // namespace files
