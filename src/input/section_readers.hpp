// The readers of the input sections after their keyword lines.
#ifndef TARVEX_INPUT_SECTION_READERS_HPP_
#define TARVEX_INPUT_SECTION_READERS_HPP_

#include "input/input_reader.hpp"

namespace tarvex {

void ReadSections(InputReader& in);                 // SECTIONS
void ReadTransverseReinforcement(InputReader& in);  // TRANSVERSE REINFORCEMENT
void ReadSoilLayers(InputReader& in);               // SOIL LAYERS
void ReadLoading(InputReader& in);                  // LOADING
void ReadLrfdLoads(InputReader& in);                // LRFD LOADS
void ReadLrfdFactors(InputReader& in);              // LRFD FACTORS AND CASES
void ReadAxialThrustLoads(InputReader& in);         // AXIAL THRUST LOADS
void ReadTipShear(InputReader& in);                 // TIP SHEAR
void ReadBatterAndSlope(InputReader& in);           // PILE BATTER AND SLOPE
void ReadGroupEffects(InputReader& in);             // GROUPEFF, GROUP EFFECT FACTORS
void ReadSoilMovements(InputReader& in);            // SOIL MOVEMENTS
void ReadPrintedPyDepths(InputReader& in);          // DEPTHS OF PRINTED P-Y CURVES

}  // namespace tarvex

#endif  // TARVEX_INPUT_SECTION_READERS_HPP_
