#pragma once

#include <functional>
#include <stdexcept>

#include <QImage>
#include <QRect>
#include <QSize>

class QPaintDevice;
class QPainter;
class QWidget;

namespace ui {

// The printed page: one image of the main window's client area, painted by
// its widgets themselves, scaled from the window's pixels per inch to the
// printer's and placed at the top left of the printable area.

// A print job that could not be started or finished; what() is the message
// the handler boundary reports.
class PrintFailure : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The printer's drawing context could not be created when the job started.
inline constexpr char kPrinterNotValid[] = "Printer selected is not valid";
// There was no memory for the window image.
inline constexpr char kOutOfMemory[] = "Out of memory";

// Pixels per inch of a device, across and down.
struct Dpi {
  int x = 96;
  int y = 96;
  friend bool operator==(const Dpi&, const Dpi&) = default;
};

// A device's logical pixels per inch (a printer's resolution, an image's
// dots per metre, a widget's screen).
Dpi DeviceDpi(const QPaintDevice& device);

// `length` window pixels in target pixels: the 64-bit product length *
// targetDpi divided by windowDpi, rounded to the nearest integer with halves
// to the even one, and limited to the range of int. Throws std::invalid_argument
// when windowDpi is not positive.
int ScaledLength(int length, int targetDpi, int windowDpi);

// Both sides of `size` scaled with ScaledLength, each with its own direction's
// pixels per inch.
QSize ScaledSize(QSize size, Dpi target, Dpi window);

// The image of `client` as it is now: exactly its size, first filled with
// silver, then painted by the widget and its visible children themselves
// (nothing is copied from the screen, so windows covering it do not appear).
// Throws PrintFailure(kOutOfMemory) when the image cannot be allocated.
QImage WindowImage(QWidget& client);

// Paints WindowImage(client) onto the painter's device with its top left
// corner at the device's origin, scaled from the client's pixels per inch to
// the device's, without lossy compression and without smoothing. Returns the
// rectangle painted, in device pixels. Failures as WindowImage.
QRect PaintWindowImage(QPainter& painter, QWidget& client);

}  // namespace ui
