#include "engine/templates.hpp"

#include <algorithm>
#include <string>

namespace tarvex {
namespace {

// Each starter input keeps to the rules of the format that a new user meets
// first: five title lines, every line of OPTIONS in its order, a remark
// after the values of every row (text, so that no value is taken for an
// ignored one), and no remark on a keyword line.
constexpr TemplateLine kUscsShaft[] = {
    {"TARVEX6", "format tag: the first line of every input file"},
    {"TITLE", "five title lines follow, no more, no fewer; they head the report"},
    {"Starter input: 36-in reinforced concrete drilled shaft, USCS units", "title line 1 of 5"},
    {"Shaft 40 ft long, 12 #9 bars, f'c 4000 psi, 3-in cover", "title line 2 of 5"},
    {"Soft clay over stiff clay with free water; static loading", "title line 3 of 5"},
    {"Case 1: free head, shear 10 kips, moment 20 ft-kips; case 2: fixed head",
     "title line 4 of 5"},
    {"Axial load 100 kips in both cases", "title line 5 of 5"},
    {"OPTIONS", "units and analysis options: every line below, in this order"},
    {"Units USCS", "ft, in, lb, psi (Units SI: m, mm, kN, kPa)"},
    {"UseLRFD NO",
     "YES: LRFD combinations (LRFD LOADS, LRFD FACTORS AND CASES) in place of LOADING"},
    {"ComputeKmatrix NO", "YES: the pile-head stiffness matrix as well"},
    {"UseTipShear NO", "YES: a shear curve at the pile tip (section TIP SHEAR)"},
    {"UseSoilMovement NO", "YES: lateral soil movements (section SOIL MOVEMENTS)"},
    {"UsePYModifiers NO", "YES: p-y multipliers of a pile group (section GROUPEFF)"},
    {"ComputeEIOnly NO", "YES: moment-curvature analysis of the sections only, no pile analysis"},
    {"Loading STATIC     1", "columns 9-14 STATIC or CYCLIC, columns 15-20 the number of cycles"},
    {"MaxIterations 100          iteration limit, 30 to 1000", ""},
    {"MaxDeflection 10.0         largest head deflection the iteration accepts, in", ""},
    {"Tolerance 1.0E-5           convergence tolerance on deflection, in", ""},
    {"Increments 100             pile increments, 40 to 500", ""},
    {"PrintSummaryOnly NO", "YES: the summary only, without the response along the pile"},
    {"PrintIncrement 5           print the response at every 5th node", ""},
    {"PrintPYCurves NO", "YES: p-y curves at the depths of DEPTHS OF PRINTED P-Y CURVES"},
    {"ComputeInteraction NO", "YES, then a row such as \"Code ACI318\": interaction diagrams"},
    {"SECTIONS", "the pile from its head down, one value per row"},
    {"1                          number of pile sections", ""},
    {"1                          section number", ""},
    {"1                          section type: drilled shaft (4: steel pipe)", ""},
    {"40.0                       section length, ft", ""},
    {"36.0                       shaft diameter, in", ""},
    {"4000.0                     concrete compressive strength f'c, psi", ""},
    {"0.75                       maximum coarse aggregate size, in", ""},
    {"Use default concrete tensile strength",
     "or: Override concrete tensile strength, then a row with it"},
    {"Use internal stress-strain curve for concrete",
     "or: Input stress-strain curve for concrete, then its points"},
    {"Rebar Arrangement Not Same As Section Above", "the bars of this section follow"},
    {"Rebar in circle", "bars evenly spaced on a circle, described by the rows below"},
    {"60000.0                    bar yield stress, psi", ""},
    {"29000000.0                 bar elastic modulus, psi", ""},
    {"12                         number of bar groups on the circle", ""},
    {"1                          bars per group", ""},
    {"1.128                      bar diameter (#9), in", ""},
    {"1.0                        area of one bar, sq in", ""},
    {"3.0                        concrete cover, in", ""},
    {"0.0                        offset of the bar circle, in", ""},
    {"SOIL LAYERS",
     "the soil profile from the top down: a row per layer, then its top and bottom values"},
    {"2                          number of layers", ""},
    {"1   0.0  10.0              soft clay (Matlock): code, top and bottom depth below the pile "
     "head, ft",
     ""},
    {"60.0   500.0  0.01         top: effective unit weight pcf, cohesion psf, epsilon-50", ""},
    {"60.0   800.0  0.01         bottom: the same values", ""},
    {"2  10.0  60.0              stiff clay with free water (Reese): code, top, bottom, ft", ""},
    {"62.0  2000.0  0.005  1000.0   top: unit weight pcf, cohesion psf, epsilon-50, k pci", ""},
    {"62.0  3500.0  0.005  1000.0   bottom", ""},
    {"LOADING", "the pile-head load cases, then the distributed lateral load"},
    {"2                          number of load cases", ""},
    {"1  1  10000.0  240000.0  100000.0  1   type 1 free head: shear lb, moment in-lb, axial lb",
     ""},
    {"2  2  10000.0       0.0  100000.0  1   type 2: shear lb, slope rad (0: fixed head)", ""},
    {"0                          number of distributed load points: none", ""},
    {"END", "the last line"},
};

constexpr TemplateLine kSiShaft[] = {
    {"TARVEX6", "format tag: the first line of every input file"},
    {"TITLE", "five title lines follow, no more, no fewer; they head the report"},
    {"Starter input: 900 mm reinforced concrete drilled shaft, SI units", "title line 1 of 5"},
    {"Shaft 15 m long, 14 bars of 25 mm, f'c 30 MPa, 75 mm cover", "title line 2 of 5"},
    {"Stiff clay without free water, cohesion 75 to 125 kPa; static loading", "title line 3 of 5"},
    {"Case 1: free head, shear 100 kN, moment 50 kN-m; case 2: fixed head", "title line 4 of 5"},
    {"Axial load 500 kN in both cases", "title line 5 of 5"},
    {"OPTIONS", "units and analysis options: every line below, in this order"},
    {"Units SI", "m, mm, kN, kPa (Units USCS: ft, in, lb, psi)"},
    {"UseLRFD NO",
     "YES: LRFD combinations (LRFD LOADS, LRFD FACTORS AND CASES) in place of LOADING"},
    {"ComputeKmatrix NO", "YES: the pile-head stiffness matrix as well"},
    {"UseTipShear NO", "YES: a shear curve at the pile tip (section TIP SHEAR)"},
    {"UseSoilMovement NO", "YES: lateral soil movements (section SOIL MOVEMENTS)"},
    {"UsePYModifiers NO", "YES: p-y multipliers of a pile group (section GROUPEFF)"},
    {"ComputeEIOnly NO", "YES: moment-curvature analysis of the sections only, no pile analysis"},
    {"Loading STATIC     1", "columns 9-14 STATIC or CYCLIC, columns 15-20 the number of cycles"},
    {"MaxIterations 100          iteration limit, 30 to 1000", ""},
    {"MaxDeflection 0.25         largest head deflection the iteration accepts, m", ""},
    {"Tolerance 2.54E-7          convergence tolerance on deflection, m", ""},
    {"Increments 100             pile increments, 40 to 500", ""},
    {"PrintSummaryOnly NO", "YES: the summary only, without the response along the pile"},
    {"PrintIncrement 5           print the response at every 5th node", ""},
    {"PrintPYCurves NO", "YES: p-y curves at the depths of DEPTHS OF PRINTED P-Y CURVES"},
    {"ComputeInteraction NO", "YES, then a row such as \"Code ACI318\": interaction diagrams"},
    {"SECTIONS", "the pile from its head down, one value per row; dimensions in mm"},
    {"1                          number of pile sections", ""},
    {"1                          section number", ""},
    {"1                          section type: drilled shaft (4: steel pipe)", ""},
    {"15.0                       section length, m", ""},
    {"900.0                      shaft diameter, mm", ""},
    {"30000.0                    concrete compressive strength f'c, kPa", ""},
    {"20.0                       maximum coarse aggregate size, mm", ""},
    {"Use default concrete tensile strength",
     "or: Override concrete tensile strength, then a row with it"},
    {"Use internal stress-strain curve for concrete",
     "or: Input stress-strain curve for concrete, then its points"},
    {"Rebar Arrangement Not Same As Section Above", "the bars of this section follow"},
    {"Rebar in circle", "bars evenly spaced on a circle, described by the rows below"},
    {"420000.0                   bar yield stress, kPa", ""},
    {"200000000.0                bar elastic modulus, kPa", ""},
    {"14                         number of bar groups on the circle", ""},
    {"1                          bars per group", ""},
    {"25.0                       bar diameter, mm", ""},
    {"491.0                      area of one bar, sq mm", ""},
    {"75.0                       concrete cover, mm", ""},
    {"0.0                        offset of the bar circle, mm", ""},
    {"SOIL LAYERS",
     "the soil profile from the top down: a row per layer, then its top and bottom values"},
    {"1                          number of layers", ""},
    {"3  0.0  20.0               stiff clay without free water: code, top and bottom depth below "
     "the pile head, m",
     ""},
    {"19.0   75.0  0.005         top: effective unit weight kN/m3, cohesion kPa, epsilon-50", ""},
    {"19.5  125.0  0.005         bottom: the same values", ""},
    {"LOADING", "the pile-head load cases, then the distributed lateral load"},
    {"2                          number of load cases", ""},
    {"1  1  100.0  50.0  500.0  1   type 1 free head: shear kN, moment kN-m, axial kN", ""},
    {"2  2  100.0   0.0  500.0  1   type 2: shear kN, slope rad (0: fixed head)", ""},
    {"0                          number of distributed load points: none", ""},
    {"END", "the last line"},
};

constexpr TemplateLine kUscsPipe[] = {
    {"TARVEX6", "format tag: the first line of every input file"},
    {"TITLE", "five title lines follow, no more, no fewer; they head the report"},
    {"Starter input: 24-in steel pipe pile, USCS units", "title line 1 of 5"},
    {"Pipe 24 x 0.5 in, fy 50 ksi, 50 ft long, head at the ground surface", "title line 2 of 5"},
    {"API sand, friction angle 32 to 36 degrees, k by default; static loading",
     "title line 3 of 5"},
    {"Case 1: free head, shear 20 kips; case 2: fixed head, shear 20 kips", "title line 4 of 5"},
    {"Axial load 50 kips in both cases", "title line 5 of 5"},
    {"OPTIONS", "units and analysis options: every line below, in this order"},
    {"Units USCS", "ft, in, lb, psi (Units SI: m, mm, kN, kPa)"},
    {"UseLRFD NO",
     "YES: LRFD combinations (LRFD LOADS, LRFD FACTORS AND CASES) in place of LOADING"},
    {"ComputeKmatrix NO", "YES: the pile-head stiffness matrix as well"},
    {"UseTipShear NO", "YES: a shear curve at the pile tip (section TIP SHEAR)"},
    {"UseSoilMovement NO", "YES: lateral soil movements (section SOIL MOVEMENTS)"},
    {"UsePYModifiers NO", "YES: p-y multipliers of a pile group (section GROUPEFF)"},
    {"ComputeEIOnly NO", "YES: moment-curvature analysis of the sections only, no pile analysis"},
    {"Loading STATIC     1", "columns 9-14 STATIC or CYCLIC, columns 15-20 the number of cycles"},
    {"MaxIterations 100          iteration limit, 30 to 1000", ""},
    {"MaxDeflection 10.0         largest head deflection the iteration accepts, in", ""},
    {"Tolerance 1.0E-5           convergence tolerance on deflection, in", ""},
    {"Increments 100             pile increments, 40 to 500", ""},
    {"PrintSummaryOnly NO", "YES: the summary only, without the response along the pile"},
    {"PrintIncrement 5           print the response at every 5th node", ""},
    {"PrintPYCurves NO", "YES: p-y curves at the depths of DEPTHS OF PRINTED P-Y CURVES"},
    {"ComputeInteraction NO", "YES, then a row such as \"Code ACI318\": interaction diagrams"},
    {"SECTIONS", "the pile from its head down, one value per row"},
    {"1                          number of pile sections", ""},
    {"1                          section number", ""},
    {"4                          section type: steel pipe (1: drilled shaft)", ""},
    {"50.0                       section length, ft", ""},
    {"24.0                       outer diameter, in", ""},
    {"0.5                        wall thickness, in", ""},
    {"50000.0                    yield stress, psi", ""},
    {"29000000.0                 elastic modulus, psi", ""},
    {"SOIL LAYERS",
     "the soil profile from the top down: a row per layer, then its top and bottom values"},
    {"1                          number of layers", ""},
    {"6  0.0  60.0               sand (API): code, top and bottom depth below the pile head, ft",
     ""},
    {"115.0  32.0  0.0           top: effective unit weight pcf, friction angle deg, k pci (0: "
     "default)",
     ""},
    {"115.0  36.0  0.0           bottom: the same values", ""},
    {"LOADING", "the pile-head load cases, then the distributed lateral load"},
    {"2                          number of load cases", ""},
    {"1  1  20000.0  0.0  50000.0  1   type 1 free head: shear lb, moment in-lb, axial lb", ""},
    {"2  2  20000.0  0.0  50000.0  1   type 2: shear lb, slope rad (0: fixed head)", ""},
    {"0                          number of distributed load points: none", ""},
    {"END", "the last line"},
};

constexpr TemplateLine kSiPipe[] = {
    {"TARVEX6", "format tag: the first line of every input file"},
    {"TITLE", "five title lines follow, no more, no fewer; they head the report"},
    {"Starter input: 610 mm steel pipe pile, SI units", "title line 1 of 5"},
    {"Pipe 610 x 12.7 mm, fy 345 MPa, 15 m long, head at the ground surface", "title line 2 of 5"},
    {"Submerged API sand, friction angle 32 to 36 degrees, k by default; static loading",
     "title line 3 of 5"},
    {"Case 1: free head, shear 90 kN; case 2: fixed head, shear 90 kN", "title line 4 of 5"},
    {"Axial load 220 kN in both cases", "title line 5 of 5"},
    {"OPTIONS", "units and analysis options: every line below, in this order"},
    {"Units SI", "m, mm, kN, kPa (Units USCS: ft, in, lb, psi)"},
    {"UseLRFD NO",
     "YES: LRFD combinations (LRFD LOADS, LRFD FACTORS AND CASES) in place of LOADING"},
    {"ComputeKmatrix NO", "YES: the pile-head stiffness matrix as well"},
    {"UseTipShear NO", "YES: a shear curve at the pile tip (section TIP SHEAR)"},
    {"UseSoilMovement NO", "YES: lateral soil movements (section SOIL MOVEMENTS)"},
    {"UsePYModifiers NO", "YES: p-y multipliers of a pile group (section GROUPEFF)"},
    {"ComputeEIOnly NO", "YES: moment-curvature analysis of the sections only, no pile analysis"},
    {"Loading STATIC     1", "columns 9-14 STATIC or CYCLIC, columns 15-20 the number of cycles"},
    {"MaxIterations 100          iteration limit, 30 to 1000", ""},
    {"MaxDeflection 0.25         largest head deflection the iteration accepts, m", ""},
    {"Tolerance 2.54E-7          convergence tolerance on deflection, m", ""},
    {"Increments 100             pile increments, 40 to 500", ""},
    {"PrintSummaryOnly NO", "YES: the summary only, without the response along the pile"},
    {"PrintIncrement 5           print the response at every 5th node", ""},
    {"PrintPYCurves NO", "YES: p-y curves at the depths of DEPTHS OF PRINTED P-Y CURVES"},
    {"ComputeInteraction NO", "YES, then a row such as \"Code ACI318\": interaction diagrams"},
    {"SECTIONS", "the pile from its head down, one value per row; dimensions in mm"},
    {"1                          number of pile sections", ""},
    {"1                          section number", ""},
    {"4                          section type: steel pipe (1: drilled shaft)", ""},
    {"15.0                       section length, m", ""},
    {"610.0                      outer diameter, mm", ""},
    {"12.7                       wall thickness, mm", ""},
    {"345000.0                   yield stress, kPa", ""},
    {"200000000.0                elastic modulus, kPa", ""},
    {"SOIL LAYERS",
     "the soil profile from the top down: a row per layer, then its top and bottom values"},
    {"1                          number of layers", ""},
    {"6  0.0  20.0               sand (API): code, top and bottom depth below the pile head, m",
     ""},
    {"10.0  32.0  0.0            top: effective unit weight kN/m3, friction angle deg, k kN/m3 (0: "
     "default)",
     ""},
    {"10.0  36.0  0.0            bottom: the same values", ""},
    {"LOADING", "the pile-head load cases, then the distributed lateral load"},
    {"2                          number of load cases", ""},
    {"1  1  90.0  0.0  220.0  1  type 1 free head: shear kN, moment kN-m, axial kN", ""},
    {"2  2  90.0  0.0  220.0  1  type 2: shear kN, slope rad (0: fixed head)", ""},
    {"0                          number of distributed load points: none", ""},
    {"END", "the last line"},
};

constexpr InputTemplate kTemplates[] = {
    {"uscs", "shaft",
     "36-in reinforced concrete drilled shaft, 40 ft, in soft clay over stiff clay", kUscsShaft},
    {"si", "shaft", "900-mm reinforced concrete drilled shaft, 15 m, in stiff clay", kSiShaft},
    {"uscs", "pipe", "24-in steel pipe pile, 50 ft, in sand", kUscsPipe},
    {"si", "pipe", "610-mm steel pipe pile, 15 m, in sand", kSiPipe},
};

}  // namespace

std::span<const InputTemplate> InputTemplates() { return kTemplates; }

const InputTemplate* FindInputTemplate(std::string_view units, std::string_view kind) {
  for (const InputTemplate& t : kTemplates) {
    if (t.units == units && t.kind == kind) return &t;
  }
  return nullptr;
}

std::string TemplateText(const InputTemplate& t) {
  std::string text;
  for (const TemplateLine& line : t.lines) {
    text += line.text;
    text += '\n';
  }
  return text;
}

std::string TemplateNotes(const InputTemplate& t) {
  std::string notes = "Starter input: " + std::string(t.summary) +
                      ".\nThe format has no comment lines: a row may carry a remark after its "
                      "values, as the rows of\nthis file do; the other lines are these:\n";
  std::size_t width = 0;
  for (const TemplateLine& line : t.lines) {
    if (!line.note.empty()) width = std::max(width, line.text.size());
  }
  width = std::min<std::size_t>(width, 44);
  int number = 0;
  for (const TemplateLine& line : t.lines) {
    ++number;
    if (line.note.empty()) continue;
    std::string n = std::to_string(number);
    notes += "  line " + std::string(n.size() < 2 ? 2 - n.size() : 0, ' ') + n + "  ";
    std::string text(line.text);
    if (text.size() > width) text = text.substr(0, width - 3) + "...";
    notes += text + std::string(width - text.size(), ' ') + "  " + std::string(line.note) + "\n";
  }
  return notes;
}

}  // namespace tarvex
