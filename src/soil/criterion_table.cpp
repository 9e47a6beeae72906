#include "soil/criterion_table.hpp"

#include <cstddef>

namespace tarvex {

// The operations of the criteria this build computes, each defined in its
// criterion's source file.
extern const CriterionOps kSoftClayOps;
extern const CriterionOps kSoftClayJOps;
extern const CriterionOps kStiffClayFreeWaterOps;
extern const CriterionOps kStiffClayNoFreeWaterOps;
extern const CriterionOps kStiffClayNoFreeWaterKOps;
extern const CriterionOps kElasticSubgradeOps;
extern const CriterionOps kSandReeseOps;
extern const CriterionOps kSandApiOps;
extern const CriterionOps kLiquefiedSandOps;
extern const CriterionOps kWeakRockOps;
extern const CriterionOps kVuggyLimestoneOps;
extern const CriterionOps kMassiveRockOps;
extern const CriterionOps kCementedSiltOps;
extern const CriterionOps kLoessOps;
extern const CriterionOps kPiedmontOps;
extern const CriterionOps kUserPyOps;

namespace {

using F = SoilField;
using I = InterfaceSoil;
using G = LayeringGroup;
constexpr StrengthUnit kPsi = StrengthUnit::kPsi;

constexpr std::array<SoilFieldInfo, 15> kFields = {{
    {F::kEnd, 0, "", "", FieldCheck::kNone, "", ""},
    {F::kUnitWeight, 1, "unit weight", "the effective unit weight", FieldCheck::kNotNegative, "pcf",
     "kN/m3"},
    {F::kCohesion, 1, "cohesion", "the cohesion", FieldCheck::kNotNegative, "psf", "kPa"},
    {F::kCompressiveStrength, 1, "compressive strength", "the compressive strength",
     FieldCheck::kNotNegative, "psi", "kPa"},
    {F::kFriction, 1, "friction angle", "the friction angle", FieldCheck::kAngle, "degrees",
     "degrees"},
    {F::kEps50, 1, "epsilon-50", "epsilon-50", FieldCheck::kNone, "", ""},
    {F::kJ, 1, "J", "J", FieldCheck::kNotNegative, "", ""},
    {F::kK, 1, "k", "k", FieldCheck::kNone, "pci", "kN/m3"},
    {F::kRockMassModulus, 1, "rock mass modulus", "the rock mass modulus", FieldCheck::kNotNegative,
     "psi", "kPa"},
    {F::kRqd, 1, "RQD", "the RQD", FieldCheck::kPercent, "percent", "percent"},
    {F::kKrm, 1, "k_rm", "k_rm", FieldCheck::kNotNegative, "", ""},
    {F::kTestType, 1, "test type", "the test type", FieldCheck::kNone, "", ""},
    // The test values are held as read: N60 in blows per foot (or per 0.3 m), the
    // others in the stress unit of the input.
    {F::kTestValues, 4, "four test values", "a field test value", FieldCheck::kNotNegative, "", ""},
    {F::kConeTipResistance, 1, "cone tip resistance", "the cone tip resistance",
     FieldCheck::kNotNegative, "psf", "kPa"},
    {F::kElasticSubgrade, 1, "elastic subgrade modulus", "the elastic subgrade modulus",
     FieldCheck::kNotNegative, "pci", "kN/m3"},
}};

// One row per code, code 1 first. Every value is set by its name; what a row
// leaves out keeps the default of CriterionRow (no user curves, kept, strength
// read in psf, no interface rule, no layering group, called by no pass, no
// operations).
constexpr std::array<CriterionRow, kSoilCriterionCodes> kRows = {{
    {.code = kSoftClay,
     .short_name = "SoftClay  ",
     .description = "soft clay, Matlock",
     .echo_title = "soft clay, p-y criteria by Matlock, 1970",
     .long_name = "Soft Clay (Matlock)",
     .family = "clay",
     .fields = {F::kUnitWeight, F::kCohesion, F::kEps50},
     .interface = I::kCohesive,
     .group = G::kSoil,
     .solver = true,
     .prints_curve = true,
     .ops = &kSoftClayOps},
    {.code = kStiffClayFreeWater,
     .short_name = "StfClyBW  ",
     .description = "stiff clay with free water",
     .echo_title = "stiff clay with water-induced erosion",
     .long_name = "Stiff Clay w/ Free Water (Reese)",
     .family = "clay",
     .fields = {F::kUnitWeight, F::kCohesion, F::kEps50, F::kK},
     .interface = I::kCohesive,
     .group = G::kSoil,
     .solver = true,
     .prints_curve = true,
     .ops = &kStiffClayFreeWaterOps},
    {.code = kStiffClayNoFreeWater,
     .short_name = "StfClyAW  ",
     .description = "stiff clay without free water",
     .echo_title = "stiff clay without free water",
     .long_name = "Stiff Clay w/o Free Water",
     .family = "clay",
     .fields = {F::kUnitWeight, F::kCohesion, F::kEps50},
     .interface = I::kCohesive,
     .group = G::kSoil,
     .solver = true,
     .prints_curve = true,
     .ops = &kStiffClayNoFreeWaterOps},
    {.code = kStiffClayNoFreeWaterK,
     .short_name = "StfClyAK  ",
     .description = "stiff clay without free water, with initial k",
     .echo_title = "stiff clay without free water using initial selected k, 2004",
     .long_name = "Stiff Clay w/o Free Water with k",
     .family = "clay",
     .fields = {F::kUnitWeight, F::kCohesion, F::kEps50, F::kK},
     .interface = I::kCohesive,
     .group = G::kSoil,
     .solver = true,
     .prints_curve = true,
     .ops = &kStiffClayNoFreeWaterKOps},
    {.code = kSandReese,
     .short_name = "Sand      ",
     .description = "sand, Reese",
     .echo_title = "sand, p-y criteria by Reese et al., 1974",
     .long_name = "Sand (Reese)",
     .family = "sand",
     .fields = {F::kUnitWeight, F::kFriction, F::kK},
     .interface = I::kCohesionless,
     .group = G::kSoil,
     .solver = true,
     .prints_curve = true,
     .ops = &kSandReeseOps},
    {.code = kSandApi,
     .short_name = "API Sand  ",
     .description = "sand, API",
     .echo_title = "sand, p-y criteria by API RP-2A, 1987",
     .long_name = "Sand (API)",
     .family = "sand",
     .fields = {F::kUnitWeight, F::kFriction, F::kK},
     .interface = I::kCohesionless,
     .group = G::kSoil,
     .solver = true,
     .prints_curve = true,
     .ops = &kSandApiOps},
    {.code = kLiquefiedSand,
     .short_name = "Liq Sand  ",
     .description = "liquefiable sand, Rollins",
     .echo_title = "liquefiable sand, by Rollins et al., 2004",
     .long_name = "Liquefied Sand (Rollins)",
     .family = "sand",
     .fields = {F::kUnitWeight},
     .interface = I::kCohesionless,
     .group = G::kSoil,
     .solver = true,
     .prints_curve = true,
     .ops = &kLiquefiedSandOps},
    {.code = kWeakRock,
     .short_name = "WeakRock  ",
     .description = "weak rock, Reese",
     .echo_title = "weak rock, p-y criteria by Reese, 1997",
     .long_name = "Weak Rock (Reese)",
     .family = "rock",
     .fields = {F::kUnitWeight, F::kCompressiveStrength, F::kRockMassModulus, F::kRqd, F::kKrm},
     .strength = kPsi,
     .interface = I::kRock,
     .group = G::kWeakRock,
     .solver = true,
     .prints_curve = true,
     .ops = &kWeakRockOps},
    {.code = kVuggyLimestone,
     .short_name = "Vuggy LS  ",
     .description = "strong rock (vuggy limestone)",
     .echo_title = "strong rock (vuggy limestone)",
     .long_name = "Strong Rock (Vuggy Limestone)",
     .family = "rock",
     .fields = {F::kUnitWeight, F::kCompressiveStrength},
     .strength = kPsi,
     .interface = I::kRock,
     .group = G::kRockType,
     .solver = true,
     .prints_curve = true,
     .preset = true,
     .ops = &kVuggyLimestoneOps},
    {.code = kPiedmont,
     .short_name = "Piedmont  ",
     .description = "Piedmont residual soil",
     .echo_title = "Piedmont residual soil",
     .long_name = "Piedmont Residual Soil",
     .family = "silt",
     .fields = {F::kUnitWeight, F::kTestType, F::kTestValues},
     .group = G::kRockType,
     .solver = true,
     .prints_curve = true,
     .ops = &kPiedmontOps},
    {.code = kCementedSilt,
     .short_name = "Cem Silt  ",
     .description = "cemented silt with cohesion and friction",
     .echo_title = "cemented silt with cohesion and friction",
     .long_name = "Cemented c-phi Silt",
     .family = "silt",
     .fields = {F::kUnitWeight, F::kCohesion, F::kFriction, F::kK, F::kEps50},
     .interface = I::kCohesiveWithStrength,
     .group = G::kSoil,
     .solver = true,
     .prints_curve = true,
     .ops = &kCementedSiltOps},
    {.code = kLoess,
     .short_name = "KS Loess  ",
     .description = "loess",
     .echo_title = "loess silt",
     .long_name = "Loess Silt",
     .family = "silt",
     .fields = {F::kUnitWeight, F::kConeTipResistance},
     .interface = I::kCohesionless,
     .group = G::kRockType,
     .solver = true,
     .prints_curve = true,
     .ops = &kLoessOps},
    {.code = kElasticSubgrade,
     .short_name = "Elast SG  ",
     .description = "elastic subgrade",
     .echo_title = "modelled using an elastic subgrade modulus",
     .long_name = "Elastic Subgrade",
     .family = "elastic",
     .fields = {F::kUnitWeight, F::kElasticSubgrade},
     .interface = I::kSubgrade,
     .group = G::kRockType,
     .solver = true,
     .prints_curve = true,
     .ops = &kElasticSubgradeOps},
    {.code = kUserPy,
     .short_name = "User p-y  ",
     .description = "user-input p-y curves",
     .echo_title = "modelled using user-specified p-y curves",
     .long_name = "User-input p-y Curves",
     .family = "user",
     .fields = {F::kUnitWeight},
     .user_curves = true,
     .interface = I::kUserCurves,
     .solver = true,
     .prints_curve = true,
     .ops = &kUserPyOps},
    {.code = kSoftClayJ,
     .short_name = "SoftClyJ  ",
     .description = "soft clay with user-defined J",
     .echo_title = "soft clay with user-defined J, p-y criteria by Matlock, 1970",
     .long_name = "Soft Clay with J (Matlock)",
     .family = "clay",
     .fields = {F::kUnitWeight, F::kCohesion, F::kEps50, F::kJ},
     .interface = I::kCohesive,
     .group = G::kSoil,
     .solver = true,
     .prints_curve = true,
     .ops = &kSoftClayJOps},
    // Massive rock and frozen soil read no values.
    {.code = kMassiveRock,
     .short_name = "MassRock  ",
     .description = "massive rock",
     .echo_title = "massive rock",
     .long_name = "Massive Rock",
     .family = "rock",
     .group = G::kRockType,
     .solver = true,
     .ops = &kMassiveRockOps},
    {.code = kFrozenSoil,
     .short_name = "Frz Soil  ",
     .description = "frozen soil",
     .echo_title = "frozen soil",
     .long_name = "Frozen Soil",
     .family = "frozen"},
    // Codes without a criterion: such a layer reads no values and is not kept.
    {.code = SoilCriterion{18},
     .short_name = "Undefined ",
     .description = "none",
     .echo_title = "undefined",
     .long_name = "Undefined",
     .family = "other",
     .counted = false},
    {.code = SoilCriterion{19},
     .short_name = "Undefined ",
     .description = "none",
     .echo_title = "undefined",
     .long_name = "Undefined",
     .family = "other",
     .counted = false},
    {.code = SoilCriterion{20},
     .short_name = "Undefined ",
     .description = "none",
     .echo_title = "undefined",
     .long_name = "Undefined",
     .family = "other",
     .counted = false},
}};

}  // namespace

const SoilFieldInfo& FieldInfo(SoilField field) { return kFields[static_cast<std::size_t>(field)]; }

double& SoilFieldValue(SoilValues& v, SoilField field, int k) {
  switch (field) {
    case F::kUnitWeight:
      return v.unit_weight;
    case F::kCohesion:
    case F::kCompressiveStrength:
      return v.cohesion;
    case F::kFriction:
      return v.friction;
    case F::kEps50:
    case F::kKrm:
      return v.eps50;
    case F::kJ:
      return v.j;
    case F::kK:
    case F::kRockMassModulus:
      return v.kpy;
    case F::kRqd:
      return v.rqd;
    case F::kTestType:
      return v.test_type;
    case F::kTestValues:
      return v.test[static_cast<std::size_t>(k)];
    case F::kConeTipResistance:
      return v.test[1];
    case F::kElasticSubgrade:
    case F::kEnd:  // not a value: callers stop at it
      break;
  }
  return v.subgrade;
}

double SoilFieldValue(const SoilValues& v, SoilField field, int k) {
  return SoilFieldValue(const_cast<SoilValues&>(v), field, k);
}

const CriterionRow& CriterionOf(int code) {
  if (code < 1 || code > kSoilCriterionCodes) code = kSoilCriterionCodes;
  return kRows[static_cast<std::size_t>(code - 1)];
}

const std::array<CriterionRow, kSoilCriterionCodes>& CriterionTable() { return kRows; }

std::string_view ShortNameOf(int code) {
  std::string_view name = CriterionOf(code).short_name;
  while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
  return name;
}

}  // namespace tarvex
