// Dispatch of the p-y criteria over the soil layers: the solver pass that
// gives every node its secant soil modulus, and the output pass that prints
// the curves at the depths the input asks for.
#include "soil/py_curves.hpp"

#include <memory>
#include <string>

#include "core/distinct.hpp"
#include "core/soil_criteria.hpp"
#include "soil/criteria.hpp"
#include "soil/layer_nodes.hpp"

namespace tarvex {
namespace {

enum class Group {
  kSoil,      // layers below a rock-type layer lose their equivalent depth
  kWeakRock,  // counts as rock and is itself marked
  kRockType,  // marked when below rock, then counts as rock
  kNone,      // no bookkeeping
};

struct Criterion {
  SoilCriterion code;
  void (*routine)(const PyContext&);  // null: not part of this build
  Group group;
  const char* description;
};

// In the order the dispatcher compares short names.
constexpr Criterion kSolverOrder[] = {
    {kSoftClay, SoftClayCriterion, Group::kSoil, "soft clay"},
    {kSoftClayJ, SoftClayJCriterion, Group::kSoil, "soft clay with J"},
    {kStiffClayFreeWater, StiffClayFreeWaterCriterion, Group::kSoil, "stiff clay with free water"},
    {kStiffClayNoFreeWater, StiffClayNoFreeWaterCriterion, Group::kSoil,
     "stiff clay without free water"},
    {kStiffClayNoFreeWaterK, StiffClayNoFreeWaterKCriterion, Group::kSoil,
     "stiff clay without free water with k"},
    {kSandReese, nullptr, Group::kSoil, "sand"},
    {kSandApi, nullptr, Group::kSoil, "API sand"},
    {kLiquefiedSand, nullptr, Group::kSoil, "liquefied sand"},
    {kCementedSilt, nullptr, Group::kSoil, "cemented silt"},
    {kUserPy, nullptr, Group::kNone, "user-input p-y curve"},
    {kWeakRock, nullptr, Group::kWeakRock, "weak rock"},
    {kVuggyLimestone, nullptr, Group::kRockType, "vuggy limestone"},
    {kMassiveRock, nullptr, Group::kRockType, "massive rock"},
    {kLoess, nullptr, Group::kRockType, "loess"},
    {kPiedmont, nullptr, Group::kRockType, "Piedmont residual soil"},
    {kElasticSubgrade, ElasticSubgradeCriterion, Group::kRockType, "elastic subgrade"},
};

// The printed curves take the criteria in this order; massive rock prints none.
constexpr SoilCriterion kOutputOrder[] = {kSoftClay,
                                          kSoftClayJ,
                                          kStiffClayFreeWater,
                                          kStiffClayNoFreeWater,
                                          kStiffClayNoFreeWaterK,
                                          kSandReese,
                                          kSandApi,
                                          kLiquefiedSand,
                                          kWeakRock,
                                          kVuggyLimestone,
                                          kCementedSilt,
                                          kUserPy,
                                          kLoess,
                                          kPiedmont,
                                          kElasticSubgrade};

const Criterion* Find(int code) {
  for (const Criterion& c : kSolverOrder) {
    if (SameShortName(SoilShortName(code), SoilShortName(c.code))) return &c;
  }
  return nullptr;
}

// A layer of a criterion this build does not compute: the run ends rather
// than leave the layer's nodes on their starting moduli.
void NotBuilt(RunOutput& out, const Criterion& c) {
  ReportStageNotBuilt(out, std::string("p-y curves of the ") + c.description + " criterion");
}

}  // namespace

void UpdateSoilModuli(const PyPass& pass) {
  SoilWorkingValues& working = pass.working;
  working.rock_layer_count = 0;
  const int layers = static_cast<int>(pass.tables.layers.size());
  for (int j = 1; j <= layers; ++j) {
    if (pass.nodes.top_node_in_layer[static_cast<std::size_t>(j)] == 0) continue;
    const Criterion* c = Find(pass.tables.layers[static_cast<std::size_t>(j - 1)].code);
    if (c == nullptr) continue;  // frozen soil and undefined codes get no curves
    if (c->routine == nullptr) {
      NotBuilt(pass.out, *c);
      return;
    }
    c->routine(PyContext{pass, j, false, working.rock_layer_count});
    if (pass.out.failed()) return;
    bool& off = working.layering_off[static_cast<std::size_t>(j)];
    switch (c->group) {
      case Group::kSoil:
        if (working.rock_layer_count >= 1) off = true;
        break;
      case Group::kWeakRock:
        ++working.rock_layer_count;
        off = true;
        break;
      case Group::kRockType:
        if (working.rock_layer_count >= 1) off = true;
        ++working.rock_layer_count;
        break;
      case Group::kNone:
        break;
    }
  }
}

void PrintPyCurves(const PyPass& pass) {
  RunOutput& out = pass.out;
  const InputModel& input = pass.input;
  // Requested depths ascending, each once.
  std::vector<double> distinct = input.py_output_depths;
  KeepDistinctSorted(distinct);
  const int n = static_cast<int>(distinct.size());
  out.plot.Write("(I5,75X,A)", {n, "Line 6 : number of output p-y curves"});
  out.message.Write("(A)", {"Computing p-y curves for output at user-specified depths."});
  out.report.Write("(80('-')/20X,A/80('-'))", {"p-y Curves Reported for Specified Depths"});
  if (n < 1) return;
  for (int k = 1; k <= n; ++k) {
    const double depth = distinct[static_cast<std::size_t>(k - 1)];
    if (!(depth < input.ground_depth)) continue;
    const std::string unit(LabelsFor(input.options.units).length);
    ErrorBlock block(out);
    for (RecordWriter* w : {&out.report, &out.message}) {
      w->Write("(A/)", {"**** Input Data Error No. 23 (NON-FATAL) ****"});
      w->Write("(A,I0)", {"p-y curves cannot be generated at depth number ", k});
      w->Write("(A,F9.3,1X,A,A)",
               {"This location is ", depth, unit.substr(0, 1), " below the pile head and "});
      w->Write("(A/)", {"is above the ground surface for this problem."});
      w->Write("(A,F9.3,1X,A,A/)",
               {"The ground surface is ", input.ground_depth, unit, " below the top of the pile."});
    }
    out.plot.Write("(E15.7,I5,60X,A,I0)",
                   {depth, 0, "Line 7:  p-y curve depth, no. p-y points on curve no. ", k});
    block.Set("INP00023", 123);
    return;
  }

  // The stations of the printed curves: the requested depths along the pile,
  // assigned to the layers by position. The slope and batter factor takes
  // the direction of the deflection from the pile node of the same number,
  // as the case's last solution left it.
  auto stations = std::make_unique<PileNodes>();
  stations->count = n;
  for (int k = 1; k <= n; ++k) {
    stations->x[PileNodes::At(k)] = distinct[static_cast<std::size_t>(k - 1)];
  }
  stations->y = pass.nodes.y;
  AssignNodesToLayers(pass.tables.layers, true, *stations, out.report);
  const PyPass at_stations{input, pass.tables, pass.working, *stations, pass.pile_length,
                           out,   pass.printed};
  const int layers = static_cast<int>(pass.tables.layers.size());
  for (int j = 1; j <= layers && !out.failed(); ++j) {
    if (stations->top_node_in_layer[static_cast<std::size_t>(j)] == 0) continue;
    const SoilCriterion code = pass.tables.layers[static_cast<std::size_t>(j - 1)].code;
    for (SoilCriterion printed : kOutputOrder) {
      if (!SameShortName(SoilShortName(code), SoilShortName(printed))) continue;
      const Criterion* c = Find(printed);
      if (c->routine == nullptr) {
        NotBuilt(out, *c);
      } else {
        c->routine(PyContext{at_stations, j, true,
                             pass.working.layering_off[static_cast<std::size_t>(j)] ? 1 : 0});
      }
      break;
    }
    if (out.failed()) break;
    out.report.Write("(/)");
  }
}

}  // namespace tarvex
