#include "messages.h"

#include "options.h"
#include "output.h"
#include "utf8.h"

namespace cli {

int UsageError(const std::string& message, Output& err) {
  err << "cgcalc-cli: " << message << "\nTry 'cgcalc-cli --help' for more information.\n";
  return kExitUsage;
}

int WriteError(const Output& out, Output& err) {
  err << "cgcalc-cli: write error: " << out.FailureReason() << "\n";
  return kExitFailure;
}

namespace {

bool IsShown(const TextUnit& unit) { return unit.valid && !IsControl(unit.codePoint); }

// A byte inside $'...': the shell's letter escapes where there is one, else
// three octal digits.
std::string EscapedByte(unsigned char byte) {
  constexpr std::string_view kLetters = "abtnvfr";  // bytes 7 to 13
  if (byte >= 7 && byte <= 13) return {'\\', kLetters[byte - 7]};
  const char octal[] = {'\\', static_cast<char>('0' + (byte >> 6)), static_cast<char>('0' + ((byte >> 3) & 7)),
                        static_cast<char>('0' + (byte & 7))};
  return std::string(octal, sizeof octal);
}

// The whole name in single quotes; each run of unshown bytes leaves them for
// a $'...' of escapes, and a quote inside is written '\''.
std::string ShellQuoted(std::string_view name) {
  std::string quoted = "'";
  bool escaping = false;
  ForEachUnit(name, [&](const TextUnit& unit) {
    if (!IsShown(unit)) {
      if (!escaping) quoted += "'$'";
      escaping = true;
      for (const char byte : unit.bytes) quoted += EscapedByte(static_cast<unsigned char>(byte));
      return;
    }
    if (escaping) quoted += "''";
    escaping = false;
    quoted += unit.bytes == "'" ? std::string_view("'\\''") : unit.bytes;
  });
  return quoted + "'";
}

}  // namespace

std::string DisplayName(std::string_view path) {
  if (path == kStandardInput) return "standard input";
  bool plain = true;
  ForEachUnit(path, [&](const TextUnit& unit) { plain = plain && IsShown(unit); });
  return plain ? std::string(path) : ShellQuoted(path);
}

void ReportFailure(std::string_view path, std::string_view message, Output& err) {
  const std::string name = DisplayName(path);
  // A refused file's message names the file itself.
  if (message.starts_with(name) && message.size() > name.size() && message[name.size()] == ' ') {
    err << "cgcalc-cli: " << message << ".\n";
    return;
  }
  err << "cgcalc-cli: " << name << ": " << message << ".\n";
}

}  // namespace cli
