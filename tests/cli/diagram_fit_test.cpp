// Models whose planform or marks would leave the diagram: the drawing is
// fitted onto it, and looks as recorded in tests/data/expected/diagram-*.png
// (written by cgcalc-cli --diagram for the same model file).
#include <gtest/gtest.h>

#include <string>

#include "../diagram/drawn_extent.h"
#include "cli/evaluation.h"
#include "diagram/canvas.h"
#include "diagram/planform.h"
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

TEST(DiagramFit, ModelsThatLeftTheDiagramAreDrawnWhole) {
  for (const OutsideModel& row : kOutsideModels) {
    SCOPED_TRACE(row.Name);
    const Evaluation evaluation = EvaluateLoadedModel(files::ReadModelFile(row.File));
    const double cgSmall = evaluation.results.CgSmallMargin, cgLarge = evaluation.results.CgLargeMargin;
    EXPECT_TRUE(diagram::testing::OnTheSurface(diagram::PlanformOps(evaluation.model, cgSmall, cgLarge),
                                               diagram::kFitMargin));
    diagram::Canvas canvas(diagram::kDiagramWidth, diagram::kDiagramHeight);
    diagram::DrawPlanform(canvas, evaluation.model, cgSmall, cgLarge);
    const std::string recorded = std::string(CGCALC_TEST_DATA_DIR "/expected/diagram-") + row.Name + ".png";
    testing::ExpectCanvasPixels(testing::DecodePng(testing::ReadFileBytes(recorded)), canvas);
  }
}

}  // namespace
}  // namespace cli
