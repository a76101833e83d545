// The yardstick for start-up: a Qt program that shows an empty main window
// and exits as soon as the window is on screen.
#include <QApplication>
#include <QMainWindow>
#include <QWindow>

#include <cstdlib>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QMainWindow window;
  window.resize(624, 471);
  window.show();
  while (!window.windowHandle() || !window.windowHandle()->isExposed()) {
    QApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
  }
  QApplication::processEvents();
  std::_Exit(0);
}
