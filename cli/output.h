#pragma once

#include <array>
#include <ostream>
#include <streambuf>
#include <string>

namespace cli {

// A stream buffer that writes to a file descriptor and remembers why the
// first write failed, so that a full disk or a closed pipe is reported by
// its cause rather than as a silent bad stream. Output is written as it is
// produced, a buffer at a time.
class FdStreamBuffer : public std::streambuf {
 public:
  explicit FdStreamBuffer(int fd);
  ~FdStreamBuffer() override;
  FdStreamBuffer(const FdStreamBuffer&) = delete;
  FdStreamBuffer& operator=(const FdStreamBuffer&) = delete;

  // The errno of the first failed write, or 0.
  int Error() const { return error_; }

 protected:
  int_type overflow(int_type c) override;
  std::streamsize xsputn(const char* data, std::streamsize size) override;
  int sync() override;

 private:
  bool WriteAll(const char* data, std::size_t size);
  // Waits until the descriptor takes bytes again (or its reader is gone);
  // false when waiting fails.
  bool WaitForRoom() const;
  bool Drain();

  int fd_;
  int error_ = 0;
  std::array<char, 64 * 1024> buffer_;
};

// Why `out` cannot be written: the system's text for the cause when it
// writes through an FdStreamBuffer, a general text otherwise.
std::string WriteFailureReason(const std::ostream& out);

}  // namespace cli
