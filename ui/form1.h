#pragma once

#include <array>
#include <memory>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QToolButton>

#include "calc/model.h"
#include "calc/result_labels.h"
#include "calc/stability.h"
#include "ui/diagram_image.h"
#include "ui/handler_boundary.h"

namespace ui {

class TForm2;

// The main window Form1: the dimension picture with the fifteen input fields
// over it, the result table, the file-name and warning lines, the planform
// diagram, the toolbar and the menu. It owns the model, the results and the
// window-level state for the life of the program, and delegates every
// computation to the calc and diagram libraries.
//
// Handlers (start, RechnenClick, draw and the click handlers) throw the
// failures of the libraries they call and catch nothing; every event that
// runs one goes through the handler boundary, which reports the failure.
class TForm1 : public QMainWindow {
  Q_OBJECT

 public:
  // Builds the window hidden. `boundary` must outlive the window.
  explicit TForm1(HandlerBoundary& boundary);
  ~TForm1() override;

  // Window-level state. The Load, Save and language commands read and write
  // it too. Empty, false and false until the first activation.
  QString CurrentFileName;
  bool RecalcEnabled = false;
  bool LanguageEnglish = false;  // the language of the warning line

  // The activation handler. The first activation sets CurrentFileName to
  // "NoName" and shows it, enables the recalculation, recalculates and makes
  // the warning line English. A later activation (coming back from the About
  // window) only enables the recalculation and recalculates: the file name
  // and the chosen language stay.
  void start();

  // One recalculation: does nothing while RecalcEnabled is false; otherwise
  // reads the fields, computes, writes the twenty result labels, redraws the
  // diagram and applies the aspect-ratio warning. A failure stops it at the
  // failing step with everything written before it left in place.
  void RechnenClick();

  // Redraws the planform diagram on `image` from the model and the two
  // centre-of-gravity positions. Throws at a zero scale, after the centre line.
  void draw(DiagramImage& image);

  // Command handlers, connected to their menu items and buttons.
  //
  // The model file commands (file_commands.cpp) ask through the boundary's
  // dialogs and throw files::FileError or calc::ArithmeticFailure:
  // - Load1Click reads the chosen file into the model and the fields (as
  //   FormatFixed(v, 4, 0)), names it in CurrentFileName and Lab_fname, and
  //   recalculates once, also when the dialog was cancelled. A file that
  //   cannot be opened or read, or holds a value beyond the double range,
  //   changes nothing (recalculation stays enabled, nothing is recalculated)
  //   and is reported.
  // - Save1Click writes the model record to CurrentFileName and shows the
  //   name; before any file was chosen ("NoName") it is Save as.
  // - Saveas1Click asks for a file (and before replacing an existing one),
  //   makes it CurrentFileName and saves. Cancelled, nothing changes.
  // The name "*.dat" stands for no file: it is neither read nor written.
  // Saving replaces a file completely or not at all.
  void Load1Click();
  void Save1Click();
  void Saveas1Click();
  // Print1Click (print_command.cpp) runs the print dialog and, when it is
  // confirmed, prints the client area as its widgets paint themselves on one
  // page; the printer and settings chosen are offered again next time. Throws
  // ui::PrintFailure when the job cannot start.
  void Print1Click();
  // about1Click (about_command.cpp) shows the About window in front, not
  // modal, or only brings it to the front.
  void about1Click();
  // The language buttons (language.cpp): "deutsch" and "english" switch the
  // window title, Label14 and Label1..Label13, set LanguageEnglish and, while
  // the stored wing aspect ratio is not at least 5, the warning in Label17.
  // Nothing is recalculated.
  void Button1Click();
  void Button2Click();

  // The About window that about1Click shows; set once after both windows exist.
  void SetAboutWindow(TForm2* aboutWindow) { aboutWindow_ = aboutWindow; }

  const calc::TModelData& Model() const { return model_; }
  const calc::TStabilityData& Results() const { return results_; }

  // Controls, owned by the window. Each carries its name as objectName.
  QScrollArea* ScrollBox;       // the client area; scrolls when the window is smaller than its contents
  QWidget* Client;              // the contents, at least 616 x 425, silver
  std::array<QLineEdit*, calc::kModelFieldCount> Fields;          // Bot_B .. Bot_Rh in file order
  std::array<QLabel*, calc::kResultLabelCount> ResultLabels;      // Lab_St .. Lab_Stabh in writing order
  std::array<QLabel*, 17> Labels;  // Label1 .. Label17 at index 0 .. 16
  QLabel* Lab_fname;
  QLabel* Image1;
  DiagramImage* Image2;
  QWidget* ToolBar1;
  QToolButton* LoadButton;
  QToolButton* SaveButton;
  QPushButton* Button1;
  QPushButton* Button2;
  QMenuBar* MainMenu1;
  QMenu* File1;
  QMenu* Help1;
  QAction* Load1;
  QAction* Save1;
  QAction* Saveas1;
  QAction* Print1;
  QAction* about1;

  // Label1 .. Label17 by their number.
  QLabel* Label(int number) const { return Labels.at(number - 1); }

 private:
  void BuildClientArea();
  void BuildFields();
  void BuildResultTable();
  void BuildToolBar();
  void BuildMenu();
  void ArrangeTabOrder();
  void ConnectHandlers();
  QLabel* AddCaption(const QString& name, int left, int top, const QString& text);

  // A slot that runs `handler` through the boundary.
  template <class Handler>
  auto Guarded(Handler handler) {
    return [this, handler] { boundary_.Run([this, handler] { (this->*handler)(); }); };
  }

  void WriteResultLabels(int first, int end);
  void ApplyAspectRatioRule();

  HandlerBoundary& boundary_;
  TForm2* aboutWindow_ = nullptr;
  std::unique_ptr<QPrinter> printer_;  // made by the first Print, kept for the later ones
  bool activatedBefore_ = false;
  bool languageInitialised_ = false;  // start has set LanguageEnglish once
  calc::TModelData model_;
  calc::TStabilityData results_;
};

}  // namespace ui
