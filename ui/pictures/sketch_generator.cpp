// Draws the dimension sketch at build time and writes its pixels, one byte
// each in the sixteen colours, as a C++ source file for the program (see
// DimensionSketch). Usage: sketch_generator OUTPUT.cpp
#include <cstdio>
#include <fstream>

#include "ui/pictures/dimension_sketch.h"
#include "ui/pictures/sixteen_colours.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: sketch_generator OUTPUT.cpp\n", stderr);
    return 2;
  }
  const QImage sketch = ui::InSixteenColours(ui::DimensionSketchImage());
  if (sketch.format() != QImage::Format_Indexed8) {
    std::fputs("sketch_generator: the sketch has a colour outside the sixteen\n", stderr);
    return 1;
  }
  std::ofstream out(argv[1], std::ios::binary);
  out << "// Written by sketch_generator at build time: the dimension sketch, one\n"
         "// byte a pixel indexing the sixteen colours, row by row.\n"
         "#include <cstddef>\n\nnamespace ui {\n\nextern const int kBuiltSketchBytesPerLine = "
      << sketch.bytesPerLine() << ";\nextern const unsigned char kBuiltSketchPixels[] = {\n";
  for (int y = 0; y < sketch.height(); ++y) {
    const uchar* row = sketch.constScanLine(y);
    for (qsizetype x = 0; x < sketch.bytesPerLine(); ++x) out << static_cast<int>(row[x]) << ',';
    out << '\n';
  }
  out << "};\n\n}  // namespace ui\n";
  out.close();
  if (!out) {
    std::perror(argv[1]);
    return 1;
  }
  return 0;
}
