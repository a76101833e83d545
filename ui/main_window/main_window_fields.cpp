// The main window's input fields: each lies over its dimension line of the
// picture, in tab order.
#include <algorithm>
#include <climits>
#include <string_view>

#include <QLineEdit>
#include <QPushButton>

#include "ui/main_window/main_window.h"
#include "ui/pictures/dimension_fields.h"
#include "ui/platform/appearance.h"

namespace ui {
namespace {

int FileIndex(std::string_view code) {
  return static_cast<int>(std::ranges::find(calc::kModelFieldCodes, code) - calc::kModelFieldCodes.begin());
}

}  // namespace

void MainWindow::buildFields() {
  for (const DimensionField& place : DimensionFields()) {
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
  for (const DimensionField& place : DimensionFields()) {
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
