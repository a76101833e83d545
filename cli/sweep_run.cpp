// One model with one dimension (or a grid of two) varied.
#include <algorithm>
#include <exception>
#include <optional>
#include <thread>
#include <vector>

#include "calc/failure.h"
#include "calc/sweep.h"
#include "evaluation.h"
#include "files/file_error.h"
#include "messages.h"
#include "model_input.h"
#include "present/result_table.h"
#include "rows.h"
#include "sweep_run.h"
#include "texts_in_order.h"

namespace cli {
namespace {

struct SweepPlan {
  std::vector<calc::SweptField> fields;
  std::vector<std::string> codes;
};

// Reads the --sweep values; on a usage error returns nothing and sets `error`.
std::optional<SweepPlan> PlanSweep(const std::vector<std::string>& sweeps, std::string& error) {
  SweepPlan plan;
  for (const std::string& sweep : sweeps) {
    const std::size_t equals = sweep.find('=');
    const std::string code = sweep.substr(0, equals);
    const std::optional<int> field = calc::FieldIndexOfCode(code);
    if (equals == std::string::npos || !field) {
      error = "--sweep " + sweep + ": unknown field '" + code + "' (the fields are " + FieldCodeList() + ")";
      return std::nullopt;
    }
    for (const calc::SweptField& earlier : plan.fields) {
      if (earlier.Field == *field) {
        error = "--sweep " + sweep + ": the field " + code + " is swept twice";
        return std::nullopt;
      }
    }
    std::string reason;
    const std::optional<calc::DecimalRange> range = calc::ParseDecimalRange(sweep.substr(equals + 1), reason);
    if (!range) {
      error = "--sweep " + sweep + ": " + reason;
      return std::nullopt;
    }
    plan.fields.push_back({*field, *range});
    plan.codes.push_back(code);
  }
  if (calc::SweepPointCount(plan.fields) > calc::kMaxSweepPoints) {
    error = "--sweep: the grid has more than 1000000 points";
    return std::nullopt;
  }
  return plan;
}

// The balance check of one point, when asked for; a failure becomes the
// point's error.
std::optional<calc::TBalanceData> BalanceOf(const calc::TStabilityData& results, const ModelSettings& settings,
                                            std::string& error) {
  if (!settings.WithBalance()) return std::nullopt;
  try {
    return calc::CalcBalance(settings.balance, results);
  } catch (const calc::ArithmeticFailure& failure) {
    error = failure.what();
  } catch (const calc::BalanceInputError& inputError) {
    error = inputError.what();
  }
  return std::nullopt;
}

// The model loaded as the window would hold it, with what the options or
// its document choose (margins, balance inputs, tail height, units); on
// failure nothing, with the message in `error`.
std::optional<calc::LoadedState> LoadForSweep(const std::string& path, const Options& options, Output& err,
                                              ModelSettings& settings, std::string& error) {
  try {
    const LoadedInput input = LoadInput(path, err);
    settings = SettingsFor(options, input);
    error = BalanceGap(options, settings);
    if (!error.empty()) return std::nullopt;
    calc::LoadedState loaded = calc::LoadState(input.texts, input.record, settings.margins);
    loaded.Units = settings.units;
    return loaded;
  } catch (const files::FileError& failure) {
    error = FailureMessage(path, failure);
  } catch (const calc::ArithmeticFailure& failure) {
    error = failure.what();
  }
  return std::nullopt;
}

// One point's row in the chosen format; called from several threads at once.
class PointRows {
 public:
  PointRows(const Options& options, const SweepPlan& plan, const calc::LoadedState& loaded, const CsvTable& table,
            const ModelSettings& settings)
      : options_(options), plan_(plan), loaded_(loaded), table_(table), settings_(settings),
        layout_(options.VlmLayout()) {
    layout_.TailHeight = settings.tailHeight;
  }

