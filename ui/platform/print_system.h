#pragma once

#include <functional>
#include <memory>

class QDialog;
class QIODevice;
class QPainter;
class QPrinter;
class QRect;
class QString;
class QWidget;

namespace ui {

// What the windows need of Qt's print support and of Qt Svg. Both live in a
// module of their own (print_support/), loaded at the first print or SVG
// export: most runs of the program do neither, and loading these libraries
// at every start would cost start-up time and memory. Nothing outside the
// module names a symbol of either, so the program links neither.
class PrintSystem {
 public:
  virtual ~PrintSystem() = default;

  // A printer with the print system's default printer and high resolution;
  // give it back with DeletePrinter.
  virtual QPrinter* NewPrinter() = 0;
  virtual void DeletePrinter(QPrinter* printer) = 0;

  // The print dialog for `printer` (see MakePrintDialog), a child of
  // `parent`; the caller owns it.
  virtual QDialog* NewPrintDialog(QPrinter& printer, QWidget* parent) = 0;

  // One print job on `printer` (see RunPrintJob).
  virtual void PrintPage(QPrinter& printer, const std::function<void(QPainter&)>& paintPage) = 0;

  // An SVG document of `area` at `dpi` into `out`, titled `title`, drawn by
  // `paint`; false when the painter could not begin or end.
  virtual bool WriteSvg(QIODevice& out, const QRect& area, int dpi, const QString& title,
                        const std::function<void(QPainter&)>& paint) = 0;
};

// The print system, loaded at the first call: linked into the program (the
// tests do), else the module next to the program or in its installed place.
// Throws PrintFailure naming the module when it cannot be loaded.
PrintSystem& ThePrintSystem();

// Gives a printer back to the print system that made it.
struct PrinterDeleter {
  void operator()(QPrinter* printer) const;
};
using PrinterHandle = std::unique_ptr<QPrinter, PrinterDeleter>;

}  // namespace ui

// The module's one entry point.
extern "C" ui::PrintSystem* cgcalc_print_system();
