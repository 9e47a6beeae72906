// What the report blocks of the printed p-y curves share: the unit labels of
// their lines, and the builder with which a criterion forms its block as data.
#ifndef TARVEX_SOIL_CURVE_REPORT_HPP_
#define TARVEX_SOIL_CURVE_REPORT_HPP_

#include <initializer_list>
#include <string>
#include <string_view>

#include "core/printed_py_curve.hpp"
#include "core/units.hpp"

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

// Forms a curve's report block as data, line by line in printed order: the
// title, the labelled values (kept with the unit the results name and the
// unit label the report prints), values in words, notes, blank lines and the
// heading of the y-p table, which the rows follow. The report layer renders
// the block from it.
class CurveBlock {
 public:
  CurveBlock(PrintedPyCurve& curve, const PyLabels& labels) : curve_(curve), labels_(labels) {}
  // The title: one line, or two.
  void Title(std::string_view title, std::string_view second = {});
  // Label, "= " at column 56, the value (an integer of `width` columns; F12
  // with `decimals`; E12 with `decimals` digits) and the unit label.
  void Integer(std::string_view label, int value, int width = 12);
  void Value(std::string_view label, double value, int decimals = 3, std::string_view unit = {});
  void Exponent(std::string_view label, double value, int decimals, std::string_view unit = {});
  // The two depth lines: feet in USCS, the length unit otherwise.
  void Depths(double z, double zs, bool uscs);
  void Degrees(std::string_view label, double radians);
  // A value right after its label, which carries its own "= " ("Xr ... = "),
  // F12 with `decimals` and the unit label; `name` names it in the results.
  void Inline(std::string_view label, std::string_view name, double value, int decimals,
              std::string_view unit = {});
  // Label, "= " at column 56 and a value in words.
  void Text(std::string_view label, std::string_view text);
  // A note: a stable code for its kind and its lines as printed.
  void Note(std::string_view code, std::initializer_list<std::string_view> lines);
  void Blank();
  // The heading of the y-p table; the table's rows follow it, and what the
  // block forms after it stands below the table.
  void Table(CurveTableHeading heading);

 private:
  void Add(CurveLineKind kind, std::size_t index = 0);
  void AddValue(std::string_view label, double value, CurveValueForm form, int width, int decimals,
                std::string_view unit, bool aligned, std::string_view name);

  PrintedPyCurve& curve_;
  const PyLabels& labels_;
};

}  // namespace tarvex

#endif  // TARVEX_SOIL_CURVE_REPORT_HPP_
