#include "report/lrfd_report.hpp"

#include <cstddef>
#include <string>
#include <vector>

#include "core/limits.hpp"

namespace tarvex {
namespace {

constexpr int kTypes = limits::kLrfdLoadTypes;

struct LoadTypeLabels {
  const char* group;   // label in the table of load groups
  const char* totals;  // label in the table of totals
  const char* term;    // the term of the factored-load line
};

constexpr LoadTypeLabels kLabels[kTypes] = {
    {"Dead Load   (DL)", "Dead Loads   (DL)", "*DL"},
    {"Live Load   (LL)", "Live Loads   (LL)", "*LL"},
    {"Earthquake  (EQ)", "Earthquake   (EQ)", "*EQ"},
    {"Impact Load (IM)", "Impact Load  (IM)", "*IM"},
    {"Wind Load    (W)", "Wind Loads    (W)", "*W "},
    {"Water Load  (HW)", "Water Loads  (HW)", "*HW"},
    {"Ice Load   (Ice)", "Ice Loads   (Ice)", "*Ice"},
    {"Horiz. Soil (Hs)", "Horiz. Soil  (Hs)", "*Hs"},
    {"Live Roof   (Lr)", "Live Roof    (Lr)", "*Lr"},
    {"Rain Load   (Rn)", "Rain Loads   (Rn)", "*Rn"},
    {"Snow Load   (Sn)", "Snow Loads   (Sn)", "*Sn"},
    {"Temperature (Tm)", "Temperature  (Tm)", "*Tm"},
    {"Special     (Sp)", "Special      (Sp)", "*Sp"},
};

// The name of each load type's distributed loads, 30 characters.
constexpr const char* kLoadNames[kTypes] = {
    "Dead Loads                    ", "Live Loads                    ",
    "Earthquake Loads              ", "Impact Loads                  ",
    "Wind Loads                    ", "Water Loads                   ",
    "Ice Loads                     ", "Horizontal Soil Pressures     ",
    "Live Roof Loads               ", "Rain Loads                    ",
    "Snow Loads                    ", "Temperature Loads             ",
    "Special Loads                 ",
};

const LoadTypeLabels& Labels(int type) { return kLabels[static_cast<std::size_t>(type - 1)]; }

void WriteGroups(const std::vector<LrfdLoadGroup>& groups, bool si, RecordWriter& r) {
  r.Write("(///79('-')/18X,A/79('-')/)", {"Unfactored Loading Groups for LRFD Analysis"});
  r.Write("(A,I0/)", {"Number of Loading Groups = ", static_cast<int>(groups.size())});
  r.Write("(A)", {"      Load                    Load                Horiz. Force               "
                  "Moment                Axial Force           Number of "});
  r.Write("(A)",
          {si ? "      Group                   Type                     kN                   "
                "  kN-m                     kN              Distrib. Lds. "
              : "      Group                   Type                     lbs                  "
                "inch-lbs                   lbs             Distrib. Lds. "});
  r.Write("(A)", {"-----------------      ------------------      ------------------      "
                  "------------------      ------------------      -------------"});
  for (const LrfdLoadGroup& g : groups) {
    r.Write("(I9,15X,A,3F24.2,I14)", {g.number, Labels(g.type).group, g.horizontal, g.moment,
                                      g.axial, static_cast<int>(g.points.size())});
  }
  for (const LrfdLoadGroup& g : groups) {
    if (g.points.empty()) continue;
    r.Write("(//A,I0,A,I0/)", {"Number of Distributed Loading Points Input for Load Group ",
                               g.number, " = ", static_cast<int>(g.points.size())});
    r.Write("(A)", {"Point           Depth          Distributed Load"});
    r.Write("(A)", {si ? "                  m                kN/m      "
                       : "                  ft               lb/inch   "});
    r.Write("(A)", {"-----     ----------------     ----------------"});
    for (std::size_t k = 0; k < g.points.size(); ++k) {
      r.Write("(I4,2F21.2)", {static_cast<int>(k) + 1, g.points[k].depth, g.points[k].load});
    }
  }
}

void WriteTotals(const LrfdLoading& loading, bool si, RecordWriter& r) {
  r.Write("(//A/A/)", {"Totals of Unfactored Loads by Load Type for LRFD Analyses:",
                       "----------------------------------------------------------"});
  r.Write("(A,I0/)",
          {"Number of Defined Unfactored Load Cases = ", static_cast<int>(loading.groups.size())});
  r.Write("(A/)",
          {"The following table presents the sum of unfactored pile-head loads for each load "
           "type."});
  r.Write("(A)",
          {"      Load                Horiz. Force               Moment                Axial "
           "Force           Number of "});
  r.Write("(A)",
          {si ? "      Type                     Kn                     Kn-M                  "
                "   kN                  Loads   "
              : "      Type                     lbs                  inch-lbs                "
                "   lbs                 Loads   "});
  r.Write("(A)", {"-----------------      ------------------      ------------------      "
                  "------------------      ------------"});
  for (const LrfdTypeTotal& t : loading.type_totals) {
    r.Write("(A,3F24.2,I12)", {Labels(t.type).totals, t.horizontal, t.moment, t.axial, t.groups});
  }
  r.Write("(//)");
}

void WriteFactors(const std::vector<LrfdCombinationLoads>& combinations, RecordWriter& r) {
  const std::string dashes(77, '-');
  r.Write("(A/A/A/)",
          {dashes, "     Load and Resistance Factors by Load Combinations for LRFD Analyses      ",
           dashes});
  r.Write("(A,I0/)",
          {"Number of Factored Load Combinations = ", static_cast<int>(combinations.size())});
  r.Write("(A/A/)",
          {"Summary of Load and Resistance Factors:", "---------------------------------------"});
  r.Write("(A)", {" No.    DL     LL     EQ     IM    Wind   Watr    Ice   Soil   Roof   Rain   "
                  "Snow   Temp   Spec   M RF   V RF   Name"});
  r.Write("(A)", {"----   ----   ----   ----   ----   ----   ----   ----   ----   ----   ----   "
                  "----   ----   ----   ----   ----   ---------------------"});
  for (const LrfdCombinationLoads& lc : combinations) {
    r.Write("(I3,1X,$)", {lc.number});
    for (double f : lc.factors) {
      if (f > 0.0) {
        r.Fixed(f, 7, 2);
      } else {
        r.Text("    -- ");
      }
    }
    r.Write("(2F7.2,3X,A)", {lc.phi_flexure, lc.phi_shear, lc.name});
  }
}

void WriteFactoredLoads(const std::vector<LrfdCombinationLoads>& combinations, bool si,
                        RecordWriter& r) {
  r.Write("(///78('-')/18X,A/78('-')/)", {"Computed Factored Loads for LRFD Analyses"});
  for (const LrfdCombinationLoads& lc : combinations) {
    r.Write("(A,I0)", {"Factored Load Combination No. ", lc.number});
    r.Write("(A/)", {"---------------------------------"});
    r.Write("(A,A256/)", {"Load Combination Name = ", lc.name});
    r.Write("(A,F6.3)",
            {"Structural Resistance Factor for Flexure =", lc.resistance_factor_flexure});
    r.Write("(A,F6.3/)",
            {"Structural Resistance Factor for Shear   =", lc.resistance_factor_shear});
    r.Text("Factored Load = ");
    for (std::size_t t = 0; t < lc.factors.size(); ++t) {
      const double f = lc.factors[t];
      if (!(f > 0.0)) continue;
      if (t > 0) r.Text(" +");
      r.Fixed(f, 5, 2);
      r.Text(kLabels[t].term);
    }
    r.Text(" ");
    r.EndLine();
    r.Write("()");
    r.Write("(A,F24.2,A)", {"Factored Horizontal Force = ", lc.horizontal, si ? " kN" : " lbs"});
    r.Write("(A,F24.2,A)", {"Factored Vertical Force   = ", lc.vertical, si ? " kN" : " lbs"});
    r.Write("(A,F24.2,A/)", {"Factored Moment           = ", lc.moment, si ? " kN-m" : " in-lbs"});
  }
  r.Write("(/A/A//)", {"Totals of Factored Loads by Load Combination:",
                       "---------------------------------------------"});
  r.Write("(A)", {"      Load             Factored           Factored           Factored      "});
  r.Write("(A)",
          {"   Combination       Horiz. Force          Moment           Vert. Force     Load "
           "Combination Name  "});
  r.Write("(A)",
          {si ? "     Number               kN                kN-m                kN         "
              : "     Number               lbs              in-lbs               lbs        "});
  r.Write("(A)", {"----------------   ----------------   ----------------   ----------------   "
                  "--------------------------------------------------------------"});
  for (const LrfdCombinationLoads& lc : combinations) {
    r.Write("(I9,7X,3F19.2,3X,A256)", {lc.number, lc.horizontal, lc.moment, lc.vertical, lc.name});
  }
}

void WriteBatterTransform(const LrfdBatterTransform& batter,
                          const std::vector<LrfdCombinationLoads>& combinations, RecordWriter& r) {
  r.Write("(//A/A/)", {"Factored Loads Transformed for Pile Batter by Load Combination:",
                       "---------------------------------------------------------------"});
  r.Write("(A/A/)", {"Horizontal and vertical loads are transformed into transverse shear and "
                     "axial loads",
                     "using the following:"});
  r.Write("(A,F7.3,A/)", {"Pile PileBatter = ", batter.batter_degrees, " degrees"});
  r.Write("(A/)", {"Transformation Matrix and Equations:"});
  r.Write("(A,F8.4,A,F8.4/)", {"   T(1,1) =  Cos(PileBatter) = ", batter.cos_batter,
                               "   T(1,2) = Sin(PileBatter) = ", batter.sin_batter});
  r.Write("(A,F8.4,A,F8.4//)", {"   T(2,1) = -Sin(PileBatter) = ", -batter.sin_batter,
                                "   T(2,2) = Cos(PileBatter) = ", batter.cos_batter});
  r.Write("(A)", {"   Shear Force = T(1,1) * Horiz. Force + T(1,2) * Vertical Force"});
  r.Write("(A//)", {"   Axial Force = T(2,1) * Horiz. Force + T(2,2) * Vertical Force"});
  r.Write("(A)", {"      Load             Factored           Factored          Factored"});
  r.Write("(A)",
          {"  Combination         Shear Force          Moment          Axial Force      Load "
           "Combination Name  "});
  r.Write("(A)", {"----------------   ----------------   ----------------   ----------------   "
                  "--------------------------------------------------------------"});
  for (const LrfdCombinationLoads& lc : combinations) {
    r.Write("(I9,7X,3F19.2,A256)", {lc.number, lc.shear, lc.moment, lc.axial, lc.name});
  }
}

}  // namespace

void WriteLrfdLoading(UnitSystem units, const LrfdLoading& loading, RecordWriter& r) {
  const bool si = units == UnitSystem::kSi;
  WriteGroups(loading.groups, si, r);
  WriteTotals(loading, si, r);
  WriteFactors(loading.combinations, r);
  WriteFactoredLoads(loading.combinations, si, r);
  if (loading.batter) WriteBatterTransform(*loading.batter, loading.combinations, r);
  r.Write("(//A/A//)", {"Sorted Values of Axial Thrust Forces Sorted for LRFD Computations:",
                        std::string(66, '-')});
  r.Write("(A,I0/)",
          {"Number of Unique Axial Thrust Values = ", static_cast<int>(loading.thrusts.size())});
  r.Write("(A/A)", {"Number   Factored Axial Thrust", "------   ---------------------"});
  for (std::size_t i = 0; i < loading.thrusts.size(); ++i) {
    r.Write("(I4,F16.3)", {static_cast<int>(i) + 1, loading.thrusts[i]});
  }
}

void WriteLrfdDistributedLoads(UnitSystem units, const std::vector<LrfdDistributedLoads>& loads,
                               RecordWriter& r) {
  const UnitLabels& labels = LabelsFor(units);
  r.Write("(//A/A/)",
          {"Distributed Lateral Loads for LRFD:", "-----------------------------------"});
  for (const LrfdDistributedLoads& type : loads) {
    r.Write("(/A,A/)", {"Sums of Distributed Lateral Load Per Unit Length due to ",
                        kLoadNames[static_cast<std::size_t>(type.type - 1)]});
    r.Write("(A)", {"   Depth     Distributed Load"});
    r.Write("(T5,A,T19,A)", {labels.length, labels.force_per_length});
    r.Write("(A)", {"----------   ----------------"});
    for (std::size_t k = 0; k < type.depth.size(); ++k) {
      r.Write("(F10.2,3X,F10.2)", {type.depth[k], type.load[k]});
    }
    r.Write("()");
  }
}

}  // namespace tarvex
