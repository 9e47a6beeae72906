// The p-y dispatcher's node loop and what a criterion supplies to it.
//
// The dispatcher runs one loop over the nodes of a layer for every criterion
// (RunLayer below). At each node it reads the soil the criterion asks for
// (kept between the solver passes of a load case), lets the criterion form
// its values at the node (defaults, checks, warnings), computes the
// equivalent depth at the first node of a lower layer, the criterion depth
// zc, then the criterion's node state. In the solver pass it takes the
// curve deflection, the criterion's secant modulus, the soil-movement load
// term and the layer resistance sum; in the output pass the criterion forms
// its report block and points as data, and the dispatcher hands the curve to
// the report's sink and writes the plot records.
//
// A criterion is a struct derived from CriterionBase with:
//   using Soil = ...;    its values at a node, from the soil read there
//   using State = ...;   its node state: ultimate resistance, break points
//   static constexpr unsigned kReads;  the NodeRead values it needs
//   static bool SoilAt(const PyNode&, Layer&, Soil*);  false after an error
//   static State StateAt(const PyNode&, const Soil&);  with node.zc set
//   static double Es(const State&, double y_hat, double pm, double ym);
//   static void Print(const PyNode&, const Soil&, const State&, PyCurveOut&);
// and, where its flags say so, EquivalentDepth, ResistanceAt and ReportNaN.
// Its row in the criterion table points at OpsFor<Criterion>().
#ifndef TARVEX_SOIL_PY_DISPATCH_HPP_
#define TARVEX_SOIL_PY_DISPATCH_HPP_

#include <cmath>
#include <cstddef>
#include <initializer_list>
#include <new>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "core/input_model.hpp"
#include "core/node_soil.hpp"
#include "core/pile_nodes.hpp"
#include "core/printed_py_curve.hpp"
#include "format/record_writer.hpp"
#include "format/run_output.hpp"
#include "soil/criterion_table.hpp"
#include "soil/curve_report.hpp"
#include "soil/py_curves.hpp"
#include "soil/soil_profile.hpp"

