// The engine's calls, texts in and out: inputs are {key: text} as the CLI's --set
// keys take them.
var VelmoraBridge = (function () {
  var M = null;
  function pack(inputs) {
    return Object.keys(inputs).map(function (k) { return k + '\x1f' + inputs[k]; }).join('\x1e');
  }
  function bytes() {
    var p = M._velmora_bytes(), n = M._velmora_bytes_size();
    return M.HEAPU8.slice(p, p + n);
  }
  function call(name, types, args) { return M.ccall(name, 'string', types, args); }
  // The designer's search runs in an engine of its own in a worker, so that the page
  // stays responsive; where no worker can start (a page opened from disk), here, after
  // the page has painted its busy state.
  var worker = null, jobs = {}, job = 0;
  function designer() {
    if (worker !== null) return worker;
    try { worker = location.protocol === 'file:' ? false : new Worker('designer_worker.js'); } catch (e) { worker = false; }
    if (!worker) return worker;
    worker.onmessage = function (e) { var j = jobs[e.data.id]; delete jobs[e.data.id]; j.done(e.data.out); };
    // A worker that cannot start its engine: what it was asked is done here.
    worker.onerror = function () {
      worker = false;
      Object.keys(jobs).forEach(function (id) { var j = jobs[id]; delete jobs[id]; designHere(j.args).then(j.done); });
    };
    return worker;
  }
  function designHere(args) {
    return new Promise(function (done) {
      setTimeout(function () { done(call('velmora_design', ['string', 'string', 'string'], args)); }, 50);
    });
  }
  function script(src, have) {
    return new Promise(function (done, fail) {
      if (have) return done();
      var s = document.createElement('script');
      s.src = src;
      s.onload = done;
      s.onerror = fail;
      document.head.appendChild(s);
    });
  }
  return {
    // The engine's script is loaded here, after the page has painted from the words
    // the build took from it (boot.js). Its module (engine.wasm) is compiled as it
    // arrives; a page opened from disk may fetch nothing and takes it from a script.
    ready: function () {
      var disk = location.protocol === 'file:';
      return Promise.all([script('engine.js', typeof createVelmora === 'function'),
                          script('engine-wasm.js', !disk || typeof VelmoraWasm === 'string')])
        .then(function () {
          return createVelmora(disk ? { wasmBinary: Uint8Array.from(atob(VelmoraWasm), function (c) { return c.charCodeAt(0); }) } : {});
        })
        // The module's start and the first calculation in separate tasks: neither holds the
        // page's thread for long.
        .then(function (m) { M = m; return new Promise(function (next) { setTimeout(next, 0); }); });
    },
    loaded: function () { return M !== null; },
    // The field table; before the engine has loaded, the copy the build took from it.
    fields: function (lang) {
      if (!M) return JSON.parse(JSON.stringify(VelmoraBoot[lang].fields));
      return JSON.parse(call('velmora_fields', ['string'], [lang]));
    },
    calculate: function (inputs, lang) {
      return JSON.parse(call('velmora_calculate', ['string', 'string'], [pack(inputs), lang]));
    },
    overfilled: function () { return M._velmora_overfilled(); },
    // {field: text} of what an edit derives: edited 'lst', 'hst', 'lok', 'hok' or 'core'.
    derive: function (inputs, edited) {
      return JSON.parse(call('velmora_derive', ['string', 'string'], [pack(inputs), edited]));
    },
    // The steel group and the rectifier marks of the last calculation, worded.
    shown: function (lang) { return JSON.parse(call('velmora_shown', ['string'], [lang])); },
    // {bytes} or {error}
    save: function (inputs, lang) {
      var e = call('velmora_save', ['string', 'string'], [pack(inputs), lang]);
      return e ? { error: e } : { bytes: bytes() };
    },
    report: function (inputs, lang) {
      var e = call('velmora_report', ['string', 'string'], [pack(inputs), lang]);
      return e ? { error: e } : { bytes: bytes() };
    },
    // A design file's bytes under the user's file name.
    load: function (data, name, lang) {
      var p = M._malloc(data.length || 1);
      M.HEAPU8.set(data, p);
      var out = call('velmora_load', ['number', 'number', 'string', 'string'], [p, data.length, name, lang]);
      M._free(p);
      return JSON.parse(out);
    },
    name: function (inputs, ext, lang) {
      return call('velmora_name', ['string', 'string', 'string'], [pack(inputs), ext, lang]);
    },
    misreadNotice: function (reads, lang) {
      return call('velmora_misread_notice', ['number', 'string'], [reads, lang]);
    },
    help: function (lang) { return call('velmora_help', ['string'], [lang]); },
    // The designer dialog's words and the request's keys with velmora-cli's defaults.
    designerWords: function (lang) { return JSON.parse(call('velmora_designer_words', ['string'], [lang])); },
    // velmora-cli --design of the inputs, with each design's inputs, the chart and the
    // summary; request: {goal, limit key: text}. A promise.
    design: function (inputs, request, lang) {
      var args = [pack(inputs), pack(request), lang], w = designer();
      var out = w ? new Promise(function (done) { jobs[++job] = { done: done, args: args }; w.postMessage({ id: job, args: args }); }) : designHere(args);
      return out.then(JSON.parse);
    },
    // The design sheet of the last calculation (the window's PDF's content).
    sheet: function (lang) { return JSON.parse(call('velmora_sheet', ['string'], [lang])); }
  };
})();
