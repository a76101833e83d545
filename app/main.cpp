// cgcalc: the main window and its About window, until the main window closes.
#include <QApplication>

#include "ui/message_text.h"
#include "ui/program_windows.h"
#include "ui/qt_dialogs.h"

int main(int argc, char* argv[]) {
  // The program reads no command-line arguments, and Qt gets none either:
  // only the program's own name is passed on.
  int qtArgumentCount = argc > 0 ? 1 : 0;
  const QString programPath = argc > 0 && argv[0] ? QString::fromLocal8Bit(argv[0]) : QString();
  QApplication application(qtArgumentCount, argv);
  ui::QtDialogs dialogs;
  ui::ProgramWindows windows(dialogs, ui::ApplicationTitle(programPath));
  windows.Show();
  return application.exec();
}
