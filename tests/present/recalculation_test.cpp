// Where a recalculation stops, by the field texts that stop it: the stages
// before the failing one have completed and were told in their order, and
// only the labels they completed have texts.
#include <optional>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "present/recalculation.h"

namespace {

using calc::Stage;
using calc::TModelData;

struct StopRow {
  const char* name;
  std::vector<std::pair<calc::ModelMember, const char*>> edits;  // on the default texts
  std::optional<Stage> stop;                                      // nothing: every stage completes
};

const StopRow kRows[] = {
    {"default model", {}, std::nullopt},
    {"wing field beyond range", {{&TModelData::Lk, "1e400"}}, Stage::ReadWing},
    {"all wing chords zero", {{&TModelData::Li, "0"}, {&TModelData::Lk, "0"}}, Stage::CalcWing},
    {"tailplane field beyond range", {{&TModelData::Rh, "1e999"}}, Stage::ReadTail},
    {"all tailplane chords zero", {{&TModelData::Lih, "0"}, {&TModelData::Lkh, "0"}, {&TModelData::Lah, "0"}},
     Stage::CalcTailAndTotals},
};

TEST(Recalculation, StopsAtTheFailingStage) {
  for (const StopRow& row : kRows) {
    SCOPED_TRACE(row.name);
    calc::RecalculationInput input{calc::DefaultFieldTexts()};
    for (const auto& [member, text] : row.edits) input.texts[calc::ModelFieldIndex(member)] = text;
    calc::TModelData model;
    calc::TStabilityData results;
    std::vector<Stage> told;
    const present::Recalculation outcome = present::Recalculate(
        input, {}, model, results, [&told](const present::CompletedStage& stage) { told.push_back(stage.stage); });

    ASSERT_EQ(outcome.failure.has_value(), row.stop.has_value());
    if (row.stop) {
      EXPECT_EQ(outcome.failure->stage, *row.stop);
    }
    const std::size_t completed = row.stop ? static_cast<std::size_t>(*row.stop) : calc::kStageCount;
    std::vector<Stage> expected;
    for (std::size_t i = 0; i < completed; ++i) expected.push_back(calc::kRecalculationStages[i].stage);
    EXPECT_EQ(told, expected);
    for (const present::ResultCell* cell : present::CellsInLabelOrder()) {
      SCOPED_TRACE(cell->name);
      EXPECT_EQ(outcome.labels[cell->order].empty(), static_cast<std::size_t>(cell->stage) >= completed);
    }
  }
}

}  // namespace
