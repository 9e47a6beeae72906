#include "soil/curve_report.hpp"

namespace tarvex {

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
  return l;
}

void CurveBlock::Title(std::string_view title) { out_.Write("(//A/)", {title}); }

void CurveBlock::Integer(std::string_view label, int value, int width) {
  out_.Write("(A,T56,'= ',$)", {label});
  out_.Integer(value, width);
  out_.EndLine();
}

void CurveBlock::Value(std::string_view label, double value, int decimals, std::string_view unit) {
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
