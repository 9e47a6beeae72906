#include "section/interaction.hpp"

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

namespace tarvex {
namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kMpaPerKsi = 6.89475732421875;
constexpr double kInfinity = std::numeric_limits<double>::infinity();

// The concrete strength in MPa and in ksi, from the section's stress unit.
double FcMpa(double fc, bool si) { return si ? fc / 1000.0 : fc * kMpaPerKsi; }
double FcKsi(double fc, bool si) { return si ? fc / kKsiToKpa : fc; }

// ------------------------------------------------------------ the section

enum class SteelKind { kBar, kStrand, kCasing, kCore };

// A bar or strand at its centre, or a strip of casing or core wall at the
// strip's centroid.
struct SteelPoint {
  double depth = 0.0;  // below the compression face
  double area = 0.0;
  SteelKind kind = SteelKind::kBar;
  double diameter = 0.0;  // of a bar or strand, whose area the concrete lacks
};

// The section as the diagram sees it: concrete by strips (net of casing and
// core, with the concrete of a filled core, but not of the bars and
// strands), steel by points; each bar or strand takes its area out of the
// concrete where it lies, as the hand calculations do.
struct Model {
  double depth = 0.0;  // D
  double h = 0.0;      // strip thickness
  std::array<double, kSliceCount + 1> concrete = {};
  std::vector<SteelPoint> steel;
  double extreme_depth = 0.0;  // deepest steel: the extreme tension layer
  SteelKind extreme_kind = SteelKind::kBar;
};

Model ModelOf(const CutSection& cs) {
  Model m;
  const SectionSlices& sl = cs.slices;
  m.depth = cs.depth;
  m.h = sl.h;
  for (int i = 1; i <= kSliceCount; ++i) {
    const auto k = static_cast<std::size_t>(i);
    m.concrete[k] = cs.has_concrete ? sl.concrete[k] + sl.bar[k] + sl.core_concrete[k] : 0.0;
  }
  for (int b = 0; b < cs.reinforcement.count; ++b) {
    const auto i = static_cast<std::size_t>(b);
    const RebarPoint& bar = cs.reinforcement.bar[i];
    if (bar.area > 0.0) {
      m.steel.push_back({cs.bar_depth[i], bar.area,
                         cs.strands() ? SteelKind::kStrand : SteelKind::kBar, bar.diameter});
    }
  }
  for (int i = 1; i <= kSliceCount; ++i) {
    const auto k = static_cast<std::size_t>(i);
    if (sl.casing[k] > 0.0) m.steel.push_back({sl.d[k], sl.casing[k], SteelKind::kCasing});
    if (sl.core[k] > 0.0) m.steel.push_back({sl.d[k], sl.core[k], SteelKind::kCore});
  }
  m.extreme_depth = -kInfinity;
  for (const SteelPoint& p : m.steel) {
    if (p.depth > m.extreme_depth) {
      m.extreme_depth = p.depth;
      m.extreme_kind = p.kind;
    }
  }
  return m;
}

// The same section turned over: bending in the opposite direction.
Model Mirrored(const Model& m) {
  Model r = m;
  for (int i = 1; i <= kSliceCount; ++i) {
    r.concrete[static_cast<std::size_t>(i)] =
        m.concrete[static_cast<std::size_t>(kSliceCount + 1 - i)];
  }
  r.extreme_depth = -kInfinity;
  for (SteelPoint& p : r.steel) {
    p.depth = m.depth - p.depth;
    if (p.depth > r.extreme_depth) {
      r.extreme_depth = p.depth;
      r.extreme_kind = p.kind;
    }
  }
  return r;
}

// Whether the section is the same turned over: concrete strips and steel
// points mirrored about mid-depth.
bool Symmetric(const Model& m) {
  double largest = 0.0;
  for (double a : m.concrete) largest = std::max(largest, a);
  for (int i = 1; i <= kSliceCount / 2; ++i) {
    const double a = m.concrete[static_cast<std::size_t>(i)];
    const double b = m.concrete[static_cast<std::size_t>(kSliceCount + 1 - i)];
    if (std::fabs(a - b) > 1e-9 * largest) return false;
  }
  const double tolerance = 1e-9 * m.depth;
  std::vector<bool> used(m.steel.size(), false);
  for (const SteelPoint& p : m.steel) {
    bool found = false;
    for (std::size_t j = 0; j < m.steel.size() && !found; ++j) {
      const SteelPoint& q = m.steel[j];
      if (!used[j] && q.kind == p.kind && std::fabs(q.depth - (m.depth - p.depth)) <= tolerance &&
          std::fabs(q.area - p.area) <= 1e-9 * p.area) {
        used[j] = true;
        found = true;
      }
    }
    if (!found) return false;
  }
  return true;
}

// ------------------------------------------------------------- the laws

// The material laws and strain limits of one diagram (nominal or design).
struct Laws {
  // Concrete: a uniform block stress over block_factor c, or the
  // parabola-rectangle fc [1 - (1 - eps/eps_c2)^n] up to eps_c2.
  bool block = true;
  double block_stress = 0.0;
  double block_factor = 0.0;
  double fc = 0.0;  // parabola-rectangle
  double eps_c2 = 0.0;
  double n = 2.0;
  // Strain limits: eps_cu at the compression face; eps_pivot under uniform
  // compression, about the pivot at depth D (1 - eps_pivot / eps_cu).
  double eps_cu = 0.003;
  double eps_pivot = 0.003;
  // Steel: elastic-perfectly-plastic bars, casing and core.
  double bar_e = 0.0, bar_fy = 0.0;
  double casing_e = 0.0, casing_fy = 0.0;
  double core_e = 0.0, core_fy = 0.0;
  // Strands: the section's strand law (ACI 318, AASHTO), or elastic-
  // perfectly-plastic at strand_fy (Eurocode 2); their strain is that of
  // the concrete beside them plus the strain of the effective prestress
  // less the concrete's precompression.
  bool strand_law = true;
  int law = 0;
  double strand_scale = 1.0;  // ksi to the section's stress unit
  double fy9 = 0.0;
  double strand_e = 0.0, strand_fy = 0.0;
  double strand_tension = 0.0;  // stress of the strands under pure tension
  double eps_prestress = 0.0;   // eps_pi - eps_pc
};

double Clamp(double s, double limit) { return std::max(-limit, std::min(limit, s)); }

double SteelStress(const Laws& l, const SteelPoint& p, double eps) {
  switch (p.kind) {
    case SteelKind::kBar:
      return Clamp(l.bar_e * eps, l.bar_fy);
    case SteelKind::kCasing:
      return Clamp(l.casing_e * eps, l.casing_fy);
    case SteelKind::kCore:
      return Clamp(l.core_e * eps, l.core_fy);
    case SteelKind::kStrand:
      break;
  }
  const double total = eps + l.eps_prestress;
  if (!l.strand_law) return Clamp(l.strand_e * total, l.strand_fy);
  bool yielded = false;
  return StrandStressKsi(l.law, total, l.fy9, &yielded) * l.strand_scale;
}

// The stress of a steel point when the whole section is stretched to
// failure: the yield stress, or the strands' limiting stress.
double TensileLimit(const Laws& l, const SteelPoint& p) {
  switch (p.kind) {
    case SteelKind::kBar:
      return l.bar_fy;
    case SteelKind::kCasing:
      return l.casing_fy;
    case SteelKind::kCore:
      return l.core_fy;
    case SteelKind::kStrand:
      break;
  }
  return l.strand_tension;
}

// The limiting stress of a strand law in ksi: fpu of the PCI curves, the
// yield of the bar laws.
double StrandLawLimitKsi(int law, double fy9) {
  switch (law) {
    case 4:
      return 250.0;
    case 5:
      return 270.0;
    case 6:
      return 300.0;
    case 7:
      return 145.0;
    case 8:
      return 160.0;
    default:
      return fy9;
  }
}

// The yield strength of the strands used for the tension cap (ACI 318,
// AASHTO) and as fp0.1k (Eurocode 2), section units: 0.9 fpu for the PCI
// strands, the limit of the law for the bars.
double StrandYield(const CutSection& cs) {
  if (cs.law <= 6) return 0.9 * cs.fy;
  return StrandLawLimitKsi(cs.law, cs.strand_fy9) * (cs.si ? kKsiToKpa : 1.0);
}

// w^e; by multiplication for the whole exponents of the classes up to
// C50/60 (n = 2), which most sections have.
double Power(double w, double e) {
  if (e == 2.0) return w * w;
  if (e == 3.0) return w * w * w;
  if (e == 4.0) return (w * w) * (w * w);
  return std::pow(w, e);
}

// Integrals of the parabola-rectangle from zero strain to eps: G of the
// stress, H of the stress times the strain.
double ParabolaIntegral(const Laws& l, double eps) {
  if (eps <= 0.0) return 0.0;
  const double e = std::min(eps, l.eps_c2);
  double g = l.fc * (e + l.eps_c2 / (l.n + 1.0) * (Power(1.0 - e / l.eps_c2, l.n + 1.0) - 1.0));
  if (eps > l.eps_c2) g += l.fc * (eps - l.eps_c2);
  return g;
}

double ParabolaFirstMoment(const Laws& l, double eps) {
  if (eps <= 0.0) return 0.0;
  const double e = std::min(eps, l.eps_c2);
  const double w = 1.0 - e / l.eps_c2;
  const double n = l.n;
  double h = l.fc * (e * e / 2.0 + l.eps_c2 * l.eps_c2 *
                                       ((Power(w, n + 1.0) - 1.0) / (n + 1.0) -
                                        (Power(w, n + 2.0) - 1.0) / (n + 2.0)));
  if (eps > l.eps_c2) h += l.fc * (eps * eps - l.eps_c2 * l.eps_c2) / 2.0;
  return h;
}

double ParabolaStress(const Laws& l, double eps) {
  if (eps <= 0.0) return 0.0;
  if (eps >= l.eps_c2) return l.fc;
  return l.fc * (1.0 - Power(1.0 - eps / l.eps_c2, l.n));
}

// ----------------------------------------------------------- strain states

// A linear strain state: eps(depth) = top - curvature * depth.
struct Profile {
  double top = 0.0;
  double curvature = 0.0;
};

// The state of parameter u in [0, 1): the neutral axis at c = D u / (1 - u),
// the compression face at eps_cu while c <= D; beyond, the states turn about
// the pivot to uniform compression eps_pivot at u = 1.
Profile ProfileAt(const Model& m, const Laws& l, double u) {
  if (u >= 1.0) return {l.eps_pivot, 0.0};
  const double c = m.depth * u / (1.0 - u);
  if (c <= m.depth) return {l.eps_cu, l.eps_cu / c};
  const double pivot = m.depth * (1.0 - l.eps_pivot / l.eps_cu);
  return {l.eps_pivot * c / (c - pivot), l.eps_pivot / (c - pivot)};
}

double ParameterOf(const Model& m, double c) { return c / (c + m.depth); }

struct State {
  double axial = 0.0;
  double moment = 0.0;
  double eps_t = 0.0;  // net tensile strain of the extreme tension steel
};

State Evaluate(const Model& m, const Laws& l, double u) {
  State s;
  const double half = m.depth / 2.0;
  if (u <= 0.0) {
    // Pure tension: the concrete carries nothing, the steel its limit.
    for (const SteelPoint& p : m.steel) {
      const double f = -TensileLimit(l, p) * p.area;
      s.axial += f;
      s.moment += f * (half - p.depth);
    }
    s.eps_t = kInfinity;
    return s;
  }
  const Profile pr = ProfileAt(m, l, u);
  if (l.block) {
    const double c = pr.curvature > 0.0 ? pr.top / pr.curvature : kInfinity;
    const double a = std::min(m.depth, l.block_factor * c);
    for (int i = 1; i <= kSliceCount; ++i) {
      const double top = (i - 1) * m.h;
      if (top >= a) break;
      const double covered = std::min(m.h, a - top);
      const double f = l.block_stress * m.concrete[static_cast<std::size_t>(i)] * covered / m.h;
      s.axial += f;
      s.moment += f * (half - (top + covered / 2.0));
    }
    // The concrete a bar or strand displaces: the share of its height
    // within the block.
    for (const SteelPoint& p : m.steel) {
      if (p.kind != SteelKind::kBar && p.kind != SteelKind::kStrand) continue;
      const double within =
          p.diameter > 0.0 ? std::clamp((a - (p.depth - p.diameter / 2.0)) / p.diameter, 0.0, 1.0)
                           : (p.depth < a ? 1.0 : 0.0);
      const double f = -l.block_stress * p.area * within;
      s.axial += f;
      s.moment += f * (half - p.depth);
    }
  } else {
    // Each strip of constant width: the stress integrated exactly over its
    // depth, eps = top - k y, dy = -d eps / k; the moment about mid-depth
    // from the integral of the stress times (half - y).
    for (int i = 1; i <= kSliceCount; ++i) {
      const double top = (i - 1) * m.h;
      const double e1 = pr.top - pr.curvature * top;
      if (e1 <= 0.0) break;
      const double e2 = pr.top - pr.curvature * (top + m.h);
      const double width = m.concrete[static_cast<std::size_t>(i)] / m.h;
      if (e1 - e2 > 1e-9) {
        const double k = pr.curvature;
        const double g = ParabolaIntegral(l, e1) - ParabolaIntegral(l, e2);
        const double hm = ParabolaFirstMoment(l, e1) - ParabolaFirstMoment(l, e2);
        s.axial += width * g / k;
        s.moment += width / k * ((half - pr.top / k) * g + hm / k);
      } else {
        const double f = ParabolaStress(l, 0.5 * (e1 + e2)) * width * m.h;
        s.axial += f;
        s.moment += f * (half - (top + m.h / 2.0));
      }
    }
    for (const SteelPoint& p : m.steel) {
      if (p.kind != SteelKind::kBar && p.kind != SteelKind::kStrand) continue;
      const double f = -ParabolaStress(l, pr.top - pr.curvature * p.depth) * p.area;
      s.axial += f;
      s.moment += f * (half - p.depth);
    }
  }
  for (const SteelPoint& p : m.steel) {
    const double f = SteelStress(l, p, pr.top - pr.curvature * p.depth) * p.area;
    s.axial += f;
    s.moment += f * (half - p.depth);
  }
  s.eps_t = pr.curvature * m.extreme_depth - pr.top;
  return s;
}

// The parameter in (lo, hi) where f changes sign (f(lo) and f(hi) of
// opposite signs), by bisection to a relative width of 1e-13.
template <typename F>
double Bisect(double lo, double hi, F f) {
  const bool rising = f(lo) < 0.0;
  for (int i = 0; i < 200 && hi - lo > 1e-13; ++i) {
    const double mid = 0.5 * (lo + hi);
    if ((f(mid) < 0.0) == rising) {
      lo = mid;
    } else {
      hi = mid;
    }
  }
  return 0.5 * (lo + hi);
}

// ------------------------------------------------------------ code rules

Laws BaseLaws(const CutSection& cs) {
  Laws l;
  l.bar_e = cs.strands() ? 0.0 : cs.es;
  l.bar_fy = cs.strands() ? 0.0 : cs.fy;
  l.casing_e = cs.casing_e;
  l.casing_fy = cs.casing_fy;
  l.core_e = cs.core_e;
  l.core_fy = cs.core_fy;
  l.law = cs.law;
  l.strand_scale = cs.si ? kKsiToKpa : 1.0;
  l.fy9 = cs.strand_fy9;
  l.strand_e = cs.es;
  if (cs.prestressed) l.eps_prestress = cs.prestress.eps_pi - cs.prestress.eps_pc;
  return l;
}

// ACI 318 and AASHTO: the rectangular stress block at crushing strain 0.003.
Laws AciLaws(const CutSection& cs, DesignCode code) {
  Laws l = BaseLaws(cs);
  l.block = true;
  l.block_stress = Alpha1(code, cs.concrete.fc, cs.si) * cs.concrete.fc;
  l.block_factor = Beta1(code, cs.concrete.fc, cs.si);
  l.eps_cu = 0.003;
  l.eps_pivot = 0.003;
  l.strand_law = true;
  l.strand_tension = StrandLawLimitKsi(cs.law, cs.strand_fy9) * l.strand_scale;
  return l;
}

// Eurocode 2 with the concrete and steel strengths divided by gamma_c and
// gamma_s (both 1 for the characteristic diagram) and alpha_cc applied.
Laws Ec2Laws(const CutSection& cs, Ec2Distribution dist, double gamma_c, double gamma_s,
             double alpha_cc) {
  Laws l = BaseLaws(cs);
  const Ec2Concrete k = Ec2ConcreteOf(FcMpa(cs.concrete.fc, cs.si));
  const double fcd = alpha_cc * cs.concrete.fc / gamma_c;
  if (dist == Ec2Distribution::kParabolaRectangle) {
    l.block = false;
    l.fc = fcd;
    l.eps_c2 = k.eps_c2;
    l.n = k.n;
    l.eps_cu = k.eps_cu2;
    l.eps_pivot = k.eps_c2;
  } else {
    l.block = true;
    l.block_stress = k.eta * fcd;
    l.block_factor = k.lambda;
    l.eps_cu = k.eps_cu3;
    l.eps_pivot = k.eps_c3;
  }
  l.bar_fy /= gamma_s;
  l.casing_fy /= gamma_s;
  l.core_fy /= gamma_s;
  l.strand_law = false;
  l.strand_fy = StrandYield(cs) / gamma_s;
  l.strand_tension = l.strand_fy;
  return l;
}

// The yield strain of the extreme tension steel: 0.002 for strands under
// ACI 318 and AASHTO.
double ExtremeYieldStrain(const Laws& l, SteelKind kind) {
  switch (kind) {
    case SteelKind::kBar:
      return l.bar_fy / l.bar_e;
    case SteelKind::kCasing:
      return l.casing_fy / l.casing_e;
    case SteelKind::kCore:
      return l.core_fy / l.core_e;
    case SteelKind::kStrand:
      break;
  }
  return l.strand_law ? 0.002 : l.strand_fy / l.strand_e;
}

// The steel yield stress and modulus of the extreme tension layer.
void ExtremeSteel(const CutSection& cs, SteelKind kind, double* fy, double* es) {
  switch (kind) {
    case SteelKind::kCasing:
      *fy = cs.casing_fy;
      *es = cs.casing_e;
      return;
    case SteelKind::kCore:
      *fy = cs.core_fy;
      *es = cs.core_e;
      return;
    default:
      *fy = cs.fy;
      *es = cs.es;
      return;
  }
}

// The strain states of one bending direction, from uniform compression
// (u = 1) to pure tension (u = 0), with the states that mark the diagram:
// the balanced point, the tension-controlled limit, pure bending and the
// design caps.
struct Branch {
  std::vector<double> u;
  std::vector<State> nominal, design;
  std::vector<double> phi;
};

// The nominal and design states of parameter x, and phi.
void StateAt(const Model& m, const Laws& nominal, const Laws* design, const PhiRule* rule, double x,
             State* n, State* d, double* phi) {
  *n = Evaluate(m, nominal, x);
  if (rule != nullptr) {
    *phi = Phi(*rule, n->eps_t);
    *d = {*phi * n->axial, *phi * n->moment, n->eps_t};
  } else {
    *d = Evaluate(m, *design, x);
  }
}

// Evaluates the states of parameters `u` (descending).
void Fill(const Model& m, const Laws& nominal, const Laws* design, const PhiRule* rule,
          const std::vector<double>& u, Branch* b) {
  b->u = u;
  b->nominal.assign(u.size(), State{});
  b->design.assign(u.size(), State{});
  b->phi.assign(rule != nullptr ? u.size() : 0, 0.0);
  double unused = 0.0;
  for (std::size_t i = 0; i < u.size(); ++i) {
    StateAt(m, nominal, design, rule, u[i], &b->nominal[i], &b->design[i],
            rule != nullptr ? &b->phi[i] : &unused);
  }
}

// Spreads the states along the nominal curve: the interval whose chord is
// longest (axial force over the range of the axial force, moment over the
// largest moment) is halved until the branch holds `count` states.
void Refine(const Model& m, const Laws& nominal, const Laws* design, const PhiRule* rule,
            std::size_t count, Branch* b) {
  double p_min = kInfinity, p_max = -kInfinity, m_max = 0.0;
  for (const State& s : b->nominal) {
    p_min = std::min(p_min, s.axial);
    p_max = std::max(p_max, s.axial);
    m_max = std::max(m_max, std::fabs(s.moment));
  }
  const double p_range = p_max > p_min ? p_max - p_min : 1.0;
  if (m_max <= 0.0) m_max = 1.0;
  while (b->u.size() < count) {
    std::size_t longest = 0;
    double length = -1.0;
    for (std::size_t i = 0; i + 1 < b->u.size(); ++i) {
      const double dp = (b->nominal[i].axial - b->nominal[i + 1].axial) / p_range;
      const double dm = (b->nominal[i].moment - b->nominal[i + 1].moment) / m_max;
      const double l = dp * dp + dm * dm;
      if (l > length) {
        length = l;
        longest = i;
      }
    }
    const double x = 0.5 * (b->u[longest] + b->u[longest + 1]);
    State n, d;
    double phi = 0.0;
    StateAt(m, nominal, design, rule, x, &n, &d, &phi);
    const auto at = static_cast<std::ptrdiff_t>(longest + 1);
    b->u.insert(b->u.begin() + at, x);
    b->nominal.insert(b->nominal.begin() + at, n);
    b->design.insert(b->design.begin() + at, d);
    if (rule != nullptr) b->phi.insert(b->phi.begin() + at, phi);
  }
}

// States that repeat the one before (deep neutral axes: the whole section
// crushed and every bar yielded) are dropped; the ends stay.
void DropRepeats(Branch* b) {
  double scale = 0.0;
  for (const State& s : b->nominal)
    scale = std::max({scale, std::fabs(s.axial), std::fabs(s.moment)});
  const double tolerance = 1e-12 * scale;
  std::size_t kept = 1;
  for (std::size_t i = 1; i < b->u.size(); ++i) {
    const State& last = b->nominal[kept - 1];
    const bool repeat = std::fabs(b->nominal[i].axial - last.axial) <= tolerance &&
                        std::fabs(b->nominal[i].moment - last.moment) <= tolerance &&
                        i + 1 < b->u.size();
    if (repeat) continue;
    b->u[kept] = b->u[i];
    b->nominal[kept] = b->nominal[i];
    b->design[kept] = b->design[i];
    if (!b->phi.empty()) b->phi[kept] = b->phi[i];
    ++kept;
  }
  b->u.resize(kept);
  b->nominal.resize(kept);
  b->design.resize(kept);
  if (!b->phi.empty()) b->phi.resize(kept);
}

void AddParameter(std::vector<double>* u, double x) {
  if (x > 0.0 && x < 1.0 && std::isfinite(x)) u->push_back(x);
}

void SortDescending(std::vector<double>* u) {
  std::sort(u->begin(), u->end(), [](double a, double b) { return a > b; });
  u->erase(std::unique(u->begin(), u->end(), [](double a, double b) { return a - b < 1e-12; }),
           u->end());
}

// Where the design axial force of consecutive states crosses `level`: a
// parameter between them.
void AddCrossings(const Model& m, const Laws& nominal, const Laws* design, const PhiRule* rule,
                  const Branch& b, double level, std::vector<double>* u) {
  auto f = [&](double x) {
    const State s = Evaluate(m, nominal, x);
    const double p =
        rule != nullptr ? Phi(*rule, s.eps_t) * s.axial : Evaluate(m, *design, x).axial;
    return p - level;
  };
  for (std::size_t i = 0; i + 1 < b.u.size(); ++i) {
    const double a = b.design[i].axial - level;
    const double c = b.design[i + 1].axial - level;
    if ((a > 0.0 && c < 0.0) || (a < 0.0 && c > 0.0)) {
      AddParameter(u, Bisect(b.u[i + 1], b.u[i], f));
    }
  }
}

Branch SweepBranch(const Model& m, const Laws& nominal, const Laws* design, const PhiRule* rule,
                   double eps_y_nominal, double eps_y_design, double eps_tl, double max_compression,
                   double max_tension) {
  std::vector<double> u = {1.0, 0.0};
  constexpr int kGrid = 16;
  for (int j = kGrid - 1; j >= 1; --j) u.push_back(static_cast<double>(j) / kGrid);
  const double dt = m.extreme_depth;
  if (dt > 0.0) {
    AddParameter(&u, ParameterOf(m, nominal.eps_cu * dt / (nominal.eps_cu + eps_y_nominal)));
    if (design != nullptr) {
      AddParameter(&u, ParameterOf(m, design->eps_cu * dt / (design->eps_cu + eps_y_design)));
    }
    if (rule != nullptr) {
      AddParameter(&u, ParameterOf(m, nominal.eps_cu * dt / (nominal.eps_cu + eps_tl)));
    }
  }
  // Pure bending of both diagrams.
  AddParameter(&u, Bisect(0.0, 1.0, [&](double x) { return Evaluate(m, nominal, x).axial; }));
  if (design != nullptr) {
    AddParameter(&u, Bisect(0.0, 1.0, [&](double x) { return Evaluate(m, *design, x).axial; }));
  }
  SortDescending(&u);
  Branch b;
  Fill(m, nominal, design, rule, u, &b);
  DropRepeats(&b);
  constexpr std::size_t kStates = 56;
  Refine(m, nominal, design, rule, kStates, &b);
  u = b.u;
  std::vector<double> more = u;
  AddCrossings(m, nominal, design, rule, b, max_compression, &more);
  AddCrossings(m, nominal, design, rule, b, max_tension, &more);
  if (more.size() != u.size()) {
    SortDescending(&more);
    Fill(m, nominal, design, rule, more, &b);
  }
  for (State& s : b.design) s.axial = std::max(max_tension, std::min(max_compression, s.axial));
  return b;
}

}  // namespace

