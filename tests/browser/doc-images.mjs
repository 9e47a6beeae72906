// The pictures of the documentation: the tutorial's (docs/tutorial.md, and
// the one the README shows) and one per example for the gallery
// (docs/gallery.md), taken from the HTML report pages of real runs in
// headless Chromium, so that they show what the engine gives today.
//
//   node doc-images.mjs PAGE_TOOL RUNS_DIR OUT_DIR [--update]
//
// RUNS_DIR holds the results file of every example (examples/<stem>.tv6 run
// with --json, as `tarvex FILE --html` runs it). The pictures are always
// taken into OUT_DIR. Beside the committed pictures, docs/images/doc-images.sha256
// records for each one a hash of what it shows: the bytes of its input file,
// the engine version and the part of the page it frames. Without --update
// the run fails when a committed picture is missing or its record differs
// from the run's (its input or the engine changed since it was taken), and
// when the gallery lacks an example or a document shows a picture that does
// not exist. With --update it copies the pictures into docs/images and
// writes the records. Pixels are never compared: fonts and anti-aliasing
// differ from machine to machine, the numbers behind them do not.
import { createHash } from 'node:crypto';
import { execFileSync } from 'node:child_process';
import { copyFileSync, existsSync, mkdirSync, mkdtempSync, readFileSync, readdirSync, rmSync, statSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { basename, join, resolve } from 'node:path';
import { pathToFileURL } from 'node:url';
import { chromium } from 'playwright-core';

const root = resolve(new URL('../..', import.meta.url).pathname);
const args = process.argv.slice(2);
const update = args.includes('--update');
const [pageTool, runsArg, outArg] = args.filter((a) => a !== '--update');
if (!pageTool || !runsArg || !outArg) {
  console.error('usage: node doc-images.mjs PAGE_TOOL RUNS_DIR OUT_DIR [--update]');
  process.exit(2);
}
const runsDir = resolve(runsArg);
const outDir = resolve(outArg);
const images = join(root, 'docs', 'images');
const recordFile = join(images, 'doc-images.sha256');
mkdirSync(outDir, { recursive: true });

// The width of the page when pictured, in CSS pixels: the response charts
// stand three to a row. The pictures are taken at 0.75 pixels per CSS pixel
// and reduced to 256 colours (pngquant), which keeps them small and sharp.
const WIDTH = 1200;
const SCALE = 0.75;
// The tallest picture, in CSS pixels, unless a shot asks for more: the top
// of a long section (the first row of the response charts).
const MAX_HEIGHT = 640;

// What each picture frames: a section of the report page by its id.
const examples = readdirSync(join(root, 'examples'))
  .filter((f) => f.endsWith('.tv6'))
  .sort()
  .map((f) => basename(f, '.tv6'));
const shots = [
  { image: 'tutorial_response.png', stem: 'tutorial_shaft', section: 'response', height: 1500 },
  // The load-case table whole, on a page as wide as it needs.
  { image: 'tutorial_cases.png', stem: 'tutorial_shaft', section: 'cases', width: 1800, whole: true },
  { image: 'tutorial_profile.png', stem: 'tutorial_shaft', section: 'profile' },
  { image: 'tutorial_interaction.png', stem: 'tutorial_shaft', section: 'interaction', height: 1000 },
];
// The gallery shows the part of each example's page that it is there for;
// the others show the response along the pile.
const FEATURE = {
  elastic_pipe_clay_uscs: 'length-study',
  lrfd_cased_shaft_limestone_si: 'lrfd',
  prestressed_pile_sections_ei_only_uscs: 'moment-curvature',
  rock_socket_cased_shaft_uscs: 'profile',
  timber_pole_frozen_ground_si: 'py-curves',
  rock_socket_shaft_weak_rock_si: 'py-curves',
};
for (const stem of examples) {
  if (stem === 'tutorial_shaft') continue;
  shots.push({ image: 'gallery_' + stem + '.png', stem, section: FEATURE[stem] || 'response' });
}

const version = (stem) => {
  const data = JSON.parse(readFileSync(join(runsDir, stem + '.json'), 'utf8'));
  return data.engine_version;
};
function record(shot) {
  const input = readFileSync(join(root, 'examples', shot.stem + '.tv6'));
  const h = createHash('sha256');
  h.update(input);
  h.update('\0' + version(shot.stem) + '\0' + shot.section + '\0' + (shot.width || WIDTH) + 'x' + (shot.height || MAX_HEIGHT) + '@' + SCALE);
  return h.digest('hex');
}

const failures = [];

// The pictures, one browser for all.
const userData = mkdtempSync(join(tmpdir(), 'tarvex-chromium-'));
const context = await chromium.launchPersistentContext(userData, {
  executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
  headless: true,
  args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  viewport: { width: WIDTH, height: MAX_HEIGHT },
  deviceScaleFactor: SCALE,
});
try {
  const pages = new Map();
  for (const shot of shots) {
    if (!pages.has(shot.stem)) {
      const html = join(outDir, shot.stem + '.html');
      execFileSync(pageTool, [join(runsDir, shot.stem + '.json'), html], { stdio: 'inherit' });
      const tab = await context.newPage();
      await tab.goto(pathToFileURL(html).href);
      await tab.waitForFunction(() => window.tarvexReport && window.tarvexReport.ready, null, { timeout: 30000 });
      pages.set(shot.stem, tab);
    }
    const tab = pages.get(shot.stem);
    const width = shot.width || WIDTH;
    if (tab.viewportSize().width !== width) {
      await tab.setViewportSize({ width, height: MAX_HEIGHT });
      await tab.waitForTimeout(500);
    }
    const box = await tab.evaluate(
      ([id, whole]) => {
        const el = document.getElementById(id);
        if (!el) return null;
        document.body.style.maxWidth = whole ? 'none' : '';
        el.scrollIntoView();
        const r = el.getBoundingClientRect();
        // A whole table is framed to its own width, not the page's.
        const tables = [...el.querySelectorAll('.table-wrap table')].map((t) => t.getBoundingClientRect().width);
        const w = whole && tables.length ? Math.max(...tables) : r.width;
        return { x: r.left + window.scrollX, y: r.top + window.scrollY, width: w, height: r.height };
      },
      [shot.section, !!shot.whole]
    );
    if (!box) {
      failures.push(shot.image + ': the page of ' + shot.stem + ' has no section ' + shot.section);
      continue;
    }
    const clip = { x: Math.max(0, box.x - 8), y: Math.max(0, box.y - 8), width: Math.min(width, box.width + 16), height: Math.min(shot.height || MAX_HEIGHT, box.height + 16) };
    const png = join(outDir, shot.image);
    await tab.screenshot({ path: png, clip, fullPage: true });
    if (shot.whole) await tab.evaluate(() => (document.body.style.maxWidth = ''));
    execFileSync('pngquant', ['--force', '--strip', '--output', png, '256', png]);
  }
} finally {
  await context.close();
  rmSync(userData, { recursive: true, force: true });
}

const records = Object.fromEntries(shots.map((s) => [s.image, record(s)]));
if (update) {
  for (const shot of shots) copyFileSync(join(outDir, shot.image), join(images, shot.image));
  writeFileSync(recordFile, shots.map((s) => records[s.image] + '  ' + s.image + '\n').join(''));
  console.log('doc images: ' + shots.length + ' pictures written to ' + images);
} else {
  const committed = existsSync(recordFile)
    ? Object.fromEntries(
        readFileSync(recordFile, 'utf8')
          .split('\n')
          .filter(Boolean)
          .map((l) => l.split(/\s+/).reverse())
      )
    : {};
  for (const shot of shots) {
    const at = join(images, shot.image);
    if (!existsSync(at)) failures.push('docs/images/' + shot.image + ' is missing');
    else if (committed[shot.image] !== records[shot.image]) failures.push('docs/images/' + shot.image + ' is stale: its input, the engine version or its frame changed since it was taken');
  }
  for (const name of Object.keys(committed)) if (!records[name]) failures.push('docs/images/doc-images.sha256 records ' + name + ', which no longer is pictured');
}

// The documents show only pictures that exist, and the gallery every example.
const docs = ['README.md', 'docs/tutorial.md', 'docs/gallery.md'];
for (const doc of docs) {
  const text = readFileSync(join(root, doc), 'utf8');
  for (const m of text.matchAll(/\]\(((?:docs\/)?images\/[^)]+\.png)\)/g)) {
    const path = join(root, doc.startsWith('docs/') ? 'docs' : '', m[1]);
    if (!existsSync(path)) failures.push(doc + ' shows ' + m[1] + ', which does not exist');
  }
}
const gallery = readFileSync(join(root, 'docs', 'gallery.md'), 'utf8');
for (const stem of examples.filter((x) => x !== 'tutorial_shaft')) {
  if (!gallery.includes('](images/gallery_' + stem + '.png)')) failures.push('docs/gallery.md does not show examples/' + stem + '.tv6');
}
const tutorial = readFileSync(join(root, 'docs', 'tutorial.md'), 'utf8');
for (const shot of shots.filter((s) => s.image.startsWith('tutorial_'))) {
  if (!tutorial.includes('](images/' + shot.image + ')')) failures.push('docs/tutorial.md does not show ' + shot.image);
}

const size = shots.reduce((n, s) => n + (existsSync(join(images, s.image)) ? statSync(join(images, s.image)).size : 0), 0);
console.log('doc images: ' + shots.length + ' pictures in ' + outDir + ', ' + (size / 1024).toFixed(0) + ' KiB committed in docs/images');
for (const f of failures) console.log('  ' + f);
if (failures.length && !update) console.log('  (./scripts/browser-test --update-doc-images takes them again and records them)');
// One check per picture (taken, present and fresh) and one per document.
const failedShots = shots.filter((x) => failures.some((f) => f.includes(x.image + ' ') || f.startsWith(x.image + ':'))).length;
const failedDocs = failures.filter((f) => !shots.some((x) => f.includes(x.image + ' ') || f.startsWith(x.image + ':'))).length;
console.log(shots.length - failedShots + ' passed, ' + (failedShots + failedDocs) + ' failed');
process.exit(failures.length ? 1 : 0);
