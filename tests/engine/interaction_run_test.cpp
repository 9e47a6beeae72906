// Interaction diagrams in a run: with ComputeInteraction YES every section
// has its diagram (or says why not) in the results, every load case its
// demand on every section, and the report, plot and message files are those
// of the same run without the diagrams' extra input.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "section/interaction.hpp"
#include "support/test_support.hpp"
#include "tarvex/engine.hpp"

namespace tarvex {
namespace {

using testing::ReadFile;

std::string Example(const std::string& name) {
  return ReadFile(std::string(TARVEX_SOURCE_DIR) + "/examples/" + name);
}

std::string Edited(std::string text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

RunResults Analysed(const std::string& input) {
  AnalyseOptions options;
  options.keep_texts = true;
  options.clock = [] { return DateTime{2026, 12, 10, 9, 0, 0}; };
  return analyse(input, options);
}

// The quick-start shaft (36 in, 12 #9, f'c 4 ksi, fy 60 ksi) with diagrams by ACI 318.
std::string QuickstartWithDiagrams() {
  return Edited(Example("quickstart.tv6"), "ComputeInteraction NO\n",
                "ComputeInteraction YES\nCode ACI318\n");
}

TEST(InteractionRun, EveryCaseIsCheckedAgainstTheShaftsDiagram) {
  const RunResults r = Analysed(QuickstartWithDiagrams());
  ASSERT_FALSE(r.error) << r.report_text;
  ASSERT_EQ(r.sections.size(), 1U);
  ASSERT_TRUE(r.sections[0].interaction);
  const InteractionResult& it = *r.sections[0].interaction;
  EXPECT_TRUE(it.covered);
  EXPECT_EQ(it.code, "ACI318");
  EXPECT_EQ(it.standard, "ACI 318-19");
  EXPECT_EQ(it.transverse, "tied");
  EXPECT_EQ(it.transverse_source, "default");
  EXPECT_TRUE(it.symmetric);
  // Computing units: pounds. P0 is the section report's nominal axial
  // capacity 0.85 f'c (Ag - As) + fy As (4140.0 kips).
  EXPECT_NEAR(it.pure_compression, 1000.0 * r.sections[0].axial_capacity, 1e-6);
  EXPECT_NEAR(it.pure_compression, 4139978.47, 0.01);
  EXPECT_NEAR(it.pure_tension, -720000.0, 1e-6);
  ASSERT_EQ(it.nominal.size(), it.factored.size());
  ASSERT_EQ(it.phi.size(), it.nominal.size());
  ASSERT_TRUE(it.balanced);

  ASSERT_EQ(it.demands.size(), r.cases.size());
  std::vector<PmPoint> design;
  for (const InteractionPoint& p : it.factored) design.push_back({p.axial, p.moment});
  double highest = 0.0;
  int governing = 0;
  for (std::size_t c = 0; c < r.cases.size(); ++c) {
    const InteractionDemand& d = it.demands[c];
    EXPECT_EQ(d.load_case, r.cases[c].number);
    EXPECT_FALSE(d.factored);
    EXPECT_EQ(d.axial, 100000.0);
    EXPECT_EQ(d.moment, std::fabs(r.cases[c].max_moment));  // one section: the pile's largest
    ASSERT_TRUE(d.utilisation);
    const Utilisation u = RayUtilisation(design, d.axial, d.moment);
    EXPECT_DOUBLE_EQ(*d.utilisation, u.ratio);
    EXPECT_GT(*d.utilisation, 0.01);
    EXPECT_LT(*d.utilisation, 1.0);  // 100 kips and a few hundred kip-in on a 36 in shaft
    EXPECT_EQ(d.passed, *d.utilisation <= 1.0);
    // The capacity lies on the ray through the demand.
    EXPECT_NEAR(d.capacity.axial * d.moment, d.capacity.moment * d.axial,
                1e-9 * d.capacity.axial * d.moment);
    if (*d.utilisation > highest) {
      highest = *d.utilisation;
      governing = d.load_case;
    }
  }
  ASSERT_TRUE(it.max_utilisation);
  EXPECT_EQ(*it.max_utilisation, highest);
  EXPECT_EQ(it.governing_case, governing);
}

TEST(InteractionRun, TransverseReinforcementChangesTheDiagramOnly) {
  const RunResults tied = Analysed(QuickstartWithDiagrams());
  const RunResults spiral =
      Analysed(Edited(QuickstartWithDiagrams(), "SOIL LAYERS\n",
                      "TRANSVERSE REINFORCEMENT\n1\n1  SPIRAL\nSOIL LAYERS\n"));
  ASSERT_FALSE(spiral.error) << spiral.report_text;
  EXPECT_EQ(spiral.report_text, tied.report_text);
  EXPECT_EQ(spiral.plot_text, tied.plot_text);
  EXPECT_EQ(spiral.message_text, tied.message_text);
  const InteractionResult& a = *tied.sections[0].interaction;
  const InteractionResult& b = *spiral.sections[0].interaction;
  EXPECT_EQ(b.transverse, "spiral");
  EXPECT_EQ(b.transverse_source, "input");
  EXPECT_NEAR(b.max_compression / a.max_compression, (0.75 * 0.85) / (0.65 * 0.80), 1e-12);
  EXPECT_EQ(b.pure_compression, a.pure_compression);
  // A spiral never lowers the design strength.
  for (std::size_t i = 0; i < a.demands.size(); ++i) {
    EXPECT_LE(*b.demands[i].utilisation, *a.demands[i].utilisation + 1e-12);
  }
  // Without ComputeInteraction YES the results carry no diagram.
  EXPECT_FALSE(Analysed(Example("quickstart.tv6")).sections[0].interaction);
}

TEST(InteractionRun, LrfdCombinationsAreFactoredDemandsOnEverySection) {
  const RunResults r =
      Analysed(Edited(Example("lrfd_cased_shaft_limestone_si.tv6"), "ComputeInteraction NO\n",
                      "ComputeInteraction YES\nCode AASHTO\n"));
  ASSERT_FALSE(r.error) << r.report_text;
  ASSERT_EQ(r.sections.size(), 2U);
  for (const SectionResult& s : r.sections) {
    ASSERT_TRUE(s.interaction);
    const InteractionResult& it = *s.interaction;
    EXPECT_TRUE(it.covered) << it.note;
    EXPECT_EQ(it.standard, "AASHTO LRFD");
    ASSERT_EQ(it.demands.size(), r.cases.size());
    for (std::size_t c = 0; c < r.cases.size(); ++c) {
      EXPECT_TRUE(it.demands[c].factored);
      EXPECT_EQ(it.demands[c].name, r.cases[c].combination_name);
      EXPECT_EQ(it.demands[c].moment,
                r.cases[c].section_max_moment[static_cast<std::size_t>(s.number - 1)]);
    }
  }
}

// The example whose title promises interaction diagrams by ACI 318: six
// prestressed sections, each with its diagram (no load cases in a
// stiffness-only run).
TEST(InteractionRun, ThePrestressedExampleShowsItsDiagrams) {
  const RunResults r = Analysed(Example("prestressed_pile_sections_ei_only_uscs.tv6"));
  ASSERT_FALSE(r.error) << r.report_text;
  ASSERT_EQ(r.sections.size(), 6U);
  for (const SectionResult& s : r.sections) {
    ASSERT_TRUE(s.interaction) << s.number;
    const InteractionResult& it = *s.interaction;
    EXPECT_TRUE(it.covered) << s.number << ": " << it.note;
    EXPECT_TRUE(it.prestressed);
    EXPECT_EQ(it.standard, "ACI 318-19");
    EXPECT_GE(it.nominal.size(), 40U);
    EXPECT_TRUE(it.demands.empty());
    EXPECT_FALSE(it.max_utilisation);
    // Pure bending lies between the moment-curvature capacities of the
    // thrusts around zero: the stress block and Hognestad's curve agree to
    // a few percent.
    double bending = 0.0;
    double nearest = 1e300;
    for (const InteractionPoint& p : it.nominal) {
      if (p.moment > 0.0 && std::fabs(p.axial) < nearest) {
        nearest = std::fabs(p.axial);
        bending = p.moment;
      }
    }
    ASSERT_FALSE(s.thrusts.empty());
    ASSERT_EQ(s.thrusts.front().thrust, 0.0);
    const double mphi = 1000.0 * s.thrusts.front().nominal_moment_capacity;  // lb-in
    EXPECT_NEAR(bending / mphi, 1.0, 0.08) << "section " << s.number;
  }
}

TEST(InteractionRun, SectionsWithoutStrengthsSayWhy) {
  const RunResults pipe =
      Analysed(Edited(Example("steel_pipe_sand_si.tv6"), "ComputeInteraction NO\n",
                      "ComputeInteraction YES\nCode Eurocode2\n"));
  ASSERT_FALSE(pipe.error) << pipe.report_text;
  const InteractionResult& p = *pipe.sections[0].interaction;
  EXPECT_TRUE(p.covered) << p.note;
  EXPECT_EQ(p.standard, "EN 1993-1-1");
  EXPECT_TRUE(p.phi.empty());
  EXPECT_EQ(p.transverse, "");
  EXPECT_EQ(p.demands.size(), pipe.cases.size());

  const RunResults hpile =
      Analysed(Edited(Example("hpile_loess_cyclic_uscs.tv6"), "ComputeInteraction NO\n",
                      "ComputeInteraction YES\nCode AASHTO\n"));
  ASSERT_FALSE(hpile.error) << hpile.report_text;
  const InteractionResult& h = *hpile.sections[0].interaction;
  EXPECT_FALSE(h.covered);
  EXPECT_EQ(h.note,
            "Not covered: an elastic-plastic section (such as an H-pile) gives its plastic moment "
            "but no yield strength or axial capacity.");
  EXPECT_TRUE(h.nominal.empty());
  EXPECT_TRUE(h.demands.empty());
}

}  // namespace
}  // namespace tarvex