// ------------------------------------------------------------ public rules

double Beta1(DesignCode code, double fc, bool si) {
  if (code == DesignCode::kAci318 && si) {
    const double mpa = fc / 1000.0;
    if (mpa <= 28.0) return 0.85;
    return std::max(0.65, 0.85 - 0.05 * (mpa - 28.0) / 7.0);
  }
  const double ksi = FcKsi(fc, si);
  if (ksi <= 4.0) return 0.85;
  return std::max(0.65, 0.85 - 0.05 * (ksi - 4.0));
}

double Alpha1(DesignCode code, double fc, bool si) {
  if (code != DesignCode::kAashto) return 0.85;
  const double ksi = FcKsi(fc, si);
  if (ksi <= 10.0) return 0.85;
  return std::max(0.75, 0.85 - 0.02 * (ksi - 10.0));
}

Ec2Concrete Ec2ConcreteOf(double fck) {
  Ec2Concrete k;
  if (fck <= 50.0) {
    k.eps_c2 = 0.002;
    k.eps_cu2 = 0.0035;
    k.n = 2.0;
    k.eps_c3 = 0.00175;
    k.eps_cu3 = 0.0035;
    k.lambda = 0.8;
    k.eta = 1.0;
    return k;
  }
  const double r = (90.0 - fck) / 100.0;
  k.eps_c2 = (2.0 + 0.085 * std::pow(fck - 50.0, 0.53)) / 1000.0;
  k.eps_cu2 = (2.6 + 35.0 * std::pow(r, 4.0)) / 1000.0;
  k.n = 1.4 + 23.4 * std::pow(r, 4.0);
  k.eps_c3 = (1.75 + 0.55 * (fck - 50.0) / 40.0) / 1000.0;
  k.eps_cu3 = k.eps_cu2;
  k.lambda = 0.8 - (fck - 50.0) / 400.0;
  k.eta = 1.0 - (fck - 50.0) / 200.0;
  return k;
}

