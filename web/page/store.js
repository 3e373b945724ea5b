// What the page keeps in the browser: the dealer's settings and the saved hands' log lines.
// The storage is given, so that node can test this with a stand-in.

const settingsKey = 'fanwright.settings';
const logKey = 'fanwright.log';

export class Store {
    #storage;

    constructor(storage) {
        this.#storage = storage;
    }

    // The six settings as last kept, or {} (every one at its default).
    settings() {
        try {
            const kept = JSON.parse(this.#read(settingsKey) ?? '{}');
            return kept && typeof kept === 'object' ? kept : {};
        } catch {
            return {};
        }
    }

    keepSettings({ melding, chow, pung, special, flags, min }) {
        this.#write(settingsKey, JSON.stringify({ melding, chow, pung, special, flags, min }));
    }

    // The saved lines, oldest first, as the log file holds them.
    lines() {
        const text = this.#read(logKey) ?? '';
        return text === '' ? [] : text.replace(/\n$/, '').split('\n');
    }

    append(line) {
        this.#write(logKey, `${this.#read(logKey) ?? ''}${line}\n`);
    }

    forgetLines() {
        this.#write(logKey, '');
    }

    // The file Fanwright.log, line feeds only, as the Windows program writes it.
    logFile() {
        return this.#read(logKey) ?? '';
    }

    // A browser may refuse storage (private windows, full quota): the page goes on without it.
    #read(key) {
        try {
            return this.#storage?.getItem(key) ?? null;
        } catch {
            return null;
        }
    }

    #write(key, value) {
        try {
            this.#storage?.setItem(key, value);
        } catch {
            // kept for this visit only
        }
    }
}
