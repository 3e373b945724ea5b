// Fanwright's scorer as a WebAssembly module: the same code as fanwright-cli, so the same
// answers, in a browser or in node. Types: fanwright.d.ts.
//
//   import { Fanwright } from './fanwright.js';
//   const fanwright = await Fanwright.load();
//   fanwright.score('3b3b6b6b3c3c5c5c2d2d2d6d6d2dffffememw').total;  // 32

const defaultModule = new URL('fanwright.wasm', import.meta.url);

// The longest line the command reads; a longer code goes in as the command would show it, so
// that the module's memory stays small whatever a page passes.
const longestLine = 65536;
// generate() gives one array; past this many hands it refuses, and generatePieces() streams.
const generateArrayLimit = 1_000_000;
const defaultPiece = 4096;

const encoder = new TextEncoder();
const decoder = new TextDecoder();
// node reads UTF-8 out of memory a tenth of a call quicker with its Buffer's own reader than
// with its TextDecoder; browsers have no Buffer, and their TextDecoder is the quick one.
const utf8Slice = globalThis.Buffer?.prototype.utf8Slice;

async function fetchModule(url) {
    if (url.protocol === 'file:') {
        const files = 'node:fs/promises';  // named apart, so that a page's bundler leaves it be
        const { readFile } = await import(files);
        return WebAssembly.compile(await readFile(url));
    }
    const response = await fetch(url);
    if (!response.ok) throw new Error(`HTTP ${response.status} ${response.statusText}`.trim());
    // Streaming needs the server to say application/wasm; compiling the bytes does not.
    if (WebAssembly.compileStreaming &&
        response.headers.get('Content-Type')?.split(';')[0].trim() === 'application/wasm')
        return WebAssembly.compileStreaming(response);
    return WebAssembly.compile(await response.arrayBuffer());
}

// node 18 has no global crypto; node 20 builds its own at first touch, which takes
// milliseconds, so it is touched only when a run is given no seed.
async function randomSource() {
    if ('crypto' in globalThis) return () => globalThis.crypto;
    const nodeCrypto = 'node:crypto';
    const { webcrypto } = await import(nodeCrypto);
    return () => webcrypto;
}

// The two WASI calls the C++ library makes: the clocks and the random device, both used only
// to seed a generator run that was given no seed.
function systemImports(memory, random) {
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
                random().getRandomValues(bytes.subarray(from, from + 65536));
            return Success;
        },
    };
}

// UTF-8 bytes of a string, as TextEncoder writes it.
function utf8Length(text) {
    let bytes = text.length;
    for (let i = 0; i < text.length; ++i) {
        const unit = text.charCodeAt(i);
        if (unit < 0x80) continue;
        if (unit < 0x800) bytes += 1;
        else if (unit >= 0xd800 && unit < 0xdc00 && (text.charCodeAt(i + 1) & 0xfc00) === 0xdc00)
            bytes += 2, ++i;  // a pair: four bytes for two units
        else bytes += 2;
    }
    return bytes;
}

function asText(value) {
    try {
        return typeof value === 'string' ? value : String(value);
    } catch {
        return null;
    }
}

// A value as a word of a call; undefined and null as none.
function word(value) {
    return value === undefined || value === null ? '' : asText(value) ?? '';
}

// A run of the dealer as an iterator of arrays of codes; ending it early, or running out,
// ends the run in the module.
class Pieces {
    #deal;
    #end;
    #done = false;

    constructor(deal, end) {
        this.#deal = deal;
        this.#end = end;
    }

    next() {
        if (!this.#done) {
            const codes = this.#deal();
            if (codes.length > 0) return { value: codes, done: false };
            this.return();
        }
        return { value: undefined, done: true };
    }

    return() {
        if (!this.#done) {
            this.#done = true;
            this.#end();
        }
        return { value: undefined, done: true };
    }

    [Symbol.iterator]() {
        return this;
    }
}

class FanwrightModule {
    #calls;
    #memory;
    #bytes;
    #words;  // the memory as 32-bit words, for the reply
    #reply;  // the word where the module says where its text is; the next says how long
    #argumentAt = 0;
    #argumentRoom = 0;
    #fansText = null;
    // Runs a page let go of without ending them, ended when their iterators are collected.
    #lostRuns = new FinalizationRegistry(number => this.#calls.fanwright_generate_end(number));

    constructor(exports) {
        this.#calls = exports;
        this.#memory = exports.memory;
        this.#reply = exports.fanwright_reply() / 4;
        this.#view();
        exports.fanwright_version();
        this.version = this.#read();
    }

    // The scored hand, as `fanwright-cli score --json -- CODE` writes it, or {code, error}.
    // The code is a string, or its bytes in a Uint8Array.
    score(code) {
        return JSON.parse(this.scoreJson(code));
    }

    // That line, exactly as the command writes it (line feed included).
    scoreJson(code) {
        return this.#takeCode(this.#calls.fanwright_score, code);
    }

    // Every reading of the hand and the fans not counted, as `explain --json -- CODE`.
    explain(code) {
        return JSON.parse(this.explainJson(code));
    }

