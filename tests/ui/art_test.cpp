#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <string>

#include "ui/pictures/icons.h"
#include "ui/pictures/dimension_sketch.h"
#include "ui/pictures/picture_view.h"
#include "ui/pictures/sixteen_colours.h"

namespace {

constexpr QRgb kSilver = qRgb(192, 192, 192);
constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kRed = qRgb(255, 0, 0);
constexpr QRgb kCyan = qRgb(0, 255, 255);
constexpr QRgb kYellow = qRgb(255, 255, 0);
constexpr QRgb kBlue = qRgb(0, 0, 255);
constexpr QRgb kBrightGreen = qRgb(0, 255, 0);
constexpr QRgb kGrey = qRgb(128, 128, 128);

// The picture stands at this window position; fields are given in window
// coordinates.
constexpr int kSketchTop = 56;
constexpr int kFieldHeight = 21;

std::string Hex(QRgb color) { return QString::number(color & 0xFFFFFFu, 16).rightJustified(6, '0').toStdString(); }

bool IsBlack(const QImage& image, QPoint p) { return image.rect().contains(p) && image.pixel(p) == qRgb(0, 0, 0); }

const QImage& Sketch() {
  static const QImage image = ui::DimensionSketchImage();
  return image;
}

TEST(DimensionSketch, HasThePictureSize) {
  EXPECT_EQ(Sketch().size(), QSize(292, 341));
  EXPECT_EQ(Sketch().size(), QSize(ui::kSketchWidth, ui::kSketchHeight));
}

TEST(DimensionSketch, UsesOnlyTheSixteenStandardColours) {
  // Antialiasing or a stray blend would bring in colours outside this set.
  const std::array<QRgb, 16> palette = {
      qRgb(0, 0, 0),     qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
      qRgb(0, 0, 128),   qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
      qRgb(128, 128, 128), qRgb(255, 0, 0), qRgb(0, 255, 0),   qRgb(255, 255, 0),
      qRgb(0, 0, 255),   qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
  const QImage& image = Sketch();
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb color = image.pixel(x, y) | 0xFF000000u;
      ASSERT_NE(std::find(palette.begin(), palette.end(), color), palette.end())
          << "pixel " << x << "," << y << " is " << Hex(color);
    }
  }
}

struct ColourProbe {
  const char* name;
  QPoint at;
  QRgb expected;
};

TEST(DimensionSketch, ColoursAtKnownPlaces) {
  const ColourProbe probes[] = {
      {"fuselage left of the root chord line", {20, 100}, kRed},
      {"fuselage right of the root chord line", {27, 100}, kRed},
      {"fuselage ahead of the wing", {23, 20}, kRed},
      {"fuselage between the surfaces", {20, 200}, kRed},
      {"fuselage end", {28, 310}, kRed},
      {"inner wing panel", {80, 100}, kCyan},
      {"inner wing panel past the centre line", {5, 100}, kCyan},
      {"inner wing panel at the left edge", {0, 110}, kCyan},
      {"outer wing panel", {200, 80}, kYellow},
      {"outer wing panel at the tip", {265, 80}, kYellow},
      {"inner tailplane panel", {50, 270}, kCyan},
      {"outer tailplane panel", {120, 265}, kYellow},
      {"background top left", {5, 5}, kSilver},
      {"background between the surfaces", {200, 200}, kSilver},
      {"background right of the tailplane", {230, 270}, kSilver},
      {"background bottom right", {291, 340}, kSilver},
      {"background under the fuselage end", {23, 325}, kSilver},
  };
  for (const ColourProbe& probe : probes) {
    SCOPED_TRACE(probe.name);
    EXPECT_EQ(Hex(Sketch().pixel(probe.at)), Hex(probe.expected));
  }
}

struct OutlineProbe {
  const char* name;
  QPoint start;
  QPoint step;
  QRgb outline;
};

// Walking from the background towards a surface, the first coloured pixels
// are its outline, about three pixels thick.
TEST(DimensionSketch, OutlinesAroundBothSurfaces) {
  const OutlineProbe probes[] = {
      {"wing leading edge from ahead", {60, 40}, {0, 1}, kBlue},
      {"wing trailing edge from behind", {61, 200}, {0, -1}, kBlue},
      {"wing tip from the right", {291, 80}, {-1, 0}, kBlue},
      {"tailplane leading edge from ahead", {60, 230}, {0, 1}, kBrightGreen},
      {"tailplane trailing edge from behind", {61, 335}, {0, -1}, kBrightGreen},
      {"tailplane tip from the right", {200, 265}, {-1, 0}, kBrightGreen},
  };
  const QImage& image = Sketch();
  for (const OutlineProbe& probe : probes) {
    SCOPED_TRACE(probe.name);
    QPoint p = probe.start;
    while (image.rect().contains(p) && image.pixel(p) == kSilver) p += probe.step;
    ASSERT_TRUE(image.rect().contains(p));
    int thickness = 0;
    while (image.pixel(p) == probe.outline) {
      ++thickness;
      p += probe.step;
    }
    EXPECT_GE(thickness, 2);
    EXPECT_LE(thickness, 4);
  }
}

