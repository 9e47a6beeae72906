// The input editor: a plain textarea for the typing (the browser's own
// editing, undo, selection, search and accessibility) over a layer that shows
// the same text with the keyword file's structure highlighted, a gutter of
// line numbers, and markers on the lines the checks found fault with.
//
//   const ed = TarvexEditor(element, {onChange, onRun});
//   ed.getText(); ed.setText(text); ed.setMarkers([{line, severity, title}]);
//   ed.revealLine(n); ed.focus();
//
// The highlighting follows the file's sections: the format tag, the section
// keywords, the option and keyword lines inside OPTIONS and SECTIONS, the
// title lines, and in the rows of numbers the values read and the remark
// after them (values beyond those a row holds are ignored by the reader).
(function () {
  'use strict';

  const SECTIONS = new Set([
    'TITLE',
    'OPTIONS',
    'SECTIONS',
    'SOIL LAYERS',
    'LOADING',
    'LRFD LOADS',
    'LRFD FACTORS AND CASES',
    'AXIAL THRUST LOADS',
    'TIP SHEAR',
    'PILE BATTER AND SLOPE',
    'GROUPEFF',
    'GROUP EFFECT FACTORS',
    'SOIL MOVEMENTS',
    'DEPTHS OF PRINTED P-Y CURVES',
    'END',
  ]);
  // A value of a row: a number (1, 1., .5, 1.5E-3, 1.5D-3), r*v, r*, or a
  // quoted text.
  const NUMBER = /^[-+]?(\d+\.?\d*|\.\d+)([eEdDqQ][-+]?\d+)?$/;
  const REPEAT = /^\d+\*([-+]?(\d+\.?\d*|\.\d+)([eEdDqQ][-+]?\d+)?)?$/;

  function escape(text) {
    return text.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;');
  }

  function span(cls, text) {
    return text ? '<span class="' + cls + '">' + escape(text) + '</span>' : '';
  }

  // A row of values: the values highlighted up to the first word that is not
  // one (or a slash), the rest shown as a remark.
  function row(line) {
    let html = '';
    let i = 0;
    while (i < line.length) {
      const blank = /^[ \t,]+/.exec(line.slice(i));
      if (blank) {
        html += escape(blank[0]);
        i += blank[0].length;
        continue;
      }
      const rest = line.slice(i);
      if (rest[0] === '/') return html + span('tv-slash', '/') + span('tv-remark', rest.slice(1));
      if (rest[0] === "'" || rest[0] === '"') {
        const q = rest[0];
        let j = 1;
        while (j < rest.length && !(rest[j] === q && rest[j + 1] !== q)) j += rest[j] === q ? 2 : 1;
        html += span('tv-string', rest.slice(0, j + 1));
        i += j + 1;
        continue;
      }
      const token = /^[^ \t,/]+/.exec(rest)[0];
      if (NUMBER.test(token) || REPEAT.test(token)) {
        html += span('tv-number', token);
        i += token.length;
        continue;
      }
      return html + span('tv-remark', rest);
    }
    return html;
  }

  // The highlighted lines of the whole text, as HTML, one string per line.
  function highlight(lines) {
    const out = [];
    let section = '';
    let titleLeft = 0;
    let tagSeen = false;
    for (const line of lines) {
      const trimmed = line.replace(/[ \t]+$/, '');
      if (!tagSeen) {
        if (trimmed.trim() === '') {
          out.push(escape(line));
          continue;
        }
        tagSeen = true;
        out.push(span(/^TARVEX6/.test(trimmed.trim()) ? 'tv-tag' : 'tv-bad', line));
        continue;
      }
      if (SECTIONS.has(trimmed)) {
        section = trimmed;
        titleLeft = trimmed === 'TITLE' ? 5 : 0;
        out.push(span('tv-section', line));
        continue;
      }
      if (section === 'END') {
        out.push(span('tv-after', line));
        continue;
      }
      if (titleLeft > 0) {
        titleLeft--;
        out.push(span('tv-title', line));
        continue;
      }
      const first = trimmed.trimStart();
      if (/^[A-Za-z]/.test(first)) {
        if (section === 'OPTIONS' || section === 'SECTIONS') {
          // "Units SI", "UseLRFD NO", "Rebar in circle", or a label and its
          // value ("MaxIterations 100", "Loading STATIC     1").
          const m = /^([A-Za-z][\w-]*)(\s+)(.*)$/.exec(line);
          if (m && /^[-+.\d]/.test(m[3])) {
            out.push(span('tv-option', m[1]) + escape(m[2]) + row(m[3]));
          } else if (m && /^(STATIC|CYCLIC)\b/.test(m[3])) {
            const n = /^(\S+)(.*)$/.exec(m[3]);
            out.push(span('tv-option', m[1]) + escape(m[2]) + span('tv-word', n[1]) + row(n[2]));
          } else {
            out.push(span('tv-option', line));
          }
        } else {
          out.push(span('tv-text', line));
        }
        continue;
      }
      out.push(row(line));
    }
    return out;
  }

  window.TarvexEditor = function (root, options) {
    const opts = options || {};
    root.classList.add('tv-editor');
    root.innerHTML =
      '<div class="tv-gutter" aria-hidden="true"><div class="tv-gutter-lines"></div></div>' +
      '<div class="tv-code"><pre class="tv-layer" aria-hidden="true"></pre>' +
      '<textarea class="tv-input" spellcheck="false" wrap="off" autocapitalize="off" autocomplete="off" ' +
      'aria-label="Input file" aria-multiline="true"></textarea></div>';
    const gutter = root.querySelector('.tv-gutter-lines');
    const layer = root.querySelector('.tv-layer');
    const input = root.querySelector('.tv-input');
    let markers = new Map(); // line -> {severity, title}
    let pending = false;

    function render() {
      pending = false;
      const lines = input.value.split('\n');
      const html = highlight(lines.map((l) => l.replace(/\r$/, '')));
      let layerHtml = '';
      let gutterHtml = '';
      for (let i = 0; i < lines.length; i++) {
        const m = markers.get(i + 1);
        const cls = m ? ' tv-' + m.severity : '';
        layerHtml += '<span class="tv-line' + cls + '">' + html[i] + '\n</span>';
        gutterHtml +=
          '<div class="tv-num' + cls + '"' + (m ? ' title="' + escape(m.title).replace(/"/g, '&quot;') + '"' : '') + '>' + (i + 1) + '</div>';
      }
      layer.innerHTML = layerHtml + ' ';
      gutter.innerHTML = gutterHtml;
      sync();
    }

    function schedule() {
      if (pending) return;
      pending = true;
      requestAnimationFrame(render);
    }

    function sync() {
      layer.style.transform = 'translate(' + -input.scrollLeft + 'px,' + -input.scrollTop + 'px)';
      gutter.style.transform = 'translateY(' + -input.scrollTop + 'px)';
    }

    input.addEventListener('input', () => {
      schedule();
      if (opts.onChange) opts.onChange();
    });
    input.addEventListener('scroll', sync);
    input.addEventListener('keydown', (e) => {
      if (e.key === 'Enter' && (e.ctrlKey || e.metaKey) && opts.onRun) {
        e.preventDefault();
        opts.onRun();
      }
    });

    const api = {
      input: input,
      getText: () => input.value,
      setText(text) {
        input.value = text;
        input.scrollTop = 0;
        input.scrollLeft = 0;
        render();
        if (opts.onChange) opts.onChange();
      },
      // [{line, severity: 'error' | 'warning', title}]
      setMarkers(list) {
        markers = new Map();
        for (const m of list) if (m.line > 0 && !markers.has(m.line)) markers.set(m.line, m);
        schedule();
      },
      // Puts the caret at the start of line n and scrolls it into view.
      revealLine(n) {
        const lines = input.value.split('\n');
        let pos = 0;
        for (let i = 0; i < n - 1 && i < lines.length; i++) pos += lines[i].length + 1;
        input.focus();
        input.setSelectionRange(pos, pos + (lines[n - 1] || '').length);
        const lineHeight = parseFloat(getComputedStyle(input).lineHeight) || 18;
        input.scrollTop = Math.max(0, (n - 4) * lineHeight);
        sync();
      },
      focus: () => input.focus(),
      render: render,
    };
    render();
    return api;
  };
  window.TarvexEditor.highlight = highlight;
})();
