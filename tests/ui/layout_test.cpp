// Where the main window's controls sit and how they look.
#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

#include "calc/captions.h"
#include "window_test.h"

namespace ui_test {
namespace {

constexpr QRgb kSilver = qRgb(192, 192, 192);
constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kRed = qRgb(255, 0, 0);
constexpr QRgb kBlue = qRgb(0, 0, 255);
constexpr QRgb kGreen = qRgb(0, 128, 0);
constexpr QRgb kMaroon = qRgb(128, 0, 0);

QRgb TextColour(const QWidget& widget, QPalette::ColorRole role) { return widget.palette().color(role).rgb(); }

class LayoutTest : public WindowTest {
 protected:
  void SetUp() override { ShowWindows(); }
};

struct FieldRow {
  const char* code;
  int left, top, width;
  QRgb colour;
  const char* text;
};

// The fifteen fields in tab order, each 21 high, with no length limit.
TEST_F(LayoutTest, InputFields) {
  const FieldRow rows[] = {
      {"B", 72, 80, 41, kBlue, "1300"},   {"Li", 8, 144, 33, kBlue, "220"},    {"Lk", 128, 144, 33, kBlue, "210"},
      {"La", 256, 128, 33, kBlue, "0"},   {"Vk", 104, 216, 33, kBlue, "-30"},  {"Sa", 192, 200, 33, kBlue, "0"},
      {"Va", 256, 168, 33, kBlue, "0"},   {"Rh", 8, 232, 33, kMaroon, "360"},  {"Bh", 56, 272, 33, kGreen, "415"},
      {"Lih", 8, 320, 33, kGreen, "160"}, {"Lkh", 72, 320, 33, kGreen, "110"}, {"Lah", 128, 312, 33, kGreen, "40"},
      {"Vkh", 56, 376, 33, kGreen, "20"}, {"Sah", 96, 360, 33, kGreen, "50"},  {"Vah", 160, 344, 33, kGreen, "30"}};
  QWidget* expectedNext = nullptr;
  for (const FieldRow& row : rows) {
    SCOPED_TRACE(row.code);
    QLineEdit& field = Field(QString::fromLatin1(row.code));
    EXPECT_EQ(field.parentWidget(), Form1().Client);
    EXPECT_EQ(field.geometry(), QRect(row.left, row.top, row.width, 21));
    EXPECT_EQ(TextColour(field, QPalette::Text), row.colour);
    EXPECT_EQ(field.text(), QString::fromLatin1(row.text));
    EXPECT_GE(field.maxLength(), 1 << 30);
    if (expectedNext) {
      EXPECT_EQ(expectedNext, &field) << "tab order";
    }
    expectedNext = field.nextInFocusChain();
  }
}

// Tab goes through the fields in their order, then the two language buttons,
// and round again; nothing else takes the focus by Tab.
TEST_F(LayoutTest, TabOrder) {
  const QStringList expected = {"Bot_B",   "Bot_Li",  "Bot_Lk",  "Bot_La",  "Bot_Vk",  "Bot_Sa",
                                "Bot_Va",  "Bot_Rh",  "Bot_Bh",  "Bot_Lih", "Bot_Lkh", "Bot_Lah",
                                "Bot_Vkh", "Bot_Sah", "Bot_Vah", "Button1", "Button2", "Bot_B"};
  QStringList visited = {QApplication::focusWidget()->objectName()};
  for (int i = 1; i < expected.size(); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited << QApplication::focusWidget()->objectName();
  }
  EXPECT_EQ(visited, expected);
}

struct ValueRow {
  const char* name;
  int left, top, width;
  QRgb colour;
  bool bold;
};

// The value labels are fixed in size, centred, on silver.
TEST_F(LayoutTest, ValueLabels) {
  const ValueRow rows[] = {
      {"Lab_St", 416, 48, 35, kBlue, false},     {"Lab_Sh", 488, 48, 35, kGreen, false},
      {"Lab_S", 560, 48, 35, kBlack, false},     {"Lab_Lmt", 416, 64, 35, kBlue, false},
      {"Lab_Lmh", 488, 64, 35, kGreen, false},   {"Lab_Lamt", 416, 80, 35, kBlue, false},
      {"Lab_Lamh", 488, 80, 35, kGreen, false},  {"Lab_Caalt", 416, 96, 35, kBlue, false},
      {"Lab_Caalh", 488, 96, 35, kGreen, false}, {"Lab_Caal", 560, 96, 35, kBlack, false},
      {"Lab_Rnpt", 416, 112, 35, kBlue, false},  {"Lab_Rnph", 488, 112, 35, kGreen, false},
      {"Lab_Rnp", 560, 112, 35, kBlack, false},  {"Lab_Xnplm", 560, 128, 35, kBlack, false},
      {"Lab_Rhe", 560, 144, 35, kBlack, false},  {"Lab_Emdeda", 488, 160, 35, kGreen, false},
      {"Lab_Rsp2", 560, 176, 35, kBlack, true},  {"Lab_Rsp1", 560, 192, 35, kBlack, true},
      {"Lab_Stabv", 440, 176, 17, kBlack, true}, {"Lab_Stabh", 440, 192, 17, kBlack, true}};
  for (const ValueRow& row : rows) {
    SCOPED_TRACE(row.name);
    QLabel& label = NamedLabel(QString::fromLatin1(row.name));
    EXPECT_EQ(label.geometry(), QRect(row.left, row.top, row.width, 13));
    EXPECT_EQ(label.minimumSize(), label.maximumSize());
    EXPECT_EQ(label.alignment(), Qt::AlignCenter);
    EXPECT_EQ(TextColour(label, QPalette::WindowText), row.colour);
    EXPECT_EQ(label.font().bold(), row.bold);
    EXPECT_TRUE(label.autoFillBackground());
    EXPECT_EQ(label.palette().color(QPalette::Window).rgb(), kSilver);
    EXPECT_EQ(label.textFormat(), Qt::PlainText);
  }
}

struct CaptionRow {
  const char* name;
  int left, top;
  QString text;
  QRgb colour;
};

// Caption labels stand at their left edge and top and are as wide as their text.
TEST_F(LayoutTest, CaptionLabels) {
  const CaptionRow rows[] = {
      {"Label1", 416, 32, "wing:", kBlack},
      {"Label2", 480, 32, "tailplane:", kBlack},
      {"Label3", 560, 32, "total:", kBlack},
      {"Label4", 304, 48, "area by dm**2:", kBlack},
      {"Label5", 304, 64, "mean aerodyn. chord:", kBlack},
      {"Label6", 304, 80, "aspect ratio:", kBlack},
      {"Label7", 304, 96, "lift slope:", kBlack},
      {"Label8", 304, 112, "aerodynamic center:", kBlack},
      {"Label9", 304, 128, "aerodynamic center by %:", kBlack},
      {"Label10", 304, 144, "lever arm:", kBlack},
      {"Label11", 304, 160, "down wash factor:", kBlack},
      {"Label12", 304, 176, "centre of gravity by stability:", kBlack},
      {"Label13", 304, 192, "centre of gravity by stability:", kBlack},
      {"Label14", 96, 64, "all measure in millimeter", kBlack},
      {"Label15", 464, 176, "%:", kBlack},
      {"Label16", 464, 192, "%:", kBlack},
      {"Label17", 315, 400, "", kRed},
      {"Lab_fname", 11, 32, "NoName", kMaroon},
  };
  for (const CaptionRow& row : rows) {
    SCOPED_TRACE(row.name);
    QLabel& label = NamedLabel(QString::fromLatin1(row.name));
    EXPECT_EQ(label.pos(), QPoint(row.left, row.top));
    EXPECT_EQ(label.height(), 13);
    EXPECT_EQ(label.text(), row.text);
    EXPECT_EQ(label.width(), label.sizeHint().width());
    EXPECT_GE(label.width(), label.fontMetrics().horizontalAdvance(row.text));
    EXPECT_EQ(TextColour(label, QPalette::WindowText), row.colour);
    EXPECT_FALSE(label.font().bold());
  }
}

// The window's face is small enough that every row caption, in both
// languages, ends before the first value to its right, and the widest usual
// values fit their labels.
TEST_F(LayoutTest, CaptionsEndBeforeTheirValues) {
  const struct {
    int label;   // Label4 .. Label13, and the column heads Label1 .. Label3
    int limit;   // left edge of the next control to the right
  } rows[] = {{1, 480}, {2, 560}, {3, 616}, {4, 416},  {5, 416},  {6, 416},  {7, 416},
              {8, 416}, {9, 560}, {10, 560}, {11, 488}, {12, 440}, {13, 440}};
  const QFontMetrics metrics(Form1().font());
  for (const calc::CaptionSet* set : {&calc::kEnglishCaptions, &calc::kGermanCaptions}) {
    for (const auto& row : rows) {
      const std::string_view text = set->TableLabels[row.label - 1];
      SCOPED_TRACE(std::string(text));
      const int left = Form1().Label(row.label)->x();
      EXPECT_LE(left + metrics.horizontalAdvance(QString::fromUtf8(text.data(), qsizetype(text.size()))), row.limit);
    }
  }
  const QFontMetrics bold(NamedLabel(QStringLiteral("Lab_Rsp1")).font());
  for (const char* value : {"888.8", "-88.8", "0.441", "+Inf"}) {
    SCOPED_TRACE(value);
    EXPECT_LE(bold.horizontalAdvance(QString::fromLatin1(value)), 35);
  }
  EXPECT_LE(bold.horizontalAdvance(QStringLiteral("16")), 17);
  EXPECT_EQ(Form1().font().pixelSize(), 11);
  EXPECT_EQ(QFontInfo(Form1().font()).styleHint(), QFont::SansSerif);
}

// Pictures, the diagram area and the toolbar with its buttons.
TEST_F(LayoutTest, PicturesAndToolbar) {
  EXPECT_EQ(Form1().Image1->geometry(), QRect(0, 56, 292, 341));
  EXPECT_EQ(Form1().Image1->pixmap().size(), QSize(292, 341));
  EXPECT_EQ(Form1().Image2->geometry(), QRect(312, 208, 272, 192));
  EXPECT_EQ(Form1().ToolBar1->geometry(), QRect(0, 0, 616, 33));
  EXPECT_EQ(Form1().ToolBar1->palette().color(QPalette::Window).rgb(), kSilver);
  const struct {
    QAbstractButton* button;
    QRect geometry;
    QString caption, hint;
  } buttons[] = {
      {Form1().LoadButton, {4, 2, 23, 22}, {}, "File open"},
      {Form1().SaveButton, {27, 2, 23, 22}, {}, "File save as"},
      {Form1().Button1, {50, 2, 55, 22}, "deutsch", "english version"},
      {Form1().Button2, {105, 2, 56, 22}, "english", "german version"},
  };
  for (const auto& b : buttons) {
    SCOPED_TRACE(b.button->objectName().toStdString());
    EXPECT_EQ(b.button->parentWidget(), Form1().ToolBar1);
    EXPECT_EQ(b.button->geometry(), b.geometry);
    EXPECT_EQ(b.button->text(), b.caption);
    EXPECT_EQ(b.button->toolTip(), b.hint);
    EXPECT_EQ(b.button->icon().isNull(), !b.caption.isEmpty());
  }
  EXPECT_EQ(Form1().LoadButton->iconSize(), QSize(16, 16));
}

// The menu: File with Load, Save, Save as, Print; Help with About.
TEST_F(LayoutTest, Menu) {
  const auto items = [](QMenu* menu) {
    QStringList texts;
    for (QAction* action : menu->actions()) texts << action->objectName() + "=" + action->text();
    return texts;
  };
  EXPECT_FALSE(Form1().MainMenu1->isNativeMenuBar());
  ASSERT_EQ(Form1().MainMenu1->actions().size(), 2);
  EXPECT_EQ(Form1().MainMenu1->actions()[0]->menu(), Form1().File1);
  EXPECT_EQ(Form1().MainMenu1->actions()[1]->menu(), Form1().Help1);
  EXPECT_EQ(Form1().File1->title(), QStringLiteral("File"));
  EXPECT_EQ(Form1().Help1->title(), QStringLiteral("Help"));
  EXPECT_EQ(items(Form1().File1),
            QStringList({"Load1=&Load", "Save1=&Save", "Saveas1=&Save as", "Print1=&Print"}));
  EXPECT_EQ(items(Form1().Help1), QStringList({"about1=About"}));
}

// Title, position, silver client area of exactly 616 x 425 below the menu.
TEST_F(LayoutTest, Window) {
  EXPECT_EQ(Form1().windowTitle(),
            QStringLiteral(" Static stability and Center of Gravity positions for model airplanes"));
  EXPECT_EQ(Form1().pos(), QPoint(129, 100));  // the outer corner
  EXPECT_EQ(Form1().ScrollBox->viewport()->size(), QSize(616, 425));
  EXPECT_EQ(Form1().Client->size(), QSize(616, 425));
  EXPECT_EQ(Form1().ScrollBox->y(), Form1().MainMenu1->height());
  EXPECT_FALSE(Form1().windowIcon().isNull());
  const QImage client = Form1().Client->grab().toImage();
  for (const QPoint empty : {QPoint(610, 300), QPoint(300, 410), QPoint(5, 48)}) {
    SCOPED_TRACE(empty.x());
    EXPECT_EQ(client.pixel(empty), kSilver);
  }
}

// Enlarging the window moves no control and shows more silver; shrinking it
// below its contents brings up scroll bars.
TEST_F(LayoutTest, ResizingMovesNoControl) {
  const QPoint fieldPlace = Field(QStringLiteral("Vah")).pos();
  Form1().resize(900, 700);
  QApplication::processEvents();
  EXPECT_EQ(Field(QStringLiteral("Vah")).pos(), fieldPlace);
  EXPECT_EQ(Form1().Image2->pos(), QPoint(312, 208));
  EXPECT_GT(Form1().Client->width(), 616);
  EXPECT_EQ(Form1().ToolBar1->width(), Form1().Client->width());
  EXPECT_EQ(Form1().Client->grab().toImage().pixel(850, 600), kSilver);
  EXPECT_FALSE(Form1().ScrollBox->horizontalScrollBar()->isVisible());

  Form1().resize(300, 200);
  QApplication::processEvents();
  EXPECT_EQ(Form1().Client->size(), QSize(616, 425));
  EXPECT_TRUE(Form1().ScrollBox->horizontalScrollBar()->isVisible());
  EXPECT_TRUE(Form1().ScrollBox->verticalScrollBar()->isVisible());
  EXPECT_EQ(Field(QStringLiteral("Vah")).pos(), fieldPlace);
}

// Until the first drawing the diagram area shows the window's silver.
TEST(DiagramArea, SilverUntilFirstDrawn) {
  ScriptedDialogs dialogs;
  ui::ProgramWindows windows(dialogs, kTitle);
  QWidget* client = windows.Form1().Client;
  client->resize(616, 425);
  const QImage picture = client->grab().toImage();
  for (const QPoint p : {QPoint(312, 208), QPoint(448, 304), QPoint(583, 399)}) {
    SCOPED_TRACE(p.x());
    EXPECT_EQ(picture.pixel(p), kSilver);
  }
}

// The About window: title, place, silver, and its O.K. button.
TEST_F(LayoutTest, AboutWindow) {
  EXPECT_EQ(Form2().windowTitle(), QStringLiteral("About"));
  EXPECT_EQ(Form2().pos(), QPoint(190, 202));
  EXPECT_FALSE(Form2().isVisible());
  EXPECT_EQ(Form2().palette().color(QPalette::Window).rgb(), kSilver);
  EXPECT_EQ(Form2().Button1->geometry(), QRect(152, 200, 75, 25));
  EXPECT_EQ(Form2().Button1->text(), QStringLiteral("O.K."));
  EXPECT_FALSE(Form2().testAttribute(Qt::WA_QuitOnClose));
}

}  // namespace
}  // namespace ui_test
