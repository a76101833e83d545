#pragma once

// Whether a redraw's planform and marks lie on the diagram, judged from its
// operations alone, independently of how the redraw placed them.

#include "diagram/planform.h"

namespace diagram::testing {

// True when every stroke of the planform and the marks that draws anything
// (its ends differ) has both ends at least `margin` pixels inside the
// 272 x 192 surface, and so has the reference line's row. The centre line and
// the reference line themselves run across the whole surface by design.
inline bool OnTheSurface(const PlanformDrawing& drawing, int margin = 0) {
  const auto inside = [margin](int x, int y) {
    return x >= margin && x < kDiagramWidth - margin && y >= margin && y < kDiagramHeight - margin;
  };
  int redStrokes = 0;
  bool red = false;
  const auto& ops = drawing.Ops;
  for (std::size_t i = 0; i + 1 < ops.size(); ++i) {
    if (ops[i].What == DrawOp::Kind::SetPen) red = ops[i].Colour == kRed;
    if (ops[i].What != DrawOp::Kind::MoveTo || ops[i + 1].What != DrawOp::Kind::LineTo) continue;
    const DrawOp& from = ops[i];
    const DrawOp& to = ops[i + 1];
    if (red) {
      // The second red stroke is the reference line.
      if (++redStrokes == 2 && !inside(kDiagramWidth / 2, from.Y1)) return false;
      continue;
    }
    if (from.X1 == to.X1 && from.Y1 == to.Y1) continue;
    if (!inside(from.X1, from.Y1) || !inside(to.X1, to.Y1)) return false;
  }
  return true;
}

}  // namespace diagram::testing
