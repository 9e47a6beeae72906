#include "json/results_json.hpp"

#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "core/number_text.hpp"

namespace tarvex {
namespace {

// Every number takes at most 24 characters ("-2.2250738585072014e-308");
// FormatNumber may write scratch characters up to 34 places past where it
// starts, which the room for one number leaves.
constexpr std::size_t kNumberText = 24;
constexpr std::size_t kNumberRoom = 40;

// Writes v (finite) at out as the shortest text that reads back to the same
// double, and returns its end. The digits are placed as they always were in
// this file: a whole number below 1e15 keeps ".0" (so that a reader takes it
// as the float it is: 100000.0), a point within the digits or after "0." and
// at most three zeros (12.5, 0.00125), and otherwise an exponent (1.25e-05,
// 1e+22). The digits are moved by copies of a fixed length, which cost less
// than copies of the exact length; what they write past the end is scratch.
char* FormatNumber(double v, char* out) {
  if (v > -1e15 && v < 1e15) {
    const auto whole = static_cast<std::int64_t>(v);
    if (static_cast<double>(whole) == v) {
      if (whole == 0 && std::signbit(v)) *out++ = '-';
      out = std::to_chars(out, out + 20, whole).ptr;
      *out++ = '.';
      *out++ = '0';
      return out;
    }
  }
  // The shortest digits as d.ddde+XX, or de+XX for a single digit.
  char text[48];
  const char* const end = NumberToCharsScientific(text, text + kNumberRoom, v).ptr;
  const char* first = text;
  if (*first == '-') *out++ = *first++;
  // The exponent has two digits, or three beyond 1e+99 and below 1e-99.
  const char* const e = end[-4] == 'e' ? end - 4 : end - 5;
  int exponent = 0;
  for (const char* x = e + 2; x != end; ++x) exponent = exponent * 10 + (*x - '0');
  if (e[1] == '-') exponent = -exponent;
  const int digits = e - first == 1 ? 1 : static_cast<int>(e - first - 1);
  const int point = exponent + 1;  // digits before the decimal point
  if (point > 0 && point <= 15) {
    out[0] = first[0];
    std::memcpy(out + 1, first + 2, 16);  // the digits after the first
    if (digits <= point) {                // a whole number: zeros and ".0"
      std::memset(out + digits, '0', 15);
      out[point] = '.';
      out[point + 1] = '0';
      return out + point + 2;
    }
    std::memcpy(out + point + 1, first + 1 + point, 16);  // those after the point
    out[point] = '.';
    return out + digits + 1;
  }
  if (point > -4 && point <= 0) {
    std::memcpy(out, "0.000", 5);
    char* const lead = out + 2 - point;  // after the zeros
    lead[0] = first[0];
    std::memcpy(lead + 1, first + 2, 16);
    return lead + digits;
  }
  std::memcpy(out, first, 32);
  return out + (end - first);
}

// RapidJSON's writer, extended as its own pretty writer extends it: the
// values this file writes most go straight into the buffer, after the comma
// or colon that the writer's Prefix places, as it does for its own values.
// Those are keys (names that need no escape) and numbers.
class ResultsWriter : public rapidjson::Writer<rapidjson::StringBuffer> {
 public:
  explicit ResultsWriter(rapidjson::StringBuffer& buffer) : Writer(buffer) {}

  template <std::size_t N>
  void PlainKey(const char (&name)[N]) {
    Prefix(rapidjson::kStringType);
    char* const p = os_->Push(N + 1);  // the name's N - 1 characters and two quotes
    p[0] = '"';
    std::memcpy(p + 1, name, N - 1);
    p[N] = '"';
  }

  // v is finite.
  void FiniteNumber(double v) {
    Prefix(rapidjson::kNumberType);
    char* const start = os_->Push(kNumberRoom);
    os_->Pop(kNumberRoom - static_cast<std::size_t>(FormatNumber(v, start) - start));
  }

  // An array of numbers; null for those that are not finite.
  void NumberArray(const std::vector<double>& values) {
    Prefix(rapidjson::kArrayType);
    const std::size_t room = values.size() * (kNumberText + 1) + 1 + kNumberRoom;
    char* const start = os_->Push(room);
    char* p = start;
    *p++ = '[';
    for (std::size_t i = 0; i < values.size(); ++i) {
      if (i > 0) *p++ = ',';
      if (std::isfinite(values[i])) {
        p = FormatNumber(values[i], p);
      } else {
        std::memcpy(p, "null", 4);
        p += 4;
      }
    }
    *p++ = ']';
    os_->Pop(room - static_cast<std::size_t>(p - start));
  }
};

// The document is written in one pass, straight from the results: no tree
// of values is built and torn down. The writer puts the commas and colons
// and escapes the texts; numbers are formatted here. Every object writes its
// keys in alphabetical order (byte order, '_' before the letters), the order
// the file has always had.
class JsonOut {
 public:
  explicit JsonOut(std::size_t capacity) : buffer_(nullptr, capacity), writer_(buffer_) {}

  template <std::size_t N>
  JsonOut& Key(const char (&name)[N]) {
    writer_.PlainKey(name);
    return *this;
  }

