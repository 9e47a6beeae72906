#include "report/results_csv.hpp"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/number_text.hpp"

namespace tarvex {
namespace {

void AppendHeader(std::string& text,
                  std::initializer_list<std::pair<const char*, std::string>> columns) {
  bool first = true;
  for (const auto& [name, unit] : columns) {
    if (!first) text.push_back(',');
    first = false;
    std::string heading = name;
    if (!unit.empty()) heading += " [" + unit + "]";
    AppendCsvText(text, heading);
  }
  text.push_back('\n');
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

std::string RenderCasesCsv(const RunResults& results) {
  const Units& u = results.units;
  std::string text;
  AppendHeader(text, {{"case", ""},
                      {"combination", ""},
                      {"load_type", ""},
                      {"axial", u.force},
                      {"head_shear", u.force},
                      {"head_moment", u.moment},
                      {"head_deflection", u.length},
                      {"head_rotation", "rad"},
                      {"max_moment", u.moment},
                      {"max_moment_depth", u.length},
                      {"max_shear", u.force},
                      {"max_shear_depth", u.length},
                      {"max_stress", u.stress},
                      {"iterations", ""},
                      {"status", ""}});
  for (const LoadCaseResult& c : results.cases) {
    text += std::to_string(c.number);
    text.push_back(',');
    AppendCsvText(text, c.combination_name);
    text += ',' + std::to_string(c.load_type);
    for (double v :
         {c.axial, c.head_shear, c.head_moment, c.head_deflection, c.head_rotation, c.max_moment,
          c.max_moment_depth, c.max_shear, c.max_shear_depth, c.max_stress}) {
      text.push_back(',');
      AppendCsvNumber(text, v);
    }
    text += ',' + std::to_string(c.iterations);
    text += c.status == CaseStatus::kConverged ? ",converged\n" : ",not_converged\n";
  }
  return text;
}

std::string RenderNodesCsv(const RunResults& results, const LoadCaseResult& load_case) {
  const Units& u = results.units;
  const NodeColumns& n = load_case.nodes;
  std::string text;
  AppendHeader(text, {{"node", ""},
                      {"depth", u.length},
                      {"deflection", u.length},
                      {"slope", "rad"},
                      {"moment", u.moment},
                      {"shear", u.force},
                      {"soil_reaction", u.force_per_length},
                      {"es", u.stress},
                      {"flexural_rigidity", u.flexural_rigidity},
                      {"stress", u.stress},
                      {"distributed_load", u.force_per_length}});
  const std::vector<double>* columns[] = {
      &n.depth, &n.deflection,        &n.slope,  &n.moment,          &n.shear, &n.soil_reaction,
      &n.es,    &n.flexural_rigidity, &n.stress, &n.distributed_load};
  for (std::size_t i = 0; i < n.depth.size(); ++i) {
    text += std::to_string(i + 1);
    for (const std::vector<double>* column : columns) {
      text.push_back(',');
      if (i < column->size()) AppendCsvNumber(text, (*column)[i]);
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

std::string RenderInteractionCsv(const RunResults& results) {
  const Units& u = results.units;
  std::string text;
  AppendHeader(text, {{"section", ""},
                      {"code", ""},
                      {"point", ""},
                      {"nominal_axial", u.force},
                      {"nominal_moment", u.moment},
                      {"factored_axial", u.force},
                      {"factored_moment", u.moment},
                      {"phi", ""}});
  for (const SectionResult& s : results.sections) {
    if (!s.interaction) continue;
    const InteractionResult& r = *s.interaction;
    for (std::size_t i = 0; i < r.nominal.size() && i < r.factored.size(); ++i) {
      text += std::to_string(s.number);
      text.push_back(',');
      AppendCsvText(text, r.code);
      text += ',' + std::to_string(i + 1);
      for (double v :
           {r.nominal[i].axial, r.nominal[i].moment, r.factored[i].axial, r.factored[i].moment}) {
        text.push_back(',');
        AppendCsvNumber(text, v);
      }
      text.push_back(',');
      if (i < r.phi.size()) AppendCsvNumber(text, r.phi[i]);
      text.push_back('\n');
    }
  }
  return text;
}

std::string RenderDemandsCsv(const RunResults& results) {
  const Units& u = results.units;
  std::string text;
  AppendHeader(text, {{"section", ""},
                      {"case", ""},
                      {"combination", ""},
                      {"factored", ""},
                      {"axial", u.force},
                      {"moment", u.moment},
                      {"utilisation", ""},
                      {"capacity_axial", u.force},
                      {"capacity_moment", u.moment},
                      {"passed", ""}});
  for (const SectionResult& s : results.sections) {
    if (!s.interaction) continue;
    for (const InteractionDemand& d : s.interaction->demands) {
      text += std::to_string(s.number) + ',' + std::to_string(d.load_case) + ',';
      AppendCsvText(text, d.name);
      text += d.factored ? ",yes," : ",no,";
      AppendCsvNumber(text, d.axial);
      text.push_back(',');
      AppendCsvNumber(text, d.moment);
      text.push_back(',');
      if (d.utilisation) AppendCsvNumber(text, *d.utilisation);
      text.push_back(',');
      if (d.utilisation) AppendCsvNumber(text, d.capacity.axial);
      text.push_back(',');
      if (d.utilisation) AppendCsvNumber(text, d.capacity.moment);
      text += d.passed ? ",yes\n" : ",no\n";
    }
  }
  return text;
}

}  // namespace tarvex
