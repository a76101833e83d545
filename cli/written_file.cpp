#include "written_file.h"

#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include "files/atomic_file.h"
#include "files/file_error.h"
#include "messages.h"
#include "options.h"

namespace cli {
namespace {

// Where a path's file is, or would be made: its device and inode, and for
// a missing file its folder's and its own name.
struct FileKey {
  dev_t device = 0;
  ino_t inode = 0;
  std::string name;
  bool operator==(const FileKey&) const = default;
};

// The links the system itself follows before it gives up (ELOOP).
constexpr int kMostLinks = 40;

std::optional<FileKey> KeyOf(std::string path) {
  for (int link = 0; link <= kMostLinks; ++link) {
    struct stat status {};
    if (::stat(path.c_str(), &status) == 0) return FileKey{status.st_dev, status.st_ino, ""};
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    std::string name = path.substr(slash == std::string::npos ? 0 : slash + 1);
    if (::lstat(path.c_str(), &status) == 0 && S_ISLNK(status.st_mode)) {
      std::string target(PATH_MAX, '\0');
      const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
      if (length <= 0) return std::nullopt;
      target.resize(static_cast<std::size_t>(length));
      path = target.front() == '/' ? target : folder + target;
      continue;
    }
    if (name.empty() || ::stat(folder.c_str(), &status) != 0) return std::nullopt;
    return FileKey{status.st_dev, status.st_ino, std::move(name)};
  }
  return std::nullopt;
}

}  // namespace

ExportError ExportFailure(std::string_view what, const std::string& path, std::string_view reason) {
  return ExportError("cannot write the " + std::string(what) + " to " + DisplayName(path) + ": " +
                     std::string(reason));
}

void ReplaceWrittenFile(std::string_view what, const std::string& path, std::string_view contents) {
  try {
    files::ReplaceFileContents(path, contents);
  } catch (const files::FileError& error) {
    throw ExportFailure(what, path, error.what());
  }
}

std::optional<std::string> InputReplacedBy(const std::string& writtenPath, std::span<const std::string> inputs) {
  struct stat written {};
  if (writtenPath.empty() || ::stat(writtenPath.c_str(), &written) != 0) return std::nullopt;
  for (const std::string& input : inputs) {
    struct stat model {};
    const int found = input == kStandardInput ? ::fstat(STDIN_FILENO, &model) : ::stat(input.c_str(), &model);
    if (found == 0 && model.st_dev == written.st_dev && model.st_ino == written.st_ino) return input;
  }
  return std::nullopt;
}

bool SameWrittenFile(const std::string& first, const std::string& second) {
  if (first == second) return true;
  const std::optional<FileKey> key = KeyOf(first);
  return key && key == KeyOf(second);
}

}  // namespace cli
