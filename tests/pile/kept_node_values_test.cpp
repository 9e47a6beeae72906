// The p-y values kept at the nodes over a load case's iterations: a case
// solved with them must be the case solved with every value computed afresh
// at every pass, to the last bit of every deflection and modulus, with the
// same warnings counted in the same order and the same report and messages.
#include <gtest/gtest.h>

#include <string>

#include "support/pile_fixture.hpp"

namespace tarvex {
namespace {

struct KeptCase {
  const char* name;
  testing::PileInputParts parts;
};

testing::PileInputParts Cyclic(testing::PileInputParts p, double cycles) {
  p.cyclic = true;
  p.cycles = cycles;
  return p;
}

testing::PileInputParts Si(testing::PileInputParts p) {
  p.units = "SI";
  return p;
}

// A steel pipe 24 in across, 60 ft long.
const char* kPipe = "1\n1\n4\n60.0\n24.0\n0.5\n36000.0\n29000000.0\n";
const char* kShear = "1\n1 1 40000.0 0.0 0.0 0\n0\n";

int KeptNodes(const CaseState& state) {
  int kept = 0;
  for (const NodeSoilCache::Entry& e : state.soil_reads.entries) kept += e.kept_for != nullptr;
  return kept;
}

TEST(KeptNodeValues, GiveTheSameSolutionAsValuesComputedAtEveryPass) {
  const KeptCase cases[] = {
      // Strength above the soft clay's range: a warning at every node of every pass.
      {"strong soft clay",
       testing::Parts(kPipe, "1\n1 0.0 80.0\n50.0 1500.0 0.01\n50.0 2500.0 0.005\n", kShear, 200)},
      {"soft clay, cyclic",
       Cyclic(
           testing::Parts(kPipe, "1\n1 0.0 80.0\n50.0 200.0 0.02\n50.0 900.0 0.01\n", kShear, 150),
           100.0)},
      {"soft clay with J, default epsilon-50",
       testing::Parts(kPipe, "1\n15 0.0 80.0\n50.0 300.0 0.0 0.25\n50.0 900.0 0.0 0.25\n", kShear,
                      120)},
      // The soft clay below the sand starts at its equivalent depth.
      {"sand over soft clay",
       testing::Parts(kPipe,
                      "2\n5 0.0 15.0\n60.0 32.0 0.0\n60.0 34.0 0.0\n1 15.0 80.0\n55.0 400.0 "
                      "0.02\n55.0 800.0 0.01\n",
                      kShear, 160)},
      {"soft clay over soft clay", testing::Parts(kPipe,
                                                  "2\n1 0.0 10.0\n50.0 200.0 0.02\n50.0 300.0 "
                                                  "0.02\n1 10.0 80.0\n55.0 600.0 0.01\n55.0 "
                                                  "900.0 0.01\n",
                                                  kShear, 100)},
      {"API sand, friction angle beyond its range",
       testing::Parts(kPipe, "1\n6 0.0 80.0\n60.0 18.0 0.0\n62.0 36.0 0.0\n", kShear, 150)},
      {"elastic subgrade over API sand over soft clay",
       Cyclic(testing::Parts(kPipe,
                             "3\n13 0.0 5.0\n60.0 200.0\n60.0 400.0\n6 5.0 20.0\n60.0 32.0 "
                             "0.0\n62.0 36.0 0.0\n1 20.0 80.0\n55.0 500.0 0.01\n55.0 900.0 0.01\n",
                             kShear, 140),
              10.0)},
      {"soft clay, SI", Si(testing::Parts("1\n1\n4\n18.0\n610.0\n12.7\n248000.0\n200000000.0\n",
                                          "1\n1 0.0 25.0\n8.0 70.0 0.01\n8.0 90.0 0.005\n",
                                          "1\n1 1 180.0 0.0 0.0 0\n0\n", 180))},
  };
  for (const KeptCase& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string input = testing::PileInput(c.parts);
    const testing::SolvedCase kept = testing::SolveCase(input, 1, true);
    const testing::SolvedCase fresh = testing::SolveCase(input, 1, false);
    ASSERT_EQ(fresh.iteration, CaseIteration::kConverged) << fresh.model->out.report.contents();
    EXPECT_EQ(kept.iteration, fresh.iteration);
    const CaseState& a = kept.model->state;
    const CaseState& b = fresh.model->state;
    EXPECT_GT(b.iteration, 2);
    EXPECT_EQ(a.iteration, b.iteration);
    for (int k = 1; k <= b.nodes.count; ++k) {
      const std::size_t i = PileNodes::At(k);
      ASSERT_EQ(a.nodes.y[i], b.nodes.y[i]) << "deflection at node " << k;
      ASSERT_EQ(a.nodes.es[i], b.nodes.es[i]) << "modulus at node " << k;
    }
    EXPECT_EQ(kept.model->soil.layer_resistance, fresh.model->soil.layer_resistance);
    EXPECT_EQ(kept.model->soil.heq, fresh.model->soil.heq);
    const WarningTally& wa = kept.model->out.warnings();
    const WarningTally& wb = fresh.model->out.warnings();
    EXPECT_EQ(wa.counts, wb.counts);
    EXPECT_EQ(wa.list, wb.list);
    EXPECT_EQ(wa.head, wb.head);
    ASSERT_EQ(wa.by_case.size(), wb.by_case.size());
    for (std::size_t n = 0; n < wb.by_case.size(); ++n) {
      EXPECT_EQ(wa.by_case[n].number, wb.by_case[n].number);
      EXPECT_EQ(wa.by_case[n].count, wb.by_case[n].count);
    }
    EXPECT_EQ(kept.model->out.report.contents(), fresh.model->out.report.contents());
    EXPECT_EQ(kept.model->out.message.contents(), fresh.model->out.message.contents());
    // The comparison means something only if values were kept in one and not the other.
    EXPECT_GT(KeptNodes(a), b.nodes.count / 2);
    EXPECT_EQ(KeptNodes(b), 0);
  }
}

}  // namespace
}  // namespace tarvex
