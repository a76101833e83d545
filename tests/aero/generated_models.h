#pragma once

// Models of every kind a builder draws, generated from a fixed seed: the
// ground on which the default lattice must agree with finer ones. Each kind
// is a table row of ranges; a model's dimensions are drawn uniformly from
// them, so the set is the same on every platform (no std:: distribution,
// whose results the standard leaves to the library).

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "calc/model.h"

namespace aero_test {

struct GeneratedModel {
  std::string Name;
  calc::TModelData Model;
  double TailHeight = 0;  // mm above the wing's plane
};

// Each range is [low, high]; lengths in mm, or in the shares named.
struct Range {
  double Low, High;
};

struct ModelKind {
  const char* Name;
  Range Span;            // B
  Range AspectRatio;     // span over root chord
  Range OuterShare;      // Sa over the half span
  Range KinkTaper;       // Lk over Li
  Range TipTaper;        // La over Li
  Range Sweep;           // trailing-edge offset of the tip aft, over the half span
  Range TailSpanShare;   // Bh over B; 0: a flying wing
  Range TailChordShare;  // Lih over Li
  Range TailTaper;       // Lah over Lih (Lkh halfway, Sah a third of the half span)
  Range Distance;        // Rh over Li; below 0 ahead of the wing
};

inline constexpr ModelKind kModelKinds[] = {
    {"trainer", {1200, 1800}, {5, 7}, {0, 0}, {0.9, 1}, {0, 0}, {0, 0.03}, {0.3, 0.4}, {0.6, 0.8}, {0.5, 0.8},
     {1.5, 2.5}},
    {"tapered", {1400, 2400}, {6, 10}, {0.3, 0.6}, {0.7, 0.95}, {0.3, 0.6}, {0.05, 0.2}, {0.25, 0.35},
     {0.5, 0.8}, {0.4, 0.7}, {2, 3}},
    {"pointed", {1000, 2000}, {5, 9}, {0, 0}, {0, 0.05}, {0, 0}, {-0.1, 0.25}, {0.3, 0.4}, {0.6, 0.9},
     {0, 0.5}, {1.2, 2.5}},
    {"glider", {2500, 4000}, {12, 20}, {0.3, 0.5}, {0.85, 1}, {0.4, 0.6}, {0.02, 0.15}, {0.18, 0.25},
     {0.5, 0.7}, {0.4, 0.7}, {4, 6}},
    {"long tail", {1200, 2000}, {6, 9}, {0, 0.4}, {0.8, 1}, {0.4, 1}, {0, 0.1}, {0.25, 0.35}, {0.5, 0.8},
     {0.4, 0.8}, {4, 6}},
    {"short tail", {1200, 2000}, {5, 8}, {0, 0.4}, {0.8, 1}, {0.4, 1}, {0, 0.1}, {0.3, 0.45}, {0.6, 0.9},
     {0.5, 0.8}, {0.3, 1}},
    {"small tailplane", {1200, 2000}, {6, 9}, {0, 0.4}, {0.7, 1}, {0.4, 1}, {0, 0.1}, {0.15, 0.22},
     {0.4, 0.6}, {0.5, 0.8}, {2, 3}},
    {"large tailplane", {1200, 2000}, {5, 8}, {0, 0.4}, {0.7, 1}, {0.3, 1}, {0, 0.15}, {0.45, 0.6},
     {0.8, 1.1}, {0.3, 0.7}, {1, 2.5}},
    {"swept flying wing", {1200, 2400}, {4, 7}, {0, 0}, {0.3, 0.7}, {0, 0}, {0.4, 0.8}, {0, 0}, {0, 0},
     {0, 0}, {0, 0}},
    {"kinked flying wing", {1400, 2600}, {5, 8}, {0.4, 0.7}, {0.6, 0.85}, {0.3, 0.5}, {0.3, 0.7}, {0, 0},
     {0, 0}, {0, 0}, {0, 0}},
    {"canard", {1200, 1800}, {5, 8}, {0, 0.4}, {0.6, 1}, {0.4, 0.8}, {0, 0.2}, {0.3, 0.5}, {0.5, 0.8},
     {0.5, 0.9}, {-5, -3}},
    {"tandem", {1000, 1600}, {5, 8}, {0, 0.3}, {0.7, 1}, {0.5, 1}, {0, 0.1}, {0.7, 1.05}, {0.8, 1.1},
     {0.5, 1}, {0.5, 3}},
};

// `count` models, the kinds in turn; the tailplane by turns in the wing's
// plane, above it by 0.1 to 0.2 of the wing's half span, and near it (within
// 0.05 of the half span above or below).
inline std::vector<GeneratedModel> GeneratedModels(int count) {
  std::mt19937_64 random(20261208);
  const auto draw = [&random](Range range) {
    const double unit = static_cast<double>(random() >> 11) * 0x1.0p-53;
    return range.Low + (range.High - range.Low) * unit;
  };
  std::vector<GeneratedModel> models;
  for (int i = 0; i < count; ++i) {
    const ModelKind& kind = kModelKinds[static_cast<std::size_t>(i) % std::size(kModelKinds)];
    calc::TModelData m;
    m.B = draw(kind.Span);
    const double half = m.B / 2;
    m.Li = m.B / draw(kind.AspectRatio);
    m.Sa = half * draw(kind.OuterShare);
    m.Lk = m.Li * draw(kind.KinkTaper);
    const double tipTaper = draw(kind.TipTaper);
    m.La = m.Sa > 0 ? m.Li * tipTaper : 0;
    const double sweep = draw(kind.Sweep) * half;
    // The kink's offset in proportion to its place across, the tip's as drawn.
    m.Vk = -sweep * (half - m.Sa) / half - (m.Li - m.Lk) / 2;
    m.Va = m.Sa > 0 ? -sweep - (m.Li - m.La) / 2 : 0;
    m.Bh = m.B * draw(kind.TailSpanShare);
    double height = 0;
    if (m.Bh != 0) {
      m.Lih = m.Li * draw(kind.TailChordShare);
      m.Sah = m.Bh / 6;
      m.Lah = m.Lih * draw(kind.TailTaper);
      m.Lkh = (m.Lih + m.Lah) / 2;
      m.Vkh = (m.Lih - m.Lkh) / 2;
      m.Vah = (m.Lih - m.Lah) / 2;
      const double distance = draw(kind.Distance);
      // A canard's root leading edge that far ahead of the wing's.
      m.Rh = distance >= 0 ? m.Li * distance : m.Li * distance - m.Lih;
      const Range heights[] = {{0, 0}, {0.1, 0.2}, {-0.05, 0.05}};
      height = half * draw(heights[static_cast<std::size_t>(i / std::size(kModelKinds)) % std::size(heights)]);
    }
    models.push_back({std::string(kind.Name) + " " + std::to_string(i), m, height});
  }
  return models;
}

}  // namespace aero_test
