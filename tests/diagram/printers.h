#pragma once

// Readable failure messages for the diagram's value types.

#include <ostream>

#include "diagram/canvas.h"
#include "diagram/planform.h"

namespace diagram {

inline void PrintTo(Colour colour, std::ostream* out) {
  *out << "Colour{" << int(colour.Red) << "," << int(colour.Green) << "," << int(colour.Blue) << "}";
}

inline void PrintTo(const DrawOp& op, std::ostream* out) {
  constexpr const char* kNames[] = {"SetBrush", "SetPen", "Rectangle", "MoveTo", "LineTo"};
  *out << kNames[static_cast<int>(op.What)] << "(";
  switch (op.What) {
    case DrawOp::Kind::SetBrush:
    case DrawOp::Kind::SetPen:
      PrintTo(op.Colour, out);
      break;
    case DrawOp::Kind::Rectangle:
      *out << op.X1 << "," << op.Y1 << "," << op.X2 << "," << op.Y2;
      break;
    case DrawOp::Kind::MoveTo:
    case DrawOp::Kind::LineTo:
      *out << op.X1 << "," << op.Y1;
      break;
  }
  *out << ")";
}

}  // namespace diagram
