#include "run_checks.hpp"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "core/input_model.hpp"
#include "format/run_output.hpp"
#include "input/input_file.hpp"
#include "input/reader.hpp"
#include "report/error_report.hpp"
#include "report/run_report.hpp"

namespace tarvex::fuzz {
namespace {

bool IsLetter(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }

std::string_view Trim(std::string_view s) {
  const std::size_t first = s.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

// "NaN", "Inf" or "Infinity" standing as a word of its own.
bool HasNonFiniteWord(std::string_view line) {
  for (std::string_view word : {"NaN", "Inf"}) {
    for (std::size_t at = line.find(word); at != std::string_view::npos;
         at = line.find(word, at + 1)) {
      if (at > 0 && IsLetter(line[at - 1])) continue;
      std::size_t end = at + word.size();
      if (word == "Inf" && line.substr(end, 5) == "inity") end += 5;
      if (end < line.size() && IsLetter(line[end])) continue;
      return true;
    }
  }
  return false;
}

// The run kind of the first plot record ("ICOM"), or 0 when there is none.
int RunKind(std::string_view plot) {
  const std::string first(plot.substr(0, plot.find('\n')));
  return first.find("Line 1 : ICOM") == std::string::npos ? 0 : std::atoi(first.c_str());
}

}  // namespace

std::string FindNonFiniteNumber(std::string_view text, std::string_view input) {
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = text.substr(start, end - start);
    start = end + 1;
    if (!HasNonFiniteWord(line)) continue;
    const std::string_view own = Trim(line);
    if (!own.empty() && input.find(own) != std::string_view::npos) continue;
    return std::string(line);
  }
  return {};
}

namespace {

bool Finite(double v) { return std::isfinite(v); }
bool Finite(const std::vector<double>& values) {
  for (double v : values) {
    if (!std::isfinite(v)) return false;
  }
  return true;
}

}  // namespace

std::string FindNonFiniteResult(const RunResults& r) {
  for (const SectionResult& s : r.sections) {
    for (const ThrustCurve& t : s.thrusts) {
      if (!Finite(t.thrust) || !Finite(t.nominal_moment_capacity)) {
        return "section " + std::to_string(s.number) + " thrust";
      }
      for (const MomentCurvaturePoint& p : t.points) {
        for (double v : {p.curvature, p.moment, p.ei, p.neutral_axis, p.max_compressive_strain,
                         p.max_tensile_strain, p.max_concrete_stress, p.max_steel_stress,
                         p.max_casing_stress, p.max_core_stress}) {
          if (!Finite(v)) return "section " + std::to_string(s.number) + " moment-curvature point";
        }
      }
    }
  }
  for (const PyCurveResult& c : r.py_curves) {
    if (!Finite(c.depth) || !Finite(c.y) || !Finite(c.p)) {
      return "p-y curve " + std::to_string(c.number);
    }
  }
  for (const LoadCaseResult& c : r.cases) {
    const NodeColumns& n = c.nodes;
    bool ok = Finite(c.section_max_moment) && Finite(c.section_max_shear);
    for (const std::vector<double>* column :
         {&n.depth, &n.deflection, &n.slope, &n.moment, &n.shear, &n.soil_reaction, &n.es,
          &n.flexural_rigidity, &n.stress, &n.distributed_load}) {
      ok = ok && Finite(*column);
    }
    for (double v : {c.condition1, c.condition2, c.axial, c.head_shear, c.head_moment,
                     c.head_deflection, c.head_rotation, c.max_moment, c.max_moment_depth,
                     c.max_shear, c.max_shear_depth, c.max_stress, c.final_change,
                     c.moment_imbalance, c.force_imbalance, c.increment_length}) {
      ok = ok && Finite(v);
    }
    if (!ok) return "load case " + std::to_string(c.number);
    if (c.length_study) {
      for (const LengthStudyRow& row : c.length_study->rows) {
        for (double v :
             {row.length, row.head_deflection, row.head_shear, row.max_moment, row.max_shear}) {
          if (!Finite(v)) return "pile-length study of load case " + std::to_string(c.number);
        }
      }
    }
  }
  if (r.stiffness) {
    for (const StiffnessRow& row : r.stiffness->rows) {
      for (double v : {row.shear_level, row.moment_level, row.deflection, row.shear_reaction_1,
                       row.moment_reaction_1, row.rotation, row.shear_reaction_2,
                       row.moment_reaction_2, row.k22, row.k23, row.k32, row.k33}) {
        if (!Finite(v)) return "pile-head stiffness study";
      }
    }
  }
  for (const LrfdCheckRow& row : r.lrfd_check) {
    for (double v : {row.resistance_factor, row.factored_capacity.value_or(0.0),
                     row.moment_developed, row.fraction_mobilized.value_or(0.0), row.max_shear,
                     row.head_deflection, row.head_rotation}) {
      if (!Finite(v)) return "LRFD check of combination " + std::to_string(row.combination);
    }
  }
  return {};
}

std::string CheckRun(int result, const RunOutcome& outcome, const RunTexts& texts) {
  const bool known = result == 0 || result == -300 || (result < 0 && result >= -4000) ||
                     (result >= 101 && result <= 299) || result == 999;
  if (!known) return "result code " + std::to_string(result) + " is none the host knows";
  if (result > 0) {
    // The error's lines, rendered again from its name and values in the
    // results, are the lines the run printed.
    if (!outcome.results.error) return {};
    const RenderedError again = RenderError(*outcome.results.error);
    if (!again.has_text) return {};
    if (texts.report.find(again.report) == std::string::npos) {
      return "the error " + outcome.results.error->name +
             " rendered from the results is not in the report:\n" + again.report;
    }
    if (texts.message.find(again.message) == std::string::npos) {
      return "the error " + outcome.results.error->name +
             " rendered from the results is not in the message file:\n" + again.message;
    }
    return {};
  }
  // A normal end (or warnings only) must rest on an analysis.
  const int kind = RunKind(texts.plot);
  if (kind == 3 && outcome.results.cases.empty()) {
    return "a pile analysis ended normally without analysing a load case";
  }
  if (kind == 2 &&
      texts.message.find("Completed computing nonlinear bending stiffness of section ") ==
          std::string::npos) {
    return "a bending-stiffness run ended normally without analysing a section";
  }
  // A section analysed for no thrust at all (every thrust beyond its
  // capacities) is no analysis either.
  if (kind == 2 &&
      texts.report.find("Number of Axial Thrust Force Values Determined from Input Data = 0\n") !=
          std::string::npos) {
    return "a bending-stiffness run ended normally with a section analysed for no thrust";
  }
  if (kind != 2 && kind != 3) {
    return "a run ended normally without the run kind in the plot file";
  }
  if (const std::string where = FindNonFiniteResult(outcome.results); !where.empty()) {
    return "a run ended normally with a value of its results that is not finite: " + where;
  }
  for (const auto& [name, text] :
       {std::pair{"report", &texts.report}, {"plot file", &texts.plot}}) {
    const std::string line = FindNonFiniteNumber(*text, texts.input);
    if (!line.empty()) {
      return std::string("a run ended normally with a number that is not finite in the ") + name +
             ": \"" + line + "\"";
    }
  }
  return {};
}

std::string CheckRenderedFiles(int result, const RunOutcome& outcome, const RunTexts& texts) {
  const bool normal = result <= 0;
  InputModel as_read;
  RunOutput reading;
  InputFile file;
  file.OpenText(texts.input);
  ReadInputData(file, outcome.results.files.input, as_read, reading);
  if (normal && reading.failed())
    return "the input of a run that ended normally does not read again";
  RunOutput rendered;
  if (!RenderRunFiles(outcome.results, reading.failed() ? nullptr : &as_read, rendered)) {
    if (normal) return "a run that ended normally does not render from its results";
    return {};  // an error after the echo: where it falls is the run's own
  }
  if (rendered.report.contents() != texts.report) {
    return "the report rendered from the results is not the run's report";
  }
  if (rendered.plot.contents() != texts.plot) {
    return "the plot file rendered from the results is not the run's plot file";
  }
  return {};
}

}  // namespace tarvex::fuzz
