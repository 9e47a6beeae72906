// Opens the HTML report page of every results fixture in headless Chromium
// from a file:// address and checks it as a reader would see it. A page fails
// on any console error or page error, on a request for anything outside the
// file, on a section that is missing or should not be there, on a table that
// lacks rows of the data, on text that shows "undefined" or "NaN", on an axis
// without its unit, and on a chart without drawn data (no data, or a plotting
// area with no coloured pixel). A screenshot of each page is kept. The page of
// a large run (100 load cases of 1000 nodes) is timed, not judged.
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
const ALL_SECTIONS = ['run', 'error', 'warnings', 'units', 'cases', 'profile', 'response', 'py-curves', 'moment-curvature', 'interaction', 'lrfd', 'length-study', 'stiffness'];
const EXPECTED = {
  'interaction-diagrams': ['run', 'warnings', 'units', 'cases', 'profile', 'response', 'py-curves', 'moment-curvature', 'interaction', 'lrfd'],
  'pile-three-cases': ['run', 'warnings', 'units', 'cases', 'profile', 'response', 'py-curves', 'moment-curvature', 'stiffness'],
  'lrfd-combinations': ['run', 'warnings', 'units', 'cases', 'profile', 'response', 'py-curves', 'moment-curvature', 'lrfd'],
  'stiffness-length-study': ['run', 'warnings', 'units', 'cases', 'profile', 'response', 'py-curves', 'moment-curvature', 'length-study', 'stiffness'],
  'input-error': ['run', 'error', 'warnings', 'units'],
  'large-run': ['run', 'warnings', 'units', 'cases', 'profile', 'response', 'py-curves', 'moment-curvature'],
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
    'py-curves': (d.py_curves || []).length > 0 || (d.run_kind === 3 && cases.length > 0),
    'moment-curvature': sections.some((x) => (x.thrusts || []).length),
    interaction: sections.some((x) => x.interaction),
    lrfd: !!d.lrfd || (d.lrfd_check || []).length > 0,
    'length-study': cases.some((x) => x.length_study != null),
    stiffness: d.stiffness != null,
  };
  return ALL_SECTIONS.filter((id) => has[id]);
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
    caseRows: document.querySelectorAll('#cases tbody tr').length,
    warningRows: document.querySelectorAll('#warnings tbody tr').length,
    lrfdRows: document.querySelectorAll('#lrfd tbody tr').length,
    lrfdFails: [...document.querySelectorAll('#lrfd .badge')].filter((b) => b.textContent === 'FAIL').length,
    stiffnessRows: document.querySelectorAll('#stiffness tbody tr').length,
    profileRects: document.querySelectorAll('#profile svg rect').length,
    demandRows: document.querySelectorAll('#interaction .table-wrap tbody tr').length,
    demandFails: [...document.querySelectorAll('#interaction .badge')].filter((b) => b.textContent === 'FAIL').length,
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
  const stiffnessRows = d.stiffness && d.stiffness.complete ? d.stiffness.rows.length : 0;
  c(seen.stiffnessRows === 2 * stiffnessRows, 'stiffness tables have ' + seen.stiffnessRows + ' rows for ' + stiffnessRows + ' levels');
  if (d.stiffness && !d.stiffness.complete) c(seen.text.includes('The study stopped at case ' + (d.stiffness.cases_converged + 1)), 'incomplete stiffness study not explained');
  for (const x of d.cases || []) {
    if (x.length_study) c(seen.text.includes(x.length_study.lengths_analysed + (x.length_study.lengths_analysed === 1 ? ' length' : ' lengths') + ' analysed'), 'length study of case ' + x.number + ' without its count of lengths');
  }
  if (seen.sections.includes('profile')) {
    c(seen.profileRects === (d.layers || []).length + (d.sections || []).length, 'profile draws ' + seen.profileRects + ' rectangles');
  }
  if (d.error) {
    c(seen.text.includes(d.error.identity), 'error identity missing');
    for (const line of d.error.message) c(seen.text.includes(line.trim()), 'error line missing: ' + line);
    if (d.error.line_number) c(seen.text.includes(d.error.line_text.trim()), 'input line missing');
  }
  // The interaction diagrams: a row per demand, the failures marked, and
  // the reason of every section without a diagram.
  const diagrams = (d.sections || []).filter((s) => s.interaction);
  const demands = diagrams.flatMap((s) => s.interaction.demands || []);
  c(seen.demandRows === demands.length, 'demand tables have ' + seen.demandRows + ' rows for ' + demands.length + ' demands');
  c(seen.demandFails === demands.filter((x) => !x.passed).length, 'demand failures shown: ' + seen.demandFails);
  for (const s of diagrams) if (!s.interaction.covered) c(seen.text.includes(s.interaction.note), 'reason without a diagram missing: ' + s.interaction.note);
  // The charts: how many, their data, their pixels, their units.
  const drawnCases = (d.cases || []).filter((x) => x.nodes && x.nodes.depth.length > 1);
  const sectionCharts = (d.sections || []).filter((s) => s.thrusts.some((t) => t.points.length)).length * 2;
  const interactionCharts = diagrams.filter((s) => s.interaction.covered).length;
  const expectCharts =
    (drawnCases.length ? 6 : 0) +
    ((d.py_curves || []).length ? 1 : 0) +
    sectionCharts +
    interactionCharts +
    ((d.cases || []).some((x) => x.length_study && x.length_study.rows.length) ? 1 : 0);
  c(seen.charts.length === expectCharts, seen.charts.length + ' charts for ' + expectCharts + ' expected');
  const units = new Set(Object.values(d.units || {}).concat(['rad']));
  if (d.units) units.add(d.units.force + '/' + d.units.length + '^2');
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
    await tab.close();
    console.log((ok ? 'ok     ' : 'FAILED ') + page.name + ': ' + seen.charts.length + ' charts, drawn at ' + seen.drawnAt.toFixed(0) + ' ms');
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

for (const f of failures) console.log('  ' + f);
console.log('Screenshots and pages: ' + outDir);
console.log(passed + ' passed, ' + (failures.length ? new Set(failures.map((f) => f.split(':')[0].split(' (')[0])).size : 0) + ' failed');
process.exit(failures.length ? 1 : 0);