enum class Reach { Under, Leader };

struct FieldCase {
  const char* field;
  QRect window;     // the input field in window coordinates
  QPoint from, to;  // its dimension line in picture coordinates
  Reach reach;      // lies under the field, or reaches it by a leader
};

// Fields as the window places them, dimension lines as the picture is meant
// to carry them; a line's ends may stop up to kEndTolerance short of or past
// these points so that its arrow heads sit beside the outline.
const FieldCase kFieldCases[] = {
    {"Bot_B", {72, 80, 41, kFieldHeight}, {0, 36}, {270, 36}, Reach::Under},
    {"Bot_Li", {8, 144, 33, kFieldHeight}, {23, 61}, {23, 149}, Reach::Under},
    {"Bot_Lk", {128, 144, 33, kFieldHeight}, {144, 62}, {144, 129}, Reach::Under},
    {"Bot_La", {256, 128, 33, kFieldHeight}, {270, 64}, {270, 94}, Reach::Under},
    {"Bot_Vk", {104, 216, 33, kFieldHeight}, {144, 132}, {144, 150}, Reach::Leader},
    {"Bot_Sa", {192, 200, 33, kFieldHeight}, {142, 149}, {270, 149}, Reach::Under},
    {"Bot_Va", {256, 168, 33, kFieldHeight}, {270, 96}, {270, 149}, Reach::Under},
    {"Bot_Rh", {8, 232, 33, kFieldHeight}, {23, 151}, {23, 244}, Reach::Under},
    {"Bot_Bh", {56, 272, 33, kFieldHeight}, {0, 225}, {144, 225}, Reach::Under},
    {"Bot_Lih", {8, 320, 33, kFieldHeight}, {23, 247}, {23, 309}, Reach::Under},
    {"Bot_Lkh", {72, 320, 33, kFieldHeight}, {85, 248}, {85, 297}, Reach::Under},
    {"Bot_Lah", {128, 312, 33, kFieldHeight}, {144, 249}, {144, 284}, Reach::Under},
    {"Bot_Vkh", {56, 376, 33, kFieldHeight}, {86, 300}, {86, 309}, Reach::Leader},
    {"Bot_Sah", {96, 360, 33, kFieldHeight}, {85, 309}, {144, 309}, Reach::Under},
    {"Bot_Vah", {160, 344, 33, kFieldHeight}, {144, 284}, {144, 309}, Reach::Leader},
};
constexpr int kEndTolerance = 3;

QRect InPicture(const QRect& window) { return window.translated(0, -kSketchTop); }

QPoint Direction(QPoint from, QPoint to) {
  return {to.x() > from.x() ? 1 : (to.x() < from.x() ? -1 : 0), to.y() > from.y() ? 1 : (to.y() < from.y() ? -1 : 0)};
}

// The last black pixel when walking from `start` in `step` along a line.
QPoint RunEnd(const QImage& image, QPoint start, QPoint step) {
  QPoint p = start;
  while (IsBlack(image, p + step)) p += step;
  return p;
}

// A head widens just behind its tip, where both neighbours across the line
// are black. The end found may lie a pixel or two beyond the tip, where the
// line runs into the one it measures to.
bool HasArrowHead(const QImage& image, QPoint end, QPoint back) {
  const QPoint across(back.y(), back.x());
  for (int along = 1; along <= 3; ++along) {
    const QPoint centre = end + back * along;
    if (IsBlack(image, centre + across) && IsBlack(image, centre - across)) return true;
  }
  return false;
}

TEST(DimensionSketch, EveryFieldSitsOnItsDimensionLine) {
  const QImage& image = Sketch();
  for (const FieldCase& c : kFieldCases) {
    SCOPED_TRACE(c.field);
    const QRect field = InPicture(c.window);
    int blackUnderField = 0;
    for (int y = field.top(); y <= field.bottom(); ++y) {
      for (int x = field.left(); x <= field.right(); ++x) blackUnderField += IsBlack(image, {x, y}) ? 1 : 0;
    }
    EXPECT_GE(blackUnderField, 1);
    if (c.reach == Reach::Under) {
      // The whole width or height of the field covers solid line.
      const QPoint step = Direction(c.from, c.to);
      for (QPoint p = c.from; p != c.to + step; p += step) {
        if (field.contains(p)) {
          EXPECT_TRUE(IsBlack(image, p)) << "at " << p.x() << "," << p.y();
        }
      }
    }
  }
}

TEST(DimensionSketch, DimensionLinesRunBetweenArrowHeads) {
  const QImage& image = Sketch();
  for (const FieldCase& c : kFieldCases) {
    SCOPED_TRACE(c.field);
    const QPoint middle = (c.from + c.to) / 2;
    ASSERT_TRUE(IsBlack(image, middle));
    const QPoint towardsTo = Direction(c.from, c.to);
    const QPoint towardsFrom = -towardsTo;
    const QPoint fromEnd = RunEnd(image, middle, towardsFrom);
    const QPoint toEnd = RunEnd(image, middle, towardsTo);
    EXPECT_LE((fromEnd - c.from).manhattanLength(), kEndTolerance) << "ends at " << fromEnd.x() << "," << fromEnd.y();
    EXPECT_LE((toEnd - c.to).manhattanLength(), kEndTolerance) << "ends at " << toEnd.x() << "," << toEnd.y();
    EXPECT_TRUE(HasArrowHead(image, fromEnd, towardsTo));
    EXPECT_TRUE(HasArrowHead(image, toEnd, towardsFrom));
  }
}

