#include "pile/response.hpp"

#include <cmath>
#include <string>

#include "pile/analysis.hpp"
#include "pile/lrfd.hpp"
#include "pile/report_units.hpp"
#include "pile/section_properties.hpp"
#include "report/number_fields.hpp"

namespace tarvex {
namespace {

constexpr std::size_t At(int k) { return PileNodes::At(k); }

// The moment at node j from the deflections (the head takes the stiffness of
// node 2, and the tip's moment is zero through the tip condition).
double MomentAt(const PileNodes& n, int j) {
  const double r = j == 1 ? n.ei[At(2)] : n.ei[At(j)];
  return r * (n.y[At(j - 1)] - 2.0 * n.y[At(j)] + n.y[At(j + 1)]) / (n.h * n.h);
}

// Shear at the head by the central expression of the solution.
double HeadShear(const PileNodes& n, double q) {
  const double r = n.ei[At(2)];
  const double h = n.h;
  return r * (n.y[At(3)] - 2.0 * n.y[At(2)] + 2.0 * n.y[At(0)] - n.y[At(-1)]) / (2.0 * h * h * h) +
         q * (n.y[At(2)] - n.y[At(0)]) / (2.0 * h);
}

// Half the width for stresses: the pole's own width for an embedded pole.
double ExtremeFibre(const AnalysisModel& m, int node, const SectionProperties& p) {
  const int s = m.nodes.section[At(node)];
  if (s >= 1 && s <= static_cast<int>(m.sections.size())) {
    const PileSection& section = m.sections[static_cast<std::size_t>(s - 1)];
    if ((section.type == kElastic || section.type == kElasticPlastic) &&
        section.elastic.shape == kEmbeddedPoleShape) {
      return p.width / 2.0;
    }
  }
  return p.diameter / 2.0;
}

// A magnitude below 1e-20 is written as zero in the plot records.
double Clean(double v) { return std::fabs(v) < 1e-20 ? 0.0 : v; }

void WriteHeadConditions(AnalysisModel& m, const LoadCase& lc) {
  if (m.options.units == UnitSystem::kGeneral) return;
  RecordWriter& r = m.report;
  const bool si = m.options.units == UnitSystem::kSi;
  const char* force = si ? " kN" : " lbs";
  const char* moment = si ? " kN-m" : " in-lbs";
  auto line = [&](const char* label, double v, const char* form, const char* unit) {
    r.Write("(A,T56,'= ',$)", {label});
    r.Write(form, {v, unit});
  };
  switch (lc.type) {
    case 1:
      r.Write("(A/)", {"Pile-head conditions are Shear and Moment (Loading Type 1)"});
      line("Horizontal shear force at pile head", lc.condition1, "(F15.3,A)", force);
      line("Applied moment at pile head        ", lc.condition2, "(F15.3,A)", moment);
      line("Axial thrust load on pile head     ", lc.axial, "(F15.3,A)", force);
      r.Write("()");
      return;
    case 2:
      r.Write("(A/)", {"Pile-head conditions are Shear and Pile-head Rotation (Loading Type 2)"});
      line("Shear force at pile head", lc.condition1, "(F15.3,A)", force);
      line("Rotation of pile head   ", lc.condition2, "(E15.3,A)", " radians");
      line("Axial load at pile head ", lc.axial, "(F15.3,A)", force);
      r.Write("()");
      r.Write("(A/)", {std::fabs(lc.condition2) < 1e-10
                           ? "(Zero slope for this load indicates fixed-head conditions)"
                           : "(Non-zero slope for this load does indicates rotated pile-head "
                             "condition)"});
      return;
    case 3:
      r.Write("(A)", {"Pile-head conditions are Shear and Rotational Stiffness (Loading Type 3)"});
      line("Shear force at pile head", lc.condition1, "(F15.3,A)", si ? " kN" : " lb");
      line("Rotational stiffness    ", lc.condition2, "(F15.3,A)", si ? " kN-m/rad" : " in-lb/rad");
      line("Axial load at pile head ", lc.axial, "(F15.3,A)", force);
      r.Write("()");
      return;
    case 4:
      r.Write("(A)", {"Pile-head conditions are Displacement and Moment (Loading Type 4)"});
      line("Displacement of pile head", lc.condition1, "(F15.6,A)", si ? " meters" : " inches");
      line("Moment at pile head      ", lc.condition2, "(F15.3,A)", moment);
      line("Axial load at pile head  ", lc.axial, "(F15.3,A)", force);
      r.Write("()");
      return;
    default:
      r.Write("(A)",
              {"Pile-head conditions are Displacement and Pile-head Rotation (Loading Type 5)"});
      line("Displacement of pile head", lc.condition1, "(F15.6,A)", si ? " meters" : " inches");
      line("Rotation of pile head    ", lc.condition2, "(E15.3,A)", " radians");
      line("Axial load on pile head  ", lc.axial, "(F15.3,A)", force);
      r.Write("()");
      return;
  }
}

void WriteTableHeading(AnalysisModel& m) {
  RecordWriter& r = m.report;
  r.Write("(A)", {"   Depth    Deflect.    Bending    Shear       Slope      Total    Bending   "
                  "Soil Res.  Soil Spr.   Distrib. "});
  r.Write("(A)", {"     X         y        Moment     Force         S       Stress   Stiffness     "
                  " p         Es*h    Lat. Load "});
  r.Write("(A)", {ByUnits(m,
                          "   inches    inches     in-lbs      lbs       radians     psi*      "
                          "lb-in^2    lb/in      lb/inch    lb/inch ",
                          "   meters    meters      kN-m       kN        radians     kPa*      "
                          "kN-m^2     kN/m        kN/m      kN/m    ",
                          "     L         L          F-L        F        radians     F/L2*      "
                          "F-L^2      F/L         F/L       F/L     ")});
  std::string dashes = "----------";
  for (int i = 1; i < 10; ++i) dashes += " ----------";
  r.Write("(A)", {dashes});
}

void WriteVerification(AnalysisModel& m, const Imbalance& b) {
  const double limit = m.options.units == UnitSystem::kSi ? 1.1298e-4 : 1.0;
  if (b.moment <= limit) {
    m.report.Write("(/A/)", {"Output Verification: Computed forces and moments are within "
                             "specified convergence limits."});
    return;
  }
  const std::string_view moment_unit = m.labels.moment;
  const std::string_view force_unit = m.labels.force;
  for (RecordWriter* out : {&m.report, &m.message}) {
    const bool report = out == &m.report;
    const bool si = m.options.units == UnitSystem::kSi;
    out->Write("(//A/)", {report ? (si ? "**** Warning - Possible Solution Error 5501 ****"
                                       : "**** Warning - POSSIBLE SOLUTION ERROR 5501 ****")
                                 : (si ? "**** Warning - Possible Solution Error 550 ****"
                                       : "**** Warning - POSSIBLE SOLUTION ERROR 550 ****")});
    out->Write("(A/)", {"Force and moment imbalances may be too large for a good solution."});
    out->Write("(A)", {"The cause of the imbalance may be due to extreme changes in magnitude"});
    out->Write("(A)", {"of nonlinear bending stiffness within three nodal points of the top of the "
                       "pile"});
    out->Write("(A/)", {"which may affect the finite difference computation of shear force."});
    out->Write("(A)", {"Please examine curves and printed output for deflection, moment, shear "
                       "force,"});
    out->Write("(A)", {"and number of iterations to determine if computed values are reasonable."});
    out->Write("(A)", {"If the shear force shows large changes, increase the number of nodal "
                       "points"});
    out->Write("(A/)", {"(pile increments) and repeat the analysis."});
    if (report) {
      out->Text("Maximum internal moment imbalance for pile        = ");
      WriteAdaptive(*out, 12, b.moment);
      out->Write("(1X,A)", {moment_unit});
      out->Text("Maximum internal lateral force imbalance for pile = ");
      WriteAdaptive(*out, 12, b.force);
      out->Write("(1X,A)", {force_unit});
    } else {
      out->Write("(A,E12.5,1X,A,A,I0)", {"Maximum internal moment imbalance for pile solution   "
                                         "      = ",
                                         b.moment, moment_unit, " at node ", b.moment_station});
      out->Write("(A,E12.5,1X,A,A,I0)", {"Maximum internal lateral force imbalance for pile  "
                                         "solution = ",
                                         b.force, force_unit, " at node ", b.force_station});
    }
  }
}

void WriteOutputSummary(AnalysisModel& m, int c, const CaseRecord& rec) {
  RecordWriter& r = m.report;
  r.Write("(/A,I0,A/)", {"Output Summary for Load Case No. ", c, ":"});
  auto value = [&](const char* label, double v, const char* unit) {
    r.Text(label);
    WriteAdaptive(r, 14, v);
    r.Write("(A)", {unit});
  };
  const char* length = ByUnits(m, " inches", " meters", " L");
  const char* below =
      ByUnits(m, " inches below pile head", " meters below pile head", " L below pile head");
  value("Pile-head deflection             = ", rec.top_deflection, length);
  value("Computed slope at pile head      = ", rec.head_slope, " radians");
  value("Maximum bending moment           = ", rec.max_moment,
        ByUnits(m, " inch-lbs", " kN-m", " F-L"));
  value("Maximum shear force              = ", rec.max_shear, ByUnits(m, " lbs", " kN", " F"));
  value("Depth of maximum bending moment  = ", rec.max_moment_depth, below);
  value("Depth of maximum shear force     = ", rec.max_shear_depth, below);
  r.Text("Number of iterations             = ");
  WriteIntegerField(r, 14, rec.iterations);
  r.EndLine();
  r.Text("Number of zero deflection points = ");
  WriteIntegerField(r, 14, rec.zero_deflection_points);
  r.EndLine();
  r.Write("()");
}

}  // namespace

CaseRecord ComputeNodeResponses(AnalysisModel& m) {
  PileNodes& n = m.nodes;
  const LoadCase& lc = m.active_case;
  const double q = lc.axial;
  const double h = n.h;
  const int nn = n.count;
  const bool movement = m.options.soil_movement && m.soil_movements.size() >= 2;
  CaseRecord rec;
  rec.type = lc.type;
  rec.condition1 = lc.condition1;
  rec.condition2 = lc.condition2;
  rec.axial = q;
  rec.iterations = m.run.iteration;
  for (int k = 1; k <= nn; ++k) {
    double moment = 0.0, slope = 0.0, shear = 0.0;
    if (k == 1) {
      moment = MomentAt(n, 1);
      if (lc.type == 5) {
        const double one_sided = (4.0 * n.y[At(2)] - 3.0 * n.y[At(1)] - n.y[At(3)]) / (2.0 * h);
        shear = q * one_sided +
                (4.0 * MomentAt(n, 2) - 3.0 * MomentAt(n, 1) - MomentAt(n, 3)) / (2.0 * h);
        slope = lc.condition2;  // the prescribed slope
      } else {
        slope = (n.y[At(2)] - n.y[At(0)]) / (2.0 * h);
        shear = HeadShear(n, q);
      }
    } else if (k == nn) {
      moment = 0.0;
      slope = (n.y[At(nn)] - n.y[At(nn - 1)]) / h;
      shear = m.run.tip_shear;
    } else {
      moment = MomentAt(n, k);
      slope = (n.y[At(k + 1)] - n.y[At(k - 1)]) / (2.0 * h);
      shear = q * slope + (MomentAt(n, k + 1) - MomentAt(n, k - 1)) / (2.0 * h);
    }
    const double reaction = movement ? -n.es[At(k)] * (n.y[At(k)] - n.ys[At(k)]) - n.wbar[At(k)]
                                     : -n.es[At(k)] * n.y[At(k)];
    const SectionProperties p = PropertiesAt(m, n.x[At(k)]);
    const double stress =
        p.area == 0.0 || p.inertia == 0.0
            ? 0.0
            : std::fabs(q) / p.area + std::fabs(moment) * ExtremeFibre(m, k, p) / p.inertia;
    n.moment[At(k)] = moment;
    n.slope[At(k)] = slope;
    n.shear[At(k)] = shear;
    n.reaction[At(k)] = reaction;
    n.stress[At(k)] = stress;

    const double x = n.x[At(k)];
    if (std::fabs(moment) > std::fabs(rec.max_moment)) {
      rec.max_moment = moment;
      rec.max_moment_depth = x;
    }
    if (std::fabs(shear) > std::fabs(rec.max_shear)) {
      rec.max_shear = shear;
      rec.max_shear_depth = x;
    }
    rec.max_stress = std::max(rec.max_stress, stress);
    const int s = n.section[At(k)];
    if (s >= 1 && s <= limits::kMaxSections) {
      const auto i = static_cast<std::size_t>(s - 1);
      rec.section_moment[i] = std::max(rec.section_moment[i], std::fabs(moment));
      rec.section_shear[i] = std::max(rec.section_shear[i], std::fabs(shear));
    }
    if (k < nn && n.y[At(k)] * n.y[At(k + 1)] < 0.0) ++rec.zero_deflection_points;
  }
  rec.top_deflection = n.y[At(1)];
  rec.head_slope = n.slope[At(1)];
  rec.head_shear = n.shear[At(1)];
  rec.head_moment = n.moment[At(1)];
  return rec;
}

Imbalance CheckEquilibrium(const AnalysisModel& m) {
  const PileNodes& n = m.nodes;
  const double q = m.active_case.axial;
  const double h = n.h;
  const int nn = n.count;
  Imbalance b;
  // The load a node takes in the solution: its load term less its spring.
  auto load = [&](int k) { return n.w[At(k)] - n.es[At(k)] * n.y[At(k)]; };
  // Shear at the middle of each increment, accumulated from the head.
  double v_half = HeadShear(n, q) + h / 2.0 * load(1);
  for (int k = 3; k <= nn + 1; ++k) {
    const int a = k - 2;  // the increment from node a to node a + 1
    const double dm = MomentAt(n, a + 1) - MomentAt(n, a);
    const double moment = std::fabs(dm - h * v_half + q * (n.y[At(a + 1)] - n.y[At(a)]));
    if (moment > b.moment) {
      b.moment = moment;
      b.moment_station = k;
    }
    const double force = std::fabs(dm / h + q * (n.y[At(a + 1)] - n.y[At(a)]) / h - v_half);
    if (force > b.force) {
      b.force = force;
      b.force_station = k;
    }
    if (a + 1 < nn) v_half += h * load(a + 1);
  }
  // At the station past the tip the shear must meet the tip shear.
  const double tip = std::fabs(v_half + h / 2.0 * load(nn) - m.run.tip_shear);
  if (tip > b.force) {
    b.force = tip;
    b.force_station = nn + 1;
  }
  return b;
}

namespace {

// The first node at which a value of the response table is not a finite
// number, or 0.
int FirstNonFiniteNode(const PileNodes& n) {
  for (int k = 1; k <= n.count; ++k) {
    const std::size_t i = At(k);
    for (double v : {n.x[i], n.y[i], n.moment[i], n.shear[i], n.slope[i], n.stress[i], n.ei[i],
                     n.reaction[i], n.es[i], n.wbar[i]}) {
      if (!std::isfinite(v)) return k;
    }
  }
  return 0;
}

}  // namespace

void WriteLoadCaseReport(AnalysisModel& m, int c) {
  // Responses first: a case whose response is not finite ends the run before
  // any of its lines is written.
  CaseRecord rec = ComputeNodeResponses(m);
  if (const int node = FirstNonFiniteNode(m.nodes); node != 0) {
    ReportNotFinite(m, {"The response of the pile for load case " + std::to_string(c) +
                            " is not a finite number at node " + std::to_string(node) + ".",
                        "Check the input values of the pile, the soil and the loading for "
                        "their sizes and units."});
    return;
  }
  RecordWriter& r = m.report;
  const bool lrfd = m.options.lrfd;
  r.Write("(//80('-'))");
  r.Write("(T18,A)", {"Computed Values of Pile Loading and Deflection"});
  if (lrfd) {
    r.Write("(T18,A,I0)", {"for Lateral Loading for LRFD Load Case Number ", c});
  } else {
    r.Write("(T20,A,I0)", {"for Lateral Loading for Load Case Number ", c});
  }
  r.Write("(80('-')/)");
  if (lrfd) {
    r.Write("(A,I0,A,A//)", {"Load Case No. ", c, ":  ",
                             m.lrfd_combinations[static_cast<std::size_t>(c - 1)].name});
  }
  PileNodes& n = m.nodes;
  const int cases = static_cast<int>(lrfd ? m.lrfd_combinations.size() : m.load_cases.size());
  if (c == 1) {
    m.plot.Write("(3I5,65X,A)", {cases, n.count, m.options.iunits,
                                 "Line 9:  No. loads, No. nodes, iunits: 1 = USCS, 2 = SI"});
  }
  if (!lrfd) WriteHeadConditions(m, m.active_case);

  const bool table = m.options.icom >= 3 && !m.options.print_summary_only;
  if (table) WriteTableHeading(m);
  for (int k = 1; k <= n.count; ++k) {
    m.plot.Write(
        "(6E15.7,T92,A,I3,A)",
        {n.x[At(k)], Clean(n.y[At(k)]), Clean(n.moment[At(k)]), Clean(n.shear[At(k)]),
         Clean(n.reaction[At(k)]), n.ei[At(k)], "Line 10(", k, "): nodal depth, y, M, V, p, EI"});
    if (!table || (k - 1) % m.options.print_increment != 0) continue;
    const double spring = n.es[At(k)] * n.h * (k == 1 || k == n.count ? 0.5 : 1.0);
    WriteAdaptive(r, 10, n.x[At(k)]);
    for (double v : {n.y[At(k)], n.moment[At(k)], n.shear[At(k)], n.slope[At(k)], n.stress[At(k)],
                     n.ei[At(k)], n.reaction[At(k)], spring, n.wbar[At(k)]}) {
      WriteAdaptive(r, 11, v);
    }
    r.EndLine();
  }
  if (m.options.icom == 3) {
    r.Write("(/A)", {"* This analysis makes computations of pile response using nonlinear "
                     "moment-curvature relationships. "});
    r.Write("(A)", {"  The above values of total stress are computed for combined axial stress "
                    "and do not equal the "});
    r.Write("(A/)",
            {"  actual stresses in concrete and steel in the range of nonlinear bending. "});
  }
  WriteVerification(m, CheckEquilibrium(m));
  if (static_cast<int>(m.case_records.size()) < c)
    m.case_records.resize(static_cast<std::size_t>(c));
  m.case_records[static_cast<std::size_t>(c - 1)] = rec;
  WriteOutputSummary(m, c, rec);
}

}  // namespace tarvex
