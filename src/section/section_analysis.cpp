// Section analysis driver: every pile section gets its moment-curvature
// tables, one per axial thrust. Elastic, elastic-plastic and user-defined
// sections get theirs directly from their properties; the sections cut into
// strips get theirs from the moment-curvature solution.
#include "section/section_analysis.hpp"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <memory>
#include <string>

#include "section/cut_section.hpp"
#include "section/moment_curvature_solver.hpp"
#include "section/section_values.hpp"

namespace tarvex {
namespace {

// What one section's analysis works with: the section, its number, the run's
// options and thrusts, the tables it fills and where it writes.
struct Job {
  const PileSection& s;
  int n;
  const Options& options;
  const std::vector<double>& thrusts;
  SectionTables& tables;
  SectionResult& result;
  RunOutput& out;
  SectionProgress& progress;

  bool uscs() const { return options.units == UnitSystem::kUscs; }
  bool si() const { return options.units == UnitSystem::kSi; }
  // Moment-curvature values are held in kips and inches in USCS runs.
  double ToKips(double v) const { return uscs() ? v / 1000.0 : v; }
};

// Whether every value of the section's tables that its results keep is a
// finite number; ends the run with runtime error 28 when one is not.
bool TablesFinite(const Job& job) {
  for (const MomentCurvatureCurve& c : job.tables.curves) {
    bool finite = std::isfinite(c.thrust) && std::isfinite(c.nominal_moment);
    for (int k = 0; k < c.count && finite; ++k) {
      const auto i = static_cast<std::size_t>(k);
      finite =
          std::isfinite(c.moment[i]) && std::isfinite(c.ei[i]) && std::isfinite(c.curvature[i]);
    }
    if (!finite) {
      ReportNotFinite(job.out, {ErrorTextValue("result", "bending stiffness values"),
                                ErrorValue("section", job.n)});
      return false;
    }
  }
  return true;
}

// The nominal capacity handed to the solver: the moment of the last point,
// in lb-in for USCS.
double Capacity(const Job& job, const MomentCurvatureCurve& c) {
  const double last = c.moment[static_cast<std::size_t>(c.count - 1)];
  return job.uscs() ? last * 1000.0 : last;
}

// The results of a section whose tables were made from its properties: the
// points (moment, stiffness, curvature) of every thrust, in the units of
// the tables.
void KeepTables(const Job& job) {
  std::vector<ThrustCurve>& kept = job.result.thrusts;
  kept.clear();
  kept.reserve(job.tables.curves.size());
  for (const MomentCurvatureCurve& c : job.tables.curves) {
    ThrustCurve& t = kept.emplace_back();
    t.thrust = c.thrust;
    t.nominal_moment_capacity = job.ToKips(c.nominal_moment);
    t.points.resize(static_cast<std::size_t>(c.count));
    for (int k = 0; k < c.count; ++k) {
      const auto i = static_cast<std::size_t>(k);
      t.points[i].curvature = c.curvature[i];
      t.points[i].moment = c.moment[i];
      t.points[i].ei = c.ei[i];
    }
  }
}

// The section's stiffness E*I at its top, in the units of the tables.
double TopStiffness(const Job& job) {
  double area = 0.0, inertia = 0.0;
  ElasticShapeProperties(job.s.elastic, false, &area, &inertia);
  return job.ToKips(job.s.elastic.modulus * inertia);
}

// One curve of 150 points per thrust of the run; point(k, c, i) sets point k
// (1-based) at index i of curve c.
template <typename Point>
void TablesOfPoints(const Job& job, Point point) {
  SectionTables& tables = job.tables;
  tables.curves.assign(job.thrusts.size(), MomentCurvatureCurve{});
  for (std::size_t t = 0; t < job.thrusts.size(); ++t) {
    MomentCurvatureCurve& c = tables.curves[t];
    c.thrust = job.thrusts[t];
    c.count = MomentCurvatureCurve::kMaxPoints;
    for (int k = 1; k <= c.count; ++k) point(k, c, static_cast<std::size_t>(k - 1));
    c.nominal_moment = Capacity(job, c);
  }
}

// Elastic section: 150 points of constant stiffness E*I (top of the section).
void ElasticTables(const Job& job) {
  const double ei = TopStiffness(job);
  TablesOfPoints(job, [ei](int k, MomentCurvatureCurve& c, std::size_t i) {
    c.curvature[i] = 10.0 * k;
    c.ei[i] = ei;
    c.moment[i] = ei * c.curvature[i];
  });
  job.result.curves = SectionCurveSource::kElastic;
  job.progress.TablesDerived(job.result);
  if (!TablesFinite(job)) return;
  KeepTables(job);
  job.progress.CurvesKept(job.result);
}

// Elastic-plastic section: straight to the plastic moment Mp at the plastic
// curvature (100 points), then Mp held over 50 more points to 11 times it.
void ElasticPlasticTables(const Job& job) {
  const double ei = TopStiffness(job);
  const double mp = job.ToKips(job.s.elastic.top_mp);
  const double plastic_curvature = mp / ei;
  const double u = plastic_curvature / 100.0;
  TablesOfPoints(job, [ei, mp, u](int k, MomentCurvatureCurve& c, std::size_t i) {
    if (k <= 100) {
      c.curvature[i] = k * u;
      c.ei[i] = ei;
      c.moment[i] = ei * c.curvature[i];
    } else {
      c.curvature[i] = 100.0 * u + 20.0 * u * (k - 100);
      c.moment[i] = mp;
      c.ei[i] = mp / c.curvature[i];
    }
  });
  job.result.curves = SectionCurveSource::kElasticPlastic;
  job.progress.TablesDerived(job.result);
  if (!TablesFinite(job)) return;
  KeepTables(job);
  job.progress.CurvesKept(job.result);
}

// User-defined nonlinear bending stiffness: the input points, from zero
// moment, each interval divided into equal steps so that the curve has close
// to 150 points.
void UserEiTables(const Job& job) {
  const PileSection& s = job.s;
  SectionTables& tables = job.tables;
  tables.curves.assign(s.user_ei.size(), MomentCurvatureCurve{});
  for (std::size_t t = 0; t < s.user_ei.size(); ++t) {
    const UserEiCurve& in = s.user_ei[t];
    MomentCurvatureCurve& c = tables.curves[t];
    c.thrust = job.ToKips(in.thrust);
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
      c.moment[i] = job.ToKips(moment);
      c.ei[i] = job.ToKips(ei);
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
    for (int k = 1; k < count; ++k)
      largest = std::max(largest, c.moment[static_cast<std::size_t>(k)]);
    c.nominal_moment = job.uscs() ? largest * 1000.0 : largest;
  }
  job.result.curves = SectionCurveSource::kUserDefined;
  job.progress.TablesDerived(job.result);
  if (!TablesFinite(job)) return;
  KeepTables(job);
  job.progress.CurvesKept(job.result);
}

// The units of the section's forces in its error texts.
const char* UnitsWord(const Job& job) { return job.si() ? "SI" : "US customary"; }
const char* ForceUnit(const Job& job) { return job.si() ? "kN" : "kips"; }

bool AllFinite(std::initializer_list<double> values) {
  for (double v : values) {
    if (!std::isfinite(v)) return false;
  }
  return true;
}

// Runtime error 28 for section n: `result` says which of its values are
// not finite numbers.
void SectionNotFinite(RunOutput& m, int n, const char* result,
                      std::vector<DiagnosticValue> more = {}) {
  std::vector<DiagnosticValue> values{ErrorTextValue("result", result), ErrorValue("section", n)};
  for (DiagnosticValue& v : more) values.push_back(std::move(v));
  ReportNotFinite(m, std::move(values));
}

// The values of a prepared section that its report prints before the curves.
bool PreparedSectionFinite(const CutSection& cs) {
  const Prestress& p = cs.prestress;
  if (!AllFinite({cs.depth,
                  cs.width,
                  cs.nominal,
                  cs.gross_area,
                  cs.bar_area,
                  cs.casing_area,
                  cs.core_area,
                  cs.void_area,
                  cs.pn,
                  cs.nt,
                  cs.tcr,
                  cs.concrete.ec,
                  cs.concrete.eps0,
                  cs.concrete.fr,
                  cs.concrete.eps_cr,
                  cs.cracking.fr,
                  cs.cracking.eps_cr,
                  p.effective,
                  p.concrete_area,
                  p.steel_area,
                  p.fpc,
                  p.fps,
                  p.eps_pc,
                  p.eps_pi,
                  p.pn,
                  p.n,
                  p.nt,
                  p.mn})) {
    return false;
  }
  for (int b = 0; b < cs.reinforcement.count; ++b) {
    const RebarPoint& bar = cs.reinforcement.bar[static_cast<std::size_t>(b)];
    if (!AllFinite({bar.x, bar.y, bar.area, bar.diameter})) return false;
  }
  return true;
}

// The values of one thrust's curve that the thrust table prints.
bool ThrustCurveFinite(const ThrustSolution& c) {
  if (!std::isfinite(c.nominal_moment)) return false;
  for (int k = 0; k < c.count; ++k) {
    const auto i = static_cast<std::size_t>(k);
    if (!AllFinite({c.curvature[i], c.moment[i], c.ei[i], c.neutral_axis[i], c.top_strain[i],
                    c.bottom_strain[i], c.max_concrete[i], c.max_steel[i], c.max_casing[i],
                    c.max_core[i]})) {
      return false;
    }
  }
  return true;
}

// The word for why the bars or strands could not be placed.
const char* RefusalWord(PlacementRefusal r) {
  switch (r) {
    case PlacementRefusal::kDiameterBelowBar:
      return "section smaller than steel";
    case PlacementRefusal::kCoverNotPositive:
      return "cover not positive";
    case PlacementRefusal::kGroupsOutOfRange:
      return "groups out of range";
    case PlacementRefusal::kNoBarsInGroup:
      return "empty group";
    default:
      return "no room";
  }
}

// The table of one thrust's solution, with the columns of its report lines.
void KeepSolution(double thrust, const ThrustSolution& curve, ThrustCurve& kept) {
  kept.thrust = thrust;
  kept.nominal_moment_capacity = curve.nominal_moment;
  kept.points.resize(static_cast<std::size_t>(curve.count));
  for (int k = 0; k < curve.count; ++k) {
    const auto i = static_cast<std::size_t>(k);
    MomentCurvaturePoint& p = kept.points[i];
    p.curvature = curve.curvature[i];
    p.moment = curve.moment[i];
    p.ei = curve.ei[i];
    p.neutral_axis = curve.neutral_axis[i];
    p.max_compressive_strain = curve.top_strain[i];
    p.max_tensile_strain = curve.bottom_strain[i];
    p.max_concrete_stress = curve.max_concrete[i];
    p.max_steel_stress = curve.max_steel[i];
    p.max_casing_stress = curve.max_casing[i];
    p.max_core_stress = curve.max_core[i];
    p.flags.assign(curve.flags[i].data(), curve.flags[i].size());
  }
}

// Ends the run for a section that cannot be prepared; false when it can.
bool PreparationFailed(RunOutput& m, int n, const CutSection& cs, const PrepareResult& r) {
  const char* reinforcement = cs.prestressed ? "strands" : "bars";
  switch (r.status) {
    case PrepareStatus::kOk:
      return false;
    case PrepareStatus::kBadValue:
      RaiseError(m, ErrorId::kSectionNotAnalysable,
                 {ErrorValue("section", n), ErrorTextValue("reason", r.reason)});
      return true;
    case PrepareStatus::kPlacementRefused:
      RaiseError(m, ErrorId::kSteelPlacementRefused,
                 {ErrorValue("section", n), ErrorTextValue("reinforcement", reinforcement),
                  ErrorTextValue("refusal", RefusalWord(r.refusal))});
      return true;
    case PrepareStatus::kOutsideStrips: {
      const RebarPoint& b = cs.reinforcement.bar[static_cast<std::size_t>(r.bar - 1)];
      const std::string kind = cs.prestressed ? "Strand " : "Bar ";
      const char* length_unit = cs.si ? "m" : "in";
      RaiseError(m, ErrorId::kBarOutsideSection,
                 {ErrorValue("section", n), ErrorValue(kind + "number", r.bar),
                  ErrorValue("centre y", b.y, length_unit),
                  ErrorValue("diameter", b.diameter, length_unit),
                  ErrorValue("section bottom y", cs.slices.y[kSliceCount], length_unit),
                  ErrorValue("section top y", cs.slices.y[0], length_unit)});
      return true;
    }
    case PrepareStatus::kSteelDoesNotFit: {
      const char* length = cs.si ? "m" : "in";
      const char* area = cs.si ? "sq. m" : "sq. in";
      if (r.other_bar == 0) {
        RaiseError(
            m, ErrorId::kSteelDoesNotFit,
            {ErrorValue("section", n), ErrorTextValue("reinforcement", reinforcement),
             ErrorValue("steel area", r.steel, area), ErrorValue("concrete area", r.room, area),
             ErrorValue("gross area", r.gross, area)});
        return true;
      }
      const RebarPoint& a = cs.reinforcement.bar[static_cast<std::size_t>(r.bar - 1)];
      const RebarPoint& b = cs.reinforcement.bar[static_cast<std::size_t>(r.other_bar - 1)];
      RaiseError(m, ErrorId::kSteelDoesNotFit,
                 {ErrorValue("section", n), ErrorTextValue("reinforcement", reinforcement),
                  ErrorValue("first bar", r.bar), ErrorValue("second bar", r.other_bar),
                  ErrorValue("number of bars or strands", cs.reinforcement.count),
                  ErrorValue("centre distance", std::hypot(a.x - b.x, a.y - b.y), length),
                  ErrorValue("diameter", a.diameter, length)});
      return true;
    }
    case PrepareStatus::kNoConcrete:
    case PrepareStatus::kNoSteel: {
      const bool concrete = r.status == PrepareStatus::kNoConcrete;
      const ErrorId id = concrete ? ErrorId::kConcreteAreaNegative : ErrorId::kSteelAreaNegative;
      const double area = concrete ? cs.slices.total_concrete : cs.slices.total_bar;
      RaiseError(m, id, {ErrorValue("section", n), ErrorValue("area", area)});
      return true;
    }
  }
  return false;
}

// The section's thrust list. EI-only runs keep the thrusts strictly between
// the tensile and compressive capacities, and end with error 45 when that
// leaves none; pile runs end at the first thrust beyond them (errors 24 and
// 25, or 26 and 27 for LRFD combinations).
bool SectionThrusts(const Job& job, const CutSection& cs, std::vector<double>* list,
                    bool* dropped) {
  list->clear();
  *dropped = false;
  if (job.options.run_kind == RunKind::kBendingStiffnessOnly) {
    for (double p : job.thrusts) {
      if (p > cs.nt && p < cs.pn) {
        list->push_back(p);
      } else {
        *dropped = true;
      }
    }
    // Every thrust beyond a capacity: the run would end normally with
    // nothing analysed for the section.
    if (list->empty() && !job.thrusts.empty()) {
      std::vector<DiagnosticValue> values{ErrorValue("section", job.n),
                                          ErrorTextValue("units", UnitsWord(job))};
      for (std::size_t t = 0; t < job.thrusts.size(); ++t) {
        values.push_back(ErrorValue("axial thrust load " + std::to_string(t + 1), job.thrusts[t],
                                    ForceUnit(job)));
      }
      values.push_back(ErrorValue("compressive capacity", cs.pn));
      values.push_back(ErrorValue("tensile capacity", cs.nt));
      RaiseError(job.out, ErrorId::kNoThrustInRange, std::move(values));
      return false;
    }
    return true;
  }
  const bool lrfd = job.options.lrfd;
  for (std::size_t t = 0; t < job.thrusts.size(); ++t) {
    const double p = job.thrusts[t];
    const bool over = p > cs.pn, under = p < cs.nt;
    if (!over && !under) {
      list->push_back(p);
      continue;
    }
    const ErrorId id =
        over ? (lrfd ? ErrorId::kLrfdThrustOverCompression : ErrorId::kThrustOverCompression)
             : (lrfd ? ErrorId::kLrfdThrustOverTension : ErrorId::kThrustOverTension);
    RaiseError(
        job.out, id,
        {ErrorValue("load case", static_cast<int>(t) + 1), ErrorValue("axial thrust", p),
         ErrorValue("capacity", over ? cs.pn : cs.nt), ErrorTextValue("units", UnitsWord(job))});
    return false;
  }
  return true;
}

// A section cut into strips: properties, moment-curvature curve of every
// thrust, summary of capacities, and the tables for the pile solver.
void SlicedSectionTables(const Job& job) {
  const PileSection& s = job.s;
  const int n = job.n;
  RunOutput& m = job.out;
  if (s.type == kMicropile) {
    RaiseError(m, ErrorId::kSectionNotAnalysable,
               {ErrorValue("section", n), ErrorTextValue("section type", "micropile")});
    return;
  }
  if (job.options.units == UnitSystem::kGeneral) {
    RaiseError(m, ErrorId::kSectionNotAnalysable,
               {ErrorValue("section", n), ErrorTextValue("units", "general")});
    return;
  }
  const bool si = job.si();
  // The working arrays of the solution, sized once for the section.
  auto cs = std::make_unique<CutSection>();
  auto curve = std::make_unique<ThrustSolution>();
  auto work = std::make_unique<StripStresses>();
  const PrepareResult prepared = PrepareCutSection(s, job.options.units, cs.get());
  if (PreparationFailed(m, n, *cs, prepared)) return;
  if (!PreparedSectionFinite(*cs)) {
    SectionNotFinite(m, n, "section properties");
    return;
  }

  DescribeCutSection(s, *cs, job.result);
  job.progress.Prepared(job.result);
  std::vector<double>& thrusts = job.result.analysed_thrusts;
  if (!SectionThrusts(job, *cs, &thrusts, &job.result.thrusts_dropped)) {
    thrusts.clear();
    return;
  }
  const int count = static_cast<int>(thrusts.size());
  job.progress.ThrustsChosen(job.result);

  SectionTables& tables = job.tables;
  tables.curves.assign(thrusts.size(), MomentCurvatureCurve{});
  std::vector<ThrustCurve>& kept = job.result.thrusts;
  kept.clear();
  kept.reserve(thrusts.size());
  for (int t = 0; t < count; ++t) {
    const double p = thrusts[static_cast<std::size_t>(t)];
    const bool solved = SolveThrust(*cs, p, curve.get(), work.get());
    const bool finite = ThrustCurveFinite(*curve);
    if (solved && !finite) {
      SectionNotFinite(m, n, "moment-curvature values", {ErrorValue("axial thrust number", t + 1)});
      return;
    }
    KeepSolution(p, *curve, kept.emplace_back());
    if (!solved) {
      // The points before the failure stay in the results when they are
      // finite numbers; the thrust has no capacity.
      kept.back().nominal_moment_capacity = 0.0;
      job.progress.ThrustSolved(job.result, kept.back());
      if (!finite) kept.pop_back();
      RaiseError(m, ErrorId::kNeutralAxisNotFound,
                 {ErrorValue("section", n), ErrorValue("axial thrust", p)});
      return;
    }
    kept.back().full_curve = !cs->pipe() && curve->count == ThrustSolution::kMaxPoints;
    job.progress.ThrustSolved(job.result, kept.back());
    if (kept.back().full_curve) RecordWarning(m.warnings(), -305);
    if (curve->nonpositive_moment) RecordWarning(m.warnings(), -306);
    MomentCurvatureCurve& c = tables.curves[static_cast<std::size_t>(t)];
    c.thrust = p;
    c.count = curve->count;
    for (int k = 0; k < curve->count; ++k) {
      const auto i = static_cast<std::size_t>(k);
      c.moment[i] = curve->moment[i];
      c.ei[i] = curve->ei[i];
      c.curvature[i] = curve->curvature[i];
    }
    c.nominal_moment = si ? curve->nominal_moment : curve->nominal_moment * 1000.0;  // lb-in
  }
  job.progress.AllThrustsSolved(job.result);
  if (!TablesFinite(job)) return;
  job.progress.CurvesKept(job.result);
}

}  // namespace

void AnalyseSection(const PileSection& section, int n, const Options& options,
                    const std::vector<double>& thrusts, SectionTables& tables,
                    SectionResult& result, RunOutput& out, SectionProgress& progress) {
  const Job job{section, n, options, thrusts, tables, result, out, progress};
  // What names the section in its blocks: its number, type and length.
  result.number = n;
  result.type = section.type == kShaftWithCasingAndCore && !section.core_filled
                    ? -3
                    : static_cast<int>(section.type);
  result.length = section.length;
  switch (section.type) {
    case kElastic:
      ElasticTables(job);
      return;
    case kElasticPlastic:
      ElasticPlasticTables(job);
      return;
    case kUserEi:
      UserEiTables(job);
      return;
    default:
      SlicedSectionTables(job);
      return;
  }
}

}  // namespace tarvex
