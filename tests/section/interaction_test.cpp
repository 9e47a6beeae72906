// Interaction diagrams: the pure compression and tension of a shaft, the
// balanced point of a doubly reinforced rectangle, a worked pure-bending
// example per code, the strength reduction factor at its limits, the
// pure-bending capacity of a prestressed pile by strain compatibility,
// steel pipes, coverage, and the utilisation along a ray.
#include "section/interaction.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <memory>
#include <vector>

namespace tarvex {
namespace {

constexpr double kPi = 3.141592653589793;

// USCS input: psi, inches.
PileSection Shaft(double diameter, int bars, double bar_area, double bar_diameter) {
  PileSection s;
  s.type = kDrilledShaft;
  s.length = 360.0;
  s.depth = diameter;
  s.concrete.fc = 4000.0;
  s.bars.layout = BarLayout::kCircle;
  s.bars.fy = 60000.0;
  s.bars.es = 29.0e6;
  s.bars.groups = bars;
  s.bars.bars_per_group = 1;
  s.bars.diameter = bar_diameter;
  s.bars.area = bar_area;
  s.bars.cover = 3.0;
  return s;
}

// A rectangular pile D deep (in the direction of bending) and B wide with
// bars of the given area in rows at the given y.
PileSection Rectangle(double depth, double width, double fc, double fy, double es,
                      std::vector<double> rows, int per_row, double bar_area, double bar_diameter,
                      double spacing) {
  PileSection s;
  s.type = kRectangularConcrete;
  s.length = 240.0;
  s.depth = depth;
  s.width = width;
  s.concrete.fc = fc;
  s.bars.layout = BarLayout::kList;
  s.bars.fy = fy;
  s.bars.es = es;
  for (double y : rows) {
    for (int i = 0; i < per_row; ++i) {
      const double x = (i - (per_row - 1) / 2.0) * spacing;
      s.bars.bars.push_back({9, bar_diameter, bar_area, x, y});
    }
  }
  return s;
}

InteractionDiagram DiagramOf(const PileSection& s, UnitSystem units, DesignCode code,
                             Transverse transverse = Transverse::kTied,
                             Ec2Distribution ec2 = Ec2Distribution::kParabolaRectangle) {
  InteractionSettings settings;
  settings.code = code;
  settings.transverse = transverse;
  settings.ec2 = ec2;
  return SectionInteraction(s, units, settings);
}

// The point of positive moment nearest to zero axial force: the diagram
// holds pure bending as one of its states.
std::size_t PureBending(const InteractionDiagram& d) {
  std::size_t best = 0;
  for (std::size_t i = 0; i < d.nominal.size(); ++i) {
    if (d.nominal[i].moment >= 0.0 &&
        std::fabs(d.nominal[i].axial) < std::fabs(d.nominal[best].axial)) {
      best = i;
    }
  }
  return best;
}

TEST(Interaction, ShaftPureCompressionAndTensionAreExact) {
  // 36 in shaft, 12 #9 bars (1.00 sq in), f'c 4 ksi, fy 60 ksi:
  // P0 = 0.85 f'c (Ag - Ast) + fy Ast, T0 = fy Ast.
  const InteractionDiagram d =
      DiagramOf(Shaft(36.0, 12, 1.0, 1.128), UnitSystem::kUscs, DesignCode::kAci318);
  ASSERT_EQ(d.coverage, InteractionCoverage::kCovered);
  const double ag = kPi * 18.0 * 18.0;
  const double p0 = 0.85 * 4.0 * (ag - 12.0) + 60.0 * 12.0;
  EXPECT_NEAR(d.pure_compression, p0, 1e-9 * p0);
  EXPECT_EQ(std::round(d.pure_compression * 10.0) / 10.0, 4140.0);
  EXPECT_NEAR(d.pure_tension, -720.0, 1e-9);
  EXPECT_DOUBLE_EQ(d.nominal.front().axial, d.pure_compression);
  EXPECT_DOUBLE_EQ(d.nominal.back().axial, -720.0);
  EXPECT_NEAR(d.nominal.front().moment, 0.0, 1e-9);
  EXPECT_TRUE(d.symmetric);
  EXPECT_GE(d.nominal.size(), 40u);
  ASSERT_EQ(d.design.size(), d.nominal.size());
  ASSERT_EQ(d.phi.size(), d.nominal.size());
  // Tied: phi 0.65 and the cap 0.80 P0 on compression; phi 0.90 in tension.
  EXPECT_NEAR(d.max_compression, 0.65 * 0.80 * p0, 1e-9 * p0);
  EXPECT_NEAR(d.max_tension, -0.9 * 720.0, 1e-9);
  EXPECT_DOUBLE_EQ(d.phi.front(), 0.65);
  EXPECT_DOUBLE_EQ(d.phi.back(), 0.90);
  EXPECT_DOUBLE_EQ(d.design.front().axial, d.max_compression);
  // The design curve meets the cap: one state lies on it with phi P exactly there.
  bool crossing = false;
  for (std::size_t i = 0; i < d.nominal.size(); ++i) {
    if (std::fabs(d.phi[i] * d.nominal[i].axial - d.max_compression) < 1e-6) crossing = true;
  }
  EXPECT_TRUE(crossing);
  // With a spiral: phi 0.75 and 0.85 P0.
  const InteractionDiagram spiral = DiagramOf(Shaft(36.0, 12, 1.0, 1.128), UnitSystem::kUscs,
                                              DesignCode::kAci318, Transverse::kSpiral);
  EXPECT_NEAR(spiral.max_compression, 0.75 * 0.85 * p0, 1e-9 * p0);
}

TEST(Interaction, BalancedPointOfDoublyReinforcedRectangleMatchesHandCalculation) {
  // 18 in wide, 24 in deep; 3 #9 (1.00 sq in) at 2.5 in from each face;
  // f'c 5 ksi (beta1 = 0.80), fy 60 ksi, Es 29000 ksi.
  const PileSection s =
      Rectangle(24.0, 18.0, 5000.0, 60000.0, 29.0e6, {9.5, -9.5}, 3, 1.0, 1.128, 6.0);
  const InteractionDiagram d = DiagramOf(s, UnitSystem::kUscs, DesignCode::kAci318);
  ASSERT_TRUE(d.has_balanced);
  // Hand calculation:
  //   eps_y = 60 / 29000 = 0.00206897
  //   cb = 0.003 d / (0.003 + eps_y) = 0.003 * 21.5 / 0.00506897 = 12.72449 in
  //   a = 0.80 cb = 10.17959 in
  //   top bars: eps = 0.003 (cb - 2.5) / cb = 0.0024106 > eps_y: 60 ksi
  //   Cc = 0.85 * 5 * (18 a - 3.00) = 765.989 kips (the top bars displace
  //        concrete within the block: 3.00 sq in at 2.5 in)
  //   Cs = 60 * 3.00 = 180 kips, T = 60 * 3.00 = 180 kips
  //   Pb = Cc + Cs - T = 765.989 kips
  //   Mb = 0.85 * 5 * 18 a (12 - a/2) - 0.85 * 5 * 3.00 (12 - 2.5)
  //        + Cs (12 - 2.5) + T (21.5 - 12) = 8680.12 kip-in
  const double eps_y = 60.0 / 29000.0;
  const double cb = 0.003 * 21.5 / (0.003 + eps_y);
  const double a = 0.80 * cb;
  const double cc = 0.85 * 5.0 * (18.0 * a - 3.0);
  const double pb = cc;
  const double mb =
      0.85 * 5.0 * 18.0 * a * (12.0 - a / 2.0) - 0.85 * 5.0 * 3.0 * 9.5 + 180.0 * 9.5 + 180.0 * 9.5;
  EXPECT_NEAR(pb, 765.989, 1e-3);
  EXPECT_NEAR(mb, 8680.12, 1e-2);
  EXPECT_NEAR(d.balanced.axial, pb, 1e-9 * pb);
  EXPECT_NEAR(d.balanced.moment, mb, 1e-9 * mb);
  // At balance the net tensile strain is the yield strain: compression-controlled.
  EXPECT_NEAR(d.balanced_design.axial, 0.65 * pb, 1e-9 * pb);
  EXPECT_NEAR(d.balanced_design.moment, 0.65 * d.balanced.moment, 1e-9 * mb);
}

// Worked pure-bending examples, one per code, of singly reinforced
// rectangles: the state of zero axial force, whose nominal moment the
// classic formulas give in closed form.
TEST(Interaction, WorkedExampleAci318) {
  // ACI 318-19: b = 12 in, h = 24 in, d = 21.5 in, As = 3 #9 = 3.00 sq in,
  // f'c = 4 ksi (beta1 0.85), fy = 60 ksi.
  //   a = As fy / (0.85 f'c b) = 180 / 40.8 = 4.41176 in, c = a / 0.85 = 5.19031 in
  //   eps_t = 0.003 (d - c) / c = 0.009427 > 0.005: tension-controlled, phi = 0.90
  //   Mn = As fy (d - a/2) = 180 (21.5 - 2.20588) = 3472.94 kip-in, phi Mn = 3125.65 kip-in
  const PileSection s = Rectangle(24.0, 12.0, 4000.0, 60000.0, 29.0e6, {-9.5}, 3, 1.0, 1.128, 4.0);
  const InteractionDiagram d = DiagramOf(s, UnitSystem::kUscs, DesignCode::kAci318);
  ASSERT_EQ(d.coverage, InteractionCoverage::kCovered);
  EXPECT_FALSE(d.symmetric);
  const std::size_t i = PureBending(d);
  const double a = 180.0 / (0.85 * 4.0 * 12.0);
  const double mn = 180.0 * (21.5 - a / 2.0);
  EXPECT_NEAR(mn, 3472.94, 1e-2);
  EXPECT_NEAR(d.nominal[i].axial, 0.0, 1e-6);
  EXPECT_NEAR(d.nominal[i].moment, mn, 1e-8 * mn);
  EXPECT_NEAR(d.net_tensile_strain[i], 0.003 * (21.5 - a / 0.85) / (a / 0.85), 1e-9);
  EXPECT_DOUBLE_EQ(d.phi[i], 0.90);
  EXPECT_NEAR(d.design[i].moment, 3125.65, 1e-2);
  // Bending the other way the steel lies in the compression zone: the
  // diagram goes on round the negative moments.
  EXPECT_LT(std::min_element(d.nominal.begin(), d.nominal.end(),
                             [](const PmPoint& x, const PmPoint& y) { return x.moment < y.moment; })
                ->moment,
            0.0);
}

TEST(Interaction, WorkedExampleAashto) {
  // AASHTO LRFD 5.6.2.2: f'c = 12 ksi gives alpha1 = 0.85 - 0.02 (12 - 10) = 0.81
  // and beta1 = max(0.65, 0.85 - 0.05 (12 - 4)) = 0.65. Same 12 x 24 in beam.
  //   a = 180 / (0.81 * 12 * 12) = 1.54321 in, c = a / 0.65 = 2.37417 in
  //   eps_t = 0.003 (21.5 - c) / c = 0.02417: phi = 0.90
  //   Mn = 180 (21.5 - a/2) = 3731.11 kip-in
  EXPECT_DOUBLE_EQ(Alpha1(DesignCode::kAashto, 12.0, false), 0.81);
  EXPECT_DOUBLE_EQ(Beta1(DesignCode::kAashto, 12.0, false), 0.65);
  const PileSection s = Rectangle(24.0, 12.0, 12000.0, 60000.0, 29.0e6, {-9.5}, 3, 1.0, 1.128, 4.0);
  const InteractionDiagram d = DiagramOf(s, UnitSystem::kUscs, DesignCode::kAashto);
  const std::size_t i = PureBending(d);
  const double a = 180.0 / (0.81 * 12.0 * 12.0);
  EXPECT_NEAR(d.nominal[i].moment, 180.0 * (21.5 - a / 2.0), 1e-8 * 3731.0);
  EXPECT_NEAR(d.nominal[i].moment, 3731.11, 1e-2);
  EXPECT_DOUBLE_EQ(d.phi[i], 0.90);
  // Compression-controlled sections with ties or spirals: phi 0.75, cap 0.80 P0.
  EXPECT_DOUBLE_EQ(d.phi.front(), 0.75);
  EXPECT_NEAR(d.max_compression, 0.75 * 0.80 * d.pure_compression, 1e-9 * d.pure_compression);
}

TEST(Interaction, WorkedExampleEurocode2) {
  // EN 1992-1-1, C30/37, B500: b = 300 mm, h = 500 mm, d = 450 mm, 3 bars of
  // 20 mm (As = 942.48 mm2), Es = 200 GPa; gamma_c 1.5, gamma_s 1.15, alpha_cc 1.0.
  // Parabola-rectangle (eps_c2 2.0, eps_cu2 3.5 per mille, n = 2): resultant
  // 17/21 fcd b x at 99/238 x from the compression face.
  //   design: fcd = 20 MPa, fyd = 434.78 MPa
  //   x = As fyd / (17/21 fcd b) = 84.365 mm; eps_s = 3.5 (450 - x)/x = 15.2 per mille
  //   MRd = As fyd (d - 99/238 x) = 170.018 kN-m
  //   characteristic: x = 64.680 mm, M = 199.379 kN-m
  // Rectangular block (lambda 0.8, eta 1.0, eps_cu3 3.5 per mille):
  //   x = As fyd / (fcd b 0.8) = 85.369 mm, MRd = As fyd (d - 0.4 x) = 170.405 kN-m
  const double as = 3.0 * kPi * 0.01 * 0.01;
  const PileSection s =
      Rectangle(0.5, 0.3, 30000.0, 500000.0, 200.0e6, {-0.2}, 3, kPi * 1e-4, 0.02, 0.1);
  const InteractionDiagram d = DiagramOf(s, UnitSystem::kSi, DesignCode::kEurocode2);
  ASSERT_EQ(d.coverage, InteractionCoverage::kCovered);
  EXPECT_DOUBLE_EQ(d.gamma_c, 1.5);
  EXPECT_DOUBLE_EQ(d.gamma_s, 1.15);
  EXPECT_TRUE(d.phi.empty());
  const double fyd = 500000.0 / 1.15;
  const double x = as * fyd / (17.0 / 21.0 * 20000.0 * 0.3);
  const double mrd = as * fyd * (0.45 - 99.0 / 238.0 * x);
  EXPECT_NEAR(mrd, 170.018, 1e-3);
  // The design curve's own pure-bending state.
  std::size_t j = 0;
  for (std::size_t i = 0; i < d.design.size(); ++i) {
    if (d.design[i].moment >= 0.0 && std::fabs(d.design[i].axial) < std::fabs(d.design[j].axial)) {
      j = i;
    }
  }
  EXPECT_NEAR(d.design[j].axial, 0.0, 1e-6);
  EXPECT_NEAR(d.design[j].moment, mrd, 1e-7 * mrd);
  const std::size_t i = PureBending(d);
  const double xk = as * 500000.0 / (17.0 / 21.0 * 30000.0 * 0.3);
  EXPECT_NEAR(d.nominal[i].moment, as * 500000.0 * (0.45 - 99.0 / 238.0 * xk), 1e-7 * 199.4);
  // Pure compression: the section at eps_c2 = 2 per mille, the bars at
  // Es eps_c2 = 400 MPa (below fyd): NRd = fcd (Ac) + 400 MPa As.
  const double ac = 0.5 * 0.3 - as;
  EXPECT_NEAR(d.max_compression, 20000.0 * ac + 400000.0 * as, 1e-9 * 3000.0);
  EXPECT_NEAR(d.max_tension, -fyd * as, 1e-9);

  const InteractionDiagram r = DiagramOf(s, UnitSystem::kSi, DesignCode::kEurocode2,
                                         Transverse::kTied, Ec2Distribution::kRectangularBlock);
  std::size_t k = 0;
  for (std::size_t n = 0; n < r.design.size(); ++n) {
    if (r.design[n].moment >= 0.0 && std::fabs(r.design[n].axial) < std::fabs(r.design[k].axial)) {
      k = n;
    }
  }
  const double xr = as * fyd / (20000.0 * 0.3 * 0.8);
  EXPECT_NEAR(r.design[k].moment, as * fyd * (0.45 - 0.4 * xr), 1e-7 * 170.4);
  EXPECT_NEAR(r.design[k].moment, 170.405, 1e-3);
}

TEST(Interaction, Eurocode2ConcreteClasses) {
  // Table 3.1: C30/37 and C70/85.
  const Ec2Concrete c30 = Ec2ConcreteOf(30.0);
  EXPECT_DOUBLE_EQ(c30.eps_c2, 0.002);
  EXPECT_DOUBLE_EQ(c30.eps_cu2, 0.0035);
  EXPECT_DOUBLE_EQ(c30.n, 2.0);
  EXPECT_DOUBLE_EQ(c30.lambda, 0.8);
  EXPECT_DOUBLE_EQ(c30.eta, 1.0);
  const Ec2Concrete c70 = Ec2ConcreteOf(70.0);
  EXPECT_NEAR(c70.eps_c2, 0.00242, 1e-5);   // 2.42 per mille
  EXPECT_NEAR(c70.eps_cu2, 0.00266, 1e-5);  // 2.66 per mille
  EXPECT_NEAR(c70.n, 1.4374, 1e-4);         // 1.44 in the table, rounded
  EXPECT_NEAR(c70.eps_c3, 0.00203, 1e-5);
  EXPECT_DOUBLE_EQ(c70.lambda, 0.75);
  EXPECT_DOUBLE_EQ(c70.eta, 0.9);
}

TEST(Interaction, PhiAtTheCompressionAndTensionControlledLimits) {
  struct Case {
    DesignCode code;
    Transverse transverse;
    bool prestressed;
    double fy;  // ksi
    double eps_t;
    double phi;
  };
  const double ey = 60.0 / 29000.0;
  const Case cases[] = {
      // ACI 318-19 Table 21.2.2: eps_ty and eps_ty + 0.003.
      {DesignCode::kAci318, Transverse::kTied, false, 60.0, ey, 0.65},
      {DesignCode::kAci318, Transverse::kTied, false, 60.0, ey + 0.003, 0.90},
      {DesignCode::kAci318, Transverse::kTied, false, 60.0, ey + 0.0015, 0.775},
      {DesignCode::kAci318, Transverse::kTied, false, 60.0, -0.003, 0.65},
      {DesignCode::kAci318, Transverse::kSpiral, false, 60.0, ey, 0.75},
      {DesignCode::kAci318, Transverse::kSpiral, false, 60.0, ey + 0.003, 0.90},
      {DesignCode::kAci318, Transverse::kTied, true, 270.0, 0.002, 0.65},
      {DesignCode::kAci318, Transverse::kTied, true, 270.0, 0.005, 0.90},
      // AASHTO 5.5.4.2: eps_cl = fy / Es and eps_tl = 0.005 (fy <= 75 ksi).
      {DesignCode::kAashto, Transverse::kTied, false, 60.0, ey, 0.75},
      {DesignCode::kAashto, Transverse::kSpiral, false, 60.0, ey, 0.75},
      {DesignCode::kAashto, Transverse::kTied, false, 60.0, 0.005, 0.90},
      {DesignCode::kAashto, Transverse::kTied, true, 270.0, 0.002, 0.75},
      {DesignCode::kAashto, Transverse::kTied, true, 270.0, 0.005, 1.00},
      {DesignCode::kAashto, Transverse::kTied, true, 270.0, 0.0035, 0.875},
      // 100 ksi bars: tension-controlled from 0.008.
      {DesignCode::kAashto, Transverse::kTied, false, 100.0, 0.008, 0.90},
      {DesignCode::kAashto, Transverse::kTied, false, 100.0, 0.0079,
       0.90 - 0.15 * 0.0001 / (0.008 - 100.0 / 29000.0)},
  };
  for (const Case& c : cases) {
    const PhiRule rule = PhiRuleOf(c.code, c.transverse, c.prestressed, c.fy, 29000.0, false);
    EXPECT_NEAR(Phi(rule, c.eps_t), c.phi, 1e-12)
        << "code " << static_cast<int>(c.code) << " fy " << c.fy << " eps_t " << c.eps_t;
  }
}

TEST(Interaction, PrestressedPilePureBendingMatchesStrainCompatibility) {
  // 14 in square prestressed pile, f'c 6 ksi, four 0.5 in PCI 270 strands
  // (0.153 sq in) placed by hand: two at y = +3 in, two at y = -5 in;
  // initial force 120 kips, 20 % loss.
  PileSection s;
  s.type = kSquarePrestressed;
  s.length = 480.0;
  s.depth = 14.0;
  s.concrete.fc = 6000.0;
  s.strands.present = true;
  s.strands.automatic = false;
  s.strands.type = 1;
  s.strands.count = 4;
  s.strands.force = 120000.0;
  s.strands.loss = 0.2;
  for (double y : {3.0, -5.0}) {
    for (double x : {-5.0, 5.0}) s.strands.strands.push_back({3, 0, x, y});
  }
  const InteractionDiagram d = DiagramOf(s, UnitSystem::kUscs, DesignCode::kAci318);
  ASSERT_EQ(d.coverage, InteractionCoverage::kCovered);
  EXPECT_TRUE(d.prestressed);

  // Hand calculation by strain compatibility (kips, inches):
  //   Aps = 4 * 0.153 = 0.612; Ac = 14 * 14 - 0.612 = 195.388
  //   Pe = 0.8 * 120 = 96 kips; Eps = 28000 ksi; Ec = 57 sqrt(6000) = 4415.2 ksi
  //   eps_pe = -Pe / (Eps Aps) = -0.0056022 (strands in tension)
  //   eps_ce = Pe / (Ac Ec) = 0.00011128 (concrete precompression)
  //   strand strain = 0.003 (c - d) / c + eps_pe - eps_ce, at d = 4 and 12 in
  //   stress by the PCI 270 curve: 28500 eps up to 0.0086, then
  //   270 - 0.04 / (eps - 0.007) in magnitude
  //   block: 0.85 f'c beta1 c b, beta1 = 0.85 - 0.05 * 2 = 0.75
  //   c from Cc + sum(strand forces) = 0, then
  //   Mn = Cc (7 - a/2) + sum(F (7 - d))
  const double aps = 0.612, ac = 196.0 - aps, pe = 96.0;
  const double ec = 57.0 * std::sqrt(6000.0);
  const double eps_pe = -pe / (28000.0 * aps);
  const double eps_ce = pe / (ac * ec);
  auto strand = [&](double eps) {
    const double e = std::fabs(eps);
    const double f = e <= double(0.0086f)
                         ? 28500.0 * e
                         : std::min(270.0, 270.0 - double(0.04f) / (e - double(0.007f)));
    return eps < 0.0 ? -f : f;
  };
  auto forces = [&](double c, double* axial, double* moment) {
    const double a = 0.75 * c;
    const double cc = 0.85 * 6.0 * a * 14.0;
    *axial = cc;
    *moment = cc * (7.0 - a / 2.0);
    for (double depth : {4.0, 12.0}) {
      const double f = 2.0 * 0.153 * strand(0.003 * (c - depth) / c + eps_pe - eps_ce);
      *axial += f;
      *moment += f * (7.0 - depth);
    }
  };
  double lo = 0.01, hi = 4.0;  // the block stays above the strands at 4 in
  for (int k = 0; k < 200; ++k) {
    double p = 0.0, m = 0.0;
    forces(0.5 * (lo + hi), &p, &m);
    (p < 0.0 ? lo : hi) = 0.5 * (lo + hi);
  }
  double p = 0.0, mn = 0.0;
  forces(0.5 * (lo + hi), &p, &mn);
  ASSERT_LT(0.75 * 0.5 * (lo + hi), 4.0 - 0.25);
  const std::size_t i = PureBending(d);
  EXPECT_NEAR(d.nominal[i].axial, 0.0, 1e-6);
  EXPECT_NEAR(d.nominal[i].moment, mn, 1e-6 * mn);
  // The strands' effective prestress leaves them well beyond yield at
  // pure bending: tension-controlled.
  EXPECT_DOUBLE_EQ(d.phi[i], 0.90);
  // Axial tension is capped at phi (fpy Aps), fpy = 0.9 fpu.
  EXPECT_NEAR(d.max_tension, -0.9 * 0.9 * 270.0 * aps, 1e-9);
  EXPECT_NEAR(d.pure_tension, -270.0 * aps, 1e-9);
}

TEST(Interaction, SteelPipeAiscAndEurocode3) {
  // 24 in x 0.5 in pipe, Fy 50 ksi, E 29000 ksi: D/t = 48 beyond
  // 0.07 E/Fy = 40.6, noncompact in flexure (AISC F8-2); below 0.11 E/Fy =
  // 63.8, nonslender in compression.
  const double d = 24.0, t = 0.5, fy = 50.0, e = 29000.0;
  const double di = d - 2.0 * t;
  const double area = kPi / 4.0 * (d * d - di * di);
  const double z = (d * d * d - di * di * di) / 6.0;
  const double s = kPi * (d * d * d * d - di * di * di * di) / (32.0 * d);
  const InteractionDiagram aisc = SteelPipeInteraction(d, t, fy, e, false, DesignCode::kAci318);
  ASSERT_EQ(aisc.coverage, InteractionCoverage::kCovered);
  EXPECT_TRUE(aisc.steel);
  const double mn = (0.021 * e / 48.0 + fy) * s;
  EXPECT_LT(mn, fy * z);
  EXPECT_NEAR(aisc.pure_compression, fy * area, 1e-9);
  EXPECT_NEAR(aisc.max_compression, 0.9 * fy * area, 1e-9);
  // H1-1 at P = 0.2 Pc: M = 0.9 Mc; at P = 0: M = Mc.
  bool at_02 = false, at_0 = false;
  for (std::size_t i = 0; i < aisc.design.size(); ++i) {
    const PmPoint& q = aisc.design[i];
    if (std::fabs(q.axial - 0.2 * 0.9 * fy * area) < 1e-9) {
      EXPECT_NEAR(q.moment, 0.9 * 0.9 * mn, 1e-9);
      at_02 = true;
    }
    if (q.axial == 0.0) {
      EXPECT_NEAR(q.moment, 0.9 * mn, 1e-9);
      at_0 = true;
    }
  }
  EXPECT_TRUE(at_02 && at_0);
  // AASHTO steel pipe piles: 0.80 in compression, 1.00 in flexure, 0.95 in tension.
  const InteractionDiagram aashto = SteelPipeInteraction(d, t, fy, e, false, DesignCode::kAashto);
  EXPECT_NEAR(aashto.max_compression, 0.8 * fy * area, 1e-9);
  EXPECT_NEAR(aashto.max_tension, -0.95 * fy * area, 1e-9);

  // Eurocode 3: 50 ksi = 344.7 MPa gives eps^2 = 235 / 344.7 = 0.682, class 2
  // up to D/t = 70 eps^2 = 47.7 and class 3 up to 90 eps^2 = 61.4; D/t = 48
  // is class 3: the elastic limit N/Npl + M/Mel = 1.
  const InteractionDiagram ec3 = SteelPipeInteraction(d, t, fy, e, false, DesignCode::kEurocode2);
  ASSERT_EQ(ec3.coverage, InteractionCoverage::kCovered);
  EXPECT_NEAR(ec3.nominal[ec3.nominal.size() / 2].moment, fy * s, 1e-9 * fy * s);
  // A stockier pipe (D/t = 24, class 1): the full plastic moment fy Z at N = 0.
  const double t2 = 1.0, di2 = d - 2.0 * t2;
  const InteractionDiagram plastic =
      SteelPipeInteraction(d, t2, fy, e, false, DesignCode::kEurocode2);
  const std::size_t mid = plastic.nominal.size() / 2;
  EXPECT_NEAR(plastic.nominal[mid].axial, 0.0, 1e-9);
  EXPECT_NEAR(plastic.nominal[mid].moment, fy * (d * d * d - di2 * di2 * di2) / 6.0, 1e-9);
  EXPECT_NEAR(plastic.nominal.front().axial, fy * kPi / 4.0 * (d * d - di2 * di2), 1e-9);
  // A wall too slender for either code.
  EXPECT_EQ(SteelPipeInteraction(d, 0.04, fy, e, false, DesignCode::kAci318).coverage,
            InteractionCoverage::kSlenderPipe);
  EXPECT_EQ(SteelPipeInteraction(d, 0.1, fy, e, false, DesignCode::kEurocode2).coverage,
            InteractionCoverage::kSlenderPipe);
}

TEST(Interaction, SectionsWithoutADiagram) {
  PileSection elastic;
  elastic.type = kElastic;
  EXPECT_EQ(DiagramOf(elastic, UnitSystem::kUscs, DesignCode::kAci318).coverage,
            InteractionCoverage::kNoCutSection);
  PileSection plain = Shaft(36.0, 12, 1.0, 1.128);
  plain.bars.layout = BarLayout::kNone;
  EXPECT_EQ(DiagramOf(plain, UnitSystem::kUscs, DesignCode::kAci318).coverage,
            InteractionCoverage::kNoReinforcement);
  PileSection strong = Shaft(36.0, 12, 1.0, 1.128);
  strong.concrete.fc = 15000.0;  // 103 MPa: beyond C90/105
  EXPECT_EQ(DiagramOf(strong, UnitSystem::kUscs, DesignCode::kEurocode2).coverage,
            InteractionCoverage::kConcreteClass);
  EXPECT_EQ(DiagramOf(strong, UnitSystem::kUscs, DesignCode::kAci318).coverage,
            InteractionCoverage::kCovered);
}

TEST(Interaction, UtilisationAlongTheRay) {
  // A diamond: P from 100 to -50, M up to 40 at P = 0.
  const std::vector<PmPoint> half = {{100.0, 0.0}, {0.0, 40.0}, {-50.0, 0.0}};
  struct Case {
    double axial, moment, ratio;
  };
  const Case cases[] = {
      {50.0, 0.0, 0.5},   // straight up the axis
      {-25.0, 0.0, 0.5},  // tension
      {0.0, 20.0, 0.5},   // pure bending
      {0.0, -20.0, 0.5},  // the moment's sign does not matter
      {50.0, 20.0, 1.0},  // on the upper edge
      {0.0, 80.0, 2.0},   // beyond
      {0.0, 0.0, 0.0},    // no demand
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(RayUtilisation(half, c.axial, c.moment).ratio, c.ratio, 1e-12)
        << c.axial << ", " << c.moment;
  }
  const Utilisation u = RayUtilisation(half, 25.0, 10.0);
  EXPECT_NEAR(u.capacity.axial, 50.0, 1e-12);
  EXPECT_NEAR(u.capacity.moment, 20.0, 1e-12);
  // A computed diagram, whose axis closure passes through the origin within
  // rounding: half of any of its points is half used.
  const InteractionDiagram shaft =
      DiagramOf(Shaft(36.0, 12, 1.0, 1.128), UnitSystem::kUscs, DesignCode::kAci318);
  for (std::size_t i = 1; i + 1 < shaft.design.size(); i += 5) {
    const PmPoint& q = shaft.design[i];
    EXPECT_NEAR(RayUtilisation(shaft.design, 0.5 * q.axial, 0.5 * q.moment).ratio, 0.5, 1e-9)
        << "point " << i;
  }
  // A whole diagram weaker in negative bending: the weaker side governs.
  const std::vector<PmPoint> whole = {{100.0, 0.0}, {0.0, 40.0}, {-50.0, 0.0}, {0.0, -20.0}};
  const Utilisation w = RayUtilisation(whole, 0.0, 10.0);
  EXPECT_NEAR(w.ratio, 0.5, 1e-12);
  EXPECT_NEAR(w.capacity.moment, -20.0, 1e-12);
}

TEST(Interaction, ShaftDiagramIsFast) {
  // A 40-point diagram of a 12-bar shaft in well under 5 ms.
  const PileSection s = Shaft(36.0, 12, 1.0, 1.128);
  auto cs = std::make_unique<CutSection>();
  ASSERT_EQ(PrepareCutSection(s, UnitSystem::kUscs, cs.get()).status, PrepareStatus::kOk);
  InteractionSettings settings;
  double best = 1e9;
  for (int k = 0; k < 20; ++k) {
    const auto start = std::chrono::steady_clock::now();
    const InteractionDiagram d = ConcreteInteraction(*cs, settings);
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    ASSERT_GE(d.nominal.size(), 40u);
    best = std::min(best, took.count());
  }
  EXPECT_LT(best, 5.0);
}

}  // namespace
}  // namespace tarvex
