#include "ui/program_windows.h"

namespace ui {

ProgramWindows::ProgramWindows(Dialogs& dialogs, QString applicationTitle)
    : boundary_(dialogs, std::move(applicationTitle)),
      form1_(std::make_unique<TForm1>(boundary_)),
      form2_(std::make_unique<TForm2>(boundary_)),
      tracker_(std::make_unique<ActivationTracker>()) {
  form1_->SetAboutWindow(form2_.get());
  TForm1* form1 = form1_.get();
  tracker_->AddWindow(form1, [this, form1] { boundary_.Run([form1] { form1->start(); }); });
  // The About window has no activation handler of its own.
  tracker_->AddWindow(form2_.get(), nullptr);
  // Hiding the About window leaves the main window as the program's topmost
  // window, and it is activated before the hiding returns.
  QObject::connect(form2_.get(), &TForm2::Hidden, tracker_.get(), [this, form1] {
    if (!form1->isVisible()) return;
    tracker_->Enter(form1);
    // The window system learns of it too, also where no window manager
    // hands the activation back.
    form1->activateWindow();
  });
}

ProgramWindows::~ProgramWindows() = default;

void ProgramWindows::Show() {
  form1_->show();
  // Shown, the main window is activated at once, also where no window
  // manager does it; the activation runs start.
  form1_->activateWindow();
}

}  // namespace ui
