#pragma once

#include <QWidget>

namespace ui {

// The strip that carries the toolbar's buttons: silver, with an etched line
// along its top edge, always as wide as the widget it lies in (it follows
// that widget's width), at the top left of it.
class ToolBarStrip : public QWidget {
  Q_OBJECT

 public:
  ToolBarStrip(QWidget* parent, int height);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace ui
