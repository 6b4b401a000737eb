// The fill strip: the windings' extents (pixels of a 900-wide strip) as boxes, the
// reserve of a ring's hole, and after an overfill the part that does not fit.
var VelmoraStrip = (function () {
  var W = 900, H = 24, NS = 'http://www.w3.org/2000/svg';
  var colours = { primary: '#a00040', secondary: '#a00060', red: '#ff0000' };
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
    t.textContent = text;
    svg.appendChild(t);
  }
  // e: {ext1, ext2_1..ext2_5} of the result; ring: the core is a ring (its hole keeps
  // a reserve); overfilled 0 or the winding.
  function draw(svg, e, ring, overfilled, words) {
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
  return { draw: draw };
})();
