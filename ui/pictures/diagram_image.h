#pragma once

#include <optional>

#include <QImage>
#include <QWidget>

#include "diagram/canvas.h"

namespace ui {

// The image that shows the planform diagram, kDiagramWidth x kDiagramHeight
// pixels. It has no drawing surface until the first drawing; until then its
// area shows the window's background. Afterwards it shows the surface one
// image pixel to one screen pixel, unscaled and unsmoothed, and repaints from
// it without redrawing the diagram, or, after ShowBlank, the window's
// background again until the next drawing.
class DiagramImage : public QWidget {
  Q_OBJECT

 public:
  explicit DiagramImage(QWidget* parent);

  // The drawing surface, created at the first call with the image's size and
  // kept, with its pen and brush, for the life of the image. Schedules a
  // repaint, since the caller is about to draw, and ends ShowBlank.
  diagram::Canvas& Canvas();

  // Shows the window's background, as before the first drawing, until the
  // next drawing; the surface keeps its pixels, pen and brush.
  void ShowBlank();
  // Whether the image shows the surface: drawn, and no ShowBlank since.
  bool ShowsDrawing() const { return canvas_ && !blank_; }

  // The surface, or null before the first drawing.
  const diagram::Canvas* DrawnCanvas() const { return canvas_ ? &*canvas_ : nullptr; }

  // What the image shows: the surface's pixels (without copying them; valid
  // while the surface lives and is not drawn on), or a null image before the
  // first drawing.
  QImage Shown() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::optional<diagram::Canvas> canvas_;
  bool blank_ = false;
};

}  // namespace ui
