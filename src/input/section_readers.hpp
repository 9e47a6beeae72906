// The readers of the input sections after their keyword lines.
#ifndef TARVEX_INPUT_SECTION_READERS_HPP_
#define TARVEX_INPUT_SECTION_READERS_HPP_

#include <vector>

#include "input/input_reader.hpp"

namespace tarvex {

void ReadSections(InputReader& in);          // SECTIONS
void ReadSoilLayers(InputReader& in);        // SOIL LAYERS
void ReadLoading(InputReader& in);           // LOADING
void ReadLrfdLoads(InputReader& in);         // LRFD LOADS
void ReadLrfdFactors(InputReader& in);       // LRFD FACTORS AND CASES
void ReadAxialThrustLoads(InputReader& in);  // AXIAL THRUST LOADS
void ReadTipShear(InputReader& in);          // TIP SHEAR
void ReadBatterAndSlope(InputReader& in);    // PILE BATTER AND SLOPE
void ReadGroupEffects(InputReader& in);      // GROUPEFF, GROUP EFFECT FACTORS
void ReadSoilMovements(InputReader& in);     // SOIL MOVEMENTS
void ReadPrintedPyDepths(InputReader& in);   // DEPTHS OF PRINTED P-Y CURVES

// Sorts ascending by exchange sort and keeps the first of equal values.
void KeepDistinctSorted(std::vector<double>& values);

// The axial thrusts of section analysis, built after "END": the distinct axial
// loads of the load cases (or the axial forces of the LRFD load groups), in
// kips for USCS, ascending.
void BuildThrustTable(AnalysisModel& model);

}  // namespace tarvex

#endif  // TARVEX_INPUT_SECTION_READERS_HPP_
