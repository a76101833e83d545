#include "ui/pictures/dimension_sketch.h"
#include "ui/pictures/sixteen_colours.h"

namespace ui {

// Written by sketch_generator.
extern const int kBuiltSketchBytesPerLine;
extern const unsigned char kBuiltSketchPixels[];

QImage DimensionSketch() {
  QImage sketch(kBuiltSketchPixels, kSketchWidth, kSketchHeight, kBuiltSketchBytesPerLine, QImage::Format_Indexed8);
  sketch.setColorTable(SixteenColourTable());
  return sketch;
}

}  // namespace ui
