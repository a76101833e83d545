#pragma once

#include <QWidget>

#include "ui/platform/handler_boundary.h"

class QPushButton;

namespace ui {

// The About window Form2: two description lines in German and two in English,
// the credits and the project's contact (Label1 .. Label8), and an "O.K."
// button (Button1). It is created hidden when it is first needed and lives,
// hidden or shown, until the program ends; closing it only hides it. Hiding
// it (by its "O.K." button, Escape or its close box) emits Hidden before the
// hiding returns, so that the main window can be activated at once. It keeps
// its place on the screen between showings, and carries the program's icon.
class AboutWindow : public QWidget {
  Q_OBJECT

 public:
  // `boundary` runs the window's handlers and must outlive the window.
  explicit AboutWindow(HandlerBoundary& boundary);

  // Shows the window without making it modal, or only brings it to the front
  // when it is shown already, and asks for it to be activated; the "O.K."
  // button takes the keyboard focus. The other windows stay usable.
  void ShowInFront();

 signals:
  // The program hid the window (not the window system, as when minimising).
  void Hidden();

 protected:
  void hideEvent(QHideEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private slots:
  // The "O.K." button (a click, or Enter or Space on it): hides the window.
  void dismiss();

 private:
  void buildLines();

  HandlerBoundary& boundary_;
  QPushButton* okButton_;  // Button1
};

}  // namespace ui
