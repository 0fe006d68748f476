'use strict';
// The hosted app's service worker: keeps the site's files in a cache named after their contents,
// so that the app starts without the network after one visit, and an updated site, whose
// worker differs in that name, replaces the old files and their cache as soon as it is seen.
const CACHE = 'morvatek-@VERSION@';
const FILES = ['./', 'manifest.webmanifest', 'icon-192.png', 'icon-512.png', 'icon-maskable-512.png'];

self.addEventListener('install', (event) => {
  // Past the browser's own cache: an update must take the new files.
  event.waitUntil(caches.open(CACHE)
    .then((cache) => cache.addAll(FILES.map((file) => new Request(file, { cache: 'reload' }))))
    .then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names
      .filter((name) => name.startsWith('morvatek-') && name !== CACHE)
      .map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

// The site's own files come from the cache; anything else of this origin from the network. The
// page asks no other host for anything.
self.addEventListener('fetch', (event) => {
  const url = new URL(event.request.url);
  if (event.request.method !== 'GET' || url.origin !== self.location.origin) {
    return;
  }
  const folder = new URL('./', self.location).href;
  const key = url.href === `${folder}index.html` ? folder : url.href.split('?')[0];
  event.respondWith(caches.open(CACHE)
    .then((cache) => cache.match(key))
    .then((cached) => cached ?? fetch(event.request)));
});
