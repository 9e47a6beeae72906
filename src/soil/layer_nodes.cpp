#include "soil/layer_nodes.hpp"

namespace tarvex {
namespace {

constexpr std::size_t At(int k) { return PileNodes::At(k); }

}  // namespace

void AssignNodesToLayers(const std::vector<SoilLayer>& soil_layers, bool by_position, PileNodes& n,
                         RecordWriter& r) {
  const auto& depth = by_position ? n.x : n.z;
  const int layers = static_cast<int>(soil_layers.size());
  n.top_node_in_layer.fill(0);
  n.bottom_node_in_layer.fill(-1);
  int last = layers;
  for (int j = 1; j <= layers; ++j) {
    const SoilLayer& layer = soil_layers[static_cast<std::size_t>(j - 1)];
    int a = 0;
    for (int k = 1; k <= n.count; ++k) {
      if (layer.top <= depth[At(k)]) {
        a = k;
        break;
      }
    }
    if (a != 0 && layer.bottom >= depth[At(a)]) {
      n.top_node_in_layer[static_cast<std::size_t>(j)] = a;
      if (layer.bottom >= depth[At(n.count)]) {
        last = j;
        break;
      }
    }
  }
  if (last >= 1) n.bottom_node_in_layer[static_cast<std::size_t>(last)] = n.count;
  for (int j = 1; j < last; ++j) {
    if (n.top_node_in_layer[static_cast<std::size_t>(j)] == 0) continue;
    int k = j + 1;
    while (k <= layers && n.top_node_in_layer[static_cast<std::size_t>(k)] == 0) ++k;
    if (k <= layers) {
      n.bottom_node_in_layer[static_cast<std::size_t>(j)] =
          n.top_node_in_layer[static_cast<std::size_t>(k)] - 1;
    } else {
      r.Write("(A)", {"ERROR 2 in computing i_BottomNodeInLayer"});
      r.Write("(A,I0)", {"Num_Nodes_To_Assign = ", n.count});
      r.Write("(A,I0)", {"ilayer = ", j});
      r.Write("(A,I0)", {"klayer = ", k});
      r.Write("(A,I0)", {"jlayer = ", last});
      r.Write("(A,I0)", {"i_Number_of_Layers = ", layers});
    }
  }
}

}  // namespace tarvex
