// Opens the HTML report page of every results fixture in headless Chromium
// from a file:// address and checks it as a reader would see it. A page fails
// on any console error or page error, on a request for anything outside the
// file, on a section that is missing or should not be there, on a table that
// lacks rows of the data, on text that shows "undefined" or "NaN", on an axis
// without its unit, and on a chart without drawn data (no data, or a plotting
// area with no coloured pixel). A screenshot of each page is kept. The page of
// a large run (100 load cases of 1000 nodes) is timed, not judged.
//
// Every page is also printed to PDF on Letter and on A4 paper, as a reader
// prints it, and the PDF's text (pdftotext, Debian's poppler-utils) is
// checked: the last column header of every table is there, every figure's
// caption and its printed legend (above and below its chart) are on one
// page, so no chart is split across pages, every page is headed with its
// number, and no widget of the screen is printed.
//
//   node run.mjs PAGE_TOOL OUT_DIR [RESULTS.json ...]
//
// PAGE_TOOL is the program that renders a results JSON file to a page
// (tarvex_html_page of the build); OUT_DIR receives the pages and screenshots.
// Further results files (runs of the examples) are checked like the fixtures,
// the sections they must show following from their data.
import { execFileSync } from 'node:child_process';
import { mkdirSync, mkdtempSync, readFileSync, readdirSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { basename, join, resolve } from 'node:path';
import { pathToFileURL } from 'node:url';
import { chromium } from 'playwright-core';

const here = new URL('.', import.meta.url).pathname;
const [pageTool, outArg, ...extraResults] = process.argv.slice(2);
if (!pageTool || !outArg) {
  console.error('usage: node run.mjs PAGE_TOOL OUT_DIR');
  process.exit(2);
}
const outDir = resolve(outArg);
mkdirSync(outDir, { recursive: true });

// The sections each fixture's page must show; every other known section
// must be absent.
const ALL_SECTIONS = [
  'run',
  'error',
  'warnings',
  'units',
  'cases',
  'profile',
  'response',
  'load-curves',
  'head-stiffness',
  'py-curves',
  'moment-curvature',
  'interaction',
  'lrfd-loading',
  'lrfd',
  'length-study',
  'stiffness',
];
const EXPECTED = {
  'interaction-diagrams': ['run', 'warnings', 'units', 'cases', 'profile', 'response', 'py-curves', 'moment-curvature', 'interaction', 'lrfd'],
  'pile-three-cases': ['run', 'warnings', 'units', 'cases', 'profile', 'response', 'load-curves', 'py-curves', 'moment-curvature', 'stiffness'],
  'lrfd-combinations': ['run', 'warnings', 'units', 'cases', 'profile', 'response', 'py-curves', 'moment-curvature', 'lrfd'],
  'stiffness-length-study': ['run', 'warnings', 'units', 'cases', 'profile', 'response', 'load-curves', 'py-curves', 'moment-curvature', 'length-study', 'stiffness'],
  'input-error': ['run', 'error', 'warnings', 'units'],
  'large-run': ['run', 'warnings', 'units', 'cases', 'profile', 'response', 'load-curves', 'py-curves', 'moment-curvature'],
};

// The sections a run's data call for, for results files other than the
// fixtures; the fixtures' own lists above must agree with it.
function sectionsOf(d) {
  const cases = d.cases || [];
  const sections = d.sections || [];
  const has = {
    run: true,
    error: !!d.error,
    warnings: true,
    units: true,
    cases: cases.length > 0,
    profile: sections.length + (d.layers || []).length > 0,
    response: cases.length > 0,
    'load-curves': loadCurveItems(d).section,
    'head-stiffness': cases.some((x) => x.head_stiffness),
    'py-curves': (d.py_curves || []).length > 0 || (d.run_kind === 3 && cases.length > 0),
    'moment-curvature': sections.some((x) => (x.thrusts || []).length),
    interaction: sections.some((x) => x.interaction),
    'lrfd-loading': !!d.lrfd_loading,
    lrfd: !!d.lrfd || (d.lrfd_check || []).length > 0,
    'length-study': cases.some((x) => x.length_study != null),
    stiffness: d.stiffness != null,
  };
  return ALL_SECTIONS.filter((id) => has[id]);
}

// The cases with load steps, and the series of the load-deflection charts:
// each of those cases and each load type of two or more pile-head load
// cases, whose points move.
function loadCurveItems(d) {
  const cases = d.cases || [];
  const stepped = cases.filter((x) => x.load_curve && (x.load_curve.points || []).length);
  const moves = (points) => points.some((p) => p.head_deflection !== points[0].head_deflection || p.head_shear !== points[0].head_shear);
  let series = stepped.filter((x) => moves(x.load_curve.points)).length;
  if (!d.lrfd) {
    for (let type = 1; type <= 5; type++) {
      const same = cases.filter((x) => x.load_type === type && x.nodes);
      if (same.length >= 2 && moves(same)) series++;
    }
  }
  return { section: stepped.length + series > 0, series: series };
}

const failures = [];
let passed = 0;
function check(name, ok, what) {
  if (!ok) failures.push(name + ': ' + what);
  return ok;
}

// Renders a fixture through the engine's page function.
function makePage(jsonPath, fixture = true) {
  const name = basename(jsonPath, '.json');
  const html = join(outDir, name + '.html');
  execFileSync(pageTool, [jsonPath, html], { stdio: 'inherit' });
  return { name, html, fixture, data: JSON.parse(readFileSync(jsonPath, 'utf8')) };
}

// What the page drew, read inside the page.
function inspect() {
  const rep = window.tarvexReport;
  const charts = rep.charts.map((u) => {
    let points = 0;
    if (u.mode === 2) {
      for (let i = 1; i < u.data.length; i++) if (u.series[i].show) points += u.data[i][0].length;
    } else {
      const shown = u.series.filter((s, i) => i > 0 && s.show).length;
      points = u.data[0].length * shown;
    }
    const b = u.bbox;
    const img = u.ctx.getImageData(b.left, b.top, b.width, b.height).data;
    let coloured = 0;
    for (let p = 0; p < img.length; p += 4) {
      const r = img[p];
      const g = img[p + 1];
      const bl = img[p + 2];
      if (img[p + 3] > 0 && Math.max(r, g, bl) - Math.min(r, g, bl) > 60) coloured++;
    }
    const caption = u.root.closest('figure').querySelector('figcaption');
    return {
      caption: caption ? caption.textContent : u.axes.map((a) => a.label).join(' / '),
      mode: u.mode,
      series: u.series.length - 1,
      xLength: u.mode === 2 ? null : u.data[0].length,
      points,
      coloured,
      axisLabels: u.axes.map((a) => a.label || ''),
    };
  });
  return {
    sections: rep.sections,
    domSections: [...document.querySelectorAll('main > section')].map((s) => s.id),
    charts,
    drawnAt: rep.drawnAt,
    // When the page's script started, had read the data, had built the
    // tables, had made the charts and had drawn them (ms from navigation).
    marks: Object.fromEntries(performance.getEntriesByType('mark').map((m) => [m.name.replace('tarvex-', ''), m.startTime])),
    text: document.body.innerText,
    caseRows: document.querySelectorAll('#cases > .table-wrap tbody tr').length,
    warningRows: document.querySelectorAll('#warnings tbody tr').length,
    lrfdRows: document.querySelectorAll('#lrfd tbody tr').length,
    lrfdFails: [...document.querySelectorAll('#lrfd .badge')].filter((b) => b.textContent === 'FAIL').length,
    lrfdLoadingText: (document.querySelector('#lrfd-loading') || { innerText: '' }).innerText,
    layerValueLines: [...document.querySelectorAll('#profile .layer-values div')].map((x) => x.textContent),
    stiffnessRows: document.querySelectorAll('#stiffness tbody tr:not(.near-limit tr)').length,
    profileRects: document.querySelectorAll('#profile svg rect').length,
    soilBands: [...document.querySelectorAll('#profile svg rect.soil')].map((r) => r.getAttribute('class')),
    demandRows: document.querySelectorAll('#interaction .table-wrap tbody tr').length,
    demandFails: [...document.querySelectorAll('#interaction .badge')].filter((b) => b.textContent === 'FAIL').length,
    headStiffnessRows: document.querySelectorAll('#head-stiffness tbody tr').length,
    loadCurveRows: document.querySelectorAll('#load-curves .table-wrap tbody tr').length,
    nearLimitRows: [...document.querySelectorAll('.near-limit tbody tr')].map((tr) => tr.cells[0].textContent),
    runFacts: (document.querySelector('#run dl') || { innerText: '' }).innerText,
    units: rep.units,
  };
}

// With `cpu`, the renderer's main thread counts its busy time in CPU time
// (Performance.getMetrics then gives the CPU seconds of the page's work,
// which other work on the machine does not inflate).
async function openPage(context, page, cpu) {
  const tab = await context.newPage();
  if (cpu) {
    tab.cdp = await context.newCDPSession(tab);
    await tab.cdp.send('Performance.enable', { timeDomain: 'threadTicks' });
  }
  const problems = [];
  tab.on('console', (msg) => {
    if (msg.type() === 'error') problems.push('console error: ' + msg.text());
  });
  tab.on('pageerror', (err) => problems.push('page error: ' + err.message));
  tab.on('request', (req) => {
    const url = req.url();
    if (!url.startsWith('file:') && !url.startsWith('data:') && !url.startsWith('blob:')) problems.push('request outside the file: ' + url);
  });
  await tab.goto(pathToFileURL(page.html).href);
  try {
    await tab.waitForFunction(() => window.tarvexReport && window.tarvexReport.ready, null, { timeout: 30000 });
  } catch (e) {
    return { tab, problems: problems.concat(['the page did not finish drawing: ' + e.message.split('\n')[0]]), stalled: true };
  }
  return { tab, problems };
}

// Records a page that never finished drawing, with what went wrong.
async function stalled(page, tab, problems) {
  for (const p of problems) check(page.name, false, p);
  await tab.screenshot({ path: join(outDir, page.name + '.png'), fullPage: true });
  await tab.close();
  console.log('FAILED ' + page.name + ': did not finish drawing');
}

function checkPage(page, seen, problems) {
  const n = page.name;
  const d = page.data;
  let ok = true;
  const c = (cond, what) => (ok = check(n, cond, what) && ok);
  for (const p of problems) c(false, p);
  const derived = sectionsOf(d);
  const expected = page.fixture ? EXPECTED[n] || [] : derived;
  if (page.fixture) {
    c(EXPECTED[n], 'no expectations for this fixture (add it to EXPECTED in run.mjs)');
    c(derived.join() === expected.join(), 'sections called for by the data (' + derived.join(', ') + ') differ from the expected ones');
  }
  for (const id of ALL_SECTIONS) {
    const want = expected.includes(id);
    c(seen.sections.includes(id) === want, (want ? 'missing section ' : 'unexpected section ') + id);
    c(seen.domSections.includes(id) === want, 'section element ' + id + (want ? ' missing' : ' present'));
  }
  c(!/\bundefined\b|\bNaN\b|\[object /.test(seen.text), 'page text shows undefined, NaN or an object');
  // Data of another format or version are flagged; a missing format name is not.
  const foreign = (d.format != null && d.format !== 'tarvex-results') || d.format_version !== 1;
  c(seen.text.includes('may show them incompletely') === foreign, foreign ? 'data of another format not flagged' : 'data of this format flagged as foreign');
  c(seen.caseRows === (d.cases || []).length, 'load-case table has ' + seen.caseRows + ' rows for ' + (d.cases || []).length + ' cases');
  c(seen.warningRows === (d.warnings || []).length, 'warnings table has ' + seen.warningRows + ' rows for ' + (d.warnings || []).length + ' warnings');
  for (const w of d.warnings || []) for (const t of w.text) c(seen.text.includes(t.trim()), 'warning text missing: ' + t);
  const checks = d.lrfd_check || [];
  c(seen.lrfdRows === checks.length, 'LRFD table has ' + seen.lrfdRows + ' rows for ' + checks.length);
  c(seen.lrfdFails === checks.filter((x) => x.verdict === 'fail').length, 'LRFD failures shown: ' + seen.lrfdFails);
  for (const x of checks) c(seen.text.includes(x.name), 'LRFD combination name missing: ' + x.name);
  // The LRFD forms: every combination by name, every load type of a group.
  const forms = d.lrfd_loading;
  for (const x of (forms && forms.combinations) || []) c(seen.lrfdLoadingText.includes(x.name.trim()), 'LRFD forms lack combination ' + x.name.trim());
  for (const g of (forms && forms.groups) || []) c(seen.lrfdLoadingText.includes(g.type_code + ' (' + g.type + ')'), 'LRFD forms lack load type ' + g.type_code);
  // A layer value of a kind of the display table is shown in its unit there
  // (pcf, psf, pci; kN/m^3, kPa), the others in the unit the results name.
  const displayTable = (d.display_units && d.display_units.quantities) || {};
  const wantUnits = (d.layers || []).flatMap((l) => (l.values || []).map((v) => (v.quantity && displayTable[v.quantity] && seen.units === 'engineering' ? displayTable[v.quantity].unit : v.unit)));
  c(seen.layerValueLines.length === wantUnits.length, 'layer values shown: ' + seen.layerValueLines.length + ' for ' + wantUnits.length);
  seen.layerValueLines.forEach((line, k) => c(!wantUnits[k] || line.endsWith(' ' + wantUnits[k]), 'layer value "' + line + '" not in ' + wantUnits[k]));
  const stiffnessRows = d.stiffness && d.stiffness.complete ? d.stiffness.rows.length : 0;
  c(seen.stiffnessRows === 2 * stiffnessRows, 'stiffness tables have ' + seen.stiffnessRows + ' rows for ' + stiffnessRows + ' levels');
  if (d.stiffness && !d.stiffness.complete) c(seen.text.includes('The study stopped at case ' + (d.stiffness.cases_converged + 1)), 'incomplete stiffness study not explained');
  // The files and time of the run, and every iteration near the limit of a
  // case or study, one row each in the order solved.
  const at = d.analysed_at;
  if (at) c(seen.runFacts.includes(at.year + '-' + String(at.month).padStart(2, '0') + '-' + String(at.day).padStart(2, '0')), 'date of the analysis missing');
  for (const file of Object.values(d.files || {})) if (file) c(seen.runFacts.includes(file), 'file of the run missing: ' + file);
  const near = (d.cases || [])
    .flatMap((x) => x.last_iterations || [])
    .concat((d.cases || []).flatMap((x) => (x.length_study && x.length_study.last_iterations) || []))
    .concat((d.stiffness && d.stiffness.last_iterations) || [])
    .map((x) => String(x.iteration));
  c(seen.nearLimitRows.join() === near.join(), 'iterations near the limit shown: ' + seen.nearLimitRows.join() + ' for ' + near.join());
  for (const x of d.cases || []) {
    if (x.length_study) c(seen.text.includes(x.length_study.lengths_analysed + (x.length_study.lengths_analysed === 1 ? ' length' : ' lengths') + ' analysed'), 'length study of case ' + x.number + ' without its count of lengths');
  }
  if (seen.sections.includes('profile')) {
    c(seen.profileRects === (d.layers || []).length + (d.sections || []).length, 'profile draws ' + seen.profileRects + ' rectangles');
    // Each soil band takes the colour of its layer's family, as the results give it.
    const families = seen.soilBands.map((k) => k.split(' ')[1]).join(',');
    const want = (d.layers || []).map((l) => l.family).join(',');
    c(families === want, 'soil bands coloured ' + families + ' for families ' + want);
  }
  if (d.error) {
    c(seen.text.includes(d.error.identity), 'error identity missing');
    for (const line of d.error.message) c(seen.text.includes(line.trim()), 'error line missing: ' + line);
    if (d.error.line_number) c(seen.text.includes(d.error.line_text.trim()), 'input line missing');
    for (const v of d.error.values || []) c(seen.text.includes(v.name), 'error value missing: ' + v.name);
  }
  // The interaction diagrams: a row per demand, the failures marked, and
  // the reason of every section without a diagram.
  const diagrams = (d.sections || []).filter((s) => s.interaction);
  const demands = diagrams.flatMap((s) => s.interaction.demands || []);
  c(seen.demandRows === demands.length, 'demand tables have ' + seen.demandRows + ' rows for ' + demands.length + ' demands');
  c(seen.demandFails === demands.filter((x) => !x.passed).length, 'demand failures shown: ' + seen.demandFails);
  for (const s of diagrams) if (!s.interaction.covered) c(seen.text.includes(s.interaction.note), 'reason without a diagram missing: ' + s.interaction.note);
  // Each printed p-y curve's title and values in words beside its chart.
  for (const pc of d.py_curves || []) {
    if (!pc.y || !pc.y.length) continue;
    if (pc.title && pc.title.length) c(seen.text.includes(pc.title[0]), 'p-y curve title missing: ' + pc.title[0]);
    for (const t of pc.texts || []) c(seen.text.includes(t.text), 'p-y curve value in words missing: ' + t.name);
  }
  // The charts: how many, their data, their pixels, their units.
  const drawnCases = (d.cases || []).filter((x) => x.nodes && x.nodes.depth.length > 1);
  const sectionCharts = (d.sections || []).filter((s) => s.thrusts.some((t) => t.points.length)).length * 2;
  const interactionCharts = diagrams.filter((s) => s.interaction.covered).length;
  const expectCharts =
    (drawnCases.length ? 6 : 0) +
    (loadCurveItems(d).series ? 2 : 0) +
    (d.py_curves || []).filter((x) => x.y && x.y.length).length +
    sectionCharts +
    interactionCharts +
    ((d.cases || []).some((x) => x.length_study && x.length_study.rows.length) ? 1 : 0);
  c(seen.charts.length === expectCharts, seen.charts.length + ' charts for ' + expectCharts + ' expected');
  // Engineering units when the data carry their table, else the computing ones.
  const table = (d.display_units && d.display_units.quantities) || {};
  const engineering = Object.keys(table).length > 0 && d.page_units !== 'computing';
  c(seen.units === (engineering ? 'engineering' : 'computing'), 'page shows ' + seen.units + ' units');
  const units = new Set(engineering ? Object.values(table).map((x) => x.unit) : Object.values(d.units || {}));
  units.add('rad');
  if (d.units && !engineering) units.add(d.units.force + '/' + d.units.length + '^2');
  const withStiffness = (d.cases || []).filter((x) => x.head_stiffness).length;
  c(seen.headStiffnessRows === (withStiffness ? (d.cases || []).length : 0), 'head stiffness table has ' + seen.headStiffnessRows + ' rows');
  const levels = (d.cases || []).reduce((n, x) => n + (x.load_curve ? (x.load_curve.points || []).length : 0), 0);
  c(seen.loadCurveRows === levels, 'load-curve tables have ' + seen.loadCurveRows + ' rows for ' + levels + ' levels');
  seen.charts.forEach((ch, i) => {
    const name = 'chart ' + (i + 1) + ' (' + ch.caption + ')';
    c(ch.points > 0, name + ' has no data');
    c(ch.coloured > 50, name + ' drew no data (' + ch.coloured + ' coloured pixels)');
    for (const label of ch.axisLabels) {
      const m = /\(([^()]+)\)$/.exec(label);
      c(m && units.has(m[1]), name + ' axis "' + label + '" lacks a unit of the run');
    }
  });
  seen.charts.slice(0, drawnCases.length ? 6 : 0).forEach((ch, i) => {
    c(ch.series === drawnCases.length, 'response chart ' + (i + 1) + ' has ' + ch.series + ' series for ' + drawnCases.length + ' cases');
    c(ch.xLength === drawnCases[0].nodes.depth.length, 'response chart ' + (i + 1) + ' has ' + ch.xLength + ' depths');
  });
  return ok;
}

// The cursor reads the values at a depth, and the legend hides a case in
// every response chart.
async function checkInteraction(page, tab) {
  const n = page.name + ' (cursor and legend)';
  const d = page.data;
  let ok = true;
  const c = (cond, what) => (ok = check(n, cond, what) && ok);
  const first = tab.locator('#response .plot .u-over').first();
  await first.scrollIntoViewIfNeeded();
  const box = await first.boundingBox();
  await tab.mouse.move(box.x + box.width / 2, box.y + box.height / 3);
  await tab.mouse.move(box.x + box.width / 2, box.y + box.height / 2, { steps: 4 });
  await tab.waitForFunction(() => window.tarvexReport.charts[0].cursor.idx != null, null, { timeout: 5000 }).catch(() => {});
  const read = await tab.evaluate(() => {
    const u = window.tarvexReport.charts[0];
    const idx = u.cursor.idx;
    const rows = [...document.querySelectorAll('#response .readout tbody tr')].map((tr) => [...tr.querySelectorAll('td.num')].map((td) => td.textContent));
    const synced = window.tarvexReport.charts.slice(0, 6).map((x) => x.cursor.idx);
    return { idx, head: document.querySelector('#response .readout-depth').textContent, rows, synced };
  });
  c(read.idx != null, 'no cursor index after moving over the chart');
  if (read.idx != null) {
    const depth = d.cases[0].nodes.depth[read.idx];
    c(read.head.includes(String(+depth.toPrecision(5)).slice(0, 4)), 'readout depth "' + read.head + '" for ' + depth);
    c(read.synced.every((i) => i === read.idx), 'cursor not shared by the response charts: ' + read.synced);
    // Case 2, moment column: the value at the cursor's node, as printed.
    const moment = d.cases[1].nodes.moment[read.idx];
    const shown = Number(read.rows[1][2]);
    c(Math.abs(shown - moment) <= Math.abs(moment) * 1e-4 + 1e-9, 'readout moment ' + read.rows[1][2] + ' for ' + moment);
  }
  await tab.locator('#response .readout tbody tr').first().locator('input').uncheck();
  const shown = await tab.evaluate(() => window.tarvexReport.charts.slice(0, 6).map((u) => u.series[1].show));
  c(shown.every((s) => s === false), 'unticking case 1 left it drawn: ' + shown);
  await tab.locator('#response button', { hasText: 'Show all' }).click();
  const back = await tab.evaluate(() => window.tarvexReport.charts.slice(0, 6).every((u) => u.series.every((s) => s.show)));
  c(back, '"Show all" did not show every case');
  return ok;
}

// The units switch and the Es scale of an example's page: the page opens in
// engineering units, the switch redraws it in the computing units and back,
// and Es on a log scale is a chart that still draws.
async function checkUnitsAndScale(page, tab) {
  const n = page.name + ' (units and Es scale)';
  const d = page.data;
  let ok = true;
  const c = (cond, what) => (ok = check(n, cond, what) && ok);
  const table = d.display_units.quantities;
  const maxMoment = () => tab.evaluate(() => document.querySelector('#cases tbody tr td:nth-child(8)').textContent);
  const head = () => tab.evaluate(() => document.querySelector('#cases thead th:nth-child(8) .unit').textContent);
  const moment = d.cases[0].max_moment;
  const shown = Number(await maxMoment());
  const converted = (moment * table.moment.factor) / table.moment.divisor;
  c(Math.abs(shown - converted) <= Math.abs(converted) * 1e-4, 'engineering max moment ' + shown + ' for ' + converted);
  c((await head()) === '(' + table.moment.unit + ')', 'engineering moment unit ' + (await head()));
  await tab.locator('.units-switch input[value=computing]').check();
  await tab.waitForFunction(() => window.tarvexReport.ready && window.tarvexReport.units === 'computing', null, { timeout: 10000 });
  const computing = Number(await maxMoment());
  c(Math.abs(computing - moment) <= Math.abs(moment) * 1e-4, 'computing max moment ' + computing + ' for ' + moment);
  c((await head()) === '(' + d.units.moment + ')', 'computing moment unit ' + (await head()));
  const charts = await tab.evaluate(() => window.tarvexReport.charts.length);
  await tab.locator('.units-switch input[value=engineering]').check();
  await tab.waitForFunction(() => window.tarvexReport.ready && window.tarvexReport.units === 'engineering', null, { timeout: 10000 });
  c((await tab.evaluate(() => window.tarvexReport.charts.length)) === charts, 'the charts were not all drawn again');
  await tab.locator('#response .chart-options input').check();
  const es = await tab.evaluate(() => {
    const u = window.tarvexReport.charts.find((x) => x.axes[1].label.startsWith('Soil modulus Es'));
    return { distr: u.scales.y.distr, count: window.tarvexReport.charts.length, drawn: u._tarvexDrawn === true };
  });
  c(es.distr === 3 && es.drawn, 'Es chart on a log scale: distr ' + es.distr + ', drawn ' + es.drawn);
  c(es.count === charts, 'the log scale changed the number of charts');
  return ok;
}

// The page printed to PDF on `format` paper, as the browser prints it, and
// the PDF's text: each table's last column header, each figure whole on a
// page (its caption and its printed legend, above and below its chart, on
// one page), a page header with the page number, and no widget.
async function checkPrinted(page, tab, format) {
  const n = page.name + ' (printed on ' + format + ')';
  let ok = true;
  const c = (cond, what) => (ok = check(n, cond, what) && ok);
  const seen = await tab.evaluate(() => ({
    lastHeaders: [...document.querySelectorAll('main table')]
      .filter((t) => !t.closest('.legend-panel'))
      .map((t) => {
        const ths = t.querySelectorAll('thead th');
        return ths.length ? ths[ths.length - 1].firstChild.textContent : null;
      })
      .filter(Boolean),
    figures: document.querySelectorAll('main figure.chart').length,
  }));
  const pdf = join(outDir, page.name + '.' + format + '.pdf');
  await tab.pdf({ path: pdf, format: format, printBackground: true });
  const text = execFileSync('pdftotext', ['-raw', '-enc', 'UTF-8', pdf, '-'], { encoding: 'utf8' });
  const pages = text.split('\f').filter((x, i, all) => i < all.length - 1 || x.trim());
  const flat = (x) => x.replace(/\s+/g, ' ');
  const all = flat(text);
  for (const header of seen.lastHeaders) c(all.includes(flat(header)), 'last column header "' + header + '" is not in the PDF');
  for (let f = 1; f <= seen.figures; f++) {
    const where = (pattern) => pages.map((x, i) => (pattern.test(flat(x)) ? i + 1 : 0)).filter(Boolean);
    const caption = where(new RegExp('Figure ' + f + ':'));
    const legend = where(new RegExp('Legend of figure ' + f + ':'));
    c(caption.length === 1 && legend.length === 1 && caption[0] === legend[0], 'figure ' + f + ': caption on page ' + caption + ', legend on page ' + legend);
  }
  pages.forEach((x, i) => c(flat(x).includes('Page ' + (i + 1) + ' of ' + pages.length), 'page ' + (i + 1) + ' has no page number'));
  for (const widget of ['Show all', 'Hide all', 'Units shown', 'point at a chart', 'logarithmic scale']) c(!all.includes(widget), 'a widget is printed: ' + widget);
  return { ok, pages: pages.length };
}

// A fresh Chromium with a fresh profile for `fn(context)`.
async function withBrowser(fn) {
  const userData = mkdtempSync(join(tmpdir(), 'tarvex-chromium-'));
  const context = await chromium.launchPersistentContext(userData, {
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking', '--disable-component-update', '--disable-sync'],
    viewport: { width: 1280, height: 900 },
  });
  try {
    return await fn(context);
  } finally {
    await context.close();
    rmSync(userData, { recursive: true, force: true });
  }
}

const fixtures = readdirSync(join(here, 'fixtures'))
  .filter((f) => f.endsWith('.json'))
  .sort()
  .map((f) => join(here, 'fixtures', f));
const pages = fixtures.map((f) => [f, true]).concat(extraResults.map((f) => [resolve(f), false]));
let printTime = 0;
await withBrowser(async (context) => {
  for (const [file, fixture] of pages) {
    const page = makePage(file, fixture);
    const { tab, problems, stalled: stuck } = await openPage(context, page);
    if (stuck) {
      await stalled(page, tab, problems);
      continue;
    }
    const seen = await tab.evaluate(inspect);
    let ok = checkPage(page, seen, problems);
    if (page.name === 'pile-three-cases') ok = (await checkInteraction(page, tab)) && ok;
    await tab.screenshot({ path: join(outDir, page.name + '.png'), fullPage: true });
    const printing = Date.now();
    const printed = [];
    for (const format of ['Letter', 'A4']) {
      const p = await checkPrinted(page, tab, format);
      ok = p.ok && ok;
      printed.push(p.pages + ' ' + format);
    }
    printTime += Date.now() - printing;
    if (page.name === 'quickstart') ok = (await checkUnitsAndScale(page, tab)) && ok;
    await tab.close();
    console.log(
      (ok ? 'ok     ' : 'FAILED ') + page.name + ': ' + seen.charts.length + ' charts, drawn at ' + seen.drawnAt.toFixed(0) + ' ms; printed on ' + printed.join(' and ') + ' pages'
    );
    if (ok) passed++;
  }
});

// The large run: checked like the others, and timed from navigation start to
// the last chart drawn, three times, each in a browser of its own so that no
// earlier page's memory is reclaimed during the timing.
const large = join(outDir, 'large-run.json');
execFileSync(process.execPath, [join(here, 'make-perf-fixture.mjs'), large, '100', '1000']);
const page = makePage(large);
const times = [];
let largeOk = true;
for (let i = 0; i < 3; i++) {
  await withBrowser(async (context) => {
    const { tab, problems, stalled: stuck } = await openPage(context, page, true);
    if (stuck) {
      largeOk = false;
      await stalled(page, tab, problems);
      return;
    }
    const seen = await tab.evaluate(inspect);
    times.push(seen.drawnAt);
    const m = seen.marks;
    console.log(
      '       large-run, browser ' + (i + 1) + ': script starts ' + m.script.toFixed(0) + ' ms, data read ' + m.parsed.toFixed(0) + ' ms, tables ' + m.tables.toFixed(0) +
        ' ms, charts made ' + m.charts.toFixed(0) + ' ms, drawn ' + m.drawn.toFixed(0) + ' ms'
    );
    const metrics = Object.fromEntries((await tab.cdp.send('Performance.getMetrics')).metrics.map((x) => [x.name, x.value]));
    const ms = (v) => (v * 1000).toFixed(0) + ' ms';
    console.log(
      '       large-run, browser ' + (i + 1) + ': main-thread CPU ' + ms(metrics.TaskDuration) + ' (script ' + ms(metrics.ScriptDuration) + ', layout ' + ms(metrics.LayoutDuration) +
        ', style ' + ms(metrics.RecalcStyleDuration) + '), renderer process CPU ' + ms(metrics.ProcessTime)
    );
    if (i === 0) {
      largeOk = checkPage(page, seen, problems);
      await tab.screenshot({ path: join(outDir, page.name + '.png'), fullPage: false });
    }
  });
}
times.sort((a, b) => a - b);
if (times.length) {
  const median = times[Math.floor(times.length / 2)];
  console.log((largeOk ? 'ok     ' : 'FAILED ') + 'large-run (100 load cases x 1000 nodes): open and draw ' + times.map((t) => t.toFixed(0) + ' ms').join(', ') + ' (median ' + median.toFixed(0) + ' ms)');
}
if (largeOk) passed++;

console.log('       printing to PDF and reading it back: ' + (printTime / 1000).toFixed(1) + ' s for ' + pages.length + ' pages on two papers');
for (const f of failures) console.log('  ' + f);
console.log('Screenshots and pages: ' + outDir);
console.log(passed + ' passed, ' + (failures.length ? new Set(failures.map((f) => f.split(':')[0].split(' (')[0])).size : 0) + ' failed');
process.exit(failures.length ? 1 : 0);
