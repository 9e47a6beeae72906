#include "pile/lrfd.hpp"

#include <cmath>
#include <string>

#include "core/distinct.hpp"
#include "pile/node_setup.hpp"

namespace tarvex {
namespace {

constexpr int kTypes = limits::kLrfdLoadTypes;

struct LoadTypeNames {
  const char* group;   // label in the table of load groups
  const char* totals;  // label in the table of totals
  const char* term;    // the term of the factored-load line
  const char* loads;   // name of the distributed loads, 30 characters
};

constexpr LoadTypeNames kNames[kTypes] = {
    {"Dead Load   (DL)", "Dead Loads   (DL)", "*DL", "Dead Loads                    "},
    {"Live Load   (LL)", "Live Loads   (LL)", "*LL", "Live Loads                    "},
    {"Earthquake  (EQ)", "Earthquake   (EQ)", "*EQ", "Earthquake Loads              "},
    {"Impact Load (IM)", "Impact Load  (IM)", "*IM", "Impact Loads                  "},
    {"Wind Load    (W)", "Wind Loads    (W)", "*W ", "Wind Loads                    "},
    {"Water Load  (HW)", "Water Loads  (HW)", "*HW", "Water Loads                   "},
    {"Ice Load   (Ice)", "Ice Loads   (Ice)", "*Ice", "Ice Loads                     "},
    {"Horiz. Soil (Hs)", "Horiz. Soil  (Hs)", "*Hs", "Horizontal Soil Pressures     "},
    {"Live Roof   (Lr)", "Live Roof    (Lr)", "*Lr", "Live Roof Loads               "},
    {"Rain Load   (Rn)", "Rain Loads   (Rn)", "*Rn", "Rain Loads                    "},
    {"Snow Load   (Sn)", "Snow Loads   (Sn)", "*Sn", "Snow Loads                    "},
    {"Temperature (Tm)", "Temperature  (Tm)", "*Tm", "Temperature Loads             "},
    {"Special     (Sp)", "Special      (Sp)", "*Sp", "Special Loads                 "},
};

constexpr std::size_t T(int t) { return static_cast<std::size_t>(t); }

void WriteGroups(const InputModel& m, bool si, RecordWriter& r) {
  r.Write("(///79('-')/18X,A/79('-')/)", {"Unfactored Loading Groups for LRFD Analysis"});
  r.Write("(A,I0/)", {"Number of Loading Groups = ", static_cast<int>(m.lrfd_groups.size())});
  r.Write("(A)", {"      Load                    Load                Horiz. Force               "
                  "Moment                Axial Force           Number of "});
  r.Write("(A)",
          {si ? "      Group                   Type                     kN                   "
                "  kN-m                     kN              Distrib. Lds. "
              : "      Group                   Type                     lbs                  "
                "inch-lbs                   lbs             Distrib. Lds. "});
  r.Write("(A)", {"-----------------      ------------------      ------------------      "
                  "------------------      ------------------      -------------"});
  for (std::size_t g = 0; g < m.lrfd_groups.size(); ++g) {
    const LrfdGroup& lg = m.lrfd_groups[g];
    r.Write("(I9,15X,A,3F24.2,I14)",
            {static_cast<int>(g) + 1, kNames[T(lg.type - 1)].group, lg.horizontal, lg.moment,
             lg.axial, static_cast<int>(lg.points.size())});
  }
  for (std::size_t g = 0; g < m.lrfd_groups.size(); ++g) {
    const LrfdGroup& lg = m.lrfd_groups[g];
    if (lg.points.empty()) continue;
    r.Write("(//A,I0,A,I0/)", {"Number of Distributed Loading Points Input for Load Group ",
                               static_cast<int>(g) + 1, " = ", static_cast<int>(lg.points.size())});
    r.Write("(A)", {"Point           Depth          Distributed Load"});
    r.Write("(A)", {si ? "                  m                kN/m      "
                       : "                  ft               lb/inch   "});
    r.Write("(A)", {"-----     ----------------     ----------------"});
    for (std::size_t k = 0; k < lg.points.size(); ++k) {
      r.Write("(I4,2F21.2)", {static_cast<int>(k) + 1, lg.points[k].depth, lg.points[k].load});
    }
  }
}

void WriteTotals(const InputModel& m, bool si, const int* count, const double* ht, const double* mt,
                 const double* vt, RecordWriter& r) {
  r.Write("(//A/A/)", {"Totals of Unfactored Loads by Load Type for LRFD Analyses:",
                       "----------------------------------------------------------"});
  r.Write("(A,I0/)",
          {"Number of Defined Unfactored Load Cases = ", static_cast<int>(m.lrfd_groups.size())});
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
  for (int t = 0; t < kTypes; ++t) {
    r.Write("(A,3F24.2,I12)", {kNames[T(t)].totals, ht[t], mt[t], vt[t], count[t]});
  }
  r.Write("(//)");
}

void WriteFactors(const InputModel& m, RecordWriter& r) {
  const std::string dashes(77, '-');
  r.Write("(A/A/A/)",
          {dashes, "     Load and Resistance Factors by Load Combinations for LRFD Analyses      ",
           dashes});
  r.Write("(A,I0/)", {"Number of Factored Load Combinations = ",
                      static_cast<int>(m.lrfd_combinations.size())});
  r.Write("(A/A/)",
          {"Summary of Load and Resistance Factors:", "---------------------------------------"});
  r.Write("(A)", {" No.    DL     LL     EQ     IM    Wind   Watr    Ice   Soil   Roof   Rain   "
                  "Snow   Temp   Spec   M RF   V RF   Name"});
  r.Write("(A)", {"----   ----   ----   ----   ----   ----   ----   ----   ----   ----   ----   "
                  "----   ----   ----   ----   ----   ---------------------"});
  for (std::size_t c = 0; c < m.lrfd_combinations.size(); ++c) {
    const LrfdCombination& lc = m.lrfd_combinations[c];
    r.Write("(I3,1X,$)", {static_cast<int>(c) + 1});
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

void WriteFactoredLoads(const InputModel& m, bool si, const double* h, const double* mo,
                        const double* v, RecordWriter& r) {
  r.Write("(///78('-')/18X,A/78('-')/)", {"Computed Factored Loads for LRFD Analyses"});
  for (std::size_t c = 0; c < m.lrfd_combinations.size(); ++c) {
    const LrfdCombination& lc = m.lrfd_combinations[c];
    r.Write("(A,I0)", {"Factored Load Combination No. ", static_cast<int>(c) + 1});
    r.Write("(A/)", {"---------------------------------"});
    r.Write("(A,A256/)", {"Load Combination Name = ", lc.name});
    r.Write("(A,F6.3)", {"Structural Resistance Factor for Flexure =",
                         EffectiveResistanceFactor(lc.phi_flexure)});
    r.Write("(A,F6.3/)", {"Structural Resistance Factor for Shear   =",
                          EffectiveResistanceFactor(lc.phi_shear)});
    r.Text("Factored Load = ");
    for (int t = 0; t < kTypes; ++t) {
      const double f = lc.factors[T(t)];
      if (!(f > 0.0)) continue;
      if (t > 0) r.Text(" +");
      r.Fixed(f, 5, 2);
      r.Text(kNames[T(t)].term);
    }
    r.Text(" ");
    r.EndLine();
    r.Write("()");
    r.Write("(A,F24.2,A)", {"Factored Horizontal Force = ", h[c], si ? " kN" : " lbs"});
    r.Write("(A,F24.2,A)", {"Factored Vertical Force   = ", v[c], si ? " kN" : " lbs"});
    r.Write("(A,F24.2,A/)", {"Factored Moment           = ", mo[c], si ? " kN-m" : " in-lbs"});
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
  for (std::size_t c = 0; c < m.lrfd_combinations.size(); ++c) {
    r.Write("(I9,7X,3F19.2,3X,A256)",
            {static_cast<int>(c) + 1, h[c], mo[c], v[c], m.lrfd_combinations[c].name});
  }
}

void WriteBatterTransform(const InputModel& m, const std::vector<LrfdFactoredLoad>& loads,
                          RecordWriter& r) {
  const double b = m.batter_angle;
  r.Write("(//A/A/)", {"Factored Loads Transformed for Pile Batter by Load Combination:",
                       "---------------------------------------------------------------"});
  r.Write("(A/A/)", {"Horizontal and vertical loads are transformed into transverse shear and "
                     "axial loads",
                     "using the following:"});
  r.Write("(A,F7.3,A/)", {"Pile PileBatter = ", b * 180.0 / 3.141592653589793, " degrees"});
  r.Write("(A/)", {"Transformation Matrix and Equations:"});
  r.Write("(A,F8.4,A,F8.4/)", {"   T(1,1) =  Cos(PileBatter) = ", std::cos(b),
                               "   T(1,2) = Sin(PileBatter) = ", std::sin(b)});
  r.Write("(A,F8.4,A,F8.4//)", {"   T(2,1) = -Sin(PileBatter) = ", -std::sin(b),
                                "   T(2,2) = Cos(PileBatter) = ", std::cos(b)});
  r.Write("(A)", {"   Shear Force = T(1,1) * Horiz. Force + T(1,2) * Vertical Force"});
  r.Write("(A//)", {"   Axial Force = T(2,1) * Horiz. Force + T(2,2) * Vertical Force"});
  r.Write("(A)", {"      Load             Factored           Factored          Factored"});
  r.Write("(A)",
          {"  Combination         Shear Force          Moment          Axial Force      Load "
           "Combination Name  "});
  r.Write("(A)", {"----------------   ----------------   ----------------   ----------------   "
                  "--------------------------------------------------------------"});
  for (std::size_t c = 0; c < m.lrfd_combinations.size(); ++c) {
    const LrfdFactoredLoad& f = loads[c];
    r.Write("(I9,7X,3F19.2,A256)",
            {static_cast<int>(c) + 1, f.shear, f.moment, f.axial, m.lrfd_combinations[c].name});
  }
}

}  // namespace

double EffectiveResistanceFactor(double phi) { return phi > 0.0 ? phi : 0.75; }

namespace {

// The factored moment capacity of section s for a combination (lb-in or
// kN-m), or a negative value for an elastic section, which has none.
double FactoredCapacity(const InputModel& input, const DerivedTables& tables, int s, double phi,
                        const LrfdFactoredLoad& load) {
  const PileSection& section = input.sections[static_cast<std::size_t>(s - 1)];
  if (section.type == kElastic) return -1.0;
  if (section.type == kElasticPlastic) return phi * section.elastic.top_mp;
  if (static_cast<std::size_t>(s) > tables.section_tables.size()) return 0.0;
  const auto& curves = tables.section_tables[static_cast<std::size_t>(s - 1)].curves;
  const double scale = input.options.units == UnitSystem::kUscs ? 1000.0 : 1.0;
  const int level = CurveLevel(curves, load.axial / scale);
  if (level < 0) return 0.0;
  return phi * curves[static_cast<std::size_t>(level)].nominal_moment;
}

}  // namespace

std::vector<LrfdCheckRow> CheckLrfdCombinations(const InputModel& input,
                                                const DerivedTables& tables,
                                                const std::vector<LoadCaseResult>& cases) {
  std::vector<LrfdCheckRow> rows;
  rows.reserve(cases.size() * input.sections.size());
  for (std::size_t c = 0; c < cases.size(); ++c) {
    const LoadCaseResult& result = cases[c];
    const LrfdCombination& lc = input.lrfd_combinations[c];
    const double phi = EffectiveResistanceFactor(lc.phi_flexure);
    for (int s = 1; s <= static_cast<int>(input.sections.size()); ++s) {
      const auto i = static_cast<std::size_t>(s - 1);
      LrfdCheckRow& row = rows.emplace_back();
      row.combination = static_cast<int>(c) + 1;
      row.section = s;
      row.name = result.combination_name;
      row.resistance_factor = phi;
      row.moment_developed = result.section_max_moment[i];
      const double capacity = FactoredCapacity(input, tables, s, phi, tables.lrfd_loads[c]);
      if (capacity < 0.0) {
        row.verdict = LrfdVerdict::kNotApplicable;
      } else {
        row.factored_capacity = capacity;
        row.fraction_mobilized = capacity > 0.0 ? row.moment_developed / capacity : 0.0;
        row.verdict = row.moment_developed <= capacity ? LrfdVerdict::kPass : LrfdVerdict::kFail;
      }
      row.max_shear = result.section_max_shear[i];
      row.head_deflection = result.head_deflection;
      row.head_rotation = result.head_rotation;
    }
  }
  return rows;
}

LrfdForms FormLrfdCombinations(const InputModel& m, RecordWriter& r) {
  const bool si = m.options.units == UnitSystem::kSi;
  int count[kTypes] = {};
  double ht[kTypes] = {}, mt[kTypes] = {}, vt[kTypes] = {};
  for (const LrfdGroup& g : m.lrfd_groups) {
    const int t = g.type - 1;
    ++count[t];
    ht[t] += g.horizontal;
    mt[t] += g.moment;
    vt[t] += g.axial;
  }
  const std::size_t n = m.lrfd_combinations.size();
  std::vector<double> h(n, 0.0), mo(n, 0.0), v(n, 0.0);
  for (std::size_t c = 0; c < n; ++c) {
    const auto& f = m.lrfd_combinations[c].factors;
    for (int t = 0; t < kTypes; ++t) {
      h[c] += f[T(t)] * ht[t];
      mo[c] += f[T(t)] * mt[t];
      v[c] += f[T(t)] * vt[t];
    }
  }
  const double b = m.batter_angle;
  const bool battered = std::fabs(b) > 1e-6;
  LrfdForms forms;
  forms.loads.assign(n, LrfdFactoredLoad{});
  for (std::size_t c = 0; c < n; ++c) {
    LrfdFactoredLoad& lc = forms.loads[c];
    lc.moment = mo[c];
    if (battered) {
      lc.shear = std::cos(b) * h[c] + std::sin(b) * v[c];
      lc.axial = -std::sin(b) * h[c] + std::cos(b) * v[c];
    } else {
      lc.shear = h[c];
      lc.axial = v[c];
    }
  }
  // The thrust levels: the distinct factored axial forces, ascending.
  std::vector<double>& thrusts = forms.thrusts;
  for (const LrfdFactoredLoad& lc : forms.loads) thrusts.push_back(lc.axial);
  KeepDistinctSorted(thrusts);
  for (LrfdFactoredLoad& lc : forms.loads) {
    for (std::size_t i = 0; i < thrusts.size(); ++i) {
      if (thrusts[i] == lc.axial) lc.thrust_index = static_cast<int>(i) + 1;
    }
  }

  WriteGroups(m, si, r);
  WriteTotals(m, si, count, ht, mt, vt, r);
  WriteFactors(m, r);
  WriteFactoredLoads(m, si, h.data(), mo.data(), v.data(), r);
  if (battered) WriteBatterTransform(m, forms.loads, r);
  r.Write("(//A/A//)", {"Sorted Values of Axial Thrust Forces Sorted for LRFD Computations:",
                        std::string(66, '-')});
  r.Write("(A,I0/)", {"Number of Unique Axial Thrust Values = ", static_cast<int>(thrusts.size())});
  r.Write("(A/A)", {"Number   Factored Axial Thrust", "------   ---------------------"});
  for (std::size_t i = 0; i < thrusts.size(); ++i) {
    r.Write("(I4,F16.3)", {static_cast<int>(i) + 1, thrusts[i]});
  }
  if (m.options.units == UnitSystem::kUscs) {
    for (double& t : thrusts) t /= 1000.0;  // section analysis works in kips
  }
  return forms;
}

void SetLrfdDistributedLoads(const InputModel& m, int c, CaseState& state, RecordWriter& r) {
  PileNodes& n = state.nodes;
  auto& loads = state.lrfd_type_loads;
  for (auto& type_loads : loads) type_loads.fill(0.0);
  for (const LrfdGroup& g : m.lrfd_groups) {
    if (g.points.empty()) continue;
    auto& type_loads = loads[T(g.type - 1)];
    for (int k = 1; k <= n.count; ++k) {
      const double x = n.x[PileNodes::At(k)];
      type_loads[PileNodes::At(k)] +=
          ProfileIntegral(g.points, std::max(0.0, x - n.h / 2.0), x + n.h / 2.0);
    }
  }
  for (auto& type_loads : loads) {
    for (int k = 1; k <= n.count; ++k) type_loads[PileNodes::At(k)] /= n.h;
  }

  const UnitLabels& labels = LabelsFor(m.options.units);
  r.Write("(//A/A/)",
          {"Distributed Lateral Loads for LRFD:", "-----------------------------------"});
  for (int t = 0; t < kTypes; ++t) {
    const auto& type_loads = loads[T(t)];
    bool any = false;
    for (int k = 1; k <= n.count && !any; ++k) any = type_loads[PileNodes::At(k)] != 0.0;
    if (!any) continue;
    r.Write("(/A,A/)",
            {"Sums of Distributed Lateral Load Per Unit Length due to ", kNames[T(t)].loads});
    r.Write("(A)", {"   Depth     Distributed Load"});
    r.Write("(T5,A,T19,A)", {labels.length, labels.force_per_length});
    r.Write("(A)", {"----------   ----------------"});
    for (int k = 1; k <= n.count; ++k) {
      const double w = type_loads[PileNodes::At(k)];
      if (w != 0.0) r.Write("(F10.2,3X,F10.2)", {n.x[PileNodes::At(k)], w});
    }
    r.Write("()");
  }

  const LrfdCombination& lc = m.lrfd_combinations[static_cast<std::size_t>(c - 1)];
  for (int k = 1; k <= n.count; ++k) {
    double w = 0.0;
    for (int t = 0; t < kTypes; ++t) w += lc.factors[T(t)] * loads[T(t)][PileNodes::At(k)];
    n.w[PileNodes::At(k)] = n.wbar[PileNodes::At(k)] = w;
  }
}

}  // namespace tarvex
