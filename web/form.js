// The form view: the pile sections, the soil layers and the load cases of the
// input as tables. The text stays the master: the form is read from the text
// (the engine's reader gives the sections, layers and load cases with their
// values, tarvex_web_outline), and every change in the form is written into
// the text at the lines it came from, keeping the remarks after the values,
// and read back. Everything else of the input is edited in the text.
//
//   const form = TarvexForm(element, {getText, setText, outline, criteria, revealLine});
//   form.load();   // reads the text again and redraws
//
// A row of the text written in a form this view does not rewrite exactly (a
// row that goes on over two lines, r*v, a slash or an empty value between
// commas) leaves its table to be read only, with a note to edit it in the
// text.
(function () {
  'use strict';

  // The head conditions of a load case: the names of its two conditions and
  // the kinds of value they are.
  const LOAD_TYPES = {
    1: ['shear and moment', ['Shear', 'force'], ['Moment', 'moment']],
    2: ['shear and slope', ['Shear', 'force'], ['Slope', 'slope']],
    3: ['shear and rotational stiffness', ['Shear', 'force'], ['Rotational stiffness', 'rotational']],
    4: ['deflection and moment', ['Deflection', 'deflection'], ['Moment', 'moment']],
    5: ['deflection and slope', ['Deflection', 'deflection'], ['Slope', 'slope']],
  };
  // The units of the input's values, by unit system.
  const UNITS = {
    USCS: { length: 'ft', dimension: 'in', force: 'lb', moment: 'in-lb', deflection: 'in', slope: 'rad', rotational: 'in-lb/rad' },
    SI: { length: 'm', dimension: 'mm', force: 'kN', moment: 'kN-m', deflection: 'm', slope: 'rad', rotational: 'kN-m/rad' },
    GENERAL: { length: 'L', dimension: 'L', force: 'F', moment: 'F-L', deflection: 'L', slope: 'rad', rotational: 'F-L/rad' },
  };
  // Section types whose row after the length is an outer dimension.
  const OUTER = { 0: 'depth D', 1: 'diameter', 2: 'casing diameter', 3: 'casing diameter', '-3': 'casing diameter', 4: 'outer diameter', 5: 'diameter', 6: 'diameter', 7: 'width', 8: 'width', 9: 'width across flats', 10: 'width across flats', 13: 'width' };
  const KEYWORDS = new Set([
    'TITLE', 'OPTIONS', 'SECTIONS', 'SOIL LAYERS', 'LOADING', 'LRFD LOADS', 'LRFD FACTORS AND CASES', 'AXIAL THRUST LOADS',
    'TIP SHEAR', 'PILE BATTER AND SLOPE', 'GROUPEFF', 'GROUP EFFECT FACTORS', 'SOIL MOVEMENTS', 'DEPTHS OF PRINTED P-Y CURVES', 'END',
  ]);
  const NUMBER = /^[-+]?(\d+\.?\d*|\.\d+)([eEdDqQ][-+]?\d+)?$/;

  function number(token) {
    return Number(token.replace(/[dDqQ]/, 'e'));
  }

  // A value as the form writes it: the shortest text that reads back to it.
  function text(v) {
    return String(v).replace(/^(-?)0\./, '$10.');
  }

  // The values of a free-format row written on one line: the first `count`
  // tokens, where each is the line's own, and the rest of the line (the
  // remark) with the column it starts at. Null when the row is not of that
  // plain kind.
  function plainRow(line, count) {
    const values = [];
    let i = 0;
    while (values.length < count) {
      const blank = /^[ \t]*/.exec(line.slice(i))[0];
      i += blank.length;
      if (i >= line.length) return null; // the row goes on over the next line
      const m = /^[^ \t,/]+/.exec(line.slice(i));
      if (!m || !NUMBER.test(m[0])) return null; // a slash, quotes, r*v, an empty value
      values.push({ token: m[0], start: i });
      i += m[0].length;
      const sep = /^[ \t]*(,?)/.exec(line.slice(i));
      if (sep[1]) {
        if (values.length < count) i += sep[0].length;
        else break;
      }
    }
    return { values: values, rest: line.slice(i), restAt: i };
  }

  // The line with its first values replaced, the remark kept in its column
  // when there is room.
  function rewrite(line, count, newValues) {
    const row = plainRow(line, count);
    const head = newValues.map(text).join('  ');
    if (!row) return head;
    const rest = row.rest.replace(/^[ \t]+/, '');
    if (!rest) return head;
    const pad = Math.max(2, row.restAt + (row.rest.length - rest.length) - head.length);
    return head + ' '.repeat(pad) + rest;
  }

  // The lines of the text with the body of every keyword section.
  function sectionsOf(lines) {
    const found = {};
    let current = null;
    lines.forEach((line, i) => {
      const key = line.replace(/[ \t]+$/, '');
      if (KEYWORDS.has(key)) {
        current = { keyword: key, line: i + 1, body: [] };
        if (!(key in found)) found[key] = current;
        else found[key] = current; // a section given twice: the last one is read
        return;
      }
      if (current) current.body.push(i + 1);
    });
    return found;
  }

  // The next line of `body` (line numbers) from index `at` that is not blank.
  function nextDataLine(lines, body, at) {
    while (at < body.length && lines[body[at] - 1].trim() === '') at++;
    return at;
  }

  window.TarvexForm = function (root, io) {
    const state = { outline: null, criteria: null, lines: [], notes: [] };
    let reading = 0;

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

    // Writes `changes` ({line: text} with line numbers 1-based; text null to
    // remove the line, an array to put several lines in its place) into the
    // text, then reads the form back from it.
    function write(changes) {
      const lines = io.getText().split('\n');
      const order = Object.keys(changes)
        .map(Number)
        .sort((a, b) => b - a);
      for (const n of order) {
        const c = changes[n];
        if (c === null) lines.splice(n - 1, 1);
        else if (Array.isArray(c)) lines.splice(n - 1, 1, ...c);
        else lines[n - 1] = c;
      }
      io.setText(lines.join('\n'));
      load();
    }

    function numberInput(value, onChange, label) {
      const input = el('input', { type: 'text', inputmode: 'decimal', value: text(value), 'aria-label': label, size: 9 });
      input.addEventListener('change', () => {
        const v = input.value.trim();
        if (!NUMBER.test(v)) {
          input.classList.add('bad');
          input.title = 'Not a number: ' + v;
          return;
        }
        input.classList.remove('bad');
        onChange(number(v));
      });
      return input;
    }

    // ------------------------------------------------------------ sections

    function sectionsTable(u) {
      const box = el('section', { class: 'form-block', id: 'form-sections' }, el('h3', { text: 'Pile sections' }));
      const sections = state.outline.sections;
      if (!sections.length) {
        box.append(el('p', { class: 'note', text: 'No pile section was read.' }));
        return box;
      }
      const lines = state.lines;
      const rows = [];
      let plain = true;
      for (const s of sections) {
        // The number, type, length and first dimension rows follow one
        // another, one value each.
        const body = [];
        for (let n = s.line; n <= lines.length; n++) body.push(n);
        let at = 0;
        const at_type = nextDataLine(lines, body, at + 1);
        const at_length = nextDataLine(lines, body, at_type + 1);
        const at_outer = nextDataLine(lines, body, at_length + 1);
        const lengthRow = plainRow(lines[body[at_length] - 1] || '', 1);
        const outer = OUTER[s.type];
        const outerRow = outer ? plainRow(lines[body[at_outer] - 1] || '', 1) : null;
        const ok = lengthRow && number(lengthRow.values[0].token) === s.length && (!outer || outerRow);
        if (!ok) plain = false;
        rows.push({ s, lengthLine: body[at_length], outerLine: outer ? body[at_outer] : 0, outer, outerValue: outerRow ? number(outerRow.values[0].token) : null, ok });
      }
      const table = el('table', { class: 'form-table' });
      table.append(el('thead', null, el('tr', null, el('th', { text: 'No.' }), el('th', { text: 'Type' }), el('th', { text: 'Length (' + u.length + ')' }), el('th', { text: 'Outer dimension (' + u.dimension + ')' }), el('th', { text: 'Line' }))));
      const tbody = el('tbody');
      for (const r of rows) {
        const length = r.ok
          ? numberInput(r.s.length, (v) => write({ [r.lengthLine]: rewrite(lines[r.lengthLine - 1], 1, [v]) }), 'Length of section ' + r.s.number)
          : text(r.s.length);
        const outer = !r.outer
          ? '\u2013'
          : r.ok
            ? el('span', null, numberInput(r.outerValue, (v) => write({ [r.outerLine]: rewrite(lines[r.outerLine - 1], 1, [v]) }), r.outer + ' of section ' + r.s.number), ' ' + r.outer)
            : text(r.outerValue);
        const go = el('button', { type: 'button', class: 'link', text: String(r.s.line) });
        go.addEventListener('click', () => io.revealLine(r.s.line));
        tbody.append(el('tr', null, el('td', { text: String(r.s.number) }), el('td', { text: r.s.type_name }), el('td', null, length), el('td', null, outer), el('td', null, go)));
      }
      table.append(tbody);
      box.append(table);
      box.append(el('p', { class: 'note', text: 'The rest of each section (materials, bars, strands) is edited in the text, from the line given.' }));
      if (!plain) box.append(el('p', { class: 'note warn', text: 'A section is written in a form that the table does not rewrite: edit it in the text.' }));
      return box;
    }

    // ------------------------------------------------------------ soil layers

    // The SOIL LAYERS rows of the text: the count, and per layer its header
    // row and the rows of its two value lines; null where a row is not plain
    // or does not hold the values the engine read.
    function layerRows(section) {
      const lines = state.lines;
      const body = section.body;
      const layers = state.outline.layers;
      let at = nextDataLine(lines, body, 0);
      const countRow = plainRow(lines[body[at] - 1] || '', 1);
      if (!countRow) return null;
      const result = { countLine: body[at], count: number(countRow.values[0].token), layers: [] };
      // The reader skips layers of codes 18 to 20; the form leaves such files to the text.
      if (result.count !== layers.length) return null;
      for (const layer of layers) {
        const c = state.criteria[layer.code - 1];
        if (!c || c.user_curves) return null;
        at = nextDataLine(lines, body, at + 1);
        const head = plainRow(lines[body[at] - 1] || '', 3);
        if (!head || number(head.values[0].token) !== layer.code || number(head.values[1].token) !== layer.top || number(head.values[2].token) !== layer.bottom) return null;
        const entry = { layer, criterion: c, headLine: body[at], valueLines: [] };
        const n = layer.top_values.length;
        if (n) {
          for (const values of [layer.top_values, layer.bottom_values]) {
            at = nextDataLine(lines, body, at + 1);
            const row = plainRow(lines[body[at] - 1] || '', n);
            if (!row || row.values.some((v, k) => number(v.token) !== values[k])) return null;
            entry.valueLines.push(body[at]);
          }
        }
        result.layers.push(entry);
      }
      return result;
    }

    // The names and units of a criterion's values, one per value.
    function fieldHeads(c, units) {
      const heads = [];
      for (const f of c.fields) {
        const unit = units === 'SI' ? f.si : units === 'USCS' ? f.uscs : '';
        for (let k = 0; k < f.count; k++) heads.push(f.name + (f.count > 1 ? ' ' + (k + 1) : '') + (unit && unit !== '-' ? ' (' + unit + ')' : ''));
      }
      return heads;
    }

    function layersTable(u, section) {
      const box = el('section', { class: 'form-block', id: 'form-layers' }, el('h3', { text: 'Soil layers' }));
      const layers = state.outline.layers;
      if (!section) {
        box.append(el('p', { class: 'note', text: 'The input has no SOIL LAYERS section.' }));
        return box;
      }
      const rows = layerRows(section);
      const lines = state.lines;
      const units = state.outline.units;
      for (const [i, layer] of layers.entries()) {
        const c = state.criteria[layer.code - 1];
        const entry = rows && rows.layers[i];
        const block = el('div', { class: 'form-layer' });
        const criterion = el('select', { 'aria-label': 'p-y criterion of layer ' + (i + 1) });
        for (const k of state.criteria) if (k.counted) criterion.append(el('option', { value: k.code, text: k.code + ' ' + k.description }));
        criterion.value = String(layer.code);
        criterion.disabled = !entry;
        criterion.addEventListener('change', () => changeCriterion(entry, Number(criterion.value)));
        const top = entry ? numberInput(layer.top, (v) => write({ [entry.headLine]: rewrite(lines[entry.headLine - 1], 3, [layer.code, v, layer.bottom]) }), 'Top of layer ' + (i + 1)) : text(layer.top);
        const bottom = entry ? numberInput(layer.bottom, (v) => write({ [entry.headLine]: rewrite(lines[entry.headLine - 1], 3, [layer.code, layer.top, v]) }), 'Bottom of layer ' + (i + 1)) : text(layer.bottom);
        const remove = el('button', { type: 'button', class: 'link', text: 'remove', disabled: !entry || layers.length < 2 });
        remove.addEventListener('click', () => removeLayer(rows, entry));
        block.append(el('div', { class: 'form-layer-head' }, el('strong', { text: 'Layer ' + (i + 1) }), criterion, el('label', null, 'top ', top, ' ' + u.length), el('label', null, 'bottom ', bottom, ' ' + u.length), remove));
        const heads = fieldHeads(c, units);
        if (heads.length) {
          const table = el('table', { class: 'form-table' });
          table.append(el('thead', null, el('tr', null, el('th'), heads.map((h) => el('th', { text: h })))));
          const tbody = el('tbody');
          [['at the top', layer.top_values], ['at the bottom', layer.bottom_values]].forEach(([where, values], r) => {
            const cells = values.map((v, k) => {
              if (!entry) return el('td', { text: text(v) });
              const line = entry.valueLines[r];
              return el('td', null, numberInput(v, (nv) => {
                const next = values.slice();
                next[k] = nv;
                write({ [line]: rewrite(lines[line - 1], values.length, next) });
              }, heads[k] + ' ' + where + ' of layer ' + (i + 1)));
            });
            tbody.append(el('tr', null, el('th', { text: where }), cells));
          });
          table.append(tbody);
          block.append(table);
        }
        box.append(block);
      }
      const add = el('button', { type: 'button', text: 'Add a layer below', disabled: !rows });
      add.addEventListener('click', () => addLayer(rows));
      box.append(add);
      if (!rows) box.append(el('p', { class: 'note warn', text: 'The soil layers are written in a form that the table does not rewrite (user p-y curves, rows over two lines, r*v or a slash): edit them in the text.' }));
      return box;
    }

    // A layer's rows for criterion `code`: its header and two value rows, the
    // values of the same name carried over, the others zero.
    function layerLines(code, top, bottom, old) {
      const c = state.criteria[code - 1];
      const names = [];
      for (const f of c.fields) for (let k = 0; k < f.count; k++) names.push(f.name + '#' + k);
      const oldNames = [];
      if (old) for (const f of old.criterion.fields) for (let k = 0; k < f.count; k++) oldNames.push(f.name + '#' + k);
      const carry = (values) => names.map((n) => (old && oldNames.indexOf(n) >= 0 ? values[oldNames.indexOf(n)] : 0));
      const lines = [[code, top, bottom].map(text).join('  ') + '   ' + c.description];
      if (names.length) {
        lines.push(carry(old ? old.layer.top_values : []).map(text).join('  ') + '   top');
        lines.push(carry(old ? old.layer.bottom_values : []).map(text).join('  ') + '   bottom');
      }
      return lines;
    }

    function changeCriterion(entry, code) {
      const { layer } = entry;
      const changes = {};
      const head = layerLines(code, layer.top, layer.bottom, entry);
      changes[entry.headLine] = head.slice(0, 1).concat(entry.valueLines.length ? [] : head.slice(1));
      if (entry.valueLines.length) {
        changes[entry.valueLines[0]] = head.length > 1 ? head[1] : null;
        changes[entry.valueLines[1]] = head.length > 2 ? head[2] : null;
      }
      write(changes);
    }

    function addLayer(rows) {
      const last = rows.layers[rows.layers.length - 1];
      const end = last.valueLines.length ? last.valueLines[1] : last.headLine;
      const depth = last.layer.bottom;
      const lines = state.lines;
      write({
        [rows.countLine]: rewrite(lines[rows.countLine - 1], 1, [rows.count + 1]),
        [end]: [lines[end - 1]].concat(layerLines(last.layer.code, depth, depth + (depth - last.layer.top || 10), last)),
      });
    }

    function removeLayer(rows, entry) {
      const changes = { [rows.countLine]: rewrite(state.lines[rows.countLine - 1], 1, [rows.count - 1]) };
      for (const n of [entry.headLine].concat(entry.valueLines)) changes[n] = null;
      write(changes);
    }

    // ------------------------------------------------------------ load cases

    function loadRows(section) {
      const lines = state.lines;
      const body = section.body;
      const cases = state.outline.load_cases;
      let at = nextDataLine(lines, body, 0);
      const countRow = plainRow(lines[body[at] - 1] || '', 1);
      if (!countRow || number(countRow.values[0].token) !== cases.length) return null;
      const result = { countLine: body[at], rows: [] };
      for (const c of cases) {
        at = nextDataLine(lines, body, at + 1);
        const row = plainRow(lines[body[at] - 1] || '', 6);
        if (!row) return null;
        const v = row.values.map((x) => number(x.token));
        if (v[1] !== c.type || v[2] !== c.condition1 || v[3] !== c.condition2 || v[4] !== c.axial) return null;
        result.rows.push({ line: body[at], values: v });
      }
      return result;
    }

    function loadTable(u, section) {
      const box = el('section', { class: 'form-block', id: 'form-loads' }, el('h3', { text: 'Load cases' }));
      if (state.outline.lrfd) {
        box.append(el('p', { class: 'note', text: 'An LRFD run: its load groups and combinations are edited in the text.' }));
        return box;
      }
      if (!section) {
        box.append(el('p', { class: 'note', text: 'The input has no LOADING section.' }));
        return box;
      }
      const rows = loadRows(section);
      const lines = state.lines;
      const table = el('table', { class: 'form-table' });
      table.append(
        el('thead', null, el('tr', null, ['No.', 'Head condition', 'Condition 1', 'Condition 2', 'Axial load (' + u.force + ')', 'Length study', ''].map((h) => el('th', { text: h }))))
      );
      const tbody = el('tbody');
      state.outline.load_cases.forEach((c, i) => {
        const row = rows && rows.rows[i];
        const put = (k, v) => {
          const values = row.values.slice();
          values[k] = v;
          write({ [row.line]: rewrite(lines[row.line - 1], 6, values) });
        };
        const type = el('select', { 'aria-label': 'Head condition of load case ' + (i + 1), disabled: !row });
        for (const [k, t] of Object.entries(LOAD_TYPES)) type.append(el('option', { value: k, text: k + ' ' + t[0] }));
        type.value = String(c.type);
        type.addEventListener('change', () => put(1, Number(type.value)));
        const [, first, second] = LOAD_TYPES[c.type] || LOAD_TYPES[1];
        const cell = (k, value, what) =>
          el('td', null, row ? numberInput(value, (v) => put(k, v), what[0] + ' of load case ' + (i + 1)) : text(value), ' ' + what[0].toLowerCase() + ' (' + u[what[1]] + ')');
        const study = el('input', { type: 'checkbox', 'aria-label': 'Length study of load case ' + (i + 1), disabled: !row });
        study.checked = c.length_study;
        study.addEventListener('change', () => put(5, study.checked ? 0 : 1));
        const remove = el('button', { type: 'button', class: 'link', text: 'remove', disabled: !row });
        remove.addEventListener('click', () => write({ [rows.countLine]: rewrite(lines[rows.countLine - 1], 1, [rows.rows.length - 1]), [row.line]: null }));
        tbody.append(el('tr', null, el('td', { text: String(i + 1) }), el('td', null, type), cell(2, c.condition1, first), cell(3, c.condition2, second), el('td', null, row ? numberInput(c.axial, (v) => put(4, v), 'Axial load of load case ' + (i + 1)) : text(c.axial)), el('td', null, study), el('td', null, remove)));
      });
      table.append(tbody);
      box.append(table);
      const add = el('button', { type: 'button', text: 'Add a load case', disabled: !rows });
      add.addEventListener('click', () => {
        const n = rows.rows.length;
        const after = n ? rows.rows[n - 1].line : rows.countLine;
        const like = n ? rows.rows[n - 1].values : [0, 1, 0, 0, 0, 1];
        write({
          [rows.countLine]: rewrite(lines[rows.countLine - 1], 1, [n + 1]),
          [after]: [lines[after - 1], [n + 1, like[1], like[2], like[3], like[4], like[5]].map(text).join('  ')],
        });
      });
      box.append(add);
      box.append(el('p', { class: 'note', text: 'The distributed lateral load after the load cases is edited in the text.' }));
      if (!rows) box.append(el('p', { class: 'note warn', text: 'The load cases are written in a form that the table does not rewrite (rows over two lines, r*v or a slash): edit them in the text.' }));
      return box;
    }

    // ------------------------------------------------------------ drawing

    function draw() {
      root.textContent = '';
      const o = state.outline;
      const u = UNITS[o.units] || UNITS.USCS;
      root.append(
        el(
          'p',
          { class: 'note' },
          'The pile, the soil and the loads of the input as tables, in ' + o.units + ' units. The text is the master: a change here is written into the text at its line, and the tables are read back from it.'
        )
      );
      if (o.error) {
        const go = el('button', { type: 'button', class: 'link', text: 'line ' + o.error.line });
        go.addEventListener('click', () => io.revealLine(o.error.line));
        root.append(el('p', { class: 'note warn' }, 'The reader stopped at ' + o.error.identity + (o.error.line ? ' (' : ''), o.error.line ? go : null, o.error.line ? ')' : '', ': the tables show what it read before. Correct the text there.'));
      }
      const found = sectionsOf(state.lines);
      root.append(sectionsTable(u));
      if (o.run_kind !== 2) {
        root.append(layersTable(u, found['SOIL LAYERS']));
        root.append(loadTable(u, found.LOADING));
      }
    }

    async function load() {
      const seq = ++reading;
      const textNow = io.getText();
      if (!state.criteria) state.criteria = JSON.parse(await io.criteria());
      const outline = JSON.parse(await io.outline(textNow));
      if (seq !== reading) return;
      state.outline = outline;
      state.lines = textNow.split('\n');
      draw();
    }

    return { load: load };
  };
})();
