// Printing: the size of the image on paper, the image itself (the client area
// as its widgets paint it), and the print command with its dialog and job.
#include <cmath>
#include <climits>
#include <stdexcept>

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QComboBox>
#include <QFile>
#include <QLibrary>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

#include "ui/platform/appearance.h"
#include "ui/platform/print_system.h"
#include "ui/platform/printing.h"
#include "ui/platform/qt_dialogs.h"
#include "ui/print_support/print_support.h"
#include "window_test.h"

namespace ui_test {
namespace {

constexpr QRgb kMagenta = qRgb(255, 0, 255);  // a colour the window never shows

struct ScaleRow {
  const char* name;
  int length, targetDpi, windowDpi;
  int expected;
};

// Window pixels to printer pixels: 64-bit product, divided, halves to even.
TEST(ScaledLength, RoundsToNearest) {
  const ScaleRow rows[] = {
      {"client width 616 at 600 on 96", 616, 600, 96, 3850},
      {"client height 425 at 600 on 96, 2656.25", 425, 600, 96, 2656},
      {"half rounds to even 0, 1 at 48 on 96", 1, 48, 96, 0},
      {"2.5 rounds to even 2, 5 at 48 on 96", 5, 48, 96, 2},
      {"1.5 rounds to even 2, 1 at 144 on 96", 1, 144, 96, 2},
      {"2662.5 rounds to even, 426 at 600 on 96", 426, 600, 96, 2662},
      {"9.375 rounds down, 3 at 300 on 96", 3, 300, 96, 9},
      {"just below half, 47 at 1 on 96", 47, 1, 96, 0},
      {"exactly half, 48 at 1 on 96", 48, 1, 96, 0},
      {"negative 1.5 to even", -1, 144, 96, -2},
      {"negative 2.5 to even", -5, 48, 96, -2},
      {"same resolution", 616, 96, 96, 616},
      {"screen at 120", 616, 600, 120, 3080},
      {"zero length", 0, 600, 96, 0},
      {"product beyond 32 bits", 1000000, 4800, 96, 50000000},
      {"result beyond int is limited", 2000000000, 2400, 96, INT_MAX},
      {"negative result beyond int is limited", -2000000000, 2400, 96, INT_MIN},
  };
  for (const ScaleRow& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(ui::ScaledLength(row.length, row.targetDpi, row.windowDpi), row.expected);
  }
}

TEST(ScaledLength, RefusesWindowResolutionZero) {
  EXPECT_THROW(ui::ScaledLength(616, 600, 0), std::invalid_argument);
}

// Each side with its own direction's resolution.
TEST(ScaledSize, EachSideWithItsOwnResolution) {
  EXPECT_EQ(ui::ScaledSize(QSize(616, 425), {600, 300}, {96, 96}), QSize(3850, 1328));
  EXPECT_EQ(ui::ScaledSize(QSize(616, 425), {600, 600}, {96, 120}), QSize(3850, 2125));
}

// An image target with the given resolution, filled with magenta.
QImage Target(QSize size, int dpi) {
  QImage image(size, QImage::Format_RGB32);
  image.setDotsPerMeterX(qRound(dpi / 0.0254));
  image.setDotsPerMeterY(qRound(dpi / 0.0254));
  image.fill(kMagenta);
  return image;
}

// Paints the window image onto `target` as the print job does; returns the area painted.
QRect PaintOnto(QImage& target, QWidget& client) {
  QPainter painter(&target);
  return ui::PaintWindowImage(painter, client);
}

template <class Predicate>
int CountPixels(const QImage& image, const QRect& area, Predicate matches) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) count += matches(image.pixel(x, y));
  return count;
}

int CountPixels(const QImage& image, const QRect& area, QRgb colour) {
  return CountPixels(image, area, [colour](QRgb pixel) { return pixel == colour; });
}

// Red text, also where its edges are smoothed.
bool Reddish(QRgb pixel) { return qRed(pixel) >= 160 && qGreen(pixel) <= 100 && qBlue(pixel) <= 100; }

