// tarvex._tarvex: the engine as a Python extension module.
//
// One function, analyse(input), runs one analysis of an input text with the
// interpreter lock released and returns the numbers of the run as plain
// Python data: dicts and lists, with NumPy arrays for every column of
// numbers (the response at the nodes, the moment-curvature tables, the
// printed p-y curves, the pile-length study, the interaction diagrams). The
// classes of tarvex.results are built from it in Python; the keys are those
// of the results file (docs/results.md), with the rows of its tables given
// as columns and the node columns of a load case beside the case's own
// values. _tarvex.pyi declares the module's functions for type checkers.
#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>
#include <stdlib.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

#include "core/limits.hpp"
#include "soil/criterion_table.hpp"
#include "tarvex/engine.hpp"
#include "tarvex/results.hpp"
#include "tarvex/version.h"

namespace py = pybind11;

namespace {

namespace fs = std::filesystem;

// A private folder for the files of one run, removed with everything in it
// when the run is over.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::error_code ec;
    fs::path base = fs::temp_directory_path(ec);
    if (ec) base = "/tmp";
    std::string pattern = (base / "tarvex-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
      throw std::runtime_error("tarvex: cannot make a temporary folder in " + base.string());
    }
    path_ = pattern;
  }
  ~ScratchFolder() {
    std::error_code ec;
    fs::remove_all(path_, ec);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  std::string File(const std::string& name) const { return (path_ / name).string(); }

 private:
  fs::path path_;
};

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) return {};
  std::string data(static_cast<std::size_t>(std::max<std::streamoff>(in.tellg(), 0)), '\0');
  in.seekg(0);
  in.read(data.data(), static_cast<std::streamsize>(data.size()));
  data.resize(static_cast<std::size_t>(in.gcount()));
  return data;
}

// The one call into the engine: the whole analysis of an input, given as
// its text (analysed in memory) or as the path of its file (read where it is,
// the outputs written to a private folder and read back), with the texts of
// its report, plot and message files. Runs without the interpreter lock;
// touches no Python object.
// The cancellation flag of run_many's batches.
struct Cancel {
  std::atomic<bool> set{false};
};

tarvex::RunResults Analyse(std::string_view input_text, const std::string* input_path) {
  if (input_path == nullptr) {
    // A text (or a model written as one) runs in memory: no file is made.
    tarvex::AnalyseOptions options;
    options.keep_texts = true;
    return tarvex::analyse(input_text, options);
  }
  ScratchFolder folder;
  // The outputs take the name of the input file, as the command line names
  // them; the report names them.
  std::string stem = fs::path(*input_path).stem().string();
  if (stem.empty()) stem = "input";
  const tarvex::RunFiles files{*input_path, folder.File(stem + ".out"), folder.File(stem + ".plt"),
                               folder.File(stem + ".msg")};
  tarvex::RunOutcome outcome;
  tarvex::RunOptions options;
  options.outcome = &outcome;
  options.quiet = true;  // the error is raised, not printed
  tarvex::run(files, options);
  tarvex::RunResults results = std::move(outcome.results);
  results.report_text = ReadFile(files.report);
  results.plot_text = ReadFile(files.plot);
  results.message_text = ReadFile(files.message);
  return results;
}

// Texts of the run are bytes as the input gave them: UTF-8 where that is
// what they are, else read as Latin-1 (every byte a character), so that a
// title typed on a Windows host shows as it was typed and no text fails.
py::str Text(const std::string& s) {
  PyObject* o = PyUnicode_DecodeUTF8(s.data(), static_cast<Py_ssize_t>(s.size()), nullptr);
  if (o == nullptr) {
    PyErr_Clear();
    o = PyUnicode_DecodeLatin1(s.data(), static_cast<Py_ssize_t>(s.size()), nullptr);
    if (o == nullptr) throw py::error_already_set();
  }
  return py::reinterpret_steal<py::str>(o);
}

py::list Texts(const std::vector<std::string>& lines) {
  py::list out;
  for (const std::string& line : lines) out.append(Text(line));
  return out;
}

py::array_t<double> Array(const std::vector<double>& values) {
  py::array_t<double> a(static_cast<py::ssize_t>(values.size()));
  std::copy(values.begin(), values.end(), a.mutable_data());
  return a;
}

// One column of a table of records, as an array.
template <typename Row>
py::array_t<double> Column(const std::vector<Row>& rows, double Row::*field) {
  py::array_t<double> a(static_cast<py::ssize_t>(rows.size()));
  double* out = a.mutable_data();
  for (const Row& row : rows) *out++ = row.*field;
  return a;
}

py::object Optional(const std::optional<double>& value) {
  return value ? py::object(py::float_(*value)) : py::object(py::none());
}

