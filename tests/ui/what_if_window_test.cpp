// The what-if window: its plot against `cgcalc-cli --sweep` for the same
// model and range, the default ranges, the marks, the tooltip, the language
// and the exports.
#include "ui/tools/what_if_window.h"

#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include <QAction>
#include <QMenu>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "calc/number_text.h"
#include "calc/units.h"
#include "files/file_error.h"
#include "calc/sweep.h"
#include "cli/model_input.h"
#include "cli/program.h"
#include "qstring_printer.h"
#include "ui/tools/tool_windows.h"
#include "ui/tools/what_if_plot_view.h"
#include "window_test.h"

namespace ui_test {
namespace {

const char* const kCurveCells[] = {"Lab_Rnp", "Lab_Rsp1", "Lab_Rsp2"};

std::string ExampleFile(const std::string& name) { return CGCALC_EXAMPLES_DIR "/" + name; }

std::vector<std::string> SplitCsv(const std::string& line) {
  std::vector<std::string> cells;
  std::stringstream stream(line);
  std::string cell;
  while (std::getline(stream, cell, ',')) cells.push_back(cell);
  if (!line.empty() && line.back() == ',') cells.emplace_back();
  return cells;
}

// The rows of `cgcalc-cli --csv --sweep SWEEP MODEL`, each as column -> text.
std::vector<std::map<std::string, std::string>> SweepRows(const std::string& model, const QString& sweep,
                                                          const std::vector<std::string>& options = {}) {
  std::ostringstream out, err;
  std::vector<std::string> arguments = {"--csv", "--sweep", sweep.toStdString(), model};
  arguments.insert(arguments.begin(), options.begin(), options.end());
  EXPECT_EQ(cli::RunCli(arguments, out, err), cli::kExitSuccess) << err.str();
  std::istringstream lines(out.str());
  std::string line;
  std::getline(lines, line);
  const std::vector<std::string> header = SplitCsv(line);
  std::vector<std::map<std::string, std::string>> rows;
  while (std::getline(lines, line)) {
    const std::vector<std::string> cells = SplitCsv(line);
    EXPECT_EQ(cells.size(), header.size()) << line;
    auto& row = rows.emplace_back();
    for (std::size_t i = 0; i < cells.size() && i < header.size(); ++i) row[header[i]] = cells[i];
  }
  return rows;
}

std::string Trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  return first == std::string::npos ? std::string() : text.substr(first);
}

// The model record and field texts a Load of `path` leaves.
calc::LoadedState LoadedFrom(const std::string& path) { return calc::LoadState(cli::LoadModel(path).model); }

class WhatIfWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    window = std::make_unique<ui::WhatIfWindow>();
    window->show();
  }

  QLineEdit& Input(const char* name) { return ChildOf<QLineEdit>(*window, QString::fromLatin1(name)); }
  QComboBox& FieldChoice() { return ChildOf<QComboBox>(*window, QStringLiteral("WhatIf_Field")); }
  // The plot as drawn, once it shows the window's current inputs.
  ui::WhatIfPlotView& Plot() {
    auto& view = ChildOf<ui::WhatIfPlotView>(*window, QStringLiteral("WhatIf_Chart"));
    EXPECT_TRUE(QTest::qWaitFor([&view] { return !view.IsUpdating(); }));
    return view;
  }
  QString ErrorLine() { return ChildOf<QLabel>(*window, QStringLiteral("WhatIf_Error")).text(); }

  void Choose(const char* code) {
    const std::optional<int> field = calc::FieldIndexOfCode(code);
    ASSERT_TRUE(field);
    FieldChoice().setCurrentIndex(*field);
  }

  void Type(const char* name, const char* text) {
    QLineEdit& field = Input(name);
    field.selectAll();
    QTest::keyClick(&field, Qt::Key_Delete);
    QTest::keyClicks(&field, QString::fromUtf8(text));
  }

  // The plot once the vortex lattice's curve is complete too: the axes
  // follow it.
  ui::WhatIfPlotView& CompletePlot() {
    ui::WhatIfPlotView& view = Plot();
    EXPECT_TRUE(QTest::qWaitFor([&view] { return view.LatticeComplete(); }, 60000));
    return view;
  }

  // x -> y of every point of a curve, over all of its pieces.
  std::map<double, double> CurvePoints(std::size_t curve) {
    std::map<double, double> points;
    for (const QPolygonF& piece : Plot().Pieces(curve))
      for (const QPointF& point : piece) points[point.x()] = point.y();
    return points;
  }

  // Each plotted point shows the digits cgcalc-cli prints for the window's
  // sweep argument; a failing point is a gap, and each run of successful
  // points is one piece. Returns how many rows failed.
  int ExpectPlotMatchesCommandLine(const std::string& model, const char* code) {
    const QString sweep = window->SweepArgument();
    EXPECT_TRUE(sweep.startsWith(QString::fromLatin1(code) + QLatin1Char('='))) << sweep.toStdString();
    const auto rows = SweepRows(model, sweep);
    EXPECT_GE(rows.size(), 990u);
    EXPECT_LE(rows.size(), 1010u);
    int failed = 0;
    for (std::size_t curve = 0; curve < std::size(kCurveCells); ++curve) {
      const char* cell = kCurveCells[curve];
      SCOPED_TRACE(cell);
      const std::map<double, double> points = CurvePoints(curve);
      std::size_t successful = 0;
      int runs = 0;
      bool inRun = false;
      failed = 0;
      for (const auto& row : rows) {
        const std::string& value = row.at(code);
        const double x = calc::ParseNumber(value);
        const bool fails = !row.at("error").empty();
        failed += fails;
        runs += !fails && !inRun;
        inRun = !fails;
        const auto point = points.find(x);
        if (fails) {
          EXPECT_TRUE(point == points.end()) << "point plotted where the sweep fails: " << value;
          continue;
        }
        ++successful;
        if (point == points.end()) {
          ADD_FAILURE() << "no point at " << value;
          continue;
        }
        EXPECT_EQ(Trimmed(calc::FormatFixed(point->second, 5, 1)), row.at(cell)) << value;
      }
      EXPECT_EQ(points.size(), successful);
      EXPECT_EQ(static_cast<int>(Plot().Pieces(curve).size()), runs);
    }
    return failed;
  }

  QTemporaryDir folder;
  std::unique_ptr<ui::WhatIfWindow> window;
};

