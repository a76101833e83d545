// The main window's controls: where they sit, how they look, what they start with.
#include <algorithm>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QToolButton>

#include "ui/pictures/diagram_image.h"
#include "ui/main_window/main_window.h"
#include "ui/pictures/icons.h"
#include "ui/platform/appearance.h"
#include "ui/pictures/dimension_sketch.h"
#include "ui/main_window/tool_bar.h"

namespace ui {
namespace {

constexpr int kClientWidth = 616;
constexpr int kClientHeight = 425;
constexpr int kToolBarHeight = 33;
// The least room between the end of the file-name line and the column heads
// on its row.
constexpr int kFileNameGap = 8;
constexpr auto kStartLanguage = present::Language::English;


// The captions, by object name: each keeps its left edge and top and takes
// the width of its text.
struct CaptionPlace {
  std::string_view name;
  int left, top;
  std::optional<QRgb> colour = std::nullopt;  // none: the window's text colour
};
constexpr CaptionPlace kCaptionPlaces[] = {
    {"Label1", 416, 32},   {"Label2", 480, 32},   {"Label3", 560, 32},  // column heads
    {"Label4", 304, 48},   {"Label5", 304, 64},   {"Label6", 304, 80},  // row captions
    {"Label7", 304, 96},   {"Label8", 304, 112},  {"Label9", 304, 128},
    {"Label10", 304, 144}, {"Label11", 304, 160}, {"Label12", 304, 176},
    {"Label13", 304, 192},
    {"Label14", 96, 64},                                                // units line
    {"Label15", 464, 176}, {"Label16", 464, 192},                       // units after values
    {"Label17", 315, 400, kRed},                                        // warning line
    {"Lab_fname", 11, 32, kMaroon},                                     // file-name line
};

// The column heads' names, by present::Column.
constexpr std::array<std::string_view, present::kColumnCount> kColumnHeadNames = {"Label1", "Label2", "Label3"};
constexpr std::string_view kUnitsLineName = "Label14";
constexpr std::string_view kFileNameLineName = "Lab_fname";

// The result values by their cell's name. Columns are wing (blue),
// tailplane (green) and total (black); the two margins and the centres of
// gravity they give are bold. A cell with a unit shows it in its own caption.
struct ValuePlace {
  std::string_view name;
  int left, top, width;
  QRgb colour;
  bool bold;
  std::string_view unitCaption = {};
};
constexpr ValuePlace kValuePlaces[] = {
    {"Lab_St", 416, 48, 35, kBlue, false},     {"Lab_Lmt", 416, 64, 35, kBlue, false},
    {"Lab_Lamt", 416, 80, 35, kBlue, false},   {"Lab_Caalt", 416, 96, 35, kBlue, false},
    {"Lab_Rnpt", 416, 112, 35, kBlue, false},  {"Lab_Sh", 488, 48, 35, kGreen, false},
    {"Lab_Lmh", 488, 64, 35, kGreen, false},   {"Lab_Lamh", 488, 80, 35, kGreen, false},
    {"Lab_Caalh", 488, 96, 35, kGreen, false}, {"Lab_Rnph", 488, 112, 35, kGreen, false},
    {"Lab_S", 560, 48, 35, kBlack, false},     {"Lab_Caal", 560, 96, 35, kBlack, false},
    {"Lab_Rnp", 560, 112, 35, kBlack, false},  {"Lab_Xnplm", 560, 128, 35, kBlack, false},
    {"Lab_Rhe", 560, 144, 35, kBlack, false},  {"Lab_Emdeda", 488, 160, 35, kGreen, false},
    {"Lab_Rsp2", 560, 176, 35, kBlack, true},  {"Lab_Rsp1", 560, 192, 35, kBlack, true},
    {"Lab_Stabv", 440, 176, 17, kBlack, true, "Label15"},
    {"Lab_Stabh", 440, 192, 17, kBlack, true, "Label16"}};

// The place of a control; a name without one is a mistake in these tables.
template <class Place, std::size_t Count>
const Place& PlaceOf(const Place (&places)[Count], std::string_view name) {
  const auto found = std::ranges::find(places, name, &Place::name);
  if (found == std::end(places)) throw std::logic_error("no place for " + std::string(name));
  return *found;
}


}  // namespace

void MainWindow::buildClientArea() {
  scrollArea_ = new QScrollArea(this);
  scrollArea_->setObjectName(QStringLiteral("ScrollBox"));
  scrollArea_->setFrameShape(QFrame::NoFrame);
  scrollArea_->setFocusPolicy(Qt::NoFocus);
  // The contents grow with the window but never shrink below their size;
  // below it the scroll bars appear. No control ever moves.
  scrollArea_->setWidgetResizable(true);
  client_ = new QWidget;
  client_->setObjectName(QStringLiteral("Client"));
  client_->setMinimumSize(kClientWidth, kClientHeight);
  SetSilverBackground(*client_);
  scrollArea_->setWidget(client_);
  setCentralWidget(scrollArea_);

  // First, so that the fields and the units line lie on top of it.
  dimensionSketch_ = new QLabel(client_);
  dimensionSketch_->setObjectName(QStringLiteral("Image1"));
  dimensionSketch_->setPixmap(DimensionSketch());
  dimensionSketch_->setGeometry(0, 56, kSketchWidth, kSketchHeight);

  diagramImage_ = new DiagramImage(client_);
  diagramImage_->setObjectName(QStringLiteral("Image2"));
  diagramImage_->move(312, 208);
}

QLabel* MainWindow::addCaption(std::string_view name, const QString& text) {
  const CaptionPlace& place = PlaceOf(kCaptionPlaces, name);
  auto* label = new QLabel(client_);
  label->setObjectName(Text(name));
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  label->move(place.left, place.top);
  if (place.colour) SetTextColour(*label, *place.colour);
  SetCaptionFitted(*label, text);
  return label;
}

void MainWindow::buildResultTable() {
  // The captions the language buttons switch start in English.
  const auto addSwitched = [this](std::string_view name, const present::Caption& caption) {
    switchedCaptions_.push_back({addCaption(name, Text(present::In(caption, kStartLanguage))), caption});
  };
  const present::WindowCaptions& window = present::kWindowCaptions;
  for (std::size_t column = 0; column < present::kColumnCount; ++column)
    addSwitched(kColumnHeadNames[column], window.columnHeads[column]);
  for (const present::ResultRow& row : present::ResultRows()) addSwitched(row.captionName, row.caption);
  addSwitched(kUnitsLineName, window.units);
  for (const present::ResultRow& row : present::ResultRows()) {
    for (const present::ResultCell& cell : row.cells) {
      if (!cell.Present() || cell.unit.empty()) continue;
      addCaption(PlaceOf(kValuePlaces, cell.name).unitCaption, Text(cell.unit));
    }
  }
  warningLine_ = addCaption(present::kWarningLabelName, QString());
  fileNameLine_ = addCaption(kFileNameLineName, QString());
  // The column heads start with the wing's, the leftmost.
  fileNameRoom_ = PlaceOf(kCaptionPlaces, kColumnHeadNames[0]).left - PlaceOf(kCaptionPlaces, kFileNameLineName).left -
                  kFileNameGap;

  // The values keep their size whatever they show, centred on silver.
  for (const present::ResultCell* cell : present::CellsInLabelOrder()) {
    const ValuePlace& place = PlaceOf(kValuePlaces, cell->name);
    auto* label = new QLabel(client_);
    label->setObjectName(Text(place.name));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignCenter);
    label->setFixedSize(place.width, kLineHeight);
    label->move(place.left, place.top);
    SetSilverBackground(*label);
    SetTextColour(*label, place.colour);
    if (place.bold) label->setFont(BoldWindowFont());
    valueLabels_.push_back({cell, label, place.colour});
  }
}