const char* OutcomeName(tarvex::Outcome o) {
  switch (o) {
    case tarvex::Outcome::kNormal:
      return "normal";
    case tarvex::Outcome::kWarnings:
      return "warnings";
    case tarvex::Outcome::kInputError:
      return "input_error";
    case tarvex::Outcome::kRuntimeError:
      return "runtime_error";
    case tarvex::Outcome::kFilesUnusable:
      return "files_unusable";
    case tarvex::Outcome::kInternalError:
      return "internal_error";
  }
  return "internal_error";
}

const char* VerdictName(tarvex::LrfdVerdict v) {
  switch (v) {
    case tarvex::LrfdVerdict::kPass:
      return "pass";
    case tarvex::LrfdVerdict::kFail:
      return "fail";
    case tarvex::LrfdVerdict::kNotApplicable:
      break;
  }
  return "not_applicable";
}

py::dict UnitsDict(const tarvex::Units& u) {
  py::dict d;
  d["system"] = Text(u.system);
  d["length"] = Text(u.length);
  d["force"] = Text(u.force);
  d["moment"] = Text(u.moment);
  d["force_per_length"] = Text(u.force_per_length);
  d["stress"] = Text(u.stress);
  d["flexural_rigidity"] = Text(u.flexural_rigidity);
  d["rotational_stiffness"] = Text(u.rotational_stiffness);
  d["section_force"] = Text(u.section_force);
  d["section_moment"] = Text(u.section_moment);
  d["section_rigidity"] = Text(u.section_rigidity);
  d["curvature"] = Text(u.curvature);
  return d;
}

py::list LayerValuesList(const std::vector<tarvex::LayerValue>& values) {
  py::list list;
  for (const tarvex::LayerValue& v : values) {
    py::dict d;
    d["name"] = Text(v.name);
    d["top"] = v.top;
    d["bottom"] = v.bottom;
    d["unit"] = Text(v.unit);
    d["quantity"] = Text(v.quantity);
    list.append(d);
  }
  return list;
}

py::dict LayerDict(const tarvex::SoilLayerInfo& l) {
  py::dict d;
  d["number"] = l.number;
  d["criterion"] = l.criterion;
  d["short_name"] = Text(l.short_name);
  d["description"] = Text(l.description);
  d["family"] = Text(l.family);
  d["top"] = l.top;
  d["bottom"] = l.bottom;
  d["unit_weight_top"] = l.unit_weight_top;
  d["unit_weight_bottom"] = l.unit_weight_bottom;
  d["default_k_above_water_table"] = l.default_k_above_water_table;
  d["values"] = LayerValuesList(l.values);
  return d;
}

py::dict ThrustDict(const tarvex::ThrustCurve& t) {
  using P = tarvex::MomentCurvaturePoint;
  py::dict d;
  d["thrust"] = t.thrust;
  d["nominal_moment_capacity"] = t.nominal_moment_capacity;
  d["curvature"] = Column(t.points, &P::curvature);
  d["moment"] = Column(t.points, &P::moment);
  d["ei"] = Column(t.points, &P::ei);
  d["neutral_axis"] = Column(t.points, &P::neutral_axis);
  d["max_compressive_strain"] = Column(t.points, &P::max_compressive_strain);
  d["max_tensile_strain"] = Column(t.points, &P::max_tensile_strain);
  d["max_concrete_stress"] = Column(t.points, &P::max_concrete_stress);
  d["max_steel_stress"] = Column(t.points, &P::max_steel_stress);
  d["max_casing_stress"] = Column(t.points, &P::max_casing_stress);
  d["max_core_stress"] = Column(t.points, &P::max_core_stress);
  py::list flags;
  for (const P& p : t.points) flags.append(Text(p.flags));
  d["flags"] = flags;
  d["full_curve"] = t.full_curve;
  return d;
}

py::dict PointDict(const tarvex::InteractionPoint& p) {
  py::dict d;
  d["axial"] = p.axial;
  d["moment"] = p.moment;
  return d;
}

py::object OptionalPoint(const std::optional<tarvex::InteractionPoint>& p) {
  return p ? py::object(PointDict(*p)) : py::object(py::none());
}

// A curve of the interaction diagram: its points as the columns axial and moment.
py::dict CurveDict(const std::vector<tarvex::InteractionPoint>& points) {
  using P = tarvex::InteractionPoint;
  py::dict d;
  d["axial"] = Column(points, &P::axial);
  d["moment"] = Column(points, &P::moment);
  return d;
}

