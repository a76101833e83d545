// A second yardstick for start-up: an empty main window with a menu bar and
// one line of text, so that the first text layout (loading the font
// configuration), which the bare window never does, is paid here as well.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QWindow>

#include <cstdlib>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QMainWindow window;
  window.resize(624, 471);
  window.menuBar()->addMenu("File");
  window.setCentralWidget(new QLabel("all measure in millimeter"));
  window.show();
  while (!window.windowHandle() || !window.windowHandle()->isExposed()) {
    QApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
  }
  QApplication::processEvents();
  std::_Exit(0);
}
