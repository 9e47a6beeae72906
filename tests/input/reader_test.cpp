#include "input/reader.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/soil_criteria.hpp"
#include "pile/section_properties.hpp"
#include "support/test_support.hpp"

namespace tarvex {
namespace {

using testing::FindLine;
using testing::SplitLines;

// A complete, valid input: a reinforced drilled shaft in two clay layers
// under three pile-head load cases.
const char* const kBase = R"(TARVEX6
TITLE
Test shaft
line 2
line 3
line 4
line 5
OPTIONS
Units USCS
UseLRFD NO
ComputeKmatrix NO
UseTipShear NO
UseSoilMovement NO
UsePYModifiers NO
ComputeEIOnly NO
Loading STATIC   100
MaxIter 100
MaxDefl 10.0
Tolerance 1.0E-5
Increments 100
PrintSummaryOnly NO
PrintIncrement 5
PrintPYCurves NO
ComputeInteraction NO
SECTIONS
1
1
1
50.0
36.0
4000.0
0.75
Use default concrete tensile strength
Use internal stress-strain curve for concrete
Rebar Arrangement Not Same As Section Above
Rebar in circle
60000.0
29000000.0
12
1
1.128
1.0
3.0
0.0
SOIL LAYERS
2
1 0.0 10.0
110.0 400.0 0.0
110.0 500.0 0.0
3 10.0 60.0
120.0 2000.0 0.0
120.0 3000.0 0.0
LOADING
3
1 1 20000.0 0.0 100000.0 1
2 2 20000.0 0.0 50000.0 1
3 4 0.5 0.0 100000.0 0
0
END
)";

std::string Replace(std::string text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << "no \"" << from << "\" in the input";
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

// Inserts a section of input before "END".
std::string BeforeEnd(const std::string& text, const std::string& lines) {
  return Replace(text, "\nEND\n", "\n" + lines + "END\n");
}

struct Read {
  std::unique_ptr<InputModel> model = std::make_unique<InputModel>();
  std::unique_ptr<RunOutput> out = std::make_unique<RunOutput>();
  std::vector<std::string> report;
  std::vector<std::string> message;
  int code() const { return out->diagnostics.error_code; }
  std::string identity() const { return out->diagnostics.error.identity; }
  // The width the soil sees at point k of the section property table.
  double Width(std::size_t k) const {
    return BuildSectionPropertyTable(model->sections, model->options.units)[k].properties.diameter;
  }
  bool ReportHas(const std::string& line) const { return FindLine(report, line) >= 0; }
};

Read ReadText(const std::string& text) {
  Read r;
  InputFile file;
  file.OpenText(text);
  ReadInputData(file, "/jobs/shaft.tv6", *r.model, *r.out);
  r.report = SplitLines(r.out->report.contents());
  r.message = SplitLines(r.out->message.contents());
  return r;
}

TEST(Reader, ReadsACompleteFile) {
  const Read r = ReadText(kBase);
  ASSERT_EQ(r.code(), 0) << r.out->report.contents();
  const InputModel& m = *r.model;
  EXPECT_EQ(m.title[0], "Test shaft" + std::string(246, ' '));  // a 256-character field
  EXPECT_EQ(m.options.units, UnitSystem::kUscs);
  EXPECT_EQ(m.options.run_kind, RunKind::kPileAnalysis);
  EXPECT_FALSE(m.options.cyclic);
  EXPECT_EQ(m.options.cycles, 100.0);
  EXPECT_EQ(m.options.iteration_limit, 100);
  EXPECT_EQ(m.options.tolerance, 1e-5);
  EXPECT_EQ(m.options.increments, 100);
  EXPECT_EQ(m.options.print_increment, 5);
  ASSERT_EQ(m.sections.size(), 1U);
  const PileSection& s = m.sections[0];
  EXPECT_EQ(s.type, kDrilledShaft);
  EXPECT_EQ(s.depth, 36.0);
  EXPECT_EQ(s.bottom, 50.0);
  EXPECT_EQ(s.concrete.fc, 4000.0);
  EXPECT_EQ(s.concrete.aggregate, 0.75);
  EXPECT_EQ(s.bars.layout, BarLayout::kCircle);
  EXPECT_EQ(s.bars.count(), 12);
  EXPECT_EQ(s.bars.diameter, 1.128);
  EXPECT_EQ(s.bars.cover, 3.0);
  EXPECT_EQ(m.pile_length, 50.0);
  EXPECT_EQ(r.Width(1), 36.0);
  ASSERT_EQ(m.layers.size(), 2U);
  EXPECT_EQ(m.layers[1].code, kStiffClayNoFreeWater);
  EXPECT_EQ(m.layers[1].at_bottom.cohesion, 3000.0);
  EXPECT_EQ(m.ground_depth, 0.0);
  ASSERT_EQ(m.load_cases.size(), 3U);
  EXPECT_EQ(m.load_cases[2].type, LoadType::kDeflectionAndMoment);
  EXPECT_TRUE(m.load_cases[2].length_study);                      // study code 0 asks for the study
  EXPECT_FALSE(m.load_cases[0].length_study);                     // code 1 does not
  EXPECT_EQ(ThrustTable(m), (std::vector<double>{50.0, 100.0}));  // distinct, in kips
  const std::vector<std::string> progress = {"Reading title data",
                                             "Reading analysis options",
                                             "Reading section properties for Section 1",
                                             "Reading concrete property data for Section 1",
                                             "Reading rebar property data for Section 1",
                                             "Reading soil layering data",
                                             "Reading pile head loading data"};
  EXPECT_EQ(r.message, progress);
}

TEST(Reader, FormatTagTakesTheFirstSevenCharacters) {
  const Read r = ReadText(Replace(kBase, "TARVEX6\n", "TARVEX6extra, more\n"));
  EXPECT_EQ(r.code(), 0);
  EXPECT_EQ(r.model->format_tag, "TARVEX6");
}

struct ErrorCase {
  const char* name;
  std::string input;
  int code;
  std::string line;  // a line the report must hold
};

void ExpectErrors(const std::vector<ErrorCase>& cases) {
  for (const ErrorCase& c : cases) {
    const Read r = ReadText(c.input);
    EXPECT_EQ(r.code(), c.code) << c.name;
    EXPECT_TRUE(r.ReportHas(c.line)) << c.name << "\n" << r.out->report.contents();
    const std::string ended = c.code < 200
                                  ? "Tarvex ended prematurely due to input error number "
                                  : "Tarvex ended prematurely due to runtime error number ";
    EXPECT_EQ(r.report.back(), ended + r.identity()) << c.name;
  }
}

// The diagnostic of an input error carries the values at fault as data,
// beside its identity and the line it is about.
TEST(Reader, ErrorsCarryTheirValues) {
  struct Case {
    const char* name;
    std::string input;
    const char* identity;
    std::vector<DiagnosticValue> values;
  };
  const Case cases[] = {
      {"tolerance too small",
       Replace(kBase, "Tolerance 1.0E-5", "Tolerance 1.0E-25"),
       "INP00065",
       {ErrorValue("convergence tolerance", 1e-25, "in")}},
      {"too few increments",
       Replace(kBase, "Increments 100", "Increments 20"),
       "INP00055",
       {ErrorValue("pile increments", 20)}},
      {"iteration limit",
       Replace(kBase, "MaxIter 100", "MaxIter 5000"),
       "INP00095",
       {ErrorValue("iterations limit", 5000)}},
      {"negative deflection limit",
       Replace(kBase, "MaxDefl 10.0", "MaxDefl -2.5"),
       "INP00095",
       {ErrorValue("the maximum allowable deflection", -2.5),
        ErrorTextValue("input file", "shaft.tv6"), ErrorValue("line", 18),
        ErrorTextValue(
            "problem",
            "gives -2.5 as the maximum allowable deflection, which must not be negative"),
        ErrorTextValue("input line", "MaxDefl -2.5")}},
      {"option",
       Replace(kBase, "UseTipShear NO", "UseTipShear no"),
       "INP00095",
       {ErrorTextValue("expected", "UseTipShear YES or NO"),
        ErrorTextValue("line", "UseTipShear no")}},
      {"format tag",
       Replace(kBase, "TARVEX6\n", "TARVEX5\n"),
       "INP00006",
       {ErrorTextValue("format tag", "TARVEX5")}},
      {"missing section",
       Replace(kBase, "LOADING\n3\n", "LOADX\n3\n"),
       "INP00099",
       {ErrorTextValue("line", "LOADX")}},
  };
  for (const Case& c : cases) {
    const Read r = ReadText(c.input);
    const Diagnostic& d = r.out->diagnostics.error;
    EXPECT_EQ(d.identity, c.identity) << c.name;
    ASSERT_EQ(d.values.size(), c.values.size()) << c.name;
    for (std::size_t i = 0; i < c.values.size(); ++i) {
      EXPECT_EQ(d.values[i].name, c.values[i].name) << c.name;
      EXPECT_EQ(d.values[i].value, c.values[i].value) << c.name;
      EXPECT_EQ(d.values[i].text, c.values[i].text) << c.name;
      EXPECT_EQ(d.values[i].unit, c.values[i].unit) << c.name;
    }
  }
}

TEST(Reader, OptionChecks) {
  ExpectErrors({
      {"units in lower case", Replace(kBase, "Units USCS", "Units uscs"), 199, "Units uscs"},
      {"units after a blank", Replace(kBase, "Units USCS", " Units USCS"), 199, " Units USCS"},
      {"LRFD", Replace(kBase, "UseLRFD NO", "UseLRFD MAYBE"), 195,
       "INPUT ERROR - Unrecognized command for LRFD analysis option"},
      {"stiffness matrix", Replace(kBase, "ComputeKmatrix NO", "ComputeKmatrix"), 195,
       "INPUT ERROR - Unrecognized command for compute pile-head stiffness matrix option"},
      {"tip shear", Replace(kBase, "UseTipShear NO", "UseTipShear no"), 195,
       "INPUT ERROR - Unrecognized command for tip shear option"},
      {"soil movement", Replace(kBase, "UseSoilMovement NO", "UseSoilMovements NO"), 195,
       "INPUT ERROR - Unrecognized command for soil movement option"},
      {"p-y modifiers", Replace(kBase, "UsePYModifiers NO", "UsePYModifier NO"), 195,
       "INPUT ERROR - Unrecognized command for use of p-y modifiers option"},
      {"EI only", Replace(kBase, "ComputeEIOnly NO", "ComputeEI NO"), 195,
       "INPUT ERROR - Unrecognized command for compute nonlinear EI only option"},
      {"loading type", Replace(kBase, "Loading STATIC   100", "Loading DYNAMIC  100"), 195,
       "INPUT ERROR - Unrecognized command for loading type option"},
      {"29 iterations", Replace(kBase, "MaxIter 100", "MaxIter 29"), 195,
       "Problem: Input value for iterations limit = 29 and is less than 30 iteractions"},
      {"1001 iterations", Replace(kBase, "MaxIter 100", "MaxIter 1001"), 195,
       "Problem: Input value for iterations limit = 1001 and is more than 1,000 iteractions"},
      {"tolerance too small", Replace(kBase, "Tolerance 1.0E-5", "Tolerance 9.9E-21"), 165,
       "Input value for convergence tolerance is too small (less than 1E-20 inches)."},
      {"tolerance too large", Replace(kBase, "Tolerance 1.0E-5", "Tolerance 0.1000001"), 166,
       "Input value for convergence tolerance is too large (more than 0.1 inches). "},
      {"SI tolerance too small",
       Replace(Replace(kBase, "Units USCS", "Units SI"), "Tolerance 1.0E-5", "Tolerance 2.53e-22"),
       167, "Input value for convergence tolerance is too small (less than 2.54E-22 meters). "},
      {"SI tolerance too large",
       Replace(Replace(kBase, "Units USCS", "Units SI"), "Tolerance 1.0E-5", "Tolerance 0.003"),
       168, "Input value of convergence tolerance too large (more than 2.54E-3 meters). "},
      {"39 increments", Replace(kBase, "Increments 100", "Increments 39"), 155,
       "Problem:  The number of pile increments is less than 40."},
      {"501 increments", Replace(kBase, "Increments 100", "Increments 501"), 156,
       "Problem:  The number of pile increments is more than 500."},
      {"summary only", Replace(kBase, "PrintSummaryOnly NO", "PrintSummaryOnly N"), 195,
       "INPUT ERROR - Unrecognized command for print summary only option"},
      {"p-y curves", Replace(kBase, "PrintPYCurves NO", "PrintPYCurves"), 195,
       "INPUT ERROR - Unrecognized command for p-y curve output depths option"},
      {"interaction", Replace(kBase, "ComputeInteraction NO", "ComputeInteraction"), 195,
       "INPUT ERROR - Unrecognized command for compute interaction option"},
      {"interaction code",
       Replace(kBase, "ComputeInteraction NO", "ComputeInteraction YES\nCode BS8110"), 195,
       "INPUT ERROR - Unrecognized command for interaction code option"},
      {"print increment 0", Replace(kBase, "PrintIncrement 5", "PrintIncrement 0"), 195,
       "Problem:  Line 22 of shaft.tv6 gives 0 as the printing increment, which must be 1 or "
       "more."},
  });
}

TEST(Reader, OptionLimitsThatAreAccepted) {
  struct Case {
    const char* from;
    const char* to;
  };
  const Case cases[] = {{"MaxIter 100", "MaxIter 30"},
                        {"MaxIter 100", "MaxIter 1000"},
                        {"Increments 100", "Increments 500"},
                        {"Increments 100", "Increments 40"},
                        {"Tolerance 1.0E-5", "Tolerance 1.0E-15"},
                        {"Tolerance 1.0E-5", "Tolerance 1.0E-20"},  // the smallest taken
                        {"Tolerance 1.0E-5", "Tolerance 0.1"},
                        {"Loading STATIC   100", "Cyclic  CYCLIC  1 0"}};
  for (const Case& c : cases) {
    const Read r = ReadText(Replace(kBase, c.from, c.to));
    EXPECT_EQ(r.code(), 0) << c.to << "\n" << r.out->report.contents();
  }
  const Read cyclic = ReadText(Replace(kBase, "Loading STATIC   100", "Cyclic  CYCLIC  1 0"));
  EXPECT_TRUE(cyclic.model->options.cyclic);
  EXPECT_EQ(cyclic.model->options.cycles, 10.0);  // blanks inside the field are ignored
  const Read aci =
      ReadText(Replace(kBase, "ComputeInteraction NO", "ComputeInteraction YES\n'Code', ACI318"));
  EXPECT_EQ(aci.code(), 0);
  EXPECT_EQ(aci.model->options.interaction_code, 2);
}

TEST(Reader, KeywordLoopAndFileFraming) {
  ExpectErrors({
      {"unknown keyword", BeforeEnd(kBase, "SOIL PROFILE\n"), 199, "SOIL PROFILE"},
      {"no END", Replace(kBase, "\nEND\n", "\n"), 199,
       "Problem:  shaft.tv6 ends after line 58, before the line END was read."},
      {"file cut inside a section",
       std::string(kBase).substr(0, std::string(kBase).find("3.0\n0.0")), 199,
       "Problem:  shaft.tv6 ends after line 42, before the concrete cover of section 1 was read."},
  });
  const Read unknown = ReadText(BeforeEnd(kBase, "SOIL PROFILE\n"));
  const std::vector<std::string> block = {"",
                                          "",
                                          "***** INPUT ERROR *****",
                                          "",
                                          "The following line is unrecognized or is out-of-order",
                                          "",
                                          "SOIL PROFILE",
                                          "",
                                          ""};
  EXPECT_EQ(std::vector<std::string>(unknown.report.begin(), unknown.report.begin() + 9), block);
}

TEST(Reader, OptionsComeFirstAndKeepTheirUnits) {
  const std::string options = std::string(kBase).substr(
      std::string(kBase).find("OPTIONS\n"),
      std::string(kBase).find("SECTIONS\n") - std::string(kBase).find("OPTIONS\n"));
  std::string sections_first = Replace(kBase, options, "");
  sections_first = Replace(sections_first, "SOIL LAYERS\n", options + "SOIL LAYERS\n");
  std::string si_later = BeforeEnd(kBase, Replace(options, "Units USCS", "Units SI"));
  ExpectErrors({
      {"sections before options", sections_first, 199,
       "Problem:  Line 8 of shaft.tv6 opens the section SECTIONS before OPTIONS; the options must "
       "come before every section but TITLE."},
      {"units changed later", si_later, 199,
       "Problem:  Line 75 of shaft.tv6 ends an OPTIONS section that changes the unit system after "
       "sections were read in the first units."},
      {"cycles past column 20", Replace(kBase, "Loading STATIC   100", "Loading CYCLIC    1000"),
       195,
       "Problem:  Line 16 of shaft.tv6 holds text after column 20, where the number of cycles "
       "of loading (columns 15 to 20) must end."},
  });
  // The same options again are accepted.
  EXPECT_EQ(ReadText(BeforeEnd(kBase, options)).code(), 0);
}

// TRANSVERSE REINFORCEMENT is a section of its own after SECTIONS: a file
// without it reads as before, and one with it reads the same besides.
TEST(Reader, TransverseReinforcementIsOptionalAfterSections) {
  const Read old = ReadText(kBase);
  ASSERT_EQ(old.code(), 0);
  EXPECT_EQ(old.model->sections[0].transverse, TransverseInput::kNotGiven);
  const std::string block = "TRANSVERSE REINFORCEMENT\n1\n1  SPIRAL\n";
  for (const std::string& text :
       {Replace(kBase, "SOIL LAYERS\n", block + "SOIL LAYERS\n"), BeforeEnd(kBase, block)}) {
    const Read r = ReadText(text);
    ASSERT_EQ(r.code(), 0) << r.out->report.contents();
    EXPECT_EQ(r.model->sections[0].transverse, TransverseInput::kSpiral);
    EXPECT_EQ(r.model->layers.size(), old.model->layers.size());
    EXPECT_EQ(r.model->load_cases.size(), old.model->load_cases.size());
    EXPECT_EQ(r.report, old.report);
    EXPECT_EQ(r.message, old.message);
  }
  EXPECT_EQ(ReadText(BeforeEnd(kBase, "TRANSVERSE REINFORCEMENT\n1\n1 TIED\n"))
                .model->sections[0]
                .transverse,
            TransverseInput::kTied);

  const std::string sections = std::string(kBase).substr(
      std::string(kBase).find("SECTIONS\n"),
      std::string(kBase).find("SOIL LAYERS\n") - std::string(kBase).find("SECTIONS\n"));
  const std::string pipe = "SECTIONS\n1\n1\n4\n50.0\n24.0\n0.5\n50000.0\n29000000.0\n";
  ExpectErrors({
      {"before SECTIONS", Replace(kBase, "SECTIONS\n", block + "SECTIONS\n"), 199,
       "Problem:  Line 25 of shaft.tv6 opens TRANSVERSE REINFORCEMENT before SECTIONS; its rows "
       "name the sections by number, so SECTIONS must come first."},
      {"SECTIONS again after it", BeforeEnd(kBase, block + sections), 199,
       "Problem:  Line 62 of shaft.tv6 opens SECTIONS after TRANSVERSE REINFORCEMENT, whose rows "
       "name the sections read before; give SECTIONS once, before TRANSVERSE REINFORCEMENT."},
      {"more rows than sections", BeforeEnd(kBase, "TRANSVERSE REINFORCEMENT\n2\n"), 195,
       "Problem:  Line 60 of shaft.tv6 gives 2 as the number of rows of the transverse "
       "reinforcement, which must be from 1 to 1."},
      {"no such section", BeforeEnd(kBase, "TRANSVERSE REINFORCEMENT\n1\n2 SPIRAL\n"), 195,
       "Problem:  Line 61 of shaft.tv6 gives 2 as a section number, which must be from 1 to the "
       "number of sections, 1."},
      {"lower case", BeforeEnd(kBase, "TRANSVERSE REINFORCEMENT\n1\n1 spiral\n"), 195,
       "Problem:  Line 61 of shaft.tv6 gives \"spiral\" as the transverse reinforcement of "
       "section 1; TIED or SPIRAL is expected."},
      {"a steel pipe",
       BeforeEnd(Replace(kBase, sections, pipe), "TRANSVERSE REINFORCEMENT\n1\n1 TIED\n"), 195,
       "Problem:  Line 50 of shaft.tv6 gives transverse reinforcement to section 1, which is not "
       "a concrete section with bars or strands."},
  });
}

TEST(Reader, MalformedValues) {
  ExpectErrors({
      {"text for an integer", Replace(kBase, "MaxIter 100", "MaxIter abc"), 195,
       "Problem:  Line 17 of shaft.tv6 holds \"abc\" where an integer is expected (value 2 of "
       "the iteration limit line (a label and an integer))."},
      {"a real for an integer", Replace(kBase, "LOADING\n3\n", "LOADING\n3.0\n"), 195,
       "          Line 54: 3.0"},
      {"infinite value", Replace(kBase, "\n36.0\n", "\n1e400\n"), 195,
       "Problem:  Line 30 of shaft.tv6 holds \"1e400\" where a number is expected (value 1 of "
       "the shaft diameter of section 1)."},
      {"not a number", Replace(kBase, "\n36.0\n", "\nnan\n"), 195, "          Line 30: nan"},
      {"negative count", Replace(kBase, "SOIL LAYERS\n2\n", "SOIL LAYERS\n-2\n"), 195,
       "Problem:  Line 46 of shaft.tv6 gives -2 as the number of soil layers, which must be from "
       "1 to 40."},
      {"too many layers", Replace(kBase, "SOIL LAYERS\n2\n", "SOIL LAYERS\n41\n"), 195,
       "Problem:  Line 46 of shaft.tv6 gives 41 as the number of soil layers, which must be from "
       "1 to 40."},
      {"too many load cases", Replace(kBase, "LOADING\n3\n", "LOADING\n101\n"), 195,
       "Problem:  Line 54 of shaft.tv6 gives 101 as the number of pile-head load cases, which "
       "must be from 0 to 100."},
      {"load type 6", Replace(kBase, "2 2 20000.0", "2 6 20000.0"), 195,
       "Problem:  Line 56 of shaft.tv6 gives 6 as the load type, which must be from 1 to 5."},
      {"soil code 0", Replace(kBase, "3 10.0 60.0", "0 10.0 60.0"), 195,
       "Problem:  Line 50 of shaft.tv6 gives 0 as the p-y criterion code of soil layer 2, which "
       "must be from 1 to 20."},
  });
}

TEST(Reader, FreeFormatRows) {
  // Commas, blank lines inside a row, a row spread over two lines, repeat
  // counts, a slash ending the row early, and text after the values.
  const Read r =
      ReadText(Replace(kBase, "1 1 20000.0 0.0 100000.0 1\n2 2 20000.0 0.0 50000.0 1\n",
                       "1,1,20000.0,0.0,100000.0,1 trailing text\n\n2 2 20000.0\n 2*0.0 1\n"));
  ASSERT_EQ(r.code(), 0) << r.out->report.contents();
  EXPECT_EQ(r.model->load_cases[0].condition1, 20000.0);
  EXPECT_EQ(r.model->load_cases[1].condition2, 0.0);
  EXPECT_EQ(r.model->load_cases[1].axial, 0.0);
  const Read slash = ReadText(Replace(kBase, "3 4 0.5 0.0 100000.0 0", "3 4 0.5 /"));
  ASSERT_EQ(slash.code(), 0);
  EXPECT_EQ(slash.model->load_cases[2].condition2, 0.0);  // left as it was
  EXPECT_FALSE(slash.model->load_cases[2].length_study);
  EXPECT_TRUE(r.model->ignored_values.empty());
  EXPECT_TRUE(slash.model->ignored_values.empty());
}

TEST(Reader, ValuesBeyondThoseReadAreNotedUnlessTheyAreAComment) {
  struct Case {
    const char* name;
    const char* from;
    const char* to;
    const char* ignored;  // nullptr: nothing noted
  };
  const Case cases[] = {
      {"decimal comma", "\n36.0\n", "\n36,9\n", "9"},
      {"numbers alone after the values", "\n36.0\n", "\n36.0 12 7\n", "12 7"},
      {"decimal comma before a comment", "\n36.0\n", "\n36,9 shaft diameter\n", "9"},
      {"a comment", "\n36.0\n", "\n36.0 shaft diameter, in\n", nullptr},
      {"a comment that starts with a number", "\n36.0\n", "\n36.0  0.5 in special\n", nullptr},
      {"a comma, a blank and a comment", "\n36.0\n", "\n36.0, 3 ft of it cased\n", nullptr},
      {"the rest after a slash", "\n36.0\n", "\n36.0 / 9\n", nullptr},
  };
  for (const Case& c : cases) {
    const Read r = ReadText(Replace(kBase, c.from, c.to));
    ASSERT_EQ(r.code(), 0) << c.name << "\n" << r.out->report.contents();
    EXPECT_EQ(r.model->sections[0].depth, 36.0) << c.name;
    if (c.ignored == nullptr) {
      EXPECT_TRUE(r.model->ignored_values.empty()) << c.name;
      continue;
    }
    ASSERT_EQ(r.model->ignored_values.size(), 1U) << c.name;
    const IgnoredValues& v = r.model->ignored_values[0];
    EXPECT_EQ(v.line_number, 30) << c.name;
    EXPECT_EQ(v.values, c.ignored) << c.name;
    EXPECT_EQ(v.file, "shaft.tv6") << c.name;
    EXPECT_EQ(v.line, std::string(c.to).substr(1, std::string(c.to).size() - 2)) << c.name;
  }
}

TEST(Reader, AKeywordLineWithACharacterThatDoesNotShowIsShownWithIt) {
  struct Case {
    const char* name;
    std::string line;  // in place of the keyword LOADING
    const char* shown;
  };
  const Case cases[] = {
      {"no-break space", "LOADING\xC2\xA0", "LOADING<U+00A0>"},
      {"zero-width space", "LOAD\xE2\x80\x8BING", "LOAD<U+200B>ING"},
      {"byte-order mark inside the file", "\xEF\xBB\xBFLOADING", "<U+FEFF>LOADING"},
      {"NUL and an escape sequence", std::string("LOADING\0\x1B[2J", 12),
       "LOADING<U+0000><U+001B>[2J"},
      {"a Latin-1 byte", "LOADING\xE9", "LOADING<0xE9>"},
  };
  for (const Case& c : cases) {
    const Read r = ReadText(Replace(kBase, "\nLOADING\n", "\n" + c.line + "\n"));
    EXPECT_EQ(r.code(), 199) << c.name;
    const std::string report = r.out->report.contents();
    const std::vector<std::string> lines = SplitLines(report);
    EXPECT_GE(FindLine(lines, c.shown), 0) << c.name << "\n" << report;
    EXPECT_GE(FindLine(lines,
                       "The line holds characters that print as nothing or as a blank, "
                       "shown above as <U+....>"),
              0)
        << c.name;
    EXPECT_EQ(report.find(c.line), std::string::npos) << c.name;
  }
  // A line of printable characters is shown as it is, with no note.
  const Read plain = ReadText(Replace(kBase, "\nLOADING\n", "\nLOADINGS\n"));
  EXPECT_EQ(plain.code(), 199);
  EXPECT_EQ(plain.out->report.contents().find("print as nothing"), std::string::npos);
}

// A title of other than five lines, or a row short of a value, shows its
// error on a later line that is correct in itself: the error's block names
// the cause, in the report and in the message file alike. Errors of other
// causes get no such line.
TEST(Reader, AnErrorAfterAShortTitleOrAShortRowNamesTheCause) {
  const std::string title = "TITLE\nTest shaft\nline 2\nline 3\nline 4\nline 5\n";
  struct Case {
    const char* name;
    std::string input;
    int code;
    std::vector<std::string> cause;  // empty: no line starts with "Cause:"
  };
  const Case cases[] = {
      {"a title of one line",
       Replace(kBase, title, "TITLE\nTest shaft\n"),
       199,
       {"Cause:  TITLE takes five lines; line 4 (OPTIONS) was read as title line 2, and line 8 "
        "looks like an OPTIONS line.",
        "        Give the title five lines (blank lines may fill it)."}},
      {"no title line",
       Replace(kBase, title, "TITLE\n"),
       199,
       {"Cause:  TITLE takes five lines; line 3 (OPTIONS) was read as title line 1, and line 8 "
        "looks like an OPTIONS line."}},
      {"a title of six lines",
       Replace(kBase, title, title + "line 6\n"),
       199,
       {"Cause:  TITLE takes five lines, lines 3 to 7 here; line 8 after them is no keyword: a "
        "sixth title line?"}},
      {"OPTIONS left out after the title",
       Replace(kBase, "line 5\nOPTIONS\n", "line 5\n"),
       199,
       {"Cause:  line 8 looks like an OPTIONS line, but the five title lines (lines 3 to 7) are "
        "not followed by the keyword line OPTIONS.",
        "        Put the line OPTIONS after the title."}},
      {"a label without its value",
       Replace(kBase, "MaxIter 100", "MaxIter"),
       195,
       {"Cause:    Line 17 above holds only 1 of the 2 values read for the iteration limit "
        "line (a label and an integer); the reading went on to the next line, so a value is "
        "missing on line 17."}},
      {"a soil row short of a value before LOADING",
       Replace(kBase, "120.0 3000.0 0.0\nLOADING", "120.0 3000.0\nLOADING"),
       195,
       {"Cause:    Line 52 above holds only 2 of the 3 values read for the soil values at the "
        "bottom of soil layer 2 (unit weight, cohesion, epsilon-50); the reading went on to the "
        "next line, so a value is missing on line 52."}},
      {"a misspelt keyword elsewhere", Replace(kBase, "\nLOADING\n", "\nLOADINGS\n"), 199, {}},
      {"a bad value on its own line", Replace(kBase, "MaxIter 100", "MaxIter abc"), 195, {}},
  };
  for (const Case& c : cases) {
    const Read r = ReadText(c.input);
    EXPECT_EQ(r.code(), c.code) << c.name;
    for (const std::vector<std::string>* lines : {&r.report, &r.message}) {
      if (c.cause.empty()) {
        for (const std::string& line : *lines) {
          EXPECT_NE(line.rfind("Cause:", 0), 0U) << c.name << ": " << line;
        }
        continue;
      }
      const int at = FindLine(*lines, c.cause[0]);
      EXPECT_GE(at, 0) << c.name << "\n" << r.out->message.contents();
      if (at >= 0 && c.cause.size() > 1) {
        EXPECT_EQ((*lines)[static_cast<std::size_t>(at) + 1], c.cause[1]) << c.name;
      }
    }
  }
}

// A SECTIONS body replacing the base one.
std::string WithSections(const std::string& body, const std::string& units = "Units USCS") {
  const std::string base = Replace(kBase, "Units USCS", units);
  const std::size_t from = base.find("SECTIONS\n");
  const std::size_t to = base.find("SOIL LAYERS\n");
  return base.substr(0, from) + "SECTIONS\n" + body + base.substr(to);
}

const char* const kConcreteAndCircle = R"(4000.0
0.75
Use default concrete tensile strength
Use internal stress-strain curve for concrete
Rebar Arrangement Not Same As Section Above
Rebar in circle
60000.0
29000000.0
8
1
25.0
500.0
75.0
10.0
)";

TEST(Reader, SectionsDepthsAndTypes) {
  const Read two = ReadText(WithSections(std::string("2\n1\n1\n20.0\n36.0\n") + kConcreteAndCircle +
                                         "2\n4\n30.0\n24.0\n0.5\n36000.0\n29000000.0\n"));
  ASSERT_EQ(two.code(), 0) << two.out->report.contents();
  const auto& s = two.model->sections;
  EXPECT_EQ(s[0].top, 0.0);
  EXPECT_EQ(s[0].bottom, 20.0);
  EXPECT_EQ(s[1].top, 20.0);
  EXPECT_EQ(s[1].bottom, 50.0);
  EXPECT_EQ(s[1].casing_thickness, 0.5);
  EXPECT_EQ(two.model->pile_length, 50.0);
  EXPECT_EQ(two.Width(2), 24.0);

  const Read micro = ReadText(
      WithSections(std::string("2\n1\n1\n20.0\n36.0\n") + kConcreteAndCircle + "2\n14\n5.0\n"));
  ASSERT_EQ(micro.code(), 0);
  EXPECT_EQ(micro.model->pile_length, 20.0);  // a micropile adds no length

  const Read void_core = ReadText(WithSections(
      std::string("1\n1\n-3\n40.0\n48.0\n0.75\n36000.0\n29000000.0\n24.0\n0.5\n36000.0\n"
                  "29000000.0\n") +
      kConcreteAndCircle));
  ASSERT_EQ(void_core.code(), 0) << void_core.out->report.contents();
  EXPECT_EQ(void_core.model->sections[0].type, kShaftWithCasingAndCore);
  EXPECT_FALSE(void_core.model->sections[0].core_filled);
  EXPECT_EQ(void_core.model->sections[0].core_diameter, 24.0);

  // SI: cross-section dimensions in millimetres are held in metres.
  const Read si = ReadText(
      WithSections(std::string("1\n1\n1\n15.0\n900.0\n") + kConcreteAndCircle, "Units SI"));
  ASSERT_EQ(si.code(), 0) << si.out->report.contents();
  const PileSection& shaft = si.model->sections[0];
  EXPECT_DOUBLE_EQ(shaft.depth, 0.9);
  EXPECT_DOUBLE_EQ(shaft.concrete.aggregate, 0.00075);
  EXPECT_DOUBLE_EQ(shaft.bars.diameter, 0.025);
  EXPECT_DOUBLE_EQ(shaft.bars.area, 0.0005);
  EXPECT_DOUBLE_EQ(shaft.bars.cover, 0.075);
  EXPECT_DOUBLE_EQ(shaft.bars.offset, 0.01);
  EXPECT_EQ(shaft.length, 15.0);
  EXPECT_EQ(shaft.bars.fy, 60000.0);
}

TEST(Reader, SectionBlocks) {
  // Bars by position, a concrete curve, manual strands, elastic shapes and a
  // user bending stiffness table.
  const Read bars = ReadText(WithSections(
      "1\n1\n0\n40.0\n24.0\n18.0\n5000.0\n0.75\nOverride concrete tensile strength\n450.0\n"
      "Input stress-strain curve for concrete\n2\n1 0.001 3000.0\n2 0.003 5000.0\n"
      "Rebar Arrangement Same As Section Above\nRebar in noncircular pattern\n60000.0\n"
      "29000000.0\n2\n8 1.0 0.79 -9.0 -6.0\n8 1.0 0.79 9.0 6.0\n"));
  ASSERT_EQ(bars.code(), 0) << bars.out->report.contents();
  const PileSection& rect = bars.model->sections[0];
  EXPECT_EQ(rect.width, 18.0);
  EXPECT_EQ(bars.Width(0), 18.0);  // the soil sees the width B
  EXPECT_TRUE(rect.concrete.tensile_override);
  EXPECT_EQ(rect.concrete.tensile, 450.0);
  ASSERT_EQ(rect.concrete.curve.size(), 2U);
  EXPECT_EQ(rect.concrete.curve[1].stress, 5000.0);
  EXPECT_TRUE(rect.bars.same_as_above);
  ASSERT_EQ(rect.bars.count(), 2);
  EXPECT_EQ(rect.bars.bars[1].y, 6.0);
  EXPECT_EQ(rect.bars.bars[1].index, 8);

  const Read strands = ReadText(WithSections(
      "1\n1\n8\n60.0\n24.0\n11.0\n1.0\n6000.0\n0.75\nUse default concrete tensile strength\n"
      "Use internal stress-strain curve for concrete\nManually-positioned strands\n2\n1\n"
      "300000.0\n0.2\n1 5 0 -9.75 -9.75\n2 5 0 9.75 9.75\n"));
  ASSERT_EQ(strands.code(), 0) << strands.out->report.contents();
  const StrandBlock& sb = strands.model->sections[0].strands;
  EXPECT_FALSE(sb.automatic);
  EXPECT_EQ(sb.type, 1);
  EXPECT_EQ(sb.count, 2);
  EXPECT_EQ(sb.strands[1].x, 9.75);
  EXPECT_EQ(strands.model->sections[0].void_diameter, 11.0);
  EXPECT_EQ(strands.model->sections[0].chamfer, 1.0);

  const Read elastic =
      ReadText(WithSections("3\n1\n11\n10.0\n3\n14.0\n14.0\n14.0\n13.6\n0.7\n0.7\n29000000.0\n"
                            "2\n12\n10.0\n5\n12.0\n10.0\n30.0\n1600000.0\n500000.0\n400000.0\n"
                            "3\n13\n30.0\n24.0\n1\n0.0\n2\n0.0\n1.0e10\n5.0e6\n5.0e9\n"));
  ASSERT_EQ(elastic.code(), 0) << elastic.out->report.contents();
  const auto& es = elastic.model->sections;
  EXPECT_EQ(es[0].elastic.shape, kStrongHShape);
  EXPECT_EQ(es[0].elastic.web_thickness, 0.7);
  EXPECT_EQ(es[0].elastic.modulus, 29000000.0);
  EXPECT_EQ(es[1].elastic.hole_diameter, 30.0);
  EXPECT_EQ(es[1].elastic.bottom_mp, 400000.0);
  EXPECT_EQ(elastic.Width(2), 30.0);  // the pole's hole
  ASSERT_EQ(es[2].user_ei.size(), 1U);
  EXPECT_EQ(es[2].user_ei[0].moment, (std::vector<double>{0.0, 5.0e6}));
  EXPECT_EQ(es[2].user_ei[0].ei, (std::vector<double>{1.0e10, 5.0e9}));
  EXPECT_EQ(elastic.model->pile_length, 50.0);
}

TEST(Reader, SectionErrors) {
  const std::string shaft = std::string("1\n1\n1\n50.0\n36.0\n") + kConcreteAndCircle;
  ExpectErrors({
      {"section number", WithSections(std::string("1\n2\n1\n50.0\n36.0\n") + kConcreteAndCircle),
       195, "Expecting section number 1, but section number 2 was found"},
      {"type code", WithSections("1\n1\n15\n50.0\n"), 195,
       "Problem:  Line 28 of shaft.tv6 gives 15 as the section type code, which must be from 0 "
       "to 14, or -3."},
      {"tensile option",
       Replace(WithSections(shaft), "Use default concrete tensile strength",
               "Use standard tensile strength"),
       195, "INPUT ERROR - Unrecognized command for concrete tensile strength option"},
      {"stress-strain option",
       Replace(WithSections(shaft), "Use internal stress-strain curve for concrete",
               "Internal curve"),
       195, "INPUT ERROR - Unrecognized input for concrete stress-strain option"},
      {"curve sequence",
       Replace(WithSections(shaft), "Use internal stress-strain curve for concrete",
               "Input stress-strain curve for concrete\n2\n1 0.001 3000\n3 0.002 4000"),
       195, "Expecting line no. 2 but line no. 3 was read"},
      {"rebar continuation",
       Replace(WithSections(shaft), "Rebar Arrangement Not Same As Section Above", "Rebar"), 195,
       "INPUT ERROR - Unrecognized command for rebar continuation from section above option"},
      {"strand order",
       WithSections("1\n1\n5\n40.0\n24.0\n6000.0\n0.75\nUse default concrete tensile strength\n"
                    "Use internal stress-strain curve for concrete\nManually-positioned strands\n"
                    "2\n1\n300000.0\n0.2\n1 5 0 -9.0 0.0\n3 5 0 9.0 0.0\n"),
       195, "INPUT ERROR - Input out-of-order for strand no. 2"},
      {"strand option",
       WithSections("1\n1\n5\n40.0\n24.0\n6000.0\n0.75\nUse default concrete tensile strength\n"
                    "Use internal stress-strain curve for concrete\nStrands by hand\n"),
       195, "INPUT ERROR - Unrecognized input for strand no. "},
      {"strand size",
       WithSections("1\n1\n5\n40.0\n24.0\n6000.0\n0.75\nUse default concrete "
                    "tensile strength\nUse internal stress-strain curve for "
                    "concrete\nAutoposition strands\n2\n5\n8\n"),
       195,
       "Problem:  Line 37 of shaft.tv6 gives 5 as the strand size index, which must be from "
       "0 to 4."},
      {"too many bars", Replace(WithSections(shaft), "\n8\n1\n25.0", "\n301\n1\n25.0"), 195,
       "Problem:  Line 39 of shaft.tv6 gives 301 as the number of bar groups, which must be from "
       "1 to 300."},
  });
}

TEST(Reader, SoilLayerRows) {
  const auto layers = [](const std::string& body) {
    const std::size_t from = std::string(kBase).find("SOIL LAYERS\n");
    const std::size_t to = std::string(kBase).find("LOADING\n");
    return std::string(kBase).substr(0, from) + "SOIL LAYERS\n" + body +
           std::string(kBase).substr(to);
  };
  // Liquefied sand reads two one-value rows; massive rock none; a code-18
  // layer reads none and is not counted.
  const Read r = ReadText(layers(
      "5\n7 2.0 10.0\n115.0\n115.0\n16 10.0 20.0\n18 20.0 25.0\n14 25.0 40.0\n120.0 2\n0.0 0.0\n"
      "1.0 900.0\n120.0 2\n0.0 0.0\n1.0 1200.0\n10 40.0 60.0\n125.0 1 12.0 0.0 0.0 0.0\n"
      "125.0 1 15.0 0.0 0.0 0.0\n"));
  ASSERT_EQ(r.code(), 0) << r.out->report.contents();
  const auto& l = r.model->layers;
  ASSERT_EQ(l.size(), 4U);
  EXPECT_EQ(l[0].code, kLiquefiedSand);
  EXPECT_EQ(l[0].at_bottom.unit_weight, 115.0);
  EXPECT_EQ(l[1].code, kMassiveRock);
  EXPECT_EQ(l[2].code, kUserPy);
  EXPECT_EQ(l[2].curve_bottom.count, 2);
  EXPECT_EQ(l[2].curve_bottom.p[1], 1200.0);
  EXPECT_EQ(l[3].at_bottom.test[0], 15.0);
  EXPECT_EQ(r.model->ground_depth, 2.0);  // the top of layer 1
  ExpectErrors({{"too many p-y points", layers("1\n14 0.0 60.0\n120.0 31\n"), 195,
                 "Problem:  Line 48 of shaft.tv6 gives 31 as the number of points of a "
                 "user-input p-y curve, which must be from 1 to 30."}});
}

// The values of a layer's rows land in the fields its criterion names, in
// input order; rock strength, rock mass modulus and k_rm are held in the
// cohesion, k and epsilon-50 fields.
TEST(Reader, EachCriterionReadsItsRowIntoItsFields) {
  struct Case {
    SoilCriterion code;
    const char* row;
    SoilValues expected;
  };
  const std::vector<Case> cases = {
      {kSoftClay, "100 11 12", {.unit_weight = 100, .cohesion = 11, .eps50 = 12}},
      {kSoftClayJ, "100 11 12 13", {.unit_weight = 100, .cohesion = 11, .eps50 = 12, .j = 13}},
      {kStiffClayFreeWater,
       "100 11 12 13",
       {.unit_weight = 100, .cohesion = 11, .eps50 = 12, .kpy = 13}},
      {kStiffClayNoFreeWater, "100 11 12", {.unit_weight = 100, .cohesion = 11, .eps50 = 12}},
      {kStiffClayNoFreeWaterK,
       "100 11 12 13",
       {.unit_weight = 100, .cohesion = 11, .eps50 = 12, .kpy = 13}},
      {kSandReese, "100 31 12", {.unit_weight = 100, .friction = 31, .kpy = 12}},
      {kSandApi, "100 31 12", {.unit_weight = 100, .friction = 31, .kpy = 12}},
      {kLiquefiedSand, "100", {.unit_weight = 100}},
      {kWeakRock,
       "100 11 12 13 0.0005",
       {.unit_weight = 100, .cohesion = 11, .rqd = 13, .eps50 = 0.0005, .kpy = 12}},
      {kVuggyLimestone, "100 11", {.unit_weight = 100, .cohesion = 11}},
      {kPiedmont,
       "100 2 11 12 13 14",
       {.unit_weight = 100, .test_type = 2, .test = {11, 12, 13, 14}}},
      {kCementedSilt,
       "100 11 31 13 14",
       {.unit_weight = 100, .cohesion = 11, .friction = 31, .eps50 = 14, .kpy = 13}},
      {kLoess, "100 11", {.unit_weight = 100, .test = {0, 11, 0, 0}}},
      {kElasticSubgrade, "100 11", {.unit_weight = 100, .subgrade = 11}},
  };
  const std::size_t from = std::string(kBase).find("SOIL LAYERS\n");
  const std::size_t to = std::string(kBase).find("LOADING\n");
  for (const Case& c : cases) {
    const std::string body =
        "1\n" + std::to_string(c.code) + " 0.0 60.0\n" + c.row + "\n" + c.row + "\n";
    const Read r = ReadText(std::string(kBase).substr(0, from) + "SOIL LAYERS\n" + body +
                            std::string(kBase).substr(to));
    ASSERT_EQ(r.code(), 0) << c.code << "\n" << r.out->report.contents();
    ASSERT_EQ(r.model->layers.size(), 1U);
    for (const SoilValues& v : {r.model->layers[0].at_top, r.model->layers[0].at_bottom}) {
      const SoilValues& e = c.expected;
      EXPECT_EQ(v.unit_weight, e.unit_weight) << c.code;
      EXPECT_EQ(v.cohesion, e.cohesion) << c.code;
      EXPECT_EQ(v.friction, e.friction) << c.code;
      EXPECT_EQ(v.rqd, e.rqd) << c.code;
      EXPECT_EQ(v.eps50, e.eps50) << c.code;
      EXPECT_EQ(v.j, e.j) << c.code;
      EXPECT_EQ(v.kpy, e.kpy) << c.code;
      EXPECT_EQ(v.test_type, e.test_type) << c.code;
      EXPECT_EQ(v.test, e.test) << c.code;
      EXPECT_EQ(v.subgrade, e.subgrade) << c.code;
    }
  }
  // A row that ends early names the values the criterion reads.
  const Read short_row = ReadText(std::string(kBase).substr(0, from) +
                                  "SOIL LAYERS\n1\n8 0.0 60.0\n100 11 12 13 0.0005\n100 11 12\n");
  EXPECT_EQ(short_row.code(), 199);
  EXPECT_TRUE(short_row.ReportHas(
      "Problem:  shaft.tv6 ends after line 49, before the soil values at the bottom of soil "
      "layer 1 (unit weight, compressive strength, rock mass modulus, RQD, k_rm) was read."))
      << short_row.out->report.contents();
}

TEST(Reader, LoadingAndAuxiliarySections) {
  const std::string lrfd =
      "LRFD LOADS\n2\n1 1 1000.0 0.0 10.0 0\n2 2 500.0 0.0 20.0 2\n1 0.0 5.0\n2 10.0 5.0\n"
      "LRFD FACTORS AND CASES\n2\n1 1.25 1.75 0 0 0 0 0 0 0 0 0 0 0 0.9 0.75\nStrength I\n"
      "2 0.9 0 0 0 0 0 0 0 0 0 0 0 0 0.9 0.75\nStrength Ia\n";
  const Read r = ReadText(
      BeforeEnd(Replace(Replace(kBase, "UseLRFD NO", "UseLRFD YES"), "Units USCS", "Units SI"),
                lrfd + "PILE BATTER AND SLOPE\n10.0\n4.0\nTIP SHEAR\n2\n1 0.0 0.0\n2 0.5 100.0\n"
                       "GROUPEFF\n2\n1 0.0 0.8 1.0\n2 5.0 1.0 1.0\n"));
  ASSERT_EQ(r.code(), 0) << r.out->report.contents();
  const InputModel& m = *r.model;
  ASSERT_EQ(m.lrfd_groups.size(), 2U);
  EXPECT_EQ(m.lrfd_groups[1].points.size(), 2U);
  ASSERT_EQ(m.lrfd_combinations.size(), 2U);
  EXPECT_EQ(m.lrfd_combinations[0].factors[1], 1.75);
  EXPECT_EQ(m.lrfd_combinations[0].phi_shear, 0.75);
  EXPECT_EQ(m.lrfd_combinations[1].name.substr(0, 12), "Strength Ia ");
  EXPECT_EQ(ThrustTable(m), (std::vector<double>{10.0, 20.0}));  // LRFD group forces, kN
  EXPECT_EQ(m.slope_angle, 0.17453292519943295);
  EXPECT_EQ(m.batter_angle, 0.06981317007977318);
  EXPECT_EQ(m.slope_minus_batter, 0.10471975511965977);
  EXPECT_EQ(m.tip_shear[1].shear, 100.0);
  EXPECT_EQ(m.py_multiplier_count, 2);
  EXPECT_EQ(m.py_multipliers[0].pm, 0.8);

  const Read movement =
      ReadText(BeforeEnd(Replace(Replace(kBase, "UseSoilMovement NO", "UseSoilMovement YES"),
                                 "Units USCS", "Units SI"),
                         "SOIL MOVEMENTS\n2\n1 0.0 25.0\n2 5.0 0.0\n"));
  ASSERT_EQ(movement.code(), 0) << movement.out->report.contents();
  EXPECT_DOUBLE_EQ(movement.model->soil_movements[0].movement, 0.025);  // millimetres to metres

  const Read thrusts =
      ReadText(Replace(BeforeEnd(Replace(kBase, "ComputeEIOnly NO", "ComputeEIOnly YES"),
                                 "AXIAL THRUST LOADS\n3\n1 300.0\n"
                                 "2 100.0\n3 200.0\n"),
                       "LOADING\n3\n1 1 20000.0 0.0 100000.0 1\n2 2 20000.0 0.0 "
                       "50000.0 1\n3 4 0.5 0.0 100000.0 0\n0\n",
                       ""));
  ASSERT_EQ(thrusts.code(), 0) << thrusts.out->report.contents();
  ASSERT_EQ(thrusts.model->load_cases.size(), 3U);
  EXPECT_EQ(thrusts.model->load_cases[0].axial, 100.0);
  EXPECT_EQ(ThrustTable(*thrusts.model), (std::vector<double>{0.1, 0.2, 0.3}));

  const Read printed = ReadText(BeforeEnd(Replace(kBase, "PrintPYCurves NO", "PrintPYCurves YES"),
                                          "DEPTHS OF PRINTED P-Y CURVES\n2\n1 5.0\n2 5.0\n"));
  ASSERT_EQ(printed.code(), 0);
  EXPECT_EQ(printed.model->py_output_depths, (std::vector<double>{5.0, 5.0}));
}

TEST(Reader, LoadingErrors) {
  const std::string lrfd_on = Replace(kBase, "UseLRFD NO", "UseLRFD YES");
  ExpectErrors({
      {"no LRFD groups", BeforeEnd(lrfd_on, "LRFD LOADS\n0\n"), 198,
       "Number of LRFD loads specified is 0"},
      {"LRFD group order", BeforeEnd(lrfd_on, "LRFD LOADS\n1\n2 1 1000.0 0.0 10.0 0\n"), 197,
       "Input load number is 2 and the expected load number is 1"},
      {"one distributed point", BeforeEnd(lrfd_on, "LRFD LOADS\n1\n1 1 1000.0 0.0 10.0 1\n"), 195,
       "Number of distributed load points for LRFD load number 1 is outside of the valid range "
       "of 0 or 2 to 100."},
      {"51 distributed points", BeforeEnd(lrfd_on, "LRFD LOADS\n1\n1 1 1000.0 0.0 10.0 51\n"), 195,
       "Problem:  Line 61 of shaft.tv6 gives 51 as the number of distributed load points of an "
       "LRFD load group, which must be from 0 to 50."},
      {"distributed point order",
       BeforeEnd(lrfd_on, "LRFD LOADS\n1\n1 1 1000.0 0.0 10.0 2\n1 0.0 5.0\n3 5.0 5.0\n"), 196,
       " and the expected point number is 2"},
      {"no combinations", BeforeEnd(lrfd_on, "LRFD FACTORS AND CASES\n101\n"), 194,
       "Number of LRFD load combinations input is 101"},
      {"soil movement count",
       BeforeEnd(Replace(kBase, "UseSoilMovement NO", "UseSoilMovement YES"),
                 "SOIL MOVEMENTS\n1\n1 0.0 1.0\n"),
       153, "Number of lines specified for soil movement data = 1"},
      // Without the option the keyword stands alone: its count line is then no keyword.
      {"soil movements without the option", BeforeEnd(kBase, "SOIL MOVEMENTS\n2\n"), 199, "2"},
  });
}

// The base input without the section that starts with keyword line `from`
// (up to the keyword line `to`).
std::string Without(const std::string& text, const std::string& from, const std::string& to) {
  const std::size_t a = text.find(from);
  const std::size_t b = text.find(to, a);
  EXPECT_TRUE(a != std::string::npos && b != std::string::npos) << from;
  return text.substr(0, a) + text.substr(b);
}

// The line of the missing-sections error that names one section.
std::string MissingLine(const std::string& keyword, const std::string& gives) {
  std::string line = std::string(10, ' ') + keyword;
  line.resize(35, ' ');
  return line + gives;
}

TEST(Reader, EverySectionTheRunNeedsIsGiven) {
  const std::string lrfd = Replace(kBase, "UseLRFD NO", "UseLRFD YES");
  const std::string groups = "LRFD LOADS\n1\n1 1 1000.0 0.0 10.0 0\n";
  const std::string combinations =
      "LRFD FACTORS AND CASES\n1\n1 1.25 0 0 0 0 0 0 0 0 0 0 0 0 0.9 0.75\nStrength I\n";
  const std::string ei_only = Replace(kBase, "ComputeEIOnly NO", "ComputeEIOnly YES");
  const std::string no_loading = Without(kBase, "LOADING\n", "END\n");
  const std::string pile = "a pile analysis needs:";
  ExpectErrors({
      {"only the tag and END", "TARVEX6\nEND\n", 199,
       "Problem:  shaft.tv6 ends at line 2 without sections that every analysis needs:"},
      {"no OPTIONS", "TARVEX6\nEND\n", 199,
       MissingLine("OPTIONS", "the units and the kind of analysis")},
      {"no SECTIONS", Without(kBase, "SECTIONS\n", "SOIL LAYERS\n"), 199,
       MissingLine("SECTIONS", "the pile sections")},
      {"no SOIL LAYERS", Without(kBase, "SOIL LAYERS\n", "LOADING\n"), 199,
       MissingLine("SOIL LAYERS", "the soil layers along the pile")},
      {"no LOADING", no_loading, 199,
       "Problem:  shaft.tv6 ends at line 53 without sections that " + pile},
      {"no LOADING named", no_loading, 199, MissingLine("LOADING", "the pile-head load cases")},
      {"LOADING without a case",
       Replace(kBase,
               "LOADING\n3\n1 1 20000.0 0.0 100000.0 1\n2 2 "
               "20000.0 0.0 50000.0 1\n3 4 0.5 0.0 100000.0 0\n",
               "LOADING\n0\n"),
       199, MissingLine("LOADING", "at least one pile-head load case (it holds none)")},
      {"axial thrusts in place of LOADING",
       BeforeEnd(no_loading, "AXIAL THRUST LOADS\n1\n1 50.0\n"), 199,
       MissingLine("LOADING", "the pile-head load cases")},
      {"LRFD without groups", BeforeEnd(lrfd, combinations), 199,
       MissingLine("LRFD LOADS", "the unfactored load groups of UseLRFD YES")},
      {"LRFD without combinations", BeforeEnd(lrfd, groups), 199,
       MissingLine("LRFD FACTORS AND CASES", "the load combinations of UseLRFD YES")},
      {"stiffness only without thrusts", Without(ei_only, "LOADING\n", "END\n"), 199,
       MissingLine("AXIAL THRUST LOADS", "the axial thrusts of the sections")},
      {"stiffness only without sections",
       Without(Without(ei_only, "SECTIONS\n", "SOIL LAYERS\n"), "SOIL LAYERS\n", "LOADING\n"), 199,
       "Problem:  shaft.tv6 ends at line 31 without sections that a run with ComputeEIOnly YES "
       "needs:"},
      {"tip shear asked for", Replace(kBase, "UseTipShear NO", "UseTipShear YES"), 199,
       MissingLine("TIP SHEAR", "the tip shear curve of UseTipShear YES")},
      {"p-y modifiers asked for", Replace(kBase, "UsePYModifiers NO", "UsePYModifiers YES"), 199,
       MissingLine("GROUPEFF", "the p-y multipliers of UsePYModifiers YES")},
      {"soil movement asked for", Replace(kBase, "UseSoilMovement NO", "UseSoilMovement YES"), 199,
       MissingLine("SOIL MOVEMENTS", "the soil movements of UseSoilMovement YES")},
  });

  // Every missing section is named at once.
  const Read both = ReadText(Without(kBase, "SECTIONS\n", "LOADING\n"));
  EXPECT_TRUE(both.ReportHas(MissingLine("SECTIONS", "the pile sections")));
  EXPECT_TRUE(both.ReportHas(MissingLine("SOIL LAYERS", "the soil layers along the pile")));

  // What each kind of run needs, and no more: a stiffness-only run needs no
  // soil and takes its thrusts from AXIAL THRUST LOADS or LOADING; an LRFD
  // pile run needs no LOADING; the multiplier section may carry either name.
  const std::string thrusts = "AXIAL THRUST LOADS\n1\n1 50.0\n";
  for (const std::string& accepted :
       {BeforeEnd(Without(ei_only, "SOIL LAYERS\n", "END\n"), thrusts),
        Without(ei_only, "SOIL LAYERS\n", "LOADING\n"),
        BeforeEnd(Without(lrfd, "LOADING\n", "END\n"), groups + combinations),
        BeforeEnd(Replace(kBase, "UsePYModifiers NO", "UsePYModifiers YES"),
                  "GROUP EFFECT FACTORS\n1\n1 0.0 1.0 1.0\n")}) {
    const Read r = ReadText(accepted);
    EXPECT_EQ(r.code(), 0) << accepted << r.out->report.contents();
  }
}

TEST(Reader, ImpossibleValues) {
  const std::string sand = Replace(kBase, "3 10.0 60.0\n120.0 2000.0 0.0\n120.0 3000.0 0.0\n",
                                   "5 10.0 60.0\n120.0 30.0 0.0\n120.0 90.0 0.0\n");
  const std::string strands =
      "1\n1\n5\n40.0\n24.0\n6000.0\n0.75\nUse default concrete tensile strength\n"
      "Use internal stress-strain curve for concrete\nManually-positioned strands\n"
      "2\n1\n300000.0\n1.5\n";
  ExpectErrors({
      {"layer bottom above its top", Replace(kBase, "3 10.0 60.0", "3 10.0 5.0"), 195,
       "Problem:  Line 50 of shaft.tv6 gives 5 as the bottom depth of soil layer 2, which must lie "
       "below its top depth of 10."},
      {"layer bottom above the layer above", Replace(kBase, "3 10.0 60.0", "3 5.0 8.0"), 195,
       "Problem:  Line 50 of shaft.tv6 gives 8 as the bottom depth of soil layer 2, which must lie "
       "below the bottom of the layer above, at 10."},
      {"negative unit weight", Replace(kBase, "110.0 400.0 0.0", "-110.0 400.0 0.0"), 195,
       "Problem:  Line 48 of shaft.tv6 gives -110 as the effective unit weight at the top of soil "
       "layer 1, which must not be negative."},
      {"negative cohesion", Replace(kBase, "120.0 3000.0 0.0", "120.0 -3000.0 0.0"), 195,
       "Problem:  Line 52 of shaft.tv6 gives -3000 as the cohesion at the bottom of soil layer 2, "
       "which must not be negative."},
      {"friction angle of 90 degrees", sand, 195,
       "Problem:  Line 52 of shaft.tv6 gives 90 as the friction angle at the bottom of soil layer "
       "2, which must be from 0 to less than 90 degrees."},
      {"negative bar diameter", Replace(kBase, "\n1.128\n", "\n-1.128\n"), 195,
       "Problem:  Line 41 of shaft.tv6 gives -1.128 as the bar diameter of section 1, which must "
       "not be negative."},
      {"bar of no area", Replace(kBase, "\n1.0\n3.0\n", "\n0.0\n3.0\n"), 195,
       "Problem:  Line 42 of shaft.tv6 gives 0 as the area of one bar of section 1, which must be "
       "positive."},
      {"negative concrete strength", Replace(kBase, "\n4000.0\n", "\n-4000.0\n"), 195,
       "Problem:  Line 31 of shaft.tv6 gives -4000 as the concrete compressive strength of section "
       "1, which must be positive."},
      {"shaft of no diameter", Replace(kBase, "\n36.0\n", "\n0.0\n"), 195,
       "Problem:  Line 30 of shaft.tv6 gives 0 as the shaft diameter of section 1, which must be "
       "positive."},
      {"SI wall shown as typed",
       WithSections("1\n1\n4\n20.0\n610.0\n-12.0\n250000.0\n200000000.0\n", "Units SI"), 195,
       "Problem:  Line 31 of shaft.tv6 gives -12 as the pipe wall thickness of section 1, which "
       "must not be negative."},
      {"more than all prestress lost", WithSections(strands), 195,
       "Problem:  Line 39 of shaft.tv6 gives 1.5 as the fraction of loss of prestress of section "
       "1, which must be from 0 to 1."},
      {"absurd magnitude", Replace(kBase, "\n36.0\n", "\n1e31\n"), 195,
       "Problem:  Line 30 of shaft.tv6 holds \"1e31\", a number beyond 1e+30 in magnitude, which "
       "no input value may exceed (value 1 of the shaft diameter of section 1)."},
      {"negative deflection limit", Replace(kBase, "MaxDefl 10.0", "MaxDefl -10.0"), 195,
       "Problem:  Line 18 of shaft.tv6 gives -10 as the maximum allowable deflection, which must "
       "not be negative."},
      {"pile lying flat", BeforeEnd(kBase, "PILE BATTER AND SLOPE\n0.0\n90.0\n"), 195,
       "Problem:  Line 61 of shaft.tv6 gives 90 as the pile batter angle, which must lie between "
       "-90 and 90 degrees."},
      {"y-multiplier of zero", BeforeEnd(kBase, "GROUPEFF\n1\n1 0.0 1.0 0.0\n"), 195,
       "Problem:  Line 61 of shaft.tv6 gives 0 as the y-multiplier of point 1, which must be "
       "positive."},
      // A positive value too small to be one: it once passed and gave a head
      // deflection that was not a number.
      {"bar modulus of 4.9e-324", Replace(kBase, "\n29000000.0\n", "\n4.9e-324\n"), 195,
       "Problem:  Line 38 of shaft.tv6 gives 5e-324 as the elastic modulus of the bars of section "
       "1, which is below 1e-30, too small to be taken as a positive value."},
      {"section length of 1e-31 ft", Replace(kBase, "\n50.0\n", "\n1e-31\n"), 195,
       "Problem:  Line 29 of shaft.tv6 gives 1e-31 as the length of section 1, which is below "
       "1e-30, too small to be taken as a positive value."},
      {"cycles beyond the cap", Replace(kBase, "Loading STATIC   100", "Loading STATIC 1e308"), 195,
       "Problem:  Line 16 of shaft.tv6 holds \"1e308\", a number beyond 1e+30 in magnitude, "
       "which no input value may exceed (the number of cycles of loading)."},
      // Head conditions no pile can take, named at the load case's line
      // after the whole file is read.
      {"imposed deflection beyond MaxDefl", Replace(kBase, "3 4 0.5 0.0", "3 4 -10.5 0.0"), 195,
       "Problem:  Line 57 of shaft.tv6 gives -10.5 as the pile-head deflection of load case 3, "
       "which must not exceed the maximum allowable deflection (10, MaxDeflection) in "
       "magnitude."},
      {"head slope beyond one radian", Replace(kBase, "2 2 20000.0 0.0", "2 2 20000.0 1e30"), 195,
       "Problem:  Line 56 of shaft.tv6 gives 1e+30 as the pile-head slope of load case 2, which "
       "must lie between -1 and 1 radian (57 degrees)."},
  });
  // At the limits the head conditions are taken.
  const Read at_limits = ReadText(Replace(Replace(kBase, "3 4 0.5 0.0", "3 4 10.0 0.0"),
                                          "2 2 20000.0 0.0", "2 2 20000.0 -1.0"));
  EXPECT_EQ(at_limits.code(), 0) << at_limits.out->report.contents();

  // Values the criteria give a meaning to are kept: an epsilon-50 or k of 0
  // or less selects the default, zero cohesion and a negative ground depth
  // (the pile head below the ground surface) are read as given.
  const Read kept = ReadText(
      Replace(Replace(kBase, "110.0 400.0 0.0", "110.0 0.0 -1.0"), "1 0.0 10.0", "1 -2.0 10.0"));
  ASSERT_EQ(kept.code(), 0) << kept.out->report.contents();
  EXPECT_EQ(kept.model->layers[0].at_top.eps50, -1.0);
  EXPECT_EQ(kept.model->ground_depth, -2.0);
}

}  // namespace
}  // namespace tarvex
