#include "report/results_csv.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/number_text.hpp"

namespace tarvex {
namespace {

// Significant digits of a number shown in engineering units: the shears of
// the solution carry round-off of up to 5e-10 of the largest (at 500
// increments), so nine digits keep all an engineer can use and drop the
// noise of the last ones.
constexpr int kShownDigits = 9;

void AppendShownNumber(std::string& line, double v) {
  if (!std::isfinite(v)) return;
  if (v == 0.0) v = 0.0;  // no "-0"
  char buffer[32];
  const auto [end, ec] =
      NumberToChars(buffer, buffer + sizeof buffer, v, std::chars_format::general, kShownDigits);
  if (ec == std::errc()) line.append(buffer, end);
}

// The unit and conversion of the columns of one table: the engineering unit
// of the run's display table (unless the computing units are asked for, or
// the table lacks the kind), else the computing unit the results name.
class ColumnUnits {
 public:
  ColumnUnits(const RunResults& results, ShownUnits shown)
      : results_(results), engineering_(shown == ShownUnits::kEngineering) {}

  // The unit text of a kind of value ("" for a value without one).
  std::string Unit(std::string_view quantity) const {
    if (quantity.empty()) return "";
    if (const DisplayUnit* u = Display(quantity)) return u->unit;
    return ComputingUnit(results_.units, quantity);
  }

  // Appends a value as the column shows it: in engineering units converted,
  // 0 where it is round-off of `largest`, and in nine significant digits
  // (480 in is 40 ft, not 39.99999999999999); in computing units the
  // results' own number, to the last digit.
  void Append(std::string& text, std::string_view quantity, double v, double largest = 0.0) const {
    if (!engineering_) {
      AppendCsvNumber(text, v);
      return;
    }
    AppendShownNumber(text,
                      ShownValue(v, largest, results_.display_units.round_off, Display(quantity)));
  }

  // A number without a unit (a factor, a utilisation): as it is, in ten
  // significant digits in engineering units.
  void AppendPlain(std::string& text, double v) const {
    if (engineering_) {
      AppendShownNumber(text, v);
    } else {
      AppendCsvNumber(text, v);
    }
  }

 private:
  const DisplayUnit* Display(std::string_view quantity) const {
    return engineering_ ? FindDisplayUnit(results_.display_units, quantity) : nullptr;
  }

  const RunResults& results_;
  bool engineering_;
};

void AppendHeader(std::string& text, const ColumnUnits& units,
                  std::initializer_list<std::pair<const char*, const char*>> columns) {
  bool first = true;
  for (const auto& [name, quantity] : columns) {
    if (!first) text.push_back(',');
    first = false;
    std::string heading = name;
    const std::string unit = units.Unit(quantity);
    if (!unit.empty()) heading += " [" + unit + "]";
    AppendCsvText(text, heading);
  }
  text.push_back('\n');
}

double Largest(const std::vector<double>& values) {
  double largest = 0.0;
  for (double v : values) {
    if (std::isfinite(v)) largest = std::max(largest, std::fabs(v));
  }
  return largest;
}

// A name as input, without the blanks that fill its field.
std::string_view Trimmed(std::string_view name) {
  const auto end = name.find_last_not_of(' ');
  return end == std::string_view::npos ? std::string_view() : name.substr(0, end + 1);
}

void AppendOptional(std::string& text, const std::optional<double>& v, const ColumnUnits& units,
                    std::string_view quantity) {
  text.push_back(',');
  if (v) units.Append(text, quantity, *v);
}

}  // namespace

// The shortest text that reads back to the same double; an empty field for
// a number that is not finite (never part of a run that ended normally).
void AppendCsvNumber(std::string& line, double v) {
  if (!std::isfinite(v)) return;
  char buffer[32];
  const auto [end, ec] = NumberToChars(buffer, buffer + sizeof buffer, v);
  if (ec == std::errc()) line.append(buffer, end);
}

// A text field, quoted when it holds a comma, a quote or a line end.
void AppendCsvText(std::string& line, std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
    line.append(text);
    return;
  }
  line.push_back('"');
  for (char c : text) {
    if (c == '"') line.push_back('"');
    line.push_back(c);
  }
  line.push_back('"');
}

