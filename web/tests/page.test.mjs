// The page's own decisions, in node without a browser: names of tiles, captions, the hand's
// items in the trainer's order, links that carry a hand, log lines, the fan search and what
// the page keeps in storage.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { caption, codeFromHash, findFans, handItems, linkToHand, logLine, logLines, paletteRows,
         tileName, verdictTone, windName } from '../page/model.js';
import { Store } from '../page/store.js';

test('tiles are named as a person says them', () => {
    const rows = [[1, '1 bamboo'], [9, '9 bamboo'], [10, '1 characters'], [23, '5 dots'],
                  [27, '9 dots'], [28, 'east wind'], [31, 'north wind'], [32, 'red dragon'],
                  [34, 'white dragon'], [0, 'face-down tile'], [35, 'not chosen']];
    for (const [tile, name] of rows) assert.equal(tileName(tile), name, `tile ${tile}`);
    assert.equal(windName(0), 'none');
    assert.equal(windName(29), 'south wind');
});

test('captions lose their access-key marks', () => {
    const rows = [['&Next', 'Next'], ['Edit &Mode >>', 'Edit Mode >>'], ['Clea&r', 'Clear'],
                  ['&Calculate', 'Calculate'], ['Plain', 'Plain']];
    for (const [text, shown] of rows) assert.equal(caption(text), shown);
});

test('the hand\'s items are numbered as the trainer\'s hit table: sets, tiles, winning tile', () => {
    const hand = {
        sets: [{ kind: 'chow', tile: 2, tiles: [1, 2, 3], raised: 0 },
               { kind: 'concealedKong', tile: 28, tiles: [0, 28, 0], raised: 28 }],
        concealed: [23, 23], winning: 5,
    };
    const items = handItems(hand);
    assert.deepEqual([...items.sets, ...items.concealed, ...items.winning].map(item => item.index),
                     [0, 1, 2, 3, 4]);
    assert.equal(items.sets[0].name, 'Chow of 1 bamboo, 2 bamboo, 3 bamboo');
    assert.equal(items.sets[1].name, 'Concealed kong of east wind');
    assert.equal(items.winning[0].name, '5 bamboo');
    assert.deepEqual(handItems({ sets: [], concealed: [], winning: 0 }).winning, []);
});

test('the palette holds the 34 tiles once each, suits in rows of nine', () => {
    const rows = paletteRows();
    assert.deepEqual(rows.map(row => row.length), [9, 9, 9, 7]);
    assert.deepEqual(rows.flat(), Array.from({ length: 34 }, (_, i) => i + 1));
});

test('a link carries a hand, and the address gives it back', () => {
    const code = 'ch3bpu5c1b7d8d9dwewewe1bffffwewsw';
    const link = linkToHand('http://127.0.0.1:8000/index.html?x=1#old', code);
    assert.equal(link, `http://127.0.0.1:8000/index.html?x=1#hand=${code}`);
    const rows = [[`#hand=${code}`, code], ['#hand=a%20b', 'a b'], ['#hand=%E0%A4', '%E0%A4'],
                  ['#hand=', ''], ['#other', null], ['', null], [undefined, null]];
    for (const [hash, expected] of rows) assert.equal(codeFromHash(hash), expected, String(hash));
});

test('log lines are written and read as the log file has them', () => {
    assert.equal(logLine('1b9b1c9c1d9dwewswwwndrdgdw1bffffememw', 'x'),
                 '1b9b1c9c1d9dwewswwwndrdgdw1bffffememw - x');
    assert.equal(logLine('c', ''), 'c - ');
    assert.equal(logLine('c', 'y'.repeat(600)).length, 'c - '.length + 511);
    assert.deepEqual(logLines('a - 1\r\n\n  \t\nb\n'), [{ number: 1, text: 'a - 1' }, { number: 4, text: 'b' }]);
    assert.deepEqual(logLines(''), []);
});

test('fans are found by number or by every word of their name', () => {
    const fans = [{ fan: 19, name: 'Seven Pairs' }, { fan: 7, name: 'Seven Shifted Pairs' },
                  { fan: 21, name: 'Pure Triple Chow' }];
    const names = query => findFans(fans, query).map(fan => fan.fan);
    assert.deepEqual(names(''), [19, 7, 21]);
    assert.deepEqual(names('seven'), [19, 7]);
    assert.deepEqual(names('pairs shifted'), [7]);
    assert.deepEqual(names('19'), [19]);
    assert.deepEqual(names('CHOW'), [21]);
    assert.deepEqual(names('nothing'), []);
});

test('the verdict\'s colours follow the result window\'s title', () => {
    assert.equal(verdictTone('OK'), 'right');
    assert.equal(verdictTone('ERROR!'), 'wrong');
    assert.equal(verdictTone('Result'), 'plain');
});

class MemoryStorage {
    items = new Map();
    getItem(key) { return this.items.has(key) ? this.items.get(key) : null; }
    setItem(key, value) { this.items.set(key, String(value)); }
}

test('settings and saved lines survive in storage, and broken storage is survived', () => {
    const storage = new MemoryStorage();
    const store = new Store(storage);
    assert.deepEqual(store.settings(), {});
    store.keepSettings({ melding: 3, chow: 50, pung: 30, kong: 20, special: 2, flags: 0, min: 8, label: 'x' });
    assert.deepEqual(new Store(storage).settings(), { melding: 3, chow: 50, pung: 30, special: 2, flags: 0, min: 8 });
    store.append('a - one');
    store.append('b - two');
    assert.deepEqual(new Store(storage).lines(), ['a - one', 'b - two']);
    assert.equal(store.logFile(), 'a - one\nb - two\n');
    store.forgetLines();
    assert.deepEqual(store.lines(), []);

    storage.setItem('fanwright.settings', '{not json');
    assert.deepEqual(store.settings(), {});
    const refusing = new Store({ getItem() { throw new Error('denied'); }, setItem() { throw new Error('full'); } });
    assert.deepEqual(refusing.settings(), {});
    refusing.append('c - three');
    assert.deepEqual(refusing.lines(), []);
    assert.deepEqual(new Store(null).lines(), []);
});
