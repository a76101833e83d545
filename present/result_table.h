#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "calc/stability.h"
#include "calc/units.h"
#include "present/language.h"
#include "present/result_rows.h"

namespace present {

// What follows from the result rows (result_rows.h): the labels in their
// order, their texts, and the aspect-ratio warning.

// The rows from top to bottom.
constexpr std::span<const ResultRow> ResultRows() { return kResultRows; }

constexpr std::size_t CountCells(std::span<const ResultRow> rows) {
  std::size_t count = 0;
  for (const ResultRow& row : rows) {
    for (const ResultCell& cell : row.cells) count += cell.Present() ? 1 : 0;
  }
  return count;
}
inline constexpr std::size_t kResultLabelCount = CountCells(kResultRows);

// Every cell once, in label order.
std::span<const ResultCell* const> CellsInLabelOrder();

// The cell named `name`, or nullptr.
const ResultCell* FindCell(std::string_view name);

// A margin in %, right-aligned in `width` characters: a whole one as
// FormatFixed writes it with no decimals ("16", " 8"), any other with the
// decimals it needs to read back as itself ("12.5"), so that a chosen margin
// is never shown rounded to another.
std::string MarginText(double margin, int width);

// The exact text of a label, leading blanks included, its value in `units`
// (calc::ShownLength, ShownArea: an inch takes two more decimals).
std::string CellText(const ResultCell& cell, const calc::TStabilityData& results, calc::TUnits units = {});

// Every label's text, in label order.
using ResultLabelTexts = std::array<std::string, kResultLabelCount>;
ResultLabelTexts LabelTexts(const calc::TStabilityData& results, calc::TUnits units = {});

// True when the wing's aspect ratio is not at least 5 (NaN included): the
// coloured cells turn red and the warning line appears.
bool AspectRatioWarning(const calc::TStabilityData& results);

// The warning line's text in `language`, or empty when the warning does not
// stand.
std::string_view WarningText(const calc::TStabilityData& results, Language language);

// The name under which the warning line appears in --labels and --json.
inline constexpr std::string_view kWarningLabelName = "Label17";

}  // namespace present
