#include "ui/platform/print_system.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QStringList>

#include "ui/platform/printing.h"

// Defined only where the print support is linked in (the tests); the program
// finds it in the module instead.
extern "C" ui::PrintSystem* cgcalc_print_system() __attribute__((weak));

namespace ui {
namespace {

// Next to the program in the build tree, in the library folder once installed.
QStringList ModulePaths() {
  const QString folder = QCoreApplication::applicationDirPath();
  const QString name = QStringLiteral(CGCALC_PRINT_MODULE);
  return {folder + QLatin1Char('/') + name,
          folder + QStringLiteral("/../" CGCALC_PRINT_MODULE_DIR "/") + name};
}

PrintSystem& LoadPrintSystem() {
  if (cgcalc_print_system != nullptr) return *cgcalc_print_system();
  QStringList failures;
  for (const QString& path : ModulePaths()) {
    QLibrary module(path);
    // The module stays loaded when `module` goes: QLibrary unloads only when asked.
    if (auto entry = reinterpret_cast<PrintSystem* (*)()>(module.resolve("cgcalc_print_system"))) return *entry();
    failures << module.errorString();
  }
  throw PrintFailure(QStringLiteral("Printing is not available: %1").arg(failures.join(QStringLiteral("; "))).toStdString());
}

}  // namespace

PrintSystem& ThePrintSystem() {
  static PrintSystem* loaded = nullptr;
  if (loaded == nullptr) loaded = &LoadPrintSystem();
  return *loaded;
}

void PrinterDeleter::operator()(QPrinter* printer) const {
  if (printer != nullptr) ThePrintSystem().DeletePrinter(printer);
}

}  // namespace ui
