// Draws the report of one analysis run from its results data (the JSON of the
// #tarvex-results element): the outcome, error, warnings, units and load cases
// as tables; the pile and soil profile as a diagram; the responses along the
// pile, the p-y curves, the moment-curvature tables, the interaction
// diagrams and the pile-length study as uPlot charts; the LRFD check and the
// pile-head stiffness as tables.
// Every value is shown in the units that the results data name.
//
// window.tarvexReport tells a test or a reader's console what was drawn:
// the ids of the sections, the charts (uPlot instances) and the time at which
// the last chart had drawn (performance.now(), from navigation start).
(function () {
  'use strict';

  const report = (window.tarvexReport = {
    sections: [],
    charts: [],
    ready: false,
    drawnAt: null,
  });
  const main = document.getElementById('report');
  const nav = document.getElementById('contents');

  // ---------------------------------------------------------------- helpers

  // Creates an element: attributes (class, text and plain ones) and children.
  function h(tag, attrs, ...children) {
    const e = document.createElement(tag);
    for (const [k, v] of Object.entries(attrs || {})) {
      if (v == null || v === false) continue;
      if (k === 'class') e.className = v;
      else if (k === 'text') e.textContent = v;
      else e.setAttribute(k, v === true ? '' : v);
    }
    for (const c of children.flat(Infinity)) {
      if (c == null || c === false) continue;
      e.append(c instanceof Node ? c : String(c));
    }
    return e;
  }

  const DASH = '\u2013';

  // A number with five significant digits; exponent form for very large or
  // very small magnitudes. Absent values show as a dash.
  function num(v, digits) {
    const sig = digits || 5;
    if (v == null) return DASH;
    if (typeof v !== 'number' || !isFinite(v)) return String(v);
    if (v === 0) return '0';
    const a = Math.abs(v);
    if (a >= 1e6 || a < 1e-4) return v.toExponential(sig - 1).replace(/\.?0+e/, 'e');
    const decimals = Math.max(0, sig - 1 - Math.floor(Math.log10(a)));
    const text = v.toFixed(Math.min(decimals, 12));
    return text.indexOf('.') < 0 ? text : text.replace(/\.?0+$/, '');
  }

  // Tick labels: short, but exact enough to tell neighbouring ticks apart.
  function tick(v) {
    if (v == null) return '';
    if (v === 0) return '0';
    const a = Math.abs(v);
    if (a >= 1e5 || a < 1e-3) return v.toExponential(2).replace(/\.?0+e/, 'e');
    return String(+v.toPrecision(6));
  }

  function unitText(unit) {
    return unit ? ' (' + unit + ')' : '';
  }

  // A table: columns are {head, unit, num}; rows are arrays of cell values
  // (text or nodes) or {cells, class}.
  function table(columns, rows, caption) {
    const head = h(
      'tr',
      null,
      columns.map((c) =>
        h(
          'th',
          { class: c.num ? 'num' : null, scope: 'col' },
          c.head,
          c.unit ? [h('br'), h('span', { class: 'unit', text: '(' + c.unit + ')' })] : null
        )
      )
    );
    const body = rows.map((row) => {
      const cells = Array.isArray(row) ? row : row.cells;
      return h(
        'tr',
        { class: Array.isArray(row) ? null : row.class },
        cells.map((v, i) => h('td', { class: columns[i] && columns[i].num ? 'num' : null }, v))
      );
    });
    return h(
      'div',
      { class: 'table-wrap' },
      h('table', null, caption ? h('caption', { text: caption }) : null, h('thead', null, head), h('tbody', null, body))
    );
  }

  function note(text, cls) {
    return h('p', { class: 'note' + (cls ? ' ' + cls : ''), text: text });
  }

  // A section of the report with its entry in the contents.
  function section(id, title) {
    const s = h('section', { id: id }, h('h2', { text: title }));
    main.append(s);
    nav.append(h('a', { href: '#' + id, text: title }));
    report.sections.push(id);
    return s;
  }

  // Nine distinct colours for up to nine series, then hues a golden angle apart.
  const PALETTE = ['#1f77b4', '#d62728', '#2ca02c', '#ff7f0e', '#9467bd', '#8c564b', '#e377c2', '#17becf', '#bcbd22'];
  function colour(i, n) {
    if (n <= PALETTE.length) return PALETTE[i];
    return 'hsl(' + ((i * 137.508) % 360).toFixed(1) + ', 75%, 40%)';
  }

  // --------------------------------------------------------------- charts

  const charts = []; // {chart, container, height}
  let drawn = 0;
  let creating = true;

  function markDrawn(u) {
    if (u._tarvexDrawn) return;
    u._tarvexDrawn = true;
    drawn++;
    checkReady();
  }

  function checkReady() {
    if (!creating && drawn === charts.length && !report.ready) {
      report.drawnAt = performance.now();
      performance.mark('tarvex-drawn');
      report.ready = true;
      document.body.setAttribute('data-ready', 'true');
    }
  }

  // A vertical axis sized to its widest tick label.
  function axisWidth(u, values, axisIdx, cycleNum) {
    const axis = u.axes[axisIdx];
    if (cycleNum > 1) return axis._size;
    let size = axis.ticks.size + axis.gap + 4;
    let longest = '';
    for (const v of values || []) if (v.length > longest.length) longest = v;
    if (longest) {
      u.ctx.font = axis.font[0];
      size += u.ctx.measureText(longest).width / devicePixelRatio;
    }
    return Math.ceil(size);
  }

  function chartBox(title, cls) {
    const box = h('figure', { class: 'chart ' + (cls || '') });
    if (title) box.append(h('figcaption', { text: title }));
    const plot = h('div', { class: 'plot' });
    box.append(plot);
    return { box: box, plot: plot };
  }

  // Creates a uPlot chart in `plot` (already in the page) and registers it;
  // printWidth is its width on paper (px at 96 per inch).
  function makeChart(plot, opts, data, height, printWidth) {
    opts.width = Math.max(260, plot._tarvexWidth || plot.clientWidth);
    opts.height = height;
    opts.hooks = opts.hooks || {};
    opts.hooks.draw = (opts.hooks.draw || []).concat([markDrawn]);
    const chart = new uPlot(opts, data, plot);
    charts.push({ chart: chart, plot: plot, height: height, printWidth: printWidth || 680 });
    report.charts.push(chart);
    return chart;
  }

  // Options of a chart whose series each have their own x and y values.
  function xyOptions(xLabel, yLabel, series, extra) {
    const opts = {
      mode: 2,
      scales: { x: { time: false }, y: {} },
      axes: [
        { label: xLabel, space: 60, values: (u, splits) => splits.map(tick) },
        { label: yLabel, values: (u, splits) => splits.map(tick), size: axisWidth },
      ],
      series: [{}].concat(series),
      legend: { live: false },
      cursor: {
        drag: { x: true, y: true },
        points: { show: false },
      },
    };
    return Object.assign(opts, extra || {});
  }

  function xySeries(label, stroke, extra) {
    return Object.assign(
      {
        label: label,
        stroke: stroke,
        width: 1.5,
        points: { show: false },
        facets: [
          { scale: 'x', auto: true },
          { scale: 'y', auto: true },
        ],
      },
      extra || {}
    );
  }

  // Charts follow the width of the page, and of the paper when printed.
  function resizeCharts(print) {
    for (const c of charts) {
      const w = print ? c.printWidth : Math.max(260, c.plot.clientWidth);
      c.chart.setSize({ width: w, height: print ? Math.min(c.height, 360) : c.height });
    }
  }
  let resizeTimer = null;
  window.addEventListener('resize', () => {
    clearTimeout(resizeTimer);
    resizeTimer = setTimeout(() => resizeCharts(), 150);
  });
  window.addEventListener('beforeprint', () => resizeCharts(true));
  window.addEventListener('afterprint', () => resizeCharts());

  // ------------------------------------------------------------ the report

  const OUTCOMES = {
    normal: 'Normal end',
    warnings: 'Normal end with warnings',
    input_error: 'Input error: the run stopped',
    runtime_error: 'Runtime error: the run stopped',
    files_unusable: 'Files unusable: the run could not start',
    internal_error: 'Internal error: the run stopped',
  };
  const LOAD_TYPES = {
    1: 'shear and moment',
    2: 'shear and slope',
    3: 'shear and rotational stiffness',
    4: 'deflection and moment',
    5: 'deflection and slope',
  };

  function draw(r) {
    const U = r.units || {};
    const L = U.length || '';
    const F = U.force || '';
    const M = U.moment || '';
    const P = U.force_per_length || '';
    // Secant soil modulus Es = p / y: force per length squared.
    const ES = U.force && U.length ? U.force + '/' + U.length + '^2' : U.stress || '';
    const cases = r.cases || [];
    const sections = r.sections || [];
    const layers = r.layers || [];

    const titleLines = r.title || [];
    const pageTitle = document.getElementById('page-title');
    for (const t of titleLines) pageTitle.append(h('div', { class: 'run-title', text: t }));
    if (titleLines.length) document.title = titleLines[0] + ' \u2013 Tarvex report';

    // Run and outcome.
    const outcomeClass = { normal: 'ok', warnings: 'warn' }[r.outcome] || 'bad';
    const run = section('run', 'Run');
    const facts = [
      ['Outcome', h('span', { class: 'badge ' + outcomeClass, text: OUTCOMES[r.outcome] || String(r.outcome) })],
      ['Result code', String(r.result_code)],
      ['Analysis', r.run_kind === 2 ? 'bending stiffness of the sections only' : r.run_kind === 3 ? 'pile analysis' : DASH],
      ['Load cases', r.lrfd ? cases.length + ' LRFD load combinations' : String(cases.length)],
      ['Units', U.system || DASH],
      ['Pile length', r.pile_length ? num(r.pile_length) + ' ' + L : DASH],
      ['Ground surface below the pile head', r.pile_length ? num(r.ground_depth) + ' ' + L : DASH],
      ['Engine version', r.engine_version || DASH],
    ];
    run.append(h('dl', { class: 'facts' }, facts.map(([k, v]) => [h('dt', { text: k }), h('dd', null, v)])));
    // The results data name their version; a name of the format is optional.
    if ((r.format != null && r.format !== 'tarvex-results') || r.format_version !== 1) {
      run.append(
        note(
          'These results data are marked format ' + (r.format || 'unnamed') + ', version ' + r.format_version +
            '; this page reads format tarvex-results, version 1, and may show them incompletely.',
          'warn'
        )
      );
    }

    // The error that ended the run.
    if (r.error) {
      const e = r.error;
      const s = section('error', 'Error ' + (e.identity || ''));
      s.append(
        h('p', null, h('span', { class: 'badge bad', text: (e.kind || 'error') + ' error ' + (e.identity || '') }), ' result code ' + (e.code != null ? e.code : r.result_code))
      );
      if (e.message && e.message.length) s.append(h('pre', { class: 'message', text: e.message.join('\n') }));
      if (e.file || e.line_number) {
        s.append(
          h('p', null, 'In ', h('code', { text: e.file || 'the input file' }), e.line_number ? ', line ' + e.line_number + ':' : ':')
        );
        if (e.line_text != null && e.line_number) s.append(h('pre', { class: 'input-line', text: e.line_text }));
      }
      if (e.advice) s.append(h('p', { class: 'advice', text: e.advice }));
    }

    // Warnings.
    const warnings = r.warnings || [];
    const ws = section('warnings', 'Warnings');
    if (!warnings.length) {
      ws.append(note('The run recorded no warnings.'));
    } else {
      ws.append(
        table(
          [{ head: 'Warning' }, { head: 'Load case' }, { head: 'Times', num: true }, { head: 'Text' }],
          warnings.map((w) => [
            String(w.number),
            w.load_case ? String(w.load_case) : 'before the load cases',
            String(w.count),
            h('div', { class: 'lines' }, (w.text || []).map((t) => h('div', { text: t }))),
          ])
        )
      );
    }

    // Units.
    const us = section('units', 'Units');
    const unitRows = [
      ['Unit system', U.system],
      ['Length, depth, deflection', U.length],
      ['Force, shear, axial load', U.force],
      ['Bending moment', U.moment],
      ['Soil reaction p, distributed load', U.force_per_length],
      ['Secant soil modulus Es', ES],
      ['Stress', U.stress],
      ['Flexural rigidity EI', U.flexural_rigidity],
      ['Rotational stiffness', U.rotational_stiffness],
      ['Slope, rotation', 'rad'],
      ['Moment-curvature tables: thrust', U.section_force],
      ['Moment-curvature tables: moment', U.section_moment],
      ['Moment-curvature tables: flexural rigidity', U.section_rigidity],
      ['Moment-curvature tables: curvature', U.curvature],
    ].filter(([, v]) => v);
    if (U.system) {
      us.append(table([{ head: 'Quantity' }, { head: 'Unit' }], unitRows));
      us.append(note('Depths are measured along the pile from the pile head.'));
    } else {
      us.append(note('The run ended before its units were known.'));
    }

    // Load cases.
    if (cases.length) {
      const cs = section('cases', r.lrfd ? 'LRFD load combinations' : 'Load cases');
      const cond1 = (c) => (c.load_type >= 4 ? 'y = ' + num(c.condition1) + ' ' + L : 'V = ' + num(c.condition1) + ' ' + F);
      const cond2 = (c) =>
        c.load_type === 3
          ? 'R = ' + num(c.condition2) + ' ' + (U.rotational_stiffness || '')
          : c.load_type === 2 || c.load_type === 5
          ? 'S = ' + num(c.condition2) + ' rad'
          : 'M = ' + num(c.condition2) + ' ' + M;
      cs.append(
        table(
          [
            { head: 'Case' },
            { head: r.lrfd ? 'Combination' : 'Load type' },
            { head: 'Condition 1' },
            { head: 'Condition 2' },
            { head: 'Axial load', unit: F, num: true },
            { head: 'Head deflection', unit: L, num: true },
            { head: 'Head rotation', unit: 'rad', num: true },
            { head: 'Max. moment', unit: M, num: true },
            { head: 'at depth', unit: L, num: true },
            { head: 'Max. shear', unit: F, num: true },
            { head: 'at depth', unit: L, num: true },
            { head: 'Max. total stress', unit: U.stress, num: true },
            { head: 'Iterations', num: true },
            { head: 'Zero-deflection points', num: true },
            { head: 'Status' },
            { head: 'Equilibrium check' },
          ],
          cases.map((c) => ({
            class: c.status === 'not_converged' ? 'bad' : null,
            cells: [
              String(c.number),
              c.lrfd ? c.combination_name : c.load_type + ': ' + (LOAD_TYPES[c.load_type] || ''),
              cond1(c),
              cond2(c),
              num(c.axial),
              num(c.head_deflection),
              num(c.head_rotation),
              num(c.max_moment),
              num(c.max_moment_depth),
              num(c.max_shear),
              num(c.max_shear_depth),
              num(c.max_stress),
              String(c.iterations),
              String(c.zero_deflection_points),
              c.status === 'not_converged'
                ? h('span', { class: 'badge bad', text: 'not converged' })
                : h('span', { class: 'badge ok', text: 'converged' }),
              c.verified
                ? 'within limits'
                : h('span', {
                    class: 'badge warn',
                    text: 'imbalance ' + num(c.moment_imbalance) + ' ' + M + ', ' + num(c.force_imbalance) + ' ' + F,
                  }),
            ],
          }))
        )
      );
      if (r.lrfd) {
        cs.append(note('Condition 1 is the factored pile-head shear and condition 2 the factored pile-head moment of the combination.'));
      }
    }

    // Pile and soil profile.
    if (sections.length || layers.length) {
      const ps = section('profile', 'Pile and soil profile');
      ps.append(h('div', { class: 'profile-figure' }, profileDiagram(r, L)));
      if (sections.length) {
        ps.append(h('h3', { text: 'Pile sections' }));
        ps.append(
          table(
            [
              { head: 'Section' },
              { head: 'Type' },
              { head: 'Top', unit: L, num: true },
              { head: 'Bottom', unit: L, num: true },
              { head: 'Length', unit: L, num: true },
              { head: 'Width', unit: L, num: true },
              { head: 'Area', unit: L ? L + '^2' : '', num: true },
              { head: 'Moment of inertia', unit: L ? L + '^4' : '', num: true },
              { head: 'EI', unit: U.flexural_rigidity, num: true },
              { head: 'Axial capacity', unit: U.section_force, num: true },
              { head: 'Tensile capacity', unit: U.section_force, num: true },
              { head: 'Cracking load', unit: U.section_force, num: true },
            ],
            sections.map((s) => [
              String(s.number),
              s.type_name + ' (' + s.type + ')',
              num(s.top),
              num(s.bottom),
              num(s.length),
              num(s.width),
              s.area ? num(s.area) : DASH,
              s.inertia ? num(s.inertia) : DASH,
              s.flexural_rigidity ? num(s.flexural_rigidity) : DASH,
              s.axial_capacity ? num(s.axial_capacity) : DASH,
              s.tensile_capacity ? num(s.tensile_capacity) : DASH,
              s.cracking_load ? num(s.cracking_load) : DASH,
            ])
          )
        );
      }
      if (layers.length) {
        const UW = U.force && U.length ? U.force + '/' + U.length + '^3' : '';
        ps.append(h('h3', { text: 'Soil layers' }));
        ps.append(
          table(
            [
              { head: 'Layer' },
              { head: 'p-y criterion' },
              { head: 'Description' },
              { head: 'Top', unit: L, num: true },
              { head: 'Bottom', unit: L, num: true },
              { head: 'Effective unit weight, top', unit: UW, num: true },
              { head: 'Effective unit weight, bottom', unit: UW, num: true },
            ],
            layers.map((l) => [
              String(l.number),
              l.short_name + ' (' + l.criterion + ')',
              l.description || '',
              num(l.top),
              num(l.bottom),
              num(l.unit_weight_top),
              num(l.unit_weight_bottom),
            ])
          )
        );
        ps.append(note('Layer depths are measured from the pile head. The input has no water table.'));
      }
    }

    const later = []; // charts are made once their sections stand in the page

    // Responses along the pile.
    const drawnCases = cases.filter((c) => c.nodes && c.nodes.depth && c.nodes.depth.length > 1);
    if (drawnCases.length) {
      const rs = section('response', 'Response along the pile');
      later.push(responseCharts(rs, drawnCases, r, { L: L, F: F, M: M, P: P, ES: ES }));
    } else if (cases.length) {
      section('response', 'Response along the pile').append(note('No load case has node results to draw.'));
    }

    // p-y curves.
    const curves = (r.py_curves || []).filter((c) => c.y && c.y.length);
    if (curves.length) {
      const py = section('py-curves', 'p-y curves');
      py.append(note('Curves printed for load case 1 at the depths asked for, with p-multipliers applied. Depths below the pile head.'));
      const cb = chartBox('Soil reaction p against deflection y');
      py.append(cb.box);
      later.push(() =>
        makeChart(
          cb.plot,
          xyOptions(
            'Deflection y' + unitText(L),
            'Soil reaction p' + unitText(P),
            curves.map((c, i) =>
              xySeries('Curve ' + c.number + ' at ' + num(c.depth) + ' ' + L + ', layer ' + c.layer + ' ' + c.short_name, colour(i, curves.length))
            )
          ),
          [null].concat(curves.map((c) => [c.y, c.p])),
          420
        )
      );
    } else if (r.run_kind === 3 && cases.length) {
      section('py-curves', 'p-y curves').append(note('The run printed no p-y curves.'));
    }

    // Moment-curvature of the sections.
    if (sections.some((s) => s.thrusts && s.thrusts.length)) {
      const ms = section('moment-curvature', 'Moment-curvature of the sections');
      ms.append(
        note(
          'Dashed lines mark the nominal (unfactored) moment capacity Mn of each axial thrust. Units of the section analysis: ' +
            [U.section_force, U.section_moment, U.section_rigidity, U.curvature].filter(Boolean).join(', ') +
            '.'
        )
      );
      for (const s of sections) later.push(sectionCharts(ms, s, U));
    }

    // Interaction diagrams and the load cases' demands on them.
    if (sections.some((s) => s.interaction)) {
      const is = section('interaction', 'Interaction diagrams of the sections');
      is.append(interactionIntro(r, U));
      for (const s of sections) if (s.interaction) later.push(interactionChart(is, s, r, U));
    }

    // LRFD check.
    const checks = r.lrfd_check || [];
    if (r.lrfd || checks.length) {
      const ls = section('lrfd', 'LRFD performance by load combination');
      if (!checks.length) {
        ls.append(note('The run has no LRFD check rows.'));
      } else {
        ls.append(lrfdTable(checks, U));
      }
    }

    // Pile-length study.
    const studied = cases.filter((c) => c.length_study != null);
    if (studied.length) {
      const ss = section('length-study', 'Pile-head deflection against pile length');
      later.push(lengthStudy(ss, studied, U));
    }

    // Pile-head stiffness.
    if (r.stiffness) {
      const ks = section('stiffness', 'Pile-head stiffness matrix');
      ks.append(stiffnessTables(r.stiffness, U));
    }

    if (!cases.length && !sections.length && !layers.length) {
      main.append(note('The run ended before it produced results to draw.'));
    }
    return later;
  }

  // The pile and the soil layers side by side on one depth scale.
  function profileDiagram(r, L) {
    const NS = 'http://www.w3.org/2000/svg';
    function s(tag, attrs, text) {
      const e = document.createElementNS(NS, tag);
      for (const [k, v] of Object.entries(attrs)) e.setAttribute(k, v);
      if (text != null) e.textContent = text;
      return e;
    }
    const sections = r.sections || [];
    const layers = r.layers || [];
    let bottom = r.pile_length || 0;
    for (const x of sections) bottom = Math.max(bottom, x.bottom);
    for (const x of layers) bottom = Math.max(bottom, x.bottom);
    let top = Math.min(0, r.ground_depth || 0);
    if (!(bottom > top)) bottom = top + 1;
    const W = 760;
    const H = 560;
    const y0 = 44;
    const y1 = H - 16;
    const zy = (z) => y0 + ((z - top) / (bottom - top)) * (y1 - y0);
    const axisX = 64;
    const pileCol = [axisX + 10, 400];
    const soilCol = [400, W - 8];
    const svg = s('svg', {
      viewBox: '0 0 ' + W + ' ' + H,
      width: W,
      height: H,
      role: 'img',
      class: 'profile',
      'aria-label': 'Pile sections and soil layers against depth below the pile head',
    });
    svg.append(s('text', { x: (pileCol[0] + pileCol[1]) / 2, y: 16, class: 'col-head' }, 'Pile'));
    svg.append(s('text', { x: (soilCol[0] + soilCol[1]) / 2, y: 16, class: 'col-head' }, 'Soil layers'));

    // Soil: bands across both columns, labelled in the soil column.
    const FAMILY = { 1: 'clay', 2: 'clay', 3: 'clay', 4: 'clay', 15: 'clay', 5: 'sand', 6: 'sand', 7: 'sand', 8: 'rock', 9: 'rock', 16: 'rock', 10: 'silt', 11: 'silt', 12: 'silt', 13: 'elastic', 14: 'user', 17: 'frozen' };
    layers.forEach((l, i) => {
      const ya = zy(l.top);
      const yb = zy(l.bottom);
      const fam = FAMILY[l.criterion] || 'other';
      svg.append(s('rect', { x: pileCol[0], y: ya, width: soilCol[1] - pileCol[0], height: Math.max(0.5, yb - ya), class: 'soil ' + fam + (i % 2 ? ' alt' : '') }));
      const hgt = yb - ya;
      const cx = soilCol[0] + 10;
      if (hgt >= 40) {
        svg.append(s('text', { x: cx, y: ya + 15, class: 'layer-label' }, 'Layer ' + l.number + ': ' + l.short_name));
        svg.append(s('text', { x: cx, y: ya + 29, class: 'layer-sub' }, l.description || ''));
        if (hgt >= 54) svg.append(s('text', { x: cx, y: ya + 43, class: 'layer-sub' }, num(l.top) + ' to ' + num(l.bottom) + ' ' + L));
      } else if (hgt >= 12) {
        svg.append(s('text', { x: cx, y: (ya + yb) / 2 + 4, class: 'layer-label' }, 'Layer ' + l.number + ': ' + l.short_name));
      }
    });
    svg.append(s('line', { x1: soilCol[0], x2: soilCol[0], y1: y0, y2: y1, class: 'divider' }));

    // Ground surface.
    const gy = zy(r.ground_depth || 0);
    svg.append(s('line', { x1: pileCol[0], x2: soilCol[1], y1: gy, y2: gy, class: 'ground' }));
    svg.append(s('text', { x: soilCol[1] - 4, y: gy - 5, class: 'ground-label' }, 'Ground surface, ' + num(r.ground_depth || 0) + ' ' + L));

    // Pile: each section's width to a common scale, widths exaggerated.
    let maxWidth = 0;
    for (const x of sections) maxWidth = Math.max(maxWidth, x.width || 0);
    const pileX = pileCol[0] + 60;
    const px = (w) => (maxWidth > 0 ? Math.max(6, (w / maxWidth) * 70) : 40);
    sections.forEach((x) => {
      const ya = zy(x.top);
      const yb = zy(x.bottom);
      const w = px(x.width);
      svg.append(s('rect', { x: pileX - w / 2, y: ya, width: w, height: Math.max(0.5, yb - ya), class: 'pile' }));
      const lx = pileX + 50;
      const hgt = yb - ya;
      const mid = (ya + yb) / 2;
      if (hgt >= 48) {
        // Labelled at mid-height, clear of the ground line near the head.
        svg.append(s('text', { x: lx, y: mid - 10, class: 'section-label' }, 'Section ' + x.number + ': ' + x.type_name));
        svg.append(s('text', { x: lx, y: mid + 4, class: 'section-sub' }, 'width ' + num(x.width) + ' ' + L));
        svg.append(s('text', { x: lx, y: mid + 18, class: 'section-sub' }, num(x.top) + ' to ' + num(x.bottom) + ' ' + L));
      } else if (hgt >= 12) {
        svg.append(s('text', { x: lx, y: (ya + yb) / 2 + 4, class: 'section-label' }, 'Section ' + x.number + ', width ' + num(x.width) + ' ' + L));
      }
    });
    svg.append(s('text', { x: pileX, y: zy(0) - 5, class: 'head-label' }, 'Pile head'));

    // Depth axis.
    svg.append(s('line', { x1: axisX, x2: axisX, y1: y0, y2: y1, class: 'axis' }));
    const span = bottom - top;
    const raw = span / 8;
    const mag = Math.pow(10, Math.floor(Math.log10(raw)));
    const step = [1, 2, 2.5, 5, 10].map((k) => k * mag).find((k) => k >= raw) || raw;
    for (let z = Math.ceil(top / step) * step; z <= bottom + step * 1e-9; z += step) {
      const y = zy(z);
      svg.append(s('line', { x1: axisX - 5, x2: axisX, y1: y, y2: y, class: 'axis' }));
      svg.append(s('text', { x: axisX - 8, y: y + 4, class: 'tick' }, tick(+z.toPrecision(10))));
    }
    const ly = (y0 + y1) / 2;
    svg.append(s('text', { x: 14, y: ly, class: 'axis-label', transform: 'rotate(-90 14 ' + ly + ')' }, 'Depth below pile head' + unitText(L)));
    return svg;
  }

  // Deflection, slope, moment, shear, soil reaction and Es of every load case
  // against depth, with a legend that toggles the cases and a table that
  // reads the values at the cursor's depth.
  function responseCharts(parent, cases, r, u) {
    const QUANTITIES = [
      ['deflection', 'Deflection y', u.L],
      ['slope', 'Slope S', 'rad'],
      ['moment', 'Bending moment M', u.M],
      ['shear', 'Shear force V', u.F],
      ['soil_reaction', 'Soil reaction p', u.P],
      ['es', 'Soil modulus Es', u.ES],
    ];
    // One depth column when every case has the same nodes; else the union.
    const first = cases[0].nodes.depth;
    const same = cases.every((c) => {
      const d = c.nodes.depth;
      if (d.length !== first.length) return false;
      for (let i = 0; i < d.length; i++) if (d[i] !== first[i]) return false;
      return true;
    });
    const datasets = QUANTITIES.map(([key]) => {
      if (same) return [first].concat(cases.map((c) => c.nodes[key] || []));
      return uPlot.join(cases.map((c) => [c.nodes.depth, c.nodes[key] || []]));
    });
    const depths = datasets[0][0];
    let maxDepth = depths[depths.length - 1];
    if (r.pile_length > maxDepth) maxDepth = r.pile_length;

    parent.append(
      note(
        'All load cases on one depth scale, depth measured downward from the pile head. Move the pointer over a chart to read ' +
          'the values at a depth; tick the cases to show or hide them.'
      )
    );
    const grid = h('div', { class: 'chart-grid' });
    parent.append(grid);
    const boxes = QUANTITIES.map(([, name, unit]) => {
      const b = chartBox(null, 'response');
      grid.append(b.box);
      return b;
    });

    // Legend and readout.
    const readHead = h('span', { class: 'readout-depth', text: 'Depth: point at a chart' });
    const rowCells = [];
    const checks = [];
    const rows = cases.map((c, i) => {
      const box = h('input', { type: 'checkbox', checked: true, 'aria-label': 'Show load case ' + c.number });
      checks.push(box);
      const cells = QUANTITIES.map(() => h('td', { class: 'num', text: DASH }));
      rowCells.push(cells);
      return h(
        'tr',
        null,
        h(
          'td',
          null,
          h(
            'label',
            { class: 'case-toggle' },
            box,
            h('span', { class: 'swatch', style: 'background:' + colour(i, cases.length) }),
            'Case ' + c.number + (c.lrfd && c.combination_name ? ' ' + c.combination_name : '')
          )
        ),
        cells
      );
    });
    const all = h('button', { type: 'button', text: 'Show all' });
    const none = h('button', { type: 'button', text: 'Hide all' });
    parent.append(
      h(
        'div',
        { class: 'legend-panel' },
        h('div', { class: 'legend-bar' }, readHead, all, none),
        h(
          'div',
          { class: 'table-wrap readout' },
          h(
            'table',
            null,
            h(
              'thead',
              null,
              h(
                'tr',
                null,
                h('th', { text: 'Load case' }),
                QUANTITIES.map(([, name, unit]) => h('th', { class: 'num' }, name, h('br'), h('span', { class: 'unit', text: '(' + unit + ')' })))
              )
            ),
            h('tbody', null, rows)
          )
        )
      )
    );

    const made = [];
    function show(i, on) {
      for (const ch of made) ch.setSeries(i + 1, { show: on });
    }
    checks.forEach((box, i) => box.addEventListener('change', () => show(i, box.checked)));
    function showAll(on) {
      for (const ch of made) {
        ch.batch(() => {
          for (let i = 0; i < cases.length; i++) ch.setSeries(i + 1, { show: on });
        });
      }
      for (const box of checks) box.checked = on;
    }
    all.addEventListener('click', () => showAll(true));
    none.addEventListener('click', () => showAll(false));

    let shownIdx = -1;
    function readout(ch) {
      const idx = ch.cursor.idx;
      if (idx == null || idx === shownIdx) return;
      shownIdx = idx;
      readHead.textContent = 'Depth: ' + num(depths[idx]) + ' ' + u.L;
      datasets.forEach((data, q) => {
        for (let i = 0; i < cases.length; i++) rowCells[i][q].textContent = num(data[i + 1][idx]);
      });
    }

    return () => {
      QUANTITIES.forEach(([, name, unit], q) => {
        const opts = {
          scales: {
            x: { time: false, ori: 1, dir: -1, range: [0, maxDepth] },
            y: { ori: 0, dir: 1 },
          },
          axes: [
            { scale: 'x', side: 3, label: 'Depth' + unitText(u.L), values: (ch, splits) => splits.map(tick), size: axisWidth },
            { scale: 'y', side: 0, label: name + unitText(unit), space: 60, values: (ch, splits) => splits.map(tick) },
          ],
          series: [{ label: 'Depth' }].concat(
            cases.map((c, i) => ({
              label: 'Case ' + c.number,
              stroke: colour(i, cases.length),
              width: 1.5,
              points: { show: false },
            }))
          ),
          legend: { show: false },
          cursor: {
            sync: { key: 'tarvex-depth', scales: ['x', null] },
            drag: { x: false, y: false },
            points: { show: cases.length <= 20 },
          },
          hooks: { setCursor: [readout] },
        };
        made.push(makeChart(boxes[q].plot, opts, datasets[q], 440, 228));
      });
    };
  }

  // Moment against curvature and EI against moment for each thrust of a
  // section, with its nominal moment capacity marked.
  function sectionCharts(parent, s, U) {
    const head = 'Section ' + s.number + ': ' + s.type_name;
    parent.append(h('h3', { text: head }));
    const thrusts = (s.thrusts || []).filter((t) => t.points && t.points.length);
    if (!thrusts.length) {
      parent.append(note('No moment-curvature table was computed for this section.'));
      return () => {};
    }
    const SF = U.section_force || '';
    const SM = U.section_moment || '';
    const grid = h('div', { class: 'chart-grid two' });
    parent.append(grid);
    const mc = chartBox('Moment against curvature');
    const em = chartBox('EI against moment');
    grid.append(mc.box, em.box);
    parent.append(
      table(
        [
          { head: 'Axial thrust', unit: SF, num: true },
          { head: 'Nominal moment capacity Mn', unit: SM, num: true },
          { head: 'Points', num: true },
          { head: 'Largest curvature', unit: U.curvature, num: true },
          { head: 'Largest moment', unit: SM, num: true },
          { head: 'Initial EI', unit: U.section_rigidity, num: true },
        ],
        thrusts.map((t) => {
          const last = t.points[t.points.length - 1];
          let mmax = -Infinity;
          for (const p of t.points) mmax = Math.max(mmax, p.moment);
          return [num(t.thrust), num(t.nominal_moment_capacity), String(t.points.length), num(last.curvature), num(mmax), num(t.points[0].ei)];
        })
      )
    );
    return () => {
      const n = thrusts.length;
      const series = [];
      const data = [null];
      const seriesEm = [];
      const dataEm = [null];
      thrusts.forEach((t, i) => {
        const c = colour(i, n);
        const curv = t.points.map((p) => p.curvature);
        const mom = t.points.map((p) => p.moment);
        const ei = t.points.map((p) => p.ei);
        const label = 'Thrust ' + num(t.thrust) + ' ' + SF;
        const mn = t.nominal_moment_capacity;
        series.push(xySeries(label, c));
        data.push([curv, mom]);
        series.push(xySeries('Mn = ' + num(mn) + ' ' + SM, c, { dash: [6, 4], width: 1 }));
        data.push([[0, Math.max(...curv)], [mn, mn]]);
        seriesEm.push(xySeries(label, c));
        dataEm.push([mom, ei]);
        seriesEm.push(xySeries('Mn = ' + num(mn) + ' ' + SM, c, { dash: [6, 4], width: 1 }));
        dataEm.push([[mn, mn], [0, Math.max(...ei)]]);
      });
      makeChart(mc.plot, xyOptions('Curvature' + unitText(U.curvature), 'Moment' + unitText(SM), series), data, 360, 340);
      makeChart(em.plot, xyOptions('Moment' + unitText(SM), 'EI' + unitText(U.section_rigidity), seriesEm), dataEm, 360, 340);
    };
  }

  // ------------------------------------------------- interaction diagrams

  const CODE_NAMES = { ACI318: 'ACI 318', AASHTO: 'AASHTO LRFD', Eurocode2: 'Eurocode 2' };

  // What the interaction diagrams show and how the demands are set against them.
  function interactionIntro(r, U) {
    const first = (r.sections || []).find((s) => s.interaction);
    const code = CODE_NAMES[first.interaction.code] || first.interaction.code;
    const demands = r.run_kind === 3;
    return note(
      'Axial force against bending moment by ' + code + ': the nominal diagram (strain compatibility, or the plastic ' +
        'interaction of a steel section) and the design diagram (strength reduction factors, caps on the axial force, or ' +
        'partial factors). Compression is positive. ' +
        (demands
          ? 'Each load case is a point: its axial load and the largest moment over the section; the utilisation is the ' +
            'demand over the design capacity along the ray from the origin through it. ' +
            (r.lrfd ? 'The LRFD combinations are factored loads.' : 'The load cases are not factored: their demands are set against the design diagram as they are.')
          : 'A run of bending stiffness only has no load cases to check.') +
        ' Units: ' +
        [U.force, U.moment].filter(Boolean).join(', ') +
        '.'
    );
  }

  // The diagrams of one section with its demands as points, its limits and
  // a table of the demands.
  function interactionChart(parent, s, r, U) {
    const it = s.interaction;
    parent.append(h('h3', { text: 'Section ' + s.number + ': ' + s.type_name }));
    if (!it.covered) {
      parent.append(note(it.note || 'Not covered.', 'warn'));
      return () => {};
    }
    const F = U.force || '';
    const M = U.moment || '';
    const facts = [
      ['Standard', it.standard],
      ['Method', it.method],
    ];
    if (it.transverse) facts.push(['Transverse reinforcement', it.transverse + (it.transverse_source === 'default' ? ' (default of the section type)' : ' (input)')]);
    if (it.prestressed) facts.push(['Prestress', 'strands with their effective prestress']);
    if (it.gamma_c != null) facts.push(['Partial factors', '\u03b3c = ' + num(it.gamma_c) + ', \u03b3s = ' + num(it.gamma_s) + ', \u03b1cc = ' + num(it.alpha_cc)]);
    facts.push(['Pure compression (nominal)', num(it.pure_compression) + ' ' + F]);
    facts.push(['Pure tension (nominal)', num(it.pure_tension) + ' ' + F]);
    facts.push(['Design limits of the axial force', num(it.max_tension) + ' to ' + num(it.max_compression) + ' ' + F]);
    if (it.balanced) facts.push(['Balanced point (nominal)', num(it.balanced.axial) + ' ' + F + ', ' + num(it.balanced.moment) + ' ' + M]);
    if (it.max_utilisation != null) {
      facts.push(['Highest utilisation', num(it.max_utilisation, 3) + ' (' + (r.lrfd ? 'combination ' : 'load case ') + it.governing_case + ')']);
    }
    parent.append(h('dl', { class: 'facts' }, facts.map(([k, v]) => [h('dt', { text: k }), h('dd', { text: v })])));
    if (!it.symmetric) {
      parent.append(note('The section is not symmetric about its mid-depth: the diagram goes round both bending directions, and each demand is checked against the weaker one.'));
    }
    const box = chartBox('Interaction diagram of section ' + s.number);
    parent.append(box.box);
    const demands = it.demands || [];
    if (demands.length) parent.append(demandTable(demands, r, U));
    return () => {
      const series = [xySeries('Nominal (Pn, Mn)', colour(0, 3), { width: 2 }), xySeries('Design', colour(1, 3), { width: 2 })];
      const data = [null, [it.nominal.map((p) => p.moment), it.nominal.map((p) => p.axial)], [it.factored.map((p) => p.moment), it.factored.map((p) => p.axial)]];
      const points = (ok) => demands.filter((d) => d.passed === ok);
      for (const [ok, label, stroke] of [
        [true, 'Demands within the design diagram', colour(2, 3)],
        [false, 'Demands beyond the design diagram', '#000000'],
      ]) {
        const chosen = points(ok);
        if (!chosen.length) continue;
        series.push(xySeries(label, stroke, { paths: dots(4.5), fill: stroke, points: { show: false } }));
        data.push([chosen.map((d) => d.moment), chosen.map((d) => d.axial)]);
      }
      makeChart(box.plot, xyOptions('Bending moment' + unitText(M), 'Axial force' + unitText(F), series), data, 420, 560);
    };
  }

  // A paths builder of uPlot that draws each point of an xy series as a dot
  // and no line between them.
  function dots(radius) {
    return (u, i) => {
      const [xs, ys] = u.data[i];
      const p = new Path2D();
      const r = radius * devicePixelRatio;
      for (let k = 0; k < xs.length; k++) {
        const x = u.valToPos(xs[k], 'x', true);
        const y = u.valToPos(ys[k], 'y', true);
        p.moveTo(x + r, y);
        p.arc(x, y, r, 0, 2 * Math.PI);
      }
      return { stroke: p, fill: p };
    };
  }

  function demandTable(demands, r, U) {
    return table(
      [
        { head: r.lrfd ? 'Combination' : 'Load case' },
        { head: 'Axial load', unit: U.force, num: true },
        { head: 'Largest moment', unit: U.moment, num: true },
        { head: 'Utilisation', num: true },
        { head: 'Capacity on the ray: axial', unit: U.force, num: true },
        { head: 'moment', unit: U.moment, num: true },
        { head: 'Check' },
      ],
      demands.map((d) => ({
        class: d.passed ? null : 'bad',
        cells: [
          String(d.load_case) + (d.name ? ' ' + d.name : ''),
          num(d.axial),
          num(d.moment),
          d.utilisation == null ? DASH : num(d.utilisation, 4),
          d.utilisation == null ? DASH : num(d.capacity.axial),
          d.utilisation == null ? DASH : num(d.capacity.moment),
          h('span', { class: 'badge ' + (d.passed ? 'ok' : 'bad'), text: d.passed ? 'Pass' : 'FAIL' }),
        ],
      }))
    );
  }

  function lrfdTable(checks, U) {
    const failed = checks.filter((c) => c.verdict === 'fail').length;
    const VERDICT = {
      pass: ['ok', 'Pass'],
      fail: ['bad', 'FAIL'],
      not_applicable: ['na', 'N/A'],
    };
    const wrap = h('div');
    wrap.append(
      table(
        [
          { head: 'Combination' },
          { head: 'Name' },
          { head: 'Section' },
          { head: 'Resistance factor for moment', num: true },
          { head: 'Factored moment capacity', unit: U.moment, num: true },
          { head: 'Moment developed', unit: U.moment, num: true },
          { head: 'Fraction of capacity mobilized', num: true },
          { head: 'Pass/fail' },
          { head: 'Max. shear developed', unit: U.force, num: true },
          { head: 'Pile-top deflection', unit: U.length, num: true },
          { head: 'Pile-top rotation', unit: 'rad', num: true },
        ],
        checks.map((c) => {
          const v = VERDICT[c.verdict] || ['na', String(c.verdict)];
          return {
            class: c.verdict === 'fail' ? 'bad' : null,
            cells: [
              String(c.combination),
              c.name || '',
              String(c.section),
              num(c.resistance_factor),
              c.factored_capacity == null ? 'infinite (elastic section)' : num(c.factored_capacity),
              num(c.moment_developed),
              c.fraction_mobilized == null ? 'N/A' : num(c.fraction_mobilized, 4),
              h('span', { class: 'badge ' + v[0], text: v[1] }),
              num(c.max_shear),
              num(c.head_deflection),
              num(c.head_rotation),
            ],
          };
        })
      )
    );
    wrap.append(
      failed
        ? h('p', { class: 'verdict bad', text: failed + ' LRFD load combinations have failed.' })
        : h('p', { class: 'verdict ok', text: 'All LRFD load combinations have passed for all pile sections.' })
    );
    return wrap;
  }

  // How a study ended, in words.
  const LENGTH_STUDY_END = {
    'all lengths': 'every trial length was analysed',
    'ground surface': 'the next length would not have reached 5 % of the pile length below the ground surface',
    'excess deflection': 'the last length analysed deflected too far',
    'iteration limit': 'the last length analysed did not converge within the iteration limit',
    'loss of stability': 'the last length analysed had no stable equilibrium under the axial load',
  };
  const STIFFNESS_STUDY_END = {
    'excess deflection': 'deflected too far',
    'iteration limit': 'did not converge within the iteration limit',
    'loss of stability': 'had no stable equilibrium under the axial load',
  };
  function endedBy(table, text) {
    return table[text] || text || DASH;
  }

  function lengthStudy(parent, studied, U) {
    const L = U.length || '';
    const rowsOf = (c) => c.length_study.rows || [];
    const withRows = studied.filter((c) => rowsOf(c).length);
    let box = null;
    if (withRows.length) {
      box = chartBox('Pile-head deflection against pile length');
      parent.append(box.box);
    }
    for (const c of studied) {
      const st = c.length_study;
      parent.append(h('h3', { text: 'Load case ' + c.number }));
      parent.append(
        note(
          'Pile length ' + num(st.full_length) + ' ' + L + ', shortened by 5 % at a time; ' + String(st.lengths_analysed) +
            (st.lengths_analysed === 1 ? ' length' : ' lengths') +
            ' analysed; the study ended because ' + endedBy(LENGTH_STUDY_END, st.ended_by) + '.'
        )
      );
      if (!rowsOf(c).length) {
        parent.append(note('No computations of pile-head deflection against pile length were successful for this load case.'));
        continue;
      }
      parent.append(
        table(
          [
            { head: 'Pile length', unit: L, num: true },
            { head: 'Pile-head deflection', unit: L, num: true },
            { head: 'Pile-head shear', unit: U.force, num: true },
            { head: 'Max. moment', unit: U.moment, num: true },
            { head: 'Max. shear', unit: U.force, num: true },
          ],
          rowsOf(c).map((row) => [num(row.length), num(row.head_deflection), num(row.head_shear), num(row.max_moment), num(row.max_shear)])
        )
      );
    }
    return () => {
      if (!box) return;
      makeChart(
        box.plot,
        xyOptions(
          'Pile length' + unitText(L),
          'Pile-head deflection' + unitText(L),
          withRows.map((c, i) => xySeries('Load case ' + c.number, colour(i, withRows.length), { width: 2 }))
        ),
        [null].concat(withRows.map((c) => [rowsOf(c).map((x) => x.length), rowsOf(c).map((x) => x.head_deflection)])),
        360
      );
    };
  }

  function stiffnessTables(study, U) {
    const F = U.force || '';
    const L = U.length || '';
    const M = U.moment || '';
    const rows = study.rows || [];
    const wrap = h('div');
    wrap.append(
      h(
        'dl',
        { class: 'facts' },
        [
          ['Reference shear', num(study.reference_shear) + ' ' + F],
          ['Reference moment', num(study.reference_moment) + ' ' + M],
          ['Axial thrust of the study cases', num(study.axial) + ' ' + F],
          ['Study cases converged', String(study.cases_converged) + ' of 20'],
        ].map(([k, v]) => [h('dt', { text: k }), h('dd', { text: v })])
      )
    );
    if (!study.complete || !rows.length) {
      wrap.append(
        note(
          'The study stopped at case ' + String(study.cases_converged + 1) + ', which ' + endedBy(STIFFNESS_STUDY_END, study.ended_by) +
            '; the stiffness terms need all 20 cases.',
          'warn'
        )
      );
      return wrap;
    }
    wrap.append(
      note(
        'Ten pile-head shears with the head rotation held at zero, and ten pile-head moments with the head deflection held at zero. ' +
          'K22 = shear reaction / deflection, K32 = moment reaction / deflection, K23 = shear reaction / rotation, K33 = moment reaction / rotation.'
      )
    );
    wrap.append(
      table(
        [
          { head: 'Level', num: true },
          { head: 'Shear Vn', unit: F, num: true },
          { head: 'Pile-top deflection', unit: L, num: true },
          { head: 'Shear reaction', unit: F, num: true },
          { head: 'Moment reaction', unit: M, num: true },
          { head: 'K22', unit: F + '/' + L, num: true },
          { head: 'K32', unit: M + '/' + L, num: true },
        ],
        rows.map((k, i) => [String(i + 1), num(k.shear_level), num(k.deflection), num(k.shear_reaction_1), num(k.moment_reaction_1), num(k.k22), num(k.k32)]),
        'Shear cases (head rotation 0)'
      )
    );
    wrap.append(
      table(
        [
          { head: 'Level', num: true },
          { head: 'Moment Mn', unit: M, num: true },
          { head: 'Pile-top rotation', unit: 'rad', num: true },
          { head: 'Shear reaction', unit: F, num: true },
          { head: 'Moment reaction', unit: M, num: true },
          { head: 'K23', unit: F + '/rad', num: true },
          { head: 'K33', unit: U.rotational_stiffness || M + '/rad', num: true },
        ],
        rows.map((k, i) => [String(i + 1), num(k.moment_level), num(k.rotation), num(k.shear_reaction_2), num(k.moment_reaction_2), num(k.k23), num(k.k33)]),
        'Moment cases (head deflection 0)'
      )
    );
    return wrap;
  }

  // ------------------------------------------------------------------ start

  function start() {
    const source = document.getElementById('tarvex-results');
    let results;
    try {
      performance.mark('tarvex-script');
      results = JSON.parse(source.textContent);
      performance.mark('tarvex-parsed');
    } catch (e) {
      main.textContent = '';
      main.append(note('The results data of this page cannot be read: ' + e.message, 'bad'));
      creating = false;
      checkReady();
      return;
    }
    main.textContent = '';
    const later = draw(results);
    performance.mark('tarvex-tables');
    // Read every chart's width in one layout of the page, before the charts
    // change it.
    for (const plot of document.querySelectorAll('.plot')) plot._tarvexWidth = plot.clientWidth;
    for (const make of later) make();
    performance.mark('tarvex-charts');
    creating = false;
    checkReady();
  }

  start();
})();
