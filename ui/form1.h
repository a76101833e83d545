#pragma once

#include <array>
#include <functional>
#include <memory>
#include <vector>

#include <QMainWindow>
#include <QRgb>
#include <QString>

#include "calc/model.h"
#include "calc/stability.h"
#include "present/language.h"
#include "present/result_table.h"
#include "ui/handler_boundary.h"

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPrinter;
class QPushButton;
class QScrollArea;
class QToolButton;

namespace ui {

class DiagramImage;

// The main window Form1: the dimension picture with the fifteen input fields
// over it, the result table, the file-name and warning lines, the planform
// diagram, the toolbar and the menu. It owns the model, the results and the
// window-level state for the life of the program, and delegates every
// computation to the calc, present and diagram libraries.
//
// Its controls are private; each carries its name as objectName (Bot_B,
// Lab_St, Label17, Button1, Load1 ...), which is how tests and the start-up
// probe find them. The state is changed only by the window's own handlers.
//
// Handlers throw the failures of the libraries they call and catch nothing;
// every event that runs one goes through the handler boundary, which reports
// the failure.
class TForm1 : public QMainWindow {
  Q_OBJECT

 public:
  // Builds the window hidden, with the English captions. `boundary` must
  // outlive the window.
  explicit TForm1(HandlerBoundary& boundary);
  ~TForm1() override;

  // The activation handler, run by the program's activation rule. The first
  // activation names the model "NoName" and shows the name, enables the
  // recalculation, recalculates and makes the warning line English. A later
  // activation (coming back from the About window) only enables the
  // recalculation and recalculates: the file name and the chosen language
  // stay. A failure of the recalculation passes on.
  void start();

  // What Help / About runs (showing the About window); until it is set the
  // command does nothing. It runs inside the window's handler boundary.
  void SetAboutCommand(std::function<void()> showAbout) { showAboutWindow_ = std::move(showAbout); }

  // The window-level state, read-only. Empty, false and German until the
  // first activation.
  const QString& CurrentFileName() const { return currentFileName_; }
  bool RecalcEnabled() const { return recalcEnabled_; }
  // The language of the captions' last switch and of the warning line.
  present::Language Language() const { return language_; }
  bool LanguageEnglish() const { return language_ == present::Language::English; }

  const calc::TModelData& Model() const { return model_; }
  const calc::TStabilityData& Results() const { return results_; }

 private slots:
  // One recalculation, run by every change of a field: does nothing while
  // the recalculation is off; otherwise reads the fields, computes, writes
  // the result labels stage by stage, redraws the diagram and applies the
  // aspect-ratio warning. A failure stops it at the failing step with
  // everything written before it left in place.
  void recalculate();

  // The model file commands (file_commands.cpp) ask through the boundary's
  // dialogs and throw files::FileError or calc::ArithmeticFailure:
  // - loadModel (File / Load, the folder button) reads the chosen file into
  //   the model and the fields (as FormatFixed(v, 4, 0)), names it in the
  //   file-name line, and recalculates once, also when the dialog was
  //   cancelled. A file that cannot be opened or read, or holds a value
  //   beyond the double range, changes nothing (the recalculation stays
  //   enabled, nothing is recalculated) and is reported.
  // - saveModel (File / Save) writes the model record to the current file
  //   and shows the name; before any file was chosen ("NoName") it is Save as.
  // - saveModelAs (File / Save as, the diskette button) asks for a file (and
  //   before replacing an existing one), makes it the current file and
  //   saves. Cancelled, nothing changes.
  // The name "*.dat" stands for no file: it is neither read nor written.
  // Saving replaces a file completely or not at all.
  void loadModel();
  void saveModel();
  void saveModelAs();

  // File / Print (print_command.cpp): the print dialog and, when it is
  // confirmed, the client area as its widgets paint themselves on one page;
  // the printer and settings chosen are offered again next time. Throws
  // ui::PrintFailure when the job cannot start.
  void printClientArea();

