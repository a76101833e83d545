#include "program.h"

#include <ostream>

#include "file_runs.h"
#include "options.h"
#include "sweep_run.h"

namespace cli {
namespace {

// Help and version are output like any other: a full disk is reported.
int PrintText(const std::string& text, std::ostream& out, std::ostream& err) {
  out << text;
  out.flush();
  return out ? kExitSuccess : WriteError(out, err);
}

}  // namespace

int RunCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  const ParsedArguments parsed = ParseArguments(arguments);
  if (!parsed.error.empty()) return UsageError(parsed.error, err);
  if (parsed.options.showHelp) return PrintText(UsageText(), out, err);
  if (parsed.options.showVersion) return PrintText(VersionText(), out, err);
  if (!parsed.options.sweeps.empty()) return RunSweep(parsed.options, out, err);
  return RunFiles(parsed.options, out, err);
}

}  // namespace cli
