// LRFD load combinations: the unfactored load groups summed by load type,
// factored by each combination, turned into transverse shear and axial force
// for a battered pile; the distinct factored axial forces become the thrust
// levels of section analysis.
#ifndef TARVEX_PILE_LRFD_HPP_
#define TARVEX_PILE_LRFD_HPP_

#include "engine/model.hpp"

namespace tarvex {

// Forms the factored loads of every combination and writes the LRFD block of
// the report; replaces the run's thrust table by the factored axial forces.
void FormLrfdCombinations(AnalysisModel& model);

// The distributed lateral loads of LRFD combination c at the nodes: each load
// type's groups averaged over the nodes' tributary lengths (reported), then
// summed with the combination's load factors into the nodes' loads.
void SetLrfdDistributedLoads(AnalysisModel& model, int c);

// Resistance factor used for a combination: the input value, or 0.75 when
// the input is not positive.
double EffectiveResistanceFactor(double phi);

}  // namespace tarvex

#endif  // TARVEX_PILE_LRFD_HPP_