PhiRule PhiRuleOf(DesignCode code, Transverse transverse, bool prestressed, double fy, double es,
                  bool si) {
  PhiRule r;
  const double eps_y = prestressed ? 0.002 : fy / es;
  if (code == DesignCode::kAci318) {
    r.compression = transverse == Transverse::kSpiral ? 0.75 : 0.65;
    r.tension = 0.90;
    r.eps_ty = eps_y;
    r.eps_tl = eps_y + 0.003;
    return r;
  }
  // AASHTO: 0.75 for compression-controlled sections with spirals or ties;
  // 0.90 tension-controlled reinforced, 1.00 prestressed. The tension-
  // controlled limit 0.005 holds up to 75 ksi steel, 0.008 at 100 ksi.
  r.compression = 0.75;
  r.tension = prestressed ? 1.00 : 0.90;
  r.eps_ty = eps_y;
  const double ksi = si ? fy / kKsiToKpa : fy;
  if (prestressed || ksi <= 75.0) {
    r.eps_tl = 0.005;
  } else if (ksi >= 100.0) {
    r.eps_tl = 0.008;
  } else {
    r.eps_tl = 0.005 + 0.003 * (ksi - 75.0) / 25.0;
  }
  return r;
}

double Phi(const PhiRule& rule, double eps_t) {
  if (eps_t <= rule.eps_ty) return rule.compression;
  if (eps_t >= rule.eps_tl) return rule.tension;
  return rule.compression +
         (rule.tension - rule.compression) * (eps_t - rule.eps_ty) / (rule.eps_tl - rule.eps_ty);
}

