// Dispatch of the p-y criteria over the soil layers: the solver pass that
// gives every node its secant soil modulus, and the output pass that prints
// the curves at the depths the input asks for.
#include "soil/py_curves.hpp"

#include <string>

#include "engine/soil_criteria.hpp"
#include "input/section_readers.hpp"
#include "pile/node_setup.hpp"
#include "soil/criteria.hpp"

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
void NotBuilt(AnalysisModel& model, const Criterion& c) {
  ReportStageNotBuilt(model, std::string("p-y curves of the ") + c.description + " criterion");
}

}  // namespace

void UpdateSoilModuli(AnalysisModel& model) {
  model.rock_layer_count = 0;
  const int layers = static_cast<int>(model.layers.size());
  for (int j = 1; j <= layers; ++j) {
    if (model.nodes.top_node_in_layer[static_cast<std::size_t>(j)] == 0) continue;
    const Criterion* c = Find(model.layers[static_cast<std::size_t>(j - 1)].code);
    if (c == nullptr) continue;  // frozen soil and undefined codes get no curves
    if (c->routine == nullptr) {
      NotBuilt(model, *c);
      return;
    }
    c->routine(PyContext{model, j, false, model.rock_layer_count});
    if (model.failed()) return;
    bool& off = model.layering_off[static_cast<std::size_t>(j)];
    switch (c->group) {
      case Group::kSoil:
        if (model.rock_layer_count >= 1) off = true;
        break;
      case Group::kWeakRock:
        ++model.rock_layer_count;
        off = true;
        break;
      case Group::kRockType:
        if (model.rock_layer_count >= 1) off = true;
        ++model.rock_layer_count;
        break;
      case Group::kNone:
        break;
    }
  }
}

void PrintPyCurves(AnalysisModel& model) {
  // Requested depths ascending, each once.
  std::vector<double> distinct = model.py_output_depths;
  KeepDistinctSorted(distinct);
  const int n = static_cast<int>(distinct.size());
  model.plot.Write("(I5,75X,A)", {n, "Line 6 : number of output p-y curves"});
  model.message.Write("(A)", {"Computing p-y curves for output at user-specified depths."});
  model.report.Write("(80('-')/20X,A/80('-'))", {"p-y Curves Reported for Specified Depths"});
  if (n >= 1) {
    PileNodes& nodes = model.nodes;
    for (int k = 1; k <= n; ++k)
      nodes.x[PileNodes::At(k)] = distinct[static_cast<std::size_t>(k - 1)];
    bool above_ground = false;
    for (int k = 1; k <= n && !above_ground; ++k) {
      const double depth = distinct[static_cast<std::size_t>(k - 1)];
      if (!(depth < model.ground_depth)) continue;
      above_ground = true;
      const std::string unit(model.labels.length);
      for (RecordWriter* out : {&model.report, &model.message}) {
        out->Write("(A/)", {"**** Input Data Error No. 23 (NON-FATAL) ****"});
        out->Write("(A,I0)", {"p-y curves cannot be generated at depth number ", k});
        out->Write("(A,F9.3,1X,A,A)",
                   {"This location is ", depth, unit.substr(0, 1), " below the pile head and "});
        out->Write("(A/)", {"is above the ground surface for this problem."});
        out->Write("(A,F9.3,1X,A,A/)", {"The ground surface is ", model.ground_depth, unit,
                                        " below the top of the pile."});
      }
      model.plot.Write("(E15.7,I5,60X,A,I0)",
                       {depth, 0, "Line 7:  p-y curve depth, no. p-y points on curve no. ", k});
      SetErrorCode(model, 123);
    }
    if (!above_ground) {
      const int saved_count = nodes.count;
      nodes.count = n;
      AssignNodesToLayers(model, true);
      const int layers = static_cast<int>(model.layers.size());
      for (int j = 1; j <= layers && !model.failed(); ++j) {
        if (nodes.top_node_in_layer[static_cast<std::size_t>(j)] == 0) continue;
        const int code = model.layers[static_cast<std::size_t>(j - 1)].code;
        for (SoilCriterion printed : kOutputOrder) {
          if (!SameShortName(SoilShortName(code), SoilShortName(printed))) continue;
          const Criterion* c = Find(printed);
          if (c->routine == nullptr) {
            NotBuilt(model, *c);
          } else {
            c->routine(
                PyContext{model, j, true, model.layering_off[static_cast<std::size_t>(j)] ? 1 : 0});
          }
          break;
        }
        if (model.failed()) break;
        model.report.Write("(/)");
      }
      nodes.count = saved_count;
    }
  }
  // The nodes of the pile again.
  SetNodeGeometry(model);
  AssignNodesToLayers(model, false);
}

}  // namespace tarvex
