// The build's last step over the site folder, with the engine just linked (run in node):
//  - boot.js: the engine's field table, words, the default design's steel group and its
//    inputs as calculated, in both languages, so that the page paints its real layout
//    before the engine loads;
//  - manifest.webmanifest: the installed application's name and icons, worded by the engine;
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
    boot[lang] = { fields, shown, settled };
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

  // Every file but the worker itself, in a stable order; the version hashes them all.
  const files = fs.readdirSync(site).filter((f) => f !== 'sw.js' && fs.statSync(path.join(site, f)).isFile()).sort();
  const hash = crypto.createHash('sha256');
  for (const f of files) hash.update(f).update(fs.readFileSync(path.join(site, f)));
  const sw = path.join(site, 'sw.js');
  const text = fs.readFileSync(sw, 'utf8')
    .replace(/const VERSION = '[^']*';/, `const VERSION = '${hash.digest('hex').slice(0, 12)}';`)
    .replace(/const FILES = \[[^\]]*\];/, `const FILES = ${JSON.stringify(['./', ...files])};`);
  fs.writeFileSync(sw, text);
}

main().catch((e) => { console.error(e); process.exit(1); });
