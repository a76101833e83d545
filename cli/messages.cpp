#include "messages.h"

#include <ostream>

#include "options.h"
#include "output.h"

namespace cli {

int UsageError(const std::string& message, std::ostream& err) {
  err << "cgcalc-cli: " << message << "\nTry 'cgcalc-cli --help' for more information.\n";
  return kExitUsage;
}

int WriteError(const std::ostream& out, std::ostream& err) {
  err << "cgcalc-cli: write error: " << WriteFailureReason(out) << "\n";
  return kExitFailure;
}

std::string_view DisplayName(std::string_view path) { return path == kStandardInput ? "standard input" : path; }

void ReportFailure(std::string_view path, std::string_view message, std::ostream& err) {
  // A refused file's message names the file itself.
  if (message.starts_with(DisplayName(path)) && message.size() > DisplayName(path).size() &&
      message[DisplayName(path).size()] == ' ') {
    err << "cgcalc-cli: " << message << ".\n";
    return;
  }
  err << "cgcalc-cli: " << DisplayName(path) << ": " << message << ".\n";
}

}  // namespace cli
