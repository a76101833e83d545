// RunCli for callers that hold streams (the tests, the window's tests). A
// file of its own, so that the program links none of it.
#include "stream_output.h"

#include "program.h"

namespace cli {

int RunCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  StreamOutput report(out);
  StreamOutput messages(err);
  return RunCli(arguments, static_cast<Output&>(report), static_cast<Output&>(messages));
}

}  // namespace cli
