#include "ui/pictures/picture_view.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include <QPainter>
#include <QPaintEvent>

#include "ui/pictures/palette.h"

namespace ui {

PictureView::PictureView(QImage picture, QWidget* parent) : QWidget(parent), picture_(std::move(picture)) {
  setFixedSize(picture_.size());
  if (!picture_.hasAlphaChannel()) setAttribute(Qt::WA_OpaquePaintEvent);
}

// Qt's painter would look each indexed pixel up through its general
// conversion; a band at a time through the colour table is several times
// faster, and the band keeps the memory the picture saves.
void PictureView::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const QRect area = event->rect() & rect();
  if (picture_.format() != QImage::Format_Indexed8) {
    painter.drawImage(area, picture_, area);
    return;
  }
  constexpr int kBandRows = 32;
  const QList<QRgb> table = picture_.colorTable();
  const QRgb* const colours = table.constData();
  QImage band(area.width(), std::min(kBandRows, area.height()), QImage::Format_RGB32);
  for (int top = area.top(); top <= area.bottom(); top += kBandRows) {
    const int rows = std::min(kBandRows, area.bottom() + 1 - top);
    for (int row = 0; row < rows; ++row) {
      const uchar* from = picture_.constScanLine(top + row) + area.left();
      auto* to = reinterpret_cast<QRgb*>(band.scanLine(row));
      for (int x = 0; x < area.width(); ++x) to[x] = colours[from[x]];
    }
    painter.drawImage(QPoint(area.left(), top), band, QRect(0, 0, area.width(), rows));
  }
}

QImage InSixteenColours(const QImage& image) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  QImage indexed(rgb.size(), QImage::Format_Indexed8);
  indexed.setColorTable(QList<QRgb>(kSixteenColours.begin(), kSixteenColours.end()));
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

}  // namespace ui