namespace tarvex {

// Soil values a criterion asks the dispatcher to read at its nodes, besides
// the depths, the pile width and the multipliers, which every node gets.
enum NodeRead : unsigned {
  kReadStrength = 1u << 0,         // c and at_node: the strength with the interface rule
  kReadUnitWeight = 1u << 1,       // gamma
  kReadAverageStrength = 1u << 2,  // ca
  kReadEps50 = 1u << 3,            // eps50
  kReadJ = 1u << 4,                // j
  kReadFriction = 1u << 5,         // phi (input error 4 below the profile)
  kReadRqd = 1u << 6,              // rqd (input errors 31 and 49)
  kReadRockColumn2 = 1u << 7,      // k_rm
};

// What a criterion sees of the layer it works on, read-only but for the mark
// at its end. Its errors and warnings go to `out`.
struct LayerCall {
  int layer;       // j, 1-based
  int first_node;  // the layer's nodes; the stations of its curves in the output pass
  int last_node;
  bool output;  // the output pass at requested depths
  // Layering switch: the rock-layer count in the solver pass, the layer's
  // layering-off mark (0 or 1) in the output pass. Zero: a lower layer's
  // depth counts from its equivalent depth.
  int switch_value;
  const SoilLayer& soil_layer;           // the layer: depths, values at top and bottom, curves
  const std::vector<SoilLayer>& layers;  // all layers, contiguous
  const SoilAccess& soil;                // the profile accessors
  // The pile's nodes as the last solution left them.
  const PileNodes& pile;
  UnitSystem units;
  bool cyclic;    // cyclic loading
  double cycles;  // number of cycles as input
  double slope;   // ground slope (radians)
  double batter;  // pile batter (radians)
  double theta;   // effective slope, ground slope minus batter (radians)
  double ground_depth;
  double pile_length;
  double h;       // pile increment
  double x_last;  // position of the layer's last node
  RunOutput& out;
  // The one mark a criterion leaves on its layer for the results: a sand's
  // default k took the formula for sand above the water table.
  bool& sand_k_above_water;
};

// One node of the layer as the criterion sees it.
struct PyNode : NodeSoil {
  PyNode(const LayerCall& layer_call, int node) : call(layer_call), i(node) {}
  const LayerCall& call;
  int i;  // node number; the curve's number in the output pass
  // The deflection whose sign sets the slope direction: the node's; for a
  // printed curve, that of the pile node whose number is the curve's number.
  double y = 0.0;
  double zc = 0.0;  // the criterion depth, set after the equivalent depth
};

// How a criterion adds to its layer's resistance integral in the solver pass.
enum class ResistanceRule {
  kNone,       // it keeps no resistance
  kTrapezoid,  // trapezoids of the integrand from the second node, the end term at the last
  kRectangle,  // the increment times the integrand at every node
};

// A node's part of the layer resistance.
struct Resistance {
  double r = 0.0;         // integrand (F/L)
  double r_second = 0.0;  // a second integrand summed the same way where it is not 0 (F/L)
  double end = 0.0;       // added at the layer's last node (F)
  // Half the sum of the layer's top and current resistance (F/L): times the
  // thickness of layer 1 it replaces the sum when the ground lies above the
  // pile head. Empty: no such estimate.
  std::optional<double> layer_one;
};

// Layout of the plot records of a curve's points.
enum class CurvePlotPoints {
  kWide,    // 50 blanks, the point number in minimal width
  kNarrow,  // 20 blanks, the point number in 2 columns
};

// One printed curve as the criterion forms it: its report block as data (its
// CurveBlock on curve()), the points as printed, the table's rows and the
// plot wording. The dispatcher hands it on; the report renders it.
class PyCurveOut {
 public:
  PrintedPyCurve& curve() { return curve_; }
  // A point as printed: y times the y-multiplier, p times the p-multiplier;
  // `marked`: p is the initial slope's, marked in the table.
  void Point(double y, double p, bool marked = false);
  void Rows(CurveTableRows rows) { curve_.rows = rows; }
  // The text of plot Line 7 (followed by the curve number) and the name of
  // Line 8 ("y, p, for " name).
  void Plot(std::string_view line7, std::string_view line8,
            CurvePlotPoints points = CurvePlotPoints::kWide);

 private:
  friend class LayerPass;
  void Clear();

  PrintedPyCurve curve_;
};

// Defaults of the criteria: a criterion states only what differs.
struct CriterionBase {
  struct Layer {};  // what the criterion carries from node to node in a layer
  static constexpr unsigned kReads = 0;
  // It computes the equivalent depth of a lower layer at its first node:
  // static double EquivalentDepth(const PyNode&, const Soil&, double f).
  static constexpr bool kEquivalentDepth = false;
  // The curve deflection is |y - ys| / ym (false: |y| / ym).
  static constexpr bool kCurveWithSoilMovement = true;
  // With soil movement the node's load term becomes es ys + the averaged load.
  static constexpr bool kLoadTerm = true;
  // static Resistance ResistanceAt(const PyNode&, const Soil&, const State&).
  static constexpr ResistanceRule kResistance = ResistanceRule::kNone;
  // The sum reached at each node is also the layer's liquefied-sand resistance.
  static constexpr bool kLiquefiedResistance = false;
  // A modulus that is not a number ends the run:
  // static void ReportNaN(const PyNode&, const State&, double y_hat).
  static constexpr bool kChecksNaN = false;
  // It prints curves in the output pass.
  static constexpr bool kPrints = true;
  // Its Soil, State and Resistance at a node depend on nothing but the
  // node's soil, its criterion depth zc, the layering switch and the run's
  // constants (on the deflection only through the slope factor, which is 1
  // on level ground), and its Layer carries nothing: over the iterations of
  // a load case on level ground the dispatcher keeps them per node and only
  // evaluates Es again (Es, a function of the curve alone, records no
  // warnings).
  static constexpr bool kKeepsState = false;
};

// One call of a criterion for one layer: the dispatcher's state and its
// steps at a node.
class LayerPass {
 public:
  // `nodes` are the pile's nodes in the solver pass and the stations of the
  // printed curves in the output pass; `printed` receives the curves.
  LayerPass(const PyPass& pass, PileNodes& nodes, int layer, bool output, int switch_value,
            PyCurveOut* curve, std::vector<PrintedPyCurve>* printed,
            PrintedCurveSink* sink = nullptr);

