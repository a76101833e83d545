#pragma once

#include <chrono>
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
// About window). Needs a QApplication for its whole life; makes WindowStyle
// the application's style.
class ProgramWindows {
 public:
  // Creates the main window, hidden. The About window follows when it is
  // first needed. `dialogs` must outlive this object. `failureReportDelay`
  // is the main window's (see TForm1).
  ProgramWindows(Dialogs& dialogs, QString applicationTitle,
                 std::chrono::milliseconds failureReportDelay = TForm1::kFailureReportDelay);
  ~ProgramWindows();

  // Shows the main window and asks the window system to activate it.
  void Show();

  TForm1& Form1() { return *form1_; }
  // The About window; creates it, hidden, at the first call (Help / About
  // calls it too). Throws std::bad_alloc when it cannot be created.
  TForm2& Form2();
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
