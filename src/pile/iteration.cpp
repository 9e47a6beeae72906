#include "pile/iteration.hpp"

#include <cmath>

namespace tarvex {
namespace {

// The first node whose deflection is not a finite number, or 0.
int FirstNonFiniteDeflection(const PileNodes& n) {
  for (int k = 1; k <= n.count; ++k) {
    if (!std::isfinite(n.y[PileNodes::At(k)])) return k;
  }
  return 0;
}

// Runtime error 28: the solution has lost all meaning. NaN is named as such;
// an infinite value, or a node's deflection that the two values do not show,
// is named in the same block.
void ReportNotANumber(AnalysisModel& model, int it, int node) {
  const double ytop = model.run.top_deflection;
  const double dymax = model.run.max_change;
  RecordWriter& r = model.report;
  r.Write("(A/)", {"**** Runtime Error No. 28 ****"});
  if (std::isnan(ytop)) {
    r.Write("(A,I0)", {"Top deflection is Not-A-Number after iteration ", it});
  } else if (!std::isfinite(ytop)) {
    r.Write("(A,I0)", {"Top deflection is infinite after iteration ", it});
  } else if (std::isnan(dymax)) {
    r.Write("(A,I0)", {"Maximum change in deflection is Not-A-Number after iteration ", it});
  } else if (!std::isfinite(dymax)) {
    r.Write("(A,I0)", {"Maximum change in deflection is infinite after iteration ", it});
  } else {
    r.Write("(A,I0,A,I0)",
            {"Deflection at node ", node, " is not a finite number after iteration ", it});
  }
  SetErrorCode(model, 228);
}

// Runtime error 9: the pile head has moved beyond the excess-deflection limit.
void ReportExcessDeflection(AnalysisModel& model) {
  const double y = model.run.top_deflection;
  const double limit = model.options.max_deflection;
  const std::string_view unit = model.labels.length;
  RecordWriter& r = model.report;
  r.Write("(//A/)", {"**** Runtime Error No. 9 ****"});
  r.Write("(A/)", {"An error in the analysis was detected by the program.  "});
  r.Write("(A/)", {"Problem:  The computed deflection is larger than the specified excess "
                   "deflection limit."});
  r.Write("(A,E12.4,1X,A/)", {"The computed deflection of the pile head is ", y, unit});
  r.Write("(A,E12.4,1X,A/)", {"The specified excess deflection limit is    ", limit, unit});
  r.Write("(A//)", {"This error may be due to overloading the pile or bad input data."});
  r.Write("(A/)", {"Solution:"});
  r.Write("(A)", {"Please check input values for pile loading and soil properties for accuracy "
                  "and/or "});
  r.Write("(A)", {"increase the size of the pile if necessary."});
  RecordWriter& m = model.message;
  m.Write("(//A/)", {"**** Runtime Error No. 9 ****"});
  m.Write("(A/)", {"An error in the analysis was detected by the program.  "});
  m.Write("(A/)", {"Problem:  The computed deflection is larger than the specified excess "
                   "deflection limit."});
  m.Write("(A,E12.4,1X,A)", {"The computed deflection of the pile head is ", y, unit});
  m.Write("(A,E12.4,1X,A/)", {"The specified excess deflection limit is    ", limit, unit});
  m.Write("(A/)", {"This error may be due to overloading the pile or bad input data."});
  m.Write("(A)", {"Solution:"});
  m.Write("(A)", {"Please check input values for pile loading and soil properties for accuracy "
                  "and/or "});
  m.Write("(A)", {"increase the size of the pile if necessary."});
  ReportError(model, "RUN00009", 209);
}

// Runtime error 10: no convergence within the iteration limit.
void ReportNoConvergence(AnalysisModel& model) {
  RecordWriter& r = model.report;
  r.Write("(//A/)", {"**** Runtime Error No. 10 ****"});
  r.Write("(A,I0,A/)", {"The analysis failed to converge within the limit of ",
                        model.options.iteration_limit, " iterations."});
  r.Write("(A,E10.3,1X,A)",
          {"Maximum change in deflection    = ", model.run.max_change, model.labels.length});
  r.Write("(A,E10.3,1X,A/)",
          {"Specified convergence tolerance = ", model.options.tolerance, model.labels.length});
  ReportError(model, "RUN00010", 210);
}

}  // namespace

CaseIteration IterateLoadCase(AnalysisModel& model, IterationStages& stages, int case_number) {
  const int limit = model.options.iteration_limit;
  const double tolerance = model.options.tolerance;
  for (int it = 1; it <= limit; ++it) {
    model.run.iteration = it;
    stages.Solve(model);
    if (model.failed()) return CaseIteration::kFailed;
    const double ytop = model.run.top_deflection;
    const double dymax = model.run.max_change;
    const int node = FirstNonFiniteDeflection(model.nodes);
    if (!std::isfinite(ytop) || !std::isfinite(dymax) || node != 0) {
      ReportNotANumber(model, it, node);
      return CaseIteration::kFailed;
    }
    model.message.Write(
        "('Analysis Case ',I0,',',T20,'Iteration ',I0,',',T36,'Y(top) = ',E12.4,"
        "', dYmax = ',E12.4)",
        {case_number, it, ytop, dymax});
    if (it > limit - 5) {
      model.report.Write("('Iteration ',I0,',',T16,' Y(top) = ',E12.4,', dYmax = ',E12.4)",
                         {it, ytop, dymax});
    }
    // At least six solutions, so that the soil moduli have settled.
    if (!(dymax > tolerance) && it >= 6) return CaseIteration::kConverged;
    if (dymax > tolerance && it >= 11 && std::fabs(ytop) >= model.options.max_deflection) {
      ReportExcessDeflection(model);
      return CaseIteration::kFailed;
    }
    stages.UpdateSoilModuli(model);
    if (model.failed()) return CaseIteration::kFailed;
    if (it == 1) {
      CheckLayersHaveNodes(model);
      if (model.failed()) return CaseIteration::kFailed;
    }
    if (model.options.icom == 3) {
      stages.UpdateBendingStiffness(model);
      if (model.failed()) return CaseIteration::kFailed;
    }
  }
  ReportNoConvergence(model);
  return CaseIteration::kNotConverged;
}

void CheckLayersHaveNodes(AnalysisModel& model) {
  const PileNodes& nodes = model.nodes;
  const double z_tip = nodes.z[PileNodes::At(nodes.count)];
  const int increments = model.options.increments;
  const double length = model.pile_length;
  const double h = increments > 0 ? length / increments : 0.0;
  for (int j = 2; j <= static_cast<int>(model.layers.size()); ++j) {
    const SoilLayer& layer = model.layers[static_cast<std::size_t>(j - 1)];
    const auto slot = static_cast<std::size_t>(j);
    if (nodes.top_node_in_layer[slot] != 0 || !(layer.top < z_tip)) continue;
    if (model.heq[slot] != -10000.0 || model.layering_off[slot]) continue;
    const double thickness = layer.bottom - layer.top;
    // Increments needed for one node in the layer; capped so that a layer of
    // no thickness cannot overflow the estimate.
    const double ratio = thickness > 0.0 ? length / thickness : 0.0;
    const long long needed = ratio < 2.0e9 ? static_cast<long long>(ratio) : 2000000000LL;
    for (RecordWriter* out : {&model.report, &model.message}) {
      const bool report = out == &model.report;
      out->Write("(//A/)", {"**** Runtime Error No. 29 ****"});
      out->Write("(A,I0,A)", {"PROBLEM:  The thickness of layer ", j,
                              " was too thin to contain a nodal point."});
      out->Write("(A)", {"          This layer lacks a nodal point and this prevents the correct "
                         "computation of the layer's p-y curves. "});
      out->Write("(A,I0,A,F9.3,1X,A,A,F9.3,1X,A)",
                 {"          The thickness of layer ", j, " is ", thickness, model.labels.length2,
                  " and the pile increment length is ", h, model.labels.length2});
      out->Write("(A,I0,A)",
                 {"          The current number of pile increments is ", increments, "."});
      out->Write(report ? "(A,I0,A/)" : "(A,I0,A)",
                 {"          The estimated minimum number of increments needed to get at least "
                  "one nodal point in the layer is ",
                  needed, "."});
      out->Write("(A)", {"SOLUTION: Increase the number of pile increments. Up to 500 pile "
                         "increments are allowed in Tarvex."});
      out->Write("(A)", {"          If this error occurs with the maximum number of pile "
                         "increments, you will need to combine the thinnest"});
      out->Write("(A//)", {"          soil layer with an adjacent layer."});
    }
    SetErrorCode(model, 229);
    return;
  }
}

}  // namespace tarvex