class PrintingTest : public WindowTest {
 protected:
  void SetUp() override {
    ShowWindows();
    ASSERT_TRUE(directory.isValid());
    ASSERT_EQ(ui::DeviceDpi(Client()), (ui::Dpi{96, 96})) << "the sizes below assume a 96 dpi screen";
  }

  // The image the job paints, at the window's own resolution.
  QImage PrintedAtScreenResolution() {
    QApplication::processEvents();
    QImage page = Target(QSize(1200, 900), 96);
    EXPECT_EQ(PaintOnto(page, Client()), Client().rect());
    return page.copy(Client().rect());
  }

  // The client area as its widgets paint it.
  QImage Rendered() { return Client().grab().toImage().convertToFormat(QImage::Format_RGB32); }

  QString FilePath(const QString& name) const { return directory.filePath(name); }

  // The next print dialog is confirmed with PDF output to `name` at 600 dpi.
  void ConfirmPdfPrint(const QString& name) {
    dialogs.printAnswers.push_back(true);
    dialogs.choosePrinter = [path = FilePath(name)](QPrinter& printer) {
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(path);
      printer.setResolution(600);
    };
  }

  QTemporaryDir directory;
};

// At 600 dpi the client area covers 6.25 times its size (616 x 425 makes
// 3850 x 2656) from the top left corner; nothing beyond is touched.
TEST_F(PrintingTest, DrawnAreaIsScaledByResolution) {
  const QSize page(4000, 3000);
  QImage target = Target(page, 600);
  ASSERT_EQ(ui::DeviceDpi(target), (ui::Dpi{600, 600}));
  const QSize drawn(static_cast<int>(std::lrint(Client().width() * 6.25)),
                    static_cast<int>(std::lrint(Client().height() * 6.25)));
  EXPECT_EQ(PaintOnto(target, Client()), QRect(QPoint(0, 0), drawn));
  EXPECT_EQ(CountPixels(target, QRect(QPoint(0, 0), drawn), kMagenta), 0);
  const int right = page.width() - drawn.width(), below = page.height() - drawn.height();
  EXPECT_EQ(CountPixels(target, QRect(drawn.width(), 0, right, page.height()), kMagenta), right * page.height());
  EXPECT_EQ(CountPixels(target, QRect(0, drawn.height(), page.width(), below), kMagenta), page.width() * below);
}

// An enlarged window prints its larger client area, silver where no control is.
TEST_F(PrintingTest, EnlargedWindowPrintsItsWholeClientArea) {
  Main().resize(900, 700);
  QApplication::processEvents();
  const QSize client = Client().size();
  ASSERT_GT(client.width(), 616);
  QImage page = Target(QSize(8000, 6000), 600);
  EXPECT_EQ(PaintOnto(page, Client()).size(), ui::ScaledSize(client, {600, 600}, {96, 96}));
  const QImage image = PrintedAtScreenResolution();
  EXPECT_EQ(image.size(), client);
  EXPECT_EQ(image.pixel(client.width() - 5, client.height() - 5), ui::kSilver);
}

// The page shows the client area pixel for pixel as the widgets paint it.
TEST_F(PrintingTest, ImageIsTheClientAreaAsPainted) {
  EXPECT_EQ(PrintedAtScreenResolution(), Rendered());
  EXPECT_EQ(ui::WindowImage(Client()), Rendered());
}

// After "deutsch" the print shows the German captions, and with a warning the red warning line.
TEST_F(PrintingTest, PrintShowsCurrentCaptionsAndWarning) {
  const QImage english = PrintedAtScreenResolution();
  const QRect label4 = Caption(4).geometry();
  Button(QStringLiteral("Button1")).click();
  ASSERT_EQ(Caption(4).text(), QString::fromUtf8("Fl\u00e4che in dm**2:"));
  const QImage german = PrintedAtScreenResolution();
  EXPECT_EQ(german, Rendered());
  EXPECT_NE(german.copy(label4), english.copy(label4));

  const QRect warningLine(NamedLabel(QStringLiteral("Label17")).pos(), QSize(300, 13));
  EXPECT_EQ(CountPixels(german, warningLine, Reddish), 0);
  SetField(QStringLiteral("B"), QStringLiteral("1000"));  // aspect ratio below 5
  ASSERT_FALSE(Caption(17).text().isEmpty());
  const QImage warned = PrintedAtScreenResolution();
  EXPECT_EQ(warned, Rendered());
  EXPECT_GT(CountPixels(warned, warningLine, Reddish), 20);
}

