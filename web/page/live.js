// The page as it is used on a phone and kept: results recalculated while typing (the
// outcome said inline, the message boxes kept for "Рассчитать"), one announced summary
// per calculation, the secondaries shown when used or added, the address following the
// design (share.js), a reset to the default design and a link to copy.
(function () {
  'use strict';
  var page = window.velmoraPage, form = document.getElementById('design');
  var $ = function (id) { return document.getElementById(id); };
  var DELAY = 300, timer = 0, added = 0;

  // ---- recalculation while typing ---------------------------------------------------
  form.addEventListener('input', function () {
    clearTimeout(timer);
    timer = setTimeout(function () { timer = 0; page.calculate(true); }, DELAY);
  });
  document.addEventListener('velmora:calculated', function (e) {
    if (!e.detail.quiet) clearTimeout(timer);
  });

  // ---- the summary: one polite announcement per calculation --------------------------
  function figure(res, name) {
    var f = page.table().fields.find(function (x) { return x.name === name; });
    return f.label + ': ' + res.fields[name] + (f.unit ? ' ' + f.unit : '');
  }
  function summary(res) {
    var w = page.words();
    if (res.failure) return { bad: true, text: res.failure };
    if (res.status !== 'ok') {
      var said = (res.messages || []).map(function (m) { return m.text; }).join(' ');
      return { bad: true, text: w.notCalculated + '. ' + said };
    }
    var why = page.shown && page.shown.cannotWork || [];
    if (why.length) return { bad: true, text: why.join(' ') };
    var notes = (res.messages || []).map(function (m) { return ' ' + m.text; }).join('');
    return { bad: false, text: w.calculated + '. ' + figure(res, 'Pgab') + '.' + notes };
  }
  document.addEventListener('velmora:calculated', function (e) {
    var s = summary(e.detail.result), box = $('summary');
    if (box.textContent !== s.text) box.textContent = s.text;
    box.title = s.text;  // for a tap when two lines cannot hold it (tips.js)
    box.classList.toggle('bad', s.bad);
    if (!e.detail.result.failure) {
      var shape = (page.table().shapes || [])[Number(e.detail.result.fields.core)];
      $('strip-text').textContent = VelmoraStrip.describe(e.detail.result.extents,
        !!(shape && shape.ring), window.VelmoraBridge.overfilled(), page.words());
    }
    follow();
    secondaries(!e.detail.quiet);
  });

  // ---- the address follows the design ---------------------------------------------
  // The default design, as typed or as its calculation leaves it, has the plain address.
  function plain(inputs, defaults) {
    var settled = VelmoraBoot.ru.settled;
    return Object.keys(inputs).every(function (k) {
      var v = String(inputs[k]);
      return v === String(defaults[k] === undefined ? '' : defaults[k]) || v === settled[k];
    });
  }
  function follow() {
    var inputs = page.inputs(), defaults = page.defaults();
    var hash = plain(inputs, defaults) ? '' : VelmoraShare.write(inputs, defaults);
    if (hash !== location.hash) history.replaceState(null, '', location.pathname + location.search + hash);
  }
  window.addEventListener('hashchange', function () {
    var shared = VelmoraShare.read(location.hash);
    if (shared) { added = 0; page.replace(shared.inputs); }
  });
  $('copy-link').addEventListener('click', function () {
    follow();
    var url = location.href, box = $('summary'), w = page.words();
    var said = function (text) { box.textContent = text; box.classList.remove('bad'); };
    if (navigator.clipboard && window.isSecureContext) {
      navigator.clipboard.writeText(url).then(function () { said(w.linkCopied); },
                                              function () { said(w.linkShown + ' ' + url); });
    } else {
      said(w.linkShown + ' ' + url);
    }
  });

  // ---- the secondaries: the first always, the others when used or added --------------
  function used(i) {
    return ['U2_', 'I2_'].some(function (k) {
      var el = document.querySelector('[data-field="' + k + i + '"]');
      var v = el ? el.value.trim() : '';
      return v !== '' && Number(v.replace(',', '.')) !== 0;
    });
  }
  // `fewer`: a secondary emptied may go (not while typing in it).
  function secondaries(fewer) {
    var sets = document.querySelectorAll('#windings fieldset'), hidden = 0;
    sets.forEach(function (set) {
      var i = Number(set.dataset.winding) - 1;
      if (i < 2) return;
      var show = used(i) || i <= added + 1;
      if (show || fewer) set.hidden = !show;
      if (set.hidden) hidden++;
    });
    $('add-secondary').hidden = hidden === 0;
  }
  $('add-secondary').addEventListener('click', function () {
    var next = document.querySelector('#windings fieldset[hidden]');
    if (!next) return;
    added = Math.max(added, Number(next.dataset.winding) - 2);
    next.hidden = false;
    secondaries(false);
    next.querySelector('input[type=text]').focus();
  });

  // ---- a reset to the default design ------------------------------------------------
  $('reset').addEventListener('click', function () {
    added = 0;
    page.replace({});
  });

  secondaries(true);
  // The controls are complete: the page may show (style.css hides it while building).
  document.body.removeAttribute('data-building');
})();
