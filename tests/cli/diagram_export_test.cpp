#include <gtest/gtest.h>

#ifdef CGCALC_DIAGRAM_EXPORT
#include <QColor>
#include <QImage>

#include <filesystem>

#include "calc/failure.h"
#include "cli/diagram_export.h"
#include "cli/evaluation.h"

namespace cli {
namespace {

std::string TemporaryPng(const char* name) {
  return (std::filesystem::temp_directory_path() / (std::string("cgcalc-export-") + name + ".png")).string();
}

// The exported image keeps the window's colours (no swapped channels) and
// the default model's rows: reference line 59, marks on rows 71 and 74.
TEST(DiagramExport, DefaultModelPixels) {
  const calc::TModelData model{1300, 0, 220, 210, 0, -30, 0, 415, 50, 160, 110, 40, 20, 30, 360};
  const Evaluation evaluation = EvaluateLoadedModel(model);
  const std::string path = TemporaryPng("default");
  WriteDiagramImage(path, evaluation.model, evaluation.results);
  const QImage image(QString::fromStdString(path));
  std::filesystem::remove(path);
  ASSERT_EQ(image.size(), QSize(272, 192));
  const struct {
    const char* Name;
    int X, Y;
    QColor Colour;
  } pixels[] = {
      {"frame", 0, 0, Qt::black},          {"background", 60, 150, QColor(192, 192, 192)},
      {"centre line", 136, 20, Qt::red},   {"reference line", 10, 59, Qt::red},
      {"wing root trailing edge", 137, 96, Qt::blue}, {"tailplane start", 136, 183, QColor(0, 128, 0)},
      {"large margin mark", 134, 71, Qt::black},      {"small margin mark", 137, 74, Qt::black},
  };
  for (const auto& pixel : pixels) {
    EXPECT_EQ(image.pixelColor(pixel.X, pixel.Y).rgb(), pixel.Colour.rgb()) << pixel.Name;
  }
}

TEST(DiagramExport, ZeroScaleFailsLikeTheWindow) {
  calc::TModelData model{-200, 0, -300, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  calc::TStabilityData results;
  try {
    WriteDiagramImage(TemporaryPng("zero"), model, results);
    FAIL() << "no failure";
  } catch (const calc::ArithmeticFailure& failure) {
    EXPECT_STREQ(failure.what(), "Floating point division by zero");
  }
}

TEST(DiagramExport, UnwritablePathIsReported) {
  const calc::TStabilityData results;
  const calc::TModelData model{1300, 0, 220, 210, 0, -30, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  EXPECT_THROW(WriteDiagramImage("/nonexistent-folder/x.png", model, results), DiagramExportError);
}

}  // namespace
}  // namespace cli
#endif
