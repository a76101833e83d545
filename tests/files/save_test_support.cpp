#include "save_test_support.h"

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>

#include "files/atomic_file.h"
#include "files/file_error.h"

namespace files_test {
namespace {

std::string SaveHere(const std::string& path, const std::string& contents) {
  try {
    files::ReplaceFileContents(path, contents);
  } catch (const files::FileError& error) {
    return error.what();
  }
  return "";
}

}  // namespace

struct stat StatusOf(const std::string& path) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) throw std::runtime_error("cannot examine " + path);
  return status;
}

struct stat LinkStatusOf(const std::string& path) {
  struct stat status {};
  if (::lstat(path.c_str(), &status) != 0) throw std::runtime_error("cannot examine " + path);
  return status;
}

void GiveAway(const std::string& path) {
  if (::geteuid() != 0) return;
  if (::lchown(path.c_str(), kNobody, kNobody) != 0) throw std::runtime_error("cannot give away " + path);
}

std::string SaveUnprivileged(const std::string& path, const std::string& contents) {
  if (::geteuid() != 0) return SaveHere(path, contents);
  int ends[2];
  if (::pipe(ends) != 0) throw std::runtime_error("no pipe");
  const pid_t child = ::fork();
  if (child < 0) throw std::runtime_error("no child process");
  if (child == 0) {
    ::close(ends[0]);
    // Supplementary groups first: the superuser's group 0 would otherwise
    // stay and open the test folders.
    const bool dropped = ::setgroups(0, nullptr) == 0 && ::setresgid(kNobody, kNobody, kNobody) == 0 &&
                         ::setresuid(kNobody, kNobody, kNobody) == 0;
    const std::string message = dropped ? SaveHere(path, contents) : "cannot drop the superuser's rights";
    const bool sent = ::write(ends[1], message.data(), message.size()) == static_cast<ssize_t>(message.size());
    ::_exit(sent ? 0 : 1);
  }
  ::close(ends[1]);
  std::string message;
  char buffer[256];
  for (ssize_t count; (count = ::read(ends[0], buffer, sizeof buffer)) > 0;) {
    message.append(buffer, static_cast<std::size_t>(count));
  }
  ::close(ends[0]);
  int status = 0;
  if (::waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    throw std::runtime_error("the unprivileged save did not finish");
  }
  return message;
}

}  // namespace files_test
