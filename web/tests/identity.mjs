// The module against the native fanwright-cli: score and generate must give the same bytes.
// Prints the load time, the first score (when the tables are built) and hands per second of
// score through the API beside the native command's.
//
//   node web/tests/identity.mjs build/web/fanwright.js build/native/tools/fanwright-cli \
//        bench/hands.txt
import { spawnSync } from 'node:child_process';
import { readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { pathToFileURL } from 'node:url';
import { gzipSync } from 'node:zlib';

const [loaderPath, cliPath, poolPath] = process.argv.slice(2);
if (!poolPath) {
    console.error('usage: node identity.mjs FANWRIGHT_JS FANWRIGHT_CLI HANDS_FILE');
    process.exit(2);
}
// The native command's output, whatever its exit status.
const cli = (args, input) =>
    spawnSync(cliPath, args, { input, encoding: 'utf8', maxBuffer: 1 << 30 });

let failures = 0;
function expectSame(what, got, want) {
    if (got === want) return;
    if (failures++ < 5) console.log(`DIFFERS ${what}\n  module: ${got}\n  native: ${want}`);
}

const { Fanwright } = await import(pathToFileURL(resolve(loaderPath)));
const coldStart = performance.now();
const fanwright = await Fanwright.load();
const coldLoaded = performance.now();
const pool = readFileSync(poolPath, 'utf8').split('\n').filter(line => line !== '');
fanwright.score(pool[0]);
const coldScored = performance.now();

// The pool, as the native command scores it line by line.
const nativeLines = cli(['score', '--json'], pool.join('\n') + '\n').stdout.split('\n');
pool.forEach((code, i) => expectSame(`score ${code}`, fanwright.scoreText(code), nativeLines[i]));

// Refused and odd lines, each given to the native command as an argument.
const code = pool[0];
const odd = ['', 'hello', '--json', 'x\x1b[2J\u009b - \x07', `${code} - a comment`, `${code}\r`,
             `${code} junk${'x'.repeat(1000)}`, `${code} - ${'y'.repeat(70000)}`,
             'caf\u00e9 \u20ac\u{1f004}', '"\\\x01\x7f', code.toUpperCase()];
const nativeOdd = cli(['score', '--json', '--', ...odd]).stdout.split('\n');
odd.forEach((line, i) => expectSame(`score ${JSON.stringify(line.slice(0, 40))}`,
                                    fanwright.scoreText(line), nativeOdd[i]));

// The dealer, over its settings' corners; a refused setting gives the command's message.
const settings = [{}, { melding: 0, chow: 100, pung: 0 }, { melding: 10, chow: 0, pung: 0 },
                  { special: 3, flags: 3 }, { special: 0, flags: 0, min: 8 },
                  { chow: 60, pung: 50 }, { min: 5 }, { count: 0 }];
for (const [i, options] of settings.entries()) {
    for (const seed of [0, 7, 4294967295]) {
        const asked = { seed, count: 500, ...options };
        const args = Object.entries(asked).map(([name, value]) => `--${name}=${value}`);
        const native = cli(['generate', ...args]);
        const wantText = native.status === 0
            ? native.stdout : JSON.stringify({ error: native.stderr.split('\n')[0] });
        const got = fanwright.generate(asked);
        const gotText = Array.isArray(got) ? got.map(line => line + '\n').join('')
                                           : JSON.stringify(got);
        expectSame(`generate ${i} ${args.join(' ')}`, gotText, wantText);
    }
}

// Speed, by processor time, the best of a few tries (the machine is shared): loading a fresh
// module, its first score (the tables are built then), and the pool cycled through score
// against the native command scoring the same hands in one process.
const best = (tries, measure) => Math.min(...Array.from({ length: tries }, measure));
const cpuSeconds = since => (({ user, system }) => (user + system) / 1e6)(process.cpuUsage(since));
let loadTime = Infinity, firstScoreTime = Infinity;
for (let i = 0; i < 5; ++i) {
    const start = performance.now();
    const fresh = await Fanwright.load();
    const loaded = performance.now();
    fresh.score(pool[0]);
    loadTime = Math.min(loadTime, loaded - start);
    firstScoreTime = Math.min(firstScoreTime, performance.now() - loaded);
}
const rounds = 10;
const apiSeconds = best(5, () => {
    const since = process.cpuUsage();
    for (let round = 0; round < rounds; ++round)
        for (const hand of pool) fanwright.score(hand);
    return cpuSeconds(since);
});
const poolFile = join(tmpdir(), `fanwright-pool-${process.pid}.txt`);
writeFileSync(poolFile, (pool.join('\n') + '\n').repeat(rounds));
const nativeSeconds = best(5, () => {
    const run = spawnSync('bash', ['-c', `"$0" score --json < "$1" > /dev/null; times`,
                                   resolve(cliPath), poolFile], { encoding: 'utf8' });
    const [user, system] = run.stdout.split('\n')[1].split(' ').map(
        time => time.match(/(\d+)m([\d.]+)s/).slice(1).reduce((m, s) => m * 60 + Number(s)));
    return user + system;
});
rmSync(poolFile);
const rate = seconds => Math.round(rounds * pool.length / seconds);

const sizeOf = file => {
    const bytes = readFileSync(new URL(file, pathToFileURL(resolve(loaderPath))));
    return [bytes.length, gzipSync(bytes, { level: 9 }).length];
};
const [wasm, wasmGzip] = sizeOf('fanwright.wasm');
const [js, jsGzip] = sizeOf('fanwright.js');
const checked = pool.length + odd.length + settings.length * 3;
console.log(`version ${fanwright.version}`);
console.log(`size: fanwright.wasm ${wasm} (${wasmGzip} gzip), fanwright.js ${js} (${jsGzip} gzip)`);
const ms = time => `${time.toFixed(1)} ms`;
console.log(`first load ${ms(coldLoaded - coldStart)}, then its first score ` +
            `${ms(coldScored - coldLoaded)}; later loads ${ms(loadTime)} and ${ms(firstScoreTime)}`);
console.log(`score: ${rate(apiSeconds)} hands/s through the API, ${rate(nativeSeconds)} native ` +
            `(processor time; the native one a whole fanwright-cli score --json run)`);
console.log(`identity: ${checked - Math.min(failures, checked)} passed, ${failures} failed`);
process.exit(failures === 0 ? 0 : 1);
