#include "section/moment_curvature_solver.hpp"

#include <cmath>
#include <limits>

namespace tarvex {
namespace {

// Signed value of the larger magnitude.
double LargerMagnitude(double a, double b) { return std::fabs(b) > std::fabs(a) ? b : a; }

// Neutral-axis search: central-difference offset and convergence tolerance
// of the depth (0.1 and 1 micro-inch, or their metric equivalents).
double SearchOffset(const CutSection& cs) { return cs.si ? 2.54e-9 : 1e-7; }
double SearchTolerance(const CutSection& cs) { return cs.si ? 2.54e-8 : 1e-6; }
constexpr double kFlatStep = double(1e-8f);
constexpr int kSearchLimit = 1000;

}  // namespace

ThrustState StartThrust(const CutSection& cs, double thrust) {
  ThrustState t;
  t.thrust = thrust;
  if (cs.prestressed) {
    t.eps_pi = cs.prestress.eps_pi;
    t.eps_pc = cs.prestress.eps_pc;
  }
  if (!cs.pipe() && thrust < 0.0 && thrust < cs.tcr) {
    // Axial tension beyond cracking: the concrete carries no tension and the
    // steel starts from the strain of the thrust alone.
    t.tension_cracked = true;
    if (cs.bar_area > 0.0 && cs.es > 0.0) t.eps_pi = thrust / (cs.bar_area * cs.es);
  }
  return t;
}

namespace {

// A section whose strips carry nothing but a steel wall: the pipe.
bool WallOnly(const CutSection& cs) {
  const SectionSlices& sl = cs.slices;
  return !cs.has_concrete && !sl.any_concrete && !sl.any_bar && !sl.any_core;
}

// The constants of a section's strip laws, read once for a pass over the
// strips, and which materials the strips carry.
struct StripLaws {
  bool has_concrete;
  ConcreteConstants concrete;
  bool tension_cracked;
  bool any_bar, any_casing, any_core;
  bool strands;
  int law;
  double strand_scale;
  double eps_pi, strand_fy9;
  double es, fy;
  double casing_e, casing_fy;
  double core_e, core_fy;
  double depth, eps_pc;
};

StripLaws LawsOf(const CutSection& cs, const ThrustState& t) {
  const SectionSlices& sl = cs.slices;
  return {cs.has_concrete, cs.concrete,   t.tension_cracked,
          sl.any_bar,      sl.any_casing, sl.any_core,
          cs.strands(),    cs.law,        cs.si ? kKsiToKpa : 1.0,
          t.eps_pi,        cs.strand_fy9, cs.es,
          cs.fy,           cs.casing_e,   cs.casing_fy,
          cs.core_e,       cs.core_fy,    cs.depth,
          t.eps_pc};
}

// Whether the concrete starts cracked at depth c: its strain at the face
// opposite the compression face is below the cracking strain.
bool StartsCracked(const StripLaws& l, double c, double phi) {
  return l.has_concrete && (c - l.depth) * phi + l.eps_pc < l.concrete.eps_cr;
}

// Concrete stress of a strip at strain eps: none in tension once *cracked,
// and tension beyond the modulus of rupture (or under axial tension that
// cracked the section through) cracks it.
inline double ConcreteStress(const StripLaws& l, double eps, bool* cracked) {
  if (eps > 0.0) return ConcreteCompressionStress(l.concrete, eps);
  if (*cracked) return 0.0;
  const double s = ConcreteTensionStress(l.concrete, eps);
  if (s < l.concrete.fr || l.tension_cracked) {
    *cracked = true;
    return 0.0;
  }
  return s;
}

inline double BarStress(const StripLaws& l, double eps, bool* yielded) {
  return l.strands ? StrandStressKsi(l.law, eps + l.eps_pi, l.strand_fy9, yielded) * l.strand_scale
                   : ElasticPlasticStress(l.es, l.fy, eps, yielded);
}

// The strip loop of a section of steel wall alone; fills the stresses.
double WallForce(const CutSection& cs, double c, double phi, StripStresses* out) {
  const SectionSlices& sl = cs.slices;
  const double e = cs.casing_e;
  const double fy = cs.casing_fy;
  bool yielded = false;
  double force = 0.0;
  for (std::size_t k = 1; k <= kSliceCount; ++k) {
    const double eps = (c - sl.d[k]) * phi;
    if (sl.casing[k] > 0.0) {
      const double s = ElasticPlasticStress(e, fy, eps, &yielded);
      out->casing[k] = s;
      force += s * sl.casing[k];
    } else {
      out->casing[k] = 0.0;
    }
    out->bar[k] = 0.0;
    out->core[k] = 0.0;
  }
  out->cracked = false;
  out->yielded = yielded;
  return force;
}

// The strip loop of any section: concrete, bars or strands, casing and core,
// each strip in turn and the materials of a strip in that order; the
// materials that no strip carries are passed over. Fills the stresses.
double StripForce(const CutSection& cs, const ThrustState& t, double c, double phi,
                  StripStresses* out) {
  const SectionSlices& sl = cs.slices;
  const StripLaws l = LawsOf(cs, t);
  bool yielded = false;
  bool cracked = StartsCracked(l, c, phi);
  double force = 0.0;
  for (std::size_t k = 1; k <= kSliceCount; ++k) {
    const double eps = (c - sl.d[k]) * phi;
    if (l.has_concrete) {
      const double s = ConcreteStress(l, eps, &cracked);
      out->concrete[k] = s;
      out->core_concrete[k] = sl.core_concrete[k] > 0.0 ? s : 0.0;
      force += s * (sl.concrete[k] + sl.core_concrete[k]);
    }
    if (l.any_bar && sl.bar[k] > 0.0) {
      const double s = BarStress(l, eps, &yielded);
      out->bar[k] = s;
      force += s * sl.bar[k];
    } else {
      out->bar[k] = 0.0;
    }
    if (l.any_casing && sl.casing[k] > 0.0) {
      const double s = ElasticPlasticStress(l.casing_e, l.casing_fy, eps, &yielded);
      out->casing[k] = s;
      force += s * sl.casing[k];
    } else {
      out->casing[k] = 0.0;
    }
    if (l.any_core && sl.core[k] > 0.0) {
      const double s = ElasticPlasticStress(l.core_e, l.core_fy, eps, &yielded);
      out->core[k] = s;
      force += s * sl.core[k];
    } else {
      out->core[k] = 0.0;
    }
  }
  out->cracked = cracked;
  out->yielded = yielded;
  return force;
}

// The forces of a Newton step of the neutral-axis search, at the depths
// c - delta, c and c + delta, in one pass over the strips and without the
// stresses. Each force is summed strip by strip in the order of StripForce
// and WallForce, so that it is theirs to the last bit.
constexpr int kTrials = 3;

void WallForces(const CutSection& cs, const double (&c)[kTrials], double phi,
                double (&force)[kTrials]) {
  const SectionSlices& sl = cs.slices;
  const double e = cs.casing_e;
  const double fy = cs.casing_fy;
  bool yielded = false;
  double f0 = 0.0, f1 = 0.0, f2 = 0.0;
  for (std::size_t k = 1; k <= kSliceCount; ++k) {
    if (sl.casing[k] > 0.0) {
      const double d = sl.d[k], area = sl.casing[k];
      f0 += ElasticPlasticStress(e, fy, (c[0] - d) * phi, &yielded) * area;
      f1 += ElasticPlasticStress(e, fy, (c[1] - d) * phi, &yielded) * area;
      f2 += ElasticPlasticStress(e, fy, (c[2] - d) * phi, &yielded) * area;
    }
  }
  force[0] = f0;
  force[1] = f1;
  force[2] = f2;
}

void StripForces(const CutSection& cs, const ThrustState& t, const double (&c)[kTrials], double phi,
                 double (&force)[kTrials]) {
  const SectionSlices& sl = cs.slices;
  const StripLaws l = LawsOf(cs, t);
  bool yielded = false;
  bool cracked[kTrials];
  for (int j = 0; j < kTrials; ++j) {
    cracked[j] = StartsCracked(l, c[j], phi);
    force[j] = 0.0;
  }
  for (std::size_t k = 1; k <= kSliceCount; ++k) {
    const double d = sl.d[k];
    double eps[kTrials];
    for (int j = 0; j < kTrials; ++j) eps[j] = (c[j] - d) * phi;
    if (l.has_concrete) {
      const double area = sl.concrete[k] + sl.core_concrete[k];
      for (int j = 0; j < kTrials; ++j) force[j] += ConcreteStress(l, eps[j], &cracked[j]) * area;
    }
    if (l.any_bar && sl.bar[k] > 0.0) {
      const double area = sl.bar[k];
      for (int j = 0; j < kTrials; ++j) force[j] += BarStress(l, eps[j], &yielded) * area;
    }
    if (l.any_casing && sl.casing[k] > 0.0) {
      const double area = sl.casing[k];
      for (int j = 0; j < kTrials; ++j) {
        force[j] += ElasticPlasticStress(l.casing_e, l.casing_fy, eps[j], &yielded) * area;
      }
    }
    if (l.any_core && sl.core[k] > 0.0) {
      const double area = sl.core[k];
      for (int j = 0; j < kTrials; ++j) {
        force[j] += ElasticPlasticStress(l.core_e, l.core_fy, eps[j], &yielded) * area;
      }
    }
  }
}

}  // namespace

double AxialForce(const CutSection& cs, const ThrustState& t, double c, double phi,
                  StripStresses* out) {
  return WallOnly(cs) ? WallForce(cs, c, phi, out) : StripForce(cs, t, c, phi, out);
}

void TrialAxialForces(const CutSection& cs, const ThrustState& t, double c, double delta,
                      double phi, double* below, double* at, double* above) {
  const double depth[kTrials] = {c - delta, c, c + delta};
  double force[kTrials];
  if (WallOnly(cs)) {
    WallForces(cs, depth, phi, force);
  } else {
    StripForces(cs, t, depth, phi, force);
  }
  *below = force[0];
  *at = force[1];
  *above = force[2];
}

double BendingMoment(const CutSection& cs, const StripStresses& s) {
  const SectionSlices& sl = cs.slices;
  double m = 0.0;
  if (WallOnly(cs)) {
    // The other materials' terms are zeros, which leave the sum as it is.
    for (std::size_t k = 1; k <= kSliceCount; ++k) m += s.casing[k] * sl.casing[k] * cs.arm[k];
    return m;
  }
  for (int i = 1; i <= kSliceCount; ++i) {
    const auto k = static_cast<std::size_t>(i);
    const double f = s.concrete[k] * sl.concrete[k] + s.bar[k] * sl.bar[k] +
                     s.casing[k] * sl.casing[k] + s.core[k] * sl.core[k] +
                     s.core_concrete[k] * sl.core_concrete[k];
    m += f * cs.arm[k];
  }
  return m;
}

double CurvatureStep(const CutSection& cs, double thrust) {
  if (cs.pipe()) {
    const double e = cs.casing_e;
    return (1.7 * cs.casing_fy / e - thrust / (cs.casing_area * e)) / (cs.nominal / 2.0) / 80.0;
  }
  // Sizes in multiples of 24 inches, rounded half away from zero.
  const double size = cs.si ? cs.nominal / 0.0254 / 24.0 : cs.nominal / 24.0;
  const double steps = std::fmax(1.0, std::round(size));
  return (cs.si ? 4.921259901994065e-05 : 1.25e-6) / steps;
}

bool FindNeutralAxis(const CutSection& cs, const ThrustState& t, double phi, double* c) {
  const double delta = SearchOffset(cs);
  const double tolerance = SearchTolerance(cs);
  if (std::fabs(*c) > cs.depth) *c = cs.depth / 2.0;
  double best = std::numeric_limits<double>::infinity();
  double best_c = *c;
  for (int iteration = 1;; ++iteration) {
    if (iteration >= kSearchLimit) return false;
    double force_below, force_at, force_above;
    TrialAxialForces(cs, t, *c, delta, phi, &force_below, &force_at, &force_above);
    const double f = force_at - t.thrust;
    if (std::fabs(f) < best) {
      best = std::fabs(f);
      best_c = *c;
    }
    const double below = force_below - t.thrust;
    const double above = force_above - t.thrust;
    const double slope = (above - below) / (2.0 * delta);
    const double step = slope == 0.0 ? kFlatStep : -f / slope;
    *c += step;
    if (std::fabs(step) <= tolerance) {
      if (std::fabs(f) > best) {
        *c = best_c;  // settled away from the best depth seen: go on from there
        continue;
      }
      return true;
    }
  }
}

bool SolveThrust(const CutSection& cs, double thrust, ThrustSolution* curve, StripStresses* work) {
  const ThrustState t = StartThrust(cs, thrust);
  const double step = CurvatureStep(cs, thrust);
  const double depth = cs.depth;
  const bool concrete_kind = !cs.pipe();
  const SectionSlices& sl = cs.slices;
  const bool concrete_strips = cs.has_concrete && sl.any_concrete;
  const bool tension_flag = static_cast<int>(cs.kind) <= 7;
  const double pipe_limit =
      cs.pipe() ? 5.0 * cs.casing_fy / cs.casing_e - thrust / (cs.casing_area * cs.casing_e) : 0.0;
  curve->count = 0;
  curve->failed_point = 0;
  curve->nonpositive_moment = false;
  double c = depth / 2.0;
  double phi = 0.0;
  double increment = step;
  for (int k = 1; k <= ThrustSolution::kMaxPoints; ++k) {
    if (k == 40) increment *= 2.0;
    if (k == 80) increment *= 4.0;
    if (k == 120) increment *= 6.0;
    phi = k == 1 ? step : phi + increment;
    if (!FindNeutralAxis(cs, t, phi, &c)) {
      curve->failed_point = k;
      return false;
    }
    AxialForce(cs, t, c, phi, work);
    double m = BendingMoment(cs, *work);
    const auto p = static_cast<std::size_t>(k - 1);
    if (k > 1 && concrete_kind) m = std::fmax(m, curve->moment[p - 1]);
    curve->count = k;
    curve->curvature[p] = phi;
    curve->moment[p] = m;
    curve->ei[p] = m / phi;
    curve->neutral_axis[p] = c;
    const double top = t.eps_pc + phi * c;
    const double bottom = phi * (c - depth);
    curve->top_strain[p] = top;
    curve->bottom_strain[p] = bottom;

    double max_concrete = 0.0, max_steel = 0.0, max_casing = 0.0, max_core = 0.0;
    bool first_concrete = true;
    for (std::size_t j = 1; j <= kSliceCount; ++j) {
      if (concrete_strips && (sl.concrete[j] > 0.0 || sl.core_concrete[j] > 0.0)) {
        if (first_concrete || work->concrete[j] > max_concrete) max_concrete = work->concrete[j];
        first_concrete = false;
      }
      if (sl.any_bar && sl.bar[j] > 0.0) max_steel = LargerMagnitude(max_steel, work->bar[j]);
      if (sl.any_casing && sl.casing[j] > 0.0) {
        max_casing = LargerMagnitude(max_casing, work->casing[j]);
      }
      if (sl.any_core && sl.core[j] > 0.0) max_core = LargerMagnitude(max_core, work->core[j]);
    }
    curve->max_concrete[p] = max_concrete;
    curve->max_steel[p] = cs.pipe() ? max_casing : max_steel;
    curve->max_casing[p] = max_casing;
    curve->max_core[p] = max_core;

    const bool shallow = cs.strands() && c < limit::kShallowCompression * depth;
    std::array<char, 3>& flags = curve->flags[p];
    flags[0] = work->cracked ? 'C' : ' ';
    flags[1] = shallow ? 'Z' : work->yielded ? 'Y' : ' ';
    flags[2] = ' ';
    if (tension_flag && top >= limit::kCapacityStrain) {
      for (int b = 0; b < cs.reinforcement.count; ++b) {
        if ((c - cs.bar_depth[static_cast<std::size_t>(b)]) * phi < limit::kTensionControlled) {
          flags[2] = 'T';
          break;
        }
      }
    }

    if (m <= 0.0) {
      curve->nonpositive_moment = true;
      break;
    }
    if (concrete_kind && (top >= law::kCrushingStrain || shallow)) break;
    if (cs.pipe() && std::fmax(std::fabs(top), std::fabs(bottom)) >= pipe_limit) break;
  }
  curve->nominal_moment = NominalMoment(cs, *curve);
  return true;
}

double NominalMoment(const CutSection& cs, const ThrustSolution& curve) {
  const int n = curve.count;
  if (n < 1) return 0.0;
  if (cs.pipe()) return curve.moment[static_cast<std::size_t>(n - 1)];
  if (n < 2) return 0.0;
  // First pair of points whose second reaches 0.003 (0-based j, j + 1).
  std::size_t j = 0;
  while (static_cast<int>(j) < n - 2 && curve.top_strain[j + 1] < limit::kCapacityStrain) ++j;
  const double e1 = curve.top_strain[j], e2 = curve.top_strain[j + 1];
  const double m1 = curve.moment[j], m2 = curve.moment[j + 1];
  if (e2 >= limit::kCapacityStrain && m2 > 0.0) {
    return m1 + (m2 - m1) * (limit::kCapacityStrain - e1) / (e2 - e1);
  }
  return 0.0;
}

}  // namespace tarvex
