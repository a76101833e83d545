#include "ui/pictures/sixteen_colours.h"

#include <algorithm>
#include <cstring>

#include "ui/pictures/palette.h"

namespace ui {

QImage InSixteenColours(const QImage& image) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  QImage indexed(rgb.size(), QImage::Format_Indexed8);
  indexed.setColorTable(SixteenColourTable());
  const int width = rgb.width();
  for (int y = 0; y < rgb.height(); ++y) {
    const auto* const from = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    uchar* const to = indexed.scanLine(y);
    // Drawings come in runs of one colour: each run is looked up once.
    for (int x = 0; x < width;) {
      const QRgb colour = from[x] | 0xFF000000u;
      const auto* found = std::find(kSixteenColours.begin(), kSixteenColours.end(), colour);
      if (found == kSixteenColours.end()) return image;
      const int runEnd = static_cast<int>(
          std::find_if(from + x, from + width, [colour](QRgb pixel) { return (pixel | 0xFF000000u) != colour; }) - from);
      std::memset(to + x, static_cast<int>(found - kSixteenColours.begin()), static_cast<std::size_t>(runEnd - x));
      x = runEnd;
    }
  }
  return indexed;
}

QList<QRgb> SixteenColourTable() { return {kSixteenColours.begin(), kSixteenColours.end()}; }

}  // namespace ui
