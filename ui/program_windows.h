#pragma once

#include <memory>

#include <QString>

#include "ui/about_window.h"
#include "ui/activation_tracker.h"
#include "ui/dialogs.h"
#include "ui/form1.h"
#include "ui/handler_boundary.h"

namespace ui {

// The program's two windows and what joins them: the handler boundary they
// share, and the activation rule that runs the main window's start when the
// focus enters it from elsewhere (first showing, or coming back from the
// About window). Needs a QApplication for its whole life.
class ProgramWindows {
 public:
  // Creates the main window and then the About window, both hidden.
  // `dialogs` must outlive this object.
  ProgramWindows(Dialogs& dialogs, QString applicationTitle);
  ~ProgramWindows();

  // Shows the main window and asks the window system to activate it.
  void Show();

  TForm1& Form1() { return *form1_; }
  TForm2& Form2() { return *form2_; }
  ActivationTracker& Tracker() { return *tracker_; }
  HandlerBoundary& Boundary() { return boundary_; }

 private:
  HandlerBoundary boundary_;
  std::unique_ptr<TForm1> form1_;
  std::unique_ptr<TForm2> form2_;
  // Last, so it goes first: no activation fires while the windows are destroyed.
  std::unique_ptr<ActivationTracker> tracker_;
};

}  // namespace ui
