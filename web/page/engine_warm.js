// A worker the page starts beside itself: it compiles the engine's module and calculates
// the design the page opened with, off the page's thread, then hands the module and the
// results to the page. The browser compiles each function of a module on its first call;
// the page shares this module's code, so its own engine, started from it when first
// needed, runs compiled code at once. Anything failing here hands over nothing: the page
// then compiles the module itself.
'use strict';
importScripts('engine.js');

var module = WebAssembly.compileStreaming(fetch('engine.wasm'));

onmessage = function (e) {
  module.then(function (m) {
    return createVelmora({
      instantiateWasm: function (imports, done) {
        WebAssembly.instantiate(m, imports).then(function (instance) { done(instance, m); });
        return {};
      }
    }).then(function (M) {
      var got = { module: m, inputs: e.data.inputs, lang: e.data.lang };
      got.result = M.ccall('velmora_calculate', 'string', ['string', 'string'], [got.inputs, got.lang]);
      got.shown = M.ccall('velmora_shown', 'string', ['string'], [got.lang]);
      got.overfilled = M._velmora_overfilled();
      postMessage(got);
    });
  }).catch(function () { postMessage(null); });
};
