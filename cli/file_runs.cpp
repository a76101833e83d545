// Several model files in one run, each evaluated on its own.
#include <sys/stat.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <optional>
#include <stdexcept>
#include <utility>

#include "files/model_writer.h"

#include "avl_geometry.h"
#include "calc/failure.h"
#include "diagram_export.h"
#include "evaluation.h"
#include "file_runs.h"
#include "files/file_error.h"
#include "messages.h"
#include "model_input.h"
#include "report.h"
#include "rows.h"
#include "written_file.h"

namespace cli {
namespace {

// A line of --files-from that names no file; what() says why, without the
// list's name.
class PathListError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The paths of --files-from, read a line at a time so that a long list is
// never held whole. An empty line names no file; a CR before the LF (a list
// written on another system) is not part of the name.
class PathList {
 public:
  // Throws files::FileError when the list cannot be opened, PathListError
  // when it is a folder.
  explicit PathList(const std::string& list) : owned_(list != kStandardInput) {
    file_ = owned_ ? std::fopen(list.c_str(), "rb") : stdin;
    if (file_ == nullptr) throw files::FileErrorFromErrno(errno, files::FileOperation::Open);
    // A folder opens, and only its first read fails, with a text that does
    // not say what is wrong ("File access denied").
    struct stat status {};
    if (::fstat(::fileno(file_), &status) == 0 && S_ISDIR(status.st_mode)) {
      if (owned_) std::fclose(file_);
      throw PathListError(DisplayName(list) + " is a folder, not a list of files");
    }
  }
  ~PathList() {
    if (owned_) std::fclose(file_);
  }
  PathList(const PathList&) = delete;
  PathList& operator=(const PathList&) = delete;

  // The next path, or nothing at the end. Throws files::FileError when
  // reading fails, and PathListError for a line that cannot be a path: one
  // longer than any path (a binary file, /dev/zero: the line would grow
  // without bound), or one with a NUL byte (which would end the name early).
  std::optional<std::string> Next() {
    for (;;) {
      ++lineNumber_;
      std::string line;
      int c = 0;
      while ((c = getc_unlocked(file_)) != EOF && c != '\n') {
        if (c == '\0') throw PathListError("line " + std::to_string(lineNumber_) + " holds a NUL byte");
        // PATH_MAX counts the terminating NUL; the room left is for a CR.
        if (line.size() == PATH_MAX) throw PathListError("line " + std::to_string(lineNumber_) + " is too long");
        line += static_cast<char>(c);
      }
      if (c == EOF && std::ferror(file_)) throw files::FileErrorFromErrno(errno, files::FileOperation::Read);
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (!line.empty()) return line;
      if (c == EOF) return std::nullopt;
    }
  }

 private:
  std::FILE* file_ = nullptr;
  bool owned_;
  long lineNumber_ = 0;
};

struct FileOutcome {
  std::optional<Evaluation> evaluation;
  std::string error;  // the failure's message, without full stop
  ModelSettings settings;
  std::optional<files::ModelDocument> saved;  // what --save-as writes
};

aero::VlmOptions LayoutFor(const Options& options, const ModelSettings& settings) {
  aero::VlmOptions layout = options.VlmLayout();
  layout.TailHeight = settings.tailHeight;
  return layout;
}

FileOutcome EvaluateFile(const std::string& path, const Options& options, Output& err) {
  FileOutcome outcome;
  try {
    const LoadedInput input = LoadInput(path, err);
    outcome.settings = SettingsFor(options, input);
    const ModelSettings& settings = outcome.settings;
    if (std::string gap = BalanceGap(options, settings); !gap.empty()) {
      outcome.error = std::move(gap);
      return outcome;
    }
    // Made only when asked for: a short run need not page in the lattice.
    std::optional<aero::VlmOptions> layout;
    if (options.vlm) layout = LayoutFor(options, settings);
    outcome.evaluation = EvaluateFields(input.texts, input.record, settings.margins,
                                        settings.WithBalance() ? &settings.balance : nullptr,
                                        layout ? &*layout : nullptr, settings.units);
    if (!options.saveAsPath.empty()) outcome.saved = DocumentToSave(input, settings);
    return outcome;
  } catch (const files::FileError& error) {
    outcome.error = FailureMessage(path, error);
  } catch (const calc::ArithmeticFailure& failure) {
    outcome.error = failure.what();
  } catch (const calc::BalanceInputError& error) {
    outcome.error = error.what();
  }
  outcome.evaluation.reset();
  return outcome;
}

// Writes the model as the name's ending says, as every written file is
// written. A .dat file keeps only the fifteen dimensions in whole
// millimetres; what it drops is named on `err`, and it is written anyway,
// as asked.
void SaveModel(const std::string& path, const files::ModelDocument& document, Output& err) {
  std::string text;
  if (path.ends_with(kDocumentExtension)) {
    try {
      text = files::ModelDocumentText(document);
    } catch (const std::invalid_argument& error) {
      throw ExportFailure("model", path, error.what());
    }
  } else {
    const files::DatLosses losses = files::LossesAsDat(document);
    if (losses.Any()) {
      err << "cgcalc-cli: " << DisplayName(path) << ": warning: a .dat file holds whole millimetres only; not saved: "
          << files::DatLossNames(losses) << "\n";
    }
    text = files::ModelFileText(files::DimensionValues(document));
  }
  ReplaceWrittenFile("model", path, text);
}

// Writes each file's output in the chosen format as soon as it is known.
class FileReporter {
 public:
  FileReporter(const Options& options, bool several, Output& out)
      : options_(options), several_(several), out_(out), csv_({}, options.WithBalance(), options.vlm, options.ReportUnits(nullptr)) {
    if (options.format == ReportFormat::Csv) out_ << csv_.Header();
  }

