#include "present/result_table.h"

#include <algorithm>

#include "calc/number_text.h"

namespace present {
namespace {

using calc::TStabilityData;

// mm² to dm², kept with the full 64-bit significand: rounding the quotient to
// a double first would turn the default wing's 28.0 into 27.9.
constexpr long double SquareDecimetres(double squareMillimetres) {
  return static_cast<long double>(squareMillimetres) / 10000.0L;
}

using Value = long double (*)(const TStabilityData&);

constexpr ResultCell Cell(std::string_view name, std::size_t order, Column column, Stage stage, Value value) {
  ResultCell cell;
  cell.name = name;
  cell.order = order;
  cell.column = column;
  cell.stage = stage;
  cell.value = value;
  return cell;
}
constexpr ResultCell Wing(std::string_view name, std::size_t order, Value value) {
  return Cell(name, order, Column::Wing, Stage::Wing, value);
}
constexpr ResultCell Tail(std::string_view name, std::size_t order, Value value) {
  return Cell(name, order, Column::Tailplane, Stage::Totals, value);
}
constexpr ResultCell Total(std::string_view name, std::size_t order, Value value) {
  return Cell(name, order, Column::Total, Stage::Totals, value);
}
// A stability margin in whole percent; the window and the table show it
// beside the centre of gravity it gives, in the wing column.
constexpr ResultCell Margin(std::string_view name, std::size_t order, Value value) {
  ResultCell cell = Cell(name, order, Column::Wing, Stage::Totals, value);
  cell.width = 2;
  cell.decimals = 0;
  cell.unit = "%:";
  return cell;
}
constexpr ResultCell Coloured(ResultCell cell) {
  cell.aspectRatioColoured = true;
  return cell;
}

// Orders follow the window's writing order: the wing column first, then the
// tailplane column, then the totals and the margins.
constexpr std::array<ResultRow, 10> kRows = {{
    {"Label4", {"Fl\u00e4che in dm**2:", "area by dm**2:"},
     {Wing("Lab_St", 0, [](const TStabilityData& r) { return SquareDecimetres(r.Wing.Area); }),
      Tail("Lab_Sh", 5, [](const TStabilityData& r) { return SquareDecimetres(r.Tail.Area); }),
      Total("Lab_S", 10,
            [](const TStabilityData& r) { return SquareDecimetres(r.Wing.Area) + SquareDecimetres(r.Tail.Area); })}},
    {"Label5", {"Bezugstiefe:", "mean aerodyn. chord:"},
     {Wing("Lab_Lmt", 1, [](const TStabilityData& r) -> long double { return r.Wing.Mac; }),
      Tail("Lab_Lmh", 6, [](const TStabilityData& r) -> long double { return r.Tail.Mac; })}},
    {"Label6", {"Streckung:", "aspect ratio:"},
     {Coloured(Wing("Lab_Lamt", 2, [](const TStabilityData& r) -> long double { return r.Wing.AspectRatio; })),
      Tail("Lab_Lamh", 7, [](const TStabilityData& r) -> long double { return r.Tail.AspectRatio; })}},
    {"Label7", {"Auftriebsanstieg:", "lift slope:"},
     {Wing("Lab_Caalt", 3, [](const TStabilityData& r) -> long double { return r.Wing.LiftSlope; }),
      Tail("Lab_Caalh", 8, [](const TStabilityData& r) -> long double { return r.Tail.LiftSlope; }),
      Total("Lab_Caal", 11, [](const TStabilityData& r) -> long double { return r.TotalLiftSlope; })}},
    {"Label8", {"Neutralpunktlage:", "aerodynamic center:"},
     {Wing("Lab_Rnpt", 4, [](const TStabilityData& r) -> long double { return r.Wing.NeutralPoint; }),
      Tail("Lab_Rnph", 9, [](const TStabilityData& r) -> long double { return r.Tail.NeutralPoint; }),
      Total("Lab_Rnp", 12, [](const TStabilityData& r) -> long double { return r.TotalNeutralPoint; })}},
    {"Label9", {"Neutralpunkt in %:", "aerodynamic center by %:"},
     {Total("Lab_Xnplm", 13, [](const TStabilityData& r) -> long double { return r.NeutralPointPercent; })}},
    {"Label10", {"Hebelarm:", "lever arm:"},
     {Total("Lab_Rhe", 14, [](const TStabilityData& r) -> long double { return r.LeverArm; })}},
    {"Label11", {"Abwindfaktor:", "down wash factor:"},
     {[] {
       ResultCell cell = Tail("Lab_Emdeda", 15, [](const TStabilityData& r) -> long double { return r.DownwashFactor; });
       cell.decimals = 3;
       return cell;
     }()}},
    {"Label12", {"Schwerpunkt bei Stabilit\u00e4t:", "centre of gravity by stability:"},
     {Coloured(Total("Lab_Rsp2", 16, [](const TStabilityData& r) -> long double { return r.CgLargeMargin; })),
      Margin("Lab_Stabv", 18, [](const TStabilityData& r) -> long double { return r.LargeMargin; })}},
    {"Label13", {"Schwerpunkt bei Stabilit\u00e4t:", "centre of gravity by stability:"},
     {Coloured(Total("Lab_Rsp1", 17, [](const TStabilityData& r) -> long double { return r.CgSmallMargin; })),
      Margin("Lab_Stabh", 19, [](const TStabilityData& r) -> long double { return r.SmallMargin; })}},
}};

constexpr std::array<const ResultCell*, kResultLabelCount> OrderCells() {
  std::array<const ResultCell*, kResultLabelCount> cells{};
  for (const ResultRow& row : kRows) {
    for (const ResultCell& cell : row.cells) {
      if (!cell.Present()) continue;
      // An order out of range or given twice stops the compilation.
      if (cell.order >= kResultLabelCount || cells[cell.order] != nullptr) throw "result cell orders must be 0..19";
      cells[cell.order] = &cell;
    }
  }
  for (const ResultCell* cell : cells) {
    if (cell == nullptr) throw "every order 0..19 needs a cell";
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
static_assert(NamesAreUnique());

}  // namespace

std::span<const ResultRow> ResultRows() { return kRows; }

std::span<const ResultCell* const> CellsInLabelOrder() { return kLabelOrder; }

const ResultCell* FindCell(std::string_view name) {
  const auto found = std::ranges::find(kLabelOrder, name, &ResultCell::name);
  return found == kLabelOrder.end() ? nullptr : *found;
}

std::string CellText(const ResultCell& cell, const calc::TStabilityData& results) {
  return calc::FormatFixed(cell.value(results), cell.width, cell.decimals);
}

ResultLabelTexts LabelTexts(const calc::TStabilityData& results) {
  ResultLabelTexts texts;
  for (std::size_t i = 0; i < kResultLabelCount; ++i) texts[i] = CellText(*kLabelOrder[i], results);
  return texts;
}

bool AspectRatioWarning(const calc::TStabilityData& results) { return !(results.Wing.AspectRatio >= 5.0); }

std::string_view WarningText(const calc::TStabilityData& results, Language language) {
  return AspectRatioWarning(results) ? In(kWindowCaptions.warning, language) : std::string_view();
}

}  // namespace present
