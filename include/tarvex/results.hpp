// Tarvex engine: the numbers of a run as data.
//
// A run fills one RunResults as it goes; the report, plot and message files
// are rendered from the same values. Member names are snake_case so that
// other renderings (JSON keys, Python attributes) can take them one to one.
//
// Units: the run's computing units. USCS runs compute in pounds and inches
// (depths in in, moments in lb-in, EI in lb-in^2, stress in psi, soil
// reaction and distributed load in lb/in, Es in lb/in^2), SI runs in kN and
// m, GENERAL runs in the user's F and L. The moment-curvature tables keep the
// units of section analysis: USCS kip, in, kip-in, kip-in^2, rad/in; SI kN,
// m, kN-m, kN-m^2, rad/m. `units` names every unit as text.
//
// No value of a run that ended normally is NaN or infinite (such a run ends
// with an error first); after an error, values that are not finite numbers
// are left out.
#ifndef TARVEX_RESULTS_HPP_
#define TARVEX_RESULTS_HPP_

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace tarvex {

// The unit of every kind of value of the results.
struct Units {
  std::string system;                // "USCS" | "SI" | "GENERAL"
  std::string length;                // "in" | "m" | "L"
  std::string force;                 // "lb" | "kN" | "F"
  std::string moment;                // "lb-in" | "kN-m" | "F-L"
  std::string force_per_length;      // "lb/in" | "kN/m" | "F/L": p, distributed load
  std::string stress;                // "psi" | "kPa" | "F/L^2": also Es
  std::string flexural_rigidity;     // "lb-in^2" | "kN-m^2" | "F-L^2"
  std::string rotational_stiffness;  // "lb-in/rad" | "kN-m/rad" | "F-L/rad"
  // Moment-curvature tables.
  std::string section_force;     // "kip" | "kN" | "F"
  std::string section_moment;    // "kip-in" | "kN-m" | "F-L"
  std::string section_rigidity;  // "kip-in^2" | "kN-m^2" | "F-L^2"
  std::string curvature;         // "rad/in" | "rad/m" | "rad/L"
};

// How a kind of value is shown to people: the unit of the engineering
// units of the run's system and its conversion from the computing unit, a
// value shown being the computed one times `factor` divided by `divisor`
// (one of the two is 1; a division by 12 or 1000 keeps 480 in = 40 ft and
// 25000 lb = 25 kip exact). The results hold every
// value in computing units; the human outputs (the command line's table,
// the CSV tables, the HTML page, Python's DataFrames) show them in these
// units unless asked for the computing ones.
struct DisplayUnit {
  std::string quantity;  // "depth", "deflection", "force", "moment", ...
  std::string unit;      // "ft", "in", "kip", "kip-ft"; the computing unit in GENERAL runs
  double factor = 1.0;   // shown = computed * factor / divisor
  double divisor = 1.0;
  std::string computing;  // the computing unit: "in", "lb", "lb-in"
};

// The engineering units of a run's unit system, one entry per kind of value.
struct DisplayUnits {
  std::string system;  // "USCS" | "SI" | "GENERAL"
  // A value smaller in magnitude than round_off times the largest value of
  // its kind in the same load case (or table column) is round-off of the
  // solution and is shown as 0.
  double round_off = 1e-9;
  std::vector<DisplayUnit> quantities;
};

// How the run ended.
enum class Outcome {
  kNormal,         // result code 0
  kWarnings,       // a negative result code: the warnings of the summary
  kInputError,     // 101 .. 199
  kRuntimeError,   // 200 .. 299
  kFilesUnusable,  // the input or an output file could not be used (207, 208, 202 .. 206, 217)
  kInternalError,  // a fault of the engine itself (219, 999)
};

// The error that ended the run.
// A value an error is about, as data: the number or text the message names.
struct DiagnosticValue {
  std::string name;    // "pile increments", "convergence tolerance"
  double value = 0.0;  // the number, when `text` is empty
  std::string text;    // the value when it is text (a keyword, a path); empty for a number
  std::string unit;    // "in", "kN", "bytes"; empty when it has none or is not known
};

struct Diagnostic {
  std::string identity;  // "INP00095", "RUN00009"
  // The error's own name in the engine's catalogue of errors, one per kind of
  // fault ("average_strength_beyond_data"): an identity can stand for more
  // than one (the same number raised by different readers).
  std::string name;
  int code = 0;      // the result code: 195, 209
  int number = 0;    // the error number: 95, 9
  std::string kind;  // "input" | "runtime" | "internal" | "files"
  // The error's own lines as written to the report (heading, problem,
  // values, solution), blank lines dropped.
  std::vector<std::string> message;
  // The input data file, when the error is about one of its lines.
  std::string file;
  int line_number = 0;    // 1-based line of `file`; 0 when not about a line
  std::string line_text;  // that line as read
  std::string advice;     // further advice a host may show
  // The values the error is about, in the order the message names them.
  std::vector<DiagnosticValue> values;
};

// One warning number recorded within one load case.
struct WarningRecord {
  int number = 0;                 // 302, 3041, 400
  int load_case = 0;              // 0: before the load cases (input, section analysis)
  int count = 0;                  // recordings within that load case
  std::vector<std::string> text;  // the warning's lines, as in the warning summary
};

// One input value of a soil layer: the value at the layer's top and at its
// bottom, in the run's computing units (USCS: unit weight and k in lb/in^3,
// cohesion and the compressive strength of rock in psi; SI: kN/m^3 and kPa).
struct LayerValue {
  std::string name;  // as the input names it: "unit weight", "cohesion", "epsilon-50", "k"
  double top = 0.0;
  double bottom = 0.0;
  std::string unit;  // "lb/in^3", "psi", "degrees", "percent"; empty for pure numbers
  // The entry of the display units it is shown by in engineering units
  // ("unit_weight", "soil_stress", "subgrade_modulus"); empty for a value
  // shown as held (angles, percentages, pure numbers, rock strengths and
  // field-test values, which are computed in the unit they are read in).
  std::string quantity;
};

// A soil layer, for drawing the profile.
struct SoilLayerInfo {
  int number = 0;
  int criterion = 0;        // p-y criterion code 1 .. 20
  std::string short_name;   // "SoftClay", "API Sand"
  std::string description;  // "soft clay, Matlock"
  std::string family;       // clay, sand, rock, silt, elastic, user, frozen or other
  double top = 0.0;         // below the pile head
  double bottom = 0.0;
  double unit_weight_top = 0.0;  // effective unit weight, force / length^3
  double unit_weight_bottom = 0.0;
  // SI runs: a sand's default k took the formula for sand above the water
  // table at a node or printed curve of the layer (the average effective unit
  // weight from the ground surface was above 12.225 kN/m^3). A USCS run of
  // the same soil takes the other formula.
  bool default_k_above_water_table = false;
  // The layer's input values in the order of its criterion's fields, after
  // the unit conversion (0 where a value left to its default was not given).
  std::vector<LayerValue> values;
};

// One point of a moment-curvature table, with the columns of its report line.
struct MomentCurvaturePoint {
  double curvature = 0.0;
  double moment = 0.0;
  double ei = 0.0;
  double neutral_axis = 0.0;            // depth to the neutral axis; 0 where not computed
  double max_compressive_strain = 0.0;  // top fibre
  double max_tensile_strain = 0.0;      // bottom fibre
  double max_concrete_stress = 0.0;
  double max_steel_stress = 0.0;  // bars; the pipe's largest steel stress
  double max_casing_stress = 0.0;
  double max_core_stress = 0.0;
  // The three run-message columns as printed: "C" (cracked) in the first,
  // "Y" (yield) or "Z" (shallow compression zone) in the second, "T"
  // (tension-controlled) in the third, blanks elsewhere; empty where the
  // table is not printed (elastic and user-defined sections).
  std::string flags;
};

// The moment-curvature table of one axial thrust.
struct ThrustCurve {
  double thrust = 0.0;                   // section units
  double nominal_moment_capacity = 0.0;  // section units
  std::vector<MomentCurvaturePoint> points;
  // The curve took all its points (150) without reaching the capacity
  // strain: the report warns that the section may be under-reinforced.
  // Never for a steel pipe.
  bool full_curve = false;
};

// A point of an axial force - bending moment interaction diagram, in the
// run's computing units (force, moment); compression positive.
struct InteractionPoint {
  double axial = 0.0;
  double moment = 0.0;
};

// A load case's demand on a section, checked against its design diagram.
struct InteractionDemand {
  int load_case = 0;
  std::string name;       // the LRFD combination's name; empty for a load case
  bool factored = false;  // an LRFD combination: factored loads
  double axial = 0.0;     // the axial load of the case (force)
  double moment = 0.0;    // the largest |M| over the section's length (moment)
  // Demand over capacity along the ray from the origin through the demand
  // in the (M, P) plane; absent when the ray meets no design diagram.
  std::optional<double> utilisation;
  InteractionPoint capacity;  // where the ray meets the design diagram
  bool passed = false;        // utilisation at most 1
};

// The interaction diagram of a section by the run's design code.
struct InteractionResult {
  std::string code;      // "AASHTO" | "ACI318" | "Eurocode2", as the input names it
  std::string standard;  // "ACI 318-19", "AASHTO LRFD", "EN 1992-1-1", "AISC 360-16", ...
  std::string method;    // the assumptions: stress block, plastic interaction
  bool covered = false;  // false: no diagram; `note` says why
  std::string note;
  std::string transverse;         // "tied" | "spiral"; empty for steel and uncovered sections
  std::string transverse_source;  // "default" (of the section type) | "input"
  bool prestressed = false;
  bool symmetric = true;  // false: the points go round both bending directions
  // Aligned: one strain state per point, from pure compression through
  // pure bending to pure tension (positive moments), then for a section
  // that is not symmetric back to pure compression (negative moments).
  std::vector<InteractionPoint> nominal;     // Pn, Mn (Eurocode: characteristic strengths)
  std::vector<InteractionPoint> factored;    // phi Pn, phi Mn with the caps (Eurocode: NRd, MRd)
  std::vector<double> phi;                   // per point (ACI 318, AASHTO concrete); else empty
  std::optional<InteractionPoint> balanced;  // nominal
  std::optional<InteractionPoint> balanced_factored;  // design
  double pure_compression = 0.0;                      // nominal P0
  double pure_tension = 0.0;                          // nominal, negative
  double max_compression = 0.0;                       // design limit of axial compression
  double max_tension = 0.0;                           // design limit of axial tension, negative
  // Eurocode 2: partial factors and alpha_cc; absent for the other codes.
  std::optional<double> gamma_c, gamma_s, alpha_cc;
  std::vector<InteractionDemand> demands;  // one per load case of a pile analysis
  std::optional<double> max_utilisation;   // the largest of the demands
  int governing_case = 0;                  // its load case; 0 when none
};

// ---- Section analysis: the values of the section's report blocks ----
//
// Section units throughout (those of the moment-curvature tables): USCS in,
// sq. in., in^4, in^3, ksi, kip, kip-in; SI m, sq. m, m^4, m^3, kPa, kN,
// kN-m. Which values a section has depends on its `type`; the others are 0
// (or absent where optional).

// A bar or strand as placed for the moment-curvature computation: the
// centre's x across the section and y from mid-depth towards the
// compression face.
struct SectionBar {
  double diameter = 0.0;
  double area = 0.0;
  double x = 0.0;
  double y = 0.0;
};

// A bar of a rectangular section's bar list, as input.
struct ListedBar {
  int index = 0;  // bar size index, as input
  double diameter = 0.0;
  double area = 0.0;
  double x = 0.0;
  double y = 0.0;
};

// The dimensions, materials and derived properties of a section cut into
// strips (every type but the elastic, elastic-plastic and user-defined ones).
struct SectionDimensions {
  // Outer size: the depth of a rectangular section, the diameter of a round
  // section, casing or pipe, the width of a square or octagonal pile.
  double depth = 0.0;
  double width = 0.0;             // rectangular section
  double void_diameter = 0.0;     // hollow prestressed piles
  double chamfer = 0.0;           // square prestressed piles: corner chamfer
  double cover = 0.0;             // concrete cover over the bars (inside the casing)
  double casing_thickness = 0.0;  // casing wall; the pipe's wall
  double core_diameter = 0.0;     // outside diameter of the core
  double core_thickness = 0.0;
  bool core_filled = false;       // the core is filled with concrete (else void)
  double casing_inertia = 0.0;    // casing with core: moment of inertia of the casing
  double core_inertia = 0.0;      // and of the core
  int bar_count = 0;              // bars, or strands of a prestressed pile
  double bar_yield_stress = 0.0;  // fy of the bars; fpu of the strands
  double bar_modulus = 0.0;
  double casing_yield_stress = 0.0;  // casing (and core), pipe
  double casing_modulus = 0.0;
  double gross_area = 0.0;  // the outline's area
  double bar_area = 0.0;    // all bars or strands
  double casing_area = 0.0;
  double core_area = 0.0;
  // Cased sections: concrete = gross - steel (- void); steel = casing (+
  // core) + bars.
  double concrete_area = 0.0;
  double steel_area = 0.0;
  // Bars over the gross area, or all steel over it for cased sections, in
  // percent.
  double steel_ratio_percent = 0.0;
  double rupture_modulus = 0.0;  // rectangular section: for its cracking load (negative)
  // Bars on a circle: the area of one bar (cased sections), the
  // edge-to-edge spacing of neighbouring bars and the rebar offset.
  std::optional<double> single_bar_area;
  std::optional<double> edge_spacing;
  std::optional<double> rebar_offset;
  // Steel pipe: area, moment of inertia, E I (in the run's computing unit
  // of flexural rigidity: lb-in^2, kN-m^2), plastic modulus Z and Fy Z.
  double pipe_area = 0.0;
  double pipe_inertia = 0.0;
  double pipe_bending_stiffness = 0.0;
  double plastic_modulus = 0.0;
  double plastic_moment = 0.0;
  std::vector<ListedBar> listed_bars;  // rectangular section with a bar list
  // The bars or strands as placed, in the order of the computation.
  std::vector<SectionBar> bars;
};

// The strands and prestress of a prestressed pile, and its capacities by
// the PCI equations.
struct SectionPrestress {
  // 0 PCI 250, 1 PCI 270, 2 Grade 300, 3 smooth 145 ksi bars, 4 smooth
  // 160 ksi bars, 5 deformed bars (150-160 ksi).
  int strand_type = 0;
  double strand_area = 0.0;   // one strand
  double strand_cover = 0.0;  // 0 for strands placed by their positions
  double initial_force = 0.0;
  double loss_fraction = 0.0;
  double effective_force = 0.0;
  double concrete_area = 0.0;         // Ac, net of strands and voids
  double steel_area = 0.0;            // As of the strands
  double concrete_stress = 0.0;       // f_pc after losses
  double steel_stress = 0.0;          // after losses (negative: tension)
  double concrete_strain = 0.0;       // compression
  double steel_strain = 0.0;          // negative: tension
  double pci_axial_capacity = 0.0;    // Pn = (0.85 f'c - 0.60 f_pc) Ag
  double pci_axial_load = 0.0;        // N = (0.33 f'c - 0.27 f_pc) Ag
  double pci_tensile_capacity = 0.0;  // Nt = As fpu (negative)
  double pci_moment_factor = 0.0;     // k of Mn = k D As fpu: 0.32, 0.34, 0.37 or 0.38
  double pci_moment_capacity = 0.0;
};

// The concrete of a section (not for a steel pipe).
struct SectionConcrete {
  double compressive_strength = 0.0;  // f'c
  double elastic_modulus = 0.0;
  double rupture_modulus = 0.0;  // negative
  double peak_strain = 0.0;      // compression strain at peak stress
  double cracking_strain = 0.0;  // tensile strain at fracture (negative)
  double aggregate_size = 0.0;   // maximum coarse aggregate size
};

// How a section's moment-curvature tables were obtained.
enum class SectionCurveSource {
  kComputed,        // cut into strips: the moment-curvature solution
  kElastic,         // from elastic section properties
  kElasticPlastic,  // from elastic-plastic section properties
  kUserDefined,     // from input values of nonlinear M-EI
};

struct SectionResult {
  int number = 0;
  int type = 0;           // section type code of the input (-3: casing with a void core)
  std::string type_name;  // "Drilled Shaft (Bored Pile)", "Steel Pipe Pile"
  double top = 0.0;       // along the pile from the head
  double bottom = 0.0;
  double length = 0.0;
  double width = 0.0;              // the width the soil sees, at the top of the section
  double area = 0.0;               // gross area at the top; 0 when not defined
  double inertia = 0.0;            // gross moment of inertia at the top; 0 when not defined
  double flexural_rigidity = 0.0;  // gross E*I at the top; 0 when not defined
  // Section units; 0 when the section has none.
  double axial_capacity = 0.0;
  double tensile_capacity = 0.0;  // negative
  double cracking_load = 0.0;     // negative
  std::vector<ThrustCurve> thrusts;
  // With ComputeInteraction YES: the interaction diagram and the demands.
  std::optional<InteractionResult> interaction;
  // -- The values of the section's report blocks.
  SectionCurveSource curves = SectionCurveSource::kComputed;
  std::optional<SectionDimensions> dimensions;  // sections cut into strips
  std::optional<SectionPrestress> prestress;    // prestressed piles
  std::optional<SectionConcrete> concrete;      // sections cut into strips but the pipe
  // The axial thrusts the section is analysed for (section units), and
  // whether a stiffness-only run left out thrusts beyond the axial
  // capacities; set once the thrusts are checked against the capacities.
  std::vector<double> analysed_thrusts;
  bool thrusts_dropped = false;
};

// The response at every node 1 .. NN, head to tip: one entry per node.
struct NodeColumns {
  std::vector<double> depth;  // x along the pile from the head
  std::vector<double> deflection;
  std::vector<double> slope;
  std::vector<double> moment;
  std::vector<double> shear;
  std::vector<double> soil_reaction;  // p
  std::vector<double> es;             // secant soil modulus, force / length^2
  std::vector<double> flexural_rigidity;
  std::vector<double> stress;            // total stress: |axial|/A + |M| c / I
  std::vector<double> distributed_load;  // averaged over the node's tributary length
};

// One row of the pile-length study: a shortened pile solved under the load
// case's head conditions.
struct LengthStudyRow {
  double length = 0.0;           // trial pile length Lu (length)
  double head_deflection = 0.0;  // y at the pile head (length)
  double head_shear = 0.0;       // shear computed at the pile head (force)
  double max_moment = 0.0;       // signed value of the largest |M| along the pile (moment)
  double max_shear = 0.0;        // signed value of the largest |V| along the pile (force)
};

// One iteration of a solution among the last five before the iteration
// limit, as the report lists it: a solution that took that many iterations
// (to converge, to fail, or to reach the limit) shows how it went.
struct IterationRecord {
  int iteration = 0;             // 1-based
  double head_deflection = 0.0;  // Y(top) after the iteration (length)
  double max_change = 0.0;       // dYmax: the largest change of deflection (length)
};

// The pile-length study of one load case: the pile shortened by 5 % of its
// length at a time, 20 trial lengths from the full length down.
struct PileLengthStudy {
  int load_case = 0;         // 1-based load case of the pile-head loading table
  double full_length = 0.0;  // L0, the pile length of the input (length)
  int lengths_analysed = 0;  // trial lengths solved, 0 .. 20
  // How the study ended: "all lengths" (every trial length taken in turn),
  // "ground surface" (the next length would not reach 5 % of the full length
  // below the ground surface), "excess deflection" or "iteration limit" (the
  // last length analysed did not converge and ended the study), or "loss of
  // stability" (it settled on an unstable equilibrium under the axial load).
  std::string ended_by;
  std::vector<LengthStudyRow> rows;  // converged lengths within the limits, longest first
  // The iterations of the trial lengths among the last five before the
  // iteration limit, in the order solved.
  std::vector<IterationRecord> last_iterations;
};

// The stiffness of the pile head at a load case's converged state, in
// computing units. The signs are those of the stiffness study: a positive
// shear with the head held from turning gives positive K22 and K32, a
// positive moment with the head held from moving positive K23 and K33.
struct SecantStiffness {
  // The case's own head load over its head movement: head_shear /
  // head_deflection (force/length) and -head_moment / head_rotation
  // (moment/rad); absent where the movement is zero, and the rotational one
  // under a rotational restraint (load type 3), whose moment is the
  // restraint's reaction.
  std::optional<double> lateral;
  std::optional<double> rotational;
};

struct HeadStiffness {
  SecantStiffness secant;
  // [[K22, K23], [K32, K33]]: the linear system of the converged state (the
  // secant soil moduli and bending stiffness of the last iteration, with the
  // axial load, without the distributed load, soil movement and tip shear)
  // solved for a unit head shear with the rotation held at zero (K22 = V/y,
  // K32 = -M/y, force/length and moment/length) and a unit head moment with
  // the deflection held at zero (K23 = V/theta, K33 = -M/theta, force/rad
  // and moment/rad). Absent when a solve failed.
  std::optional<std::array<std::array<double, 2>, 2>> tangent;
};

// One load level of a load case's load-deflection curve.
struct LoadCurvePoint {
  int level = 0;            // 1 .. steps
  double factor = 0.0;      // level / steps: the fraction of the case's head loads
  double condition1 = 0.0;  // shear or deflection, as applied at this level
  double condition2 = 0.0;  // moment, slope or rotational stiffness, as applied
  double head_shear = 0.0;
  double head_moment = 0.0;
  double head_deflection = 0.0;
  double head_rotation = 0.0;
  double max_moment = 0.0;  // signed value of the largest |M|
  double max_moment_depth = 0.0;
  double max_shear = 0.0;  // signed value of the largest |V|
  int iterations = 0;
};

// The load case solved again at `steps` levels of its head loads, 1/steps
// up to the whole (with the command line's --load-steps). The head shear or
// deflection and a head moment or slope scale; the axial load, a rotational
// stiffness, the distributed loads and the soil movement stay as given.
struct LoadCurve {
  int steps = 0;
  std::vector<LoadCurvePoint> points;  // the levels that converged, lowest first
  // The level that failed and ended the curve (0 when every level
  // converged) and its error as a run of the case at that level reports it.
  int failed_level = 0;
  std::optional<Diagnostic> failure;
};

// The distributed lateral loads of one load type at the nodes of an LRFD
// combination: each group's loads of the type averaged over the nodes'
// tributary lengths and summed, unfactored; the nodes where that is not zero.
struct LrfdDistributedLoads {
  int type = 0;  // 1 .. 13
  std::string type_code;
  std::vector<double> depth;  // x along the pile from the head (length)
  std::vector<double> load;   // force per length
};

// kNotConverged: a deflection-and-moment case reported after the iteration
// limit (the run then ends with runtime error 10).
enum class CaseStatus { kConverged, kNotConverged };

struct LoadCaseResult {
  int number = 0;
  bool lrfd = false;
  std::string combination_name;  // LRFD combinations
  int load_type = 1;             // 1 .. 5 (1 for LRFD combinations)
  double condition1 = 0.0;       // shear or deflection, as applied
  double condition2 = 0.0;       // moment, slope or rotational stiffness, as applied
  double axial = 0.0;
  double head_shear = 0.0;  // computed at the head
  double head_moment = 0.0;
  double head_deflection = 0.0;
  double head_rotation = 0.0;
  double max_moment = 0.0;  // signed value of the largest |M|
  double max_moment_depth = 0.0;
  double max_shear = 0.0;  // signed value of the largest |V|
  double max_shear_depth = 0.0;
  double max_stress = 0.0;
  int iterations = 0;
  double final_change = 0.0;  // largest change of deflection in the last iteration
  // The case's iterations among the last five before the iteration limit
  // (empty when it converged sooner).
  std::vector<IterationRecord> last_iterations;
  int zero_deflection_points = 0;
  CaseStatus status = CaseStatus::kConverged;
  // Output verification: the largest imbalances of the increments' equilibrium
  // and the stations where they arise; verified when within the limit.
  double moment_imbalance = 0.0;
  double force_imbalance = 0.0;
  int moment_imbalance_station = 0;
  int force_imbalance_station = 0;
  bool verified = true;
  double increment_length = 0.0;  // h
  // Largest |M| and |V| in each pile section.
  std::vector<double> section_max_moment;
  std::vector<double> section_max_shear;
  NodeColumns nodes;
  std::optional<PileLengthStudy> length_study;  // when the case asked for it
  HeadStiffness head_stiffness;                 // at the case's converged state
  std::optional<LoadCurve> load_curve;          // with load steps asked for
  // LRFD combinations: the load types with distributed loads, in order.
  std::vector<LrfdDistributedLoads> lrfd_distributed_loads;
};

// How a value of a printed p-y curve's report block is printed.
enum class CurveValueForm {
  kInteger,   // an integer of `width` columns
  kFixed,     // 12 columns with `decimals` decimals
  kExponent,  // 12 columns in exponent form with `decimals` digits
};

// A value of a printed p-y curve's report block: the number printed and the
// unit it is printed in, which is the computing unit but for the depths of
// USCS runs (ft), angles (degrees) and the few values the block gives in
// another unit ("pcf", "m").
struct CurveParameter {
  std::string name;  // the label as printed, trailing blanks removed: "pu_s", "Y50"
  double value = 0.0;
  std::string unit;  // "in", "lb/in", "psi", "lb/in^3", "ft", "degrees"; empty for numbers
  // How the line prints it: the label with its own blanks, then "= " at
  // column 56 (`aligned`) or the number right after the label; the number in
  // its form; a blank and the unit's label as the report spells it
  // ("lbs/in **2") when there is one.
  std::string label;
  std::string unit_label;
  CurveValueForm form = CurveValueForm::kFixed;
  int width = 12;
  int decimals = 3;
  bool aligned = true;
};

// A value the block prints in words ("Type of Field Test" = "Dilatometer
// Test").
struct CurveText {
  std::string name;
  std::string text;
};

// A note the report prints with a curve: a stable code for its kind and its
// text.
struct CurveNote {
  std::string code;                // "equivalent_depth", "default_k", ...
  std::string text;                // the note's lines joined by blanks
  std::vector<std::string> lines;  // as printed
};

// The column heading above a curve's y-p table: the names "y, " and "p, "
// with their unit labels, placed as the criteria's tables have them.
enum class CurveTableHeading {
  kSoftClay,       // y at column 6, p at column 25; 16 and 17 dashes
  kReeseSand,      // y at column 10, p at column 26; 16 and 17 dashes
  kUserCurves,     // y at column 7, p at column 25; 16 and 16 dashes
  kJoinedP,        // "        y, " L "             p," F/L; 16 and 17 dashes
  kJoinedPSpaced,  // the same with a blank before F/L
  kSpacedP,        // "        y, " L "            p, " F/L; 16 and 17 dashes
  kNarrow,         // "        y, " L, p at column 22; 15 and 15 dashes
};

// The number fields of a curve's y-p table rows.
enum class CurveTableRows {
  kAdaptive,       // three blanks, y in the adaptive field of 12, five blanks, p the same
  kFixed,          // y F15.4, p F17.3
  kFixedBothFour,  // y F15.4, five blanks, p F15.4
};

// A line (or group of lines) of a printed curve's report block, in printed
// order: `index` points into the curve's parameters, texts or notes.
enum class CurveLineKind {
  kTitle,         // two blank lines, the title's lines, a blank line
  kParameter,     // a value line
  kText,          // a value in words
  kNote,          // a note's lines
  kBlank,         // an empty line
  kTableHeading,  // the table's column heading
  kTable,         // the y-p rows
};
struct CurveLine {
  CurveLineKind kind = CurveLineKind::kBlank;
  int index = 0;
};

// A printed p-y curve.
struct PyCurveResult {
  int number = 0;      // 1 .. n in printed order
  double depth = 0.0;  // below the pile head
  int layer = 0;
  int criterion = 0;
  std::string short_name;
  std::vector<double> y;  // as printed (multipliers applied)
  std::vector<double> p;
  std::vector<std::string> title;          // the block's title lines
  std::vector<CurveParameter> parameters;  // the values of the report block, in printed order
  std::vector<CurveText> texts;            // the values in words, in printed order
  std::vector<CurveNote> notes;            // in printed order
  // How the report lays the block out: its lines in order, the heading and
  // the rows of the table, and the 1-based points whose p is the initial
  // slope's (marked with an asterisk).
  std::vector<CurveLine> lines;
  CurveTableHeading heading = CurveTableHeading::kSpacedP;
  CurveTableRows rows = CurveTableRows::kAdaptive;
  std::vector<int> marked_points;
  // The wording of the curve's plot records: Line 7's text (the curve number
  // follows it), the name after "y, p, for " in Line 8, and whether Line 8
  // gives the point number in two columns after 20 blanks (else in minimal
  // width after 50).
  std::string plot_line7;
  std::string plot_line8;
  bool plot_narrow_point_numbers = false;
};

// A distributed loading point of an LRFD load group, as input: the depth in
// the input's depth unit (ft in USCS runs, m in SI), as the report prints it.
struct LrfdLoadPoint {
  double depth = 0.0;
  double load = 0.0;  // force per length
};

// One unfactored load group of an LRFD run, as input.
struct LrfdLoadGroup {
  int number = 0;
  int type = 0;  // load type 1 .. 13
  std::string
      type_code;  // "DL", "LL", "EQ", "IM", "W", "HW", "Ice", "Hs", "Lr", "Rn", "Sn", "Tm", "Sp"
  double horizontal = 0.0;  // force
  double moment = 0.0;
  double axial = 0.0;  // force
  std::vector<LrfdLoadPoint> points;
};

// The unfactored pile-head loads of one load type, summed over its groups.
struct LrfdTypeTotal {
  int type = 0;  // 1 .. 13
  std::string type_code;
  int groups = 0;  // load groups of the type
  double horizontal = 0.0;
  double moment = 0.0;
  double axial = 0.0;
};

// One LRFD combination: its factors and its factored pile-head loads.
struct LrfdCombinationLoads {
  int number = 0;
  std::string name;
  std::vector<double> factors;  // the load factor of each load type 1 .. 13, as input
  // The structural resistance factors as input (not positive: not given)
  // and as used (the input value, or 0.75 when it is not positive).
  double phi_flexure = 0.0;
  double phi_shear = 0.0;
  double resistance_factor_flexure = 0.0;
  double resistance_factor_shear = 0.0;
  // The factored loads: the load types' totals times the factors, summed.
  double horizontal = 0.0;
  double moment = 0.0;
  double vertical = 0.0;
  // The pile-head loads of the combination: the factored horizontal and
  // vertical forces turned into transverse shear and axial force for a
  // battered pile, the same forces otherwise.
  double shear = 0.0;
  double axial = 0.0;
  int thrust = 0;  // 1-based position of `axial` in the thrusts
};

// The transform of the factored loads for a battered pile:
// shear = cos * horizontal + sin * vertical, axial = -sin * horizontal + cos * vertical.
struct LrfdBatterTransform {
  double batter_degrees = 0.0;
  double cos_batter = 0.0;
  double sin_batter = 0.0;
};

// The load groups of an LRFD run and the combinations formed from them.
struct LrfdLoading {
  std::vector<LrfdLoadGroup> groups;
  std::vector<LrfdTypeTotal> type_totals;  // every load type 1 .. 13, in order
  std::vector<LrfdCombinationLoads> combinations;
  std::optional<LrfdBatterTransform> batter;  // a battered pile only
  // The distinct factored axial forces, ascending (force): the thrusts of
  // section analysis.
  std::vector<double> thrusts;
};

enum class LrfdVerdict { kNotApplicable, kPass, kFail };

// One combination and pile section of the LRFD performance check.
struct LrfdCheckRow {
  int combination = 0;
  int section = 0;
  std::string name;
  double resistance_factor = 0.0;
  std::optional<double> factored_capacity;  // absent: infinite (elastic section)
  double moment_developed = 0.0;
  std::optional<double> fraction_mobilized;  // absent: not applicable
  LrfdVerdict verdict = LrfdVerdict::kNotApplicable;
  double max_shear = 0.0;
  double head_deflection = 0.0;
  double head_rotation = 0.0;
};

// One of the ten load levels of the pile-head stiffness study: the shear
// case n (slope 0) and the moment case n + 10 (deflection 0).
struct StiffnessRow {
  double shear_level = 0.0;        // Vn applied in case n (force)
  double moment_level = 0.0;       // Mn applied in case n + 10 (moment)
  double deflection = 0.0;         // yn, head deflection of case n (length)
  double shear_reaction_1 = 0.0;   // head shear of case n (force)
  double moment_reaction_1 = 0.0;  // head moment of case n (moment)
  double rotation = 0.0;           // thetan, head rotation of case n + 10 (radians)
  double shear_reaction_2 = 0.0;   // head shear of case n + 10 (force)
  double moment_reaction_2 = 0.0;  // head moment of case n + 10 (moment)
  double k22 = 0.0;                // shear_reaction_1 / deflection (force/length)
  double k23 = 0.0;                // shear_reaction_2 / rotation (force/radian)
  double k32 = 0.0;                // -moment_reaction_1 / deflection (moment/length)
  double k33 = 0.0;                // -moment_reaction_2 / rotation (moment/radian)
};

// The pile-head stiffness study: 20 solutions, ten shears with the head
// rotation held at 0 and ten moments with the head deflection held at 0.
struct HeadStiffnessStudy {
  double reference_shear = 0.0;   // Vref after its default (force)
  double reference_moment = 0.0;  // Mref after its default (moment)
  double axial = 0.0;             // axial thrust of every study case (force)
  int cases_converged = 0;        // study cases solved, 0 .. 20
  bool complete = false;          // all 20 converged: the rows hold the stiffness terms
  // "all cases", or what ended the study at case cases_converged + 1:
  // "excess deflection", "iteration limit" or "loss of stability".
  std::string ended_by;
  std::vector<StiffnessRow> rows;  // ten rows when complete, else empty
  // The iterations of the study cases among the last five before the
  // iteration limit, in the order solved.
  std::vector<IterationRecord> last_iterations;
};

// The four files of a run.
struct RunFiles {
  std::string input;    // input data file
  std::string report;   // output report file
  std::string plot;     // plot output file
  std::string message;  // runtime message file
};

// A local date and time, for the report's date block.
struct DateTime {
  int year = 2000;
  int month = 1;  // 1 .. 12
  int day = 1;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

struct RunResults {
  int format_version = 1;
  std::string engine_version;  // "6.0.28"
  // The files of the run as the host named them and the local time of the
  // analysis: what the report's header prints.
  RunFiles files;
  DateTime analysed_at;
  int result_code = 0;  // what LGO returns
  Outcome outcome = Outcome::kNormal;
  std::vector<std::string> title;  // the title lines that are not blank, trailing blanks removed
  Units units;
  DisplayUnits display_units;  // the engineering units of the run's system
  int run_kind = 0;            // 2 bending stiffness only, 3 pile analysis
  bool lrfd = false;
  double pile_length = 0.0;
  double ground_depth = 0.0;  // below the pile head
  std::vector<SoilLayerInfo> layers;
  std::vector<SectionResult> sections;
  std::vector<PyCurveResult> py_curves;
  // The layers that hold the depths of the printed p-y curves, top down (a
  // layer whose criterion prints no curve among them).
  std::vector<int> py_curve_layers;
  std::vector<LoadCaseResult> cases;
  std::optional<LrfdLoading> lrfd_loading;  // LRFD runs, once the combinations are formed
  std::vector<LrfdCheckRow> lrfd_check;
  std::optional<HeadStiffnessStudy> stiffness;  // when the run asked for the study
  std::vector<WarningRecord> warnings;          // by load case, then by number
  // The warnings as the report's summary lists them: number and count, the
  // count being the times recorded since the last load case began (or before
  // the first), at most 4000.
  struct SummaryCount {
    int number = 0;
    int count = 0;
  };
  std::vector<SummaryCount> warning_summary;
  std::optional<Diagnostic> error;
  // The texts of the three files, when the caller asks for them.
  std::string report_text;
  std::string plot_text;
  std::string message_text;
};

}  // namespace tarvex

#endif  // TARVEX_RESULTS_HPP_
