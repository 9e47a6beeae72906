// The warnings about the input as read (a gap between soil layers, p-y
// multipliers left unused, values ignored on a line) through a whole run: a
// run whose input check fails keeps those of the blocks the echo writes
// before the check's error block, and its result code stays the error's.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "support/test_support.hpp"
#include "tarvex/engine.hpp"

namespace tarvex {
namespace {

std::string Replace(std::string text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << "no \"" << from << "\" in the input";
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

// The gap fixture (soft clay to 3 m, stiff clay from 10 m) with p-y
// multipliers that UsePYModifiers NO leaves unused and a second value on the
// section length's line.
std::string WarnedInput() {
  std::string text = testing::ReadFile(std::string(TARVEX_SOURCE_DIR) +
                                       "/tests/engine/fixtures/soil_layer_gap_si.tv6");
  text = Replace(text, "20.0                       section length", "20.0,5  section length");
  return Replace(text, "\nEND", "\nGROUPEFF\n2\n1 0.0 0.8 1.0\n2 25.0 0.8 1.0\nEND");
}

TEST(InputWarnings, ThoseOfTheBlocksEchoedBeforeAFailedCheck) {
  using Counts = std::vector<std::pair<int, int>>;  // number, count
  const std::string warned = WarnedInput();
  const struct {
    const char* name;
    std::string input;
    std::string error;  // its name; empty for a run without error
    Counts warnings;
  } cases[] = {
      {"no check fails", warned, "", {{360, 1}, {361, 1}, {372, 1}}},
      // A micropile has no width: the check fails in the pile's block, before
      // the soil's.
      {"fails in the pile's block",
       Replace(Replace(warned, "SECTIONS\n1 ", "SECTIONS\n2 "), "\nSOIL LAYERS",
               "\n2\n14\n10.0\nSOIL LAYERS"),
       "zero_pile_width",
       {}},
      // Cycles beyond 5000: the check fails at the loading type, after the
      // layering and the multipliers, before the values ignored.
      {"fails at the loading type",
       Replace(warned, "Loading STATIC     1", "Loading CYCLIC 6000"),
       "cycles_out_of_range",
       {{360, 1}, {361, 1}}},
      // A soil profile ending above the pile tip: the check fails after the
      // last block, still before the values ignored.
      {"fails after the last block",
       Replace(warned, "3  10.0  25.0", "3  10.0  15.0"),
       "soil_profile_above_pile_tip",
       {{360, 1}, {361, 1}}},
  };
  AnalyseOptions options;
  options.keep_texts = true;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const RunResults r = analyse(c.input, options);
    if (c.error.empty()) {
      EXPECT_FALSE(r.error.has_value());
      EXPECT_EQ(r.result_code, c.warnings.size() > 1 ? -300 : 0);
    } else {
      ASSERT_TRUE(r.error.has_value());
      EXPECT_EQ(r.error->name, c.error);
      EXPECT_EQ(r.result_code, r.error->code);
    }
    Counts recorded;
    for (const WarningRecord& w : r.warnings) {
      EXPECT_EQ(w.load_case, 0);
      recorded.emplace_back(w.number, w.count);
    }
    EXPECT_EQ(recorded, c.warnings);
    // The warning summary lists the same.
    Counts summary;
    for (const auto& w : r.warning_summary) summary.emplace_back(w.number, w.count);
    EXPECT_EQ(summary, c.warnings);
    // The gap's line of detail follows its text wherever it is recorded.
    for (const WarningRecord& w : r.warnings) {
      if (w.number != 361) continue;
      ASSERT_GE(w.text.size(), 2U);
      EXPECT_EQ(w.text[w.text.size() - 2],
                "Layer 1 ends at 3.000 m and layer 2 begins at 10.000 m.");
    }
  }
}

}  // namespace
}  // namespace tarvex
