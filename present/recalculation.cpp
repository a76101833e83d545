#include "present/recalculation.h"

#include <array>
#include <cstddef>

namespace present {
namespace {

struct StageCells {
  std::array<const ResultCell*, kResultLabelCount> cells{};
  std::size_t count = 0;
};

constexpr std::array<StageCells, calc::kStageCount> SortCellsByStage() {
  std::array<StageCells, calc::kStageCount> byStage{};
  // In label order, the order in which the window writes its labels.
  for (std::size_t order = 0; order < kResultLabelCount; ++order) {
    for (const ResultRow& row : kResultRows) {
      for (const ResultCell& cell : row.cells) {
        if (!cell.Present() || cell.order != order) continue;
        StageCells& stage = byStage[static_cast<std::size_t>(cell.stage)];
        stage.cells[stage.count++] = &cell;
      }
    }
  }
  return byStage;
}

constexpr std::array<StageCells, calc::kStageCount> kCellsByStage = SortCellsByStage();

}  // namespace

std::span<const ResultCell* const> CellsOfStage(calc::Stage stage) {
  const StageCells& cells = kCellsByStage[static_cast<std::size_t>(stage)];
  return std::span(cells.cells).first(cells.count);
}

Recalculation Recalculate(const calc::RecalculationInput& input, calc::TUnits units, calc::TModelData& model,
                          calc::TStabilityData& results, const StageListener& listener) {
  Recalculation recalculation;
  // The texts are taken as each stage completes: a later stage that fails
  // part way must not change what the earlier ones showed.
  recalculation.failure = calc::RunRecalculation(input, model, results, [&](calc::Stage stage) {
    const std::span<const ResultCell* const> cells = CellsOfStage(stage);
    for (const ResultCell* cell : cells) recalculation.labels[cell->order] = CellText(*cell, results, units);
    if (listener) listener({stage, cells, recalculation.labels});
  });
  return recalculation;
}

}  // namespace present
