// The Tarvex page: an input editor checked as the engineer types, the
// examples, open and save of .tv6 files, and a Run that analyses the input
// with the engine in a Web Worker and shows the results: the HTML report (the
// page that `tarvex --html` writes, made by the same engine code), the report,
// plot and message files, and the JSON and CSV files to download.
//
// The address may ask for an example and a run: #example=quickstart&run
// loads the example and runs it; the page then holds the run's results JSON in
// <script type="application/json" id="tarvex-results"> and sets
// document.body.dataset.state to "done" (a normal end, with or without
// warnings) or "error" (the run ended with an error, or could not be made);
// document.body.dataset.outcome holds the run's outcome.
//
// window.tarvexApp tells a test what the page did: its timings (ms from
// navigation start), the last check's and run's results.
(function () {
  'use strict';

  const $ = (id) => document.getElementById(id);
  const examples = JSON.parse($('tarvex-examples').textContent);

  // A minimal input for New: a steel pipe pile in sand, in USCS units.
  const NEW_INPUT = [
    'TARVEX6',
    'TITLE',
    'New input: 24-in steel pipe pile in sand',
    '',
    '',
    '',
    '',
    'OPTIONS',
    'Units USCS',
    'UseLRFD NO',
    'ComputeKmatrix NO',
    'UseTipShear NO',
    'UseSoilMovement NO',
    'UsePYModifiers NO',
    'ComputeEIOnly NO',
    'Loading STATIC     1',
    'MaxIterations 100',
    'MaxDeflection 10.0',
    'Tolerance 1.0E-5',
    'Increments 100',
    'PrintSummaryOnly NO',
    'PrintIncrement 5',
    'PrintPYCurves NO',
    'ComputeInteraction NO',
    'SECTIONS',
    '1                 number of pile sections',
    '1                 section number',
    '4                 section type: steel pipe',
    '50.0              section length, ft',
    '24.0              outside diameter, in',
    '0.5               wall thickness, in',
    '50000.0           yield stress, psi',
    '29000000.0        elastic modulus, psi',
    'SOIL LAYERS',
    '1                 number of layers',
    '6  0.0  60.0      API sand: top and bottom depth, ft',
    '115.0  32.0  0.0  top: unit weight pcf, friction angle, k (0: default)',
    '115.0  36.0  0.0  bottom',
    'LOADING',
    '1                 number of load cases',
    '1  1  20000.0  0.0  50000.0  1   shear lb, moment in-lb, axial lb, no length study',
    '0                 no distributed lateral load',
    'END',
    '',
  ].join('\n');

  const app = (window.tarvexApp = {
    timings: {},
    check: null,
    run: null,
    engineMs: null,
  });
  function mark(name) {
    app.timings[name] = performance.now();
    performance.mark('tarvex-' + name);
  }

  const body = document.body;
  const status = $('status');
  const runButton = $('run');
  let fileName = 'input.tv6';
  // Files read as Latin-1 (not UTF-8) are written back in Latin-1, so that
  // the engine reads the bytes the file holds.
  let latin1 = false;
  let ready = false;
  let running = false;
  let lastRun = null;

  function setStatus(text, cls) {
    status.textContent = text;
    status.className = cls || '';
  }

  // ------------------------------------------------------------ the engine

  // The engine runs in a Web Worker made from the worker's source in this
  // page (a file:// page may load no worker script by address), so that the
  // page never waits on it. A run asked for by the address runs in the page
  // itself, from the same source: a browser that prints the page when it has
  // nothing left to do (chromium --dump-dom) waits for the page's own work,
  // not for a worker's.
  const engineSource = $('tarvex-worker').textContent;

  // A port to the engine: postMessage to it, onmessage from it.
  function workerPort() {
    const w = new Worker(URL.createObjectURL(new Blob([engineSource], { type: 'text/javascript' })));
    w.onerror = (e) => failPage('The engine stopped: ' + (e.message || 'an error in its worker'));
    return w;
  }
  function inlinePort() {
    const port = { onmessage: null };
    const scope = { onmessage: null, postMessage: (data) => port.onmessage && port.onmessage({ data: data }) };
    new Function('self', engineSource)(scope);
    port.postMessage = (data) => scope.onmessage({ data: data });
    return port;
  }

  // Calls of one port, answered by the promises of call().
  function connect(port, onReady) {
    const waiting = new Map();
    let nextId = 1;
    port.onmessage = (event) => {
      const m = event.data;
      if (m.type === 'ready') {
        onReady(m.ms);
        return;
      }
      const w = waiting.get(m.id);
      if (m.type === 'failed' && !w) {
        failPage('The engine could not be started: ' + m.message);
        return;
      }
      if (!w) return;
      waiting.delete(m.id);
      if (m.type === 'failed') w.reject(new Error(m.message));
      else w.resolve(m);
    };
    return (message) => {
      const id = nextId++;
      message.id = id;
      return new Promise((resolve, reject) => {
        waiting.set(id, { resolve, reject });
        port.postMessage(message);
      });
    };
  }

  let engineReady;
  const engineStarted = new Promise((resolve) => (engineReady = resolve));
  const call = connect(workerPort(), (ms) => {
    mark('engine-ready');
    app.engineMs = ms;
    engineReady();
  });
  let inlineCall = null;
  let inlineStarted = null;
  function inlineEngine() {
    if (!inlineCall) {
      let started;
      inlineStarted = new Promise((resolve) => (started = resolve));
      inlineCall = connect(inlinePort(), () => started());
    }
    return inlineStarted.then(() => inlineCall);
  }

  function failPage(message) {
    setStatus(message, 'bad');
    body.dataset.state = 'error';
    runButton.disabled = true;
  }

  // Bytes of the editor's text as the engine reads them.
  function inputBytes(text) {
    if (!latin1) return new TextEncoder().encode(text);
    const bytes = new Uint8Array(text.length);
    for (let i = 0; i < text.length; i++) {
      const c = text.charCodeAt(i);
      bytes[i] = c < 256 ? c : 0x3f;
    }
    return bytes;
  }

  function stem() {
    return fileName.replace(/\.[^.]*$/, '') || 'input';
  }

  // ------------------------------------------------------------ the editor

  const problems = $('problems');
  let checkTimer = null;
  let checkSeq = 0;
  const editor = window.TarvexEditor($('editor'), {
    onChange() {
      clearTimeout(checkTimer);
      checkTimer = setTimeout(checkNow, 350);
    },
    onRun: () => runNow(),
  });
  app.editor = editor;

  // The checks before the analysis, on the text as it stands.
  async function checkNow() {
    const seq = ++checkSeq;
    await engineStarted;
    let reply;
    try {
      reply = await call({ type: 'check', input: inputBytes(editor.getText()), name: fileName });
    } catch (e) {
      if (seq === checkSeq) showProblems(null, 'The checks could not be made: ' + e.message);
      return;
    }
    if (seq !== checkSeq) return; // the text changed since
    const checked = JSON.parse(reply.json);
    app.check = checked;
    showProblems(checked);
  }

  function messageText(lines) {
    return (lines || []).join('\n');
  }

  // The checks' error and warnings: a marker at the line each is about, and a
  // list under the editor with the engine's own message.
  function showProblems(checked, failure) {
    problems.textContent = '';
    if (!checked) {
      problems.append(el('p', { class: 'bad', text: failure }));
      editor.setMarkers([]);
      return;
    }
    const markers = [];
    const items = [];
    const e = checked.error;
    if (e) {
      const title = (e.identity || 'Error') + '\n' + messageText(e.message);
      if (e.line_number > 0) markers.push({ line: e.line_number, severity: 'error', title: title });
      items.push({ severity: 'error', line: e.line_number, head: errorHead(e), message: messageText(e.message), advice: e.advice });
    }
    for (const w of checked.warnings || []) {
      items.push({ severity: 'warning', line: 0, head: 'Warning ' + w.number, message: messageText(w.text) });
    }
    editor.setMarkers(markers);
    if (!items.length) {
      problems.append(el('p', { class: 'ok', text: 'The checks before the analysis find no fault.' }));
      problems.dataset.count = '0';
      return;
    }
    problems.dataset.count = String(items.length);
    const list = el('ul');
    for (const it of items) {
      const li = el('li', { class: it.severity });
      const head = el('div', { class: 'head' }, it.head);
      if (it.line > 0) {
        const go = el('button', { type: 'button', class: 'link', text: 'line ' + it.line });
        go.addEventListener('click', () => editor.revealLine(it.line));
        head.append(' at ', go);
      } else if (it.severity === 'error') {
        head.append(' (a check between sections, about no one line)');
      }
      li.append(head, el('pre', { text: it.message }));
      if (it.advice) li.append(el('p', { class: 'advice', text: it.advice }));
      list.append(li);
    }
    problems.append(list);
  }

  function errorHead(e) {
    const kind = { input: 'Input error', runtime: 'Runtime error', files: 'File error', internal: 'Internal error' }[e.kind] || 'Error';
    return kind + ' ' + (e.identity || '');
  }

  // ------------------------------------------------------------ elements

  function el(tag, attrs, ...children) {
    const e = document.createElement(tag);
    for (const [k, v] of Object.entries(attrs || {})) {
      if (v == null || v === false) continue;
      if (k === 'class') e.className = v;
      else if (k === 'text') e.textContent = v;
      else e.setAttribute(k, v === true ? '' : v);
    }
    for (const c of children.flat()) if (c != null) e.append(c);
    return e;
  }

  function download(name, bytes, type) {
    const url = URL.createObjectURL(new Blob([bytes], { type: type || 'application/octet-stream' }));
    const a = el('a', { href: url, download: name });
    document.body.append(a);
    a.click();
    a.remove();
    setTimeout(() => URL.revokeObjectURL(url), 10000);
  }

  // ------------------------------------------------------------ the run

  const OUTCOMES = {
    normal: 'Normal end',
    warnings: 'Normal end with warnings',
    input_error: 'Input error: the run stopped',
    runtime_error: 'Runtime error: the run stopped',
    files_unusable: 'The input could not be used',
    internal_error: 'Internal error: the run stopped',
  };

  async function runNow(inPage) {
    if (running) return;
    running = true;
    runButton.disabled = true;
    body.dataset.state = 'running';
    setStatus(ready ? 'Running\u2026' : 'Waiting for the engine\u2026');
    mark('run-start');
    const now = new Date();
    const date = [now.getFullYear(), now.getMonth() + 1, now.getDate(), now.getHours(), now.getMinutes(), now.getSeconds()];
    try {
      const message = { type: 'run', input: inputBytes(editor.getText()), stem: stem(), date: date };
      let reply;
      if (inPage) {
        reply = await (await inlineEngine())(message);
      } else {
        await engineStarted;
        reply = await call(message);
      }
      mark('run-engine-done');
      showRun(reply);
    } catch (e) {
      failPage('The analysis could not be run: ' + e.message);
    } finally {
      running = false;
      runButton.disabled = !ready;
    }
  }

  function decode(bytes) {
    return new TextDecoder().decode(bytes);
  }

  function showRun(reply) {
    const [json, out, plt, msg, html, casesCsv, ...caseCsvs] = reply.files;
    const text = decode(json);
    const results = JSON.parse(text);
    const name = stem();
    lastRun = { name: name, files: reply.files, results: results };
    app.run = { results: results, engineMs: reply.ms, code: reply.code };

    // The results for any script that reads the page.
    let holder = $('tarvex-results');
    if (!holder) {
      holder = el('script', { type: 'application/json', id: 'tarvex-results' });
      body.append(holder);
    }
    holder.textContent = text.replace(/</g, '\\u003c');

    showOutcome(results);
    showReport(decode(html));
    showFile('out-pane', name + '.out', out);
    showFile('plt-pane', name + '.plt', plt);
    showFile('msg-pane', name + '.msg', msg);
    showDownloads(name, json, out, plt, msg, html, casesCsv, caseCsvs, results);

    const good = results.outcome === 'normal' || results.outcome === 'warnings';
    setStatus(
      (OUTCOMES[results.outcome] || results.outcome) + ' \u2013 ' + (results.cases || []).length + ' load case(s) in ' + reply.ms.toFixed(0) + ' ms',
      good ? (results.outcome === 'normal' ? 'ok' : 'warn') : 'bad'
    );
    body.dataset.outcome = results.outcome;
    body.dataset.state = good ? 'done' : 'error';
  }

  function showOutcome(r) {
    const box = $('outcome');
    box.textContent = '';
    box.hidden = false;
    const cls = { normal: 'ok', warnings: 'warn' }[r.outcome] || 'bad';
    box.className = cls;
    box.append(el('strong', { text: OUTCOMES[r.outcome] || String(r.outcome) }), ' \u2013 result code ' + r.result_code);
    if (r.error) {
      const e = r.error;
      const head = el('div', null, errorHead(e));
      if (e.line_number > 0) {
        const go = el('button', { type: 'button', class: 'link', text: 'line ' + e.line_number });
        go.addEventListener('click', () => {
          showView('text');
          editor.revealLine(e.line_number);
        });
        head.append(' at ', go);
      }
      box.append(head, el('pre', { text: messageText(e.message) }));
      if (e.advice) box.append(el('p', { class: 'advice', text: e.advice }));
      if ((r.cases || []).length) box.append(el('p', { text: 'The report below shows the results of the load cases analysed before the error.' }));
    } else if ((r.warnings || []).length) {
      box.append(el('div', null, 'Warnings: ' + r.warnings.map((w) => w.number).filter((v, i, a) => a.indexOf(v) === i).join(', ') + ' (see the report)'));
    }
  }

  // The HTML report, drawn by its own page in a frame of its own.
  function showReport(html) {
    $('report-placeholder').hidden = true;
    const old = $('report-frame');
    const frame = el('iframe', { id: 'report-frame', title: 'The analysis report' });
    old.replaceWith(frame);
    const doc = frame.contentDocument;
    doc.open();
    doc.write(html);
    doc.close();
    showPane('report-pane');
    // The report has drawn its last chart when its page says so.
    const drawn = () => frame.contentWindow.tarvexReport && frame.contentWindow.tarvexReport.ready;
    if (drawn()) {
      mark('run-shown');
    } else {
      const watch = new MutationObserver(() => {
        if (!drawn()) return;
        watch.disconnect();
        mark('run-shown');
      });
      watch.observe(doc.body, { attributes: true, attributeFilter: ['data-ready'] });
    }
  }

  function showFile(paneId, name, bytes) {
    const pane = $(paneId);
    pane.textContent = '';
    const button = el('button', { type: 'button', text: 'Download ' + name });
    button.addEventListener('click', () => download(name, bytes, 'text/plain'));
    pane.append(el('div', { class: 'file-head' }, el('code', { text: name }), button), el('pre', { class: 'file-text', text: decode(bytes) }));
  }

  function showDownloads(name, json, out, plt, msg, html, casesCsv, caseCsvs, results) {
    const pane = $('files-pane');
    pane.textContent = '';
    const files = [
      [name + '.json', json, 'application/json', 'every result of the run as data, with its units'],
      [name + '.html', html, 'text/html', 'the report page with its tables and charts, to open in any browser'],
      [name + '.cases.csv', casesCsv, 'text/csv', 'one row per load case'],
    ];
    (results.cases || []).forEach((c, i) => files.push([name + '.case' + c.number + '.csv', caseCsvs[i], 'text/csv', 'one row per node of load case ' + c.number]));
    files.push([name + '.out', out, 'text/plain', 'the report file'], [name + '.plt', plt, 'text/plain', 'the plot file'], [name + '.msg', msg, 'text/plain', 'the run messages']);
    files.push([fileName, inputBytes(editor.getText()), 'text/plain', 'the input as run']);
    const list = el('ul', { class: 'downloads' });
    for (const [file, bytes, type, what] of files) {
      const b = el('button', { type: 'button', class: 'link', text: file });
      b.addEventListener('click', () => download(file, bytes, type));
      list.append(el('li', null, b, ' \u2013 ' + what + ' (' + bytes.length.toLocaleString() + ' bytes)'));
    }
    pane.append(el('p', { text: 'The files of the last run, made in this page:' }), list);
  }

  // ------------------------------------------------------------ tabs

  function showPane(id) {
    for (const b of document.querySelectorAll('#result-tabs [role=tab]')) {
      const on = b.dataset.pane === id;
      b.setAttribute('aria-selected', on ? 'true' : 'false');
      $(b.dataset.pane).hidden = !on;
    }
  }
  for (const b of document.querySelectorAll('#result-tabs [role=tab]')) b.addEventListener('click', () => showPane(b.dataset.pane));

  let formView = null;
  function showView(view) {
    if (view === 'form' && window.TarvexForm) {
      if (!formView) {
        formView = window.TarvexForm($('form-view'), {
          getText: () => editor.getText(),
          setText: (text) => editor.setText(text),
          outline: async (text) => {
            await engineStarted;
            return (await call({ type: 'outline', input: inputBytes(text), name: fileName })).json;
          },
          criteria: async () => {
            await engineStarted;
            return (await call({ type: 'criteria' })).json;
          },
          revealLine: (n) => {
            showView('text');
            editor.revealLine(n);
          },
        });
      }
      formView.load();
    }
    $('text-view').hidden = view !== 'text';
    $('form-view').hidden = view !== 'form';
    $('tab-text').setAttribute('aria-selected', view === 'text' ? 'true' : 'false');
    $('tab-form').setAttribute('aria-selected', view === 'form' ? 'true' : 'false');
    if (view === 'text') editor.render();
  }
  $('tab-text').addEventListener('click', () => showView('text'));
  $('tab-form').addEventListener('click', () => showView('form'));
  if (!window.TarvexForm) $('tab-form').hidden = true;

  // ------------------------------------------------------------ files

  const exampleMenu = $('example');
  for (const name of Object.keys(examples)) exampleMenu.append(el('option', { value: name, text: name }));

  function load(text, name, isLatin1) {
    fileName = name;
    latin1 = !!isLatin1;
    $('file-name').textContent = name;
    editor.setText(text);
    showView($('form-view').hidden ? 'text' : 'form');
  }

  function loadExample(name) {
    if (!(name in examples)) return false;
    load(examples[name], name + '.tv6', true);
    exampleMenu.value = name;
    return true;
  }

  exampleMenu.addEventListener('change', () => {
    if (exampleMenu.value) loadExample(exampleMenu.value);
  });
  $('new').addEventListener('click', () => {
    exampleMenu.value = '';
    load(NEW_INPUT, 'input.tv6', false);
  });
  $('open').addEventListener('click', () => $('open-file').click());
  $('open-file').addEventListener('change', async () => {
    const file = $('open-file').files[0];
    if (!file) return;
    const bytes = new Uint8Array(await file.arrayBuffer());
    let text;
    let isLatin1 = false;
    try {
      text = new TextDecoder('utf-8', { fatal: true }).decode(bytes);
    } catch (e) {
      // Not UTF-8: one character per byte.
      text = Array.from(bytes, (b) => String.fromCharCode(b)).join('');
      isLatin1 = true;
    }
    exampleMenu.value = '';
    load(text.replace(/^\ufeff/, ''), file.name, isLatin1);
    $('open-file').value = '';
  });
  $('save').addEventListener('click', () => download(fileName, inputBytes(editor.getText()), 'text/plain'));
  runButton.addEventListener('click', () => runNow());

  // ------------------------------------------------------------ start

  // #example=NAME loads an example; &run runs it.
  function fromAddress() {
    const params = new URLSearchParams(location.hash.slice(1));
    const name = params.get('example');
    if (name == null) return false;
    if (!loadExample(name)) {
      failPage('There is no example "' + name + '". The examples are: ' + Object.keys(examples).join(', ') + '.');
      return true;
    }
    if (params.has('run')) runNow(true);
    return true;
  }

  if (!fromAddress()) loadExample('quickstart');
  window.addEventListener('hashchange', fromAddress);
  mark('interactive');
  engineStarted.then(() => {
    ready = true;
    if (!running) {
      runButton.disabled = false;
      if (body.dataset.state === 'loading') {
        body.dataset.state = 'ready';
        setStatus('Ready');
      }
    }
  });
})();