void MainWindow::buildToolBar() {
  toolBar_ = new ToolBarStrip(client_, kToolBarHeight);
  toolBar_->setObjectName(QStringLiteral("ToolBar1"));

  const auto addToolButton = [this](const QString& name, int left, const QIcon& icon, const QString& hint) {
    auto* button = new QToolButton(toolBar_);
    button->setObjectName(name);
    button->setGeometry(left, 2, 23, 22);
    button->setIcon(icon);
    button->setIconSize(QSize(16, 16));
    button->setToolTip(hint);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
  };
  loadButton_ = addToolButton(QStringLiteral("LoadButton"), 4, OpenFolderIcon(), QStringLiteral("File open"));
  saveAsButton_ = addToolButton(QStringLiteral("SaveButton"), 27, DiskIcon(), QStringLiteral("File save as"));

  const auto addPushButton = [this](const QString& name, int left, int width, const QString& caption,
                                    const QString& hint) {
    auto* button = new QPushButton(caption, toolBar_);
    button->setObjectName(name);
    button->setGeometry(left, 2, width, 22);
    button->setToolTip(hint);
    button->setAutoDefault(false);
    return button;
  };
  germanButton_ =
      addPushButton(QStringLiteral("Button1"), 50, 55, QStringLiteral("deutsch"), QStringLiteral("english version"));
  englishButton_ =
      addPushButton(QStringLiteral("Button2"), 105, 56, QStringLiteral("english"), QStringLiteral("german version"));
}


