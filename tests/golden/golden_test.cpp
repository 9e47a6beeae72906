// Whole runs of the examples compared with checked-in output. A change of
// any report, plot or message line shows up here and must be deliberate:
// regenerate with TARVEX_UPDATE_GOLDEN=1 and review the difference. A run
// that regenerates the files fails, so that it can never pass as a check.
// The report and plot file rendered whole from the run's results after the
// run must be the same files.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>

#include "core/input_model.hpp"
#include "format/run_output.hpp"
#include "input/input_file.hpp"
#include "input/reader.hpp"
#include "report/run_report.hpp"
#include "support/test_support.hpp"
#include "tarvex/engine.hpp"

namespace tarvex {
namespace {

namespace fs = std::filesystem;
using testing::ReadFile;
using testing::SplitLines;
using testing::TempDir;
using testing::WriteFile;

const fs::path kExamples = fs::path(TARVEX_SOURCE_DIR) / "examples";
const fs::path kExpected = fs::path(TARVEX_SOURCE_DIR) / "tests" / "golden" / "expected";

// The directory of the input file differs from machine to machine.
std::string Normalised(const std::string& text) {
  std::string out;
  for (const std::string& line : SplitLines(text)) {
    if (line.rfind("Path to file locations:", 0) == 0) {
      out += "Path to file locations:        <directory>\n";
    } else {
      out += line + "\n";
    }
  }
  return out;
}

// The first line where two texts differ, for the failure message.
std::string FirstDifference(const std::string& actual, const std::string& expected) {
  const auto a = SplitLines(actual);
  const auto e = SplitLines(expected);
  for (std::size_t i = 0; i < std::max(a.size(), e.size()); ++i) {
    const std::string al = i < a.size() ? a[i] : "<end of file>";
    const std::string el = i < e.size() ? e[i] : "<end of file>";
    if (al != el) {
      return "line " + std::to_string(i + 1) + "\n  actual:   " + al + "\n  expected: " + el;
    }
  }
  return "no difference";
}

class Golden : public ::testing::TestWithParam<std::string> {};

TEST_P(Golden, RunMatchesCheckedInOutput) {
  const std::string stem = GetParam();
  TempDir dir;
  const std::string input = dir.File(stem + ".tv6");
  WriteFile(input, ReadFile((kExamples / (stem + ".tv6")).string()));
  const RunFiles files{input, dir.File(stem + ".out"), dir.File(stem + ".plt"),
                       dir.File(stem + ".msg")};
  RunOptions options;
  options.clock = [] { return DateTime{2026, 12, 10, 9, 30, 0}; };
  RunOutcome outcome;
  options.outcome = &outcome;
  const int result = run(files, options);
  EXPECT_LE(result, 0) << ReadFile(files.message);
  const bool update = std::getenv("TARVEX_UPDATE_GOLDEN") != nullptr;
  for (const char* ext : {".out", ".plt", ".msg"}) {
    const std::string actual = Normalised(ReadFile(dir.File(stem + ext)));
    const fs::path expected_path = kExpected / (stem + ext);
    if (update) {
      WriteFile(expected_path.string(), actual);
      ADD_FAILURE() << expected_path << " regenerated: review the difference and run again "
                    << "without TARVEX_UPDATE_GOLDEN";
      continue;
    }
    ASSERT_TRUE(fs::exists(expected_path)) << expected_path << " is missing";
    const std::string expected = ReadFile(expected_path.string());
    EXPECT_TRUE(actual == expected)
        << stem << ext << " differs at " << FirstDifference(actual, expected);
  }
  if (update) return;

  // The report and plot file again, rendered from the results of the run
  // and the input as read.
  InputModel as_read;
  RunOutput reading;
  InputFile file;
  file.OpenText(ReadFile(input));
  ReadInputData(file, input, as_read, reading);
  ASSERT_FALSE(reading.failed()) << stem;
  RunOutput rendered;
  ASSERT_TRUE(RenderRunFiles(outcome.results, &as_read, rendered)) << stem;
  const std::pair<const char*, std::string> files_rendered[2] = {
      {".out", rendered.report.contents()}, {".plt", rendered.plot.contents()}};
  for (const auto& [ext, text] : files_rendered) {
    const std::string actual = Normalised(text);
    const std::string expected = ReadFile((kExpected / (stem + ext)).string());
    EXPECT_TRUE(actual == expected) << stem << ext << " rendered from the results differs at "
                                    << FirstDifference(actual, expected);
  }
}

// The examples whose analysis runs to its end.
INSTANTIATE_TEST_SUITE_P(
    Examples, Golden,
    ::testing::Values("quickstart", "elastic_pipe_clay_uscs", "lrfd_hpile_clays_si",
                      "prestressed_pile_sections_ei_only_uscs", "steel_pipe_api_sand_uscs",
                      "steel_pipe_sand_si", "rock_socket_shaft_weak_rock_si",
                      "micropile_slope_user_ei_si", "lrfd_cased_shaft_limestone_si",
                      "precast_square_pile_soil_movement_uscs", "hpile_loess_cyclic_uscs",
                      "piedmont_sign_foundation_uscs", "timber_pole_frozen_ground_si",
                      "rock_socket_cased_shaft_uscs", "tutorial_shaft"));

}  // namespace
}  // namespace tarvex
