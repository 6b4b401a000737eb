// The print layout: the design sheet the window's PDF prints, its content from the
// engine (the sheet's title, its tables, the fill strip and the core picture, the
// winding instruction), built after each calculation and shown only on paper.
(function () {
  'use strict';
  var B = VelmoraBridge, page = window.velmoraPage;
  var sheet = document.getElementById('sheet'), due = false, queued = false;

  function el(tag, text, parent) {
    var e = document.createElement(tag);
    if (text !== undefined) e.textContent = text;
    parent.appendChild(e);
    return e;
  }
  // A table of the sheet: its heading kept with it; column heads where it has them.
  function table(t) {
    var block = el('section', undefined, sheet);
    el('h2', t.heading, block);
    var tab = el('table', undefined, block);
    if (t.head.length) {
      var head = el('tr', undefined, el('thead', undefined, tab));
      t.head.forEach(function (h) { el('th', h, head).scope = 'col'; });
    }
    var body = el('tbody', undefined, tab);
    t.rows.forEach(function (r) {
      var tr = el('tr', undefined, body);
      r.forEach(function (c, k) { el(k || t.head.length ? 'td' : 'th', c, tr); });
    });
  }

  function build() {
    due = false;
    if (!B.loaded()) return;
    var c = B.sheet(page.lang());
    sheet.textContent = '';
    if (!c.tables) return;
    el('h1', c.title, sheet);
    c.tables.forEach(table);
    var pictures = el('section', undefined, sheet);
    el('h2', c.picturesHeading, pictures);
    var picture = document.getElementById('picture').cloneNode(true);
    picture.removeAttribute('id');
    pictures.appendChild(picture);
    var strip = document.getElementById('strip').cloneNode(true);
    strip.removeAttribute('id');
    strip.removeAttribute('aria-labelledby');
    strip.removeAttribute('aria-describedby');
    strip.setAttribute('aria-hidden', 'true');
    pictures.appendChild(strip);
    var instruction = el('section', undefined, sheet);
    el('h2', c.instructionHeading, instruction);
    el('pre', c.instruction.join('\n'), instruction);
  }

  // After the calculation's own task, so that it keeps its time, once the page's own
  // engine runs: the sheet alone would start it while the page loads (a long task), so
  // until then it waits for printing.
  document.addEventListener('velmora:calculated', function () {
    due = true;
    if (queued || !B.started()) return;
    queued = true;
    setTimeout(function () { queued = false; if (due) build(); }, 0);
  });
  window.addEventListener('beforeprint', function () { if (due) build(); });
  if (window.matchMedia) {
    window.matchMedia('print').addEventListener('change', function (e) { if (e.matches && due) build(); });
  }
  page.buildSheet = build;
})();