  const LayerCall& call() const { return call_; }

  // The soil at node `node->i`, reading `reads` (or keeping what the
  // pass before read); false after an error of an accessor.
  bool Read(unsigned reads, PyNode* node);
  // The first node of a lower layer in the solver pass with the layering
  // switch 0: the criterion computes the layer's equivalent depth there.
  bool StartsLayering(int i) const;
  // F of the equivalent depth: the summed resistance of the layers above,
  // after each one below 0.01 has been given its liquefied-sand resistance.
  double ResistanceAbove();
  void SetEquivalentDepth(double heq);
  // zc of the node.
  double CriterionDepth(const PyNode& node) const { return CriterionDepthAt(node.z, node.zs); }
  // zc of a node at vertical depth z below the pile head, zs below the ground.
  double CriterionDepthAt(double z, double zs) const;
  // y_hat = |y - ys| / ym, or |y| / ym without soil movement.
  double CurveDeflection(const PyNode& node, bool with_soil_movement) const;
  // Sets the node's modulus and, when `load_term` and soil movement is
  // given, its load term.
  void SetModulus(int i, double es, bool load_term);
  void StartResistance();
  void AddResistance(int i, const Resistance& r, ResistanceRule rule, bool liquefied);
  // Where a criterion that keeps its values at the nodes keeps them: null
  // in the output pass and with sloping ground.
  NodeSoilCache* KeptStore() const;
  // The slot of node i in `store` in which a criterion that keeps its values
  // finds them; null when the slot holds nothing for `criterion` (the node
  // loop's address) or the node's soil was read again since.
  unsigned char* KeptValues(NodeSoilCache& store, int i, const void* criterion) const;
  // The slot of `store` to keep the values of node i in, marked as
  // `criterion`'s; null when the node's soil is not kept.
  unsigned char* KeepValues(NodeSoilCache& store, int i, const void* criterion) const;
  // Records again the warnings noted at a node.
  void RecordAgain(const WarningTally::Trace& trace) const;
  // The curve of the node to write, and its rendering once written.
  PyCurveOut& StartCurve();
  void EndCurve(const PyNode& node);

 private:
  void ReadSoil(unsigned reads, NodeSoil* s);

