// The engineering units in which people read the results: one table for
// every output beyond the report, plot and message files (the command
// line's table, the CSV tables, the HTML page through the results data,
// Python through the compiled module). The results themselves stay in the
// computing units.
#ifndef TARVEX_CORE_DISPLAY_UNITS_HPP_
#define TARVEX_CORE_DISPLAY_UNITS_HPP_

#include <string>
#include <string_view>

#include "core/units.hpp"
#include "tarvex/results.hpp"

namespace tarvex {

// The round-off of a solution relative to the largest value of its kind: a
// value below 1e-8 of the largest moment (deflection, shear, ...) of its load
// case is what the arithmetic leaves of a zero. The finite differences lose
// about (L/h)^2 of the 1e-16 of a double in the moments and (L/h)^3 in the
// shears: over the examples the head moment differs from the one applied by
// up to 3e-13 of the case's largest at 100 increments and 1e-11 at 500, the
// head shear by 5e-12 and 5e-10. 1e-8 stays clear of that and of every value
// an engineer would read.
inline constexpr double kRoundOff = 1e-8;

// The kinds of value of the table, by the name its entries carry.
//   depth               depths and lengths along the pile          ft   | m
//   deflection          lateral deflections, soil movement, y      in   | mm
//   dimension           widths of the sections, the neutral axis  in   | mm
//   area, inertia       of the cross-section                       in^2, in^4 | m^2, m^4
//   force               shears, axial loads                        kip  | kN
//   moment              bending moments                            kip-ft | kN-m
//   force_per_length    soil reaction p, distributed load         lb/in | kN/m
//   modulus             secant soil modulus Es                     lb/in^2 | kN/m^2
//   stress              stresses of the pile                       ksi  | MPa
//   unit_weight         effective unit weight of the soil         pcf  | kN/m^3
//   soil_stress         undrained shear strength of a soil layer  psf  | kPa
//   subgrade_modulus    p-y subgrade modulus k of a soil layer    pci  | kN/m^3
//   flexural_rigidity   EI of the pile                             kip-in^2 | kN-m^2
//   rotation            slopes and rotations                       rad
//   rotational_stiffness, lateral_stiffness, force_per_rotation, moment_per_length
//                       the head stiffness (kip and in | kN and m, as a frame
//                       model takes them)
//   section_force, section_moment, section_rigidity, curvature, section_stress
//                       the moment-curvature tables                kip, kip-ft, kip-in^2,
//                                                                  rad/in, ksi | kN, kN-m,
//                                                                  kN-m^2, rad/m, MPa
// GENERAL runs show their computing units (factor 1).
DisplayUnits DisplayUnitsFor(UnitSystem system);

// The entry of a kind of value, or null for a name the table does not hold
// (and for a table without entries: a run that ended before its units were
// known).
const DisplayUnit* FindDisplayUnit(const DisplayUnits& table, std::string_view quantity);

// Which units a human output shows: the engineering units of the table (the
// default), or the computing units of the results.
enum class ShownUnits { kEngineering, kComputing };

// The computing unit of a kind of value as the results name it (`units`):
// "in" for a depth of a USCS run, "lb/in" for its lateral stiffness, "" for
// a name the table does not hold or units not known.
std::string ComputingUnit(const Units& units, std::string_view quantity);

// The value as shown: zero when its magnitude is below the table's
// round-off times `largest` (the largest magnitude of its kind in the same
// load case or column), else the value itself; then converted to `unit`
// (times its factor, divided by its divisor) when it is not null.
double ShownValue(double value, double largest, double round_off, const DisplayUnit* unit);

}  // namespace tarvex

#endif  // TARVEX_CORE_DISPLAY_UNITS_HPP_
