#include "report/study_report.hpp"

#include <cmath>
#include <string>

#include "core/input_model.hpp"
#include "format/number_fields.hpp"
#include "report/report_units.hpp"

namespace tarvex {
namespace {

void WriteLengthStudyConditions(UnitSystem units, const LoadCaseResult& lc, RecordWriter& r) {
  const UnitLabels& u = LabelsFor(units);
  const std::string rotational = std::string(u.moment) + "/Radian";
  auto title = [&](const char* text) { r.Write("(A/)", {text}); };
  auto shear = [&] { r.Write("(A,F15.0,1X,A)", {"Shear      = ", lc.condition1, u.force}); };
  auto deflection = [&] { r.Write("(A,F15.5,1X,A)", {"Deflection = ", lc.condition1, u.length}); };
  auto moment = [&] { r.Write("(A,F15.0,1X,A)", {"Moment     = ", lc.condition2, u.moment}); };
  auto slope = [&] { r.Write("(A,F15.5,1X,A)", {"Slope      = ", lc.condition2, "radians"}); };
  switch (static_cast<LoadType>(lc.load_type)) {
    case LoadType::kShearAndMoment:
      title("Boundary Condition Type 1, Shear and Moment");
      shear();
      moment();
      break;
    case LoadType::kShearAndSlope:
      title("Boundary Condition Type 2, Shear and Slope");
      shear();
      slope();
      break;
    case LoadType::kShearAndRotationalStiffness:
      title("Boundary Condition Type 3, Shear and Rotational Restraint");
      shear();
      r.Write("(A,E15.7,1X,A)", {"Rot. Rest. = ", lc.condition2, rotational});
      break;
    case LoadType::kDeflectionAndMoment:
      title("Boundary Condition Type 4, Deflection and Moment");
      deflection();
      moment();
      break;
    case LoadType::kDeflectionAndSlope:
      title("Boundary Condition Type 5, Deflection and Slope");
      deflection();
      slope();
      break;
  }
  r.Write("(A,F15.0,1X,A)", {"Axial Load = ", lc.axial, u.force});
}

void WriteStiffnessTables(UnitSystem units, const HeadStiffnessStudy& s, RecordWriter& r) {
  const char* rule =
      "  ------------  --------------  --------------  --------------  --------------";
  r.Write("(A)",
          {"    Pile-Top       Pile-Top        Pile-Top                                   "});
  r.Write("(A)",
          {"   Deflection   Shear Reaction   Moment React.       K22              K32     "});
  r.Write(
      "(A)",
      {ByUnits(units,
               "     inches          lbs            in-lbs          lb/in.         in-lb/in.  ",
               "     meters           kN             kN-m            kN/m            kN-m/m   ",
               "       L              F              F-L             F/L            F-L/L    ")});
  r.Write("(A)", {rule});
  for (const StiffnessRow& row : s.rows) {
    for (double v :
         {row.deflection, row.shear_reaction_1, row.moment_reaction_1, row.k22, row.k32}) {
      WriteAdaptive(r, 16, v);
    }
    r.EndLine();
  }
  r.Write("(A)", {"    Pile-Top       Pile-Top        Pile-Top                                  "});
  r.Write(
      "(A)",
      {ByUnits(units,
               "    Rotation     Shear React.    Moment React.       K23              K33    ",
               "    Rotation     Shear React.    Moment React.       K23              K33     ",
               "    Rotation     Shear React.    Moment React.       K23              K33    ")});
  r.Write(
      "(A)",
      {ByUnits(units,
               "     radians          lbs            in-lbs         lb/rad         in-lb/rad ",
               "     radians          kN             kN-m           kN/rad          kN-m/rad  ",
               "     radians           F              F-L            F/rad          F-L/rad  ")});
  r.Write("(A)", {rule});
  for (const StiffnessRow& row : s.rows) {
    for (double v : {row.rotation, row.shear_reaction_2, row.moment_reaction_2, row.k23, row.k33}) {
      WriteAdaptive(r, 16, v);
    }
    r.EndLine();
  }
  r.Write("()");
  r.Write("(A)", {"  K22 = abs(Shear Reaction/Top y)"});
  r.Write("(A)", {"  K23 = abs(Shear Reaction/Top Rotation)"});
  r.Write("(A)", {"  K32 = abs(Moment Reaction/Top y)"});
  r.Write("(A//)", {"  K33 = abs(Moment Reaction/Top Rotation)"});
}

}  // namespace

void WriteLengthStudy(UnitSystem units, const LoadCaseResult& result, RunOutput& out) {
  if (!result.length_study) return;
  const PileLengthStudy& study = *result.length_study;
  const int c = result.number;
  RecordWriter& r = out.report;
  r.Write("(//80('-'))");
  r.Write("(T13,A,I0)", {"Pile-head Deflection vs. Pile Length for Load Case ", c});
  r.Write("(80('-')/)");
  WriteLengthStudyConditions(units, result, r);

  const int rows = static_cast<int>(study.rows.size());
  if (rows == 0) {
    r.Write("(//A/)", {"No computations for top deflection vs. pile length were successful for "
                       "this load case."});
    r.Write("(A/)", {"Results of last two iterations:"});
    out.plot.Write("(I5,75X,A,I0)",
                   {0, "Line 11: Num. points on Ytop vs. pile length curve for load case ", c});
    return;
  }
  r.Write("(//A)", {"   Pile       Pile Head       Maximum      Maximum"});
  r.Write("(A)", {"  Length      Deflection      Moment        Shear "});
  r.Write("(A)", {ByUnits(units, "  inches        inches        ln-lbs          lbs ",
                          "  meters        meters         kN-m           kN  ",
                          "    L             L             F-L            F   ")});
  r.Write("(A)", {"-----------  ------------  ------------  ------------"});
  for (const LengthStudyRow& row : study.rows) {
    WriteAdaptive(r, 10, row.length);
    WriteAdaptive(r, 14, row.head_deflection);
    WriteAdaptive(r, 14, row.max_moment);
    WriteAdaptive(r, 14, row.max_shear);
    r.EndLine();
  }
  out.plot.Write("(I5,75X,A,I0)",
                 {rows, "Line 11: Num. points on Ytop vs. pile length curve for load case ", c});
  const char* line12 = units == UnitSystem::kSi
                           ? "Line 12: pile length (m), Ytop (m), Mmax (kN-m), Vmax (kN)"
                           : "Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)";
  for (const LengthStudyRow& row : study.rows) {
    out.plot.Write("(4E15.7,20X,A)",
                   {row.length, row.head_deflection, row.max_moment, row.max_shear, line12});
  }
}

void WriteNoLengthStudy(int c, bool lrfd, RecordWriter& plot) {
  plot.Write("('    0',75X,A,I0)",
             {lrfd ? "Line 11: Num. points on Ytop vs. Length curve for LRFD load case "
                   : "Line 11: Num. points on Ytop vs. Length curve for load case ",
              c});
}

void WriteStiffnessStudy(UnitSystem units, const HeadStiffnessStudy& study, RunOutput& out) {
  if (!study.complete) {
    // The study ended at a case that did not converge: say so rather than
    // leave the requested matrix out without a word.
    const std::string why =
        study.ended_by == "excess deflection"   ? " passed the excess deflection limit."
        : study.ended_by == "loss of stability" ? " has no stable equilibrium under the axial load."
                                                : " did not converge within the iteration limit.";
    for (RecordWriter* w : {&out.report, &out.message}) {
      w->Write("(//A)", {"Pile-head stiffness matrix values were not computed:"});
      w->Write("(A,I0,A,A/)",
               {"the pile-head stiffness study case ", study.cases_converged + 1, " of 20", why});
    }
    return;
  }
  RecordWriter& r = out.report;
  r.Write("(//80('-'))");
  r.Write("(T19,A)", {"Computed Pile-head Stiffness Matrix Values"});
  r.Write("(T21,A)", {"K22, K23, K32, K33 for Pile  Head"});
  r.Write("(80('-')/)");
  for (const StiffnessRow& row : study.rows) {
    out.plot.Write("(8E15.7,2X,A)", {row.shear_level, row.moment_level, row.k22, row.k23, row.k32,
                                     row.k33, std::fabs(row.deflection), std::fabs(row.rotation),
                                     "Line 14: V, M, K22, K23, K32, K33, ytop, theta"});
  }
  WriteStiffnessTables(units, study, r);
}

}  // namespace tarvex
