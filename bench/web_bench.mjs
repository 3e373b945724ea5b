// The WebAssembly module against the native command line, measured in one run: sizes, the cost
// of a fresh start (load and the first score, when the tables are built), and hands a second
// through the JavaScript API over 20,000 distinct generated hands cycled through, beside the
// native `fanwright-cli score --json` on the same hands.
//
//   node bench/web_bench.mjs [BUILD_WEB_DIR] [FANWRIGHT_CLI] [FANWRIGHT_BENCH]
//        defaults: build/web, build/native/tools/fanwright-cli, build/native/bench/fanwright_bench
//
// The native benchmark, when built, adds its scoreHand alone and its in-process command-line
// scorer (scoreHandCycled/generated, cliScoreThroughput/json) to the native figures.
//
// Speeds are by processor time (user + system), the best of several runs taken in turn with the
// native ones, since the machine may be shared; fresh starts are separate node processes.
import { spawnSync } from 'node:child_process';
import { existsSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { pathToFileURL } from 'node:url';
import { gzipSync } from 'node:zlib';

const webDir = resolve(process.argv[2] ?? 'build/web');
const cliPath = resolve(process.argv[3] ?? 'build/native/tools/fanwright-cli');
const benchPath = resolve(process.argv[4] ?? 'build/native/bench/fanwright_bench');
const loaderUrl = pathToFileURL(join(webDir, 'fanwright.js')).href;
const work = mkdtempSync(join(tmpdir(), 'fanwright-bench-'));
process.on('exit', () => rmSync(work, { recursive: true, force: true }));

const Distinct = 20000, Runs = 5, Starts = 21;

function run(command, args, options = {}) {
    const result = spawnSync(command, args, { encoding: 'utf8', maxBuffer: 1 << 30, ...options });
    if (result.status !== 0) throw new Error(`${command} ${args.join(' ')}: ${result.stderr}`);
    return result.stdout;
}

// The benchmark's pool: the first 20,000 distinct hands of a seeded run with default settings.
const pool = [...new Set(run(cliPath, ['generate', '--seed', '12', '--count', '23000'])
                             .split('\n').filter(line => line !== ''))].slice(0, Distinct);
if (pool.length < Distinct) throw new Error(`only ${pool.length} distinct hands`);

const sizes = Object.fromEntries(['fanwright.wasm', 'fanwright.js', 'fanwright.d.ts'].map(file => {
    const bytes = readFileSync(join(webDir, file));
    return [file, { raw: bytes.length, gzip: gzipSync(bytes, { level: 9 }).length }];
}));

// A fresh node process: import the loader, load the module, score one hand.
const startScript = join(work, 'start.mjs');
// On Linux it also reads the main thread's processor time, which other processes and V8's
// background compiling do not inflate.
writeFileSync(startScript, `
import { existsSync, readFileSync } from 'node:fs';
const stat = '/proc/self/task/' + process.pid + '/schedstat';
const mainThread = () => existsSync(stat) ? Number(readFileSync(stat, 'utf8').split(' ')[0]) / 1e6 : NaN;
const before = performance.now();
const { Fanwright } = await import(process.argv[2]);
const imported = performance.now();
const loadingThread = mainThread();
const fanwright = await Fanwright.load();
const loaded = performance.now();
if (fanwright.score(process.argv[3]).total === undefined) process.exit(1);
const scored = performance.now();
console.log(JSON.stringify({ import: imported - before, load: loaded - imported,
                             first: scored - loaded, thread: mainThread() - loadingThread }));
`);
const starts = [];
for (let i = 0; i < Starts; ++i)
    starts.push(JSON.parse(run(process.execPath, [startScript, loaderUrl, pool[i * 101]])));

// The API in this process, warmed up first so that the engine has optimized its hot code.
const { Fanwright } = await import(loaderUrl);
const fanwright = await Fanwright.load();
const processorSeconds = since => {
    const { user, system } = process.cpuUsage(since);
    return (user + system) / 1e6;
};
function apiRate(call, rounds) {
    const since = process.cpuUsage();
    for (let round = 0; round < rounds; ++round)
        for (const code of pool) call(code);
    return rounds * pool.length / processorSeconds(since);
}
const calls = {
    score: code => fanwright.score(code),
    scoreJson: code => fanwright.scoreJson(code),
    explain: code => fanwright.explain(code),
};
for (const call of Object.values(calls)) apiRate(call, 3);

// The native command over the pool repeated, less its run over one hand (start-up and tables).
const nativeRounds = 20;
const poolFile = join(work, 'pool.txt'), oneFile = join(work, 'one.txt');
writeFileSync(poolFile, (pool.join('\n') + '\n').repeat(nativeRounds));
writeFileSync(oneFile, pool[0] + '\n');
function nativeSeconds(file) {
    const times = run('bash', ['-c', '"$0" score --json < "$1" > /dev/null; times', cliPath, file])
                      .trim().split('\n')[1];
    const [user, system] = times.split(' ').map(
        time => time.match(/(\d+)m([\d.]+)s/).slice(1).reduce((m, s) => m * 60 + Number(s)));
    return user + system;
}

// The native benchmark's figures, items a second by processor time.
const benchmarks = ['scoreHandCycled/generated', 'cliScoreThroughput/json'];
function nativeBenchmark() {
    if (!existsSync(benchPath)) return {};
    const report = JSON.parse(run(benchPath, [`--benchmark_filter=^(${benchmarks.join('|')})$`,
                                               '--benchmark_format=json']));
    return Object.fromEntries(report.benchmarks.map(b => [b.name, b.items_per_second]));
}

const best = { score: 0, scoreJson: 0, explain: 0, native: 0 };
for (let i = 0; i < Runs; ++i) {
    for (const [name, call] of Object.entries(calls))
        best[name] = Math.max(best[name], apiRate(call, name === 'explain' ? 2 : 5));
    const seconds = nativeSeconds(poolFile) - nativeSeconds(oneFile);
    best.native = Math.max(best.native, nativeRounds * pool.length / seconds);
    for (const [name, perSecond] of Object.entries(nativeBenchmark()))
        best[name] = Math.max(best[name] ?? 0, perSecond);
}

const sorted = values => [...values].sort((a, b) => a - b);
const spread = values => {
    const s = sorted(values);
    return `median ${s[s.length >> 1].toFixed(1)} ms (${s[0].toFixed(1)}–${s.at(-1).toFixed(1)})`;
};
const kb = bytes => `${(bytes / 1000).toFixed(1)} KB`;
const rate = perSecond => `${Math.round(perSecond / 1000)}k hands/s`;
const mark = ok => (ok ? 'ok' : 'OVER');

const moduleRaw = sizes['fanwright.wasm'].raw + sizes['fanwright.js'].raw;
const moduleGzip = sizes['fanwright.wasm'].gzip + sizes['fanwright.js'].gzip;
const coldTimes = starts.map(start => start.load + start.first);
const coldMedian = sorted(coldTimes)[Starts >> 1];
console.log(`node ${process.version}, ${pool.length} distinct generated hands`);
for (const [file, { raw, gzip }] of Object.entries(sizes))
    console.log(`size ${file.padEnd(15)} ${kb(raw).padStart(9)} raw, ${kb(gzip).padStart(8)} gzip -9`);
console.log(`size module + JS    ${kb(moduleRaw).padStart(9)} raw, ${kb(moduleGzip).padStart(8)} ` +
            `gzip -9  [${mark(moduleRaw <= 400e3 && moduleGzip <= 150e3)}: 400 KB, 150 KB]`);
console.log(`fresh start, ${Starts} node processes:`);
console.log(`  import fanwright.js    ${spread(starts.map(start => start.import))}`);
console.log(`  load()                 ${spread(starts.map(start => start.load))}`);
console.log(`  first score (tables)   ${spread(starts.map(start => start.first))}`);
console.log(`  load + first score     ${spread(coldTimes)}  [${mark(coldMedian < 50)}: 50 ms]`);
if (starts.every(start => Number.isFinite(start.thread)))
    console.log(`    its main thread's processor time ${spread(starts.map(start => start.thread))}`);
console.log(`speed, best of ${Runs} by processor time (ratios: time per hand over native's):`);
const ratio = (perSecond, native = best.native) => `${(native / perSecond).toFixed(2)}×`;
console.log(`  native fanwright-cli score --json    ${rate(best.native)}  (the process, less its start)`);
for (const name of benchmarks.filter(name => best[name]))
    console.log(`  native ${name.padEnd(29)} ${rate(best[name])}`);
const against = perSecond => [
    `${ratio(perSecond)} the native command`,
    ...benchmarks.filter(name => best[name]).map(name => `${ratio(perSecond, best[name])} ${name}`),
].join(', ');
console.log(`  score(code), the object              ${rate(best.score)}  ` +
            `[${mark(best.score >= 300e3)}: 300k hands/s]`);
console.log(`    ${against(best.score)}`);
console.log(`  scoreJson(code), the JSON line       ${rate(best.scoreJson)}  ` +
            `[${mark(best.scoreJson * 2 >= best.native)}: 2× the native command]`);
console.log(`    ${against(best.scoreJson)}`);
console.log(`  explain(code), the object            ${rate(best.explain)}`);
