// The pile-length and pile-head stiffness studies through whole runs: their
// numbers against closed forms and the load case itself, where they stop,
// and the plot records they add, read back in the order a host reads them.
#include "pile/studies.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "support/pile_fixture.hpp"
#include "support/test_support.hpp"
#include "tarvex/engine.hpp"

namespace tarvex {
namespace {

using testing::SplitLines;

struct Finished {
  RunOutcome outcome;
  std::vector<std::string> report;
  std::vector<std::string> plot;
  std::vector<std::string> message;
};

Finished RunText(const std::string& input) {
  testing::TempDir dir;
  const RunFiles files{dir.File("in.tv6"), dir.File("in.out"), dir.File("in.plt"),
                       dir.File("in.msg")};
  testing::WriteFile(files.input, input);
  Finished r;
  RunOptions options;
  options.clock = [] { return DateTime{2026, 12, 10, 9, 0, 0}; };
  options.outcome = &r.outcome;
  run(files, options);
  r.report = testing::FileLines(files.report);
  r.plot = testing::FileLines(files.plot);
  r.message = testing::FileLines(files.message);
  return r;
}

// The text with every `from` replaced by `to`; `from` must occur.
std::string Edited(std::string text, const std::string& from, const std::string& to) {
  std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  for (; at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text;
}

// ---------------------------------------------------------------------------
// The plot file as a host reads it: every record recognised by its place in
// the run order, every count followed by exactly that many records.

// The record number of a plot line: the number after the first "Line ".
int RecordOf(const std::string& line) {
  const std::size_t at = line.find("Line ");
  if (at == std::string::npos) return 0;
  return std::atoi(line.c_str() + at + 5);
}

int CountAt(const std::string& line, std::size_t column, std::size_t width) {
  return std::stoi(line.substr(column, width));
}

// The error that ended a run, with its message lines.
std::string ErrorText(const RunOutcome& outcome) {
  std::string text = testing::ErrorIdentity(outcome);
  for (const std::string& line : testing::ErrorMessage(outcome)) text += "\n" + line;
  return text;
}

// Reads the plot file of a pile analysis in run order and returns the
// records' numbers with each count run folded ("5x30" for thirty Line 5
// records); a record out of place ends the reading with "?" and its line.
std::vector<std::string> ReadPlotFile(const std::vector<std::string>& plot) {
  std::vector<std::string> seen;
  std::size_t i = 0;
  auto take = [&](int record) {
    if (i >= plot.size() || RecordOf(plot[i]) != record) {
      seen.push_back("? expected Line " + std::to_string(record) + " at record " +
                     std::to_string(i + 1) + ": " + (i < plot.size() ? plot[i] : "end of file"));
      i = plot.size() + 1;
      return false;
    }
    ++i;
    return true;
  };
  auto run_of = [&](int record, int count) {
    for (int k = 0; k < count; ++k) {
      if (!take(record)) return false;
    }
    seen.push_back(std::to_string(record) + "x" + std::to_string(count));
    return true;
  };
  if (!take(1)) return seen;
  seen.push_back("1");
  if (!take(2)) return seen;
  const int sections = CountAt(plot[i - 1], 0, 5);
  seen.push_back("2");
  if (!take(3)) return seen;
  const int thrusts = CountAt(plot[i - 1], 0, 5);
  seen.push_back("3");
  for (int s = 0; s < sections * thrusts; ++s) {
    if (!take(4)) return seen;
    seen.push_back("4");
    if (!run_of(5, CountAt(plot[i - 1], 0, 5))) return seen;
  }
  if (!take(6)) return seen;
  const int curves = CountAt(plot[i - 1], 0, 5);
  seen.push_back("6(" + std::to_string(curves) + ")");
  for (int k = 0; k < curves; ++k) {
    if (!take(7)) return seen;
    seen.push_back("7");
    if (!run_of(8, CountAt(plot[i - 1], 15, 5))) return seen;
  }
  if (!take(9)) return seen;
  const int cases = CountAt(plot[i - 1], 0, 5);
  const int nodes = CountAt(plot[i - 1], 5, 5);
  seen.push_back("9");
  for (int c = 0; c < cases; ++c) {
    if (!run_of(10, nodes)) return seen;
    if (!take(11)) return seen;
    const int points = CountAt(plot[i - 1], 0, 5);
    seen.push_back("11(" + std::to_string(points) + ")");
    if (points > 0 && !run_of(12, points)) return seen;
  }
  if (!run_of(13, cases)) return seen;
  if (i < plot.size() && !run_of(14, 10)) return seen;
  if (i != plot.size()) seen.push_back("? records after the end: " + plot[i]);
  return seen;
}

// The record sequence of a run with one section, two thrust levels, no p-y
// curves, two load cases and no studies.
TEST(PlotFile, RecordsOfTwoLoadCasesFollowTheRunOrder) {
  const std::string input = testing::PileInput(testing::Parts(
      "1\n1\n11\n100.0\n1\n24.0\n24.0\n29000000.0\n", "1\n13 0.0 120.0\n60.0 100.0\n60.0 100.0\n",
      "2\n1 1 10000.0 0.0 0.0 1\n2 1 20000.0 0.0 50000.0 1\n0\n", 100));
  const Finished r = RunText(input);
  ASSERT_EQ(r.outcome.result, 0) << ErrorText(r.outcome);
  const std::vector<std::string> seen = ReadPlotFile(r.plot);
  const int points = static_cast<int>(r.outcome.results.sections.at(0).thrusts.at(0).points.size());
  const std::string curve = "5x" + std::to_string(points);
  EXPECT_EQ(seen, (std::vector<std::string>{"1", "2", "3", "4", curve, "4", curve, "6(0)", "9",
                                            "10x101", "11(0)", "10x101", "11(0)", "13x2"}));
  // A count of 0 in Line 11 is the text "    0" followed directly by the
  // next record.
  for (const std::string& line : r.plot) {
    if (RecordOf(line) == 11) {
      EXPECT_EQ(line.substr(0, 80), "    0" + std::string(75, ' '));
    }
  }
}

// A requested depth in a layer whose criterion prints no curve (frozen soil)
// adds no curve, and Line 6 counts the curves that follow, so that a reader
// that trusts the count stays in step.
TEST(PlotFile, CurveCountIsTheNumberOfCurvesWritten) {
  testing::PileInputParts parts =
      testing::Parts("1\n1\n11\n100.0\n1\n24.0\n24.0\n29000000.0\n",
                     "2\n1 0.0 20.0\n50.0 300.0 0.02\n50.0 400.0 0.02\n17 20.0 120.0\n",
                     "1\n1 1 10000.0 0.0 0.0 1\n0\n", 100);
  parts.py_depths = {50.0, 10.0};
  const Finished r = RunText(testing::PileInput(parts));
  ASSERT_EQ(r.outcome.result, 0) << ErrorText(r.outcome);
  ASSERT_EQ(r.outcome.results.py_curves.size(), 1u);
  const std::vector<std::string> seen = ReadPlotFile(r.plot);
  const std::string points = std::to_string(r.outcome.results.py_curves[0].y.size());
  ASSERT_GE(seen.size(), 9u);
  EXPECT_EQ(std::vector<std::string>(seen.begin() + 5, seen.begin() + 9),
            (std::vector<std::string>{"6(1)", "7", "8x" + points, "9"}));
  EXPECT_EQ(seen.back(), "13x1");
  // The curve keeps its number among the requested depths and its depth.
  const int line7 = testing::FindLine(
      r.plot, "  0.1200000E+03" + std::string(5 - points.size(), ' ') + points +
                  std::string(60, ' ') +
                  "Line 7:  p-y curve depth in soft clay, no. p-y points on curve no. 1");
  EXPECT_GT(line7, 0);
}

// ---------------------------------------------------------------------------
// The pile-head stiffness study.

// A steel pile 24 in across (solid, E = 29e6 psi), 100 ft long, in an elastic
// subgrade of 100 pci: a long pile on an elastic foundation.
std::string ElasticPileInput(const std::string& loading, int increments = 500) {
  return Edited(testing::PileInput(testing::Parts("1\n1\n11\n100.0\n1\n24.0\n24.0\n29000000.0\n",
                                                  "1\n13 0.0 120.0\n60.0 100.0\n60.0 100.0\n",
                                                  loading, increments)),
                "ComputeKmatrix NO", "ComputeKmatrix YES");
}

// The load case's distributed load (50 lb/in over the top 30 ft) stays out
// of the study: the terms are the pile's own head stiffnesses.
TEST(StiffnessStudy, ElasticPileMatchesTheBeamOnElasticFoundation) {
  const Finished r =
      RunText(ElasticPileInput("1\n1 1 10000.0 0.0 0.0 1\n2\n1 0.0 50.0\n2 30.0 50.0\n"));
  ASSERT_EQ(r.outcome.result, 0) << ErrorText(r.outcome);
  ASSERT_TRUE(r.outcome.results.stiffness.has_value());
  const HeadStiffnessStudy& s = *r.outcome.results.stiffness;
  ASSERT_TRUE(s.complete);
  EXPECT_EQ(s.ended_by, "all cases");
  EXPECT_EQ(s.cases_converged, 20);
  ASSERT_EQ(s.rows.size(), 10u);

  // Head stiffness of a semi-infinite beam on an elastic foundation:
  // V = 4 EI b^3 y + 2 EI b^2 theta, M = 2 EI b^2 y + 2 EI b theta.
  const double ei = 29.0e6 * 3.141592653589793 * std::pow(24.0, 4) / 64.0;
  const double k = 100.0 * 24.0;
  const double beta = std::pow(k / (4.0 * ei), 0.25);
  constexpr double kTol = 3e-3;  // discretisation error of 500 increments
  for (const StiffnessRow& row : s.rows) {
    EXPECT_NEAR(row.k22, 4.0 * ei * std::pow(beta, 3), kTol * 4.0 * ei * std::pow(beta, 3));
    EXPECT_NEAR(std::fabs(row.k23), 2.0 * ei * beta * beta, kTol * 2.0 * ei * beta * beta);
    EXPECT_NEAR(std::fabs(row.k32), 2.0 * ei * beta * beta, kTol * 2.0 * ei * beta * beta);
    EXPECT_NEAR(row.k33, 2.0 * ei * beta, kTol * 2.0 * ei * beta);
    // The elastic pile's stiffness does not depend on the load level.
    EXPECT_NEAR(row.k22, s.rows.front().k22, 1e-6 * row.k22);
    EXPECT_NEAR(row.k33, s.rows.front().k33, 1e-6 * row.k33);
  }
}

// The stiffness of every load case at its converged state: for an elastic
// pile in an elastic subgrade the tangent matrix is the beam's on an
// elastic foundation, whatever the head conditions and the distributed
// load, and equals the study's at its reference loads; the secant of a
// free head is 2 EI beta^3, that of a fixed head K22.
TEST(HeadStiffness, ElasticPileTangentIsTheClosedFormAtEveryLoadCase) {
  const std::string cases = "3\n1 1 10000.0 0.0 0.0 1\n2 2 10000.0 0.0 0.0 1\n3 4 0.5 0.0 0.0 1\n";
  const Finished r = RunText(ElasticPileInput(cases + "0\n"));
  ASSERT_EQ(r.outcome.result, 0) << ErrorText(r.outcome);
  const RunResults& results = r.outcome.results;
  // A distributed load (50 lb/in over the top 30 ft) moves the head but is
  // no stiffness: the tangent stays.
  const Finished loaded = RunText(ElasticPileInput(cases + "2\n1 0.0 50.0\n2 30.0 50.0\n"));
  ASSERT_EQ(loaded.outcome.result, 0) << ErrorText(loaded.outcome);
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(loaded.outcome.results.cases[i].head_stiffness.tangent,
              results.cases[i].head_stiffness.tangent);
  }
  EXPECT_NE(loaded.outcome.results.cases[0].head_deflection, results.cases[0].head_deflection);
  const double ei = 29.0e6 * 3.141592653589793 * std::pow(24.0, 4) / 64.0;
  const double beta = std::pow(100.0 * 24.0 / (4.0 * ei), 0.25);
  const double k22 = 4.0 * ei * std::pow(beta, 3), k23 = 2.0 * ei * beta * beta;
  const double k33 = 2.0 * ei * beta;
  constexpr double kTol = 5e-3;  // 0.5 % at 500 increments
  const StiffnessRow& study = results.stiffness->rows.front();
  ASSERT_EQ(results.cases.size(), 3u);
  for (const LoadCaseResult& c : results.cases) {
    ASSERT_TRUE(c.head_stiffness.tangent.has_value()) << "case " << c.number;
    const auto& k = *c.head_stiffness.tangent;
    EXPECT_NEAR(k[0][0], k22, kTol * k22) << "case " << c.number;
    EXPECT_NEAR(k[0][1], k23, kTol * k23) << "case " << c.number;
    EXPECT_NEAR(k[1][0], k23, kTol * k23) << "case " << c.number;
    EXPECT_NEAR(k[1][1], k33, kTol * k33) << "case " << c.number;
    // The study's signs and terms: the same linear system at its loads.
    EXPECT_NEAR(k[0][0], study.k22, 1e-6 * k22);
    EXPECT_NEAR(k[0][1], study.k23, 1e-6 * k23);
    EXPECT_NEAR(k[1][0], study.k32, 1e-6 * k23);
    EXPECT_NEAR(k[1][1], study.k33, 1e-6 * k33);
  }
  // Free head, no moment: y = V / (2 EI beta^3), and a rotational secant of
  // zero (the head moment is round-off of the case's largest).
  const SecantStiffness& free = results.cases[0].head_stiffness.secant;
  ASSERT_TRUE(free.lateral.has_value());
  EXPECT_NEAR(*free.lateral, 2.0 * ei * std::pow(beta, 3), kTol * k22);
  EXPECT_EQ(free.rotational, 0.0);
  // Fixed head: V / y is K22; a head that does not turn has no rotational
  // secant, whatever round-off its computed slope holds.
  const SecantStiffness& fixed = results.cases[1].head_stiffness.secant;
  EXPECT_NEAR(*fixed.lateral, (*results.cases[1].head_stiffness.tangent)[0][0], 1e-6 * k22);
  EXPECT_FALSE(fixed.rotational.has_value());
}

// A nonlinear case: the converged system is symmetric, so K23 = K32, and its
// terms are those of the unit loads on the moduli of the case, softer than
// the study's at the small reference loads.
TEST(HeadStiffness, NonlinearCaseIsSymmetricAndSofterThanTheStudy) {
  const Finished r =
      RunText(Edited(testing::ReadFile(std::string(TARVEX_SOURCE_DIR) + "/examples/quickstart.tv6"),
                     "ComputeKmatrix NO", "ComputeKmatrix YES"));
  ASSERT_EQ(r.outcome.result, 0) << ErrorText(r.outcome);
  const RunResults& results = r.outcome.results;
  const StiffnessRow& study = results.stiffness->rows.front();
  for (const LoadCaseResult& c : results.cases) {
    ASSERT_TRUE(c.head_stiffness.tangent.has_value());
    const auto& k = *c.head_stiffness.tangent;
    EXPECT_NEAR(k[0][1], k[1][0], 1e-9 * std::fabs(k[0][1])) << "case " << c.number;
    EXPECT_GT(k[0][0], 0.0);
    EXPECT_GT(k[1][1], 0.0);
    EXPECT_LT(k[0][0], study.k22) << "case " << c.number;
    ASSERT_TRUE(c.head_stiffness.secant.lateral.has_value());
    EXPECT_EQ(*c.head_stiffness.secant.lateral, c.head_shear / c.head_deflection);
  }
}

// ---------------------------------------------------------------------------
// Load-deflection curves (load steps).

RunResults AnalyseWithSteps(const std::string& input, int steps) {
  AnalyseOptions options;
  options.clock = [] { return DateTime{2026, 12, 10, 9, 0, 0}; };
  options.keep_texts = true;
  options.load_steps = steps;
  return analyse(input, options);
}

// Every level is the case solved at its share of the loads: the last is the
// case itself, bit for bit; the report, plot and message texts are those of
// the run without steps.
TEST(LoadCurve, LastLevelIsTheCaseAndTheFilesDoNotChange) {
  const std::string input =
      testing::ReadFile(std::string(TARVEX_SOURCE_DIR) + "/examples/quickstart.tv6");
  const RunResults plain = AnalyseWithSteps(input, 0);
  const RunResults stepped = AnalyseWithSteps(input, 4);
  ASSERT_EQ(stepped.result_code, 0);
  EXPECT_EQ(stepped.report_text, plain.report_text);
  EXPECT_EQ(stepped.plot_text, plain.plot_text);
  EXPECT_EQ(stepped.message_text, plain.message_text);
  EXPECT_EQ(stepped.warnings.size(), plain.warnings.size());
  ASSERT_EQ(stepped.cases.size(), 3u);
  for (const LoadCaseResult& c : stepped.cases) {
    EXPECT_FALSE(plain.cases[static_cast<std::size_t>(c.number - 1)].load_curve.has_value());
    ASSERT_TRUE(c.load_curve.has_value());
    const LoadCurve& curve = *c.load_curve;
    EXPECT_EQ(curve.steps, 4);
    EXPECT_EQ(curve.failed_level, 0);
    EXPECT_FALSE(curve.failure.has_value());
    ASSERT_EQ(curve.points.size(), 4u);
    const LoadCurvePoint& last = curve.points.back();
    EXPECT_EQ(last.factor, 1.0);
    EXPECT_EQ(last.condition1, c.condition1);
    EXPECT_EQ(last.condition2, c.condition2);
    EXPECT_EQ(last.head_deflection, c.head_deflection);
    EXPECT_EQ(last.head_shear, c.head_shear);
    EXPECT_EQ(last.max_moment, c.max_moment);
    EXPECT_EQ(last.iterations, c.iterations);
    // The head loads scale, the axial load and a slope of zero stay.
    EXPECT_EQ(curve.points[1].factor, 0.5);
    EXPECT_EQ(curve.points[1].condition1, 0.5 * c.condition1);
    EXPECT_EQ(curve.points[1].condition2, 0.5 * c.condition2);
    // More load, more deflection.
    for (std::size_t k = 1; k < curve.points.size(); ++k) {
      EXPECT_GT(std::fabs(curve.points[k].head_deflection),
                std::fabs(curve.points[k - 1].head_deflection));
    }
  }
  // A level's numbers are those of a run of the case at that load.
  const RunResults half =
      AnalyseWithSteps(Edited(input, "1  1  10000.0  240000.0", "1  1  5000.0  120000.0"), 0);
  ASSERT_EQ(half.result_code, 0);
  EXPECT_EQ(stepped.cases[0].load_curve->points[1].head_deflection, half.cases[0].head_deflection);
  EXPECT_EQ(stepped.cases[0].load_curve->points[1].max_moment, half.cases[0].max_moment);
}

// A level that fails ends its curve with the error that a run of the case
// at that load reports; the run itself and the other curves go on.
TEST(LoadCurve, FirstFailingLevelEndsTheCurveWithItsError) {
  // Case 3 (a head deflection of 0.25 in) converges in 52 iterations at its
  // load, but needs 55 at 0.2 in.
  const std::string input =
      Edited(testing::ReadFile(std::string(TARVEX_SOURCE_DIR) + "/examples/quickstart.tv6"),
             "MaxIterations 100", "MaxIterations 54");
  const RunResults r = AnalyseWithSteps(input, 5);
  ASSERT_EQ(r.result_code, 0);
  ASSERT_EQ(r.cases.size(), 3u);
  EXPECT_EQ(r.cases[0].load_curve->points.size(), 5u);
  const LoadCurve& curve = *r.cases[2].load_curve;
  ASSERT_EQ(curve.points.size(), 3u);
  EXPECT_EQ(curve.failed_level, 4);
  ASSERT_TRUE(curve.failure.has_value());
  EXPECT_EQ(curve.failure->identity, "RUN00010");
  EXPECT_EQ(curve.failure->kind, "runtime");
}

TEST(StiffnessStudy, DefaultLevelsAndTheirRecords) {
  const Finished r = RunText(ElasticPileInput("1\n1 1 10000.0 0.0 25000.0 1\n0\n", 100));
  ASSERT_EQ(r.outcome.result, 0) << ErrorText(r.outcome);
  const HeadStiffnessStudy& s = *r.outcome.results.stiffness;
  ASSERT_EQ(s.rows.size(), 10u);
  EXPECT_EQ(s.axial, 25000.0);  // the axial load of load case 1
  EXPECT_EQ(s.reference_shear, 10.0);
  EXPECT_EQ(s.reference_moment, 100.0);
  // USCS shears of 1, 3.0103, 4.7712, ..., 10 lb; moments ten times those.
  const double shears[] = {10.0 * static_cast<double>(0.1f),
                           3.0103,
                           4.7712,
                           6.0206,
                           6.9897,
                           7.7815,
                           8.4510,
                           9.0309,
                           9.5424,
                           10.0};
  for (std::size_t n = 0; n < 10; ++n) {
    EXPECT_NEAR(s.rows[n].shear_level, shears[n], 5e-5) << "level " << n + 1;
    EXPECT_NEAR(s.rows[n].moment_level, 10.0 * shears[n], 5e-4) << "level " << n + 1;
  }
  EXPECT_EQ(s.rows[0].shear_level, 10.0 * static_cast<double>(0.1f));

  // The ten Line 14 records close the plot file; row n pairs the shear case
  // n (its deflection) with the moment case n + 10 (its rotation).
  ASSERT_GE(r.plot.size(), 10u);
  for (std::size_t n = 0; n < 10; ++n) {
    const std::string& line = r.plot[r.plot.size() - 10 + n];
    ASSERT_EQ(line.substr(120), "  Line 14: V, M, K22, K23, K32, K33, ytop, theta");
    const StiffnessRow& row = s.rows[n];
    const double expected[] = {
        row.shear_level,           row.moment_level,       row.k22, row.k23, row.k32, row.k33,
        std::fabs(row.deflection), std::fabs(row.rotation)};
    for (std::size_t f = 0; f < 8; ++f) {
      EXPECT_NEAR(std::stod(line.substr(15 * f, 15)), expected[f], 1e-6 * std::fabs(expected[f]))
          << line;
    }
  }
  // The report's tables, with a row per level.
  const int heading = testing::FindLine(r.report,
                                        "   Deflection   Shear Reaction   Moment React."
                                        "       K22              K32     ");
  ASSERT_GE(heading, 0);
  EXPECT_EQ(r.report[static_cast<std::size_t>(heading) + 14],
            "    Rotation     Shear React.    Moment React.       K23              K33    ");
  EXPECT_GE(testing::FindLine(r.report, "  K33 = abs(Moment Reaction/Top Rotation)"), heading);
  EXPECT_GE(testing::FindLine(r.message, "Computing pile-head stiffness matrix components."), 0);
  EXPECT_EQ(ReadPlotFile(r.plot).back(), "14x10");
}

TEST(StiffnessStudy, ReferenceValuesAndLevelFactors) {
  EXPECT_EQ(StudyReferenceShear(UnitSystem::kUscs, 0.0), 10.0);
  EXPECT_EQ(StudyReferenceMoment(UnitSystem::kUscs, 5e-8), 100.0);
  EXPECT_EQ(StudyReferenceShear(UnitSystem::kSi, 0.0), 0.04448220133781433);
  EXPECT_EQ(StudyReferenceMoment(UnitSystem::kSi, 0.0), 0.011298480443656445);
  EXPECT_EQ(StudyReferenceShear(UnitSystem::kSi, -3.0), -3.0);
  const auto c = StiffnessLevelFactors();
  EXPECT_EQ(c[0], static_cast<double>(0.1f));
  EXPECT_EQ(c[9], 1.0);
  // The SI default shear of the first level.
  EXPECT_NEAR(c[0] * StudyReferenceShear(UnitSystem::kSi, 0.0), 0.004448220200065078, 1e-18);
}

// ---------------------------------------------------------------------------
// The pile-length study.

// A 2 ft reinforced... elastic pipe of 24 in in soft clay, 40 ft long.
std::string SoftClayInput(const std::string& loading, int increments = 200) {
  return testing::PileInput(testing::Parts("1\n1\n11\n40.0\n1\n24.0\n24.0\n29000000.0\n",
                                           "1\n1 0.0 60.0\n50.0 300.0 0.02\n50.0 900.0 0.02\n",
                                           loading, increments));
}

TEST(LengthStudy, LongestRowIsTheLoadCaseItself) {
  const Finished r = RunText(SoftClayInput("1\n1 1 20000.0 100000.0 0.0 0\n0\n"));
  ASSERT_EQ(r.outcome.result, 0) << ErrorText(r.outcome);
  const LoadCaseResult& lc = r.outcome.results.cases.at(0);
  ASSERT_TRUE(lc.length_study.has_value());
  const PileLengthStudy& s = *lc.length_study;
  ASSERT_FALSE(s.rows.empty());
  EXPECT_EQ(s.rows[0].length, r.outcome.results.pile_length);
  EXPECT_EQ(s.rows[0].head_deflection, lc.head_deflection);
  EXPECT_EQ(s.rows[0].head_shear, lc.head_shear);
  EXPECT_EQ(s.rows[0].max_moment, lc.max_moment);
  EXPECT_EQ(s.rows[0].max_shear, lc.max_shear);
  // Shorter piles, longest first, each 5 % of the full length shorter; a
  // shorter pile deflects more.
  for (std::size_t u = 1; u < s.rows.size(); ++u) {
    EXPECT_EQ(s.rows[u].length, LengthStudyFactor(static_cast<int>(u)) * s.full_length);
    EXPECT_GE(s.rows[u].head_deflection, s.rows[u - 1].head_deflection * (1.0 - 1e-9));
  }
  EXPECT_EQ(LengthStudyFactor(1), static_cast<double>(1.0f - 0.05f));

  // Line 11 with the count and one Line 12 per row, after the case's nodes.
  const int line11 = testing::FindLine(
      r.plot, std::string(5 - std::to_string(s.rows.size()).size(), ' ') +
                  std::to_string(s.rows.size()) + std::string(75, ' ') +
                  "Line 11: Num. points on Ytop vs. pile length curve for load case 1");
  ASSERT_GT(line11, 0);
  for (std::size_t u = 0; u < s.rows.size(); ++u) {
    const std::string& line = r.plot[static_cast<std::size_t>(line11) + 1 + u];
    EXPECT_EQ(
        line.substr(60),
        std::string(20, ' ') + "Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)");
    EXPECT_NEAR(std::stod(line.substr(0, 15)), s.rows[u].length, 1e-6 * s.rows[u].length);
    EXPECT_NEAR(std::stod(line.substr(30, 15)), s.rows[u].max_moment,
                1e-6 * std::fabs(s.rows[u].max_moment));
  }
  const std::vector<std::string> seen = ReadPlotFile(r.plot);
  EXPECT_EQ(seen[seen.size() - 3], "11(" + std::to_string(s.rows.size()) + ")");

  // The report block with the case's head conditions and one line per row.
  const int block = testing::FindLine(
      r.report, "            Pile-head Deflection vs. Pile Length for Load Case 1");
  ASSERT_GT(block, 0);
  const auto at = static_cast<std::size_t>(block);
  EXPECT_EQ(r.report[at + 3], "Boundary Condition Type 1, Shear and Moment");
  EXPECT_EQ(r.report[at + 5], "Shear      =          20000. lbs");
  EXPECT_EQ(r.report[at + 6], "Moment     =         100000. in-lb");
  EXPECT_EQ(r.report[at + 7], "Axial Load =              0. lbs");
  EXPECT_EQ(r.report[at + 12], "  inches        inches        ln-lbs          lbs ");
  EXPECT_GE(testing::FindLine(
                r.message, "Computing top deflection vs. pile embedment length for load case 1."),
            0);
}

// A pile head 3 ft above the ground, 20 ft long: lengths shorter than
// 0.05 L0 + 3 ft = 4 ft are not analysed.
TEST(LengthStudy, LengthsThatDoNotReachBelowTheGroundAreNotAnalysed) {
  const std::string input = testing::PileInput(testing::Parts(
      "1\n1\n11\n20.0\n1\n24.0\n24.0\n29000000.0\n", "1\n13 3.0 60.0\n60.0 100.0\n60.0 100.0\n",
      "1\n1 2 1000.0 0.0 0.0 0\n0\n", 100));
  const Finished r = RunText(input);
  ASSERT_EQ(r.outcome.result, 0) << ErrorText(r.outcome);
  const PileLengthStudy& s = *r.outcome.results.cases.at(0).length_study;
  EXPECT_EQ(s.ended_by, "ground surface");
  ASSERT_FALSE(s.rows.empty());
  EXPECT_LT(s.rows.size(), 20u);
  EXPECT_EQ(s.lengths_analysed, static_cast<int>(s.rows.size()));
  for (const LengthStudyRow& row : s.rows) EXPECT_GE(row.length, 48.0);
  // The next length, the first one left out, is below 48 in.
  EXPECT_LT(LengthStudyFactor(static_cast<int>(s.rows.size())) * s.full_length, 48.0);
}

// A shortened pile that passes the excess-deflection limit ends the study
// quietly: the rows of the longer lengths stay, the run ends normally.
TEST(LengthStudy, ExcessDeflectionOfAShorterPileEndsTheStudy) {
  const std::string input =
      Edited(SoftClayInput("1\n1 1 30000.0 0.0 0.0 0\n0\n", 100), "MaxDefl 50.0", "MaxDefl 3.0");
  const Finished r = RunText(input);
  ASSERT_EQ(r.outcome.result, 0) << ErrorText(r.outcome);
  const PileLengthStudy& s = *r.outcome.results.cases.at(0).length_study;
  EXPECT_EQ(s.ended_by, "excess deflection");
  ASSERT_GE(s.rows.size(), 1u);
  EXPECT_EQ(static_cast<int>(s.rows.size()), s.lengths_analysed - 1);
  for (const LengthStudyRow& row : s.rows) EXPECT_LE(std::fabs(row.head_deflection), 3.0);
  EXPECT_EQ(testing::FindLine(r.report, "**** Runtime Error No. 9 ****"), -1);
  EXPECT_GE(testing::FindLine(r.report, "The analysis ended normally. "), 0);
}

// No length within the limits (an elastic pile whose head is moved beyond
// the allowable deflection converges at every length): the note, and Line 11
// with the count 0 followed directly by the summary's Line 13.
TEST(LengthStudy, NoSuccessfulLengthLeavesANoteAndACountOfZero) {
  // General units let a tolerance of 0 through: the elastic pile's case
  // converges once its deflections stop changing, but a length of the study
  // counts only with a change below the tolerance, which none has.
  const std::string input = Edited(
      Edited(ElasticPileInput("1\n1 4 2.0 0.0 0.0 0\n0\n", 100), "Units USCS", "Units GENERAL"),
      "Tolerance 1.0E-5", "Tolerance 0");
  const Finished r = RunText(input);
  ASSERT_EQ(r.outcome.result, 0) << ErrorText(r.outcome);
  const PileLengthStudy& s = *r.outcome.results.cases.at(0).length_study;
  EXPECT_TRUE(s.rows.empty());
  EXPECT_EQ(s.lengths_analysed, 20);
  EXPECT_EQ(s.ended_by, "all lengths");
  const int note = testing::FindLine(r.report,
                                     "No computations for top deflection vs. pile length were "
                                     "successful for this load case.");
  ASSERT_GT(note, 0);
  EXPECT_EQ(r.report[static_cast<std::size_t>(note) + 2], "Results of last two iterations:");
  const int line11 =
      testing::FindLine(r.plot, "    0" + std::string(75, ' ') +
                                    "Line 11: Num. points on Ytop vs. pile length curve for "
                                    "load case 1");
  ASSERT_GT(line11, 0);
  EXPECT_EQ(RecordOf(r.plot[static_cast<std::size_t>(line11) + 1]), 13);
}

}  // namespace
}  // namespace tarvex
