// The yardstick for cgcalc's start-up: a plain Qt form with the widgets the
// main window shows the user, built the plainest way. A QMainWindow with the
// same menu bar (File: Load, Save, Save as, Print; Help: About), fifteen
// line edits with numbers, 38 text labels (as many as the window's captions,
// file name line and result values) and the same client area of 616 x 425
// pixels below the menu. No picture, diagram, toolbar or calculation.
// It runs until closed; startup_timer ends it once it is on screen.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace {

constexpr int kClientWidth = 616;
constexpr int kClientHeight = 425;
constexpr int kFieldCount = 15;
constexpr int kCaptionCount = 18;
constexpr int kValueCount = 20;

void AddMenus(QMainWindow& window) {
  QMenu* file = window.menuBar()->addMenu(QStringLiteral("File"));
  file->addAction(QStringLiteral("&Load"));
  file->addAction(QStringLiteral("&Save"));
  file->addAction(QStringLiteral("&Save as"));
  file->addAction(QStringLiteral("&Print"));
  window.menuBar()->addMenu(QStringLiteral("Help"))->addAction(QStringLiteral("About"));
}

void AddControls(QWidget& client) {
  for (int i = 0; i < kFieldCount; ++i) {
    auto* field = new QLineEdit(QString::number(100 + 37 * i), &client);
    field->setGeometry(8 + 64 * (i % 4), 80 + 48 * (i / 4), 41, 21);
  }
  for (int i = 0; i < kCaptionCount; ++i) {
    auto* caption = new QLabel(QStringLiteral("caption of row %1:").arg(i + 1), &client);
    caption->move(304, 32 + 16 * i);
  }
  for (int i = 0; i < kValueCount; ++i) {
    auto* value = new QLabel(QString::number(12.5 * (i + 1), 'f', 1), &client);
    value->setGeometry(416 + 72 * (i % 3), 48 + 16 * (i / 3), 35, 13);
    value->setAlignment(Qt::AlignCenter);
  }
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QMainWindow window;
  window.setWindowTitle(QStringLiteral(" Static stability and Center of Gravity positions for model airplanes"));
  AddMenus(window);
  auto* client = new QWidget;
  AddControls(*client);
  window.setCentralWidget(client);
  window.resize(kClientWidth, kClientHeight + window.menuBar()->sizeHint().height());
  window.show();
  window.activateWindow();
  return application.exec();
}
