// The page's Web Worker: runs the engine (createTarvexEngine, from the glue
// that precedes this script in the worker's source) so that the page never
// waits on an analysis. Messages from the page:
//
//   {type: 'check', id, input: Uint8Array, name}
//       the checks before the analysis; answers {type: 'checked', id, json}
//   {type: 'outline', id, input: Uint8Array, name}
//       the input as the reader reads it (the form view); answers
//       {type: 'outlined', id, json}
//   {type: 'criteria', id}
//       the p-y criteria's SOIL LAYERS rows; answers {type: 'criteria', id, json}
//   {type: 'run', id, input: Uint8Array, stem, date: [y, mo, d, h, mi, s]}
//       an analysis; answers {type: 'ran', id, code, files: [Uint8Array...],
//       ms}: the results JSON, the report, plot and message files, the HTML
//       report page, the load-case CSV and one node CSV per load case
//
// and {type: 'ready', ms} once the engine is made, {type: 'failed', id,
// message} when it cannot be made or a call fails.
'use strict';

let engine = null;
const queue = [];
const started = performance.now();

function fail(id, e) {
  self.postMessage({ type: 'failed', id: id, message: String((e && e.message) || e) });
}

// Copies bytes into the engine's memory for a call; the caller frees them.
function bytesIn(bytes) {
  const p = engine._malloc(bytes.length + 1);
  engine.HEAPU8.set(bytes, p);
  engine.HEAPU8[p + bytes.length] = 0;
  return p;
}

function textIn(text) {
  return bytesIn(new TextEncoder().encode(text));
}

// The files the last call left, copied out of the engine's memory.
function filesOut() {
  const files = [];
  const count = engine._tarvex_web_file_count();
  for (let k = 0; k < count; k++) {
    const p = engine._tarvex_web_file(k);
    files.push(engine.HEAPU8.slice(p, p + engine._tarvex_web_file_size(k)));
  }
  return files;
}

function handle(msg) {
  if (msg.type === 'criteria') {
    engine._tarvex_web_criteria();
    self.postMessage({ type: 'criteria', id: msg.id, json: new TextDecoder().decode(filesOut()[0]) });
    return;
  }
  const input = bytesIn(msg.input);
  const name = textIn(msg.type === 'run' ? msg.stem : msg.name);
  try {
    if (msg.type === 'check' || msg.type === 'outline') {
      (msg.type === 'check' ? engine._tarvex_web_check : engine._tarvex_web_outline)(input, msg.input.length, name);
      const files = filesOut();
      if (!files.length) throw new Error('the engine could not read the input');
      self.postMessage({ type: msg.type === 'check' ? 'checked' : 'outlined', id: msg.id, json: new TextDecoder().decode(files[0]) });
    } else {
      const t0 = performance.now();
      const code = engine._tarvex_web_run(input, msg.input.length, name, ...msg.date);
      const files = filesOut();
      const ms = performance.now() - t0;
      if (!files.length) throw new Error('the engine stopped without results (result ' + code + ')');
      self.postMessage({ type: 'ran', id: msg.id, code: code, files: files, ms: ms }, files.map((f) => f.buffer));
    }
  } finally {
    engine._free(input);
    engine._free(name);
  }
}

self.onmessage = (event) => {
  if (!engine) {
    queue.push(event.data);
    return;
  }
  try {
    handle(event.data);
  } catch (e) {
    fail(event.data.id, e);
    // The engine may be left in any state after a fault: make it afresh.
    engine = null;
    start();
  }
};

// The engine is compiled as it is made (a page that runs it itself may not
// wait for a compilation in the background): made, it is ready at once.
function start() {
  new Promise((resolve) => {
    createTarvexEngine({
      onRuntimeInitialized() {
        resolve(this);
      },
    });
  }).then(
    (made) => {
      engine = made;
      self.postMessage({ type: 'ready', ms: performance.now() - started });
      while (engine && queue.length) self.onmessage({ data: queue.shift() });
    },
    (e) => fail(null, e)
  );
}

start();
