// Section geometry: the outline of a cut pile section, the positions of its
// bars or strands, and the stack of 100 horizontal strips (perpendicular to
// the direction of bending) that the moment-curvature solution integrates
// over. Lengths are in inches (USCS) or metres (SI), areas in their squares.
#ifndef TARVEX_SECTION_SECTION_GEOMETRY_HPP_
#define TARVEX_SECTION_SECTION_GEOMETRY_HPP_

#include <array>

namespace tarvex {

// The kinds of cut section, numbered as the section report knows them.
enum class SectionKind : int {
  kSquare = 1,           // rectangle: rectangular pile, square prestressed pile
  kSquareWithCore = 2,   // square prestressed pile with a hollow core
  kRound = 3,            // drilled shaft, circular prestressed pile
  kRoundWithInsert = 5,  // circular prestressed pile with a hollow core
  kCased = 6,            // drilled shaft with permanent casing
  kCasedWithCore = 7,    // drilled shaft with casing and core
  kSteelPipe = 9,
  kNoncircular = 10,  // chamfered square or octagonal prestressed pile
  kComposite = 11,    // the same with a hollow core
};

bool IsCircularKind(SectionKind kind);

constexpr int kSliceCount = 100;
constexpr int kMaxOutlineVertices = 300;
constexpr int kMaxReinforcement = 300;  // bars or strands

struct Point2 {
  double x = 0.0;
  double y = 0.0;
};

// A closed polygon, vertices in order; y positive towards the compression face.
struct SectionOutline {
  int count = 0;
  std::array<Point2, kMaxOutlineVertices> vertex = {};
};

// The outline of a b x d rectangle, a square of width d with corner chamfer c,
// and the regular octagon of width d across flats.
void RectangleOutline(double b, double d, SectionOutline* out);
void ChamferedSquareOutline(double d, double c, SectionOutline* out);
void OctagonOutline(double d, SectionOutline* out);

// Area of the polygon (shoelace), its moment of inertia about the horizontal
// axis through its centroid, and the area of the part of it above the line y = level.
double PolygonArea(const SectionOutline& p);
double PolygonInertia(const SectionOutline& p);
double PolygonAreaAbove(const SectionOutline& p, double level);

// Area of the part of a circle of diameter dia above a line at distance s
// below the circle's top: dia^2/8 (2 alpha - sin 2 alpha), alpha = acos(1 - s/(dia/2)).
double CircularSegmentArea(double dia, double s);

// One bar or strand: nominal diameter, area and centre in section axes.
struct RebarPoint {
  double diameter = 0.0;
  double area = 0.0;
  double x = 0.0;
  double y = 0.0;
};

struct Reinforcement {
  int count = 0;
  std::array<RebarPoint, kMaxReinforcement> bar = {};
};

// Why bars or strands could not be placed.
enum class PlacementRefusal {
  kNone,
  kDiameterBelowBar,  // section diameter smaller than the bar diameter
  kCoverNotPositive,
  kGroupsOutOfRange,  // groups outside 1 .. 300
  kNoBarsInGroup,
  kRadiusNotPositive,  // circle radius or square half-side not positive
};

// The first two bars or strands of r that overlap (their centres closer than
// the mean of their diameters, beyond rounding), as 1-based numbers in *a <
// *b; false when none do. Bars of one group of `per_group` placed side by
// side (a bundle) are left out: they touch by design.
bool FindOverlappingBars(const Reinforcement& r, int per_group, int* a, int* b);

// Places groups x per_group bars of diameter db and area ab on the circle of
// radius (D - db)/2 - cover, group k at angle k 2 pi / groups: a pair side by
// side at +-db/(2R), a third bar inward on radius R - 0.866 db. A single
// group of one or two bars sits at the centre. Bar y values are shifted by
// offset. Appends to *out; returns why it refused, or kNone.
PlacementRefusal PlaceBarsOnCircle(double dia, double db, double ab, double cover, int groups,
                                   int per_group, double offset, Reinforcement* out);

// Places n strands of diameter ds and area as around the square of half-side
// a = (width - ds)/2 - cover: arrangement 1 puts the two extra strands of
// n mod 4 = 2 or 3 into the rows, arrangement 2 onto the sides; an odd
// remainder puts the last strand at the centre. Fewer than four strands: one
// at the centre, two at opposite corners, three at those corners and the
// centre. Refuses a half-side that is not positive.
PlacementRefusal PlaceStrandsOnSquare(double width, double ds, double as, double cover, int n,
                                      int arrangement, Reinforcement* out);

// The strips of a section and every material's area in each, numbered 1
// (at the compression face) to 100; index 0 of the strip arrays is unused.
struct SectionSlices {
  double depth = 0.0;                                 // D, compression face to the opposite face
  double h = 0.0;                                     // strip thickness D/100
  std::array<double, kSliceCount + 1> y = {};         // boundaries, y[0] top to y[100] bottom
  std::array<double, kSliceCount + 1> d = {};         // centroid depth below the compression face
  std::array<double, kSliceCount + 1> concrete = {};  // net of everything below
  std::array<double, kSliceCount + 1> bar = {};       // bars or strands
  std::array<double, kSliceCount + 1> casing = {};    // casing, or the pipe wall
  std::array<double, kSliceCount + 1> core = {};      // core wall
  std::array<double, kSliceCount + 1> core_concrete = {};  // concrete inside a filled core
  double total_concrete = 0.0;
  double total_bar = 0.0;
  double total_casing = 0.0;
  double total_core = 0.0;
  double total_core_concrete = 0.0;
  // Whether any strip carries concrete (outside or inside a core), bars or
  // strands, casing and core wall: the strip loops of the moment-curvature
  // solution leave out a material that no strip has. True, so that every
  // strip is looked at, until SumSlices has counted the strips.
  bool any_concrete = true;
  bool any_bar = true;
  bool any_casing = true;
  bool any_core = true;
};

// Strip boundaries for a section of depth D whose top is at y = top.
void SetStripBoundaries(double top, double depth, SectionSlices* s);

// Strip areas of a circle of diameter dia centred at y = yc (added to *area).
void AddCircleStripAreas(const SectionSlices& s, double dia, double yc,
                         std::array<double, kSliceCount + 1>* area);

// Strip areas of a polygon: the area above y[i] minus the area above y[i-1].
void AddPolygonStripAreas(const SectionSlices& s, const SectionOutline& p,
                          std::array<double, kSliceCount + 1>* area);

// The strip i with y[i] < v <= y[i-1], or 0 when v lies outside every strip.
int FindSliceY(const SectionSlices& s, double v);

// Spreads each bar's area over the strips its height spans, keeping its
// exact area, and takes the bar areas out of the concrete. Returns 0, or the
// 1-based number of the first bar that reaches outside the strips.
int DistributeBars(const Reinforcement& r, SectionSlices* s);

// Sums the strip areas into the totals and notes which materials the strips
// carry.
void SumSlices(SectionSlices* s);

}  // namespace tarvex

#endif  // TARVEX_SECTION_SECTION_GEOMETRY_HPP_