py::object InteractionDict(const std::optional<tarvex::InteractionResult>& it) {
  if (!it) return py::none();
  py::dict d;
  d["code"] = Text(it->code);
  d["standard"] = Text(it->standard);
  d["method"] = Text(it->method);
  d["covered"] = it->covered;
  d["note"] = Text(it->note);
  d["transverse"] = Text(it->transverse);
  d["transverse_source"] = Text(it->transverse_source);
  d["prestressed"] = it->prestressed;
  d["symmetric"] = it->symmetric;
  d["nominal"] = CurveDict(it->nominal);
  d["factored"] = CurveDict(it->factored);
  d["phi"] = Array(it->phi);
  d["balanced"] = OptionalPoint(it->balanced);
  d["balanced_factored"] = OptionalPoint(it->balanced_factored);
  d["pure_compression"] = it->pure_compression;
  d["pure_tension"] = it->pure_tension;
  d["max_compression"] = it->max_compression;
  d["max_tension"] = it->max_tension;
  d["gamma_c"] = Optional(it->gamma_c);
  d["gamma_s"] = Optional(it->gamma_s);
  d["alpha_cc"] = Optional(it->alpha_cc);
  py::list demands;
  for (const tarvex::InteractionDemand& x : it->demands) {
    py::dict e;
    e["load_case"] = x.load_case;
    e["name"] = Text(x.name);
    e["factored"] = x.factored;
    e["axial"] = x.axial;
    e["moment"] = x.moment;
    e["utilisation"] = Optional(x.utilisation);
    e["capacity"] = PointDict(x.capacity);
    e["passed"] = x.passed;
    demands.append(e);
  }
  d["demands"] = demands;
  d["max_utilisation"] = Optional(it->max_utilisation);
  d["governing_case"] = it->governing_case;
  return d;
}

// ---- Section analysis: the values of the section's report blocks ----

py::dict SectionBarDict(double diameter, double area, double x, double y) {
  py::dict d;
  d["diameter"] = diameter;
  d["area"] = area;
  d["x"] = x;
  d["y"] = y;
  return d;
}

py::object DimensionsDict(const std::optional<tarvex::SectionDimensions>& dims) {
  if (!dims) return py::none();
  const tarvex::SectionDimensions& v = *dims;
  py::dict d;
  d["depth"] = v.depth;
  d["width"] = v.width;
  d["void_diameter"] = v.void_diameter;
  d["chamfer"] = v.chamfer;
  d["cover"] = v.cover;
  d["casing_thickness"] = v.casing_thickness;
  d["core_diameter"] = v.core_diameter;
  d["core_thickness"] = v.core_thickness;
  d["core_filled"] = v.core_filled;
  d["casing_inertia"] = v.casing_inertia;
  d["core_inertia"] = v.core_inertia;
  d["bar_count"] = v.bar_count;
  d["bar_yield_stress"] = v.bar_yield_stress;
  d["bar_modulus"] = v.bar_modulus;
  d["casing_yield_stress"] = v.casing_yield_stress;
  d["casing_modulus"] = v.casing_modulus;
  d["gross_area"] = v.gross_area;
  d["bar_area"] = v.bar_area;
  d["casing_area"] = v.casing_area;
  d["core_area"] = v.core_area;
  d["concrete_area"] = v.concrete_area;
  d["steel_area"] = v.steel_area;
  d["steel_ratio_percent"] = v.steel_ratio_percent;
  d["rupture_modulus"] = v.rupture_modulus;
  d["single_bar_area"] = Optional(v.single_bar_area);
  d["edge_spacing"] = Optional(v.edge_spacing);
  d["rebar_offset"] = Optional(v.rebar_offset);
  d["pipe_area"] = v.pipe_area;
  d["pipe_inertia"] = v.pipe_inertia;
  d["pipe_bending_stiffness"] = v.pipe_bending_stiffness;
  d["plastic_modulus"] = v.plastic_modulus;
  d["plastic_moment"] = v.plastic_moment;
  py::list listed, bars;
  for (const tarvex::ListedBar& b : v.listed_bars) {
    py::dict one = SectionBarDict(b.diameter, b.area, b.x, b.y);
    one["index"] = b.index;
    listed.append(one);
  }
  for (const tarvex::SectionBar& b : v.bars)
    bars.append(SectionBarDict(b.diameter, b.area, b.x, b.y));
  d["listed_bars"] = listed;
  d["bars"] = bars;
  return d;
}

py::object PrestressDict(const std::optional<tarvex::SectionPrestress>& prestress) {
  if (!prestress) return py::none();
  const tarvex::SectionPrestress& p = *prestress;
  py::dict d;
  d["strand_type"] = p.strand_type;
  d["strand_area"] = p.strand_area;
  d["strand_cover"] = p.strand_cover;
  d["initial_force"] = p.initial_force;
  d["loss_fraction"] = p.loss_fraction;
  d["effective_force"] = p.effective_force;
  d["concrete_area"] = p.concrete_area;
  d["steel_area"] = p.steel_area;
  d["concrete_stress"] = p.concrete_stress;
  d["steel_stress"] = p.steel_stress;
  d["concrete_strain"] = p.concrete_strain;
  d["steel_strain"] = p.steel_strain;
  d["pci_axial_capacity"] = p.pci_axial_capacity;
  d["pci_axial_load"] = p.pci_axial_load;
  d["pci_tensile_capacity"] = p.pci_tensile_capacity;
  d["pci_moment_factor"] = p.pci_moment_factor;
  d["pci_moment_capacity"] = p.pci_moment_capacity;
  return d;
}

