#include "atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <random>
#include <string>
#include <utility>

#include "file_error.h"
#include "unique_fd.h"

namespace files {
namespace {

constexpr int kMaxNameAttempts = 100;
constexpr mode_t kNewFileMode = 0666;  // the kernel takes the umask off
constexpr mode_t kPermissionBits = 07777;

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

// A new file that is removed again unless Commit() is called.
class TemporaryFile {
 public:
  TemporaryFile(std::string path, UniqueFd file) : path_(std::move(path)), file_(std::move(file)) {}
  TemporaryFile(TemporaryFile&& other) noexcept
      : path_(std::move(other.path_)), file_(std::move(other.file_)), committed_(std::exchange(other.committed_, true)) {}
  TemporaryFile& operator=(TemporaryFile&&) = delete;
  ~TemporaryFile() {
    if (committed_) return;
    file_.Close();
    ::unlink(path_.c_str());
  }

  const std::string& Path() const { return path_; }
  UniqueFd& File() { return file_; }
  void Commit() { committed_ = true; }

 private:
  std::string path_;
  UniqueFd file_;
  bool committed_ = false;
};

// Creates a fresh file with an unused hidden name in `folder`, or nothing
// when the folder does not allow it but the target may still be written.
// O_EXCL with mode 0666 lets the kernel apply the umask and the folder's
// default ACL exactly as for a plain create.
std::optional<TemporaryFile> CreateTemporaryIn(const std::string& folder) {
  static constexpr char kNameCharacters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  std::random_device seed;
  std::mt19937 generator(seed());
  std::uniform_int_distribution<std::size_t> pick(0, sizeof kNameCharacters - 2);
  for (int attempt = 0; attempt < kMaxNameAttempts; ++attempt) {
    std::string path = folder + ".cgcalc-save-";
    for (int i = 0; i < 8; ++i) path += kNameCharacters[pick(generator)];
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, kNewFileMode);
    if (fd >= 0) return TemporaryFile(std::move(path), UniqueFd(fd));
    if (RewritingMayStillWork(errno)) return std::nullopt;
    if (errno != EEXIST) throw FileErrorFromErrno(errno, FileOperation::Create);
  }
  throw FileErrorFromErrno(EEXIST, FileOperation::Create);
}

// Gives the new file the old one's group and permission bits. The group
// first: changing it clears set-id bits, which the mode then restores.
// Returns false when the group cannot be kept (a group the user is no
// longer a member of): the replacement would lose it.
bool TakeOverGroupAndMode(int fd, const struct stat& old) {
  struct stat made {};
  if (::fstat(fd, &made) != 0) throw FileErrorFromErrno(errno, FileOperation::Create);
  if (made.st_gid != old.st_gid && ::fchown(fd, static_cast<uid_t>(-1), old.st_gid) != 0) return false;
  if (::fchmod(fd, old.st_mode & kPermissionBits) != 0) throw FileErrorFromErrno(errno, FileOperation::Create);
  return true;
}

void WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      throw FileErrorFromErrno(errno, FileOperation::Write);
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
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
bool ReplaceAtomically(const std::string& path, const struct stat* old, std::string_view contents) {
  const std::string folder = FolderOf(path);
  std::optional<TemporaryFile> temporary = CreateTemporaryIn(folder);
  if (!temporary) return false;
  const int fd = temporary->File().Get();
  if (old != nullptr && !TakeOverGroupAndMode(fd, *old)) return false;
  WriteAll(fd, contents);
  if (::fsync(fd) != 0) throw FileErrorFromErrno(errno, FileOperation::Write);
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

// Opens the path as given for writing: the kernel resolves any link and
// applies its link protections. An existing file is opened without O_CREAT,
// which those protections would refuse for another user's file in a shared
// folder; a missing one (or the missing file a link names) is created.
// Without blocking, so a pipe nobody reads fails at once (ENXIO) instead of
// freezing the window.
UniqueFd OpenForRewriting(const std::string& path) {
  constexpr int kFlags = O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK;
  UniqueFd file(::open(path.c_str(), kFlags));
  if (!file.Valid() && errno == ENOENT) file = UniqueFd(::open(path.c_str(), kFlags | O_CREAT, kNewFileMode));
  if (!file.Valid()) throw FileErrorFromErrno(errno, FileOperation::Create);
  return file;
}

// Not truncated at opening: the length is set once the new bytes are in.
// The writing itself blocks as usual.
void RewriteInPlace(const std::string& path, std::string_view contents) {
  UniqueFd file = OpenForRewriting(path);
  const int flags = ::fcntl(file.Get(), F_GETFL);
  struct stat status {};
  if (flags < 0 || ::fcntl(file.Get(), F_SETFL, flags & ~O_NONBLOCK) < 0 || ::fstat(file.Get(), &status) != 0) {
    throw FileErrorFromErrno(errno, FileOperation::Create);
  }
  WriteAll(file.Get(), contents);
  if (S_ISREG(status.st_mode)) {
    if (::ftruncate(file.Get(), static_cast<off_t>(contents.size())) != 0 || ::fsync(file.Get()) != 0) {
      throw FileErrorFromErrno(errno, FileOperation::Write);
    }
  }
  if (const int error = file.Close(); error != 0) throw FileErrorFromErrno(error, FileOperation::Close);
}

}  // namespace

void ReplaceFileContents(const std::string& path, std::string_view contents) {
  // Names that cannot denote a file fail as a plain create would, before a
  // temporary file is made anywhere.
  if (path.empty()) throw FileErrorFromErrno(ENOENT, FileOperation::Create);
  if (path.back() == '/') throw FileErrorFromErrno(EISDIR, FileOperation::Create);

  struct stat old {};
  const bool exists = ::lstat(path.c_str(), &old) == 0;
  if (!exists && errno != ENOENT) throw FileErrorFromErrno(errno, FileOperation::Create);
  if (exists && !ReplacingLosesNothing(path, old)) {
    RewriteInPlace(path, contents);
    return;
  }
  // The folder would allow the replacement, but the file itself says no.
  if (exists && ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0) {
    throw FileErrorFromErrno(errno, FileOperation::Create);
  }
  if (!ReplaceAtomically(path, exists ? &old : nullptr, contents)) RewriteInPlace(path, contents);
}

}  // namespace files