struct SweptCase {
  const char* name;
  const char* model;  // in examples/
  const char* code;
  const char* from;  // nullptr: the default range
  const char* to;
  bool gaps;  // some points of the range fail
  const char* note = "";  // the window's line below the plot
};

// The plot's points are the rows of cgcalc-cli --sweep for the same model
// and range, default or typed, rising or falling, with gaps where it fails.
TEST_F(WhatIfWindowTest, PointsEqualTheCommandLineSweep) {
  const SweptCase cases[] = {
      {"default, B over its default range", "default.dat", "B", nullptr, nullptr, false},
      {"default, B from -100 to 100 through 0", "default.dat", "B", "-100", "100", true},
      {"default, Lih from 0 to 300, typed with blanks", "default.dat", "Lih", " 0", "300 ", false},
      {"flying wing, Va over its default range", "flying-wing.dat", "Va", nullptr, nullptr, false},
      {"glider, Rh falling from 400 to 150", "glider-two-panel.dat", "Rh", "400", "150", false,
       "from is larger than to: plotted from 150 to 400"},
      {"glider, Li from 6e1 to 1.2e2", "glider-two-panel.dat", "Li", "6e1", "1.2e2", false},
      {"glider, Li from 0.5 to 2.25", "glider-two-panel.dat", "Li", "0.5", "2.25", false},
  };
  for (const SweptCase& swept : cases) {
    SCOPED_TRACE(swept.name);
    window = std::make_unique<ui::WhatIfWindow>();
    window->show();
    window->SetModelState(LoadedFrom(ExampleFile(swept.model)));
    Choose(swept.code);
    if (swept.from) {
      Type("WhatIf_From", swept.from);
      Type("WhatIf_To", swept.to);
    }
    const int failed = ExpectPlotMatchesCommandLine(ExampleFile(swept.model), swept.code);
    EXPECT_EQ(ErrorLine(), QString::fromUtf8(swept.note));
    EXPECT_EQ(failed > 0, swept.gaps) << failed << " failing points";
  }
}