std::string RenderCasesCsv(const RunResults& results, ShownUnits shown) {
  const ColumnUnits u(results, shown);
  std::string text;
  AppendHeader(text, u,
               {{"case", ""},
                {"combination", ""},
                {"load_type", ""},
                {"axial", "force"},
                {"head_shear", "force"},
                {"head_moment", "moment"},
                {"head_deflection", "deflection"},
                {"head_rotation", "rotation"},
                {"max_moment", "moment"},
                {"max_moment_depth", "depth"},
                {"max_shear", "force"},
                {"max_shear_depth", "depth"},
                {"max_stress", "stress"},
                {"iterations", ""},
                {"status", ""},
                {"secant_lateral", "lateral_stiffness"},
                {"secant_rotational", "rotational_stiffness"},
                {"k22", "lateral_stiffness"},
                {"k23", "force_per_rotation"},
                {"k32", "moment_per_length"},
                {"k33", "rotational_stiffness"}});
  for (const LoadCaseResult& c : results.cases) {
    const NodeColumns& n = c.nodes;
    const double shear = std::max(Largest(n.shear), std::fabs(c.head_shear));
    const double moment = std::max(Largest(n.moment), std::fabs(c.head_moment));
    const double deflection = std::max(Largest(n.deflection), std::fabs(c.head_deflection));
    const double rotation = std::max(Largest(n.slope), std::fabs(c.head_rotation));
    text += std::to_string(c.number);
    text.push_back(',');
    AppendCsvText(text, c.combination_name);
    text += ',' + std::to_string(c.load_type);
    const std::pair<const char*, std::pair<double, double>> values[] = {
        {"force", {c.axial, 0.0}},
        {"force", {c.head_shear, shear}},
        {"moment", {c.head_moment, moment}},
        {"deflection", {c.head_deflection, deflection}},
        {"rotation", {c.head_rotation, rotation}},
        {"moment", {c.max_moment, moment}},
        {"depth", {c.max_moment_depth, 0.0}},
        {"force", {c.max_shear, shear}},
        {"depth", {c.max_shear_depth, 0.0}},
        {"stress", {c.max_stress, 0.0}},
    };
    for (const auto& [quantity, value] : values) {
      text.push_back(',');
      u.Append(text, quantity, value.first, value.second);
    }
    text += ',' + std::to_string(c.iterations);
    text += c.status == CaseStatus::kConverged ? ",converged" : ",not_converged";
    const HeadStiffness& k = c.head_stiffness;
    AppendOptional(text, k.secant.lateral, u, "lateral_stiffness");
    AppendOptional(text, k.secant.rotational, u, "rotational_stiffness");
    const char* tangent[2][2] = {{"lateral_stiffness", "force_per_rotation"},
                                 {"moment_per_length", "rotational_stiffness"}};
    for (int i = 0; i < 2; ++i) {
      for (int j = 0; j < 2; ++j) {
        std::optional<double> v;
        if (k.tangent) v = (*k.tangent)[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)];
        AppendOptional(text, v, u, tangent[i][j]);
      }
    }
    text.push_back('\n');
  }
  return text;
}

std::string RenderNodesCsv(const RunResults& results, const LoadCaseResult& load_case,
                           ShownUnits shown) {
  const ColumnUnits u(results, shown);
  const NodeColumns& n = load_case.nodes;
  std::string text;
  AppendHeader(text, u,
               {{"node", ""},
                {"depth", "depth"},
                {"deflection", "deflection"},
                {"slope", "rotation"},
                {"moment", "moment"},
                {"shear", "force"},
                {"soil_reaction", "force_per_length"},
                {"es", "modulus"},
                {"flexural_rigidity", "flexural_rigidity"},
                {"stress", "stress"},
                {"distributed_load", "force_per_length"}});
  const std::pair<const char*, const std::vector<double>*> columns[] = {
      {"depth", &n.depth},    {"deflection", &n.deflection},
      {"rotation", &n.slope}, {"moment", &n.moment},
      {"force", &n.shear},    {"force_per_length", &n.soil_reaction},
      {"modulus", &n.es},     {"flexural_rigidity", &n.flexural_rigidity},
      {"stress", &n.stress},  {"force_per_length", &n.distributed_load}};
  double largest[std::size(columns)] = {};
  for (std::size_t k = 0; k < std::size(columns); ++k) largest[k] = Largest(*columns[k].second);
  for (std::size_t i = 0; i < n.depth.size(); ++i) {
    text += std::to_string(i + 1);
    for (std::size_t k = 0; k < std::size(columns); ++k) {
      const std::vector<double>& column = *columns[k].second;
      text.push_back(',');
      if (i < column.size()) u.Append(text, columns[k].first, column[i], largest[k]);
    }
    text.push_back('\n');
  }
  return text;
}

