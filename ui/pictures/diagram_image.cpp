#include "ui/pictures/diagram_image.h"

#include <QPainter>

#include "diagram/planform.h"

namespace ui {

DiagramImage::DiagramImage(QWidget* parent) : QWidget(parent) {
  setFixedSize(diagram::kDiagramWidth, diagram::kDiagramHeight);
}

diagram::Canvas& DiagramImage::Canvas() {
  if (!canvas_) canvas_.emplace(width(), height());
  blank_ = false;
  // Every pixel is painted from the surface while it is shown.
  setAttribute(Qt::WA_OpaquePaintEvent);
  // A repaint happens only back in the event loop, after the drawing, also
  // when the drawing stops half way.
  update();
  return *canvas_;
}

void DiagramImage::ShowBlank() {
  blank_ = true;
  setAttribute(Qt::WA_OpaquePaintEvent, false);
  update();
}

QImage DiagramImage::Shown() const {
  if (!canvas_) return {};
  QImage image(reinterpret_cast<const uchar*>(canvas_->Data()), canvas_->Width(), canvas_->Height(),
               static_cast<qsizetype>(canvas_->Width()) * 4, QImage::Format_RGB32);
  image.setDevicePixelRatio(1.0);
  return image;
}

void DiagramImage::paintEvent(QPaintEvent*) {
  if (!ShowsDrawing()) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter.drawImage(QPoint(0, 0), Shown());
}

}  // namespace ui
