#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <string>

namespace files_test {

// The contents of a file before and after a save.
inline const std::string kOld = "old contents, longer than the new ones\r\n";
inline const std::string kNew = "1300\r\n   0\r\n";

// The unprivileged user and group the superuser's tests give files to.
inline constexpr uid_t kNobody = 65534;

struct stat StatusOf(const std::string& path);      // follows a link
struct stat LinkStatusOf(const std::string& path);  // the link itself

// Gives `path` (a link itself, not what it names) to kNobody when the tests
// run as the superuser; otherwise the file is already the user's own.
void GiveAway(const std::string& path);

// Saves `contents` to `path` with ReplaceFileContents as a user without
// special rights: directly when the tests do not run as the superuser
// (whom permissions do not bind), otherwise in a child process that becomes
// kNobody first. Returns "" when the save worked, else its failure's
// message.
std::string SaveUnprivileged(const std::string& path, const std::string& contents);

}  // namespace files_test
