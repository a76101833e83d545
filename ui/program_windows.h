#pragma once

#include <chrono>
#include <memory>

#include <QString>

#include "ui/about/about_window.h"
#include "ui/platform/activation_tracker.h"
#include "ui/platform/dialogs.h"
#include "ui/main_window/main_window.h"
#include "ui/platform/handler_boundary.h"

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
  // is the main window's (see MainWindow).
  ProgramWindows(Dialogs& dialogs, QString applicationTitle,
                 std::chrono::milliseconds failureReportDelay = MainWindow::kFailureReportDelay);
  ~ProgramWindows();

  // Shows the main window and asks the window system to activate it.
  void Show();

  MainWindow& Main() { return *main_; }
  // The About window; creates it, hidden, at the first call (Help / About
  // calls it too). Throws std::bad_alloc when it cannot be created.
  AboutWindow& About();
  // Help / About: the About window in front of the main window and attached
  // to it.
  void ShowAbout();
  ActivationTracker& Tracker() { return *tracker_; }

 private:
  HandlerBoundary boundary_;
  std::unique_ptr<MainWindow> main_;
  std::unique_ptr<AboutWindow> about_;
  // Last, so it goes first: no activation fires while the windows are destroyed.
  std::unique_ptr<ActivationTracker> tracker_;
};

}  // namespace ui
