#include "report/summary_report.hpp"

#include <string>

#include "format/number_fields.hpp"
#include "report/report_units.hpp"

namespace tarvex {
namespace {

void WriteHeading(RecordWriter& r) {
  r.Write("(///80('-')/T28,A/80('-')//)", {"Summary of Pile Response(s)"});
}

void WriteLine13(UnitSystem units, const LoadCaseResult& rec, RecordWriter& plot) {
  const bool si = units == UnitSystem::kSi;
  plot.Write("(5E15.7,T81,A)",
             {rec.head_shear, rec.head_deflection, rec.max_moment, rec.max_shear, rec.head_rotation,
              si ? "Line 13: TopV(kN) TopY(m), Mmax(kN-m), Vmax(kN), Rotation(rad)"
                 : "Line 13: TopV(lbs), TopY(in), Mmax(in-lbs), Vmax(lbs), Rotation(rad)"});
}

}  // namespace

void WritePileHeadSummary(UnitSystem units, const std::vector<LoadCaseResult>& cases,
                          RunOutput& m) {
  RecordWriter& r = m.report;
  WriteHeading(r);
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
  for (const LoadCaseResult& rec : cases) {
    const auto t = static_cast<std::size_t>(rec.load_type - 1);
    r.Write("(I4,A,$)", {rec.number, kFirst[t]});
    WriteAdaptive(r, 11, rec.condition1);
    r.Text(kSecond[t]);
    WriteAdaptive(r, 11, rec.condition2);
    for (double v : {rec.axial, rec.head_deflection, rec.max_moment, rec.max_shear}) {
      WriteAdaptive(r, 15, v);
    }
    r.Fixed(rec.head_rotation, 15, 8);
    r.EndLine();
    WriteLine13(units, rec, m.plot);
  }
}

void WriteLrfdSummary(UnitSystem units, const std::vector<LoadCaseResult>& cases,
                      const std::vector<LrfdCheckRow>& check, RunOutput& m) {
  RecordWriter& r = m.report;
  WriteHeading(r);
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
  for (const LoadCaseResult& rec : cases) {
    r.Write("(I4,I6,$)", {rec.number, 1});
    for (double v : {rec.condition1, rec.condition2}) WriteAdaptive(r, 16, v);
    for (double v : {rec.axial, rec.head_deflection, rec.max_moment, rec.max_shear}) {
      WriteAdaptive(r, 15, v);
    }
    r.Fixed(rec.head_rotation, 15, 8);
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
  for (const LrfdCheckRow& row : check) {
    r.Write("(I4,I9,F12.3,$)", {row.combination, row.section, row.resistance_factor});
    if (!row.factored_capacity) {
      r.Text("    Infinite ");
      WriteAdaptive(r, 13, row.moment_developed);
      r.Text("    N/A   ");
      r.Text("    N/A      ");
    } else {
      WriteAdaptive(r, 13, *row.factored_capacity);
      WriteAdaptive(r, 13, row.moment_developed);
      r.Fixed(row.fraction_mobilized.value_or(0.0), 10, 4);
      const bool fail = row.verdict == LrfdVerdict::kFail;
      r.Text(fail ? "  > FAIL <   " : "    Pass     ");
      if (fail) ++failures;
    }
    WriteAdaptive(r, 13, row.max_shear);
    WriteAdaptive(r, 13, row.head_deflection);
    WriteAdaptive(r, 13, row.head_rotation);
    r.Write("(3X,A)", {CombinationNameField(row.name)});
  }
  r.Write("()");
  if (failures == 0) {
    r.Write("(A)", {"All LRFD load combinations have passed for all pile sections."});
  } else {
    r.Write("(I0,A)", {failures, " LRFD load combinations have failed."});
  }
}

}  // namespace tarvex
