// Draws the report of one analysis run from its results data (the JSON of the
// #tarvex-results element): the outcome, error, warnings, units and load cases
// as tables; the pile and soil profile as a diagram; the responses along the
// pile, the p-y curves, the moment-curvature tables, the interaction
// diagrams and the pile-length study as uPlot charts; the LRFD check and the
// pile-head stiffness as tables.
// Values are shown in the engineering units of the run's display table
// (results data "display_units": ft, in, kip, kip-ft; m, mm, kN, kN-m), or in
// the computing units that the results data name; a switch at the top of
// the page changes between them, and the page opens in those of its data's
// "page_units". A value within the round-off of the largest of its kind in
// its load case (or column) shows as 0.
//
// window.tarvexReport tells a test or a reader's console what was drawn:
// the ids of the sections, the charts (uPlot instances), the units shown and
// the time at which the last chart had drawn (performance.now(), from
// navigation start).
(function () {
  'use strict';

  const report = (window.tarvexReport = {
    sections: [],
    charts: [],
    ready: false,
    drawnAt: null,
    units: null,
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

  // ------------------------------------------------------------------ units

  // The units a page shows: `mode` "engineering" takes the run's display
  // table (when its data have one), anything else the computing units the
  // data name. q is a kind of value of the table ("depth", "deflection",
  // "force", "moment", ...): unit(q) its unit, v(q, x) a value in it, arr(q,
  // xs) an array, num(q, x, largest, digits) the text of a value, 0 when
  // within the round-off of `largest`.
  function unitsOf(r, mode) {
    const U = r.units || {};
    const table = (r.display_units && r.display_units.quantities) || {};
    const engineering = mode !== 'computing' && Object.keys(table).length > 0;
    const L = U.length || '';
    const F = U.force || '';
    const M = U.moment || '';
    const SL = U.curvature ? U.curvature.split('/').pop() : '';
    const computing = {
      depth: L,
      deflection: L,
      dimension: L,
      area: L && L + '^2',
      inertia: L && L + '^4',
      force: F,
      moment: M,
      force_per_length: U.force_per_length || '',
      modulus: F && L ? F + '/' + L + '^2' : U.stress || '',
      stress: U.stress || '',
      unit_weight: F && L ? F + '/' + L + '^3' : '',
      soil_stress: U.stress || '',
      subgrade_modulus: F && L ? F + '/' + L + '^3' : '',
      flexural_rigidity: U.flexural_rigidity || '',
      rotation: 'rad',
      rotational_stiffness: U.rotational_stiffness || '',
      lateral_stiffness: F && L ? F + '/' + L : '',
      force_per_rotation: F && F + '/rad',
      moment_per_length: M && L ? M + '/' + L : '',
      section_force: U.section_force || '',
      section_moment: U.section_moment || '',
      section_rigidity: U.section_rigidity || '',
      curvature: U.curvature || '',
      section_stress: U.section_force && SL ? U.section_force + '/' + SL + '^2' : '',
    };
    const roundOff = r.display_units && r.display_units.round_off != null ? r.display_units.round_off : 1e-8;
    const entry = (q) => (engineering ? table[q] : null);
    const v = (q, x) => {
      const e = entry(q);
      return x == null || typeof x !== 'number' || !e ? x : (x * e.factor) / e.divisor;
    };
    return {
      mode: engineering ? 'engineering' : 'computing',
      system: U.system || '',
      roundOff: roundOff,
      unit: (q) => (entry(q) ? entry(q).unit : computing[q] || ''),
      v: v,
      arr: (q, xs) => (entry(q) ? (xs || []).map((x) => v(q, x)) : xs || []),
      // The text of a value: 0 within the round-off of `largest`.
      num: (q, x, largest, digits) => num(v(q, zeroed(x, largest, roundOff)), digits),
    };
  }

  function zeroed(x, largest, roundOff) {
    if (typeof x !== 'number' || !largest) return x;
    return Math.abs(x) < roundOff * Math.abs(largest) ? 0 : x;
  }

  // The largest magnitude of the numbers given (arrays or numbers).
  function largestOf(...values) {
    let m = 0;
    for (const v of values.flat()) if (typeof v === 'number' && isFinite(v)) m = Math.max(m, Math.abs(v));
    return m;
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

  // A figure of the page: its caption ("Figure n: title") above the chart
  // and, once the chart is made, a static legend below it ("Legend of
  // figure n: ..."), which the printed page shows in place of the
  // interactive one. Figures are numbered in the order of the page.
  let figures = 0;
  function chartBox(title, cls) {
    const n = ++figures;
    const box = h('figure', { class: 'chart ' + (cls || ''), 'data-figure': n });
    box.append(h('figcaption', { text: 'Figure ' + n + (title ? ': ' + title : '') }));
    const plot = h('div', { class: 'plot' });
    box.append(plot);
    return { box: box, plot: plot };
  }

  // The legend of a chart as text, for paper: each series' line and label.
  function staticLegend(figure, series) {
    const items = series
      .filter((x) => x && x.label)
      .map((x) =>
        h(
          'span',
          { class: 'legend-item' },
          h('span', { class: 'swatch' + (x.dash ? ' dashed' : ''), style: 'border-color:' + (x.stroke || '#000') }),
          x.label
        )
      );
    return h('div', { class: 'static-legend' }, h('span', { class: 'legend-head', text: 'Legend of figure ' + figure + ':' }), items);
  }

  // Creates a uPlot chart in `plot` (already in the page) and registers it;
  // printWidth is its width on paper (px at 96 per inch). `legendSeries`
  // (by default the chart's own series) make its static legend.
  function makeChart(plot, opts, data, height, printWidth, legendSeries) {
    opts.width = Math.max(200, plot._tarvexWidth || plot.clientWidth);
    opts.height = height;
    opts.hooks = opts.hooks || {};
    opts.hooks.draw = (opts.hooks.draw || []).concat([markDrawn]);
    const chart = new uPlot(opts, data, plot);
    const entry = { chart: chart, plot: plot, height: height, printWidth: printWidth || 680 };
    charts.push(entry);
    report.charts.push(chart);
    const figure = plot.closest('figure');
    if (figure && !figure.querySelector('.static-legend')) {
      figure.append(staticLegend(figure.getAttribute('data-figure'), legendSeries || opts.series.slice(1)));
    }
    return chart;
  }

  // Takes a chart out of the page and the registers (its replacement is
  // made with makeChart).
  function dropChart(chart) {
    const i = charts.findIndex((c) => c.chart === chart);
    if (i >= 0) {
      charts.splice(i, 1);
      if (chart._tarvexDrawn) drawn--;
    }
    const j = report.charts.indexOf(chart);
    if (j >= 0) report.charts.splice(j, 1);
    chart.destroy();
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
      const w = print ? c.printWidth : Math.max(200, c.plot.clientWidth);
      c.chart.setSize({ width: w, height: print ? Math.min(c.height, 340) : c.height });
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

  function draw(r, Q) {
    const U = r.units || {};
    const cases = r.cases || [];
    const sections = r.sections || [];
    const layers = r.layers || [];

    const titleLines = r.title || [];
    const pageTitle = document.getElementById('page-title');
    pageTitle.textContent = '';
    for (const t of titleLines) pageTitle.append(h('div', { class: 'run-title', text: t }));
    if (titleLines.length) document.title = titleLines[0] + ' \u2013 Tarvex report';
    setPrintHeader(titleLines.length ? titleLines[0] : 'Tarvex analysis report');

    // Run and outcome.
    const outcomeClass = { normal: 'ok', warnings: 'warn' }[r.outcome] || 'bad';
    const run = section('run', 'Run');
    const facts = [
      ['Outcome', h('span', { class: 'badge ' + outcomeClass, text: OUTCOMES[r.outcome] || String(r.outcome) })],
      ['Result code', String(r.result_code)],
      ['Analysis', r.run_kind === 2 ? 'bending stiffness of the sections only' : r.run_kind === 3 ? 'pile analysis' : DASH],
      ['Load cases', r.lrfd ? cases.length + ' LRFD load combinations' : String(cases.length)],
      ['Units', U.system ? U.system + (Q.mode === 'engineering' ? ', shown in engineering units' : ', shown in the computing units') : DASH],
      ['Pile length', r.pile_length ? Q.num('depth', r.pile_length) + ' ' + Q.unit('depth') : DASH],
      ['Ground surface below the pile head', r.pile_length ? Q.num('depth', r.ground_depth) + ' ' + Q.unit('depth') : DASH],
      ['Engine version', r.engine_version || DASH],
    ];
    // The files and time of the run, as the report's header names them
    // (results data of earlier versions have neither).
    const f = r.files || {};
    if (r.analysed_at) facts.push(['Date and time of analysis', analysedAt(r.analysed_at)]);
    if (f.input) facts.push(['Input file', h('code', { text: f.input })]);
    const outputs = [f.report, f.plot, f.message].filter(Boolean);
    if (outputs.length) facts.push(['Output files', h('div', { class: 'lines' }, outputs.map((x) => h('div', null, h('code', { text: x }))))]);
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
      if (e.values && e.values.length) {
        s.append(
          table(
            [{ head: 'Value' }, { head: 'Given', num: true }, { head: 'Unit' }],
            e.values.map((v) => [v.name, typeof v.value === 'number' ? num(v.value, 6) : num(v.value), v.unit || '']),
            'The values of the error'
          )
        );
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
      ['Depth, length along the pile', Q.unit('depth')],
      ['Deflection, soil movement', Q.unit('deflection')],
      ['Width of a section', Q.unit('dimension')],
      ['Force, shear, axial load', Q.unit('force')],
      ['Bending moment', Q.unit('moment')],
      ['Soil reaction p, distributed load', Q.unit('force_per_length')],
      ['Secant soil modulus Es', Q.unit('modulus')],
      ['Stress of the pile', Q.unit('stress')],
      ['Effective unit weight of the soil', Q.unit('unit_weight')],
      ['Flexural rigidity EI', Q.unit('flexural_rigidity')],
      ['Slope, rotation', 'rad'],
      ['Rotational stiffness, K33', Q.unit('rotational_stiffness')],
      ['Lateral stiffness K22', Q.unit('lateral_stiffness')],
      ['Stiffness terms K23, K32', Q.unit('force_per_rotation') + ', ' + Q.unit('moment_per_length')],
      ['Moment-curvature tables: thrust', Q.unit('section_force')],
      ['Moment-curvature tables: moment', Q.unit('section_moment')],
      ['Moment-curvature tables: flexural rigidity', Q.unit('section_rigidity')],
      ['Moment-curvature tables: curvature', Q.unit('curvature')],
    ].filter(([, v]) => v && v !== ', ');
    if (U.system) {
      us.append(table([{ head: 'Quantity' }, { head: 'Unit' }], unitRows));
      us.append(
        note(
          (Q.mode === 'engineering'
            ? 'Values are shown in engineering units; the results file keeps the computing units of the run (' +
              [U.length, U.force, U.moment].filter(Boolean).join(', ') +
              '). '
            : 'Values are shown in the computing units of the run, as the results file holds them. ') +
            'A value below ' +
            num(Q.roundOff, 2) +
            ' of the largest of its kind in its load case is round-off of the solution and shows as 0. Depths are measured along the pile from the pile head.'
        )
      );
    } else {
      us.append(note('The run ended before its units were known.'));
    }

    // Load cases.
    if (cases.length) {
      const cs = section('cases', r.lrfd ? 'LRFD load combinations' : 'Load cases');
      cs.append(casesTable(r, cases, Q));
      cs.append(...cases.map((c) => nearLimit(c.last_iterations, 'Load case ' + c.number, Q)).filter(Boolean));
      if (r.lrfd) {
        cs.append(note('Condition 1 is the factored pile-head shear and condition 2 the factored pile-head moment of the combination.'));
      }
    }

    // Pile and soil profile.
    if (sections.length || layers.length) {
      const ps = section('profile', 'Pile and soil profile');
      ps.append(h('div', { class: 'profile-figure' }, profileDiagram(r, Q)));
      if (sections.length) {
        ps.append(h('h3', { text: 'Pile sections' }));
        const col = (key) => sections.map((s) => s[key]);
        ps.append(
          table(
            [
              { head: 'Section' },
              { head: 'Type' },
              { head: 'Top', unit: Q.unit('depth'), num: true },
              { head: 'Bottom', unit: Q.unit('depth'), num: true },
              { head: 'Length', unit: Q.unit('depth'), num: true },
              { head: 'Width', unit: Q.unit('dimension'), num: true },
              { head: 'Area', unit: Q.unit('area'), num: true },
              { head: 'Moment of inertia', unit: Q.unit('inertia'), num: true },
              { head: 'EI', unit: Q.unit('flexural_rigidity'), num: true },
              { head: 'Axial capacity', unit: Q.unit('section_force'), num: true },
              { head: 'Tensile capacity', unit: Q.unit('section_force'), num: true },
              { head: 'Cracking load', unit: Q.unit('section_force'), num: true },
            ],
            sections.map((s) => [
              String(s.number),
              s.type_name + ' (' + s.type + ')',
              Q.num('depth', s.top),
              Q.num('depth', s.bottom),
              Q.num('depth', s.length),
              Q.num('dimension', s.width),
              s.area ? Q.num('area', s.area) : DASH,
              s.inertia ? Q.num('inertia', s.inertia) : DASH,
              s.flexural_rigidity ? Q.num('flexural_rigidity', s.flexural_rigidity) : DASH,
              s.axial_capacity ? Q.num('section_force', s.axial_capacity, largestOf(col('axial_capacity'))) : DASH,
              s.tensile_capacity ? Q.num('section_force', s.tensile_capacity) : DASH,
              s.cracking_load ? Q.num('section_force', s.cracking_load) : DASH,
            ])
          )
        );
      }
      if (layers.length) {
        ps.append(h('h3', { text: 'Soil layers' }));
        ps.append(
          table(
            [
              { head: 'Layer' },
              { head: 'p-y criterion' },
              { head: 'Description' },
              { head: 'Top', unit: Q.unit('depth'), num: true },
              { head: 'Bottom', unit: Q.unit('depth'), num: true },
              { head: 'Effective unit weight, top', unit: Q.unit('unit_weight'), num: true },
              { head: 'Effective unit weight, bottom', unit: Q.unit('unit_weight'), num: true },
              { head: 'Input values, top to bottom' },
            ],
            layers.map((l) => [
              String(l.number),
              l.short_name + ' (' + l.criterion + ')',
              l.description || '',
              Q.num('depth', l.top),
              Q.num('depth', l.bottom),
              Q.num('unit_weight', l.unit_weight_top),
              Q.num('unit_weight', l.unit_weight_bottom),
              layerValues(l, Q),
            ])
          )
        );
        ps.append(
          note(
            'Layer depths are measured from the pile head. The input has no water table. The input values of each layer are in ' +
              (Q.mode === 'engineering' ? 'the units of the input' : 'the computing units they name') +
              '.'
          )
        );
      }
    }

    const later = []; // charts are made once their sections stand in the page

    // Responses along the pile.
    const drawnCases = cases.filter((c) => c.nodes && c.nodes.depth && c.nodes.depth.length > 1);
    if (drawnCases.length) {
      const rs = section('response', 'Response along the pile');
      later.push(responseCharts(rs, drawnCases, r, Q));
    } else if (cases.length) {
      section('response', 'Response along the pile').append(note('No load case has node results to draw.'));
    }

    // Load-deflection and load-moment curves.
    const curved = loadCurveCases(r);
    if (curved.stepped.length || curved.series.length) {
      const lc = section('load-curves', 'Load-deflection and load-moment curves');
      later.push(loadCurves(lc, r, Q));
    }

    // The pile-head stiffness of every load case.
    if (cases.some((c) => c.head_stiffness)) {
      const hs = section('head-stiffness', 'Pile-head stiffness at the load cases');
      hs.append(headStiffnessTable(r, cases, Q));
    }

    // p-y curves.
    const curves = (r.py_curves || []).filter((c) => c.y && c.y.length);
    if (curves.length) {
      const py = section('py-curves', 'p-y curves');
      later.push(pyCurveCharts(py, curves, Q));
    } else if (r.run_kind === 3 && cases.length) {
      section('py-curves', 'p-y curves').append(note('The run printed no p-y curves.'));
    }

    // Moment-curvature of the sections.
    if (sections.some((s) => s.thrusts && s.thrusts.length)) {
      const ms = section('moment-curvature', 'Moment-curvature of the sections');
      ms.append(
        note(
          'Dashed lines mark the nominal (unfactored) moment capacity Mn of each axial thrust. Units of the section analysis: ' +
            ['section_force', 'section_moment', 'section_rigidity', 'curvature'].map(Q.unit).filter(Boolean).join(', ') +
            '.'
        )
      );
      for (const s of sections) later.push(sectionCharts(ms, s, Q));
    }

    // Interaction diagrams and the load cases' demands on them.
    if (sections.some((s) => s.interaction)) {
      const is = section('interaction', 'Interaction diagrams of the sections');
      is.append(interactionIntro(r, Q));
      for (const s of sections) if (s.interaction) later.push(interactionChart(is, s, r, Q));
    }

    // LRFD load groups, combinations and the distributed loads of the cases.
    if (r.lrfd_loading) {
      const lg = section('lrfd-loading', 'LRFD load groups and combinations');
      lg.append(lrfdLoading(r.lrfd_loading, cases, Q));
    }

    // LRFD check.
    const checks = r.lrfd_check || [];
    if (r.lrfd || checks.length) {
      const ls = section('lrfd', 'LRFD performance by load combination');
      if (!checks.length) {
        ls.append(note('The run has no LRFD check rows.'));
      } else {
        ls.append(lrfdTable(checks, Q));
      }
    }

    // Pile-length study.
    const studied = cases.filter((c) => c.length_study != null);
    if (studied.length) {
      const ss = section('length-study', 'Pile-head deflection against pile length');
      later.push(lengthStudy(ss, studied, Q));
    }

    // Pile-head stiffness study.
    if (r.stiffness) {
      const ks = section('stiffness', 'Pile-head stiffness matrix');
      ks.append(stiffnessTables(r.stiffness, Q));
      const studyCases = nearLimit(r.stiffness.last_iterations, 'Study cases', Q);
      if (studyCases) ks.append(studyCases);
    }

    if (!cases.length && !sections.length && !layers.length) {
      main.append(note('The run ended before it produced results to draw.'));
    }
    return later;
  }

  // The table of the load cases: conditions, head response, extremes,
  // iterations and checks, each value 0 within the round-off of the largest
  // of its kind in the case.
  function casesTable(r, cases, Q) {
    const cond1 = (c) =>
      c.load_type >= 4 ? 'y = ' + Q.num('deflection', c.condition1) + ' ' + Q.unit('deflection') : 'V = ' + Q.num('force', c.condition1) + ' ' + Q.unit('force');
    const cond2 = (c) =>
      c.load_type === 3
        ? 'R = ' + Q.num('rotational_stiffness', c.condition2) + ' ' + Q.unit('rotational_stiffness')
        : c.load_type === 2 || c.load_type === 5
        ? 'S = ' + num(c.condition2) + ' rad'
        : 'M = ' + Q.num('moment', c.condition2) + ' ' + Q.unit('moment');
    return table(
      [
        { head: 'Case' },
        { head: r.lrfd ? 'Combination' : 'Load type' },
        { head: 'Condition 1' },
        { head: 'Condition 2' },
        { head: 'Axial load', unit: Q.unit('force'), num: true },
        { head: 'Head deflection', unit: Q.unit('deflection'), num: true },
        { head: 'Head rotation', unit: 'rad', num: true },
        { head: 'Max. moment', unit: Q.unit('moment'), num: true },
        { head: 'at depth', unit: Q.unit('depth'), num: true },
        { head: 'Max. shear', unit: Q.unit('force'), num: true },
        { head: 'at depth', unit: Q.unit('depth'), num: true },
        { head: 'Max. total stress', unit: Q.unit('stress'), num: true },
        { head: 'Iterations', num: true },
        { head: 'Zero-deflection points', num: true },
        { head: 'Status' },
        { head: 'Equilibrium check' },
      ],
      cases.map((c) => {
        const n = c.nodes || {};
        const moment = largestOf(n.moment || [], c.max_moment);
        const shear = largestOf(n.shear || [], c.max_shear);
        return {
          class: c.status === 'not_converged' ? 'bad' : null,
          cells: [
            String(c.number),
            c.lrfd ? c.combination_name : c.load_type + ': ' + (LOAD_TYPES[c.load_type] || ''),
            cond1(c),
            cond2(c),
            Q.num('force', c.axial),
            Q.num('deflection', c.head_deflection, largestOf(n.deflection || [], c.head_deflection)),
            Q.num('rotation', c.head_rotation, largestOf(n.slope || [], c.head_rotation)),
            Q.num('moment', c.max_moment, moment),
            Q.num('depth', c.max_moment_depth),
            Q.num('force', c.max_shear, shear),
            Q.num('depth', c.max_shear_depth),
            Q.num('stress', c.max_stress),
            String(c.iterations),
            String(c.zero_deflection_points),
            c.status === 'not_converged' ? h('span', { class: 'badge bad', text: 'not converged' }) : h('span', { class: 'badge ok', text: 'converged' }),
            c.verified
              ? 'within limits'
              : h('span', {
                  class: 'badge warn',
                  text: 'imbalance ' + Q.num('moment', c.moment_imbalance) + ' ' + Q.unit('moment') + ', ' + Q.num('force', c.force_imbalance) + ' ' + Q.unit('force'),
                }),
          ],
        };
      })
    );
  }

  // The local date and time of the analysis: "2026-12-10 09:05:07".
  function analysedAt(t) {
    const two = (x) => String(x).padStart(2, '0');
    return t.year + '-' + two(t.month) + '-' + two(t.day) + ' ' + two(t.hour) + ':' + two(t.minute) + ':' + two(t.second);
  }

  // A solution's iterations among the last five before the iteration limit,
  // as the report lists them; nothing when there are none.
  function nearLimit(records, what, Q) {
    if (!records || !records.length) return null;
    const D = Q.unit('deflection');
    return h(
      'div',
      { class: 'near-limit' },
      note(what + ': the iterations among the last five before the iteration limit, as the report lists them.'),
      table(
        [
          { head: 'Iteration', num: true },
          { head: 'Y(top)', unit: D, num: true },
          { head: 'dYmax', unit: D, num: true },
        ],
        records.map((x) => [String(x.iteration), Q.num('deflection', x.head_deflection), Q.num('deflection', x.max_change)])
      )
    );
  }

  // The pile and the soil layers side by side on one depth scale.
  function profileDiagram(r, Q) {
    const L = Q.unit('depth');
    const D = (x) => Q.v('depth', x);
    const width = (x) => Q.num('dimension', x) + ' ' + Q.unit('dimension');
    const NS = 'http://www.w3.org/2000/svg';
    function s(tag, attrs, text) {
      const e = document.createElementNS(NS, tag);
      for (const [k, v] of Object.entries(attrs)) e.setAttribute(k, v);
      if (text != null) e.textContent = text;
      return e;
    }
    const sections = (r.sections || []).map((x) => Object.assign({}, x, { top: D(x.top), bottom: D(x.bottom) }));
    const layers = (r.layers || []).map((x) => Object.assign({}, x, { top: D(x.top), bottom: D(x.bottom) }));
    const ground = D(r.ground_depth || 0);
    let bottom = D(r.pile_length || 0);
    for (const x of sections) bottom = Math.max(bottom, x.bottom);
    for (const x of layers) bottom = Math.max(bottom, x.bottom);
    let top = Math.min(0, ground);
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
    // The kind of soil of each layer's criterion comes with the results (the
    // engine's criterion table); it names the band's colour class.
    layers.forEach((l, i) => {
      const ya = zy(l.top);
      const yb = zy(l.bottom);
      const fam = l.family || 'other';
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
    const gy = zy(ground);
    svg.append(s('line', { x1: pileCol[0], x2: soilCol[1], y1: gy, y2: gy, class: 'ground' }));
    svg.append(s('text', { x: soilCol[1] - 4, y: gy - 5, class: 'ground-label' }, 'Ground surface, ' + num(ground) + ' ' + L));

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
        svg.append(s('text', { x: lx, y: mid + 4, class: 'section-sub' }, 'width ' + width(x.width)));
        svg.append(s('text', { x: lx, y: mid + 18, class: 'section-sub' }, num(x.top) + ' to ' + num(x.bottom) + ' ' + L));
      } else if (hgt >= 12) {
        svg.append(s('text', { x: lx, y: (ya + yb) / 2 + 4, class: 'section-label' }, 'Section ' + x.number + ', width ' + width(x.width)));
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
  // reads the values at the cursor's depth; Es on a linear or a logarithmic
  // scale.
  function responseCharts(parent, cases, r, Q) {
    const QUANTITIES = [
      ['deflection', 'Deflection y', 'deflection'],
      ['slope', 'Slope S', 'rotation'],
      ['moment', 'Bending moment M', 'moment'],
      ['shear', 'Shear force V', 'force'],
      ['soil_reaction', 'Soil reaction p', 'force_per_length'],
      ['es', 'Soil modulus Es', 'modulus'],
    ];
    const ES = 5;
    const depthOf = (c) => Q.arr('depth', c.nodes.depth);
    // One depth column when every case has the same nodes; else the union.
    const first = cases[0].nodes.depth;
    const same = cases.every((c) => {
      const d = c.nodes.depth;
      if (d.length !== first.length) return false;
      for (let i = 0; i < d.length; i++) if (d[i] !== first[i]) return false;
      return true;
    });
    const datasets = QUANTITIES.map(([key, , q]) => {
      const columns = cases.map((c) => Q.arr(q, c.nodes[key] || []));
      if (same) return [depthOf(cases[0])].concat(columns);
      return uPlot.join(cases.map((c, i) => [depthOf(c), columns[i]]));
    });
    // The largest value of each quantity in each case: round-off below it
    // reads as 0.
    const largest = QUANTITIES.map(([key]) => cases.map((c) => largestOf(c.nodes[key] || [])));
    const depths = datasets[0][0];
    let maxDepth = depths[depths.length - 1];
    if (Q.v('depth', r.pile_length) > maxDepth) maxDepth = Q.v('depth', r.pile_length);

    parent.append(
      note(
        'All load cases on one depth scale, depth measured downward from the pile head. Move the pointer over a chart to read ' +
          'the values at a depth; tick the cases to show or hide them.'
      )
    );
    const logBox = h('input', { type: 'checkbox', 'aria-label': 'Soil modulus Es on a logarithmic scale' });
    parent.append(h('div', { class: 'chart-options' }, h('label', { class: 'case-toggle' }, logBox, 'Soil modulus Es on a logarithmic scale')));
    const grid = h('div', { class: 'chart-grid' });
    parent.append(grid);
    const boxes = QUANTITIES.map(([, name]) => {
      const b = chartBox(name + ' against depth', 'response');
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
                QUANTITIES.map(([, name, q]) => h('th', { class: 'num' }, name, h('br'), h('span', { class: 'unit', text: '(' + Q.unit(q) + ')' })))
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
      readHead.textContent = 'Depth: ' + num(depths[idx]) + ' ' + Q.unit('depth');
      datasets.forEach((data, q) => {
        for (let i = 0; i < cases.length; i++) {
          // Converted values: the round-off of the converted largest.
          const value = data[i + 1][idx];
          const big = Q.v(QUANTITIES[q][2], largest[q][i]);
          rowCells[i][q].textContent = num(zeroed(value, big, Q.roundOff));
        }
      });
    }

    const legend = cases.map((c, i) => ({ label: 'Case ' + c.number, stroke: colour(i, cases.length) }));
    // The chart of quantity q; Es on a log scale takes no zero (no soil above
    // the ground surface), which it leaves out.
    function chartOf(q, log) {
      const [, name, kind] = QUANTITIES[q];
      let data = datasets[q];
      if (log) data = data.map((column, k) => (k === 0 ? column : column.map((v) => (v > 0 ? v : null))));
      const opts = {
        scales: {
          x: { time: false, ori: 1, dir: -1, range: [0, maxDepth] },
          y: log ? { ori: 0, dir: 1, distr: 3 } : { ori: 0, dir: 1 },
        },
        axes: [
          { scale: 'x', side: 3, label: 'Depth' + unitText(Q.unit('depth')), values: (ch, splits) => splits.map(tick), size: axisWidth },
          { scale: 'y', side: 0, label: name + unitText(Q.unit(kind)), space: 60, values: (ch, splits) => splits.map(tick) },
        ],
        series: [{ label: 'Depth' }].concat(
          cases.map((c, i) => ({
            label: 'Case ' + c.number,
            stroke: colour(i, cases.length),
            width: 1.5,
            points: { show: false },
            show: checks[i].checked,
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
      return makeChart(boxes[q].plot, opts, data, 440, 228, legend);
    }
    logBox.addEventListener('change', () => {
      dropChart(made[ES]);
      made[ES] = chartOf(ES, logBox.checked);
    });

    return () => {
      QUANTITIES.forEach((_, q) => made.push(chartOf(q, false)));
    };
  }

  // Moment against curvature and EI against moment for each thrust of a
  // section, with its nominal moment capacity marked.
  function sectionCharts(parent, s, Q) {
    const head = 'Section ' + s.number + ': ' + s.type_name;
    parent.append(h('h3', { text: head }));
    const thrusts = (s.thrusts || []).filter((t) => t.points && t.points.length);
    if (!thrusts.length) {
      parent.append(note('No moment-curvature table was computed for this section.'));
      return () => {};
    }
    const SF = Q.unit('section_force');
    const SM = Q.unit('section_moment');
    const grid = h('div', { class: 'chart-grid two' });
    parent.append(grid);
    const mc = chartBox('Moment against curvature, section ' + s.number);
    const em = chartBox('EI against moment, section ' + s.number);
    grid.append(mc.box, em.box);
    parent.append(
      table(
        [
          { head: 'Axial thrust', unit: SF, num: true },
          { head: 'Nominal moment capacity Mn', unit: SM, num: true },
          { head: 'Points', num: true },
          { head: 'Largest curvature', unit: Q.unit('curvature'), num: true },
          { head: 'Largest moment', unit: SM, num: true },
          { head: 'Initial EI', unit: Q.unit('section_rigidity'), num: true },
        ],
        thrusts.map((t) => {
          const last = t.points[t.points.length - 1];
          let mmax = -Infinity;
          for (const p of t.points) mmax = Math.max(mmax, p.moment);
          return [
            Q.num('section_force', t.thrust),
            Q.num('section_moment', t.nominal_moment_capacity),
            String(t.points.length),
            Q.num('curvature', last.curvature),
            Q.num('section_moment', mmax),
            Q.num('section_rigidity', t.points[0].ei),
          ];
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
        const curv = Q.arr('curvature', t.points.map((p) => p.curvature));
        const mom = Q.arr('section_moment', t.points.map((p) => p.moment));
        const ei = Q.arr('section_rigidity', t.points.map((p) => p.ei));
        const label = 'Thrust ' + Q.num('section_force', t.thrust) + ' ' + SF;
        const mn = Q.v('section_moment', t.nominal_moment_capacity);
        series.push(xySeries(label, c));
        data.push([curv, mom]);
        series.push(xySeries('Mn = ' + num(mn) + ' ' + SM, c, { dash: [6, 4], width: 1 }));
        data.push([[0, Math.max(...curv)], [mn, mn]]);
        seriesEm.push(xySeries(label, c));
        dataEm.push([mom, ei]);
        seriesEm.push(xySeries('Mn = ' + num(mn) + ' ' + SM, c, { dash: [6, 4], width: 1 }));
        dataEm.push([[mn, mn], [0, Math.max(...ei)]]);
      });
      makeChart(mc.plot, xyOptions('Curvature' + unitText(Q.unit('curvature')), 'Moment' + unitText(SM), series), data, 360, 340);
      makeChart(em.plot, xyOptions('Moment' + unitText(SM), 'EI' + unitText(Q.unit('section_rigidity')), seriesEm), dataEm, 360, 340);
    };
  }

  // ------------------------------------------------- interaction diagrams

  const CODE_NAMES = { ACI318: 'ACI 318', AASHTO: 'AASHTO LRFD', Eurocode2: 'Eurocode 2' };

  // What the interaction diagrams show and how the demands are set against them.
  function interactionIntro(r, Q) {
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
        [Q.unit('force'), Q.unit('moment')].filter(Boolean).join(', ') +
        '.'
    );
  }

  // The diagrams of one section with its demands as points, its limits and
  // a table of the demands.
  function interactionChart(parent, s, r, Q) {
    const it = s.interaction;
    parent.append(h('h3', { text: 'Section ' + s.number + ': ' + s.type_name }));
    if (!it.covered) {
      parent.append(note(it.note || 'Not covered.', 'warn'));
      return () => {};
    }
    const F = Q.unit('force');
    const M = Q.unit('moment');
    const force = (x) => Q.num('force', x);
    const facts = [
      ['Standard', it.standard],
      ['Method', it.method],
    ];
    if (it.transverse) facts.push(['Transverse reinforcement', it.transverse + (it.transverse_source === 'default' ? ' (default of the section type)' : ' (input)')]);
    if (it.prestressed) facts.push(['Prestress', 'strands with their effective prestress']);
    if (it.gamma_c != null) facts.push(['Partial factors', '\u03b3c = ' + num(it.gamma_c) + ', \u03b3s = ' + num(it.gamma_s) + ', \u03b1cc = ' + num(it.alpha_cc)]);
    facts.push(['Pure compression (nominal)', force(it.pure_compression) + ' ' + F]);
    facts.push(['Pure tension (nominal)', force(it.pure_tension) + ' ' + F]);
    facts.push(['Design limits of the axial force', force(it.max_tension) + ' to ' + force(it.max_compression) + ' ' + F]);
    if (it.balanced) facts.push(['Balanced point (nominal)', force(it.balanced.axial) + ' ' + F + ', ' + Q.num('moment', it.balanced.moment) + ' ' + M]);
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
    if (demands.length) parent.append(demandTable(demands, r, Q));
    return () => {
      const series = [xySeries('Nominal (Pn, Mn)', colour(0, 3), { width: 2 }), xySeries('Design', colour(1, 3), { width: 2 })];
      const curve = (points) => [Q.arr('moment', points.map((p) => p.moment)), Q.arr('force', points.map((p) => p.axial))];
      const data = [null, curve(it.nominal), curve(it.factored)];
      const points = (ok) => demands.filter((d) => d.passed === ok);
      for (const [ok, label, stroke] of [
        [true, 'Demands within the design diagram', colour(2, 3)],
        [false, 'Demands beyond the design diagram', '#000000'],
      ]) {
        const chosen = points(ok);
        if (!chosen.length) continue;
        series.push(xySeries(label, stroke, { paths: dots(4.5), fill: stroke, points: { show: false } }));
        data.push([Q.arr('moment', chosen.map((d) => d.moment)), Q.arr('force', chosen.map((d) => d.axial))]);
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

  // A paths builder of uPlot that draws the line through an xy series with
  // a ring at each of its points: the levels of a load-deflection curve.
  function lineAndDots(radius) {
    const line = uPlot.paths.linear();
    const marks = dots(radius);
    return (u, i, i0, i1) => {
      const p = line(u, i, i0, i1);
      const rings = marks(u, i).stroke;
      const both = new Path2D();
      both.addPath(p.stroke);
      both.addPath(rings);
      return Object.assign({}, p, { stroke: both, fill: null });
    };
  }

  function demandTable(demands, r, Q) {
    return table(
      [
        { head: r.lrfd ? 'Combination' : 'Load case' },
        { head: 'Axial load', unit: Q.unit('force'), num: true },
        { head: 'Largest moment', unit: Q.unit('moment'), num: true },
        { head: 'Utilisation', num: true },
        { head: 'Capacity on the ray: axial', unit: Q.unit('force'), num: true },
        { head: 'moment', unit: Q.unit('moment'), num: true },
        { head: 'Check' },
      ],
      demands.map((d) => ({
        class: d.passed ? null : 'bad',
        cells: [
          String(d.load_case) + (d.name ? ' ' + d.name : ''),
          Q.num('force', d.axial),
          Q.num('moment', d.moment),
          d.utilisation == null ? DASH : num(d.utilisation, 4),
          d.utilisation == null ? DASH : Q.num('force', d.capacity.axial),
          d.utilisation == null ? DASH : Q.num('moment', d.capacity.moment),
          h('span', { class: 'badge ' + (d.passed ? 'ok' : 'bad'), text: d.passed ? 'Pass' : 'FAIL' }),
        ],
      }))
    );
  }

  function lrfdTable(checks, Q) {
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
          { head: 'Factored moment capacity', unit: Q.unit('moment'), num: true },
          { head: 'Moment developed', unit: Q.unit('moment'), num: true },
          { head: 'Fraction of capacity mobilized', num: true },
          { head: 'Pass/fail' },
          { head: 'Max. shear developed', unit: Q.unit('force'), num: true },
          { head: 'Pile-top deflection', unit: Q.unit('deflection'), num: true },
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
              c.factored_capacity == null ? 'infinite (elastic section)' : Q.num('moment', c.factored_capacity),
              Q.num('moment', c.moment_developed),
              c.fraction_mobilized == null ? 'N/A' : num(c.fraction_mobilized, 4),
              h('span', { class: 'badge ' + v[0], text: v[1] }),
              Q.num('force', c.max_shear),
              Q.num('deflection', c.head_deflection),
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

  function lengthStudy(parent, studied, Q) {
    const L = Q.unit('depth');
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
          'Pile length ' + Q.num('depth', st.full_length) + ' ' + L + ', shortened by 5 % at a time; ' + String(st.lengths_analysed) +
            (st.lengths_analysed === 1 ? ' length' : ' lengths') +
            ' analysed; the study ended because ' + endedBy(LENGTH_STUDY_END, st.ended_by) + '.'
        )
      );
      const trials = nearLimit(st.last_iterations, 'Trial lengths of load case ' + c.number, Q);
      if (trials) parent.append(trials);
      if (!rowsOf(c).length) {
        parent.append(note('No computations of pile-head deflection against pile length were successful for this load case.'));
        continue;
      }
      parent.append(
        table(
          [
            { head: 'Pile length', unit: L, num: true },
            { head: 'Pile-head deflection', unit: Q.unit('deflection'), num: true },
            { head: 'Pile-head shear', unit: Q.unit('force'), num: true },
            { head: 'Max. moment', unit: Q.unit('moment'), num: true },
            { head: 'Max. shear', unit: Q.unit('force'), num: true },
          ],
          rowsOf(c).map((row) => [
            Q.num('depth', row.length),
            Q.num('deflection', row.head_deflection),
            Q.num('force', row.head_shear),
            Q.num('moment', row.max_moment),
            Q.num('force', row.max_shear),
          ])
        )
      );
    }
    return () => {
      if (!box) return;
      makeChart(
        box.plot,
        xyOptions(
          'Pile length' + unitText(L),
          'Pile-head deflection' + unitText(Q.unit('deflection')),
          withRows.map((c, i) => xySeries('Load case ' + c.number, colour(i, withRows.length), { width: 2 }))
        ),
        [null].concat(
          withRows.map((c) => [Q.arr('depth', rowsOf(c).map((x) => x.length)), Q.arr('deflection', rowsOf(c).map((x) => x.head_deflection))])
        ),
        360
      );
    };
  }

  function stiffnessTables(study, Q) {
    const F = Q.unit('force');
    const M = Q.unit('moment');
    const rows = study.rows || [];
    const wrap = h('div');
    wrap.append(
      h(
        'dl',
        { class: 'facts' },
        [
          ['Reference shear', Q.num('force', study.reference_shear) + ' ' + F],
          ['Reference moment', Q.num('moment', study.reference_moment) + ' ' + M],
          ['Axial thrust of the study cases', Q.num('force', study.axial) + ' ' + F],
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
          { head: 'Pile-top deflection', unit: Q.unit('deflection'), num: true },
          { head: 'Shear reaction', unit: F, num: true },
          { head: 'Moment reaction', unit: M, num: true },
          { head: 'K22', unit: Q.unit('lateral_stiffness'), num: true },
          { head: 'K32', unit: Q.unit('moment_per_length'), num: true },
        ],
        rows.map((k, i) => [
          String(i + 1),
          Q.num('force', k.shear_level),
          Q.num('deflection', k.deflection),
          Q.num('force', k.shear_reaction_1),
          Q.num('moment', k.moment_reaction_1),
          Q.num('lateral_stiffness', k.k22),
          Q.num('moment_per_length', k.k32),
        ]),
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
          { head: 'K23', unit: Q.unit('force_per_rotation'), num: true },
          { head: 'K33', unit: Q.unit('rotational_stiffness'), num: true },
        ],
        rows.map((k, i) => [
          String(i + 1),
          Q.num('moment', k.moment_level),
          num(k.rotation),
          Q.num('force', k.shear_reaction_2),
          Q.num('moment', k.moment_reaction_2),
          Q.num('force_per_rotation', k.k23),
          Q.num('rotational_stiffness', k.k33),
        ]),
        'Moment cases (head deflection 0)'
      )
    );
    return wrap;
  }

  // A layer's input values, one line each: name, the value at the top and,
  // where it differs, at the bottom, and the unit. A value of a kind of the
  // display table (unit weight, strength, k) is shown in its unit; the
  // others as held, in the unit they name.
  function layerValues(l, Q) {
    const values = l.values || [];
    if (!values.length) return DASH;
    return h(
      'div',
      { class: 'layer-values' },
      values.map((v) => {
        const q = v.quantity && Q.unit(v.quantity) ? v.quantity : '';
        const shown = (x) => (q ? Q.num(q, x) : num(x));
        const unit = q ? Q.unit(q) : v.unit;
        const range = v.top === v.bottom ? shown(v.top) : shown(v.top) + ' ' + DASH + ' ' + shown(v.bottom);
        return h('div', null, v.name + ' ' + range + (unit ? ' ' + unit : ''));
      })
    );
  }

  // A value of a curve's report block in the digits the report prints it
  // with: an integer, fixed decimals, or an exponent with its digits.
  function printedValue(v) {
    if (typeof v.value !== 'number' || !isFinite(v.value)) return num(v.value);
    if (v.form === 'integer') return String(Math.round(v.value));
    if (v.form === 'fixed' && v.decimals >= 0) return v.value.toFixed(v.decimals);
    if (v.form === 'exponent' && v.decimals >= 1) return v.value.toExponential(v.decimals - 1);
    return num(v.value, 6);
  }

  // The LRFD forms: the load groups as input, their totals by load type, the
  // combinations with their factors and factored loads, the thrust levels,
  // and each combination's distributed loads by load type at the nodes.
  function lrfdLoading(L, cases, Q) {
    const wrap = h('div');
    const groups = L.groups || [];
    const totals = (L.type_totals || []).filter((t) => t.groups > 0);
    const combos = L.combinations || [];
    const load3 = [
      { head: 'Horizontal', unit: Q.unit('force'), num: true },
      { head: 'Moment', unit: Q.unit('moment'), num: true },
      { head: 'Axial', unit: Q.unit('force'), num: true },
    ];
    if (groups.length) {
      wrap.append(h('h3', { text: 'Unfactored load groups' }));
      wrap.append(
        table(
          [{ head: 'Group' }, { head: 'Load type' }, ...load3, { head: 'Distributed load points', num: true }],
          groups.map((g) => [
            String(g.number),
            g.type_code + ' (' + g.type + ')',
            Q.num('force', g.horizontal),
            Q.num('moment', g.moment),
            Q.num('force', g.axial),
            String((g.points || []).length),
          ])
        )
      );
    }
    if (totals.length) {
      wrap.append(h('h3', { text: 'Totals by load type' }));
      wrap.append(
        table(
          [{ head: 'Load type' }, { head: 'Groups', num: true }, ...load3],
          totals.map((t) => [t.type_code + ' (' + t.type + ')', String(t.groups), Q.num('force', t.horizontal), Q.num('moment', t.moment), Q.num('force', t.axial)])
        )
      );
    }
    if (combos.length) {
      const codes = (L.type_totals || []).map((t) => t.type_code);
      const factors = (c) =>
        (c.factors || [])
          .map((f, k) => (f ? num(f) + ' ' + (codes[k] || 'type ' + (k + 1)) : ''))
          .filter(Boolean)
          .join(' + ') || DASH;
      wrap.append(h('h3', { text: 'Load combinations' }));
      wrap.append(
        table(
          [
            { head: 'Combination' },
            { head: 'Name' },
            { head: 'Load factors' },
            { head: 'Resistance factor, flexure', num: true },
            { head: 'Resistance factor, shear', num: true },
            { head: 'Factored horizontal', unit: Q.unit('force'), num: true },
            { head: 'Factored moment', unit: Q.unit('moment'), num: true },
            { head: 'Factored vertical', unit: Q.unit('force'), num: true },
            { head: 'Pile-head shear', unit: Q.unit('force'), num: true },
            { head: 'Pile-head axial', unit: Q.unit('force'), num: true },
            { head: 'Thrust level', num: true },
          ],
          combos.map((c) => [
            String(c.number),
            (c.name || '').trimEnd(),
            factors(c),
            num(c.resistance_factor_flexure),
            num(c.resistance_factor_shear),
            Q.num('force', c.horizontal),
            Q.num('moment', c.moment),
            Q.num('force', c.vertical),
            Q.num('force', c.shear),
            Q.num('force', c.axial),
            String(c.thrust),
          ])
        )
      );
    }
    if (L.batter) {
      wrap.append(
        note(
          'The pile is battered at ' + num(L.batter.batter_degrees) + ' degrees: the pile-head shear and axial force are the factored horizontal and vertical forces turned into the pile axis (cos = ' +
            num(L.batter.cos_batter, 6) + ', sin = ' + num(L.batter.sin_batter, 6) + ').'
        )
      );
    }
    if ((L.thrusts || []).length) {
      wrap.append(note('Axial thrusts of section analysis' + unitText(Q.unit('force')) + ': ' + Q.arr('force', L.thrusts).map((x) => num(x)).join(', ') + '.'));
    }
    const loaded = cases.filter((c) => (c.lrfd_distributed_loads || []).length);
    if (loaded.length) {
      wrap.append(h('h3', { text: 'Distributed lateral loads by load type' }));
      const rows = [];
      for (const c of loaded) {
        for (const t of c.lrfd_distributed_loads) {
          const loads = t.load || [];
          const depths = t.depth || [];
          rows.push([
            String(c.number),
            c.combination_name || '',
            t.type_code + ' (' + t.type + ')',
            String(depths.length),
            depths.length ? Q.num('depth', Math.min(...depths)) : DASH,
            depths.length ? Q.num('depth', Math.max(...depths)) : DASH,
            loads.length ? Q.num('force_per_length', Math.min(...loads)) : DASH,
            loads.length ? Q.num('force_per_length', Math.max(...loads)) : DASH,
          ]);
        }
      }
      wrap.append(
        table(
          [
            { head: 'Case' },
            { head: 'Combination' },
            { head: 'Load type' },
            { head: 'Nodes loaded', num: true },
            { head: 'From depth', unit: Q.unit('depth'), num: true },
            { head: 'To depth', unit: Q.unit('depth'), num: true },
            { head: 'Smallest load', unit: Q.unit('force_per_length'), num: true },
            { head: 'Largest load', unit: Q.unit('force_per_length'), num: true },
          ],
          rows
        )
      );
      wrap.append(note('The unfactored distributed loads of each combination by load type at the nodes where they are not zero (the combination factors them); the CSV tables give every node.'));
    }
    return wrap;
  }

  // The title of a printed curve's report block, the values it gives (in
  // numbers as printed, and in words) and its notes: beside the curve's chart.
  function curveValues(c) {
    const values = c.parameters || [];
    const texts = c.texts || [];
    const notes = c.notes || [];
    const title = (c.title || []).join(' ');
    if (!values.length && !texts.length && !notes.length && !title) return null;
    const rows = values
      .map((v) => h('tr', null, h('th', { scope: 'row', text: v.name }), h('td', { class: 'num', text: printedValue(v) }), h('td', { text: v.unit || '' })))
      .concat(texts.map((t) => h('tr', null, h('th', { scope: 'row', text: t.name }), h('td', { colspan: '2', text: t.text }))));
    return h(
      'div',
      { class: 'py-values' },
      title ? h('p', { class: 'py-title', text: title }) : null,
      rows.length ? h('table', null, h('tbody', null, rows)) : null,
      notes.map((n) => h('p', { class: 'note', 'data-code': n.code, text: n.text }))
    );
  }

  // ------------------------------------------------- p-y curves, curves, stiffness

  // The printed p-y curves as small multiples: one chart per depth, each on
  // scales of its own, so that a stiff rock curve does not flatten the sand
  // curves beside it.
  function pyCurveCharts(parent, curves, Q) {
    parent.append(
      note(
        'Curves printed for load case 1 at the depths asked for, with p-multipliers applied; one chart per depth, each on scales of its own. Depths below the pile head. Below each chart the values of its report block as printed, in the units printed.'
      )
    );
    const grid = h('div', { class: 'chart-grid small' });
    parent.append(grid);
    const boxes = curves.map((c) => {
      const b = chartBox('p-y curve ' + c.number + ' at ' + Q.num('depth', c.depth) + ' ' + Q.unit('depth') + ', layer ' + c.layer + ' ' + c.short_name, 'py');
      const values = curveValues(c);
      if (values) b.box.append(values);
      grid.append(b.box);
      return b;
    });
    return () => {
      curves.forEach((c, i) => {
        makeChart(
          boxes[i].plot,
          xyOptions('y' + unitText(Q.unit('deflection')), 'p' + unitText(Q.unit('force_per_length')), [
            xySeries('p against y at ' + Q.num('depth', c.depth) + ' ' + Q.unit('depth'), colour(i % PALETTE.length, PALETTE.length), { width: 2 }),
          ]),
          [null, [Q.arr('deflection', c.y), Q.arr('force_per_length', c.p)]],
          240,
          228
        );
      });
    };
  }

  // What the page shows of head load against head movement: `stepped`, the
  // cases with a load-deflection curve of their own (load steps), each with
  // a table; `series`, the lines of the charts: those curves, and the
  // pile-head load cases of one load type when the run has two or more. A
  // line whose points do not move (a case without a head load to step,
  // driven by soil movement) is not drawn.
  function loadCurveCases(r) {
    const cases = r.cases || [];
    const stepped = cases.filter((c) => c.load_curve && (c.load_curve.points || []).length);
    const moves = (points) => points.some((p) => p.head_deflection !== points[0].head_deflection || p.head_shear !== points[0].head_shear);
    const series = stepped.filter((c) => moves(c.load_curve.points)).map((c) => ({ curve: c }));
    if (!r.lrfd) {
      for (let type = 1; type <= 5; type++) {
        const same = cases.filter((c) => c.load_type === type && c.nodes);
        if (same.length >= 2 && moves(same)) series.push({ group: { type: type, cases: same } });
      }
    }
    return { stepped: stepped, series: series };
  }

  // Head shear against head deflection and against the largest moment: a
  // line per case with load steps (its levels), and one per load type of
  // the run's cases; a table of each case's levels.
  function loadCurves(parent, r, Q) {
    const { stepped, series: items } = loadCurveCases(r);
    parent.append(
      note(
        'Pile-head shear against pile-head deflection and against the largest bending moment along the pile. ' +
          'A case solved at load steps (tarvex --load-steps) is drawn through its levels, from the first up to its own load; ' +
          'load cases of one load type are joined in the order of their head deflection.'
      )
    );
    let yd = null;
    let ym = null;
    if (items.length) {
      const grid = h('div', { class: 'chart-grid two' });
      parent.append(grid);
      yd = chartBox('Pile-head shear against pile-head deflection');
      ym = chartBox('Pile-head shear against the largest bending moment');
      grid.append(yd.box, ym.box);
    }
    const F = Q.unit('force');
    for (const c of stepped) {
      const curve = c.load_curve;
      const points = curve.points || [];
      const largest = {
        shear: largestOf(points.map((p) => p.head_shear), (c.nodes || {}).shear || []),
        moment: largestOf(points.map((p) => [p.head_moment, p.max_moment]), (c.nodes || {}).moment || []),
        deflection: largestOf(points.map((p) => p.head_deflection), (c.nodes || {}).deflection || []),
        rotation: largestOf(points.map((p) => p.head_rotation), (c.nodes || {}).slope || []),
      };
      parent.append(h('h3', { text: (c.lrfd ? 'Combination ' : 'Load case ') + c.number + ' at ' + curve.steps + ' load steps' }));
      parent.append(
        table(
          [
            { head: 'Level', num: true },
            { head: 'Share of the load', num: true },
            { head: 'Head shear', unit: F, num: true },
            { head: 'Head moment', unit: Q.unit('moment'), num: true },
            { head: 'Head deflection', unit: Q.unit('deflection'), num: true },
            { head: 'Head rotation', unit: 'rad', num: true },
            { head: 'Max. moment', unit: Q.unit('moment'), num: true },
            { head: 'at depth', unit: Q.unit('depth'), num: true },
            { head: 'Iterations', num: true },
          ],
          points.map((p) => [
            String(p.level),
            num(p.factor, 4),
            Q.num('force', p.head_shear, largest.shear),
            Q.num('moment', p.head_moment, largest.moment),
            Q.num('deflection', p.head_deflection, largest.deflection),
            Q.num('rotation', p.head_rotation, largest.rotation),
            Q.num('moment', p.max_moment, largest.moment),
            Q.num('depth', p.max_moment_depth),
            String(p.iterations),
          ])
        )
      );
      if (!items.some((x) => x.curve === c)) {
        parent.append(note('The head load of this case does not change its response: every level is the case itself, and no curve is drawn.'));
      }
      if (curve.failed_level) {
        const f = curve.failure || {};
        const problem = (f.message || []).map((x) => x.trim()).find((x) => x.startsWith('Problem:'));
        parent.append(
          note(
            'Level ' + curve.failed_level + ' of ' + curve.steps + ' failed' + (f.identity ? ' with ' + f.identity : '') + (problem ? ': ' + problem.slice(8).trim() : '.'),
            'warn'
          )
        );
      }
    }
    return () => {
      if (!items.length) return;
      const series = [];
      const deflection = [null];
      const moment = [null];
      items.forEach((item, i) => {
        const stroke = colour(i, items.length);
        let points;
        let label;
        if (item.curve) {
          const c = item.curve;
          points = c.load_curve.points.map((p) => ({ y: p.head_deflection, v: p.head_shear, m: p.max_moment }));
          label = (c.lrfd ? 'Combination ' : 'Load case ') + c.number + ', ' + c.load_curve.steps + ' steps';
        } else {
          const g = item.group;
          points = g.cases.map((c) => ({ y: c.head_deflection, v: c.head_shear, m: c.max_moment }));
          points.sort((a, b) => Math.abs(a.y) - Math.abs(b.y));
          label = 'Load type ' + g.type + ': cases ' + g.cases.map((c) => c.number).join(', ');
        }
        series.push(xySeries(label, stroke, { width: 2, paths: lineAndDots(3) }));
        const v = Q.arr('force', points.map((p) => Math.abs(p.v)));
        deflection.push([Q.arr('deflection', points.map((p) => Math.abs(p.y))), v]);
        moment.push([Q.arr('moment', points.map((p) => Math.abs(p.m))), v]);
      });
      const copy = () => series.map((x) => Object.assign({}, x));
      makeChart(yd.plot, xyOptions('Pile-head deflection' + unitText(Q.unit('deflection')), 'Pile-head shear' + unitText(F), copy()), deflection, 360, 340);
      makeChart(ym.plot, xyOptions('Largest bending moment' + unitText(Q.unit('moment')), 'Pile-head shear' + unitText(F), copy()), moment, 360, 340);
    };
  }

  // The pile-head stiffness of every load case at its converged state.
  function headStiffnessTable(r, cases, Q) {
    const wrap = h('div');
    wrap.append(
      note(
        'At the converged state of each load case: the secant stiffness of its own loads (head shear over head deflection, head moment over head rotation), ' +
          'and the tangent matrix [[K22, K23], [K32, K33]] of the converged secant soil moduli and bending stiffness under a unit head shear with the head held from turning ' +
          '(K22, K32) and a unit head moment with the head held from moving (K23, K33), for a structural model at that load. ' +
          'A dash: the head does not move or turn under the case, or the matrix could not be solved.'
      )
    );
    const term = (k, i, j, q) => (k && k.tangent ? Q.num(q, k.tangent[i][j]) : DASH);
    wrap.append(
      table(
        [
          { head: r.lrfd ? 'Combination' : 'Case' },
          { head: 'Secant V/y', unit: Q.unit('lateral_stiffness'), num: true },
          { head: 'Secant M/\u03b8', unit: Q.unit('rotational_stiffness'), num: true },
          { head: 'K22', unit: Q.unit('lateral_stiffness'), num: true },
          { head: 'K23', unit: Q.unit('force_per_rotation'), num: true },
          { head: 'K32', unit: Q.unit('moment_per_length'), num: true },
          { head: 'K33', unit: Q.unit('rotational_stiffness'), num: true },
        ],
        cases.map((c) => {
          const k = c.head_stiffness || {};
          const secant = k.secant || {};
          return [
            String(c.number) + (c.lrfd && c.combination_name ? ' ' + c.combination_name : ''),
            secant.lateral == null ? DASH : Q.num('lateral_stiffness', secant.lateral),
            secant.rotational == null ? DASH : Q.num('rotational_stiffness', secant.rotational),
            term(k, 0, 0, 'lateral_stiffness'),
            term(k, 0, 1, 'force_per_rotation'),
            term(k, 1, 0, 'moment_per_length'),
            term(k, 1, 1, 'rotational_stiffness'),
          ];
        })
      )
    );
    return wrap;
  }

  // The title of the run at the top of every printed page, beside the page
  // number (the page margin boxes of the print styles).
  function setPrintHeader(title) {
    let style = document.getElementById('print-header');
    if (!style) {
      style = h('style', { id: 'print-header' });
      document.head.append(style);
    }
    const text = String(title)
      .replace(/[\u0000-\u001f\u007f]/g, ' ')
      .replace(/\\/g, '\\\\')
      .replace(/"/g, '\\"');
    style.textContent = '@page { @top-left { content: "' + text + '"; } }';
  }

  // ------------------------------------------------------------------ start

  // Draws the whole report in the units of `mode`, in place of what an
  // earlier drawing put in the page.
  function render(results, mode) {
    for (const c of charts) c.chart.destroy();
    charts.length = 0;
    report.charts.length = 0;
    report.sections.length = 0;
    drawn = 0;
    figures = 0;
    creating = true;
    report.ready = false;
    document.body.removeAttribute('data-ready');
    main.textContent = '';
    nav.textContent = '';
    const Q = unitsOf(results, mode);
    report.units = Q.mode;
    const later = draw(results, Q);
    performance.mark('tarvex-tables');
    // Read every chart's width in one layout of the page, before the charts
    // change it.
    for (const plot of document.querySelectorAll('.plot')) plot._tarvexWidth = plot.clientWidth;
    for (const make of later) make();
    performance.mark('tarvex-charts');
    creating = false;
    checkReady();
  }

  // The switch between engineering and computing units, at the head of the
  // page (not printed); none when the data have no table of engineering
  // units.
  function unitsSwitch(results, mode) {
    const eng = unitsOf(results, 'engineering');
    const comp = unitsOf(results, 'computing');
    if (eng.mode !== 'engineering') return null;
    const sample = (Q) => ['depth', 'deflection', 'force', 'moment'].map(Q.unit).join(', ');
    const choice = (value, label) => {
      const input = h('input', { type: 'radio', name: 'units', value: value, checked: value === mode });
      input.addEventListener('change', () => {
        if (input.checked) render(results, value);
      });
      return h('label', { class: 'case-toggle' }, input, label);
    };
    return h(
      'div',
      { class: 'units-switch', role: 'radiogroup', 'aria-label': 'Units shown' },
      'Units shown: ',
      choice('engineering', 'engineering (' + sample(eng) + ')'),
      choice('computing', 'computing (' + sample(comp) + ')')
    );
  }

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
    const mode = results.page_units === 'computing' ? 'computing' : 'engineering';
    const control = unitsSwitch(results, mode);
    if (control) document.getElementById('page-head').append(control);
    render(results, mode);
  }

  start();
})();
