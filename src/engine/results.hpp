// Filling the run's results with what the run sequence knows at each stage:
// the run and its units once the input is read, the pile and its soil once
// the input is in computing units, and the outcome at the end.
#ifndef TARVEX_ENGINE_RESULTS_HPP_
#define TARVEX_ENGINE_RESULTS_HPP_

#include <vector>

#include "core/diagnostics.hpp"
#include "core/input_model.hpp"
#include "core/printed_py_curve.hpp"
#include "core/soil_working_values.hpp"
#include "tarvex/results.hpp"

namespace tarvex {

// The section type as the input echo names it ("Drilled Shaft (Bored Pile)").
const char* SectionTypeName(const PileSection& s);

// The engine version, the title, the units, the run kind and the LRFD option.
void DescribeRun(const InputModel& input, RunResults& results);

// The pile length, the depth of the ground surface and the pile sections
// (their place and gross properties; section analysis adds the tables).
void DescribePile(const InputModel& input, RunResults& results);

// The soil layers, as the analysis uses them.
void DescribeLayers(const std::vector<SoilLayer>& layers, RunResults& results);

// What the p-y criteria noted of the layers during the analysis (a sand's
// default k above the water table).
void DescribeLayerMarks(const SoilWorkingValues& soil, RunResults& results);

// A p-y curve printed at a requested depth, as the report and the plot file
// show it, kept at the end of `kept`.
const PyCurveResult& KeepPrintedCurve(const PrintedPyCurve& curve,
                                      std::vector<PyCurveResult>& kept);

// The end of the run: the result code and the outcome, every warning by
// load case with its text, and the error that ended the run.
void FinishResults(const Diagnostics& diagnostics, int result_code, RunResults& results);

}  // namespace tarvex

#endif  // TARVEX_ENGINE_RESULTS_HPP_
