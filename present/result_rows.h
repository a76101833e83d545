#pragma once

#include <array>
#include <cstddef>
#include <string_view>
#include <utility>

#include "calc/recalculation.h"
#include "calc/stability.h"
#include "present/language.h"

namespace present {

// The rows of the result table, the one place that says what the window,
// `cgcalc-cli --labels`, `--json` and the readable table show. A row has a
// caption per language and up to four cells; a cell is one result label.
// Everything else follows from this table: the label order, the number of
// labels, and in the window each row's top and each value's place.

enum class Column : std::size_t { Wing, Tailplane, Total };
inline constexpr std::size_t kColumnCount = 3;

// What sets a cell apart where it is shown: a centre of gravity is bold, and
// a margin is bold too and stands narrow beside the centre of gravity it
// gives, with its unit in a caption of its own.
enum class CellKind { Value, CentreOfGravity, Margin };

// What a cell's value measures, for showing it in the model's units: a
// length in millimetres, an area in square decimetres, or a number without
// a unit.
enum class Quantity { Number, Length, Area };

// How a cell's value follows from the results.
using CellValue = long double (*)(const calc::TStabilityData&);

struct ResultCell {
  std::string_view name;  // the label's object name and its key in --labels and --json; empty: no cell
  // Its place in the label order, the order --labels lists and the window
  // writes; numbered from the table below, never written by hand.
  std::size_t order = 0;
  Column column = Column::Wing;
  // The stage of the recalculation that completes the value: the window
  // writes the label as soon as that stage has completed, so a failure of a
  // later stage leaves the label new and one of this or an earlier stage
  // leaves it as it was.
  calc::Stage stage = calc::Stage::CalcTailAndTotals;
  CellValue value = nullptr;
  int width = 5;  // FormatFixed's width and decimals
  int decimals = 1;
  bool aspectRatioColoured = false;  // turns red while the aspect-ratio warning stands
  CellKind kind = CellKind::Value;
  Quantity quantity = Quantity::Number;
  std::string_view unit;             // printed after the value in the readable table ("%:"); empty for none
  std::string_view unitCaptionName;  // the caption that shows `unit` in the window (Label15 ...)

