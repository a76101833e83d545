// Tools / Units: the model shown and typed in millimetres or inches, grams or
// ounces. The model, the calculation and the files keep millimetres; a field
// converts only what the builder types into it.
#include <algorithm>
#include <span>

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QStyle>

#include "present/unit_captions.h"
#include "ui/main_window/main_window.h"
#include "ui/main_window/second_opinion_line.h"
#include "ui/pictures/dimension_fields.h"
#include "ui/pictures/dimension_sketch.h"
#include "ui/platform/appearance.h"
#include "ui/tools/tool_windows.h"

namespace ui {
namespace {

const DimensionField& PlaceOf(int index) {
  const std::span<const DimensionField> places = DimensionFields();
  return *std::ranges::find(places, calc::kModelFieldCodes[index], &DimensionField::code);
}

// The width that shows all of a field's text.
int WholeTextWidth(const QLineEdit& field) {
  constexpr int kInnerMargin = 2;  // a line edit's own, inside its frame
  const int frame = field.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &field);
  return field.fontMetrics().horizontalAdvance(field.text()) + 2 * (frame + kInnerMargin) + 1;
}

}  // namespace

void MainWindow::buildUnitsMenu(QMenu& toolsMenu) {
  unitsMenu_ = toolsMenu.addMenu(QStringLiteral("&Units"));
  unitsMenu_->setObjectName(QStringLiteral("Units1"));
  unitsMenu_->menuAction()->setObjectName(QStringLiteral("Units1"));
  // Each pair is one choice: the checked item is the unit shown.
  const auto addChoice = [this](QActionGroup& group, const QString& name, const QString& caption) {
    QAction* item = unitsMenu_->addAction(caption);
    item->setObjectName(name);
    item->setCheckable(true);
    group.addAction(item);
    return item;
  };
  auto* lengths = new QActionGroup(unitsMenu_);
  millimetresAction_ = addChoice(*lengths, QStringLiteral("Millimetres1"), QStringLiteral("&Millimetres"));
  inchesAction_ = addChoice(*lengths, QStringLiteral("Inches1"), QStringLiteral("&Inches"));
  unitsMenu_->addSeparator();
  auto* masses = new QActionGroup(unitsMenu_);
  gramsAction_ = addChoice(*masses, QStringLiteral("Grams1"), QStringLiteral("&Grams"));
  ouncesAction_ = addChoice(*masses, QStringLiteral("Ounces1"), QStringLiteral("&Ounces"));
  millimetresAction_->setChecked(true);
  gramsAction_->setChecked(true);

  // Triggered by the user only; the check marks set when a model is loaded
  // choose nothing.
  const auto choose = [this](calc::TUnits units) { boundary_.Run([this, units] { SetUnits(units); }); };
  connect(millimetresAction_, &QAction::triggered, this,
          [this, choose] { choose({calc::LengthUnit::Millimetre, Units().Mass}); });
  connect(inchesAction_, &QAction::triggered, this, [this, choose] { choose({calc::LengthUnit::Inch, Units().Mass}); });
  connect(gramsAction_, &QAction::triggered, this, [this, choose] { choose({Units().Length, calc::MassUnit::Gram}); });
  connect(ouncesAction_, &QAction::triggered, this,
          [this, choose] { choose({Units().Length, calc::MassUnit::Ounce}); });
}

void MainWindow::SetUnits(calc::TUnits units) {
  if (units == Units()) return;
  // Every dimension as the millimetres it stands for, before the unit it
  // was typed in goes.
  const calc::FieldTexts millimetres = fieldTexts();
  const bool lengthChanges = units.Length != Units().Length;
  documentParts_.Units = units;
  // The fields change one by one; only the whole new set is computed. A
  // mass unit leaves them as typed.
  if (lengthChanges) {
    const bool recalcEnabled = recalcEnabled_;
    recalcEnabled_ = false;
    showDimensions(millimetres);
    recalcEnabled_ = recalcEnabled;
  }
  unsavedChanges_.NoteUnits(units);
  showModifiedMark();
  spreadUnits();
  recalculate();
}

void MainWindow::showDimensions(const calc::FieldTexts& millimetres) {
  const calc::LengthUnit unit = Units().Length;
  // Like any text the window puts in, each replaces the field's undo
  // history: undoing must never bring back a number in the other unit.
  for (int i = 0; i < calc::kModelFieldCount; ++i) {
    fields_[i]->setText(QString::fromStdString(calc::TypedLengthText(millimetres[i], unit)));
    // A field that found no room for all its inches (fitField) shows
    // where the number starts.
    const bool cut = WholeTextWidth(*fields_[i]) > fields_[i]->width();
    if (unit == calc::LengthUnit::Inch && cut) fields_[i]->setCursorPosition(0);
  }
  // Their changes have been noted as edits; each field keeps what it was
  // given until it is really edited.
  for (int i = 0; i < calc::kModelFieldCount; ++i) {
    if (unit == calc::LengthUnit::Millimetre) {
      givenMillimetres_[i].reset();
    } else {
      givenMillimetres_[i] = millimetres[i];
    }
  }
  unsavedChanges_.NoteFields(millimetres);
}

void MainWindow::fitField(int index) {
  QLineEdit& field = *fields_[index];
  const DimensionField& place = PlaceOf(index);
  const QRect made(place.left, place.top, place.width, kFieldHeight);
  // An inch takes up to five decimals to give back its thousandth of a
  // millimetre, more than a field made for millimetres shows: the field
  // grows to its text, to the right or where there is no room there to the
  // left, over the sketch but clear of the other fields. In millimetres it
  // stands as made.
  QRect fitted = made;
  if (Units().Length == calc::LengthUnit::Inch) {
    const int width = WholeTextWidth(field);
    const auto fits = [this, &field](const QRect& room) {
      if (room.left() < 0 || room.right() >= kSketchWidth) return false;
      return std::ranges::none_of(fields_, [&](const QLineEdit* other) {
        return other != &field && other->geometry().intersects(room);
      });
    };
    if (width > made.width()) {
      const QRect right(made.left(), made.top(), width, made.height());
      const QRect left(made.right() + 1 - width, made.top(), width, made.height());
      fitted = fits(right) ? right : fits(left) ? left : made;
    }
  }
  if (field.geometry() != fitted) field.setGeometry(fitted);
}

std::string MainWindow::millimetreText(int index) const {
  if (givenMillimetres_[index]) return *givenMillimetres_[index];
  return calc::MillimetreText(fields_[index]->text().toStdString(), Units().Length);
}

void MainWindow::showCaptions(present::Language language) {
  for (const SwitchedCaption& caption : switchedCaptions_) {
    SetCaptionFitted(*caption.label, Text(present::In(caption.caption, language, Units())));
  }
}

void MainWindow::spreadUnits() {
  const calc::TUnits units = Units();
  (units.Length == calc::LengthUnit::Inch ? inchesAction_ : millimetresAction_)->setChecked(true);
  (units.Mass == calc::MassUnit::Ounce ? ouncesAction_ : gramsAction_)->setChecked(true);
  showCaptions(language_);
  // Also the values a failed recalculation leaves standing.
  for (const ValueLabel& value : valueLabels_) {
    if (value.label && value.cell->kind != present::CellKind::Margin) fitValue(*value.cell, *value.label);
  }
  secondOpinionLine_->SetUnits(units);
  toolWindows_->SetUnits(units);
}

}  // namespace ui
