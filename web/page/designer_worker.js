// The designer's search in an engine of its own, off the page's thread (bridge.js).
/* global createVelmora */
importScripts('engine.js');
var engine = createVelmora();
onmessage = function (e) {
  engine.then(function (M) {
    postMessage({ id: e.data.id, out: M.ccall('velmora_design', 'string', ['string', 'string', 'string'], e.data.args) });
  });
};
