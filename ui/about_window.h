#pragma once

#include <QPushButton>
#include <QWidget>

#include "ui/handler_boundary.h"

namespace ui {

// The About window Form2. It is created hidden at start-up and lives,
// hidden or shown, until the program ends; closing it only hides it.
// Hiding it (by its "O.K." button or its close box) emits Hidden before the
// hiding returns, so that the main window can be activated at once.
class TForm2 : public QWidget {
  Q_OBJECT

 public:
  // `boundary` runs the window's handlers and must outlive the window.
  explicit TForm2(HandlerBoundary& boundary);

  // Click handler of the "O.K." button: hides the window.
  void Button1Click();

  QPushButton* Button1;

 signals:
  // The program hid the window (not the window system, as when minimising).
  void Hidden();

 protected:
  void hideEvent(QHideEvent* event) override;

 private:
  HandlerBoundary& boundary_;
};

}  // namespace ui
