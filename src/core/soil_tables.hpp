// The soil profile tables: the parameters of the soil layers as rows in depth
// order, two rows per layer (its top and its bottom), varying linearly inside
// a layer, and the effective unit weight against depth.
#ifndef TARVEX_CORE_SOIL_TABLES_HPP_
#define TARVEX_CORE_SOIL_TABLES_HPP_

#include <array>

namespace tarvex {

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

}  // namespace tarvex

#endif  // TARVEX_CORE_SOIL_TABLES_HPP_
