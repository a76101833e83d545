#pragma once

#include <array>
#include <string>
#include <string_view>

#include "present/language.h"
#include "present/second_opinion.h"

namespace cli {

// The vortex lattice's second opinion as --vlm adds it to every format: its
// figures (lift slope, neutral point, its difference to the rule's, and the
// rule's margins laid around it), then its warnings as one list.

struct VlmFigureRow {
  std::string_view name;     // the key in --labels, --json, --jsonl and --csv
  present::Caption caption;  // in the table, below its heading
  std::string present::SecondOpinionFigures::*figure;
};

inline constexpr std::array kVlmFigureRows = {
    VlmFigureRow{"Vlm_CLa", &present::Texts::rowLiftSlope, &present::SecondOpinionFigures::LiftSlope},
    VlmFigureRow{"Vlm_Np", &present::Texts::rowNeutralPoint, &present::SecondOpinionFigures::NeutralPoint},
    VlmFigureRow{"Vlm_NpDiff", &present::Texts::vlmNpDiff, &present::SecondOpinionFigures::NpDiff},
    VlmFigureRow{"Vlm_CgForward", &present::Texts::vlmCgForward, &present::SecondOpinionFigures::CgForward},
    VlmFigureRow{"Vlm_CgRear", &present::Texts::vlmCgRear, &present::SecondOpinionFigures::CgRear},
};

// The key of the warnings: a JSON array, in --csv and --labels one text
// with the warnings joined by kVlmWarningSeparator.
inline constexpr std::string_view kVlmWarningsName = "Vlm_Warnings";
inline constexpr std::string_view kVlmWarningSeparator = "; ";

// The table's heading for the rows.
inline constexpr present::Caption kVlmTitle = &present::Texts::vlmTitle;

// The one warning when the lattice had nothing to solve; its figures then
// stay empty.
inline constexpr present::Caption kVlmNothingSolved = &present::Texts::latticeCannotSolve;

}  // namespace cli
