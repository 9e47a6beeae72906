#include "pile/section_properties.hpp"

#include "section/cut_section.hpp"

namespace tarvex {
namespace {

constexpr double kQuarterPi = 0.7853981633974483;       // pi / 4
constexpr double kPiOver64 = 0.04908738521234052;       // pi / 64

void Circle(double d, double* area, double* inertia) {
  *area = d * d * kQuarterPi;
  *inertia = d * d * d * d * kPiOver64;
}

void Pipe(double d, double t, double* area, double* inertia) {
  const double di = d - 2.0 * t;
  *inertia = (d * d * d * d - di * di * di * di) * kPiOver64;
  *area = (d * d - di * di) * kQuarterPi;
}

// The properties at the top or bottom of section s.
SectionProperties EndProperties(const PileSection& s, bool at_bottom, UnitSystem units) {
  SectionProperties p;
  switch (s.type) {
    case kSteelPipe:
      p.diameter = p.width = s.depth;
      Pipe(s.depth, s.casing_thickness, &p.area, &p.inertia);
      p.ei = s.casing_e * p.inertia;
      break;
    case kElastic:
    case kElasticPlastic: {
      const ElasticBlock& e = s.elastic;
      p.width = at_bottom ? e.bottom_width : e.top_width;
      p.diameter = e.shape == kEmbeddedPoleShape ? e.hole_diameter : p.width;
      ElasticShapeProperties(e, at_bottom, &p.area, &p.inertia);
      p.ei = e.modulus * p.inertia;
      if (s.type == kElasticPlastic) p.mp = at_bottom ? e.bottom_mp : e.top_mp;
      break;
    }
    case kUserEi:
      // The stiffness comes from the user's table; area and inertia are not
      // known, so no stresses are computed for the section.
      p.diameter = p.width = s.depth;
      break;
    case kMicropile:
      break;
    default: {
      p.diameter = p.width = s.type == kRectangularConcrete ? s.width : s.depth;
      // Concrete, cased and prestressed sections: the gross section with the
      // concrete modulus; the moment-curvature tables give the bending stiffness.
      double modulus = 0.0;
      if (GrossSectionProperties(s, units, &p.area, &p.inertia, &modulus)) {
        p.ei = modulus * p.inertia;
      }
      break;
    }
  }
  return p;
}

}  // namespace

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

void BuildSectionPropertyTable(AnalysisModel& model) {
  model.section_points.clear();
  for (std::size_t i = 0; i < model.sections.size(); ++i) {
    const PileSection& s = model.sections[i];
    const int number = static_cast<int>(i) + 1;
    model.section_points.push_back({s.top, number, EndProperties(s, false, model.options.units)});
    model.section_points.push_back({s.bottom, number, EndProperties(s, true, model.options.units)});
  }
}

SectionProperties PropertiesAt(const AnalysisModel& model, double d) {
  const auto& t = model.section_points;
  const std::size_t n = t.size();
  if (n == 0) return {};
  if (n == 1 || d <= t[0].depth) {
    // At or above the head: the first point, or the deeper of two at its depth.
    std::size_t i = 0;
    while (i + 1 < n && t[i + 1].depth == t[0].depth && d == t[0].depth) ++i;
    return t[i].properties;
  }
  std::size_t i = 1;
  while (i < n && t[i].depth < d) ++i;
  if (i == n) return t[n - 1].properties;  // below the last point
  if (d == t[i].depth) {
    while (i + 1 < n && t[i + 1].depth == d) ++i;  // a section boundary: the deeper point
    return t[i].properties;
  }
  const SectionProperties& a = t[i - 1].properties;
  const SectionProperties& b = t[i].properties;
  const double f = (d - t[i - 1].depth) / (t[i].depth - t[i - 1].depth);
  SectionProperties p;
  p.diameter = a.diameter + (b.diameter - a.diameter) * f;
  p.width = a.width + (b.width - a.width) * f;
  p.area = a.area + (b.area - a.area) * f;
  p.inertia = a.inertia + (b.inertia - a.inertia) * f;
  p.ei = a.ei + (b.ei - a.ei) * (d - t[i - 1].depth) / (t[i].depth - t[i - 1].depth);
  p.mp = a.mp + (b.mp - a.mp) * f;
  return p;
}

}  // namespace tarvex
