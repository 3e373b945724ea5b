// A static file server on a free port of 127.0.0.1, for the browser tests: the folder as any
// web server would serve it, .wasm as application/wasm. Counts the bytes it sends.
import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import { extname, join, normalize } from 'node:path';

const types = {
    '.html': 'text/html; charset=utf-8', '.js': 'text/javascript; charset=utf-8',
    '.mjs': 'text/javascript; charset=utf-8', '.css': 'text/css; charset=utf-8',
    '.svg': 'image/svg+xml', '.wasm': 'application/wasm', '.json': 'application/json',
    '.webmanifest': 'application/manifest+json', '.ts': 'text/plain; charset=utf-8',
};

export async function serve(folder) {
    const server = createServer(async (request, response) => {
        const path = decodeURIComponent(new URL(request.url, 'http://x').pathname);
        const file = normalize(join(folder, path.endsWith('/') ? `${path}index.html` : path));
        if (!file.startsWith(normalize(folder))) {
            response.writeHead(403).end();
            return;
        }
        try {
            const body = await readFile(file);
            response.writeHead(200, {
                'Content-Type': types[extname(file)] ?? 'application/octet-stream',
                'Content-Length': body.length, 'Cache-Control': 'no-cache',
            });
            response.end(body);
        } catch {
            response.writeHead(404, { 'Content-Type': 'text/plain' }).end('not found');
        }
    });
    await new Promise(resolve => server.listen(0, '127.0.0.1', resolve));
    const { port } = server.address();
    return {
        url: `http://127.0.0.1:${port}/`,
        close: () => new Promise(resolve => { server.closeAllConnections?.(); server.close(resolve); }),
    };
}
