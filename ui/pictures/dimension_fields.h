#pragma once

#include <QColor>
#include <QPoint>

#include <optional>
#include <span>
#include <string_view>

namespace ui {

// The input fields of the main window and what the dimension sketch draws
// for each of them: a field lies over its dimension line, so the two are one
// row. A new dimension is a row here, one in calc::kModelFields and one in
// present::kFieldCaptions.

inline constexpr int kFieldHeight = 21;

struct Segment {
  QPoint from, to;
};

enum class Stroke { Solid, Dotted };

// A thin line without arrow heads: an extension line that carries a
// dimension to the outline it measures, or a leader that joins a dimension
// too short to hold its field to the field beside it.
struct Leader {
  Segment segment;
  Stroke stroke;
};

// Field places are in window pixels; lines are in picture pixels, and the
// picture stands at the window position (0, 56).
struct DimensionField {
  std::string_view code;  // the field's code in calc::kModelFields; the field is "Bot_" + code
  int left, top, width;   // kFieldHeight high
  QRgb colour;            // blue wing, green tailplane, maroon the gap between them
  Segment line;           // the dimension line, an arrow head at both ends
  std::optional<Leader> leader;
};

// Every field once, in tab order.
std::span<const DimensionField> DimensionFields();

}  // namespace ui