// A model shown in inches is plotted in inches: its values along the
// horizontal axis, the positions at each of them those cgcalc-cli gives for
// its millimetres, and the measured centre of gravity (mm) among them; a
// state in millimetres shows the range typed in inches in millimetres.
TEST_F(WhatIfWindowTest, InchesArePlottedInInches) {
  calc::LoadedState state = LoadedFrom(ExampleFile("default.dat"));
  state.Units.Length = calc::LengthUnit::Inch;
  window->SetModelState(state);
  Type("WhatIf_From", "50");
  Type("WhatIf_To", "52");
  const std::map<std::string, std::string> at50 = SweepRows(ExampleFile("default.dat"), "B=1270:1271:1").front();
  for (std::size_t curve = 0; curve < std::size(kCurveCells); ++curve) {
    SCOPED_TRACE(kCurveCells[curve]);
    const std::map<double, double> points = CurvePoints(curve);
    ASSERT_EQ(points.begin()->first, 50.0);
    EXPECT_EQ(Trimmed(calc::FormatFixed(points.begin()->second * 25.4, 5, 1)), at50.at(kCurveCells[curve]));
  }
  window->SetMeasuredCg(25.4);
  EXPECT_LE(Plot().YAxis().Low, 1.0);

  window->SetModelState(LoadedFrom(ExampleFile("default.dat")));
  EXPECT_EQ(Input("WhatIf_From").text(), QStringLiteral("1270"));
  EXPECT_EQ(Input("WhatIf_To").text(), QStringLiteral("1320.8"));
}

// The legend names each curve once, however many pieces a gap breaks it
// into, and a mark only while it is shown.
TEST_F(WhatIfWindowTest, LegendNamesEachCurveOnce) {
  window->SetModelState(LoadedFrom(ExampleFile("default.dat")));
  Type("WhatIf_From", "-100");
  Type("WhatIf_To", "100");
  ASSERT_GT(Plot().Pieces(0).size(), 1u);
  const QStringList curvesAndCurrent = {"neutral point", "rearmost CG", "foremost CG", "vortex lattice NP",
                                        "current value"};
  EXPECT_EQ(Plot().LegendEntries(), curvesAndCurrent);
  window->SetMeasuredCg(90.0);
  EXPECT_EQ(Plot().LegendEntries(), curvesAndCurrent + QStringList{"measured CG"});
}

struct DefaultRangeCase {
  const char* code;
  const char* from;
  const char* to;
};

// Choosing a field sets half to twice its value, twice to half for a
// negative one, -100 to 100 for 0 (default model: B 1300, Vk -30, Sa 0, Bh 415).
TEST_F(WhatIfWindowTest, ChoosingAFieldSetsItsDefaultRange) {
  window->SetModelState(LoadedFrom(ExampleFile("default.dat")));
  EXPECT_EQ(Input("WhatIf_From").text(), QStringLiteral("650"));
  EXPECT_EQ(Input("WhatIf_To").text(), QStringLiteral("2600"));
  const DefaultRangeCase cases[] = {
      {"Vk", "-60", "-15"}, {"Sa", "-100", "100"}, {"Bh", "207.5", "830"}, {"B", "650", "2600"}};
  for (const DefaultRangeCase& range : cases) {
    SCOPED_TRACE(range.code);
    Choose(range.code);
    EXPECT_EQ(Input("WhatIf_From").text(), QString::fromLatin1(range.from));
    EXPECT_EQ(Input("WhatIf_To").text(), QString::fromLatin1(range.to));
  }
}

// A new state from the main window redraws at once for the range the user
// typed, with the new model's values and its current value marked.
TEST_F(WhatIfWindowTest, NewModelStateRedrawsForTheTypedRange) {
  window->SetModelState(LoadedFrom(ExampleFile("default.dat")));
  Choose("Li");
  Type("WhatIf_From", "150");
  Type("WhatIf_To", "300");
  const std::map<double, double> before = CurvePoints(0);

  const std::string changed = folder.filePath(QStringLiteral("longer-tail.dat")).toStdString();
  std::ofstream(changed) << "1300\n0\n250\n210\n0\n-30\n0\n415\n50\n160\n110\n40\n20\n30\n480\n";
  window->SetModelState(LoadedFrom(changed));
  EXPECT_EQ(Input("WhatIf_From").text(), QStringLiteral("150"));
  EXPECT_EQ(Input("WhatIf_To").text(), QStringLiteral("300"));
  EXPECT_NE(CurvePoints(0), before);
  ExpectPlotMatchesCommandLine(changed, "Li");
  EXPECT_EQ(Plot().CurrentMarks().currentValue, 250.0);
}

