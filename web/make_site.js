// The build's last step over the site folder, with the engine just linked (run in node):
//  - boot.js: the engine's field table, words, the default design's result, steel group
//    and inputs as calculated, in both languages, so that the page paints its real layout
//    (and the default design its results) before the engine loads;
//  - manifest.webmanifest: the installed application's name and icons, worded by the engine;
//  - index.html: the style sheet inlined (no request before the first paint), the core
//    kinds' pictures inline as symbols, and the controls as markup (controls.js), so that the
//    page adopts what the parser made instead of building them in script;
//  - page.js: the page's scripts in the order index.html names them, in one file, so that
//    a phone waits for one request instead of eight before the controls are built;
//  - engine-wasm.js: the module as a script, for a page opened from disk (fetching
//    engine.wasm is refused there);
//  - sw.js: the site's file list and a version that changes with any file, so that an
//    update installs a new service worker the page can offer.
// usage: node --no-experimental-fetch make_site.js <site folder>
'use strict';
const crypto = require('crypto');
const fs = require('fs');
const path = require('path');

const site = path.resolve(process.argv[2]);
const createVelmora = require(path.join(site, 'engine.js'));

function pack(inputs) {
  return Object.keys(inputs).map((k) => k + '\x1f' + inputs[k]).join('\x1e');
}

// The core kinds' pictures as symbols of one hidden drawing in the page, which the
// picture uses: drawn with the page instead of decoded as documents of their own. Their
// own titles stay out: the picture is named by the kind.
function sprite(site, shapes) {
  const symbols = [...new Set(shapes.map((s) => s.picture))].map((file) => {
    const svg = fs.readFileSync(path.join(site, file), 'utf8');
    const box = /<svg[^>]*\sviewBox="([^"]+)"/.exec(svg);
    if (!box) throw new Error(file + ': no viewBox');
    const body = svg.slice(svg.indexOf('>', svg.indexOf('<svg')) + 1, svg.lastIndexOf('</svg>'))
      .replace(/<title>[^<]*<\/title>\s*/, '').trim();
    return `<symbol id="picture-${file.replace(/\.svg$/, '')}" viewBox="${box[1]}">${body}</symbol>`;
  });
  return '<svg hidden aria-hidden="true">' + symbols.join('') + '</svg>';
}

// The controls as markup in their containers, so that the page adopts what the parser
// made, worded as the page opens (the page words them again, changing what differs).
// One structure serves every language: the build refuses tables that would build
// different controls.
function withControls(html, controls, boot) {
  const bare = JSON.stringify(controls.markup(boot.ru.fields));
  for (const lang of Object.keys(boot))
    if (JSON.stringify(controls.markup(boot[lang].fields)) !== bare) throw new Error(lang + ': other controls');
  // Worded as the page opens: Russian, the default core kind.
  const table = boot.ru.fields, esc = controls.esc;
  const m = controls.markup(table, Number(table.fields.find((f) => f.name === 'core').def));
  html = html.replace(/(<[^<>]*\sdata-word="(\w+)"[^<>]*>)(<\/)/g,
    (all, open, id, close) => typeof table.words[id] === 'string' ? open + esc(table.words[id]) + close : all);
  const wire = table.fields.find((f) => f.name === 'Conductor');
  const into = [
    ['<div class="kinds" id="kinds">', m.kinds, '</div>'],
    ['<div class="grid" id="core-inputs">', m.core, '</div>'],
    ['<div class="grid" id="totals">', m.totals, '</div>'],
    ['<select id="Conductor" data-field="Conductor">', m.wires, '</select>'],
    ['<select id="Steel"></select></label>', m.heat, ''],
    ['<div class="windings" id="windings">', m.windings, '</div>'],
    ['<label class="wire"><span>', esc(controls.labelOf(table, wire)), '</span>'],
  ];
  for (const [open, inner, close] of into) {
    if (!html.includes(open + close)) throw new Error('index.html: no ' + open + close);
    html = html.replace(open + close, () => open + inner + close);
  }
  return html;
}

