// cgcalc's start-up as the user sees it, ending at the first filled window:
// both windows built, the main window shown and activated, start run, the
// results and the diagram in place. Exits right there.
#include <QApplication>
#include <QLabel>
#include <QWindow>

#include <cstdlib>

#include "ui/message_text.h"
#include "ui/program_windows.h"
#include "ui/qt_dialogs.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  ui::QtDialogs dialogs;
  ui::ProgramWindows windows(dialogs, ui::ApplicationTitle(QString::fromLocal8Bit(argv[0])));
  windows.Show();
  ui::TForm1& form = windows.Form1();
  auto filled = [&form] {
    return form.windowHandle() && form.windowHandle()->isExposed() && form.RecalcEnabled &&
           !form.ResultLabels.back()->text().isEmpty();
  };
  while (!filled()) QApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
  QApplication::processEvents();
  std::_Exit(0);
}
