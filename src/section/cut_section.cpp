#include "section/cut_section.hpp"

#include <cmath>

namespace tarvex {
namespace {

constexpr double kQuarterPi = 0.7853981633974483;  // pi / 4
constexpr double kPiOver64 = 0.04908738521234052;  // pi / 64
constexpr double kInch = 0.0254;                   // metres
constexpr double kSquareInch = 0.00064516;         // square metres

double CircleArea(double d) { return kQuarterPi * d * d; }

void Circle(double d, double* area, double* inertia) {
  *area = d * d * kQuarterPi;
  *inertia = d * d * d * d * kPiOver64;
}

void Pipe(double d, double t, double* area, double* inertia) {
  const double di = d - 2.0 * t;
  *inertia = (d * d * d * d - di * di * di * di) * kPiOver64;
  *area = (d * d - di * di) * kQuarterPi;
}

bool Positive(double v, const char* what, PrepareResult* r) {
  if (v > 0.0) return true;
  r->status = PrepareStatus::kBadValue;
  r->reason = std::string(what) + " is zero or negative";
  return false;
}

bool Fails(bool bad, const char* reason, PrepareResult* r) {
  if (!bad) return false;
  r->status = PrepareStatus::kBadValue;
  r->reason = reason;
  return true;
}

// The values the section needs, checked before anything is cut.
bool CheckValues(const PileSection& s, PrepareResult* r) {
  if (!Positive(s.depth, "the section diameter or width", r)) return false;
  switch (s.type) {
    case kRectangularConcrete:
      if (!Positive(s.width, "the section width", r)) return false;
      break;
    case kShaftWithCasingAndCore:
      if (!Positive(s.core_diameter, "the core diameter", r) ||
          !Positive(s.core_thickness, "the core wall thickness", r) ||
          !Positive(s.core_fy, "the core yield stress", r) ||
          !Positive(s.core_e, "the core elastic modulus", r) ||
          Fails(2.0 * s.core_thickness > s.core_diameter,
                "the core wall is thicker than half the core diameter", r) ||
          Fails(s.core_diameter >= s.depth - 2.0 * s.casing_thickness,
                "the core does not fit inside the casing", r)) {
        return false;
      }
      [[fallthrough]];
    case kShaftWithCasing:
    case kSteelPipe:
      if (!Positive(s.casing_thickness, "the wall thickness", r) ||
          !Positive(s.casing_fy, "the steel yield stress", r) ||
          !Positive(s.casing_e, "the steel elastic modulus", r) ||
          Fails(2.0 * s.casing_thickness > s.depth,
                "the wall is thicker than half the outer diameter", r)) {
        return false;
      }
      break;
    case kCircularHollowPrestressed:
    case kSquareHollowPrestressed:
    case kOctagonalHollowPrestressed:
      if (!Positive(s.void_diameter, "the void diameter", r) ||
          Fails(s.void_diameter >= s.depth, "the void is as wide as the pile", r)) {
        return false;
      }
      break;
    default:
      break;
  }
  if ((s.type == kSquarePrestressed || s.type == kSquareHollowPrestressed) &&
      Fails(s.chamfer < 0.0 || 2.0 * s.chamfer >= s.depth,
            "the corner chamfer is negative or not less than half the pile width", r)) {
    return false;
  }
  if (s.type == kSteelPipe) return true;
  if (!Positive(s.concrete.fc, "the concrete compressive strength", r)) return false;
  if (s.type <= kShaftWithCasingAndCore && s.bars.layout != BarLayout::kNone) {
    if (!Positive(s.bars.fy, "the yield stress of the bars", r) ||
        !Positive(s.bars.es, "the elastic modulus of the bars", r)) {
      return false;
    }
    for (const Bar& b : s.bars.bars) {
      if (Fails(b.area <= 0.0 || b.diameter < 0.0,
                "a bar has an area of zero or less, or a negative diameter", r)) {
        return false;
      }
    }
    if (s.bars.layout == BarLayout::kCircle &&
        Fails(s.bars.area <= 0.0, "the area of one bar is zero or negative", r)) {
      return false;
    }
  }
  if (s.type >= kCircularPrestressed &&
      Fails(!s.strands.present || s.strands.count < 1, "the pile has no strands", r)) {
    return false;
  }
  return true;
}

// Bars or strands that the program placed and that overlap: they do not fit
// on their circle or square at the given cover.
bool Overlap(const Reinforcement& placed, int per_group, PrepareResult* r) {
  if (!FindOverlappingBars(placed, per_group, &r->bar, &r->other_bar)) return false;
  r->status = PrepareStatus::kSteelDoesNotFit;
  return true;
}

bool PlaceBars(const PileSection& s, CutSection* cs, PrepareResult* r) {
  const BarBlock& b = s.bars;
  if (b.layout == BarLayout::kCircle) {
    r->refusal = PlaceBarsOnCircle(s.depth, b.diameter, b.area, b.cover, b.groups, b.bars_per_group,
                                   b.offset, &cs->reinforcement);
    if (r->refusal == PlacementRefusal::kNone &&
        Overlap(cs->reinforcement, b.groups == 1 ? 3 : b.bars_per_group, r)) {
      return false;
    }
  } else if (b.layout == BarLayout::kList) {
    for (const Bar& bar : b.bars) {
      Reinforcement& rf = cs->reinforcement;
      if (rf.count >= kMaxReinforcement) break;
      rf.bar[static_cast<std::size_t>(rf.count++)] = {bar.diameter, bar.area, bar.x, bar.y};
    }
  }
  if (r->refusal != PlacementRefusal::kNone) r->status = PrepareStatus::kPlacementRefused;
  return r->refusal == PlacementRefusal::kNone;
}

// One strand of the table in the run's units.
RebarPoint StrandOf(int type, int size, bool si) {
  StrandSize t;
  StrandTable(type, size, &t);
  RebarPoint p;
  p.diameter = si ? t.diameter * kInch : t.diameter;
  p.area = si ? t.area * kSquareInch : t.area;
  return p;
}

bool PlaceStrands(const PileSection& s, CutSection* cs, PrepareResult* r) {
  const StrandBlock& st = s.strands;
  if (st.automatic) {
    const RebarPoint one = StrandOf(st.type, st.size_index, cs->si);
    r->refusal = st.arrangement == 0
                     ? PlaceBarsOnCircle(s.depth, one.diameter, one.area, st.cover, st.count, 1,
                                         0.0, &cs->reinforcement)
                     : PlaceStrandsOnSquare(s.depth, one.diameter, one.area, st.cover, st.count,
                                            st.arrangement, &cs->reinforcement);
    if (r->refusal == PlacementRefusal::kNone && Overlap(cs->reinforcement, 1, r)) return false;
  } else {
    for (const Strand& strand : st.strands) {
      Reinforcement& rf = cs->reinforcement;
      if (rf.count >= kMaxReinforcement) break;
      RebarPoint p = StrandOf(st.type, strand.size_index, cs->si);
      p.x = strand.x;
      p.y = strand.y;
      rf.bar[static_cast<std::size_t>(rf.count++)] = p;
    }
  }
  if (r->refusal != PlacementRefusal::kNone) r->status = PrepareStatus::kPlacementRefused;
  return r->refusal == PlacementRefusal::kNone;
}

// The outline of a polygon section, or false for circular ones.
bool Outline(const PileSection& s, SectionOutline* out) {
  switch (s.type) {
    case kRectangularConcrete:
      RectangleOutline(s.width, s.depth, out);
      return true;
    case kSquarePrestressed:
    case kSquareHollowPrestressed:
      if (s.chamfer > 0.0) {
        ChamferedSquareOutline(s.depth, s.chamfer, out);
      } else {
        RectangleOutline(s.depth, s.depth, out);
      }
      return true;
    case kOctagonalPrestressed:
    case kOctagonalHollowPrestressed:
      OctagonOutline(s.depth, out);
      return true;
    default:
      return false;
  }
}

SectionKind KindOf(const PileSection& s) {
  switch (s.type) {
    case kRectangularConcrete:
      return SectionKind::kSquare;
    case kShaftWithCasing:
      return SectionKind::kCased;
    case kShaftWithCasingAndCore:
      return SectionKind::kCasedWithCore;
    case kSteelPipe:
      return SectionKind::kSteelPipe;
    case kCircularHollowPrestressed:
      return SectionKind::kRoundWithInsert;
    case kSquarePrestressed:
      return s.chamfer > 0.0 ? SectionKind::kNoncircular : SectionKind::kSquare;
    case kSquareHollowPrestressed:
      return s.chamfer > 0.0 ? SectionKind::kComposite : SectionKind::kSquareWithCore;
    case kOctagonalPrestressed:
      return SectionKind::kNoncircular;
    case kOctagonalHollowPrestressed:
      return SectionKind::kComposite;
    default:
      return SectionKind::kRound;
  }
}

// Strips of the outline (concrete, or the pipe wall), casing and core.
void CutStrips(const PileSection& s, CutSection* cs) {
  SectionSlices& sl = cs->slices;
  SectionOutline outline;
  if (Outline(s, &outline)) {
    double top = outline.vertex[0].y, bottom = top;
    for (int i = 1; i < outline.count; ++i) {
      top = std::fmax(top, outline.vertex[static_cast<std::size_t>(i)].y);
      bottom = std::fmin(bottom, outline.vertex[static_cast<std::size_t>(i)].y);
    }
    SetStripBoundaries(top, top - bottom, &sl);
    cs->gross_area = PolygonArea(outline);
    if (cs->kind == SectionKind::kSquare || cs->kind == SectionKind::kSquareWithCore) {
      const double each = cs->width * sl.depth / kSliceCount;
      for (int i = 1; i <= kSliceCount; ++i) sl.concrete[static_cast<std::size_t>(i)] = each;
      cs->gross_area = cs->width * sl.depth;
    } else {
      AddPolygonStripAreas(sl, outline, &sl.concrete);
    }
  } else {
    SetStripBoundaries(s.depth / 2.0, s.depth, &sl);
    AddCircleStripAreas(sl, s.depth, 0.0, &sl.concrete);
    cs->gross_area = CircleArea(s.depth);
  }
  cs->depth = sl.depth;

  if (cs->kind == SectionKind::kCased || cs->kind == SectionKind::kCasedWithCore || cs->pipe()) {
    const double inner = s.depth - 2.0 * s.casing_thickness;
    std::array<double, kSliceCount + 1> inside = {};
    AddCircleStripAreas(sl, inner, 0.0, &inside);
    for (int i = 1; i <= kSliceCount; ++i) {
      const auto k = static_cast<std::size_t>(i);
      sl.casing[k] = sl.concrete[k] - inside[k];
      sl.concrete[k] = cs->pipe() ? 0.0 : sl.concrete[k] - sl.casing[k];
    }
    cs->casing_area = CircleArea(s.depth) - CircleArea(inner);
  }

  if (cs->core_diameter > 0.0) {
    // A core centred on the section: its outer circle leaves the concrete;
    // its wall is steel, and inside it concrete (filled) or nothing.
    std::array<double, kSliceCount + 1> outer = {}, inner = {};
    const double inside = cs->core_diameter - 2.0 * cs->core_thickness;
    AddCircleStripAreas(sl, cs->core_diameter, 0.0, &outer);
    AddCircleStripAreas(sl, inside, 0.0, &inner);
    for (int i = 1; i <= kSliceCount; ++i) {
      const auto k = static_cast<std::size_t>(i);
      sl.concrete[k] -= outer[k];
      sl.core[k] = cs->core_thickness > 0.0 ? outer[k] - inner[k] : 0.0;
      if (cs->core_filled) sl.core_concrete[k] = inner[k];
    }
    cs->core_area = CircleArea(cs->core_diameter) - CircleArea(inside);
    if (!cs->core_filled) cs->void_area = CircleArea(inside);
  }
}

// Capacities of the sections reinforced with bars, and of the pipe.
void BarSectionCapacities(CutSection* cs) {
  const double fc = cs->concrete.fc;
  const double as = cs->bar_area;
  switch (cs->kind) {
    case SectionKind::kSteelPipe:
      cs->pn = cs->casing_fy * cs->casing_area;
      cs->nt = -cs->casing_fy * cs->casing_area;
      cs->tcr = 0.0;
      return;
    case SectionKind::kCased:
    case SectionKind::kCasedWithCore: {
      const double inner = cs->depth - 2.0 * cs->casing_thickness;
      double concrete = CircleArea(inner) - as;
      double steel = cs->casing_fy * cs->casing_area;
      if (cs->kind == SectionKind::kCasedWithCore) {
        steel += cs->core_fy * cs->core_area;
        concrete -= cs->core_filled ? cs->core_area : CircleArea(cs->core_diameter);
      }
      cs->pn = steel + 0.85 * fc * concrete + cs->fy * as;
      break;
    }
    default:
      cs->pn = 0.85 * fc * (cs->gross_area - as) + cs->fy * as;
      break;
  }
  // Cracking: bars, casing and core at the bar modulus, the rest concrete.
  const double steel = as + cs->casing_area + cs->core_area;
  const double concrete = cs->gross_area - steel - cs->void_area;
  cs->tcr = (cs->es * steel + cs->cracking.ec * concrete) * cs->cracking.eps_cr;
  cs->nt = -(cs->fy * as + cs->casing_fy * cs->casing_area + cs->core_fy * cs->core_area);
}

PrepareStatus ComputePrestress(const PileSection& s, bool uscs, CutSection* cs) {
  Prestress& p = cs->prestress;
  p.concrete_area = cs->slices.total_concrete;
  p.steel_area = cs->slices.total_bar;
  if (p.concrete_area <= 0.0) return PrepareStatus::kNoConcrete;
  if (p.steel_area <= 0.0) return PrepareStatus::kNoSteel;
  // The force is input in pounds for USCS: the moduli go to psi for the strains.
  const double unit = uscs ? 1000.0 : 1.0;
  p.initial = s.strands.force / unit;
  p.loss = s.strands.loss;
  const double pe = (1.0 - s.strands.loss) * s.strands.force;
  p.effective = pe / unit;
  p.eps_pi = -pe / (cs->es * unit * p.steel_area);
  p.eps_pc = pe / (p.concrete_area * cs->concrete.ec * unit);
  p.fpc = p.eps_pc * cs->concrete.ec;
  p.fps = p.eps_pi * cs->es;
  const double ag = p.concrete_area + p.steel_area;
  const double fc = cs->concrete.fc;
  p.pn = (0.85 * fc - 0.60 * p.fpc) * ag;
  p.n = (0.33 * fc - 0.27 * p.fpc) * ag;
  p.nt = -p.steel_area * cs->fy;
  switch (s.type) {
    case kCircularPrestressed:
    case kOctagonalPrestressed:
      p.mn_factor = 0.32;
      break;
    case kCircularHollowPrestressed:
    case kOctagonalHollowPrestressed:
      p.mn_factor = 0.34;
      break;
    case kSquarePrestressed:
      p.mn_factor = 0.37;
      break;
    default:
      p.mn_factor = 0.38;
      break;
  }
  p.mn = p.mn_factor * cs->depth * p.steel_area * cs->fy;
  cs->pn = p.pn;
  cs->nt = p.nt;
  cs->tcr = 0.0;
  return PrepareStatus::kOk;
}

}  // namespace

PrepareResult PrepareCutSection(const PileSection& s, UnitSystem units, CutSection* cs) {
  PrepareResult r;
  *cs = CutSection{};
  if (!CheckValues(s, &r)) return r;
  const bool si = units == UnitSystem::kSi;
  const bool uscs = !si;
  const double stress = si ? 1.0 : 1.0 / 1000.0;  // input psi to ksi
  cs->type = s.type;
  cs->si = si;
  cs->kind = KindOf(s);
  cs->nominal = s.depth;
  cs->width = s.type == kRectangularConcrete ? s.width : s.depth;
  cs->prestressed = s.type >= kCircularPrestressed && s.type <= kOctagonalHollowPrestressed;
  cs->has_concrete = !cs->pipe();
  cs->casing_thickness = s.casing_thickness;
  cs->casing_e = s.casing_e * stress;
  cs->casing_fy = s.casing_fy * stress;
  if (s.type == kShaftWithCasingAndCore) {
    cs->core_diameter = s.core_diameter;
    cs->core_thickness = s.core_thickness;
    cs->core_e = s.core_e * stress;
    cs->core_fy = s.core_fy * stress;
    cs->core_filled = s.core_filled;
  } else if (s.type == kCircularHollowPrestressed || s.type == kSquareHollowPrestressed ||
             s.type == kOctagonalHollowPrestressed) {
    cs->core_diameter = s.void_diameter;  // a core without a wall, and void
  }
  if (cs->has_concrete) {
    cs->concrete = ConcreteFromInput(s.concrete.fc, units, cs->prestressed);
    cs->cracking = ConcreteFromInput(s.concrete.fc, units, false);
  }

  if (cs->prestressed) {
    const StrandBlock& st = s.strands;
    StrandSize t;
    StrandTable(st.type, st.size_index, &t);
    cs->law = kFirstStrandLaw + st.type;
    cs->fy = si ? t.fpu_psi * 6.89475732421875 : t.fpu_psi / 1000.0;
    cs->es = si ? (st.type <= 2 ? 193053200.0 : 199947760.0) : StrandModulusKsi(st.type);
    cs->strand_fy9 = DeformedBarYieldKsi(st.size_index);
    if (!PlaceStrands(s, cs, &r)) return r;
  } else if (!cs->pipe()) {
    cs->law = kBarLaw;
    cs->fy = s.bars.fy * stress;
    cs->es = s.bars.es * stress;
    if (!PlaceBars(s, cs, &r)) return r;
  }

  CutStrips(s, cs);
  r.bar = DistributeBars(cs->reinforcement, &cs->slices);
  if (r.bar != 0) {
    r.status = PrepareStatus::kOutsideStrips;
    return r;
  }
  SumSlices(&cs->slices);
  cs->bar_area = 0.0;
  for (int i = 0; i < cs->reinforcement.count; ++i) {
    const RebarPoint& b = cs->reinforcement.bar[static_cast<std::size_t>(i)];
    cs->bar_area += b.area;
    cs->bar_depth[static_cast<std::size_t>(i)] = cs->slices.y[0] - b.y;
  }
  // Bars or strands with more area than the concrete they lie in (inside a
  // casing, around a core or void) cannot be there, however they are placed.
  const double room = cs->gross_area - cs->casing_area -
                      (cs->core_diameter > 0.0 ? CircleArea(cs->core_diameter) : 0.0);
  if (cs->bar_area > room) {
    r.status = PrepareStatus::kSteelDoesNotFit;
    r.steel = cs->bar_area;
    r.room = room;
    r.gross = cs->gross_area;
    return r;
  }
  for (int i = 1; i <= kSliceCount; ++i) {
    const auto k = static_cast<std::size_t>(i);
    cs->arm[k] = cs->depth / 2.0 - cs->slices.d[k];
  }
  if (cs->prestressed) {
    r.status = ComputePrestress(s, uscs, cs);
  } else {
    BarSectionCapacities(cs);
  }
  return r;
}

void ElasticShapeProperties(const ElasticBlock& e, bool at_bottom, double* area, double* inertia) {
  const double width = at_bottom ? e.bottom_width : e.top_width;
  switch (e.shape) {
    case kRectangularShape: {
      const double d = at_bottom ? e.bottom_depth : e.top_depth;
      *area = width * d;
      *inertia = width * d * d * d / 12.0;
      return;
    }
    case kPipeShape:
      Pipe(width, at_bottom ? e.bottom_wall : e.top_wall, area, inertia);
      return;
    case kStrongHShape:
    case kWeakHShape: {
      // One area and inertia for the whole section: flanges and web.
      const double bf = e.flange_width, d = e.section_depth;
      const double tf = e.flange_thickness, tw = e.web_thickness;
      const double web = d - 2.0 * tf;
      *area = 2.0 * bf * tf + web * tw;
      if (e.shape == kStrongHShape) {
        *inertia = (bf * d * d * d - (bf - tw) * web * web * web) / 12.0;
      } else {
        *inertia = (2.0 * tf * bf * bf * bf + web * tw * tw * tw) / 12.0;
      }
      return;
    }
    case kCircularShape:
    case kEmbeddedPoleShape:
    default:
      Circle(width, area, inertia);
      return;
  }
}

bool GrossSectionProperties(const PileSection& s, UnitSystem units, double* area, double* inertia,
                            double* modulus) {
  const double d = s.depth;
  double hole = 0.0;  // diameter of a hollow centre
  switch (s.type) {
    case kRectangularConcrete:
      *area = s.width * d;
      *inertia = s.width * d * d * d / 12.0;
      break;
    case kDrilledShaft:
    case kShaftWithCasing:
    case kShaftWithCasingAndCore:
    case kCircularPrestressed:
    case kCircularHollowPrestressed:
      *area = CircleArea(d);
      *inertia = kPiOver64 * d * d * d * d;
      if (s.type == kCircularHollowPrestressed) hole = s.void_diameter;
      if (s.type == kShaftWithCasingAndCore && !s.core_filled) {
        hole = s.core_diameter - 2.0 * s.core_thickness;
      }
      break;
    case kSquarePrestressed:
    case kSquareHollowPrestressed:
    case kOctagonalPrestressed:
    case kOctagonalHollowPrestressed: {
      SectionOutline outline;
      Outline(s, &outline);
      *area = PolygonArea(outline);
      *inertia = PolygonInertia(outline);
      if (s.type == kSquareHollowPrestressed || s.type == kOctagonalHollowPrestressed) {
        hole = s.void_diameter;
      }
      break;
    }
    default:
      return false;
  }
  if (hole > 0.0) {
    *area -= CircleArea(hole);
    *inertia -= kPiOver64 * hole * hole * hole * hole;
  }
  const ConcreteConstants c =
      ConcreteFromInput(s.concrete.fc > 0.0 ? s.concrete.fc : 0.0, units, false);
  *modulus = units == UnitSystem::kSi ? c.ec : c.ec * 1000.0;  // psi for USCS
  return true;
}

}  // namespace tarvex