// ------------------------------------------------------- concrete sections

InteractionDiagram ConcreteInteraction(const CutSection& cs, const InteractionSettings& settings) {
  InteractionDiagram d;
  d.code = settings.code;
  d.prestressed = cs.prestressed;
  const Model m = ModelOf(cs);
  if (m.steel.empty()) {
    d.coverage = InteractionCoverage::kNoReinforcement;
    return d;
  }
  const bool ec2 = settings.code == DesignCode::kEurocode2;
  if (ec2 && FcMpa(cs.concrete.fc, cs.si) > 90.0) {
    d.coverage = InteractionCoverage::kConcreteClass;
    return d;
  }

  Laws nominal, design;
  PhiRule rule;
  const PhiRule* rule_ptr = nullptr;
  const Laws* design_ptr = nullptr;
  double fy = 0.0, es = 0.0;
  ExtremeSteel(cs, m.extreme_kind, &fy, &es);
  const bool strand_extreme = m.extreme_kind == SteelKind::kStrand;
  double max_compression = 0.0, max_tension = 0.0;
  if (ec2) {
    d.gamma_c = 1.5;
    d.gamma_s = 1.15;
    d.alpha_cc = 1.0;
    nominal = Ec2Laws(cs, settings.ec2, 1.0, 1.0, 1.0);
    design = Ec2Laws(cs, settings.ec2, d.gamma_c, d.gamma_s, d.alpha_cc);
    design_ptr = &design;
    max_compression = Evaluate(m, design, 1.0).axial;
    max_tension = Evaluate(m, design, 0.0).axial;
  } else {
    nominal = AciLaws(cs, settings.code);
    rule = PhiRuleOf(settings.code, settings.transverse, strand_extreme, fy, es, cs.si);
    if (!strand_extreme) rule.eps_ty = ExtremeYieldStrain(nominal, m.extreme_kind);
    rule_ptr = &rule;
    // The cap on axial compression: phi 0.80 P0 with ties, phi 0.85 P0 with
    // a spiral; on axial tension phi (fy As + fpy Aps).
    const double p0 = Evaluate(m, nominal, 1.0).axial;
    const double share = settings.transverse == Transverse::kSpiral ? 0.85 : 0.80;
    max_compression = rule.compression * share * p0;
    Laws capped = nominal;
    capped.strand_tension = StrandYield(cs);
    max_tension = rule.tension * Evaluate(m, capped, 0.0).axial;
  }
  d.max_compression = max_compression;
  d.max_tension = max_tension;
  const double eps_y_nominal = ExtremeYieldStrain(nominal, m.extreme_kind);
  const double eps_y_design = ec2 ? ExtremeYieldStrain(design, m.extreme_kind) : eps_y_nominal;
  const double eps_tl = rule_ptr != nullptr ? rule.eps_tl : 0.0;
  const Branch pos = SweepBranch(m, nominal, design_ptr, rule_ptr, eps_y_nominal, eps_y_design,
                                 eps_tl, max_compression, max_tension);
  d.symmetric = Symmetric(m);
  auto append = [&](const Branch& b, std::size_t i, double sign) {
    d.nominal.push_back({b.nominal[i].axial, sign * b.nominal[i].moment});
    d.design.push_back({b.design[i].axial, sign * b.design[i].moment});
    d.net_tensile_strain.push_back(b.nominal[i].eps_t);
    if (!b.phi.empty()) d.phi.push_back(b.phi[i]);
  };
  for (std::size_t i = 0; i < pos.u.size(); ++i) append(pos, i, 1.0);
  if (!d.symmetric) {
    const Model mirrored = Mirrored(m);
    const Branch neg = SweepBranch(mirrored, nominal, design_ptr, rule_ptr, eps_y_nominal,
                                   eps_y_design, eps_tl, max_compression, max_tension);
    // From pure tension back to pure compression, the ends shared.
    for (std::size_t i = neg.u.size() - 1; i-- > 1;) append(neg, i, -1.0);
  }
  d.pure_compression = pos.nominal.front().axial;
  d.pure_tension = pos.nominal.back().axial;

  // The balanced state: the extreme tension steel at its yield strain while
  // the compression face reaches its crushing strain.
  if (m.extreme_depth > 0.0) {
    d.has_balanced = true;
    const double cb = nominal.eps_cu * m.extreme_depth / (nominal.eps_cu + eps_y_nominal);
    const State b = Evaluate(m, nominal, ParameterOf(m, cb));
    d.balanced = {b.axial, b.moment};
    if (ec2) {
      const double cd = design.eps_cu * m.extreme_depth / (design.eps_cu + eps_y_design);
      const State bd = Evaluate(m, design, ParameterOf(m, cd));
      d.balanced_design = {bd.axial, bd.moment};
    } else {
      const double phi = Phi(rule, b.eps_t);
      d.balanced_design = {std::min(max_compression, phi * b.axial), phi * b.moment};
    }
  }
  return d;
}