// A hidden window only keeps the state; showing it draws the plot.
TEST_F(WhatIfWindowTest, HiddenWindowDrawsWhenShown) {
  window->hide();
  window->SetModelState(LoadedFrom(ExampleFile("default.dat")));
  EXPECT_TRUE(CurvePoints(0).empty());
  window->show();
  ExpectPlotMatchesCommandLine(ExampleFile("default.dat"), "B");
}

// The measured centre of gravity is a horizontal line inside the vertical
// axis; without one the line goes.
TEST_F(WhatIfWindowTest, MeasuredCgIsAHorizontalLine) {
  window->SetModelState(LoadedFrom(ExampleFile("default.dat")));
  EXPECT_EQ(Plot().CurrentMarks().measuredCg, std::nullopt);
  window->SetMeasuredCg(-40.0);
  EXPECT_EQ(Plot().CurrentMarks().measuredCg, -40.0);
  EXPECT_LE(Plot().YAxis().Low, -40.0);
  window->SetMeasuredCg(std::nullopt);
  EXPECT_EQ(Plot().CurrentMarks().measuredCg, std::nullopt);
}

// The vertical axis's ticks follow from the plot alone: the same model
// gets the same ticks whatever was shown before.
TEST_F(WhatIfWindowTest, TicksDependOnThePlotAlone) {
  window->SetModelState(LoadedFrom(ExampleFile("default.dat")));
  const present::PlotAxis first = CompletePlot().YAxis();
  Choose("Rh");
  window->SetMeasuredCg(-400.0);
  window->SetMeasuredCg(std::nullopt);
  Choose("B");
  EXPECT_EQ(CompletePlot().YAxis().Low, first.Low);
  EXPECT_EQ(CompletePlot().YAxis().High, first.High);
  EXPECT_EQ(CompletePlot().YAxis().Step, first.Step);
}

// Hovering over a curve, the vortex lattice's too, up to six pixels above
// or below it, shows the nearest point's value, its three result labels and
// the lattice's neutral point as cgcalc-cli --vlm prints them; farther away
// nothing.
TEST_F(WhatIfWindowTest, HoverShowsThePointsLabels) {
  window->SetModelState(LoadedFrom(ExampleFile("default.dat")));
  const auto rows = SweepRows(ExampleFile("default.dat"), window->SweepArgument(), {"--vlm"});
  const auto& row = rows.at(rows.size() / 3);
  const double x = calc::ParseNumber(row.at("B"));
  std::vector<std::map<double, double>> curves;
  for (std::size_t curve = 0; curve < std::size(kCurveCells); ++curve) curves.push_back(CurvePoints(curve));
  std::map<double, double>& lattice = curves.emplace_back();
  for (const QPolygonF& piece : CompletePlot().LatticePieces())
    for (const QPointF& point : piece) lattice[point.x()] = point.y();
  for (std::size_t curve = 0; curve < curves.size(); ++curve) {
    SCOPED_TRACE(curve);
    const QPointF pixel = Plot().PixelOf({x, curves[curve].at(x)});
    const QStringList lines = Plot().ToolTipAt(pixel + QPointF(0, 5.5)).split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 5) << lines.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(lines[0], QStringLiteral("B = ") + QString::fromStdString(row.at("B")));
    for (int i = 0; i < 3; ++i)
      EXPECT_TRUE(lines[i + 1].endsWith(QLatin1Char(' ') + QString::fromStdString(row.at(kCurveCells[i]))))
          << lines[i + 1].toStdString();
    EXPECT_EQ(lines[4], QStringLiteral("vortex lattice NP: ") + QString::fromStdString(Trimmed(row.at("Vlm_Np"))));
  }
  const QPointF rearmost = Plot().PixelOf({x, CurvePoints(1).at(x)});
  const QPointF foremost = Plot().PixelOf({x, CurvePoints(2).at(x)});
  ASSERT_GT(std::abs(rearmost.y() - foremost.y()), 30);
  EXPECT_EQ(Plot().ToolTipAt((rearmost + foremost) / 2), QString());
}

