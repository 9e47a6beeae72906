#include "pile/node_setup.hpp"

#include <cmath>

#include "pile/section_properties.hpp"

namespace tarvex {
namespace {

constexpr std::size_t At(int k) { return PileNodes::At(k); }

}  // namespace

double ProfileIntegral(const std::vector<DistributedLoadPoint>& p, double a, double b) {
  double sum = 0.0;
  for (std::size_t i = 0; i + 1 < p.size(); ++i) {
    const double d0 = p[i].depth, d1 = p[i + 1].depth;
    if (!(d1 > d0)) continue;
    const double lo = std::max(a, d0), hi = std::min(b, d1);
    if (!(hi > lo)) continue;
    const double slope = (p[i + 1].load - p[i].load) / (d1 - d0);
    const double w_lo = p[i].load + slope * (lo - d0);
    const double w_hi = p[i].load + slope * (hi - d0);
    sum += (w_lo + w_hi) * (hi - lo) / 2.0;
  }
  return sum;
}

namespace {

// Secant stiffness from one moment-curvature curve for node k with moment m.
double EiLookup(const MomentCurvatureCurve& c, double m, double phi) {
  if (c.count < 1) return 0.0;
  const auto last = static_cast<std::size_t>(c.count - 1);
  if (std::fabs(m) <= c.moment[0]) return c.ei[0];
  if (phi <= c.curvature[0]) return c.ei[0];
  if (phi >= c.curvature[last]) return c.moment[last] / phi;
  std::size_t j = 0;
  while (j + 1 < last && !(c.curvature[j] < phi && phi <= c.curvature[j + 1])) ++j;
  const double mj = c.moment[j], mj1 = c.moment[j + 1];
  return (mj + (mj1 - mj) * (phi - c.curvature[j]) / (c.curvature[j + 1] - c.curvature[j])) / phi;
}

// Curvature at node k from the deflections (0 at the tip).
double NodeCurvature(const PileNodes& n, int k) {
  if (k >= n.count) return 0.0;
  return std::fabs((n.y[At(k + 1)] - 2.0 * n.y[At(k)] + n.y[At(k - 1)]) / (n.h * n.h));
}

}  // namespace

void SetNodeGeometry(AnalysisModel& model) {
  PileNodes& n = model.nodes;
  const int increments = model.options.increments;
  n.count = increments + 1;
  n.h = model.pile_length / increments;
  const double cos_batter = std::cos(model.batter_angle);
  for (int k = 1; k <= n.count; ++k) {
    n.x[At(k)] = (k - 1) * n.h;
    n.z[At(k)] = n.x[At(k)] * cos_batter;
  }
  n.x[At(n.count)] = model.pile_length;
}

double NodeDistributedLoad(const std::vector<DistributedLoadPoint>& profile, double x, double h) {
  if (profile.empty()) return 0.0;
  return ProfileIntegral(profile, x - h / 2.0, x + h / 2.0) / h;
}

void SetNodeProperties(AnalysisModel& model, bool with_loads) {
  PileNodes& n = model.nodes;
  const int sections = static_cast<int>(model.sections.size());
  for (int k = 1; k <= n.count; ++k) {
    const double x = n.x[At(k)];
    n.ei[At(k)] = PropertiesAt(model, x).ei;
    n.wbar[At(k)] = with_loads ? NodeDistributedLoad(model.distributed_loads, x, n.h) : 0.0;
    n.w[At(k)] = n.wbar[At(k)];
    // Node 1 belongs to section 1; every other node to the last section with
    // top < x <= bottom.
    int section = 1;
    if (k > 1) {
      for (int s = 1; s <= sections; ++s) {
        const PileSection& ps = model.sections[static_cast<std::size_t>(s - 1)];
        if (ps.top < x && x <= ps.bottom) section = s;
      }
    }
    n.section[At(k)] = section;
  }
  n.y.fill(0.0);
  n.ys.fill(0.0);
  SetStartingSoilModuli(model);
  AssignNodesToLayers(model, false);
}

void SetStartingSoilModuli(AnalysisModel& model) {
  PileNodes& n = model.nodes;
  for (int k = 1; k <= n.count; ++k) {
    n.es[At(k)] = model.ground_depth > n.z[At(k)] ? 0.0 : 50000.0;
  }
}

void AssignNodesToLayers(AnalysisModel& model, bool by_position) {
  PileNodes& n = model.nodes;
  const auto& depth = by_position ? n.x : n.z;
  const int layers = static_cast<int>(model.layers.size());
  n.top_node_in_layer.fill(0);
  n.bottom_node_in_layer.fill(-1);
  int last = layers;
  for (int j = 1; j <= layers; ++j) {
    const SoilLayer& layer = model.layers[static_cast<std::size_t>(j - 1)];
    int a = 0;
    for (int k = 1; k <= n.count; ++k) {
      if (layer.top <= depth[At(k)]) {
        a = k;
        break;
      }
    }
    if (a != 0 && layer.bottom >= depth[At(a)]) {
      n.top_node_in_layer[static_cast<std::size_t>(j)] = a;
      if (layer.bottom >= depth[At(n.count)]) {
        last = j;
        break;
      }
    }
  }
  if (last >= 1) n.bottom_node_in_layer[static_cast<std::size_t>(last)] = n.count;
  for (int j = 1; j < last; ++j) {
    if (n.top_node_in_layer[static_cast<std::size_t>(j)] == 0) continue;
    int k = j + 1;
    while (k <= layers && n.top_node_in_layer[static_cast<std::size_t>(k)] == 0) ++k;
    if (k <= layers) {
      n.bottom_node_in_layer[static_cast<std::size_t>(j)] =
          n.top_node_in_layer[static_cast<std::size_t>(k)] - 1;
    } else {
      RecordWriter& r = model.report;
      r.Write("(A)", {"ERROR 2 in computing i_BottomNodeInLayer"});
      r.Write("(A,I0)", {"Num_Nodes_To_Assign = ", n.count});
      r.Write("(A,I0)", {"ilayer = ", j});
      r.Write("(A,I0)", {"klayer = ", k});
      r.Write("(A,I0)", {"jlayer = ", last});
      r.Write("(A,I0)", {"i_Number_of_Layers = ", layers});
    }
  }
}

double NodeMoment(const PileNodes& n, int k) {
  if (k >= n.count) return 0.0;
  const double r = k == 1 ? n.ei[At(2)] : n.ei[At(k)];
  return r * (n.y[At(k - 1)] - 2.0 * n.y[At(k)] + n.y[At(k + 1)]) / (n.h * n.h);
}

int CurveLevel(const std::vector<MomentCurvatureCurve>& curves, double p) {
  const int n = static_cast<int>(curves.size());
  if (n == 0) return -1;
  if (p <= curves.front().thrust) return 0;
  if (p >= curves.back().thrust) return n - 1;
  for (int i = 0; i + 1 < n; ++i) {
    if (curves[static_cast<std::size_t>(i)].thrust <= p &&
        p < curves[static_cast<std::size_t>(i + 1)].thrust) {
      return i;
    }
  }
  return n - 1;
}

void UpdateFlexuralRigidity(AnalysisModel& model, double q) {
  PileNodes& n = model.nodes;
  const bool uscs = model.options.units == UnitSystem::kUscs;
  const double scale = uscs ? 1000.0 : 1.0;  // tables in kips and inches
  const double p = q / scale;
  const int sections = static_cast<int>(model.sections.size());
  // Without sections there are no tables: the stiffness stays as it is.
  if (sections == 0) return;
  for (int k = 1; k <= n.count; ++k) {
    const double x = n.x[At(k)];
    // The section of the node: a node on a boundary belongs to the upper one,
    // a node below the last section to the last one.
    int s = sections;
    for (int i = 1; i <= sections; ++i) {
      if (model.sections[static_cast<std::size_t>(i - 1)].bottom >= x) {
        s = i;
        break;
      }
    }
    const PileSection& section = model.sections[static_cast<std::size_t>(s - 1)];
    if (section.type == kElastic || s > static_cast<int>(model.section_tables.size())) continue;
    const std::vector<MomentCurvatureCurve>& curves =
        model.section_tables[static_cast<std::size_t>(s - 1)].curves;
    if (curves.empty()) continue;
    const int i = CurveLevel(curves, p);
    const double moment = NodeMoment(n, k) / scale;
    const double phi = NodeCurvature(n, k);
    const MomentCurvatureCurve& table = curves[static_cast<std::size_t>(i)];
    if (section.type == kElasticPlastic) {
      const double mp = PropertiesAt(model, x).mp / scale;
      if (mp > std::max(table.moment[0], std::fabs(moment))) {
        n.ei[At(k)] = PropertiesAt(model, x).ei;
      } else if (k > 1 && k < n.count && phi != 0.0) {
        n.ei[At(k)] = std::fabs(mp / phi) * scale;
      }
      continue;
    }
    double ei = EiLookup(table, moment, phi);
    const int levels_count = static_cast<int>(curves.size());
    if (i < levels_count - 1 && p > curves.front().thrust) {
      const double e2 = EiLookup(curves[static_cast<std::size_t>(i + 1)], moment, phi);
      const double p0 = curves[static_cast<std::size_t>(i)].thrust;
      const double p1 = curves[static_cast<std::size_t>(i + 1)].thrust;
      ei = e2 - (e2 - ei) * (p1 - p) / (p1 - p0);
    }
    n.ei[At(k)] = ei * scale;
  }
  if (n.count >= 3) n.ei[At(3)] = n.ei[At(2)];
}

}  // namespace tarvex