// ------------------------------------------------------------ steel pipes

namespace {

// Area and first moment about the circle's centre of the part of a circle
// of radius r above the chord at height y0 above the centre.
void CircleAbove(double r, double y0, double* area, double* first) {
  if (y0 >= r) {
    *area = 0.0;
    *first = 0.0;
    return;
  }
  if (y0 <= -r) {
    *area = kPi * r * r;
    *first = 0.0;
    return;
  }
  const double w = std::sqrt(r * r - y0 * y0);
  *area = r * r * std::acos(y0 / r) - y0 * w;
  *first = 2.0 / 3.0 * w * w * w;
}

}  // namespace

InteractionDiagram SteelPipeInteraction(double d, double t, double fy, double e, bool si,
                                        DesignCode code) {
  InteractionDiagram g;
  g.code = code;
  g.steel = true;
  const double di = d - 2.0 * t;
  const double area = kPi / 4.0 * (d * d - di * di);
  const double z = (d * d * d - di * di * di) / 6.0;
  const double s = kPi * (d * d * d * d - di * di * di * di) / (32.0 * d);
  const double slenderness = d / t;

  if (code == DesignCode::kEurocode2) {
    // EN 1993-1-1: class by D/t against 50, 70 and 90 eps^2, eps^2 = 235/fy;
    // gamma_M0 = 1.0, so that the design resistances are the nominal ones.
    const double fy_mpa = si ? fy / 1000.0 : fy * kMpaPerKsi;
    const double eps2 = 235.0 / fy_mpa;
    if (slenderness > 90.0 * eps2) {
      g.coverage = InteractionCoverage::kSlenderPipe;
      return g;
    }
    g.section_class = slenderness <= 50.0 * eps2 ? 1 : slenderness <= 70.0 * eps2 ? 2 : 3;
    const double npl = area * fy;
    g.pure_compression = npl;
    g.pure_tension = -npl;
    g.max_compression = npl;
    g.max_tension = -npl;
    constexpr int kPoints = 48;
    if (slenderness <= 70.0 * eps2) {
      // Class 1 and 2: the fully plastic stress distribution, the neutral
      // axis from the top of the pipe to its bottom.
      const double r = d / 2.0, ri = di / 2.0;
      for (int i = 0; i <= kPoints; ++i) {
        const double y0 = r - d * static_cast<double>(kPoints - i) / kPoints;
        double a_out = 0.0, q_out = 0.0, a_in = 0.0, q_in = 0.0;
        CircleAbove(r, y0, &a_out, &q_out);
        CircleAbove(ri, y0, &a_in, &q_in);
        const double compressed = a_out - a_in;
        g.nominal.push_back({fy * (2.0 * compressed - area), 2.0 * fy * (q_out - q_in)});
      }
      g.nominal.front() = {npl, 0.0};
      g.nominal.back() = {-npl, 0.0};
    } else {
      // Class 3: the elastic limit N/Npl + M/Mel = 1.
      const double mel = fy * s;
      for (int i = 0; i <= kPoints; ++i) {
        const double n = 1.0 - 2.0 * static_cast<double>(i) / kPoints;
        g.nominal.push_back({n * npl, (1.0 - std::fabs(n)) * mel});
      }
    }
    g.design = g.nominal;
    return g;
  }

  // AISC 360-16: local buckling of round HSS in compression (E7) and
  // flexure (F8); beyond 0.45 E/Fy AISC 360 gives no strength.
  if (slenderness >= 0.45 * e / fy) {
    g.coverage = InteractionCoverage::kSlenderPipe;
    return g;
  }
  double effective = area;
  if (slenderness > 0.11 * e / fy) effective = (0.038 * e / (fy * slenderness) + 2.0 / 3.0) * area;
  double mn = 0.0;
  if (slenderness <= 0.07 * e / fy) {
    mn = fy * z;
  } else if (slenderness <= 0.31 * e / fy) {
    mn = (0.021 * e / slenderness + fy) * s;
  } else {
    mn = 0.33 * e / slenderness * s;
  }
  const double pc = fy * effective, pt = fy * area;
  // Resistance factors: AISC compression, flexure and tension 0.90; AASHTO
  // steel pipe piles under combined axial load and flexure 0.80 and 1.00,
  // tension (yielding) 0.95.
  const bool aashto = code == DesignCode::kAashto;
  const double phi_c = aashto ? 0.80 : 0.90;
  const double phi_b = aashto ? 1.00 : 0.90;
  const double phi_t = aashto ? 0.95 : 0.90;
  g.pure_compression = pc;
  g.pure_tension = -pt;
  g.max_compression = phi_c * pc;
  g.max_tension = -phi_t * pt;
  // H1-1: P/Pc + 8/9 M/Mc = 1 for P >= 0.2 Pc, P/(2 Pc) + M/Mc = 1 below;
  // the same in tension with Pc the tensile strength.
  static constexpr double kRatios[] = {1.0,  0.95,  0.9,  0.85,  0.8,  0.75,  0.7,  0.65, 0.6,
                                       0.55, 0.5,   0.45, 0.4,   0.35, 0.3,   0.25, 0.2,  0.175,
                                       0.15, 0.125, 0.1,  0.075, 0.05, 0.025, 0.0};
  auto moment = [](double r) { return r >= 0.2 ? 9.0 / 8.0 * (1.0 - r) : 1.0 - r / 2.0; };
  const int n = static_cast<int>(sizeof(kRatios) / sizeof(kRatios[0]));
  for (int i = 0; i < n; ++i) {
    const double r = kRatios[i];
    g.nominal.push_back({r * pc, moment(r) * mn});
    g.design.push_back({r * phi_c * pc, moment(r) * phi_b * mn});
  }
  for (int i = n - 2; i >= 0; --i) {
    const double r = kRatios[i];
    g.nominal.push_back({-r * pt, moment(r) * mn});
    g.design.push_back({-r * phi_t * pt, moment(r) * phi_b * mn});
  }
  return g;
}

