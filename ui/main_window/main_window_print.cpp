// File / Print: the client area as shown, on one page of the chosen printer.
#include "ui/main_window/main_window.h"
#include "ui/platform/print_system.h"
#include "ui/platform/printing.h"

namespace ui {

void MainWindow::printClientArea() {
  // One printer for the life of the window, so that the dialog offers the
  // printer and settings confirmed last time. Made at the first print: asking
  // the print system for its default printer can take a while.
  PrintSystem& printing = ThePrintSystem();
  if (!printer_) printer_.reset(printing.NewPrinter());
  if (!boundary_.UserDialogs().ChoosePrinter(*printer_)) return;
  printing.PrintPage(*printer_, [this](QPainter& painter) { PaintWindowImage(painter, *client_); });
}

}  // namespace ui
