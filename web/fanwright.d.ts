// Types of fanwright.js: Fanwright's scorer as a WebAssembly module. Every object is what
// fanwright-cli writes as JSON for the same input; the README describes each field.

/**
 * A tile, as the hand code's names in order: 0 none ("em"), 1..9 bamboos ("1b".."9b"),
 * 10..18 characters ("1c".."9c"), 19..27 dots ("1d".."9d"), 28..31 winds east, south, west,
 * north ("we".."wn"), 32..34 dragons red, green, white ("dr", "dg", "dw").
 */
export type Tile = number;

/**
 * A set of a reading: [kind, tile]. Kinds: 1 chow and 2 knitted triple (by the middle tile),
 * 3 pung, 4 kong, 5 one pair of seven pairs, 10 thirteen orphans, 11 greater and 12 lesser
 * honors and knitted tiles.
 */
export type ReadingSet = [kind: number, tile: Tile];

/** Counted fans: fan number (as a string key) → how many times it counts. */
export type FanCounts = Record<string, number>;

/** A code the command line refuses: what is wrong with it. */
export interface RefusedCode {
    /** The code as given, or its start when it is long (printable, valid UTF-8). */
    code: string;
    /** The whole code's length in bytes, when `code` shows only its start. */
    length?: number;
    error: string;
}

/** `fanwright-cli score --json -- CODE` for a code that is a hand. */
export interface Score {
    code: string;
    /** Points; 0 when the hand is not a winning hand. */
    total: number;
    /** The kept reading's form: 0 none, 1 four sets and a pair, 2 seven pairs, 3 special. */
    form: number;
    sets: ReadingSet[];
    /** The pair's tile; 0 when the reading has none. */
    pair: Tile;
    waits: Tile[];
    fans: FanCounts;
}

export interface NotCounted {
    fan: number;
    reason: 'excluded' | 'wait-conflict' | 'several-waits' | 'pairing';
    /** The fan that excludes it, the other wait fans or the waits, or null. */
    by: number | number[] | null;
}

export interface Reading {
    form: number;
    sets: ReadingSet[];
    pair: Tile;
    fans: FanCounts;
    total: number;
    not_counted: NotCounted[];
}

/** `fanwright-cli explain --json -- CODE`: the score's fields, then every reading. */
export interface Explanation extends Score {
    /** Index in `readings` of the reading kept, or null when the hand has none. */
    kept: number | null;
    readings: Reading[];
}

/** One line of `fanwright-cli fans --json`. */
export interface Fan {
    fan: number;
    name: string;
    points: number;
    description: string;
    /** A hand code that scores the fan, or null for one no hand here scores. */
    example: string | null;
    never_with: number[];
}

/** The options of `fanwright-cli generate`, each given to it as `--name=value`. */
export interface GenerateOptions {
    /** 0..4294967295; without it every call deals different hands. */
    seed?: number;
    /** 1..100000000 hands, default 1; generate() takes at most 1000000. */
    count?: number;
    /** Share of melded sets in tenths, 0..10, default 5. */
    melding?: number;
    /** Percent of chows, 0..100, default 40. */
    chow?: number;
    /** Percent of pungs, 0..100, default 40; chow + pung at most 100. */
    pung?: number;
    /** Special hands: 0 never, 1 rare, 2 sometimes, 3 often; default 1. */
    special?: number;
    /** Situation flags, the same four levels; default 1. */
    flags?: number;
    /** 8: only hands of at least 8 points; default 0. */
    min?: 0 | 8;
}

/** Options the command refuses: its message's first line. */
export interface GenerateError {
    error: string;
}

export interface FanwrightModule {
    /** "1.0": the version of the program the module was built from. */
    readonly version: string;
    /** A code as a string, or as the bytes of a line (of a log file, say) in a Uint8Array. */
    score(code: string | Uint8Array): Score | RefusedCode;
    /** The same, as the command writes it: one JSON line with its line feed. */
    scoreJson(code: string | Uint8Array): string;
    explain(code: string | Uint8Array): Explanation | RefusedCode;
    explainJson(code: string | Uint8Array): string;
    /** The 81 fans in the command's order, a fresh array each call. */
    fans(): Fan[];
    /** The command's 81 lines. */
    fansJson(): string;
    /** The codes the command prints for these options, or its refusal. */
    generate(options?: GenerateOptions): string[] | GenerateError;
    /**
     * The same hands, dealt as they are asked for, in arrays of at most `piece` codes (default
     * 4096, at most 65536): any count the command takes. Leaving the loop early, or calling
     * return(), ends the run.
     */
    generatePieces(options?: GenerateOptions, piece?: number): IterableIterator<string[]> | GenerateError;
}

export declare const Fanwright: {
    /**
     * Loads the module, by default fanwright.wasm beside fanwright.js; a relative URL is taken
     * from fanwright.js's folder. Rejects with an Error "Fanwright: cannot load URL: reason".
     */
    load(url?: string | URL): Promise<FanwrightModule>;
};

export default Fanwright;
