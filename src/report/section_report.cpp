#include "section/section_report.hpp"

#include <cmath>
#include <string>

#include "format/number_fields.hpp"

namespace tarvex {
namespace {

constexpr double kQuarterPi = 0.7853981633974483;
constexpr double kPiOver64 = 0.04908738521234052;

constexpr SectionUnitLabels kUscsLabels{" in     ", " ksi    ", " kips   ", " rad/in ", " in-kip ",
                                        " sq. in.", " in^4   ", " lb-in^2", " in^3   "};
constexpr SectionUnitLabels kSiLabels{" m      ", " kPa    ", " kN     ", " rad/m  ", " kN-m   ",
                                      " sq. m  ", " m^4    ", " kN-m^2 ", " m^3    "};

// A blank line, the heading, dashes of its length and a blank line.
void Heading(RecordWriter& out, std::string_view text) {
  out.Write("()");
  out.Write("(A)", {text});
  out.Write("(A)", {std::string(text.size(), '-')});
  out.Write("()");
}

// label, tab to 56, "= ", the value as an adaptive field, the unit.
void Item(RecordWriter& out, std::string_view label, double v, std::string_view unit,
          int width = 15) {
  out.Write("(A,T56,'= ',$)", {label});
  WriteAdaptive(out, width, v);
  out.Text(unit);
  out.EndLine();
}

void LengthOfSection(RecordWriter& out, const PileSection& s, bool si) {
  out.Write("(A,T56,'= ',$)", {"Length of Section"});
  WriteAdaptive(out, 10, si ? s.length : s.length / 12.0);
  out.Text(si ? " m" : " ft");
  out.EndLine();
}

double Percent(double part, double whole) { return whole > 0.0 ? part / whole * 100.0 : 0.0; }

// Edge-to-edge spacing of bars on a circle: the gap between neighbouring
// groups (bars 1-2, 2-3 or 2-4 by group size) less a bar diameter.
double EdgeSpacing(const PileSection& s, const CutSection& cs) {
  const int per_group = s.bars.bars_per_group;
  const int a = per_group == 1 ? 0 : 1;
  const int b = per_group == 1 ? 1 : per_group == 2 ? 2 : 3;
  if (b >= cs.reinforcement.count) return 0.0;
  const RebarPoint& p = cs.reinforcement.bar[static_cast<std::size_t>(a)];
  const RebarPoint& q = cs.reinforcement.bar[static_cast<std::size_t>(b)];
  return std::hypot(p.x - q.x, p.y - q.y) - s.bars.diameter;
}

bool OnCircle(const PileSection& s) { return s.bars.layout == BarLayout::kCircle; }

void BarDetailsTable(RecordWriter& out, const PileSection& s, const SectionUnitLabels& u) {
  Heading(out, "Reinforcing Bar Details:");
  out.Write("(A)", {"   Bar              Bar           Bar Diam.        Bar Area          Bar X  "
                    "          Bar Y"});
  out.Write("(A,T31,A,T48,A,T65,A,T82,A)",
            {"  Number           Index", u.length, u.area, u.length, u.length});
  out.Write("(A)", {"  ------           -----          ---------        --------          -----  "
                    "          -----"});
  int number = 0;
  for (const Bar& b : s.bars.bars) {
    out.Write("(I5,I17,4(5X,F12.6))", {++number, b.index, b.diameter, b.area, b.x, b.y});
  }
}

void BarPositionsTable(RecordWriter& out, const CutSection& cs, bool si) {
  out.Write("()");
  out.Write("(A)", {"Reinforcing Bar Dimensions and Positions Used in Computations:"});
  out.Write("()");
  out.Write("(A)", {"     Bar          Bar Diam.      Bar Area          X              Y     "});
  out.Write("(A)",
            {si ? "    Number         meters         sq. m.         meters         meters  "
                : "    Number         inches         sq. in.        inches         inches  "});
  out.Write("(A)", {"  ----------     ----------     ----------     ----------     ----------"});
  // Coordinates this close to zero print as a plain zero.
  constexpr double kZero = double(0.0000099999f);
  auto coordinate = [&](double v) {
    if (std::fabs(v) > kZero) {
      WriteAdaptive(out, 12, v);
    } else {
      out.Text("     0.00000");
    }
  };
  for (int i = 0; i < cs.reinforcement.count; ++i) {
    const RebarPoint& b = cs.reinforcement.bar[static_cast<std::size_t>(i)];
    WriteIntegerField(out, 7, i + 1);
    out.Blanks(8);
    WriteAdaptive(out, 12, b.diameter);
    out.Blanks(3);
    WriteAdaptive(out, 12, b.area);
    out.Blanks(3);
    coordinate(b.x);
    out.Blanks(3);
    coordinate(b.y);
    out.EndLine();
  }
}

void RectangularBlock(RecordWriter& out, const PileSection& s, const CutSection& cs,
                      const SectionUnitLabels& u) {
  Heading(out, "Dimensions and Properties of Rectangular Concrete Pile:");
  LengthOfSection(out, s, cs.si);
  Item(out, "Depth of Section", s.depth, u.length);
  Item(out, "Width of Section", s.width, u.length);
  Item(out, "Number of Reinforcing Bars", cs.reinforcement.count, "");
  Item(out, "Yield Stress of Reinforcing Bars", cs.fy, u.stress);
  Item(out, "Modulus of Elasticity of Reinforcing Bars", cs.es, u.stress);
  Item(out, "Compressive Strength of Concrete", cs.concrete.fc, u.stress);
  Item(out, "Modulus of Rupture of Concrete", cs.cracking.fr, u.stress);
  Item(out, "Gross Area of Pile", cs.gross_area, u.area);
  Item(out, "Total Area of Reinforcing Steel", cs.bar_area, u.area);
  Item(out, "Area Ratio of Steel Reinforcement", Percent(cs.bar_area, cs.gross_area), " percent");
  if (s.bars.layout == BarLayout::kList) BarDetailsTable(out, s, u);
}

void DrilledShaftBlock(RecordWriter& out, const PileSection& s, const CutSection& cs,
                       const SectionUnitLabels& u) {
  Heading(out, "Dimensions and Properties of Drilled Shaft:");
  LengthOfSection(out, s, cs.si);
  Item(out, "Shaft Diameter ", s.depth, u.length);
  Item(out, "Concrete Cover Thickness", s.bars.cover, u.length);
  Item(out, "Number of Reinforcing Bars", cs.reinforcement.count, "");
  Item(out, "Yield Stress of Reinforcing Bars", cs.fy, u.stress);
  Item(out, "Modulus of Elasticity of Reinforcing Bars", cs.es, u.stress);
  Item(out, "Gross Area of Shaft", cs.gross_area, u.area);
  Item(out, "Total Area of Reinforcing Steel", cs.bar_area, u.area);
  out.Write("(A,T56,'= ',F15.2,A)", {"Area Ratio of Steel Reinforcement ",
                                     Percent(cs.bar_area, cs.gross_area), " percent"});
  if (OnCircle(s)) {
    Item(out, "Edge-to-Edge Bar Spacing", EdgeSpacing(s, cs), u.length);
    Item(out, "Rebar Offset", s.bars.offset, u.length);
  }
}

void CasedShaftBlock(RecordWriter& out, const PileSection& s, const CutSection& cs,
                     const SectionUnitLabels& u) {
  const double concrete = cs.gross_area - cs.casing_area - cs.bar_area;
  const double steel = cs.casing_area + cs.bar_area;
  Heading(out, "Dimensions and Properties of Drilled Shaft with Permanent Casing:");
  LengthOfSection(out, s, cs.si);
  Item(out, "Outer Diameter of Casing", s.depth, u.length);
  Item(out, "Concrete Cover Thickness Inside Casing", s.bars.cover, u.length);
  Item(out, "Casing Wall Thickness", s.casing_thickness, u.length);
  Item(out, "Yield Stress of Casing", cs.casing_fy, u.stress);
  Item(out, "Elastic Modulus of Casing", cs.casing_e, u.stress);
  Item(out, "Number of Reinforcing Bars", cs.reinforcement.count, "");
  if (OnCircle(s)) {
    Item(out, "Area of Single Reinforcing Bar", s.bars.area, u.area);
    Item(out, "Edge-to-Edge Bar Spacing", EdgeSpacing(s, cs), u.length);
    Item(out, "Rebar Offset", s.bars.offset, u.length);
  }
  Item(out, "Yield Stress of Reinforcing Bars", cs.fy, u.stress);
  Item(out, "Elastic Modulus of Reinforcing Bars", cs.es, u.stress);
  Item(out, "Area of Concrete", concrete, u.area);
  Item(out, "Cross-sectional Area of Steel Casing", cs.casing_area, u.area);
  Item(out, "Area of All Steel (Casing and Bars)", steel, u.area);
  Item(out, "Area Ratio of All Steel", Percent(steel, cs.gross_area), " percent");
}

void CasedShaftWithCoreBlock(RecordWriter& out, const PileSection& s, const CutSection& cs,
                             const SectionUnitLabels& u) {
  const double d = s.depth, di = d - 2.0 * s.casing_thickness;
  const double dc = s.core_diameter, dci = dc - 2.0 * s.core_thickness;
  const double steel = cs.casing_area + cs.core_area + cs.bar_area;
  const double concrete = cs.gross_area - steel - cs.void_area;
  Heading(out, s.core_filled
                   ? "Dimensions and Properties of Drilled Shaft with Casing and Filled Core:"
                   : "Dimensions and Properties of Drilled Shaft with Casing and Hollow Core:");
  LengthOfSection(out, s, cs.si);
  Item(out, "Outside Diameter of Casing", d, u.length);
  Item(out, "Concrete Cover Thickness Inside Casing", s.bars.cover, u.length);
  Item(out, "Casing Wall Thickness", s.casing_thickness, u.length);
  Item(out, "Moment of Inertia of Steel Casing", kPiOver64 * (d * d * d * d - di * di * di * di),
       u.inertia);
  Item(out, "Outside Diameter of Core", dc, u.length);
  Item(out, "Core Wall Thickness", s.core_thickness, u.length);
  Item(out, "Moment of Inertia of Steel Core",
       kPiOver64 * (dc * dc * dc * dc - dci * dci * dci * dci), u.inertia);
  Item(out, "Yield Stress of Casing and Core", cs.casing_fy, u.stress);
  Item(out, "Elastic Modulus of Casing and Core", cs.casing_e, u.stress);
  Item(out, "Number of Reinforcing Bars", cs.reinforcement.count, "");
  if (OnCircle(s)) Item(out, "Area of Single Reinforcing Bar", s.bars.area, u.area);
  Item(out, "Area of All Reinforcing Bars", cs.bar_area, u.area);
  if (OnCircle(s)) {
    Item(out, "Edge-to-Edge Bar Spacing", EdgeSpacing(s, cs), u.length);
    Item(out, "Rebar Offset", s.bars.offset, u.length);
  }
  Item(out, "Yield Stress of Reinforcing Bars", cs.fy, u.stress);
  Item(out, "Elastic Modulus of Reinforcing Bars", cs.es, u.stress);
  Item(out, "Area of Concrete", concrete, u.area);
  Item(out, "Cross-sectional Area of Steel Casing", cs.casing_area, u.area);
  Item(out, "Cross-sectional Area of Steel Core", cs.core_area, u.area);
  Item(out, "Area of All Steel (Casing, Core, and Bars)", steel, u.area);
  Item(out, "Area Ratio of All Steel", Percent(steel, cs.gross_area), " percent");
  out.Write("(A)", {s.core_filled ? "Note that the core is assumed to be filled with concrete"
                                  : "Note that the core is assumed to be void of concrete"});
}

void SteelPipeBlock(RecordWriter& out, const PileSection& s, const CutSection& cs,
                    const SectionUnitLabels& u) {
  const double d = s.depth, di = d - 2.0 * s.casing_thickness;
  const double inertia = kPiOver64 * (d * d * d * d - di * di * di * di);
  const double z = (d * d * d - di * di * di) / 6.0;
  Heading(out, "Dimensions and Properties of Steel Pipe Pile:");
  LengthOfSection(out, s, cs.si);
  Item(out, "Outer Diameter of Pipe", d, u.length);
  Item(out, "Pipe Wall Thickness", s.casing_thickness, u.length);
  Item(out, "Yield Stress of Pipe", cs.casing_fy, u.stress);
  Item(out, "Elastic Modulus", cs.casing_e, u.stress);
  Item(out, "Cross-sectional Area", kQuarterPi * (d * d - di * di), u.area);
  Item(out, "Moment of Inertia", inertia, u.inertia);
  // E I in the stiffness unit of the section table: lb-in^2 for USCS.
  Item(out, "Elastic Bending Stiffness", s.casing_e * inertia, u.stiffness);
  Item(out, "Plastic Modulus, Z", z, u.volume);
  Item(out, "Plastic Moment Capacity = Fy Z", cs.casing_fy * z, u.moment);
}

const char* StrandTypeText(int type) {
  static constexpr const char* kTexts[6] = {
      "=    PCI 250",          "=    PCI 270",          "=    PCI 300",
      "= Smooth 145 ksi bars", "= Smooth 160 ksi bars", "= Deformed bars (150-160 ksi)"};
  return kTexts[type < 0 || type > 5 ? 0 : type];
}

void StrandLawNote(RecordWriter& out, int type) {
  switch (type) {
    case 0:
      out.Write("(A)", {"Stress-Strain Curve for Reinforcement Defined Using PCI 250 Lo-lax "
                        "Equation"});
      out.Write("(A)", {"If eps > 0.008, fps = 248 - 0.058/(eps-0.006) < 0.98 fpu (ksi)"});
      return;
    case 1:
      out.Write("(A)", {"Stress-Strain Curve for Reinforcement Defined Using PCI 270 Lo-lax "
                        "Equation"});
      out.Write("(A)", {"If eps > 0.008 fpu = 268 - 0.075/(eps-0.0065) < 0.98 fpu (ksi)"});
      return;
    case 2:
      out.Write("(A)", {"Stress-Strain Curve for Reinforcement Defined Using Grade 300 Equation"});
      out.Write("(A)", {"If eps > 0.0088846 fpu = 300.0-(0.0835/(eps-0.0071))) < 300 (ksi)"});
      return;
    default:
      return;
  }
}

void PrestressedBlock(RecordWriter& out, const PileSection& s, const CutSection& cs,
                      const SectionUnitLabels& u) {
  const bool si = cs.si;
  auto dimension = [&](const char* label, double v) {
    out.Write("(A,T56,'= ',F10.3,A)", {label, v, u.length});
  };
  switch (s.type) {
    case kCircularPrestressed:
      Heading(out, "Dimensions and Properties of Circular Prestressed Pile:");
      LengthOfSection(out, s, si);
      dimension("Diameter", s.depth);
      break;
    case kCircularHollowPrestressed:
      Heading(out, "Dimensions and Properties of Hollow Core Circular Prestressed Pile:");
      LengthOfSection(out, s, si);
      dimension("Outside Diameter", s.depth);
      dimension("Inside Diameter", s.void_diameter);
      break;
    case kSquarePrestressed:
      Heading(out, "Dimensions of Square Prestressed Pile Section:");
      LengthOfSection(out, s, si);
      dimension("Pile Width", s.depth);
      dimension("Corner Chamfer", s.chamfer);
      break;
    case kSquareHollowPrestressed:
      Heading(out,
              "Dimensions and Properties of Square Prestressed Pile Section with Hollow Core:");
      LengthOfSection(out, s, si);
      dimension("Pile Width", s.depth);
      dimension("Corner Chamfer", s.chamfer);
      dimension("Inside Void Diameter", s.void_diameter);
      break;
    case kOctagonalPrestressed:
      Heading(out, "Dimensions and Properties of Octagonal Prestressed Pile:");
      LengthOfSection(out, s, si);
      dimension("Pile Width", s.depth);
      break;
    default:
      Heading(out,
              "Dimensions and Properties of Octagonal Prestressed Pile Section with Hollow "
              "Core:");
      LengthOfSection(out, s, si);
      dimension("Pile Width", s.depth);
      dimension("Inside Void Diameter", s.void_diameter);
      break;
  }
  const StrandBlock& st = s.strands;
  Heading(out, "Prestressing Strand Details:");
  out.Write("(A,T56,A)", {"Strand Type", StrandTypeText(st.type)});
  out.Write("(A,T56,'= ',F10.0,A)", {"Yield Stress, fpu", cs.fy, u.stress});
  StrandLawNote(out, st.type);
  out.Write("(A,T56,'= ',I10)", {"Number of Reinforcing Strands", cs.reinforcement.count});
  const double single = cs.reinforcement.count > 0 ? cs.reinforcement.bar[0].area : 0.0;
  const double cover = st.automatic ? st.cover : 0.0;
  if (si) {
    out.Write("(A,T56,'= ',F10.7,A)", {"Cross-sectional Area of Single Strand", single, u.area});
    out.Write("(A,T56,'= ',F10.5,A)", {"Concrete Cover Thickness Over Strands", cover, u.length});
  } else {
    out.Write("(A,T56,'= ',F10.3,A)", {"Cross-sectional Area of Single Strand", single, u.area});
    out.Write("(A,T56,'= ',F10.3,A)", {"Concrete Cover Thickness Over Strands", cover, u.length});
  }
  Heading(out, "Prestressing Strand Geometry:");
  out.Write("(A)", {"Strand     Diameter       Area            X             Y"});
  out.Write("(A)", {si ? "  No.        meters        sq. m.        meters        meters"
                       : "  No.        inches       sq. in.        inches        inches"});
  for (int i = 0; i < cs.reinforcement.count; ++i) {
    const RebarPoint& b = cs.reinforcement.bar[static_cast<std::size_t>(i)];
    if (si) {
      out.Write("(I4,4F14.6)", {i + 1, b.diameter, b.area, b.x, b.y});
    } else {
      out.Write("(I4,4F14.3)", {i + 1, b.diameter, b.area, b.x, b.y});
    }
  }
}

void PrestressBlock(RecordWriter& out, const CutSection& cs, const SectionUnitLabels& u) {
  const Prestress& p = cs.prestress;
  const std::string square = std::string(" Sq.") + u.length;
  Heading(out, "Computation of Loss of Prestress:");
  out.Write("(A,T56,'= ',F15.3,A)", {"Initial Prestressing Force", p.initial, u.force});
  out.Write("(A,T56,'= ',F15.3)", {"Fraction of Loss of Prestress", p.loss});
  out.Write("(A,T56,'= ',F15.3,A)", {"Effective Prestressing Force", p.effective, u.force});
  if (cs.si) {
    out.Write("(A,T56,'= ',F15.6,A)", {"Area of Concrete, Ac      ", p.concrete_area, square});
    out.Write("(A,T56,'= ',F15.6,A)", {"Area of Steel, As         ", p.steel_area, square});
  } else {
    out.Write("(A,T56,'= ',F15.3,A)", {"Area of Concrete, Ac      ", p.concrete_area, square});
    out.Write("(A,T56,'= ',F15.3,A)", {"Area of Steel, As         ", p.steel_area, square});
  }
  out.Write("(A,T56,'= ',F15.3,A)", {"Stress in Concrete After Losses, f_pc", p.fpc, u.stress});
  out.Write("(A,T56,'= ',F15.3,A)", {"Stress in Steel After Losses", p.fps, u.stress});
  out.Write("(A,T56,'= ',F15.7)", {"Compressive Strain in Concrete", p.eps_pc});
  out.Write("(A,T56,'= ',F15.7)", {"Tensile Strain in Steel  ", p.eps_pi});
  Heading(out, "Estimated Structural Capacities Computed Using PCI Equations:");
  out.Write("(A,T56,'= ',F15.3,A)",
            {"Nom. Axial Cap., Pn = (0.85 f'c - 0.60 f_pc) Ag", p.pn, u.force});
  out.Write("(A,T56,'= ',F15.3,A)",
            {"Unfac. Axial Load Cap. N  = (0.33 f'c - 0.27 f_pc) Ag", p.n, u.force});
  out.Write("(A,T56,'= ',F15.3,A)", {"Axial Capacity in Tension, Nt = As fpu", p.nt, u.force});
  const char* label = p.mn_factor == 0.32   ? "Nom. Moment Capacity, Mn = 0.32 D As fpu"
                      : p.mn_factor == 0.34 ? "Nom. Moment Capacity, Mn = 0.34 D As fpu"
                      : p.mn_factor == 0.37 ? "Nom. Moment Capacity, Mn = 0.37 D As fpu"
                                            : "Nom. Moment Capacity, Mn = 0.38 D As fpu";
  out.Write("(A,T56,'= ',F15.3,A)", {label, p.mn, u.moment});
  out.Write("()");
  out.Write("(A)",
            {"Note:  The above value of nominal moment capacity is based on equations that"});
  out.Write("(A)",
            {"assume a concrete compressive strength of 6,000 psi (41.4 MPa), a prestressing"});
  out.Write("(A)",
            {"level after losses of 700 psi (4.83 MPa), and an axial thrust loading of zero. "});
  out.Write("(A)",
            {"When different values for these factors are input, the estimated value of Mn "});
  out.Write("(A)",
            {"may differ greatly from the capacity computed by Tarvex and should be considered "});
  out.Write("(A)", {"only as an approximate check."});
}

// Axial capacity in compression, cracking load and tensile capacity.
void CapacityBlock(RecordWriter& out, const PileSection& s, const CutSection& cs,
                   const SectionUnitLabels& u) {
  Heading(out, "Axial Structural Capacities:");
  out.Write("(A,T56,'= ',F15.3,A)", {cs.pipe() ? "Nom. Axial Structural Capacity = Fy As"
                                               : "Nom. Axial Structural Capacity = 0.85 Fc Ac + "
                                                 "Fy As",
                                     cs.pn, u.force});
  if (!cs.pipe()) {
    out.Write("(A,T56,'= ',F15.3,A)", {"Tensile Load for Cracking of Concrete", cs.tcr, u.force});
  }
  out.Write("(A,T56,'= ',F15.3,A)", {"Nominal Axial Tensile Capacity  ", cs.nt, u.force});
  if (s.type == kDrilledShaft || s.type == kShaftWithCasing || s.type == kShaftWithCasingAndCore) {
    BarPositionsTable(out, cs, cs.si);
  }
}

void Item14(RecordWriter& out, std::string_view label, double v, std::string_view unit) {
  Item(out, label, v, unit, 14);
}

}  // namespace

const SectionUnitLabels& SectionLabels(bool si) { return si ? kSiLabels : kUscsLabels; }

void WriteSectionProperties(RecordWriter& out, const PileSection& s, const CutSection& cs) {
  const SectionUnitLabels& u = SectionLabels(cs.si);
  switch (s.type) {
    case kRectangularConcrete:
      RectangularBlock(out, s, cs, u);
      break;
    case kDrilledShaft:
      DrilledShaftBlock(out, s, cs, u);
      break;
    case kShaftWithCasing:
      CasedShaftBlock(out, s, cs, u);
      break;
    case kShaftWithCasingAndCore:
      CasedShaftWithCoreBlock(out, s, cs, u);
      break;
    case kSteelPipe:
      SteelPipeBlock(out, s, cs, u);
      break;
    default:
      PrestressedBlock(out, s, cs, u);
      PrestressBlock(out, cs, u);
      return;  // the PCI block gives the capacities of prestressed piles
  }
  CapacityBlock(out, s, cs, u);
}

void WriteConcreteProperties(RecordWriter& out, const PileSection& s, const CutSection& cs) {
  if (cs.pipe()) return;
  const SectionUnitLabels& u = SectionLabels(cs.si);
  Heading(out, "Concrete Properties:");
  Item14(out, "Compressive Strength of Concrete", cs.concrete.fc, u.stress);
  Item14(out, "Modulus of Elasticity of Concrete", cs.concrete.ec, u.stress);
  Item14(out,
         cs.strands() ? "Modulus of Rupture of Prestressed Concrete"
                      : "Modulus of Rupture of Concrete",
         cs.concrete.fr, u.stress);
  Item14(out, "Compression Strain at Peak Stress", cs.concrete.eps0, "");
  Item14(out, "Tensile Strain at Fracture of Concrete", cs.concrete.eps_cr, "");
  Item14(out, "Maximum Coarse Aggregate Size", s.concrete.aggregate, u.length);
}

void WriteThrustList(RecordWriter& out, bool si, bool ei_only, bool dropped, const double* thrusts,
                     int count) {
  const SectionUnitLabels& u = SectionLabels(si);
  out.Write("()");
  if (ei_only) {
    if (dropped) {
      out.Write("(A/)", {"The following computations were performed only for the axial thrust "
                         "values in the valid range."});
    }
    out.Write("(A)", {"Input Axial Thrust Forces:"});
    out.Write("(A/)", {"--------------------------"});
    out.Write("(A,I0/)",
              {"Number of Axial Thrust Force Values Determined from Input Data = ", count});
  } else {
    out.Write("(A,I0/)",
              {"Number of Axial Thrust Force Values Determined from Pile-head Loadings = ", count});
  }
  out.Write("(A)", {"   Number     Axial Thrust Force"});
  out.Write("(20X,A)", {u.force});
  out.Write("(A)", {"   ------     ------------------"});
  for (int t = 0; t < count; ++t) out.Write("(I7,9X,F12.3)", {t + 1, thrusts[t]});
}

void WriteRunMessageDefinitions(RecordWriter& out, const CutSection& cs) {
  out.Write("()");
  if (cs.pipe()) {
    out.Write("(A/)", {"Definition of Run Messages:"});
    out.Write("(A)", {"   Y = part of pipe section has yielded."});
    return;
  }
  out.Write("(A)", {"Definitions of Run Messages and Notes:"});
  out.Write("(A)", {std::string(38, '-')});
  out.Write("(A)", {"   C = concrete in section has cracked in tension."});
  out.Write("(A)", {"   Y = stress in reinforcing steel has reached yield stress."});
  out.Write("(A)",
            {"   T = ACI 318-08 criteria for tension-controlled section met, tensile strain in "});
  out.Write("(A)",
            {"       reinforcement exceeds 0.005 while simultaneously compressive strain in "});
  out.Write("(A)", {"       concrete more than than 0.003. See ACI 318-08, Section 10.3.4."});
  out.Write("(A)", {"   Z = depth of tensile zone in concrete section is less than 10 percent of "
                    "section depth."});
  out.Write("()");
  out.Write("(A)", {"Bending Stiffness (EI) = Computed Bending Moment / Curvature."});
  out.Write("(A)", {"Position of neutral axis is measured from edge of compression side of pile."});
  out.Write("(A)", {"Compressive stresses and strains are positive in sign."});
  out.Write("(A)", {"Tensile stresses and strains are negative in sign."});
}

void WriteThrustTable(RecordWriter& out, const CutSection& cs, const ThrustCurve& curve) {
  const double thrust = curve.thrust;
  const bool si = cs.si;
  const SectionUnitLabels& u = SectionLabels(si);
  out.Write("(//A,F10.3,A/)", {"Axial Thrust Force = ", thrust, u.force});
  if (cs.pipe()) {
    out.Write("(A)",
              {"    Bending       Bending       Bending       Depth to     Max Total    Run"});
    out.Write("(A)",
              {"   Curvature      Moment       Stiffness       N Axis        Stress     Msg"});
    out.Write("(A)",
              {si ? "     rad/m         kN-m          kN-m2           m            kPa          "
                  : "    rad/in.       in-kip        kip-in2          in           ksi          "});
    out.Write("(A)",
              {" ------------- ------------- ------------- ------------- -------------  ---"});
  } else {
    // Eight columns, then a casing column and a core column where the section has them.
    const bool casing = cs.kind == SectionKind::kCased || cs.kind == SectionKind::kCasedWithCore;
    const bool core = cs.kind == SectionKind::kCasedWithCore;
    std::string l1 =
        "    Bending       Bending       Bending       Depth to      Max Comp      "
        "Max Tens    Max Concrete   Max Steel  ";
    std::string l2 =
        "   Curvature      Moment       Stiffness       N Axis        Strain        "
        "Strain        Stress        Stress   ";
    std::string l3 = si ? "     rad/m         kN-m          kN-m2           m            m/m       "
                          "    m/m           kPa           kPa     "
                        : "    rad/in.       in-kip        kip-in2          in          in/in     "
                          "    in/in          ksi           ksi     ";
    std::string l4 =
        " ------------- ------------- ------------- ------------- ------------- "
        "------------- ------------- -------------";
    const char* unit = si ? "      kPa     " : "      ksi     ";
    if (casing) {
      l1 += "  Max Casing  ";
      l2 += "     Stress   ";
      l3 += unit;
      l4 += " -------------";
    }
    if (core) {
      l1 += "   Max Core   ";
      l2 += "     Stress   ";
      l3 += unit;
      l4 += " -------------";
    }
    l1 += "  Run";
    l2 += "  Msg";
    l3 += si ? "     " : "      ";
    l4 += si ? "  ---" : "  ---  ";
    for (const std::string* line : {&l1, &l2, &l3, &l4}) out.Write("(A)", {*line});
  }
  const bool casing = cs.kind == SectionKind::kCased || cs.kind == SectionKind::kCasedWithCore;
  const bool core = cs.kind == SectionKind::kCasedWithCore;
  for (const MomentCurvaturePoint& p : curve.points) {
    WriteAdaptive(out, 14, p.curvature);
    WriteAdaptive(out, 14, p.moment);
    WriteAdaptive(out, 14, p.ei);
    WriteAdaptive(out, 14, p.neutral_axis);
    if (cs.pipe()) {
      WriteAdaptive(out, 14, p.max_steel_stress);
    } else {
      WriteAdaptive(out, 14, p.max_compressive_strain);
      WriteAdaptive(out, 14, p.max_tensile_strain);
      WriteAdaptive(out, 14, p.max_concrete_stress);
      WriteAdaptive(out, 14, p.max_steel_stress);
      if (casing) WriteAdaptive(out, 14, p.max_casing_stress);
      if (core) WriteAdaptive(out, 14, p.max_core_stress);
    }
    out.Blanks(2);
    out.Text(p.flags);
    out.EndLine();
  }
}

void WriteFullCurveWarning(RecordWriter& out, int count) {
  out.Write("()");
  out.Write("(A,I0,A)", {"Warning: ", count, " values were calculated for moment-curvature."});
  out.Write("(A)", {"This usually indicates that the pile is too weak or is under-reinforced, "
                    "where all reinforcing steel has yielded."});
  out.Write("()");
  out.Write("(A)", {"The input data should be examined and the amount of steel reinforcement "
                    "should be increased if necessary."});
}

void WriteCapacitySummary(RecordWriter& out, int section, const CutSection& cs,
                          const double* thrusts, const double* capacities, int count) {
  const SectionUnitLabels& u = SectionLabels(cs.si);
  out.Write("()");
  out.Write("(A)", {std::string(80, '-')});
  out.Write("(3X,A,I0)",
            {"Summary of Results for Nominal (Unfactored) Moment Capacity for Section ", section});
  out.Write("(A)", {std::string(80, '-')});
  out.Write("()");
  if (!cs.pipe()) {
    out.Write("(A)", {"Moment values interpolated at maximum compressive strain = 0.003"});
    out.Write("(A)", {"or maximum developed moment if pile fails at smaller strains."});
    out.Write("()");
  }
  out.Write("(A)", {cs.pipe() ? " Load           Axial Thrust        Nominal Mom. Cap."
                              : " Load           Axial Thrust        Nominal Mom. Cap.      Max. "
                                "Comp."});
  if (cs.pipe()) {
    out.Write("(A,A,A,A)", {"  No.              ", u.force, "              ", u.moment});
    out.Write("(A)", {" ----         ----------------     ------------------"});
  } else {
    out.Write("(A,A,A,A,A)",
              {"  No.              ", u.force, "              ", u.moment, "              Strain"});
    out.Write("(A)", {" ----         ----------------     ------------------     ------------"});
  }
  for (int t = 0; t < count; ++t) {
    if (cs.pipe()) {
      out.Write("(I4,F22.3,F22.1)", {t + 1, thrusts[t], capacities[t]});
    } else {
      out.Write("(I4,F22.3,F22.3,F21.8)",
                {t + 1, thrusts[t], capacities[t], limit::kCapacityStrain});
    }
  }
  out.Write("()");
  if (cs.pipe()) {
    out.Write("(A)", {"Note that the values in the above table are not factored by a strength"});
    out.Write("(A)", {"reduction factor for LRFD."});
    out.Write("()");
    out.Write("(A)",
              {"The value of the strength reduction factor depends on the provisions of the "});
    out.Write("(A)", {"LRFD code being followed."});
    out.Write("()");
    out.Write("(A)",
              {"The above values should be multiplied by the appropriate strength reduction "});
    out.Write("(A)",
              {"factor to compute ultimate moment capacity according to the LRFD structural "});
    out.Write("(A)", {"design standard being followed."});
    return;
  }
  out.Write("(A)", {"Note note that the values of moment capacity in the table above are not "});
  out.Write("(A)", {"factored by a strength reduction factor (phi-factor)."});
  out.Write("()");
  out.Write("(A)",
            {"In ACI 318-08, the value of the strength reduction factor depends on whether "});
  out.Write("(A)", {"the transverse reinforcing steel bars are spirals or tied hoops."});
  out.Write("()");
  out.Write("(A)",
            {"The above values should be multiplied by the appropriate strength reduction "});
  out.Write("(A)",
            {"factor to compute ultimate moment capacity according to ACI 318-08, Section "});
  out.Write("(A)", {"9.3.2.2 or the value required by the design standard being followed."});
}

void WriteThrustCapacityError(RecordWriter& out, bool si, ErrorId id, int position, double thrust,
                              double capacity) {
  const SectionUnitLabels& u = SectionLabels(si);
  const bool compression =
      id == ErrorId::kThrustOverCompression || id == ErrorId::kLrfdThrustOverCompression;
  const bool lrfd_text = id != ErrorId::kThrustOverCompression;
  const bool factored =
      id == ErrorId::kLrfdThrustOverCompression || id == ErrorId::kLrfdThrustOverTension;
  out.Write("(//A/)", {ErrorHeading(id)});
  out.Write("(A,I0,A)", {lrfd_text ? "PROBLEM:  The axial thrust load for LRFD load case no. "
                                   : "PROBLEM:  The axial thrust load for load case no. ",
                         position,
                         compression ? " exceeds the axial structural capacity in compression."
                                     : " exceeds the axial structural capacity in tension."});
  const char* load = factored      ? "          Factored axial thrust load     = "
                     : compression ? "          Axial thrust load                  = "
                                   : "          Axial thrust load              = ";
  out.Write("(A,F15.3,A)", {load, thrust, u.force});
  out.Write("(A,F15.3,A/)", {compression ? "          Nominal axial compressive capacity = "
                                         : "          Nominal axial tensile capacity = ",
                             capacity, u.force});
  out.Write("(A/)", {"SOLUTION: Change the properties of the section to increase the axial "
                     "structural capacity."});
}

void WriteNoThrustInRangeError(RecordWriter& out, bool si, int n, const double* thrusts, int count,
                               double pn, double nt) {
  const SectionUnitLabels& u = SectionLabels(si);
  out.Write("(//A/)", {ErrorHeading(ErrorId::kNoThrustInRange)});
  out.Write("(A,I0,A)", {"PROBLEM:  No axial thrust of the input lies within the axial structural "
                         "capacities of section ",
                         n, ":"});
  out.Write("(A)", {"          its bending stiffness would be computed for no thrust at all."});
  for (int t = 0; t < count; ++t) {
    out.Write("(A,I3,A,F15.3,A)",
              {"          Axial thrust load", t + 1, "               = ", thrusts[t], u.force});
  }
  out.Write("(A,F15.3,A)", {"          Nominal axial compressive capacity = ", pn, u.force});
  out.Write("(A,F15.3,A/)", {"          Nominal axial tensile capacity     = ", nt, u.force});
  out.Write("(A)", {"SOLUTION: Give axial thrusts between the two capacities, or change the "
                    "properties of the"});
  out.Write("(A/)", {"          section to increase its axial structural capacity."});
}

void WriteNeutralAxisError(RecordWriter& out) {
  out.Write("(A/)", {ErrorHeading(ErrorId::kNeutralAxisNotFound)});
  out.Write("(A)", {"Location of neutral axis was not found within 1,000 iterations."});
}

void WritePrestressAreaError(RecordWriter& out, ErrorId id, double area) {
  out.Write("(//A/)", {ErrorHeading(id)});
  out.Write("(A)", {"An error occurred in prestressing computations"});
  out.Write("(A,F15.5)", {id == ErrorId::kConcreteAreaNegative
                              ? "The computed area of concrete in the section is less "
                                "than 0.0 = "
                              : "The computed area of steel in the section is less than "
                                "0.0 = ",
                          area});
}

}  // namespace tarvex
