// What the page decides of its own, without a document: names of tiles for screen readers,
// captions without their access keys, the hand's groups as the page lays them out, links that
// carry a hand, and the saved log's lines. Every rule of the game is the module's.

const suitNames = ['bamboo', 'characters', 'dots'];
const honorNames = ['east wind', 'south wind', 'west wind', 'north wind',
                    'red dragon', 'green dragon', 'white dragon'];

export const FaceDown = 0;
export const UnsetWind = 35;  // the window's warning tile: a wind is needed, none chosen

// "3 bamboo", "east wind"; the two pictures that are not tiles by what they mean.
export function tileName(tile) {
    if (tile >= 1 && tile <= 27) return `${(tile - 1) % 9 + 1} ${suitNames[Math.floor((tile - 1) / 9)]}`;
    if (tile >= 28 && tile <= 34) return honorNames[tile - 28];
    if (tile === UnsetWind) return 'not chosen';
    return 'face-down tile';
}

// The wind boxes show a blank tile when no wind is needed.
export function windName(picture) {
    if (picture === 0) return 'none';
    return tileName(picture);
}

// "&Next" → "Next", "Edit &Mode >>" → "Edit Mode >>".
export function caption(text) {
    return text.replace(/&(.)/g, '$1');
}

const setWords = {
    chow: 'Chow', pung: 'Pung', meldedKong: 'Melded kong', concealedKong: 'Concealed kong',
};

// The hand's clickable items in the trainer's order (sets, concealed tiles, winning tile),
// each with its pictures and what a screen reader says of it.
export function handItems(hand) {
    let index = 0;
    const sets = hand.sets.map(set => ({
        index: index++,
        kind: set.kind,
        tiles: set.tiles,
        raised: set.raised,
        name: `${setWords[set.kind]} of ${setName(set)}`,
    }));
    const concealed = hand.concealed.map(tile => ({ index: index++, tiles: [tile], name: tileName(tile) }));
    const winning = hand.winning ? [{ index: index++, tiles: [hand.winning], name: tileName(hand.winning) }] : [];
    return { sets, concealed, winning };
}

function setName(set) {
    if (set.kind === 'chow') return set.tiles.map(tileName).join(', ');
    return tileName(set.tile);
}

// The palette's rows: the three suits, then the seven honours.
export function paletteRows() {
    const row = first => Array.from({ length: 9 }, (_, i) => first + i);
    return [row(1), row(10), row(19), Array.from({ length: 7 }, (_, i) => 28 + i)];
}

// The hand a page address opens: index.html#hand=CODE.
export function codeFromHash(hash) {
    const match = /^#hand=(.*)$/s.exec(hash ?? '');
    if (!match) return null;
    try {
        return decodeURIComponent(match[1]);
    } catch {
        return match[1];
    }
}

export function linkToHand(pageUrl, code) {
    const url = new URL(pageUrl);
    url.hash = `hand=${encodeURIComponent(code)}`;
    return url.href;
}

// The log file's line of a saved hand, as the Windows program writes it.
export const longestComment = 511;
export function logLine(code, comment) {
    return `${code} - ${comment.slice(0, longestComment)}`;
}

// The lines the command line would score: blank ones skipped but counted.
export function logLines(text) {
    const lines = [];
    text.split('\n').forEach((line, i) => {
        const kept = line.endsWith('\r') ? line.slice(0, -1) : line;
        if (/[^ \t\r]/.test(kept)) lines.push({ number: i + 1, text: kept });
    });
    return lines;
}

// The fans a search finds: by number, or by every word of the name.
export function findFans(fans, query) {
    const words = query.toLowerCase().split(/\s+/).filter(Boolean);
    if (words.length === 0) return fans;
    if (words.length === 1 && /^\d+$/.test(words[0])) return fans.filter(f => f.fan === Number(words[0]));
    return fans.filter(f => words.every(word => f.name.toLowerCase().includes(word)));
}

// The verdict's colours, by the result window's title: "OK", "ERROR!" or "Result".
export function verdictTone(title) {
    return { 'OK': 'right', 'ERROR!': 'wrong' }[title] ?? 'plain';
}
