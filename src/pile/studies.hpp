// The studies that solve the pile many times: pile-head deflection against
// a shortened pile length for one load case, and the pile-head stiffness
// matrix from ten shears with the head rotation held at zero and ten moments
// with the head deflection held at zero. Both fill their results and write
// only the iteration trace and their errors; the report block and the plot
// records are rendered from the results.
#ifndef TARVEX_PILE_STUDIES_HPP_
#define TARVEX_PILE_STUDIES_HPP_

#include <array>

#include "core/case_state.hpp"
#include "core/derived_tables.hpp"
#include "core/input_model.hpp"
#include "core/soil_working_values.hpp"
#include "format/run_output.hpp"
#include "tarvex/results.hpp"

namespace tarvex {

// Number of trial lengths of the pile-length study and of load levels of the
// stiffness study.
inline constexpr int kLengthStudyLengths = 20;
inline constexpr int kStiffnessLevels = 10;

// The factor of trial length u = 0 .. 19: 1 - 0.05 u, formed in single
// precision as the lengths have always been.
double LengthStudyFactor(int u);

// Pile-head deflection against pile length for load case c of the pile-head
// loading table: the pile shortened to (1 - 0.05 u) of its length, u = 0 ..
// 19, each length solved under the case's head conditions. A length that
// does not reach 5 % of the full length below the ground surface is not
// analysed; a length that passes the excess-deflection limit or the iteration
// limit, or settles on an unstable equilibrium, ends the study. An error
// (runtime error 28) ends the run.
void RunLengthStudy(const InputModel& input, const DerivedTables& tables, int c,
                    SoilWorkingValues& soil, CaseState& state, RunOutput& out,
                    PileLengthStudy& study);

// The reference shear and moment a study uses for a given value: the given
// one, or below 1e-7 in magnitude 10 lb / 100 lb-in (USCS and GENERAL) or
// their kN and kN-m equivalents (SI).
double StudyReferenceShear(UnitSystem units, double given);
double StudyReferenceMoment(UnitSystem units, double given);

// Load level factors c1 .. c10: 0.1 (single precision), then log10(n).
std::array<double, kStiffnessLevels> StiffnessLevelFactors();

// The pile-head stiffness study with reference shear and moment `vref`,
// `mref` (before their defaults) and axial thrust `axial`. Study cases 1 to
// 10 are shear cases with zero head slope, 11 to 20 moment cases with zero
// head deflection. The pile carries the study loads only: a distributed load
// or a soil movement would move the head without a head load and make the
// ratios of head reaction to head movement meaningless as stiffnesses. A study case that passes the
// excess-deflection limit or the iteration limit, or settles on an unstable equilibrium, ends the
// study without stiffness terms; an error ends the run.
void RunStiffnessStudy(const InputModel& input, const DerivedTables& tables, double vref,
                       double mref, double axial, SoilWorkingValues& soil, CaseState& state,
                       RunOutput& out, HeadStiffnessStudy& study);

// Load case c (an LRFD combination in an LRFD run) solved again at
// `steps` levels of its head loads, level k at k/steps of them, lowest
// first: the head shear or deflection and a head moment or slope scale,
// the axial load, a rotational stiffness, the distributed loads and the
// soil movement stay. Each level is solved as the load case is, from a zero
// deflection, with its own output that nothing reads but its error: the
// first level that ends with an error (the iteration limit, the
// excess-deflection limit, no stable equilibrium, a response that is not a
// finite number) ends the curve with that error. The run's files, errors
// and warnings are not touched; `soil` and `state` are left as the last
// level left them.
void RunLoadCurve(const InputModel& input, const DerivedTables& tables, int c, int steps,
                  SoilWorkingValues& soil, CaseState& state, LoadCurve& curve);

// Whether every number of a study's results is finite.
bool LengthStudyFinite(const PileLengthStudy& study);
bool StiffnessStudyFinite(const HeadStiffnessStudy& study);

}  // namespace tarvex

#endif  // TARVEX_PILE_STUDIES_HPP_
