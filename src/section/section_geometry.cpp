#include "section/section_geometry.hpp"

#include <algorithm>
#include <cmath>

namespace tarvex {
namespace {

constexpr double kPi = 3.141592653589793;

void Add(Reinforcement* out, double dia, double area, double x, double y) {
  if (out->count >= kMaxReinforcement) return;
  out->bar[static_cast<std::size_t>(out->count++)] = {dia, area, x, y};
}

// The cross product term x_i y_j - x_j y_i of the shoelace sums.
double Cross(const Point2& a, const Point2& b) { return a.x * b.y - b.x * a.y; }

}  // namespace

bool IsCircularKind(SectionKind kind) {
  switch (kind) {
    case SectionKind::kRound:
    case SectionKind::kRoundWithInsert:
    case SectionKind::kCased:
    case SectionKind::kCasedWithCore:
    case SectionKind::kSteelPipe:
      return true;
    default:
      return false;
  }
}

void RectangleOutline(double b, double d, SectionOutline* out) {
  const double hb = b / 2.0, hd = d / 2.0;
  out->count = 4;
  out->vertex[0] = {hb, -hd};
  out->vertex[1] = {hb, hd};
  out->vertex[2] = {-hb, hd};
  out->vertex[3] = {-hb, -hd};
}

void ChamferedSquareOutline(double d, double c, SectionOutline* out) {
  const double h = d / 2.0;
  out->count = 8;
  out->vertex[0] = {h - c, -h};
  out->vertex[1] = {h, -h + c};
  out->vertex[2] = {h, h - c};
  out->vertex[3] = {h - c, h};
  out->vertex[4] = {-h + c, h};
  out->vertex[5] = {-h, h - c};
  out->vertex[6] = {-h, -h + c};
  out->vertex[7] = {-h + c, -h};
}

void OctagonOutline(double d, SectionOutline* out) {
  // The chamfer that leaves eight equal sides: h - 0.2071 D.
  ChamferedSquareOutline(d, d / 2.0 - 0.2071 * d, out);
}

double PolygonArea(const SectionOutline& p) {
  double sum = 0.0;
  for (int i = 0; i < p.count; ++i) {
    sum += Cross(p.vertex[static_cast<std::size_t>(i)],
                 p.vertex[static_cast<std::size_t>((i + 1) % p.count)]);
  }
  return std::fabs(sum) / 2.0;
}

double PolygonInertia(const SectionOutline& p) {
  double area2 = 0.0, first = 0.0, second = 0.0;  // 2A, 6 A yc, 12 Ix about y = 0
  for (int i = 0; i < p.count; ++i) {
    const Point2& a = p.vertex[static_cast<std::size_t>(i)];
    const Point2& b = p.vertex[static_cast<std::size_t>((i + 1) % p.count)];
    const double c = Cross(a, b);
    area2 += c;
    first += (a.y + b.y) * c;
    second += (a.y * a.y + a.y * b.y + b.y * b.y) * c;
  }
  if (area2 == 0.0) return 0.0;
  const double area = area2 / 2.0;
  const double yc = first / (3.0 * area2);
  return std::fabs(second / 12.0 - area * yc * yc);
}

double PolygonAreaAbove(const SectionOutline& p, double level) {
  // Clip the polygon to the half-plane y >= level, then the shoelace area.
  std::array<Point2, 2 * kMaxOutlineVertices> kept;
  int n = 0;
  for (int i = 0; i < p.count; ++i) {
    const Point2& a = p.vertex[static_cast<std::size_t>(i)];
    const Point2& b = p.vertex[static_cast<std::size_t>((i + 1) % p.count)];
    const bool a_in = a.y >= level, b_in = b.y >= level;
    if (a_in) kept[static_cast<std::size_t>(n++)] = a;
    if (a_in != b_in) {
      const double t = (level - a.y) / (b.y - a.y);
      kept[static_cast<std::size_t>(n++)] = {a.x + t * (b.x - a.x), level};
    }
  }
  double sum = 0.0;
  for (int i = 0; i < n; ++i) {
    sum += Cross(kept[static_cast<std::size_t>(i)], kept[static_cast<std::size_t>((i + 1) % n)]);
  }
  return std::fabs(sum) / 2.0;
}

double CircularSegmentArea(double dia, double s) {
  if (dia <= 0.0) return 0.0;
  double u = 1.0 - s / (dia / 2.0);
  if (u > 1.0) u = 1.0;
  if (u < -1.0) u = -1.0;
  double alpha;
  if (std::fabs(u) < 1e-12) {
    alpha = kPi / 2.0;
  } else if (u > 0.0) {
    alpha = std::atan(std::sqrt(1.0 - u * u) / u);
  } else {
    alpha = std::atan(std::sqrt(1.0 - u * u) / u) + kPi;
  }
  return dia * dia / 8.0 * (2.0 * alpha - std::sin(2.0 * alpha));
}

bool FindOverlappingBars(const Reinforcement& r, int per_group, int* a, int* b) {
  const int group = std::clamp(per_group, 1, 3);  // bars beyond three are placed as three
  for (int i = 0; i < r.count; ++i) {
    const RebarPoint& p = r.bar[static_cast<std::size_t>(i)];
    for (int j = i + 1; j < r.count; ++j) {
      if (group > 1 && i / group == j / group) continue;
      const RebarPoint& q = r.bar[static_cast<std::size_t>(j)];
      const double reach = 0.5 * (p.diameter + q.diameter) * (1.0 - 1e-9);
      const double dx = p.x - q.x, dy = p.y - q.y;
      if (dx * dx + dy * dy < reach * reach) {
        *a = i + 1;
        *b = j + 1;
        return true;
      }
    }
  }
  return false;
}

PlacementRefusal PlaceBarsOnCircle(double dia, double db, double ab, double cover, int groups,
                                   int per_group, double offset, Reinforcement* out) {
  if (db > 100.0) db = 0.0;
  const double r = (dia - db) / 2.0 - cover;
  if (dia < db) return PlacementRefusal::kDiameterBelowBar;
  if (cover <= 0.0) return PlacementRefusal::kCoverNotPositive;
  if (groups < 1 || groups > kMaxReinforcement) return PlacementRefusal::kGroupsOutOfRange;
  if (per_group < 1) return PlacementRefusal::kNoBarsInGroup;
  if (r <= 0.0) return PlacementRefusal::kRadiusNotPositive;
  const int first = out->count;
  if (groups == 1 && per_group == 1) {
    Add(out, db, ab, 0.0, 0.0);
  } else if (groups == 1 && per_group == 2) {
    Add(out, db, ab, -db / 2.0, 0.0);
    Add(out, db, ab, db / 2.0, 0.0);
  } else {
    const double half_pair = db / (2.0 * r);  // angle between a pair's bars and the group axis
    for (int k = 0; k < groups; ++k) {
      const double theta = k * 2.0 * kPi / groups;
      if (per_group == 1) {
        Add(out, db, ab, r * std::cos(theta), r * std::sin(theta));
        continue;
      }
      for (double side : {-1.0, 1.0}) {
        const double t = theta + side * half_pair;
        Add(out, db, ab, r * std::cos(t), r * std::sin(t));
      }
      if (per_group >= 3) {
        const double inner = r - 0.8660254037844386 * db;
        Add(out, db, ab, inner * std::cos(theta), inner * std::sin(theta));
      }
    }
  }
  for (int i = first; i < out->count; ++i) out->bar[static_cast<std::size_t>(i)].y += offset;
  return PlacementRefusal::kNone;
}

PlacementRefusal PlaceStrandsOnSquare(double width, double ds, double as, double cover, int n,
                                      int arrangement, Reinforcement* out) {
  const double a = (width - ds) / 2.0 - cover;
  if (a <= 0.0) return PlacementRefusal::kRadiusNotPositive;
  if (n < 4) {
    if (n >= 2) {
      Add(out, ds, as, -a, -a);
      Add(out, ds, as, a, a);
    }
    if (n != 2) Add(out, ds, as, 0.0, 0.0);
    return PlacementRefusal::kNone;
  }
  const int k = n / 4, r = n % 4;
  const bool two_extra = r >= 2;
  int m = k, sides = k - 1, q = k;  // row spaces, strands per side, side spaces
  if (arrangement == 2) {
    if (two_extra) {
      sides = k;
      q = k + 1;
    }
  } else if (two_extra) {
    m = k + 1;
  }
  const int centre = (sides - 1) / 2 + 1;  // side strands below the axis, plus one
  const double row_step = 2.0 * a / m;
  const double side_step = 2.0 * a / q;
  for (int j = 0; j <= m; ++j) Add(out, ds, as, -a + j * row_step, -a);
  for (int j = 1; j <= sides; ++j) Add(out, ds, as, a, (j - centre) * side_step);
  for (int j = 0; j <= m; ++j) Add(out, ds, as, a - j * row_step, a);
  for (int j = 1; j <= sides; ++j) Add(out, ds, as, -a, (centre - j) * side_step);
  if (r % 2 == 1) Add(out, ds, as, 0.0, 0.0);
  return PlacementRefusal::kNone;
}

void SetStripBoundaries(double top, double depth, SectionSlices* s) {
  s->depth = depth;
  s->h = depth / kSliceCount;
  for (int i = 0; i <= kSliceCount; ++i) {
    s->y[static_cast<std::size_t>(i)] = top - i * s->h;
  }
  for (int i = 1; i <= kSliceCount; ++i) {
    s->d[static_cast<std::size_t>(i)] = (i - 0.5) * depth / kSliceCount;
  }
}

void AddCircleStripAreas(const SectionSlices& s, double dia, double yc,
                         std::array<double, kSliceCount + 1>* area) {
  if (dia <= 0.0) return;
  // Distance from the section's top to the circle's top; 0 for the outline itself.
  const double gap = s.y[0] - (yc + dia / 2.0);
  double above = CircularSegmentArea(dia, -gap);
  for (int i = 1; i <= kSliceCount; ++i) {
    const double next = CircularSegmentArea(dia, i * s.h - gap);
    (*area)[static_cast<std::size_t>(i)] += next - above;
    above = next;
  }
}

void AddPolygonStripAreas(const SectionSlices& s, const SectionOutline& p,
                          std::array<double, kSliceCount + 1>* area) {
  double above = PolygonAreaAbove(p, s.y[0]);
  for (int i = 1; i <= kSliceCount; ++i) {
    const double next = PolygonAreaAbove(p, s.y[static_cast<std::size_t>(i)]);
    (*area)[static_cast<std::size_t>(i)] += next - above;
    above = next;
  }
}

int FindSliceY(const SectionSlices& s, double v) {
  for (int i = 1; i <= kSliceCount; ++i) {
    if (s.y[static_cast<std::size_t>(i)] < v && v <= s.y[static_cast<std::size_t>(i - 1)]) {
      return i;
    }
  }
  // The bottom face itself belongs to the last strip.
  return v == s.y[kSliceCount] ? kSliceCount : 0;
}

int DistributeBars(const Reinforcement& r, SectionSlices* s) {
  for (int b = 0; b < r.count; ++b) {
    const RebarPoint& bar = r.bar[static_cast<std::size_t>(b)];
    const double top = bar.y + bar.diameter / 2.0;
    const int first = FindSliceY(*s, top);
    const int last = FindSliceY(*s, bar.y - bar.diameter / 2.0);
    if (first == 0 || last == 0) return b + 1;
    if (first == last) {
      s->bar[static_cast<std::size_t>(first)] += bar.area;
      continue;
    }
    // A circle of the bar's own area, its top at the bar's top: its segments
    // above each boundary give the shares; the last strip takes the rest.
    const double equivalent = std::sqrt(4.0 * bar.area / kPi);
    double given = 0.0;
    for (int i = first; i < last; ++i) {
      const double segment =
          CircularSegmentArea(equivalent, top - s->y[static_cast<std::size_t>(i)]);
      s->bar[static_cast<std::size_t>(i)] += segment - given;
      given = segment;
    }
    s->bar[static_cast<std::size_t>(last)] += bar.area - given;
  }
  for (int i = 1; i <= kSliceCount; ++i) {
    s->concrete[static_cast<std::size_t>(i)] -= s->bar[static_cast<std::size_t>(i)];
  }
  return 0;
}

void SumSlices(SectionSlices* s) {
  s->total_concrete = s->total_bar = s->total_casing = s->total_core = 0.0;
  s->total_core_concrete = 0.0;
  s->any_concrete = s->any_bar = s->any_casing = s->any_core = false;
  for (int i = 1; i <= kSliceCount; ++i) {
    const auto k = static_cast<std::size_t>(i);
    s->total_concrete += s->concrete[k];
    s->total_bar += s->bar[k];
    s->total_casing += s->casing[k];
    s->total_core += s->core[k];
    s->total_core_concrete += s->core_concrete[k];
    s->any_concrete = s->any_concrete || s->concrete[k] > 0.0 || s->core_concrete[k] > 0.0;
    s->any_bar = s->any_bar || s->bar[k] > 0.0;
    s->any_casing = s->any_casing || s->casing[k] > 0.0;
    s->any_core = s->any_core || s->core[k] > 0.0;
  }
}

}  // namespace tarvex
