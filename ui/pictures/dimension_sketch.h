#pragma once

#include <QImage>

namespace ui {

// The dimension picture of the main window, in pixels. It stands at the
// window's client position (0, 56) and the input fields are laid
// over its dimension lines.
inline constexpr int kSketchWidth = 292;
inline constexpr int kSketchHeight = 341;

// The picture drawn into a new RGB32 image of kSketchWidth x kSketchHeight:
// the right half wing above the right half tailplane in top view, flight
// direction up, with black dimension lines on the window's silver. Drawn
// without antialiasing, so the same pixels come out on every platform.
// Needs no application object; never fails.
QImage DimensionSketchImage();

// The same picture as the window keeps it: in the sixteen colours, one byte a
// pixel (see InSixteenColours). It was drawn by DimensionSketchImage when the
// program was built (sketch_generator), so a start draws nothing, and its
// pixels are read-only data of the program.
QImage DimensionSketch();

}  // namespace ui
