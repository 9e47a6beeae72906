// The input files of examples/ and the files printed in docs/input-format.md:
// each is read without an input error, holds what its title says, is fit for
// a run (soil below the tip, a node in every layer, valid auxiliary curves),
// and together the examples use every input feature.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "core/soil_criteria.hpp"
#include "input/reader.hpp"
#include "support/test_support.hpp"

namespace tarvex {
namespace {

using testing::ReadFile;
using testing::SplitLines;

struct Example {
  std::string name;
  std::unique_ptr<InputModel> model = std::make_unique<InputModel>();
  std::unique_ptr<RunOutput> out = std::make_unique<RunOutput>();
  std::vector<std::string> lines;
  int code() const { return out->diagnostics.error_code; }
  bool HasLine(const std::string& line) const {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  }
};

Example ReadText(const std::string& name, const std::string& text) {
  Example e;
  e.name = name;
  e.lines = SplitLines(text);
  InputFile file;
  file.OpenText(text);
  ReadInputData(file, name, *e.model, *e.out);
  return e;
}

const std::vector<Example>& Examples() {
  static const std::vector<Example> examples = [] {
    std::vector<Example> all;
    std::vector<std::filesystem::path> paths;
    for (const auto& entry :
         std::filesystem::directory_iterator(std::string(TARVEX_SOURCE_DIR) + "/examples")) {
      if (entry.path().extension() == ".tv6") paths.push_back(entry.path());
    }
    std::sort(paths.begin(), paths.end());
    for (const auto& p : paths) {
      all.push_back(ReadText(p.filename().string(), ReadFile(p.string())));
    }
    return all;
  }();
  return examples;
}

const Example& Named(const std::string& name) {
  for (const Example& e : Examples()) {
    if (e.name == name) return e;
  }
  ADD_FAILURE() << "no example " << name;
  static const Example none;
  return none;
}

// The section type code as written in the file: -3 for a void core.
int InputTypeCode(const PileSection& s) {
  return s.type == kShaftWithCasingAndCore && !s.core_filled ? -3 : s.type;
}

std::vector<int> SectionCodes(const InputModel& m) {
  std::vector<int> codes;
  for (const PileSection& s : m.sections) codes.push_back(InputTypeCode(s));
  return codes;
}

std::vector<int> LayerCodes(const InputModel& m) {
  std::vector<int> codes;
  for (const SoilLayer& l : m.layers) codes.push_back(l.code);
  return codes;
}

std::vector<int> LoadTypes(const InputModel& m) {
  std::vector<int> types;
  for (const LoadCase& c : m.load_cases) types.push_back(static_cast<int>(c.type));
  return types;
}

TEST(Examples, EveryFileIsReadWithoutAnInputError) {
  ASSERT_FALSE(Examples().empty());
  for (const Example& e : Examples()) {
    EXPECT_EQ(e.code(), 0) << e.name << "\n" << e.out->report.contents();
  }
}

TEST(Examples, QuickstartIsAShaftInTwoClaysUnderThreeKindsOfHeadLoading) {
  const InputModel& m = *Named("quickstart.tv6").model;
  EXPECT_EQ(m.options.units, UnitSystem::kUscs);
  EXPECT_FALSE(m.options.cyclic);
  EXPECT_EQ(m.options.increments, 100);
  ASSERT_EQ(m.sections.size(), 1U);
  EXPECT_EQ(m.sections[0].type, kDrilledShaft);
  EXPECT_EQ(m.sections[0].bars.layout, BarLayout::kCircle);
  EXPECT_EQ(LayerCodes(m), (std::vector<int>{kSoftClay, kStiffClayFreeWater}));
  const std::vector<int> types = LoadTypes(m);
  ASSERT_EQ(types.size(), 3U);
  EXPECT_EQ(std::set<int>(types.begin(), types.end()).size(), 3U) << "three kinds of head loading";
}

// What each file's title promises: units, run kind, sections, criteria and
// the pile-head load types (LRFD runs have combinations instead).
TEST(Examples, EachFileHoldsWhatItsTitleSays) {
  struct Case {
    const char* file;
    UnitSystem units;
    bool lrfd;
    bool ei_only;
    std::vector<int> sections;
    std::vector<int> layers;
    std::vector<int> load_types;
  };
  const UnitSystem uscs = UnitSystem::kUscs, si = UnitSystem::kSi;
  const Case cases[] = {
      {"quickstart.tv6", uscs, false, false, {1}, {1, 2}, {1, 2, 4}},
      {"tutorial_shaft.tv6", si, false, false, {1}, {5, 1, 2}, {1, 2}},
      {"rock_socket_cased_shaft_uscs.tv6", uscs, false, false, {2, 1}, {3, 8, 16}, {1, 3, 5}},
      {"steel_pipe_sand_si.tv6", si, false, false, {4}, {7, 5, 6}, {1, 2}},
      {"lrfd_cased_shaft_limestone_si.tv6", si, true, false, {3, -3}, {6, 9}, {}},
      {"prestressed_pile_sections_ei_only_uscs.tv6",
       uscs,
       false,
       true,
       {5, 6, 7, 8, 9, 10},
       {5},
       {1, 1, 1, 1}},
      {"hpile_loess_cyclic_uscs.tv6", uscs, false, false, {12}, {12, 4}, {1, 2}},
      {"precast_square_pile_soil_movement_uscs.tv6", uscs, false, false, {0}, {15, 11, 2}, {1, 2}},
      {"piedmont_sign_foundation_uscs.tv6", uscs, false, false, {11}, {10, 10, 10, 10}, {1, 1}},
      {"timber_pole_frozen_ground_si.tv6", si, false, false, {11}, {17, 14, 13}, {1, 4}},
      {"micropile_slope_user_ei_si.tv6", si, false, false, {13}, {2, 8}, {1, 2}},
      {"elastic_pipe_clay_uscs.tv6", uscs, false, false, {11}, {1, 2}, {1, 2, 3, 4, 5}},
      {"lrfd_hpile_clays_si.tv6", si, true, false, {12}, {15, 3, 13}, {}},
      {"steel_pipe_api_sand_uscs.tv6", uscs, false, false, {11}, {6}, {1, 2, 4}},
      {"rock_socket_shaft_weak_rock_si.tv6", si, false, false, {11}, {5, 8}, {1, 2}},
  };
  for (const Case& c : cases) {
    const InputModel& m = *Named(c.file).model;
    EXPECT_EQ(m.options.units, c.units) << c.file;
    EXPECT_EQ(m.options.lrfd, c.lrfd) << c.file;
    EXPECT_EQ(m.options.run_kind,
              c.ei_only ? RunKind::kBendingStiffnessOnly : RunKind::kPileAnalysis)
        << c.file;
    EXPECT_EQ(SectionCodes(m), c.sections) << c.file;
    EXPECT_EQ(LayerCodes(m), c.layers) << c.file;
    if (!c.lrfd) {
      EXPECT_EQ(LoadTypes(m), c.load_types) << c.file;
    }
  }
  EXPECT_EQ(Examples().size(), std::size(cases)) << "an example without a row here";
}

bool HasLayer(const InputModel& m, int code) {
  for (const SoilLayer& l : m.layers) {
    if (l.code == code) return true;
  }
  return false;
}

// The checks a run makes of the input before it analyses anything, and the
// habits of a sound input: a contiguous soil profile reaching below the tip,
// a node in every layer the pile passes, unit weights an engineer would
// accept, and auxiliary curves that start where they should.
TEST(Examples, AreFitForARun) {
  for (const Example& e : Examples()) {
    const InputModel& m = *e.model;
    const Options& o = m.options;
    const bool si = o.units == UnitSystem::kSi;
    SCOPED_TRACE(e.name);
    EXPECT_EQ(o.tolerance, si ? 2.54e-7 : 1e-5);
    EXPECT_GE(o.iteration_limit, 100);
    if (o.cyclic) {
      EXPECT_GE(o.cycles, 2.0);
      EXPECT_LE(o.cycles, 5000.0);
    }
    if (HasLayer(m, kLoess)) {
      EXPECT_GE(o.cycles, 1.0) << "loess curves vanish with no cycles";
      EXPECT_LE(o.cycles, 10.0);
    }
    if (o.run_kind == RunKind::kPileAnalysis) {
      EXPECT_FALSE(o.lrfd ? m.lrfd_combinations.empty() : m.load_cases.empty());
    }

    ASSERT_FALSE(m.layers.empty());
    const double increment = m.pile_length / o.increments;
    const double low = si ? 3.15 : 20.0, high = si ? 22.0 : 140.0;  // effective unit weights
    for (std::size_t i = 0; i < m.layers.size(); ++i) {
      const SoilLayer& l = m.layers[i];
      if (i > 0) {
        EXPECT_EQ(l.top, m.layers[i - 1].bottom) << "layer " << i + 1;
      }
      if (l.top < m.pile_length) {
        EXPECT_GT(l.bottom - l.top, increment) << "layer " << i + 1 << " may hold no node";
      }
      if (l.code != kMassiveRock && l.code != kFrozenSoil) {
        for (double w : {l.at_top.unit_weight, l.at_bottom.unit_weight}) {
          EXPECT_GT(w, low) << "layer " << i + 1;
          EXPECT_LT(w, high) << "layer " << i + 1;
        }
      }
      if (l.code == kLiquefiedSand) {
        EXPECT_LE(l.bottom - m.ground_depth, si ? 6.0 : 19.68) << "liquefied sand too deep";
      }
    }
    EXPECT_GT(m.layers.back().bottom, m.pile_length) << "soil must reach below the tip";

    if (o.print_py_curves) {
      ASSERT_FALSE(m.py_output_depths.empty());
      for (double d : m.py_output_depths) {
        EXPECT_GE(d, m.ground_depth);
        EXPECT_LT(d, m.pile_length);
      }
    }
    if (o.tip_shear) {
      ASSERT_GE(m.tip_shear.size(), 2U);
      EXPECT_EQ(m.tip_shear[0].displacement, 0.0);
      EXPECT_EQ(m.tip_shear[0].shear, 0.0);
      for (std::size_t k = 1; k < m.tip_shear.size(); ++k) {
        EXPECT_GT(m.tip_shear[k].displacement, m.tip_shear[k - 1].displacement);
      }
    }
    if (o.py_modifiers) {
      ASSERT_FALSE(m.py_multipliers.empty());
      EXPECT_EQ(m.py_multipliers[0].depth, m.ground_depth) << "multipliers start at the ground";
    }
    if (o.soil_movement) {
      ASSERT_GE(m.soil_movements.size(), 2U);
      for (std::size_t k = 1; k < m.soil_movements.size(); ++k) {
        EXPECT_GT(m.soil_movements[k].depth, m.soil_movements[k - 1].depth);
      }
    }
  }
}

// Every section type, criterion, load type, LRFD and auxiliary section is in
// at least one example, so that a change that drops one is noticed.
TEST(Examples, TogetherUseEveryInputFeature) {
  struct Feature {
    std::string name;
    std::function<bool(const Example&)> used;
  };
  std::vector<Feature> features;
  // A micropile section (type 14) ends every run with input error 51: it is
  // no example (tests/corpus holds one).
  for (int code : {0, 1, 2, 3, -3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}) {
    features.push_back({"section type " + std::to_string(code), [code](const Example& e) {
                          const std::vector<int> c = SectionCodes(*e.model);
                          return std::find(c.begin(), c.end(), code) != c.end();
                        }});
  }
  for (int code = kSoftClay; code <= kFrozenSoil; ++code) {
    features.push_back({"p-y criterion " + std::to_string(code),
                        [code](const Example& e) { return HasLayer(*e.model, code); }});
  }
  for (int type = 1; type <= 5; ++type) {
    features.push_back({"load type " + std::to_string(type), [type](const Example& e) {
                          const std::vector<int> t = LoadTypes(*e.model);
                          return !e.model->options.lrfd &&
                                 e.model->options.run_kind == RunKind::kPileAnalysis &&
                                 std::find(t.begin(), t.end(), type) != t.end();
                        }});
  }
  const auto lrfd_group = [](bool distributed) {
    return [distributed](const Example& e) {
      if (!e.model->options.lrfd) return false;
      for (const LrfdGroup& g : e.model->lrfd_groups) {
        if (g.points.empty() != distributed) return true;
      }
      return false;
    };
  };
  features.push_back({"LRFD group with distributed loads", lrfd_group(true)});
  features.push_back({"LRFD group without distributed loads", lrfd_group(false)});
  features.push_back({"several LRFD combinations", [](const Example& e) {
                        return e.model->options.lrfd && e.model->lrfd_combinations.size() >= 2;
                      }});
  features.push_back({"LOADING with distributed loads",
                      [](const Example& e) { return !e.model->distributed_loads.empty(); }});
  features.push_back({"TIP SHEAR", [](const Example& e) {
                        return e.model->options.tip_shear && !e.model->tip_shear.empty();
                      }});
  features.push_back({"PILE BATTER AND SLOPE", [](const Example& e) {
                        return e.HasLine("PILE BATTER AND SLOPE") && e.model->batter_angle != 0.0;
                      }});
  for (const char* keyword : {"GROUPEFF", "GROUP EFFECT FACTORS"}) {
    features.push_back({keyword, [keyword](const Example& e) {
                          return e.HasLine(keyword) && e.model->options.py_modifiers &&
                                 !e.model->py_multipliers.empty();
                        }});
  }
  features.push_back({"SOIL MOVEMENTS", [](const Example& e) {
                        return e.model->options.soil_movement && !e.model->soil_movements.empty();
                      }});
  features.push_back({"DEPTHS OF PRINTED P-Y CURVES", [](const Example& e) {
                        return e.model->options.print_py_curves &&
                               !e.model->py_output_depths.empty();
                      }});
  features.push_back({"AXIAL THRUST LOADS with ComputeEIOnly YES", [](const Example& e) {
                        return e.HasLine("AXIAL THRUST LOADS") &&
                               e.model->options.run_kind == RunKind::kBendingStiffnessOnly &&
                               ThrustTable(*e.model).size() >= 2;
                      }});
  features.push_back(
      {"ComputeInteraction YES", [](const Example& e) { return e.model->options.interaction; }});
  features.push_back(
      {"ComputeKmatrix YES", [](const Example& e) { return e.model->options.stiffness_matrix; }});
  features.push_back({"CYCLIC loading", [](const Example& e) { return e.model->options.cyclic; }});
  features.push_back(
      {"Units USCS", [](const Example& e) { return e.model->options.units == UnitSystem::kUscs; }});
  features.push_back(
      {"Units SI", [](const Example& e) { return e.model->options.units == UnitSystem::kSi; }});

  for (const Feature& f : features) {
    const bool used = std::any_of(Examples().begin(), Examples().end(),
                                  [&](const Example& e) { return e.code() == 0 && f.used(e); });
    EXPECT_TRUE(used) << "no example uses " << f.name;
  }
}

// The complete files printed in the user's reference (fenced as ```tv6) are
// valid input.
TEST(Examples, FilesOfTheInputReferenceAreRead) {
  const std::vector<std::string> doc =
      SplitLines(ReadFile(std::string(TARVEX_SOURCE_DIR) + "/docs/input-format.md"));
  std::vector<std::string> blocks;
  std::string* block = nullptr;
  for (const std::string& line : doc) {
    if (block == nullptr && line == "```tv6") {
      block = &blocks.emplace_back();
    } else if (block != nullptr && line == "```") {
      block = nullptr;
    } else if (block != nullptr) {
      *block += line + "\n";
    }
  }
  ASSERT_GE(blocks.size(), 2U) << "the reference prints a USCS and an SI file";
  std::set<UnitSystem> units;
  for (std::size_t i = 0; i < blocks.size(); ++i) {
    const Example e = ReadText("reference-" + std::to_string(i + 1) + ".tv6", blocks[i]);
    EXPECT_EQ(e.code(), 0) << "file " << i + 1 << " of the reference\n" << e.out->report.contents();
    units.insert(e.model->options.units);
  }
  EXPECT_TRUE(units.count(UnitSystem::kUscs) && units.count(UnitSystem::kSi));
}

}  // namespace
}  // namespace tarvex