py::object ConcreteDict(const std::optional<tarvex::SectionConcrete>& concrete) {
  if (!concrete) return py::none();
  py::dict d;
  d["compressive_strength"] = concrete->compressive_strength;
  d["elastic_modulus"] = concrete->elastic_modulus;
  d["rupture_modulus"] = concrete->rupture_modulus;
  d["peak_strain"] = concrete->peak_strain;
  d["cracking_strain"] = concrete->cracking_strain;
  d["aggregate_size"] = concrete->aggregate_size;
  return d;
}

const char* CurveSourceName(tarvex::SectionCurveSource source) {
  switch (source) {
    case tarvex::SectionCurveSource::kElastic:
      return "elastic";
    case tarvex::SectionCurveSource::kElasticPlastic:
      return "elastic-plastic";
    case tarvex::SectionCurveSource::kUserDefined:
      return "user-defined";
    case tarvex::SectionCurveSource::kComputed:
      break;
  }
  return "computed";
}

// ---- end of the section analysis's values ----

py::dict SectionDict(const tarvex::SectionResult& s) {
  py::dict d;
  d["number"] = s.number;
  d["type"] = s.type;
  d["type_name"] = Text(s.type_name);
  d["top"] = s.top;
  d["bottom"] = s.bottom;
  d["length"] = s.length;
  d["width"] = s.width;
  d["area"] = s.area;
  d["inertia"] = s.inertia;
  d["flexural_rigidity"] = s.flexural_rigidity;
  d["axial_capacity"] = s.axial_capacity;
  d["tensile_capacity"] = s.tensile_capacity;
  d["cracking_load"] = s.cracking_load;
  py::list thrusts;
  for (const tarvex::ThrustCurve& t : s.thrusts) thrusts.append(ThrustDict(t));
  d["thrusts"] = thrusts;
  d["interaction"] = InteractionDict(s.interaction);
  d["curves"] = CurveSourceName(s.curves);
  d["dimensions"] = DimensionsDict(s.dimensions);
  d["prestress"] = PrestressDict(s.prestress);
  d["concrete"] = ConcreteDict(s.concrete);
  d["analysed_thrusts"] = Array(s.analysed_thrusts);
  d["thrusts_dropped"] = s.thrusts_dropped;
  return d;
}

py::object ErrorDict(const std::optional<tarvex::Diagnostic>& error);

py::dict DisplayUnitsDict(const tarvex::DisplayUnits& table) {
  py::dict quantities;
  for (const tarvex::DisplayUnit& u : table.quantities) {
    py::dict e;
    e["unit"] = Text(u.unit);
    e["factor"] = u.factor;
    e["divisor"] = u.divisor;
    e["computing"] = Text(u.computing);
    quantities[Text(u.quantity)] = e;
  }
  py::dict d;
  d["system"] = Text(table.system);
  d["round_off"] = table.round_off;
  d["quantities"] = quantities;
  return d;
}

py::dict HeadStiffnessDict(const tarvex::HeadStiffness& k) {
  py::dict secant;
  secant["lateral"] = Optional(k.secant.lateral);
  secant["rotational"] = Optional(k.secant.rotational);
  py::dict d;
  d["secant"] = secant;
  if (k.tangent) {
    py::list rows;
    for (const std::array<double, 2>& row : *k.tangent) {
      py::list r;
      r.append(row[0]);
      r.append(row[1]);
      rows.append(r);
    }
    d["tangent"] = rows;
  } else {
    d["tangent"] = py::none();
  }
  return d;
}

py::object LoadCurveDict(const std::optional<tarvex::LoadCurve>& curve) {
  if (!curve) return py::none();
  using P = tarvex::LoadCurvePoint;
  const std::vector<P>& points = curve->points;
  py::dict d;
  d["steps"] = curve->steps;
  py::list levels, iterations;
  for (const P& p : points) {
    levels.append(p.level);
    iterations.append(p.iterations);
  }
  d["level"] = levels;
  d["factor"] = Column(points, &P::factor);
  d["condition1"] = Column(points, &P::condition1);
  d["condition2"] = Column(points, &P::condition2);
  d["head_shear"] = Column(points, &P::head_shear);
  d["head_moment"] = Column(points, &P::head_moment);
  d["head_deflection"] = Column(points, &P::head_deflection);
  d["head_rotation"] = Column(points, &P::head_rotation);
  d["max_moment"] = Column(points, &P::max_moment);
  d["max_moment_depth"] = Column(points, &P::max_moment_depth);
  d["max_shear"] = Column(points, &P::max_shear);
  d["iterations"] = iterations;
  d["failed_level"] = curve->failed_level;
  d["failure"] = ErrorDict(curve->failure);
  return d;
}

// A solution's iterations among the last five before the iteration limit.
py::list IterationsList(const std::vector<tarvex::IterationRecord>& iterations) {
  py::list list;
  for (const tarvex::IterationRecord& it : iterations) {
    py::dict d;
    d["iteration"] = it.iteration;
    d["head_deflection"] = it.head_deflection;
    d["max_change"] = it.max_change;
    list.append(d);
  }
  return list;
}

