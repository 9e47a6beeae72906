#include "soil/py_context.hpp"

#include <cmath>

#include "core/section_properties.hpp"
#include "core/soil_criteria.hpp"

namespace tarvex {
namespace {

constexpr std::size_t At(int k) { return PileNodes::At(k); }

}  // namespace

int PyContext::first_node() const {
  return nodes.top_node_in_layer[static_cast<std::size_t>(layer)];
}

int PyContext::last_node() const {
  return nodes.bottom_node_in_layer[static_cast<std::size_t>(layer)];
}

NodeDepths DepthsAt(const PyContext& ctx, int node) {
  NodeDepths d;
  d.x = ctx.nodes.x[At(node)];
  d.z = ctx.output ? d.x : ctx.nodes.z[At(node)];
  d.zs = d.z - ctx.input.ground_depth;
  const int j = ctx.layer;
  if (j == 1) {
    d.zc = d.zs;
  } else {
    const SoilLayer& layer = ctx.soil_layer();
    d.zc = ctx.switch_value == 0 ? d.z - layer.top + ctx.working.heq[static_cast<std::size_t>(j)]
                                 : d.zs;
    // A layer lying wholly above the pile head: depths count from the top of
    // the profile.
    const std::vector<SoilLayer>& layers = ctx.tables.layers;
    const bool above_head =
        layers[0].bottom < -1e-8 || (layers.size() > 1 && layers[1].bottom < -1e-8);
    if (above_head) d.zc = d.z - layers[0].top;
  }
  return d;
}

Multipliers MultipliersAt(const std::vector<PyMultiplierPoint>& t, double x) {
  const std::size_t n = t.size();
  Multipliers m;
  if (n == 0 || x < t.front().depth || x > t.back().depth) return m;
  if (n == 1) return {t[0].pm, t[0].ym};
  std::size_t i = 1;
  while (i < n && !(x <= t[i].depth)) ++i;
  if (i == n) return m;
  if (x < t[i].depth) {
    const double f = (x - t[i - 1].depth) / (t[i].depth - t[i - 1].depth);
    m.pm = t[i - 1].pm + (t[i].pm - t[i - 1].pm) * f;
    m.ym = t[i - 1].ym + (t[i].ym - t[i - 1].ym) * f;
    return m;
  }
  // At a point: a repeated depth marks a step, and the deeper point holds.
  if (i + 1 < n && t[i + 1].depth == t[i].depth) ++i;
  return {t[i].pm, t[i].ym};
}

double PileWidthAt(const std::vector<SectionPoint>& section_points, double x) {
  return PropertiesAt(section_points, x).diameter;
}

double ResistanceAbove(SoilWorkingValues& working, int layer) {
  double sum = 0.0;
  for (int k = 1; k < layer; ++k) {
    const auto i = static_cast<std::size_t>(k);
    if (working.layer_resistance[i] < 0.01) {
      working.layer_resistance[i] = working.liquefied_resistance[i];
    }
    sum += working.layer_resistance[i];
    if (sum > 1e20) sum = 100.0;
  }
  return sum;
}

double CurveDeflection(const PyContext& ctx, int node, double ym) {
  const PileNodes& n = ctx.nodes;
  return std::fabs(n.y[At(node)] - n.ys[At(node)]) / ym;
}

void ApplySoilMovement(const PyContext& ctx, int node) {
  const InputModel& input = ctx.input;
  if (!input.options.soil_movement || input.soil_movements.size() < 2) return;
  PileNodes& n = ctx.nodes;
  n.w[At(node)] = n.es[At(node)] * n.ys[At(node)] + n.wbar[At(node)];
}

LayerResistanceSum::LayerResistanceSum(const PyContext& ctx) : ctx_(ctx) {
  // The printed curves use the sums left by the last solver pass.
  if (!ctx.output) ctx.working.layer_resistance[static_cast<std::size_t>(ctx.layer)] = 0.0;
}

void LayerResistanceSum::Add(int node, double r, double end_term, double r_second) {
  if (ctx_.output) return;
  double& sum = ctx_.working.layer_resistance[static_cast<std::size_t>(ctx_.layer)];
  const double h = ctx_.nodes.h;
  if (node > ctx_.first_node()) {
    sum += (previous_ + r) * h / 2.0;
    if (r_second != 0.0) sum += (previous_second_ + r_second) * h / 2.0;
  }
  if (node == ctx_.last_node()) sum += end_term;
  previous_ = r;
  previous_second_ = r_second;
}

void LayerResistanceSum::ReplaceForLayerOne(double estimate) {
  if (!ctx_.output && ctx_.layer == 1 && ctx_.input.ground_depth < -1e-5) {
    ctx_.working.layer_resistance[1] = estimate;
  }
}

PyLabels LabelsOf(UnitSystem units) {
  const UnitLabels& u = LabelsFor(units);
  PyLabels l;
  l.length = std::string(u.length);
  l.depth = units == UnitSystem::kUscs ? "ft" : std::string(u.length);
  const std::string per_length =
      std::string(u.force) + std::string(u.slash) + std::string(u.length);
  l.stress = per_length + std::string(u.power) + std::string(u.exponent2);
  l.unit_weight = per_length + std::string(u.power) + std::string(u.exponent3);
  l.force_per_length = per_length;
  return l;
}

void CurveBlock::Title(std::string_view title) { out_.Write("(//A/)", {title}); }

void CurveBlock::Integer(std::string_view label, int value, int width) {
  out_.Write("(A,T56,'= ',$)", {label});
  out_.Integer(value, width);
  out_.EndLine();
}

void CurveBlock::Value(std::string_view label, double value, int decimals, std::string_view unit) {
  out_.Write("(A,T56,'= ',$)", {label});
  out_.Fixed(value, 12, decimals);
  if (!unit.empty()) {
    out_.Text(" ");
    out_.Text(unit);
  }
  out_.EndLine();
}

void CurveBlock::Depths(double z, double zs, bool uscs) {
  const double scale = uscs ? 12.0 : 1.0;
  Value("Depth below pile head", z / scale, 3, labels_.depth);
  Value("Depth below ground surface", zs / scale, 3, labels_.depth);
}

void CurveBlock::Degrees(std::string_view label, double radians) {
  Value(label, radians * 180.0 / 3.141592653589793, 3, "degrees");
}

void PlotCurveHeader(const PyContext& ctx, double depth, int points, std::string_view text,
                     int curve) {
  ctx.out.plot.Write("(E15.7,I5,60X,A,I0)", {depth, points, text, curve});
  if (ctx.printed == nullptr) return;
  PyCurveResult& kept = ctx.printed->emplace_back();
  kept.number = static_cast<int>(ctx.printed->size());
  kept.depth = depth;
  kept.layer = ctx.layer;
  kept.criterion = ctx.soil_layer().code;
  const std::string_view name = SoilShortName(kept.criterion);
  kept.short_name = std::string(name.substr(0, name.find_last_not_of(' ') + 1));
  kept.y.reserve(static_cast<std::size_t>(points));
  kept.p.reserve(static_cast<std::size_t>(points));
}

void PlotCurvePoint(const PyContext& ctx, int k, double y, double p, std::string_view name) {
  ctx.out.plot.Write("(2E15.7,50X,A,I0,A,A)", {y, p, "Line 8(", k, "): y, p, for ", name});
  if (ctx.printed == nullptr || ctx.printed->empty()) return;
  ctx.printed->back().y.push_back(y);
  ctx.printed->back().p.push_back(p);
}

}  // namespace tarvex
