// The page kept as an application: the service worker (sw.js) keeps it offline; when
// the site has changed, the new worker waits and the page says so ("new version —
// reload") instead of staying on the old files unannounced.
(function () {
  'use strict';
  // A page opened from disk has no service worker.
  if (!('serviceWorker' in navigator) || !/^https?:$/.test(location.protocol)) return;
  var banner = document.getElementById('update'), waiting = null, reloading = false;

  function offer(worker) {
    waiting = worker;
    banner.hidden = false;
  }
  document.getElementById('update-reload').addEventListener('click', function () {
    if (!waiting) return;
    reloading = true;
    waiting.postMessage('take-over');
  });
  navigator.serviceWorker.addEventListener('controllerchange', function () {
    if (reloading) location.reload();
  });
  navigator.serviceWorker.register('sw.js').then(function (reg) {
    // A worker already installed and waiting, or one installed while the page is open;
    // the very first one (no page controlled yet) simply takes over.
    if (reg.waiting && navigator.serviceWorker.controller) offer(reg.waiting);
    reg.addEventListener('updatefound', function () {
      var w = reg.installing;
      w.addEventListener('statechange', function () {
        if (w.state === 'installed' && navigator.serviceWorker.controller) offer(w);
      });
    });
  }).catch(function () { /* online only */ });
})();
