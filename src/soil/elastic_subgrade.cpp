// Elastic subgrade: a linear spring of modulus Es b at every deflection.
#include "report/number_fields.hpp"
#include "soil/criteria.hpp"

namespace tarvex {
namespace {

constexpr std::size_t At(int k) { return PileNodes::At(k); }

// The elastic subgrade modulus at depth z, linear between the layer's top and
// bottom values.
double SubgradeModulus(const PyContext& ctx, double z) {
  const SoilProfile& p = ctx.tables.soil_profile;
  const auto top = static_cast<std::size_t>(2 * ctx.layer - 1);
  const double z0 = p.depth[top], z1 = p.depth[top + 1];
  const double e0 = p.value[top][kColSubgrade], e1 = p.value[top + 1][kColSubgrade];
  if (z1 == z0) return e0;
  return e0 + (e1 - e0) * (z - z0) / (z1 - z0);
}

}  // namespace

void ElasticSubgradeCriterion(const PyContext& ctx) {
  RecordWriter& report = ctx.out.report;
  for (int i = ctx.first_node(); i <= ctx.last_node(); ++i) {
    const double x = ctx.nodes.x[At(i)];
    const double z = ctx.output ? x : ctx.nodes.z[At(i)];
    const double es_input = SubgradeModulus(ctx, z);
    const Multipliers mu = MultipliersAt(ctx.input.py_multipliers, x);
    const double b = PileWidthAt(ctx.tables.section_points, x);
    if (!ctx.output) {
      ctx.nodes.es[At(i)] = mu.pm * es_input * b / mu.ym;
      ApplySoilMovement(ctx, i);
      continue;
    }
    const UnitSystem units = ctx.input.options.units;
    const PyLabels labels = LabelsOf(units);
    CurveBlock block(report, labels);
    block.Title("p-y Curve for Elastic Subgrade");
    block.Integer("Soil Layer Number", ctx.layer, 10);
    block.Depths(z, z - ctx.input.ground_depth, units == UnitSystem::kUscs);
    block.Value("Shaft Diameter", b, 3, labels.length);
    block.Value("Elastic Subgrade Modulus", es_input, 3, labels.unit_weight);
    block.Value("p-multiplier", mu.pm, 5);
    block.Value("y-multiplier", mu.ym, 5);
    report.Write("()");
    report.Write("(A,A,T22,'p, ',A)", {"        y, ", labels.length, labels.force_per_length});
    report.Write("(A)", {"---------------   ---------------"});
    PlotCurveHeader(ctx, x, 17,
                    "Line 7:  p-y curve depth in elastic subgrade soil, no. p-y points on curve "
                    "no. ",
                    i);
    for (int k = 1; k <= 17; ++k) {
      const double y = (k - 1) * b / 8.0;
      const double p = mu.pm * es_input * b * y;
      report.Text("   ");
      WriteAdaptive(report, 12, y * mu.ym);
      report.Text("     ");
      WriteAdaptive(report, 12, p);
      report.EndLine();
      PlotCurvePoint(ctx, k, y * mu.ym, p, "elastic subgrade");
    }
  }
}

}  // namespace tarvex
