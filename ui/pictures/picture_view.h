#pragma once

#include <QImage>
#include <QWidget>

namespace ui {

// A fixed picture shown one image pixel to one screen pixel. Unlike a
// label's pixmap, which the window system keeps in 32 bits a pixel, it keeps
// the image in the format it is given: a picture in the sixteen colours
// (sixteen_colours.h) takes a quarter of the memory, and only the part being
// repainted is converted.
class PictureView : public QWidget {
  Q_OBJECT

 public:
  PictureView(QImage picture, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage picture_;
};

}  // namespace ui
