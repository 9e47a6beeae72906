// Which nodes of the finite-difference model (or which stations of the
// printed p-y curves) lie in each soil layer.
#ifndef TARVEX_SOIL_LAYER_NODES_HPP_
#define TARVEX_SOIL_LAYER_NODES_HPP_

#include <vector>

#include "core/input_model.hpp"
#include "core/pile_nodes.hpp"
#include "format/record_writer.hpp"

namespace tarvex {

// First and last node of each soil layer, comparing layer depths with the
// vertical depth z of the nodes (or with their position x along the pile,
// for the p-y curves printed at requested depths). A layer that cannot be
// closed by a lower one writes its diagnostic lines to `report`.
void AssignNodesToLayers(const std::vector<SoilLayer>& layers, bool by_position, PileNodes& nodes,
                         RecordWriter& report);

}  // namespace tarvex

#endif  // TARVEX_SOIL_LAYER_NODES_HPP_
