// The input echo: every block of the input written back into the report in
// the units of the input. The checks between input sections have run before
// it: a failed check's error block is written where the echo reaches its
// place, and the echo ends there.
#include "report/echo.hpp"

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "core/visible_text.hpp"
#include "format/number_fields.hpp"
#include "pile/section_properties.hpp"
#include "report/lrfd_report.hpp"
#include "report/report_units.hpp"
#include "section/cut_section.hpp"
#include "soil/criterion_table.hpp"

namespace tarvex {
namespace {

constexpr double kRadiansPerDegree = 3.141592653589793 / 180.0;

// The unit words of the echo. Depths along the pile are read in feet in
// USCS and cross-section dimensions in inches; SI reads metres for both.
struct EchoUnits {
  UnitSystem units;
  const UnitLabels& labels;
  bool uscs;
  bool si;
  std::string depth;      // 3 wide: "ft ", "m  ", "L  "
  std::string dimension;  // 3 wide: "in ", "m  ", "L  "
  std::string area_unit;  // the dimension's unit for areas and moments of inertia: "in", "m"
  std::string stress;     // strengths and moduli of the pile: "psi", "kPa", "F/L2"
  std::string subgrade;   // subgrade moduli: "pci", "kN/m3", "F/L3"

  explicit EchoUnits(UnitSystem system)
      : units(system),
        labels(LabelsFor(system)),
        uscs(system == UnitSystem::kUscs),
        si(system == UnitSystem::kSi),
        depth(ByUnits(system, "ft ", "m  ", "L  ")),
        dimension(ByUnits(system, "in ", "m  ", "L  ")),
        area_unit(ByUnits(system, "in", "m", "L")),
        stress(ByUnits(system, "psi", "kPa", "F/L2")),
        subgrade(ByUnits(system, "pci", "kN/m3", "F/L3")) {}
};

// An empty line, 80 dashes, the title after `blanks` blanks, 80 dashes and an
// empty line.
void TitledBlock(RecordWriter& r, int blanks, std::string_view title) {
  r.Write("(/80('-'))");
  r.Blanks(blanks);
  r.Write("(A)", {title});
  r.Write("(80('-')/)");
}

// Writes the same lines to the message file and then the report.
void ToBoth(RunOutput& out, const std::function<void(RecordWriter&)>& lines) {
  lines(out.message);
  lines(out.report);
}

using Fault = std::optional<InputCheckFault>;

// Whole cycles; a number beyond any count (up to 1e30 can be read) is held
// within the integer's range, and the range check refuses it.
long long WholeCycles(double cycles) {
  return static_cast<long long>(std::clamp(cycles, -1e15, 1e15));
}

// Whether the echo ends at `stop`: then the fault's error block is written
// there, in both files, and raised with the values the check named (the
// depth of a printed p-y curve below the tip with its unit, as the echo
// prints it).
bool StopsAt(const EchoUnits& u, const Fault& fault, EchoStop stop, RunOutput& out) {
  if (!fault || fault->stop != stop) return false;
  std::vector<DiagnosticValue> values = fault->values;
  if (fault->id == ErrorId::kPrintDepthBelowTip) {
    for (DiagnosticValue& v : values) {
      if (v.name != "depth") continue;
      v.unit = u.depth;
      while (!v.unit.empty() && v.unit.back() == ' ') v.unit.pop_back();
    }
  }
  RaiseError(out, fault->id, std::move(values));
  return true;
}

void WriteTitle(const InputModel& input, RecordWriter& r) {
  TitledBlock(r, 32, "Problem Title");
  for (const std::string& line : input.title) r.Write("(A256)", {CombinationNameField(line)});
  r.Write("()");
}

bool AnyUserCurves(const InputModel& input) {
  return std::any_of(input.layers.begin(), input.layers.end(),
                     [](const SoilLayer& l) { return CriterionOf(l.code).user_curves; });
}

// The p-y multipliers apply only with the option on and a table given.
bool UsesMultipliers(const InputModel& input) {
  return input.options.py_modifiers && !input.py_multipliers.empty();
}

void WriteOptions(const InputModel& input, const EchoUnits& u, RecordWriter& r) {
  const Options& o = input.options;
  TitledBlock(r, 31, "Program Options");
  r.Write("(A/)",
          {ByUnits(o.units, "Engineering units are US Customary Units: pounds, inches, feet",
                   "Engineering units are SI Units: kilonewtons, meters, millimeters",
                   "Engineering units are Generic Units: force, length")});
  r.Write("(A/)", {"Basic Program Options:"});
  if (o.run_kind == RunKind::kBendingStiffnessOnly) {
    r.Write("(A/)", {"This analysis computes nominal moment capacity and nonlinear bending "
                     "stiffness only"});
    return;
  }
  r.Write("(A)", {"This analysis computes pile response to lateral loading and will compute "
                  "nonlinear "});
  r.Write("(A/)", {"moment-curvature and nominal moment capacity for selected section types."});
  r.Write("(A)", {"Computation Options:"});
  r.Write("(A)",
          {AnyUserCurves(input) ? "- User-specified p-y curves used in analysis"
                                : "- Only internally-generated p-y curves used in analysis"});
  r.Write("(A)", {UsesMultipliers(input)
                      ? "- Analysis uses p-y multiplers for group action"
                      : "- Analysis does not use p-y multipliers (individual pile or shaft action "
                        "only)"});
  r.Write("(A)", {o.tip_shear ? "- Analysis uses tip shear resistance for short pile or shaft"
                              : "- Analysis assumes no shear resistance at pile tip"});
  if (o.kyl != 0) {
    r.Write("(A/A)", {"- Analysis includes automatic computation of pile-top deflection vs.",
                      "  pile embedment length"});
  } else {
    r.Write("(A)", {"- Analysis for fixed-length pile or shaft only"});
  }
  r.Write("(A)", {o.stiffness_matrix
                      ? "- Analysis includes computation of foundation stiffness matrix elements"
                      : "- No computation of foundation stiffness matrix elements"});
  if (o.print_summary_only) {
    r.Write("(A/A)", {"- Output summary table of values for pile-head deflection, maximum",
                      "  bending moment, and shear force only"});
  } else {
    r.Write("(A)", {"- Output pile response for full length of pile"});
  }
  r.Write("(A)", {o.soil_movement ? "- Analysis includes effects of soil movement on pile response"
                                  : "- Analysis assumes no soil movements acting on pile"});
  r.Write("(A/)",
          {o.print_py_curves ? "- p-y curves computed and output for user-specified depths"
                             : "- No p-y curves to be computed and output for user-specified "
                               "depths"});
  r.Write("(A)", {"Solution Control Parameters:"});
  r.Write("(A,T56,'= ',I12)", {"- Number of pile increments", o.increments});
  r.Write("(A,T56,'= ',I12)", {"- Maximum number of iterations allowed", o.iteration_limit});
  r.Write("(A,T56,'= ',E12.4,1X,A)",
          {"- Deflection tolerance for convergence", o.tolerance, u.labels.length});
  r.Write("(A,T56,'= ',F12.4,1X,A/)",
          {"- Maximum allowable deflection", o.max_deflection, u.labels.length});
  if (o.tolerance < 0.0) {
    // The unit conversion puts the same value in its place.
    r.Write("(A,E11.4,A/)", {"(Specified convergence tolerance of 0 reset by program to",
                             u.uscs ? double(1e-6f) : 2.54e-8, u.uscs ? " inches)" : " meters)"});
  }
  r.Write("(A)", {"Pile Response Output Options:"});
  if (o.print_summary_only) {
    r.Write("(A/A//)", {"- Only summary tables of pile-head deflection, maximum bending moment,",
                        "  and maximum shear force are to be written to output report file."});
  } else {
    r.Write("(A/A)", {"- Values of pile-head deflection, bending moment, shear force, and ",
                      "  soil reaction are printed for full length of pile."});
    r.Write("(A,T56,'= ',I0//)",
            {"- Printing Increment (nodal spacing of output points)", o.print_increment});
  }
}

// A value line of a section: label, "= " at column 56, the value and its unit.
void Length(RecordWriter& r, std::string_view label, double v, std::string_view unit) {
  r.Write("(A,T56,'= ',F15.3,1X,A)", {label, v, unit});
}
void Area(RecordWriter& r, std::string_view label, double v, const EchoUnits& u) {
  r.Write("(A,T56,'= ',F15.6,' sq. ',A)", {label, v, u.area_unit});
}
// Moments of inertia in metres to the fourth are small numbers: SI shows
// eight decimals where the others show three.
void Inertia(RecordWriter& r, std::string_view label, double v, const EchoUnits& u) {
  r.Write(u.si ? "(A,T56,'= ',F15.8,1X,A,'^4')" : "(A,T56,'= ',F15.3,1X,A,'^4')",
          {label, v, u.area_unit});
}
void Modulus(RecordWriter& r, std::string_view label, double v, std::string_view unit) {
  r.Write("(A,T56,'= ',F15.0,1X,A)", {label, v, unit});
}
void Count(RecordWriter& r, std::string_view label, int n) {
  r.Write("(A,T56,'= ',I15)", {label, n});
}

// The echo's names of the elastic shapes, by shape code.
constexpr const char* kShapes[6] = {"=     Rectangular", "=        Circular",
                                    "=   Circular Pipe", "=   Strong H-Pile",
                                    "=     Weak H-Pile", "= Embedded Circular Pole"};

void WriteElasticShape(const PileSection& s, const EchoUnits& u, RecordWriter& r) {
  const ElasticBlock& e = s.elastic;
  const std::string& dim = u.dimension;
  const int shape = std::clamp(e.shape, 0, 5);
  r.Write("(A,T56,A)", {"   Cross-sectional Shape      ", kShapes[shape]});
  Length(r, "   Section Length", s.length, u.depth);
  const bool h_pile = shape == kStrongHShape || shape == kWeakHShape;
  if (h_pile) {
    Length(r, "   Flange Width", e.flange_width, dim);
    r.Write("(A,T56,'= ',F15.4,1X,A)", {"   Section Depth", e.section_depth, dim});
    Length(r, "   Flange Thickness", e.flange_thickness, dim);
    Length(r, "   Web Thickness", e.web_thickness, dim);
  } else {
    Length(r, "   Top Width", e.top_width, dim);
    Length(r, "   Bottom Width", e.bottom_width, dim);
  }
  if (shape == kRectangularShape) {
    Length(r, "   Top Section Depth", e.top_depth, dim);
    Length(r, "   Bottom Section Depth", e.bottom_depth, dim);
  } else if (shape == kPipeShape) {
    Length(r, "   Wall Thickness at Top", e.top_wall, dim);
    Length(r, "   Wall Thickness at Bottom", e.bottom_wall, dim);
  } else if (shape == kEmbeddedPoleShape) {
    Length(r, "   Drilled Hole Diameter", e.hole_diameter, dim);
  }
  double top_area = 0.0, top_inertia = 0.0, bottom_area = 0.0, bottom_inertia = 0.0;
  ElasticShapeProperties(e, false, &top_area, &top_inertia);
  ElasticShapeProperties(e, true, &bottom_area, &bottom_inertia);
  if (h_pile) {
    Area(r, "   Area", top_area, u);
  } else {
    Area(r, "   Top Area", top_area, u);
    Area(r, "   Bottom Area", bottom_area, u);
  }
  Inertia(r, "   Moment of Inertia at Top", top_inertia, u);
  Inertia(r, "   Moment of Inertia at Bottom", bottom_inertia, u);
  Modulus(r, "   Elastic Modulus", e.modulus, u.stress);
  if (s.type == kElasticPlastic) {
    r.Write("(A,T56,'= ',F15.3,1X,A)",
            {"   Top Plastic Moment Capacity", e.top_mp, u.labels.moment});
    r.Write("(A,T56,'= ',F15.3,1X,A)",
            {"   Bot Plastic Moment Capacity", e.bottom_mp, u.labels.moment});
  }
}

void WriteUserEi(const PileSection& s, const EchoUnits& u, RecordWriter& r) {
  const UnitSystem units = u.units;
  r.Write("(A,T56,A)", {"   Section Type", "= Pile with User-defined Nonlinear EI"});
  Length(r, "   Section Length", s.length, u.depth);
  r.Write("(A,T56,'= ',F15.3,1X,A)", {"   Section Width", s.depth, u.dimension + " "});
  Count(r, "   Number of Axial Thrusts", static_cast<int>(s.user_ei.size()));
  for (const UserEiCurve& curve : s.user_ei) {
    r.Write("(/A,T56,'= ',F15.3,1X,A/)", {"   Axial Thrust", curve.thrust, u.labels.force});
    r.Write("(A,T56,'= ',I15/)",
            {"   Number of M-EI Points", static_cast<int>(curve.moment.size())});
    r.Write("(A)", {"   Point         Bending Moment         Bending Stiffness         Bending "
                    "Curvature"});
    r.Write("(A,A,T46,A,T71,A)", {"    No.            ", ByUnits(units, "in-lb", "kN-m", "F-L"),
                                  ByUnits(units, "lb-in2", "kN-m2", "F-L2"),
                                  ByUnits(units, "rad/in", "rad/m", "rad/L")});
    r.Write("(A)", {"   -----      --------------------     --------------------     "
                    "--------------------"});
    for (std::size_t k = 0; k < curve.moment.size(); ++k) {
      const double ei = curve.ei[k];
      const double curvature = ei != 0.0 ? curve.moment[k] / ei : 0.0;
      r.Write("(I7,7X,F20.3,F25.3,F21.10)",
              {static_cast<int>(k) + 1, curve.moment[k], ei, curvature});
    }
    r.Write("()");
  }
}

void WriteSection(const PileSection& s, const EchoUnits& u, RecordWriter& r) {
  const std::string& dim = u.dimension;
  auto length = [&] { Length(r, "   Section Length", s.length, u.depth); };
  switch (s.type) {
    case kRectangularConcrete:
      r.Write("(A,T56,A)", {"   Section Type ", "= Rectangular Concrete Pile"});
      length();
      Length(r, "   Section Width", s.width, dim);
      Length(r, "   Section Depth", s.depth, dim);
      r.Write("(A,T56,'= ',F15.3,1X,A)",
              {"   Concrete Compressive Strength", s.concrete.fc, u.stress});
      Count(r, "   Number of Reinforcing Bars", s.bars.count());
      r.Write("(A,T56,'= ',F15.3,1X,A)",
              {"   Yield Stress of Reinforcing Bars", s.bars.fy, u.stress});
      Modulus(r, "   Elastic Modulus of Reinforcing Bars", s.bars.es, u.stress);
      return;
    case kDrilledShaft:
      r.Write("(A,T56,A)", {"   Section Type ", "= Drilled Shaft (Bored Pile)"});
      length();
      Length(r, "   Section Diameter", s.depth, dim);
      return;
    case kShaftWithCasing:
      r.Write("(A)", {"   Section Type = Drilled Shaft with Permanent Casing  "});
      length();
      Length(r, "   Pile Width", s.depth, dim);
      return;
    case kShaftWithCasingAndCore:
      r.Write(
          "(A)",
          {s.core_filled ? "   Section Type = Drilled Shaft with Casing and Concrete-filled Core   "
                         : "   Section Type = Drilled Shaft with Casing and Void Core   "});
      length();
      Length(r, "   Section Diameter", s.depth, dim);
      return;
    case kSteelPipe:
      r.Write("(A)", {"   Section Type = Steel Pipe Pile            "});
      length();
      Length(r, "   Pile Diameter", s.depth, dim);
      return;
    case kCircularPrestressed:
    case kCircularHollowPrestressed: {
      const bool hollow = s.type == kCircularHollowPrestressed;
      r.Write("(A)", {hollow ? "   Section Type = Circular Hollow Prestressed Pile    "
                             : "   Section Type = Circular Solid Prestressed Pile    "});
      length();
      if (hollow) Length(r, "   Void Diameter", s.void_diameter, dim);
      Length(r, "   Pile Width", s.depth, dim);
      return;
    }
    case kSquarePrestressed:
    case kSquareHollowPrestressed: {
      const bool hollow = s.type == kSquareHollowPrestressed;
      r.Write("(A)", {hollow ? "   Section Type = Square Hollow Prestressed Pile     "
                             : "   Section Type = Square Solid Prestressed Pile     "});
      length();
      Length(r, "   Pile Width", s.depth, dim);
      if (hollow) Length(r, "   Void Diameter", s.void_diameter, dim);
      r.Write("(A,T56,'= ',F15.3,1X,A/)", {"   Corner Chamfer", s.chamfer, dim});
      return;
    }
    case kOctagonalPrestressed:
    case kOctagonalHollowPrestressed: {
      const bool hollow = s.type == kOctagonalHollowPrestressed;
      r.Write("(A)", {hollow ? "   Section Type = Octagonal Hollow Prestressed Pile   "
                             : "   Section Type = Octagonal Solid Prestressed Pile    "});
      length();
      Length(r, "   Pile Width", s.depth, dim);
      if (hollow) Length(r, "   Void Diameter", s.void_diameter, dim);
      return;
    }
    case kElastic:
      r.Write("(A,T56,A)", {"   Section Type", "=    Elastic Pile"});
      WriteElasticShape(s, u, r);
      return;
    case kElasticPlastic:
      r.Write("(A,T56,A)", {"   Section Type", "= Elastic with Specified Moment Capacity "});
      WriteElasticShape(s, u, r);
      return;
    case kUserEi:
      WriteUserEi(s, u, r);
      return;
    case kMicropile:
      r.Write("(A,T56,A)", {"   Section Type", "= Micropile"});
      length();
      Length(r, "   Pile Width", 0.0, dim);
      return;
  }
}

// Blocks 3 and 4: the pile, its width points and its sections. False when
// the echo ends there (input error 27: a width of zero or less).
bool WritePile(const InputModel& input, const EchoUnits& u, const Fault& fault, RunOutput& out) {
  RecordWriter& r = out.report;
  TitledBlock(r, 20, "Pile Structural Properties and Geometry");
  r.Write("(A,T56,'= ',I10/)",
          {"Total Number of Sections", static_cast<int>(input.sections.size())});
  r.Write("(A,T56,'= ',F10.2,1X,A/)", {"Total Pile Length", input.pile_length, u.depth});
  r.Write("(A,T56,'= ',F10.2,1X,A/)",
          {"Depth of ground surface below top of pile", input.ground_depth, u.depth});
  // Two width points per section, at its top and its bottom: the width the
  // soil sees.
  const std::vector<SectionPoint> points =
      BuildSectionPropertyTable(input.sections, input.options.units);
  r.Write("(A,I0,A)", {"Pile dimensions used for p-y curve computations defined using ",
                       static_cast<int>(points.size()), " points."});
  r.Write("(A/A/)", {"p-y curves are computed using values of pile diameter interpolated over ",
                     "the length of the pile."});
  r.Write("(A)", {"Point         Depth              Pile   "});
  r.Write("(A)", {"                X              Diameter "});
  r.Write("(T17,A,T35,A)", {u.depth, u.dimension});
  r.Write("(A)", {"-----       ---------        -----------"});
  for (std::size_t k = 0; k < points.size(); ++k) {
    WriteIntegerField(r, 5, static_cast<long long>(k) + 1);
    WriteAdaptive(r, 14, points[k].depth);
    r.Blanks(4);
    WriteAdaptive(r, 14, points[k].properties.diameter);
    r.EndLine();
  }
  r.Write("(/A/A)", {"Input Structural Properties:", "----------------------------"});
  for (std::size_t i = 0; i < input.sections.size(); ++i) {
    r.Write("(/A,I0,A/)", {"Pile Section No. ", static_cast<int>(i) + 1, ":"});
    WriteSection(input.sections[i], u, r);
  }
  r.Write("(/)");
  return !StopsAt(u, fault, EchoStop::kPile, out);
}

void WriteSlopeAndBatter(const InputModel& input, RecordWriter& r) {
  TitledBlock(r, 22, "Ground Slope and Pile Batter Angles");
  r.Write("(A,T56,'= ',F12.3,A)",
          {"Ground Slope Angle", input.slope_angle / kRadiansPerDegree, " degrees"});
  r.Write("(T56,'= ',F12.3,A/)", {input.slope_angle, " radians"});
  r.Write("(A,T56,'= ',F12.3,A)",
          {"Pile Batter Angle", input.batter_angle / kRadiansPerDegree, " degrees"});
  r.Write("(T56,'= ',F12.3,A//)", {input.batter_angle, " radians"});
}

// How the layering block shows a field of a layer's rows: a pair of lines
// for the top and the bottom value. Fields without lines are shown in the
// soil summary only.
struct FieldLines {
  SoilField field;
  const char* top;
  const char* bottom;
  const char* form;  // the value's edit descriptor
  enum Unit { kNone, kSubgrade, kStress, kSoilStress } unit;
  const char* default_note;  // written above the lines when a value is 0
};

constexpr FieldLines kFieldLines[] = {
    {SoilField::kJ, "p-y J factor for top of soil layer", "p-y J factor for bottom of layer",
     "F12.3", FieldLines::kNone, nullptr},
    {SoilField::kK, "p-y subgrade modulus k for top of soil layer",
     "p-y subgrade modulus k for bottom of soil layer", "F12.3", FieldLines::kSubgrade,
     "the above soil layer."},
    {SoilField::kRockMassModulus, "Initial modulus of rock at top of layer",
     "Initial modulus of rock at bottom of layer", "E12.4", FieldLines::kStress,
     "the above rock layer."},
    {SoilField::kConeTipResistance, "Cone tip resistance at top of layer",
     "Cone tip resistance at bottom of layer", "F12.1", FieldLines::kSoilStress, nullptr},
    {SoilField::kElasticSubgrade, "Elastic subgrade at top of layer",
     "Elastic subgrade at bottom of layer", "F12.3", FieldLines::kSubgrade, nullptr},
};

// The Piedmont soil's field test: its name and the labels of its value.
struct FieldTest {
  const char* line;
  const char* top;
  const char* bottom;
};
constexpr FieldTest kFieldTests[4] = {
    {"The type of field test is the Standard Penetration Test (SPT)", "N60 at top of layer",
     "N60 at bottom of layer"},
    {"The type of field test is the Cone Penetration Test (CPT)",
     "Cone tip resistance at top of layer", "Cone tip resistance at bottom of layer"},
    {"The type of field test is the Dilatometer Test (DMT)", "Dilatometer modulus at top of layer",
     "Dilatometer modulus at bottom of layer"},
    {"The type of field test is the Pressuremeter Test (DMT)",
     "Pressuremeter modulus at top of layer", "Pressuremeter modulus at bottom of layer"},
};

// The field test of a Piedmont layer: the whole-number part of the value
// read, 1 to 4, as the criterion takes it; 0 for another value.
int FieldTestOf(const SoilValues& v) {
  const double t = v.test_type;
  return t >= 1.0 && t < 5.0 ? static_cast<int>(t) : 0;
}

void WriteFieldLines(const SoilLayer& layer, const FieldLines& f, const EchoUnits& u,
                     RecordWriter& r) {
  const double top = SoilFieldValue(layer.at_top, f.field);
  const double bottom = SoilFieldValue(layer.at_bottom, f.field);
  if (f.default_note != nullptr && (top == 0.0 || bottom == 0.0)) {
    r.Write("(A/A)",
            {f.field == SoilField::kRockMassModulus
                 ? "NOTE:  Internal default values for initial modulus will be computed for"
                 : "NOTE:  Internal default values for p-y subgrade modulus will be "
                   "computed for",
             f.default_note});
  }
  std::string unit;
  switch (f.unit) {
    case FieldLines::kSubgrade:
      unit = u.subgrade;
      break;
    case FieldLines::kStress:
      unit = u.stress;
      break;
    case FieldLines::kSoilStress:
      unit = std::string(u.labels.stress);
      break;
    case FieldLines::kNone:
      break;
  }
  // A value without a unit ends the line after its field.
  const std::string form = std::string("(A,T56,'= ',") + f.form + (unit.empty() ? ")" : ",1X,A)");
  if (unit.empty()) {
    r.Write(form, {f.top, top});
    r.Write(form, {f.bottom, bottom});
  } else {
    r.Write(form, {f.top, top, unit});
    r.Write(form, {f.bottom, bottom, unit});
  }
}

void WritePiedmontTest(const SoilLayer& layer, const EchoUnits& u, RecordWriter& r) {
  const int test = FieldTestOf(layer.at_top);
  if (test == 0) {
    r.Write("(A,F12.3)",
            {"The type of field test is not known: test type = ", layer.at_top.test_type});
    return;
  }
  const FieldTest& t = kFieldTests[test - 1];
  r.Write("(A)", {t.line});
  const double top = layer.at_top.test[static_cast<std::size_t>(test - 1)];
  const double bottom = layer.at_bottom.test[static_cast<std::size_t>(test - 1)];
  if (test == 1) {
    const char* per = ByUnits(u.units, "ft", "0.3 m", "L");
    r.Write("(A,T56,'= ',F12.1,' blows/',A)", {t.top, top, per});
    r.Write("(A,T56,'= ',F12.1,' blows/',A)", {t.bottom, bottom, per});
    return;
  }
  r.Write("(A,T56,'= ',F12.1,1X,A)", {t.top, top, u.labels.stress});
  r.Write("(A,T56,'= ',F12.1,1X,A)", {t.bottom, bottom, u.labels.stress});
}

bool HasField(const CriterionRow& row, SoilField field) {
  return std::find(row.fields.begin(), row.fields.end(), field) != row.fields.end();
}

// A layer whose top lies below the bottom of the layer above (layer `j`,
// 0-based, below layer j - 1): nothing is given in between, and the analysis
// takes the layer from the bottom of the one above. The lines of warning 361,
// with the layers and depths as read, in the report and the message file
// (the input checks record the warning).
void WriteGapWarning(const InputModel& input, std::size_t j, const EchoUnits& u, RunOutput& out) {
  const SoilLayer& upper = input.layers[j - 1];
  const SoilLayer& lower = input.layers[j];
  const int n = static_cast<int>(j) + 1;
  const std::string unit = u.depth.substr(0, u.depth.find(' '));
  ToBoth(out, [&](RecordWriter& w) {
    w.Write("(A,I0,A,F0.3,1X,A,A,I0,A,F0.3,1X,2A)",
            {"Warning : Layer ", n, " begins at ", lower.top, unit, ", below the bottom of layer ",
             n - 1, " at ", upper.bottom, unit, ","});
    w.Write("(A,I0,A,F0.3,1X,2A)", {"          and nothing is given in between: layer ", n,
                                    " is taken from ", upper.bottom, unit, ","});
    w.Write("(A)", {"          with the values of its top there."});
  });
}

// Blocks 6 and 7: the layers with their criteria, and the warnings of a gap
// between layers and of the liquefied-sand depth.
void WriteLayering(const InputModel& input, const EchoUnits& u, RunOutput& out) {
  RecordWriter& r = out.report;
  TitledBlock(r, 23, "Soil and Rock Layering Information");
  r.Write("(A,I0,A/)", {"The soil profile is modelled using ",
                        static_cast<int>(input.layers.size()), " layers"});
  for (std::size_t i = 0; i < input.layers.size(); ++i) {
    const SoilLayer& layer = input.layers[i];
    const CriterionRow& row = CriterionOf(layer.code);
    r.Write("(A,I0,A,A/)", {"Layer ", static_cast<int>(i) + 1, " is ", row.echo_title});
    r.Write("(A,T56,'= ',F12.3,1X,A)",
            {"Distance from top of pile to top of layer", layer.top, u.depth});
    r.Write("(A,T56,'= ',F12.3,1X,A)",
            {"Distance from top of pile to bottom of layer", layer.bottom, u.depth});
    if (GapAboveLayer(input, i)) WriteGapWarning(input, i, u, out);
    for (SoilField field : row.fields) {
      if (field == SoilField::kTestType) WritePiedmontTest(layer, u, r);
      for (const FieldLines& f : kFieldLines) {
        if (f.field == field) WriteFieldLines(layer, f, u, r);
      }
    }
    if (layer.code == kLiquefiedSand && LiquefiedTooDeep(input, layer)) {
      r.Write("(A/A/A/A)",
              {"Warning : The depth of this layer is deeper than the recommended depth limit ",
               "for using the p-y criteria for liquefied sand.",
               "Please consult the Tarvex Technical Manual for additional background ",
               "information regarding limitations on the use of the liquefied sand criteria."});
    }
  }
  const double below_tip =
      input.layers.empty() ? 0.0 : input.layers.back().bottom - input.pile_length;
  r.Write("(/A,F7.2,1X,A,A/)",
          {"(Depth of lowest layer extends ", below_tip, u.labels.depth, " below pile tip)"});
}

// Block 8: the effective unit weight at the top and bottom of every layer,
// and the warning for values that look typed in another unit system.
void WriteUnitWeights(const InputModel& input, const EchoUnits& u, RunOutput& out) {
  RecordWriter& r = out.report;
  TitledBlock(r, 20, "Effective Unit Weight of Soil vs. Depth");
  r.Write("(A,I0,A/)", {"Effective unit weight of soil with depth defined using ",
                        2 * static_cast<int>(input.layers.size()), " points"});
  r.Write("(A)", {"Point        Depth X    Eff. Unit Weight"});
  r.Write("(A,T15,A,T30,A)", {" No.", u.depth, u.labels.unit_weight});
  r.Write("(A)", {"-----      ----------   ----------------"});
  // The check covers the values given: massive rock and frozen soil read
  // none, and their zeros are no typing error.
  double lowest = 0.0, highest = 0.0;
  bool given = false;
  int k = 0;
  for (const SoilLayer& layer : input.layers) {
    const bool read = HasField(CriterionOf(layer.code), SoilField::kUnitWeight);
    for (const auto& [depth, gamma] : {std::pair{layer.top, layer.at_top.unit_weight},
                                       std::pair{layer.bottom, layer.at_bottom.unit_weight}}) {
      r.Write("(I3,F17.2,F15.5)", {++k, depth, gamma});
      if (!read) continue;
      if (!given || gamma < lowest) lowest = gamma;
      if (!given || gamma > highest) highest = gamma;
      given = true;
    }
  }
  switch (input.options.units) {
    case UnitSystem::kUscs:
      if (given && (lowest <= 20.0 || highest >= 140.0)) {
        ToBoth(out, [](RecordWriter& w) {
          w.Write("(A//A/A/A/)", {"**** Warning - Possible Input Data Error ****",
                                  "Values entered for effective unit weights of soil were outside",
                                  "the limits of 0.011574 pci (20 pcf) or 0.0810019 pci (140 pcf)",
                                  "This data may be erroneous.  Please check your data."});
        });
      }
      return;
    case UnitSystem::kSi:
      if (given && (lowest <= 3.15 || highest >= 22.0)) {
        ToBoth(out, [&out](RecordWriter& w) {
          w.Write("(A//A/A/A/)",
                  {"**** Warning - Possible Input Data Error ****",
                   "Values entered for effective unit weights of soil were outside",
                   "the limits of 3.15 kN/m3 or 22 kN/m3.",
                   &w == &out.report ? "The input data for effective unit weight may be erroneous. "
                                       "Please check your data."
                                     : "The input data may be erroneous. Please check your data."});
        });
      }
      return;
    case UnitSystem::kGeneral:
      ToBoth(out, [](RecordWriter& w) {
        w.Write("(A//A/A/)",
                {"**** Warning ****", "Values of effective unit weight cannot be checked because ",
                 "general units have been selected."});
      });
      return;
  }
}

// The columns of the soil summary after the depth, in order, with the field
// each shows.
enum class SummaryColumn { kValue, kDefaultWhenZero, kTestType, kTestValue };
struct SummaryField {
  SoilField field;
  SummaryColumn kind;
};
constexpr SummaryField kSummaryFields[] = {
    {SoilField::kUnitWeight, SummaryColumn::kValue},
    {SoilField::kCohesion, SummaryColumn::kValue},
    {SoilField::kFriction, SummaryColumn::kValue},
    {SoilField::kCompressiveStrength, SummaryColumn::kValue},
    {SoilField::kRqd, SummaryColumn::kValue},
    {SoilField::kEps50, SummaryColumn::kValue},
    {SoilField::kJ, SummaryColumn::kValue},
    {SoilField::kK, SummaryColumn::kDefaultWhenZero},
    {SoilField::kRockMassModulus, SummaryColumn::kDefaultWhenZero},
    {SoilField::kKrm, SummaryColumn::kValue},
    {SoilField::kTestType, SummaryColumn::kTestType},
    {SoilField::kTestValues, SummaryColumn::kTestValue},
    {SoilField::kElasticSubgrade, SummaryColumn::kValue},
};

constexpr const char* kTestNames[4] = {"    SPT      ", "    CPT      ", "    DMT      ",
                                       "    PMT      "};

void WriteSummaryValues(const CriterionRow& row, const SoilValues& v, const SoilValues& top,
                        double depth, RecordWriter& r) {
  r.Blanks(3);
  WriteAdaptive(r, 10, depth);
  const bool loess = HasField(row, SoilField::kConeTipResistance);
  for (const SummaryField& c : kSummaryFields) {
    if (c.kind == SummaryColumn::kTestType) {
      const int test = loess ? 2 : HasField(row, SoilField::kTestType) ? FieldTestOf(top) : 0;
      r.Text(test == 0 ? "    --       " : kTestNames[test - 1]);
      continue;
    }
    r.Blanks(3);
    if (c.kind == SummaryColumn::kTestValue && loess) {
      WriteAdaptive(r, 10, v.test[1]);
      continue;
    }
    if (!HasField(row, c.field)) {
      r.Text("    --    ");
      continue;
    }
    double value = 0.0;
    if (c.kind == SummaryColumn::kTestValue) {
      const int test = FieldTestOf(top);
      if (test == 0) {
        r.Text("    --    ");
        continue;
      }
      value = v.test[static_cast<std::size_t>(test - 1)];
    } else {
      value = SoilFieldValue(v, c.field);
    }
    if (c.kind == SummaryColumn::kDefaultWhenZero && value == 0.0) {
      r.Text("  default ");
    } else {
      WriteAdaptive(r, 10, value);
    }
  }
  r.EndLine();
}

// Block 9: the soil summary, two rows per layer.
void WriteSoilSummary(const InputModel& input, RecordWriter& r) {
  r.Write("(//80('-')/T28,A/80('-')/)", {"Summary of Soil Properties"});
  const UnitSystem units = input.options.units;
  r.Write("(A)",
          {units == UnitSystem::kSi
               ? "Layer               Soil Type                   Depth     Eff. Unit     Cohesion "
                 "    Friction        qu           RQD      Epsilon 50        J           kpy      "
                 " Rock Emass      krm       Test Type    Test Prop.   Elas. Subgr."
               : "Layer               Soil Type                   Depth     Eff. Unit     Cohesion "
                 "    Friction        qu           RQD      Epsilon 50        J          kpy       "
                 "Rock Emass      krm       Test Type    Test Prop.   Elas. Subgr."});
  r.Write("(A)",
          {ByUnits(units,
                   " Num.         (p-y Curve Criteria)               ft       Wt., pcf         psf "
                   "     Ang., deg.       psi        percent                                 pci   "
                   "       psi                                                  pci     ",
                   " Num.         (p-y Curve Criteria)                m       Wt., kN/m3       kPa "
                   "     Ang., deg.       kPa        percent                                 kN/m3 "
                   "        kPa                                                         ",
                   " Num.         (p-y Curve Criteria)                L       Wt., F/L3        F/L2"
                   "     Ang., deg.       F/L2       percent                                 F/L3  "
                   "        F/L2                                                 F/L3    ")});
  r.Write("(A)",
          {"-----  ----------------------------------   ----------   ----------   ----------"
           "   ----------   ----------   ----------   ----------   ----------   ----------   "
           "----------   ----------    ---------   ----------   ----------"});
  for (std::size_t i = 0; i < input.layers.size(); ++i) {
    const SoilLayer& layer = input.layers[i];
    const CriterionRow& row = CriterionOf(layer.code);
    std::string name(row.long_name);
    name.resize(34, ' ');
    r.Write("(I5,2X,A34,$)", {static_cast<int>(i) + 1, name});
    WriteSummaryValues(row, layer.at_top, layer.at_top, layer.top, r);
    r.Blanks(41);
    WriteSummaryValues(row, layer.at_bottom, layer.at_top, layer.bottom, r);
  }
}

// Block 10: the user-input p-y curves, at the top and bottom of each such layer.
void WriteUserCurves(const InputModel& input, const EchoUnits& u, RecordWriter& r) {
  if (!AnyUserCurves(input)) return;
  int curves = 0;
  for (const SoilLayer& l : input.layers) curves += CriterionOf(l.code).user_curves ? 2 : 0;
  r.Write("(//)");
  TitledBlock(r, 30, "User-input p-y Curves");
  r.Write("()");
  r.Write("(A,I0/)", {"Number of user-input p-y curves = ", curves});
  for (std::size_t i = 0; i < input.layers.size(); ++i) {
    const SoilLayer& layer = input.layers[i];
    if (!CriterionOf(layer.code).user_curves) continue;
    const int n = static_cast<int>(i) + 1;
    for (bool bottom : {false, true}) {
      const UserPyCurve& curve = bottom ? layer.curve_bottom : layer.curve_top;
      r.Write("(//A,I0,A,F10.3,1X,A/)", {bottom ? "User-input p-y curve at bottom of layer "
                                                : "User-input p-y curve at top of layer ",
                                         n, bottom ? ", Depth = " : ",    Depth = ",
                                         bottom ? layer.bottom : layer.top, u.depth});
      r.Write("(A)", {"Point                y                     p     "});
      r.Write("(A,T22,A,T42,A)", {" No.", u.labels.length, u.labels.force_per_length});
      r.Write("(A)", {"-----          ------------          ------------"});
      for (int k = 0; k < curve.count; ++k) {
        const auto at = static_cast<std::size_t>(k);
        r.Write("(I5,F22.5,F22.5)", {k + 1, curve.y[at], curve.p[at]});
      }
    }
  }
}

// Block 11: the p-y multipliers for group action; a table that the option
// leaves unused is shown as read and ignored.
void WriteGroupAction(const InputModel& input, const EchoUnits& u, RunOutput& out) {
  RecordWriter& r = out.report;
  const auto& points = input.py_multipliers;
  if (points.empty()) return;
  const bool used = input.options.py_modifiers;
  r.Write("(//)");
  TitledBlock(r, 19, "p-y Modification Factors for Group Action");
  if (!used) {
    ToBoth(out, [&points](RecordWriter& w) {
      w.Write("(A//A,I0,A/A/A/)",
              {"**** Warning ****", "p-y multipliers for group action were read at ",
               static_cast<int>(points.size()), " depths (GROUPEFF), but the option",
               "UsePYModifiers is NO: the multipliers are ignored and the p-y curves are not",
               "modified for group action."});
    });
  }
  r.Write("(A,I0,A/)", {"Distribution of p-y modifiers with depth defined using ",
                        static_cast<int>(points.size()), " points"});
  r.Write("(A)", {"Point      Depth X         p-mult         y-mult"});
  r.Write("(A,A)", {" No.          ", u.depth});
  r.Write("(A)", {"-----     ----------     ----------     ----------"});
  for (std::size_t k = 0; k < points.size(); ++k) {
    r.Write("(I3,F17.3,F15.4,F15.4)",
            {static_cast<int>(k) + 1, points[k].depth, points[k].pm, points[k].ym});
  }
}

// Block 12: the free-field soil movements.
void WriteSoilMovements(const InputModel& input, const EchoUnits& u, RecordWriter& r) {
  if (!input.options.soil_movement || input.soil_movements.empty()) return;
  r.Write("(//)");
  TitledBlock(r, 29, "Lateral Soil Movements");
  r.Write("()");
  r.Write("(A,I0,A/)", {"Profile of soil movement with depth defined using ",
                        static_cast<int>(input.soil_movements.size()), " points"});
  r.Write("(A)", {"Point       Depth X     Soil Movement"});
  r.Write("(A,T16,A,T31,A)", {" No.", u.depth, u.dimension});
  r.Write("(A)", {"-----     ----------     -------------"});
  for (std::size_t k = 0; k < input.soil_movements.size(); ++k) {
    const SoilMovementPoint& p = input.soil_movements[k];
    r.Write("(I3,2X,2F15.5)", {static_cast<int>(k) + 1, p.depth, p.movement});
  }
}

// Block 13: static or cyclic loading; false when the echo ends there (input
// error 28).
bool WriteLoadingType(const InputModel& input, const EchoUnits& u, const Fault& fault,
                      RunOutput& out) {
  RecordWriter& r = out.report;
  const Options& o = input.options;
  r.Write("(//)");
  if (!o.cyclic) {
    TitledBlock(r, 33, "Loading Type");
    r.Write("()");
    r.Write("(A)",
            {"Static loading criteria were used when computing p-y curves for all analyses."});
    return true;
  }
  TitledBlock(r, 34, "Loading Type");
  r.Write("()");
  r.Write("(A/)", {"Cyclic loading criteria were used for computation of p-y curves for all "
                   "analyses."});
  r.Write("(A,I0)", {"Number of cycles of loading = ", WholeCycles(o.cycles)});
  return !StopsAt(u, fault, EchoStop::kLoadingType, out);
}

// Block 14: the distributed lateral load of the load cases.
void WriteDistributedLoads(const InputModel& input, const EchoUnits& u, RecordWriter& r) {
  if (input.options.lrfd || input.distributed_loads.empty()) return;
  r.Write("(//)");
  TitledBlock(r, 27, "Distributed Lateral Loading");
  r.Write("(A,I0,A/)", {"Distributed lateral load intensity defined using ",
                        static_cast<int>(input.distributed_loads.size()), " points"});
  r.Write("(A)", {"Point           Depth X            Dist. Load"});
  r.Write("(A,T20,A,T38,A)", {" No.", u.depth, u.labels.force_per_length});
  r.Write("(A)", {"-----          ----------          ----------"});
  for (std::size_t k = 0; k < input.distributed_loads.size(); ++k) {
    const DistributedLoadPoint& p = input.distributed_loads[k];
    r.Write("(I3,F20.3,F20.3)", {static_cast<int>(k) + 1, p.depth, p.load});
  }
}

// The start of a load case's row by load type.
constexpr const char* kLoadLeads[5] = {
    "     1     V = ", "     2     V = ", "     3     V = ", "     4     y = ", "     5     y = "};

// Block 15 without LRFD: the pile-head load cases.
void WritePileHeadLoading(const InputModel& input, const EchoUnits& u, RecordWriter& r) {
  r.Write("(//)");
  TitledBlock(r, 15, "Pile-head Loading and Pile-head Fixity Conditions");
  r.Write("(A,I0/)", {"Number of loads specified = ", static_cast<int>(input.load_cases.size())});
  r.Write("(A)", {"Load    Load         Condition               Condition            Axial "
                  "Thrust  "});
  r.Write("(A,A)", {" No.    Type             1                       2                 Force, ",
                    u.labels.force});
  r.Write("(A)", {"-----   ----   --------------------   -----------------------   "
                  "----------------"});
  const UnitLabels& l = u.labels;
  // The units of condition 2 in one width, so that the axial thrusts line up.
  auto unit9 = [](std::string_view unit) {
    std::string padded(unit);
    padded.resize(9, ' ');
    return padded;
  };
  const std::string moment = unit9(l.moment);
  const std::string rotational =
      unit9(std::string(l.moment.substr(0, l.moment.find(' '))) + "/rad");
  const std::string radians = unit9("radians");
  for (std::size_t k = 0; k < input.load_cases.size(); ++k) {
    const LoadCase& c = input.load_cases[k];
    const int type = static_cast<int>(c.type);
    const bool deflection = type >= 4;
    const char* second = type == 1 || type == 4 ? "M = " : type == 3 ? "R = " : "S = ";
    const std::string& second_unit = type == 1 || type == 4 ? moment
                                     : type == 3            ? rotational
                                                            : radians;
    r.Write("(I4,A,$)", {static_cast<int>(k) + 1, kLoadLeads[std::clamp(type, 1, 5) - 1]});
    WriteAdaptive(r, 12, c.condition1);
    r.Write("(1X,A,$)", {deflection ? l.length : l.force});
    r.Write("(T8,A,$)", {second});
    WriteAdaptive(r, 12, c.condition2);
    r.Write("(1X,A,$)", {second_unit});
    WriteAdaptive(r, 14, c.axial);
    r.Write("(1X,A)", {l.force});
  }
  r.Write(
      "(/A/A/A/A/A/A)",
      {"V = perpendicular shear force applied to pile head",
       "M = bending moment applied to pile head", "y = lateral deflection relative to pile axis",
       "S = pile slope relative to original pile batter angle",
       "R = rotational stiffness applie to pile head",
       "Axial thrust is assumed to be acting axially for all pile batter angles."});
}

// Block 16: the tip shear curve; false when the echo ends there (input
// error 50).
bool WriteTipShear(const InputModel& input, const EchoUnits& u, const Fault& fault,
                   RunOutput& out) {
  if (!input.options.tip_shear) return true;
  RecordWriter& r = out.report;
  TitledBlock(r, 22, "Shear Resistance Curve at Pile Tip ");
  r.Write("(A)", {"Point     Displacement     Tip Shear Force"});
  r.Write("(A,T16,A,T36,A)", {" No.", u.labels.length, u.labels.force});
  r.Write("(A)", {"-----     ------------     ---------------"});
  const auto& points = input.tip_shear;
  for (std::size_t k = 0; k < points.size(); ++k) {
    r.Write("(I4,5X,F10.3,10X,F10.3)",
            {static_cast<int>(k) + 1, points[k].displacement, points[k].shear});
  }
  return !StopsAt(u, fault, EchoStop::kTipShear, out);
}

// Block 17: the depths of the printed p-y curves; false when the echo ends
// there (input error 29 or 30).
bool WritePrintedDepths(const InputModel& input, const EchoUnits& u, const Fault& fault,
                        RunOutput& out) {
  if (!input.options.print_py_curves) return true;
  RecordWriter& r = out.report;
  TitledBlock(r, 19, "Specified Depths for Output of p-y Curves");
  if (StopsAt(u, fault, EchoStop::kPrintedDepths, out)) return false;
  const auto& depths = input.py_output_depths;
  r.Write("(A,I0,A)", {"Lateral load-transfer (p-y) curves are computed and output at ",
                       static_cast<int>(depths.size()), " depths."});
  r.Write("(A//)", {"(Note that these curves are independent from the curves used at nodal point "
                    "depths)"});
  r.Write("(A)", {"Depth      Depth Below Pile Head      Depth Below Ground Surface"});
  r.Write("(A,T22,A,T49,A)", {" No.", u.depth, u.depth});
  r.Write("(A)", {"-----      ---------------------      --------------------------"});
  for (std::size_t k = 0; k < depths.size(); ++k) {
    r.Write("(I3,F22.3,F27.3)",
            {static_cast<int>(k) + 1, depths[k], depths[k] - input.ground_depth});
  }
  r.Write("(/A,F10.2,1X,A/)",
          {"Depth of ground surface below top of pile = ", input.ground_depth, u.depth});
  return true;
}

// The lines of the input file that held values beyond those read: each is
// named with the values ignored, in the report and the message file (each
// counts as warning 372). A comma separates values, so "36,9" where one
// value is read gives 36 and ignores 9.
void WriteIgnoredValues(const InputModel& input, RunOutput& out) {
  if (input.ignored_values.empty()) return;
  ToBoth(out, [&input](RecordWriter& w) {
    w.Write("(//A/)", {"**** Warning - Input Values Ignored ****"});
    for (const IgnoredValues& v : input.ignored_values) {
      w.Write("(A,I0,A,A,A,A)",
              {"Line ", v.line_number, " of ", v.file,
               " holds more values than are read from it; ignored: ", VisibleText(v.values)});
      w.Write("(A,I0,A,A)", {"          Line ", v.line_number, ": ", VisibleText(v.line)});
    }
    w.Write("(/A/A/)", {"A comma or a blank separates two values: write decimals with a point, "
                        "and give",
                        "each value on the line that reads it."});
  });
}

// Blocks 5 to 17 of a pile analysis; false when the echo ends in them.
bool WriteAnalysisInput(const InputModel& input, const EchoUnits& u,
                        const std::optional<LrfdLoading>& lrfd_loading, const Fault& fault,
                        RunOutput& out) {
  RecordWriter& r = out.report;
  WriteSlopeAndBatter(input, r);
  WriteLayering(input, u, out);
  WriteUnitWeights(input, u, out);
  WriteSoilSummary(input, r);
  WriteUserCurves(input, u, r);
  WriteGroupAction(input, u, out);
  WriteSoilMovements(input, u, r);
  if (!WriteLoadingType(input, u, fault, out)) return false;
  WriteDistributedLoads(input, u, r);
  if (input.options.lrfd) {
    if (lrfd_loading) WriteLrfdLoading(input.options.units, *lrfd_loading, r);
  } else {
    WritePileHeadLoading(input, u, r);
  }
  return WriteTipShear(input, u, fault, out) && WritePrintedDepths(input, u, fault, out);
}

}  // namespace

void WriteInputEcho(const InputModel& input, const std::optional<LrfdLoading>& lrfd_loading,
                    const std::optional<InputCheckFault>& fault, RunOutput& out) {
  out.message.Write("(A)", {"Output of input data begun"});
  const EchoUnits u(input.options.units);
  WriteTitle(input, out.report);
  WriteOptions(input, u, out.report);
  if (!WritePile(input, u, fault, out)) return;
  if (input.options.run_kind == RunKind::kBendingStiffnessOnly) {
    // A stiffness-only run analyses no soil and no load cases; the factored
    // combinations of an LRFD run still give its thrusts.
    if (input.options.lrfd && lrfd_loading) {
      WriteLrfdLoading(input.options.units, *lrfd_loading, out.report);
    }
  } else if (!WriteAnalysisInput(input, u, lrfd_loading, fault, out)) {
    return;
  }
  if (StopsAt(u, fault, EchoStop::kAfterAllBlocks, out)) return;
  WriteIgnoredValues(input, out);
  out.message.Write("(A)", {"Output of input data completed"});
}

}  // namespace tarvex