struct IconCase {
  const char* name;
  std::function<QImage()> draw;
  QSize size;
  QPoint probe;
  QRgb expected;  // with alpha
};

TEST(Icons, SizesAndBackgrounds) {
  const QRgb clear = qRgba(0, 0, 0, 0);
  const IconCase cases[] = {
      {"window icon 32, corner", [] { return ui::AppIconImage(32); }, {32, 32}, {0, 0}, kBlue},
      {"window icon 32, opposite corner", [] { return ui::AppIconImage(32); }, {32, 32}, {31, 31}, kBlue},
      {"window icon 32, fuselage below the tailplane", [] { return ui::AppIconImage(32); }, {32, 32}, {15, 29}, kGrey},
      {"window icon 16, corner", [] { return ui::AppIconImage(16); }, {16, 16}, {15, 0}, kBlue},
      {"window icon 48, corner", [] { return ui::AppIconImage(48); }, {48, 48}, {1, 1}, kBlue},
      {"folder, clear corner", ui::OpenFolderImage, {16, 16}, {15, 0}, clear},
      {"diskette, clear cut corner", ui::DiskImage, {16, 16}, {15, 0}, clear},
  };
  for (const IconCase& c : cases) {
    SCOPED_TRACE(c.name);
    const QImage image = c.draw();
    ASSERT_EQ(image.size(), c.size);
    const QRgb pixel = image.pixel(c.probe);
    EXPECT_EQ(qAlpha(pixel), qAlpha(c.expected));
    if (qAlpha(c.expected) != 0) {
      EXPECT_EQ(Hex(pixel), Hex(c.expected));
    }
  }
}

TEST(Icons, ShowTheirFigures) {
  const struct {
    const char* name;
    QImage image;
    std::array<QRgb, 3> colours;
  } cases[] = {
      {"window icon 32", ui::AppIconImage(32), {kYellow, kGrey, kRed}},
      {"window icon 16", ui::AppIconImage(16), {kYellow, kGrey, kRed}},
      {"folder", ui::OpenFolderImage(), {kYellow, kBlack, qRgb(128, 128, 0)}},
      {"diskette", ui::DiskImage(), {kBlack, qRgb(255, 255, 255), qRgb(0, 0, 128)}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    for (QRgb colour : c.colours) {
      bool found = false;
      for (int y = 0; y < c.image.height() && !found; ++y) {
        for (int x = 0; x < c.image.width() && !found; ++x) found = c.image.pixel(x, y) == colour;
      }
      EXPECT_TRUE(found) << "no pixel of " << Hex(colour);
    }
  }
}

// The icons are made for the running application; the test program's main
// provides it.
TEST(Icons, IconsCarryTheirPictures) {
  ASSERT_NE(QGuiApplication::instance(), nullptr);
  const QIcon app = ui::AppIcon();
  EXPECT_TRUE(app.availableSizes().contains(QSize(16, 16)));
  EXPECT_TRUE(app.availableSizes().contains(QSize(32, 32)));
  EXPECT_EQ(Hex(app.pixmap(QSize(32, 32)).toImage().pixel(0, 0)), Hex(kBlue));
  const struct {
    const char* name;
    QIcon icon;
    QImage image;
  } toolbar[] = {{"folder", ui::OpenFolderIcon(), ui::OpenFolderImage()}, {"diskette", ui::DiskIcon(), ui::DiskImage()}};
  for (const auto& t : toolbar) {
    SCOPED_TRACE(t.name);
    const QImage shown = t.icon.pixmap(QSize(16, 16)).toImage().convertToFormat(t.image.format());
    EXPECT_EQ(shown, t.image);
  }
}

// The window keeps the sketch in one byte a pixel and shows the same pixels,
// whole or any part repainted.
TEST(DimensionSketch, ShownAsDrawnFromOneBytePerPixel) {
  const QImage kept = ui::DimensionSketch();
  EXPECT_EQ(kept.format(), QImage::Format_Indexed8);
  ui::PictureView view(kept, nullptr);
  for (const QRect part : {view.rect(), QRect(13, 45, 100, 70), QRect(250, 300, 42, 41)}) {
    SCOPED_TRACE(part.x());
    EXPECT_EQ(view.grab(part).toImage().convertToFormat(QImage::Format_RGB32), Sketch().copy(part));
  }
}

TEST(DimensionSketch, APictureBeyondTheSixteenColoursKeepsItsPixels) {
  QImage picture = Sketch().copy(0, 0, 8, 8);
  picture.setPixel(3, 3, qRgb(1, 2, 3));
  EXPECT_EQ(ui::InSixteenColours(picture), picture);
}

}  // namespace
