// The results file: the document written in one pass by the streaming
// writer is held to the one the nlohmann tree of values gave before it, for
// every example and for results made to hold every kind of value (absent and
// not finite numbers, the studies, an error, texts to escape and bytes that
// are not UTF-8): equal as JSON values, of the same JSON types, doubles equal
// bit for bit, and the keys of every object in alphabetical order.
#include "json/results_json.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <limits>
#include <nlohmann/json.hpp>
#include <optional>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "core/diagnostics.hpp"
#include "support/test_support.hpp"
#include "tarvex/engine.hpp"

namespace tarvex {
namespace {

// The tree of values the results file was built from before it was written
// in one pass: objects with their keys sorted, dumped by nlohmann.
namespace tree {

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
  j["name"] = d.name;
  j["code"] = d.code;
  j["number"] = d.number;
  j["kind"] = d.kind;
  j["message"] = Texts(d.message);
  j["file"] = d.file;
  j["line_number"] = d.line_number;
  j["line_text"] = d.line_text;
  j["advice"] = d.advice;
  Json values = Json::array();
  for (const DiagnosticValue& v : d.values) {
    Json one;
    one["name"] = v.name;
    one["unit"] = v.unit;
    if (v.text.empty()) {
      one["value"] = v.value;
    } else {
      one["value"] = v.text;
    }
    values.push_back(one);
  }
  j["values"] = values;
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
  j["family"] = l.family;
  j["top"] = Number(l.top);
  j["bottom"] = Number(l.bottom);
  j["unit_weight_top"] = Number(l.unit_weight_top);
  j["unit_weight_bottom"] = Number(l.unit_weight_bottom);
  j["default_k_above_water_table"] = l.default_k_above_water_table;
  j["values"] = ArrayOf(l.values, [](const LayerValue& v) {
    Json one;
    one["name"] = v.name;
    one["top"] = Number(v.top);
    one["bottom"] = Number(v.bottom);
    one["unit"] = v.unit;
    one["quantity"] = v.quantity;
    return one;
  });
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
  j["full_curve"] = t.full_curve;
  return j;
}

Json ToJson(const InteractionPoint& p) {
  Json j;
  j["axial"] = Number(p.axial);
  j["moment"] = Number(p.moment);
  return j;
}

Json ToJson(const std::optional<InteractionPoint>& p) { return p ? ToJson(*p) : Json(nullptr); }

Json ToJson(const InteractionDemand& d) {
  Json j;
  j["load_case"] = d.load_case;
  j["name"] = d.name;
  j["factored"] = d.factored;
  j["axial"] = Number(d.axial);
  j["moment"] = Number(d.moment);
  j["utilisation"] = Optional(d.utilisation);
  j["capacity"] = ToJson(d.capacity);
  j["passed"] = d.passed;
  return j;
}

Json ToJson(const InteractionResult& r) {
  Json j;
  j["code"] = r.code;
  j["standard"] = r.standard;
  j["method"] = r.method;
  j["covered"] = r.covered;
  j["note"] = r.note;
  j["transverse"] = r.transverse;
  j["transverse_source"] = r.transverse_source;
  j["prestressed"] = r.prestressed;
  j["symmetric"] = r.symmetric;
  j["nominal"] = ArrayOf(r.nominal, [](const InteractionPoint& p) { return ToJson(p); });
  j["factored"] = ArrayOf(r.factored, [](const InteractionPoint& p) { return ToJson(p); });
  j["phi"] = Numbers(r.phi);
  j["balanced"] = ToJson(r.balanced);
  j["balanced_factored"] = ToJson(r.balanced_factored);
  j["pure_compression"] = Number(r.pure_compression);
  j["pure_tension"] = Number(r.pure_tension);
  j["max_compression"] = Number(r.max_compression);
  j["max_tension"] = Number(r.max_tension);
  j["gamma_c"] = Optional(r.gamma_c);
  j["gamma_s"] = Optional(r.gamma_s);
  j["alpha_cc"] = Optional(r.alpha_cc);
  j["demands"] = ArrayOf(r.demands, [](const InteractionDemand& d) { return ToJson(d); });
  j["max_utilisation"] = Optional(r.max_utilisation);
  j["governing_case"] = r.governing_case;
  return j;
}

// ---- Section analysis: the values of the section's report blocks ----

Json ToJson(const SectionBar& b) {
  return Json{{"diameter", Number(b.diameter)},
              {"area", Number(b.area)},
              {"x", Number(b.x)},
              {"y", Number(b.y)}};
}

Json ToJson(const ListedBar& b) {
  return Json{{"index", b.index},
              {"diameter", Number(b.diameter)},
              {"area", Number(b.area)},
              {"x", Number(b.x)},
              {"y", Number(b.y)}};
}

Json ToJson(const SectionDimensions& d) {
  Json j;
  j["depth"] = Number(d.depth);
  j["width"] = Number(d.width);
  j["void_diameter"] = Number(d.void_diameter);
  j["chamfer"] = Number(d.chamfer);
  j["cover"] = Number(d.cover);
  j["casing_thickness"] = Number(d.casing_thickness);
  j["core_diameter"] = Number(d.core_diameter);
  j["core_thickness"] = Number(d.core_thickness);
  j["core_filled"] = d.core_filled;
  j["casing_inertia"] = Number(d.casing_inertia);
  j["core_inertia"] = Number(d.core_inertia);
  j["bar_count"] = d.bar_count;
  j["bar_yield_stress"] = Number(d.bar_yield_stress);
  j["bar_modulus"] = Number(d.bar_modulus);
  j["casing_yield_stress"] = Number(d.casing_yield_stress);
  j["casing_modulus"] = Number(d.casing_modulus);
  j["gross_area"] = Number(d.gross_area);
  j["bar_area"] = Number(d.bar_area);
  j["casing_area"] = Number(d.casing_area);
  j["core_area"] = Number(d.core_area);
  j["concrete_area"] = Number(d.concrete_area);
  j["steel_area"] = Number(d.steel_area);
  j["steel_ratio_percent"] = Number(d.steel_ratio_percent);
  j["rupture_modulus"] = Number(d.rupture_modulus);
  j["single_bar_area"] = Optional(d.single_bar_area);
  j["edge_spacing"] = Optional(d.edge_spacing);
  j["rebar_offset"] = Optional(d.rebar_offset);
  j["pipe_area"] = Number(d.pipe_area);
  j["pipe_inertia"] = Number(d.pipe_inertia);
  j["pipe_bending_stiffness"] = Number(d.pipe_bending_stiffness);
  j["plastic_modulus"] = Number(d.plastic_modulus);
  j["plastic_moment"] = Number(d.plastic_moment);
  j["listed_bars"] = ArrayOf(d.listed_bars, [](const ListedBar& b) { return ToJson(b); });
  j["bars"] = ArrayOf(d.bars, [](const SectionBar& b) { return ToJson(b); });
  return j;
}

Json ToJson(const SectionPrestress& p) {
  Json j;
  j["strand_type"] = p.strand_type;
  j["strand_area"] = Number(p.strand_area);
  j["strand_cover"] = Number(p.strand_cover);
  j["initial_force"] = Number(p.initial_force);
  j["loss_fraction"] = Number(p.loss_fraction);
  j["effective_force"] = Number(p.effective_force);
  j["concrete_area"] = Number(p.concrete_area);
  j["steel_area"] = Number(p.steel_area);
  j["concrete_stress"] = Number(p.concrete_stress);
  j["steel_stress"] = Number(p.steel_stress);
  j["concrete_strain"] = Number(p.concrete_strain);
  j["steel_strain"] = Number(p.steel_strain);
  j["pci_axial_capacity"] = Number(p.pci_axial_capacity);
  j["pci_axial_load"] = Number(p.pci_axial_load);
  j["pci_tensile_capacity"] = Number(p.pci_tensile_capacity);
  j["pci_moment_factor"] = Number(p.pci_moment_factor);
  j["pci_moment_capacity"] = Number(p.pci_moment_capacity);
  return j;
}

Json ToJson(const SectionConcrete& c) {
  Json j;
  j["compressive_strength"] = Number(c.compressive_strength);
  j["elastic_modulus"] = Number(c.elastic_modulus);
  j["rupture_modulus"] = Number(c.rupture_modulus);
  j["peak_strain"] = Number(c.peak_strain);
  j["cracking_strain"] = Number(c.cracking_strain);
  j["aggregate_size"] = Number(c.aggregate_size);
  return j;
}

const char* CurveSourceName(SectionCurveSource source) {
  switch (source) {
    case SectionCurveSource::kComputed:
      return "computed";
    case SectionCurveSource::kElastic:
      return "elastic";
    case SectionCurveSource::kElasticPlastic:
      return "elastic-plastic";
    case SectionCurveSource::kUserDefined:
      return "user-defined";
  }
  return "";
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
  j["interaction"] = s.interaction ? ToJson(*s.interaction) : Json(nullptr);
  j["curves"] = CurveSourceName(s.curves);
  j["dimensions"] = s.dimensions ? ToJson(*s.dimensions) : Json(nullptr);
  j["prestress"] = s.prestress ? ToJson(*s.prestress) : Json(nullptr);
  j["concrete"] = s.concrete ? ToJson(*s.concrete) : Json(nullptr);
  j["analysed_thrusts"] = Numbers(s.analysed_thrusts);
  j["thrusts_dropped"] = s.thrusts_dropped;
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

Json ToJson(const std::vector<IterationRecord>& iterations) {
  return ArrayOf(iterations, [](const IterationRecord& it) {
    Json j;
    j["iteration"] = it.iteration;
    j["head_deflection"] = Number(it.head_deflection);
    j["max_change"] = Number(it.max_change);
    return j;
  });
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
  j["last_iterations"] = ToJson(study.last_iterations);
  return j;
}

Json ToJson(const HeadStiffness& k) {
  Json j;
  j["secant"]["lateral"] = k.secant.lateral ? Number(*k.secant.lateral) : Json(nullptr);
  j["secant"]["rotational"] = k.secant.rotational ? Number(*k.secant.rotational) : Json(nullptr);
  if (k.tangent) {
    Json rows = Json::array();
    for (const auto& row : *k.tangent)
      rows.push_back(Json::array({Number(row[0]), Number(row[1])}));
    j["tangent"] = rows;
  } else {
    j["tangent"] = nullptr;
  }
  return j;
}

Json ToJson(const LoadCurve& curve) {
  Json j;
  j["steps"] = curve.steps;
  j["failed_level"] = curve.failed_level;
  j["failure"] = curve.failure ? ToJson(*curve.failure) : Json(nullptr);
  j["points"] = ArrayOf(curve.points, [](const LoadCurvePoint& p) {
    Json q;
    q["level"] = p.level;
    q["factor"] = Number(p.factor);
    q["condition1"] = Number(p.condition1);
    q["condition2"] = Number(p.condition2);
    q["head_shear"] = Number(p.head_shear);
    q["head_moment"] = Number(p.head_moment);
    q["head_deflection"] = Number(p.head_deflection);
    q["head_rotation"] = Number(p.head_rotation);
    q["max_moment"] = Number(p.max_moment);
    q["max_moment_depth"] = Number(p.max_moment_depth);
    q["max_shear"] = Number(p.max_shear);
    q["iterations"] = p.iterations;
    return q;
  });
  return j;
}

Json ToJson(const DisplayUnits& d) {
  Json j;
  j["system"] = d.system;
  j["round_off"] = Number(d.round_off);
  j["quantities"] = Json::object();
  for (const DisplayUnit& u : d.quantities) {
    j["quantities"][u.quantity] = {{"unit", u.unit},
                                   {"factor", Number(u.factor)},
                                   {"divisor", Number(u.divisor)},
                                   {"computing", u.computing}};
  }
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
  j["last_iterations"] = ToJson(c.last_iterations);
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
  j["head_stiffness"] = ToJson(c.head_stiffness);
  j["load_curve"] = c.load_curve ? ToJson(*c.load_curve) : Json(nullptr);
  j["lrfd_distributed_loads"] =
      ArrayOf(c.lrfd_distributed_loads, [](const LrfdDistributedLoads& t) {
        Json type;
        type["type"] = t.type;
        type["type_code"] = t.type_code;
        type["depth"] = Numbers(t.depth);
        type["load"] = Numbers(t.load);
        return type;
      });
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
  j["parameters"] = ArrayOf(c.parameters, [](const CurveParameter& v) {
    Json one;
    one["name"] = v.name;
    one["value"] = Number(v.value);
    one["unit"] = v.unit;
    const char* forms[] = {"integer", "fixed", "exponent"};
    one["form"] = forms[static_cast<int>(v.form)];
    one["width"] = v.width;
    one["decimals"] = v.decimals;
    return one;
  });
  j["texts"] = ArrayOf(c.texts, [](const CurveText& t) {
    Json one;
    one["name"] = t.name;
    one["text"] = t.text;
    return one;
  });
  j["title"] = c.title;
  j["notes"] = ArrayOf(c.notes, [](const CurveNote& n) {
    Json one;
    one["code"] = n.code;
    one["text"] = n.text;
    one["lines"] = n.lines;
    return one;
  });
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

Json ToJson(const LrfdLoading& l) {
  Json j;
  j["groups"] = ArrayOf(l.groups, [](const LrfdLoadGroup& g) {
    Json group;
    group["number"] = g.number;
    group["type"] = g.type;
    group["type_code"] = g.type_code;
    group["horizontal"] = Number(g.horizontal);
    group["moment"] = Number(g.moment);
    group["axial"] = Number(g.axial);
    group["points"] = ArrayOf(g.points, [](const LrfdLoadPoint& p) {
      Json point;
      point["depth"] = Number(p.depth);
      point["load"] = Number(p.load);
      return point;
    });
    return group;
  });
  j["type_totals"] = ArrayOf(l.type_totals, [](const LrfdTypeTotal& t) {
    Json total;
    total["type"] = t.type;
    total["type_code"] = t.type_code;
    total["groups"] = t.groups;
    total["horizontal"] = Number(t.horizontal);
    total["moment"] = Number(t.moment);
    total["axial"] = Number(t.axial);
    return total;
  });
  j["combinations"] = ArrayOf(l.combinations, [](const LrfdCombinationLoads& c) {
    Json combination;
    combination["number"] = c.number;
    combination["name"] = c.name;
    combination["factors"] = Numbers(c.factors);
    combination["phi_flexure"] = Number(c.phi_flexure);
    combination["phi_shear"] = Number(c.phi_shear);
    combination["resistance_factor_flexure"] = Number(c.resistance_factor_flexure);
    combination["resistance_factor_shear"] = Number(c.resistance_factor_shear);
    combination["horizontal"] = Number(c.horizontal);
    combination["moment"] = Number(c.moment);
    combination["vertical"] = Number(c.vertical);
    combination["shear"] = Number(c.shear);
    combination["axial"] = Number(c.axial);
    combination["thrust"] = c.thrust;
    return combination;
  });
  if (l.batter) {
    j["batter"]["batter_degrees"] = Number(l.batter->batter_degrees);
    j["batter"]["cos_batter"] = Number(l.batter->cos_batter);
    j["batter"]["sin_batter"] = Number(l.batter->sin_batter);
  } else {
    j["batter"] = nullptr;
  }
  j["thrusts"] = Numbers(l.thrusts);
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
  j["last_iterations"] = ToJson(study.last_iterations);
  return j;
}

Json ToJson(const RunResults& r) {
  Json j;
  j["format_version"] = r.format_version;
  j["engine_version"] = r.engine_version;
  j["files"] = {{"input", r.files.input},
                {"report", r.files.report},
                {"plot", r.files.plot},
                {"message", r.files.message}};
  const DateTime& t = r.analysed_at;
  j["analysed_at"] = {{"year", t.year}, {"month", t.month},   {"day", t.day},
                      {"hour", t.hour}, {"minute", t.minute}, {"second", t.second}};
  j["result_code"] = r.result_code;
  j["outcome"] = OutcomeName(r.outcome);
  j["title"] = Texts(r.title);
  j["units"] = ToJson(r.units);
  j["display_units"] = ToJson(r.display_units);
  j["run_kind"] = r.run_kind;
  j["lrfd"] = r.lrfd;
  j["pile_length"] = Number(r.pile_length);
  j["ground_depth"] = Number(r.ground_depth);
  j["layers"] = ArrayOf(r.layers, [](const SoilLayerInfo& l) { return ToJson(l); });
  j["sections"] = ArrayOf(r.sections, [](const SectionResult& s) { return ToJson(s); });
  j["py_curves"] = ArrayOf(r.py_curves, [](const PyCurveResult& c) { return ToJson(c); });
  j["py_curve_layers"] = r.py_curve_layers;
  j["cases"] = ArrayOf(r.cases, [](const LoadCaseResult& c) { return ToJson(c); });
  j["lrfd_check"] = ArrayOf(r.lrfd_check, [](const LrfdCheckRow& row) { return ToJson(row); });
  j["lrfd_loading"] = r.lrfd_loading ? ToJson(*r.lrfd_loading) : Json(nullptr);
  j["stiffness"] = r.stiffness ? ToJson(*r.stiffness) : Json(nullptr);
  j["warnings"] = ArrayOf(r.warnings, [](const WarningRecord& w) { return ToJson(w); });
  j["error"] = r.error ? ToJson(*r.error) : Json(nullptr);
  return j;
}

}  // namespace tree

// The document as the tree builder wrote it, read back.
nlohmann::json TreeDocument(const RunResults& r) {
  return nlohmann::json::parse(
      tree::ToJson(r).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace));
}

std::uint64_t Bits(double v) {
  std::uint64_t bits = 0;
  std::memcpy(&bits, &v, sizeof bits);
  return bits;
}

// got (read keeping the order of its keys) is want: the same JSON types,
// texts, integers and bits of every double; the keys of each object in
// ascending byte order.
void ExpectSameDocument(const nlohmann::ordered_json& got, const nlohmann::json& want,
                        const std::string& path) {
  // The JSON type: a float is written as one (100.0), an integer without a point.
  ASSERT_EQ(static_cast<int>(got.type()), static_cast<int>(want.type()))
      << path << ": " << got.dump() << " against " << want.dump();
  if (got.is_object()) {
    ASSERT_EQ(got.size(), want.size()) << path;
    const std::string* previous = nullptr;
    for (const auto& [key, value] : got.items()) {
      if (previous) {
        EXPECT_LT(*previous, key) << path << ": keys out of order";
      }
      previous = &key;
      ASSERT_TRUE(want.contains(key)) << path << "." << key;
      ExpectSameDocument(value, want.at(key), path + "." + key);
    }
  } else if (got.is_array()) {
    ASSERT_EQ(got.size(), want.size()) << path;
    for (std::size_t i = 0; i < got.size(); ++i) {
      ExpectSameDocument(got[i], want[i], path + "[" + std::to_string(i) + "]");
    }
  } else if (got.is_number_float()) {
    ASSERT_TRUE(want.is_number_float()) << path;
    EXPECT_EQ(Bits(got.get<double>()), Bits(want.get<double>()))
        << path << ": " << got.get<double>() << " against " << want.get<double>();
  } else if (got.is_number()) {
    EXPECT_EQ(got.get<std::int64_t>(), want.get<std::int64_t>()) << path;
  } else if (got.is_string()) {
    EXPECT_EQ(got.get<std::string>(), want.get<std::string>()) << path;
  } else if (got.is_boolean()) {
    EXPECT_EQ(got.get<bool>(), want.get<bool>()) << path;
  }
}

void ExpectAsTreeWrote(const RunResults& r) {
  const std::string text = RenderResultsJson(r);
  ASSERT_FALSE(text.empty());
  EXPECT_EQ(text.back(), '\n');
  EXPECT_EQ(text.find('\n'), text.size() - 1) << "one line";
  ExpectSameDocument(nlohmann::ordered_json::parse(text), TreeDocument(r), "");
}

TEST(ResultsJsonWriter, WritesTheDocumentOfTheTreeForEveryExample) {
  std::vector<std::filesystem::path> examples;
  for (const auto& entry :
       std::filesystem::directory_iterator(std::string(TARVEX_SOURCE_DIR) + "/examples")) {
    if (entry.path().extension() == ".tv6") examples.push_back(entry.path());
  }
  std::sort(examples.begin(), examples.end());
  ASSERT_GE(examples.size(), 10U);
  AnalyseOptions options;
  options.clock = [] { return DateTime{2026, 12, 10, 9, 30, 0}; };
  for (const auto& path : examples) {
    SCOPED_TRACE(path.filename().string());
    const RunResults results = analyse(testing::ReadFile(path.string()), options);
    ASSERT_FALSE(results.cases.empty() && results.sections.empty());
    ExpectAsTreeWrote(results);
  }
}

// Numbers of every form: whole numbers below and from 1e15, signed zero, a
// point among the digits, after "0." and up to three zeros, exponents of
// two and three digits, the extremes of the doubles; and values that are
// not finite.
std::vector<double> AwkwardNumbers() {
  return {0.0,
          -0.0,
          1.0,
          -3.0,
          100.0,
          123456789012345.0,
          1e15,
          -1e16,
          123456789012345680.0,
          1e21,
          1e22,
          0.1,
          -1.0 / 3.0,
          12.5,
          -1234.5678,
          8.650380123456789e5,
          123456789012345.6,
          1234567890123456.0,
          0.001,
          -0.00012,
          0.000012,
          1.5e-7,
          double(0.4f),
          -2.5e-300,
          std::numeric_limits<double>::max(),
          std::numeric_limits<double>::min(),
          std::numeric_limits<double>::denorm_min(),
          std::numeric_limits<double>::quiet_NaN(),
          std::numeric_limits<double>::infinity(),
          -std::numeric_limits<double>::infinity()};
}

// Where both find the same shortest digits, the text is the tree's byte for
// byte: the digits are placed (point, zeros, exponent, ".0") as before.
TEST(ResultsJsonWriter, PlacesTheDigitsAsTheTreeDid) {
  RunResults r;
  LoadCaseResult& c = r.cases.emplace_back();
  c.nodes.depth = AwkwardNumbers();
  c.head_deflection = -0.00012;
  c.max_moment = 123456789012345680.0;
  EXPECT_EQ(RenderResultsJson(r), tree::ToJson(r).dump() + "\n");
}

// Every part filled, with every form of number, values that are not finite
// and absent optional values, texts to escape and texts that are not UTF-8.
TEST(ResultsJsonWriter, WritesEveryKindOfValueAsTheTreeDid) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const std::vector<double> numbers = AwkwardNumbers();
  RunResults r;
  r.engine_version = "6.0.28";
  r.files = {"C:\\Piles\\Job \"7\"\\pile.tv6", "pile.out", "", "pile \xE9.msg"};
  r.analysed_at = DateTime{2026, 12, 31, 23, 59, 59};
  r.py_curve_layers = {1, 2, 4};
  r.result_code = -300;
  r.outcome = Outcome::kWarnings;
  r.units.system = "SI";
  r.units.flexural_rigidity = "kN-m^2";
  r.run_kind = 3;
  r.lrfd = true;
  r.pile_length = 12.5;
  r.ground_depth = inf;
  // Texts to escape, and bytes that are not UTF-8: a lone continuation byte,
  // a Latin-1 letter, overlong and surrogate forms, a sequence cut short in
  // the middle and at the end, a code point above U+10FFFF, a lead byte that
  // starts nothing; and well-formed sequences of two, three and four bytes.
  static const char kControls[] = "nul \0 bell \x07 escape \x1B delete \x7F";
  r.title = {"quote \" backslash \\ slash / tab \t newline \n return \r",
             std::string(kControls, sizeof kControls - 1),
             "lone \x80 continuation, Pile \xE9tude",
             "overlong \xC0\xAF and \xE0\x80\xAF, surrogate \xED\xA0\x80",
             "cut \xE2\x82 short, cut at the end \xF0\x9F\x98",
             "above \xF4\x90\x80\x80 the range, \xF5 \xFF",
             "valid: \xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80"};
  LoadCaseResult& c = r.cases.emplace_back();
  c.number = 1;
  c.lrfd = true;
  c.combination_name = "Strength I, \"max\"";
  c.status = CaseStatus::kNotConverged;
  c.verified = false;
  c.head_deflection = -0.0;
  c.max_moment = 1e22;
  c.final_change = std::numeric_limits<double>::quiet_NaN();
  c.last_iterations = {{96, -0.0, 1e-300}, {97, 1e22, inf}, {98, 0.0125, 3.2e-6}};
  c.lrfd_distributed_loads.push_back({5, "W", numbers, {inf, 2.0}});
  c.section_max_moment = numbers;
  c.nodes.depth = numbers;
  // Digits that the tree's formatter and std::to_chars end differently.
  c.nodes.moment = {inf, 2.0, 1234567890123456.7, 1070963822367.1563};
  PileLengthStudy& study = c.length_study.emplace();
  study.load_case = 1;
  study.full_length = 12.5;
  study.lengths_analysed = 2;
  study.ended_by = "the head deflection";
  study.rows = {{12.5, 0.01, 100.0, -250.0, 1e-9}, {10.0, 0.02, inf, 3.0, -0.0}};
  study.last_iterations = {{100, 0.25, 1e-3}, {101, nan, -0.0}};
  c.head_stiffness.secant.lateral = 1234.5;
  c.head_stiffness.tangent = std::array<std::array<double, 2>, 2>{{{1e6, -0.0}, {inf, 2.5}}};
  LoadCurve& curve = c.load_curve.emplace();
  curve.steps = 3;
  curve.points.push_back({1, 1.0 / 3.0, 100.0, -0.0, 1e22, inf, 0.01, -1e-300, 5.0, 2.0, -1.0, 7});
  curve.failed_level = 2;
  curve.failure.emplace().identity = "RUN00009";
  curve.failure->message = {"  Problem: \"deflection\""};
  r.display_units.system = "SI";
  r.display_units.quantities.push_back({"deflection", "mm", 1000.0, 1.0, "m"});
  r.display_units.quantities.push_back({"depth", "m", 1.0, 1.0, "m"});
  r.cases.emplace_back().number = 2;
  r.cases.back().length_study.reset();
  SoilLayerInfo& layer = r.layers.emplace_back();
  layer.number = 1;
  layer.criterion = 20;
  layer.short_name = "SoftClay";
  layer.bottom = 1e300;
  layer.default_k_above_water_table = true;
  layer.values.push_back({"cohesion", 0.0, -inf, "psi", "soil_stress"});
  layer.values.push_back({"epsilon-50 \"\\", 1e-300, 2.5, "", ""});
  SectionResult& s = r.sections.emplace_back();
  s.number = 1;
  s.type = -3;
  s.type_name = "Steel Pipe Pile";
  s.area = std::numeric_limits<double>::denorm_min();
  ThrustCurve& t = s.thrusts.emplace_back();
  t.thrust = -0.0;
  t.points.push_back({1e-6, 2.0, 2e6, 0.5, -0.003, 0.002, 4.0, inf, 0.0, -1.0, "Y C"});
  t.full_curve = true;
  s.curves = SectionCurveSource::kElasticPlastic;
  s.analysed_thrusts = numbers;
  s.thrusts_dropped = true;
  SectionDimensions& dims = s.dimensions.emplace();
  dims.depth = 36.0;
  dims.core_filled = true;
  dims.bar_count = 12;
  dims.steel_ratio_percent = nan;
  dims.edge_spacing = -0.0;
  dims.rebar_offset = inf;
  dims.listed_bars.push_back({9, 1.128, 1.0, -1e-300, 1e22});
  dims.bars.push_back({1.128, 1.0, 0.0, -15.0});
  SectionPrestress& prestress = s.prestress.emplace();
  prestress.strand_type = 5;
  prestress.pci_moment_factor = double(0.4f);
  prestress.steel_stress = -inf;
  s.concrete = SectionConcrete{4.0, 3605.0, -0.474, 0.00189, -0.000131, 0.75};
  InteractionResult& ir = s.interaction.emplace();
  ir.code = "Eurocode2";
  ir.covered = true;
  ir.nominal = {{1e6, 0.0}, {-0.0, 2.5e5}, {-inf, 1.0}};
  ir.factored = {{6.5e5, 0.0}, {0.0, 1.5e5}};
  ir.phi = numbers;
  ir.balanced = InteractionPoint{3.0, 4.0};
  ir.gamma_c = 1.5;
  ir.max_utilisation = 0.75;
  ir.governing_case = 2;
  InteractionDemand& demand = ir.demands.emplace_back();
  demand.load_case = 2;
  demand.name = "Strength I";
  demand.factored = true;
  demand.utilisation = inf;
  demand.passed = true;
  ir.demands.emplace_back().capacity = {-1.0, 1e22};
  r.sections.emplace_back().interaction.emplace().note = "Not covered: \"why\"";
  PyCurveResult& py = r.py_curves.emplace_back();
  py.number = 1;
  py.short_name = "API Sand";
  py.y = numbers;
  py.p = {};
  py.title = {"p-y Curve Computed Using API Sand Criteria", "with \"k\""};
  CurveParameter& y50 = py.parameters.emplace_back();
  y50.name = "Y50";
  y50.value = 0.1;
  y50.unit = "in";
  y50.decimals = 5;
  CurveParameter& pus = py.parameters.emplace_back();
  pus.name = "pu_s";
  pus.value = nan;
  pus.unit = "lb/in";
  pus.form = CurveValueForm::kExponent;
  py.parameters.emplace_back().form = CurveValueForm::kInteger;
  py.texts.push_back({"Type of Field Test", "Cone \"Penetration\" Test"});
  CurveNote& note = py.notes.emplace_back();
  note.code = "default_k";
  note.text = "The above p-y curve was computed using \"k\".";
  note.lines = {"The above p-y curve was computed using \"k\"."};
  LrfdCheckRow& pass = r.lrfd_check.emplace_back();
  pass.verdict = LrfdVerdict::kPass;
  pass.factored_capacity = 1234.5;
  LrfdCheckRow& fail = r.lrfd_check.emplace_back();
  fail.verdict = LrfdVerdict::kFail;
  fail.fraction_mobilized = 1.25;
  r.lrfd_check.emplace_back().fraction_mobilized = inf;
  LrfdLoading& loading = r.lrfd_loading.emplace();
  loading.groups.push_back({1, 2, "LL", 1000.0, -0.0, inf, {{0.0, 10.0}, {12.5, 1e-300}}});
  loading.groups.emplace_back().number = 2;
  loading.type_totals.push_back({1, "DL", 2, 2000.0, 400.0, nan});
  loading.combinations.push_back(
      {1, "Strength I, \"max\"", numbers, 0.0, 0.9, 0.75, 0.9, 1.5, -2.5, 1e22, 3.0, -0.0, 1});
  loading.batter = LrfdBatterTransform{10.0, 0.984807753012208, 0.17364817766693033};
  loading.thrusts = {-0.0, 8000.0, inf};
  HeadStiffnessStudy& k = r.stiffness.emplace();
  k.complete = true;
  k.cases_converged = 20;
  k.ended_by = "";
  k.rows.push_back({1.0, 2.0, 3.0, 4.0, 5.0, 6.0, 7.0, 8.0, 9.0, 1e10, -1e-10, inf});
  k.last_iterations = {{7, 0.5, 0.25}};
  WarningRecord& w = r.warnings.emplace_back();
  w.number = 3041;
  w.load_case = 2;
  w.count = 7;
  w.text = {"first line", "second \xE9 line"};
  Diagnostic& d = r.error.emplace();
  d.identity = "RUN00009";
  d.code = 209;
  d.number = 9;
  d.kind = "runtime";
  d.message = {"the solution did not converge", ""};
  d.file = "C:\\piles\\pile.tv6";
  d.line_number = 59;
  d.line_text = "NOT A SECTION \xFE";
  d.advice = "raise MaxIterations";
  d.values = {ErrorValue("maximum change in deflection", 0.0125, "in"),
              ErrorTextValue("section", "NOT A SECTION")};
  ExpectAsTreeWrote(r);

