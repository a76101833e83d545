// Where the main window's controls sit and how they look.
#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLineEdit>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QTest>

#include <cstdlib>

#include "control_listing.h"
#include "ui/platform/screen_placement.h"
#include "window_test.h"

namespace ui_test {
namespace {

constexpr QRgb kSilver = qRgb(192, 192, 192);

QString DataFile(const char* name) { return QStringLiteral(CGCALC_TEST_DATA_DIR "/") + QString::fromLatin1(name); }

QString Text(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// Compares a window's listing with the one in `file` line by line, so that a
// difference names its control. With CGCALC_RECORD set in the environment
// the listing is written into the file instead, and the test is skipped,
// never passed.
void ExpectListing(const QStringList& listed, const QString& file) {
  if (std::getenv("CGCALC_RECORD") != nullptr) {
    ASSERT_TRUE(WriteLines(file, listed)) << "cannot write " << file.toStdString();
    GTEST_SKIP() << "recorded into " << file.toStdString();
  }
  const QStringList expected = ReadLines(file);
  ASSERT_FALSE(expected.isEmpty()) << "the expected listing cannot be read";
  for (qsizetype i = 0; i < std::max(listed.size(), expected.size()); ++i) {
    SCOPED_TRACE(i < expected.size() ? expected[i].section(QLatin1Char(' '), 0, 0).toStdString() : "(extra)");
    EXPECT_EQ(i < listed.size() ? listed[i] : QString(), i < expected.size() ? expected[i] : QString());
  }
}

// Where the listing of the main window at start-up puts the control `name`.
QRect Listed(const char* name) {
  static const QStringList listing = ReadLines(DataFile("windows/main_window_at_start.txt"));
  return ListedGeometry(listing, QString::fromLatin1(name));
}

class LayoutTest : public WindowTest {
 protected:
  // The listings show the vortex lattice's opinion of the start-up model.
  void SetUp() override {
    ShowWindows();
    ASSERT_TRUE(WaitForSecondOpinion());
  }

  QScrollArea& ScrollBox() { return ChildOf<QScrollArea>(Main(), QStringLiteral("ScrollBox")); }
};

// Every control of the main window after start-up: place, size, look, text
// and hint; the menu; the tab order. The listing was taken from the program
// as first released.
TEST_F(LayoutTest, ControlsAsAtStart) {
  ExpectListing(ListControls(Main()), DataFile("windows/main_window_at_start.txt"));
}

// Tab goes through the controls in the listed order and round again; the
// focus starts in the first one.
TEST_F(LayoutTest, TabOrder) {
  const QStringList listed = ReadLines(DataFile("windows/main_window_at_start.txt"));
  ASSERT_FALSE(listed.isEmpty());
  QStringList expected = listed.constLast().split(QLatin1Char(' ')).mid(1);
  ASSERT_GT(expected.size(), 2);
  expected << expected.constFirst();
  QStringList visited = {QApplication::focusWidget()->objectName()};
  for (int i = 1; i < expected.size(); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited << QApplication::focusWidget()->objectName();
  }
  EXPECT_EQ(visited, expected);
}

// The fields take texts of any length: every text becomes some number.
TEST_F(LayoutTest, FieldsHaveNoLengthLimit) {
  for (const std::string_view code : calc::kModelFieldCodes) {
    SCOPED_TRACE(std::string(code));
    EXPECT_GE(Field(Text(code)).maxLength(), 1 << 30);
  }
}

// The window's face is small enough that every row caption and column head,
// in every language, ends before the next control to its right (the row's
// first value, the next head, the window's edge), and the widest usual
// values fit their labels.
TEST_F(LayoutTest, CaptionsEndBeforeTheirValues) {
  const QFontMetrics metrics(Main().font());
  struct Row {
    QString name;
    present::Caption caption;
    int limit;
  };
  std::vector<Row> rows;
  const auto& heads = present::kWindowCaptions.columnHeads;
  for (std::size_t column = 0; column < heads.size(); ++column) {
    const int limit = column + 1 < heads.size() ? Caption(int(column) + 2).x() : Client().width();
    rows.push_back({QStringLiteral("Label%1").arg(column + 1), heads[column], limit});
  }
  for (const present::ResultRow& row : present::ResultRows()) {
    int limit = Client().width();
    for (const present::ResultCell& cell : row.cells)
      if (cell.Present()) limit = std::min(limit, NamedLabel(Text(cell.name)).x());
    rows.push_back({Text(row.captionName), row.caption, limit});
  }
  for (const Row& row : rows) {
    for (const present::LanguageEntry& language : present::kLanguages) {
      const std::string_view text = In(row.caption, language.language);
      SCOPED_TRACE(row.name.toStdString() + " " + std::string(text));
      EXPECT_LE(NamedLabel(row.name).x() + metrics.horizontalAdvance(Text(text)), row.limit);
    }
  }
  const QFontMetrics bold(NamedLabel(QStringLiteral("Lab_Rsp1")).font());
  for (const char* value : {"888.8", "-88.8", "0.441", "+Inf"}) {
    SCOPED_TRACE(value);
    EXPECT_LE(bold.horizontalAdvance(QString::fromLatin1(value)), 35);
  }
  EXPECT_LE(bold.horizontalAdvance(QStringLiteral("16")), 17);
  EXPECT_EQ(Main().font().pixelSize(), 11);
  EXPECT_EQ(QFontInfo(Main().font()).styleHint(), QFont::SansSerif);
}

// The silver client area of exactly its listed size (616 x 425) below the menu.
TEST_F(LayoutTest, Window) {
  ASSERT_FALSE(Listed("Client").isEmpty());
  EXPECT_EQ(ScrollBox().viewport()->size(), Listed("Client").size());
  EXPECT_EQ(Client().size(), Listed("Client").size());
  EXPECT_EQ(ScrollBox().y(), ChildOf<QMenuBar>(Main(), QStringLiteral("MainMenu1")).height());
  const QImage client = Client().grab().toImage();
  for (const QPoint empty : {QPoint(610, 300), QPoint(300, 410), QPoint(5, 48)}) {
    SCOPED_TRACE(empty.x());
    EXPECT_EQ(client.pixel(empty), kSilver);
  }
}

// Enlarging the window moves no control and shows more silver; shrinking it
// below its contents brings up scroll bars.
TEST_F(LayoutTest, ResizingMovesNoControl) {
  const QPoint fieldPlace = Field(QStringLiteral("Vah")).pos();
  QWidget& toolBar = ChildOf<QWidget>(Main(), QStringLiteral("ToolBar1"));
  Main().resize(900, 700);
  QApplication::processEvents();
  EXPECT_EQ(Field(QStringLiteral("Vah")).pos(), fieldPlace);
  EXPECT_EQ(Diagram().pos(), Listed("Image2").topLeft());
  EXPECT_GT(Client().width(), Listed("Client").width());
  EXPECT_EQ(toolBar.width(), Client().width());
  EXPECT_EQ(Client().grab().toImage().pixel(850, 600), kSilver);
  EXPECT_FALSE(ScrollBox().horizontalScrollBar()->isVisible());

  Main().resize(300, 200);
  QApplication::processEvents();
  EXPECT_EQ(Client().size(), Listed("Client").size());
  EXPECT_TRUE(ScrollBox().horizontalScrollBar()->isVisible());
  EXPECT_TRUE(ScrollBox().verticalScrollBar()->isVisible());
  EXPECT_EQ(Field(QStringLiteral("Vah")).pos(), fieldPlace);
}

// A window narrower than its menu shows the menu bar's "more items" button
// with its chevron, drawn in the sizes the platform's picture comes in.
TEST_F(LayoutTest, NarrowWindowShowsTheMenuChevron) {
  auto* more = Main().findChild<QToolButton*>(QStringLiteral("qt_menubar_ext_button"));
  ASSERT_NE(more, nullptr);
  EXPECT_FALSE(more->isVisible());
  Main().resize(40, 200);
  QApplication::processEvents();
  EXPECT_TRUE(more->isVisible());
  const QList<QSize> sizes = more->icon().availableSizes();
  EXPECT_EQ(sizes, QList<QSize>({{8, 5}, {16, 10}, {32, 20}}));
  const QImage chevron = more->icon().pixmap(QSize(16, 10)).toImage();
  int dark = 0;
  for (int y = 0; y < chevron.height(); ++y)
    for (int x = 0; x < chevron.width(); ++x) dark += qAlpha(chevron.pixel(x, y)) > 128;
  EXPECT_GT(dark, 20) << "the chevron is not drawn";
}

// Until the first drawing the diagram area shows the window's silver.
TEST(DiagramArea, SilverUntilFirstDrawn) {
  ScriptedDialogs dialogs;
  ui::ProgramWindows windows(dialogs, kTitle);
  QWidget& client = ChildOf<QWidget>(windows.Main(), QStringLiteral("Client"));
  client.resize(Listed("Client").size());
  const QImage picture = client.grab().toImage();
  const QRect diagram = Listed("Image2");
  for (const QPoint p : {diagram.topLeft(), diagram.center(), diagram.bottomRight()}) {
    SCOPED_TRACE(p.x());
    EXPECT_EQ(picture.pixel(p), kSilver);
  }
}

// The About window as it is made: title, place, silver, its lines and its
// O.K. button, hidden. The listing was taken from the program as first
// released.
TEST_F(LayoutTest, AboutWindow) {
  ExpectListing(ListControls(About()), DataFile("windows/about_window.txt"));
  EXPECT_FALSE(About().isVisible());
}

// A window is moved as little as it takes to lie on its screen's free
// area; one larger than the area keeps its title bar's corner in it.
TEST(ScreenPlacement, KeptWithinTheFreeArea) {
  const struct {
    const char* name;
    QRect frame;
    QRect available;
    QPoint kept;
  } rows[] = {
      {"inside stays", {129, 100, 616, 500}, {0, 0, 1280, 1024}, {129, 100}},
      {"beyond the right edge", {700, 100, 616, 500}, {0, 0, 1280, 1024}, {664, 100}},
      {"beyond the bottom (scale 2)", {258, 200, 1232, 1000}, {0, 0, 1280, 1024}, {48, 24}},
      {"above a panel at the top", {100, 0, 300, 200}, {0, 30, 1280, 994}, {100, 30}},
      {"larger than the screen", {100, 100, 1400, 1100}, {0, 0, 1280, 1024}, {0, 0}},
      {"on the second screen", {2500, 100, 300, 200}, {1280, 0, 1280, 1024}, {2260, 100}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(ui::KeptWithin(row.frame, row.available), QRect(row.kept, row.frame.size()));
  }
}

// Shrunk as far as they go, the Tools windows' number fields still show
// "-12345.678" whole.
TEST_F(LayoutTest, ToolWindowsKeepTheirFieldsReadable) {
  Action(QStringLiteral("Balance1")).trigger();
  Action(QStringLiteral("WhatIf1")).trigger();
  Action(QStringLiteral("Margins1")).trigger();
  for (const char* name : {"BalanceWindow", "WhatIfWindow", "MarginsWindow"}) {
    SCOPED_TRACE(name);
    QWidget& window = ChildOf<QWidget>(Main(), QString::fromLatin1(name));
    window.resize(1, 1);
    QCoreApplication::processEvents();
    for (const QLineEdit* field : window.findChildren<QLineEdit*>()) {
      if (!field->isVisibleTo(&window)) continue;  // the field choice's own
      SCOPED_TRACE(field->objectName().toStdString());
      EXPECT_GE(field->width(), field->fontMetrics().horizontalAdvance(QStringLiteral("-12345.678")) + 8);
    }
  }
}

}  // namespace
}  // namespace ui_test
