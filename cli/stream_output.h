#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "output.h"

namespace cli {

// An Output into a std::ostream, as the tests collect the report and the
// messages in strings. The program itself makes no stream.
class StreamOutput final : public Output {
 public:
  explicit StreamOutput(std::ostream& stream) : stream_(stream) {}

  bool Flush() override { return static_cast<bool>(stream_.flush()); }
  bool Good() const override { return static_cast<bool>(stream_); }
  std::string FailureReason() const override { return "cannot write to standard output"; }

 private:
  void Write(std::string_view text) override { stream_.write(text.data(), static_cast<std::streamsize>(text.size())); }

  std::ostream& stream_;
};

}  // namespace cli
