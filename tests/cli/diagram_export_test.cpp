#include "cli/diagram_export.h"

#include <fcntl.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "calc/failure.h"
#include "cli/evaluation.h"
#include "diagram/canvas.h"
#include "diagram/planform.h"
#include "files/model_reader.h"
#include "png_reading.h"
#include "scratch_folder.h"

namespace cli {
namespace {

using testing::ChunkTypes;
using testing::DecodePng;
using testing::ReadFileBytes;
using testing::ScratchFolder;

void WriteText(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

// The image written for a model file must hold exactly the pixels the window
// draws for that model on its canvas, in 8-bit RGB with no other chunks; a
// canard's marks stand at the lattice's range.
class ExportedModel : public ::testing::TestWithParam<const char*> {};

TEST_P(ExportedModel, FileHoldsTheCanvasPixels) {
  const aero::VlmOptions lattice;
  const Evaluation evaluation = EvaluateLoadedModel(files::ReadModelFile(GetParam()), nullptr, &lattice);
  const aero::Comparison& comparison = evaluation.vlm.value().comparison.value();
  const bool canard = std::string_view(GetParam()).ends_with("canard.dat");
  ASSERT_EQ(comparison.TailAhead, canard);
  const double rear = canard ? comparison.LatticeRange.value().Rear : evaluation.results.CgSmallMargin;
  const double forward = canard ? comparison.LatticeRange.value().Forward : evaluation.results.CgLargeMargin;
  diagram::Canvas canvas(diagram::kDiagramWidth, diagram::kDiagramHeight);
  diagram::DrawPlanform(canvas, evaluation.model, rear, forward);

  const ScratchFolder folder;
  WriteDiagramImage(folder.File("diagram.png"), evaluation.model, evaluation.results);
  const std::string png = ReadFileBytes(folder.File("diagram.png"));
  const testing::DecodedPng decoded = DecodePng(png);
  EXPECT_EQ(decoded.fileFormat, static_cast<std::uint32_t>(PNG_FORMAT_RGB));
  testing::ExpectCanvasPixels(decoded, canvas);
  const std::vector<std::string> chunks = ChunkTypes(png);
  EXPECT_EQ(chunks, (std::vector<std::string>{"IHDR", "IDAT", "IEND"}));
}

INSTANTIATE_TEST_SUITE_P(
    Models, ExportedModel,
    ::testing::Values(CGCALC_TEST_DATA_DIR "/default.dat", CGCALC_TEST_DATA_DIR "/flying_wing.dat",
                      CGCALC_TEST_DATA_DIR "/decimals_and_exponent.dat", CGCALC_TEST_DATA_DIR "/five_lines.dat",
                      CGCALC_EXAMPLES_DIR "/glider-two-panel.dat", CGCALC_EXAMPLES_DIR "/flying-wing.dat",
                      CGCALC_TEST_DATA_DIR "/aero/canard.dat"),
    [](const ::testing::TestParamInfo<const char*>& info) {
      const std::filesystem::path path(info.param);
      std::string name = path.parent_path().filename().string() + "_" + path.stem().string();
      for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
      }
      return name;
    });

// Independent of the drawing code: the exported image keeps the window's
// colours (no swapped channels) and the default model's rows: reference
// line 59, marks on rows 71 and 74.
TEST(DiagramExport, DefaultModelPixels) {
  const calc::TModelData model{1300, 0, 220, 210, 0, -30, 0, 415, 50, 160, 110, 40, 20, 30, 360};
  const Evaluation evaluation = EvaluateLoadedModel(model);
  const ScratchFolder folder;
  WriteDiagramImage(folder.File("default.png"), evaluation.model, evaluation.results);
  const testing::DecodedPng image = DecodePng(ReadFileBytes(folder.File("default.png")));
  ASSERT_TRUE(image.ok) << image.message;
  ASSERT_EQ(image.width, 272);
  ASSERT_EQ(image.height, 192);
  const struct {
    const char* name;
    int x, y;
    diagram::Colour colour;
  } pixels[] = {
      {"frame", 0, 0, {0, 0, 0}},
      {"background", 60, 150, {192, 192, 192}},
      {"centre line", 136, 20, {255, 0, 0}},
      {"reference line", 10, 59, {255, 0, 0}},
      {"wing root trailing edge", 137, 96, {0, 0, 255}},
      {"tailplane start", 136, 183, {0, 128, 0}},
      {"large margin mark", 134, 71, {0, 0, 0}},
      {"small margin mark", 137, 74, {0, 0, 0}},
  };
  for (const auto& pixel : pixels) {
    const std::size_t at = (static_cast<std::size_t>(pixel.y) * 272 + pixel.x) * 3;
    EXPECT_EQ((diagram::Colour{image.rgb[at], image.rgb[at + 1], image.rgb[at + 2]}), pixel.colour) << pixel.name;
  }
}

TEST(DiagramExport, ZeroScaleFailsLikeTheWindow) {
  const ScratchFolder folder;
  calc::TModelData model{-200, 0, -300, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  calc::TStabilityData results;
  try {
    WriteDiagramImage(folder.File("zero.png"), model, results);
    FAIL() << "no failure";
  } catch (const calc::ArithmeticFailure& failure) {
    EXPECT_STREQ(failure.what(), "Floating point division by zero");
  }
  EXPECT_TRUE(folder.Names().empty());
}

// Each target that cannot take the image gives the file's name and the file
// error; whatever stood there before is left as it was.
TEST(DiagramExport, UnwritableTargetsAreReported) {
  const ScratchFolder folder;
  std::filesystem::create_directory(folder.File("a folder"));
  const struct {
    std::string path;
    const char* reason;
  } targets[] = {
      {"/nonexistent-folder/x.png", "Invalid filename"},
      {"/dev/full", "No space left on the device"},
      {folder.File("a folder"), "File access denied"},
  };
  const Evaluation evaluation = EvaluateLoadedModel(files::ReadModelFile(CGCALC_TEST_DATA_DIR "/default.dat"));
  for (const auto& target : targets) {
    SCOPED_TRACE(target.path);
    try {
      WriteDiagramImage(target.path, evaluation.model, evaluation.results);
      ADD_FAILURE() << "no failure";
    } catch (const ExportError& error) {
      EXPECT_EQ(error.what(), "cannot write the diagram to " + target.path + ": " + target.reason);
    }
  }
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"a folder"});
  EXPECT_TRUE(std::filesystem::is_empty(folder.File("a folder")));
}

struct ProgramRun {
  int exitStatus = -1;
  std::string err;
};

// Runs cgcalc-cli with its files limited to `fileSizeLimit` bytes, so that
// writing more fails (EFBIG) as a full disk would, even for root.
ProgramRun RunWithFileSizeLimit(const std::vector<std::string>& arguments, rlim_t fileSizeLimit) {
  int errPipe[2];
  if (::pipe2(errPipe, O_CLOEXEC) != 0) return {};
  std::vector<std::string> all = {CGCALC_CLI_PATH};
  all.insert(all.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& argument : all) argv.push_back(argument.data());
  argv.push_back(nullptr);
  const pid_t child = ::fork();
  if (child < 0) {
    ::close(errPipe[0]);
    ::close(errPipe[1]);
    return {};
  }
  if (child == 0) {
    ::signal(SIGXFSZ, SIG_IGN);  // a failed write instead of the end of the process
    const rlimit limit{fileSizeLimit, fileSizeLimit};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    ::dup2(errPipe[1], STDERR_FILENO);
    const int null = ::open("/dev/null", O_WRONLY);
    ::dup2(null, STDOUT_FILENO);
    ::execv(CGCALC_CLI_PATH, argv.data());
    ::_exit(127);
  }
  ::close(errPipe[1]);
  ProgramRun run;
  char buffer[512];
  for (ssize_t got; (got = ::read(errPipe[0], buffer, sizeof buffer)) > 0;) run.err.append(buffer, got);
  ::close(errPipe[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  run.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

TEST(DiagramExportProgram, FailedWriteKeepsTheEarlierImage) {
  const ScratchFolder folder;
  const std::string target = folder.File("diagram.png");
  WriteText(target, "the earlier image");
  const ProgramRun run =
      RunWithFileSizeLimit({"--labels", "--diagram", target, CGCALC_TEST_DATA_DIR "/default.dat"}, 100);
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_NE(run.err.find("cannot write the diagram to " + target + ": "), std::string::npos) << run.err;
  EXPECT_EQ(ReadFileBytes(target), "the earlier image");
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"diagram.png"});
}

TEST(DiagramExportProgram, WritesTheImageWhenAsked) {
  const ScratchFolder folder;
  const std::string target = folder.File("diagram.png");
  WriteText(target, "the earlier image");
  const ProgramRun run =
      RunWithFileSizeLimit({"--diagram", target, CGCALC_TEST_DATA_DIR "/default.dat"}, RLIM_INFINITY);
  EXPECT_EQ(run.exitStatus, 0) << run.err;
  EXPECT_TRUE(DecodePng(ReadFileBytes(target)).ok);
}

}  // namespace
}  // namespace cli