  std::string Row(std::int64_t index) const {
    const calc::SweepPoint point = calc::EvaluateSweepPoint(loaded_, plan_.fields, index);
    std::optional<ResultTexts> texts;
    std::string error = point.Failure ? calc::FailureText(*point.Failure) : "";
    if (!point.Failure) {
      const std::optional<calc::TBalanceData> balance = BalanceOf(point.Results, settings_, error);
      if (error.empty()) {
        std::optional<VlmOutcome> vlm;
        if (options_.vlm) {
          vlm = SecondOpinionOf(point.Model, point.Results, layout_, balance ? &settings_.balance : nullptr);
        }
        const present::ResultLabelTexts labels = present::LabelTexts(point.Results, settings_.units);
        texts = TextsOf({labels, present::AspectRatioWarning(point.Results), balance ? &*balance : nullptr,
                         vlm ? &*vlm : nullptr, settings_.units},
                        options_.language);
      }
    }
    const ResultRecord record{plan_.codes, point.ValueTexts, options_.modelPaths.front(), texts ? &*texts : nullptr,
                              error};
    return options_.format == ReportFormat::JsonLines ? JsonLine(record) : table_.Row(record);
  }

 private:
  const Options& options_;
  const SweepPlan& plan_;
  const calc::LoadedState& loaded_;
  const CsvTable& table_;
  const ModelSettings& settings_;
  aero::VlmOptions layout_;
};

// The rule alone takes microseconds a point, less than handing points to
// another thread would; the vortex lattice takes long enough to share.
unsigned SweepThreads(const Options& options) {
  if (!options.vlm) return 1;
  if (options.threads > 0) return options.threads;
  return std::max(1u, std::thread::hardware_concurrency());
}

// Writes the rows of every point in order, a block at a time, so that a long
// sweep is never held whole. Returns false when a point's computation threw
// (only memory exhaustion is expected), after reporting it on `err`.
bool WritePoints(const PointRows& rows, std::int64_t count, unsigned threads, const std::string& path,
                 Output& out, Output& err) {
  const std::int64_t block = 64 * static_cast<std::int64_t>(threads);
  for (std::int64_t first = 0; first < count && out; first += block) {
    try {
      const std::vector<std::string> texts = TextsInOrder(first, std::min(block, count - first), threads,
                                                          [&](std::int64_t index) { return rows.Row(index); });
      for (const std::string& text : texts) out << text;
    } catch (const std::exception& failure) {
      ReportFailure(path, failure.what(), err);
      return false;
    }
  }
  return true;
}

}  // namespace

int RunSweep(const Options& options, Output& out, Output& err) {
  std::string usage;
  const std::optional<SweepPlan> plan = PlanSweep(options.sweeps, usage);
  if (!plan) return UsageError(usage, err);

  const std::string& path = options.modelPaths.front();
  const bool csv = options.format != ReportFormat::JsonLines;
  std::string loadError;
  ModelSettings settings;
  const std::optional<calc::LoadedState> loaded = LoadForSweep(path, options, err, settings, loadError);
  // The balance columns are there when the options or the document give a
  // centre of gravity; a file that fails gives the options' alone.
  const CsvTable table(plan->codes, loaded ? settings.WithBalance() : options.WithBalance(), options.vlm,
                       options.ReportUnits(nullptr));
  if (csv) out << table.Header();
  if (!loaded) {
    // As a plain --csv or --jsonl run reports a failed file: a row with the
    // error, with no swept values since there are no points.
    ReportFailure(path, loadError, err);
    const std::vector<std::string> noValues(csv ? plan->codes.size() : 0);
    out << (csv ? table.Row({{}, noValues, path, nullptr, loadError}) : JsonLine({{}, {}, path, nullptr, loadError}));
    return out.Flush() ? kExitFailure : WriteError(out, err);
  }

  const PointRows rows(options, *plan, *loaded, table, settings);
  const bool computed = WritePoints(rows, calc::SweepPointCount(plan->fields), SweepThreads(options), path, out, err);
  if (!out.Flush()) return WriteError(out, err);
  return computed ? kExitSuccess : kExitFailure;
}

}  // namespace cli
