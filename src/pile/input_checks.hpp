// The checks between input sections that no single reader can make: the
// pile's widths, the cycles of cyclic loading, the tip shear curve, the
// depths of the printed p-y curves, and the pile, the soil profile and the
// multipliers against each other. They run on the input as read, before the
// echo; the echo writes a failed check's error block where its block ends.
#ifndef TARVEX_PILE_INPUT_CHECKS_HPP_
#define TARVEX_PILE_INPUT_CHECKS_HPP_

#include <cstddef>
#include <optional>
#include <vector>

#include "core/diagnostics.hpp"
#include "core/error_catalogue.hpp"
#include "core/input_model.hpp"
#include "tarvex/results.hpp"

namespace tarvex {

// The place in the input echo where the error block of a failed check is
// written, in the order of the echo: the blocks before it are written in
// full, the block it names up to the check, and nothing after it.
enum class EchoStop {
  kPile,            // after the pile's widths and sections
  kLoadingType,     // after the number of cycles of loading
  kTipShear,        // after the tip shear curve's points
  kPrintedDepths,   // after the title of the printed p-y curves' depths
  kAfterAllBlocks,  // after the last block, before the values ignored
};

struct InputCheckFault {
  ErrorId id = ErrorId::kZeroPileWidth;
  EchoStop stop = EchoStop::kPile;
  // The 1-based point of the tip shear curve or of the printed depths at
  // fault; the number of pile property points for their count; else 0.
  int point = 0;
  // The values the error is about, by the names the error gives them.
  std::vector<DiagnosticValue> values;
};

// The first check that fails, in the order of the echo; none when all pass.
// A stiffness-only run checks the pile alone: it reads no soil and loads.
std::optional<InputCheckFault> CheckInput(const InputModel& input);

// Whether the echo reaches its LRFD block (after the loading type) before
// the fault: the combinations are formed only then.
bool EchoReachesLrfdForms(const std::optional<InputCheckFault>& fault);

// Whether layer j (0-based) begins below the bottom of the layer above it:
// nothing is given in between, and the analysis takes the layer from the
// bottom of the one above.
bool GapAboveLayer(const InputModel& input, std::size_t j);

// A liquefied-sand layer reaching more than 6 m below the ground surface
// (general units set no limit).
bool LiquefiedTooDeep(const InputModel& input, const SoilLayer& layer);

// Records the warnings about the input as read, in the order the echo shows
// them: per layer a gap above it (361, with the layers and depths as read as
// a line of detail) and a liquefied-sand layer too deep (354), p-y
// multipliers that the option leaves unused (360), and one for each line
// that held values beyond those read (372). After a failed check only the
// warnings of the blocks the echo writes before the fault's error block.
void RecordInputWarnings(const InputModel& input, const std::optional<InputCheckFault>& fault,
                         WarningTally& warnings);

}  // namespace tarvex

#endif  // TARVEX_PILE_INPUT_CHECKS_HPP_
