// SOIL LAYERS: the soil profile from the top down, one layer after another,
// each with its p-y criterion and the criterion's values at the layer's top
// and bottom.
#include <string>

#include "engine/soil_criteria.hpp"
#include "input/section_readers.hpp"

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

// One row of a layer's values, by the short name of its criterion.
bool ReadValues(InputReader& in, int code, int layer, bool top, SoilValues* v) {
  const std::string what = Where("the soil values", top, layer);
  switch (code) {
    case kSoftClay:
    case kStiffClayNoFreeWater:
      return in.Read(what + " (unit weight, cohesion, epsilon-50)",
                     {&v->unit_weight, &v->cohesion, &v->eps50});
    case kSoftClayJ:
      return in.Read(what + " (unit weight, cohesion, epsilon-50, J)",
                     {&v->unit_weight, &v->cohesion, &v->eps50, &v->j});
    case kStiffClayFreeWater:
    case kStiffClayNoFreeWaterK:
      return in.Read(what + " (unit weight, cohesion, epsilon-50, k)",
                     {&v->unit_weight, &v->cohesion, &v->eps50, &v->kpy});
    case kSandReese:
    case kSandApi:
      return in.Read(what + " (unit weight, friction angle, k)",
                     {&v->unit_weight, &v->friction, &v->kpy});
    case kLiquefiedSand:
      return in.Read(what + " (unit weight)", {&v->unit_weight});
    case kWeakRock:
      return in.Read(what + " (unit weight, compressive strength, rock mass modulus, RQD, k_rm)",
                     {&v->unit_weight, &v->cohesion, &v->kpy, &v->rqd, &v->eps50});
    case kVuggyLimestone:
      return in.Read(what + " (unit weight, compressive strength)",
                     {&v->unit_weight, &v->cohesion});
    case kPiedmont:
      return in.Read(
          what + " (unit weight, test type, four test values)",
          {&v->unit_weight, &v->test_type, &v->test[0], &v->test[1], &v->test[2], &v->test[3]});
    case kCementedSilt:
      return in.Read(what + " (unit weight, cohesion, friction angle, k, epsilon-50)",
                     {&v->unit_weight, &v->cohesion, &v->friction, &v->kpy, &v->eps50});
    case kLoess:
      return in.Read(what + " (unit weight, cone tip resistance)", {&v->unit_weight, &v->test[1]});
    case kElasticSubgrade:
      return in.Read(what + " (unit weight, elastic subgrade modulus)",
                     {&v->unit_weight, &v->subgrade});
    default:  // massive rock and frozen soil read no values
      return true;
  }
}

// Values that no soil or rock can have, checked as each row is read. Zero
// strengths and friction angles are left to the criteria, which report them;
// an epsilon-50 or a subgrade modulus k of 0 or less selects the default.
bool CheckValues(InputReader& in, int code, int layer, bool top, const SoilValues& v) {
  auto at = [&](std::string_view what) { return Where(what, top, layer); };
  auto friction = [&] {
    return in.CheckValue(v.friction >= 0.0 && v.friction < 90.0, v.friction,
                         at("the friction angle"), "must be from 0 to less than 90 degrees");
  };
  if (!in.CheckNotNegative(v.unit_weight, at("the effective unit weight"))) return false;
  switch (code) {
    case kSoftClayJ:
      if (!in.CheckNotNegative(v.j, at("J"))) return false;
      [[fallthrough]];
    case kSoftClay:
    case kStiffClayFreeWater:
    case kStiffClayNoFreeWater:
    case kStiffClayNoFreeWaterK:
      return in.CheckNotNegative(v.cohesion, at("the cohesion"));
    case kSandReese:
    case kSandApi:
      return friction();
    case kCementedSilt:
      return in.CheckNotNegative(v.cohesion, at("the cohesion")) && friction();
    case kWeakRock:
      return in.CheckNotNegative(v.cohesion, at("the compressive strength")) &&
             in.CheckNotNegative(v.kpy, at("the rock mass modulus")) &&
             in.CheckValue(v.rqd >= 0.0 && v.rqd <= 100.0, v.rqd, at("the RQD"),
                           "must be from 0 to 100 percent") &&
             in.CheckNotNegative(v.eps50, at("k_rm"));
    case kVuggyLimestone:
      return in.CheckNotNegative(v.cohesion, at("the compressive strength"));
    case kPiedmont:
      for (double t : v.test) {
        if (!in.CheckNotNegative(t, at("a field test value"))) return false;
      }
      return true;
    case kLoess:
      return in.CheckNotNegative(v.test[1], at("the cone tip resistance"));
    case kElasticSubgrade:
      return in.CheckNotNegative(v.subgrade, at("the elastic subgrade modulus"));
    default:
      return true;
  }
}

}  // namespace

void ReadSoilLayers(InputReader& in) {
  AnalysisModel& m = in.model();
  in.message().Write("(A)", {"Reading soil layering data"});
  int n = 0;
  if (!in.Read("the number of soil layers", {&n}) ||
      !in.CheckCount(n, 1, limits::kMaxLayers, "the number of soil layers")) {
    return;
  }
  m.layers.clear();
  for (int i = 1; i <= n; ++i) {
    SoilLayer layer;
    if (!in.Read(
            "the criterion code, top depth and bottom depth of soil layer " + std::to_string(i),
            {&layer.code, &layer.top, &layer.bottom})) {
      return;
    }
    if (layer.code < 1 || layer.code > kSoilCriterionCodes) {
      in.Fail("gives " + std::to_string(layer.code) + " as the p-y criterion code of soil layer " +
              std::to_string(i) + ", which must be from 1 to 20");
      return;
    }
    // Codes without a criterion (18 to 20) read nothing and are not counted.
    if (layer.code > kFrozenSoil) continue;
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
    if (layer.code == kUserPy) {
      if (!ReadUserCurve(in, i, true, &layer.at_top, &layer.curve_top) ||
          !ReadUserCurve(in, i, false, &layer.at_bottom, &layer.curve_bottom)) {
        return;
      }
    } else if (!ReadValues(in, layer.code, i, true, &layer.at_top) ||
               !CheckValues(in, layer.code, i, true, layer.at_top) ||
               !ReadValues(in, layer.code, i, false, &layer.at_bottom) ||
               !CheckValues(in, layer.code, i, false, layer.at_bottom)) {
      return;
    }
    m.layers.push_back(layer);
  }
  m.ground_depth = m.layers.empty() ? 0.0 : m.layers.front().top;
}

}  // namespace tarvex
