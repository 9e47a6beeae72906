// Section analysis driver: every pile section gets its moment-curvature
// tables, one per axial thrust. Elastic, elastic-plastic and user-defined
// sections get theirs directly from their properties; the sections cut into
// strips get theirs from the moment-curvature solution.
#include "section/section_analysis.hpp"

#include <algorithm>

#include "pile/section_properties.hpp"

namespace tarvex {
namespace {

bool Uscs(const AnalysisModel& m) { return m.options.units == UnitSystem::kUscs; }

// Moment-curvature values are held in kips and inches in USCS runs.
double ToKips(const AnalysisModel& m, double v) { return Uscs(m) ? v / 1000.0 : v; }

struct PlotTexts {
  const char* line3;
  const char* line4;
  const char* line5;
};

// The plot records of a section's curves: Line 3 before the run's first
// section, then Line 4 per thrust followed by its Line 5 points.
void WriteCurves(AnalysisModel& m, int n, const SectionTables& tables, const PlotTexts& texts) {
  RecordWriter& plot = m.plot;
  if (n == 1) {
    plot.Write("(I5,75X,A)", {static_cast<int>(tables.curves.size()), texts.line3});
  }
  for (std::size_t t = 0; t < tables.curves.size(); ++t) {
    const MomentCurvatureCurve& c = tables.curves[t];
    // The table holds the capacity in lb-in for USCS; the record in in-kips.
    plot.Write("(I5,10X,2E15.7,T81,A)",
               {c.count, c.thrust, ToKips(m, c.nominal_moment), texts.line4});
    for (int k = 0; k < c.count; ++k) {
      const auto i = static_cast<std::size_t>(k);
      plot.Write("(3E15.7,T81,A,I0,A,I0,A,I0)",
                 {c.moment[i], c.ei[i], c.curvature[i], texts.line5, n, ", AxLd#=",
                  static_cast<int>(t) + 1, ", CurvPnt#=", k + 1});
    }
  }
}

// The nominal capacity handed to the solver: the moment of the last point,
// in lb-in for USCS.
double Capacity(const AnalysisModel& m, const MomentCurvatureCurve& c) {
  const double last = c.moment[static_cast<std::size_t>(c.count - 1)];
  return Uscs(m) ? last * 1000.0 : last;
}

// Elastic section: 150 points of constant stiffness E*I (top of the section).
void ElasticTables(AnalysisModel& m, int n) {
  const PileSection& s = m.sections[static_cast<std::size_t>(n - 1)];
  double area = 0.0, inertia = 0.0;
  ElasticShapeProperties(s.elastic, false, &area, &inertia);
  const double ei = ToKips(m, s.elastic.modulus * inertia);
  SectionTables& tables = m.section_tables[static_cast<std::size_t>(n - 1)];
  tables.curves.assign(m.thrusts.size(), MomentCurvatureCurve{});
  for (std::size_t t = 0; t < m.thrusts.size(); ++t) {
    MomentCurvatureCurve& c = tables.curves[t];
    c.thrust = m.thrusts[t];
    c.count = MomentCurvatureCurve::kMaxPoints;
    for (int k = 1; k <= c.count; ++k) {
      const auto i = static_cast<std::size_t>(k - 1);
      c.curvature[i] = 10.0 * k;
      c.ei[i] = ei;
      c.moment[i] = ei * c.curvature[i];
    }
    c.nominal_moment = Capacity(m, c);
  }
  m.report.Write("(A/)", {"Moment-Curvature properties derived from elastic section properties"});
  const bool si = m.options.units == UnitSystem::kSi;
  WriteCurves(m, n, tables,
              {"Line 3 : Total number of axial thrusts for elastic section",
               si ? "Line 4 : Num. Elas. M-EI-Crv Points, Axial Thrust Load (kN) , Nom. Moment "
                    "Cap. (kN-m) for linear EI pile at top of section"
                  : "Line 4 : Num. Elas. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment "
                    "Cap. (in-kips) for linear EI pile at top of section",
               si ? "Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#="
                  : "Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for "
                    "Sect#="});
}

// Elastic-plastic section: straight to the plastic moment Mp at the plastic
// curvature (100 points), then Mp held over 50 more points to 11 times it.
void ElasticPlasticTables(AnalysisModel& m, int n) {
  const PileSection& s = m.sections[static_cast<std::size_t>(n - 1)];
  double area = 0.0, inertia = 0.0;
  ElasticShapeProperties(s.elastic, false, &area, &inertia);
  const double ei = ToKips(m, s.elastic.modulus * inertia);
  const double mp = ToKips(m, s.elastic.top_mp);
  const double plastic_curvature = mp / ei;
  const double u = plastic_curvature / 100.0;
  SectionTables& tables = m.section_tables[static_cast<std::size_t>(n - 1)];
  tables.curves.assign(m.thrusts.size(), MomentCurvatureCurve{});
  for (std::size_t t = 0; t < m.thrusts.size(); ++t) {
    MomentCurvatureCurve& c = tables.curves[t];
    c.thrust = m.thrusts[t];
    c.count = MomentCurvatureCurve::kMaxPoints;
    for (int k = 1; k <= 100; ++k) {
      const auto i = static_cast<std::size_t>(k - 1);
      c.curvature[i] = k * u;
      c.ei[i] = ei;
      c.moment[i] = ei * c.curvature[i];
    }
    for (int j = 1; j <= 50; ++j) {
      const auto i = static_cast<std::size_t>(99 + j);
      c.curvature[i] = 100.0 * u + 20.0 * u * j;
      c.moment[i] = mp;
      c.ei[i] = mp / c.curvature[i];
    }
    c.nominal_moment = Capacity(m, c);
  }
  m.report.Write("(A/)",
                 {"Moment-curvature properties were derived from elastic-plastic section "
                  "properties"});
  const bool si = m.options.units == UnitSystem::kSi;
  WriteCurves(m, n, tables,
              {"Line 3 : Total number of axial thrusts for elastic-plastic section",
               si ? "Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kN), Nom. Moment Cap. "
                    "(kN-m) for elastic-plastic EI at top of section"
                  : "Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. "
                    "(in-kip) for elastic-plastic EI at top of section",
               si ? "Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#="
                  : "Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for "
                    "Sect#="});
}

// User-defined nonlinear bending stiffness: the input points, from zero
// moment, each interval divided into equal steps so that the curve has close
// to 150 points.
void UserEiTables(AnalysisModel& m, int n) {
  const PileSection& s = m.sections[static_cast<std::size_t>(n - 1)];
  SectionTables& tables = m.section_tables[static_cast<std::size_t>(n - 1)];
  tables.curves.assign(s.user_ei.size(), MomentCurvatureCurve{});
  for (std::size_t t = 0; t < s.user_ei.size(); ++t) {
    const UserEiCurve& in = s.user_ei[t];
    MomentCurvatureCurve& c = tables.curves[t];
    c.thrust = ToKips(m, in.thrust);
    double pm[MomentCurvatureCurve::kMaxPoints + 1];
    double pei[MomentCurvatureCurve::kMaxPoints + 1];
    int points = 0;
    if (in.moment.front() != 0.0) {
      pm[points] = 0.0;
      pei[points] = in.ei.front();
      ++points;
    }
    for (std::size_t k = 0; k < in.moment.size(); ++k) {
      pm[points] = in.moment[k];
      pei[points] = in.ei[k];
      ++points;
    }
    const int input_points = static_cast<int>(in.moment.size());
    const int intervals = points - 1;
    const int steps = intervals > 0 ? (150 - input_points) / intervals : 0;
    int count = 0;
    auto add = [&](double moment, double ei) {
      const auto i = static_cast<std::size_t>(count++);
      c.moment[i] = ToKips(m, moment);
      c.ei[i] = ToKips(m, ei);
      c.curvature[i] = c.moment[i] / c.ei[i];
    };
    if (steps < 1) {
      for (int k = 0; k < points; ++k) add(pm[k], pei[k]);
    } else {
      for (int k = 0; k < intervals; ++k) {
        for (int j = 0; j < steps; ++j) {
          add(pm[k] + (pm[k + 1] - pm[k]) * j / steps, pei[k] + (pei[k + 1] - pei[k]) * j / steps);
        }
      }
      add(pm[points - 1], pei[points - 1]);
    }
    c.count = count;
    double largest = c.moment[0];
    for (int k = 1; k < count; ++k) largest = std::max(largest, c.moment[static_cast<std::size_t>(k)]);
    c.nominal_moment = Uscs(m) ? largest * 1000.0 : largest;
  }
  m.report.Write("(A,I0,A/)", {"Moment-Curvature properties for Section ", n,
                               " derived from input values for nonlinear M-EI properties"});
  const bool si = m.options.units == UnitSystem::kSi;
  WriteCurves(m, n, tables,
              {"Line 3 : Total number of axial thrusts for input M-EI section",
               si ? "Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kN), Nom. Moment Cap. "
                    "(kN-m) for input M-EI pile"
                  : "Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. "
                    "(in-kips) for input M-EI pile",
               "Line 5 : Moment, EI, Curvature for Sect#="});
}

}  // namespace

void AnalyseSection(AnalysisModel& model, int n) {
  if (model.section_tables.size() < model.sections.size()) {
    model.section_tables.resize(model.sections.size());
  }
  switch (model.sections[static_cast<std::size_t>(n - 1)].type) {
    case kElastic:
      ElasticTables(model, n);
      return;
    case kElasticPlastic:
      ElasticPlasticTables(model, n);
      return;
    case kUserEi:
      UserEiTables(model, n);
      return;
    default:
      ReportStageNotBuilt(model, "moment-curvature analysis of concrete, prestressed and steel "
                                 "pipe sections");
      return;
  }
}

}  // namespace tarvex
