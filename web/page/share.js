// A design in the address's fragment, so that a link opens it: "#v=1&U2_1=12.6&I2_1=2.5",
// the inputs that differ from the default design, as the CLI's --set keys take them.
// The fragment never reaches a server, and the service worker answers any of them.
var VelmoraShare = (function () {
  'use strict';
  function write(inputs, defaults) {
    var p = new URLSearchParams();
    p.set('v', '1');
    Object.keys(inputs).sort().forEach(function (k) {
      if (String(inputs[k]) !== String(defaults[k] === undefined ? '' : defaults[k])) p.set(k, inputs[k]);
    });
    return '#' + p.toString();
  }
  // {inputs} of a fragment this page wrote, else null.
  function read(hash) {
    if (!hash || hash.length < 2) return null;
    var p = new URLSearchParams(hash.slice(1));
    if (p.get('v') !== '1') return null;
    var inputs = {};
    p.forEach(function (v, k) { if (k !== 'v') inputs[k] = v; });
    return { inputs: inputs };
  }
  return { write: write, read: read };
})();
