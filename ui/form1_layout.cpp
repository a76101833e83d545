// The main window's controls: where they sit, how they look, what they start with.
#include <algorithm>
#include <climits>
#include <string_view>

#include "calc/captions.h"
#include "ui/form1.h"
#include "ui/icons.h"
#include "ui/look.h"
#include "ui/sketch.h"
#include "ui/tool_bar.h"

namespace ui {
namespace {

inline constexpr int kClientWidth = 616;
inline constexpr int kClientHeight = 425;
inline constexpr int kFieldHeight = 21;
inline constexpr int kToolBarHeight = 33;

// The input fields in tab order, each over its dimension line of the picture.
struct FieldPlace {
  std::string_view code;
  int left, top, width;
  QRgb colour;  // blue wing, green tailplane, maroon the gap between them
};
constexpr FieldPlace kFieldPlaces[] = {
    {"B", 72, 80, 41, kBlue},      {"Li", 8, 144, 33, kBlue},     {"Lk", 128, 144, 33, kBlue},
    {"La", 256, 128, 33, kBlue},   {"Vk", 104, 216, 33, kBlue},   {"Sa", 192, 200, 33, kBlue},
    {"Va", 256, 168, 33, kBlue},   {"Rh", 8, 232, 33, kMaroon},   {"Bh", 56, 272, 33, kGreen},
    {"Lih", 8, 320, 33, kGreen},   {"Lkh", 72, 320, 33, kGreen},  {"Lah", 128, 312, 33, kGreen},
    {"Vkh", 56, 376, 33, kGreen},  {"Sah", 96, 360, 33, kGreen},  {"Vah", 160, 344, 33, kGreen}};
static_assert(std::size(kFieldPlaces) == calc::kModelFieldCount);

// The result values in the order the recalculation writes them; the columns
// are wing (blue), tailplane (green) and total (black).
struct ValuePlace {
  std::string_view name;
  int left, top, width;
  QRgb colour;
  bool bold;
};
constexpr ValuePlace kValuePlaces[] = {
    {"Lab_St", 416, 48, 35, kBlue, false},      {"Lab_Lmt", 416, 64, 35, kBlue, false},
    {"Lab_Lamt", 416, 80, 35, kBlue, false},    {"Lab_Caalt", 416, 96, 35, kBlue, false},
    {"Lab_Rnpt", 416, 112, 35, kBlue, false},   {"Lab_Sh", 488, 48, 35, kGreen, false},
    {"Lab_Lmh", 488, 64, 35, kGreen, false},    {"Lab_Lamh", 488, 80, 35, kGreen, false},
    {"Lab_Caalh", 488, 96, 35, kGreen, false},  {"Lab_Rnph", 488, 112, 35, kGreen, false},
    {"Lab_S", 560, 48, 35, kBlack, false},      {"Lab_Caal", 560, 96, 35, kBlack, false},
    {"Lab_Rnp", 560, 112, 35, kBlack, false},   {"Lab_Xnplm", 560, 128, 35, kBlack, false},
    {"Lab_Rhe", 560, 144, 35, kBlack, false},   {"Lab_Emdeda", 488, 160, 35, kGreen, false},
    {"Lab_Rsp2", 560, 176, 35, kBlack, true},   {"Lab_Rsp1", 560, 192, 35, kBlack, true},
    {"Lab_Stabv", 440, 176, 17, kBlack, true},  {"Lab_Stabh", 440, 192, 17, kBlack, true}};
static_assert(std::size(kValuePlaces) == calc::kResultLabelCount);
static_assert(std::ranges::equal(kValuePlaces, calc::kResultLabelNames, {}, &ValuePlace::name));

int FileIndex(std::string_view code) {
  return static_cast<int>(std::ranges::find(calc::kModelFieldCodes, code) - calc::kModelFieldCodes.begin());
}

}  // namespace

void TForm1::BuildClientArea() {
  ScrollBox = new QScrollArea(this);
  ScrollBox->setObjectName(QStringLiteral("ScrollBox"));
  ScrollBox->setFrameShape(QFrame::NoFrame);
  ScrollBox->setFocusPolicy(Qt::NoFocus);
  // The contents grow with the window but never shrink below their size;
  // below it the scroll bars appear. No control ever moves.
  ScrollBox->setWidgetResizable(true);
  Client = new QWidget;
  Client->setObjectName(QStringLiteral("Client"));
  Client->setMinimumSize(kClientWidth, kClientHeight);
  SetSilverBackground(*Client);
  ScrollBox->setWidget(Client);
  setCentralWidget(ScrollBox);

  Image1 = new QLabel(Client);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setPixmap(DimensionSketch());
  Image1->setGeometry(0, 56, kSketchWidth, kSketchHeight);

  Image2 = new DiagramImage(Client);
  Image2->setObjectName(QStringLiteral("Image2"));
  Image2->move(312, 208);
}

QLabel* TForm1::AddCaption(const QString& name, int left, int top, const QString& text) {
  auto* label = new QLabel(Client);
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  label->move(left, top);
  SetCaptionFitted(*label, text);
  return label;
}

void TForm1::BuildResultTable() {
  const calc::CaptionSet& english = calc::kEnglishCaptions;
  const int headLefts[] = {416, 480, 560};
  for (int number = 1; number <= 13; ++number) {
    const bool columnHead = number <= 3;
    Labels[number - 1] = AddCaption(QStringLiteral("Label%1").arg(number), columnHead ? headLefts[number - 1] : 304,
                                    columnHead ? 32 : 48 + 16 * (number - 4), Text(english.TableLabels[number - 1]));
  }
  Labels[13] = AddCaption(QStringLiteral("Label14"), 96, 64, Text(english.Label14));
  Labels[14] = AddCaption(QStringLiteral("Label15"), 464, 176, QStringLiteral("%:"));
  Labels[15] = AddCaption(QStringLiteral("Label16"), 464, 192, QStringLiteral("%:"));
  Labels[16] = AddCaption(QStringLiteral("Label17"), 315, 400, QString());
  SetTextColour(*Labels[16], kRed);
  Lab_fname = AddCaption(QStringLiteral("Lab_fname"), 11, 32, QString());
  SetTextColour(*Lab_fname, kMaroon);

  // The values keep their size whatever they show, centred on silver.
  for (int i = 0; i < calc::kResultLabelCount; ++i) {
    const ValuePlace& place = kValuePlaces[i];
    auto* label = new QLabel(Client);
    label->setObjectName(Text(place.name));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignCenter);
    label->setFixedSize(place.width, kLineHeight);
    label->move(place.left, place.top);
    SetSilverBackground(*label);
    SetTextColour(*label, place.colour);
    if (place.bold) label->setFont(BoldWindowFont());
    ResultLabels[i] = label;
  }
}

