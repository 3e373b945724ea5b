// The module through its JavaScript API against the native fanwright-cli: every answer must be
// the same bytes. Hands: the benchmark's pool and 20,000 generated at the dealer's corners;
// refused codes: the rows of the command's own tests (control characters, bad UTF-8, comments,
// long lines) and what only a page can pass (lone surrogates, huge strings, non-strings);
// the dealer over seeds and settings, refusals included; the fans; loading that fails; and the
// size of what a page downloads.
//
//   node web/tests/identity.mjs BUILD_WEB_DIR FANWRIGHT_CLI HANDS_FILE
import { spawnSync } from 'node:child_process';
import { createServer } from 'node:http';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { pathToFileURL } from 'node:url';
import { gzipSync } from 'node:zlib';

const [webDir, cliPath, poolPath] = process.argv.slice(2).map(path => path && resolve(path));
if (!poolPath) {
    console.error('usage: node identity.mjs BUILD_WEB_DIR FANWRIGHT_CLI HANDS_FILE');
    process.exit(2);
}
const work = mkdtempSync(join(tmpdir(), 'fanwright-identity-'));
process.on('exit', () => rmSync(work, { recursive: true, force: true }));

// The native command's standard output and status; its input from a buffer or a string.
function cli(args, input) {
    const run = spawnSync(cliPath, args, { input, maxBuffer: 1 << 30 });
    if (run.error) throw run.error;
    return { out: run.stdout.toString('utf8'), err: run.stderr.toString('utf8'),
             status: run.status };
}
// Its lines, each with its line feed.
const linesOf = text => text.match(/[^\n]*\n/g) ?? [];

let passed = 0, failed = 0;
const groups = [];
function check(what, got, want) {
    if (got === want) return ++passed;
    if (failed++ < 10) {
        const show = text => JSON.stringify(String(text).slice(0, 300));
        console.log(`DIFFERS ${what}\n  module: ${show(got)}\n  native: ${show(want)}`);
    }
}
function group(name, body) {
    const before = passed + failed;
    body();
    groups.push(`${name}: ${passed + failed - before} checks`);
}

