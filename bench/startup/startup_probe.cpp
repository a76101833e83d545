// Preloaded (LD_PRELOAD) into a Qt program by startup_timer: ends the
// process as soon as its main window is on screen and filled, so that the
// real program's start-up can be timed as a whole process, unchanged.
// "Filled" means: a visible QMainWindow is exposed and, if it has a label
// named Lab_Stabh (the last result the recalculation writes), that label
// shows a text. Then one more pass of the event loop paints the window.
#include <QApplication>
#include <QCoreApplication>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>
#include <QWindow>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

bool MainWindowFilled() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    auto* window = qobject_cast<QMainWindow*>(widget);
    if (!window || !window->isVisible() || !window->windowHandle() || !window->windowHandle()->isExposed()) {
      continue;
    }
    const auto* lastResult = window->findChild<QLabel*>(QStringLiteral("Lab_Stabh"));
    if (!lastResult || !lastResult->text().isEmpty()) return true;
  }
  return false;
}

void WatchForFilledWindow() {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  // A zero interval checks once per pass of the event loop; the program has
  // nothing else to wait for at start-up, so this delays it by nothing.
  auto* timer = new QTimer(QCoreApplication::instance());
  timer->setInterval(0);
  QObject::connect(timer, &QTimer::timeout, [deadline] {
    if (MainWindowFilled()) {
      QCoreApplication::processEvents();
      std::_Exit(0);
    }
    if (std::chrono::steady_clock::now() > deadline) {
      std::fputs("startup_probe: no filled main window within 30 s\n", stderr);
      std::_Exit(3);
    }
  });
  timer->start();
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(WatchForFilledWindow)
