// Keeps the page's files so that it works offline after the first visit: each file is answered
// from the cache at once and fetched again in the background for the next visit.
const cacheName = 'fanwright-v1';
const files = ['./', 'index.html', 'style.css', 'app.js', 'dom.js', 'model.js', 'trainer-view.js',
               'result-view.js', 'reference-view.js', 'settings-view.js', 'saved-view.js', 'store.js',
               'fanwright.js', 'fanwright.wasm', 'tiles.svg', 'icon.svg', 'manifest.webmanifest'];

self.addEventListener('install', event => {
    event.waitUntil(caches.open(cacheName).then(cache => cache.addAll(files)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', event => {
    event.waitUntil(caches.keys()
        .then(names => Promise.all(names.filter(name => name !== cacheName).map(name => caches.delete(name))))
        .then(() => self.clients.claim()));
});

self.addEventListener('fetch', event => {
    const request = event.request;
    if (request.method !== 'GET' || new URL(request.url).origin !== location.origin) return;
    event.respondWith(caches.open(cacheName).then(async cache => {
        const kept = await cache.match(request, { ignoreSearch: true });
        const fresh = fetch(request).then(response => {
            if (response.ok) cache.put(request, response.clone());
            return response;
        });
        if (kept) {
            event.waitUntil(fresh.catch(() => {}));
            return kept;
        }
        return fresh;
    }));
});
