// What every p-y criterion shares: the call context the dispatcher sets, the
// depths of a node, the multipliers, the layer resistance bookkeeping, the
// unit labels of the curve reports and the curve's plot records.
#ifndef TARVEX_SOIL_PY_CONTEXT_HPP_
#define TARVEX_SOIL_PY_CONTEXT_HPP_

#include <string>
#include <string_view>
#include <vector>

#include "core/derived_tables.hpp"
#include "core/input_model.hpp"
#include "core/pile_nodes.hpp"
#include "core/soil_working_values.hpp"
#include "core/units.hpp"
#include "report/run_output.hpp"
#include "soil/soil_profile.hpp"
#include "tarvex/results.hpp"

namespace tarvex {

// One pass of the p-y criteria over the soil layers: what they read, the
// per-layer values they keep, the nodes they work on and where they write.
struct PyPass {
  const InputModel& input;
  const DerivedTables& tables;  // contiguous layers, soil profile, section properties
  SoilWorkingValues& working;
  // The pile's nodes in the solver mode; in the output mode the stations of
  // the printed curves.
  PileNodes& nodes;
  double pile_length;  // of the solution
  RunOutput& out;
  // Where the output pass keeps the curves it prints; null in the solver mode.
  std::vector<PyCurveResult>* printed = nullptr;

  SoilAccess soil() const {
    return {tables.layers,      tables.soil_profile, tables.unit_weights,
            input.ground_depth, pile_length,         out};
  }
};

// One call of a criterion routine for soil layer `layer` (1-based).
struct PyContext : PyPass {
  int layer;
  // Solver mode writes the nodes' moduli; output mode prints the curves at
  // the requested depths, which are then the nodes.
  bool output;
  // Layering switch: the rock-layer count in the solver mode, the layer's
  // layering-off mark (0 or 1) in the output mode. Zero: the layer's depth
  // is measured from its equivalent depth.
  int switch_value;

  int first_node() const;
  int last_node() const;
  const SoilLayer& soil_layer() const { return tables.layers[static_cast<std::size_t>(layer - 1)]; }
  bool cyclic() const { return input.options.cyclic; }
};

// Depths of a node: position x along the pile, vertical depth z, depth below
// the ground surface zs and the depth the criterion's equations use, zc.
struct NodeDepths {
  double x;
  double z;
  double zs;
  double zc;
};
NodeDepths DepthsAt(const PyContext& ctx, int node);

// p- and y-multipliers at position x along the pile, from the input table.
struct Multipliers {
  double pm = 1.0;
  double ym = 1.0;
};
Multipliers MultipliersAt(const std::vector<PyMultiplierPoint>& table, double x);

// Pile width at position x (the width the soil sees).
double PileWidthAt(const std::vector<SectionPoint>& section_points, double x);

// The summed resistance of the layers above `layer` that the layering
// correction starts from; a layer whose resistance is below 0.01 is given its
// stored liquefied-sand resistance, which is added instead.
double ResistanceAbove(SoilWorkingValues& working, int layer);

// Curve deflection of a node in the solver mode: |y - ys| / ym.
double CurveDeflection(const PyContext& ctx, int node, double ym);

// With soil movement, a node's load term becomes es ys + the averaged
// distributed load.
void ApplySoilMovement(const PyContext& ctx, int node);

// The layer resistance integral, built node by node in the solver mode.
class LayerResistanceSum {
 public:
  explicit LayerResistanceSum(const PyContext& ctx);
  // Adds the node's integrand r (and, for cyclic soft clay, its second,
  // shallow integrand); `end_term` is added at the layer's last node.
  void Add(int node, double r, double end_term, double r_second = 0.0);
  // The whole-layer estimate that replaces the sum in layer 1 when the
  // ground surface lies above the pile head.
  void ReplaceForLayerOne(double estimate);

 private:
  const PyContext& ctx_;
  double previous_ = 0.0;
  double previous_second_ = 0.0;
};

// Unit labels of the p-y curve reports, joined from the run's labels.
struct PyLabels {
  std::string length;            // "in "
  std::string depth;             // "ft" in USCS (depths printed in feet), else the length
  std::string stress;            // "lbs/in **2"
  std::string unit_weight;       // "lbs/in **3  "
  std::string force_per_length;  // "lbs/in "
};
PyLabels LabelsOf(UnitSystem units);

// Report lines of a curve block: label, tab to column 56, "= ", the value.
class CurveBlock {
 public:
  CurveBlock(RecordWriter& out, const PyLabels& labels) : out_(out), labels_(labels) {}
  void Title(std::string_view title);
  void Integer(std::string_view label, int value, int width = 12);
  void Value(std::string_view label, double value, int decimals = 3, std::string_view unit = {});
  // The two depth lines: feet in USCS, the length unit otherwise.
  void Depths(double z, double zs, bool uscs);
  void Degrees(std::string_view label, double radians);

 private:
  RecordWriter& out_;
  const PyLabels& labels_;
};

// Plot records of one printed curve of the context's layer; the curve and its
// points as printed are also kept in the pass's printed curves.
void PlotCurveHeader(const PyContext& ctx, double depth, int points, std::string_view text,
                     int curve);
void PlotCurvePoint(const PyContext& ctx, int k, double y, double p, std::string_view name);

}  // namespace tarvex

#endif  // TARVEX_SOIL_PY_CONTEXT_HPP_
