// The moment-curvature solution: curvature steps, force balance, nominal
// moment capacity against an independent strain-compatibility computation,
// thrust lists, thrust errors and the warnings of the driver; the solver's
// strip loops against a single general loop, bit for bit.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "section/moment_curvature_solver.hpp"
#include "section/section_analysis.hpp"
#include "support/section_run.hpp"
#include "support/test_support.hpp"

namespace tarvex {
namespace {

using testing::FindLine;
using testing::SplitLines;

// ---------------------------------------------------------------------------
// Sections used below (USCS input: psi, inches, pounds).

PileSection Rectangular() {
  PileSection s;
  s.type = kRectangularConcrete;
  s.length = 240.0;
  s.depth = 24.0;
  s.width = 18.0;
  s.concrete.fc = 5000.0;
  s.bars.layout = BarLayout::kList;
  s.bars.fy = 60000.0;
  s.bars.es = 29.0e6;
  for (double y : {9.5, -9.5}) {
    for (double x : {-6.0, 0.0, 6.0}) s.bars.bars.push_back({9, 1.128, 1.0, x, y});
  }
  return s;
}

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

PileSection CasedWithCore() {
  PileSection s = Shaft(36.0, 10, 0.79, 1.0);
  s.type = kShaftWithCasingAndCore;
  s.casing_thickness = 0.5;
  s.casing_fy = 36000.0;
  s.casing_e = 29.0e6;
  s.core_diameter = 12.0;
  s.core_thickness = 0.5;
  s.core_fy = 50000.0;
  s.core_e = 29.0e6;
  s.bars.cover = 4.0;
  return s;
}

PileSection Pipe() {
  PileSection s;
  s.type = kSteelPipe;
  s.length = 360.0;
  s.depth = 24.0;
  s.casing_thickness = 0.5;
  s.casing_fy = 50000.0;
  s.casing_e = 29.0e6;
  return s;
}

PileSection HollowOctagon() {
  PileSection s;
  s.type = kOctagonalHollowPrestressed;
  s.length = 480.0;
  s.depth = 24.0;
  s.void_diameter = 11.0;
  s.concrete.fc = 6000.0;
  s.strands = {true, true, 1, 3, 16, 16 * 30980.0, 0.2, 3.0, 0, {}};
  return s;
}

std::unique_ptr<CutSection> Cut(const PileSection& s, UnitSystem units = UnitSystem::kUscs) {
  auto cs = std::make_unique<CutSection>();
  EXPECT_EQ(PrepareCutSection(s, units, cs.get()).status, PrepareStatus::kOk);
  return cs;
}

// ---------------------------------------------------------------------------

TEST(CurvatureStep, OneMultipleOf24InchesPerStep) {
  struct Case {
    double diameter;
    UnitSystem units;
    double step;
  } cases[] = {
      {24.0, UnitSystem::kUscs, 1.25e-6},
      {30.0, UnitSystem::kUscs, 1.25e-6},
      {36.0, UnitSystem::kUscs, 6.25e-7},
      {48.0, UnitSystem::kUscs, 6.25e-7},
      {12.0, UnitSystem::kUscs, 1.25e-6},
      {72.0, UnitSystem::kUscs, 1.25e-6 / 3.0},
      {0.6096, UnitSystem::kSi, 4.921259901994065e-05},
      {1.2192, UnitSystem::kSi, 4.921259901994065e-05 / 2.0},
  };
  for (const Case& c : cases) {
    PileSection s = Shaft(c.diameter, 8, 0.79, 1.0);
    if (c.units == UnitSystem::kSi) {
      s.concrete.fc = 27600.0;
      s.bars.fy = 414000.0;
      s.bars.es = 2.0e8;
      s.bars.diameter = 0.025;
      s.bars.area = 0.0005;
      s.bars.cover = 0.075;
    }
    EXPECT_DOUBLE_EQ(CurvatureStep(*Cut(s, c.units), 0.0), c.step) << c.diameter;
  }
  // The pipe's step follows from its yield strain less the axial strain.
  auto pipe = Cut(Pipe());
  const double area = pipe->casing_area;
  EXPECT_DOUBLE_EQ(CurvatureStep(*pipe, 100.0),
                   (1.7 * 50.0 / 29000.0 - 100.0 / (area * 29000.0)) / 12.0 / 80.0);
}

TEST(NominalMoment, InterpolatedWhereTheTopStrainReaches0003) {
  auto cs = Cut(Shaft(24.0, 8, 0.79, 1.0));
  ThrustSolution c;
  c.count = 4;
  c.top_strain = {0.001, 0.002, 0.0025, 0.0035};
  c.moment = {100.0, 200.0, 250.0, 300.0};
  const double e = double(0.003f);
  EXPECT_DOUBLE_EQ(NominalMoment(*cs, c), 250.0 + 50.0 * (e - 0.0025) / 0.001);
  // Never reached: 0.
  c.top_strain[3] = 0.0029;
  EXPECT_EQ(NominalMoment(*cs, c), 0.0);
  // Reached at the first pair.
  c.top_strain = {0.002, 0.004, 0.0045, 0.005};
  EXPECT_DOUBLE_EQ(NominalMoment(*cs, c), 100.0 + 100.0 * (e - 0.002) / 0.002);
  // Exactly at 0.003: the moment of that point.
  c.top_strain = {0.001, e, 0.0035, 0.0036};
  EXPECT_DOUBLE_EQ(NominalMoment(*cs, c), 200.0);
  // The pipe takes its last moment.
  auto pipe = Cut(Pipe());
  EXPECT_EQ(NominalMoment(*pipe, c), 300.0);
}

// Every converged point balances the thrust to within what the neutral-axis
// tolerance allows: |F(c) - P| <= 2 |dF/dc| tau.
TEST(Solution, EveryConvergedPointBalancesTheThrust) {
  struct Case {
    const char* name;
    PileSection s;
    std::vector<double> thrusts;  // kips
  } cases[] = {
      {"rectangular", Rectangular(), {-100.0, 0.0, 500.0}},
      {"drilled shaft", Shaft(36.0, 12, 1.0, 1.128), {-300.0, 0.0, 1000.0, 3000.0}},
      {"cased with core", CasedWithCore(), {0.0, 1500.0}},
      {"pipe", Pipe(), {-500.0, 0.0, 800.0}},
      {"hollow octagon", HollowOctagon(), {-50.0, 0.0, 400.0}},
  };
  auto work = std::make_unique<StripStresses>();
  auto curve = std::make_unique<ThrustSolution>();
  for (const Case& c : cases) {
    auto cs = Cut(c.s);
    for (double p : c.thrusts) {
      ASSERT_TRUE(SolveThrust(*cs, p, curve.get(), work.get())) << c.name << " P = " << p;
      ASSERT_GT(curve->count, 10) << c.name << " P = " << p;
      const ThrustState t = StartThrust(*cs, p);
      for (int k = 0; k < curve->count; ++k) {
        const auto i = static_cast<std::size_t>(k);
        const double na = curve->neutral_axis[i], phi = curve->curvature[i];
        const double f = AxialForce(*cs, t, na, phi, work.get());
        const double slope = (AxialForce(*cs, t, na + 1e-7, phi, work.get()) -
                              AxialForce(*cs, t, na - 1e-7, phi, work.get())) /
                             2e-7;
        EXPECT_LE(std::fabs(f - p), 2.0 * std::fabs(slope) * 1e-6 + 1e-9)
            << c.name << " P = " << p << " point " << k + 1;
      }
      // The moment never falls (the pipe's does not have to).
      if (!cs->pipe()) {
        for (int k = 1; k < curve->count; ++k) {
          EXPECT_GE(curve->moment[static_cast<std::size_t>(k)],
                    curve->moment[static_cast<std::size_t>(k - 1)]);
        }
      }
    }
  }
}

TEST(Solution, StepsDoubleAt40AndGrowEightAndFortyEightFoldAt80And120) {
  // A lightly reinforced shaft runs to 150 points.
  auto cs = Cut(Shaft(24.0, 4, 0.11, 0.375));
  auto work = std::make_unique<StripStresses>();
  auto c = std::make_unique<ThrustSolution>();
  ASSERT_TRUE(SolveThrust(*cs, 0.0, c.get(), work.get()));
  ASSERT_EQ(c->count, 150);
  const double d = 1.25e-6;
  auto step = [&](int k) {
    return c->curvature[static_cast<std::size_t>(k - 1)] -
           c->curvature[static_cast<std::size_t>(k - 2)];
  };
  EXPECT_DOUBLE_EQ(c->curvature[0], d);
  EXPECT_NEAR(step(2), d, 1e-18);
  EXPECT_NEAR(step(39), d, 1e-18);
  EXPECT_NEAR(step(40), 2.0 * d, 1e-18);
  EXPECT_NEAR(step(79), 2.0 * d, 1e-18);
  EXPECT_NEAR(step(80), 8.0 * d, 1e-17);
  EXPECT_NEAR(step(120), 48.0 * d, 1e-16);
  EXPECT_NEAR(c->curvature[149], d * (39 + 2 * 40 + 8 * 40 + 48 * 31), 1e-14);
}

// ---------------------------------------------------------------------------
// Independent strain-compatibility computation: top-fibre strain 0.003, 4000
// horizontal fibres of concrete with no tension, bars as discrete points
// displacing their concrete, equilibrium by bisection on the neutral axis.

double ConcreteStress(double fc, double eps) {
  const double ec = 57.0 * std::sqrt(1000.0 * fc);
  const double e0 = 1.7 * fc / ec;
  if (eps <= 0.0) return 0.0;
  if (eps < e0) return fc * (2.0 * eps / e0 - (eps / e0) * (eps / e0));
  return fc - 0.15 * fc * (eps - e0) / (0.0038 - e0);
}

struct Fibre {
  double y;
  double area;
};

// Fibres of a b x d rectangle or a circle of diameter d (b = 0).
std::vector<Fibre> Fibres(double d, double b, int n) {
  std::vector<Fibre> f;
  const double r = d / 2.0, h = d / n;
  // Area of a circle of radius r below the line y.
  auto below = [&](double y) {
    return y * std::sqrt(r * r - y * y) + r * r * std::asin(y / r) + r * r * 1.5707963267948966;
  };
  for (int i = 0; i < n; ++i) {
    const double top = r - i * h, bottom = r - (i + 1) * h;
    f.push_back({(top + bottom) / 2.0, b > 0.0 ? b * h : below(top) - below(bottom)});
  }
  return f;
}

double IndependentNominalMoment(double d, double b, double fc, double fy, double es,
                                const std::vector<Bar>& bars, double thrust) {
  const std::vector<Fibre> fibres = Fibres(d, b, 4000);
  const double top = double(0.003f);
  auto forces = [&](double c, double* moment) {
    const double phi = top / c;
    double n = 0.0, m = 0.0;
    for (const Fibre& f : fibres) {
      const double s = ConcreteStress(fc, (c - (d / 2.0 - f.y)) * phi) * f.area;
      n += s;
      m += s * f.y;
    }
    for (const Bar& bar : bars) {
      const double eps = (c - (d / 2.0 - bar.y)) * phi;
      const double steel = std::clamp(es * eps, -fy, fy);
      const double s = (steel - ConcreteStress(fc, eps)) * bar.area;
      n += s;
      m += s * bar.y;
    }
    *moment = m;
    return n - thrust;
  };
  double lo = 0.001 * d, hi = 3.0 * d, m = 0.0;
  for (int i = 0; i < 200; ++i) {
    const double mid = (lo + hi) / 2.0;
    (forces(mid, &m) > 0.0 ? hi : lo) = mid;
  }
  forces((lo + hi) / 2.0, &m);
  return m;
}

TEST(Capacity, AgreesWithAnIndependentStrainCompatibilityComputation) {
  struct Case {
    const char* name;
    PileSection s;
    double thrust;  // kips
  };
  PileSection shaft = Shaft(36.0, 12, 1.0, 1.128);
  const Case cases[] = {{"rectangular, no thrust", Rectangular(), 0.0},
                        {"rectangular, 300 kips", Rectangular(), 300.0},
                        {"drilled shaft, 200 kips", shaft, 200.0},
                        {"drilled shaft, no thrust", shaft, 0.0}};
  auto work = std::make_unique<StripStresses>();
  auto curve = std::make_unique<ThrustSolution>();
  for (const Case& c : cases) {
    auto cs = Cut(c.s);
    std::vector<Bar> bars;
    for (int i = 0; i < cs->reinforcement.count; ++i) {
      const RebarPoint& p = cs->reinforcement.bar[static_cast<std::size_t>(i)];
      bars.push_back({0, p.diameter, p.area, p.x, p.y});
    }
    const bool rectangle = c.s.type == kRectangularConcrete;
    const double expected =
        IndependentNominalMoment(c.s.depth, rectangle ? c.s.width : 0.0, c.s.concrete.fc / 1000.0,
                                 60.0, 29000.0, bars, c.thrust);
    ASSERT_TRUE(SolveThrust(*cs, c.thrust, curve.get(), work.get()));
    EXPECT_GT(expected, 0.0);
    EXPECT_NEAR(curve->nominal_moment / expected, 1.0, 0.005)
        << c.name << ": " << curve->nominal_moment << " kip-in against " << expected;
  }
}

TEST(Capacity, PipeEndsNearItsPlasticMoment) {
  auto cs = Cut(Pipe());
  auto work = std::make_unique<StripStresses>();
  auto curve = std::make_unique<ThrustSolution>();
  ASSERT_TRUE(SolveThrust(*cs, 0.0, curve.get(), work.get()));
  const double z = (24.0 * 24.0 * 24.0 - 23.0 * 23.0 * 23.0) / 6.0;
  EXPECT_NEAR(curve->nominal_moment / (50.0 * z), 0.99, 0.01);
  // It stops where the outer fibre strain reaches five times the yield strain.
  const auto last = static_cast<std::size_t>(curve->count - 1);
  EXPECT_GE(std::fabs(curve->top_strain[last]), 5.0 * 50.0 / 29000.0);
  EXPECT_LT(std::fabs(curve->top_strain[last - 1]), 5.0 * 50.0 / 29000.0);
  EXPECT_EQ(std::string(curve->flags[last].data(), 3), " Y ");
}

// ---------------------------------------------------------------------------
// The driver: thrust lists, thrust errors, warnings and refused sections.

std::unique_ptr<testing::SectionRun> Model(const PileSection& s, std::vector<double> thrusts,
                                           RunKind kind = RunKind::kBendingStiffnessOnly,
                                           bool lrfd = false) {
  auto m = std::make_unique<testing::SectionRun>();
  m->options.units = UnitSystem::kUscs;
  m->options.run_kind = kind;
  m->options.lrfd = lrfd;
  m->sections = {s};
  m->thrusts = std::move(thrusts);
  return m;
}

TEST(Thrusts, StiffnessOnlyRunsKeepThrustsStrictlyBetweenTheCapacities) {
  const PileSection s = Shaft(36.0, 12, 1.0, 1.128);
  auto cs = Cut(s);
  auto m = Model(s, {cs->nt - 1.0, cs->nt, 0.0, 500.0, cs->pn, cs->pn + 1.0});
  m->Analyse();
  ASSERT_EQ(m->error_code(), 0);
  const auto& curves = m->section_tables[0].curves;
  ASSERT_EQ(curves.size(), 2U);
  EXPECT_EQ(curves[0].thrust, 0.0);
  EXPECT_EQ(curves[1].thrust, 500.0);
  EXPECT_EQ(m->results[0].analysed_thrusts, (std::vector<double>{0.0, 500.0}));
  EXPECT_TRUE(m->results[0].thrusts_dropped);
  const auto lines = SplitLines(m->out.report.contents());
  EXPECT_GE(FindLine(lines,
                     "The following computations were performed only for the axial thrust "
                     "values in the valid range."),
            0);
  EXPECT_GE(FindLine(lines, "Number of Axial Thrust Force Values Determined from Input Data = 2"),
            0);
  EXPECT_EQ(SplitLines(m->out.plot.contents())[0],
            "    2" + std::string(75, ' ') +
                "Line 3 : Total number of axial thrusts for EI-only computations");
  // The tables hold kip-in, kip-in^2 and rad/in, and the capacity in lb-in.
  auto work = std::make_unique<StripStresses>();
  auto curve = std::make_unique<ThrustSolution>();
  ASSERT_TRUE(SolveThrust(*cs, 500.0, curve.get(), work.get()));
  EXPECT_EQ(curves[1].count, curve->count);
  EXPECT_EQ(curves[1].moment[20], curve->moment[20]);
  EXPECT_EQ(curves[1].ei[20], curve->moment[20] / curve->curvature[20]);
  EXPECT_EQ(curves[1].nominal_moment, 1000.0 * curve->nominal_moment);
}

TEST(Thrusts, AStiffnessOnlyRunWithNoThrustWithinTheCapacitiesEndsWithError45) {
  // It once ended normally with nothing analysed.
  const PileSection s = Shaft(36.0, 12, 1.0, 1.128);
  auto cs = Cut(s);
  for (const std::vector<double>& thrusts :
       {std::vector<double>{cs->pn + 360.0}, std::vector<double>{cs->nt - 1.0, cs->pn}}) {
    auto m = Model(s, thrusts);
    m->Analyse();
    EXPECT_EQ(m->error_code(), 245);
    EXPECT_EQ(m->out.diagnostics.error.identity, "RUN00045");
    const std::vector<std::string>& message = m->out.diagnostics.error.message;
    ASSERT_GE(message.size(), 5U);
    EXPECT_EQ(message[0], "**** Runtime Error No. 45 ****");
    EXPECT_EQ(message[1],
              "PROBLEM:  No axial thrust of the input lies within the axial "
              "structural capacities of section 1:");
    EXPECT_EQ(message[3].rfind("          Axial thrust load  1               = ", 0), 0U);
    EXPECT_EQ(message[4].find('='), message[3].find('='));
    const auto lines = SplitLines(m->out.message.contents());
    EXPECT_GE(FindLine(lines, message[0]), 0);
    EXPECT_TRUE(m->section_tables[0].curves.empty());
  }
}

TEST(Thrusts, PileRunsStopAtTheFirstThrustBeyondACapacity) {
  const PileSection s = Shaft(36.0, 12, 1.0, 1.128);
  auto cs = Cut(s);
  struct Case {
    double thrust;
    bool lrfd;
    int code;
    const char* problem;
    const char* load;
  } cases[] = {
      {cs->pn + 1.0, false, 224,
       "PROBLEM:  The axial thrust load for load case no. 2 exceeds the axial structural capacity "
       "in compression.",
       "          Axial thrust load                  = "},
      {cs->nt - 1.0, false, 225,
       "PROBLEM:  The axial thrust load for LRFD load case no. 2 exceeds the axial structural "
       "capacity in tension.",
       "          Axial thrust load              = "},
      {cs->pn + 1.0, true, 226,
       "PROBLEM:  The axial thrust load for LRFD load case no. 2 exceeds the axial structural "
       "capacity in compression.",
       "          Factored axial thrust load     = "},
      {cs->nt - 1.0, true, 227,
       "PROBLEM:  The axial thrust load for LRFD load case no. 2 exceeds the axial structural "
       "capacity in tension.",
       "          Factored axial thrust load     = "},
  };
  for (const Case& c : cases) {
    std::vector<double> thrusts = {0.0, c.thrust};
    std::sort(thrusts.begin(), thrusts.end());
    if (c.thrust < 0.0) std::swap(thrusts[0], thrusts[1]);  // the failing thrust second
    auto m = Model(s, thrusts, RunKind::kPileAnalysis, c.lrfd);
    m->Analyse();
    EXPECT_EQ(m->error_code(), c.code);
    const auto lines = SplitLines(m->out.report.contents());
    const int at =
        FindLine(lines, "**** Runtime Error No. " + std::to_string(c.code - 200) + " ****");
    ASSERT_GE(at, 2) << c.code;
    EXPECT_EQ(lines[static_cast<std::size_t>(at - 1)], "");
    EXPECT_EQ(lines[static_cast<std::size_t>(at + 1)], "");
    EXPECT_EQ(lines[static_cast<std::size_t>(at + 2)], c.problem);
    EXPECT_EQ(lines[static_cast<std::size_t>(at + 3)].substr(0, std::string(c.load).size()),
              c.load);
    EXPECT_EQ(lines[static_cast<std::size_t>(at + 5)], "");
    EXPECT_EQ(lines[static_cast<std::size_t>(at + 6)],
              "SOLUTION: Change the properties of the section to increase the axial structural "
              "capacity.");
    EXPECT_TRUE(m->out.plot.contents().empty());  // no curve was handed over
    // The section's blocks before the thrusts are printed before the error;
    // its thrust list is not, and the results analyse no thrust.
    EXPECT_LT(FindLine(lines, "Concrete Properties:"), at);
    EXPECT_EQ(FindLine(lines, "   Number     Axial Thrust Force"), -1);
    EXPECT_TRUE(m->results[0].analysed_thrusts.empty());
    EXPECT_TRUE(m->results[0].dimensions.has_value());
  }
}

TEST(Warnings, A150PointCurveIsWarnedAndItsCapacityIsZeroWhenNeverReached) {
  auto m = Model(Shaft(24.0, 4, 0.11, 0.375), {0.0});
  m->Analyse();
  ASSERT_EQ(m->error_code(), 0);
  const MomentCurvatureCurve& c = m->section_tables[0].curves[0];
  EXPECT_EQ(c.count, 150);
  EXPECT_EQ(m->out.warnings().counts[305], 1);
  EXPECT_EQ(m->out.warnings().list[1], -305);
  ASSERT_EQ(m->results[0].thrusts.size(), 1U);
  EXPECT_TRUE(m->results[0].thrusts[0].full_curve);
  const auto lines = SplitLines(m->out.report.contents());
  const int at = FindLine(lines, "Warning: 150 values were calculated for moment-curvature.");
  ASSERT_GE(at, 1);
  // The note follows its thrust's table and comes before the summary.
  EXPECT_LT(at, FindLine(lines,
                         "   Summary of Results for Nominal (Unfactored) Moment Capacity "
                         "for Section 1"));
  EXPECT_EQ(lines[static_cast<std::size_t>(at + 3)],
            "The input data should be examined and the amount of steel reinforcement should be "
            "increased if necessary.");
}

TEST(RefusedSections, EndTheRunWithAnInputErrorThatSaysWhy) {
  PileSection micropile;
  micropile.type = kMicropile;
  PileSection no_room = Shaft(6.0, 8, 0.79, 1.0);  // (6 - 1)/2 - 3 < 0
  PileSection outside = Rectangular();
  outside.bars.bars[0].y = 11.8;  // a bar through the top face
  PileSection no_void = HollowOctagon();
  no_void.void_diameter = 30.0;
  PileSection heavy = Rectangular();  // six bars of 100 sq in in 24 x 18 in
  for (Bar& b : heavy.bars.bars) b.area = 100.0;
  struct Case {
    PileSection s;
    UnitSystem units;
    int code;
    const char* problem;
  } cases[] = {
      {micropile, UnitSystem::kUscs, 151,
       "PROBLEM:  Section 1 is a micropile, which has no cross-section dimensions or materials:"},
      {Shaft(36.0, 8, 0.79, 1.0), UnitSystem::kGeneral, 151,
       "PROBLEM:  Section 1 cannot be analysed in general units: the concrete, steel and strand "
       "laws"},
      {no_room, UnitSystem::kUscs, 145,
       "PROBLEM:  The bars of Section 1 cannot be placed: the bar centres, at (section width - bar "
       "diameter)/2 - cover from the centre, leave no room."},
      {outside, UnitSystem::kUscs, 146,
       "PROBLEM:  Bar 1 of Section 1 reaches outside the section: its centre is at y = 11.8000 and "
       "its diameter is 1.1280,"},
      {no_void, UnitSystem::kUscs, 151,
       "PROBLEM:  Section 1 cannot be analysed: the void is as wide as the pile."},
      // Steel that does not fit once ended normally (300 #9 bars in a 12 in
      // shaft: 265 % steel).
      {Shaft(12.0, 300, 1.0, 1.128), UnitSystem::kUscs, 145,
       "PROBLEM:  The bars of Section 1 do not fit at the given cover: Bars 1 and 2 of the 300 "
       "overlap,"},
      {heavy, UnitSystem::kUscs, 145,
       "PROBLEM:  The bars of Section 1 do not fit in it: their area, 600.000 sq. in, is more "
       "than the 432.000 sq. in of concrete"},
  };
  for (const Case& c : cases) {
    auto m = Model(c.s, {0.0});
    m->options.units = c.units;
    m->Analyse();
    EXPECT_EQ(m->error_code(), c.code);
    const auto lines = SplitLines(m->out.report.contents());
    const int at =
        FindLine(lines, "**** Input Data Error No. " + std::to_string(c.code - 100) + " ****");
    ASSERT_GE(at, 0) << c.problem;
    EXPECT_EQ(lines[static_cast<std::size_t>(at + 2)], c.problem);
    EXPECT_GE(FindLine(SplitLines(m->out.message.contents()), c.problem), 0);
  }
}

TEST(RefusedSections, BarsThatTouchOrFormBundlesFit) {
  // 24 bars of 1.128 in on the 36 in shaft's circle (radius 14.436 in), 8
  // bundles of two and of three, and bars that just touch their neighbours.
  PileSection bundles2 = Shaft(36.0, 8, 1.0, 1.128);
  bundles2.bars.bars_per_group = 2;
  PileSection bundles3 = bundles2;
  bundles3.bars.bars_per_group = 3;
  const double r = (36.0 - 1.128) / 2.0 - 3.0;
  const int touching = static_cast<int>(3.141592653589793 / std::asin(1.128 / (2.0 * r)));
  for (const PileSection& s :
       {Shaft(36.0, 24, 1.0, 1.128), bundles2, bundles3, Shaft(36.0, touching, 1.0, 1.128)}) {
    auto m = Model(s, {0.0});
    m->Analyse();
    EXPECT_EQ(m->error_code(), 0) << m->out.report.contents();
  }
  auto m = Model(Shaft(36.0, touching + 1, 1.0, 1.128), {0.0});
  m->Analyse();
  EXPECT_EQ(m->error_code(), 145);
}

TEST(Prestress, StrainsAndPciCapacitiesOfAHollowOctagon) {
  auto cs = Cut(HollowOctagon());
  const Prestress& p = cs->prestress;
  const double as = 16 * 0.153;
  const double c = 12.0 - 0.2071 * 24.0;
  const double ac = 576.0 - 2.0 * c * c - 0.7853981633974483 * 121.0 - as;
  const double pe = 0.8 * 16 * 30980.0;  // lb
  const double ec = 57.0 * std::sqrt(6000.0);
  EXPECT_NEAR(p.concrete_area, ac, 1e-9);
  EXPECT_NEAR(p.steel_area, as, 1e-12);
  EXPECT_NEAR(p.eps_pi, -pe / (28000.0e3 * as), 1e-15);
  EXPECT_NEAR(p.eps_pc, pe / (ac * ec * 1000.0), 1e-15);
  EXPECT_NEAR(p.fpc, pe / ac / 1000.0, 1e-12);
  EXPECT_NEAR(cs->pn, (0.85 * 6.0 - 0.60 * p.fpc) * (ac + as), 1e-9);
  EXPECT_NEAR(cs->nt, -as * 270.0, 1e-12);
  EXPECT_NEAR(p.mn, 0.34 * 24.0 * as * 270.0, 1e-9);
  // A section without concrete or strands cannot be prestressed.
  PileSection none = HollowOctagon();
  none.strands.count = 0;
  auto m = Model(none, {0.0});
  m->Analyse();
  EXPECT_EQ(m->error_code(), 151);
}

}  // namespace
}  // namespace tarvex

