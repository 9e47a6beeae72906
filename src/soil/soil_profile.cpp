// Soil properties at a depth: the profile rows built from the soil layers and
// the accessors through which the p-y criteria read strength, unit weight,
// friction angle and the other columns at a node.
#include "soil/soil_profile.hpp"

#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string_view>

#include "engine/diagnostics.hpp"
#include "engine/model.hpp"
#include "engine/soil_criteria.hpp"

namespace tarvex {
namespace {

// At an interface a value below this counts as not given for that layer.
constexpr double kAbsent = 1e-20;

std::size_t At(int i) { return static_cast<std::size_t>(i); }

double Depth(const SoilProfile& p, int row) { return p.depth[At(row)]; }
double Value(const SoilProfile& p, int row, int column) { return p.value[At(row)][At(column)]; }

void StoreRow(SoilProfile& p, int row, double depth, const SoilValues& v) {
  p.depth[At(row)] = depth;
  std::array<double, kProfileColumns + 1>& r = p.value[At(row)];
  r[kColStrength] = v.cohesion;
  r[kColEps50] = v.eps50;
  r[kColJ] = v.j;
  r[kColFriction] = v.friction;
  r[kColRqd] = v.rqd;
  r[kColSpt] = v.test[0];
  r[kColConeTip] = v.test[1];
  r[kColTestType] = v.test_type;
  r[kColDilatometer] = v.test[2];
  r[kColPressuremeter] = v.test[3];
  r[kColSubgrade] = v.subgrade;
}

// ---------------------------------------------------------------------------
// Row search of the column accessors.

// What a column accessor returns where two rows share the depth asked for (a
// layer interface), with u the upper layer's value and l the lower layer's.
enum class InterfaceRule {
  kPresentOrMean,       // u when l is absent, l when u is absent, else the mean; u at the tip
  kPresentOrMeanNoTip,  // the same without the pile-tip exception (RQD)
  kLowerUnlessTip,      // l, the rock below; u at the tip; also at the deepest row (k_rm)
};

double AtInterface(InterfaceRule rule, double u, double l, bool at_tip) {
  if (rule == InterfaceRule::kLowerUnlessTip) return at_tip ? u : l;
  if (rule == InterfaceRule::kPresentOrMean && at_tip) return u;
  if (l < kAbsent) return u;
  if (u < kAbsent) return l;
  return (u + l) / 2.0;
}

// Column `column` of the profile at z, linear between the two rows around it;
// empty when z lies below the deepest row. Depth comparisons are exact.
std::optional<double> ColumnAt(const SoilProfile& p, int column, double z, double pile_length,
                               InterfaceRule rule) {
  const int n = p.rows;
  int i = 2;
  while (i <= n && !(z <= Depth(p, i))) ++i;
  if (i > n) return std::nullopt;

  const bool at_tip = z == pile_length;
  const double vi = Value(p, i, column);
  const double below = i < n ? Value(p, i + 1, column) : 0.0;  // nothing below the deepest row
  if (z == Depth(p, n)) {
    return rule == InterfaceRule::kLowerUnlessTip ? AtInterface(rule, vi, below, at_tip) : vi;
  }
  if (z < Depth(p, i)) {
    const double dx = Depth(p, i) - Depth(p, i - 1);
    // Only a depth above the first row can meet a layer of no thickness here.
    if (dx <= 0.0) return Value(p, i - 1, column);
    const double v0 = Value(p, i - 1, column);
    return v0 + (z - Depth(p, i - 1)) * (vi - v0) / dx;
  }
  if (i < n && Depth(p, i + 1) == z) return AtInterface(rule, vi, below, at_tip);
  return vi;
}

// ---------------------------------------------------------------------------
// Error blocks. Input errors go to the report and the message file.

// Errors 4 and 31 share their opening and differ in the quantity named.
void ReportColumnBeyond(AnalysisModel& m, double z, int number, std::string_view quantity,
                        std::initializer_list<std::string_view> solution) {
  for (RecordWriter* out : {&m.report, &m.message}) {
    out->Write("(A,I0,A/)", {"**** Input Data Error No. ", number, " ****"});
    out->Write("(A)", {"An error was detected that is related to an incompatibility"});
    out->Write("(A)", {"between the input data defining the embedment of the pile and"});
    out->Write("(A,E12.4)", {"Problem:  The value for a pile station depth is ", z});
    out->Write("(A)", {"This depth is below the deepest extent of the input data for"});
    out->Write("(A/)", {quantity});
    for (std::string_view line : solution) out->Write("(A)", {line});
  }
}

void ReportFrictionBeyond(AnalysisModel& m, double z) {
  ReportColumnBeyond(m, z, 4, "soil friction angle versus depth.",
                     {"Solution:  Please revise the input data by either extending ",
                      "the maximum depth for soil friction angle or shorten the ",
                      "pile to correct this problem."});
  ReportError(m, "INP00004", 104);
}

void ReportRqdBeyond(AnalysisModel& m, double z) {
  ReportColumnBeyond(m, z, 31, "RQD versus depth.",
                     {"Solution:  Revise the input data by either extending the ",
                      "maximum depth for RQD or shorten the pile to correct this ", "problem."});
  ReportError(m, "INP00031", 131);
}

void ReportRqdOutOfRange(AnalysisModel& m, double rqd) {
  for (RecordWriter* out : {&m.report, &m.message}) {
    out->Write("(A/)", {"**** Input Data Error No. 49 ****"});
    out->Write("(A)",
               {"Problem:  The interpolated value of RQD used for p-y curves in weak rock "});
    out->Write("(A)",
               {"was found to be invalid because it was either less than zero or more than "});
    out->Write("(A/)", {"100 percent."});
    out->Write("(A/)", {"Solution:  Check your input data and revise in the data for RQD."});
    out->Write("(A,E12.4,A)", {"The interpolated value of RQD = ", rqd, " %"});
  }
  ReportError(m, "INP00049", 149);
}

}  // namespace

void BuildSoilProfile(AnalysisModel& model) {
  SoilProfile& p = model.soil_profile;
  UnitWeightProfile& w = model.unit_weights;
  p = SoilProfile{};
  w = UnitWeightProfile{};
  // The layer count is held to the model's capacity when read, so the rows fit.
  int row = 0;
  for (const SoilLayer& layer : model.layers) {
    if (row + 2 > SoilProfile::kMaxRows) break;
    ++row;
    StoreRow(p, row, layer.top, layer.at_top);
    w.depth[At(row)] = layer.top;
    w.weight[At(row)] = layer.at_top.unit_weight;
    ++row;
    StoreRow(p, row, layer.bottom, layer.at_bottom);
    w.depth[At(row)] = layer.bottom;
    w.weight[At(row)] = layer.at_bottom.unit_weight;
  }
  p.rows = row;
  w.points = row;
}

double FrictionAngleAt(AnalysisModel& model, double z) {
  const std::optional<double> phi = ColumnAt(model.soil_profile, kColFriction, z, model.pile_length,
                                             InterfaceRule::kPresentOrMean);
  if (!phi) {
    ReportFrictionBeyond(model, z);
    return 0.0;
  }
  return *phi;
}

double Epsilon50At(AnalysisModel& model, double z) {
  return ColumnAt(model.soil_profile, kColEps50, z, model.pile_length,
                  InterfaceRule::kPresentOrMean)
      .value_or(0.0);
}

double JAt(AnalysisModel& model, double z) {
  return ColumnAt(model.soil_profile, kColJ, z, model.pile_length, InterfaceRule::kPresentOrMean)
      .value_or(0.0);
}

double RqdAt(AnalysisModel& model, double z) {
  const std::optional<double> rqd = ColumnAt(model.soil_profile, kColRqd, z, model.pile_length,
                                             InterfaceRule::kPresentOrMeanNoTip);
  if (!rqd) {
    ReportRqdBeyond(model, z);
    return 0.0;
  }
  if (*rqd < 0.0 || *rqd > 100.0) {
    ReportRqdOutOfRange(model, *rqd);
    return 0.0;
  }
  return *rqd;
}

double RockColumn2At(AnalysisModel& model, double z) {
  return ColumnAt(model.soil_profile, kColEps50, z, model.pile_length,
                  InterfaceRule::kLowerUnlessTip)
      .value_or(0.0);
}

}  // namespace tarvex
