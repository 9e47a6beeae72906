// The soil profile: the parameters of the soil layers as rows in depth order,
// two rows per layer (its top and its bottom), varying linearly inside a layer.
#ifndef TARVEX_SOIL_SOIL_PROFILE_HPP_
#define TARVEX_SOIL_SOIL_PROFILE_HPP_

#include <array>

namespace tarvex {

class AnalysisModel;

// Columns of a profile row.
enum ProfileColumn : int {
  kColStrength = 1,        // undrained shear strength c; compressive strength qu of rock
  kColEps50 = 2,           // epsilon-50; k_rm of weak rock
  kColJ = 3,               // J of soft clay with J
  kColFriction = 4,        // friction angle, degrees
  kColRqd = 5,             // RQD, percent
  kColSpt = 6,             // SPT N60 (Piedmont)
  kColConeTip = 7,         // cone tip resistance qc (Piedmont, loess)
  kColTestType = 8,        // field-test type (Piedmont)
  kColDilatometer = 9,     // dilatometer modulus (Piedmont)
  kColPressuremeter = 10,  // pressuremeter modulus (Piedmont)
  kColSubgrade = 11,       // elastic subgrade modulus
};
constexpr int kProfileColumns = 11;

struct SoilProfile {
  static constexpr int kMaxRows = 80;
  int rows = 0;
  // 1-based rows: depth[i] below the pile head, value[i][m] of column m.
  std::array<double, kMaxRows + 1> depth = {};
  std::array<std::array<double, kProfileColumns + 1>, kMaxRows + 1> value = {};
};

// Effective unit weight against depth, two points per layer.
struct UnitWeightProfile {
  static constexpr int kMaxPoints = 80;
  int points = 0;
  std::array<double, kMaxPoints + 1> depth = {};  // 1-based
  std::array<double, kMaxPoints + 1> weight = {};
};

// Fills model.soil_profile and model.unit_weights from model.layers (in
// computing units, tops already contiguous): rows 2j-1 and 2j hold the values
// at the top and at the bottom of layer j.
void BuildSoilProfile(AnalysisModel& model);

// The accessors below take the vertical depth z below the pile head (L). On an
// error they write its block, report it and return 0; the caller tests
// model.failed().

// Undrained shear strength c (F/L^2), or qu of rock, at depth z: column 1,
// linear inside a layer, with the soil-type rules at a layer interface. Sets
// *at_node (may be null) when z lies within 1e-6 of an interior row, where the
// criteria skip their strength-range warnings. Input error 5 below the
// deepest row, 60 for a layer of zero or negative thickness; runtime error 24
// for an interface of unexpected soil types, 999 when the interface cannot be
// matched to two layers.
double ShearStrengthAt(AnalysisModel& model, double z, bool* at_node);

// Effective unit weight averaged from the top of the profile down to z (F/L^3);
// 0 above the ground surface, the first positive weight at it. Input error 15
// below the deepest point.
double AverageUnitWeight(AnalysisModel& model, double z);

// Strength of column 1 averaged from the top of the profile down to z (F/L^2);
// 0 above the ground surface, ShearStrengthAt(z) at it. Input error 3 below
// the deepest row.
double AverageStrength(AnalysisModel& model, double z);

// Friction angle at z (degrees); input error 4 below the deepest row.
double FrictionAngleAt(AnalysisModel& model, double z);

// Epsilon-50 (column 2) at z; 0 below the deepest row.
double Epsilon50At(AnalysisModel& model, double z);

// J (column 3) at z; 0 below the deepest row.
double JAt(AnalysisModel& model, double z);

// RQD at z (percent); input error 31 below the deepest row, 49 for a value
// outside 0 to 100.
double RqdAt(AnalysisModel& model, double z);

// k_rm of weak rock (column 2) at z: at an interface, and at the deepest row,
// the value of the layer below, except at the pile tip; 0 below the deepest
// row.
double RockColumn2At(AnalysisModel& model, double z);

}  // namespace tarvex

#endif  // TARVEX_SOIL_SOIL_PROFILE_HPP_
