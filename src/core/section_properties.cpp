#include "core/section_properties.hpp"

namespace tarvex {

SectionProperties PropertiesAt(const std::vector<SectionPoint>& t, double d) {
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
