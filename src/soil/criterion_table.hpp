// The p-y criterion table: one row per criterion code, read by everything that
// treats soil layers by their criterion. The input reader takes the layer's
// values in the order of its fields, the unit conversion follows its strength
// rule, the strength at a layer interface its soil type, the dispatcher its
// layering group, passes and operations, and the input echo its description.
#ifndef TARVEX_SOIL_CRITERION_TABLE_HPP_
#define TARVEX_SOIL_CRITERION_TABLE_HPP_

#include <array>
#include <string_view>

#include "core/input_model.hpp"
#include "core/soil_criteria.hpp"

namespace tarvex {

// A value of a SOIL LAYERS row, with where it is held and how it is checked.
enum class SoilField : int {
  kEnd = 0,              // no further field
  kUnitWeight,           // effective unit weight
  kCohesion,             // undrained shear strength c
  kCompressiveStrength,  // uniaxial compressive strength qu (held as the cohesion)
  kFriction,             // friction angle
  kEps50,                // epsilon-50
  kJ,                    // Matlock's J
  kK,                    // subgrade modulus k
  kRockMassModulus,      // initial rock mass modulus (held as k)
  kRqd,                  // rock quality designation
  kKrm,                  // k_rm of weak rock (held as epsilon-50)
  kTestType,             // field-test type of Piedmont soil
  kTestValues,           // the four field-test values of Piedmont soil
  kConeTipResistance,    // cone tip resistance of loess (the second test value)
  kElasticSubgrade,      // elastic subgrade modulus
};

// The check a field's value passes when it is read.
enum class FieldCheck {
  kNone,         // any value: 0 or less selects the criterion's default
  kNotNegative,  // 0 or more
  kAngle,        // from 0 to less than 90 degrees
  kPercent,      // from 0 to 100
};

struct SoilFieldInfo {
  SoilField field;
  int count;                 // values it stands for in the row (4 for the test values)
  std::string_view name;     // in the reader's list of the row's values: "cohesion"
  std::string_view checked;  // in the message of a failed check: "the cohesion"
  FieldCheck check;
  std::string_view uscs;  // unit as read in USCS runs
  std::string_view si;    // unit as read in SI runs
};

// The description of `field`.
const SoilFieldInfo& FieldInfo(SoilField field);

// Value k (0-based, below the field's count) of `field` in `values`.
double& SoilFieldValue(SoilValues& values, SoilField field, int k = 0);
double SoilFieldValue(const SoilValues& values, SoilField field, int k = 0);

// How the unit conversion treats the strength (the cohesion field) in USCS.
enum class StrengthUnit {
  kPsfToPsi,  // read in psf, computed in psi
  kPsi,       // the compressive strength of rock: read and computed in psi
};

// The soil type of a layer where two layers meet, which decides the strength
// there.
enum class InterfaceSoil : int {
  kOther = 0,  // the interface rule does not cover it
  kCohesive = 1,
  kCohesionless = 2,
  kRock = 3,
  kUserCurves = 4,
  kSubgrade = 5,
  kCohesiveWithStrength,  // cohesive when its strength at the interface is positive, else
                          // cohesionless (cemented silt)
};

// What a layer means for the layers below it in a solver pass.
enum class LayeringGroup {
  kNone,      // nothing (user curves; codes without a criterion)
  kSoil,      // marked as below rock when a rock-type layer lies above it
  kWeakRock,  // counts as rock, then is itself marked
  kRockType,  // marked when below rock, then counts as rock
};

// The operations of a criterion: its routine over the nodes of one layer,
// instantiated from the dispatcher's node loop (soil/py_dispatch.hpp).
struct CriterionOps;

// A row is written with designated initializers, every value by its name;
// what a row leaves out takes the default below.
struct CriterionRow {
  SoilCriterion code{};
  std::string_view short_name;        // 10 characters, blank-padded: output only
  std::string_view description;       // the criterion in messages and results: "sand, Reese"
  std::string_view echo_title;        // after "Layer n is " in the input echo
  std::string_view long_name;         // the soil summary of the echo (34 characters at most)
  std::string_view family;            // clay, sand, rock, silt, elastic, user, frozen or other:
                                      // the soil's colour in the HTML report's profile
  std::array<SoilField, 6> fields{};  // of each of the layer's two rows, in input order
  bool user_curves = false;           // the rows give user p-y curves (their points follow)
  bool counted = true;                // a layer of this code is kept (18 to 20 are not)
  StrengthUnit strength = StrengthUnit::kPsfToPsi;
  InterfaceSoil interface = InterfaceSoil::kOther;
  LayeringGroup group = LayeringGroup::kNone;
  bool solver = false;                // the solver passes call a routine for the layer
  bool prints_curve = false;          // the output pass prints its curves at requested depths
  bool preset = false;                // sets its nodes' moduli once before a case's first solution
  const CriterionOps* ops = nullptr;  // null: the solver never calls the code
};

// The row of `code`; codes outside 1 to 20 get the row of code 20 ("Undefined").
const CriterionRow& CriterionOf(int code);

// All rows, code 1 first.
const std::array<CriterionRow, kSoilCriterionCodes>& CriterionTable();

// The short name of `code` without its trailing blanks ("Sand", "SoftClay").
std::string_view ShortNameOf(int code);

}  // namespace tarvex

#endif  // TARVEX_SOIL_CRITERION_TABLE_HPP_