void MainWindow::buildMenu() {
  menuBar_ = menuBar();
  menuBar_->setObjectName(QStringLiteral("MainMenu1"));
  // The menu is part of the window on every desktop, as laid out.
  menuBar_->setNativeMenuBar(false);
  const auto addMenu = [this](const QString& name, const QString& caption) {
    QMenu* menu = menuBar_->addMenu(caption);
    menu->setObjectName(name);
    return menu;
  };
  const auto addItem = [](QMenu* menu, const QString& name, const QString& caption, const QKeySequence& key) {
    QAction* item = menu->addAction(caption);
    item->setObjectName(name);
    item->setShortcut(key);
    return item;
  };
  QMenu* fileMenu = addMenu(QStringLiteral("File1"), QStringLiteral("&File"));
  loadAction_ = addItem(fileMenu, QStringLiteral("Load1"), QStringLiteral("&Load"), QKeySequence::Open);
  saveAction_ = addItem(fileMenu, QStringLiteral("Save1"), QStringLiteral("&Save"), QKeySequence::Save);
  // The desktop's own keys for the commands, shown beside the items; Save as
  // has none on several desktops, so it takes the key most of them use.
  saveAsAction_ = addItem(fileMenu, QStringLiteral("Saveas1"), QStringLiteral("&Save as"),
                          QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
  printAction_ = addItem(fileMenu, QStringLiteral("Print1"), QStringLiteral("&Print"), QKeySequence::Print);
  fileMenu->addSeparator();
  quitAction_ = addItem(fileMenu, QStringLiteral("Quit1"), QStringLiteral("&Quit"), QKeySequence::Quit);
  QMenu* toolsMenu = addMenu(QStringLiteral("Tools1"), QStringLiteral("&Tools"));
  balanceAction_ = toolsMenu->addAction(QStringLiteral("&Balance check\u2026"));
  balanceAction_->setObjectName(QStringLiteral("Balance1"));
  whatIfAction_ = toolsMenu->addAction(QStringLiteral("&What if\u2026"));
  whatIfAction_->setObjectName(QStringLiteral("WhatIf1"));
  QMenu* helpMenu = addMenu(QStringLiteral("Help1"), QStringLiteral("&Help"));
  aboutAction_ = helpMenu->addAction(QStringLiteral("About"));
  aboutAction_->setObjectName(QStringLiteral("about1"));
}

}  // namespace ui