py::dict CaseDict(const tarvex::LoadCaseResult& c) {
  py::dict d;
  d["number"] = c.number;
  d["lrfd"] = c.lrfd;
  d["combination_name"] = Text(c.combination_name);
  d["load_type"] = c.load_type;
  d["condition1"] = c.condition1;
  d["condition2"] = c.condition2;
  d["axial"] = c.axial;
  d["head_shear"] = c.head_shear;
  d["head_moment"] = c.head_moment;
  d["head_deflection"] = c.head_deflection;
  d["head_rotation"] = c.head_rotation;
  d["max_moment"] = c.max_moment;
  d["max_moment_depth"] = c.max_moment_depth;
  d["max_shear"] = c.max_shear;
  d["max_shear_depth"] = c.max_shear_depth;
  d["max_stress"] = c.max_stress;
  d["iterations"] = c.iterations;
  d["final_change"] = c.final_change;
  d["last_iterations"] = IterationsList(c.last_iterations);
  d["zero_deflection_points"] = c.zero_deflection_points;
  d["status"] = c.status == tarvex::CaseStatus::kConverged ? "converged" : "not_converged";
  d["moment_imbalance"] = c.moment_imbalance;
  d["force_imbalance"] = c.force_imbalance;
  d["moment_imbalance_station"] = c.moment_imbalance_station;
  d["force_imbalance_station"] = c.force_imbalance_station;
  d["verified"] = c.verified;
  d["increment_length"] = c.increment_length;
  d["section_max_moment"] = Array(c.section_max_moment);
  d["section_max_shear"] = Array(c.section_max_shear);
  const tarvex::NodeColumns& n = c.nodes;
  d["depth"] = Array(n.depth);
  d["deflection"] = Array(n.deflection);
  d["slope"] = Array(n.slope);
  d["moment"] = Array(n.moment);
  d["shear"] = Array(n.shear);
  d["soil_reaction"] = Array(n.soil_reaction);
  d["es"] = Array(n.es);
  d["flexural_rigidity"] = Array(n.flexural_rigidity);
  d["stress"] = Array(n.stress);
  d["distributed_load"] = Array(n.distributed_load);
  if (c.length_study) {
    using R = tarvex::LengthStudyRow;
    const std::vector<R>& rows = c.length_study->rows;
    py::dict study;
    study["load_case"] = c.length_study->load_case;
    study["full_length"] = c.length_study->full_length;
    study["lengths_analysed"] = c.length_study->lengths_analysed;
    study["ended_by"] = Text(c.length_study->ended_by);
    study["length"] = Column(rows, &R::length);
    study["head_deflection"] = Column(rows, &R::head_deflection);
    study["head_shear"] = Column(rows, &R::head_shear);
    study["max_moment"] = Column(rows, &R::max_moment);
    study["max_shear"] = Column(rows, &R::max_shear);
    study["last_iterations"] = IterationsList(c.length_study->last_iterations);
    d["length_study"] = study;
  } else {
    d["length_study"] = py::none();
  }
  d["head_stiffness"] = HeadStiffnessDict(c.head_stiffness);
  d["load_curve"] = LoadCurveDict(c.load_curve);
  py::list distributed;
  for (const tarvex::LrfdDistributedLoads& t : c.lrfd_distributed_loads) {
    py::dict one;
    one["type"] = t.type;
    one["type_code"] = Text(t.type_code);
    one["depth"] = Array(t.depth);
    one["load"] = Array(t.load);
    distributed.append(one);
  }
  d["lrfd_distributed_loads"] = distributed;
  return d;
}

const char* CurveValueFormName(tarvex::CurveValueForm form) {
  switch (form) {
    case tarvex::CurveValueForm::kInteger:
      return "integer";
    case tarvex::CurveValueForm::kFixed:
      return "fixed";
    case tarvex::CurveValueForm::kExponent:
      return "exponent";
  }
  return "fixed";
}

py::dict PyCurveDict(const tarvex::PyCurveResult& c) {
  py::dict d;
  d["number"] = c.number;
  d["depth"] = c.depth;
  d["layer"] = c.layer;
  d["criterion"] = c.criterion;
  d["short_name"] = Text(c.short_name);
  d["y"] = Array(c.y);
  d["p"] = Array(c.p);
  py::list parameters;
  for (const tarvex::CurveParameter& v : c.parameters) {
    py::dict one;
    one["name"] = Text(v.name);
    one["value"] = v.value;
    one["unit"] = Text(v.unit);
    one["form"] = CurveValueFormName(v.form);
    one["width"] = v.width;
    one["decimals"] = v.decimals;
    parameters.append(one);
  }
  d["parameters"] = parameters;
  d["title"] = Texts(c.title);
  py::list texts;
  for (const tarvex::CurveText& t : c.texts) {
    py::dict one;
    one["name"] = Text(t.name);
    one["text"] = Text(t.text);
    texts.append(one);
  }
  d["texts"] = texts;
  py::list notes;
  for (const tarvex::CurveNote& n : c.notes) {
    py::dict one;
    one["code"] = Text(n.code);
    one["text"] = Text(n.text);
    one["lines"] = Texts(n.lines);
    notes.append(one);
  }
  d["notes"] = notes;
  return d;
}

