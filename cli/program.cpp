#include "program.h"

#include "file_runs.h"
#include "messages.h"
#include "options.h"
#include "sweep_run.h"
#include "written_file.h"

namespace cli {
namespace {

// Help and version are output like any other: a full disk is reported.
int PrintText(const std::string& text, Output& out, Output& err) {
  out << text;
  return out.Flush() ? kExitSuccess : WriteError(out, err);
}

// A written file comes after the model is read: over the model itself it
// would leave a picture or an AVL file where the user's only copy of the
// model was; over another written file, only the last would be left.
std::string WrittenFileClash(const Options& options) {
  const std::span<const WrittenFileOption> written = WrittenFileOptions();
  for (auto option = written.begin(); option != written.end(); ++option) {
    const std::string& path = options.*option->path;
    if (path.empty()) continue;
    const std::optional<std::string> input = InputReplacedBy(path, options.modelPaths);
    if (input) {
      const std::string model = *input == kStandardInput ? "read from standard input" : DisplayName(*input);
      return std::string(option->name) + " " + DisplayName(path) + " would replace the model file " + model;
    }
    for (auto earlier = written.begin(); earlier != option; ++earlier) {
      if (!(options.*earlier->path).empty() && SameWrittenFile(options.*earlier->path, path)) {
        return std::string(earlier->name) + " and " + std::string(option->name) + " name the same file";
      }
    }
  }
  return "";
}

}  // namespace

int RunCli(const std::vector<std::string>& arguments, Output& out, Output& err) {
  const ParsedArguments parsed = ParseArguments(arguments);
  if (!parsed.error.empty()) return UsageError(parsed.error, err);
  if (parsed.options.showHelp) return PrintText(UsageText(), out, err);
  if (parsed.options.showVersion) return PrintText(VersionText(), out, err);
  if (!parsed.options.sweeps.empty()) return RunSweep(parsed.options, out, err);
  if (const std::string clash = WrittenFileClash(parsed.options); !clash.empty()) return UsageError(clash, err);
  return RunFiles(parsed.options, out, err);
}

}  // namespace cli
