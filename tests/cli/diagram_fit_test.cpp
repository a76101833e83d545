// Models whose planform or marks would leave the diagram: the drawing is
// fitted onto it, and looks as recorded in tests/data/expected/diagram-*.png
// (as cgcalc-cli --diagram draws the same model file, but for a canard's
// marks).
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "../diagram/drawn_extent.h"
#include "cli/evaluation.h"
#include "diagram/canvas.h"
#include "diagram/planform.h"
#include "diagram/png_image.h"
#include "files/model_reader.h"
#include "png_reading.h"

namespace cli {
namespace {

struct OutsideModel {
  const char* Name;  // also the recorded picture's, diagram-NAME.png
  const char* File;
};

const OutsideModel kOutsideModels[] = {
    {"canard", CGCALC_TEST_DATA_DIR "/aero/canard.dat"},                // foreplane above the top
    {"swept-flying-wing", CGCALC_EXAMPLES_DIR "/swept-flying-wing.dat"},  // tips below the bottom
    {"long-gap", CGCALC_TEST_DATA_DIR "/diagram/long-gap.dat"},         // taller than the diagram
    {"canard-far-ahead", CGCALC_TEST_DATA_DIR "/diagram/canard-far-ahead.dat"},
    {"tail-wider-than-wing", CGCALC_TEST_DATA_DIR "/diagram/tail-wider-than-wing.dat"},
    {"span-54-metres", CGCALC_TEST_DATA_DIR "/diagram/span-54-metres.dat"},  // tips on column 272
};

// With CGCALC_RECORD set in the environment the pictures are written into
// tests/data/expected/ instead, and the test is skipped, never passed. The
// test draws a canard's marks at the rule's range, as cgcalc-cli --diagram
// does not, so the test itself is the one route to its pictures.
TEST(DiagramFit, ModelsThatLeftTheDiagramAreDrawnWhole) {
  const bool recording = std::getenv("CGCALC_RECORD") != nullptr;
  for (const OutsideModel& row : kOutsideModels) {
    SCOPED_TRACE(row.Name);
    const Evaluation evaluation = EvaluateLoadedModel(files::ReadModelFile(row.File));
    const double cgSmall = evaluation.results.CgSmallMargin, cgLarge = evaluation.results.CgLargeMargin;
    EXPECT_TRUE(diagram::testing::OnTheSurface(diagram::PlanformOps(evaluation.model, cgSmall, cgLarge),
                                               diagram::kFitMargin));
    diagram::Canvas canvas(diagram::kDiagramWidth, diagram::kDiagramHeight);
    diagram::DrawPlanform(canvas, evaluation.model, cgSmall, cgLarge);
    const std::string recorded = std::string(CGCALC_TEST_DATA_DIR "/expected/diagram-") + row.Name + ".png";
    if (recording) {
      std::ofstream(recorded, std::ios::binary) << diagram::EncodePng(canvas);
    } else {
      testing::ExpectCanvasPixels(testing::DecodePng(testing::ReadFileBytes(recorded)), canvas);
    }
  }
  if (recording) GTEST_SKIP() << "recorded into tests/data/expected/";
}

}  // namespace
}  // namespace cli
