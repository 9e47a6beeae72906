// The values of the printed p-y curves as data: each curve's parameters are
// the numbers its report block prints, with their labels and units, and its
// notes are notes the report prints with it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "support/test_support.hpp"
#include "tarvex/engine.hpp"

namespace tarvex {
namespace {

using testing::FileLines;
using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;

// A "label = number unit" line of a curve's report block.
struct PrintedValue {
  std::string label;
  std::string number;  // as printed: "12.500", "0.12345E-02"
  std::string unit;    // blanks removed: "lbs/in**2"
};

std::string Trim(const std::string& s) {
  const std::size_t first = s.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

bool IsNumber(const std::string& s) {
  if (s.empty()) return false;
  std::size_t used = 0;
  try {
    (void)std::stod(s, &used);
  } catch (const std::exception&) {
    return false;
  }
  return used == s.size();
}

// The block of the curve whose title is at `title`: its numeric value lines,
// from the title to the dashes under the table's heading.
std::vector<PrintedValue> BlockValues(const std::vector<std::string>& report, std::size_t title) {
  std::vector<PrintedValue> values;
  for (std::size_t i = title + 1; i < report.size(); ++i) {
    const std::string& line = report[i];
    if (line.rfind("---", 0) == 0) break;
    const std::size_t eq = line.rfind('=');
    if (eq == std::string::npos) continue;
    const std::string rest = Trim(line.substr(eq + 1));
    const std::size_t end = rest.find(' ');
    PrintedValue v{Trim(line.substr(0, eq)), rest.substr(0, end), {}};
    if (!IsNumber(v.number)) continue;  // a text value: the type of field test
    for (const char c : end == std::string::npos ? std::string() : rest.substr(end)) {
      if (c != ' ') v.unit += c;
    }
    values.push_back(v);
  }
  return values;
}

// Half a unit of the last digit printed: "12.500" 0.0005, "0.12345E-02"
// 0.000005e-2, "3." 0.5.
double PrintedHalfDigit(const std::string& number) {
  const std::size_t e = number.find_first_of("Ee");
  const std::string mantissa = number.substr(0, e);
  const std::size_t dot = mantissa.find('.');
  const int decimals = dot == std::string::npos ? 0 : static_cast<int>(mantissa.size() - dot - 1);
  const int exponent = e == std::string::npos ? 0 : std::stoi(number.substr(e + 1));
  return 0.5 * std::pow(10.0, exponent - decimals);
}

// The unit names of the results for the unit labels the blocks print.
std::string UnitName(const std::string& printed) {
  static const std::map<std::string, std::string> kNames = {
      {"in", "in"},
      {"ft", "ft"},
      {"m", "m"},
      {"degrees", "degrees"},
      {"deg.", "degrees"},
      {"%", "percent"},
      {"pcf", "lb/ft^3"},
      {"lbs/in", "lb/in"},
      {"lbs/in**2", "psi"},
      {"lbs/in**3", "lb/in^3"},
      {"kN/m", "kN/m"},
      {"kN/m**2", "kPa"},
      {"kN/m**3", "kN/m^3"},
      {"cycles", "cycles"},
      {"psi", "psi"},
      {"kPa", "kPa"},
      {"blows/ft", "blows/ft"},
      {"", ""},
  };
  const auto found = kNames.find(printed);
  return found == kNames.end() ? "unknown unit label '" + printed + "'" : found->second;
}

// The text with runs of blanks made one blank.
std::string OneBlank(const std::string& text) {
  std::string out;
  for (const char c : text) {
    if (c == ' ' && (out.empty() || out.back() == ' ')) continue;
    out += c;
  }
  return Trim(out);
}

// An example, and the depths (ft or m below the pile head) at which the
// test has it print its curves; none: the example's own.
struct Printed {
  std::string example;
  std::vector<std::string> depths;
};

void PrintTo(const Printed& p, std::ostream* os) { *os << p.example; }

// The example's input with its curves printed at `depths`.
std::string InputOf(const Printed& p) {
  std::string input = ReadFile(std::string(TARVEX_SOURCE_DIR) + "/examples/" + p.example);
  if (p.depths.empty()) return input;
  const std::string off = "PrintPYCurves NO";
  const std::size_t at = input.find(off);
  EXPECT_NE(at, std::string::npos) << p.example;
  if (at != std::string::npos) input.replace(at, off.size(), "PrintPYCurves YES");
  std::string section = "DEPTHS OF PRINTED P-Y CURVES\n" + std::to_string(p.depths.size()) + "\n";
  for (std::size_t i = 0; i < p.depths.size(); ++i) {
    section += std::to_string(i + 1) + " " + p.depths[i] + "\n";
  }
  const std::size_t end = input.rfind("END");
  EXPECT_NE(end, std::string::npos) << p.example;
  if (end != std::string::npos) input.insert(end, section);
  return input;
}

class CurveValues : public ::testing::TestWithParam<Printed> {};

TEST_P(CurveValues, AreTheNumbersTheReportBlockPrints) {
  TempDir d;
  const RunFiles files{d.File("in.tv6"), d.File("in.out"), d.File("in.plt"), d.File("in.msg")};
  WriteFile(files.input, InputOf(GetParam()));
  RunOutcome outcome;
  RunOptions options;
  options.outcome = &outcome;
  run(files, options);
  ASSERT_LE(outcome.result, 0) << ReadFile(files.message);
  const RunResults& results = outcome.results;
  const std::vector<std::string> report = FileLines(files.report);

  std::vector<std::size_t> titles;
  for (std::size_t i = 0; i < report.size(); ++i) {
    if (report[i].rfind("p-y Curve ", 0) == 0) titles.push_back(i);
  }
  ASSERT_EQ(titles.size(), results.py_curves.size());
  ASSERT_FALSE(titles.empty());
  for (std::size_t c = 0; c < titles.size(); ++c) {
    const PyCurveResult& curve = results.py_curves[c];
    const std::string what = GetParam().example + ", curve " + std::to_string(curve.number);
    // The title is the block's first line, a second one below it.
    ASSERT_FALSE(curve.title.empty()) << what;
    ASSERT_LE(curve.title.size(), 2U) << what;
    for (std::size_t k = 0; k < curve.title.size(); ++k) {
      EXPECT_EQ(curve.title[k], report[titles[c] + k]) << what;
    }
    const std::vector<PrintedValue> printed = BlockValues(report, titles[c]);
    ASSERT_EQ(curve.parameters.size(), printed.size()) << what;
    for (std::size_t k = 0; k < printed.size(); ++k) {
      const PrintedValue& p = printed[k];
      const CurveParameter& v = curve.parameters[k];
      EXPECT_EQ(v.name, p.label) << what;
      EXPECT_EQ(v.unit, UnitName(p.unit)) << what << ", " << p.label;
      EXPECT_NEAR(v.value, std::stod(p.number), PrintedHalfDigit(p.number) * (1 + 1e-9))
          << what << ", " << p.label << " printed " << p.number;
      // The print form is the one the number shows.
      const std::size_t e = p.number.find('E');
      const std::size_t dot = p.number.find('.');
      const int decimals =
          dot == std::string::npos ? -1 : static_cast<int>(std::min(e, p.number.size()) - dot - 1);
      switch (v.form) {
        case CurveValueForm::kInteger:
          EXPECT_EQ(dot, std::string::npos) << what << ", " << p.label;
          break;
        case CurveValueForm::kFixed:
          EXPECT_EQ(e, std::string::npos) << what << ", " << p.label;
          EXPECT_EQ(decimals, v.decimals) << what << ", " << p.label;
          break;
        case CurveValueForm::kExponent:
          EXPECT_NE(e, std::string::npos) << what << ", " << p.label;
          EXPECT_EQ(decimals, v.decimals) << what << ", " << p.label;
          break;
      }
    }
    // Each note is printed with its curve, before the next curve's title.
    const std::size_t end = c + 1 < titles.size() ? titles[c + 1] : report.size();
    std::string text;
    for (std::size_t i = titles[c]; i < end; ++i) text += report[i] + " ";
    text = OneBlank(text);
    for (const CurveNote& note : curve.notes) {
      EXPECT_FALSE(note.code.empty()) << what;
      EXPECT_NE(text.find(note.text), std::string::npos) << what << ": " << note.text;
    }
    for (const CurveText& t : curve.texts) {
      EXPECT_NE(text.find(t.name + " = " + t.text), std::string::npos) << what << ": " << t.name;
    }
  }
}

// Every criterion that prints a curve, USCS and SI, static and cyclic.
INSTANTIATE_TEST_SUITE_P(Examples, CurveValues,
                         ::testing::Values(
                             // Soft clay, stiff clay with free water.
                             Printed{"elastic_pipe_clay_uscs.tv6", {}},
                             // Weak rock, Reese sand under cyclic loading (SI).
                             Printed{"rock_socket_shaft_weak_rock_si.tv6", {}},
                             Printed{"steel_pipe_api_sand_uscs.tv6", {}},
                             // Stiff clay without free water, weak rock (USCS).
                             Printed{"rock_socket_cased_shaft_uscs.tv6", {}},
                             // User-input curves, elastic subgrade.
                             Printed{"timber_pole_frozen_ground_si.tv6", {}},
                             // Piedmont soil by the standard penetration, pressuremeter and cone
                             // tests (the dilatometer layer lies below the pile tip).
                             Printed{"piedmont_sign_foundation_uscs.tv6", {"4.0", "12.0", "20.0"}},
                             // Liquefied sand (above and below 6 m), Reese sand static, API sand.
                             Printed{"steel_pipe_sand_si.tv6", {"5.0", "6.9", "10.0", "20.0"}},
                             // API sand and vuggy limestone in an LRFD run.
                             Printed{"lrfd_cased_shaft_limestone_si.tv6", {"8.0", "20.0"}},
                             // Soft clay with J, stiff clay without free water, elastic subgrade.
                             Printed{"lrfd_hpile_clays_si.tv6", {"2.0", "5.0", "15.0"}},
                             // Cyclic loess, stiff clay without free water with k.
                             Printed{"hpile_loess_cyclic_uscs.tv6", {"5.0", "20.0", "40.0"}},
                             // Soft clay with J, cemented silt, stiff clay with free water.
                             Printed{"precast_square_pile_soil_movement_uscs.tv6",
                                     {"10.0", "30.0", "60.0"}}));

}  // namespace
}  // namespace tarvex
