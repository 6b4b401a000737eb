// The main window in the browser: the controls built from the engine's field table,
// the calculation on "Рассчитать" or Enter, the results, comment, hints, fill strip
// and messages, the design file and the report as downloads, the last inputs kept in
// local storage.
(function () {
  'use strict';
  var B = VelmoraBridge;
  var STORE = 'velmora.inputs', LANG = 'velmora.lang';
  var lang = 'ru', table = null, state = {}, byName = {}, queue = [];
  var $ = function (id) { return document.getElementById(id); };
  var page = window.velmoraPage = { calcMs: [], firstResult: null, last: null };

  function words() { return table.words; }
  function isInput(f) { return f.role !== 'result'; }
  function load() {
    try { return JSON.parse(localStorage.getItem(STORE) || '{}'); } catch (e) { return {}; }
  }
  function keep() {
    try { localStorage.setItem(STORE, JSON.stringify(state)); localStorage.setItem(LANG, lang); } catch (e) { /* private mode */ }
  }

  // ---- controls -------------------------------------------------------------------
  // The controls the build wrote into the page (controls.js, make_site.js), or the same
  // markup put in here; then each field's control and label found by its name.
  function build() {
    table.fields.forEach(function (f) { byName[f.name] = { field: f }; });
    if (!$('windings').firstChild) {
      var m = VelmoraControls.markup(table);
      $('kinds').innerHTML = m.kinds;
      $('core-inputs').innerHTML = m.core;
      $('totals').innerHTML = m.totals;
      $('Conductor').innerHTML = m.wires;
      $('Steel').parentNode.insertAdjacentHTML('afterend', m.heat);
      $('windings').innerHTML = m.windings;
    }
    document.querySelectorAll('#design [data-field]').forEach(function (el) {
      var c = byName[el.dataset.field];
      c.el = el;
      c.span = el.parentNode.querySelector('.label') || el.previousElementSibling;
    });
    for (var i = 1; i <= 5; ++i) $('rect-button-' + i).addEventListener('click', openRectifier.bind(null, i));
  }

  function heatWords() {
    var w = words(), select = byName.Insulation && byName.Insulation.el;
    if (!select) return;
    var value = select.value;
    select.textContent = '';
    table.classes.forEach(function (c) {
      var o = document.createElement('option');
      o.value = c.letter;
      o.textContent = w.insulationOption.replace('{class}', c.letter).replace('{limit}', c.limit);
      select.appendChild(o);
    });
    if (value) choose(select, value);
    byName.Tamb.el.title = w.tambTip;
    select.title = w.insulationTip;
    byName.Impregnated.el.title = w.impregnatedTip;
  }
  // A value the list lacks (a design file's "155" or "b") is shown as it is, not lost.
  function choose(select, value) {
    if (![].some.call(select.options, function (o) { return o.value === value; })) {
      var o = document.createElement('option');
      o.value = o.textContent = value;
      select.appendChild(o);
    }
    select.value = value;
  }

  function coreKind() {
    var r = document.querySelector('input[name=core]:checked');
    return r ? Number(r.value) : 0;
  }
  // The engine's shape of a kind: a ring or not, its picture; none for a kind it lacks.
  function shapeOf(core) { return table.shapes[core] || null; }

  // Labels that change with the core kind, as the window's.
  function presentCore() {
    var core = coreKind(), w = words(), ring = shapeOf(core).ring, sizes = table.sizes[core];
    var hints = ring ? [w.ringDHint, w.ringdHint, w.ringHHint] : [w.steelLsHint, w.steelHsHint, w.steelLokHint];
    ['lst', 'hst', 'lok', 'hok'].forEach(function (n, k) {
      put(byName[n].span, sizes[n]);
      if (k < 3) byName[n].el.title = hints[k];
    });
    byName.hok.el.parentNode.hidden = ring;
    byName.lkar.el.disabled = ring;
    // The kind's picture from the page's own (make_site.js): drawn with the page, not
    // decoded as a document of its own; set only when it changes.
    var use = $('picture').firstElementChild, href = '#picture-' + shapeOf(core).picture.replace(/\.svg$/, '');
    if (use.getAttribute('href') !== href) use.setAttribute('href', href);
    $('picture').setAttribute('aria-label', table.cores[core]);
  }

  function applyWords() {
    var w = words();
    document.documentElement.lang = lang;
    document.querySelectorAll('[data-word]').forEach(function (e) { put(e, w[e.dataset.word]); });
    table.fields.forEach(function (f) {
      var c = byName[f.name];
      if (!c.span) return;
      put(c.span, f.label + (f.unit ? ', ' + f.unit : ''));
    });
    heatWords();
    put(byName.hkar.span, w.bobbinWidth);
    put(byName.hkar1.span, w.bobbinHeight);
    document.querySelectorAll('#kinds label').forEach(function (l, k) { put(l.lastChild, table.cores[k]); });
    document.querySelectorAll('#windings fieldset').forEach(function (s) {
      var n = Number(s.dataset.winding);
      put(s.firstChild, n === 1 ? w.primary : w.secondary + '2.' + (n - 1));
    });
    presentCore();
  }

  // ---- state <-> controls ---------------------------------------------------------
  // A text set only when it changes: the engine's first results are mostly the ones the
  // build painted, and an unchanged page is not laid out again.
  function put(el, text) {
    text = text === undefined || text === null ? '' : String(text);
    if (el.textContent !== text) el.textContent = text;
  }
  function show(values) {
    Object.keys(values).forEach(function (name) {
      var c = byName[name];
      if (!c) return;  // a key this page does not know: harmless
      var v = values[name];
      if (c.field && isInput(c.field)) state[name] = String(v);
      if (name === 'core') {
        var r = $('core-' + v);
        if (r) r.checked = true;
      } else if (c.el && c.el.type === 'checkbox') {
        c.el.checked = String(v) !== '0';
      } else if (c.el && c.el.tagName === 'OUTPUT') {
        put(c.el, v);
      } else if (c.el && c.el.tagName === 'SELECT' && name !== 'Conductor') {
        choose(c.el, String(v));
      } else if (c.el) {
        c.el.value = v;
      }
    });
    presentCore();
  }

  // The inputs as the controls hold them, into `into`.
  function read(into) {
    table.fields.forEach(function (f) {
      var c = byName[f.name];
      if (!isInput(f)) return;
      if (f.name === 'core') into.core = String(coreKind());
      else if (f.name === 'Conductor') { if (c.el.value) into.Conductor = c.el.value; }
      else if (c.el && c.el.type === 'checkbox') into[f.name] = c.el.checked ? '1' : '0';
      else if (c.el) into[f.name] = c.el.value;
    });
    return into;
  }
  function take() {
    read(state);
    return Object.assign({}, state);
  }

  // ---- the calculation ------------------------------------------------------------
  // `quiet` is the calculation while typing: no message boxes (live.js shows the outcome
  // inline), and only the results shown: the inputs keep the user's text until
  // "Рассчитать" puts in what the calculation made of them and says why.
  function calculate(quiet) {
    if (!B.loaded()) return null;
    quiet = quiet === true;
    var inputs = take();
    var t0 = performance.now();
    var res = B.calculate(inputs, lang);
    page.calcMs.push(performance.now() - t0);
    page.last = res;
    if (res.failure) {
      if (!quiet) tell(words().warning, res.failure);
      announce(res, quiet);
      return res;
    }
    present(res, quiet, B.shown(lang), B.overfilled());
    $('design').classList.remove('stale');
    keep();
    if (!quiet) (res.messages || []).forEach(function (m) { tell(m.caption, m.text); });
    announce(res, quiet);
    if (page.firstResult === null) page.firstResult = performance.now();
    return res;
  }
  // A calculation's results shown: the figures (`quiet`: the inputs left as typed), the
  // comment, the hints, the misread marks, the strip, the steel group and the marks.
  function present(res, quiet, shown, overfilled) {
    var fields = Object.assign({}, res.fields);
    if (quiet) Object.keys(fields).forEach(function (n) { if (!byName[n] || isInput(byName[n].field)) delete fields[n]; });
    show(fields);
    $('comment').value = res.comment;
    document.querySelectorAll('output').forEach(function (o) { o.title = ''; o.dataset.hint = ''; });
    Object.keys(res.hints || {}).forEach(function (id) {
      var o = document.querySelector('[data-field="' + fieldById(Number(id)) + '"]');
      if (!o) return;
      var gauge = res.hints[id] && res.gauges && res.gauges[id];
      var tip = res.hints[id] + (gauge ? '\n' + gauge : '');
      o.title = tip; o.dataset.hint = tip;
    });
    document.querySelectorAll('input.misread').forEach(function (e) {
      e.classList.remove('misread'); e.title = ''; e.removeAttribute('aria-invalid');
    });
    (res.warnings || []).forEach(function (m) {
      var c = byName[m.field];
      if (!c || !c.el) return;
      c.el.classList.add('misread');
      c.el.setAttribute('aria-invalid', 'true');
      c.el.title = B.loaded() ? B.misreadNotice(m.reads === null ? Infinity : m.reads, lang) : '';
    });
    var shape = shapeOf(Number(res.fields.core));
    VelmoraStrip.draw($('strip'), res.extents, !!(shape && shape.ring), overfilled, words());
    showBeside(shown);
  }
  // What else follows a calculation (the summary, the share link, the secondaries
  // shown) listens for this.
  function announce(res, quiet) {
    document.dispatchEvent(new CustomEvent('velmora:calculated', { detail: { result: res, quiet: quiet } }));
  }

  // The steel group and the rectifier marks, as the window shows them. `before`: the
  // engine has not loaded and the design is not the default one, whose group the build
  // took: its labels and grades without figures.
  function showBeside(s, before) {
    var g = s.steel, select = $('Steel');
    page.shown = s;
    $('steel-title').textContent = g.title;
    $('steel-grade-label').textContent = g.gradeLabel;
    select.title = g.gradeTip;
    if (select.options.length !== g.grades.length) {
      select.textContent = '';
      g.grades.forEach(function (name) {
        var o = document.createElement('option');
        o.value = o.textContent = name;
        select.appendChild(o);
      });
    }
    select.selectedIndex = g.chosen;
    var rows = $('steel-rows');
    g.rows.forEach(function (row, k) {
      var out = $('steel-value-' + k);
      if (!out) {
        var label = document.createElement('label'), span = document.createElement('span');
        span.className = 'label';
        span.id = 'steel-label-' + k;
        out = document.createElement('output');
        out.id = 'steel-value-' + k;
        label.appendChild(span);
        label.appendChild(out);
        rows.appendChild(label);
      }
      put($('steel-label-' + k), row.label);
      out.setAttribute('aria-live', 'off');
      put(out, before ? '' : row.value);
      out.title = before ? '' : row.tip;
    });
    // A figure shown only with a value (the supply's efficiency) may have gone: no row
    // stays behind with an old figure.
    for (var k = g.rows.length; $('steel-value-' + k); ++k) $('steel-value-' + k).parentNode.remove();
    put($('steel-notes'), before ? '' : g.notes.join('\n'));
    // A design that cannot work says so above the results, with every reason.
    var why = before ? [] : s.cannotWork || [];
    put($('cannot-work'), why.join('\n'));
    $('cannot-work').hidden = why.length === 0;
    if (before) return;
    s.rectifiers.forEach(function (r, k) {
      var mark = $('rect-mark-' + (k + 1));
      mark.textContent = r.mark;
      mark.title = r.tip;
    });
  }

  // ---- the rectifier helper -------------------------------------------------------
  var RECT_KEYS = [['Udc', 'Udc2_'], ['Idc', 'Idc2_'], ['C', 'C2_'], ['Vd', 'Vd2_'], ['rd', 'rd2_']];
  var rectFor = 0;
  function openRectifier(i) {
    var held = page.shown.rectifiers[i - 1], select = $('rect-circuit');
    rectFor = i;
    $('rectifier-title').textContent = words().rectifier.replace(/\.+$/, '') + ' 2.' + i;
    select.textContent = '';
    page.shown.circuits.forEach(function (name, c) {
      var o = document.createElement('option');
      o.value = String(c);
      o.textContent = name;
      select.appendChild(o);
    });
    // The secondary's own circuit, or the one its winding suits (the engine's choice).
    select.value = String(held.opens);
    RECT_KEYS.forEach(function (k) { $('rect-' + k[0]).value = held[k[0]]; });
    $('rect-Vd').title = $('rect-rd').title = words().rectifierDiodeTip;
    $('rectifier').returnValue = '';
    $('rectifier').showModal();
  }
  $('rectifier').addEventListener('close', function () {
    if ($('rectifier').returnValue !== 'apply' || !rectFor) return;
    var i = rectFor;
    take();
    // As the window: a circuit without a tap asks before it takes a centre-tapped winding whole.
    var ask = (page.shown.rectifiers[i - 1].asks || [])[Number($('rect-circuit').value)];
    if (ask && String(state['double2_' + i]) === '1' && !window.confirm(ask)) return;
    state['rect2_' + i] = $('rect-circuit').value;
    RECT_KEYS.forEach(function (k) { state[k[1] + i] = $('rect-' + k[0]).value; });
    var res = calculate();
    // As the window: a helper that did not settle says why.
    (res.rectifiers || []).forEach(function (r) {
      if (r.secondary === i && r.status !== 'settled' && r.status !== 'none') tell(words().warning, r.text);
    });
  });

  // A hand edit of a secondary's voltage or current detaches its rectifier.
  function detach(name) {
    var m = /^(U2|I2)_(\d)$/.exec(name);
    if (!m || !state['rect2_' + m[2]] || state['rect2_' + m[2]] === '0') return;
    state['rect2_' + m[2]] = '0';
    $('rect-mark-' + m[2]).textContent = '';
    $('rect-mark-' + m[2]).title = '';
  }

  var idIndex = null;
  function fieldById(id) {
    if (!idIndex) { idIndex = {}; table.fields.forEach(function (f) { idIndex[f.id] = f.name; }); }
    return idIndex[id];
  }

  // ---- messages, one dialog after another -----------------------------------------
  function tell(caption, text) {
    queue.push([caption, text]);
    if (!$('message').open) next();
  }
  function next() {
    var m = queue.shift();
    if (!m) return;
    $('message-caption').textContent = m[0];
    $('message-text').textContent = m[1];
    $('message').showModal();
    $('message-ok').focus();
  }
  $('message').addEventListener('close', next);
  page.pendingMessages = function () { return queue.length + ($('message').open ? 1 : 0); };

  // ---- files ----------------------------------------------------------------------
  function download(bytes, name, type) {
    var a = document.createElement('a');
    a.href = URL.createObjectURL(new Blob([bytes], { type: type }));
    a.download = name;
    document.body.appendChild(a);
    a.click();
    setTimeout(function () { URL.revokeObjectURL(a.href); a.remove(); }, 1000);
  }
  function saveDesign() {
    calculate();  // the saved fields are the ones the calculation leaves
    var inputs = take(), out = B.save(inputs, lang);
    if (out.error) return tell(words().warning, out.error);
    download(out.bytes, B.name(inputs, '.sav', lang), 'application/octet-stream');
  }
  function saveReport() {
    calculate();
    var inputs = take(), out = B.report(inputs, lang);
    if (out.error) return tell(words().warning, out.error);
    download(out.bytes, B.name(inputs, '.txt', lang), 'text/plain;charset=windows-1251');
  }
  function loadDesign(file) {
    file.arrayBuffer().then(function (buf) {
      var out = B.load(new Uint8Array(buf), file.name, lang);
      if (!out.ok) return tell(words().warning, out.error);
      show(out.inputs);
      calculate();
    });
  }

  // ---- bobbin sizes derived while typing (as the window's edits do) ---------------
  // The engine derives them from the inputs as the controls hold them: `edited` a core
  // size, or 'core' for a kind chosen (its bobbin and its induction).
  function applyDerived(edited) {
    var out = B.derive(read({}), edited);
    Object.keys(out).forEach(function (n) { byName[n].el.value = out[n]; });
  }
  function derive(name) {
    if (name === 'lst' || name === 'hst' || name === 'lok' || name === 'hok') applyDerived(name);
    // A bobbin size typed by the user is a size the user sets.
    if (name === 'hkar' || name === 'hkar1' || name === 'lkar') byName.razmery.el.checked = true;
  }

  // A new core kind: its labels, its bobbin derived from its dimensions, its induction.
  function coreChanged() {
    applyDerived('core');
    presentCore();
  }

  // ---- start ----------------------------------------------------------------------
  // The layout, its words and the inputs are shown at once from the build's copy of the
  // engine's table (boot.js); the results once the engine has loaded.
  function defaults() {
    var d = {};
    table.fields.forEach(function (f) { if (isInput(f)) d[f.name] = f.def; });
    return d;
  }
  // Before the engine: the default design's results as the build calculated them, or,
  // for another design, the steel group's labels and an empty result.
  function paintBefore() {
    var boot = VelmoraBoot[lang], d = defaults();
    if (Object.keys(d).every(function (k) { return String(state[k]) === String(d[k]); }))
      present(boot.result, true, boot.shown, 0);
    else
      showBeside(boot.shown, true);
  }
  function start() {
    // The languages the engine offers, each named in itself; the kept choice if it is one.
    var offered = B.fields(lang).languages, kept = localStorage.getItem(LANG);
    offered.forEach(function (l) {
      var o = document.createElement('option');
      o.value = l.code;
      o.textContent = l.name;
      $('lang').appendChild(o);
      if (l.code === kept) lang = kept;
    });
    var shared = window.VelmoraShare ? VelmoraShare.read(location.hash) : null;
    $('lang').value = lang;
    table = B.fields(lang);
    build();
    show(Object.assign(defaults(), shared ? shared.inputs : load()));
    applyWords();
    paintBefore();
    var form = $('design');
    form.addEventListener('submit', function (e) { e.preventDefault(); calculate(); });
    form.addEventListener('input', function (e) {
      var n = e.target.dataset.field;
      if (n) { derive(n); detach(n); }
      form.classList.add('stale');
    });
    $('kinds').addEventListener('change', coreChanged);
    $('load').addEventListener('click', function () { $('load-file').click(); });
    $('load-file').addEventListener('change', function (e) {
      if (e.target.files[0]) loadDesign(e.target.files[0]);
      e.target.value = '';
    });
    $('save').addEventListener('click', saveDesign);
    $('save-report').addEventListener('click', saveReport);
    $('help').addEventListener('click', function () { tell(words().help, B.help(lang)); });
    $('about').addEventListener('click', function () { tell(words().about, words().aboutText); });
    $('Conductor').addEventListener('change', function () { calculate(); });
    $('Steel').addEventListener('change', function () {
      var name = $('Steel').value;
      state.Steel = name === page.shown.steel['default'] ? '' : name;
      calculate();
    });
    $('lang').addEventListener('change', function () {
      take();
      lang = $('lang').value;
      table = B.fields(lang);
      applyWords();
      if (!B.loaded()) paintBefore();
      calculate();
    });
    Object.assign(page, {
      calculate: calculate, show: show, inputs: take, defaults: defaults,
      words: words, lang: function () { return lang; }, table: function () { return table; },
      // A whole design at once (a reset, a shared link): every input, then its results.
      replace: function (inputs, quiet) {
        state = {};
        show(Object.assign(defaults(), inputs));
        return calculate(quiet);
      }
    });
    B.ready(take(), lang).then(function () {
      document.body.removeAttribute('data-loading');
      calculate();
      document.body.dataset.ready = '1';
    });
  }

  start();
})();
