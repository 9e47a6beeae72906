// The one-time conversion of the input to computing units.
#ifndef TARVEX_INPUT_UNIT_CONVERSION_HPP_
#define TARVEX_INPUT_UNIT_CONVERSION_HPP_

#include "core/input_model.hpp"

namespace tarvex {

// Converts the input values to computing units, at most once per run: USCS
// depths from feet to inches, cohesion from psf to psi (the compressive
// strength of rock layers stays in psi), unit weights from pcf to pci. SI
// values are already in computing units; GENERAL converts nothing.
void ConvertToComputingUnits(InputModel& input);

}  // namespace tarvex

#endif  // TARVEX_INPUT_UNIT_CONVERSION_HPP_
