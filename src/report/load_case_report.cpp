#include "report/load_case_report.hpp"

#include <cmath>
#include <string>

#include "format/number_fields.hpp"
#include "report/report_units.hpp"

namespace tarvex {
namespace {

// A magnitude below 1e-20 is written as zero in the plot records.
double Clean(double v) { return std::fabs(v) < 1e-20 ? 0.0 : v; }

void WriteHeadConditions(UnitSystem units, const LoadCaseResult& lc, RecordWriter& r) {
  if (units == UnitSystem::kGeneral) return;
  const bool si = units == UnitSystem::kSi;
  const char* force = si ? " kN" : " lbs";
  const char* moment = si ? " kN-m" : " in-lbs";
  auto line = [&](const char* label, double v, const char* form, const char* unit) {
    r.Write("(A,T56,'= ',$)", {label});
    r.Write(form, {v, unit});
  };
  switch (static_cast<LoadType>(lc.load_type)) {
    case LoadType::kShearAndMoment:
      r.Write("(A/)", {"Pile-head conditions are Shear and Moment (Loading Type 1)"});
      line("Horizontal shear force at pile head", lc.condition1, "(F15.3,A)", force);
      line("Applied moment at pile head        ", lc.condition2, "(F15.3,A)", moment);
      line("Axial thrust load on pile head     ", lc.axial, "(F15.3,A)", force);
      r.Write("()");
      return;
    case LoadType::kShearAndSlope:
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
    case LoadType::kShearAndRotationalStiffness:
      r.Write("(A)", {"Pile-head conditions are Shear and Rotational Stiffness (Loading Type 3)"});
      line("Shear force at pile head", lc.condition1, "(F15.3,A)", si ? " kN" : " lb");
      line("Rotational stiffness    ", lc.condition2, "(F15.3,A)", si ? " kN-m/rad" : " in-lb/rad");
      line("Axial load at pile head ", lc.axial, "(F15.3,A)", force);
      r.Write("()");
      return;
    case LoadType::kDeflectionAndMoment:
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

void WriteTableHeading(UnitSystem units, RecordWriter& r) {
  r.Write("(A)", {"   Depth    Deflect.    Bending    Shear       Slope      Total    Bending   "
                  "Soil Res.  Soil Spr.   Distrib. "});
  r.Write("(A)", {"     X         y        Moment     Force         S       Stress   Stiffness     "
                  " p         Es*h    Lat. Load "});
  r.Write("(A)", {ByUnits(units,
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

void WriteVerification(UnitSystem units, const LoadCaseResult& b, RunOutput& m) {
  if (b.verified) {
    m.report.Write("(/A/)", {"Output Verification: Computed forces and moments are within "
                             "specified convergence limits."});
    return;
  }
  const std::string_view moment_unit = LabelsFor(units).moment;
  const std::string_view force_unit = LabelsFor(units).force;
  for (RecordWriter* out : {&m.report, &m.message}) {
    const bool report = out == &m.report;
    const bool si = units == UnitSystem::kSi;
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
      WriteAdaptive(*out, 12, b.moment_imbalance);
      out->Write("(1X,A)", {moment_unit});
      out->Text("Maximum internal lateral force imbalance for pile = ");
      WriteAdaptive(*out, 12, b.force_imbalance);
      out->Write("(1X,A)", {force_unit});
    } else {
      out->Write("(A,E12.5,1X,A,A,I0)",
                 {"Maximum internal moment imbalance for pile solution         = ",
                  b.moment_imbalance, moment_unit, " at node ", b.moment_imbalance_station});
      out->Write("(A,E12.5,1X,A,A,I0)",
                 {"Maximum internal lateral force imbalance for pile  solution = ",
                  b.force_imbalance, force_unit, " at node ", b.force_imbalance_station});
    }
  }
}

void WriteOutputSummary(UnitSystem units, const LoadCaseResult& rec, RecordWriter& r) {
  r.Write("(/A,I0,A/)", {"Output Summary for Load Case No. ", rec.number, ":"});
  auto value = [&](const char* label, double v, const char* unit) {
    r.Text(label);
    WriteAdaptive(r, 14, v);
    r.Write("(A)", {unit});
  };
  const char* length = ByUnits(units, " inches", " meters", " L");
  const char* below =
      ByUnits(units, " inches below pile head", " meters below pile head", " L below pile head");
  value("Pile-head deflection             = ", rec.head_deflection, length);
  value("Computed slope at pile head      = ", rec.head_rotation, " radians");
  value("Maximum bending moment           = ", rec.max_moment,
        ByUnits(units, " inch-lbs", " kN-m", " F-L"));
  value("Maximum shear force              = ", rec.max_shear, ByUnits(units, " lbs", " kN", " F"));
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

void WriteLoadCaseReport(const Options& options, int case_count, const LoadCaseResult& result,
                         RunOutput& m) {
  RecordWriter& r = m.report;
  const int c = result.number;
  const bool lrfd = result.lrfd;
  r.Write("(//80('-'))");
  r.Write("(T18,A)", {"Computed Values of Pile Loading and Deflection"});
  if (lrfd) {
    r.Write("(T18,A,I0)", {"for Lateral Loading for LRFD Load Case Number ", c});
  } else {
    r.Write("(T20,A,I0)", {"for Lateral Loading for Load Case Number ", c});
  }
  r.Write("(80('-')/)");
  if (lrfd) {
    r.Write("(A,I0,A,A//)",
            {"Load Case No. ", c, ":  ", CombinationNameField(result.combination_name)});
  }
  const NodeColumns& n = result.nodes;
  const int count = static_cast<int>(n.depth.size());
  if (c == 1) {
    m.plot.Write("(3I5,65X,A)", {case_count, count, options.iunits,
                                 "Line 9:  No. loads, No. nodes, iunits: 1 = USCS, 2 = SI"});
  }
  if (!lrfd) WriteHeadConditions(options.units, result, r);

  const bool table = options.run_kind == RunKind::kPileAnalysis && !options.print_summary_only;
  if (table) WriteTableHeading(options.units, r);
  for (int k = 1; k <= count; ++k) {
    const auto i = static_cast<std::size_t>(k - 1);
    m.plot.Write("(6E15.7,T92,A,I3,A)",
                 {n.depth[i], Clean(n.deflection[i]), Clean(n.moment[i]), Clean(n.shear[i]),
                  Clean(n.soil_reaction[i]), n.flexural_rigidity[i], "Line 10(", k,
                  "): nodal depth, y, M, V, p, EI"});
    if (!table || (k - 1) % options.print_increment != 0) continue;
    const double spring = n.es[i] * result.increment_length * (k == 1 || k == count ? 0.5 : 1.0);
    WriteAdaptive(r, 10, n.depth[i]);
    for (double v : {n.deflection[i], n.moment[i], n.shear[i], n.slope[i], n.stress[i],
                     n.flexural_rigidity[i], n.soil_reaction[i], spring, n.distributed_load[i]}) {
      WriteAdaptive(r, 11, v);
    }
    r.EndLine();
  }
  if (options.run_kind == RunKind::kPileAnalysis) {
    r.Write("(/A)", {"* This analysis makes computations of pile response using nonlinear "
                     "moment-curvature relationships. "});
    r.Write("(A)", {"  The above values of total stress are computed for combined axial stress "
                    "and do not equal the "});
    r.Write("(A/)",
            {"  actual stresses in concrete and steel in the range of nonlinear bending. "});
  }
  WriteVerification(options.units, result, m);
  WriteOutputSummary(options.units, result, r);
}

}  // namespace tarvex