  // Returns whether the file succeeded.
  bool Add(const std::string& path, const FileOutcome& outcome, Output& err) {
    if (!outcome.evaluation) ReportFailure(path, outcome.error, err);
    const Evaluation* evaluation = outcome.evaluation ? &*outcome.evaluation : nullptr;
    switch (options_.format) {
      case ReportFormat::Csv:
      case ReportFormat::JsonLines: {
        std::optional<ResultTexts> texts;
        if (evaluation != nullptr) texts = TextsOf(*evaluation, options_.language);
        const ResultRecord record{{}, {}, path, texts ? &*texts : nullptr, outcome.error};
        out_ << (options_.format == ReportFormat::Csv ? csv_.Row(record) : JsonLine(record));
        break;
      }
      default:
        if (evaluation != nullptr) WriteBlock(path, outcome, err);
    }
    return evaluation != nullptr && !failedFile_;
  }

 private:
  // Like head: a heading before each file's block when there are several.
  void WriteBlock(const std::string& path, const FileOutcome& outcome, Output& err) {
    const Evaluation& evaluation = *outcome.evaluation;
    const std::string report = FormatReport(evaluation, options_);
    if (!WriteFiles(path, outcome, err)) return;
    if (several_) {
      out_ << (blocks_ > 0 ? "\n==> " : "==> ") << DisplayName(path) << " <==\n";
    }
    out_ << report;
    ++blocks_;
  }

  // The report is printed only when the files asked for were written too.
  bool WriteFiles(const std::string& path, const FileOutcome& outcome, Output& err) {
    const Evaluation& evaluation = *outcome.evaluation;
    try {
      const ModelSettings& settings = outcome.settings;
      if (!options_.diagramPath.empty()) {
        WriteDiagramImage(options_.diagramPath, evaluation.model, evaluation.results, LayoutFor(options_, settings));
      }
      if (!options_.avlPath.empty()) {
        WriteAvlGeometry(options_.avlPath, {evaluation.model, evaluation.results, settings.tailHeight},
                         "cgcalc: " + DisplayName(path));
      }
      if (outcome.saved) SaveModel(options_.saveAsPath, *outcome.saved, err);
      return true;
    } catch (const calc::ArithmeticFailure& failure) {
      ReportFailure(path, failure.what(), err);
    } catch (const ExportError& error) {
      err << "cgcalc-cli: " << error.what() << ".\n";
    }
    failedFile_ = true;
    return false;
  }

  const Options& options_;
  bool several_;
  Output& out_;
  CsvTable csv_;
  int blocks_ = 0;
  bool failedFile_ = false;  // a file asked for could not be written
};

}  // namespace

int RunFiles(const Options& options, Output& out, Output& err) {
  const bool several = options.modelPaths.size() > 1 || !options.filesFrom.empty();
  FileReporter reporter(options, several, out);
  bool allSucceeded = true;
  const auto evaluate = [&](const std::string& path) {
    allSucceeded = reporter.Add(path, EvaluateFile(path, options, err), err) && allSucceeded;
    return static_cast<bool>(out);
  };
  for (const std::string& path : options.modelPaths) {
    if (!evaluate(path)) return WriteError(out, err);
  }
  if (!options.filesFrom.empty()) {
    try {
      PathList list(options.filesFrom);
      while (const std::optional<std::string> path = list.Next()) {
        if (!evaluate(*path)) return WriteError(out, err);
      }
    } catch (const files::FileError& error) {
      ReportFailure(options.filesFrom, FailureMessage(options.filesFrom, error), err);
      allSucceeded = false;
    } catch (const PathListError& error) {
      ReportFailure(options.filesFrom, error.what(), err);
      allSucceeded = false;
    }
  }
  if (!out.Flush()) return WriteError(out, err);
  return allSucceeded ? kExitSuccess : kExitFailure;
}

}  // namespace cli
