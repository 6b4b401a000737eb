// Hints a tap shows: a result's hint, a misread field's notice, a rectifier mark's tip
// and the steel figures' notes live in `title` (a mouse's tool-tip); a tap or the
// keyboard's focus shows the same text in a box under the element, until the next tap
// elsewhere or Escape. Elements with a tip are marked (dotted) and results with one
// take the keyboard's focus.
(function () {
  'use strict';
  var tip = document.getElementById('tip'), form = document.getElementById('design');
  var TIPPED = 'output, input.misread, .rect-mark, #Steel, .heat input, .heat select, #summary';
  var at = null;

  function hide() { tip.hidden = true; at = null; }
  function show(el) {
    var text = el.getAttribute('title');
    if (!text) return hide();
    if (at === el && !tip.hidden) return;
    at = el;
    tip.textContent = text;
    tip.hidden = false;
    var r = el.getBoundingClientRect(), width = Math.min(360, document.documentElement.clientWidth - 16);
    tip.style.maxWidth = width + 'px';
    tip.style.left = Math.max(8, Math.min(r.left, document.documentElement.clientWidth - width - 8)) + window.scrollX + 'px';
    tip.style.top = r.bottom + window.scrollY + 4 + 'px';
  }
  function target(e) {
    var el = e.target.closest && e.target.closest(TIPPED);
    return el && form.contains(el) ? el : null;
  }
  document.addEventListener('click', function (e) {
    var el = target(e);
    if (el && el.getAttribute('title')) show(el); else if (!tip.contains(e.target)) hide();
  });
  form.addEventListener('focusin', function (e) { var el = target(e); if (el) show(el); else hide(); });
  document.addEventListener('keydown', function (e) { if (e.key === 'Escape') hide(); });
  window.addEventListener('resize', hide);

  // After each calculation: the elements that now have a tip are marked and reachable.
  document.addEventListener('velmora:calculated', function () {
    hide();
    form.querySelectorAll(TIPPED).forEach(function (el) {
      if (el.id === 'summary') return;  // its tip only repeats what two lines may cut
      var has = !!el.getAttribute('title');
      el.classList.toggle('has-tip', has);
      if (el.tagName === 'OUTPUT') {
        if (has) el.tabIndex = 0; else el.removeAttribute('tabindex');
      }
    });
  });
})();