py::dict LrfdRowDict(const tarvex::LrfdCheckRow& r) {
  py::dict d;
  d["combination"] = r.combination;
  d["section"] = r.section;
  d["name"] = Text(r.name);
  d["resistance_factor"] = r.resistance_factor;
  d["factored_capacity"] = Optional(r.factored_capacity);
  d["moment_developed"] = r.moment_developed;
  d["fraction_mobilized"] = Optional(r.fraction_mobilized);
  d["verdict"] = VerdictName(r.verdict);
  d["max_shear"] = r.max_shear;
  d["head_deflection"] = r.head_deflection;
  d["head_rotation"] = r.head_rotation;
  return d;
}

py::dict LrfdLoadingDict(const tarvex::LrfdLoading& l) {
  py::list groups, totals, combinations;
  for (const tarvex::LrfdLoadGroup& g : l.groups) {
    py::dict one;
    one["number"] = g.number;
    one["type"] = g.type;
    one["type_code"] = Text(g.type_code);
    one["horizontal"] = g.horizontal;
    one["moment"] = g.moment;
    one["axial"] = g.axial;
    py::list points;
    for (const tarvex::LrfdLoadPoint& p : g.points) {
      py::dict point;
      point["depth"] = p.depth;
      point["load"] = p.load;
      points.append(point);
    }
    one["points"] = points;
    groups.append(one);
  }
  for (const tarvex::LrfdTypeTotal& t : l.type_totals) {
    py::dict one;
    one["type"] = t.type;
    one["type_code"] = Text(t.type_code);
    one["groups"] = t.groups;
    one["horizontal"] = t.horizontal;
    one["moment"] = t.moment;
    one["axial"] = t.axial;
    totals.append(one);
  }
  for (const tarvex::LrfdCombinationLoads& c : l.combinations) {
    py::dict one;
    one["number"] = c.number;
    one["name"] = Text(c.name);
    one["factors"] = Array(c.factors);
    one["phi_flexure"] = c.phi_flexure;
    one["phi_shear"] = c.phi_shear;
    one["resistance_factor_flexure"] = c.resistance_factor_flexure;
    one["resistance_factor_shear"] = c.resistance_factor_shear;
    one["horizontal"] = c.horizontal;
    one["moment"] = c.moment;
    one["vertical"] = c.vertical;
    one["shear"] = c.shear;
    one["axial"] = c.axial;
    one["thrust"] = c.thrust;
    combinations.append(one);
  }
  py::dict d;
  d["groups"] = groups;
  d["type_totals"] = totals;
  d["combinations"] = combinations;
  if (l.batter) {
    py::dict batter;
    batter["batter_degrees"] = l.batter->batter_degrees;
    batter["cos_batter"] = l.batter->cos_batter;
    batter["sin_batter"] = l.batter->sin_batter;
    d["batter"] = batter;
  } else {
    d["batter"] = py::none();
  }
  d["thrusts"] = Array(l.thrusts);
  return d;
}

py::dict StiffnessDict(const tarvex::HeadStiffnessStudy& study) {
  using R = tarvex::StiffnessRow;
  const std::vector<R>& rows = study.rows;
  py::dict d;
  d["reference_shear"] = study.reference_shear;
  d["reference_moment"] = study.reference_moment;
  d["axial"] = study.axial;
  d["cases_converged"] = study.cases_converged;
  d["complete"] = study.complete;
  d["ended_by"] = Text(study.ended_by);
  d["shear_level"] = Column(rows, &R::shear_level);
  d["moment_level"] = Column(rows, &R::moment_level);
  d["deflection"] = Column(rows, &R::deflection);
  d["shear_reaction_1"] = Column(rows, &R::shear_reaction_1);
  d["moment_reaction_1"] = Column(rows, &R::moment_reaction_1);
  d["rotation"] = Column(rows, &R::rotation);
  d["shear_reaction_2"] = Column(rows, &R::shear_reaction_2);
  d["moment_reaction_2"] = Column(rows, &R::moment_reaction_2);
  d["k22"] = Column(rows, &R::k22);
  d["k23"] = Column(rows, &R::k23);
  d["k32"] = Column(rows, &R::k32);
  d["k33"] = Column(rows, &R::k33);
  d["last_iterations"] = IterationsList(study.last_iterations);
  return d;
}

py::dict WarningDict(const tarvex::WarningRecord& w) {
  py::dict d;
  d["number"] = w.number;
  d["load_case"] = w.load_case;
  d["count"] = w.count;
  d["text"] = Texts(w.text);
  return d;
}

