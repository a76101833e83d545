#pragma once

#include <array>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QMainWindow>
#include <QRgb>
#include <QString>

#include "aero/comparison.h"
#include "calc/margins.h"
#include "calc/model.h"
#include "calc/stability.h"
#include "calc/units.h"
#include "files/model_document.h"
#include "present/language.h"
#include "present/recalculation.h"
#include "present/result_table.h"
#include "ui/main_window/deferred_failure_report.h"
#include "ui/main_window/unsaved_changes.h"
#include "ui/platform/handler_boundary.h"
#include "ui/platform/print_system.h"

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

class LatticeSolver;
class SecondOpinionLine;
class ToolWindows;

class DiagramImage;
class PictureView;

// The main window Form1: the dimension picture with the fifteen input fields
// over it, the result table, the file-name and warning lines, the planform
// diagram, the toolbar and the menu; under them the vortex lattice's second
// opinion on the neutral point, solved off the interface thread after every
// recalculation that completed. It owns the model, the results and the
// window-level state for the life of the program, and delegates every
// computation to the calc, present and diagram libraries.
//
// Its controls are private; each carries its name as objectName (Bot_B,
// Lab_St, Label17, Button1, Load1 ...), which is how tests and the start-up
// probe find them. The state is changed only by the window's own handlers.
//
// Handlers throw the failures of the libraries they call and catch nothing;
// every event that runs one goes through the handler boundary, which reports
// the failure. Only the recalculation after an edit of a field holds its
// report back until the user has stopped typing (see DeferredFailureReport).
//
// The keyboard works as on any desktop: a key pressed with Alt, Ctrl or Meta
// never types into a field (it is a shortcut or nothing); the menus have
// access letters and the file commands their standard shortcuts; Enter
// presses a focused push button.
//
// The window knows whether its fifteen values, its chosen margins or its
// units differ from those last loaded or saved; its title then carries the modified mark,
// and closing the window (also File / Quit) or loading another file first
// asks whether to save them.
class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  // How long the recalculation after an edit waits with its failure report
  // for the next keystroke.
  static constexpr std::chrono::milliseconds kFailureReportDelay = DeferredFailureReport::kDelay;

  // Builds the window hidden, with the English captions. `boundary` must
  // outlive the window. `failureReportDelay` is kFailureReportDelay but for
  // tests, which wait a shorter time.
  explicit MainWindow(HandlerBoundary& boundary, std::chrono::milliseconds failureReportDelay = kFailureReportDelay);
  ~MainWindow() override;

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

  // Loads `path` as File / Load does once the user has chosen it, right
  // after the first activation (the file named on the command line). Its
  // failures are reported; the window stays usable either way.
  void LoadAtStart(const QString& path) { fileToLoadAtStart_ = path; }

  // The window-level state, read-only. Empty, false and German until the
  // first activation.
  const QString& CurrentFileName() const { return currentFileName_; }
  bool RecalcEnabled() const { return recalcEnabled_; }
  // The language of the captions' last switch and of the warning line.
  present::Language Language() const { return language_; }

  const calc::TModelData& Model() const { return model_; }
  // The margins the builder chose for this model (Tools / Margins…);
  // nothing while the model takes the defaults for its kind, which switch
  // when the tailplane span goes to or from 0. Loading a model file returns
  // to the defaults.
  std::optional<calc::TMargins> ChosenMargins() const { return chosenMargins_; }
  // Chooses the margins (nothing: the defaults) and, when they change,
  // marks the model modified and recalculates. A failure of the
  // recalculation passes on; the margins are chosen all the same.
  void SetChosenMargins(const std::optional<calc::TMargins>& margins);
  // The units the model is shown and typed in (Tools / Units): a document's
  // own, millimetres and grams for a new or a .dat model. The fields, the
  // result labels and the captions that name a unit show them; the model
  // itself stays in millimetres.
  calc::TUnits Units() const { return documentParts_.Units; }
  // Chooses the units and, when they change, marks the model modified,
  // shows the fields in them and recalculates. A failure of the
  // recalculation passes on; the units are chosen all the same.
  void SetUnits(calc::TUnits units);
  const calc::TStabilityData& Results() const { return results_; }
  // Where the diagram's two black marks stand, mm behind the wing root's
  // leading edge: the rule's range, or on a canard or tandem the lattice's
  // (infinite, off the diagram, before the lattice has given one).
  aero::CgRange RangeMarks() const;

 protected:
  // Closing the window (its close box, File / Quit, the session ending)
  // first asks what to do with unsaved changes; Cancel, or a save that
  // fails or is cancelled, keeps the window open.
  void closeEvent(QCloseEvent* event) override;
  // The keys of the fields and push buttons, and the fields losing the focus.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private slots:
  // One recalculation, run by every change of a field: does nothing while
  // the recalculation is off; otherwise reads the fields, computes, writes
  // the result labels stage by stage, redraws the diagram and applies the
  // aspect-ratio warning. A failure stops it at the failing step with
  // everything written before it left in place, and greys the result labels
  // it did not rewrite until a later cycle succeeds; stopped before the
  // redraw, it blanks the diagram until a later redraw. Any cycle drops a
  // failure report still held back.
  void recalculate();

  // The model file commands (main_window_files.cpp) ask through the boundary's
  // dialogs and throw the failures of reading and writing (file errors and
  // calc::ArithmeticFailure) with the file's name above their message:
  // - loadModel (File / Load, the folder button) first asks what to do with
  //   unsaved changes (Cancel ends it there), then reads the chosen file into
  //   the model and the fields (as FormatFixed(v, 4, 0)), names it in the
  //   file-name line, and recalculates once, also when the dialog was
  //   cancelled. A file that does not look like a model file is loaded only
  //   when the user says so (No is like a cancelled dialog). A file that
  //   cannot be opened or read, is no regular file, or holds a value beyond
  //   the double range, changes nothing (the recalculation stays enabled,
  //   nothing is recalculated) and is reported.
  //   A model document (told by its content) puts its dimensions into the
  //   fields as typed (in inches when it is shown in them) and keeps the
  //   rest of it (documentParts_); one the reader refuses is reported with
  //   its line and column. A .dat model is shown in millimetres and grams.
  // - saveModel (File / Save) writes the model to the current file in that
  //   file's format and shows the name; before any file was chosen
  //   ("NoName") it is Save as.
  // - saveModelAs (File / Save as, the diskette button) asks for a file,
  //   offering the current file's format (.dat for a new model), (and
  //   before replacing an existing one), saves in the format its name ends
  //   in (.cgcalc: a document, else .dat) and then makes it the current
  //   file. A model from a document that a .dat file cannot hold whole is
  //   saved as .dat only when the user agrees. Cancelled or failed, nothing
  //   changes.
  // The name "*.dat" stands for no file: it is neither read nor written.
  // Saving replaces a file completely or not at all.
  void loadModel();
  void saveModel();
  void saveModelAs();
  // The file named by LoadAtStart, as loadModel loads a chosen one.
  void loadFileAtStart();

  // File / Print (main_window_print.cpp): the print dialog and, when it is
  // confirmed, the client area as its widgets paint themselves on one page;
  // the printer and settings chosen are offered again next time. Throws
  // ui::PrintFailure when the job cannot start.
  void printClientArea();

  // Help / About: runs the About command.
  void showAbout();

  // The Tools menu: the balance check and the what-if plot, each built when
  // first opened, then following every recalculation and language switch.
  void openBalanceCheck();
  void openWhatIf();
  // A mark of the diagram moved: a new measured centre of gravity, or the
  // lattice's range of a canard.
  void redrawMarks();
  // The lattice has solved the newest model: the status line and the
  // balance check show its opinion as current.
  void showSecondOpinion(const std::optional<aero::Comparison>& comparison, const calc::TStabilityData& rule);
  // The window's first frame is on screen: the lattice may begin.
  void releaseSecondOpinion();
  // Asks the lattice for the model the fields describe, when they describe one.
  void askSecondOpinion();

 private:
  // A result label with the table cell it shows and its colour while no
  // aspect-ratio warning stands; `current` while the running cycle has
  // written it.
  struct ValueLabel {
    const present::ResultCell* cell;
    QLabel* label;
    QRgb colour;
    bool current = false;
  };
  // A caption the language buttons switch, with its texts.
  struct SwitchedCaption {
    QLabel* label;
    present::Caption caption;
  };

  // Building (main_window_layout.cpp), in this order: what is created later lies on top.
  void buildMenu();
  void buildClientArea();
  void buildResultTable();
  void buildFields();
  void buildToolBar();
  void buildStatusLine();
  void arrangeTabOrder();
  void connectHandlers();
  // A caption at (left, top) that takes the width of its text.
  QLabel* addCaption(std::string_view name, int left, int top, const QString& text);
  ValueLabel addValue(const present::ResultCell& cell, int top);
  // Widens the label of the margin `cell` to the text it shows.
  void fitMarginValue(const present::ResultCell& cell, QLabel& label);
  // Widens the label of the value `cell` to a text in inches wider than it.
  void fitValue(const present::ResultCell& cell, QLabel& label);

  // A slot that runs `handler` with `arguments` through the boundary.
  template <class Handler, class... Arguments>
  auto Guarded(Handler handler, Arguments... arguments) {
    return [this, handler, arguments...] {
      boundary_.Run([this, handler, arguments...] { (this->*handler)(arguments...); });
    };
  }

  // Writes the labels whose values `stage` completed.
  void writeValues(const present::CompletedStage& stage);
  // The cycle itself, without the bookkeeping around it.
  void computeAndShow();
  // After a failed cycle: the labels it did not rewrite turn grey, and the
  // diagram is blank unless the redraw had begun.
  void showStaleValues();
  QRgb valueColour(const ValueLabel& value) const;
  // Redraws the planform diagram from the model and the two centre-of-gravity
  // positions: the rule's, or on a canard or tandem the lattice's (none
  // before the lattice has given one). Throws at a zero scale, after the
  // centre line.
  void drawDiagram();
  void applyAspectRatioRule();
  // On a canard or tandem the rule's centres of gravity are no
  // recommendation: their labels grey, saying so as their tooltip.
  void markRuleRangeNotApplicable();
  // What a language button runs (main_window_language.cpp; one button per
  // present::kLanguages entry: "deutsch", Button1; "english", Button2):
  // switches the title, the units line, the column heads and the row
  // captions, sets the warning language and, while the stored wing aspect
  // ratio is not at least 5, rewrites the warning line. Nothing is
  // recalculated. The second opinion's lines follow.
  void switchLanguage(present::Language language);
  void showTitle(present::Language language);

  // The file commands' steps (main_window_files.cpp).
  void openModel(const std::optional<QString>& chosen);
  void readModelFile(const QString& path);
  // Writes the model to `path`: as a .dat file the model record (not the
  // field texts), as a document the field texts and the document's other
  // parts. The patterns "*.dat" and "*.cgcalc" are not written. True when
  // the file was written.
  bool writeModelFile(const QString& path, bool document);
  void showFileName();

  // Unsaved changes (main_window_unsaved.cpp), and the fifteen dimensions
  // in file order as millimetre texts, as the recalculation, the unsaved
  // changes and the files read them (millimetreText).
  calc::FieldTexts fieldTexts() const;
  // The model as its document holds it now: the fields in millimetres, the
  // margins chosen, the units, and what the loaded document brought, with
  // the tailplane height and balance inputs typed since; a .dat model holds
  // neither of its own (they are the desktop's).
  files::ModelDocument currentDocument() const;
  // A field's text changed: its value is taken in and the mark follows.
  void noteFieldValue(int index);
  // The values shown now become the saved ones.
  void markSaved();
  void showModifiedMark();
  // A document holds its tailplane's height, a .dat model does not.
  void noteTailHeight();
  // A document holds the balance check's inputs, a .dat model does not
  // (the desktop's are in use): documentParts_ takes the typed ones.
  void noteBalanceInputs();
  // After the model was saved: as a document it keeps the balance inputs
  // it was saved with (`saved`), as a .dat file it uses the desktop's.
  void keepBalanceInputs(const calc::TBalanceInput& saved);
  // Asks what to do with unsaved changes, and saves when told to. True when
  // the command that asked may go on: nothing was unsaved, the user
  // discarded the changes, or they were saved.
  bool settleUnsavedChanges();

  // The units (main_window_units.cpp).
  void buildUnitsMenu(QMenu& toolsMenu);
  // Puts the dimensions `millimetres` (file order) into the fields in the
  // model's units, each remembered as the exact text it was given.
  void showDimensions(const calc::FieldTexts& millimetres);
  // The dimension the field `index` holds, as a millimetre text: the text it
  // was given while it is unedited, otherwise what it shows, converted.
  std::string millimetreText(int index) const;
  // The field `index` at its place, wide enough for its text in inches.
  void fitField(int index);
  // The captions the language buttons switch, in `language` and the units.
  void showCaptions(present::Language language);
  // The menu's check marks, the second opinion and the Tools windows follow
  // the units.
  void spreadUnits();

  // The keyboard (main_window_keys.cpp): installs the window as the event filter of
  // the fields and the push buttons.
  void watchKeys();

  HandlerBoundary& boundary_;
  std::function<void()> showAboutWindow_;
  PrinterHandle printer_;  // made by the first Print, kept for the later ones
  QString fileToLoadAtStart_;

  DeferredFailureReport* failureReport_;  // a child object of the window
  bool aspectRatioWarning_ = false;       // the last completed cycle's warning
  bool tailAhead_ = false;  // the last completed cycle's model is a canard or tandem (aero::IsTailAhead)
  // While tailAhead_: the lattice's range of the last such model it solved,
  // kept while it solves the next; nothing before the first or where it had
  // nothing to solve.
  std::optional<aero::CgRange> latticeRange_;
  UnsavedChanges unsavedChanges_;

  // The window-level state.
  QString currentFileName_;
  bool recalcEnabled_ = false;
  present::Language language_ = present::Language::German;
  bool activatedBefore_ = false;
  bool languageInitialised_ = false;  // a start has completed and made the warnings English once
  calc::TModelData model_;
  // The one place the recalculation takes the margins from.
  std::optional<calc::TMargins> chosenMargins_;
  calc::TStabilityData results_;
  // What the model's document holds besides the fields (margins, units,
  // balance inputs, tail height, notes, the parts of newer programs), written
  // back when it is saved as a document; empty for a .dat file but for the
  // units the builder chose. Its Dimensions are not used: the fields hold
  // them.
  files::ModelDocument documentParts_;
  bool documentFile_ = false;  // the current file is a document

  // Controls, owned by the window through their parents.
  QScrollArea* scrollArea_ = nullptr;  // ScrollBox: scrolls when the window is smaller than its contents
  QWidget* client_ = nullptr;          // Client: the contents, at least 616 x 425, silver
  PictureView* dimensionSketch_ = nullptr;  // Image1
  DiagramImage* diagramImage_ = nullptr;                       // Image2
  std::array<QLineEdit*, calc::kModelFieldCount> fields_{};     // Bot_B .. Bot_Rh in file order
  // While the fields show inches: the millimetre text each field was given
  // (loaded, or shown before the switch), until it is edited. Switching back
  // restores it, and a document saves it, byte for byte.
  std::array<std::optional<std::string>, calc::kModelFieldCount> givenMillimetres_{};
  std::array<ValueLabel, present::kResultLabelCount> valueLabels_{};  // Lab_St .. Lab_Stabh in label order
  std::vector<SwitchedCaption> switchedCaptions_;               // column heads, row captions, units line
  QLabel* warningLine_ = nullptr;                               // Label17
  QLabel* fileNameLine_ = nullptr;                              // Lab_fname
  int fileNameRoom_ = 0;  // the width the file-name line may take, in pixels
  QWidget* toolBar_ = nullptr;                                  // ToolBar1
  QToolButton* loadButton_ = nullptr;                           // LoadButton
  QToolButton* saveAsButton_ = nullptr;                         // SaveButton
  std::array<QPushButton*, present::kLanguageCount> languageButtons_{};  // Button1 .. by present::Language
  QMenuBar* menuBar_ = nullptr;                                 // MainMenu1
  QAction* loadAction_ = nullptr;                               // Load1
  QAction* saveAction_ = nullptr;                               // Save1
  QAction* saveAsAction_ = nullptr;                             // Saveas1
  QAction* printAction_ = nullptr;                              // Print1
  QAction* quitAction_ = nullptr;                               // Quit1
  QAction* aboutAction_ = nullptr;                              // about1
  QAction* balanceAction_ = nullptr;                            // Balance1
  QAction* whatIfAction_ = nullptr;                             // WhatIf1
  QAction* tailHeightAction_ = nullptr;                         // TailHeight1
  QAction* marginsAction_ = nullptr;                            // Margins1
  QMenu* unitsMenu_ = nullptr;                                  // Units1
  QAction* millimetresAction_ = nullptr;                        // Millimetres1
  QAction* inchesAction_ = nullptr;                             // Inches1
  QAction* gramsAction_ = nullptr;                              // Grams1
  QAction* ouncesAction_ = nullptr;                             // Ounces1
  ToolWindows* toolWindows_ = nullptr;                          // owned as a child object
  SecondOpinionLine* secondOpinionLine_ = nullptr;              // StatusBar1, under the client area
  LatticeSolver* latticeSolver_ = nullptr;                      // owned as a child object
  // The lattice waits for the first frame: at start the window comes first,
  // and the solver's thread and memory after it.
  bool secondOpinionHeld_ = true;
  bool secondOpinionWanted_ = false;  // the fields describe a model the lattice has not been asked for
};

}  // namespace ui
