#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "calc/stability.h"
#include "present/language.h"

namespace present {

// The result table of the main window, the one description that the window,
// `cgcalc-cli --labels`, `--json` and the readable table all follow. A row
// has a caption per language and up to four cells; a cell is one result
// label. A new result is one more cell (and a new row one more row); the
// window also needs the label's place on the screen.

enum class Column : std::size_t { Wing, Tailplane, Total };
inline constexpr std::size_t kColumnCount = 3;

// Which stage of the recalculation produces a value: the window writes the
// wing's labels as soon as the wing is computed, the others after the
// tailplane and the totals, so a failure of the second stage leaves them
// as they were.
enum class Stage { Wing, Totals };

struct ResultCell {
  std::string_view name;  // the label's object name and its key in --labels and --json; empty: no cell
  std::size_t order = 0;  // its place in the label order (the order --labels lists and the window writes)
  Column column = Column::Wing;
  Stage stage = Stage::Totals;
  long double (*value)(const calc::TStabilityData&) = nullptr;
  int width = 5;  // FormatFixed's width and decimals
  int decimals = 1;
  bool aspectRatioColoured = false;  // turns red while the aspect-ratio warning stands
  std::string_view unit;             // printed after the value in the readable table ("%:"); empty for none

  constexpr bool Present() const { return !name.empty(); }
};

inline constexpr std::size_t kMaxCellsPerRow = 4;

struct ResultRow {
  std::string_view captionName;  // the row caption's object name (Label4 ...)
  Caption caption;
  std::array<ResultCell, kMaxCellsPerRow> cells;  // the unused ones have no name
};

// The rows from top to bottom.
std::span<const ResultRow> ResultRows();

// Every cell once, in label order.
inline constexpr std::size_t kResultLabelCount = 20;
std::span<const ResultCell* const> CellsInLabelOrder();

// The cell named `name`, or nullptr.
const ResultCell* FindCell(std::string_view name);

// The exact text of a label, leading blanks included.
std::string CellText(const ResultCell& cell, const calc::TStabilityData& results);

// Every label's text, in label order.
using ResultLabelTexts = std::array<std::string, kResultLabelCount>;
ResultLabelTexts LabelTexts(const calc::TStabilityData& results);

// True when the wing's aspect ratio is not at least 5 (NaN included): the
// coloured cells turn red and the warning line appears.
bool AspectRatioWarning(const calc::TStabilityData& results);

// The warning line's text in `language`, or empty when the warning does not
// stand.
std::string_view WarningText(const calc::TStabilityData& results, Language language);

// The name under which the warning line appears in --labels and --json.
inline constexpr std::string_view kWarningLabelName = "Label17";

}  // namespace present