// The About window over the main window does not appear in the print.
TEST_F(PrintingTest, CoveringWindowIsNotPrinted) {
  // No blinking text cursor and no focus frame: the two images may differ only by the About window.
  QApplication::focusWidget()->clearFocus();
  const QImage alone = PrintedAtScreenResolution();
  Action(QStringLiteral("about1")).trigger();
  ASSERT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == &About(); }));
  const QRect aboutOnClient(Client().mapFromGlobal(About().mapToGlobal(QPoint(0, 0))), About().size());
  ASSERT_TRUE(aboutOnClient.intersects(Client().rect()));
  EXPECT_EQ(PrintedAtScreenResolution(), alone);
}

int PageCount(const QByteArray& pdf) {
  return static_cast<int>(pdf.count("/Type /Page\n") + pdf.count("/Type /Page ") + pdf.count("/Type /Page/"));
}

// Text as a PDF string holds it: UTF-16, high byte first.
QByteArray PdfText(const QString& text) {
  QByteArray bytes;
  for (const QChar c : text) bytes.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xff));
  return bytes;
}

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Print through the menu into a PDF file: one page with the client's image,
// even when three copies are asked for, and no document name.
TEST_F(PrintingTest, PrintsOnePageToPdfFile) {
  ConfirmPdfPrint(QStringLiteral("page.pdf"));
  const auto choose = dialogs.choosePrinter;
  dialogs.choosePrinter = [choose](QPrinter& printer) {
    choose(printer);
    printer.setCopyCount(3);
    printer.setDocName(QStringLiteral("left over"));
  };
  Action(QStringLiteral("Print1")).trigger();
  EXPECT_TRUE(TakeReports().isEmpty());
  const QByteArray pdf = Contents(FilePath(QStringLiteral("page.pdf")));
  ASSERT_TRUE(pdf.startsWith("%PDF"));
  EXPECT_TRUE(pdf.trimmed().endsWith("%%EOF"));
  EXPECT_EQ(PageCount(pdf), 1);
  EXPECT_TRUE(pdf.contains("/Width " + QByteArray::number(Client().width())));
  EXPECT_TRUE(pdf.contains("/Height " + QByteArray::number(Client().height())));
  EXPECT_TRUE(pdf.contains("/Title"));
  EXPECT_FALSE(pdf.contains(PdfText(QStringLiteral("left over"))));
}

// The image of an XObject in a PDF that Qt wrote: its dictionary names
// width and height, and its stream holds the red, green and blue bytes
// compressed with zlib. Empty when there is no such image or it is not
// compressed that way.
QByteArray ImageBytes(const QByteArray& pdf, QSize size) {
  const QByteArray header = QStringLiteral("/Width %1\n/Height %2\n").arg(size.width()).arg(size.height()).toLatin1();
  const qsizetype dictionary = pdf.indexOf(header);
  const qsizetype streamStart = pdf.indexOf("stream\n", dictionary);
  if (dictionary < 0 || streamStart < 0) return {};
  if (!pdf.mid(dictionary, streamStart - dictionary).contains("/Filter /FlateDecode")) return {};
  QByteArray compressed = pdf.mid(streamStart + 7, pdf.indexOf("endstream", streamStart) - streamStart - 7);
  // qUncompress wants the expected size in front, high byte first.
  const quint32 length = quint32(size.width() * size.height() * 3);
  compressed.prepend(QByteArray(1, char(length & 0xff)))
      .prepend(QByteArray(1, char((length >> 8) & 0xff)))
      .prepend(QByteArray(1, char((length >> 16) & 0xff)))
      .prepend(QByteArray(1, char(length >> 24)));
  return qUncompress(compressed);
}

