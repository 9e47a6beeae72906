// The stations of the finite-difference model of the pile.
#ifndef TARVEX_CORE_PILE_NODES_HPP_
#define TARVEX_CORE_PILE_NODES_HPP_

#include <array>
#include <cstddef>

namespace tarvex {

// Nodes 1 .. count (count = increments + 1 <= 501) from the pile head down,
// plus the imaginary stations -1 and 0 above the head and count + 1, count + 2
// below the tip that the difference equations use. Arrays are sized once for
// the largest model.
struct PileNodes {
  static constexpr int kMaxStations = 505;
  static constexpr int kOffset = 2;  // array index of station 0 is 2
  static constexpr int kSlots = kMaxStations + 2 * kOffset;
  static constexpr int kMaxLayerSlots = 80;

  int count = 0;   // NN
  double h = 0.0;  // increment length

  std::array<double, kSlots> x = {};     // along the axis from the head
  std::array<double, kSlots> z = {};     // vertical depth below the head
  std::array<double, kSlots> ei = {};    // flexural rigidity
  std::array<double, kSlots> es = {};    // secant soil modulus
  std::array<double, kSlots> w = {};     // load term of the solution at the node
  std::array<double, kSlots> wbar = {};  // distributed lateral load averaged at the node
  std::array<double, kSlots> ys = {};    // free-field soil movement
  std::array<double, kSlots> y = {};     // deflection
  std::array<int, kSlots> section = {};

  // First and last node of each soil layer (1-based layers; 0: no node).
  std::array<int, kMaxLayerSlots + 1> top_node_in_layer = {};
  std::array<int, kMaxLayerSlots + 1> bottom_node_in_layer = {};

  // Index of station k (k from -1 to count + 2) in the arrays.
  static constexpr std::size_t At(int k) { return static_cast<std::size_t>(k + kOffset); }
};

}  // namespace tarvex

#endif  // TARVEX_CORE_PILE_NODES_HPP_
