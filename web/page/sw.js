// Keeps the page working offline once it has been loaded over HTTP. Each version of the
// site is one cache, filled at install and answered from first; the build stamps the
// version and the file list, so any change of a file installs a new worker. That worker
// waits until the page, having said "new version — reload", tells it to take over.
'use strict';
const VERSION = 'dev';
const FILES = ['./', 'index.html'];
const CACHE = 'velmora-site-' + VERSION;

self.addEventListener('install', (e) => {
  // Past the browser's HTTP cache: a new version must not be filled with old files.
  e.waitUntil(caches.open(CACHE).then((c) => c.addAll(FILES.map((f) => new Request(f, { cache: 'reload' })))));
});

self.addEventListener('message', (e) => {
  if (e.data === 'take-over') self.skipWaiting();
});

self.addEventListener('activate', (e) => {
  e.waitUntil(caches.keys()
    .then((keys) => Promise.all(keys.filter((k) => k.startsWith('velmora-site-') && k !== CACHE)
      .map((k) => caches.delete(k))))
    .then(() => self.clients.claim()));
});

// The address's query and fragment (a shared design) do not name another file: any
// page of the scope is the page, any file is matched without its query.
self.addEventListener('fetch', (e) => {
  if (e.request.method !== 'GET') return;
  const page = e.request.mode === 'navigate';
  e.respondWith(caches.open(CACHE).then((c) =>
    c.match(page ? './' : e.request, { ignoreSearch: true }).then((hit) => hit || fetch(e.request))));
});