// The horizontal axis's tick labels stand whole inside the plot and apart,
// however narrow the range: the last one is not cut at the window's edge.
TEST_F(WhatIfWindowTest, TickLabelsStandWholeAndApart) {
  window->SetModelState(LoadedFrom(ExampleFile("default.dat")));
  const struct {
    const char* from;
    const char* to;
    const char* last;  // the last tick's label
  } kRanges[] = {{"1300", "1300.1", "1300.10"}, {"50000", "100000", "100000"}, {"1", "1.0000001", nullptr}};
  for (const auto& range : kRanges) {
    SCOPED_TRACE(range.to);
    Type("WhatIf_From", range.from);
    Type("WhatIf_To", range.to);
    const ui::WhatIfPlotView& plot = Plot();
    const std::vector<QRectF> labels = plot.XTickLabels();
    const present::PlotAxis axis = plot.XTickAxis();
    const std::vector<double> ticks = present::AxisTicks(axis);
    ASSERT_EQ(labels.size(), ticks.size());
    ASSERT_GE(labels.size(), 2u);
    const QFontMetricsF metrics(plot.font());
    for (std::size_t i = 0; i < labels.size(); ++i) {
      EXPECT_GE(labels[i].width(), metrics.horizontalAdvance(QString::number(ticks[i], 'f', axis.Decimals)));
      EXPECT_GE(labels[i].left(), 0);
      EXPECT_LE(labels[i].right(), plot.width());
      if (i > 0) {
        EXPECT_LT(labels[i - 1].right(), labels[i].left());
      }
    }
    if (range.last) {
      EXPECT_EQ(QString::number(ticks.back(), 'f', axis.Decimals), QString::fromLatin1(range.last));
    }
  }
}

// A batch of the lattice's points for an earlier curve is dropped: its
// indexes would land on the points of the plot shown now.
TEST(WhatIfPlotView, DropsLatticePointsOfAnEarlierCurve) {
  const calc::LoadedState state = LoadedFrom(ExampleFile("default.dat"));
  ui::WhatIfPlotView view;
  view.Show(present::ComputeWhatIf(state, 0, "1000:1500:0.5"), 0, {});
  const std::uint64_t earlier = view.LatticeGeneration();
  view.Show(present::ComputeWhatIf(state, 0, "1000:2000:1"), 0, {});
  const std::vector<ui::LatticeSweep::Point> batch = {{0, 100.0}, {1, 101.0}};
  view.AddLatticePoints(earlier, batch);
  EXPECT_TRUE(view.LatticePieces().empty());
  view.AddLatticePoints(view.LatticeGeneration(), batch);
  EXPECT_EQ(view.LatticePieces().size(), 1u);
}

// A range that cannot be used says why, naming the field as the window
// does and with cgcalc-cli's reason, in the window's language, and plots
// nothing; equal ends say so too.
TEST_F(WhatIfWindowTest, UnusableRangeSaysWhy) {
  window->SetModelState(LoadedFrom(ExampleFile("default.dat")));
  Type("WhatIf_From", "1,5");
  EXPECT_TRUE(CurvePoints(0).empty());
  EXPECT_EQ(ErrorLine(), QStringLiteral("from: not a number"));
  std::ostringstream out, err;
  EXPECT_EQ(cli::RunCli({"--csv", "--sweep", window->SweepArgument().toStdString(), ExampleFile("default.dat")}, out,
                        err),
            2);
  EXPECT_NE(err.str().find("FROM '1,5': not a number"), std::string::npos) << err.str();
  window->SetLanguage(present::Language::German);
  EXPECT_EQ(ErrorLine(), QStringLiteral("von: keine Zahl"));
  Type("WhatIf_From", "2600");
  EXPECT_TRUE(CurvePoints(0).empty());
  EXPECT_EQ(ErrorLine(), QStringLiteral("von und bis sind gleich: kein Bereich zu zeichnen"));
  Type("WhatIf_From", "1000");
  EXPECT_FALSE(CurvePoints(0).empty());
  EXPECT_EQ(ErrorLine(), QString());
}

// The default range ends on its end value exactly: 180 to 720 for Rh 360.
TEST_F(WhatIfWindowTest, DefaultRangeEndsOnItsEnd) {
  calc::LoadedState state = LoadedFrom(ExampleFile("default.dat"));
  state.Texts.back() = "360";
  window->SetModelState(state);
  Choose("Rh");
  ASSERT_FALSE(Plot().Plot().Points.empty());
  EXPECT_EQ(Plot().Plot().Points.back().ValueText, "720");
}

// Alt, Ctrl or Meta with a letter never types into a range field.
TEST_F(WhatIfWindowTest, CommandKeysDoNotType) {
  window->SetModelState(LoadedFrom(ExampleFile("default.dat")));
  for (const Qt::KeyboardModifier modifier : {Qt::AltModifier, Qt::ControlModifier, Qt::MetaModifier}) {
    SCOPED_TRACE(modifier);
    QTest::keyClick(&Input("WhatIf_From"), Qt::Key_F, modifier);
    EXPECT_EQ(Input("WhatIf_From").text(), QStringLiteral("650"));
  }
}

