// Assembles the web page: one self-contained index.html that opens from a
// file:// address, a USB stick or any static host, with no network. It holds
// its styles and scripts, the examples, and the source of its Web Worker: the
// engine's glue (the WebAssembly inlined in it as base64) followed by
// worker.js. The page starts the worker from that source as a Blob, since a
// file:// page may load neither a worker script nor a .wasm file by address.
//
//   node build.mjs --engine tarvex_web.js --examples DIR --version X.Y.Z --out index.html
//
// Only Node's own modules are used: the build needs nothing from a registry.
import { readFileSync, readdirSync, writeFileSync } from 'node:fs';
import { basename, join } from 'node:path';

const here = new URL('.', import.meta.url).pathname;
const args = {};
for (let i = 2; i < process.argv.length; i += 2) args[process.argv[i].replace(/^--/, '')] = process.argv[i + 1];
for (const key of ['engine', 'examples', 'version', 'out']) {
  if (!args[key]) {
    console.error('usage: node build.mjs --engine tarvex_web.js --examples DIR --version X.Y.Z --out index.html');
    process.exit(2);
  }
}

const read = (name) => readFileSync(join(here, name), 'utf8');

// A script or style that closed its own element would end it early.
function inert(text, what) {
  if (/<\/(script|style)/i.test(text)) {
    console.error(`build.mjs: ${what} holds a closing </script or </style tag`);
    process.exit(1);
  }
  return text;
}

// The examples by name, in the order of the menu: the quick start first.
const examples = {};
const names = readdirSync(args.examples)
  .filter((f) => f.endsWith('.tv6'))
  .sort((a, b) => (a === 'quickstart.tv6' ? -1 : b === 'quickstart.tv6' ? 1 : a.localeCompare(b)));
for (const f of names) examples[basename(f, '.tv6')] = readFileSync(join(args.examples, f), 'latin1');
// JSON in a script element: "<" written as \u003c so that no text closes it.
const examplesJson = JSON.stringify(examples).replace(/</g, '\\u003c');

const worker = inert(readFileSync(args.engine, 'utf8'), 'the engine glue') + '\n' + inert(read('worker.js'), 'worker.js');
const scripts = ['editor.js', 'form.js', 'app.js'].map((f) => inert(read(f), f)).join('\n');

const parts = {
  '/*@APP_CSS@*/': inert(read('app.css'), 'app.css'),
  '@VERSION@': args.version,
  '@EXAMPLES_JSON@': examplesJson,
  '/*@WORKER_JS@*/': worker,
  '/*@APP_JS@*/': scripts,
};
let page = read('index.html');
for (const [placeholder, text] of Object.entries(parts)) {
  const first = page.indexOf(placeholder);
  if (first < 0 || (placeholder !== '@VERSION@' && page.indexOf(placeholder, first + 1) >= 0)) {
    console.error(`build.mjs: index.html must hold ${placeholder} exactly once`);
    process.exit(1);
  }
  page = page.split(placeholder).join(text);
}
writeFileSync(args.out, page);
console.log(`${args.out}: ${(page.length / 1048576).toFixed(2)} MB, ${names.length} examples`);
