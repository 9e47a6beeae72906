// What the summary of pile responses keeps of one load case.
#ifndef TARVEX_CORE_CASE_RECORD_HPP_
#define TARVEX_CORE_CASE_RECORD_HPP_

#include <array>

#include "core/input_model.hpp"
#include "core/limits.hpp"

namespace tarvex {

struct CaseRecord {
  LoadType type = LoadType::kShearAndMoment;
  double condition1 = 0.0;
  double condition2 = 0.0;
  double axial = 0.0;
  double head_shear = 0.0;
  double head_moment = 0.0;
  double top_deflection = 0.0;
  double head_slope = 0.0;
  double max_moment = 0.0;  // signed value of the largest |M|
  double max_moment_depth = 0.0;
  double max_shear = 0.0;  // signed value of the largest |V|
  double max_shear_depth = 0.0;
  double max_stress = 0.0;
  int iterations = 0;
  int zero_deflection_points = 0;
  // Largest |M| and |V| in each pile section.
  std::array<double, limits::kMaxSections> section_moment = {};
  std::array<double, limits::kMaxSections> section_shear = {};
};

}  // namespace tarvex

#endif  // TARVEX_CORE_CASE_RECORD_HPP_
