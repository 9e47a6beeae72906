#include "report/section_report.hpp"

#include <cmath>
#include <cstddef>
#include <string>

#include "format/number_fields.hpp"
#include "section/moment_curvature_solver.hpp"

namespace tarvex {
namespace {

// Unit labels of the section's blocks, 8 characters each.
struct SectionUnitLabels {
  const char* length;
  const char* stress;
  const char* force;
  const char* curvature;
  const char* moment;
  const char* area;
  const char* inertia;
  const char* stiffness;
  const char* volume;
};

constexpr SectionUnitLabels kUscsLabels{" in     ", " ksi    ", " kips   ", " rad/in ", " in-kip ",
                                        " sq. in.", " in^4   ", " lb-in^2", " in^3   "};
constexpr SectionUnitLabels kSiLabels{" m      ", " kPa    ", " kN     ", " rad/m  ", " kN-m   ",
                                      " sq. m  ", " m^4    ", " kN-m^2 ", " m^3    "};

const SectionUnitLabels& Labels(bool si) { return si ? kSiLabels : kUscsLabels; }

// The type code of a casing with a void core in the results.
constexpr int kVoidCoreType = -3;

bool Pipe(const SectionResult& r) { return r.type == kSteelPipe; }
bool WithCore(const SectionResult& r) {
  return r.type == kShaftWithCasingAndCore || r.type == kVoidCoreType;
}
bool Cased(const SectionResult& r) { return r.type == kShaftWithCasing || WithCore(r); }

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

void LengthOfSection(RecordWriter& out, const SectionResult& r, bool si) {
  out.Write("(A,T56,'= ',$)", {"Length of Section"});
  WriteAdaptive(out, 10, si ? r.length : r.length / 12.0);
  out.Text(si ? " m" : " ft");
  out.EndLine();
}

void BarDetailsTable(RecordWriter& out, const SectionDimensions& d, const SectionUnitLabels& u) {
  Heading(out, "Reinforcing Bar Details:");
  out.Write("(A)", {"   Bar              Bar           Bar Diam.        Bar Area          Bar X  "
                    "          Bar Y"});
  out.Write("(A,T31,A,T48,A,T65,A,T82,A)",
            {"  Number           Index", u.length, u.area, u.length, u.length});
  out.Write("(A)", {"  ------           -----          ---------        --------          -----  "
                    "          -----"});
  int number = 0;
  for (const ListedBar& b : d.listed_bars) {
    out.Write("(I5,I17,4(5X,F12.6))", {++number, b.index, b.diameter, b.area, b.x, b.y});
  }
}

void BarPositionsTable(RecordWriter& out, const SectionDimensions& d, bool si) {
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
  int number = 0;
  for (const SectionBar& b : d.bars) {
    WriteIntegerField(out, 7, ++number);
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

void RectangularBlock(RecordWriter& out, const SectionResult& r, bool si,
                      const SectionUnitLabels& u) {
  const SectionDimensions& d = *r.dimensions;
  Heading(out, "Dimensions and Properties of Rectangular Concrete Pile:");
  LengthOfSection(out, r, si);
  Item(out, "Depth of Section", d.depth, u.length);
  Item(out, "Width of Section", d.width, u.length);
  Item(out, "Number of Reinforcing Bars", d.bar_count, "");
  Item(out, "Yield Stress of Reinforcing Bars", d.bar_yield_stress, u.stress);
  Item(out, "Modulus of Elasticity of Reinforcing Bars", d.bar_modulus, u.stress);
  Item(out, "Compressive Strength of Concrete", r.concrete->compressive_strength, u.stress);
  Item(out, "Modulus of Rupture of Concrete", d.rupture_modulus, u.stress);
  Item(out, "Gross Area of Pile", d.gross_area, u.area);
  Item(out, "Total Area of Reinforcing Steel", d.bar_area, u.area);
  Item(out, "Area Ratio of Steel Reinforcement", d.steel_ratio_percent, " percent");
  if (!d.listed_bars.empty()) BarDetailsTable(out, d, u);
}

// Bars on a circle: the spacing of neighbouring bars and the rebar offset.
void CircleItems(RecordWriter& out, const SectionDimensions& d, const SectionUnitLabels& u) {
  if (!d.edge_spacing || !d.rebar_offset) return;
  Item(out, "Edge-to-Edge Bar Spacing", *d.edge_spacing, u.length);
  Item(out, "Rebar Offset", *d.rebar_offset, u.length);
}

void DrilledShaftBlock(RecordWriter& out, const SectionResult& r, bool si,
                       const SectionUnitLabels& u) {
  const SectionDimensions& d = *r.dimensions;
  Heading(out, "Dimensions and Properties of Drilled Shaft:");
  LengthOfSection(out, r, si);
  Item(out, "Shaft Diameter ", d.depth, u.length);
  Item(out, "Concrete Cover Thickness", d.cover, u.length);
  Item(out, "Number of Reinforcing Bars", d.bar_count, "");
  Item(out, "Yield Stress of Reinforcing Bars", d.bar_yield_stress, u.stress);
  Item(out, "Modulus of Elasticity of Reinforcing Bars", d.bar_modulus, u.stress);
  Item(out, "Gross Area of Shaft", d.gross_area, u.area);
  Item(out, "Total Area of Reinforcing Steel", d.bar_area, u.area);
  out.Write("(A,T56,'= ',F15.2,A)",
            {"Area Ratio of Steel Reinforcement ", d.steel_ratio_percent, " percent"});
  CircleItems(out, d, u);
}

void CasedShaftBlock(RecordWriter& out, const SectionResult& r, bool si,
                     const SectionUnitLabels& u) {
  const SectionDimensions& d = *r.dimensions;
  Heading(out, "Dimensions and Properties of Drilled Shaft with Permanent Casing:");
  LengthOfSection(out, r, si);
  Item(out, "Outer Diameter of Casing", d.depth, u.length);
  Item(out, "Concrete Cover Thickness Inside Casing", d.cover, u.length);
  Item(out, "Casing Wall Thickness", d.casing_thickness, u.length);
  Item(out, "Yield Stress of Casing", d.casing_yield_stress, u.stress);
  Item(out, "Elastic Modulus of Casing", d.casing_modulus, u.stress);
  Item(out, "Number of Reinforcing Bars", d.bar_count, "");
  if (d.single_bar_area) Item(out, "Area of Single Reinforcing Bar", *d.single_bar_area, u.area);
  CircleItems(out, d, u);
  Item(out, "Yield Stress of Reinforcing Bars", d.bar_yield_stress, u.stress);
  Item(out, "Elastic Modulus of Reinforcing Bars", d.bar_modulus, u.stress);
  Item(out, "Area of Concrete", d.concrete_area, u.area);
  Item(out, "Cross-sectional Area of Steel Casing", d.casing_area, u.area);
  Item(out, "Area of All Steel (Casing and Bars)", d.steel_area, u.area);
  Item(out, "Area Ratio of All Steel", d.steel_ratio_percent, " percent");
}

void CasedShaftWithCoreBlock(RecordWriter& out, const SectionResult& r, bool si,
                             const SectionUnitLabels& u) {
  const SectionDimensions& d = *r.dimensions;
  Heading(out, d.core_filled
                   ? "Dimensions and Properties of Drilled Shaft with Casing and Filled Core:"
                   : "Dimensions and Properties of Drilled Shaft with Casing and Hollow Core:");
  LengthOfSection(out, r, si);
  Item(out, "Outside Diameter of Casing", d.depth, u.length);
  Item(out, "Concrete Cover Thickness Inside Casing", d.cover, u.length);
  Item(out, "Casing Wall Thickness", d.casing_thickness, u.length);
  Item(out, "Moment of Inertia of Steel Casing", d.casing_inertia, u.inertia);
  Item(out, "Outside Diameter of Core", d.core_diameter, u.length);
  Item(out, "Core Wall Thickness", d.core_thickness, u.length);
  Item(out, "Moment of Inertia of Steel Core", d.core_inertia, u.inertia);
  Item(out, "Yield Stress of Casing and Core", d.casing_yield_stress, u.stress);
  Item(out, "Elastic Modulus of Casing and Core", d.casing_modulus, u.stress);
  Item(out, "Number of Reinforcing Bars", d.bar_count, "");
  if (d.single_bar_area) Item(out, "Area of Single Reinforcing Bar", *d.single_bar_area, u.area);
  Item(out, "Area of All Reinforcing Bars", d.bar_area, u.area);
  CircleItems(out, d, u);
  Item(out, "Yield Stress of Reinforcing Bars", d.bar_yield_stress, u.stress);
  Item(out, "Elastic Modulus of Reinforcing Bars", d.bar_modulus, u.stress);
  Item(out, "Area of Concrete", d.concrete_area, u.area);
  Item(out, "Cross-sectional Area of Steel Casing", d.casing_area, u.area);
  Item(out, "Cross-sectional Area of Steel Core", d.core_area, u.area);
  Item(out, "Area of All Steel (Casing, Core, and Bars)", d.steel_area, u.area);
  Item(out, "Area Ratio of All Steel", d.steel_ratio_percent, " percent");
  out.Write("(A)", {d.core_filled ? "Note that the core is assumed to be filled with concrete"
                                  : "Note that the core is assumed to be void of concrete"});
}

void SteelPipeBlock(RecordWriter& out, const SectionResult& r, bool si,
                    const SectionUnitLabels& u) {
  const SectionDimensions& d = *r.dimensions;
  Heading(out, "Dimensions and Properties of Steel Pipe Pile:");
  LengthOfSection(out, r, si);
  Item(out, "Outer Diameter of Pipe", d.depth, u.length);
  Item(out, "Pipe Wall Thickness", d.casing_thickness, u.length);
  Item(out, "Yield Stress of Pipe", d.casing_yield_stress, u.stress);
  Item(out, "Elastic Modulus", d.casing_modulus, u.stress);
  Item(out, "Cross-sectional Area", d.pipe_area, u.area);
  Item(out, "Moment of Inertia", d.pipe_inertia, u.inertia);
  // E I in the stiffness unit of the section table: lb-in^2 for USCS.
  Item(out, "Elastic Bending Stiffness", d.pipe_bending_stiffness, u.stiffness);
  Item(out, "Plastic Modulus, Z", d.plastic_modulus, u.volume);
  Item(out, "Plastic Moment Capacity = Fy Z", d.plastic_moment, u.moment);
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

void PrestressedBlock(RecordWriter& out, const SectionResult& r, bool si,
                      const SectionUnitLabels& u) {
  const SectionDimensions& d = *r.dimensions;
  const SectionPrestress& st = *r.prestress;
  auto dimension = [&](const char* label, double v) {
    out.Write("(A,T56,'= ',F10.3,A)", {label, v, u.length});
  };
  switch (r.type) {
    case kCircularPrestressed:
      Heading(out, "Dimensions and Properties of Circular Prestressed Pile:");
      LengthOfSection(out, r, si);
      dimension("Diameter", d.depth);
      break;
    case kCircularHollowPrestressed:
      Heading(out, "Dimensions and Properties of Hollow Core Circular Prestressed Pile:");
      LengthOfSection(out, r, si);
      dimension("Outside Diameter", d.depth);
      dimension("Inside Diameter", d.void_diameter);
      break;
    case kSquarePrestressed:
      Heading(out, "Dimensions of Square Prestressed Pile Section:");
      LengthOfSection(out, r, si);
      dimension("Pile Width", d.depth);
      dimension("Corner Chamfer", d.chamfer);
      break;
    case kSquareHollowPrestressed:
      Heading(out,
              "Dimensions and Properties of Square Prestressed Pile Section with Hollow Core:");
      LengthOfSection(out, r, si);
      dimension("Pile Width", d.depth);
      dimension("Corner Chamfer", d.chamfer);
      dimension("Inside Void Diameter", d.void_diameter);
      break;
    case kOctagonalPrestressed:
      Heading(out, "Dimensions and Properties of Octagonal Prestressed Pile:");
      LengthOfSection(out, r, si);
      dimension("Pile Width", d.depth);
      break;
    default:
      Heading(out,
              "Dimensions and Properties of Octagonal Prestressed Pile Section with Hollow "
              "Core:");
      LengthOfSection(out, r, si);
      dimension("Pile Width", d.depth);
      dimension("Inside Void Diameter", d.void_diameter);
      break;
  }
  Heading(out, "Prestressing Strand Details:");
  out.Write("(A,T56,A)", {"Strand Type", StrandTypeText(st.strand_type)});
  out.Write("(A,T56,'= ',F10.0,A)", {"Yield Stress, fpu", d.bar_yield_stress, u.stress});
  StrandLawNote(out, st.strand_type);
  out.Write("(A,T56,'= ',I10)", {"Number of Reinforcing Strands", d.bar_count});
  const double single = st.strand_area;
  const double cover = st.strand_cover;
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
  int number = 0;
  for (const SectionBar& b : d.bars) {
    ++number;
    if (si) {
      out.Write("(I4,4F14.6)", {number, b.diameter, b.area, b.x, b.y});
    } else {
      out.Write("(I4,4F14.3)", {number, b.diameter, b.area, b.x, b.y});
    }
  }
}

void PrestressBlock(RecordWriter& out, const SectionPrestress& p, bool si,
                    const SectionUnitLabels& u) {
  const std::string square = std::string(" Sq.") + u.length;
  Heading(out, "Computation of Loss of Prestress:");
  out.Write("(A,T56,'= ',F15.3,A)", {"Initial Prestressing Force", p.initial_force, u.force});
  out.Write("(A,T56,'= ',F15.3)", {"Fraction of Loss of Prestress", p.loss_fraction});
  out.Write("(A,T56,'= ',F15.3,A)", {"Effective Prestressing Force", p.effective_force, u.force});
  if (si) {
    out.Write("(A,T56,'= ',F15.6,A)", {"Area of Concrete, Ac      ", p.concrete_area, square});
    out.Write("(A,T56,'= ',F15.6,A)", {"Area of Steel, As         ", p.steel_area, square});
  } else {
    out.Write("(A,T56,'= ',F15.3,A)", {"Area of Concrete, Ac      ", p.concrete_area, square});
    out.Write("(A,T56,'= ',F15.3,A)", {"Area of Steel, As         ", p.steel_area, square});
  }
  out.Write("(A,T56,'= ',F15.3,A)",
            {"Stress in Concrete After Losses, f_pc", p.concrete_stress, u.stress});
  out.Write("(A,T56,'= ',F15.3,A)", {"Stress in Steel After Losses", p.steel_stress, u.stress});
  out.Write("(A,T56,'= ',F15.7)", {"Compressive Strain in Concrete", p.concrete_strain});
  out.Write("(A,T56,'= ',F15.7)", {"Tensile Strain in Steel  ", p.steel_strain});
  Heading(out, "Estimated Structural Capacities Computed Using PCI Equations:");
  out.Write("(A,T56,'= ',F15.3,A)",
            {"Nom. Axial Cap., Pn = (0.85 f'c - 0.60 f_pc) Ag", p.pci_axial_capacity, u.force});
  out.Write("(A,T56,'= ',F15.3,A)",
            {"Unfac. Axial Load Cap. N  = (0.33 f'c - 0.27 f_pc) Ag", p.pci_axial_load, u.force});
  out.Write("(A,T56,'= ',F15.3,A)",
            {"Axial Capacity in Tension, Nt = As fpu", p.pci_tensile_capacity, u.force});
  const char* label = p.pci_moment_factor == 0.32   ? "Nom. Moment Capacity, Mn = 0.32 D As fpu"
                      : p.pci_moment_factor == 0.34 ? "Nom. Moment Capacity, Mn = 0.34 D As fpu"
                      : p.pci_moment_factor == 0.37 ? "Nom. Moment Capacity, Mn = 0.37 D As fpu"
                                                    : "Nom. Moment Capacity, Mn = 0.38 D As fpu";
  out.Write("(A,T56,'= ',F15.3,A)", {label, p.pci_moment_capacity, u.moment});
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
void CapacityBlock(RecordWriter& out, const SectionResult& r, bool si, const SectionUnitLabels& u) {
  const bool pipe = r.type == kSteelPipe;
  Heading(out, "Axial Structural Capacities:");
  out.Write("(A,T56,'= ',F15.3,A)", {pipe ? "Nom. Axial Structural Capacity = Fy As"
                                          : "Nom. Axial Structural Capacity = 0.85 Fc Ac + "
                                            "Fy As",
                                     r.axial_capacity, u.force});
  if (!pipe) {
    out.Write("(A,T56,'= ',F15.3,A)",
              {"Tensile Load for Cracking of Concrete", r.cracking_load, u.force});
  }
  out.Write("(A,T56,'= ',F15.3,A)",
            {"Nominal Axial Tensile Capacity  ", r.tensile_capacity, u.force});
  if (r.type == kDrilledShaft || Cased(r)) BarPositionsTable(out, *r.dimensions, si);
}

void Item14(RecordWriter& out, std::string_view label, double v, std::string_view unit) {
  Item(out, label, v, unit, 14);
}

}  // namespace

void WriteSectionProperties(RecordWriter& out, bool si, const SectionResult& r) {
  if (!r.dimensions) return;
  const SectionUnitLabels& u = Labels(si);
  switch (r.type) {
    case kRectangularConcrete:
      RectangularBlock(out, r, si, u);
      break;
    case kDrilledShaft:
      DrilledShaftBlock(out, r, si, u);
      break;
    case kShaftWithCasing:
      CasedShaftBlock(out, r, si, u);
      break;
    case kShaftWithCasingAndCore:
    case kVoidCoreType:
      CasedShaftWithCoreBlock(out, r, si, u);
      break;
    case kSteelPipe:
      SteelPipeBlock(out, r, si, u);
      break;
    default:
      if (!r.prestress) return;
      PrestressedBlock(out, r, si, u);
      PrestressBlock(out, *r.prestress, si, u);
      return;  // the PCI block gives the capacities of prestressed piles
  }
  CapacityBlock(out, r, si, u);
}

void WriteConcreteProperties(RecordWriter& out, bool si, const SectionResult& r) {
  if (!r.concrete) return;
  const SectionConcrete& c = *r.concrete;
  const SectionUnitLabels& u = Labels(si);
  Heading(out, "Concrete Properties:");
  Item14(out, "Compressive Strength of Concrete", c.compressive_strength, u.stress);
  Item14(out, "Modulus of Elasticity of Concrete", c.elastic_modulus, u.stress);
  Item14(
      out,
      r.prestress ? "Modulus of Rupture of Prestressed Concrete" : "Modulus of Rupture of Concrete",
      c.rupture_modulus, u.stress);
  Item14(out, "Compression Strain at Peak Stress", c.peak_strain, "");
  Item14(out, "Tensile Strain at Fracture of Concrete", c.cracking_strain, "");
  Item14(out, "Maximum Coarse Aggregate Size", c.aggregate_size, u.length);
}

void WriteThrustList(RecordWriter& out, bool si, bool ei_only, const SectionResult& r) {
  const SectionUnitLabels& u = Labels(si);
  const bool dropped = r.thrusts_dropped;
  const int count = static_cast<int>(r.analysed_thrusts.size());
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
  int number = 0;
  for (double thrust : r.analysed_thrusts) out.Write("(I7,9X,F12.3)", {++number, thrust});
}

void WriteRunMessageDefinitions(RecordWriter& out, const SectionResult& r) {
  out.Write("()");
  if (Pipe(r)) {
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

void WriteThrustTable(RecordWriter& out, bool si, const SectionResult& r,
                      const ThrustCurve& curve) {
  const double thrust = curve.thrust;
  const SectionUnitLabels& u = Labels(si);
  out.Write("(//A,F10.3,A/)", {"Axial Thrust Force = ", thrust, u.force});
  if (Pipe(r)) {
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
    const bool casing = Cased(r);
    const bool core = WithCore(r);
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
  const bool casing = Cased(r);
  const bool core = WithCore(r);
  for (const MomentCurvaturePoint& p : curve.points) {
    WriteAdaptive(out, 14, p.curvature);
    WriteAdaptive(out, 14, p.moment);
    WriteAdaptive(out, 14, p.ei);
    WriteAdaptive(out, 14, p.neutral_axis);
    if (Pipe(r)) {
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

void WriteCapacitySummary(RecordWriter& out, bool si, const SectionResult& r) {
  const SectionUnitLabels& u = Labels(si);
  const int section = r.number;
  const bool pipe = Pipe(r);
  out.Write("()");
  out.Write("(A)", {std::string(80, '-')});
  out.Write("(3X,A,I0)",
            {"Summary of Results for Nominal (Unfactored) Moment Capacity for Section ", section});
  out.Write("(A)", {std::string(80, '-')});
  out.Write("()");
  if (!pipe) {
    out.Write("(A)", {"Moment values interpolated at maximum compressive strain = 0.003"});
    out.Write("(A)", {"or maximum developed moment if pile fails at smaller strains."});
    out.Write("()");
  }
  out.Write("(A)", {pipe ? " Load           Axial Thrust        Nominal Mom. Cap."
                         : " Load           Axial Thrust        Nominal Mom. Cap.      Max. "
                           "Comp."});
  if (pipe) {
    out.Write("(A,A,A,A)", {"  No.              ", u.force, "              ", u.moment});
    out.Write("(A)", {" ----         ----------------     ------------------"});
  } else {
    out.Write("(A,A,A,A,A)",
              {"  No.              ", u.force, "              ", u.moment, "              Strain"});
    out.Write("(A)", {" ----         ----------------     ------------------     ------------"});
  }
  int number = 0;
  for (const ThrustCurve& t : r.thrusts) {
    ++number;
    if (pipe) {
      out.Write("(I4,F22.3,F22.1)", {number, t.thrust, t.nominal_moment_capacity});
    } else {
      out.Write("(I4,F22.3,F22.3,F21.8)",
                {number, t.thrust, t.nominal_moment_capacity, limit::kCapacityStrain});
    }
  }
  out.Write("()");
  if (pipe) {
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

void WriteSectionsHeading(RecordWriter& out, const Options& options, int sections) {
  out.Write("(//80('-')/4X,A/80('-')/)",
            {"Computations of Nominal Moment Capacity and Nonlinear Bending Stiffness"});
  const char* source =
      options.interaction ? "Axial thrust force values were determined from input values"
      : options.lrfd      ? "Axial thrust force values were determined from LRFD load combinations"
                          : "Axial thrust force values were determined from pile-head loading "
                            "conditions";
  out.Write("(A/)", {source});
  out.Write("(A,I0/)", {"Number of Pile Sections Analyzed = ", sections});
}

void WriteSectionCountRecord(RecordWriter& plot, int sections) {
  plot.Write("(I5,75X,A)", {sections, "Line 2 : Total number of sections"});
}

void WriteSectionNumber(RecordWriter& out, int n) {
  out.Write("(A,I0,A/)", {"Pile Section No. ", n, ":"});
}

void WriteDerivedTablesNote(RecordWriter& out, const SectionResult& r) {
  switch (r.curves) {
    case SectionCurveSource::kElastic:
      out.Write("(A/)", {"Moment-Curvature properties derived from elastic section properties"});
      return;
    case SectionCurveSource::kElasticPlastic:
      out.Write("(A/)", {"Moment-curvature properties were derived from elastic-plastic "
                         "section properties"});
      return;
    case SectionCurveSource::kUserDefined:
      out.Write("(A,I0,A/)", {"Moment-Curvature properties for Section ", r.number,
                              " derived from input values for nonlinear M-EI properties"});
      return;
    case SectionCurveSource::kComputed:
      return;
  }
}

void WriteThrustCountRecord(RecordWriter& plot, const Options& options, const SectionResult& r) {
  if (r.number != 1) return;
  const char* line3 = "Line 3 : Total number of axial thrusts";
  std::size_t count = r.thrusts.size();
  switch (r.curves) {
    case SectionCurveSource::kComputed:
      count = r.analysed_thrusts.size();
      if (options.run_kind == RunKind::kBendingStiffnessOnly) {
        line3 = "Line 3 : Total number of axial thrusts for EI-only computations";
      } else if (options.lrfd) {
        line3 = "Line 3 : Total number of axial thrusts for LRFD";
      }
      break;
    case SectionCurveSource::kElastic:
      line3 = "Line 3 : Total number of axial thrusts for elastic section";
      break;
    case SectionCurveSource::kElasticPlastic:
      line3 = "Line 3 : Total number of axial thrusts for elastic-plastic section";
      break;
    case SectionCurveSource::kUserDefined:
      line3 = "Line 3 : Total number of axial thrusts for input M-EI section";
      break;
  }
  plot.Write("(I5,75X,A)", {static_cast<int>(count), line3});
}

void WriteSectionCurveRecords(RecordWriter& plot, bool si, const SectionResult& r) {
  const char* line4 = nullptr;
  const char* line5 = nullptr;
  switch (r.curves) {
    case SectionCurveSource::kComputed:
      line4 = si ? "Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kN), Nom. Moment Cap. (kN-m)"
                 : "Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. "
                   "(in-kips)";
      line5 = si ? "Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#="
                 : "Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=";
      break;
    case SectionCurveSource::kElastic:
      line4 = si ? "Line 4 : Num. Elas. M-EI-Crv Points, Axial Thrust Load (kN) , Nom. Moment "
                   "Cap. (kN-m) for linear EI pile at top of section"
                 : "Line 4 : Num. Elas. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment "
                   "Cap. (in-kips) for linear EI pile at top of section";
      line5 = si ? "Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#="
                 : "Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for "
                   "Sect#=";
      break;
    case SectionCurveSource::kElasticPlastic:
      line4 = si ? "Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kN), Nom. Moment Cap. "
                   "(kN-m) for elastic-plastic EI at top of section"
                 : "Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. "
                   "(in-kip) for elastic-plastic EI at top of section";
      line5 = si ? "Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#="
                 : "Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for "
                   "Sect#=";
      break;
    case SectionCurveSource::kUserDefined:
      line4 = si ? "Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kN), Nom. Moment Cap. "
                   "(kN-m) for input M-EI pile"
                 : "Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. "
                   "(in-kips) for input M-EI pile";
      line5 = "Line 5 : Moment, EI, Curvature for Sect#=";
      break;
  }
  for (std::size_t t = 0; t < r.thrusts.size(); ++t) {
    const ThrustCurve& c = r.thrusts[t];
    const int count = static_cast<int>(c.points.size());
    // The moment-curvature solution hands the pile solver its capacity in
    // lb-in in USCS runs; the record gives it back in in-kips by the same
    // product and quotient, so that its last digits are the solver's.
    const double capacity = r.curves == SectionCurveSource::kComputed && !si
                                ? c.nominal_moment_capacity * 1000.0 / 1000.0
                                : c.nominal_moment_capacity;
    plot.Write("(I5,10X,2E15.7,T81,A)", {count, c.thrust, capacity, line4});
    for (int k = 0; k < count; ++k) {
      const MomentCurvaturePoint& p = c.points[static_cast<std::size_t>(k)];
      plot.Write("(3E15.7,T81,A,I0,A,I0,A,I0)",
                 {p.moment, p.ei, p.curvature, line5, r.number, ", AxLd#=", static_cast<int>(t) + 1,
                  ", CurvPnt#=", k + 1});
    }
  }
}

SectionReport::SectionReport(RecordWriter& report, RecordWriter& plot, const Options& options)
    : report_(report),
      plot_(plot),
      options_(options),
      si_(options.units == UnitSystem::kSi),
      ei_only_(options.run_kind == RunKind::kBendingStiffnessOnly) {}

void SectionReport::TablesDerived(const SectionResult& result) {
  WriteDerivedTablesNote(report_, result);
}

void SectionReport::Prepared(const SectionResult& result) {
  WriteSectionProperties(report_, si_, result);
  WriteConcreteProperties(report_, si_, result);
}

void SectionReport::ThrustsChosen(const SectionResult& result) {
  WriteThrustList(report_, si_, ei_only_, result);
  WriteRunMessageDefinitions(report_, result);
  WriteThrustCountRecord(plot_, options_, result);
}

void SectionReport::ThrustSolved(const SectionResult& result, const ThrustCurve& curve) {
  WriteThrustTable(report_, si_, result, curve);
  if (curve.full_curve) WriteFullCurveWarning(report_, static_cast<int>(curve.points.size()));
}

void SectionReport::AllThrustsSolved(const SectionResult& result) {
  WriteCapacitySummary(report_, si_, result);
}

void SectionReport::CurvesKept(const SectionResult& result) {
  if (result.curves != SectionCurveSource::kComputed) {
    WriteThrustCountRecord(plot_, options_, result);
  }
  WriteSectionCurveRecords(plot_, si_, result);
}

}  // namespace tarvex