  constexpr bool Present() const { return !name.empty(); }
};

inline constexpr std::size_t kMaxCellsPerRow = 4;

// The label order goes block by block; within a block it takes the first
// cell of every row from top to bottom, then the second cell of every row,
// and so on.
// - Surfaces: a row of one quantity for the wing, the tailplane and both;
//   its cells stand in column order, an empty one for a column without a
//   value.
// - Aircraft: a row of the whole model; its main value first, then the
//   margin it gives, if any.
enum class RowBlock { Surfaces, Aircraft };
inline constexpr RowBlock kRowBlocks[] = {RowBlock::Surfaces, RowBlock::Aircraft};

struct ResultRow {
  RowBlock block;
  std::string_view captionName;  // the row caption's object name (Label4 ...)
  Caption caption;
  std::array<ResultCell, kMaxCellsPerRow> cells;  // the unused ones have no name
};

// How the table below writes its cells.

// mm² to dm², kept with the full 64-bit significand: rounding the quotient to
// a double first would turn the default wing's 28.0 into 27.9.
constexpr long double SquareDecimetres(double squareMillimetres) {
  return static_cast<long double>(squareMillimetres) / 10000.0L;
}

constexpr ResultCell ColumnCell(std::string_view name, Column column, calc::Stage stage, CellValue value) {
  ResultCell cell;
  cell.name = name;
  cell.column = column;
  cell.stage = stage;
  cell.value = value;
  return cell;
}
constexpr ResultCell WingCell(std::string_view name, CellValue value) {
  return ColumnCell(name, Column::Wing, calc::Stage::CalcWing, value);
}
constexpr ResultCell TailplaneCell(std::string_view name, CellValue value) {
  return ColumnCell(name, Column::Tailplane, calc::Stage::CalcTailAndTotals, value);
}
constexpr ResultCell TotalCell(std::string_view name, CellValue value) {
  return ColumnCell(name, Column::Total, calc::Stage::CalcTailAndTotals, value);
}
constexpr ResultCell Measuring(Quantity quantity, ResultCell cell) {
  cell.quantity = quantity;
  return cell;
}
constexpr ResultCell AspectRatioColoured(ResultCell cell) {
  cell.aspectRatioColoured = true;
  return cell;
}
constexpr ResultCell CentreOfGravityCell(std::string_view name, CellValue value) {
  ResultCell cell = AspectRatioColoured(Measuring(Quantity::Length, TotalCell(name, value)));
  cell.kind = CellKind::CentreOfGravity;
  return cell;
}
// A stability margin in percent, as MarginText writes it (whole ones in two
// characters); the readable table shows it in the wing column.
constexpr ResultCell MarginCell(std::string_view name, std::string_view unitCaptionName, CellValue value) {
  ResultCell cell = ColumnCell(name, Column::Wing, calc::Stage::CalcTailAndTotals, value);
  cell.width = 2;
  cell.decimals = 0;
  cell.kind = CellKind::Margin;
  cell.unit = "%:";
  cell.unitCaptionName = unitCaptionName;
  return cell;
}

template <std::size_t N>
constexpr std::array<ResultRow, N> NumberedInLabelOrder(ResultRow (&&written)[N]) {
  std::array<ResultRow, N> rows = std::to_array(std::move(written));
  std::size_t order = 0;
  for (const RowBlock block : kRowBlocks) {
    for (std::size_t slot = 0; slot < kMaxCellsPerRow; ++slot) {
      for (ResultRow& row : rows) {
        if (row.block == block && row.cells[slot].Present()) row.cells[slot].order = order++;
      }
    }
  }
  return rows;
}

// The rows from top to bottom, their cells numbered in label order.
inline constexpr auto kResultRows = [] {
  using calc::TStabilityData;
  using enum RowBlock;
  using enum Quantity;
  return NumberedInLabelOrder({
      {Surfaces, "Label4", &Texts::rowArea,
       {Measuring(Area, WingCell("Lab_St", [](const TStabilityData& r) { return SquareDecimetres(r.Wing.Area); })),
        Measuring(Area,
                  TailplaneCell("Lab_Sh", [](const TStabilityData& r) { return SquareDecimetres(r.Tail.Area); })),
        Measuring(Area, TotalCell("Lab_S", [](const TStabilityData& r) {
                    return SquareDecimetres(r.Wing.Area) + SquareDecimetres(r.Tail.Area);
                  }))}},
      {Surfaces, "Label5", &Texts::rowMeanChord,
       {Measuring(Length, WingCell("Lab_Lmt", [](const TStabilityData& r) -> long double { return r.Wing.Mac; })),
        Measuring(Length,
                  TailplaneCell("Lab_Lmh", [](const TStabilityData& r) -> long double { return r.Tail.Mac; }))}},
      {Surfaces, "Label6", &Texts::rowAspectRatio,
       {AspectRatioColoured(
            WingCell("Lab_Lamt", [](const TStabilityData& r) -> long double { return r.Wing.AspectRatio; })),
        TailplaneCell("Lab_Lamh", [](const TStabilityData& r) -> long double { return r.Tail.AspectRatio; })}},
      {Surfaces, "Label7", &Texts::rowLiftSlope,
       {WingCell("Lab_Caalt", [](const TStabilityData& r) -> long double { return r.Wing.LiftSlope; }),
        TailplaneCell("Lab_Caalh", [](const TStabilityData& r) -> long double { return r.Tail.LiftSlope; }),
        TotalCell("Lab_Caal", [](const TStabilityData& r) -> long double { return r.TotalLiftSlope; })}},
      {Surfaces, "Label8", &Texts::rowNeutralPoint,
       {Measuring(Length,
                  WingCell("Lab_Rnpt", [](const TStabilityData& r) -> long double { return r.Wing.NeutralPoint; })),
        Measuring(Length, TailplaneCell("Lab_Rnph",
                                        [](const TStabilityData& r) -> long double { return r.Tail.NeutralPoint; })),
        Measuring(Length,
                  TotalCell("Lab_Rnp", [](const TStabilityData& r) -> long double { return r.TotalNeutralPoint; }))}},
      {Aircraft, "Label9", &Texts::rowNeutralPointPercent,
       {TotalCell("Lab_Xnplm", [](const TStabilityData& r) -> long double { return r.NeutralPointPercent; })}},
      {Aircraft, "Label10", &Texts::rowLeverArm,
       {Measuring(Length, TotalCell("Lab_Rhe", [](const TStabilityData& r) -> long double { return r.LeverArm; }))}},
      {Aircraft, "Label11", &Texts::rowDownwashFactor,
       {[] {
         ResultCell cell =
             TailplaneCell("Lab_Emdeda", [](const TStabilityData& r) -> long double { return r.DownwashFactor; });
         cell.decimals = 3;
         return cell;
       }()}},
      {Aircraft, "Label12", &Texts::rowCentreOfGravity,
       {CentreOfGravityCell("Lab_Rsp2", [](const TStabilityData& r) -> long double { return r.CgLargeMargin; }),
        MarginCell("Lab_Stabv", "Label15", [](const TStabilityData& r) -> long double { return r.LargeMargin; })}},
      {Aircraft, "Label13", &Texts::rowCentreOfGravity,
       {CentreOfGravityCell("Lab_Rsp1", [](const TStabilityData& r) -> long double { return r.CgSmallMargin; }),
        MarginCell("Lab_Stabh", "Label16", [](const TStabilityData& r) -> long double { return r.SmallMargin; })}},
  });
}();

}  // namespace present
