// Writes the results data of a large run for the timing of the HTML report:
// CASES load cases of NODES nodes each (default 100 x 1000), a USCS drilled
// shaft in two layers, with p-y curves and a moment-curvature table.
//   node make-perf-fixture.mjs OUT.json [CASES] [NODES]
// The responses are those of a long elastic pile on a Winkler foundation
// (Hetenyi), so that the curves have the shapes an engineer expects.
import { writeFileSync } from 'node:fs';

// Deflection, slope, moment and shear at depth z of a long elastic pile with
// flexural rigidity ei on springs of modulus k (force/length^2), loaded at the
// head by shear v0 and moment m0.
export function hetenyi(z, v0, m0, ei, k) {
  const beta = Math.pow(k / (4 * ei), 0.25);
  const x = beta * z;
  const e = Math.exp(-x);
  const A = e * (Math.cos(x) + Math.sin(x));
  const B = e * Math.sin(x);
  const C = e * (Math.cos(x) - Math.sin(x));
  const D = e * Math.cos(x);
  const a = (2 * v0 * beta) / k;
  const b = (2 * m0 * beta * beta) / k;
  return {
    y: a * D + b * C,
    s: beta * (-a * A - 2 * b * D),
    m: ei * beta * beta * (2 * a * B + 2 * b * A),
    v: ei * beta * beta * beta * (2 * a * C - 4 * b * B),
  };
}

// The node columns and summary values of one load case.
export function pileCase(number, v0, m0, axial, pileLength, nodes, ei, k) {
  const cols = {
    depth: [],
    deflection: [],
    slope: [],
    moment: [],
    shear: [],
    soil_reaction: [],
    es: [],
    flexural_rigidity: [],
    stress: [],
    distributed_load: [],
  };
  const h = pileLength / (nodes - 1);
  let maxM = 0;
  let maxMz = 0;
  let maxV = 0;
  let maxVz = 0;
  let zeros = 0;
  for (let i = 0; i < nodes; i++) {
    const z = i * h;
    const r = hetenyi(z, v0, m0, ei, k);
    // A secant modulus that grows with depth, as in a sand.
    const es = k * (0.25 + 0.75 * (z / (z + 0.1 * pileLength)));
    cols.depth.push(z);
    cols.deflection.push(r.y);
    cols.slope.push(r.s);
    cols.moment.push(r.m);
    cols.shear.push(r.v);
    cols.soil_reaction.push(-es * r.y);
    cols.es.push(es);
    cols.flexural_rigidity.push(ei);
    cols.stress.push(Math.abs(axial) / 1018 + (Math.abs(r.m) * 18) / 82448);
    cols.distributed_load.push(0);
    if (Math.abs(r.m) > Math.abs(maxM)) [maxM, maxMz] = [r.m, z];
    if (Math.abs(r.v) > Math.abs(maxV)) [maxV, maxVz] = [r.v, z];
    if (i > 0 && Math.sign(cols.deflection[i - 1]) * Math.sign(r.y) < 0) zeros++;
  }
  let maxStress = 0;
  for (const s of cols.stress) maxStress = Math.max(maxStress, s);
  return {
    number,
    lrfd: false,
    combination_name: '',
    load_type: 1,
    condition1: v0,
    condition2: m0,
    axial,
    head_shear: v0,
    head_moment: m0,
    head_deflection: cols.deflection[0],
    head_rotation: cols.slope[0],
    max_moment: maxM,
    max_moment_depth: maxMz,
    max_shear: maxV,
    max_shear_depth: maxVz,
    max_stress: maxStress,
    iterations: 7,
    final_change: 3.2e-6,
    zero_deflection_points: zeros,
    status: 'converged',
    moment_imbalance: 0.02,
    force_imbalance: 0.004,
    verified: true,
    section_max_moment: [maxM],
    section_max_shear: [maxV],
    nodes: cols,
    length_study: null,
  };
}

export const USCS_UNITS = {
  system: 'USCS',
  length: 'in',
  force: 'lb',
  moment: 'lb-in',
  force_per_length: 'lb/in',
  stress: 'psi',
  flexural_rigidity: 'lb-in^2',
  rotational_stiffness: 'lb-in/rad',
  section_force: 'kip',
  section_moment: 'kip-in',
  section_rigidity: 'kip-in^2',
  curvature: 'rad/in',
};

function largeRun(caseCount, nodeCount) {
  const pileLength = 1200;
  const ei = 2.968e11;
  const k = 1200;
  const cases = [];
  for (let c = 1; c <= caseCount; c++) {
    cases.push(pileCase(c, 2000 * c, 15000 * c * ((c % 3) - 1), 100000, pileLength, nodeCount, ei, k));
  }
  const curve = (number, depth) => {
    const y = [];
    const p = [];
    for (let i = 0; i <= 40; i++) {
      const yi = 0.05 * i;
      y.push(yi);
      p.push(depth * 2 * Math.tanh(yi / 0.3));
    }
    return { number, depth, layer: depth < 240 ? 1 : 2, criterion: depth < 240 ? 1 : 6, short_name: depth < 240 ? 'SoftClay' : 'API Sand', y, p };
  };
  const points = [];
  for (let i = 1; i <= 60; i++) {
    const phi = 2e-6 * i;
    const m = 14000 * (1 - Math.exp(-phi / 3.5e-5));
    points.push({ curvature: phi, moment: m, ei: m / phi, neutral_axis: 18 - 0.1 * i, max_compressive_strain: phi * 18, max_tensile_strain: -phi * 18, max_concrete_stress: 3, max_steel_stress: 40, max_casing_stress: 0, max_core_stress: 0, flags: i > 8 ? 'C' : '' });
  }
  return {
    format: 'tarvex-results',
    format_version: 1,
    engine_version: '6.0.28',
    result_code: 0,
    outcome: 'normal',
    title: ['Timing run: ' + caseCount + ' load cases of ' + nodeCount + ' nodes'],
    units: USCS_UNITS,
    run_kind: 3,
    lrfd: false,
    pile_length: pileLength,
    ground_depth: 0,
    layers: [
      { number: 1, criterion: 1, short_name: 'SoftClay', description: 'soft clay, Matlock', family: 'clay', top: 0, bottom: 240, unit_weight_top: 0.0208, unit_weight_bottom: 0.0208 },
      { number: 2, criterion: 6, short_name: 'API Sand', description: 'sand, API', family: 'sand', top: 240, bottom: 1500, unit_weight_top: 0.0336, unit_weight_bottom: 0.0336 },
    ],
    sections: [
      { number: 1, type: 2, type_name: 'Drilled Shaft', top: 0, bottom: pileLength, length: pileLength, width: 36, area: 1017.9, inertia: 82448, flexural_rigidity: ei, axial_capacity: 3400, tensile_capacity: -1100, cracking_load: -420, thrusts: [{ thrust: 100, nominal_moment_capacity: 13800, points }] },
    ],
    py_curves: [curve(1, 24), curve(2, 120), curve(3, 480)],
    cases,
    lrfd_check: [],
    stiffness: null,
    warnings: [],
    error: null,
  };
}

if (process.argv[1] && import.meta.url === 'file://' + process.argv[1]) {
  const out = process.argv[2];
  if (!out) {
    console.error('usage: node make-perf-fixture.mjs OUT.json [CASES] [NODES]');
    process.exit(2);
  }
  const caseCount = Number(process.argv[3] || 100);
  const nodeCount = Number(process.argv[4] || 1000);
  writeFileSync(out, JSON.stringify(largeRun(caseCount, nodeCount)));
}