py::object ErrorDict(const std::optional<tarvex::Diagnostic>& error) {
  if (!error) return py::none();
  py::dict d;
  d["identity"] = Text(error->identity);
  d["name"] = Text(error->name);
  d["code"] = error->code;
  d["number"] = error->number;
  d["kind"] = Text(error->kind);
  d["message"] = Texts(error->message);
  d["file"] = Text(error->file);
  d["line_number"] = error->line_number;
  d["line_text"] = Text(error->line_text);
  d["advice"] = Text(error->advice);
  py::list values;
  for (const tarvex::DiagnosticValue& v : error->values) {
    py::dict value;
    value["name"] = Text(v.name);
    if (v.text.empty()) {
      value["value"] =
          std::isfinite(v.value) ? py::object(py::float_(v.value)) : py::object(py::none());
    } else {
      value["value"] = Text(v.text);
    }
    value["unit"] = Text(v.unit);
    values.append(value);
  }
  d["values"] = values;
  return d;
}

py::dict ResultsDict(const tarvex::RunResults& r) {
  py::dict d;
  d["format_version"] = r.format_version;
  d["engine_version"] = Text(r.engine_version);
  py::dict files;
  files["input"] = Text(r.files.input);
  files["report"] = Text(r.files.report);
  files["plot"] = Text(r.files.plot);
  files["message"] = Text(r.files.message);
  d["files"] = files;
  const tarvex::DateTime& t = r.analysed_at;
  py::dict when;
  when["year"] = t.year;
  when["month"] = t.month;
  when["day"] = t.day;
  when["hour"] = t.hour;
  when["minute"] = t.minute;
  when["second"] = t.second;
  d["analysed_at"] = when;
  d["result_code"] = r.result_code;
  d["outcome"] = OutcomeName(r.outcome);
  d["title"] = Texts(r.title);
  d["units"] = UnitsDict(r.units);
  d["display_units"] = DisplayUnitsDict(r.display_units);
  d["run_kind"] = r.run_kind;
  d["lrfd"] = r.lrfd;
  d["pile_length"] = r.pile_length;
  d["ground_depth"] = r.ground_depth;
  py::list layers, sections, curves, cases, lrfd, warnings;
  for (const auto& l : r.layers) layers.append(LayerDict(l));
  for (const auto& s : r.sections) sections.append(SectionDict(s));
  for (const auto& c : r.py_curves) curves.append(PyCurveDict(c));
  for (const auto& c : r.cases) cases.append(CaseDict(c));
  for (const auto& row : r.lrfd_check) lrfd.append(LrfdRowDict(row));
  for (const auto& w : r.warnings) warnings.append(WarningDict(w));
  d["layers"] = layers;
  d["sections"] = sections;
  d["py_curves"] = curves;
  py::list curve_layers;
  for (int layer : r.py_curve_layers) curve_layers.append(layer);
  d["py_curve_layers"] = curve_layers;
  d["cases"] = cases;
  d["lrfd_check"] = lrfd;
  d["lrfd_loading"] =
      r.lrfd_loading ? py::object(LrfdLoadingDict(*r.lrfd_loading)) : py::object(py::none());
  d["stiffness"] = r.stiffness ? py::object(StiffnessDict(*r.stiffness)) : py::object(py::none());
  d["warnings"] = warnings;
  d["error"] = ErrorDict(r.error);
  d["report_text"] = Text(r.report_text);
  d["plot_text"] = Text(r.plot_text);
  d["message_text"] = Text(r.message_text);
  return d;
}

}  // namespace

// The engine's p-y criterion table, one dict per code 1 to 20: the package's
// soil layer classes are held to it, and its descriptions and families are
// the results' own.
py::list CriterionList() {
  py::list rows;
  for (const tarvex::CriterionRow& row : tarvex::CriterionTable()) {
    py::dict d;
    d["code"] = static_cast<int>(row.code);
    d["short_name"] = std::string(tarvex::ShortNameOf(static_cast<int>(row.code)));
    d["description"] = std::string(row.description);
    d["family"] = std::string(row.family);
    py::list fields;  // (name, values it stands for, check), in input order
    for (const tarvex::SoilField f : row.fields) {
      if (f == tarvex::SoilField::kEnd) break;
      const tarvex::SoilFieldInfo& info = tarvex::FieldInfo(f);
      const char* check = info.check == tarvex::FieldCheck::kNotNegative ? "not_negative"
                          : info.check == tarvex::FieldCheck::kAngle     ? "angle"
                          : info.check == tarvex::FieldCheck::kPercent   ? "percent"
                                                                         : "none";
      fields.append(py::make_tuple(std::string(info.name), info.count, check));
    }
    d["fields"] = fields;
    d["counted"] = row.counted;
    d["user_curves"] = row.user_curves;
    rows.append(d);
  }
  return rows;
}