  // Help / About (about_command.cpp): runs the About command.
  void showAbout();

  // The language buttons (language.cpp), "deutsch" (Button1) and "english"
  // (Button2): switch the title, the units line, the column heads and the
  // row captions, set the warning language and, while the stored wing aspect
  // ratio is not at least 5, rewrite the warning line. Nothing is recalculated.
  void switchToGerman();
  void switchToEnglish();

 private:
  // A result label with the table cell it shows and its colour while no
  // aspect-ratio warning stands.
  struct ValueLabel {
    const present::ResultCell* cell;
    QLabel* label;
    QRgb colour;
  };
  // A caption the language buttons switch, with its texts.
  struct SwitchedCaption {
    QLabel* label;
    present::Caption caption;
  };

  // Building (form1_layout.cpp), in this order: what is created later lies on top.
  void buildMenu();
  void buildClientArea();
  void buildResultTable();
  void buildFields();
  void buildToolBar();
  void arrangeTabOrder();
  void connectHandlers();
  QLabel* addCaption(std::string_view name, const QString& text);

  // A slot that runs `handler` through the boundary.
  template <class Handler>
  auto Guarded(Handler handler) {
    return [this, handler] { boundary_.Run([this, handler] { (this->*handler)(); }); };
  }

  void writeValues(present::Stage stage);
  // Redraws the planform diagram from the model and the two centre-of-gravity
  // positions. Throws at a zero scale, after the centre line.
  void drawDiagram();
  void applyAspectRatioRule();
  void showLanguage(present::Language language);
  // Writes the model record (not the field texts) to the current file and
  // shows its name once the file is complete.
  void writeCurrentFile();
  void showFileName();

  HandlerBoundary& boundary_;
  std::function<void()> showAboutWindow_;
  std::unique_ptr<QPrinter> printer_;  // made by the first Print, kept for the later ones

  // The window-level state.
  QString currentFileName_;
  bool recalcEnabled_ = false;
  present::Language language_ = present::Language::German;
  bool activatedBefore_ = false;
  bool languageInitialised_ = false;  // a start has completed and made the warnings English once
  calc::TModelData model_;
  calc::TStabilityData results_;

  // Controls, owned by the window through their parents.
  QScrollArea* scrollArea_ = nullptr;  // ScrollBox: scrolls when the window is smaller than its contents
  QWidget* client_ = nullptr;          // Client: the contents, at least 616 x 425, silver
  QLabel* dimensionSketch_ = nullptr;  // Image1
  DiagramImage* diagramImage_ = nullptr;                       // Image2
  std::array<QLineEdit*, calc::kModelFieldCount> fields_{};     // Bot_B .. Bot_Rh in file order
  std::vector<ValueLabel> valueLabels_;                         // Lab_St .. Lab_Stabh in label order
  std::vector<SwitchedCaption> switchedCaptions_;               // column heads, row captions, units line
  QLabel* warningLine_ = nullptr;                               // Label17
  QLabel* fileNameLine_ = nullptr;                              // Lab_fname
  QWidget* toolBar_ = nullptr;                                  // ToolBar1
  QToolButton* loadButton_ = nullptr;                           // LoadButton
  QToolButton* saveAsButton_ = nullptr;                         // SaveButton
  QPushButton* germanButton_ = nullptr;                         // Button1, "deutsch"
  QPushButton* englishButton_ = nullptr;                        // Button2, "english"
  QMenuBar* menuBar_ = nullptr;                                 // MainMenu1
  QAction* loadAction_ = nullptr;                               // Load1
  QAction* saveAction_ = nullptr;                               // Save1
  QAction* saveAsAction_ = nullptr;                             // Saveas1
  QAction* printAction_ = nullptr;                              // Print1
  QAction* aboutAction_ = nullptr;                              // about1
};

}  // namespace ui
