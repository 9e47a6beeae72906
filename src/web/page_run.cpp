#include "web/page_run.hpp"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <utility>

#include "core/number_text.hpp"
#include "engine/results.hpp"
#include "input/input_file.hpp"
#include "input/reader.hpp"
#include "json/results_json.hpp"
#include "report/html_report.hpp"
#include "report/results_csv.hpp"
#include "soil/criterion_table.hpp"

namespace tarvex::web {
namespace {

// A JSON text written member by member; texts escaped, numbers in their
// shortest exact form (a number that is not finite cannot come from the
// reader and is written as null).
class Json {
 public:
  void Open(char c) {
    Separate();
    text_ += c;
    first_ = true;
  }
  void Close(char c) {
    text_ += c;
    first_ = false;
  }
  Json& Key(std::string_view name) {
    Separate();
    Quote(name);
    text_ += ':';
    first_ = true;
    return *this;
  }
  void Number(double v) {
    Separate();
    char buf[40];
    const auto r = NumberToChars(buf, buf + sizeof buf, v);
    if (r.ec == std::errc() && std::isfinite(v)) {
      text_.append(buf, r.ptr);
    } else {
      text_ += "null";
    }
  }
  void Integer(int v) {
    Separate();
    text_ += std::to_string(v);
  }
  void Boolean(bool v) {
    Separate();
    text_ += v ? "true" : "false";
  }
  void Null() {
    Separate();
    text_ += "null";
  }
  void Text(std::string_view s) {
    Separate();
    Quote(s);
  }
  std::string Finish() { return std::move(text_); }

 private:
  void Separate() {
    if (!first_) text_ += ',';
    first_ = false;
  }
  void Quote(std::string_view s) {
    text_ += '"';
    for (const char c : s) {
      const auto u = static_cast<unsigned char>(c);
      if (c == '"' || c == '\\') {
        text_ += '\\';
        text_ += c;
      } else if (u < 0x20 || u >= 0x80) {
        // Control characters, and bytes of the input that may not be UTF-8.
        static const char kHex[] = "0123456789abcdef";
        text_ += "\\u00";
        text_ += kHex[u >> 4U];
        text_ += kHex[u & 15U];
      } else {
        text_ += c;
      }
    }
    text_ += '"';
  }

  std::string text_;
  bool first_ = true;
};

// The values of one SOIL LAYERS row, in the order of the criterion's fields.
void RowValues(Json& json, const CriterionRow& row, const SoilValues& v) {
  json.Open('[');
  for (const SoilField field : row.fields) {
    if (field == SoilField::kEnd) break;
    for (int k = 0; k < FieldInfo(field).count; ++k) json.Number(SoilFieldValue(v, field, k));
  }
  json.Close(']');
}

}  // namespace

PageRun RunForPage(std::string_view input_text, const std::string& stem, const DateTime& now) {
  AnalyseOptions options;
  options.clock = [now] { return now; };
  options.keep_texts = true;
  options.names = {stem + ".tv6", stem + ".out", stem + ".plt", stem + ".msg"};
  RunResults results = analyse(input_text, options);

  PageRun page;
  page.result_code = results.result_code;
  page.report = std::move(results.report_text);
  page.plot = std::move(results.plot_text);
  page.message = std::move(results.message_text);
  page.results_json = RenderResultsJson(results);
  page.html = RenderHtmlReport(page.results_json);
  page.cases_csv = RenderCasesCsv(results);
  for (const LoadCaseResult& c : results.cases) {
    page.case_csvs.push_back(RenderNodesCsv(results, c));
  }
  return page;
}

std::string OutlineForPage(std::string_view input_text, const std::string& file_name) {
  InputFile file;
  file.OpenText(input_text);
  InputModel input;
  RunOutput out;
  ReadInputData(file, file_name, input, out);

  Json json;
  json.Open('{');
  json.Key("units").Text(input.options.units == UnitSystem::kSi        ? "SI"
                         : input.options.units == UnitSystem::kGeneral ? "GENERAL"
                                                                       : "USCS");
  json.Key("lrfd").Boolean(input.options.lrfd);
  json.Key("run_kind").Integer(static_cast<int>(input.options.run_kind));
  json.Key("error");
  if (out.failed()) {
    json.Open('{');
    json.Key("identity").Text(out.diagnostics.error.identity);
    json.Key("line").Integer(out.diagnostics.error.line_number);
    json.Close('}');
  } else {
    json.Null();
  }
  json.Key("sections").Open('[');
  for (std::size_t i = 0; i < input.sections.size(); ++i) {
    const PileSection& s = input.sections[i];
    json.Open('{');
    json.Key("number").Integer(static_cast<int>(i) + 1);
    json.Key("type").Integer(
        s.type == kShaftWithCasingAndCore && !s.core_filled ? -3 : static_cast<int>(s.type));
    json.Key("type_name").Text(SectionTypeName(s));
    json.Key("line").Integer(s.line);
    json.Key("length").Number(s.length);
    json.Key("depth").Number(s.depth);
    json.Key("width").Number(s.width);
    json.Close('}');
  }
  json.Close(']');
  json.Key("layers").Open('[');
  for (const SoilLayer& layer : input.layers) {
    const CriterionRow& row = CriterionOf(static_cast<int>(layer.code));
    json.Open('{');
    json.Key("code").Integer(static_cast<int>(layer.code));
    json.Key("top").Number(layer.top);
    json.Key("bottom").Number(layer.bottom);
    json.Key("top_values");
    RowValues(json, row, layer.at_top);
    json.Key("bottom_values");
    RowValues(json, row, layer.at_bottom);
    json.Close('}');
  }
  json.Close(']');
  json.Key("load_cases").Open('[');
  for (const LoadCase& c : input.load_cases) {
    json.Open('{');
    json.Key("type").Integer(static_cast<int>(c.type));
    json.Key("condition1").Number(c.condition1);
    json.Key("condition2").Number(c.condition2);
    json.Key("axial").Number(c.axial);
    json.Key("length_study").Boolean(c.length_study);
    json.Close('}');
  }
  json.Close(']');
  json.Close('}');
  return json.Finish();
}

std::string CriteriaForPage() {
  Json json;
  json.Open('[');
  for (const CriterionRow& row : CriterionTable()) {
    json.Open('{');
    json.Key("code").Integer(static_cast<int>(row.code));
    json.Key("description").Text(row.description);
    json.Key("counted").Boolean(row.counted);
    json.Key("user_curves").Boolean(row.user_curves);
    json.Key("fields").Open('[');
    for (const SoilField field : row.fields) {
      if (field == SoilField::kEnd) break;
      const SoilFieldInfo& info = FieldInfo(field);
      json.Open('{');
      json.Key("name").Text(info.name);
      json.Key("count").Integer(info.count);
      json.Key("uscs").Text(info.uscs);
      json.Key("si").Text(info.si);
      json.Close('}');
    }
    json.Close(']');
    json.Close('}');
  }
  json.Close(']');
  return json.Finish();
}

std::string CheckForPage(std::string_view input_text, const std::string& file_name) {
  CheckResults checked = check(input_text, file_name);
  RunResults results;
  results.result_code = checked.result_code;
  results.outcome = checked.outcome;
  results.error = std::move(checked.error);
  results.warnings = std::move(checked.warnings);
  return RenderResultsJson(results);
}

}  // namespace tarvex::web
