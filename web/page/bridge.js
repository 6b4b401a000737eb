// The engine's calls, texts in and out: inputs are {key: text} as the CLI's --set
// keys take them.
var VelmoraBridge = (function () {
  var M = null;
  // Until the page's own engine is needed: the module the worker compiled and its
  // calculation of the design the page opened with ({inputs, lang, result, shown,
  // overfilled}, texts as the engine gave them).
  var module = null, first = null, glue = null;
  function pack(inputs) {
    return Object.keys(inputs).map(function (k) { return k + '\x1f' + inputs[k]; }).join('\x1e');
  }
  // The page's engine, started at once from the worker's module (its code already
  // compiled) the first time a call needs more than the worker's calculation; it then
  // calculates that design too, so that it holds what the worker held.
  function engine() {
    if (M || !module) return M;
    // The engine's script, fetched while loading, is decoded and run only now.
    if (typeof createVelmora !== 'function') {
      var s = document.createElement('script');
      s.textContent = new TextDecoder().decode(glue);
      document.head.appendChild(s);
    }
    var m = {
      instantiateWasm: function (imports, done) {
        var instance = new WebAssembly.Instance(module, imports);
        done(instance, module);
        return instance.exports;
      }
    };
    createVelmora(m);
    M = m;
    M.ccall('velmora_calculate', 'string', ['string', 'string'], [first.inputs, first.lang]);
    return M;
  }
  function bytes() {
    var p = engine()._velmora_bytes(), n = M._velmora_bytes_size();
    return M.HEAPU8.slice(p, p + n);
  }
  function call(name, types, args) { return engine().ccall(name, 'string', types, args); }
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
  // The worker's module and calculation, or null where there is none.
  function warm(inputs, lang) {
    return new Promise(function (done) {
      var w;
      try { w = new Worker('engine_warm.js'); } catch (e) { return done(null); }
      w.onmessage = function (e) { w.terminate(); done(e.data && e.data.module instanceof WebAssembly.Module ? e.data : null); };
      w.onerror = function (e) { e.preventDefault(); w.terminate(); done(null); };
      w.postMessage({ inputs: pack(inputs), lang: lang });
    });
  }
  return {
    // The engine is loaded here, after the page has painted from the words the build
    // took from it (boot.js). A worker (engine_warm.js) compiles its module (engine.wasm)
    // and calculates the design on the page; the page fetches the engine's script but
    // runs it, and starts its own engine from that module, only when a call needs it,
    // so that loading holds the page's thread for no long task. A page opened from disk
    // may fetch nothing (and start no worker): it takes the module from a script and
    // starts at once, as a browser without workers does.
    ready: function (inputs, lang) {
      var disk = location.protocol === 'file:';
      var text = disk || typeof createVelmora === 'function' ? null
        : fetch('engine.js').then(function (r) { return r.ok ? r.arrayBuffer() : null; }).catch(function () { return null; });
      return Promise.all([text, disk ? null : warm(inputs || {}, lang || 'ru')])
        .then(function (got) {
          if (got[1] && (got[0] || typeof createVelmora === 'function')) {
            glue = got[0];
            module = got[1].module;
            first = got[1];
            // A touch, a key or a focused control comes before the edit that needs the
            // engine: it starts then, while the user has yet to type.
            ['pointerdown', 'keydown', 'focusin'].forEach(function (type) {
              document.addEventListener(type, function () { engine(); }, { once: true, capture: true, passive: true });
            });
            return;
          }
          return Promise.all([script('engine.js', typeof createVelmora === 'function'),
                              script('engine-wasm.js', !disk || typeof VelmoraWasm === 'string')])
            .then(function () {
              var wasm = disk ? { wasmBinary: Uint8Array.from(atob(VelmoraWasm), function (c) { return c.charCodeAt(0); }) } : {};
              return createVelmora(wasm);
            })
            .then(function (m) { M = m; });
        })
        // The module's start and the first calculation in separate tasks: neither holds the
        // page's thread for long.
        .then(function () { return new Promise(function (next) { setTimeout(next, 0); }); });
    },
    loaded: function () { return M !== null || module !== null; },
    // Whether the page's own engine runs (a call beyond the worker's calculation started it).
    started: function () { return M !== null; },
    // The field table; before the engine has loaded, the copy the build took from it.
    fields: function (lang) {
      if (!M) return JSON.parse(JSON.stringify(VelmoraBoot[lang].fields));
      return JSON.parse(call('velmora_fields', ['string'], [lang]));
    },
    calculate: function (inputs, lang) {
      var text = pack(inputs);
      if (!M && first && text === first.inputs && lang === first.lang) return JSON.parse(first.result);
      return JSON.parse(call('velmora_calculate', ['string', 'string'], [text, lang]));
    },
    overfilled: function () { return M || !first ? engine()._velmora_overfilled() : first.overfilled; },
    // {field: text} of what an edit derives: edited 'lst', 'hst', 'lok', 'hok' or 'core'.
    derive: function (inputs, edited) {
      return JSON.parse(call('velmora_derive', ['string', 'string'], [pack(inputs), edited]));
    },
    // The steel group and the rectifier marks of the last calculation, worded.
    shown: function (lang) {
      if (!M && first && lang === first.lang) return JSON.parse(first.shown);
      return JSON.parse(call('velmora_shown', ['string'], [lang]));
    },
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
      var p = engine()._malloc(data.length || 1);
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
