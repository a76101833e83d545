#pragma once

#include <QObject>
#include <QSettings>

#include <optional>

#include "calc/fields.h"
#include "calc/model.h"
#include "calc/stability.h"
#include "calc/sweep.h"
#include "present/language.h"

class QWidget;

namespace ui {

class BalanceWindow;
class WhatIfWindow;

// The windows of the Tools menu: the balance check and the what-if plot.
// Each is built when first opened (start-up stays as lean as before) and
// then kept, following every recalculation and language switch of the main
// window. Owned by the main window; `parent` is that window.
class ToolWindows : public QObject {
  Q_OBJECT

 public:
  explicit ToolWindows(QWidget* parent);
  ~ToolWindows() override;

  void OpenBalanceCheck();
  void OpenWhatIf();

  // After a recalculation that completed: the fifteen field texts, the model
  // record and the results it left.
  void Follow(const calc::FieldTexts& texts, const calc::TModelData& model, const calc::TStabilityData& results);
  // After a recalculation that failed: the what-if plot shows that its
  // model is no longer current, until the next recalculation completes.
  void FollowFailure();
  void SetLanguage(present::Language language);

  // The balance check's centre of gravity while its window exists and holds
  // one; the diagram shows it as a third mark.
  std::optional<double> MeasuredCg() const;

 signals:
  void measuredCgChanged();

 private:
  QWidget* parent_;
  QSettings settings_;
  BalanceWindow* balance_ = nullptr;
  WhatIfWindow* whatIf_ = nullptr;
  std::optional<calc::LoadedState> state_;
  std::optional<calc::TStabilityData> results_;
  bool failed_ = false;  // the last recalculation failed
  present::Language language_ = present::Language::English;
};

}  // namespace ui