  // Nothing but the defaults: empty arrays, absent objects.
  ExpectAsTreeWrote(RunResults{});
}

// The quickstart shaft with its deflection-and-moment case alone, solved
// to a tolerance it cannot reach within `limit` iterations: the case is
// reported as not converged at the limit, and a runtime error ends the run.
std::string CaseAtItsIterationLimit(int limit) {
  std::string text = testing::ReadFile(std::string(TARVEX_SOURCE_DIR) + "/examples/quickstart.tv6");
  const auto replace = [&text](const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
  };
  replace("MaxIterations 100", "MaxIterations " + std::to_string(limit));
  replace("Tolerance 1.0E-5", "Tolerance 1.0E-20");
  const std::size_t first = text.find("3                          number of load cases");
  const std::size_t third = text.find("3  4      0.25");
  EXPECT_TRUE(first != std::string::npos && third != std::string::npos);
  text.replace(first, third - first + 1, "1                          number of load cases\n1");
  return text;
}

// The iterations near the limit are those the report lists ("Iteration 30,
// Y(top) = 0.2500E+00, dYmax = 0.1234E-05": E12.4, so equal within half a
// unit of the fourth digit), and the files and time are those the run was
// given.
TEST(ResultsJsonWriter, CarriesTheIterationsNearTheLimitTheFilesAndTheTime) {
  const int limit = 30;
  AnalyseOptions options;
  options.clock = [] { return DateTime{2027, 2, 28, 23, 4, 5}; };
  options.keep_texts = true;
  options.names = {"C:\\Piles\\Job 7\\shaft.tv6", "C:\\Piles\\Job 7\\shaft.out",
                   "D:\\plots\\shaft.plt", "shaft.msg"};
  const RunResults results = analyse(CaseAtItsIterationLimit(limit), options);
  const nlohmann::json j = nlohmann::json::parse(RenderResultsJson(results));

  EXPECT_EQ(j["files"], nlohmann::json({{"input", "C:\\Piles\\Job 7\\shaft.tv6"},
                                        {"report", "C:\\Piles\\Job 7\\shaft.out"},
                                        {"plot", "D:\\plots\\shaft.plt"},
                                        {"message", "shaft.msg"}}));
  EXPECT_EQ(
      j["analysed_at"],
      nlohmann::json(
          {{"year", 2027}, {"month", 2}, {"day", 28}, {"hour", 23}, {"minute", 4}, {"second", 5}}));
  EXPECT_NE(results.report_text.find("Date:  February 28, 2027     Time:  23:04:05"),
            std::string::npos);

  ASSERT_EQ(j["cases"].size(), 1U);
  const nlohmann::json& c = j["cases"][0];
  EXPECT_EQ(c["status"], "not_converged");
  EXPECT_EQ(c["iterations"], limit);
  struct Printed {
    int iteration;
    std::string y, dy;
  };
  std::vector<Printed> printed;
  const std::regex line(R"(^Iteration (\d+), +Y\(top\) = +(\S+), dYmax = +(\S+)\r?$)");
  std::istringstream report(results.report_text);
  for (std::string text; std::getline(report, text);) {
    std::smatch m;
    if (std::regex_match(text, m, line)) printed.push_back({std::stoi(m[1]), m[2], m[3]});
  }
  ASSERT_EQ(printed.size(), 5U) << results.report_text;
  ASSERT_EQ(c["last_iterations"].size(), 5U);
  // A value printed in E12.4 ("0.1234E-05"): within half a unit of its fourth digit.
  const auto expect_printed = [](double value, const std::string& text) {
    const double shown = std::stod(text);
    const int exponent = std::stoi(text.substr(text.find('E') + 1));
    EXPECT_NEAR(value, shown, 0.50001e-4 * std::pow(10.0, exponent)) << text;
  };
  for (std::size_t i = 0; i < 5; ++i) {
    const nlohmann::json& it = c["last_iterations"][i];
    SCOPED_TRACE(i);
    EXPECT_EQ(it["iteration"], limit - 4 + static_cast<int>(i));
    EXPECT_EQ(it["iteration"], printed[i].iteration);
    expect_printed(it["head_deflection"].get<double>(), printed[i].y);
    expect_printed(it["max_change"].get<double>(), printed[i].dy);
  }
  EXPECT_EQ(c["last_iterations"][4]["max_change"].get<double>(), c["final_change"].get<double>());
  EXPECT_EQ(c["last_iterations"][4]["head_deflection"].get<double>(),
            c["head_deflection"].get<double>());

  // A case that converged sooner has none.
  options.clock = [] { return DateTime{2026, 12, 10, 9, 30, 0}; };
  const nlohmann::json quickstart = nlohmann::json::parse(RenderResultsJson(analyse(
      testing::ReadFile(std::string(TARVEX_SOURCE_DIR) + "/examples/quickstart.tv6"), options)));
  for (const nlohmann::json& converged : quickstart["cases"]) {
    EXPECT_EQ(converged["status"], "converged");
    EXPECT_TRUE(converged["last_iterations"].empty());
  }
}

}  // namespace
}  // namespace tarvex
