// The main window's input fields: each lies over its dimension line of the
// picture, in tab order.
#include <algorithm>
#include <climits>
#include <string_view>

#include <QLineEdit>
#include <QPushButton>

#include "ui/main_window/main_window.h"
#include "ui/platform/appearance.h"

namespace ui {
namespace {

constexpr int kFieldHeight = 21;

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

int FileIndex(std::string_view code) {
  return static_cast<int>(std::ranges::find(calc::kModelFieldCodes, code) - calc::kModelFieldCodes.begin());
}

}  // namespace

void MainWindow::buildFields() {
  for (const FieldPlace& place : kFieldPlaces) {
    const int index = FileIndex(place.code);
    auto* field = new QLineEdit(client_);
    field->setObjectName(QStringLiteral("Bot_") + Text(place.code));
    field->setGeometry(place.left, place.top, place.width, kFieldHeight);
    field->setMaxLength(INT_MAX);  // no limit: every text becomes some number
    SetTextColour(*field, place.colour);
    field->setText(Text(calc::kDefaultFieldTexts[index]));
    fields_[index] = field;
  }
}

void MainWindow::arrangeTabOrder() {
  // The fields in their order, then the toolbar's push buttons; the fields
  // are created first, so the first activation puts the focus into Bot_B.
  QWidget* previous = nullptr;
  for (const FieldPlace& place : kFieldPlaces) {
    QWidget* field = fields_[FileIndex(place.code)];
    if (previous) setTabOrder(previous, field);
    previous = field;
  }
  for (QWidget* button : languageButtons_) {
    setTabOrder(previous, button);
    previous = button;
  }
}

}  // namespace ui