    explainJson(code) {
        return this.#takeCode(this.#calls.fanwright_explain, code);
    }

    // The 81 fans of `fanwright-cli fans --json`, a fresh array each time.
    fans() {
        return this.fansJson().split('\n', 81).map(line => JSON.parse(line));
    }

    fansJson() {
        if (this.#fansText === null) {
            this.#calls.fanwright_fans();
            this.#fansText = this.#read();
        }
        return this.#fansText;
    }

    // The trainer of the main window, as the Windows program runs it: one session per
    // module. Each call is a person's action and answers with the window's state.
    get trainer() {
        const calls = this.#calls;
        const state = (call, text) => JSON.parse(text === undefined ? (call(), this.#read())
                                                                    : this.#textCall(call, text));
        return {
            state: () => state(calls.fanwright_trainer_state),
            click: name => state(calls.fanwright_trainer_click, asText(name) ?? ''),
            type: text => state(calls.fanwright_trainer_type, asText(text) ?? ''),
            enter: focus => state(calls.fanwright_trainer_enter, asText(focus) ?? ''),
            palette: tile => state(() => calls.fanwright_trainer_palette(tile | 0)),
            remove: index => state(() => calls.fanwright_trainer_remove(index | 0)),
            load: code => state(calls.fanwright_trainer_load, asText(code) ?? ''),
        };
    }

    // The dealer's settings by name, forgiven as the Windows program forgives its registry,
    // become the trainer's; returns them as kept, with the kong share and the slider's label.
    settings(values = {}) {
        const names = ['melding', 'chow', 'pung', 'special', 'flags', 'min'];
        return JSON.parse(this.#textCall(this.#calls.fanwright_settings_set,
                                         names.map(name => word(values?.[name])).join('\0')));
    }

    // The settings sheet after the user stepped one share ('chow', 'pung', 'kong', or none):
    // the three shares adding up to 100 again, and the slider's label for `melding`.
    settingsSheet({ melding, chow, pung, kong } = {}, changed = '') {
        const words = [melding, chow, pung, kong, changed].map(word);
        return JSON.parse(this.#textCall(this.#calls.fanwright_settings_sheet, words.join('\0')));
    }

    // A code's hand as the main window draws it, with its situation; or {error}.
    hand(code) {
        return JSON.parse(this.#textCall(this.#calls.fanwright_hand, asText(code) ?? ''));
    }

    // The explanation in words: each reading's "Not counted:" lines and note, the tie line, and
    // the text of `fanwright-cli explain`; or {error}.
    explainNotes(code) {
        return JSON.parse(this.#textCall(this.#calls.fanwright_explain_notes, asText(code) ?? ''));
    }

    // A short text in, the call's text out; longer texts than a line are cut, as no code or
    // name is that long.
    #textCall(call, text) {
        call(this.#write(text.slice(0, longestLine)));
        return this.#read();
    }

    // The codes `fanwright-cli generate` prints for the same options, or {error} with its
    // message when it refuses them, or when the count is more than one array should hold.
    generate(options = {}) {
        const run = this.#startRun(options);
        if (run.error !== undefined) return run;
        if (run.count > generateArrayLimit) {
            this.#calls.fanwright_generate_end(run.number);
            return {
                error: `fanwright generate: ${run.count} hands are more than one array holds ` +
                       `here (${generateArrayLimit} at most); generatePieces streams them`,
            };
        }
        const codes = [];
        for (let piece; (piece = this.#dealPiece(run.number, defaultPiece)).length > 0;) {
            for (const code of piece) codes.push(code);
        }
        return codes;
    }

    // The same hands in arrays of at most `piece` codes, dealt as they are asked for, so that
    // any count the command takes fits in memory; or {error} as generate() gives it.
    generatePieces(options = {}, piece = defaultPiece) {
        const run = this.#startRun(options);
        if (run.error !== undefined) return run;
        const size = Number.isFinite(piece) ? Math.max(1, Math.min(Math.floor(piece), 65536))
                                            : defaultPiece;
        const calls = this.#calls;
        const pieces = new Pieces(() => this.#dealPiece(run.number, size), () => {
            calls.fanwright_generate_end(run.number);
            this.#lostRuns.unregister(pieces);
        });
        this.#lostRuns.register(pieces, run.number, pieces);
        return pieces;
    }

    // The options as the command's words, one "--name=value" each; any name goes to the
    // command, which refuses those it does not know.
    #startRun(options) {
        const words = [];
        for (const [name, value] of Object.entries(options ?? {})) {
            if (value === undefined) continue;
            const word = `--${name}=${asText(value)}`;
            if (word.includes('\0'))
                return { error: `fanwright generate: a NUL character in --${name}, which no ` +
                                'command line can hold' };
            words.push(word);
        }
        const argument = words.join('\0');
        if (argument.length > longestLine)
            return { error: `fanwright generate: options longer than ${longestLine} characters` };
        const number = this.#calls.fanwright_generate_start(this.#write(argument));
        const text = this.#read();
        return number === 0 ? { error: text.split('\n')[0] } : { number, count: Number(text) };
    }

    #dealPiece(number, size) {
        const dealt = this.#calls.fanwright_generate_next(number, size);
        return dealt === 0 ? [] : this.#read().split('\n', dealt);
    }

    // A code as a string, or as bytes (a line of a log file read as it is). One too long for
    // any command line goes in as the command would show it: the command refuses a line of
    // more than 65536 bytes, showing its start and its length less its trailing line breaks.
    #takeCode(call, code) {
        if (typeof code === 'string' && code.length <= longestLine) {  // the common case
            const size = this.#write(code);
            call(size, size);
            return this.#read();
        }
        const bytes = code instanceof Uint8Array;
        const text = bytes ? code : asText(code);
        if (text === null) return '{"code": "", "error": "not text"}\n';
        const write = part => (bytes ? this.#writeBytes(part) : this.#write(part));
        if (text.length <= longestLine) {
            const size = write(text);
            call(size, size);
            return this.#read();
        }
        let end = text.length;
        const isBreak = bytes ? unit => unit === 10 || unit === 13
                              : unit => unit === '\n' || unit === '\r';
        while (end > 0 && isBreak(text[end - 1])) --end;
        const kept = text.slice(0, end);
        const length = bytes ? end : utf8Length(kept);
        if (length > longestLine) {
            const size = write(kept.slice(0, longestLine + 1));  // enough to show its start
            call(size, length);
        } else {  // padded with line breaks, which it drops, to be too long again
            const padded = bytes ? new Uint8Array(longestLine + 1).fill(10) : null;
            padded?.set(kept);
            const size = write(padded ?? kept + '\n'.repeat(longestLine + 1 - length));
            call(size, size);
        }
        return this.#read();
    }

    #room(size) {
        if (size > this.#argumentRoom) {
            this.#argumentRoom = Math.max(size, 2 * this.#argumentRoom, 256);
            this.#argumentAt = this.#calls.fanwright_argument(this.#argumentRoom);
        }
        return this.#argumentAt;
    }

    #writeBytes(bytes) {
        const at = this.#room(bytes.length);
        this.#view().set(bytes, at);
        return bytes.length;
    }

