// The module's trainer calls against the native command line: hands built by palette clicks as
// a person builds them give back their own code and the command's score; a refused code gives
// the command's message; explanations in words are the command's text; the settings sheet
// balances as the Windows program's does.
//
//   node web/tests/trainer.mjs BUILD_WEB_DIR FANWRIGHT_CLI
import { spawnSync } from 'node:child_process';
import { join, resolve } from 'node:path';
import { pathToFileURL } from 'node:url';

const [webDir, cliPath] = process.argv.slice(2).map(path => path && resolve(path));
if (!cliPath) {
    console.error('usage: node trainer.mjs BUILD_WEB_DIR FANWRIGHT_CLI');
    process.exit(2);
}
const cli = (...args) => spawnSync(cliPath, args, { encoding: 'utf8', maxBuffer: 1 << 28 });

let passed = 0, failed = 0;
function check(what, got, want) {
    const same = JSON.stringify(got) === JSON.stringify(want);
    if (same) return ++passed;
    if (failed++ < 10) console.log(`DIFFERS ${what}\n  got:  ${JSON.stringify(got)?.slice(0, 300)}\n  want: ${JSON.stringify(want)?.slice(0, 300)}`);
}

const { Fanwright } = await import(pathToFileURL(join(webDir, 'fanwright.js')));
const fanwright = await Fanwright.load();
const trainer = fanwright.trainer;

// A person building the hand of `code` in edit mode: the sets by their modes and tiles, the
// concealed tiles, the winning tile, then the win source, the flags and the winds.
function build(code) {
    const drawn = fanwright.hand(code);
    let state = trainer.state();
    if (!state.edit) state = trainer.click('mode');
    state = trainer.click('clear');
    for (const set of drawn.sets) {
        trainer.click(set.kind);
        state = trainer.palette(set.tile);
    }
    for (const tile of drawn.concealed) {
        if (state.addMode !== 'concealedTile') trainer.click('concealedTile');
        state = trainer.palette(tile);
    }
    if (state.addMode !== 'winningTile') trainer.click('winningTile');
    state = trainer.palette(drawn.winning);
    if (drawn.source) state = trainer.click(drawn.source === 1 ? 'wall' : 'discard');
    ['lastTileInGame', 'lastTileOfKind', 'replacementTile', 'robbingTheKong'].forEach((flag, i) => {
        if (state.controls[flag].checked !== drawn.flags[i]) state = trainer.click(flag);
    });
    for (const [wind, next] of [['prevalent', 'prevalentNext'], ['seat', 'seatNext']]) {
        for (let steps = 0; state.controls[next].enabled && state.winds[wind] !== drawn[wind] && steps < 5; ++steps)
            state = trainer.click(next);
    }
    return state;
}

// Hands of every kind the dealer makes, all flags and special hands often, built and scored.
const codes = [
    ...fanwright.generate({ seed: 11, count: 150 }),
    ...fanwright.generate({ seed: 12, count: 100, melding: 10, chow: 0, pung: 0, flags: 3 }),
    ...fanwright.generate({ seed: 13, count: 100, melding: 0, special: 3, flags: 3 }),
    ...fanwright.generate({ seed: 14, count: 50, melding: 8, chow: 10, pung: 60, flags: 3, min: 8 }),
];
const native = cli('score', '--json', '--', ...codes).stdout.trim().split('\n').map(line => JSON.parse(line));
codes.forEach((code, i) => {
    const built = build(code);
    check(`${code}: built by clicks, the hand has its code`, built.code, code);
    check(`${code}: ready to calculate`, built.controls.check.enabled, true);
    const { result } = trainer.click('check');
    const want = native[i];
    check(`${code}: calculated as the command scores it`,
          [result.total, result.waits, result.fans.map(row => [String(row.fan), row.count])],
          [want.total, want.waits, Object.entries(want.fans)]);
    check(`${code}: its verdict`, result.verdict, `This hand has ${want.total} point(s).`);
});

// Editing rows: the palette's greying, the add mode after each change, removal by item.
const rows = [
    ['on an empty hand, chow greys 1s, 9s and honours',
     () => { trainer.click('clear'); return trainer.click('chow').palette.map(Number).join(''); },
     '0111111100111111100111111100000000'],
    ['a chow by its middle tile', () => trainer.palette(2).hand.sets, [{ kind: 'chow', tile: 2, tiles: [1, 2, 3], raised: 0 }]],
    ['a kong mode greys every tile in the hand', () => trainer.click('meldedKong').palette.slice(0, 4), [false, false, false, true]],
    ['a concealed kong is drawn face down outside, its fourth tile raised',
     () => trainer.click('concealedKong') && trainer.palette(28).hand.sets[1], { kind: 'concealedKong', tile: 28, tiles: [0, 28, 0], raised: 28 }],
    ['taking out a set selects its kind', () => trainer.remove(0).addMode, 'chow'],
    ['the winning tile before the concealed ones moves to concealed tiles',
     () => { trainer.click('winningTile'); return trainer.palette(5).addMode; }, 'concealedTile'],
    ['a click between items takes nothing out', () => trainer.remove(99).hand.concealed.length, 0],
];
for (const [what, act, want] of rows) check(what, act(), want);

