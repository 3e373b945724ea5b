// A static file server on a free port of 127.0.0.1, for the browser tests: the folder as any
// web server would serve it, .wasm as application/wasm. Counts the bytes it sends.
import { createServer } from 'node:http';
import { readFile, stat } from 'node:fs/promises';
import { extname, join, normalize } from 'node:path';

const types = {
    '.html': 'text/html; charset=utf-8', '.js': 'text/javascript; charset=utf-8',
    '.mjs': 'text/javascript; charset=utf-8', '.css': 'text/css; charset=utf-8',
    '.svg': 'image/svg+xml', '.wasm': 'application/wasm', '.json': 'application/json',
    '.webmanifest': 'application/manifest+json', '.ts': 'text/plain; charset=utf-8',
};

export async function serve(folder) {
    let sent = 0;
    const server = createServer(async (request, response) => {
        const path = decodeURIComponent(new URL(request.url, 'http://x').pathname);
        const file = normalize(join(folder, path.endsWith('/') ? `${path}index.html` : path));
        if (!file.startsWith(normalize(folder))) {
            response.writeHead(403).end();
            return;
        }
        try {
            // Revalidated as a plain static server does it, by the file's time.
            const modified = (await stat(file)).mtime.toUTCString();
            if (request.headers['if-modified-since'] === modified) {
                response.writeHead(304).end();
                return;
            }
            const body = await readFile(file);
            response.writeHead(200, {
                'Content-Type': types[extname(file)] ?? 'application/octet-stream',
                'Content-Length': body.length, 'Last-Modified': modified,
            });
            sent += body.length;
            response.end(body);
        } catch {
            response.writeHead(404, { 'Content-Type': 'text/plain' }).end('not found');
        }
    });
    await new Promise(resolve => server.listen(0, '127.0.0.1', resolve));
    const { port } = server.address();
    return {
        url: `http://127.0.0.1:${port}/`,
        bytes: () => sent,
        resetBytes: () => { sent = 0; },
        close: () => new Promise(resolve => { server.closeAllConnections?.(); server.close(resolve); }),
    };
}
