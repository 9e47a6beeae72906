#include "soil/curve_report.hpp"

namespace tarvex {
namespace {

std::string_view Trimmed(std::string_view s) {
  const std::size_t first = s.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(' ') - first + 1);
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

void CurveBlock::Title(std::string_view title) { out_.Write("(//A/)", {title}); }

void CurveBlock::Keep(std::string_view label, double value, std::string_view unit) {
  if (values_ == nullptr) return;
  const std::string_view name = label.substr(0, label.find_last_not_of(' ') + 1);
  values_->push_back({std::string(name), value, UnitName(labels_, unit)});
}

void CurveBlock::Integer(std::string_view label, int value, int width) {
  Keep(label, value);
  out_.Write("(A,T56,'= ',$)", {label});
  out_.Integer(value, width);
  out_.EndLine();
}

void CurveBlock::Value(std::string_view label, double value, int decimals, std::string_view unit) {
  Keep(label, value, unit);
  out_.Write("(A,T56,'= ',$)", {label});
  out_.Fixed(value, 12, decimals);
  if (!unit.empty()) {
    out_.Text(" ");
    out_.Text(unit);
  }
  out_.EndLine();
}

void CurveBlock::Exponent(std::string_view label, double value, int decimals,
                          std::string_view unit) {
  Keep(label, value, unit);
  out_.Write("(A,T56,'= ',$)", {label});
  out_.Write(decimals == 4 ? "(E12.4,$)" : "(E12.5,$)", {value});
  if (!unit.empty()) {
    out_.Text(" ");
    out_.Text(unit);
  }
  out_.EndLine();
}

void CurveBlock::Depths(double z, double zs, bool uscs) {
  const double scale = uscs ? 12.0 : 1.0;
  Value("Depth below pile head", z / scale, 3, labels_.depth);
  Value("Depth below ground surface", zs / scale, 3, labels_.depth);
}

void CurveBlock::Degrees(std::string_view label, double radians) {
  Value(label, radians * 180.0 / 3.141592653589793, 3, "degrees");
}

}  // namespace tarvex