// ------------------------------------------------------------ the sections

Transverse DefaultTransverse(SectionType) { return Transverse::kTied; }

InteractionDiagram SectionInteraction(const PileSection& s, UnitSystem units,
                                      const InteractionSettings& settings) {
  InteractionDiagram d;
  d.code = settings.code;
  if (s.type == kElastic || s.type == kElasticPlastic || s.type == kUserEi ||
      s.type == kMicropile) {
    d.coverage = InteractionCoverage::kNoCutSection;
    return d;
  }
  if (units == UnitSystem::kGeneral) {
    d.coverage = InteractionCoverage::kPreparationFailed;
    return d;
  }
  auto cs = std::make_unique<CutSection>();
  if (PrepareCutSection(s, units, cs.get()).status != PrepareStatus::kOk) {
    d.coverage = InteractionCoverage::kPreparationFailed;
    return d;
  }
  if (cs->pipe()) {
    return SteelPipeInteraction(cs->depth, cs->casing_thickness, cs->casing_fy, cs->casing_e,
                                cs->si, settings.code);
  }
  return ConcreteInteraction(*cs, settings);
}

// ------------------------------------------------------------ utilisation

namespace {

double Cross(double am, double ap, double bm, double bp) { return am * bp - ap * bm; }

// The smallest t > 0 with t (m, p) on the polygon's edges, or infinity.
double RayHit(const std::vector<PmPoint>& poly, double m, double p) {
  double best = kInfinity;
  const std::size_t n = poly.size();
  for (std::size_t i = 0; i < n; ++i) {
    const PmPoint& a = poly[i];
    const PmPoint& b = poly[(i + 1) % n];
    const double em = b.moment - a.moment, ep = b.axial - a.axial;
    const double denom = Cross(m, p, em, ep);
    if (std::fabs(denom) < 1e-300) continue;
    // An edge whose line passes through the origin (the axis that closes a
    // half diagram) meets the ray only there.
    const double through = Cross(a.moment, a.axial, em, ep);
    if (std::fabs(through) <= 1e-12 * std::hypot(a.moment, a.axial) * std::hypot(em, ep)) continue;
    const double t = through / denom;
    const double s = Cross(a.moment, a.axial, m, p) / denom;
    if (t > 0.0 && s >= -1e-12 && s <= 1.0 + 1e-12) best = std::min(best, t);
  }
  return best;
}

}  // namespace

Utilisation RayUtilisation(const std::vector<PmPoint>& design, double axial, double moment) {
  Utilisation u;
  if (design.empty()) {
    u.ratio = kInfinity;
    return u;
  }
  const double m = std::fabs(moment);
  if (m == 0.0 && axial == 0.0) return u;
  bool both = false;
  for (const PmPoint& q : design) both = both || q.moment < 0.0;
  std::vector<PmPoint> poly;
  poly.reserve(design.size() + 2);
  if (!both) poly.push_back({design.front().axial, 0.0});
  poly.insert(poly.end(), design.begin(), design.end());
  if (!both) poly.push_back({design.back().axial, 0.0});
  double t = RayHit(poly, m, axial);
  double sign = 1.0;
  if (both) {
    const double other = RayHit(poly, -m, axial);
    if (other < t) {
      t = other;
      sign = -1.0;
    }
  }
  if (!std::isfinite(t)) {
    u.ratio = kInfinity;
    return u;
  }
  u.ratio = 1.0 / t;
  u.capacity = {t * axial, sign * t * m};
  return u;
}

}  // namespace tarvex
