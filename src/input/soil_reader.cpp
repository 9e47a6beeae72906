// SOIL LAYERS: the soil profile from the top down, one layer after another,
// each with its p-y criterion and the criterion's values at the layer's top
// and bottom.
#include <string>
#include <vector>

#include "input/section_readers.hpp"
#include "soil/criterion_table.hpp"

namespace tarvex {
namespace {

std::string Where(std::string_view what, bool top, int layer) {
  return std::string(what) + " at the " + (top ? "top" : "bottom") + " of soil layer " +
         std::to_string(layer);
}

// The user-input p-y curve row (unit weight and point count) and its points.
bool ReadUserCurve(InputReader& in, int layer, bool top, SoilValues* v, UserPyCurve* curve) {
  if (!in.Read(Where("the effective unit weight and number of p-y points", top, layer),
               {&v->unit_weight, &curve->count}) ||
      !in.CheckNotNegative(v->unit_weight, Where("the effective unit weight", top, layer)) ||
      !in.CheckCount(curve->count, 1, limits::kMaxUserPyPoints,
                     "the number of points of a user-input p-y curve")) {
    return false;
  }
  for (int k = 0; k < curve->count; ++k) {
    if (!in.Read(
            Where("a point (y, p) of the user-input p-y curve", top, layer),
            {&curve->y[static_cast<std::size_t>(k)], &curve->p[static_cast<std::size_t>(k)]})) {
      return false;
    }
  }
  return true;
}

// One row of a layer's values: the fields of its criterion's row, in order.
bool ReadValues(InputReader& in, const CriterionRow& row, int layer, bool top, SoilValues* v) {
  std::vector<ReadValue> values;
  std::string names;
  for (const SoilField field : row.fields) {
    if (field == SoilField::kEnd) break;
    const SoilFieldInfo& info = FieldInfo(field);
    for (int k = 0; k < info.count; ++k) values.emplace_back(&SoilFieldValue(*v, field, k));
    names += (names.empty() ? "" : ", ") + std::string(info.name);
  }
  if (values.empty()) return true;  // massive rock and frozen soil read no values
  return in.ReadValues(Where("the soil values", top, layer) + " (" + names + ")", values);
}

// Values that no soil or rock can have, checked as each row is read. Zero
// strengths and friction angles are left to the criteria, which report them;
// an epsilon-50 or a subgrade modulus k of 0 or less selects the default.
bool CheckValues(InputReader& in, const CriterionRow& row, int layer, bool top,
                 const SoilValues& v) {
  for (const SoilField field : row.fields) {
    if (field == SoilField::kEnd) break;
    const SoilFieldInfo& info = FieldInfo(field);
    const std::string what = Where(info.checked, top, layer);
    for (int k = 0; k < info.count; ++k) {
      const double value = SoilFieldValue(v, field, k);
      bool ok = true;
      switch (info.check) {
        case FieldCheck::kNone:
          break;
        case FieldCheck::kNotNegative:
          ok = in.CheckNotNegative(value, what);
          break;
        case FieldCheck::kAngle:
          ok = in.CheckValue(value >= 0.0 && value < 90.0, value, what,
                             "must be from 0 to less than 90 degrees");
          break;
        case FieldCheck::kPercent:
          ok = in.CheckValue(value >= 0.0 && value <= 100.0, value, what,
                             "must be from 0 to 100 percent");
          break;
      }
      if (!ok) return false;
    }
  }
  return true;
}

}  // namespace

void ReadSoilLayers(InputReader& in) {
  InputModel& m = in.input();
  in.message().Write("(A)", {"Reading soil layering data"});
  int n = 0;
  if (!in.Read("the number of soil layers", {&n}) ||
      !in.CheckCount(n, 1, limits::kMaxLayers, "the number of soil layers")) {
    return;
  }
  m.layers.clear();
  for (int i = 1; i <= n; ++i) {
    SoilLayer layer;
    int code = 0;
    if (!in.Read(
            "the criterion code, top depth and bottom depth of soil layer " + std::to_string(i),
            {&code, &layer.top, &layer.bottom})) {
      return;
    }
    if (code < 1 || code > kSoilCriterionCodes) {
      in.Fail("gives " + std::to_string(code) + " as the p-y criterion code of soil layer " +
                  std::to_string(i) + ", which must be from 1 to 20",
              {ErrorValue("soil layer", i), ErrorValue("p-y criterion code", code)});
      return;
    }
    const CriterionRow& row = CriterionOf(code);
    // Codes without a criterion (18 to 20) read nothing and are not counted.
    if (!row.counted) continue;
    layer.code = row.code;
    // The layers run from the top down, each below the one above (whose
    // bottom becomes its top): a layer of no thickness would vanish.
    const std::string bottom = "the bottom depth of soil layer " + std::to_string(i);
    if (!in.CheckValue(layer.bottom > layer.top, layer.bottom, bottom,
                       "must lie below its top depth of " + ValueText(layer.top))) {
      return;
    }
    if (!m.layers.empty() &&
        !in.CheckValue(layer.bottom > m.layers.back().bottom, layer.bottom, bottom,
                       "must lie below the bottom of the layer above, at " +
                           ValueText(m.layers.back().bottom))) {
      return;
    }
    if (row.user_curves) {
      if (!ReadUserCurve(in, i, true, &layer.at_top, &layer.curve_top) ||
          !ReadUserCurve(in, i, false, &layer.at_bottom, &layer.curve_bottom)) {
        return;
      }
    } else if (!ReadValues(in, row, i, true, &layer.at_top) ||
               !CheckValues(in, row, i, true, layer.at_top) ||
               !ReadValues(in, row, i, false, &layer.at_bottom) ||
               !CheckValues(in, row, i, false, layer.at_bottom)) {
      return;
    }
    m.layers.push_back(layer);
  }
  m.ground_depth = m.layers.empty() ? 0.0 : m.layers.front().top;
}

}  // namespace tarvex