// Printed to a PDF, the page holds the window image as it is: compressed
// without loss (no JPEG anywhere), not to be smoothed when scaled, and
// every pixel, the diagram's pure colours included, exactly the window's.
TEST_F(PrintingTest, PdfHoldsTheWindowImageWithoutLoss) {
  SetField(QStringLiteral("B"), QStringLiteral("1000"));  // the red warning, too
  QApplication::focusWidget()->clearFocus();               // no blinking text cursor
  QApplication::processEvents();
  const QImage window = ui::WindowImage(Client());
  ConfirmPdfPrint(QStringLiteral("page.pdf"));
  Action(QStringLiteral("Print1")).trigger();
  const QByteArray pdf = Contents(FilePath(QStringLiteral("page.pdf")));
  ASSERT_TRUE(pdf.startsWith("%PDF"));
  EXPECT_FALSE(pdf.contains("/DCTDecode"));
  EXPECT_FALSE(pdf.contains("/Interpolate true"));

  const QByteArray printed = ImageBytes(pdf, window.size());
  ASSERT_EQ(printed.size(), window.width() * window.height() * 3) << "no lossless image of the window";
  int differing = 0;
  for (int y = 0; y < window.height(); ++y) {
    for (int x = 0; x < window.width(); ++x) {
      const char* rgb = printed.constData() + 3 * (y * window.width() + x);
      differing += qRgb(uchar(rgb[0]), uchar(rgb[1]), uchar(rgb[2])) != (window.pixel(x, y) | 0xff000000u);
    }
  }
  EXPECT_EQ(differing, 0);
  EXPECT_TRUE(TakeReports().isEmpty());
}

// The second print dialog opens with the printer and settings confirmed in the first.
TEST_F(PrintingTest, DialogOffersLastConfirmedPrinter) {
  ConfirmPdfPrint(QStringLiteral("first.pdf"));
  Action(QStringLiteral("Print1")).trigger();
  QPrinter* offered = nullptr;
  dialogs.printAnswers.push_back(true);
  dialogs.choosePrinter = [&](QPrinter& printer) {
    offered = &printer;
    EXPECT_EQ(printer.outputFormat(), QPrinter::PdfFormat);
    EXPECT_EQ(printer.outputFileName(), FilePath(QStringLiteral("first.pdf")));
    EXPECT_EQ(printer.resolution(), 600);
    printer.setOutputFileName(FilePath(QStringLiteral("second.pdf")));
  };
  Action(QStringLiteral("Print1")).trigger();
  ASSERT_NE(offered, nullptr);
  EXPECT_TRUE(QFile::exists(FilePath(QStringLiteral("second.pdf"))));
  EXPECT_TRUE(TakeReports().isEmpty());
}

// Cancelling the print dialog prints nothing and shows nothing.
TEST_F(PrintingTest, CancelPrintsNothing) {
  ConfirmPdfPrint(QStringLiteral("page.pdf"));
  Action(QStringLiteral("Print1")).trigger();
  ASSERT_TRUE(QFile::remove(FilePath(QStringLiteral("page.pdf"))));
  dialogs.printAnswers.push_back(false);
  Action(QStringLiteral("Print1")).trigger();
  EXPECT_TRUE(dialogs.printAnswers.empty()) << "the dialog was not asked";
  EXPECT_FALSE(QFile::exists(FilePath(QStringLiteral("page.pdf"))));
  EXPECT_TRUE(TakeReports().isEmpty());
  int shown = 0;
  for (QWidget* window : QApplication::topLevelWidgets()) shown += window->isVisible();
  EXPECT_EQ(shown, 1);
}

// A job that cannot start is reported once, with its full stop, and writes nothing.
TEST_F(PrintingTest, PrinterThatCannotStartIsReported) {
  ConfirmPdfPrint(QStringLiteral("missing folder/page.pdf"));
  Action(QStringLiteral("Print1")).trigger();
  EXPECT_EQ(TakeReports(), QStringList{QStringLiteral("Printer selected is not valid.")});
  EXPECT_FALSE(QFile::exists(FilePath(QStringLiteral("missing folder/page.pdf"))));
}

