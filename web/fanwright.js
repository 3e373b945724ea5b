// Fanwright's scorer as a WebAssembly module: the same code as fanwright-cli, so the same
// answers, in a browser or in node.
//
//   import { Fanwright } from './fanwright.js';
//   const fanwright = await Fanwright.load();
//   fanwright.score('3b3b6b6b3c3c5c5c2d2d2d6d6d2dffffememw').total;  // 32

const defaultModule = new URL('fanwright.wasm', import.meta.url);

// The generator's options, as fanwright-cli generate names them.
const generateOptions = ['seed', 'count', 'melding', 'chow', 'pung', 'special', 'flags', 'min'];

const encoder = new TextEncoder();
const decoder = new TextDecoder();

async function fetchModule(url) {
    if (url.protocol === 'file:') {
        const { readFile } = await import('node:fs/promises');
        return WebAssembly.compile(await readFile(url));
    }
    const response = await fetch(url);
    if (!response.ok) throw new Error(`HTTP ${response.status} ${response.statusText}`);
    // Streaming needs the server to say application/wasm; compiling the bytes does not.
    if (response.headers.get('Content-Type') === 'application/wasm' &&
        WebAssembly.compileStreaming)
        return WebAssembly.compileStreaming(response);
    return WebAssembly.compile(await response.arrayBuffer());
}

// The two WASI calls the C++ library makes: the clocks and the random device, both used only
// to seed a generator run that was given no seed.
function systemImports(memory) {
    const Success = 0, BadClock = 28;
    return {
        clock_time_get(clock, precision, timeAt) {
            const milliseconds = clock === 0 ? Date.now() : clock === 1 ? performance.now() : -1;
            if (milliseconds < 0) return BadClock;
            const nanoseconds = BigInt(Math.round(milliseconds * 1e6));
            new DataView(memory().buffer).setBigUint64(timeAt, nanoseconds, true);
            return Success;
        },
        random_get(at, size) {
            const bytes = new Uint8Array(memory().buffer, at, size);
            for (let from = 0; from < size; from += 65536)  // the most getRandomValues fills
                crypto.getRandomValues(bytes.subarray(from, from + 65536));
            return Success;
        },
    };
}

class Scorer {
    #calls;

    constructor(exports) {
        this.#calls = exports;
        this.version = this.#run('fanwright_version', '').text;
    }

    // The JSON line of `fanwright-cli score --json -- CODE`, without its line feed.
    scoreText(code) {
        return this.#run('fanwright_score', String(code)).text.slice(0, -1);
    }

    // That line as an object: the scored hand, or {code, error} for one that is not a hand.
    score(code) {
        return JSON.parse(this.scoreText(code));
    }

    // The codes `fanwright-cli generate` prints for the same options, or {error} with its
    // message when it refuses them.
    generate(options = {}) {
        const words = [];
        for (const [name, value] of Object.entries(options)) {
            if (value === undefined) continue;
            if (!generateOptions.includes(name))
                return { error: `fanwright-cli generate: unknown option '--${name}'` };
            const word = `--${name}=${value}`;
            if (word.includes('\n'))
                return { error: `fanwright-cli generate: a line break in the value of --${name}` };
            words.push(word);
        }
        const { status, text } = this.#run('fanwright_generate', words.join('\n'));
        if (status !== 0) return { error: text.split('\n')[0] };
        return text.split('\n').slice(0, -1);
    }

    // Writes the argument into the module, makes the call, reads back its status and text.
    #run(name, argument) {
        const calls = this.#calls;
        const room = argument.length * 3;  // UTF-8 takes at most three bytes per UTF-16 unit
        const at = calls.fanwright_argument(room);
        const { written } =
            encoder.encodeInto(argument, new Uint8Array(calls.memory.buffer, at, room));
        calls.fanwright_argument(written);
        const status = calls[name]();
        const result = new Uint8Array(calls.memory.buffer, calls.fanwright_result(),
                                      calls.fanwright_result_size());
        return { status, text: decoder.decode(result) };
    }
}

const neededCalls = ['memory', '_initialize', 'fanwright_argument', 'fanwright_result',
                     'fanwright_result_size', 'fanwright_score', 'fanwright_generate',
                     'fanwright_version'];

async function instantiate(url) {
    const module = await fetchModule(url);
    const missing = neededCalls.filter(name => !WebAssembly.Module.exports(module)
                                                     .some(entry => entry.name === name));
    if (missing.length > 0) throw new Error(`not Fanwright's module: no ${missing.join(', ')}`);
    let instance;
    const memory = () => instance.exports.memory;
    instance = await WebAssembly.instantiate(
        module, { wasi_snapshot_preview1: systemImports(memory) });
    instance.exports._initialize();
    return new Scorer(instance.exports);
}

export const Fanwright = {
    // Loads the module, by default fanwright.wasm beside this file; a relative url is taken
    // from this file's folder. Rejects with the reason when the module cannot be had or run.
    async load(url = defaultModule) {
        const where = new URL(url, import.meta.url);
        try {
            return await instantiate(where);
        } catch (error) {
            throw new Error(`Fanwright: cannot load ${where.href}: ${error.message ?? error}`,
                            { cause: error });
        }
    },
};

export default Fanwright;
