#include "ui/pictures/picture_view.h"

#include <algorithm>
#include <utility>

#include <QPainter>
#include <QPaintEvent>

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

}  // namespace ui
