// The passes of the p-y criteria over the soil layers: the solver pass that
// gives every node its secant soil modulus, the preset of the criteria that
// set their moduli before a case's first solution, and the output pass that
// prints the curves at the depths the input asks for.
#ifndef TARVEX_SOIL_PY_CURVES_HPP_
#define TARVEX_SOIL_PY_CURVES_HPP_

#include <vector>

#include "core/derived_tables.hpp"
#include "core/input_model.hpp"
#include "core/node_soil.hpp"
#include "core/pile_nodes.hpp"
#include "core/printed_py_curve.hpp"
#include "core/soil_working_values.hpp"
#include "format/run_output.hpp"

namespace tarvex {

// One pass of the p-y criteria: what they read, the per-layer values they
// keep, the pile's nodes and where they write.
struct PyPass {
  const InputModel& input;
  const DerivedTables& tables;  // contiguous layers, soil profile, section properties
  SoilWorkingValues& working;
  PileNodes& nodes;    // the pile's nodes; the output pass only reads them
  double pile_length;  // of the solution
  RunOutput& out;
  // The soil read at the nodes, kept between the solver passes of a load
  // case; null: read at every pass.
  NodeSoilCache* soil_reads = nullptr;
};

// One solver pass: every layer that holds a node gives its nodes new secant
// soil moduli from their current deflections, in layer order; layers below a
// rock-type layer are marked so that their curves start from the ground
// surface rather than from an equivalent depth.
void UpdateSoilModuli(const PyPass& pass);

// Before the first solution of a load case: the criteria that set their
// nodes' moduli from the start (vuggy limestone) run once for every node of
// the pile, each run followed by the layering bookkeeping of a solver pass.
void PresetSoilModuli(const PyPass& pass);

// Receives the output pass's curves in printed order as the criteria form
// them, so that the report shows each block where the pass reached it, and an
// error a later station raises stands below the curves before it.
class PrintedCurveSink {
 public:
  virtual ~PrintedCurveSink() = default;
  // The pass begins, before any station.
  virtual void Start() = 0;
  virtual void Curve(const PrintedPyCurve& curve) = 0;
  // The stations of `layer` are done (a layer whose criterion prints no
  // curves included).
  virtual void LayerDone(int layer) = 0;
  // The pass is over, after its last curve or at an error a station raised:
  // every curve formed has been handed over.
  virtual void Done() = 0;
  // Station `station` of the `stations` requested depths lies above the
  // ground surface, at `depth`: no curve is formed, and the run ends.
  virtual void AboveGround(int stations, int station, double depth) = 0;
};

// Forms the p-y curves at the depths the input asks for (load case 1 only),
// with the equivalent depths and layer resistances the last solver pass
// left, hands each to `sink` and returns them as data in printed order. The
// curves are evaluated at
// stations of their own; the pile's nodes are only read.
std::vector<PrintedPyCurve> PrintPyCurves(const PyPass& pass, PrintedCurveSink& sink);

}  // namespace tarvex

#endif  // TARVEX_SOIL_PY_CURVES_HPP_