const { Fanwright } = await import(pathToFileURL(join(webDir, 'fanwright.js')));
const fanwright = await Fanwright.load();
check('version', fanwright.version,
      readFileSync(new URL('../../CMakeLists.txt', import.meta.url), 'utf8')
          .match(/project\(\w+ VERSION ([\d.]+)/)[1]);

// The loader as a browser runs it, without node's Buffer, answers each code too.
const buffer = globalThis.Buffer;
globalThis.Buffer = undefined;
const browserLike = await (await import(pathToFileURL(join(webDir, 'fanwright.js')) + '?browser'))
                              .Fanwright.load();
globalThis.Buffer = buffer;

// Codes as the native command reads them from standard input, one a line: its lines must be
// the module's answers for the same codes, string or bytes.
function sameAsInput(what, codes) {
    const input = Buffer.concat(codes.flatMap(code => [Buffer.from(code), Buffer.from('\n')]));
    for (const command of ['score', 'explain']) {
        const native = linesOf(cli([command, '--json'], input).out);
        check(`${what}: ${command} answers every line`, native.length, codes.length);
        for (const module of [fanwright, browserLike]) {
            const call = command === 'score' ? module.scoreJson : module.explainJson;
            codes.forEach((code, i) => check(`${what}: ${command} ${code.toString().slice(0, 60)}`,
                                             call.call(module, code), native[i]));
        }
    }
}

// Codes as arguments after "--", which standard input cannot carry (blank, with line breaks).
function sameAsArguments(what, codes) {
    for (const command of ['score', 'explain']) {
        const native = linesOf(cli([command, '--json', '--', ...codes]).out);
        for (const module of [fanwright, browserLike]) {
            const call = command === 'score' ? module.scoreJson : module.explainJson;
            codes.forEach((code, i) => check(`${what}: ${command} ${JSON.stringify(code)}`,
                                             call.call(module, code), native[i]));
        }
    }
}

const corners = [
    ['--melding', '0', '--special', '3', '--flags', '3', '--count', '3500'],
    ['--melding', '10', '--count', '3000'],
    ['--chow', '0', '--pung', '0', '--count', '3000'],
    ['--chow', '100', '--pung', '0', '--count', '3000'],
    ['--pung', '100', '--chow', '0', '--special', '2', '--count', '3000'],
    ['--min', '8', '--count', '3000'],
    ['--melding', '0', '--chow', '0', '--pung', '0', '--flags', '3', '--count', '1500'],
];
group('hands', () => {
    const pool = readFileSync(poolPath, 'utf8').split('\n').filter(line => line !== '');
    const dealt = corners.flatMap((options, i) =>
        cli(['generate', '--seed', String(1000 + i), ...options]).out.split('\n').slice(0, -1));
    check('20,000 dealt', dealt.length, 20000);
    sameAsInput('pool', pool);
    sameAsInput('dealt', dealt);
    const code = pool[0];
    check('score() is its line parsed', JSON.stringify(fanwright.score(code)),
          JSON.stringify(JSON.parse(fanwright.scoreJson(code))));
    check('explain() is its line parsed', JSON.stringify(fanwright.explain(code)),
          JSON.stringify(JSON.parse(fanwright.explainJson(code))));
    check('a code as bytes', fanwright.scoreJson(new TextEncoder().encode(code)),
          fanwright.scoreJson(code));
});

group('refused codes', () => {
    const code = 'ch3bpu5c1b7d8d9dwewewe1bffffwewsw';
    const bytes = text => Buffer.from(text, 'latin1');  // one byte per character
    // The rows of the command's tests, byte for byte.
    sameAsInput('test rows', [
        'hello', bytes('x\x1b[2J\xc2\x9b\xe9 - \x07'), `${code} junk${'x'.repeat(1000)}`,
        `${code} - ${'y'.repeat(70000)}`, `${code} junk${'x'.repeat(100000)}`,
        `${code} - \x1b[31mred`, bytes('caf\xc3\xa9 \xe2\x82\xac\xf0\x9f\x80\x84'),
        bytes('x\xc0\x80'), bytes('x\xe0\x80\xaf'), bytes('x\xed\xa0\x80'),
        bytes('x\xf4\x90\x80\x80'), bytes('x\xf5\x80\x80\x80'), bytes('\xc3\xa9\xe2\x82'),
        bytes('"\\\x01\x7f'), bytes('\xff'.repeat(200)), '1b2b3b4c5c6c7d8d9d1d1d1d9c8cffffememw',
        `${code} - a comment`, code.toUpperCase(), `${code}\r`, '--json', '-h',
    ]);
    // What only arguments carry: blank codes and line breaks inside and after.
    sameAsArguments('arguments', ['', ' \t', `${code}\n`, `${code}\r\n`, `a\nb`,
                                  `${code} - two\nlines`, '\r\n\r\n', `${code}${'\n'.repeat(70000)}`,
                                  `${'y'.repeat(65000)}${'\r\n'.repeat(1000)}`]);
    // What only a page passes: a string UTF-8 cannot hold as it is, read as the encoder
    // writes it; a string too long for any command line, read as standard input reads it.
    const surrogates = ['x\ud800y', '\udfff', `${code} - \ud83c`];
    sameAsInput('lone surrogates', surrogates.map(text => new TextEncoder().encode(text)));
    surrogates.forEach(text => check(`surrogates ${JSON.stringify(text)}`,
                                     fanwright.scoreJson(text),
                                     fanwright.scoreJson(new TextEncoder().encode(text))));
    const huge = 'z\u00e9'.repeat(2_500_000);
    const native = linesOf(cli(['score', '--json'], huge + '\n').out)[0];
    for (const text of [huge, `${huge}\r\n\n`])
        check('a string of 5,000,000 units', fanwright.scoreJson(text), native);
    check('its bytes', fanwright.scoreJson(Buffer.from(`${huge}\r\n`)), native);
    // Line breaks the command drops before showing a refused line, a few million of them.
    const breaks = '\r\n'.repeat(2_500_000);
    const shown = linesOf(cli(['score', '--json', '--', `${code}${'\n'.repeat(70000)}`]).out)[0];
    check('a code and 5,000,000 line breaks', fanwright.scoreJson(code + breaks), shown);
    check('as bytes', fanwright.scoreJson(Buffer.from(code + breaks)), shown);
    // Nothing escapes: what is not a string becomes one, or a refusal.
    for (const value of [undefined, null, 42, {}, ['x'], Symbol('s')])
        check(`score(${String(value)})`, fanwright.scoreJson(value),
              fanwright.scoreJson(String(value)));
    check('a value that will not be text',
          fanwright.score({ toString() { throw new Error('no'); } }).error, 'not text');
});

group('generate', () => {
    const settings = [{}, { melding: 0, chow: 100, pung: 0 }, { melding: 10, chow: 0, pung: 0 },
                      { special: 3, flags: 3 }, { special: 0, flags: 0, min: 8 },
                      { pung: 100, chow: 0, special: 2 }, { min: 0, melding: 3 }];
    for (const [i, options] of settings.entries()) {
        for (const seed of [0, 7, 4294967295]) {
            const asked = { seed, count: 700, ...options };
            const args = Object.entries(asked).map(([name, value]) => `--${name}=${value}`);
            const codes = fanwright.generate(asked);
            check(`generate ${args.join(' ')}`, Array.isArray(codes) && codes.join('\n') + '\n',
                  cli(['generate', ...args]).out);
            if (i === 3 && seed === 7) {
                const pieces = [...fanwright.generatePieces(asked, 300)];
                check('in pieces of 300', pieces.map(piece => piece.length).join(),
                      '300,300,100');
                check('the same codes in pieces', pieces.flat().join(), codes.join());
            }
        }
    }
    // Refused options: the command's message, its first line.
    const refused = [{ seed: -1 }, { seed: 4294967296 }, { seed: 'x' }, { seed: 1.5 },
                     { count: 0 }, { count: 100000001 }, { chow: 60, pung: 50 }, { min: 5 },
                     { melding: 11 }, { special: null }, { flags: '' }, { foo: 1 },
                     { verbose: true }, { help: 1 }, { seed: '7\n8' }];
    for (const options of refused) {
        const [name, value] = Object.entries(options).at(-1);
        const args = Object.entries(options).map(([n, v]) => `--${n}=${v}`);
        const native = cli(['generate', ...args]);
        check(`refused --${name}=${value}`, JSON.stringify(fanwright.generate(options)),
              JSON.stringify({ error: native.err.split('\n')[0] }));
        check(`native refuses --${name}`, native.status, 2);
        check(`pieces refused --${name}`, JSON.stringify(fanwright.generatePieces(options)),
              JSON.stringify(fanwright.generate(options)));
    }
    check('a NUL in a value', /NUL/.test(fanwright.generate({ seed: '1\0' }).error), true);
    check('a value longer than any line', /longer than/.test(
              fanwright.generate({ seed: '1'.repeat(70000) }).error), true);
    // More than one array should hold, which pieces still deal; runs that interleave keep
    // their own sequence; a run let go of early is ended.
    check('above the array limit', /more than one array holds/.test(
              fanwright.generate({ count: 1_000_001 }).error), true);
    const big = fanwright.generatePieces({ seed: 3, count: 100_000_000 }, 1000);
    const small = fanwright.generatePieces({ seed: 3, count: 2000 }, 1000);
    const first = big.next().value;
    const own = small.next().value;
    check('interleaved runs', first.join(), own.join());
    check('and on', big.next().value.join(), small.next().value.join());
    check('the small one ends', small.next().done, true);
    big.return();
    check('an ended run deals no more', big.next().done, true);
    const unstarted = fanwright.generatePieces({ count: 10 });
    unstarted.return();
    check('nor one ended before it began', unstarted.next().done, true);
    check('a piece that is not a number', fanwright.generatePieces({ count: 5 }, Symbol('p'))
                                                  .next().value.length, 5);
    check('unseeded runs differ', fanwright.generate({ count: 5 }).join() !==
                                  fanwright.generate({ count: 5 }).join(), true);
    check('defaults', fanwright.generate().length, 1);
    check('null options', fanwright.generate(null).length, 1);
});

group('fans', () => {
    check('fans --json', fanwright.fansJson(), cli(['fans', '--json']).out);
    const fans = fanwright.fans();
    check('81 fans', fans.length, 81);
    fans[0].name = 'changed';
    check('a fresh array each call', fanwright.fans()[0].name !== 'changed', true);
});

// Loading that fails rejects with a message naming the module; none of them throws.
const failures = [
    ['a missing file', join(work, 'missing.wasm'), /Fanwright: cannot load file:.*missing\.wasm: .*ENOENT/],
    ['a file that is not a module', join(work, 'text.wasm'), /Fanwright: cannot load .*text\.wasm: .*/],
    ['another module', join(work, 'other.wasm'), /not Fanwright's module: no memory, _initialize/],
    ['no URL', 'http://[bad', /Fanwright: cannot load http:\/\/\[bad: not a URL/],
];
writeFileSync(join(work, 'text.wasm'), 'not a module');
writeFileSync(join(work, 'other.wasm'), Buffer.from([0, 0x61, 0x73, 0x6d, 1, 0, 0, 0]));
for (const [what, path, says] of failures) {
    const url = path.startsWith('http') ? path : pathToFileURL(path);
    const message = await Fanwright.load(url).then(() => 'loaded', error => error.message);
    check(`load ${what}: ${message}`, says.test(message), true);
}

// Over HTTP, as a page loads it: streamed when the server says application/wasm, compiled from
// the bytes when it does not; a missing file rejects with the status.
const server = createServer((request, response) => {
    const file = request.url.split('/').pop();
    if (file !== 'fanwright.wasm') return response.writeHead(404).end();
    response.writeHead(200, { 'Content-Type': request.url.startsWith('/plain/')
                                                  ? 'text/plain' : 'application/wasm' });
    response.end(readFileSync(join(webDir, file)));
});
await new Promise(started => server.listen(0, '127.0.0.1', started));
const site = `http://127.0.0.1:${server.address().port}`;
for (const path of ['/fanwright.wasm', '/plain/fanwright.wasm']) {
    const served = await Fanwright.load(`${site}${path}`);
    check(`over HTTP ${path}`, served.scoreJson('3b3b6b6b3c3c5c5c2d2d2d6d6d2dffffememw'),
          fanwright.scoreJson('3b3b6b6b3c3c5c5c2d2d2d6d6d2dffffememw'));
}
const missing = await Fanwright.load(`${site}/none.wasm`).then(() => 'loaded', error => error.message);
check(`over HTTP, missing: ${missing}`, /cannot load http:.*none\.wasm: HTTP 404/.test(missing), true);
server.close();
groups.push(`load: ${failures.length + 3} checks`);

group('size', () => {
    const files = ['fanwright.wasm', 'fanwright.js'].map(file => readFileSync(join(webDir, file)));
    const raw = files.reduce((sum, bytes) => sum + bytes.length, 0);
    const gzip = files.reduce((sum, bytes) => sum + gzipSync(bytes, { level: 9 }).length, 0);
    check(`module and JavaScript: ${raw} bytes, at most 400 KB`, raw <= 400_000, true);
    check(`gzip-compressed: ${gzip} bytes, at most 150 KB`, gzip <= 150_000, true);
    check('the types beside them', readFileSync(join(webDir, 'fanwright.d.ts'), 'utf8'),
          readFileSync(new URL('../fanwright.d.ts', import.meta.url), 'utf8'));
});

for (const line of groups) console.log(line);
console.log(`identity: ${passed} passed, ${failed} failed`);
process.exit(failed === 0 ? 0 : 1);
