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

// The redraw as a pure sequence of operations: background, red centre and
// reference lines, blue wing, green tailplane, black centre-of-gravity marks.
// Lengths come from the model in millimetres; cgSmallMargin and cgLargeMargin
// are millimetres behind the wing root leading edge. Never throws for any
// values: coordinates beyond the 32-bit range are clamped (see ToPixel).
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
