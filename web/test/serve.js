// A static file server on 127.0.0.1 for the page (tests and `./run.sh web`): files are
// sent gzip-compressed to a browser that takes it (compressed once, kept while the file
// is unchanged), with a validator and cache headers: the page, its worker and manifest
// are checked on every visit, the other files kept for an hour.
'use strict';
const crypto = require('crypto');
const http = require('http');
const fs = require('fs');
const path = require('path');
const zlib = require('zlib');

const types = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript; charset=utf-8',
  '.css': 'text/css; charset=utf-8', '.svg': 'image/svg+xml', '.wasm': 'application/wasm',
  '.json': 'application/json', '.webmanifest': 'application/manifest+json', '.png': 'image/png',
};
const compressible = new Set(['.html', '.js', '.css', '.svg', '.wasm', '.json', '.webmanifest']);
const checkedEveryVisit = new Set(['.html', '.webmanifest']);

// Resolves with {server, url} once listening; port 0 takes a free one.
function serve(root, port = 0) {
  const held = new Map();  // file -> {mtime, raw, gz, etag}
  function read(file, done) {
    fs.stat(file, (err, st) => {
      if (err || !st.isFile()) return done(err || new Error('not a file'));
      const h = held.get(file);
      if (h && h.mtime === st.mtimeMs && h.size === st.size) return done(null, h);
      fs.readFile(file, (e, raw) => {
        if (e) return done(e);
        const ext = path.extname(file);
        const entry = {
          mtime: st.mtimeMs, size: st.size, raw,
          gz: compressible.has(ext) ? zlib.gzipSync(raw, { level: 9 }) : null,
          etag: '"' + crypto.createHash('sha1').update(raw).digest('hex').slice(0, 16) + '"',
        };
        held.set(file, entry);
        done(null, entry);
      });
    });
  }
  const server = http.createServer((req, res) => {
    const rel = decodeURIComponent(new URL(req.url, 'http://x').pathname);
    const file = path.join(root, path.normalize(rel.endsWith('/') ? rel + 'index.html' : rel));
    if (!file.startsWith(root)) { res.writeHead(403).end(); return; }
    read(file, (err, f) => {
      if (err) { res.writeHead(404).end(); return; }
      const ext = path.extname(file), base = path.basename(file);
      const headers = {
        'Content-Type': types[ext] || 'application/octet-stream',
        'Cache-Control': checkedEveryVisit.has(ext) || base === 'sw.js' ? 'no-cache' : 'max-age=3600',
        ETag: f.etag, Vary: 'Accept-Encoding',
      };
      if (req.headers['if-none-match'] === f.etag) { res.writeHead(304, headers).end(); return; }
      const gzip = f.gz && /\bgzip\b/.test(req.headers['accept-encoding'] || '');
      if (gzip) headers['Content-Encoding'] = 'gzip';
      const body = gzip ? f.gz : f.raw;
      headers['Content-Length'] = body.length;
      res.writeHead(200, headers);
      res.end(req.method === 'HEAD' ? undefined : body);
    });
  });
  return new Promise((resolve) => server.listen(port, '127.0.0.1', () =>
    resolve({ server, url: `http://127.0.0.1:${server.address().port}/` })));
}

module.exports = { serve };

if (require.main === module) {
  const root = path.resolve(process.argv[2] || '.');
  serve(root, Number(process.argv[3] || 8080)).then(({ url }) => {
    console.log(`Velmora in the browser: ${url}  (Ctrl+C stops the server)`);
  });
}
