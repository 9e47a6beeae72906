// What the report blocks of the printed p-y curves share: the unit labels of
// their lines and the line of a labelled value.
#ifndef TARVEX_SOIL_CURVE_REPORT_HPP_
#define TARVEX_SOIL_CURVE_REPORT_HPP_

#include <string>
#include <string_view>
#include <vector>

#include "core/printed_py_curve.hpp"
#include "core/units.hpp"
#include "format/record_writer.hpp"

namespace tarvex {

// Unit labels of the p-y curve reports, joined from the run's labels.
struct PyLabels {
  std::string length;            // "in "
  std::string depth;             // "ft" in USCS (depths printed in feet), else the length
  std::string stress;            // "lbs/in **2"
  std::string unit_weight;       // "lbs/in **3  "
  std::string force_per_length;  // "lbs/in "
  UnitSystem units = UnitSystem::kUscs;
};
PyLabels LabelsOf(UnitSystem units);

// Report lines of a curve block: label, tab to column 56, "= ", the value.
// With `values`, each value line is also kept there as data: the label, the
// very number printed and its unit.
class CurveBlock {
 public:
  CurveBlock(RecordWriter& out, const PyLabels& labels,
             std::vector<PrintedCurveValue>* values = nullptr)
      : out_(out), labels_(labels), values_(values) {}
  void Title(std::string_view title);
  void Integer(std::string_view label, int value, int width = 12);
  void Value(std::string_view label, double value, int decimals = 3, std::string_view unit = {});
  // The value in exponent form, 12 columns with `decimals` digits.
  void Exponent(std::string_view label, double value, int decimals, std::string_view unit = {});
  // The two depth lines: feet in USCS, the length unit otherwise.
  void Depths(double z, double zs, bool uscs);
  void Degrees(std::string_view label, double radians);
  // Keeps a value the criterion writes on a line of its own making.
  void Keep(std::string_view label, double value, std::string_view unit = {});

 private:
  RecordWriter& out_;
  const PyLabels& labels_;
  std::vector<PrintedCurveValue>* values_;
};

}  // namespace tarvex

#endif  // TARVEX_SOIL_CURVE_REPORT_HPP_
