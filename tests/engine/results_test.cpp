// The results a run hands to its host: the same numbers as its plot file,
// and the error that ended it as a diagnostic made where it was raised.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "support/test_support.hpp"
#include "tarvex/engine.hpp"

namespace tarvex {
namespace {

using testing::FileLines;
using testing::FindLine;
using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;

std::string Example(const std::string& name) {
  return ReadFile(std::string(TARVEX_SOURCE_DIR) + "/examples/" + name);
}

// The text with the first `from` replaced by `to`.
std::string Edited(std::string text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

struct Finished {
  RunFiles files;
  RunOutcome outcome;
};

// Runs `input` in `dir` as in.tv6: its files and outcome.
Finished RunInput(const TempDir& dir, const std::string& input) {
  Finished r{{dir.File("in.tv6"), dir.File("in.out"), dir.File("in.plt"), dir.File("in.msg")}, {}};
  WriteFile(r.files.input, input);
  RunOptions options;
  options.clock = [] { return DateTime{2026, 12, 10, 9, 0, 0}; };
  options.outcome = &r.outcome;
  run(r.files, options);
  return r;
}

// The numbers of the plot records of one kind ("Line 10(" at column 92),
// each record's `count` fields of 15 columns.
std::vector<std::vector<double>> Records(const std::vector<std::string>& plot,
                                         const std::string& tag, std::size_t column, int count) {
  std::vector<std::vector<double>> records;
  for (const std::string& line : plot) {
    if (line.compare(column, tag.size(), tag) != 0) continue;
    std::vector<double>& fields = records.emplace_back();
    for (int i = 0; i < count; ++i) {
      fields.push_back(std::stod(line.substr(static_cast<std::size_t>(15 * i), 15)));
    }
  }
  return records;
}

// A value of the results against its plot field: equal to the seven digits
// printed, mantissa 0.1 to 1 (a magnitude below 1e-20 prints as zero).
void ExpectPrinted(double printed, double value, const std::string& what) {
  EXPECT_NEAR(printed, value, 5.0001e-7 * std::fabs(value) + 1e-20) << what;
}

class ResultsAndPlot : public ::testing::TestWithParam<std::string> {};

TEST_P(ResultsAndPlot, ResultsAreThePlotRecordsValues) {
  TempDir d;
  const Finished r = RunInput(d, Example(GetParam()));
  ASSERT_LE(r.outcome.result, 0) << ReadFile(r.files.message);
  const RunResults& results = r.outcome.results;
  const std::vector<std::string> plot = FileLines(r.files.plot);

  const auto line10 = Records(plot, "Line 10(", 91, 6);
  const auto line13 = Records(plot, "Line 13:", 80, 5);
  ASSERT_EQ(line13.size(), results.cases.size());
  std::size_t node_record = 0;
  for (std::size_t c = 0; c < results.cases.size(); ++c) {
    const LoadCaseResult& lc = results.cases[c];
    const std::string name = "load case " + std::to_string(c + 1);
    EXPECT_EQ(lc.number, static_cast<int>(c) + 1);
    EXPECT_EQ(lc.status, CaseStatus::kConverged);
    const NodeColumns& n = lc.nodes;
    for (std::size_t k = 0; k < n.depth.size(); ++k, ++node_record) {
      ASSERT_LT(node_record, line10.size()) << name;
      const std::vector<double>& f = line10[node_record];
      const std::string node = name + ", node " + std::to_string(k + 1);
      ExpectPrinted(f[0], n.depth[k], node + ": depth");
      ExpectPrinted(f[1], n.deflection[k], node + ": deflection");
      ExpectPrinted(f[2], n.moment[k], node + ": moment");
      ExpectPrinted(f[3], n.shear[k], node + ": shear");
      ExpectPrinted(f[4], n.soil_reaction[k], node + ": soil reaction");
      ExpectPrinted(f[5], n.flexural_rigidity[k], node + ": EI");
    }
    const std::vector<double>& s = line13[c];
    ExpectPrinted(s[0], lc.head_shear, name + ": head shear");
    ExpectPrinted(s[1], lc.head_deflection, name + ": head deflection");
    ExpectPrinted(s[2], lc.max_moment, name + ": largest moment");
    ExpectPrinted(s[3], lc.max_shear, name + ": largest shear");
    ExpectPrinted(s[4], lc.head_rotation, name + ": head rotation");
  }
  EXPECT_EQ(node_record, line10.size());

  const auto line8 = Records(plot, "Line 8(", 80, 2);
  std::size_t point = 0;
  for (const PyCurveResult& curve : results.py_curves) {
    ASSERT_EQ(curve.y.size(), curve.p.size());
    for (std::size_t k = 0; k < curve.y.size(); ++k, ++point) {
      ASSERT_LT(point, line8.size());
      const std::string what = "p-y curve " + std::to_string(curve.number);
      ExpectPrinted(line8[point][0], curve.y[k], what + ": y");
      ExpectPrinted(line8[point][1], curve.p[k], what + ": p");
    }
  }
  EXPECT_EQ(point, line8.size());
}

// The quickstart, an LRFD run, and a run that prints its p-y curves.
INSTANTIATE_TEST_SUITE_P(Examples, ResultsAndPlot,
                         ::testing::Values("quickstart.tv6", "lrfd_hpile_clays_si.tv6",
                                           "elastic_pipe_clay_uscs.tv6"));

TEST(Results, TheRunItsSectionsAndTheLrfdCheck) {
  TempDir d;
  const Finished r = RunInput(d, Example("lrfd_hpile_clays_si.tv6"));
  const RunResults& results = r.outcome.results;
  EXPECT_EQ(results.result_code, r.outcome.result);
  EXPECT_EQ(results.engine_version, "6.0.28");
  EXPECT_EQ(results.units.system, "SI");
  EXPECT_EQ(results.units.moment, "kN-m");
  EXPECT_TRUE(results.lrfd);
  EXPECT_EQ(results.run_kind, 3);
  ASSERT_FALSE(results.sections.empty());
  ASSERT_FALSE(results.sections[0].thrusts.empty());
  // One check row per combination and section, in the order of the report.
  ASSERT_EQ(results.lrfd_check.size(), results.cases.size() * results.sections.size());
  const std::vector<std::string> report = FileLines(r.files.report);
  const int heading = FindLine(report,
                               "----  -------  ----------  ------------ ------------ ---------- "
                               "------------- ------------ ------------ ------------   "
                               "-----------------------------");
  ASSERT_GE(heading, 0);
  for (std::size_t i = 0; i < results.lrfd_check.size(); ++i) {
    const LrfdCheckRow& row = results.lrfd_check[i];
    const std::string& line = report[static_cast<std::size_t>(heading) + 1 + i];
    EXPECT_EQ(std::stoi(line.substr(0, 4)), row.combination);
    EXPECT_EQ(row.name,
              results.cases[static_cast<std::size_t>(row.combination - 1)].combination_name);
    const bool pass = line.find("    Pass     ") != std::string::npos;
    const bool fail = line.find("  > FAIL <   ") != std::string::npos;
    EXPECT_EQ(row.verdict, pass   ? LrfdVerdict::kPass
                           : fail ? LrfdVerdict::kFail
                                  : LrfdVerdict::kNotApplicable)
        << line;
    EXPECT_EQ(row.factored_capacity.has_value(), pass || fail) << line;
  }
}

// The numbers of `text`, read one after the other.
std::vector<double> NumbersIn(const std::string& text) {
  std::istringstream in(text);
  std::vector<double> numbers;
  for (double v; in >> v;) numbers.push_back(v);
  return numbers;
}

// The line `offset` lines after the first line equal to `heading`.
std::string LineAfter(const std::vector<std::string>& report, const std::string& heading,
                      int offset) {
  const int at = FindLine(report, heading);
  EXPECT_GE(at, 0) << heading;
  const auto i = static_cast<std::size_t>(at + offset);
  return at >= 0 && i < report.size() ? report[i] : std::string();
}

// A value printed with `decimals` decimals is the value of the results
// rounded to them.
void ExpectPrinted(double value, double printed, int decimals, const std::string& where) {
  EXPECT_NEAR(value, printed, 0.5 * std::pow(10.0, -decimals) * (1.0 + 1e-9)) << where;
}

TEST(Results, TheLrfdLoadingIsWhatTheReportPrints) {
  // A battered pile: the factored loads are also transformed.
  TempDir d;
  const Finished r = RunInput(d, Example("lrfd_hpile_clays_si.tv6"));
  const RunResults& results = r.outcome.results;
  ASSERT_TRUE(results.lrfd_loading);
  const LrfdLoading& l = *results.lrfd_loading;
  const std::vector<std::string> report = FileLines(r.files.report);

  ASSERT_EQ(l.type_totals.size(), 13U);
  for (std::size_t t = 0; t < l.type_totals.size(); ++t) {
    const LrfdTypeTotal& total = l.type_totals[t];
    const std::string line = LineAfter(
        report,
        "Totals of Unfactored Loads by Load Type for LRFD Analyses:", 10 + static_cast<int>(t));
    const std::vector<double> printed = NumbersIn(line.substr(17));
    ASSERT_EQ(printed.size(), 4U) << line;
    ExpectPrinted(total.horizontal, printed[0], 2, line);
    ExpectPrinted(total.moment, printed[1], 2, line);
    ExpectPrinted(total.axial, printed[2], 2, line);
    EXPECT_EQ(total.groups, printed[3]) << line;
  }

  ASSERT_EQ(l.combinations.size(), 3U);
  ASSERT_TRUE(l.batter);
  for (std::size_t c = 0; c < l.combinations.size(); ++c) {
    const LrfdCombinationLoads& lc = l.combinations[c];
    const int row = static_cast<int>(c);
    const std::string factored =
        LineAfter(report, "Totals of Factored Loads by Load Combination:", 8 + row);
    const std::vector<double> f = NumbersIn(factored.substr(0, 73));
    ASSERT_EQ(f.size(), 4U) << factored;
    EXPECT_EQ(f[0], lc.number);
    ExpectPrinted(lc.horizontal, f[1], 2, factored);
    ExpectPrinted(lc.moment, f[2], 2, factored);
    ExpectPrinted(lc.vertical, f[3], 2, factored);
    EXPECT_NE(factored.find(lc.name), std::string::npos) << factored;
    const std::string moved = LineAfter(
        report, "Factored Loads Transformed for Pile Batter by Load Combination:", 22 + row);
    const std::vector<double> m = NumbersIn(moved.substr(0, 73));
    ASSERT_EQ(m.size(), 4U) << moved;
    ExpectPrinted(lc.shear, m[1], 2, moved);
    ExpectPrinted(lc.moment, m[2], 2, moved);
    ExpectPrinted(lc.axial, m[3], 2, moved);
    EXPECT_EQ(l.thrusts.at(static_cast<std::size_t>(lc.thrust - 1)), lc.axial);
  }
  // The resistance factors as used, in the order of the combinations.
  std::vector<double> flexure;
  for (const std::string& line : report) {
    if (line.rfind("Structural Resistance Factor for Flexure =", 0) == 0) {
      flexure.push_back(NumbersIn(line.substr(42)).at(0));
    }
  }
  ASSERT_EQ(flexure.size(), l.combinations.size());
  for (std::size_t c = 0; c < flexure.size(); ++c) {
    ExpectPrinted(l.combinations[c].resistance_factor_flexure, flexure[c], 3, "flexure");
  }
  EXPECT_EQ(l.combinations[2].resistance_factor_flexure, 0.75);  // not given: 0.75

  const std::string angle = LineAfter(report, "using the following:", 2);
  ExpectPrinted(l.batter->batter_degrees, NumbersIn(angle.substr(18)).at(0), 3, angle);
  const std::string cos_sin = LineAfter(report, "Transformation Matrix and Equations:", 2);
  ExpectPrinted(l.batter->cos_batter, NumbersIn(cos_sin.substr(31, 8)).at(0), 4, cos_sin);
  ExpectPrinted(l.batter->sin_batter, NumbersIn(cos_sin.substr(69)).at(0), 4, cos_sin);

  ASSERT_EQ(l.thrusts.size(), 3U);
  for (std::size_t i = 0; i < l.thrusts.size(); ++i) {
    const std::string line =
        LineAfter(report, "Number   Factored Axial Thrust", 2 + static_cast<int>(i));
    const std::vector<double> printed = NumbersIn(line);
    ASSERT_EQ(printed.size(), 2U) << line;
    ExpectPrinted(l.thrusts[i], printed[1], 3, line);
  }

  // The groups as input, with their distributed loading points.
  ASSERT_EQ(l.groups.size(), 3U);
  EXPECT_EQ(l.groups[2].type_code, "W");
  ASSERT_EQ(l.groups[2].points.size(), 2U);
  EXPECT_EQ(l.groups[2].points[1].depth, 2.0);  // m, as printed
  EXPECT_EQ(l.groups[2].points[0].load, 5.0);

  // The first combination's distributed loads: the wind load over the top
  // 2 m, at the nodes where it is not zero.
  ASSERT_FALSE(results.cases.empty());
  const std::vector<LrfdDistributedLoads>& wind = results.cases[0].lrfd_distributed_loads;
  ASSERT_EQ(wind.size(), 1U);
  EXPECT_EQ(wind[0].type_code, "W");
  const std::string title =
      "Sums of Distributed Lateral Load Per Unit Length due to Wind Loads                    ";
  ASSERT_EQ(wind[0].depth.size(), 11U);
  for (std::size_t k = 0; k < wind[0].depth.size(); ++k) {
    const std::string line = LineAfter(report, title, 5 + static_cast<int>(k));
    const std::vector<double> printed = NumbersIn(line);
    ASSERT_EQ(printed.size(), 2U) << line;
    ExpectPrinted(wind[0].depth[k], printed[0], 2, line);
    ExpectPrinted(wind[0].load[k], printed[1], 2, line);
  }
  EXPECT_EQ(LineAfter(report, title, 5 + 11), "");
}

TEST(Results, EachFailedLrfdCheckIsAWarningOfItsCombination) {
  // Resistance factors for flexure of 0.5 and 0.3 in the first two
  // combinations: their factored capacities fall below the moments developed.
  std::string input = Example("lrfd_hpile_clays_si.tv6");
  input =
      Edited(input, "0 0 0 0 0 0 0  0.9  0.9\nStrength I", "0 0 0 0 0 0 0  0.5  0.9\nStrength I");
  input = Edited(input, "0 0 0 0 0 0 0  0.9  0.9\nStrength III",
                 "0 0 0 0 0 0 0  0.3  0.9\nStrength III");
  TempDir d;
  const Finished r = RunInput(d, input);
  const RunResults& results = r.outcome.results;
  ASSERT_FALSE(results.error) << ReadFile(r.files.report);
  int failures = 0;
  for (const LoadCaseResult& c : results.cases) {
    int failed = 0;
    for (const LrfdCheckRow& row : results.lrfd_check) {
      failed += row.combination == c.number && row.verdict == LrfdVerdict::kFail;
    }
    int warned = 0;
    for (const WarningRecord& w : results.warnings) {
      if (w.number == 400 && w.load_case == c.number) warned = w.count;
    }
    EXPECT_EQ(warned, failed) << "combination " << c.number;
    EXPECT_EQ(failed, c.number <= 2 ? 1 : 0) << "combination " << c.number;
    failures += failed;
  }
  EXPECT_GE(FindLine(FileLines(r.files.report),
                     std::to_string(failures) + " LRFD load combinations have failed."),
            0);
  EXPECT_EQ(results.result_code, -400);
}

TEST(Diagnostics, AnInputErrorNamesTheFileTheLineAndItsText) {
  TempDir d;
  const std::string line = "36.0x                      shaft diameter, in";
  const Finished r = RunInput(
      d, Edited(Example("quickstart.tv6"), "36.0                       shaft diameter, in", line));
  ASSERT_TRUE(r.outcome.results.error);
  const Diagnostic& e = *r.outcome.results.error;
  EXPECT_EQ(e.identity, "INP00095");
  EXPECT_EQ(e.code, 195);
  EXPECT_EQ(e.number, 95);
  EXPECT_EQ(e.kind, "input");
  EXPECT_EQ(e.file, r.files.input);
  EXPECT_EQ(e.line_number, 30);
  EXPECT_EQ(e.line_text, line);
  ASSERT_EQ(e.message.size(), 4U);
  EXPECT_EQ(e.message[0], "**** Input Data Error No. 95 ****");
  EXPECT_EQ(e.message[1].rfind("Problem:  Line 30 of in.tv6 holds \"36.0x\" where a number", 0), 0U)
      << e.message[1];
  EXPECT_EQ(e.message[3], "Solution:  Correct the input data file at that line.");
  // The value at fault, then the file, the line and the problem the error's
  // text names.
  ASSERT_EQ(e.values.size(), 5U);
  EXPECT_EQ(e.values[0].text, "36.0x");
  EXPECT_NE(e.values[0].name.find("value 1 of "), std::string::npos) << e.values[0].name;
  EXPECT_EQ(e.values[1].name, "input file");
  EXPECT_EQ(e.values[1].text, "in.tv6");
  EXPECT_EQ(e.values[2].name, "line");
  EXPECT_EQ(e.values[2].value, 30.0);
  EXPECT_EQ(e.values[3].name, "problem");
  EXPECT_EQ(e.values[4].name, "input line");
  EXPECT_EQ(e.values[4].text, line);
  EXPECT_EQ(r.outcome.results.outcome, Outcome::kInputError);
}

TEST(Diagnostics, ARuntimeErrorKeepsTheLinesOfItsBlockWithoutBlanks) {
  // An allowable deflection of 0.01 in: load case 1 passes it at iteration 11
  // (case 3 imposes 0.005 in, within it).
  TempDir d;
  const Finished r = RunInput(
      d, Edited(Edited(Example("quickstart.tv6"), "MaxDeflection 10.0", "MaxDeflection 0.01"),
                "3  4      0.25 ", "3  4      0.005"));
  ASSERT_EQ(r.outcome.result, 209);
  const Diagnostic& e = *r.outcome.results.error;
  EXPECT_EQ(e.identity, "RUN00009");
  EXPECT_EQ(e.kind, "runtime");
  EXPECT_EQ(e.line_number, 0);
  // The deflection and the limit the message prints, as numbers with their unit.
  ASSERT_EQ(e.values.size(), 2U);
  EXPECT_EQ(e.values[0].name, "head deflection");
  EXPECT_GT(e.values[0].value, 0.01);
  EXPECT_EQ(e.values[0].unit, "in");
  EXPECT_EQ(e.values[1].name, "excess deflection limit");
  EXPECT_EQ(e.values[1].value, 0.01);
  EXPECT_EQ(e.values[1].unit, "in");
  // The block as the report shows it, from its heading to the reporter's line.
  const std::vector<std::string> report = FileLines(r.files.report);
  const int first = FindLine(report, "**** Runtime Error No. 9 ****");
  const int last =
      FindLine(report, "Tarvex ended prematurely due to runtime error number RUN00009");
  ASSERT_GE(first, 0);
  ASSERT_GT(last, first);
  std::vector<std::string> block;
  for (int i = first; i < last; ++i) {
    const std::string& l = report[static_cast<std::size_t>(i)];
    if (l.find_first_not_of(' ') != std::string::npos) block.push_back(l);
  }
  EXPECT_EQ(e.message, block);
  EXPECT_EQ(block.size(), 9U);
  EXPECT_EQ(r.outcome.results.outcome, Outcome::kRuntimeError);
  // The case that failed leaves no result.
  EXPECT_TRUE(r.outcome.results.cases.empty());
}

TEST(Diagnostics, APrintedDepthAboveTheGroundIsInputError29OfTheEcho) {
  // The ground surface 2 ft below the pile head, a p-y curve asked for at 1 ft:
  // refused with the echo, before any load case.
  std::string input = Edited(Example("quickstart.tv6"), "PrintPYCurves NO", "PrintPYCurves YES");
  input = Edited(input, "1   0.0  10.0 ", "1   2.0  10.0 ");
  input = Edited(input, "END\n", "DEPTHS OF PRINTED P-Y CURVES\n1\n1 1.0\nEND\n");
  TempDir d;
  const Finished r = RunInput(d, input);
  EXPECT_EQ(r.outcome.result, 129);
  ASSERT_TRUE(r.outcome.results.error);
  const Diagnostic& e = *r.outcome.results.error;
  EXPECT_EQ(e.identity, "INP00029");
  EXPECT_EQ(e.code, 129);
  // The depth asked for lies above the ground surface.
  ASSERT_EQ(e.values.size(), 3U);
  EXPECT_EQ(e.values[0].name, "point");
  EXPECT_EQ(e.values[0].value, 1.0);
  EXPECT_EQ(e.values[1].name, "depth");
  EXPECT_EQ(e.values[2].name, "ground surface");
  EXPECT_LT(e.values[1].value, e.values[2].value);
  EXPECT_EQ(e.number, 29);
  EXPECT_EQ(e.kind, "input");
  EXPECT_EQ(e.message,
            (std::vector<std::string>{
                "**** Input Data Error No. 29 ****",
                "Problem:  A depth above the ground surface was specified for the printing",
                "of a p-y curve.",
                "Solution:  Specify a depth between the ground surface and pile tip."}));
  EXPECT_EQ(r.outcome.results.outcome, Outcome::kInputError);
  EXPECT_TRUE(r.outcome.results.cases.empty());
}

}  // namespace
}  // namespace tarvex
