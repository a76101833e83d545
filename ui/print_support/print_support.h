#pragma once

#include <functional>
#include <memory>

class QPainter;
class QPrintDialog;
class QPrinter;
class QWidget;

namespace ui {

// The print dialog for `printer` (which must outlive it): the printers of
// the system and, also where there are none, printing to a PDF file; always
// the whole (single) page, with no selection, page range or current page.
// A child of `parent` (which may be null). Needs a QApplication.
std::unique_ptr<QPrintDialog> MakePrintDialog(QPrinter& printer, QWidget* parent = nullptr);

// One print job on `printer`: sets an empty document name and the printable
// area as origin (not the full page), begins the job, lets `paintPage` paint
// the one page and ends the job. Throws PrintFailure(kPrinterNotValid) when
// the job cannot begin; a failure of `paintPage` ends the job first and then
// passes on unchanged. Pages are never repeated for copies.
void RunPrintJob(QPrinter& printer, const std::function<void(QPainter&)>& paintPage);

}  // namespace ui
