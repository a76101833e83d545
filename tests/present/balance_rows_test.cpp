#include "present/balance_rows.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string RowText(std::string_view name, const calc::TBalanceData& balance) {
  for (const present::BalanceRow& row : present::BalanceRows()) {
    if (row.name == name) return row.text(balance, present::Language::English, {});
  }
  return "no row " + std::string(name);
}

// A figure that rounds to zero shows no sign, whichever side it came from;
// one that does not round to zero keeps it.
TEST(BalanceRows, NoFigureReadsMinusZero) {
  calc::TBalanceData balance;
  balance.Advice = calc::BalanceAdvice::Ballast;
  balance.Cg = -0.04;
  balance.StaticMargin = -1e-9;
  balance.Ballast = -0.0;
  balance.NewMass = -0.0;
  balance.Mass = -30.0;
  const struct {
    const char* name;
    const char* text;
  } rows[] = {{"Bal_Cg", "  0.0"}, {"Bal_Margin", "  0.0"}, {"Bal_Ballast", "   0.0"},
              {"Bal_NewMass", "   0.0"}, {"Bal_Mass", " -30.0"}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(RowText(row.name, balance), row.text);
  }
}

}  // namespace