// After the main window's recalculation fails, the plot of the last good
// model is marked as not current until the next one completes; Ctrl+O over
// the plot is the main window's Load.
TEST_F(WhatIfWindowTest, FailedRecalculationMarksThePlotOutdated) {
  QWidget mainWindow;
  auto* fileMenu = new QMenu(&mainWindow);
  fileMenu->setObjectName(QStringLiteral("File1"));
  QAction* load = fileMenu->addAction(QStringLiteral("&Load"));
  load->setObjectName(QStringLiteral("Load1"));
  load->setShortcut(QKeySequence::Open);
  int loads = 0;
  QObject::connect(load, &QAction::triggered, [&loads] { ++loads; });
  ui::ToolWindows tools(&mainWindow);
  const calc::LoadedState state = LoadedFrom(ExampleFile("default.dat"));
  calc::TStabilityData results;
  tools.Follow({state.Texts, state.Margins}, state.Model, results);
  tools.Invalidate();
  tools.OpenWhatIf();
  auto* whatIf = mainWindow.findChild<ui::WhatIfWindow*>();
  ASSERT_NE(whatIf, nullptr);
  whatIf->setParent(nullptr);  // the fixture owns it from here
  window.reset(whatIf);
  window->show();
  EXPECT_TRUE(Plot().IsOutdated());
  EXPECT_TRUE(Plot().Note().startsWith(QStringLiteral("The model cannot be calculated")));
  QApplication::setActiveWindow(window.get());
  QTest::keyClick(&Input("WhatIf_From"), Qt::Key_O, Qt::ControlModifier);
  EXPECT_EQ(loads, 1);
  tools.Follow({state.Texts, state.Margins}, state.Model, results);
  EXPECT_TRUE(QTest::qWaitFor([this] { return !Plot().IsOutdated(); }));
  EXPECT_EQ(Plot().Note(), QString());
}

// The texts follow the language; the field stays chosen.
TEST_F(WhatIfWindowTest, LanguageSwitchesTexts) {
  Choose("Rh");
  EXPECT_EQ(window->windowTitle(), QString::fromUtf8("What if\u2026"));
  EXPECT_EQ(ChildOf<QPushButton>(*window, QStringLiteral("WhatIf_ExportPng")).text(), QString::fromUtf8("Export PNG\u2026"));
  EXPECT_EQ(ChildOf<QPushButton>(*window, QStringLiteral("WhatIf_ExportSvg")).text(), QString::fromUtf8("Export SVG\u2026"));
  const QString english = FieldChoice().currentText();
  window->SetLanguage(present::Language::German);
  EXPECT_EQ(window->windowTitle(), QString::fromUtf8("Was w\u00e4re wenn\u2026"));
  EXPECT_NE(FieldChoice().currentText(), english);
  EXPECT_TRUE(FieldChoice().currentText().startsWith(QStringLiteral("Rh ")));
  window->SetLanguage(present::Language::English);
  EXPECT_EQ(FieldChoice().currentText(), english);
}

// The exports write images that load back at the plot's size; a folder
// that does not exist is a file error the window can put in words, and no
// file.
TEST_F(WhatIfWindowTest, ExportsLoadBack) {
  window->SetModelState(LoadedFrom(ExampleFile("default.dat")));
  window->SetMeasuredCg(90.0);
  const QSize chartSize = Plot().size();
  const QString png = folder.filePath(QStringLiteral("plot.png"));
  const QString svg = folder.filePath(QStringLiteral("plot.svg"));
  ASSERT_TRUE(window->ExportPng(png));
  const QImage image(png);
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.size(), chartSize);
  ASSERT_TRUE(window->ExportSvg(svg));
  QSvgRenderer renderer(svg);
  EXPECT_TRUE(renderer.isValid());
  EXPECT_EQ(renderer.viewBoxF().size(), QSizeF(chartSize));

  const QString missing = folder.filePath(QStringLiteral("no such folder/plot"));
  EXPECT_THROW(window->ExportPng(missing + QStringLiteral(".png")), files::FileError);
  EXPECT_THROW(window->ExportSvg(missing + QStringLiteral(".svg")), files::FileError);
  EXPECT_FALSE(QFileInfo::exists(missing + QStringLiteral(".png")));
}

}  // namespace
}  // namespace ui_test
