// "Спроектировать...": the designer for the loads on the page, as the window's dialog.
// The goal and velmora-cli's limits, the best design of each core of the E-I series in a
// table sortable by each column, the engine's mass-against-loss chart; a row's core or a
// point of the chart puts that design into the page's inputs and calculates it.
(function () {
  'use strict';
  var B = VelmoraBridge, page = window.velmoraPage;
  var $ = function (id) { return document.getElementById(id); };
  var dlg = $('designer'), built = false, words = null, result = null, order = null, busy = false;

  function el(tag, props, parent) {
    var e = document.createElement(tag);
    Object.keys(props || {}).forEach(function (k) {
      if (k === 'text') e.textContent = props[k];
      else if (k in e && k !== 'role') e[k] = props[k];
      else e.setAttribute(k, props[k]);
    });
    if (parent) parent.appendChild(e);
    return e;
  }

  // The dialog's controls, built when first opened (the page starts without them).
  function build() {
    dlg.setAttribute('aria-labelledby', 'designer-title');
    var form = el('form', { id: 'designer-form', className: 'designer-form', noValidate: true }, dlg);
    el('h2', { id: 'designer-title' }, form);
    var grid = el('div', { className: 'grid' }, form);
    var goal = el('label', {}, grid);
    el('span', { className: 'label', id: 'designer-goal-label' }, goal);
    el('select', { id: 'designer-goal' }, goal);
    words.limits.forEach(function (l) {
      // j from and to share one label, as the window's two boxes do.
      var row = l.key === 'j_max' ? $('designer-j') : el('label', {}, grid);
      if (l.key === 'j_min') {
        row = el('div', { id: 'designer-j', className: 'pair', role: 'group', 'aria-labelledby': 'designer-label-j_min' }, grid);
        grid.insertBefore(el('span', { className: 'label', id: 'designer-label-j_min' }), row);
      } else if (l.key !== 'j_max') {
        el('span', { className: 'label', id: 'designer-label-' + l.key }, row);
      }
      var input = el('input', { type: 'text', id: 'designer-' + l.key, inputMode: 'decimal', autocomplete: 'off' }, row);
      input.dataset.limit = l.key;
      if (l.key === 'j_min' || l.key === 'j_max') input.setAttribute('aria-labelledby', 'designer-label-j_min');
    });
    var buttons = el('div', { className: 'buttons' }, form);
    el('button', { type: 'submit', id: 'designer-run' }, buttons);
    el('button', { type: 'button', id: 'designer-close' }, buttons);
    el('p', { id: 'designer-status', className: 'designer-status', role: 'status' }, form);
    el('div', { id: 'designer-chart', className: 'designer-chart' }, dlg);
    var results = el('div', { className: 'designer-results', id: 'designer-results', hidden: true }, dlg);
    var wrap = el('div', { className: 'designer-table', tabIndex: 0, role: 'region', 'aria-labelledby': 'designer-title' }, results);
    var table = el('table', { id: 'designer-table' }, wrap);
    el('thead', {}, table);
    el('tbody', {}, table);
    form.addEventListener('submit', function (e) { e.preventDefault(); run(); });
    $('designer-close').addEventListener('click', function () { dlg.close(); });
    $('designer-chart').addEventListener('click', function (e) {
      var p = e.target.closest('[id^="row-"]');
      if (p) apply(Number(p.id.slice(4)));
    });
    built = true;
  }

  function present() {
    $('designer-title').textContent = words.title;
    $('designer-goal-label').textContent = words.goal;
    var goal = $('designer-goal'), chosen = goal.value || 'mass';
    goal.textContent = '';
    words.goals.forEach(function (g) { el('option', { value: g.key, text: g.name }, goal); });
    goal.value = chosen;
    words.limits.forEach(function (l) {
      var label = $('designer-label-' + l.key);
      if (label) label.textContent = l.label;
    });
    $('designer-run').textContent = words.run;
    $('designer-close').textContent = page.words().close;
    $('designer-status').title = words.method;
    if (result) fill();
  }

  // The request as velmora-cli takes it: the goal and every limit given ('.' or ',').
  function request() {
    var q = { goal: $('designer-goal').value };
    dlg.querySelectorAll('[data-limit]').forEach(function (i) {
      i.removeAttribute('aria-invalid');
      if (i.value.trim()) q[i.dataset.limit] = i.value.trim().replace(',', '.');
    });
    return q;
  }

  function run() {
    if (busy || !B.loaded()) return;
    busy = true;
    dlg.setAttribute('aria-busy', 'true');
    $('designer-run').disabled = true;
    $('designer-status').textContent = page.words().designerBusy;
    $('designer-status').classList.remove('bad');
    B.design(page.inputs(), request(), page.lang()).then(function (out) {
      busy = false;
      dlg.removeAttribute('aria-busy');
      $('designer-run').disabled = false;
      page.design = out;
      if (out.error) {
        $('designer-status').textContent = out.error;
        $('designer-status').classList.add('bad');
        var bad = out.key && $('designer-' + out.key);
        if (bad) { bad.setAttribute('aria-invalid', 'true'); bad.focus(); }
        return;
      }
      result = out;
      order = { key: null, down: false };
      fill();
    });
  }

  // A cell's number for sorting: the JSON's figure; the core's name sorts as text.
  function sortKey(row, key) {
    var d = result.design.rows[row];
    return key === 'name' ? d.name : key === 'pareto' ? (d.pareto ? 0 : 1) : (d[key] === null ? Infinity : d[key]);
  }
  function rowsInOrder() {
    var rows = result.design.rows.map(function (d, k) { return k; });
    if (order.key === null) return rows;
    rows.sort(function (a, b) {
      var x = sortKey(a, order.key), y = sortKey(b, order.key);
      var c = typeof x === 'string' ? x.localeCompare(y) : x - y;
      return (order.down ? -c : c) || a - b;
    });
    return rows;
  }

  function fill() {
    $('designer-status').textContent = result.summary;
    $('designer-results').hidden = false;
    var chart = $('designer-chart');
    chart.innerHTML = result.chart;
    var svg = chart.querySelector('svg');
    if (svg) { svg.setAttribute('role', 'img'); svg.setAttribute('aria-label', words.title); }
    var heads = [{ key: 'name', label: words.core }].concat(words.columns, [{ key: 'pareto', label: words.pareto }]);
    var thead = $('designer-table').tHead, tbody = $('designer-table').tBodies[0];
    thead.textContent = '';
    var tr = el('tr', {}, thead);
    heads.forEach(function (h) {
      var th = el('th', { scope: 'col' }, tr);
      if (order.key === h.key) th.setAttribute('aria-sort', order.down ? 'descending' : 'ascending');
      var b = el('button', { type: 'button', text: h.label }, th);
      b.dataset.sort = h.key;
      b.addEventListener('click', function () {
        order = { key: h.key, down: order.key === h.key && !order.down };
        fill();
        dlg.querySelector('[data-sort="' + h.key + '"]').focus();
      });
    });
    tbody.textContent = '';
    rowsInOrder().forEach(function (k) {
      var d = result.design.rows[k], row = el('tr', {}, tbody);
      row.dataset.row = k;
      var name = el('button', { type: 'button', text: d.name, className: 'designer-apply' }, el('th', { scope: 'row' }, row));
      name.title = words.apply;
      name.addEventListener('click', function () { apply(k); });
      words.columns.forEach(function (c) {
        el('td', { text: d[c.key] === null ? '-' : d[c.key].toFixed(c.decimals) }, row);
      });
      el('td', { text: d.pareto ? '*' : '' }, row);
    });
  }

  // The design of a row into the page's inputs, calculated; the dialog closes, as the
  // window's does on a choice.
  function apply(row) {
    var inputs = result && result.inputs[row];
    if (!inputs) return;
    dlg.close();
    page.replace(inputs);
  }

  // Asked before the engine has come: opened with the first result.
  var asked = false;
  function open() {
    if (dlg.open) return;
    if (!B.loaded()) {
      if (!asked) document.addEventListener('velmora:calculated', function () { asked = false; open(); }, { once: true });
      asked = true;
      return;
    }
    words = B.designerWords(page.lang());
    if (!built) {
      build();
      words.limits.forEach(function (l) { $('designer-' + l.key).defaultValue = l.def; });
    }
    present();
    dlg.showModal();
    $('designer-goal').focus();
  }

  $('designer-open').addEventListener('click', open);
  Object.assign(page, { openDesigner: open, designWith: run, applyDesign: apply });
})();
