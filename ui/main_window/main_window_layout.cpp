// The main window's controls: where they sit, how they look, what they start with.
#include <algorithm>
#include <array>
#include <span>
#include <string_view>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QToolButton>

#include "diagram/planform.h"
#include "ui/main_window/main_window.h"
#include "ui/main_window/second_opinion_line.h"
#include "ui/main_window/tool_bar.h"
#include "ui/pictures/diagram_image.h"
#include "ui/pictures/dimension_sketch.h"
#include "ui/pictures/icons.h"
#include "ui/pictures/picture_view.h"
#include "ui/platform/appearance.h"

namespace ui {
namespace {

constexpr int kClientWidth = 616;
constexpr int kToolBarHeight = 33;
constexpr auto kStartLanguage = present::Language::English;

// The toolbar's buttons stand side by side from its left edge: the two tool
// buttons, then a push button per language.
constexpr int kToolBarFirstLeft = 4;
constexpr int kToolButtonWidth = 23;
constexpr int kToolBarButtonTop = 2;
constexpr int kToolBarButtonHeight = 22;

constexpr int kSketchTop = 56;
constexpr int kUnitsLineLeft = 96, kUnitsLineTop = 64;
constexpr std::string_view kUnitsLineName = "Label14";
constexpr int kFileNameLineLeft = 11, kFileNameLineTop = 32;
constexpr std::string_view kFileNameLineName = "Lab_fname";
// The least room between the end of the file-name line and the column heads
// on its row.
constexpr int kFileNameGap = 8;

// The result table: the column heads on one line, then a line per row with
// its caption at the left and its values in their columns.
constexpr int kHeadTop = 32;
constexpr int kFirstRowTop = 48;
constexpr int kRowPitch = 16;
constexpr int kRowCaptionLeft = 304;
constexpr int kValueWidth = 35;

constexpr int RowTop(std::size_t row) { return kFirstRowTop + kRowPitch * static_cast<int>(row); }

// The columns, by present::Column: the head (its caption and left edge), and
// where and in which colour the column's values stand.
struct ColumnPlace {
  std::string_view headName;
  int headLeft;
  int valueLeft;
  QRgb colour;
};
constexpr std::array<ColumnPlace, present::kColumnCount> kColumnPlaces = {{
    {"Label1", 416, 416, kBlue},
    {"Label2", 480, 488, kGreen},
    {"Label3", 560, 560, kBlack},
}};

// A margin stands narrow and black between the wing and tailplane columns,
// whatever column the readable table gives it, its unit right after it.
constexpr int kMarginLeft = 440, kMarginWidth = 17, kMarginUnitLeft = 464;

// Below the table the diagram, and below that the warning line and some room.
constexpr int kDiagramLeft = 312;
constexpr int kDiagramTop = RowTop(present::kResultRows.size());
constexpr int kWarningLineLeft = 315;
constexpr int kWarningLineTop = kDiagramTop + diagram::kDiagramHeight;
constexpr int kBottomRoom = 12;
constexpr int kClientHeight =
    std::max(kWarningLineTop + kLineHeight + kBottomRoom, kSketchTop + kSketchHeight + kBottomRoom);

// Where a value stands and how it looks, from its column and its kind.
struct ValueLook {
  int left, width;
  QRgb colour;
  bool bold;
};
ValueLook LookOf(const present::ResultCell& cell) {
  if (cell.kind == present::CellKind::Margin) return {kMarginLeft, kMarginWidth, kBlack, true};
  const ColumnPlace& column = kColumnPlaces[static_cast<std::size_t>(cell.column)];
  return {column.valueLeft, kValueWidth, column.colour, cell.kind == present::CellKind::CentreOfGravity};
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
  dimensionSketch_ = new PictureView(DimensionSketch(), client_);
  dimensionSketch_->setObjectName(QStringLiteral("Image1"));
  dimensionSketch_->move(0, kSketchTop);

  diagramImage_ = new DiagramImage(client_);
  diagramImage_->setObjectName(QStringLiteral("Image2"));
  diagramImage_->move(kDiagramLeft, kDiagramTop);
}

QLabel* MainWindow::addCaption(std::string_view name, int left, int top, const QString& text) {
  auto* label = new QLabel(client_);
  label->setObjectName(Text(name));
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  label->move(left, top);
  SetCaptionFitted(*label, text);
  return label;
}

void MainWindow::buildResultTable() {
  // The captions the language buttons switch start in English.
  const auto addSwitched = [this](std::string_view name, int left, int top, const present::Caption& caption) {
    switchedCaptions_.push_back({addCaption(name, left, top, Text(present::In(caption, kStartLanguage))), caption});
  };
  const present::WindowCaptions& window = present::kWindowCaptions;
  for (std::size_t column = 0; column < present::kColumnCount; ++column) {
    const ColumnPlace& place = kColumnPlaces[column];
    addSwitched(place.headName, place.headLeft, kHeadTop, window.columnHeads[column]);
  }
  const std::span<const present::ResultRow> rows = present::ResultRows();
  for (std::size_t row = 0; row < rows.size(); ++row)
    addSwitched(rows[row].captionName, kRowCaptionLeft, RowTop(row), rows[row].caption);
  addSwitched(kUnitsLineName, kUnitsLineLeft, kUnitsLineTop, window.units);
  for (std::size_t row = 0; row < rows.size(); ++row) {
    for (const present::ResultCell& cell : rows[row].cells) {
      if (cell.kind == present::CellKind::Margin)
        addCaption(cell.unitCaptionName, kMarginUnitLeft, RowTop(row), Text(cell.unit));
    }
  }
  warningLine_ = addCaption(present::kWarningLabelName, kWarningLineLeft, kWarningLineTop, QString());
  SetTextColour(*warningLine_, kRed);
  fileNameLine_ = addCaption(kFileNameLineName, kFileNameLineLeft, kFileNameLineTop, QString());
  SetTextColour(*fileNameLine_, kMaroon);
  // The column heads start with the wing's, the leftmost.
  fileNameRoom_ = kColumnPlaces[0].headLeft - kFileNameLineLeft - kFileNameGap;

  for (std::size_t row = 0; row < rows.size(); ++row) {
    for (const present::ResultCell& cell : rows[row].cells) {
      if (cell.Present()) valueLabels_[cell.order] = addValue(cell, RowTop(row));
    }
  }
}

MainWindow::ValueLabel MainWindow::addValue(const present::ResultCell& cell, int top) {
  const ValueLook look = LookOf(cell);
  // The values keep their size whatever they show, centred on silver.
  auto* label = new QLabel(client_);
  label->setObjectName(Text(cell.name));
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignCenter);
  label->setFixedSize(look.width, kLineHeight);
  label->move(look.left, top);
  SetSilverBackground(*label);
  SetTextColour(*label, look.colour);
  if (look.bold) label->setFont(BoldWindowFont());
  return {&cell, label, look.colour};
}

void MainWindow::fitMarginValue(const present::ResultCell& cell, QLabel& label) {
  // A chosen margin with a decimal is wider than the whole ones the cell is
  // made for: it grows to the right, clear of the row's caption, and its
  // unit moves along; a whole one brings both back.
  constexpr int kAir = 2;
  const int width = std::max(kMarginWidth, label.fontMetrics().horizontalAdvance(label.text()) + kAir);
  if (label.width() == width) return;
  label.setFixedWidth(width);
  if (auto* unit = client_->findChild<QLabel*>(Text(cell.unitCaptionName), Qt::FindDirectChildrenOnly))
    unit->move(kMarginUnitLeft + width - kMarginWidth, unit->y());
}

void MainWindow::fitValue(const present::ResultCell& cell, QLabel& label) {
  // A length of 100 in or more, with the three decimals an inch takes where
  // a millimetre takes one, is wider than the cell made for millimetres: it
  // grows to both sides of its column's centre, into the room between the
  // columns. In millimetres the cell keeps its size, whatever it shows.
  constexpr int kAir = 2;
  const ValueLook look = LookOf(cell);
  int width = look.width;
  if (Units().Length == calc::LengthUnit::Inch)
    width = std::max(width, label.fontMetrics().horizontalAdvance(label.text()) + kAir);
  if (label.width() == width) return;
  label.setFixedWidth(width);
  label.move(look.left - (width - look.width) / 2, label.y());
}

void MainWindow::buildToolBar() {
  toolBar_ = new ToolBarStrip(client_, kToolBarHeight);
  toolBar_->setObjectName(QStringLiteral("ToolBar1"));

  int left = kToolBarFirstLeft;
  const auto addToolButton = [this, &left](const QString& name, const QIcon& icon, const QString& hint) {
    auto* button = new QToolButton(toolBar_);
    button->setObjectName(name);
    button->setGeometry(left, kToolBarButtonTop, kToolButtonWidth, kToolBarButtonHeight);
    left += kToolButtonWidth;
    button->setIcon(icon);
    button->setIconSize(QSize(16, 16));
    button->setToolTip(hint);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
  };
  loadButton_ = addToolButton(QStringLiteral("LoadButton"), OpenFolderIcon(), QStringLiteral("File open"));
  saveAsButton_ = addToolButton(QStringLiteral("SaveButton"), DiskIcon(), QStringLiteral("File save as"));

  for (const present::LanguageEntry& entry : present::kLanguages) {
    auto* button = new QPushButton(Text(entry.buttonCaption), toolBar_);
    button->setObjectName(Text(entry.buttonName));
    button->setGeometry(left, kToolBarButtonTop, entry.buttonWidth, kToolBarButtonHeight);
    left += entry.buttonWidth;
    button->setToolTip(Text(entry.buttonHint));
    button->setAutoDefault(false);
    // Reached by Tab, but a click leaves the focus in the field being typed in.
    button->setFocusPolicy(Qt::TabFocus);
    languageButtons_[static_cast<std::size_t>(entry.language)] = button;
  }
}

void MainWindow::buildStatusLine() {
  secondOpinionLine_ = new SecondOpinionLine(this);
  setStatusBar(secondOpinionLine_);
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
  saveAsAction_ = addItem(fileMenu, QStringLiteral("Saveas1"), QStringLiteral("Save &as"),
                          QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
  printAction_ = addItem(fileMenu, QStringLiteral("Print1"), QStringLiteral("&Print"), QKeySequence::Print);
  fileMenu->addSeparator();
  quitAction_ = addItem(fileMenu, QStringLiteral("Quit1"), QStringLiteral("&Quit"), QKeySequence::Quit);
  QMenu* toolsMenu = addMenu(QStringLiteral("Tools1"), QStringLiteral("&Tools"));
  balanceAction_ = toolsMenu->addAction(QStringLiteral("&Balance check\u2026"));
  balanceAction_->setObjectName(QStringLiteral("Balance1"));
  whatIfAction_ = toolsMenu->addAction(QStringLiteral("&What if\u2026"));
  whatIfAction_->setObjectName(QStringLiteral("WhatIf1"));
  tailHeightAction_ = toolsMenu->addAction(QStringLiteral("Tailplane &height\u2026"));
  tailHeightAction_->setObjectName(QStringLiteral("TailHeight1"));
  marginsAction_ = toolsMenu->addAction(QStringLiteral("&Margins\u2026"));
  marginsAction_->setObjectName(QStringLiteral("Margins1"));
  buildUnitsMenu(*toolsMenu);
  QMenu* helpMenu = addMenu(QStringLiteral("Help1"), QStringLiteral("&Help"));
  aboutAction_ = helpMenu->addAction(QStringLiteral("About"));
  aboutAction_->setObjectName(QStringLiteral("about1"));
}

}  // namespace ui
