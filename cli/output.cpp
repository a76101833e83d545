#include "output.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace cli {

void FdOutput::Write(std::string_view text) {
  if (text.size() > size_ - used_) {
    if (!Flush()) return;
    if (text.size() > size_) {
      WriteAll(text.data(), text.size());
      return;
    }
  }
  std::memcpy(buffer_.get() + used_, text.data(), text.size());
  used_ += text.size();
  if (lineByLine_ && !text.empty() && text.back() == '\n') Flush();
}

bool FdOutput::Flush() {
  const bool written = WriteAll(buffer_.get(), used_);
  used_ = 0;
  return written;
}

bool FdOutput::WriteAll(const char* data, std::size_t size) {
  if (error_ != 0) return false;
  while (size > 0) {
    const ssize_t written = ::write(fd_, data, size);
    if (written < 0) {
      if (errno == EINTR) continue;
      // A non-blocking output (shared with a process that set it so) is full
      // until its reader catches up: wait for room as a blocking one would.
      if ((errno == EAGAIN || errno == EWOULDBLOCK) && WaitForRoom()) continue;
      error_ = errno;
      return false;
    }
    data += written;
    size -= static_cast<std::size_t>(written);
  }
  return true;
}

bool FdOutput::WaitForRoom() const {
  pollfd output{fd_, POLLOUT, 0};
  for (;;) {
    if (::poll(&output, 1, -1) >= 0) return true;
    if (errno != EINTR) return false;
  }
}

std::string FdOutput::FailureReason() const {
  return error_ != 0 ? std::strerror(error_) : "cannot write to standard output";
}

}  // namespace cli