  // A key made at run time (the names of a table's entries).
  JsonOut& DynamicKey(const std::string& name) {
    writer_.Key(name.data(), static_cast<rapidjson::SizeType>(name.size()));
    return *this;
  }

  void StartObject() { writer_.StartObject(); }
  void EndObject() { writer_.EndObject(); }
  void StartArray() { writer_.StartArray(); }
  void EndArray() { writer_.EndArray(); }
  void Null() { writer_.Null(); }
  void Integer(int v) { writer_.Int(v); }
  void Boolean(bool v) { writer_.Bool(v); }

  void Number(double v) {
    if (std::isfinite(v)) {
      writer_.FiniteNumber(v);
    } else {
      writer_.Null();
    }
  }

  void Number(const std::optional<double>& v) {
    if (v) {
      Number(*v);
    } else {
      writer_.Null();
    }
  }

  void Numbers(const std::vector<double>& values) { writer_.NumberArray(values); }

  // Texts from the input file (the title, an input line) may hold bytes that
  // are not UTF-8: each ill-formed sequence is replaced by U+FFFD.
  void Text(const std::string& s) {
    const std::string& valid = IsAscii(s) ? s : Repaired(s);
    writer_.String(valid.data(), static_cast<rapidjson::SizeType>(valid.size()));
  }

  void Text(const char* s) { writer_.String(s); }

  void Texts(const std::vector<std::string>& lines) {
    writer_.StartArray();
    for (const std::string& line : lines) Text(line);
    writer_.EndArray();
  }

  // The document, ended by a newline.
  std::string Finish() {
    buffer_.Put('\n');
    return std::string(buffer_.GetString(), buffer_.GetSize());
  }

 private:
  static bool IsAscii(const std::string& s) {
    unsigned char any = 0;
    for (char c : s) any |= static_cast<unsigned char>(c);
    return any < 0x80;
  }

  // s with every ill-formed UTF-8 sequence replaced by U+FFFD: a byte that
  // starts no sequence is one, and so is the longest start of a sequence that
  // breaks off (the byte that breaks it is read again as a start).
  const std::string& Repaired(const std::string& s) {
    static const char kReplacement[] = "\xEF\xBF\xBD";
    repaired_.clear();
    std::size_t i = 0;
    while (i < s.size()) {
      const auto lead = static_cast<unsigned char>(s[i]);
      if (lead < 0x80) {
        repaired_.push_back(s[i++]);
        continue;
      }
      int follow = 0;  // continuation bytes the lead byte asks for
      unsigned char low = 0x80;
      unsigned char high = 0xBF;
      if (lead >= 0xC2 && lead <= 0xDF) {
        follow = 1;
      } else if (lead >= 0xE0 && lead <= 0xEF) {
        follow = 2;
        if (lead == 0xE0) low = 0xA0;   // no overlong forms
        if (lead == 0xED) high = 0x9F;  // no surrogates
      } else if (lead >= 0xF0 && lead <= 0xF4) {
        follow = 3;
        if (lead == 0xF0) low = 0x90;   // no overlong forms
        if (lead == 0xF4) high = 0x8F;  // nothing above U+10FFFF
      } else {
        repaired_ += kReplacement;
        ++i;
        continue;
      }
      std::size_t j = i + 1;
      int taken = 0;
      while (taken < follow && j < s.size()) {
        const auto c = static_cast<unsigned char>(s[j]);
        if (c < low || c > high) break;
        low = 0x80;
        high = 0xBF;
        ++j;
        ++taken;
      }
      if (taken == follow) {
        repaired_.append(s, i, j - i);
      } else {
        repaired_ += kReplacement;
      }
      i = j;
    }
    return repaired_;
  }

