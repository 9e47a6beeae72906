#include "pile/section_properties.hpp"

#include "section/cut_section.hpp"

namespace tarvex {
namespace {

constexpr double kQuarterPi = 0.7853981633974483;  // pi / 4
constexpr double kPiOver64 = 0.04908738521234052;  // pi / 64

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

std::vector<SectionPoint> BuildSectionPropertyTable(const std::vector<PileSection>& sections,
                                                    UnitSystem units) {
  std::vector<SectionPoint> table;
  table.reserve(2 * sections.size());
  for (std::size_t i = 0; i < sections.size(); ++i) {
    const PileSection& s = sections[i];
    const int number = static_cast<int>(i) + 1;
    table.push_back({s.top, number, EndProperties(s, false, units)});
    table.push_back({s.bottom, number, EndProperties(s, true, units)});
  }
  return table;
}

}  // namespace tarvex
