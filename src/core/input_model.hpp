// The input of a run: every value the input readers fill, in input units
// until the one conversion to computing units, then read-only for the rest of
// the run. Plain records; the readers size the vectors within the limits.
#ifndef TARVEX_CORE_INPUT_MODEL_HPP_
#define TARVEX_CORE_INPUT_MODEL_HPP_

#include <array>
#include <string>
#include <vector>

#include "core/limits.hpp"
#include "core/soil_criteria.hpp"
#include "core/units.hpp"

namespace tarvex {

// ICOM: what the run computes. 0 until the OPTIONS section is read; the
// plot file records the code.
enum class RunKind : int {
  kNotGiven = 0,
  kBendingStiffnessOnly = 2,  // nonlinear bending stiffness of the sections only
  kPileAnalysis = 3,          // the pile under lateral load
};

// Pile-head conditions of a load case: condition 1 is the first named
// quantity, condition 2 the second.
enum class LoadType : int {
  kShearAndMoment = 1,
  kShearAndSlope = 2,
  kShearAndRotationalStiffness = 3,
  kDeflectionAndMoment = 4,
  kDeflectionAndSlope = 5,
};

// Options of the run, as the OPTIONS section sets them.
struct Options {
  UnitSystem units = UnitSystem::kUscs;
  int iunits = 0;  // 1 USCS, 2 SI, 3 GENERAL; 0 until read
  bool lrfd = false;
  bool stiffness_matrix = false;  // KXX
  bool tip_shear = false;
  bool soil_movement = false;
  bool py_modifiers = false;
  RunKind run_kind = RunKind::kNotGiven;  // ICOM
  int kyl = 0;                            // pile-length study flag of the older input formats
  std::string loading_label;
  bool cyclic = false;
  double cycles = 0.0;
  int iteration_limit = 0;
  double max_deflection = 0.0;  // excess-deflection limit (length)
  double tolerance = 0.0;       // convergence tolerance (length)
  int increments = 0;           // number of pile increments N
  bool print_summary_only = false;
  int print_increment = 1;
  bool print_py_curves = false;
  int py_print_flag = 0;  // the count flag 1/0 of the p-y printing request
  bool interaction = false;
  int interaction_code = 0;  // 1 AASHTO, 2 ACI318, 3 Eurocode2
};

// Section type codes of the input.
enum SectionType : int {
  kRectangularConcrete = 0,
  kDrilledShaft = 1,
  kShaftWithCasing = 2,
  kShaftWithCasingAndCore = 3,
  kSteelPipe = 4,
  kCircularPrestressed = 5,
  kCircularHollowPrestressed = 6,
  kSquarePrestressed = 7,
  kSquareHollowPrestressed = 8,
  kOctagonalPrestressed = 9,
  kOctagonalHollowPrestressed = 10,
  kElastic = 11,
  kElasticPlastic = 12,
  kUserEi = 13,
  kMicropile = 14,
};

struct StressStrainPoint {
  double strain = 0.0;
  double stress = 0.0;
};

// Concrete of a section.
struct ConcreteBlock {
  double fc = 0.0;         // compressive strength f'c (psi, kPa)
  double aggregate = 0.0;  // maximum coarse aggregate size (in, m)
  bool tensile_override = false;
  double tensile = 0.0;  // tensile strength when overridden
  bool user_curve = false;
  std::vector<StressStrainPoint> curve;
};

enum class BarLayout { kNone, kCircle, kList };

// One bar given by position.
struct Bar {
  int index = 0;  // bar size index, as given
  double diameter = 0.0;
  double area = 0.0;
  double x = 0.0;
  double y = 0.0;
};

// Reinforcing bars of a section.
struct BarBlock {
  BarLayout layout = BarLayout::kNone;
  bool same_as_above = false;
  double fy = 0.0;  // yield stress
  double es = 0.0;  // elastic modulus
  // Bars on a circle: groups of bars_per_group bars.
  int groups = 0;
  int bars_per_group = 0;
  double diameter = 0.0;
  double area = 0.0;  // area of one bar
  double cover = 0.0;
  double offset = 0.0;    // rebar offset in the bending direction
  std::vector<Bar> bars;  // bars given by position
  int count() const {
    return layout == BarLayout::kCircle ? groups * bars_per_group : static_cast<int>(bars.size());
  }
};

// One strand placed by position.
struct Strand {
  int size_index = 0;
  int reserved = 0;  // second integer of the row, not used
  double x = 0.0;
  double y = 0.0;
};

// Prestressing strands of a prestressed pile.
struct StrandBlock {
  bool present = false;
  bool automatic = true;
  int type = 0;        // 0 PCI 250 .. 5 deformed bars
  int size_index = 0;  // for type 5 also the grade sub-code
  int count = 0;
  double force = 0.0;  // initial prestressing force
  double loss = 0.0;   // fraction of loss of prestress
  double cover = 0.0;
  int arrangement = 0;          // 0 on a circle, 1 and 2 around a square
  std::vector<Strand> strands;  // manually positioned strands
};

// Cross-sectional shapes of elastic and elastic-plastic sections.
enum ElasticShape : int {
  kRectangularShape = 0,
  kCircularShape = 1,
  kPipeShape = 2,
  kStrongHShape = 3,
  kWeakHShape = 4,
  kEmbeddedPoleShape = 5,
};

// Elastic or elastic-plastic section properties.
struct ElasticBlock {
  int shape = 0;
  double top_width = 0.0;
  double bottom_width = 0.0;
  double top_depth = 0.0;      // rectangular
  double bottom_depth = 0.0;   // rectangular
  double flange_width = 0.0;   // H-piles
  double section_depth = 0.0;  // H-piles
  double flange_thickness = 0.0;
  double web_thickness = 0.0;
  double top_wall = 0.0;       // pipe
  double bottom_wall = 0.0;    // pipe
  double hole_diameter = 0.0;  // embedded pole: drilled hole
  double modulus = 0.0;        // elastic modulus E
  double top_mp = 0.0;         // plastic moment capacity (elastic-plastic)
  double bottom_mp = 0.0;
};

// Nonlinear bending stiffness given by the user for one axial thrust.
struct UserEiCurve {
  double thrust = 0.0;
  std::vector<double> moment;
  std::vector<double> ei;
};

// The transverse reinforcement of a concrete section as TRANSVERSE
// REINFORCEMENT gives it; not given: the default of the section type.
enum class TransverseInput { kNotGiven, kTied, kSpiral };

// Whether a section of this type is concrete with transverse reinforcement
// (ties or a spiral) around its bars or strands: the rectangular pile, the
// drilled shafts and the prestressed piles.
bool TakesTransverseReinforcement(SectionType type);

// A pile section: a length of pile with one cross-section.
struct PileSection {
  int line = 0;                             // the input line of the section's number
  SectionType type = kRectangularConcrete;  // an input of -3 is 3 with core_filled false
  bool core_filled = true;
  double length = 0.0;
  double top = 0.0;     // depth of the section top below the pile head
  double bottom = 0.0;  // depth of its bottom
  double depth = 0.0;   // outer dimension D: diameter, depth, or width across flats
  double width = 0.0;   // width B of a rectangular pile; user-EI section width
  double chamfer = 0.0;
  double void_diameter = 0.0;
  double casing_thickness = 0.0;  // also the wall of a steel pipe
  double casing_fy = 0.0;
  double casing_e = 0.0;
  double core_diameter = 0.0;
  double core_thickness = 0.0;
  double core_fy = 0.0;
  double core_e = 0.0;
  ConcreteBlock concrete;
  BarBlock bars;
  StrandBlock strands;
  ElasticBlock elastic;
  std::vector<UserEiCurve> user_ei;
  TransverseInput transverse = TransverseInput::kNotGiven;
};

// Soil values at the top or at the bottom of a layer, as read.
struct SoilValues {
  double unit_weight = 0.0;  // effective unit weight
  double cohesion = 0.0;     // undrained shear strength; qu for the rock criteria
  double friction = 0.0;     // friction angle, degrees
  double rqd = 0.0;          // percent
  double eps50 = 0.0;        // epsilon-50; k_rm for weak rock
  double j = 0.0;
  double kpy = 0.0;  // subgrade modulus k; rock mass modulus for weak rock
  double test_type = 0.0;
  std::array<double, 4> test = {};
  double subgrade = 0.0;  // elastic subgrade modulus
};

// A user-input p-y curve: points (y, p).
struct UserPyCurve {
  int count = 0;
  std::array<double, limits::kMaxUserPyPoints> y = {};
  std::array<double, limits::kMaxUserPyPoints> p = {};
};

struct SoilLayer {
  SoilCriterion code = SoilCriterion{};  // 1 .. 17
  double top = 0.0;
  double bottom = 0.0;
  SoilValues at_top;
  SoilValues at_bottom;
  UserPyCurve curve_top;
  UserPyCurve curve_bottom;
};

struct LoadCase {
  LoadType type = LoadType::kShearAndMoment;
  double condition1 = 0.0;  // shear or deflection
  double condition2 = 0.0;  // moment, slope or rotational stiffness
  double axial = 0.0;
  bool length_study = false;
};

struct DistributedLoadPoint {
  double depth = 0.0;
  double load = 0.0;  // load per unit length
};

struct LrfdGroup {
  int type = 1;  // 1 DL .. 13 Sp
  double horizontal = 0.0;
  double moment = 0.0;
  double axial = 0.0;
  std::vector<DistributedLoadPoint> points;
};

struct LrfdCombination {
  std::array<double, limits::kLrfdLoadTypes> factors = {};
  double phi_flexure = 0.0;
  double phi_shear = 0.0;
  std::string name;
};

struct TipShearPoint {
  double displacement = 0.0;
  double shear = 0.0;
};

struct PyMultiplierPoint {
  double depth = 0.0;
  double pm = 1.0;
  double ym = 1.0;
};

struct SoilMovementPoint {
  double depth = 0.0;
  double movement = 0.0;
};

// Everything the input data file gives, filled by the readers.
// A line of the input file that held more values than were read from it:
// the values left over are ignored, and the echo warns of them.
struct IgnoredValues {
  std::string file;     // the input file's name and extension
  int line_number = 0;  // 1-based
  std::string line;     // the line as read
  std::string values;   // the values ignored, as written
};

struct InputModel {
  InputModel();

  std::string format_tag;  // first token of the input file, 7 characters
  Options options;
  std::array<std::string, limits::kTitleLines> title;

  std::vector<PileSection> sections;
  double pile_length = 0.0;   // sum of the section lengths
  double ground_depth = 0.0;  // depth of the ground surface below the pile head
  double slope_angle = 0.0;   // radians
  double batter_angle = 0.0;  // radians
  double slope_minus_batter = 0.0;

  std::vector<SoilLayer> layers;  // tops as read
  std::vector<LoadCase> load_cases;
  std::vector<DistributedLoadPoint> distributed_loads;
  std::vector<LrfdGroup> lrfd_groups;
  std::vector<LrfdCombination> lrfd_combinations;
  std::vector<TipShearPoint> tip_shear;
  std::vector<PyMultiplierPoint> py_multipliers;
  int py_multiplier_count = 0;  // points of the p-y modifier table (set by the options)
  std::vector<SoilMovementPoint> soil_movements;
  std::vector<double> py_output_depths;
  std::vector<IgnoredValues> ignored_values;  // in the order of the file

  // Set by the conversion to computing units, which runs at most once.
  bool in_computing_units = false;
};

}  // namespace tarvex

#endif  // TARVEX_CORE_INPUT_MODEL_HPP_