bool HasInteraction(const RunResults& results) {
  for (const SectionResult& s : results.sections) {
    if (s.interaction) return true;
  }
  return false;
}

std::string RenderInteractionCsv(const RunResults& results, ShownUnits shown) {
  const ColumnUnits u(results, shown);
  std::string text;
  AppendHeader(text, u,
               {{"section", ""},
                {"code", ""},
                {"point", ""},
                {"nominal_axial", "force"},
                {"nominal_moment", "moment"},
                {"factored_axial", "force"},
                {"factored_moment", "moment"},
                {"phi", ""}});
  for (const SectionResult& s : results.sections) {
    if (!s.interaction) continue;
    const InteractionResult& r = *s.interaction;
    // Round-off of a diagram: against its largest axial force and moment.
    double axial = 0.0, moment = 0.0;
    for (const std::vector<InteractionPoint>* curve : {&r.nominal, &r.factored}) {
      for (const InteractionPoint& p : *curve) {
        axial = std::max(axial, std::fabs(p.axial));
        moment = std::max(moment, std::fabs(p.moment));
      }
    }
    for (std::size_t i = 0; i < r.nominal.size() && i < r.factored.size(); ++i) {
      text += std::to_string(s.number);
      text.push_back(',');
      AppendCsvText(text, r.code);
      text += ',' + std::to_string(i + 1);
      const std::pair<double, bool> values[] = {{r.nominal[i].axial, true},
                                                {r.nominal[i].moment, false},
                                                {r.factored[i].axial, true},
                                                {r.factored[i].moment, false}};
      for (const auto& [v, is_axial] : values) {
        text.push_back(',');
        u.Append(text, is_axial ? "force" : "moment", v, is_axial ? axial : moment);
      }
      text.push_back(',');
      if (i < r.phi.size()) u.AppendPlain(text, r.phi[i]);
      text.push_back('\n');
    }
  }
  return text;
}

std::string RenderDemandsCsv(const RunResults& results, ShownUnits shown) {
  const ColumnUnits u(results, shown);
  std::string text;
  AppendHeader(text, u,
               {{"section", ""},
                {"case", ""},
                {"combination", ""},
                {"factored", ""},
                {"axial", "force"},
                {"moment", "moment"},
                {"utilisation", ""},
                {"capacity_axial", "force"},
                {"capacity_moment", "moment"},
                {"passed", ""}});
  for (const SectionResult& s : results.sections) {
    if (!s.interaction) continue;
    for (const InteractionDemand& d : s.interaction->demands) {
      text += std::to_string(s.number) + ',' + std::to_string(d.load_case) + ',';
      AppendCsvText(text, d.name);
      text += d.factored ? ",yes," : ",no,";
      u.Append(text, "force", d.axial);
      text.push_back(',');
      u.Append(text, "moment", d.moment);
      text.push_back(',');
      if (d.utilisation) u.AppendPlain(text, *d.utilisation);
      text.push_back(',');
      if (d.utilisation) u.Append(text, "force", d.capacity.axial);
      text.push_back(',');
      if (d.utilisation) u.Append(text, "moment", d.capacity.moment);
      text += d.passed ? ",yes\n" : ",no\n";
    }
  }
  return text;
}

bool HasLoadCurves(const RunResults& results) {
  for (const LoadCaseResult& c : results.cases) {
    if (c.load_curve) return true;
  }
  return false;
}

