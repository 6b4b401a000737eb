// Keeps the page working offline once it has been loaded over HTTP: every file of the
// site is cached at install, answered from the cache first, and refreshed when the
// network answers.
'use strict';
const CACHE = 'velmora-site-1';
const FILES = ['./', 'index.html', 'style.css', 'engine.js', 'bridge.js', 'strip.js', 'app.js',
               'core-ring.svg', 'core-pl.svg', 'core-shl.svg', 'core-sh.svg', 'core-g.svg'];

self.addEventListener('install', (e) => {
  e.waitUntil(caches.open(CACHE).then((c) => c.addAll(FILES)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (e) => {
  e.waitUntil(caches.keys()
    .then((keys) => Promise.all(keys.filter((k) => k !== CACHE).map((k) => caches.delete(k))))
    .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (e) => {
  if (e.request.method !== 'GET') return;
  e.respondWith(caches.open(CACHE).then((c) => c.match(e.request).then((hit) => {
    const fresh = fetch(e.request).then((res) => {
      if (res.ok) c.put(e.request, res.clone());
      return res;
    }).catch(() => hit);
    return hit || fresh;
  })));
});