  const PyPass& pass_;
  PileNodes& nodes_;
  SoilAccess soil_;
  LayerCall call_;
  PyCurveOut* curve_;
  std::vector<PrintedPyCurve>* printed_;
  PrintedCurveSink* sink_;
  double previous_r_ = 0.0;
  double previous_second_ = 0.0;
};

// ---------------------------------------------------------------------------
// The steps of every node, inline for the node loop.

inline double LayerPass::CriterionDepthAt(double z, double zs) const {
  const int j = call_.layer;
  if (j == 1) return zs;
  double zc = call_.switch_value == 0
                  ? z - call_.soil_layer.top + pass_.working.heq[static_cast<std::size_t>(j)]
                  : zs;
  // A layer lying wholly above the pile head: depths count from the top of
  // the profile.
  const std::vector<SoilLayer>& layers = call_.layers;
  const bool above_head =
      layers[0].bottom < -1e-8 || (layers.size() > 1 && layers[1].bottom < -1e-8);
  if (above_head) zc = z - layers[0].top;
  return zc;
}

inline double LayerPass::CurveDeflection(const PyNode& node, bool with_soil_movement) const {
  const std::size_t k = PileNodes::At(node.i);
  if (!with_soil_movement) return std::fabs(nodes_.y[k]) / node.ym;
  return std::fabs(nodes_.y[k] - nodes_.ys[k]) / node.ym;
}

inline void LayerPass::SetModulus(int i, double es, bool load_term) {
  const std::size_t k = PileNodes::At(i);
  nodes_.es[k] = es;
  const InputModel& input = pass_.input;
  if (!load_term || !input.options.soil_movement || input.soil_movements.size() < 2) return;
  nodes_.w[k] = nodes_.es[k] * nodes_.ys[k] + nodes_.wbar[k];
}

inline void LayerPass::AddResistance(int i, const Resistance& r, ResistanceRule rule,
                                     bool liquefied) {
  SoilWorkingValues& working = pass_.working;
  const int j = call_.layer;
  double& sum = working.layer_resistance[static_cast<std::size_t>(j)];
  const double h = nodes_.h;
  if (rule == ResistanceRule::kTrapezoid) {
    if (i > call_.first_node) {
      sum += (previous_r_ + r.r) * h / 2.0;
      if (r.r_second != 0.0) sum += (previous_second_ + r.r_second) * h / 2.0;
    }
    if (i == call_.last_node) sum += r.end;
    previous_r_ = r.r;
    previous_second_ = r.r_second;
  } else {
    sum += h * r.r;
  }
  if (r.layer_one && j == 1 && pass_.input.ground_depth < -1e-5) {
    const SoilLayer& first = call_.layers[0];
    sum = *r.layer_one * (first.bottom - first.top);
  }
  if (liquefied) working.liquefied_resistance[static_cast<std::size_t>(j)] = sum;
}

// What a criterion that keeps its values (kKeepsState) holds for a node
// between the iterations of a load case, beside the node's soil kept in the
// same slot of the soil cache: its state, its part of the layer resistance,
// the criterion depth and layering switch they were made for, and the
// warnings they raised.
template <class C>
struct KeptNode {
  typename C::State state;
  Resistance resistance;
  double zc;
  int switch_value;
  WarningTally::Trace raised;          // by SoilAt and StateAt
  WarningTally::Trace raised_by_part;  // by ResistanceAt
};

inline NodeSoilCache* LayerPass::KeptStore() const {
  if (call_.output || std::fabs(call_.theta) > 1e-20) return nullptr;
  return pass_.soil_reads;
}

inline unsigned char* LayerPass::KeptValues(NodeSoilCache& store, int i,
                                            const void* criterion) const {
  const std::size_t k = PileNodes::At(i);
  const NodeSoilCache::Entry& e = store.entries[k];
  if (e.kept_for != criterion || e.layer != call_.layer || e.soil.x != nodes_.x[k] ||
      e.soil.z != nodes_.z[k] || e.pile_length != pass_.pile_length) {
    return nullptr;
  }
  return store.KeptSlot(k);
}

inline void LayerPass::RecordAgain(const WarningTally::Trace& trace) const {
  for (int n = 0; n < trace.count; ++n) {
    RecordWarning(pass_.out.warnings(), trace.w[static_cast<std::size_t>(n)]);
  }
}

// The node loop of criterion C over one layer.
template <class C>
void RunLayer(LayerPass& pass) {
  using Kept = KeptNode<C>;
  if constexpr (C::kKeepsState) {
    static_assert(std::is_empty_v<typename C::Layer>, "a criterion that keeps values carries none");
    static_assert(std::is_trivially_copyable_v<Kept> && std::is_trivially_destructible_v<Kept>);
    static_assert(sizeof(Kept) <= NodeSoilCache::kKeptBytes);
    static_assert(alignof(Kept) <= alignof(std::max_align_t));
  }
  const void* const self = reinterpret_cast<const void*>(&RunLayer<C>);
  const LayerCall& call = pass.call();
  NodeSoilCache* const store = C::kKeepsState ? pass.KeptStore() : nullptr;
  // Notes the warnings of a node whose values may be kept.
  auto trace = [&](WarningTally::Trace* t) {
    if constexpr (C::kKeepsState) call.out.warnings().trace = t;
  };
  typename C::Layer carry{};
  if constexpr (C::kResistance != ResistanceRule::kNone) {
    if (!call.output) pass.StartResistance();
  }
  for (int i = call.first_node; i <= call.last_node; ++i) {
    if constexpr (C::kKeepsState) {
      // The values kept at the node's last pass, while its soil, its
      // criterion depth and the layering switch are what they were.
      unsigned char* slot =
          store == nullptr || pass.StartsLayering(i) ? nullptr : pass.KeptValues(*store, i, self);
      if (slot != nullptr) {
        const Kept& kept = *std::launder(reinterpret_cast<const Kept*>(slot));
        const std::size_t k = PileNodes::At(i);
        const NodeSoil& at = store->entries[k].soil;
        if (kept.switch_value == call.switch_value &&
            kept.zc == pass.CriterionDepthAt(at.z, at.zs)) {
          const double y = call.pile.y[k];
          const double y_hat = C::kCurveWithSoilMovement ? std::fabs(y - call.pile.ys[k]) / at.ym
                                                         : std::fabs(y) / at.ym;
          const double es = C::Es(kept.state, y_hat, at.pm, at.ym);
          // A modulus that is not a number: the node is taken afresh below,
          // which reports it as every pass does.
          if (!(C::kChecksNaN && std::isnan(es))) {
            pass.RecordAgain(kept.raised);
            pass.SetModulus(i, es, C::kLoadTerm);
            if constexpr (C::kResistance != ResistanceRule::kNone) {
              pass.RecordAgain(kept.raised_by_part);
              pass.AddResistance(i, kept.resistance, C::kResistance, C::kLiquefiedResistance);
            }
            continue;
          }
        }
      }
    }
    PyNode node(call, i);
    if (!pass.Read(C::kReads, &node)) return;
    WarningTally::Trace raised;
    trace(&raised);
    typename C::Soil soil{};
    const bool soil_read = C::SoilAt(node, carry, &soil);
    trace(nullptr);
    if (!soil_read) return;
    if constexpr (C::kEquivalentDepth) {
      if (pass.StartsLayering(i)) {
        // No resistance above (frozen soil, which gives neither curves nor a
        // unit weight): the layer starts as at the ground surface. The
        // criteria's own forms give that too, but 0/0 where the soil above
        // leaves them no unit weight or strength to work with.
        const double above = pass.ResistanceAbove();
        pass.SetEquivalentDepth(above == 0.0 ? 0.0 : C::EquivalentDepth(node, soil, above));
      }
    }
    node.zc = pass.CriterionDepth(node);
    trace(&raised);
    const typename C::State state = C::StateAt(node, soil);
    trace(nullptr);
    if (call.output) {
      if constexpr (C::kPrints) {
        C::Print(node, soil, state, pass.StartCurve());
        pass.EndCurve(node);
      }
      continue;
    }
    const double y_hat = pass.CurveDeflection(node, C::kCurveWithSoilMovement);
    const double es = C::Es(state, y_hat, node.pm, node.ym);
    if constexpr (C::kChecksNaN) {
      if (std::isnan(es)) {
        C::ReportNaN(node, state, y_hat);
        return;
      }
    }
    pass.SetModulus(i, es, C::kLoadTerm);
    Resistance part{};
    WarningTally::Trace raised_by_part;
    if constexpr (C::kResistance != ResistanceRule::kNone) {
      trace(&raised_by_part);
      part = C::ResistanceAt(node, soil, state);
      trace(nullptr);
      pass.AddResistance(i, part, C::kResistance, C::kLiquefiedResistance);
    }
    if constexpr (C::kKeepsState) {
      if (store == nullptr || raised.overflow || raised_by_part.overflow || call.out.failed()) {
        continue;
      }
      unsigned char* slot = pass.KeepValues(*store, i, self);
      if (slot == nullptr) continue;
      ::new (static_cast<void*>(slot))
          Kept{state, part, node.zc, call.switch_value, raised, raised_by_part};
    }
  }
}

// The operations of a criterion row.
struct CriterionOps {
  void (*run_layer)(LayerPass& pass);
  bool prints;  // it writes curves in the output pass
};

template <class C>
constexpr CriterionOps OpsFor() {
  return {&RunLayer<C>, C::kPrints};
}

}  // namespace tarvex

#endif  // TARVEX_SOIL_PY_DISPATCH_HPP_
