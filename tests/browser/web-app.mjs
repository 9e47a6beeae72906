// The web page (build-web/index.html) in headless Chromium, opened from a
// file:// address with the network switched off, as an engineer would use it:
//
// - every example run through the address form (#example=NAME&run), its
//   results JSON compared with the native `tarvex --json` to 1e-12 relative
//   and its report text with the native report, line by line apart from the
//   date and the folder; the report page drawn without error;
// - a mistake typed into the editor, marked at its line with the engine's own
//   message, and taken back;
// - a run that ends with a runtime error, its message and the results of the
//   load cases before it shown;
// - the same page printed by `chromium --dump-dom` with the results in it;
// - no request for anything outside the file; the timings of the page.
//
//   node web-app.mjs PAGE.html NATIVE_TARVEX OUT_DIR
import { execFileSync, spawnSync } from 'node:child_process';
import { mkdirSync, mkdtempSync, readFileSync, readdirSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { basename, join, resolve } from 'node:path';
import { pathToFileURL } from 'node:url';
import { chromium } from 'playwright-core';

const here = new URL('.', import.meta.url).pathname;
const [pageArg, nativeArg, outArg] = process.argv.slice(2);
if (!pageArg || !nativeArg || !outArg) {
  console.error('usage: node web-app.mjs PAGE.html NATIVE_TARVEX OUT_DIR');
  process.exit(2);
}
const page = resolve(pageArg);
const native = resolve(nativeArg);
const outDir = resolve(outArg);
const examplesDir = resolve(here, '../../examples');
const pageUrl = pathToFileURL(page).href;
const CHROMIUM = process.env.CHROMIUM || '/usr/bin/chromium';
const FLAGS = ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking', '--disable-component-update', '--disable-sync'];
rmSync(outDir, { recursive: true, force: true });
mkdirSync(join(outDir, 'native'), { recursive: true });

const failures = [];
function check(name, ok, what) {
  if (!ok) failures.push(name + ': ' + what);
  return ok;
}

// ------------------------------------------------------------ native runs

const examples = readdirSync(examplesDir)
  .filter((f) => f.endsWith('.tv6'))
  .map((f) => basename(f, '.tv6'))
  .sort();
for (const name of examples) {
  execFileSync(native, [join(examplesDir, name + '.tv6'), '-o', join(outDir, 'native'), '--json'], { stdio: 'ignore' });
}

// The native whole run of the quick start, with every file the page makes
// (JSON, CSV and HTML besides the three files): twenty runs in a row from one
// shell, so that starting this script's child process is not counted; the
// mean of the best of three such batches.
function nativeQuickstartMs() {
  const dir = join(outDir, 'native-timing');
  const batch = 'for i in $(seq 20); do "$0" "$1" -o "$2" --json --csv --html >/dev/null || exit 1; done';
  let best = Infinity;
  for (let i = 0; i < 3; i++) {
    const t0 = process.hrtime.bigint();
    execFileSync('bash', ['-c', batch, native, join(examplesDir, 'quickstart.tv6'), dir], { stdio: 'ignore' });
    best = Math.min(best, Number(process.hrtime.bigint() - t0) / 1e6 / 20);
  }
  return best;
}

// ------------------------------------------------------------ comparisons

// Every number equal to 1e-12 relative, every other value equal. Returns the
// count of numbers, how many differ at all, and the largest difference.
function compareJson(a, b, differences) {
  const stats = { numbers: 0, differ: 0, max: 0, where: '' };
  (function walk(path, x, y) {
    if (typeof x === 'number' && typeof y === 'number') {
      stats.numbers++;
      if (x === y) return;
      stats.differ++;
      const rel = Math.abs(x - y) / Math.max(Math.abs(x), Math.abs(y));
      if (rel > stats.max) {
        stats.max = rel;
        stats.where = path + ': ' + x + ' native, ' + y + ' page';
      }
      return;
    }
    if (x === null || y === null || typeof x !== 'object' || typeof y !== 'object') {
      if (x !== y) differences.push(path + ': ' + JSON.stringify(x) + ' native, ' + JSON.stringify(y) + ' page');
      return;
    }
    if (Array.isArray(x) !== Array.isArray(y) || (Array.isArray(x) && x.length !== y.length)) {
      differences.push(path + ': arrays of ' + (x.length ?? 'object') + ' and ' + (y.length ?? 'object'));
      return;
    }
    for (const k of new Set([...Object.keys(x), ...Object.keys(y)])) walk(path + '.' + k, x[k], y[k]);
  })('', a, b);
  return stats;
}

// The results apart from the time of the analysis and the folders of the
// files, which a page has not: the files by their names alone.
function withoutRunPlace(results) {
  const r = { ...results };
  delete r.analysed_at;
  if (r.files) {
    r.files = Object.fromEntries(Object.entries(r.files).map(([k, v]) => [k, v.split(/[\\/]/).pop()]));
  }
  return r;
}

// The report's lines apart from the date and the folder of the files, which
// a page has not.
function reportLines(text) {
  return text
    .replace(/\r\n/g, '\n')
    .split('\n')
    .filter((l) => !/^\s+Date:\s/.test(l) && !/^Path to file locations:/.test(l));
}

// ------------------------------------------------------------ the browser

async function withBrowser(fn) {
  const userData = mkdtempSync(join(tmpdir(), 'tarvex-web-'));
  const context = await chromium.launchPersistentContext(userData, {
    executablePath: CHROMIUM,
    headless: true,
    args: FLAGS,
    viewport: { width: 1400, height: 900 },
  });
  // No network: anything the page asks for beyond its own file fails.
  await context.setOffline(true);
  try {
    return await fn(context);
  } finally {
    await context.close();
    rmSync(userData, { recursive: true, force: true });
  }
}

// A tab of the page with its problems recorded: console errors, page errors
// and requests outside the file.
async function open(context, hash) {
  const tab = await context.newPage();
  const problems = [];
  tab.on('console', (m) => {
    if (m.type() === 'error') problems.push('console error: ' + m.text());
  });
  tab.on('pageerror', (e) => problems.push('page error: ' + e.message));
  const watch = (req) => {
    const url = req.url();
    if (!/^(file|blob|data|about):/.test(url)) problems.push('request outside the file: ' + url);
  };
  tab.on('request', watch);
  tab.on('worker', (w) => {
    if (!/^(blob|file):/.test(w.url())) problems.push('worker from ' + w.url());
  });
  await tab.goto(pageUrl + (hash || ''));
  return { tab, problems };
}

async function settled(tab, states, timeout) {
  await tab.waitForFunction((s) => s.includes(document.body.dataset.state), states, { timeout: timeout || 60000 });
  return tab.evaluate(() => document.body.dataset.state);
}

// What the page shows after a run.
function shown() {
  const holder = document.getElementById('tarvex-results');
  const frame = document.getElementById('report-frame');
  const w = frame && frame.contentWindow;
  const rep = w && w.tarvexReport;
  return {
    state: document.body.dataset.state,
    outcome: document.body.dataset.outcome,
    json: holder ? holder.textContent : null,
    report: (document.querySelector('#out-pane pre') || {}).textContent || '',
    outcomeText: document.getElementById('outcome').innerText,
    frameReady: !!(rep && rep.ready),
    frameSections: rep ? rep.sections : [],
    frameText: w ? w.document.body.innerText : '',
    engineMs: window.tarvexApp.run && window.tarvexApp.run.engineMs,
    timings: window.tarvexApp.timings,
  };
}

const summary = [];
await withBrowser(async (context) => {
  // ---- every example through the address form
  for (const name of examples) {
    const { tab, problems } = await open(context, '#example=' + name + '&run');
    let state;
    try {
      state = await settled(tab, ['done', 'error']);
    } catch (e) {
      check(name, false, 'the run did not end: ' + e.message.split('\n')[0]);
      await tab.close();
      continue;
    }
    await tab.waitForFunction(() => {
      const f = document.getElementById('report-frame');
      return f && f.contentWindow && f.contentWindow.tarvexReport && f.contentWindow.tarvexReport.ready;
    }, null, { timeout: 30000 }).catch(() => {});
    const s = await tab.evaluate(shown);
    for (const p of problems) check(name, false, p);
    const nativeJson = JSON.parse(readFileSync(join(outDir, 'native', name + '.json'), 'utf8'));
    check(name, state === (['normal', 'warnings'].includes(nativeJson.outcome) ? 'done' : 'error'), 'page state ' + state + ' for outcome ' + nativeJson.outcome);
    check(name, s.json != null, 'no <script id="tarvex-results"> after the run');
    if (s.json == null) {
      await tab.close();
      continue;
    }
    const pageJson = JSON.parse(s.json);
    writeFileSync(join(outDir, name + '.page.json'), s.json);
    const differences = [];
    const stats = compareJson(withoutRunPlace(nativeJson), withoutRunPlace(pageJson), differences);
    for (const d of differences.slice(0, 5)) check(name, false, 'JSON differs: ' + d);
    check(name, stats.max <= 1e-12, 'JSON numbers differ by ' + stats.max.toExponential(2) + ' relative (' + stats.where + ')');
    const nativeLines = reportLines(readFileSync(join(outDir, 'native', name + '.out'), 'latin1'));
    const pageLines = reportLines(s.report);
    let firstDiff = -1;
    for (let i = 0; i < Math.max(nativeLines.length, pageLines.length); i++) {
      if (nativeLines[i] !== pageLines[i]) {
        firstDiff = i;
        break;
      }
    }
    check(name, firstDiff < 0, 'report text differs at line ' + (firstDiff + 1) + ':\n      native: ' + nativeLines[firstDiff] + '\n      page:   ' + pageLines[firstDiff]);
    check(name, s.frameReady, 'the report page in the frame did not finish drawing');
    check(name, !/\bundefined\b|\bNaN\b/.test(s.frameText), 'the report page shows undefined or NaN');
    check(name, s.frameSections.includes('run') && (!(nativeJson.cases || []).length || s.frameSections.includes('cases')), 'report sections: ' + s.frameSections.join(', '));
    summary.push({ name, stats, engineMs: s.engineMs });
    console.log(
      (failures.some((f) => f.startsWith(name + ':')) ? 'FAILED ' : 'ok     ') +
        name.padEnd(44) +
        (stats.differ === 0 ? 'JSON identical' : stats.differ + ' of ' + stats.numbers + ' numbers differ, at most ' + stats.max.toExponential(2) + ' relative') +
        (firstDiff < 0 ? ', report identical' : '')
    );
    if (name === 'quickstart') await tab.screenshot({ path: join(outDir, 'quickstart.png') });
    await tab.close();
  }

  // ---- a mistake typed into the editor
  {
    const name = 'editor';
    const { tab, problems } = await open(context, '#example=quickstart');
    await settled(tab, ['ready']);
    const lineOf = (text, start) => text.split('\n').findIndex((l) => l.startsWith(start)) + 1;
    const text = await tab.evaluate(() => window.tarvexApp.editor.getText());
    const line = lineOf(text, 'MaxIterations');
    // Select the value 100 on its line and type a word in its place.
    await tab.evaluate((n) => {
      const input = window.tarvexApp.editor.input;
      const lines = input.value.split('\n');
      let pos = 0;
      for (let i = 0; i < n - 1; i++) pos += lines[i].length + 1;
      const at = pos + lines[n - 1].indexOf('100');
      input.focus();
      input.setSelectionRange(at, at + 3);
    }, line);
    await tab.keyboard.type('abc');
    await tab.waitForSelector('.tv-num.tv-error', { timeout: 15000 }).catch(() => {});
    const seen = await tab.evaluate(() => {
      const marker = document.querySelector('.tv-num.tv-error');
      return {
        markerLine: marker ? Number(marker.textContent) : 0,
        title: marker ? marker.getAttribute('title') : '',
        problems: document.getElementById('problems').innerText,
        lineClass: (document.querySelectorAll('.tv-layer .tv-line')[Number(marker && marker.textContent) - 1] || {}).className,
      };
    });
    const message = 'Problem:  Line ' + line + ' of quickstart.tv6 holds "abc" where an integer is expected';
    check(name, seen.markerLine === line, 'marker at line ' + seen.markerLine + ', not at line ' + line);
    check(name, (seen.title || '').includes(message), 'marker without the engine\'s message: ' + seen.title);
    check(name, seen.problems.includes('INP00095') && seen.problems.includes(message), 'problem list without the message: ' + seen.problems.slice(0, 200));
    check(name, /tv-error/.test(seen.lineClass || ''), 'the line itself is not marked');
    // Taken back (the browser may undo the typing a key at a time), the
    // marker goes.
    for (let i = 0; i < 5 && (await tab.evaluate(() => window.tarvexApp.editor.getText())) !== text; i++) {
      await tab.keyboard.press('Control+Z');
    }
    check(name, (await tab.evaluate(() => window.tarvexApp.editor.getText())) === text, 'undo did not restore the text');
    await tab.waitForFunction(() => !document.querySelector('.tv-num.tv-error') && document.getElementById('problems').dataset.count === '0', null, { timeout: 15000 }).catch(() => {});
    const after = await tab.evaluate(() => ({ markers: document.querySelectorAll('.tv-num.tv-error').length, count: document.getElementById('problems').dataset.count }));
    check(name, after.markers === 0 && after.count === '0', 'the marker stays after the mistake is undone (' + JSON.stringify(after) + ')');
    // A cross-check about no one line: the soil profile ends above the pile tip.
    await tab.evaluate(() => {
      const ed = window.tarvexApp.editor;
      ed.input.value = ed.input.value.replace('2  10.0  60.0', '2  10.0  30.0');
      ed.input.dispatchEvent(new Event('input'));
    });
    await tab.waitForFunction(() => document.getElementById('problems').innerText.includes('INP00018'), null, { timeout: 15000 }).catch(() => {});
    const cross = await tab.evaluate(() => document.getElementById('problems').innerText);
    check(name, cross.includes('INP00018') && cross.includes('about no one line'), 'the echo\'s cross-check is not listed: ' + cross.slice(0, 200));
    for (const p of problems) check(name, false, p);
    console.log((failures.some((f) => f.startsWith(name + ':')) ? 'FAILED ' : 'ok     ') + 'a mistake typed at line ' + line + ' is marked there with the engine\'s message');
    await tab.screenshot({ path: join(outDir, 'editor.png') });
    await tab.close();
  }

  // ---- a run that ends with a runtime error
  {
    const name = 'runtime error';
    const { tab, problems } = await open(context, '#example=quickstart');
    await settled(tab, ['ready']);
    await tab.evaluate(() => {
      const ed = window.tarvexApp.editor;
      ed.setText(ed.getText().replace(/^3  4      0\.25 .*$/m, '3  1  1.0E7  0.0  100000.0  1   a shear the shaft cannot carry'));
    });
    await tab.click('#run');
    await settled(tab, ['done', 'error']);
    await tab.waitForFunction(() => {
      const f = document.getElementById('report-frame');
      return f && f.contentWindow && f.contentWindow.tarvexReport && f.contentWindow.tarvexReport.ready;
    }, null, { timeout: 30000 }).catch(() => {});
    const s = await tab.evaluate(shown);
    const r = JSON.parse(s.json);
    check(name, s.state === 'error' && s.outcome === 'runtime_error', 'state ' + s.state + ', outcome ' + s.outcome);
    check(name, r.error && r.error.identity === 'RUN00009', 'error ' + (r.error && r.error.identity));
    check(name, (r.cases || []).length === 2, (r.cases || []).length + ' load cases kept, not the 2 before the error');
    check(name, s.outcomeText.includes('Runtime error RUN00009') && s.outcomeText.includes('The computed deflection is larger than the specified excess deflection limit'), 'outcome box: ' + s.outcomeText.slice(0, 200));
    check(name, s.frameSections.includes('error') && s.frameSections.includes('cases'), 'report sections ' + s.frameSections.join(', '));
    check(name, s.report.includes('**** Runtime Error No. 9 ****'), 'the report file lacks the error');
    for (const p of problems) check(name, false, p);
    console.log((failures.some((f) => f.startsWith(name + ':')) ? 'FAILED ' : 'ok     ') + 'a run ending in runtime error 9 shows the message and the 2 load cases before it');
    await tab.screenshot({ path: join(outDir, 'runtime-error.png') });
    await tab.close();
  }

  // ---- the form view: tables read from the text and written back into it
  {
    const name = 'form view';
    const { tab, problems } = await open(context, '#example=quickstart');
    await settled(tab, ['ready']);
    await tab.click('#tab-form');
    await tab.waitForSelector('#form-loads tbody tr', { timeout: 15000 }).catch(() => {});
    const seen = await tab.evaluate(() => ({
      sections: [...document.querySelectorAll('#form-sections tbody tr')].map((tr) => tr.innerText),
      layers: document.querySelectorAll('#form-layers .form-layer').length,
      loads: document.querySelectorAll('#form-loads tbody tr').length,
      warnings: [...document.querySelectorAll('#form-view .note.warn')].map((p) => p.textContent),
    }));
    check(name, seen.sections.length === 1 && seen.sections[0].includes('Drilled Shaft (Bored Pile)'), 'sections: ' + JSON.stringify(seen.sections));
    check(name, seen.layers === 2 && seen.loads === 3, seen.layers + ' layers and ' + seen.loads + ' load cases shown');
    check(name, seen.warnings.length === 0, 'tables left to the text: ' + seen.warnings.join('; '));
    const lineWith = async (start) => (await tab.evaluate(() => window.tarvexApp.editor.getText())).split('\n').find((l) => l.startsWith(start));
    // The shear of load case 1: written into its row, the remark kept.
    await tab.fill('input[aria-label="Shear of load case 1"]', '20000');
    await tab.press('input[aria-label="Shear of load case 1"]', 'Enter');
    await tab.waitForFunction(() => window.tarvexApp.editor.getText().includes('1  1  20000  240000  100000  1'), null, { timeout: 15000 }).catch(() => {});
    const row = await lineWith('1  1  20000');
    check(name, /^1  1  20000  240000  100000  1 {3,}shear lb, moment in-lb, axial lb, no length study$/.test(row || ''), 'load case 1 written as: ' + row);
    // Layer 2 changed to soft clay: its rows rewritten with soft clay's three values.
    await tab.selectOption('select[aria-label="p-y criterion of layer 2"]', '1');
    await tab.waitForFunction(() => /^1  10  60 /m.test(window.tarvexApp.editor.getText()), null, { timeout: 15000 }).catch(() => {});
    const text = await tab.evaluate(() => window.tarvexApp.editor.getText());
    const at = text.split('\n').findIndex((l) => l.startsWith('1  10  60'));
    const rows = text.split('\n').slice(at, at + 3);
    check(name, at > 0 && /^62  2000  0\.005\b/.test(rows[1]) && /^62  3500  0\.005\b/.test(rows[2]), 'layer 2 rewritten as: ' + rows.join(' | '));
    // A load case added; the count follows; the engine reads it all.
    await tab.click('#form-loads button:has-text("Add a load case")');
    await tab.waitForFunction(() => document.querySelectorAll('#form-loads tbody tr').length === 4, null, { timeout: 15000 }).catch(() => {});
    await tab.waitForFunction(() => window.tarvexApp.check && document.getElementById('problems').dataset.count === '0', null, { timeout: 15000 }).catch(() => {});
    const after = await tab.evaluate(() => ({ loads: document.querySelectorAll('#form-loads tbody tr').length, count: document.getElementById('problems').dataset.count }));
    check(name, after.loads === 4 && after.count === '0', 'after adding a load case: ' + JSON.stringify(after));
    await tab.click('#run');
    await settled(tab, ['done', 'error']);
    const r = JSON.parse(await tab.evaluate(() => document.getElementById('tarvex-results').textContent));
    check(name, r.cases.length === 4 && r.cases[0].condition1 === 20000 && r.layers[1].criterion === 1, 'the run of the edited input: ' + r.cases.length + ' cases, shear ' + r.cases[0].condition1 + ', layer 2 criterion ' + r.layers[1].criterion);
    for (const p of problems) check(name, false, p);
    console.log((failures.some((f) => f.startsWith(name + ':')) ? 'FAILED ' : 'ok     ') + 'the form view reads the tables from the text and writes a shear, a criterion and a load case back');
    await tab.screenshot({ path: join(outDir, 'form.png') });
    await tab.close();
  }

  // ---- timings: the page interactive, the engine ready, the quick start run
  {
    const { tab } = await open(context, '');
    await settled(tab, ['ready']);
    const t = await tab.evaluate(() => ({
      interactive: window.tarvexApp.timings.interactive,
      engine: window.tarvexApp.timings['engine-ready'],
      loaded: performance.getEntriesByType('navigation')[0].domContentLoadedEventEnd,
    }));
    const runs = [];
    for (let i = 0; i < 5; i++) {
      await tab.evaluate(() => document.getElementById('run').click());
      await tab.waitForFunction((n) => window.tarvexApp.run && window.tarvexApp.timings['run-shown'] > n && document.body.dataset.state === 'done', t.engine, { timeout: 60000 });
      const r = await tab.evaluate(() => ({ engine: window.tarvexApp.run.engineMs, shown: window.tarvexApp.timings['run-shown'] - window.tarvexApp.timings['run-start'] }));
      runs.push(r);
      await tab.evaluate(() => (window.tarvexApp.timings['run-shown'] = 0));
    }
    const nativeMs = nativeQuickstartMs();
    const engine = runs.map((r) => r.engine).sort((a, b) => a - b);
    const shownMs = runs.map((r) => r.shown).sort((a, b) => a - b);
    console.log(
      '       page interactive at ' + t.interactive.toFixed(0) + ' ms (DOM loaded ' + t.loaded.toFixed(0) + ' ms), engine ready at ' + t.engine.toFixed(0) + ' ms from navigation start'
    );
    console.log(
      '       quickstart: engine in the page ' + runs.map((r) => r.engine.toFixed(0)).join(', ') + ' ms (median ' + engine[2].toFixed(0) + '); Run to report drawn ' +
        runs.map((r) => r.shown.toFixed(0)).join(', ') + ' ms (median ' + shownMs[2].toFixed(0) + '); native whole run ' + nativeMs.toFixed(1) + ' ms; page engine / native ' +
        (engine[2] / nativeMs).toFixed(2)
    );
    await tab.close();
  }
});

// ---- the page printed by the browser itself, without a driver
{
  const userData = mkdtempSync(join(tmpdir(), 'tarvex-dump-'));
  const r = spawnSync(CHROMIUM, [...FLAGS, '--user-data-dir=' + userData, '--allow-file-access-from-files', '--virtual-time-budget=60000', '--dump-dom', pageUrl + '#example=quickstart&run'], {
    encoding: 'utf8',
    maxBuffer: 64 << 20,
    timeout: 120000,
  });
  rmSync(userData, { recursive: true, force: true });
  const dom = r.stdout || '';
  const m = /<script type="application\/json" id="tarvex-results">([^<]*)<\/script>/.exec(dom);
  const name = 'dump-dom';
  check(name, /<body[^>]* data-state="done"/.test(dom), 'the printed page is not in state done');
  check(name, m != null, 'the printed page holds no results');
  if (m) {
    const printed = JSON.parse(m[1]);
    const nativeJson = JSON.parse(readFileSync(join(outDir, 'native', 'quickstart.json'), 'utf8'));
    const differences = [];
    const stats = compareJson(withoutRunPlace(nativeJson), withoutRunPlace(printed), differences);
    check(name, differences.length === 0 && stats.max <= 1e-12, 'the printed results differ from the native run');
  }
  console.log((failures.some((f) => f.startsWith(name + ':')) ? 'FAILED ' : 'ok     ') + 'chromium --dump-dom prints the quick start\'s results');
}

const identical = summary.filter((s) => s.stats.differ === 0).length;
console.log('       ' + identical + ' of ' + summary.length + ' examples give JSON identical to the native run; the largest difference is ' + Math.max(...summary.map((s) => s.stats.max)).toExponential(2) + ' relative');
for (const f of failures) console.log('  ' + f);
console.log('Screenshots and results: ' + outDir);
console.log(failures.length ? 'FAILED: ' + new Set(failures.map((f) => f.split(':')[0])).size + ' checks' : 'web page: every check passed');
process.exit(failures.length ? 1 : 0);
