// The p-y criterion routines. Each works over the nodes of one soil layer:
// in the solver mode it sets the nodes' secant soil moduli from their current
// deflections, in the output mode it prints the layer's curves at the
// requested depths.
#ifndef TARVEX_SOIL_CRITERIA_HPP_
#define TARVEX_SOIL_CRITERIA_HPP_

#include "soil/py_context.hpp"
#include "soil/soil_profile.hpp"

namespace tarvex {

void SoftClayCriterion(const PyContext& ctx);               // "SoftClay"
void SoftClayJCriterion(const PyContext& ctx);              // "SoftClyJ"
void StiffClayFreeWaterCriterion(const PyContext& ctx);     // "StfClyBW"
void StiffClayNoFreeWaterCriterion(const PyContext& ctx);   // "StfClyAW"
void StiffClayNoFreeWaterKCriterion(const PyContext& ctx);  // "StfClyAK"
void ElasticSubgradeCriterion(const PyContext& ctx);        // "Elast SG"

}  // namespace tarvex

#endif  // TARVEX_SOIL_CRITERIA_HPP_
