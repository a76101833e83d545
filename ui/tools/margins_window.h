#pragma once

#include <optional>

#include <QWidget>

#include "calc/margins.h"
#include "present/language.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace ui {

// The window Tools / Margins…: a non-modal tool window, objectName
// "MarginsWindow", where the builder chooses the two margins the model's
// centre-of-gravity range is placed by. The fields "Margins_Forward" and
// "Margins_Rear" show the margins the model is computed with; "Margins_Apply"
// (or Enter in a field) asks for the typed pair, "Margins_Default" for the
// defaults of the model's kind again. A pair that cannot be used is refused
// in the line "Margins_Error" and nothing is asked for; "Margins_State" says
// whether the margins shown are chosen or the defaults.
class MarginsWindow : public QWidget {
  Q_OBJECT

 public:
  explicit MarginsWindow(QWidget* parent = nullptr);

  void SetLanguage(present::Language language);
  // The model's margins: `chosen` where the builder chose them, otherwise
  // the defaults for a model with or without a tailplane. The fields are
  // rewritten only when the margins or their kind change, so that a
  // recalculation does not overwrite what is being typed.
  void ShowMargins(const std::optional<calc::TMargins>& chosen, bool withTail);

 signals:
  // The builder asks for these margins (nothing: the defaults).
  void marginsChosen(const std::optional<calc::TMargins>& margins);

 private:
  void apply();
  void updateTexts();

  present::Language language_ = present::Language::English;
  // What ShowMargins last showed; nothing before the first.
  struct Shown {
    std::optional<calc::TMargins> chosen;
    bool withTail = true;
    friend bool operator==(const Shown&, const Shown&) = default;
  };
  std::optional<Shown> shown_;
  QLabel* forwardCaption_;
  QLineEdit* forward_;
  QLabel* rearCaption_;
  QLineEdit* rear_;
  QLabel* state_;
  QLabel* errorLine_;
  QPushButton* apply_;
  QPushButton* default_;
};

}  // namespace ui
