#include "output.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace cli {

FdStreamBuffer::FdStreamBuffer(int fd) : fd_(fd) { setp(buffer_.data(), buffer_.data() + buffer_.size()); }

FdStreamBuffer::~FdStreamBuffer() { Drain(); }

bool FdStreamBuffer::WriteAll(const char* data, std::size_t size) {
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

bool FdStreamBuffer::WaitForRoom() const {
  pollfd output{fd_, POLLOUT, 0};
  for (;;) {
    if (::poll(&output, 1, -1) >= 0) return true;
    if (errno != EINTR) return false;
  }
}

bool FdStreamBuffer::Drain() {
  const bool written = WriteAll(pbase(), static_cast<std::size_t>(pptr() - pbase()));
  setp(buffer_.data(), buffer_.data() + buffer_.size());
  return written;
}

FdStreamBuffer::int_type FdStreamBuffer::overflow(int_type c) {
  if (!Drain()) return traits_type::eof();
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  *pptr() = traits_type::to_char_type(c);
  pbump(1);
  return c;
}

std::streamsize FdStreamBuffer::xsputn(const char* data, std::streamsize size) {
  const auto room = epptr() - pptr();
  if (size <= room) {
    std::memcpy(pptr(), data, static_cast<std::size_t>(size));
    pbump(static_cast<int>(size));
    return size;
  }
  if (!Drain() || !WriteAll(data, static_cast<std::size_t>(size))) return 0;
  return size;
}

int FdStreamBuffer::sync() { return Drain() ? 0 : -1; }

std::string WriteFailureReason(const std::ostream& out) {
  const auto* buffer = dynamic_cast<const FdStreamBuffer*>(out.rdbuf());
  if (buffer != nullptr && buffer->Error() != 0) return std::strerror(buffer->Error());
  return "cannot write to standard output";
}

}  // namespace cli
