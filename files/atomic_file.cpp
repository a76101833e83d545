#include "atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "file_error.h"
#include "unique_fd.h"

namespace files {
namespace {

// The same limit on chained links that the kernel applies to a path.
constexpr int kMaxLinkDepth = 40;
constexpr int kMaxNameAttempts = 100;
constexpr mode_t kNewFileMode = 0666;  // the kernel takes the umask off
constexpr mode_t kPermissionBits = 07777;

// The folder part of a path with its trailing slash, or "" for a bare name.
std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string ReadLink(const std::string& link) {
  std::vector<char> buffer(256);
  for (;;) {
    const ssize_t length = ::readlink(link.c_str(), buffer.data(), buffer.size());
    if (length < 0) throw FileErrorFromErrno(errno, FileOperation::Create);
    const auto size = static_cast<std::size_t>(length);
    if (size < buffer.size()) return std::string(buffer.data(), size);
    buffer.resize(buffer.size() * 2);
  }
}

// Follows symbolic links to the path of the file they finally name, which
// need not exist yet (a dangling link makes that file).
std::string ResolveLinks(const std::string& path) {
  std::string current = path;
  for (int depth = 0; depth <= kMaxLinkDepth; ++depth) {
    struct stat status {};
    if (::lstat(current.c_str(), &status) != 0) {
      if (errno == ENOENT) return current;
      throw FileErrorFromErrno(errno, FileOperation::Create);
    }
    if (!S_ISLNK(status.st_mode)) return current;
    std::string target = ReadLink(current);
    current = !target.empty() && target.front() == '/' ? target : FolderOf(current) + target;
  }
  throw FileErrorFromErrno(ELOOP, FileOperation::Create);
}

std::optional<struct stat> ExistingFile(const std::string& path) {
  struct stat status {};
  if (::stat(path.c_str(), &status) == 0) return status;
  if (errno == ENOENT) return std::nullopt;
  throw FileErrorFromErrno(errno, FileOperation::Create);
}

// A new file that is removed again unless Commit() is called.
class TemporaryFile {
 public:
  TemporaryFile(std::string path, UniqueFd file) : path_(std::move(path)), file_(std::move(file)) {}
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
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

// Creates a fresh file with an unused hidden name in `folder`. O_EXCL with
// mode 0666 lets the kernel apply the umask and the folder's default ACL
// exactly as for a plain create.
TemporaryFile CreateTemporaryIn(const std::string& folder) {
  static constexpr char kNameCharacters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  std::random_device seed;
  std::mt19937 generator(seed());
  std::uniform_int_distribution<std::size_t> pick(0, sizeof kNameCharacters - 2);
  for (int attempt = 0; attempt < kMaxNameAttempts; ++attempt) {
    std::string path = folder + ".cgcalc-save-";
    for (int i = 0; i < 8; ++i) path += kNameCharacters[pick(generator)];
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, kNewFileMode);
    if (fd >= 0) return TemporaryFile(std::move(path), UniqueFd(fd));
    if (errno != EEXIST) throw FileErrorFromErrno(errno, FileOperation::Create);
  }
  throw FileErrorFromErrno(EEXIST, FileOperation::Create);
}

void TakeOverAttributes(int fd, const struct stat& old) {
  // Owner first: changing it clears set-id bits, which the mode then restores.
  // Only a privileged user may give a file away; otherwise the new file
  // simply stays ours.
  if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) {
    if (::fchown(fd, old.st_uid, old.st_gid) != 0 && ::fchown(fd, static_cast<uid_t>(-1), old.st_gid) != 0) {
      // keep the owner and group the new file got
    }
  }
  if (::fchmod(fd, old.st_mode & kPermissionBits) != 0) throw FileErrorFromErrno(errno, FileOperation::Create);
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

// A device or pipe is written to, never replaced by a plain file. It is
// opened without blocking, so a pipe nobody reads fails at once (ENXIO)
// instead of freezing the window; the writing itself blocks as usual.
void WriteInPlace(const std::string& target, std::string_view contents) {
  UniqueFd file(::open(target.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
  if (!file.Valid()) throw FileErrorFromErrno(errno, FileOperation::Create);
  const int flags = ::fcntl(file.Get(), F_GETFL);
  if (flags < 0 || ::fcntl(file.Get(), F_SETFL, flags & ~O_NONBLOCK) < 0) {
    throw FileErrorFromErrno(errno, FileOperation::Create);
  }
  WriteAll(file.Get(), contents);
  if (const int error = file.Close(); error != 0) throw FileErrorFromErrno(error, FileOperation::Close);
}

// Makes the rename itself durable. The new contents are already safe, so a
// folder that cannot be flushed is no reason to report a failure.
void SyncFolder(const std::string& folder) {
  UniqueFd handle(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (handle.Valid()) ::fsync(handle.Get());
}

}  // namespace

void ReplaceFileContents(const std::string& path, std::string_view contents) {
  // Names that cannot denote a file fail as a plain create would, before a
  // temporary file is made anywhere.
  if (path.empty()) throw FileErrorFromErrno(ENOENT, FileOperation::Create);
  if (path.back() == '/') throw FileErrorFromErrno(EISDIR, FileOperation::Create);
  const std::string target = ResolveLinks(path);
  const std::optional<struct stat> old = ExistingFile(target);
  if (old && ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
    throw FileErrorFromErrno(errno, FileOperation::Create);
  }

  if (old && !S_ISREG(old->st_mode) && !S_ISDIR(old->st_mode)) {
    WriteInPlace(target, contents);
    return;
  }

  const std::string folder = FolderOf(target);
  TemporaryFile temporary = CreateTemporaryIn(folder);
  const int fd = temporary.File().Get();
  if (old) TakeOverAttributes(fd, *old);
  WriteAll(fd, contents);
  if (::fsync(fd) != 0) throw FileErrorFromErrno(errno, FileOperation::Write);
  if (const int error = temporary.File().Close(); error != 0) throw FileErrorFromErrno(error, FileOperation::Close);
  if (::rename(temporary.Path().c_str(), target.c_str()) != 0) {
    throw FileErrorFromErrno(errno, FileOperation::Replace);
  }
  temporary.Commit();
  SyncFolder(folder);
}

}  // namespace files
