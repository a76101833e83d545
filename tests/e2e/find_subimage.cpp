// Looks for an exact, pixel-for-pixel copy of one image inside another.
// Prints the top left corner of the first copy and exits 0, or exits 1.
#include <QImage>

#include <cstdio>

namespace {

bool MatchesAt(const QImage& haystack, const QImage& needle, int left, int top) {
  for (int y = 0; y < needle.height(); ++y) {
    const auto* wanted = reinterpret_cast<const QRgb*>(needle.constScanLine(y));
    const auto* seen = reinterpret_cast<const QRgb*>(haystack.constScanLine(top + y)) + left;
    for (int x = 0; x < needle.width(); ++x) {
      if ((wanted[x] & 0xFFFFFF) != (seen[x] & 0xFFFFFF)) return false;
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: find_subimage SCREENSHOT.png PART.png\n");
    return 2;
  }
  const QImage haystack = QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_RGB32);
  const QImage needle = QImage(QString::fromLocal8Bit(argv[2])).convertToFormat(QImage::Format_RGB32);
  if (haystack.isNull() || needle.isNull()) {
    std::fprintf(stderr, "cannot read the images\n");
    return 2;
  }
  for (int top = 0; top + needle.height() <= haystack.height(); ++top) {
    for (int left = 0; left + needle.width() <= haystack.width(); ++left) {
      if (MatchesAt(haystack, needle, left, top)) {
        std::printf("%d %d\n", left, top);
        return 0;
      }
    }
  }
  std::fprintf(stderr, "no exact copy of %s in %s\n", argv[2], argv[1]);
  return 1;
}
