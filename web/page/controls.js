// The main window's controls as markup, from the engine's field table: the build writes
// it into index.html (make_site.js), so that the page adopts controls the parser made
// instead of building them in script; a page without them (its sources served as they
// are) puts the same markup in. The build's copy carries the words of the opening
// language and core kind, so that the page's first layout is its last; the page sets
// them (app.js) and changes only the ones that differ.
var VelmoraControls = (function () {
  'use strict';
  var CORE_FIELDS = ['lst', 'hst', 'lok', 'hok', 'hkar', 'hkar1', 'lkar', 'megsl', 'megob', 'razmery',
                     'Bm', 'j', 'F'];

  function esc(s) {
    return String(s).replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;').replace(/"/g, '&quot;');
  }
  function named(f) {
    return ' id="f-' + esc(f.name) + '" data-field="' + esc(f.name) + '" name="' + esc(f.name) + '"';
  }
  // A field's label as the page words it (app.js: applyWords, presentCore) for `core`.
  function labelOf(table, f, core) {
    var w = table.words, sizes = table.sizes[core] || {};
    if (f.name === 'hkar') return w.bobbinWidth;
    if (f.name === 'hkar1') return w.bobbinHeight;
    if (sizes[f.name] !== undefined) return sizes[f.name];
    return f.label + (f.unit ? ', ' + f.unit : '');
  }
  // One field's label and control; `kind` overrides the table's control (the heating's
  // inputs), `cls` the label's classes.
  function control(f, kind, cls) {
    kind = kind || f.control;
    var span = '<span class="label">' + (said ? esc(labelOf(said.table, f, said.core)) : '') + '</span>';
    if (kind === 'check')
      return '<label class="' + ['check'].concat(cls || []).join(' ') + '"><input type="checkbox"' + named(f) + '>' + span + '</label>';
    var open = cls ? '<label class="' + cls.join(' ') + '">' : '<label>';
    var el;
    if (f.role === 'result') el = '<output' + named(f) + ' aria-live="off"></output>';  // one summary is announced (live.js)
    else if (kind === 'combo') el = '<select' + named(f) + '></select>';
    // A minus must be at hand for an edit of the heating (the ambient): the full keyboard.
    else if (cls) el = '<input type="text" autocomplete="off"' + named(f) + '>';
    else el = '<input type="text" inputmode="decimal" autocomplete="off"' + named(f) + '>';
    return open + span + el + '</label>';
  }

  var said = null;
  // {kinds, core, totals, wires, heat, windings}: the inner markup of each container;
  // worded for core kind `core` when given, else bare.
  function markup(table, core) {
    said = core === undefined ? null : { table: table, core: core };
    var by = {}, w = said ? table.words : {};
    var word = function (text) { return text === undefined || text === null ? '' : esc(text); };
    table.fields.forEach(function (f) { by[f.name] = f; });
    var kinds = '';
    for (var c = 0; c < 5; ++c)
      kinds += '<label><input type="radio" name="core" value="' + c + '" id="core-' + c + '"><span>' + word(said && table.cores[c]) + '</span></label>';
    // The heating's appended inputs, under the steel grade: the yes/no checks first (one
    // shares the grade's line on a phone), then the others, each in the table's order.
    var checks = '', others = '';
    table.fields.forEach(function (f) {
      if (f.role !== 'appended' || f.control !== 'none' || f.winding !== 0) return;
      var kind = f.integer ? 'check' : f.name === 'Insulation' ? 'combo' : 'edit';
      var html = control(f, kind, ['heat', 'heat-' + f.name]);
      if (kind === 'check') checks += html; else others += html;
    });
    var windings = '';
    for (var k = 1; k <= 6; ++k) {
      // The secondaries after the first wait hidden until used or added (live.js).
      windings += '<fieldset data-winding="' + k + '"' + (k >= 3 ? ' hidden' : '') + '><legend>' + word(said && (k === 1 ? w.primary : w.secondary + '2.' + (k - 1))) +
                  '</legend><div class="grid">';
      table.fields.forEach(function (f) { if (f.winding === k && f.control !== 'none') windings += control(f); });
      windings += '</div>';
      // Under a secondary: the rectifier helper's button and the mark of what it set.
      if (k >= 2)
        windings += '<div class="rect"><button type="button" id="rect-button-' + (k - 1) + '" data-word="rectifier">' + word(w.rectifier) + '</button>' +
                    '<span class="rect-mark" id="rect-mark-' + (k - 1) + '"></span></div>';
      windings += '</fieldset>';
    }
    return {
      kinds: kinds,
      core: CORE_FIELDS.map(function (n) { return control(by[n]); }).join(''),
      totals: table.totals.map(function (n) { return control(by[n]); }).join(''),
      wires: table.wires.map(function (n) { return '<option value="' + esc(n) + '">' + esc(n) + '</option>'; }).join(''),
      heat: checks + others,
      windings: windings
    };
  }
  return { markup: markup, labelOf: labelOf, esc: esc };
})();
if (typeof module === 'object') module.exports = VelmoraControls;