async function main() {
  const M = await createVelmora();
  const call = (name, types, args) => M.ccall(name, 'string', types, args);
  const boot = {};
  const languages = JSON.parse(call('velmora_fields', ['string'], ['ru'])).languages.map((l) => l.code);
  for (const lang of languages) {
    const fields = JSON.parse(call('velmora_fields', ['string'], [lang]));
    const defaults = {};
    for (const f of fields.fields) if (f.role !== 'result') defaults[f.name] = f.def;
    const res = JSON.parse(call('velmora_calculate', ['string', 'string'], [pack(defaults), lang]));
    const shown = JSON.parse(call('velmora_shown', ['string'], [lang]));
    // The default design's inputs as its calculation leaves them (its address is the plain one).
    const settled = {};
    for (const k of Object.keys(defaults)) if (k in res.fields) settled[k] = String(res.fields[k]);
    boot[lang] = { fields, shown, settled, result: res };
  }
  fs.writeFileSync(path.join(site, 'boot.js'),
    '// Written by the build from the engine (web/make_site.js).\nvar VelmoraBoot = ' +
    JSON.stringify(boot) + ';\n');

  const words = boot.ru.fields.words;
  const manifest = {
    name: 'Velmora', short_name: 'Velmora', description: words.appDescription, lang: 'ru',
    start_url: './', scope: './', display: 'standalone',
    background_color: '#f0f0f0', theme_color: '#1f4f8f',
    icons: [
      { src: 'icon-192.png', sizes: '192x192', type: 'image/png' },
      { src: 'icon-512.png', sizes: '512x512', type: 'image/png' },
      { src: 'icon-512.png', sizes: '512x512', type: 'image/png', purpose: 'maskable' },
    ],
  };
  fs.writeFileSync(path.join(site, 'manifest.webmanifest'), JSON.stringify(manifest, null, 2) + '\n');

  const index = path.join(site, 'index.html'), css = path.join(site, 'style.css');
  const fields = boot.ru.fields, core = Number(fields.fields.find((f) => f.name === 'core').def);
  let html = fs.readFileSync(index, 'utf8');
  const sheet = '<link rel="stylesheet" href="style.css">', img = '<svg id="picture" class="picture" role="img" aria-label=""><use></use></svg>';
  if (!html.includes(sheet) || !html.includes(img)) throw new Error('index.html: no style sheet link or picture');
  const name = fields.shapes[core].picture.replace(/\.svg$/, '');
  html = html.replace(sheet, () => '<style>\n' + fs.readFileSync(css, 'utf8') + '</style>')
    .replace(img, () => sprite(site, fields.shapes) + '\n      ' +
      `<svg id="picture" class="picture" role="img" aria-label="${fields.cores[core]}"><use href="#picture-${name}"></use></svg>`);
  html = withControls(html, require(path.join(site, 'controls.js')), boot);
  const scripts = [...html.matchAll(/<script src="([^"]+)"><\/script>\n/g)];
  fs.writeFileSync(path.join(site, 'page.js'), scripts.map((m) => fs.readFileSync(path.join(site, m[1]), 'utf8')).join('\n'));
  scripts.forEach((m, k) => { html = html.replace(m[0], k ? '' : '<script src="page.js"></script>\n'); });
  fs.writeFileSync(index, html);
  for (const f of ['style.css', ...scripts.map((m) => m[1])]) fs.rmSync(path.join(site, f));
  fs.writeFileSync(path.join(site, 'engine-wasm.js'), '// Written by the build: engine.wasm for a page opened from disk.\nvar VelmoraWasm = "' +
    fs.readFileSync(path.join(site, 'engine.wasm')).toString('base64') + '";\n');

  // Every file but the worker itself, in a stable order; the version hashes them all.
  // The module's copy for a page on disk is never fetched over HTTP: not kept offline.
  const files = fs.readdirSync(site).filter((f) => f !== 'sw.js' && fs.statSync(path.join(site, f)).isFile()).sort();
  const kept = files.filter((f) => f !== 'engine-wasm.js');
  const hash = crypto.createHash('sha256');
  for (const f of files) hash.update(f).update(fs.readFileSync(path.join(site, f)));
  const sw = path.join(site, 'sw.js');
  const text = fs.readFileSync(sw, 'utf8')
    .replace(/const VERSION = '[^']*';/, `const VERSION = '${hash.digest('hex').slice(0, 12)}';`)
    .replace(/const FILES = \[[^\]]*\];/, `const FILES = ${JSON.stringify(['./', ...kept])};`);
  fs.writeFileSync(sw, text);
}

main().catch((e) => { console.error(e); process.exit(1); });