    // Writes the argument into the module's room for it; returns its size in bytes.
    #write(text) {
        const room = text.length * 3;  // UTF-8 takes at most three bytes per UTF-16 unit
        const start = this.#room(room);
        const bytes = this.#view();
        let at = start;
        for (let i = 0; i < text.length; ++i) {  // codes are ASCII: no encoder needed
            const unit = text.charCodeAt(i);
            if (unit >= 0x80) {
                return encoder.encodeInto(text, bytes.subarray(start, start + room)).written;
            }
            bytes[at++] = unit;
        }
        return text.length;
    }

    // The last call's text.
    #read() {
        const bytes = this.#view(), words = this.#words;
        const at = words[this.#reply], end = at + words[this.#reply + 1];
        return utf8Slice ? utf8Slice.call(bytes, at, end) : decoder.decode(bytes.subarray(at, end));
    }

    // The module's memory, seen anew after it grew (which empties the old views).
    #view() {
        if (this.#bytes === undefined || this.#bytes.length === 0) {
            this.#bytes = new Uint8Array(this.#memory.buffer);
            this.#words = new Uint32Array(this.#memory.buffer);
        }
        return this.#bytes;
    }
}

const neededCalls = ['memory', '_initialize', 'fanwright_argument', 'fanwright_reply',
                     'fanwright_version', 'fanwright_score', 'fanwright_explain', 'fanwright_fans',
                     'fanwright_generate_start', 'fanwright_generate_next',
                     'fanwright_generate_end', 'fanwright_trainer_state', 'fanwright_trainer_click',
                     'fanwright_trainer_type', 'fanwright_trainer_enter',
                     'fanwright_trainer_palette', 'fanwright_trainer_remove',
                     'fanwright_trainer_load', 'fanwright_settings_set', 'fanwright_settings_sheet',
                     'fanwright_hand', 'fanwright_explain_notes'];

async function instantiate(url) {
    const [module, random] = await Promise.all([fetchModule(url), randomSource()]);
    const exported = new Set(WebAssembly.Module.exports(module).map(entry => entry.name));
    const missing = neededCalls.filter(name => !exported.has(name));
    if (missing.length > 0) throw new Error(`not Fanwright's module: no ${missing.join(', ')}`);
    let instance;
    const memory = () => instance.exports.memory;
    instance = await WebAssembly.instantiate(
        module, { wasi_snapshot_preview1: systemImports(memory, random) });
    instance.exports._initialize();
    return new FanwrightModule(instance.exports);
}

export const Fanwright = {
    // Loads the module, by default fanwright.wasm beside this file; a relative url is taken
    // from this file's folder. Rejects with the reason when the module cannot be had or run.
    async load(url = defaultModule) {
        let where;
        try {
            where = new URL(url, import.meta.url);
        } catch (error) {
            throw new Error(`Fanwright: cannot load ${url}: not a URL`, { cause: error });
        }
        try {
            return await instantiate(where);
        } catch (error) {
            throw new Error(`Fanwright: cannot load ${where.href}: ${error?.message ?? error}`,
                            { cause: error });
        }
    },
};

export default Fanwright;
