#include "present/result_table.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "calc/number_text.h"

namespace present {
namespace {

constexpr std::array<const ResultCell*, kResultLabelCount> OrderCells() {
  std::array<const ResultCell*, kResultLabelCount> cells{};
  for (const ResultRow& row : kResultRows) {
    for (const ResultCell& cell : row.cells) {
      if (cell.Present()) cells[cell.order] = &cell;
    }
  }
  return cells;
}

constexpr std::array<const ResultCell*, kResultLabelCount> kLabelOrder = OrderCells();

constexpr bool NamesAreUnique() {
  for (std::size_t i = 0; i < kLabelOrder.size(); ++i) {
    for (std::size_t j = i + 1; j < kLabelOrder.size(); ++j) {
      if (kLabelOrder[i]->name == kLabelOrder[j]->name) return false;
    }
  }
  return true;
}
static_assert(NamesAreUnique(), "a label name is given twice");

// The label order takes the surface rows' cells column by column, so each
// must stand in the slot of its column.
constexpr bool SurfaceCellsStandInTheirColumns() {
  for (const ResultRow& row : kResultRows) {
    for (std::size_t slot = 0; slot < row.cells.size(); ++slot) {
      const ResultCell& cell = row.cells[slot];
      if (row.block == RowBlock::Surfaces && cell.Present() && static_cast<std::size_t>(cell.column) != slot)
        return false;
    }
  }
  return true;
}
static_assert(SurfaceCellsStandInTheirColumns(), "a surface row has a cell out of its column");

}  // namespace

std::span<const ResultCell* const> CellsInLabelOrder() { return kLabelOrder; }

const ResultCell* FindCell(std::string_view name) {
  const auto found = std::ranges::find(kLabelOrder, name, &ResultCell::name);
  return found == kLabelOrder.end() ? nullptr : *found;
}

std::string MarginText(double margin, int width) {
  if (!std::isfinite(margin) || margin == std::trunc(margin)) return calc::FormatFixed(margin, width, 0);
  std::string text = calc::PlainDecimal(margin);
  if (std::ssize(text) < width) text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
  return text;
}

std::string CellText(const ResultCell& cell, const calc::TStabilityData& results, calc::TUnits units) {
  if (cell.kind == CellKind::Margin) return MarginText(static_cast<double>(cell.value(results)), cell.width);
  const long double value = cell.value(results);
  calc::TShown shown{value, cell.decimals};
  if (cell.quantity == Quantity::Length) shown = calc::ShownLength(value, cell.decimals, units.Length);
  if (cell.quantity == Quantity::Area) shown = calc::ShownArea(value, cell.decimals, units.Length);
  return calc::FormatFixed(shown.Value, cell.width, shown.Decimals);
}

ResultLabelTexts LabelTexts(const calc::TStabilityData& results, calc::TUnits units) {
  ResultLabelTexts texts;
  for (std::size_t i = 0; i < kResultLabelCount; ++i) texts[i] = CellText(*kLabelOrder[i], results, units);
  return texts;
}

bool AspectRatioWarning(const calc::TStabilityData& results) { return !(results.Wing.AspectRatio >= 5.0); }

std::string_view WarningText(const calc::TStabilityData& results, Language language) {
  return AspectRatioWarning(results) ? In(kWindowCaptions.warning, language) : std::string_view();
}

}  // namespace present
