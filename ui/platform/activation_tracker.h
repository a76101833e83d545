#pragma once

#include <functional>
#include <vector>

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace ui {

// Decides when a window of the program is activated. The program keeps one
// focused window, chosen among its own windows only (the main window and the
// About window); the windows Qt opens for dialogs, message boxes and menus are
// not among them and leave it unchanged. When the keyboard focus enters one of
// the program's windows (a control in it, or the window itself) while it is
// not the focused window, that window becomes the focused window and its
// activation handler runs. Focus moving inside the focused window, leaving the
// program, or coming back to the focused window fires nothing.
// Needs a QApplication for its whole life.
class ActivationTracker : public QObject {
  Q_OBJECT

 public:
  ActivationTracker();

  // Adds one of the program's windows. `onActivation` runs on the UI thread,
  // nested in whatever moved the focus; it must not throw (run it through the
  // handler boundary). The window is not owned; a destroyed window drops out.
  void AddWindow(QWidget* window, std::function<void()> onActivation);

  // The focus entered `window`; the program says so itself where it hands the
  // activation over at once (hiding the About window activates the main window
  // before the hiding returns). A window that is not added is ignored.
  void Enter(QWidget* window);

  // The focused window, or null before any of the program's windows had the focus.
  QWidget* FocusedWindow() const { return focused_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Entry {
    QPointer<QWidget> window;
    std::function<void()> onActivation;
  };

  void OnFocusChanged(QWidget* now);

  std::vector<Entry> windows_;
  QPointer<QWidget> focused_;
};

}  // namespace ui