void TForm1::BuildToolBar() {
  ToolBar1 = new ToolBarStrip(Client, kToolBarHeight);
  ToolBar1->setObjectName(QStringLiteral("ToolBar1"));

  const auto addToolButton = [this](const QString& name, int left, const QIcon& icon, const QString& hint) {
    auto* button = new QToolButton(ToolBar1);
    button->setObjectName(name);
    button->setGeometry(left, 2, 23, 22);
    button->setIcon(icon);
    button->setIconSize(QSize(16, 16));
    button->setToolTip(hint);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
  };
  LoadButton = addToolButton(QStringLiteral("LoadButton"), 4, OpenFolderIcon(), QStringLiteral("File open"));
  SaveButton = addToolButton(QStringLiteral("SaveButton"), 27, DiskIcon(), QStringLiteral("File save as"));

  const auto addPushButton = [this](const QString& name, int left, int width, const QString& caption,
                                    const QString& hint) {
    auto* button = new QPushButton(caption, ToolBar1);
    button->setObjectName(name);
    button->setGeometry(left, 2, width, 22);
    button->setToolTip(hint);
    button->setAutoDefault(false);
    return button;
  };
  Button1 = addPushButton(QStringLiteral("Button1"), 50, 55, QStringLiteral("deutsch"), QStringLiteral("english version"));
  Button2 = addPushButton(QStringLiteral("Button2"), 105, 56, QStringLiteral("english"), QStringLiteral("german version"));
}

void TForm1::BuildFields() {
  for (const FieldPlace& place : kFieldPlaces) {
    const int index = FileIndex(place.code);
    auto* field = new QLineEdit(Client);
    field->setObjectName(QStringLiteral("Bot_") + Text(place.code));
    field->setGeometry(place.left, place.top, place.width, kFieldHeight);
    field->setMaxLength(INT_MAX);  // no limit: every text becomes some number
    SetTextColour(*field, place.colour);
    field->setText(Text(calc::kDefaultFieldTexts[index]));
    Fields[index] = field;
  }
}

void TForm1::ArrangeTabOrder() {
  // The fields in their order, then the toolbar's push buttons; the fields
  // are created first, so the first activation puts the focus into Bot_B.
  QWidget* previous = nullptr;
  for (const FieldPlace& place : kFieldPlaces) {
    QWidget* field = Fields[FileIndex(place.code)];
    if (previous) setTabOrder(previous, field);
    previous = field;
  }
  setTabOrder(previous, Button1);
  setTabOrder(Button1, Button2);
}

void TForm1::BuildMenu() {
  MainMenu1 = menuBar();
  MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
  // The menu is part of the window on every desktop, as laid out.
  MainMenu1->setNativeMenuBar(false);
  const auto addMenu = [this](const QString& name, const QString& caption) {
    QMenu* menu = MainMenu1->addMenu(caption);
    menu->setObjectName(name);
    return menu;
  };
  const auto addItem = [](QMenu* menu, const QString& name, const QString& caption) {
    QAction* item = menu->addAction(caption);
    item->setObjectName(name);
    return item;
  };
  File1 = addMenu(QStringLiteral("File1"), QStringLiteral("File"));
  Load1 = addItem(File1, QStringLiteral("Load1"), QStringLiteral("&Load"));
  Save1 = addItem(File1, QStringLiteral("Save1"), QStringLiteral("&Save"));
  Saveas1 = addItem(File1, QStringLiteral("Saveas1"), QStringLiteral("&Save as"));
  Print1 = addItem(File1, QStringLiteral("Print1"), QStringLiteral("&Print"));
  Help1 = addMenu(QStringLiteral("Help1"), QStringLiteral("Help"));
  about1 = addItem(Help1, QStringLiteral("about1"), QStringLiteral("About"));
}

}  // namespace ui