std::string RenderLoadCurvesCsv(const RunResults& results, ShownUnits shown) {
  const ColumnUnits u(results, shown);
  std::string text;
  AppendHeader(text, u,
               {{"case", ""},
                {"level", ""},
                {"factor", ""},
                {"head_shear", "force"},
                {"head_moment", "moment"},
                {"head_deflection", "deflection"},
                {"head_rotation", "rotation"},
                {"max_moment", "moment"},
                {"max_moment_depth", "depth"},
                {"max_shear", "force"},
                {"iterations", ""},
                {"status", ""}});
  for (const LoadCaseResult& c : results.cases) {
    if (!c.load_curve) continue;
    const LoadCurve& curve = *c.load_curve;
    // Round-off of a level: against the largest of its kind along the curve
    // and along the pile under the case's whole load.
    const NodeColumns& n = c.nodes;
    double shear = Largest(n.shear), moment = Largest(n.moment);
    double deflection = Largest(n.deflection), rotation = Largest(n.slope);
    for (const LoadCurvePoint& p : curve.points) {
      shear = std::max({shear, std::fabs(p.head_shear), std::fabs(p.max_shear)});
      moment = std::max({moment, std::fabs(p.head_moment), std::fabs(p.max_moment)});
      deflection = std::max(deflection, std::fabs(p.head_deflection));
      rotation = std::max(rotation, std::fabs(p.head_rotation));
    }
    for (const LoadCurvePoint& p : curve.points) {
      text += std::to_string(c.number) + ',' + std::to_string(p.level) + ',';
      u.AppendPlain(text, p.factor);
      const std::pair<const char*, std::pair<double, double>> values[] = {
          {"force", {p.head_shear, shear}},
          {"moment", {p.head_moment, moment}},
          {"deflection", {p.head_deflection, deflection}},
          {"rotation", {p.head_rotation, rotation}},
          {"moment", {p.max_moment, moment}},
          {"depth", {p.max_moment_depth, 0.0}},
          {"force", {p.max_shear, shear}}};
      for (const auto& [quantity, value] : values) {
        text.push_back(',');
        u.Append(text, quantity, value.first, value.second);
      }
      text += ',' + std::to_string(p.iterations) + ",converged\n";
    }
    if (curve.failed_level > 0) {
      // The level that failed: no values, its error in the status.
      text += std::to_string(c.number) + ',' + std::to_string(curve.failed_level) + ',';
      u.AppendPlain(text, static_cast<double>(curve.failed_level) / curve.steps);
      text += ",,,,,,,,,";
      AppendCsvText(text, curve.failure ? curve.failure->identity : std::string("failed"));
      text.push_back('\n');
    }
  }
  return text;
}

std::string RenderLayersCsv(const RunResults& results, ShownUnits shown) {
  const ColumnUnits u(results, shown);
  std::string text;
  AppendHeader(text, u,
               {{"layer", ""},
                {"criterion", ""},
                {"description", ""},
                {"top", "depth"},
                {"bottom", "depth"},
                {"value", ""},
                {"unit", ""},
                {"at_top", ""},
                {"at_bottom", ""}});
  for (const SoilLayerInfo& l : results.layers) {
    for (const LayerValue& v : l.values) {
      text += std::to_string(l.number) + ',' + std::to_string(l.criterion) + ',';
      AppendCsvText(text, l.description);
      text.push_back(',');
      u.Append(text, "depth", l.top);
      text.push_back(',');
      u.Append(text, "depth", l.bottom);
      text.push_back(',');
      AppendCsvText(text, v.name);
      text.push_back(',');
      // A value of a kind of its own is converted by it; the others are
      // shown as held, in the unit the results name.
      const std::string unit = v.quantity.empty() ? "" : u.Unit(v.quantity);
      AppendCsvText(text, unit.empty() ? v.unit : unit);
      for (const double value : {v.top, v.bottom}) {
        text.push_back(',');
        if (unit.empty()) {
          u.AppendPlain(text, value);
        } else {
          u.Append(text, v.quantity, value);
        }
      }
      text.push_back('\n');
    }
  }
  return text;
}

