// One model with one dimension (or a grid of two) varied.
#include <optional>
#include <ostream>
#include <vector>

#include "calc/failure.h"
#include "calc/sweep.h"
#include "files/file_error.h"
#include "messages.h"
#include "model_input.h"
#include "present/result_table.h"
#include "rows.h"
#include "sweep_run.h"

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
std::optional<calc::TBalanceData> BalanceOf(const calc::TStabilityData& results, const Options& options,
                                            std::string& error) {
  if (!options.WithBalance()) return std::nullopt;
  try {
    return calc::CalcBalance(options.balance, results);
  } catch (const calc::ArithmeticFailure& failure) {
    error = failure.what();
  } catch (const calc::BalanceInputError& inputError) {
    error = inputError.what();
  }
  return std::nullopt;
}

// The model loaded as the window would hold it; on failure nothing, with
// the message in `error`.
std::optional<calc::LoadedState> LoadForSweep(const std::string& path, std::ostream& err, std::string& error) {
  try {
    return calc::LoadState(LoadAndWarn(path, err));
  } catch (const files::FileError& failure) {
    error = FailureMessage(path, failure);
  } catch (const calc::ArithmeticFailure& failure) {
    error = failure.what();
  }
  return std::nullopt;
}

}  // namespace

int RunSweep(const Options& options, std::ostream& out, std::ostream& err) {
  std::string usage;
  const std::optional<SweepPlan> plan = PlanSweep(options.sweeps, usage);
  if (!plan) return UsageError(usage, err);

  const std::string& path = options.modelPaths.front();
  const bool csv = options.format != ReportFormat::JsonLines;
  const CsvTable table(plan->codes, options.WithBalance());
  if (csv) out << table.Header();
  std::string loadError;
  const std::optional<calc::LoadedState> loaded = LoadForSweep(path, err, loadError);
  if (!loaded) {
    // As a plain --csv or --jsonl run reports a failed file: a row with the
    // error, with no swept values since there are no points.
    ReportFailure(path, loadError, err);
    const std::vector<std::string> noValues(csv ? plan->codes.size() : 0);
    out << (csv ? table.Row({{}, noValues, path, nullptr, loadError}) : JsonLine({{}, {}, path, nullptr, loadError}));
    out.flush();
    return out ? kExitFailure : WriteError(out, err);
  }

  const std::int64_t count = calc::SweepPointCount(plan->fields);
  for (std::int64_t i = 0; i < count && out; ++i) {
    const calc::SweepPoint point = calc::EvaluateSweepPoint(*loaded, plan->fields, i);
    std::optional<ResultTexts> texts;
    std::string error = point.Failure ? calc::FailureText(*point.Failure) : "";
    if (!point.Failure) {
      const std::optional<calc::TBalanceData> balance = BalanceOf(point.Results, options, error);
      if (error.empty()) {
        texts = TextsOf(present::LabelTexts(point.Results), present::AspectRatioWarning(point.Results),
                        balance ? &*balance : nullptr, options.language);
      }
    }
    const ResultRecord record{plan->codes, point.ValueTexts, path, texts ? &*texts : nullptr, error};
    out << (csv ? table.Row(record) : JsonLine(record));
  }
  out.flush();
  return out ? kExitSuccess : WriteError(out, err);
}

}  // namespace cli
