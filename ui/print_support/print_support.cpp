// The print module: everything that needs Qt's print support or Qt Svg,
// loaded by ThePrintSystem at the first print or SVG export.
#include "ui/print_support/print_support.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSvgGenerator>

#include "ui/platform/print_system.h"
#include "ui/platform/printing.h"

namespace ui {

std::unique_ptr<QPrintDialog> MakePrintDialog(QPrinter& printer, QWidget* parent) {
  auto dialog = std::make_unique<QPrintDialog>(&printer, parent);
  // The PDF file stays on offer: on a machine without printers it is the
  // only way to print at all.
  dialog->setOption(QAbstractPrintDialog::PrintToFile, true);
  dialog->setOption(QAbstractPrintDialog::PrintSelection, false);
  dialog->setOption(QAbstractPrintDialog::PrintPageRange, false);
  dialog->setOption(QAbstractPrintDialog::PrintCurrentPage, false);
  return dialog;
}

void RunPrintJob(QPrinter& printer, const std::function<void(QPainter&)>& paintPage) {
  printer.setDocName(QString());
  printer.setFullPage(false);
  QPainter painter;
  if (!painter.begin(&printer)) throw PrintFailure(kPrinterNotValid);
  try {
    paintPage(painter);
  } catch (...) {
    // The job is closed before anyone reports the failure: the spooler (or
    // the file) is not left waiting while the message box is open.
    painter.end();
    throw;
  }
  if (!painter.end()) throw PrintFailure(kPrinterNotValid);
}

namespace {

class QtPrintSystem final : public PrintSystem {
 public:
  QPrinter* NewPrinter() override { return new QPrinter(QPrinter::HighResolution); }
  void DeletePrinter(QPrinter* printer) override { delete printer; }
  QDialog* NewPrintDialog(QPrinter& printer, QWidget* parent) override {
    return MakePrintDialog(printer, parent).release();
  }
  void PrintPage(QPrinter& printer, const std::function<void(QPainter&)>& paintPage) override {
    RunPrintJob(printer, paintPage);
  }
  bool WriteSvg(QIODevice& out, const QRect& area, int dpi, const QString& title,
                const std::function<void(QPainter&)>& paint) override {
    QSvgGenerator generator;
    generator.setOutputDevice(&out);
    generator.setSize(area.size());
    generator.setViewBox(area);
    generator.setResolution(dpi);
    generator.setTitle(title);
    QPainter painter;
    if (!painter.begin(&generator)) return false;
    paint(painter);
    return painter.end();
  }
};

}  // namespace
}  // namespace ui

extern "C" Q_DECL_EXPORT ui::PrintSystem* cgcalc_print_system() {
  static ui::QtPrintSystem system;
  return &system;
}