std::string RenderLrfdGroupsCsv(const RunResults& results, ShownUnits shown) {
  const ColumnUnits u(results, shown);
  std::string text;
  AppendHeader(text, u,
               {{"row", ""},
                {"group", ""},
                {"type", ""},
                {"type_code", ""},
                {"groups", ""},
                {"horizontal", "force"},
                {"moment", "moment"},
                {"axial", "force"}});
  if (!results.lrfd_loading) return text;
  auto loads = [&](double horizontal, double moment, double axial) {
    u.Append(text, "force", horizontal);
    text.push_back(',');
    u.Append(text, "moment", moment);
    text.push_back(',');
    u.Append(text, "force", axial);
    text.push_back('\n');
  };
  for (const LrfdLoadGroup& g : results.lrfd_loading->groups) {
    text += "group," + std::to_string(g.number) + ',' + std::to_string(g.type) + ',';
    AppendCsvText(text, g.type_code);
    text += ",,";
    loads(g.horizontal, g.moment, g.axial);
  }
  for (const LrfdTypeTotal& t : results.lrfd_loading->type_totals) {
    text += "total,," + std::to_string(t.type) + ',';
    AppendCsvText(text, t.type_code);
    text += ',' + std::to_string(t.groups) + ',';
    loads(t.horizontal, t.moment, t.axial);
  }
  return text;
}

std::string RenderLrfdCombinationsCsv(const RunResults& results, ShownUnits shown) {
  const ColumnUnits u(results, shown);
  std::string text;
  if (!results.lrfd_loading) return text;
  const LrfdLoading& loading = *results.lrfd_loading;
  // The factor columns are named by the load types' codes, in type order.
  std::vector<std::string> codes;
  for (const LrfdTypeTotal& t : loading.type_totals) codes.push_back("factor_" + t.type_code);
  text += "combination,name";
  for (const std::string& code : codes) {
    text.push_back(',');
    AppendCsvText(text, code);
  }
  text.push_back(',');
  std::string rest;
  AppendHeader(rest, u,
               {{"phi_flexure", ""},
                {"phi_shear", ""},
                {"resistance_factor_flexure", ""},
                {"resistance_factor_shear", ""},
                {"horizontal", "force"},
                {"moment", "moment"},
                {"vertical", "force"},
                {"head_shear", "force"},
                {"head_axial", "force"},
                {"thrust_level", ""}});
  text += rest;
  for (const LrfdCombinationLoads& c : loading.combinations) {
    text += std::to_string(c.number) + ',';
    AppendCsvText(text, Trimmed(c.name));
    for (std::size_t k = 0; k < codes.size(); ++k) {
      text.push_back(',');
      if (k < c.factors.size()) u.AppendPlain(text, c.factors[k]);
    }
    for (const double f :
         {c.phi_flexure, c.phi_shear, c.resistance_factor_flexure, c.resistance_factor_shear}) {
      text.push_back(',');
      u.AppendPlain(text, f);
    }
    const std::pair<const char*, double> loads[] = {{"force", c.horizontal},
                                                    {"moment", c.moment},
                                                    {"force", c.vertical},
                                                    {"force", c.shear},
                                                    {"force", c.axial}};
    for (const auto& [quantity, v] : loads) {
      text.push_back(',');
      u.Append(text, quantity, v);
    }
    text += ',' + std::to_string(c.thrust) + '\n';
  }
  return text;
}

bool HasLrfdDistributedLoads(const RunResults& results) {
  for (const LoadCaseResult& c : results.cases) {
    if (!c.lrfd_distributed_loads.empty()) return true;
  }
  return false;
}

std::string RenderLrfdDistributedLoadsCsv(const RunResults& results, ShownUnits shown) {
  const ColumnUnits u(results, shown);
  std::string text;
  AppendHeader(text, u,
               {{"case", ""},
                {"combination", ""},
                {"type", ""},
                {"type_code", ""},
                {"depth", "depth"},
                {"load", "force_per_length"}});
  for (const LoadCaseResult& c : results.cases) {
    for (const LrfdDistributedLoads& t : c.lrfd_distributed_loads) {
      for (std::size_t k = 0; k < t.depth.size() && k < t.load.size(); ++k) {
        text += std::to_string(c.number) + ',';
        AppendCsvText(text, c.combination_name);
        text += ',' + std::to_string(t.type) + ',';
        AppendCsvText(text, t.type_code);
        text.push_back(',');
        u.Append(text, "depth", t.depth[k]);
        text.push_back(',');
        u.Append(text, "force_per_length", t.load[k]);
        text.push_back('\n');
      }
    }
  }
  return text;
}

}  // namespace tarvex
