#include "soil/curve_report.hpp"

namespace tarvex {
namespace {

std::string_view Trimmed(std::string_view s) {
  const std::size_t first = s.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

std::string_view TrimmedRight(std::string_view s) {
  const std::size_t end = s.find_last_not_of(' ');
  return end == std::string_view::npos ? std::string_view{} : s.substr(0, end + 1);
}

// The name of a printed unit label as the results name units ("lbs/in **2"
// is "psi").
std::string UnitName(const PyLabels& labels, std::string_view unit) {
  const UnitSystem u = labels.units;
  if (unit.empty()) return {};
  if (unit == labels.length) return std::string(ByUnits(u, "in", "m", "L"));
  if (unit == labels.depth) return "ft";  // only USCS prints depths in another unit
  if (unit == labels.stress) return std::string(ByUnits(u, "psi", "kPa", "F/L^2"));
  if (unit == labels.unit_weight) return std::string(ByUnits(u, "lb/in^3", "kN/m^3", "F/L^3"));
  if (unit == labels.force_per_length) return std::string(ByUnits(u, "lb/in", "kN/m", "F/L"));
  const std::string_view text = Trimmed(unit);
  if (text == "deg." || text == "degrees") return "degrees";
  if (text == "pcf") return "lb/ft^3";
  if (text == "%") return "percent";
  return std::string(text);
}

}  // namespace

PyLabels LabelsOf(UnitSystem units) {
  const UnitLabels& u = LabelsFor(units);
  PyLabels l;
  l.length = std::string(u.length);
  l.depth = units == UnitSystem::kUscs ? "ft" : std::string(u.length);
  const std::string per_length =
      std::string(u.force) + std::string(u.slash) + std::string(u.length);
  l.stress = per_length + std::string(u.power) + std::string(u.exponent2);
  l.unit_weight = per_length + std::string(u.power) + std::string(u.exponent3);
  l.force_per_length = per_length;
  l.units = units;
  return l;
}

void CurveBlock::Add(CurveLineKind kind, std::size_t index) {
  curve_.lines.push_back({kind, static_cast<int>(index)});
}

void CurveBlock::AddValue(std::string_view label, double value, CurveValueForm form, int width,
                          int decimals, std::string_view unit, bool aligned,
                          std::string_view name) {
  CurveParameter& v = curve_.parameters.emplace_back();
  v.name = TrimmedRight(name);
  v.value = value;
  v.unit = UnitName(labels_, unit);
  v.label = label;
  v.unit_label = unit;
  v.form = form;
  v.width = width;
  v.decimals = decimals;
  v.aligned = aligned;
  Add(CurveLineKind::kParameter, curve_.parameters.size() - 1);
}

void CurveBlock::Title(std::string_view title, std::string_view second) {
  curve_.title.emplace_back(title);
  if (!second.empty()) curve_.title.emplace_back(second);
  Add(CurveLineKind::kTitle);
}

void CurveBlock::Integer(std::string_view label, int value, int width) {
  AddValue(label, value, CurveValueForm::kInteger, width, 0, {}, true, label);
}

void CurveBlock::Value(std::string_view label, double value, int decimals, std::string_view unit) {
  AddValue(label, value, CurveValueForm::kFixed, 12, decimals, unit, true, label);
}

void CurveBlock::Exponent(std::string_view label, double value, int decimals,
                          std::string_view unit) {
  AddValue(label, value, CurveValueForm::kExponent, 12, decimals, unit, true, label);
}

void CurveBlock::Depths(double z, double zs, bool uscs) {
  const double scale = uscs ? 12.0 : 1.0;
  Value("Depth below pile head", z / scale, 3, labels_.depth);
  Value("Depth below ground surface", zs / scale, 3, labels_.depth);
}

void CurveBlock::Degrees(std::string_view label, double radians) {
  Value(label, radians * 180.0 / 3.141592653589793, 3, "degrees");
}

void CurveBlock::Inline(std::string_view label, std::string_view name, double value, int decimals,
                        std::string_view unit) {
  AddValue(label, value, CurveValueForm::kFixed, 12, decimals, unit, false, name);
}

void CurveBlock::Text(std::string_view label, std::string_view text) {
  curve_.texts.push_back({std::string(TrimmedRight(label)), std::string(text)});
  Add(CurveLineKind::kText, curve_.texts.size() - 1);
}

void CurveBlock::Note(std::string_view code, std::initializer_list<std::string_view> lines) {
  CurveNote& note = curve_.notes.emplace_back();
  note.code = code;
  for (const std::string_view line : lines) {
    note.lines.emplace_back(line);
    const std::string_view words = TrimmedRight(line);
    if (words.empty()) continue;
    if (!note.text.empty()) note.text += ' ';
    note.text += words;
  }
  Add(CurveLineKind::kNote, curve_.notes.size() - 1);
}

void CurveBlock::Blank() { Add(CurveLineKind::kBlank); }

void CurveBlock::Table(CurveTableHeading heading) {
  curve_.heading = heading;
  Add(CurveLineKind::kTableHeading);
  Add(CurveLineKind::kTable);
}

}  // namespace tarvex
