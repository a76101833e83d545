#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace cli {

// Where cgcalc-cli writes its report or its messages: a file descriptor for
// the program, a string stream for the tests (stream_output.h). Not a
// std::ostream: making the first one sets up the C++ locales, which cost a
// fifth of a short run (see docs/benchmarks.md).
class Output {
 public:
  virtual ~Output() = default;
  Output& operator<<(std::string_view text) {
    Write(text);
    return *this;
  }
  // Sends on what is buffered; false when anything written failed.
  virtual bool Flush() = 0;
  // Whether everything written so far went out.
  virtual bool Good() const = 0;
  explicit operator bool() const { return Good(); }
  // Why writing failed: the system's text for the cause where it is known.
  virtual std::string FailureReason() const = 0;

 protected:
  virtual void Write(std::string_view text) = 0;
};

// Writes to a file descriptor and remembers why the first write failed, so
// that a full disk or a closed pipe is reported by its cause rather than as
// a silent failure. The report is written a buffer at a time; messages
// (`lineByLine`) as soon as a line is complete.
class FdOutput final : public Output {
 public:
  // The buffer is allocated, not on the stack: a large frame there would
  // make the kernel grow the stack for every run.
  explicit FdOutput(int fd, bool lineByLine = false)
      : fd_(fd), lineByLine_(lineByLine), size_(lineByLine ? 4096 : 64 * 1024), buffer_(new char[size_]) {}
  ~FdOutput() override { Flush(); }
  FdOutput(const FdOutput&) = delete;
  FdOutput& operator=(const FdOutput&) = delete;

  bool Flush() override;
  bool Good() const override { return error_ == 0; }
  std::string FailureReason() const override;

 private:
  void Write(std::string_view text) override;
  bool WriteAll(const char* data, std::size_t size);
  // Waits until the descriptor takes bytes again (or its reader is gone);
  // false when waiting fails.
  bool WaitForRoom() const;

  int fd_;
  bool lineByLine_;
  int error_ = 0;  // the errno of the first failed write
  std::size_t size_;
  std::size_t used_ = 0;
  std::unique_ptr<char[]> buffer_;
};

}  // namespace cli
