#pragma once

#include <optional>
#include <span>
#include <vector>

#include "calc/model.h"
#include "diagram/canvas.h"

namespace diagram {

// The diagram's own size in pixels; the redraw uses these numbers whatever
// the size of the canvas it is given (the canvas clips).
inline constexpr int kDiagramWidth = 272, kDiagramHeight = 192;

// One drawing operation on a Canvas:
//   SetBrush, SetPen  use Colour;
//   Rectangle         uses X1, Y1, X2, Y2 (see Canvas::Rectangle);
//   MoveTo, LineTo    use X1, Y1.
// The other members stay at their defaults, so equal operations compare equal.
struct DrawOp {
  enum class Kind { SetBrush, SetPen, Rectangle, MoveTo, LineTo } What;
  int X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
  diagram::Colour Colour{};  // qualified: the member shares the type's name
  friend bool operator==(const DrawOp&, const DrawOp&) = default;
};

// The operations of one redraw. When ZeroScale is set, Ops end after the red
// centre line: the scale came out 0 and nothing further could be drawn.
struct PlanformDrawing {
  std::vector<DrawOp> Ops;
  bool ZeroScale = false;
};

// How far inside the surface's edges a drawing lies that had to be fitted.
inline constexpr int kFitMargin = 4;

// The redraw as a pure sequence of operations: background, red centre and
// reference lines, blue wing, green tailplane, black centre-of-gravity marks.
// Lengths come from the model in millimetres; cgSmallMargin and cgLargeMargin
// are millimetres behind the wing root leading edge. Never throws for any
// values: a coordinate beyond the 32-bit range (left only where a drawing
// cannot be fitted, below) is clamped (see ToPixel).
//
// Placement. The scale comes from span and root chord alone (PlanformScale)
// and the wing root trailing edge lies on row 96, or 152 without a
// tailplane. That placement is kept whenever the whole drawing lies on the
// 272 x 192 surface: every end of every stroke of the planform and of the
// marks, the measured one too, that draws anything (its ends differ), and
// the reference line's row.
// Otherwise (a canard's foreplane above the top, swept tips or a long tail
// below the bottom, a tailplane wider than the wing) the drawing is fitted
// into the surface less kFitMargin pixels on each side, changing as little as
// it can: the scale stays if the drawing's height and width fit there, else
// it becomes the whole number of millimetres per pixel, never smaller than
// before, at which the model's length and span in millimetres fit with two
// rows and half a column to spare for rounding; then the drawing moves up or
// down by the fewest rows that bring it into the room. The centre column,
// the orientation (also a negative scale's mirror image), the colours and
// the rounding stay as they are. If a length is infinite or NaN, the
// unfitted placement is kept.
//
// The pen is not set before the background, so its frame takes the pen the
// canvas holds. A measured centre of gravity (the balance check's) adds a
// magenta mark after the black ones, drawn by the same rules; the pen is
// black again after it, so that the next frame does not depend on it.
PlanformDrawing PlanformOps(const calc::TModelData& model, double cgSmallMargin, double cgLargeMargin,
                            std::optional<double> measuredCg = std::nullopt);

// Runs the operations on the canvas in order.
void RunDrawOps(Canvas& canvas, std::span<const DrawOp> ops);

// Redraws the diagram on the canvas. When the scale is zero it stops after the
// centre line and throws calc::ArithmeticFailure(DivisionByZero); the pen then
// stays red, so the next redraw's frame is red.
void DrawPlanform(Canvas& canvas, const calc::TModelData& model, double cgSmallMargin, double cgLargeMargin,
                  std::optional<double> measuredCg = std::nullopt);

}  // namespace diagram
