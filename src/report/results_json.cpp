#include "report/results_json.hpp"

#include <cmath>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

namespace tarvex {
namespace {

// Objects keep their keys sorted (std::map): an object that kept the members'
// order took twice as long to write, and JSON readers take keys by name.
using Json = nlohmann::json;

// A number, or null for one that is not finite: JSON has no NaN or infinity.
Json Number(double v) { return std::isfinite(v) ? Json(v) : Json(nullptr); }

Json Numbers(const std::vector<double>& values) {
  Json a = Json::array();
  Json::array_t& items = a.get_ref<Json::array_t&>();
  items.reserve(values.size());
  for (double v : values) items.emplace_back(std::isfinite(v) ? Json(v) : Json(nullptr));
  return a;
}

Json Optional(const std::optional<double>& v) { return v ? Number(*v) : Json(nullptr); }

Json Texts(const std::vector<std::string>& lines) {
  Json a = Json::array();
  for (const std::string& line : lines) a.push_back(line);
  return a;
}

template <typename T, typename F>
Json ArrayOf(const std::vector<T>& items, F&& one) {
  Json a = Json::array();
  Json::array_t& elements = a.get_ref<Json::array_t&>();
  elements.reserve(items.size());
  for (const T& item : items) elements.push_back(one(item));
  return a;
}

const char* OutcomeName(Outcome o) {
  switch (o) {
    case Outcome::kNormal:
      return "normal";
    case Outcome::kWarnings:
      return "warnings";
    case Outcome::kInputError:
      return "input_error";
    case Outcome::kRuntimeError:
      return "runtime_error";
    case Outcome::kFilesUnusable:
      return "files_unusable";
    case Outcome::kInternalError:
      return "internal_error";
  }
  return "internal_error";
}

const char* StatusName(CaseStatus s) {
  return s == CaseStatus::kConverged ? "converged" : "not_converged";
}

const char* VerdictName(LrfdVerdict v) {
  switch (v) {
    case LrfdVerdict::kPass:
      return "pass";
    case LrfdVerdict::kFail:
      return "fail";
    case LrfdVerdict::kNotApplicable:
      break;
  }
  return "not_applicable";
}

Json ToJson(const Units& u) {
  Json j;
  j["system"] = u.system;
  j["length"] = u.length;
  j["force"] = u.force;
  j["moment"] = u.moment;
  j["force_per_length"] = u.force_per_length;
  j["stress"] = u.stress;
  j["flexural_rigidity"] = u.flexural_rigidity;
  j["rotational_stiffness"] = u.rotational_stiffness;
  j["section_force"] = u.section_force;
  j["section_moment"] = u.section_moment;
  j["section_rigidity"] = u.section_rigidity;
  j["curvature"] = u.curvature;
  return j;
}

Json ToJson(const Diagnostic& d) {
  Json j;
  j["identity"] = d.identity;
  j["code"] = d.code;
  j["number"] = d.number;
  j["kind"] = d.kind;
  j["message"] = Texts(d.message);
  j["file"] = d.file;
  j["line_number"] = d.line_number;
  j["line_text"] = d.line_text;
  j["advice"] = d.advice;
  return j;
}

Json ToJson(const WarningRecord& w) {
  Json j;
  j["number"] = w.number;
  j["load_case"] = w.load_case;
  j["count"] = w.count;
  j["text"] = Texts(w.text);
  return j;
}

Json ToJson(const SoilLayerInfo& l) {
  Json j;
  j["number"] = l.number;
  j["criterion"] = l.criterion;
  j["short_name"] = l.short_name;
  j["description"] = l.description;
  j["top"] = Number(l.top);
  j["bottom"] = Number(l.bottom);
  j["unit_weight_top"] = Number(l.unit_weight_top);
  j["unit_weight_bottom"] = Number(l.unit_weight_bottom);
  return j;
}

Json ToJson(const MomentCurvaturePoint& p) {
  Json j;
  j["curvature"] = Number(p.curvature);
  j["moment"] = Number(p.moment);
  j["ei"] = Number(p.ei);
  j["neutral_axis"] = Number(p.neutral_axis);
  j["max_compressive_strain"] = Number(p.max_compressive_strain);
  j["max_tensile_strain"] = Number(p.max_tensile_strain);
  j["max_concrete_stress"] = Number(p.max_concrete_stress);
  j["max_steel_stress"] = Number(p.max_steel_stress);
  j["max_casing_stress"] = Number(p.max_casing_stress);
  j["max_core_stress"] = Number(p.max_core_stress);
  j["flags"] = p.flags;
  return j;
}

Json ToJson(const ThrustCurve& t) {
  Json j;
  j["thrust"] = Number(t.thrust);
  j["nominal_moment_capacity"] = Number(t.nominal_moment_capacity);
  j["points"] = ArrayOf(t.points, [](const MomentCurvaturePoint& p) { return ToJson(p); });
  return j;
}

Json ToJson(const SectionResult& s) {
  Json j;
  j["number"] = s.number;
  j["type"] = s.type;
  j["type_name"] = s.type_name;
  j["top"] = Number(s.top);
  j["bottom"] = Number(s.bottom);
  j["length"] = Number(s.length);
  j["width"] = Number(s.width);
  j["area"] = Number(s.area);
  j["inertia"] = Number(s.inertia);
  j["flexural_rigidity"] = Number(s.flexural_rigidity);
  j["axial_capacity"] = Number(s.axial_capacity);
  j["tensile_capacity"] = Number(s.tensile_capacity);
  j["cracking_load"] = Number(s.cracking_load);
  j["thrusts"] = ArrayOf(s.thrusts, [](const ThrustCurve& t) { return ToJson(t); });
  return j;
}

Json ToJson(const NodeColumns& n) {
  Json j;
  j["depth"] = Numbers(n.depth);
  j["deflection"] = Numbers(n.deflection);
  j["slope"] = Numbers(n.slope);
  j["moment"] = Numbers(n.moment);
  j["shear"] = Numbers(n.shear);
  j["soil_reaction"] = Numbers(n.soil_reaction);
  j["es"] = Numbers(n.es);
  j["flexural_rigidity"] = Numbers(n.flexural_rigidity);
  j["stress"] = Numbers(n.stress);
  j["distributed_load"] = Numbers(n.distributed_load);
  return j;
}

Json ToJson(const LengthStudyRow& r) {
  Json j;
  j["length"] = Number(r.length);
  j["head_deflection"] = Number(r.head_deflection);
  j["head_shear"] = Number(r.head_shear);
  j["max_moment"] = Number(r.max_moment);
  j["max_shear"] = Number(r.max_shear);
  return j;
}

Json ToJson(const PileLengthStudy& study) {
  Json j;
  j["load_case"] = study.load_case;
  j["full_length"] = Number(study.full_length);
  j["lengths_analysed"] = study.lengths_analysed;
  j["ended_by"] = study.ended_by;
  j["rows"] = ArrayOf(study.rows, [](const LengthStudyRow& r) { return ToJson(r); });
  return j;
}

Json ToJson(const LoadCaseResult& c) {
  Json j;
  j["number"] = c.number;
  j["lrfd"] = c.lrfd;
  j["combination_name"] = c.combination_name;
  j["load_type"] = c.load_type;
  j["condition1"] = Number(c.condition1);
  j["condition2"] = Number(c.condition2);
  j["axial"] = Number(c.axial);
  j["head_shear"] = Number(c.head_shear);
  j["head_moment"] = Number(c.head_moment);
  j["head_deflection"] = Number(c.head_deflection);
  j["head_rotation"] = Number(c.head_rotation);
  j["max_moment"] = Number(c.max_moment);
  j["max_moment_depth"] = Number(c.max_moment_depth);
  j["max_shear"] = Number(c.max_shear);
  j["max_shear_depth"] = Number(c.max_shear_depth);
  j["max_stress"] = Number(c.max_stress);
  j["iterations"] = c.iterations;
  j["final_change"] = Number(c.final_change);
  j["zero_deflection_points"] = c.zero_deflection_points;
  j["status"] = StatusName(c.status);
  j["moment_imbalance"] = Number(c.moment_imbalance);
  j["force_imbalance"] = Number(c.force_imbalance);
  j["moment_imbalance_station"] = c.moment_imbalance_station;
  j["force_imbalance_station"] = c.force_imbalance_station;
  j["verified"] = c.verified;
  j["increment_length"] = Number(c.increment_length);
  j["section_max_moment"] = Numbers(c.section_max_moment);
  j["section_max_shear"] = Numbers(c.section_max_shear);
  j["nodes"] = ToJson(c.nodes);
  j["length_study"] = c.length_study ? ToJson(*c.length_study) : Json(nullptr);
  return j;
}

Json ToJson(const PyCurveResult& c) {
  Json j;
  j["number"] = c.number;
  j["depth"] = Number(c.depth);
  j["layer"] = c.layer;
  j["criterion"] = c.criterion;
  j["short_name"] = c.short_name;
  j["y"] = Numbers(c.y);
  j["p"] = Numbers(c.p);
  return j;
}

Json ToJson(const LrfdCheckRow& r) {
  Json j;
  j["combination"] = r.combination;
  j["section"] = r.section;
  j["name"] = r.name;
  j["resistance_factor"] = Number(r.resistance_factor);
  j["factored_capacity"] = Optional(r.factored_capacity);
  j["moment_developed"] = Number(r.moment_developed);
  j["fraction_mobilized"] = Optional(r.fraction_mobilized);
  j["verdict"] = VerdictName(r.verdict);
  j["max_shear"] = Number(r.max_shear);
  j["head_deflection"] = Number(r.head_deflection);
  j["head_rotation"] = Number(r.head_rotation);
  return j;
}

Json ToJson(const StiffnessRow& r) {
  Json j;
  j["shear_level"] = Number(r.shear_level);
  j["moment_level"] = Number(r.moment_level);
  j["deflection"] = Number(r.deflection);
  j["shear_reaction_1"] = Number(r.shear_reaction_1);
  j["moment_reaction_1"] = Number(r.moment_reaction_1);
  j["rotation"] = Number(r.rotation);
  j["shear_reaction_2"] = Number(r.shear_reaction_2);
  j["moment_reaction_2"] = Number(r.moment_reaction_2);
  j["k22"] = Number(r.k22);
  j["k23"] = Number(r.k23);
  j["k32"] = Number(r.k32);
  j["k33"] = Number(r.k33);
  return j;
}

Json ToJson(const HeadStiffnessStudy& study) {
  Json j;
  j["reference_shear"] = Number(study.reference_shear);
  j["reference_moment"] = Number(study.reference_moment);
  j["axial"] = Number(study.axial);
  j["cases_converged"] = study.cases_converged;
  j["complete"] = study.complete;
  j["ended_by"] = study.ended_by;
  j["rows"] = ArrayOf(study.rows, [](const StiffnessRow& row) { return ToJson(row); });
  return j;
}

Json ToJson(const RunResults& r) {
  Json j;
  j["format_version"] = r.format_version;
  j["engine_version"] = r.engine_version;
  j["result_code"] = r.result_code;
  j["outcome"] = OutcomeName(r.outcome);
  j["title"] = Texts(r.title);
  j["units"] = ToJson(r.units);
  j["run_kind"] = r.run_kind;
  j["lrfd"] = r.lrfd;
  j["pile_length"] = Number(r.pile_length);
  j["ground_depth"] = Number(r.ground_depth);
  j["layers"] = ArrayOf(r.layers, [](const SoilLayerInfo& l) { return ToJson(l); });
  j["sections"] = ArrayOf(r.sections, [](const SectionResult& s) { return ToJson(s); });
  j["py_curves"] = ArrayOf(r.py_curves, [](const PyCurveResult& c) { return ToJson(c); });
  j["cases"] = ArrayOf(r.cases, [](const LoadCaseResult& c) { return ToJson(c); });
  j["lrfd_check"] = ArrayOf(r.lrfd_check, [](const LrfdCheckRow& row) { return ToJson(row); });
  j["stiffness"] = r.stiffness ? ToJson(*r.stiffness) : Json(nullptr);
  j["warnings"] = ArrayOf(r.warnings, [](const WarningRecord& w) { return ToJson(w); });
  j["error"] = r.error ? ToJson(*r.error) : Json(nullptr);
  return j;
}

}  // namespace

std::string RenderResultsJson(const RunResults& results) {
  // Texts from the input file (the title, an input line) may hold bytes
  // that are not UTF-8: they are replaced rather than refused.
  std::string text = ToJson(results).dump(-1, ' ', false, Json::error_handler_t::replace);
  text.push_back('\n');
  return text;
}

}  // namespace tarvex
