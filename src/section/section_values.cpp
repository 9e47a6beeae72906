#include "section/section_values.hpp"

#include <cmath>
#include <cstddef>

namespace tarvex {
namespace {

constexpr double kQuarterPi = 0.7853981633974483;
constexpr double kPiOver64 = 0.04908738521234052;

double Percent(double part, double whole) { return whole > 0.0 ? part / whole * 100.0 : 0.0; }

// Edge-to-edge spacing of bars on a circle: the gap between neighbouring
// groups (bars 1-2, 2-3 or 2-4 by group size) less a bar diameter.
double EdgeSpacing(const PileSection& s, const CutSection& cs) {
  const int per_group = s.bars.bars_per_group;
  const int a = per_group == 1 ? 0 : 1;
  const int b = per_group == 1 ? 1 : per_group == 2 ? 2 : 3;
  if (b >= cs.reinforcement.count) return 0.0;
  const RebarPoint& p = cs.reinforcement.bar[static_cast<std::size_t>(a)];
  const RebarPoint& q = cs.reinforcement.bar[static_cast<std::size_t>(b)];
  return std::hypot(p.x - q.x, p.y - q.y) - s.bars.diameter;
}

// Moment of inertia of a tube of outside diameter d and inside diameter di.
double TubeInertia(double d, double di) { return kPiOver64 * (d * d * d * d - di * di * di * di); }

SectionDimensions Dimensions(const PileSection& s, const CutSection& cs) {
  SectionDimensions d;
  d.depth = s.depth;
  d.width = s.width;
  d.void_diameter = s.void_diameter;
  d.chamfer = s.chamfer;
  d.cover = s.bars.cover;
  d.casing_thickness = s.casing_thickness;
  d.core_diameter = s.core_diameter;
  d.core_thickness = s.core_thickness;
  d.core_filled = s.core_filled;
  d.bar_count = cs.reinforcement.count;
  d.bar_yield_stress = cs.fy;
  d.bar_modulus = cs.es;
  d.casing_yield_stress = cs.casing_fy;
  d.casing_modulus = cs.casing_e;
  d.gross_area = cs.gross_area;
  d.bar_area = cs.bar_area;
  d.casing_area = cs.casing_area;
  d.core_area = cs.core_area;
  d.rupture_modulus = cs.cracking.fr;
  const double outer = s.depth, inner = outer - 2.0 * s.casing_thickness;
  switch (s.type) {
    case kShaftWithCasing:
      d.concrete_area = cs.gross_area - cs.casing_area - cs.bar_area;
      d.steel_area = cs.casing_area + cs.bar_area;
      d.steel_ratio_percent = Percent(d.steel_area, cs.gross_area);
      break;
    case kShaftWithCasingAndCore: {
      const double dc = s.core_diameter, dci = dc - 2.0 * s.core_thickness;
      d.casing_inertia = TubeInertia(outer, inner);
      d.core_inertia = TubeInertia(dc, dci);
      d.steel_area = cs.casing_area + cs.core_area + cs.bar_area;
      d.concrete_area = cs.gross_area - d.steel_area - cs.void_area;
      d.steel_ratio_percent = Percent(d.steel_area, cs.gross_area);
      break;
    }
    case kSteelPipe: {
      d.pipe_area = kQuarterPi * (outer * outer - inner * inner);
      d.pipe_inertia = TubeInertia(outer, inner);
      // E as input (psi or kPa) times I: the run's unit of flexural rigidity.
      d.pipe_bending_stiffness = s.casing_e * d.pipe_inertia;
      d.plastic_modulus = (outer * outer * outer - inner * inner * inner) / 6.0;
      d.plastic_moment = cs.casing_fy * d.plastic_modulus;
      break;
    }
    default:
      d.steel_ratio_percent = Percent(cs.bar_area, cs.gross_area);
      break;
  }
  if (s.bars.layout == BarLayout::kCircle) {
    d.single_bar_area = s.bars.area;
    d.edge_spacing = EdgeSpacing(s, cs);
    d.rebar_offset = s.bars.offset;
  } else if (s.bars.layout == BarLayout::kList) {
    d.listed_bars.reserve(s.bars.bars.size());
    for (const Bar& b : s.bars.bars) {
      d.listed_bars.push_back(ListedBar{b.index, b.diameter, b.area, b.x, b.y});
    }
  }
  d.bars.reserve(static_cast<std::size_t>(cs.reinforcement.count));
  for (int i = 0; i < cs.reinforcement.count; ++i) {
    const RebarPoint& b = cs.reinforcement.bar[static_cast<std::size_t>(i)];
    d.bars.push_back(SectionBar{b.diameter, b.area, b.x, b.y});
  }
  return d;
}

SectionPrestress PrestressOf(const PileSection& s, const CutSection& cs) {
  const Prestress& p = cs.prestress;
  SectionPrestress v;
  v.strand_type = s.strands.type;
  v.strand_area = cs.reinforcement.count > 0 ? cs.reinforcement.bar[0].area : 0.0;
  v.strand_cover = s.strands.automatic ? s.strands.cover : 0.0;
  v.initial_force = p.initial;
  v.loss_fraction = p.loss;
  v.effective_force = p.effective;
  v.concrete_area = p.concrete_area;
  v.steel_area = p.steel_area;
  v.concrete_stress = p.fpc;
  v.steel_stress = p.fps;
  v.concrete_strain = p.eps_pc;
  v.steel_strain = p.eps_pi;
  v.pci_axial_capacity = p.pn;
  v.pci_axial_load = p.n;
  v.pci_tensile_capacity = p.nt;
  v.pci_moment_factor = p.mn_factor;
  v.pci_moment_capacity = p.mn;
  return v;
}

}  // namespace

void DescribeCutSection(const PileSection& s, const CutSection& cs, SectionResult& result) {
  result.curves = SectionCurveSource::kComputed;
  result.axial_capacity = cs.pn;
  result.tensile_capacity = cs.nt;
  result.cracking_load = cs.tcr;
  result.dimensions = Dimensions(s, cs);
  result.prestress.reset();
  if (cs.prestressed) result.prestress = PrestressOf(s, cs);
  result.concrete.reset();
  if (!cs.pipe()) {
    result.concrete = SectionConcrete{cs.concrete.fc,   cs.concrete.ec,     cs.concrete.fr,
                                      cs.concrete.eps0, cs.concrete.eps_cr, s.concrete.aggregate};
  }
}

}  // namespace tarvex
