#include "ui/program_windows.h"

#include "ui/window_style.h"

namespace ui {

ProgramWindows::ProgramWindows(Dialogs& dialogs, QString applicationTitle,
                               std::chrono::milliseconds failureReportDelay)
    : boundary_(dialogs, std::move(applicationTitle)) {
  // Before the first widget: the menu bar takes its chevron from the style.
  UseWindowStyle();
  form1_ = std::make_unique<TForm1>(boundary_, failureReportDelay);
  tracker_ = std::make_unique<ActivationTracker>();
  TForm1* form1 = form1_.get();
  tracker_->AddWindow(form1, [this, form1] { boundary_.Run([form1] { form1->start(); }); });
  form1->SetAboutCommand([this] { Form2().ShowInFront(); });
}

ProgramWindows::~ProgramWindows() = default;

TForm2& ProgramWindows::Form2() {
  if (form2_) return *form2_;
  form2_ = std::make_unique<TForm2>(boundary_);
  TForm2* form2 = form2_.get();
  // The About window has no activation handler of its own.
  tracker_->AddWindow(form2, nullptr);
  // Hiding the About window leaves the main window as the program's topmost
  // window, and it is activated before the hiding returns.
  QObject::connect(form2, &TForm2::Hidden, tracker_.get(), [this] {
    TForm1* form1 = form1_.get();
    if (!form1->isVisible()) return;
    tracker_->Enter(form1);
    // The window system learns of it too, also where no window manager
    // hands the activation back.
    form1->activateWindow();
  });
  return *form2;
}

void ProgramWindows::Show() {
  form1_->show();
  // Shown, the main window is activated at once, also where no window
  // manager does it; the activation runs start.
  form1_->activateWindow();
}

}  // namespace ui