  rapidjson::StringBuffer buffer_;
  ResultsWriter writer_;
  std::string repaired_;
};

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

template <typename T, typename F>
void ArrayOf(JsonOut& out, const std::vector<T>& items, F&& one) {
  out.StartArray();
  for (const T& item : items) one(out, item);
  out.EndArray();
}

void Write(JsonOut& out, const Units& u) {
  out.StartObject();
  out.Key("curvature").Text(u.curvature);
  out.Key("flexural_rigidity").Text(u.flexural_rigidity);
  out.Key("force").Text(u.force);
  out.Key("force_per_length").Text(u.force_per_length);
  out.Key("length").Text(u.length);
  out.Key("moment").Text(u.moment);
  out.Key("rotational_stiffness").Text(u.rotational_stiffness);
  out.Key("section_force").Text(u.section_force);
  out.Key("section_moment").Text(u.section_moment);
  out.Key("section_rigidity").Text(u.section_rigidity);
  out.Key("stress").Text(u.stress);
  out.Key("system").Text(u.system);
  out.EndObject();
}

void Write(JsonOut& out, const DisplayUnits& d) {
  out.StartObject();
  out.Key("quantities");
  out.StartObject();
  // The keys in order, as every object of the file has them.
  std::vector<const DisplayUnit*> sorted;
  sorted.reserve(d.quantities.size());
  for (const DisplayUnit& u : d.quantities) sorted.push_back(&u);
  std::sort(sorted.begin(), sorted.end(),
            [](const DisplayUnit* a, const DisplayUnit* b) { return a->quantity < b->quantity; });
  for (const DisplayUnit* p : sorted) {
    const DisplayUnit& u = *p;
    out.DynamicKey(u.quantity);
    out.StartObject();
    out.Key("computing").Text(u.computing);
    out.Key("divisor").Number(u.divisor);
    out.Key("factor").Number(u.factor);
    out.Key("unit").Text(u.unit);
    out.EndObject();
  }
  out.EndObject();
  out.Key("round_off").Number(d.round_off);
  out.Key("system").Text(d.system);
  out.EndObject();
}

void Write(JsonOut& out, const Diagnostic& d) {
  out.StartObject();
  out.Key("advice").Text(d.advice);
  out.Key("code").Integer(d.code);
  out.Key("file").Text(d.file);
  out.Key("identity").Text(d.identity);
  out.Key("kind").Text(d.kind);
  out.Key("line_number").Integer(d.line_number);
  out.Key("line_text").Text(d.line_text);
  out.Key("message").Texts(d.message);
  out.Key("name").Text(d.name);
  out.Key("number").Integer(d.number);
  // The values the error is about: a number, or a text when it is one.
  out.Key("values");
  ArrayOf(out, d.values, [](JsonOut& o, const DiagnosticValue& v) {
    o.StartObject();
    o.Key("name").Text(v.name);
    o.Key("unit").Text(v.unit);
    o.Key("value");
    if (v.text.empty()) {
      o.Number(v.value);
    } else {
      o.Text(v.text);
    }
    o.EndObject();
  });
  out.EndObject();
}

void Write(JsonOut& out, const WarningRecord& w) {
  out.StartObject();
  out.Key("count").Integer(w.count);
  out.Key("load_case").Integer(w.load_case);
  out.Key("number").Integer(w.number);
  out.Key("text").Texts(w.text);
  out.EndObject();
}

void Write(JsonOut& out, const LayerValue& v) {
  out.StartObject();
  out.Key("bottom").Number(v.bottom);
  out.Key("name").Text(v.name);
  out.Key("quantity").Text(v.quantity);
  out.Key("top").Number(v.top);
  out.Key("unit").Text(v.unit);
  out.EndObject();
}

void Write(JsonOut& out, const SoilLayerInfo& l) {
  out.StartObject();
  out.Key("bottom").Number(l.bottom);
  out.Key("criterion").Integer(l.criterion);
  out.Key("default_k_above_water_table").Boolean(l.default_k_above_water_table);
  out.Key("description").Text(l.description);
  out.Key("family").Text(l.family);
  out.Key("number").Integer(l.number);
  out.Key("short_name").Text(l.short_name);
  out.Key("top").Number(l.top);
  out.Key("unit_weight_bottom").Number(l.unit_weight_bottom);
  out.Key("unit_weight_top").Number(l.unit_weight_top);
  out.Key("values");
  ArrayOf(out, l.values, [](JsonOut& o, const LayerValue& v) { Write(o, v); });
  out.EndObject();
}

void Write(JsonOut& out, const MomentCurvaturePoint& p) {
  out.StartObject();
  out.Key("curvature").Number(p.curvature);
  out.Key("ei").Number(p.ei);
  out.Key("flags").Text(p.flags);
  out.Key("max_casing_stress").Number(p.max_casing_stress);
  out.Key("max_compressive_strain").Number(p.max_compressive_strain);
  out.Key("max_concrete_stress").Number(p.max_concrete_stress);
  out.Key("max_core_stress").Number(p.max_core_stress);
  out.Key("max_steel_stress").Number(p.max_steel_stress);
  out.Key("max_tensile_strain").Number(p.max_tensile_strain);
  out.Key("moment").Number(p.moment);
  out.Key("neutral_axis").Number(p.neutral_axis);
  out.EndObject();
}

void Write(JsonOut& out, const ThrustCurve& t) {
  out.StartObject();
  out.Key("full_curve").Boolean(t.full_curve);
  out.Key("nominal_moment_capacity").Number(t.nominal_moment_capacity);
  out.Key("points");
  ArrayOf(out, t.points, [](JsonOut& o, const MomentCurvaturePoint& p) { Write(o, p); });
  out.Key("thrust").Number(t.thrust);
  out.EndObject();
}

void Write(JsonOut& out, const InteractionPoint& p) {
  out.StartObject();
  out.Key("axial").Number(p.axial);
  out.Key("moment").Number(p.moment);
  out.EndObject();
}

void Write(JsonOut& out, const std::optional<InteractionPoint>& p) {
  if (p) {
    Write(out, *p);
  } else {
    out.Null();
  }
}

void Write(JsonOut& out, const InteractionDemand& d) {
  out.StartObject();
  out.Key("axial").Number(d.axial);
  out.Key("capacity");
  Write(out, d.capacity);
  out.Key("factored").Boolean(d.factored);
  out.Key("load_case").Integer(d.load_case);
  out.Key("moment").Number(d.moment);
  out.Key("name").Text(d.name);
  out.Key("passed").Boolean(d.passed);
  out.Key("utilisation").Number(d.utilisation);
  out.EndObject();
}

void Write(JsonOut& out, const InteractionResult& r) {
  out.StartObject();
  out.Key("alpha_cc").Number(r.alpha_cc);
  out.Key("balanced");
  Write(out, r.balanced);
  out.Key("balanced_factored");
  Write(out, r.balanced_factored);
  out.Key("code").Text(r.code);
  out.Key("covered").Boolean(r.covered);
  out.Key("demands");
  ArrayOf(out, r.demands, [](JsonOut& o, const InteractionDemand& d) { Write(o, d); });
  out.Key("factored");
  ArrayOf(out, r.factored, [](JsonOut& o, const InteractionPoint& p) { Write(o, p); });
  out.Key("gamma_c").Number(r.gamma_c);
  out.Key("gamma_s").Number(r.gamma_s);
  out.Key("governing_case").Integer(r.governing_case);
  out.Key("max_compression").Number(r.max_compression);
  out.Key("max_tension").Number(r.max_tension);
  out.Key("max_utilisation").Number(r.max_utilisation);
  out.Key("method").Text(r.method);
  out.Key("nominal");
  ArrayOf(out, r.nominal, [](JsonOut& o, const InteractionPoint& p) { Write(o, p); });
  out.Key("note").Text(r.note);
  out.Key("phi").Numbers(r.phi);
  out.Key("prestressed").Boolean(r.prestressed);
  out.Key("pure_compression").Number(r.pure_compression);
  out.Key("pure_tension").Number(r.pure_tension);
  out.Key("standard").Text(r.standard);
  out.Key("symmetric").Boolean(r.symmetric);
  out.Key("transverse").Text(r.transverse);
  out.Key("transverse_source").Text(r.transverse_source);
  out.EndObject();
}

// ---- Section analysis: the values of the section's report blocks ----

void Write(JsonOut& out, const SectionBar& b) {
  out.StartObject();
  out.Key("area").Number(b.area);
  out.Key("diameter").Number(b.diameter);
  out.Key("x").Number(b.x);
  out.Key("y").Number(b.y);
  out.EndObject();
}

void Write(JsonOut& out, const ListedBar& b) {
  out.StartObject();
  out.Key("area").Number(b.area);
  out.Key("diameter").Number(b.diameter);
  out.Key("index").Integer(b.index);
  out.Key("x").Number(b.x);
  out.Key("y").Number(b.y);
  out.EndObject();
}

void Write(JsonOut& out, const SectionDimensions& d) {
  out.StartObject();
  out.Key("bar_area").Number(d.bar_area);
  out.Key("bar_count").Integer(d.bar_count);
  out.Key("bar_modulus").Number(d.bar_modulus);
  out.Key("bar_yield_stress").Number(d.bar_yield_stress);
  out.Key("bars");
  ArrayOf(out, d.bars, [](JsonOut& o, const SectionBar& b) { Write(o, b); });
  out.Key("casing_area").Number(d.casing_area);
  out.Key("casing_inertia").Number(d.casing_inertia);
  out.Key("casing_modulus").Number(d.casing_modulus);
  out.Key("casing_thickness").Number(d.casing_thickness);
  out.Key("casing_yield_stress").Number(d.casing_yield_stress);
  out.Key("chamfer").Number(d.chamfer);
  out.Key("concrete_area").Number(d.concrete_area);
  out.Key("core_area").Number(d.core_area);
  out.Key("core_diameter").Number(d.core_diameter);
  out.Key("core_filled").Boolean(d.core_filled);
  out.Key("core_inertia").Number(d.core_inertia);
  out.Key("core_thickness").Number(d.core_thickness);
  out.Key("cover").Number(d.cover);
  out.Key("depth").Number(d.depth);
  out.Key("edge_spacing").Number(d.edge_spacing);
  out.Key("gross_area").Number(d.gross_area);
  out.Key("listed_bars");
  ArrayOf(out, d.listed_bars, [](JsonOut& o, const ListedBar& b) { Write(o, b); });
  out.Key("pipe_area").Number(d.pipe_area);
  out.Key("pipe_bending_stiffness").Number(d.pipe_bending_stiffness);
  out.Key("pipe_inertia").Number(d.pipe_inertia);
  out.Key("plastic_modulus").Number(d.plastic_modulus);
  out.Key("plastic_moment").Number(d.plastic_moment);
  out.Key("rebar_offset").Number(d.rebar_offset);
  out.Key("rupture_modulus").Number(d.rupture_modulus);
  out.Key("single_bar_area").Number(d.single_bar_area);
  out.Key("steel_area").Number(d.steel_area);
  out.Key("steel_ratio_percent").Number(d.steel_ratio_percent);
  out.Key("void_diameter").Number(d.void_diameter);
  out.Key("width").Number(d.width);
  out.EndObject();
}

void Write(JsonOut& out, const SectionPrestress& p) {
  out.StartObject();
  out.Key("concrete_area").Number(p.concrete_area);
  out.Key("concrete_strain").Number(p.concrete_strain);
  out.Key("concrete_stress").Number(p.concrete_stress);
  out.Key("effective_force").Number(p.effective_force);
  out.Key("initial_force").Number(p.initial_force);
  out.Key("loss_fraction").Number(p.loss_fraction);
  out.Key("pci_axial_capacity").Number(p.pci_axial_capacity);
  out.Key("pci_axial_load").Number(p.pci_axial_load);
  out.Key("pci_moment_capacity").Number(p.pci_moment_capacity);
  out.Key("pci_moment_factor").Number(p.pci_moment_factor);
  out.Key("pci_tensile_capacity").Number(p.pci_tensile_capacity);
  out.Key("steel_area").Number(p.steel_area);
  out.Key("steel_strain").Number(p.steel_strain);
  out.Key("steel_stress").Number(p.steel_stress);
  out.Key("strand_area").Number(p.strand_area);
  out.Key("strand_cover").Number(p.strand_cover);
  out.Key("strand_type").Integer(p.strand_type);
  out.EndObject();
}

void Write(JsonOut& out, const SectionConcrete& c) {
  out.StartObject();
  out.Key("aggregate_size").Number(c.aggregate_size);
  out.Key("compressive_strength").Number(c.compressive_strength);
  out.Key("cracking_strain").Number(c.cracking_strain);
  out.Key("elastic_modulus").Number(c.elastic_modulus);
  out.Key("peak_strain").Number(c.peak_strain);
  out.Key("rupture_modulus").Number(c.rupture_modulus);
  out.EndObject();
}

const char* CurveSourceName(SectionCurveSource source) {
  switch (source) {
    case SectionCurveSource::kElastic:
      return "elastic";
    case SectionCurveSource::kElasticPlastic:
      return "elastic-plastic";
    case SectionCurveSource::kUserDefined:
      return "user-defined";
    case SectionCurveSource::kComputed:
      break;
  }
  return "computed";
}

template <typename T>
void WriteOptional(JsonOut& out, const std::optional<T>& value) {
  if (value) {
    Write(out, *value);
  } else {
    out.Null();
  }
}

// ---- end of the section analysis's values ----

void Write(JsonOut& out, const SectionResult& s) {
  out.StartObject();
  out.Key("analysed_thrusts").Numbers(s.analysed_thrusts);
  out.Key("area").Number(s.area);
  out.Key("axial_capacity").Number(s.axial_capacity);
  out.Key("bottom").Number(s.bottom);
  out.Key("concrete");
  WriteOptional(out, s.concrete);
  out.Key("cracking_load").Number(s.cracking_load);
  out.Key("curves").Text(CurveSourceName(s.curves));
  out.Key("dimensions");
  WriteOptional(out, s.dimensions);
  out.Key("flexural_rigidity").Number(s.flexural_rigidity);
  out.Key("inertia").Number(s.inertia);
  out.Key("interaction");
  if (s.interaction) {
    Write(out, *s.interaction);
  } else {
    out.Null();
  }
  out.Key("length").Number(s.length);
  out.Key("number").Integer(s.number);
  out.Key("prestress");
  WriteOptional(out, s.prestress);
  out.Key("tensile_capacity").Number(s.tensile_capacity);
  out.Key("thrusts");
  ArrayOf(out, s.thrusts, [](JsonOut& o, const ThrustCurve& t) { Write(o, t); });
  out.Key("thrusts_dropped").Boolean(s.thrusts_dropped);
  out.Key("top").Number(s.top);
  out.Key("type").Integer(s.type);
  out.Key("type_name").Text(s.type_name);
  out.Key("width").Number(s.width);
  out.EndObject();
}

void Write(JsonOut& out, const NodeColumns& n) {
  out.StartObject();
  out.Key("deflection").Numbers(n.deflection);
  out.Key("depth").Numbers(n.depth);
  out.Key("distributed_load").Numbers(n.distributed_load);
  out.Key("es").Numbers(n.es);
  out.Key("flexural_rigidity").Numbers(n.flexural_rigidity);
  out.Key("moment").Numbers(n.moment);
  out.Key("shear").Numbers(n.shear);
  out.Key("slope").Numbers(n.slope);
  out.Key("soil_reaction").Numbers(n.soil_reaction);
  out.Key("stress").Numbers(n.stress);
  out.EndObject();
}

void Write(JsonOut& out, const LengthStudyRow& r) {
  out.StartObject();
  out.Key("head_deflection").Number(r.head_deflection);
  out.Key("head_shear").Number(r.head_shear);
  out.Key("length").Number(r.length);
  out.Key("max_moment").Number(r.max_moment);
  out.Key("max_shear").Number(r.max_shear);
  out.EndObject();
}

// A solution's iterations among the last five before the iteration limit.
void Write(JsonOut& out, const std::vector<IterationRecord>& iterations) {
  ArrayOf(out, iterations, [](JsonOut& o, const IterationRecord& it) {
    o.StartObject();
    o.Key("head_deflection").Number(it.head_deflection);
    o.Key("iteration").Integer(it.iteration);
    o.Key("max_change").Number(it.max_change);
    o.EndObject();
  });
}

void Write(JsonOut& out, const PileLengthStudy& study) {
  out.StartObject();
  out.Key("ended_by").Text(study.ended_by);
  out.Key("full_length").Number(study.full_length);
  out.Key("last_iterations");
  Write(out, study.last_iterations);
  out.Key("lengths_analysed").Integer(study.lengths_analysed);
  out.Key("load_case").Integer(study.load_case);
  out.Key("rows");
  ArrayOf(out, study.rows, [](JsonOut& o, const LengthStudyRow& r) { Write(o, r); });
  out.EndObject();
}

void Write(JsonOut& out, const HeadStiffness& k) {
  out.StartObject();
  out.Key("secant");
  out.StartObject();
  out.Key("lateral").Number(k.secant.lateral);
  out.Key("rotational").Number(k.secant.rotational);
  out.EndObject();
  out.Key("tangent");
  if (k.tangent) {
    out.StartArray();
    for (const std::array<double, 2>& row : *k.tangent) {
      out.StartArray();
      out.Number(row[0]);
      out.Number(row[1]);
      out.EndArray();
    }
    out.EndArray();
  } else {
    out.Null();
  }
  out.EndObject();
}

void Write(JsonOut& out, const LoadCurvePoint& p) {
  out.StartObject();
  out.Key("condition1").Number(p.condition1);
  out.Key("condition2").Number(p.condition2);
  out.Key("factor").Number(p.factor);
  out.Key("head_deflection").Number(p.head_deflection);
  out.Key("head_moment").Number(p.head_moment);
  out.Key("head_rotation").Number(p.head_rotation);
  out.Key("head_shear").Number(p.head_shear);
  out.Key("iterations").Integer(p.iterations);
  out.Key("level").Integer(p.level);
  out.Key("max_moment").Number(p.max_moment);
  out.Key("max_moment_depth").Number(p.max_moment_depth);
  out.Key("max_shear").Number(p.max_shear);
  out.EndObject();
}

void Write(JsonOut& out, const LoadCurve& curve) {
  out.StartObject();
  out.Key("failed_level").Integer(curve.failed_level);
  out.Key("failure");
  if (curve.failure) {
    Write(out, *curve.failure);
  } else {
    out.Null();
  }
  out.Key("points");
  ArrayOf(out, curve.points, [](JsonOut& o, const LoadCurvePoint& p) { Write(o, p); });
  out.Key("steps").Integer(curve.steps);
  out.EndObject();
}

void Write(JsonOut& out, const LoadCaseResult& c) {
  out.StartObject();
  out.Key("axial").Number(c.axial);
  out.Key("combination_name").Text(c.combination_name);
  out.Key("condition1").Number(c.condition1);
  out.Key("condition2").Number(c.condition2);
  out.Key("final_change").Number(c.final_change);
  out.Key("force_imbalance").Number(c.force_imbalance);
  out.Key("force_imbalance_station").Integer(c.force_imbalance_station);
  out.Key("head_deflection").Number(c.head_deflection);
  out.Key("head_moment").Number(c.head_moment);
  out.Key("head_rotation").Number(c.head_rotation);
  out.Key("head_shear").Number(c.head_shear);
  out.Key("head_stiffness");
  Write(out, c.head_stiffness);
  out.Key("increment_length").Number(c.increment_length);
  out.Key("iterations").Integer(c.iterations);
  out.Key("last_iterations");
  Write(out, c.last_iterations);
  out.Key("length_study");
  if (c.length_study) {
    Write(out, *c.length_study);
  } else {
    out.Null();
  }
  out.Key("load_curve");
  if (c.load_curve) {
    Write(out, *c.load_curve);
  } else {
    out.Null();
  }
  out.Key("load_type").Integer(c.load_type);
  out.Key("lrfd").Boolean(c.lrfd);
  out.Key("lrfd_distributed_loads");
  ArrayOf(out, c.lrfd_distributed_loads, [](JsonOut& o, const LrfdDistributedLoads& t) {
    o.StartObject();
    o.Key("depth").Numbers(t.depth);
    o.Key("load").Numbers(t.load);
    o.Key("type").Integer(t.type);
    o.Key("type_code").Text(t.type_code);
    o.EndObject();
  });
  out.Key("max_moment").Number(c.max_moment);
  out.Key("max_moment_depth").Number(c.max_moment_depth);
  out.Key("max_shear").Number(c.max_shear);
  out.Key("max_shear_depth").Number(c.max_shear_depth);
  out.Key("max_stress").Number(c.max_stress);
  out.Key("moment_imbalance").Number(c.moment_imbalance);
  out.Key("moment_imbalance_station").Integer(c.moment_imbalance_station);
  out.Key("nodes");
  Write(out, c.nodes);
  out.Key("number").Integer(c.number);
  out.Key("section_max_moment").Numbers(c.section_max_moment);
  out.Key("section_max_shear").Numbers(c.section_max_shear);
  out.Key("status").Text(StatusName(c.status));
  out.Key("verified").Boolean(c.verified);
  out.Key("zero_deflection_points").Integer(c.zero_deflection_points);
  out.EndObject();
}

const char* CurveValueFormName(CurveValueForm form) {
  switch (form) {
    case CurveValueForm::kInteger:
      return "integer";
    case CurveValueForm::kFixed:
      return "fixed";
    case CurveValueForm::kExponent:
      return "exponent";
  }
  return "fixed";
}

void Write(JsonOut& out, const CurveParameter& v) {
  out.StartObject();
  out.Key("decimals").Integer(v.decimals);
  out.Key("form").Text(CurveValueFormName(v.form));
  out.Key("name").Text(v.name);
  out.Key("unit").Text(v.unit);
  out.Key("value").Number(v.value);
  out.Key("width").Integer(v.width);
  out.EndObject();
}

void Write(JsonOut& out, const CurveText& t) {
  out.StartObject();
  out.Key("name").Text(t.name);
  out.Key("text").Text(t.text);
  out.EndObject();
}

void Write(JsonOut& out, const CurveNote& n) {
  out.StartObject();
  out.Key("code").Text(n.code);
  out.Key("lines").Texts(n.lines);
  out.Key("text").Text(n.text);
  out.EndObject();
}

void Write(JsonOut& out, const PyCurveResult& c) {
  out.StartObject();
  out.Key("criterion").Integer(c.criterion);
  out.Key("depth").Number(c.depth);
  out.Key("layer").Integer(c.layer);
  out.Key("notes");
  ArrayOf(out, c.notes, [](JsonOut& o, const CurveNote& n) { Write(o, n); });
  out.Key("number").Integer(c.number);
  out.Key("p").Numbers(c.p);
  out.Key("parameters");
  ArrayOf(out, c.parameters, [](JsonOut& o, const CurveParameter& v) { Write(o, v); });
  out.Key("short_name").Text(c.short_name);
  out.Key("texts");
  ArrayOf(out, c.texts, [](JsonOut& o, const CurveText& t) { Write(o, t); });
  out.Key("title").Texts(c.title);
  out.Key("y").Numbers(c.y);
  out.EndObject();
}

void Write(JsonOut& out, const LrfdCheckRow& r) {
  out.StartObject();
  out.Key("combination").Integer(r.combination);
  out.Key("factored_capacity").Number(r.factored_capacity);
  out.Key("fraction_mobilized").Number(r.fraction_mobilized);
  out.Key("head_deflection").Number(r.head_deflection);
  out.Key("head_rotation").Number(r.head_rotation);
  out.Key("max_shear").Number(r.max_shear);
  out.Key("moment_developed").Number(r.moment_developed);
  out.Key("name").Text(r.name);
  out.Key("resistance_factor").Number(r.resistance_factor);
  out.Key("section").Integer(r.section);
  out.Key("verdict").Text(VerdictName(r.verdict));
  out.EndObject();
}

void Write(JsonOut& out, const LrfdLoadGroup& g) {
  out.StartObject();
  out.Key("axial").Number(g.axial);
  out.Key("horizontal").Number(g.horizontal);
  out.Key("moment").Number(g.moment);
  out.Key("number").Integer(g.number);
  out.Key("points");
  ArrayOf(out, g.points, [](JsonOut& o, const LrfdLoadPoint& p) {
    o.StartObject();
    o.Key("depth").Number(p.depth);
    o.Key("load").Number(p.load);
    o.EndObject();
  });
  out.Key("type").Integer(g.type);
  out.Key("type_code").Text(g.type_code);
  out.EndObject();
}

void Write(JsonOut& out, const LrfdTypeTotal& t) {
  out.StartObject();
  out.Key("axial").Number(t.axial);
  out.Key("groups").Integer(t.groups);
  out.Key("horizontal").Number(t.horizontal);
  out.Key("moment").Number(t.moment);
  out.Key("type").Integer(t.type);
  out.Key("type_code").Text(t.type_code);
  out.EndObject();
}

void Write(JsonOut& out, const LrfdCombinationLoads& c) {
  out.StartObject();
  out.Key("axial").Number(c.axial);
  out.Key("factors").Numbers(c.factors);
  out.Key("horizontal").Number(c.horizontal);
  out.Key("moment").Number(c.moment);
  out.Key("name").Text(c.name);
  out.Key("number").Integer(c.number);
  out.Key("phi_flexure").Number(c.phi_flexure);
  out.Key("phi_shear").Number(c.phi_shear);
  out.Key("resistance_factor_flexure").Number(c.resistance_factor_flexure);
  out.Key("resistance_factor_shear").Number(c.resistance_factor_shear);
  out.Key("shear").Number(c.shear);
  out.Key("thrust").Integer(c.thrust);
  out.Key("vertical").Number(c.vertical);
  out.EndObject();
}

void Write(JsonOut& out, const LrfdLoading& l) {
  out.StartObject();
  out.Key("batter");
  if (l.batter) {
    out.StartObject();
    out.Key("batter_degrees").Number(l.batter->batter_degrees);
    out.Key("cos_batter").Number(l.batter->cos_batter);
    out.Key("sin_batter").Number(l.batter->sin_batter);
    out.EndObject();
  } else {
    out.Null();
  }
  out.Key("combinations");
  ArrayOf(out, l.combinations, [](JsonOut& o, const LrfdCombinationLoads& c) { Write(o, c); });
  out.Key("groups");
  ArrayOf(out, l.groups, [](JsonOut& o, const LrfdLoadGroup& g) { Write(o, g); });
  out.Key("thrusts").Numbers(l.thrusts);
  out.Key("type_totals");
  ArrayOf(out, l.type_totals, [](JsonOut& o, const LrfdTypeTotal& t) { Write(o, t); });
  out.EndObject();
}

void Write(JsonOut& out, const StiffnessRow& r) {
  out.StartObject();
  out.Key("deflection").Number(r.deflection);
  out.Key("k22").Number(r.k22);
  out.Key("k23").Number(r.k23);
  out.Key("k32").Number(r.k32);
  out.Key("k33").Number(r.k33);
  out.Key("moment_level").Number(r.moment_level);
  out.Key("moment_reaction_1").Number(r.moment_reaction_1);
  out.Key("moment_reaction_2").Number(r.moment_reaction_2);
  out.Key("rotation").Number(r.rotation);
  out.Key("shear_level").Number(r.shear_level);
  out.Key("shear_reaction_1").Number(r.shear_reaction_1);
  out.Key("shear_reaction_2").Number(r.shear_reaction_2);
  out.EndObject();
}

void Write(JsonOut& out, const HeadStiffnessStudy& study) {
  out.StartObject();
  out.Key("axial").Number(study.axial);
  out.Key("cases_converged").Integer(study.cases_converged);
  out.Key("complete").Boolean(study.complete);
  out.Key("ended_by").Text(study.ended_by);
  out.Key("last_iterations");
  Write(out, study.last_iterations);
  out.Key("reference_moment").Number(study.reference_moment);
  out.Key("reference_shear").Number(study.reference_shear);
  out.Key("rows");
  ArrayOf(out, study.rows, [](JsonOut& o, const StiffnessRow& row) { Write(o, row); });
  out.EndObject();
}

void Write(JsonOut& out, const RunFiles& files) {
  out.StartObject();
  out.Key("input").Text(files.input);
  out.Key("message").Text(files.message);
  out.Key("plot").Text(files.plot);
  out.Key("report").Text(files.report);
  out.EndObject();
}

void Write(JsonOut& out, const DateTime& t) {
  out.StartObject();
  out.Key("day").Integer(t.day);
  out.Key("hour").Integer(t.hour);
  out.Key("minute").Integer(t.minute);
  out.Key("month").Integer(t.month);
  out.Key("second").Integer(t.second);
  out.Key("year").Integer(t.year);
  out.EndObject();
}

void Write(JsonOut& out, const RunResults& r) {
  out.StartObject();
  out.Key("analysed_at");
  Write(out, r.analysed_at);
  out.Key("cases");
  ArrayOf(out, r.cases, [](JsonOut& o, const LoadCaseResult& c) { Write(o, c); });
  out.Key("display_units");
  Write(out, r.display_units);
  out.Key("engine_version").Text(r.engine_version);
  out.Key("error");
  if (r.error) {
    Write(out, *r.error);
  } else {
    out.Null();
  }
  out.Key("files");
  Write(out, r.files);
  out.Key("format_version").Integer(r.format_version);
  out.Key("ground_depth").Number(r.ground_depth);
  out.Key("layers");
  ArrayOf(out, r.layers, [](JsonOut& o, const SoilLayerInfo& l) { Write(o, l); });
  out.Key("lrfd").Boolean(r.lrfd);
  out.Key("lrfd_check");
  ArrayOf(out, r.lrfd_check, [](JsonOut& o, const LrfdCheckRow& row) { Write(o, row); });
  out.Key("lrfd_loading");
  if (r.lrfd_loading) {
    Write(out, *r.lrfd_loading);
  } else {
    out.Null();
  }
  out.Key("outcome").Text(OutcomeName(r.outcome));
  out.Key("pile_length").Number(r.pile_length);
  out.Key("py_curve_layers");
  ArrayOf(out, r.py_curve_layers, [](JsonOut& o, int layer) { o.Integer(layer); });
  out.Key("py_curves");
  ArrayOf(out, r.py_curves, [](JsonOut& o, const PyCurveResult& c) { Write(o, c); });
  out.Key("result_code").Integer(r.result_code);
  out.Key("run_kind").Integer(r.run_kind);
  out.Key("sections");
  ArrayOf(out, r.sections, [](JsonOut& o, const SectionResult& s) { Write(o, s); });
  out.Key("stiffness");
  if (r.stiffness) {
    Write(out, *r.stiffness);
  } else {
    out.Null();
  }
  out.Key("title").Texts(r.title);
  out.Key("units");
  Write(out, r.units);
  out.Key("warnings");
  ArrayOf(out, r.warnings, [](JsonOut& o, const WarningRecord& w) { Write(o, w); });
  out.EndObject();
}

// A little more than the document takes, so that its buffer seldom grows:
// about 24 characters for a number of an array, 420 for a point of a
// moment-curvature table with its keys.
std::size_t ExpectedSize(const RunResults& r) {
  std::size_t numbers = 0;
  std::size_t points = 0;
  for (const LoadCaseResult& c : r.cases) numbers += 10 * c.nodes.depth.size();
  for (const PyCurveResult& c : r.py_curves) {
    numbers += c.y.size() + c.p.size() + 3 * c.parameters.size();
  }
  for (const SectionResult& s : r.sections) {
    for (const ThrustCurve& t : s.thrusts) points += t.points.size();
    if (s.interaction) numbers += 6 * s.interaction->nominal.size();
  }
  return 4096 + 24 * numbers + 420 * points;
}

}  // namespace

std::string RenderResultsJson(const RunResults& results) {
  JsonOut out(ExpectedSize(results));
  Write(out, results);
  return out.Finish();
}

}  // namespace tarvex