// Test mode: a wrong answer, then a right one, kept in the score.
let state = trainer.click('mode');
state = trainer.click('next');
check('a deal asks for the points', [state.state, state.focus, state.controls.check.caption], ['answering', 'points', '&Check']);
const total = JSON.parse(cli('score', '--json', '--', state.code).stdout).total;
trainer.type(String(total + 1));
state = trainer.enter('points');
check('a wrong answer', [state.result.title, state.result.verdict, state.score],
      ['ERROR!', `This hand has ${total} (not ${total + 1}) point(s).`, 'Score 0:1']);
state = trainer.click('next');
const second = JSON.parse(cli('score', '--json', '--', state.code).stdout).total;
trainer.type(String(second));
state = trainer.click('check');
check('a right answer', [state.result.title, state.result.verdict, state.score], ['OK', 'Right answer!', 'Score 1:1']);

// Codes the command refuses: its own message, and the hand on screen stays.
for (const bad of ['xx', 'ch1bffffememw', '1b1b1b1b1b2b3b4b5b6b7b8b9b1bffffememw', 'é']) {
    const before = trainer.state().code;
    const refused = trainer.load(bad);
    check(`load ${bad}`, refused.error, cli('score', '--', bad).stderr.trimEnd());
    check(`load ${bad} keeps the hand`, refused.code, before);
    check(`hand ${bad}`, fanwright.hand(bad).error, refused.error);
}
state = trainer.load('1b2b3b4c5c6c7c8c9c4d5d5d6d5dffffememd');
check('a loaded code is in edit mode, ready to calculate', [state.edit, state.controls.check.enabled], [true, true]);

// The explanation in words is the command's text, its lines among it.
for (const code of codes.slice(0, 60)) {
    const notes = fanwright.explainNotes(code);
    const text = cli('explain', '--', code).stdout;
    check(`${code}: explain text`, notes.text, text);
    const lines = notes.readings.flatMap(reading => reading.not_counted);
    check(`${code}: not-counted lines`, lines.filter(line => !text.includes(`    ${line}\n`)), []);
    check(`${code}: kept`, notes.kept, fanwright.explain(code).kept);
}

// The settings sheet: a step on one share, balanced as the property page balances it; and
// settings forgiven as the registry's are.
const sheet = [
    [[5, 41, 40, 20, 'chow'], [41, 39, 20]], [[5, 41, 0, 60, 'chow'], [41, 0, 59]],
    [[5, 59, 41, 0, 'pung'], [59, 41, 0]], [[5, 30, 0, 71, 'kong'], [29, 0, 71]],
    [[5, 99, 0, 0, 'chow'], [99, 1, 0]], [[5, 40, 40, 20, ''], [40, 40, 20]],
];
for (const [[melding, chow, pung, kong, changed], want] of sheet) {
    const shown = fanwright.settingsSheet({ melding, chow, pung, kong }, changed);
    check(`sheet ${chow}/${pung}/${kong} after ${changed}`, [shown.chow, shown.pung, shown.kong], want);
}
check('slider labels', [0, 3, 5, 10].map(melding => fanwright.settingsSheet({ melding }).label),
      ['100 / 0', '70 / 30', '50 / 50', '0 / 100']);
const settings = [
    [{}, [5, 40, 40, 1, 1, 0]],
    [{ melding: 11, chow: 70, pung: 40, special: -1, flags: 4, min: 1 }, [5, 40, 40, 1, 1, 8]],
    [{ melding: 10, chow: 100, pung: 0, special: 3, flags: 0, min: 0 }, [10, 100, 0, 3, 0, 0]],
    [{ melding: 'x' }, [5, 100, 0, 3, 0, 0]],
];
for (const [given, want] of settings) {
    const kept = fanwright.settings(given);
    check(`settings ${JSON.stringify(given)}`, [kept.melding, kept.chow, kept.pung, kept.special, kept.flags, kept.min], want);
}

console.log(`trainer: ${passed} passed, ${failed} failed`);
process.exit(failed === 0 ? 0 : 1);
