// The trainer page in Debian's Chromium, played as a person plays it: deal, answer wrong then
// right; build a hand by palette clicks and compare its result with fanwright-cli; "Why?" and
// the fan reference; settings across a reload; two saved hands downloaded as Fanwright.log and
// a log scored; a bad code in the address; the keyboard; offline after the first visit;
// axe-core on every view; phone and desktop screenshots. Prints the load figures.
//
//   node web/tests/browser.mjs BUILD_WEB_DIR FANWRIGHT_CLI [SCREENSHOT_DIR]
import { spawnSync } from 'node:child_process';
import { mkdirSync, readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { join, resolve } from 'node:path';
import { tileName } from '../page/model.js';
import { launch } from './chromium.mjs';
import { serve } from './static-server.mjs';

const [webDir, cliPath, shotDir = join(webDir ?? '.', 'screenshots')] =
    process.argv.slice(2).map(path => path && resolve(path));
if (!cliPath) {
    console.error('usage: node browser.mjs BUILD_WEB_DIR FANWRIGHT_CLI [SCREENSHOT_DIR]');
    process.exit(2);
}
mkdirSync(shotDir, { recursive: true });
const cli = (...args) => spawnSync(cliPath, args, { encoding: 'utf8' });
const scoreOf = code => JSON.parse(cli('score', '--json', '--', code).stdout);
const axeSource = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');

let passed = 0, failed = 0;
function check(what, got, want) {
    if (JSON.stringify(got) === JSON.stringify(want)) return ++passed;
    ++failed;
    console.log(`FAILED ${what}\n  got:  ${JSON.stringify(got)}\n  want: ${JSON.stringify(want)}`);
}

const server = await serve(webDir);
const browser = await launch();
let context;
const figures = [];
// A hard stop, so that a hung page never keeps the test (or the server) running.
const deadline = setTimeout(() => {
    console.log('browser tests: out of time');
    process.exit(1);
}, 240_000);

try {
    await firstVisits();
    context = await browser.newContext({ acceptDownloads: true });
    const page = await context.newPage();
    page.on('pageerror', error => check(`no error on the page: ${error.message}`, true, false));

    await open(page);
    await axe(page, 'test mode at start');
    await testMode(page);
    await buildByPalette(page);
    await whyAndReference(page);
    await settingsSurvive(page);
    await savedHands(page);
    await badCode(page);
    await keyboard(page);
    await phoneLayout(page);
    await offline(page);
    await screenshots(page);
} finally {
    clearTimeout(deadline);
    await browser.close();
    await server.close();
}
for (const line of figures) console.log(line);
console.log(`browser: ${passed} passed, ${failed} failed`);
process.exit(failed === 0 ? 0 : 1);

// A fresh load, even where only the address's hash differs.
async function open(page, hash = '') {
    await page.goto('about:blank');
    await page.goto(server.url + hash);
    await page.waitForSelector('body[data-ready="true"]');
}

// The result panel read back: verdict, waits, and the fan rows as [number, count, points].
async function shownResult(page) {
    await page.waitForSelector('#result[open]');
    return page.evaluate(() => ({
        verdict: document.querySelector('#result .verdict').textContent,
        waits: [...document.querySelectorAll('#result-body .result-part:nth-of-type(1) svg')].map(svg => svg.getAttribute('aria-label')),
        fans: [...document.querySelectorAll('#result-body table.fans tbody tr')].map(row =>
            [...row.querySelectorAll('td.num')].map(cell => Number(cell.textContent))),
        total: Number(document.querySelector('#result-body table.fans tfoot td:last-child').textContent),
    }));
}

async function closeResult(page) {
    await page.click('#result .sheet-foot .primary');
    await page.waitForSelector('#result', { state: 'hidden' });
}

async function closeDialog(page, id) {
    await page.click(`#${id} .close`);
    await page.waitForSelector(`#${id}`, { state: 'hidden' });
}

async function axe(page, view) {
    await page.evaluate(source => { if (!window.axe) new Function(source)(); }, axeSource);
    const found = await page.evaluate(async () => {
        const results = await window.axe.run(document, { resultTypes: ['violations'] });
        return results.violations.filter(v => v.impact === 'serious' || v.impact === 'critical')
                                 .map(v => `${v.id}: ${v.nodes.map(n => n.target.join(' ')).slice(0, 3).join(', ')}`);
    });
    check(`axe-core finds nothing serious or critical: ${view}`, found, []);
}

// Fresh contexts (an empty cache, no service worker) against the local server: how long until
// the page takes its first click, and how many bytes it took. The median of three.
async function firstVisits() {
    const visits = [];
    for (let i = 0; i < 3; ++i) {
        const fresh = await browser.newContext();
        const page = await fresh.newPage();
        server.resetBytes();
        await open(page);
        const visit = await page.evaluate(() => {
            const navigation = performance.getEntriesByType('navigation')[0];
            const resources = performance.getEntriesByType('resource');
            return {
                ready: performance.getEntriesByName('fanwright-ready')[0].startTime,
                load: navigation.loadEventEnd,
                bytes: navigation.transferSize + resources.reduce((sum, r) => sum + r.transferSize, 0),
                files: resources.length + 1,
            };
        });
        check('the New button works at once', await page.isEnabled('#next'), true);
        await page.evaluate(() => navigator.serviceWorker.ready);
        await page.waitForTimeout(300);  // the worker's own copies of the files
        visit.sent = server.bytes();
        visits.push(visit);
        await fresh.close();
    }
    const median = key => visits.map(v => v[key]).sort((a, b) => a - b)[1];
    figures.push(`first visits: first interaction ${visits.map(v => v.ready.toFixed(0)).join(', ')} ms ` +
                 `after navigation, load event ${visits.map(v => v.load.toFixed(0)).join(', ')} ms; ` +
                 `${visits[0].files} files, ${visits[0].bytes} bytes transferred for the page, ` +
                 `${visits[0].sent} bytes sent by the server with the service worker's copies`);
    check('first interaction within a second (median of three)', median('ready') < 1000, true);
}

async function testMode(page) {
    await page.click('#next');
    check('after a deal the points field has the focus', await page.evaluate(() => document.activeElement.id), 'points');
    const first = await page.inputValue('#code');
    const total = scoreOf(first).total;
    await page.fill('#points', String(total + 1));
    await page.press('#points', 'Enter');
    const wrong = await shownResult(page);
    check('a wrong answer says so', wrong.verdict, `This hand has ${total} (not ${total + 1}) point(s).`);
    check('the wrong hand\'s total', wrong.total, total);
    await axe(page, 'result panel');
    await closeResult(page);
    check('the score after a wrong answer', await page.textContent('#score'), 'Score 0:1');

    await page.click('#next');
    const second = scoreOf(await page.inputValue('#code')).total;
    await page.fill('#points', String(second));
    await page.click('#check');
    check('a right answer says so', (await shownResult(page)).verdict, 'Right answer!');
    await closeResult(page);
    check('the score after a right answer', await page.textContent('#score'), 'Score 1:1');
    check('after a check the focus is on Next', await page.evaluate(() => document.activeElement.id), 'next');
}

// A hand built tile by tile as a person does: a chow of 2-3-4 bamboo, a pung of 5 characters,
// seven tiles in hand, the winning tile, from the wall, east and south.
async function buildByPalette(page) {
    const tile = async t => page.click(`#palette [data-tile="${t}"]`);
    const mode = async name => page.click(`label:has(#${name})`);
    await page.click('#mode-edit');
    await page.click('#clear');
    await mode('chow');
    check('chow mode greys the 1s, 9s and honours', await page.$$eval('#palette [aria-disabled="true"]', b => b.map(x => Number(x.dataset.tile))),
          [1, 9, 10, 18, 19, 27, 28, 29, 30, 31, 32, 33, 34]);
    await tile(3);
    await mode('pung');
    await tile(14);
    check('a set mode stays while sets fit', await page.isChecked('#pung'), true);
    await mode('concealedTile');
    for (const t of [1, 25, 26, 27, 28, 28, 28]) await tile(t);
    check('the mode moves to the winning tile by itself', await page.isChecked('#winningTile'), true);
    await tile(1);
    await axe(page, 'edit mode, complete hand');
    await page.click('label:has(#wall)');
    await page.click('#prevalentNext');
    await page.click('#seatNext');
    await page.click('#seatNext');
    const code = await page.inputValue('#code');
    check('the built hand\'s code', code, 'ch3bpu5c1b7d8d9dwewewe1bffffwewsw');
    await page.click('#check');
    const shown = await shownResult(page);
    const native = scoreOf(code);
    check('its result is the command\'s', [shown.total, shown.fans.map(([fan, count]) => [String(fan), count])],
          [native.total, Object.entries(native.fans)]);
    check('its waits, by name', shown.waits, native.waits.map(tileName));
    await closeResult(page);

    // Taking a set out again: the whole chow goes, and chow is the add mode.
    await page.click('#sets button:first-child');
    check('a click on a set takes it out', await page.$$eval('#sets button', b => b.length), 1);
    check('and selects its kind', await page.isChecked('#chow'), true);
    await axe(page, 'edit mode, building');
}

async function whyAndReference(page) {
    await open(page, '#hand=1b2b3b4c5c6c7c8c9c4d5d5d6d5dffffememd');
    check('a linked hand opens in edit mode', await page.getAttribute('#mode-edit', 'aria-pressed'), 'true');
    check('ready for Calculate', await page.isEnabled('#check'), true);
    await page.click('#check');
    await page.waitForSelector('#result[open]');
    const rules = Object.fromEntries(cli('fans', '--json').stdout.trim().split('\n').map(line => JSON.parse(line)).map(f => [f.name, f.description]));
    const shownRules = await page.$$eval('#result-body tbody tr', rows => rows.map(row => [row.querySelector('.fan-link').textContent, row.querySelector('.rule').textContent]));
    check('each fan carries its rule', shownRules, shownRules.map(([name]) => [name, rules[name]]));
    await page.click('#why');
    const lines = await page.$$eval('#why-body .not-counted li', items => items.map(li => li.textContent));
    const text = cli('explain', '--', '1b2b3b4c5c6c7c8c9c4d5d5d6d5dffffememd').stdout;
    check('the "Not counted" lines are the command\'s', lines, text.split('\n').filter(l => /^ {4}\S/.test(l)).map(l => l.trim()));
    check('the kept reading is marked', await page.$$eval('#why-body .reading.kept', r => r.length), 1);
    await axe(page, 'why this score');
    await page.click('#why-body .reading .fan-link');
    await page.waitForSelector('#reference[open]');
    check('a fan\'s name opens the reference there', await page.evaluate(() => document.activeElement.closest('li').id), 'fan-39');
    await page.fill('#fan-search', 'seven');
    const found = await page.$$eval('.fan-entry:not([hidden]) h3', h => h.map(x => x.textContent.replace(/\d+ points?$/, '').trim()));
    const sevens = cli('fans', '--json').stdout.trim().split('\n').map(line => JSON.parse(line))
        .filter(fan => fan.name.includes('Seven')).map(fan => `${fan.fan} ${fan.name}`);
    check('the reference finds fans by name', found, sevens);
    check('an example hand is drawn in named tiles', await page.$eval('#fan-19 .example-hand [aria-label]', e => e.getAttribute('aria-label')), '3 bamboo');
    await axe(page, 'fan reference');
    await closeDialog(page, 'reference');
    await closeDialog(page, 'result');
}

async function settingsSurvive(page) {
    await page.click('#open-settings');
    for (let i = 0; i < 3; ++i) await page.click('[data-step="chow"][data-by="1"]');
    check('a step on chow is balanced by pung', await page.evaluate(() => ['chow', 'pung', 'kong'].map(s => document.getElementById(`share-${s}`).value)), ['43', '37', '20']);
    await page.fill('#melding', '3');
    check('the slider\'s label', await page.textContent('#melding-label'), '70 / 30');
    await page.selectOption('#special', '3');
    await page.check('#min8');
    await axe(page, 'settings');
    await page.click('#settings-ok');
    await page.reload();
    await page.waitForSelector('body[data-ready="true"]');
    await page.click('#open-settings');
    const kept = await page.evaluate(() => ({
        melding: document.getElementById('melding').value, chow: document.getElementById('share-chow').value,
        pung: document.getElementById('share-pung').value, special: document.getElementById('special').value,
        min: document.getElementById('min8').checked,
    }));
    check('settings survive a reload', kept, { melding: '3', chow: '43', pung: '37', special: '3', min: true });
    await page.click('#settings .sheet-foot .secondary');
}

async function savedHands(page) {
    await open(page);
    const saved = [];
    for (const comment of ['first hand', 'pair wait']) {
        await page.click('#next');
        saved.push(`${await page.inputValue('#code')} - ${comment}`);
        await page.click('#save');
        await page.waitForSelector('#save-hand[open]');
        await page.fill('#comment', comment);
        if (saved.length === 2) await axe(page, 'save dialog');
        await page.click('#save-ok');
    }
    await page.click('#open-saved');
    check('both hands are listed', await page.$$eval('.saved-lines li', items => items.length), 2);
    await axe(page, 'saved hands');
    const [download] = await Promise.all([page.waitForEvent('download'), page.click('#download-log')]);
    check('the download is called Fanwright.log', download.suggestedFilename(), 'Fanwright.log');
    const file = readFileSync(await download.path(), 'utf8');
    check('it holds the two lines', file, `${saved.join('\n')}\n`);

    await page.fill('#log-text', `${file}\nnot a hand - x\n`);
    await page.click('#score-log');
    const rows = await page.$$eval('#log-results tbody tr', trs => trs.map(tr => [...tr.cells].map(td => td.textContent)));
    const want = saved.map((line, i) => [String(i + 1), line.split(' - ')[0], String(scoreOf(line).total)]);
    const refused = scoreOf('not a hand - x');
    want.push(['4', refused.code, refused.error]);
    check('a log is scored line by line as the command scores it', rows, want);
    await closeDialog(page, 'saved');
}

async function badCode(page) {
    await open(page, '#hand=5b5b5b');
    const message = cli('score', '--', '5b5b5b').stderr.trimEnd();
    check('a bad code in the address says what the command says', await page.textContent('#status'), message);
    await page.click('#mode-test');
    await page.click('#next');
    check('and the page stays usable', (await page.inputValue('#code')).length > 20, true);
}

// Everything from the keyboard: Tab reaches New, Enter deals, the points take the focus,
// Enter checks, Escape closes the result; the focus ring shows.
async function keyboard(page) {
    await open(page);
    await page.focus('#mode-test');
    let reached = false;
    for (let i = 0; i < 40 && !reached; ++i) {
        await page.keyboard.press('Tab');
        reached = await page.evaluate(() => document.activeElement.id === 'next');
    }
    check('Tab reaches New', reached, true);
    check('the focus is visible', await page.evaluate(() => getComputedStyle(document.activeElement).outlineStyle), 'solid');
    await page.keyboard.press('Enter');
    check('Enter deals, the points take the focus', await page.evaluate(() => document.activeElement.id), 'points');
    await page.keyboard.type('1');
    await page.keyboard.press('Enter');
    await page.waitForSelector('#result[open]');
    await page.keyboard.press('Escape');
    await page.waitForSelector('#result', { state: 'hidden' });
    check('Escape closes the result, the focus back on Next', await page.evaluate(() => document.activeElement.id), 'next');
    await page.click('#mode-edit');
    await page.focus('#palette [data-tile="1"]');
    await page.keyboard.press('ArrowDown');
    await page.keyboard.press('ArrowRight');
    check('arrows move through the palette', await page.evaluate(() => document.activeElement.dataset.tile), '11');
}

// On a 360 x 640 phone: no sideways scrolling in any view, and every tile and button to tap at
// least 40 CSS pixels each way.
async function phoneLayout(page) {
    await page.setViewportSize({ width: 360, height: 640 });
    await open(page, '#hand=ck5dch3bpu5c1b7d8d9d1bffffwewsw');
    const sideways = () => page.evaluate(() => document.documentElement.scrollWidth - document.documentElement.clientWidth);
    check('edit mode fits 360 pixels', await sideways(), 0);
    const small = await page.evaluate(() => [...document.querySelectorAll('#palette button, #sets button, #concealed button, #winning button, .actions button, .chip, .step, .bar button')]
        .filter(e => e.offsetParent !== null)
        .map(e => { const r = e.getBoundingClientRect(); return { what: e.id || e.getAttribute('aria-label') || e.textContent.trim(), w: Math.round(r.width), h: Math.round(r.height) }; })
        .filter(r => r.w < 40 || r.h < 40));
    check('taps of at least 40 pixels', small, []);
    await page.click('#check');
    await page.waitForSelector('#result[open]');
    await page.click('#why');
    check('the result with its explanation fits', await sideways(), 0);
    await closeDialog(page, 'result');
    await page.click('#open-reference');
    check('the reference fits', await sideways(), 0);
    await closeDialog(page, 'reference');
    await page.click('#mode-test');
    await page.click('#next');
    check('test mode fits', await sideways(), 0);
}

async function offline(page) {
    await open(page);
    await context.setOffline(true);
    await page.reload();
    await page.waitForSelector('body[data-ready="true"]');
    await page.click('#next');
    check('offline after the first visit, it still deals', (await page.inputValue('#code')).length > 20, true);
    await context.setOffline(false);
}

async function screenshots(page) {
    const views = [
        ['test-mode', async () => { await open(page); await page.click('#next'); await page.fill('#points', '8'); }],
        ['result', async () => { await page.keyboard.press('Enter'); await page.waitForSelector('#result[open]'); }],
        ['edit-mode', async () => {
            await open(page, '#hand=ch2cpudr3c3c4c4c5c6c6c5cffffememw');
            await page.click('#clear');
            await page.click('label:has(#chow)');
            for (const t of [11, 13]) await page.click(`#palette [data-tile="${t}"]`);
            await page.click('label:has(#meldedKong)');
            await page.click('#palette [data-tile="32"]');
            await page.click('label:has(#concealedTile)');
            for (const t of [22, 23, 23, 24]) await page.click(`#palette [data-tile="${t}"]`);
            await page.mouse.move(0, 0);
            await page.evaluate(() => scrollTo(0, document.querySelector('.table').getBoundingClientRect().top + scrollY - 76));
        }],
        ['why', async () => {
            await open(page, '#hand=ch2cpudr3c3c4c4c5c6c6c5cffffememw');
            await page.click('#check');
            await page.waitForSelector('#result[open]');
            await page.click('#why');
            await page.waitForTimeout(400);
            await page.evaluate(() => document.querySelector('#why-body .reading.kept').scrollIntoView());
        }],
        ['reference', async () => {
            await closeDialog(page, 'result');
            await page.click('#open-reference');
            await page.fill('#fan-search', 'pure shifted');
        }],
        ['settings', async () => { await closeDialog(page, 'reference'); await page.click('#open-settings'); }],
    ];
    for (const [width, height, size] of [[390, 844, 'phone'], [1280, 800, 'desktop']]) {
        await page.setViewportSize({ width, height });
        for (const [name, pose] of views) {
            await pose();
            await page.waitForTimeout(150);
            await page.screenshot({ path: join(shotDir, `page-${name}-${size}.png`) });
        }
        await closeDialog(page, 'settings');
    }
    figures.push(`screenshots in ${shotDir}`);
}