// A failure while the page is painted ends the job before it passes on: the
// printer is free again and the file is complete.
TEST(RunPrintJob, FailureWhilePaintingEndsTheJobFirst) {
  QTemporaryDir directory;
  ASSERT_TRUE(directory.isValid());
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(directory.filePath(QStringLiteral("failed.pdf")));
  bool painted = false;
  try {
    ui::RunPrintJob(printer, [&painted](QPainter& painter) {
      painted = painter.isActive();
      throw ui::PrintFailure(ui::kOutOfMemory);
    });
    ADD_FAILURE() << "the failure did not pass on";
  } catch (const ui::PrintFailure& failure) {
    EXPECT_STREQ(failure.what(), "Out of memory");
    EXPECT_FALSE(printer.paintingActive());
  }
  EXPECT_TRUE(painted);
  EXPECT_TRUE(Contents(directory.filePath(QStringLiteral("failed.pdf"))).trimmed().endsWith("%%EOF"));
}

// The job starts with the printable area as origin and no document name.
TEST(RunPrintJob, StartsAtPrintableAreaWithoutDocumentName) {
  QTemporaryDir directory;
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(directory.filePath(QStringLiteral("page.pdf")));
  printer.setFullPage(true);
  printer.setDocName(QStringLiteral("earlier job"));
  QString nameDuringJob = QStringLiteral("not asked");
  bool fullPageDuringJob = true;
  ui::RunPrintJob(printer, [&](QPainter&) {
    nameDuringJob = printer.docName();
    fullPageDuringJob = printer.fullPage();
  });
  EXPECT_TRUE(nameDuringJob.isEmpty());
  EXPECT_FALSE(fullPageDuringJob);
}

// The program links neither print support nor Qt Svg: Print and the SVG
// export load the module built beside it, which must resolve on its own,
// print a page and write an SVG document.
TEST(PrintModule, LoadsAndPrintsOnItsOwn) {
  QLibrary module(QStringLiteral(CGCALC_PRINT_MODULE_PATH));
  const auto entry = reinterpret_cast<ui::PrintSystem* (*)()>(module.resolve("cgcalc_print_system"));
  ASSERT_NE(entry, nullptr) << module.errorString().toStdString();
  ui::PrintSystem& printing = *entry();
  QTemporaryDir directory;
  QPrinter* printer = printing.NewPrinter();
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setOutputFileName(directory.filePath(QStringLiteral("module.pdf")));
  printing.PrintPage(*printer, [](QPainter& painter) { painter.drawLine(0, 0, 100, 100); });
  printing.DeletePrinter(printer);
  EXPECT_TRUE(Contents(directory.filePath(QStringLiteral("module.pdf"))).startsWith("%PDF"));
  QBuffer svg;
  svg.open(QIODevice::WriteOnly);
  ASSERT_TRUE(printing.WriteSvg(svg, QRect(0, 0, 120, 80), 96, QStringLiteral("plot"),
                                [](QPainter& painter) { painter.drawLine(0, 0, 100, 50); }));
  EXPECT_TRUE(svg.data().contains("<svg")) << svg.data().left(200).toStdString();
  EXPECT_TRUE(svg.data().contains("<title>plot</title>"));
}

// The real dialog offers printing to a PDF file also without any printer,
// and neither page ranges nor a selection.
TEST(PrintDialog, OffersPdfFileAndNoPageChoice) {
  QPrinter printer(QPrinter::HighResolution);
  const auto dialog = ui::MakePrintDialog(printer);
  EXPECT_TRUE(dialog->testOption(QAbstractPrintDialog::PrintToFile));
  EXPECT_FALSE(dialog->testOption(QAbstractPrintDialog::PrintSelection));
  EXPECT_FALSE(dialog->testOption(QAbstractPrintDialog::PrintPageRange));
  EXPECT_FALSE(dialog->testOption(QAbstractPrintDialog::PrintCurrentPage));
  dialog->open();  // not modal for the test: open returns at once
  const auto* printers = dialog->findChild<QComboBox*>(QStringLiteral("printers"));
  ASSERT_NE(printers, nullptr);
  EXPECT_GE(printers->findText(QStringLiteral("PDF"), Qt::MatchContains), 0);
  dialog->reject();
}

}  // namespace
}  // namespace ui_test
