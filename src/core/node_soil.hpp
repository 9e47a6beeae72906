// The soil at a node of the pile as the p-y criteria read it: the values that
// depend only on the node's position and its layer. The dispatcher reads them
// at the first solver pass of a load case and keeps them for the passes after
// it, so that the iteration only recomputes what the deflections change.
#ifndef TARVEX_CORE_NODE_SOIL_HPP_
#define TARVEX_CORE_NODE_SOIL_HPP_

#include <array>
#include <cstddef>

#include "core/pile_nodes.hpp"

namespace tarvex {

// Lengths in the run's length unit (L), forces in its force unit (F).
struct NodeSoil {
  double x = 0.0;   // position along the pile (L)
  double z = 0.0;   // vertical depth below the pile head (L); x for a printed curve
  double zs = 0.0;  // depth below the ground surface (L)
  double b = 0.0;   // pile width (L)
  double pm = 1.0;  // p-multiplier
  double ym = 1.0;  // y-multiplier
  // The values below are read when the criterion asks for them.
  double c = 0.0;        // strength at z: c of clays and silts, qu of rock (F/L^2)
  bool at_node = false;  // z lies on a layer interface (range warnings are skipped)
  double gamma = 0.0;    // effective unit weight averaged from the ground surface (F/L^3)
  double ca = 0.0;       // strength averaged from the ground surface (F/L^2)
  double eps50 = 0.0;    // epsilon-50 as input, 0 beyond the profile
  double j = 0.0;        // J as input, 0 beyond the profile
  double phi = 0.0;      // friction angle (degrees)
  double rqd = 0.0;      // RQD (percent)
  double k_rm = 0.0;     // k_rm of weak rock
};

// The soil values of the pile's nodes kept between the solver passes of a
// load case. An entry holds for its layer, its node's position and the pile
// length; anything else reads the node again.
//
// A criterion whose values at a node depend on nothing but the node's soil,
// its criterion depth and the run's constants also keeps those values (its
// node state and its part of the layer resistance) in the entry's `kept`
// bytes; `kept_for` names the criterion that wrote them. A new read of the
// node's soil drops what was kept.
struct NodeSoilCache {
  static constexpr std::size_t kKeptBytes = 256;
  struct Entry {
    // The kept bytes are read only after they were written (kept_for says
    // so): they start uninitialised, so that making a run's model does not
    // clear them.
    Entry() {}  // user-provided: value-initialising an entry leaves `kept` alone
    NodeSoil soil;
    int layer = 0;  // 0: nothing read
    unsigned reads = 0;
    double pile_length = 0.0;
    const void* kept_for = nullptr;  // null: nothing kept
    alignas(16) unsigned char kept[kKeptBytes];
  };

  std::array<Entry, PileNodes::kSlots> entries = {};
  // False: every pass computes every value afresh (the reference that tests
  // hold the kept values to).
  bool keep_values = true;

  void Clear() {
    for (Entry& e : entries) {
      e.layer = 0;
      e.kept_for = nullptr;
    }
  }
  // The kept bytes of node array index k.
  unsigned char* KeptSlot(std::size_t k) { return entries[k].kept; }
};

}  // namespace tarvex

#endif  // TARVEX_CORE_NODE_SOIL_HPP_