namespace tarvex {
namespace {

// The same section in SI units: metres, kPa, kN (forces through ksi x in^2).
PileSection ToSi(PileSection s) {
  const double in = 0.0254, ksi = kKsiToKpa;
  s.length *= in;
  s.depth *= in;
  s.width *= in;
  s.void_diameter *= in;
  s.concrete.fc = s.concrete.fc / 1000.0 * ksi;
  s.bars.fy = s.bars.fy / 1000.0 * ksi;
  s.bars.es = s.bars.es / 1000.0 * ksi;
  s.bars.diameter *= in;
  s.bars.area *= in * in;
  s.bars.cover *= in;
  s.strands.cover *= in;
  s.strands.force = s.strands.force / 1000.0 * ksi * in * in;
  return s;
}

TEST(Units, SiSectionsGiveTheUsCustomaryCurvesConverted) {
  const double kip = kKsiToKpa * 0.0254 * 0.0254;  // kN
  struct Case {
    const char* name;
    PileSection s;
    double thrust;  // kips
  } cases[] = {{"drilled shaft", Shaft(36.0, 12, 1.0, 1.128), 200.0},
               {"hollow octagon", HollowOctagon(), 100.0}};
  auto work = std::make_unique<StripStresses>();
  auto us = std::make_unique<ThrustSolution>();
  auto si = std::make_unique<ThrustSolution>();
  for (const Case& c : cases) {
    auto cs_us = Cut(c.s);
    auto cs_si = Cut(ToSi(c.s), UnitSystem::kSi);
    ASSERT_TRUE(SolveThrust(*cs_us, c.thrust, us.get(), work.get()));
    ASSERT_TRUE(SolveThrust(*cs_si, c.thrust * kip, si.get(), work.get()));
    EXPECT_EQ(si->count, us->count) << c.name;
    EXPECT_NEAR(si->nominal_moment / (us->nominal_moment * kip * 0.0254), 1.0, 1e-5) << c.name;
    // The metric base step is a single-precision value of 1.25e-6 / 0.0254.
    EXPECT_NEAR(si->curvature[10] * 0.0254 / us->curvature[10], 1.0, 1e-7) << c.name;
    EXPECT_NEAR(si->neutral_axis[30] / (us->neutral_axis[30] * 0.0254), 1.0, 1e-5) << c.name;
    EXPECT_NEAR(cs_si->pn / (cs_us->pn * kip), 1.0, 1e-7) << c.name;
    EXPECT_NEAR(cs_si->nt / (cs_us->nt * kip), 1.0, 1e-7) << c.name;
  }
}

}  // namespace
}  // namespace tarvex

