#include "ui/program_windows.h"

#include <QWindow>

#include "ui/platform/screen_placement.h"
#include "ui/platform/window_style.h"

namespace ui {

ProgramWindows::ProgramWindows(Dialogs& dialogs, QString applicationTitle,
                               std::chrono::milliseconds failureReportDelay)
    : boundary_(dialogs, std::move(applicationTitle)) {
  // Before the first widget: the menu bar takes its chevron from the style.
  UseWindowStyle();
  main_ = std::make_unique<MainWindow>(boundary_, failureReportDelay);
  tracker_ = std::make_unique<ActivationTracker>();
  MainWindow* main = main_.get();
  tracker_->AddWindow(main, [this, main] { boundary_.Run([main] { main->start(); }); });
  main->SetAboutCommand([this] { ShowAbout(); });
}

ProgramWindows::~ProgramWindows() = default;

AboutWindow& ProgramWindows::About() {
  if (about_) return *about_;
  about_ = std::make_unique<AboutWindow>(boundary_);
  AboutWindow* form2 = about_.get();
  // The About window has no activation handler of its own.
  tracker_->AddWindow(form2, nullptr);
  // Hiding the About window leaves the main window as the program's topmost
  // window, and it is activated before the hiding returns.
  QObject::connect(form2, &AboutWindow::Hidden, tracker_.get(), [this] {
    MainWindow* main = main_.get();
    if (!main->isVisible()) return;
    tracker_->Enter(main);
    // The window system learns of it too, also where no window manager
    // hands the activation back.
    main->activateWindow();
  });
  return *form2;
}

void ProgramWindows::ShowAbout() {
  AboutWindow& about = About();
  // Attached to the main window, the window manager keeps it above that
  // window: a click on the main window no longer buries it.
  about.winId();
  if (QWindow* owner = main_->windowHandle()) about.windowHandle()->setTransientParent(owner);
  if (!about.isVisible()) KeepOnScreen(about);
  about.ShowInFront();
}

void ProgramWindows::Show() {
  KeepOnScreen(*main_);
  main_->show();
  // Shown, the main window is activated at once, also where no window
  // manager does it; the activation runs start.
  main_->activateWindow();
}

}  // namespace ui
