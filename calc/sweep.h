#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "failure.h"
#include "fields.h"
#include "margins.h"
#include "model.h"
#include "number_text.h"
#include "stability.h"
#include "units.h"

namespace calc {

// Evaluating a model with one or two dimensions varied, for `cgcalc-cli
// --sweep` and the what-if plot alike, so that both give the same digits.

// Values FROM, FROM + STEP, FROM + 2·STEP ... up to and including TO, kept as
// whole multiples of 10^-Scale so that every value is exactly the decimal a
// user would type ("437.5", never 437.49999999999994). The i-th value is
// computed from FROM and i, never summed up step by step.
struct DecimalRange {
  std::int64_t From = 0;   // in units of 10^-Scale
  std::int64_t Step = 1;   // nonzero, in units of 10^-Scale
  std::int64_t Count = 1;  // how many values
  int Scale = 0;           // decimals

  // The i-th value (0 <= i < Count) as its PlainDecimal text ("-30", "0.5",
  // "437.5").
  std::string ValueText(std::int64_t i) const;
};

// The most points one sweep may have, a grid's product included.
inline constexpr std::int64_t kMaxSweepPoints = 1'000'000;

// Why a range "FROM:TO:STEP" is refused.
enum class RangeFault { Form, BadNumber, ZeroStep, AwayFromTo, TooManyPoints, TooManyDigits };

// The message of each fault, in English; a part that is refused as a number
// has its own (RangeErrorText). The window shows translations.
constexpr const char* RangeFaultText(RangeFault fault) {
  switch (fault) {
    case RangeFault::Form:
      return "a range is FROM:TO:STEP";
    case RangeFault::BadNumber:
      return "a part is refused as a number";
    case RangeFault::ZeroStep:
      return "the step is 0";
    case RangeFault::AwayFromTo:
      return "the step goes away from TO";
    case RangeFault::TooManyPoints:
      return "more than 1000000 points";
    case RangeFault::TooManyDigits:
      return "the range has too many digits";
  }
  return "a range is FROM:TO:STEP";
}

// The parts of a range, as the messages name them.
inline constexpr const char* kRangePartNames[] = {"FROM", "TO", "STEP"};

struct RangeError {
  RangeFault Fault = RangeFault::Form;
  int Part = 0;          // for BadNumber: 0 FROM, 1 TO, 2 STEP
  std::string PartText;  // for BadNumber: the part as given
  NumberFault PartFault = NumberFault::NotANumber;  // for BadNumber: why
};

// The English message of `error`, as cgcalc-cli prints it; a part refused
// as a number is named with its text: "FROM '1,5': not a number".
std::string RangeErrorText(const RangeError& error);

// Reads "FROM:TO:STEP", each a number as ReadGivenNumber reads it, taken as
// the exact decimal it writes ("6.5e2" is 650), of at most 15 significant
// digits written out and 15 decimals. On a bad range returns nothing and
// puts the reason into `error`: which part is refused as a number and why,
// a step of 0, a step whose sign points
// away from TO, or more than kMaxSweepPoints values. The second form gives
// the reason as RangeErrorText.
std::optional<DecimalRange> ParseDecimalRange(std::string_view text, RangeError& error);
std::optional<DecimalRange> ParseDecimalRange(std::string_view text, std::string& error);

// The step that divides FROM..TO (numbers as above) into exactly
// `parts` (> 0) equal steps, as a plain decimal: nothing when either end is
// no plain decimal, both are equal, or the step needs more than 15
// significant digits or decimals.
std::optional<std::string> ExactStep(std::string_view from, std::string_view to, int parts);

// One varied dimension: its index in file order and its values.
struct SweptField {
  int Field = 0;
  DecimalRange Range;
};

// The index in file order of the field code `code` ("B", "Sa" ... "Rh"), or
// nothing.
std::optional<int> FieldIndexOfCode(std::string_view code);

// The state a Load leaves: the record as read, the fifteen field texts
// written from it, and the record after the closing recalculation (which may
// have failed part way, as in the window); and the margins chosen for the
// model, which every point is computed with (nothing: each point's default,
// so that a point without a tailplane takes a flying wing's).
struct LoadedState {
  FieldTexts Texts;
  TModelData Model;
  std::optional<TMargins> Margins;  // those chosen for the model, if any
  // The units the model is shown in. The texts are millimetres all the
  // same; a point's swept values are typed in these units and enter their
  // fields as the millimetre texts MillimetreText makes of them, so that
  // every result is the millimetre model's, as in the main window.
  TUnits Units{};
};
LoadedState LoadState(const TModelData& fromFile, const std::optional<TMargins>& margins = std::nullopt);
// The same for a model whose fields are given as texts (a document's, as
// typed), starting from `record`.
LoadedState LoadState(const FieldTexts& texts, const TModelData& record, const std::optional<TMargins>& margins);

// One point of a sweep: the texts typed into the swept fields (in the
// loaded state's SweptUnit), and what the
// recalculation made of them, or the failure that stopped it.
struct SweepPoint {
  std::vector<std::string> ValueTexts;  // one per swept field
  TModelData Model;
  TStabilityData Results;
  std::optional<FailureKind> Failure;
};

// The number of points of a sweep: the product of the fields' counts.
std::int64_t SweepPointCount(std::span<const SweptField> fields);

// Point `index` (0 <= index < SweepPointCount): the first field varies
// slowest. Each point starts afresh from `loaded`, as if its values had been
// typed into the fields right after the Load. Never throws a failure of the
// calculation; it is returned in the point.
SweepPoint EvaluateSweepPoint(const LoadedState& loaded, std::span<const SweptField> fields, std::int64_t index);

}  // namespace calc