namespace tarvex {
namespace {

// The force and stresses of the strips as the solver first evaluated them: one
// loop for every section, each material looked at strip by strip. The
// solver's loops, specialised by what a section holds, must give the same
// bits.
double ReferenceAxialForce(const CutSection& cs, const ThrustState& t, double c, double phi,
                           StripStresses* out) {
  const SectionSlices& sl = cs.slices;
  out->yielded = false;
  out->cracked = cs.has_concrete && (c - cs.depth) * phi + t.eps_pc < cs.concrete.eps_cr;
  const double strand_scale = cs.si ? kKsiToKpa : 1.0;
  double force = 0.0;
  for (std::size_t k = 1; k <= kSliceCount; ++k) {
    const double eps = (c - sl.d[k]) * phi;
    if (cs.has_concrete) {
      double s;
      if (eps > 0.0) {
        s = ConcreteCompressionStress(cs.concrete, eps);
      } else if (out->cracked) {
        s = 0.0;
      } else {
        s = ConcreteTensionStress(cs.concrete, eps);
        if (s < cs.concrete.fr || t.tension_cracked) {
          s = 0.0;
          out->cracked = true;
        }
      }
      out->concrete[k] = s;
      out->core_concrete[k] = sl.core_concrete[k] > 0.0 ? s : 0.0;
      force += s * (sl.concrete[k] + sl.core_concrete[k]);
    }
    if (sl.bar[k] > 0.0) {
      const double s =
          cs.strands()
              ? StrandStressKsi(cs.law, eps + t.eps_pi, cs.strand_fy9, &out->yielded) * strand_scale
              : ElasticPlasticStress(cs.es, cs.fy, eps, &out->yielded);
      out->bar[k] = s;
      force += s * sl.bar[k];
    } else {
      out->bar[k] = 0.0;
    }
    if (sl.casing[k] > 0.0) {
      const double s = ElasticPlasticStress(cs.casing_e, cs.casing_fy, eps, &out->yielded);
      out->casing[k] = s;
      force += s * sl.casing[k];
    } else {
      out->casing[k] = 0.0;
    }
    if (sl.core[k] > 0.0) {
      const double s = ElasticPlasticStress(cs.core_e, cs.core_fy, eps, &out->yielded);
      out->core[k] = s;
      force += s * sl.core[k];
    } else {
      out->core[k] = 0.0;
    }
  }
  return force;
}

double ReferenceBendingMoment(const CutSection& cs, const StripStresses& s) {
  const SectionSlices& sl = cs.slices;
  double m = 0.0;
  for (std::size_t k = 1; k <= kSliceCount; ++k) {
    const double f = s.concrete[k] * sl.concrete[k] + s.bar[k] * sl.bar[k] +
                     s.casing[k] * sl.casing[k] + s.core[k] * sl.core[k] +
                     s.core_concrete[k] * sl.core_concrete[k];
    m += f * cs.arm[k];
  }
  return m;
}

std::uint64_t Bits(double v) { return std::bit_cast<std::uint64_t>(v); }

// Every force, stress, flag and moment of the solver's strip loops equals the
// single general loop's to the bit, over every kind of cut section, at the
// depths the neutral-axis search tries on a solved curve and across a grid of
// depths (all in compression to all in tension) and curvatures.
TEST(StripLoops, GiveTheGeneralLoopsResultsToTheBit) {
  PileSection cased = Shaft(36.0, 10, 0.79, 1.0);
  cased.type = kShaftWithCasing;
  cased.casing_thickness = 0.5;
  cased.casing_fy = 36000.0;
  cased.casing_e = 29.0e6;
  PileSection void_core = CasedWithCore();
  void_core.core_filled = false;
  void_core.core_fy = 5000.0;  // a soft core yields before the bars and the casing
  PileSection deformed_bars = HollowOctagon();
  deformed_bars.strands.type = 5;
  deformed_bars.strands.size_index = 1;
  PileSection pipe_si = Pipe();
  pipe_si.depth = 0.324;
  pipe_si.length = 12.8;
  pipe_si.casing_thickness = 0.0127;
  pipe_si.casing_fy = 241317.0;
  pipe_si.casing_e = 199947960.0;
  struct Case {
    const char* name;
    PileSection s;
    UnitSystem units;
    std::vector<double> thrusts;  // in the run's force unit
  } cases[] = {
      // Concrete sections first: the stresses they leave behind in the
      // shared work arrays are what the pipes' moments must leave out.
      {"rectangular", Rectangular(), UnitSystem::kUscs, {-100.0, 0.0, 500.0}},
      {"drilled shaft", Shaft(36.0, 12, 1.0, 1.128), UnitSystem::kUscs, {-300.0, 0.0, 1000.0}},
      {"drilled shaft, SI", ToSi(Shaft(36.0, 12, 1.0, 1.128)), UnitSystem::kSi, {0.0, 2000.0}},
      {"cased", cased, UnitSystem::kUscs, {0.0, 800.0}},
      {"cased with filled core", CasedWithCore(), UnitSystem::kUscs, {0.0, 1500.0}},
      {"cased with soft void core", void_core, UnitSystem::kUscs, {-200.0, 0.0}},
      {"hollow octagon, strands", HollowOctagon(), UnitSystem::kUscs, {-50.0, 0.0, 400.0}},
      {"hollow octagon, deformed bars", deformed_bars, UnitSystem::kUscs, {0.0, 300.0}},
      {"hollow octagon, SI", ToSi(HollowOctagon()), UnitSystem::kSi, {0.0, 1000.0}},
      {"pipe", Pipe(), UnitSystem::kUscs, {-500.0, 0.0, 800.0}},
      {"pipe, SI", pipe_si, UnitSystem::kSi, {0.0, 500.0}},
  };
  auto work = std::make_unique<StripStresses>();
  auto fast = std::make_unique<StripStresses>();
  auto reference = std::make_unique<StripStresses>();
  auto spare = std::make_unique<StripStresses>();
  auto curve = std::make_unique<ThrustSolution>();
  for (const Case& c : cases) {
    auto cs = Cut(c.s, c.units);
    // The axial tension that cracks the section through, beyond Tcr.
    std::vector<double> thrusts = c.thrusts;
    if (cs->tcr < 0.0) thrusts.push_back(1.5 * cs->tcr);
    for (double p : thrusts) {
      const ThrustState t = StartThrust(*cs, p);
      const double step = CurvatureStep(*cs, p);
      const double delta = cs->si ? 2.54e-9 : 1e-7;   // the search's offset
      std::vector<std::pair<double, double>> states;  // depth, curvature
      if (SolveThrust(*cs, p, curve.get(), work.get())) {
        for (int k = 0; k < curve->count; ++k) {
          const auto i = static_cast<std::size_t>(k);
          for (double o : {-delta, 0.0, delta}) {
            states.emplace_back(curve->neutral_axis[i] + o, curve->curvature[i]);
          }
        }
      }
      const std::size_t solved = states.size();
      for (double depth : {-0.5, 0.05, 0.3, 0.5, 0.7, 1.0, 2.0}) {
        for (double phi : {0.2, 1.0, 5.0, 40.0, 400.0}) {
          states.emplace_back(depth * cs->depth, phi * step);
        }
      }
      if (p == 0.0) {
        EXPECT_GT(solved, 30U) << c.name;  // every section solves without thrust
      }
      for (const auto& [depth, phi] : states) {
        const double expected = ReferenceAxialForce(*cs, t, depth, phi, reference.get());
        const double force = AxialForce(*cs, t, depth, phi, fast.get());
        const std::string at = std::string(c.name) + ", P = " + std::to_string(p) +
                               ", c = " + std::to_string(depth) + ", phi = " + std::to_string(phi);
        ASSERT_EQ(Bits(force), Bits(expected)) << at << ": " << force << " against " << expected;
        ASSERT_EQ(fast->cracked, reference->cracked) << at;
        ASSERT_EQ(fast->yielded, reference->yielded) << at;
        for (std::size_t k = 1; k <= kSliceCount; ++k) {
          ASSERT_EQ(Bits(fast->concrete[k]), Bits(reference->concrete[k])) << at << " strip " << k;
          ASSERT_EQ(Bits(fast->core_concrete[k]), Bits(reference->core_concrete[k]))
              << at << " strip " << k;
          ASSERT_EQ(Bits(fast->bar[k]), Bits(reference->bar[k])) << at << " strip " << k;
          ASSERT_EQ(Bits(fast->casing[k]), Bits(reference->casing[k])) << at << " strip " << k;
          ASSERT_EQ(Bits(fast->core[k]), Bits(reference->core[k])) << at << " strip " << k;
        }
        // The three trial depths of a Newton step, taken together: at the
        // search's offset, and far enough apart for each depth to crack and
        // yield on its own.
        for (double offset : {delta, 0.25 * cs->depth}) {
          double below, middle, above;
          TrialAxialForces(*cs, t, depth, offset, phi, &below, &middle, &above);
          ASSERT_EQ(Bits(middle), Bits(expected)) << at;
          ASSERT_EQ(Bits(below),
                    Bits(ReferenceAxialForce(*cs, t, depth - offset, phi, spare.get())))
              << at << " less " << offset;
          ASSERT_EQ(Bits(above),
                    Bits(ReferenceAxialForce(*cs, t, depth + offset, phi, spare.get())))
              << at << " plus " << offset;
        }
        const double m = BendingMoment(*cs, *fast);
        const double m_expected = ReferenceBendingMoment(*cs, *reference);
        ASSERT_EQ(Bits(m), Bits(m_expected)) << at << ": " << m << " against " << m_expected;
      }
    }
  }
}

}  // namespace
}  // namespace tarvex
