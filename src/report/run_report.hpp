// The report and the plot file of a finished run rendered whole from its
// results: the header, the echo of the input as read, the section analysis,
// the printed p-y curves, every load case with its studies, the summary, the
// pile-head stiffness study and the closing lines, in the order the run
// writes them as it analyses.
#ifndef TARVEX_REPORT_RUN_REPORT_HPP_
#define TARVEX_REPORT_RUN_REPORT_HPP_

#include "core/input_model.hpp"
#include "format/run_output.hpp"
#include "tarvex/results.hpp"

namespace tarvex {

// One section's blocks and plot records, in the order section analysis
// forms them: a section of computed tables its properties, its thrusts, one
// table per thrust and the summary of capacities; one of elastic,
// elastic-plastic or user-defined tables the note of how they were derived.
void RenderSection(const SectionResult& section, const Options& options, RecordWriter& report,
                   RecordWriter& plot);

// Writes the report and the plot file of a run into `out`, from `results`
// and the input as read (before its conversion to computing units; null
// when it did not read): a run that ended normally or with warnings, one
// whose input did not read (the readers' error block) and one that a check
// of the input as a whole ended (the echo up to its error block). False for
// a run that an error ended after the echo: where its error falls among the
// blocks is the run's own.
bool RenderRunFiles(const RunResults& results, const InputModel* as_read, RunOutput& out);

}  // namespace tarvex

#endif  // TARVEX_REPORT_RUN_REPORT_HPP_
