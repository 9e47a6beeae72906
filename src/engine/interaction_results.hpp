// The interaction diagrams of the sections and the load cases' demands on
// them, in the run's results: the diagrams of section analysis taken to the
// run's computing units, with the names of the code's assumptions, and each
// load case's axial load and largest moment checked against them.
#ifndef TARVEX_ENGINE_INTERACTION_RESULTS_HPP_
#define TARVEX_ENGINE_INTERACTION_RESULTS_HPP_

#include <vector>

#include "core/input_model.hpp"
#include "tarvex/results.hpp"

namespace tarvex {

// The diagram of section s by the run's code (options.interaction_code),
// with the section's transverse reinforcement (the input's, or the default
// of its type).
InteractionResult DescribeInteraction(const PileSection& s, const Options& options);

// For every section with a diagram, the demand of every load case: its
// axial load and the largest |M| over the section, the utilisation along
// the ray from the origin, and the largest utilisation of the section.
void CheckInteractionDemands(const std::vector<LoadCaseResult>& cases,
                             std::vector<SectionResult>& sections);

}  // namespace tarvex

#endif  // TARVEX_ENGINE_INTERACTION_RESULTS_HPP_
