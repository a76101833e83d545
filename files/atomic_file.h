#pragma once

#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include <cstddef>
#include <string>
#include <string_view>

namespace files {

// The system calls with which a save fills, cuts and flushes a file and
// gives a new file its mode: the real ones, unless a caller puts others in
// their place to see a save fail or stop at one of these steps.
struct SaveSystemCalls {
  ssize_t (*write)(int fd, const void* bytes, std::size_t count) = ::write;
  int (*ftruncate)(int fd, off_t length) = ::ftruncate;
  int (*fsync)(int fd) = ::fsync;
  int (*fchmod)(int fd, mode_t mode) = ::fchmod;
};

// The longest file that is rewritten in place: its old contents are kept in
// memory until the new ones are safely in. Far more than any model file or
// diagram image has.
inline constexpr std::size_t kKeptContentsLimit = 1024 * 1024;

// Gives the file at `path` exactly `contents`, in one of two ways.
//
// Replaced atomically - the bytes go into a new file in the same folder,
// are flushed to the disk, and only then does that file take the place of
// the old one in one step (the folder is flushed after) - where that loses
// nothing: the target does not exist yet, or it is a regular file (not a
// symbolic link) with a single name, owned by the saving user, without
// extended attributes or an access control list, in a folder where the new
// file can be made. The replacement gets the old file's permission bits and
// group; until it has them nobody but the user may open it (it is made with
// the old bits less any for group and others). A new file gets 0666 less
// the umask, as a plain create gives it. When anything fails, the old file
// is left as it was and the new file is removed again; so it is on SIGINT,
// SIGTERM, SIGQUIT and SIGHUP once RemoveSaveTemporaryOnSignals
// (save_cleanup.h) is set up.
//
// Rewritten in place otherwise - `path` is opened for writing as given, as
// a plain create-or-truncate would open it (O_CREAT, also when the file
// exists), so the system follows a symbolic link itself and applies its
// protections for links and for other users' files in shared folders; the
// old contents are read, the new bytes written, the file is cut to their
// length and flushed. When a step fails, the old contents are written back
// and the file given its old length again (a file that was missing is left
// empty). Owner, group, mode, access control list, attributes and every
// hard link stay as they were. A file longer than kKeptContentsLimit, or
// one the user may write but not read, is refused before anything is
// written: its old contents could not be put back. This is also the way
// when the new file cannot be made beside the target (a folder the user may
// not write, a read-only or full file system, a path at the length limit)
// or cannot take its place (a file mounted over).
//
// A device or pipe (anything but a plain file or a folder) is written to
// directly; a pipe nobody reads fails at once instead of blocking.
//
// A file the user may not write to is refused ("File access denied") as
// overwriting it in place would be, although its folder would allow a
// replacement.
//
// Throws FileError: FileOperation::Create when the target cannot be
// examined, opened or (in place) read, or the new file cannot be made or
// given the old file's mode (a missing folder gives "Invalid filename", a
// folder as the target "File access denied", a file too long to keep the
// code for EFBIG, one that changes between opening it to write and to read
// the code for EBUSY), Write when writing, cutting or flushing fails, Close
// when closing fails, Replace when the new file cannot take the target's
// place.
void ReplaceFileContents(const std::string& path, std::string_view contents,
                         const SaveSystemCalls& system = SaveSystemCalls());

}  // namespace files
