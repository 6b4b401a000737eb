// The fill strip: the windings' extents (pixels of a 900-wide strip) as boxes, the
// reserve of a ring's hole, and after an overfill the part that does not fit. The strip
// is stretched to the page's width; its labels are not: each keeps its glyphs' width and
// is left out where its box is too narrow (the text beside the strip says every share).
var VelmoraStrip = (function () {
  var W = 900, H = 24, NS = 'http://www.w3.org/2000/svg';
  var colours = { primary: '#a00040', secondary: '#a00060', red: '#c00000' };
  var scale = 1, width = 0, drawn = null, same = '';
  // The strip's width in pixels, watched rather than asked for (asking would force a
  // layout in the middle of showing a result); a new width draws again.
  var watch = window.ResizeObserver ? new ResizeObserver(function (seen) {
    var w = seen[0].contentRect.width;
    if (w && w !== width) { width = w; if (drawn) draw.apply(null, drawn); }
  }) : null;
  function box(svg, x0, x1, fill, text) {
    if (x1 <= x0) return;
    var r = document.createElementNS(NS, 'rect');
    r.setAttribute('x', x0); r.setAttribute('y', 0);
    r.setAttribute('width', x1 - x0); r.setAttribute('height', H);
    r.setAttribute('fill', fill); r.setAttribute('stroke', '#000');
    svg.appendChild(r);
    var t = document.createElementNS(NS, 'text');
    t.setAttribute('x', (x0 + x1) / 2); t.setAttribute('y', H / 2 + 4);
    t.setAttribute('text-anchor', 'middle'); t.setAttribute('fill', '#fff');
    t.setAttribute('font-size', '12');
    t.setAttribute('transform', 'translate(' + (x0 + x1) / 2 + ' 0) scale(' + 1 / scale + ' 1) translate(' + -(x0 + x1) / 2 + ' 0)');
    t.textContent = text;
    // About 7.5 px a glyph at 12 px.
    if ((x1 - x0) * scale >= text.length * 7.5 + 4) svg.appendChild(t);
  }
  // e: {ext1, ext2_1..ext2_5} of the result; ring: the core is a ring (its hole keeps
  // a reserve); overfilled 0 or the winding.
  function draw(svg, e, ring, overfilled, words) {
    if (watch && !drawn) watch.observe(svg);
    drawn = [svg, e, ring, overfilled, words];
    scale = (width || W) / W;
    // The same strip at the same width is left as it is (no layout of its texts again).
    var key = JSON.stringify([e, ring, overfilled, scale, words.hole, words.noFit]);
    if (key === same) return;
    same = key;
    while (svg.firstChild) svg.removeChild(svg.firstChild);
    svg.setAttribute('data-extents', JSON.stringify(e));
    var stop = overfilled > 0 ? overfilled : 7;
    if (e.ext1 && stop > 1) box(svg, 0, e.ext1, colours.primary, '1');
    var from = stop > 1 ? e.ext1 : 0;
    for (var i = 0; i < 5 && i + 2 < stop; ++i) {
      var to = e['ext2_' + (i + 1)];
      if (!to) continue;
      box(svg, from, to, colours.secondary, '2.' + (i + 1));
      from = to;
    }
    if (ring) box(svg, W - Math.trunc(W * 0.3), W, colours.red, overfilled ? '' : words.hole);
    if (overfilled > 0) box(svg, Math.max(0, Math.min(from, W - 1)), W, colours.red, words.noFit);
  }
  // The shares in words: "Доли окна: 1 — 26 %, 2.1 — 14 %; свободно — 60 %", and the
  // ring's reserve or the part that does not fit as the strip says them.
  function describe(e, ring, overfilled, words) {
    var pct = function (a, b) { return Math.round(Math.max(0, b - a) / W * 100) + ' %'; };
    var parts = [], from = 0;
    if (e.ext1) { parts.push('1 — ' + pct(0, e.ext1)); from = e.ext1; }
    for (var i = 1; i <= 5; ++i) {
      var to = e['ext2_' + i];
      if (!to) continue;
      parts.push('2.' + i + ' — ' + pct(from, to));
      from = to;
    }
    var text = words.fillShares + ': ' + parts.join(', ');
    if (overfilled > 0) return text + '; ' + words.noFit + '.';
    if (from < W) text += '; ' + words.fillFree + ' — ' + pct(from, W);
    return text + '.' + (ring ? ' ' + words.hole : '');
  }
  return { draw: draw, describe: describe };
})();