// The capacities of the input, under the names of tarvex.layout.
py::dict LimitsDict() {
  namespace l = tarvex::limits;
  py::dict d;
  d["MAX_SECTIONS"] = l::kMaxSections;
  d["MAX_LAYERS"] = l::kMaxLayers;
  d["MAX_LOAD_CASES"] = l::kMaxLoadCases;
  d["MAX_DISTRIBUTED_POINTS"] = l::kMaxDistributedPoints;
  d["MAX_LRFD_GROUPS"] = l::kMaxLrfdGroups;
  d["MAX_LRFD_COMBINATIONS"] = l::kMaxLrfdCombinations;
  d["MAX_THRUSTS"] = l::kMaxThrusts;
  d["MAX_TIP_SHEAR_POINTS"] = l::kMaxTipShearPoints;
  d["MAX_PY_MULTIPLIERS"] = l::kMaxPyMultipliers;
  d["MAX_SOIL_MOVEMENTS"] = l::kMaxSoilMovementPoints;
  d["MAX_PY_PRINT_DEPTHS"] = l::kMaxPyOutputDepths;
  d["MAX_BARS"] = l::kMaxBars;
  d["MAX_STRANDS"] = l::kMaxStrands;
  d["MAX_STRESS_STRAIN_POINTS"] = l::kMaxStressStrainPoints;
  d["MAX_EI_THRUSTS"] = l::kMaxUserEiThrusts;
  d["MAX_EI_POINTS"] = l::kMaxUserEiPoints;
  d["MAX_PY_POINTS"] = l::kMaxUserPyPoints;
  d["TEXT_LENGTH"] = l::kLineLength;
  return d;
}

PYBIND11_MODULE(_tarvex, m) {
  m.doc() = "The Tarvex lateral pile analysis engine (use the tarvex package).";
  m.attr("engine_version") = tarvex::version_text();
  // The package's version is the engine's: tarvex.__version__ reads it here.
  m.attr("__version__") = TARVEX_VERSION_STRING;
  m.attr("criteria") = CriterionList();
  m.attr("limits") = LimitsDict();
  // NumPy's C interface is looked up once, on first use, behind a static
  // guard; the lookup imports NumPy, which may let the interpreter lock go.
  // Two threads making their first arrays at once would then wait on each
  // other (one on the guard, one on the lock): look it up here, while the
  // import of this module holds the lock alone.
  py::dtype::of<double>();
  m.def(
      "analyse",
      [](py::bytes input) {
        // The input's bytes are copied out before the lock is let go: no
        // Python object is touched while the engine runs.
        std::string text = input;
        tarvex::RunResults results;
        {
          py::gil_scoped_release release;
          results = Analyse(text, nullptr);
        }
        return ResultsDict(results);
      },
      py::arg("input"),
      "Analyses the input (bytes of a TARVEX6 file) and returns the results as plain data.");
  m.def(
      "analyse_file",
      [](py::bytes path) {
        std::string file = path;
        tarvex::RunResults results;
        {
          py::gil_scoped_release release;
          results = Analyse({}, &file);
        }
        return ResultsDict(results);
      },
      py::arg("path"),
      "Analyses the input file at path (bytes, as os.fsencode gives it) and returns the "
      "results as plain data.");
  // A flag that stops the batches it is given to: each ends after the run it
  // is in (Ctrl-C or an error in run_many).
  py::class_<Cancel>(m, "Cancel")
      .def(py::init<>())
      .def("set", [](Cancel& c) { c.set.store(true); })
      .def("is_set", [](const Cancel& c) { return c.set.load(); });
  m.def(
      "analyse_batch",
      [](const py::list& inputs, const Cancel* cancel) {
        // (is_path, bytes) pairs, analysed one after the other with the lock
        // let go once for the whole batch: a thread of a pool that runs
        // batches takes the lock back once per batch, not once per run. A
        // batch cancelled on the way returns the results of the runs made.
        std::vector<std::pair<bool, std::string>> batch;
        batch.reserve(inputs.size());
        for (const py::handle item : inputs) {
          const py::tuple pair = item.cast<py::tuple>();
          batch.emplace_back(pair[0].cast<bool>(), pair[1].cast<std::string>());
        }
        std::vector<tarvex::RunResults> results(batch.size());
        {
          py::gil_scoped_release release;
          for (std::size_t i = 0; i < batch.size(); ++i) {
            if (cancel != nullptr && cancel->set.load()) {
              results.resize(i);
              break;
            }
            const auto& [is_path, data] = batch[i];
            results[i] = is_path ? Analyse({}, &data) : Analyse(data, nullptr);
          }
        }
        py::list out;
        for (const tarvex::RunResults& r : results) out.append(ResultsDict(r));
        return out;
      },
      py::arg("inputs"), py::arg("cancel") = nullptr,
      "Analyses a list of (is_path, bytes) inputs one after the other and returns the list "
      "of their results as plain data; a set Cancel flag stops it before its next run.");
}
