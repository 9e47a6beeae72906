// The dispatcher of the p-y criteria: the passes over the soil layers and the
// steps of the node loop that are the same for every criterion.
#include "soil/py_dispatch.hpp"

#include <memory>
#include <string>

#include "core/distinct.hpp"
#include "core/section_properties.hpp"
#include "format/error_text.hpp"
#include "soil/layer_nodes.hpp"
#include "soil/py_modifiers.hpp"

namespace tarvex {
namespace {

constexpr std::size_t At(int k) { return PileNodes::At(k); }
constexpr std::size_t Slot(int j) { return static_cast<std::size_t>(j); }

const SoilLayer& LayerOf(const PyPass& pass, int j) {
  return pass.tables.layers[static_cast<std::size_t>(j - 1)];
}

// What a layer means for the layers below it, once its criterion has run.
void LayeringBookkeeping(SoilWorkingValues& working, int j, LayeringGroup group) {
  bool& off = working.layering_off[Slot(j)];
  switch (group) {
    case LayeringGroup::kSoil:
      if (working.rock_layer_count >= 1) off = true;
      break;
    case LayeringGroup::kWeakRock:
      ++working.rock_layer_count;
      off = true;
      break;
    case LayeringGroup::kRockType:
      if (working.rock_layer_count >= 1) off = true;
      ++working.rock_layer_count;
      break;
    case LayeringGroup::kNone:
      break;
  }
}

// One solver-mode call of the criterion of layer j; false when the run is to
// stop on an error. Every criterion the solver calls has its operations (the
// criterion table's test holds the table to it).
bool SolveLayer(const PyPass& pass, int j, const CriterionRow& row) {
  SoilWorkingValues& working = pass.working;
  LayerPass layer(pass, pass.nodes, j, false, working.rock_layer_count, nullptr, nullptr);
  row.ops->run_layer(layer);
  if (pass.out.failed()) return false;
  LayeringBookkeeping(working, j, row.group);
  return true;
}

// Layers above `layer` whose resistance is below 0.01 take their stored
// liquefied-sand resistance (0 unless the layer is liquefied sand).
void GiveLiquefiedResistance(SoilWorkingValues& working, int layer) {
  for (int k = 1; k < layer; ++k) {
    if (working.layer_resistance[Slot(k)] < 0.01) {
      working.layer_resistance[Slot(k)] = working.liquefied_resistance[Slot(k)];
    }
  }
}

// The sum of the layer resistances above `layer`; a running sum beyond 1e20
// becomes 100.
double SummedResistanceAbove(const SoilWorkingValues& working, int layer) {
  double sum = 0.0;
  for (int k = 1; k < layer; ++k) {
    sum += working.layer_resistance[Slot(k)];
    if (sum > 1e20) sum = 100.0;
  }
  return sum;
}

}  // namespace

// ---------------------------------------------------------------------------
// A printed curve.

void PyCurveOut::Point(double y, double p, bool marked) {
  curve_.y.push_back(y);
  curve_.p.push_back(p);
  if (marked) curve_.marked_points.push_back(static_cast<int>(curve_.y.size()));
}

void PyCurveOut::Plot(std::string_view line7, std::string_view line8, CurvePlotPoints points) {
  curve_.plot_line7 = line7;
  curve_.plot_line8 = line8;
  curve_.plot_narrow_point_numbers = points == CurvePlotPoints::kNarrow;
}

void PyCurveOut::Clear() { curve_ = PrintedPyCurve{}; }

// ---------------------------------------------------------------------------
// The steps of the node loop.

LayerPass::LayerPass(const PyPass& pass, PileNodes& nodes, int layer, bool output, int switch_value,
                     PyCurveOut* curve, std::vector<PrintedPyCurve>* printed,
                     PrintedCurveSink* sink)
    : pass_(pass),
      nodes_(nodes),
      soil_{pass.tables.layers,      pass.tables.soil_profile, pass.tables.unit_weights,
            pass.input.ground_depth, pass.pile_length,         pass.out},
      call_{layer,
            nodes.top_node_in_layer[Slot(layer)],
            nodes.bottom_node_in_layer[Slot(layer)],
            output,
            switch_value,
            LayerOf(pass, layer),
            pass.tables.layers,
            soil_,
            pass.nodes,
            pass.input.options.units,
            pass.input.options.cyclic,
            pass.input.options.cycles,
            pass.input.slope_angle,
            pass.input.batter_angle,
            pass.input.slope_minus_batter,
            pass.input.ground_depth,
            pass.pile_length,
            nodes.h,
            0.0,
            pass.out,
            pass.working.sand_k_above_water[Slot(layer)]},
      curve_(curve),
      printed_(printed),
      sink_(sink) {
  if (call_.last_node >= 1) call_.x_last = nodes.x[At(call_.last_node)];
}

void LayerPass::ReadSoil(unsigned reads, NodeSoil* s) {
  RunOutput& out = pass_.out;
  s->zs = s->z - pass_.input.ground_depth;
  s->b = PropertiesAt(pass_.tables.section_points, s->x).diameter;
  // A GROUPEFF table applies only with the option UsePYModifiers YES.
  const Multipliers mu = pass_.input.options.py_modifiers
                             ? MultipliersAt(pass_.input.py_multipliers, s->x)
                             : Multipliers{};
  s->pm = mu.pm;
  s->ym = mu.ym;
  // The reads that can fail only do so below the deepest row of the
  // profile, which no node of a layer reaches.
  if ((reads & kReadStrength) != 0) {
    s->c = ShearStrengthAt(soil_, s->z, &s->at_node, call_.layer);
    if (out.failed()) return;
  }
  if ((reads & kReadUnitWeight) != 0) {
    s->gamma = AverageUnitWeight(soil_, s->z);
    if (out.failed()) return;
  }
  if ((reads & kReadAverageStrength) != 0) {
    s->ca = AverageStrength(soil_, s->z, call_.layer);
    if (out.failed()) return;
  }
  if ((reads & kReadEps50) != 0) s->eps50 = Epsilon50At(soil_, s->z);
  if ((reads & kReadJ) != 0) s->j = JAt(soil_, s->z);
  if ((reads & kReadFriction) != 0) {
    s->phi = FrictionAngleAt(soil_, s->z);
    if (out.failed()) return;
  }
  if ((reads & kReadRqd) != 0) {
    s->rqd = RqdAt(soil_, s->z);
    if (out.failed()) return;
  }
  if ((reads & kReadRockColumn2) != 0) s->k_rm = RockColumn2At(soil_, s->z);
}

bool LayerPass::Read(unsigned reads, PyNode* node) {
  const std::size_t k = At(node->i);
  NodeSoil& s = *node;
  const double x = nodes_.x[k];
  // A printed curve lies at its requested depth below the pile head.
  const double z = call_.output ? x : nodes_.z[k];
  NodeSoilCache* cache = call_.output ? nullptr : pass_.soil_reads;
  if (cache != nullptr) {
    NodeSoilCache::Entry& e = cache->entries[k];
    if (e.layer == call_.layer && e.soil.x == x && e.soil.z == z &&
        e.pile_length == pass_.pile_length && (e.reads & reads) == reads) {
      s = e.soil;
    } else {
      e.layer = 0;
      e.kept_for = nullptr;
      s.x = x;
      s.z = z;
      ReadSoil(reads, &s);
      if (pass_.out.failed()) return false;
      e.soil = s;
      e.layer = call_.layer;
      e.reads = reads;
      e.pile_length = pass_.pile_length;
    }
  } else {
    s.x = x;
    s.z = z;
    ReadSoil(reads, &s);
    if (pass_.out.failed()) return false;
  }
  // In the output pass the slope direction is taken from the deflection of
  // the pile node whose number is the curve's number in the list of
  // requested depths, not from the pile at the curve's depth.
  node->y = pass_.nodes.y[k];
  return true;
}

unsigned char* LayerPass::KeepValues(NodeSoilCache& store, int i, const void* criterion) const {
  const std::size_t k = At(i);
  NodeSoilCache::Entry& e = store.entries[k];
  if (!store.keep_values || e.layer != call_.layer) return nullptr;
  e.kept_for = criterion;
  return store.KeptSlot(k);
}

bool LayerPass::StartsLayering(int i) const {
  return !call_.output && i == call_.first_node && call_.layer >= 2 && call_.switch_value == 0;
}

double LayerPass::ResistanceAbove() {
  GiveLiquefiedResistance(pass_.working, call_.layer);
  return SummedResistanceAbove(pass_.working, call_.layer);
}

void LayerPass::SetEquivalentDepth(double heq) { pass_.working.heq[Slot(call_.layer)] = heq; }

void LayerPass::StartResistance() {
  pass_.working.layer_resistance[Slot(call_.layer)] = 0.0;
  previous_r_ = previous_second_ = 0.0;
}

PyCurveOut& LayerPass::StartCurve() {
  curve_->Clear();
  return *curve_;
}

void LayerPass::EndCurve(const PyNode& node) {
  PrintedPyCurve& printed = printed_->emplace_back(std::move(curve_->curve_));
  printed.number = node.i;
  printed.depth = node.x;
  printed.layer = call_.layer;
  printed.criterion = static_cast<int>(call_.soil_layer.code);
  if (sink_ != nullptr) sink_->Curve(printed);
}

// ---------------------------------------------------------------------------
// The passes.

void UpdateSoilModuli(const PyPass& pass) {
  pass.working.rock_layer_count = 0;
  const int layers = static_cast<int>(pass.tables.layers.size());
  for (int j = 1; j <= layers; ++j) {
    if (pass.nodes.top_node_in_layer[Slot(j)] == 0) continue;
    const CriterionRow& row = CriterionOf(LayerOf(pass, j).code);
    if (!row.solver) continue;  // frozen soil keeps the starting moduli
    if (!SolveLayer(pass, j, row)) return;
  }
}

void PresetSoilModuli(const PyPass& pass) {
  const int layers = static_cast<int>(pass.tables.layers.size());
  auto presets = [&](int j) {
    return pass.nodes.top_node_in_layer[Slot(j)] != 0 && CriterionOf(LayerOf(pass, j).code).preset;
  };
  bool any = false;
  for (int j = 1; j <= layers && !any; ++j) any = presets(j);
  if (!any) return;
  // Once for every node of the pile, as the criterion's routine is called
  // (its warnings are counted each time).
  for (int k = 1; k <= pass.nodes.count; ++k) {
    for (int j = 1; j <= layers; ++j) {
      if (!presets(j)) continue;
      if (!SolveLayer(pass, j, CriterionOf(LayerOf(pass, j).code))) return;
    }
  }
}

std::vector<PrintedPyCurve> PrintPyCurves(const PyPass& pass, PrintedCurveSink& sink) {
  std::vector<PrintedPyCurve> printed;
  RunOutput& out = pass.out;
  const InputModel& input = pass.input;
  // Requested depths ascending, each once.
  std::vector<double> distinct = input.py_output_depths;
  KeepDistinctSorted(distinct);
  const int n = static_cast<int>(distinct.size());
  out.message.Write("(A)", {"Computing p-y curves for output at user-specified depths."});
  sink.Start();
  if (n < 1) {
    sink.Done();
    return printed;
  }
  for (int k = 1; k <= n; ++k) {
    const double depth = distinct[static_cast<std::size_t>(k - 1)];
    if (!(depth < input.ground_depth)) continue;
    const std::string_view unit = LabelsFor(input.options.units).length;
    const ErrorValues values = {ErrorValue("depth", depth, unit),
                                ErrorValue("ground surface", input.ground_depth, unit),
                                ErrorValue("depth number", k)};
    ErrorBlock block(out);
    WriteErrorText(ErrorId::kPrintedCurveAboveGround, values, out.report, out.message);
    sink.AboveGround(n, k, depth);
    block.Report(ErrorId::kPrintedCurveAboveGround, values);
    return printed;
  }

  // The stations of the printed curves: the requested depths along the pile,
  // assigned to the layers by position.
  auto stations = std::make_unique<PileNodes>();
  stations->count = n;
  for (int k = 1; k <= n; ++k) {
    stations->x[At(k)] = distinct[static_cast<std::size_t>(k - 1)];
  }
  AssignNodesToLayers(pass.tables.layers, true, *stations, out.report);
  printed.reserve(static_cast<std::size_t>(n));
  PyCurveOut curve;
  const int layers = static_cast<int>(pass.tables.layers.size());
  for (int j = 1; j <= layers && !out.failed(); ++j) {
    if (stations->top_node_in_layer[Slot(j)] == 0) continue;
    const CriterionRow& row = CriterionOf(LayerOf(pass, j).code);
    if (row.prints_curve) {
      LayerPass layer(pass, *stations, j, true, pass.working.layering_off[Slot(j)] ? 1 : 0, &curve,
                      &printed, &sink);
      row.ops->run_layer(layer);
    }
    if (out.failed()) break;
    sink.LayerDone(j);
  }
  sink.Done();
  return printed;
}

}  // namespace tarvex
