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

/** A declared set as the main window draws it: three pictures and a kong's raised fourth. */
export interface DrawnSet {
    kind: 'chow' | 'pung' | 'meldedKong' | 'concealedKong';
    /** The set's tile as the hand keeps it (a chow by its middle tile). */
    tile: Tile;
    /** The three pictures, left to right; 0 is a face-down tile (a concealed kong's outer two). */
    tiles: [Tile, Tile, Tile];
    /** A kong's fourth tile, raised over the middle one; 0 for a chow or a pung. */
    raised: Tile;
}

/** A hand as drawn: declared sets, the concealed tiles in order, the winning tile (0 none). */
export interface DrawnHand {
    sets: DrawnSet[];
    concealed: Tile[];
    winning: Tile;
}

/** hand(code): the hand and its situation. */
export interface HandDrawing extends DrawnHand {
    code: string;
    /** Last tile in game, last tile of its kind, replacement tile, robbing the kong. */
    flags: [boolean, boolean, boolean, boolean];
    prevalent: Tile;
    seat: Tile;
    /** 0 not chosen, 1 drawn from the wall, 2 a discard. */
    source: number;
}

export type ControlName =
    | 'next' | 'check' | 'mode' | 'clear' | 'save' | 'settings' | 'about' | 'points'
    | 'wall' | 'discard' | 'lastTileInGame' | 'lastTileOfKind' | 'replacementTile'
    | 'robbingTheKong' | 'chow' | 'pung' | 'meldedKong' | 'concealedKong' | 'concealedTile'
    | 'winningTile' | 'prevalentPrevious' | 'prevalentNext' | 'seatPrevious' | 'seatNext';

export interface ControlState {
    enabled: boolean;
    checked: boolean;
    /** The window's caption, '&' before the access key: "&Next", "Edit &Mode >>". */
    caption: string;
}

/** What the result window shows after a check or a calculation. */
export interface ShownResult extends FanRows {
    /** The points typed; 0 when there was nothing to judge. */
    answer: number;
    total: number;
    /** "Result", "OK" or "ERROR!". */
    title: string;
    /** The hand's code as it was scored. */
    code: string;
    /** "Right answer!", "This hand has 13 point(s)." and the like. */
    verdict: string;
    waits: Tile[];
    /** The kept reading: "Chow", "Pung", "Kong", "Knitted", "Pair" or a special hand's name. */
    reading: { label: string; tiles: Tile[] }[];
}

/** The dealer's six settings as kept, with the kong share and the slider's label ("70 / 30"). */
export interface Settings {
    melding: number;
    chow: number;
    pung: number;
    kong: number;
    special: number;
    flags: number;
    min: 0 | 8;
    label: string;
}

/** The main window as the trainer leaves it after an action. */
export interface TrainerState {
    /** Set when the action was refused: a code's refusal as the command line words it. */
    error?: string;
    state: 'idle' | 'answering' | 'editing';
    edit: boolean;
    controls: Record<ControlName, ControlState>;
    /** The points field's text. */
    points: string;
    /** The control the window would give the focus to. */
    focus: ControlName | null;
    /** The status bar's help text and score text ("Score 1:0"). */
    status: string;
    score: string;
    right: number;
    wrong: number;
    /** Whether the save button shows its coloured icon. */
    saveIcon: boolean;
    /** The wind boxes: 0 blank, 28..31 a wind, 35 a wind needed but not chosen. */
    winds: { prevalent: number; seat: number };
    addMode: 'chow' | 'pung' | 'meldedKong' | 'concealedKong' | 'concealedTile' | 'winningTile' | null;
    hand: DrawnHand;
    /** In edit mode, for tiles 1..34: whether a click in the add mode would add it. */
    palette: boolean[];
    complete: boolean;
    needsWinds: boolean;
    /** A complete hand's code, with the situation the controls show; else null. */
    code: string | null;
    /** How many results have been shown, and the last. */
    results: number;
    result: ShownResult | null;
    /** How often the save dialog, the settings sheet and About were asked for. */
    requests: { save: number; settings: number; about: number };
    settings: Settings;
}

export interface Trainer {
    state(): TrainerState;
    /** A click on a control: refused while it is disabled. */
    click(name: ControlName): TrainerState;
    /** The points field's new text. */
    type(text: string): TrainerState;
    /** Enter, with the focus on a control (on 'points' it checks). */
    enter(focus: ControlName): TrainerState;
    /** A click on palette tile 1..34 (edit mode). */
    palette(tile: Tile): TrainerState;
    /** A click on the hand's item: its sets, then concealed tiles, then the winning tile. */
    remove(index: number): TrainerState;
    /** Shows a code's hand in edit mode, ready for "Calculate"; a bad code sets `error`. */
    load(code: string): TrainerState;
}

/** A fan table as the result window has it: a row per counted fan, then the total row. */
export interface FanRows {
    fans: { fan: number; name: string; count: number; points: number }[];
    totalRow: { label: string; count: number; points: number };
}

/** explainNotes(code): the explanation in words, every reading drawn as the result window draws one. */
export interface ExplanationNotes {
    total: number;
    /** Index of the kept reading, or null when the hand has none. */
    kept: number | null;
    readings: (FanRows & {
        reading: { label: string; tiles: Tile[] }[];
        /** "Pure Double Chow — excluded by Pure Triple Chow", as `fanwright-cli explain` says it. */
        not_counted: string[];
        /** "Chicken Hand counts because no other fan did.", or null. */
        note: string | null;
    })[];
    /** "Readings 1 and 2 tie at 30 points; the first found is kept.", or "". */
    tie: string;
    /** What `fanwright-cli explain -- CODE` prints. */
    text: string;
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
    /** The main window's trainer, one session per module. */
    readonly trainer: Trainer;
    /** Makes the settings the dealer's, each out-of-range value back to its default. */
    settings(values: Partial<Omit<Settings, 'kong' | 'label'>>): Settings;
    /** The settings sheet after a step on one share: the shares adding up to 100 again. */
    settingsSheet(shown: { melding: number; chow: number; pung: number; kong: number },
                  changed?: 'chow' | 'pung' | 'kong' | ''): { melding: number; label: string; chow: number; pung: number; kong: number };
    hand(code: string): HandDrawing | { error: string };
    explainNotes(code: string): ExplanationNotes | { error: string };
}

export declare const Fanwright: {
    /**
     * Loads the module, by default fanwright.wasm beside fanwright.js; a relative URL is taken
     * from fanwright.js's folder. Rejects with an Error "Fanwright: cannot load URL: reason".
     */
    load(url?: string | URL): Promise<FanwrightModule>;
};

export default Fanwright;
