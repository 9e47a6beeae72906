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
constexpr StrengthUnit kPsf = StrengthUnit::kPsfToPsi;
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

// One row per code, code 1 first. Columns: code, short name, description,
// the layer's title in the echo, the name in the soil summary, fields of each of the layer's two
// rows, user curves, counted, strength unit, interface soil type, layering group, solver pass,
// output pass, preset before the first solution, operations.
constexpr std::array<CriterionRow, kSoilCriterionCodes> kRows = {{
    {kSoftClay,
     "SoftClay  ",
     "soft clay, Matlock",
     "soft clay, p-y criteria by Matlock, 1970",
     "Soft Clay (Matlock)",
     {F::kUnitWeight, F::kCohesion, F::kEps50},
     false,
     true,
     kPsf,
     I::kCohesive,
     G::kSoil,
     true,
     true,
     false,
     &kSoftClayOps},
    {kStiffClayFreeWater,
     "StfClyBW  ",
     "stiff clay with free water",
     "stiff clay with water-induced erosion",
     "Stiff Clay w/ Free Water (Reese)",
     {F::kUnitWeight, F::kCohesion, F::kEps50, F::kK},
     false,
     true,
     kPsf,
     I::kCohesive,
     G::kSoil,
     true,
     true,
     false,
     &kStiffClayFreeWaterOps},
    {kStiffClayNoFreeWater,
     "StfClyAW  ",
     "stiff clay without free water",
     "stiff clay without free water",
     "Stiff Clay w/o Free Water",
     {F::kUnitWeight, F::kCohesion, F::kEps50},
     false,
     true,
     kPsf,
     I::kCohesive,
     G::kSoil,
     true,
     true,
     false,
     &kStiffClayNoFreeWaterOps},
    {kStiffClayNoFreeWaterK,
     "StfClyAK  ",
     "stiff clay without free water, with initial k",
     "stiff clay without free water using initial selected k, 2004",
     "Stiff Clay w/o Free Water with k",
     {F::kUnitWeight, F::kCohesion, F::kEps50, F::kK},
     false,
     true,
     kPsf,
     I::kCohesive,
     G::kSoil,
     true,
     true,
     false,
     &kStiffClayNoFreeWaterKOps},
    {kSandReese,
     "Sand      ",
     "sand, Reese",
     "sand, p-y criteria by Reese et al., 1974",
     "Sand (Reese)",
     {F::kUnitWeight, F::kFriction, F::kK},
     false,
     true,
     kPsf,
     I::kCohesionless,
     G::kSoil,
     true,
     true,
     false,
     &kSandReeseOps},
    {kSandApi,
     "API Sand  ",
     "sand, API",
     "sand, p-y criteria by API RP-2A, 1987",
     "Sand (API)",
     {F::kUnitWeight, F::kFriction, F::kK},
     false,
     true,
     kPsf,
     I::kCohesionless,
     G::kSoil,
     true,
     true,
     false,
     &kSandApiOps},
    {kLiquefiedSand,
     "Liq Sand  ",
     "liquefiable sand, Rollins",
     "liquefiable sand, by Rollins et al., 2004",
     "Liquefied Sand (Rollins)",
     {F::kUnitWeight},
     false,
     true,
     kPsf,
     I::kCohesionless,
     G::kSoil,
     true,
     true,
     false,
     &kLiquefiedSandOps},
    {kWeakRock,
     "WeakRock  ",
     "weak rock, Reese",
     "weak rock, p-y criteria by Reese, 1997",
     "Weak Rock (Reese)",
     {F::kUnitWeight, F::kCompressiveStrength, F::kRockMassModulus, F::kRqd, F::kKrm},
     false,
     true,
     kPsi,
     I::kRock,
     G::kWeakRock,
     true,
     true,
     false,
     &kWeakRockOps},
    {kVuggyLimestone,
     "Vuggy LS  ",
     "strong rock (vuggy limestone)",
     "strong rock (vuggy limestone)",
     "Strong Rock (Vuggy Limestone)",
     {F::kUnitWeight, F::kCompressiveStrength},
     false,
     true,
     kPsi,
     I::kRock,
     G::kRockType,
     true,
     true,
     true,
     &kVuggyLimestoneOps},
    {kPiedmont,
     "Piedmont  ",
     "Piedmont residual soil",
     "Piedmont residual soil",
     "Piedmont Residual Soil",
     {F::kUnitWeight, F::kTestType, F::kTestValues},
     false,
     true,
     kPsf,
     I::kOther,
     G::kRockType,
     true,
     true,
     false,
     &kPiedmontOps},
    {kCementedSilt,
     "Cem Silt  ",
     "cemented silt with cohesion and friction",
     "cemented silt with cohesion and friction",
     "Cemented c-phi Silt",
     {F::kUnitWeight, F::kCohesion, F::kFriction, F::kK, F::kEps50},
     false,
     true,
     kPsf,
     I::kCohesiveWithStrength,
     G::kSoil,
     true,
     true,
     false,
     &kCementedSiltOps},
    {kLoess,
     "KS Loess  ",
     "loess",
     "loess silt",
     "Loess Silt",
     {F::kUnitWeight, F::kConeTipResistance},
     false,
     true,
     kPsf,
     I::kCohesionless,
     G::kRockType,
     true,
     true,
     false,
     &kLoessOps},
    {kElasticSubgrade,
     "Elast SG  ",
     "elastic subgrade",
     "modelled using an elastic subgrade modulus",
     "Elastic Subgrade",
     {F::kUnitWeight, F::kElasticSubgrade},
     false,
     true,
     kPsf,
     I::kSubgrade,
     G::kRockType,
     true,
     true,
     false,
     &kElasticSubgradeOps},
    {kUserPy,
     "User p-y  ",
     "user-input p-y curves",
     "modelled using user-specified p-y curves",
     "User-input p-y Curves",
     {F::kUnitWeight},
     true,
     true,
     kPsf,
     I::kUserCurves,
     G::kNone,
     true,
     true,
     false,
     &kUserPyOps},
    {kSoftClayJ,
     "SoftClyJ  ",
     "soft clay with user-defined J",
     "soft clay with user-defined J, p-y criteria by Matlock, 1970",
     "Soft Clay with J (Matlock)",
     {F::kUnitWeight, F::kCohesion, F::kEps50, F::kJ},
     false,
     true,
     kPsf,
     I::kCohesive,
     G::kSoil,
     true,
     true,
     false,
     &kSoftClayJOps},
    // Massive rock and frozen soil read no values.
    {kMassiveRock,
     "MassRock  ",
     "massive rock",
     "massive rock",
     "Massive Rock",
     {},
     false,
     true,
     kPsf,
     I::kOther,
     G::kRockType,
     true,
     false,
     false,
     &kMassiveRockOps},
    {kFrozenSoil,
     "Frz Soil  ",
     "frozen soil",
     "frozen soil",
     "Frozen Soil",
     {},
     false,
     true,
     kPsf,
     I::kOther,
     G::kNone,
     false,
     false,
     false,
     nullptr},
    // Codes without a criterion: such a layer reads no values and is not kept.
    {SoilCriterion{18},
     "Undefined ",
     "none",
     "undefined",
     "Undefined",
     {},
     false,
     false,
     kPsf,
     I::kOther,
     G::kNone,
     false,
     false,
     false,
     nullptr},
    {SoilCriterion{19},
     "Undefined ",
     "none",
     "undefined",
     "Undefined",
     {},
     false,
     false,
     kPsf,
     I::kOther,
     G::kNone,
     false,
     false,
     false,
     nullptr},
    {SoilCriterion{20},
     "Undefined ",
     "none",
     "undefined",
     "Undefined",
     {},
     false,
     false,
     kPsf,
     I::kOther,
     G::kNone,
     false,
     false,
     false,
     nullptr},
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
