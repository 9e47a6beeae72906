// The summary of pile responses after the last load case, and for LRFD runs
// the check of every combination against the moment capacity of every
// pile section.
#include <cmath>
#include <string>

#include "pile/analysis.hpp"
#include "pile/lrfd.hpp"
#include "pile/node_setup.hpp"
#include "pile/report_units.hpp"
#include "report/number_fields.hpp"

namespace tarvex {
namespace {

void WriteLine13(UnitSystem units, const CaseRecord& rec, RecordWriter& plot) {
  const bool si = units == UnitSystem::kSi;
  plot.Write("(5E15.7,T81,A)",
             {rec.head_shear, rec.top_deflection, rec.max_moment, rec.max_shear, rec.head_slope,
              si ? "Line 13: TopV(kN) TopY(m), Mmax(kN-m), Vmax(kN), Rotation(rad)"
                 : "Line 13: TopV(lbs), TopY(in), Mmax(in-lbs), Vmax(lbs), Rotation(rad)"});
}

void WritePileHeadSummary(UnitSystem units, const std::vector<CaseRecord>& records, RunOutput& m) {
  RecordWriter& r = m.report;
  r.Write("(A/)", {"Definitions of Pile-head Loading Conditions:"});
  if (units == UnitSystem::kSi) {
    r.Write("(A)", {"Load Type 1: Load 1 = Shear, kN, and Load 2 = Moment, kN-m "});
    r.Write("(A)", {"Load Type 2: Load 1 = Shear, kN, and Load 2 = Slope, radians"});
    r.Write("(A)", {"Load Type 3: Load 1 = Shear, kN, and Load 2 = Rotational Stiffness, "
                    "kN-m/radian"});
    r.Write("(A)", {"Load Type 4: Load 1 = Top Deflection, m, and Load 2 = Moment, kN-m"});
    r.Write("(A/)", {"Load Type 5: Load 1 = Top Deflection, m, and Load 2 = Slope, radians"});
  } else {
    r.Write("(A)", {"Load Type 1: Load 1 = Shear, lbs, and Load 2 = Moment, in-lbs"});
    r.Write("(A)", {"Load Type 2: Load 1 = Shear, lbs, and Load 2 = Slope, radians"});
    r.Write("(A)", {"Load Type 3: Load 1 = Shear, lbs, and Load 2 = Rotational Stiffness, "
                    "in-lbs/radian"});
    r.Write("(A)", {"Load Type 4: Load 1 = Top Deflection, inches, and Load 2 = Moment, in-lbs"});
    r.Write("(A/)", {"Load Type 5: Load 1 = Top Deflection, inches, and Load 2 = Slope, radians"});
  }
  r.Write("(A)", {"               Pile-head      Pile-head "});
  r.Write("(A)", {"Load  Load    Condition 1    Condition 2        Axial        Pile-head       "
                  "Maximum        Maximum       Pile-head  "});
  r.Write("(A)",
          {ByUnits(units,
                   "Case  Type    V(lbs) or     in-lb, rad.,       Loading      Deflection       "
                   "Moment          Shear        Rotation   ",
                   "Case  Type    V(kN) or       kN-m, rad.,       Loading      Deflection       "
                   "Moment          Shear        Rotation   ",
                   "Case  Type    V(F) or        F-L, rad.,        Loading      Deflection       "
                   "Moment          Shear        Rotation   ")});
  r.Write("(A)",
          {ByUnits(units,
                   " No.   No.    y(inches)     or in-lb/rad.        lbs          inches         "
                   "in-lbs           lbs          radians   ",
                   " No.   No.    y(meters)      or kN-m/rad.        kN           meters          "
                   "kN-m            kN           radians   ",
                   " No.   No.    y(L)           or F-L/rad.         F            L               "
                   "F-L             F            radians   ")});
  r.Write("(A)", {"----  ----  --------------  --------------  -------------  -------------  "
                  "-------------  -------------  -------------"});
  static constexpr const char* kFirst[] = {
      "    1   V =", "    2   V =", "    3   V =", "    4   y =", "    5   y ="};
  static constexpr const char* kSecond[] = {"  M =", "  S =", "  R =", "  M =", "  S ="};
  for (std::size_t c = 0; c < records.size(); ++c) {
    const CaseRecord& rec = records[c];
    const auto t = static_cast<std::size_t>(static_cast<int>(rec.type) - 1);
    r.Write("(I4,A,$)", {static_cast<int>(c) + 1, kFirst[t]});
    WriteAdaptive(r, 11, rec.condition1);
    r.Text(kSecond[t]);
    WriteAdaptive(r, 11, rec.condition2);
    for (double v : {rec.axial, rec.top_deflection, rec.max_moment, rec.max_shear}) {
      WriteAdaptive(r, 15, v);
    }
    r.Fixed(rec.head_slope, 15, 8);
    r.EndLine();
    WriteLine13(units, rec, m.plot);
  }
}

// The factored moment capacity of section s for combination c (lb-in or
// kN-m), or a negative value for an elastic section, which has none.
double FactoredCapacity(const InputModel& input, const DerivedTables& tables, int s,
                        const LrfdCombination& lc, const LrfdFactoredLoad& load) {
  const PileSection& section = input.sections[static_cast<std::size_t>(s - 1)];
  const double phi = EffectiveResistanceFactor(lc.phi_flexure);
  if (section.type == kElastic) return -1.0;
  if (section.type == kElasticPlastic) return phi * section.elastic.top_mp;
  if (static_cast<std::size_t>(s) > tables.section_tables.size()) return 0.0;
  const auto& curves = tables.section_tables[static_cast<std::size_t>(s - 1)].curves;
  const double scale = input.options.units == UnitSystem::kUscs ? 1000.0 : 1.0;
  const int level = CurveLevel(curves, load.axial / scale);
  if (level < 0) return 0.0;
  return phi * curves[static_cast<std::size_t>(level)].nominal_moment;
}

void WriteLrfdSummary(const InputModel& input, const DerivedTables& tables,
                      const std::vector<CaseRecord>& records, RunOutput& m) {
  const UnitSystem units = input.options.units;
  RecordWriter& r = m.report;
  r.Write("(A)", {"Load  Load      Pile-head     Pile-head         Axial        Pile-head       "
                  "Maximum        Maximum       Pile-Head  "});
  r.Write("(A)",
          {ByUnits(units,
                   "Case  Type        Shear         Moment           Load        Deflection       "
                   "Moment         Shear        Rotation    ",
                   "Case  Type       Shear          Moment           Load        Deflection       "
                   "Moment         Shear        Rotation   ",
                   "Case  Type        Shear         Moment           Load        Deflection       "
                   "Moment         Shear        Rotation    ")});
  r.Write("(A)",
          {ByUnits(units,
                   " No.   No.         lbs          in-lbs           lbs          inches          "
                   "in-lbs          lbs          radians   ",
                   " No.   No.    kilonewtons        kN-m             kN           meters          "
                   "kN-m           kN           radians   ",
                   " No.   No.          F            F-L             F             L              "
                   "F-L            F           radians   ")});
  r.Write("(A)", {"----  ----  --------------  --------------  -------------  -------------  "
                  "-------------  -------------  -------------"});
  for (std::size_t c = 0; c < records.size(); ++c) {
    const CaseRecord& rec = records[c];
    r.Write("(I4,I6,$)", {static_cast<int>(c) + 1, 1});
    for (double v : {rec.condition1, rec.condition2}) WriteAdaptive(r, 16, v);
    for (double v : {rec.axial, rec.top_deflection, rec.max_moment, rec.max_shear}) {
      WriteAdaptive(r, 15, v);
    }
    r.Fixed(rec.head_slope, 15, 8);
    r.EndLine();
    WriteLine13(units, rec, m.plot);
  }

  r.Write("(//80('-')/T20,A/80('-')//)", {"LRFD Performance by Load Case Combination"});
  r.Write("(A)",
          {"Load             Resistance    Factored      Maximum      Moment      Pass/Fail  "
           "   Maximum                           "});
  r.Write("(A)",
          {"Case   Section     Factor       Moment        Moment     Fraction     for LRFD   "
           " Shear For.    Pile-Top     Pile-Top "});
  r.Write("(A)",
          {" No.     No.     for Moment    Capacity     Developed    Mobilized     Moment    "
           "  Developed   Deflection    Rotation "});
  r.Write("(A)",
          {"                              of Section   in Section   in Section   of Section  "
           " in Section    Developed    Developed   Name of Load Case Combination"});
  r.Write("(A)", {"----  -------  ----------  ------------ ------------ ---------- ------------- "
                  "------------ ------------ ------------   -----------------------------"});
  int failures = 0;
  for (std::size_t c = 0; c < records.size(); ++c) {
    const CaseRecord& rec = records[c];
    const LrfdCombination& lc = input.lrfd_combinations[c];
    for (int s = 1; s <= static_cast<int>(input.sections.size()); ++s) {
      const double capacity = FactoredCapacity(input, tables, s, lc, tables.lrfd_loads[c]);
      const double developed = rec.section_moment[static_cast<std::size_t>(s - 1)];
      r.Write("(I4,I9,F12.3,$)",
              {static_cast<int>(c) + 1, s, EffectiveResistanceFactor(lc.phi_flexure)});
      if (capacity < 0.0) {
        r.Text("    Infinite ");
        WriteAdaptive(r, 13, developed);
        r.Text("    N/A   ");
        r.Text("    N/A      ");
      } else {
        WriteAdaptive(r, 13, capacity);
        WriteAdaptive(r, 13, developed);
        const double fraction = capacity > 0.0 ? developed / capacity : 0.0;
        r.Fixed(fraction, 10, 4);
        // The moment developed may not exceed the factored capacity.
        const bool fail = !(developed <= capacity);
        r.Text(fail ? "  > FAIL <   " : "    Pass     ");
        if (fail) {
          ++failures;
          RecordWarning(m.warnings(), -400);
        }
      }
      WriteAdaptive(r, 13, rec.section_shear[static_cast<std::size_t>(s - 1)]);
      WriteAdaptive(r, 13, rec.top_deflection);
      WriteAdaptive(r, 13, rec.head_slope);
      r.Write("(3X,A)", {lc.name});
    }
  }
  r.Write("()");
  if (failures == 0) {
    r.Write("(A)", {"All LRFD load combinations have passed for all pile sections."});
  } else {
    r.Write("(I0,A)", {failures, " LRFD load combinations have failed."});
  }
}

}  // namespace

void WriteRunSummary(const InputModel& input, const DerivedTables& tables,
                     const std::vector<CaseRecord>& records, RunOutput& out) {
  out.report.Write("(///80('-')/T28,A/80('-')//)", {"Summary of Pile Response(s)"});
  if (input.options.lrfd) {
    WriteLrfdSummary(input, tables, records, out);
  } else {
    WritePileHeadSummary(input.options.units, records, out);
  }
}

}  // namespace tarvex
