// The result panel (the result window's verdict, waits, reading and fans, each fan with its rule)
// and, under "Why?", every reading of the hand with its fans and its "Not counted:" lines.
import { $, el, tilePicture } from './dom.js';
import { linkToHand, tileName, verdictTone } from './model.js';

export class ResultView {
    #fanwright;
    #fans;
    #openFan;
    #code = null;

    // openFan(number) shows a fan in the reference.
    constructor(fanwright, fans, openFan) {
        this.#fanwright = fanwright;
        this.#fans = fans;
        this.#openFan = openFan;
        $('why').addEventListener('click', () => this.#toggleWhy());
    }

    show(result) {
        this.#code = result.code;
        const tone = verdictTone(result.title);
        const dialog = $('result');
        dialog.dataset.tone = tone;
        $('result-title').textContent = result.title;
        const body = $('result-body');
        body.replaceChildren(
            el('p', { class: `verdict ${tone}` }, result.verdict),
            section('Waitings', tileRow(result.waits, 'small')),
            section('Structure', readingRow(result.reading)),
            section('Fans', this.#fanTable(result, true)),
            el('p', { class: 'result-code' }, el('span', { class: 'muted' }, 'Code '),
               el('code', {}, result.code),
               el('button', { type: 'button', class: 'quiet', onclick: () => copy(linkToHand(location.href, result.code)) }, 'Copy link')),
            el('div', { id: 'why-body', class: 'why', hidden: true }));
        $('why').setAttribute('aria-expanded', 'false');
        if (!dialog.open) dialog.showModal();
        dialog.querySelector('.sheet-foot .primary').focus();
    }

    // The fan table as the result window has it; `withRules` puts each fan's rule under its name.
    #fanTable(rows, withRules) {
        const head = el('thead', {}, el('tr', {},
            el('th', { scope: 'col', class: 'num' }, 'No'), el('th', { scope: 'col' }, 'Name'),
            el('th', { scope: 'col', class: 'num' }, 'Qty'), el('th', { scope: 'col', class: 'num' }, 'Points')));
        const body = el('tbody', {}, rows.fans.map(row => el('tr', {},
            el('td', { class: 'num' }, String(row.fan)),
            el('td', {},
               el('button', { type: 'button', class: 'fan-link', onclick: () => this.#openFan(row.fan) }, row.name),
               withRules ? el('span', { class: 'rule' }, this.#fans[row.fan - 1].description) : null),
            el('td', { class: 'num' }, String(row.count)),
            el('td', { class: 'num' }, String(row.points)))));
        const total = rows.totalRow;
        const foot = el('tfoot', {}, el('tr', {},
            el('th', { scope: 'row', colspan: '2' }, total.label),
            el('td', { class: 'num' }, String(total.count)),
            el('td', { class: 'num' }, String(total.points))));
        return el('table', { class: 'fans' }, head, body, foot);
    }

    #toggleWhy() {
        const body = $('why-body');
        const open = body.hidden;
        if (open && body.childElementCount === 0) this.#fillWhy(body);
        body.hidden = !open;
        $('why').setAttribute('aria-expanded', String(open));
        if (open) body.scrollIntoView({ block: 'start', behavior: 'smooth' });
    }

    #fillWhy(body) {
        const notes = this.#fanwright.explainNotes(this.#code);
        if (notes.error) {
            body.append(el('p', {}, notes.error));
            return;
        }
        const count = notes.readings.length;
        body.append(el('h3', {}, 'Why this score'));
        if (count === 0)
            body.append(el('p', {}, 'No reading: the tiles make neither four sets and a pair nor a special hand.'));
        notes.readings.forEach((reading, i) => {
            const kept = i === notes.kept;
            body.append(el('section', { class: `reading${kept ? ' kept' : ''}`, 'aria-label': `Reading ${i + 1} of ${count}` },
                el('h4', {}, `Reading ${i + 1} of ${count}`, kept ? el('span', { class: 'badge' }, 'kept') : null,
                   el('span', { class: 'reading-total' }, `${reading.totalRow.points} points`)),
                readingRow(reading.reading),
                this.#fanTable(reading, false),
                reading.note ? el('p', { class: 'note' }, reading.note) : null,
                reading.not_counted.length ? el('div', { class: 'not-counted' },
                    el('p', { class: 'label' }, 'Not counted:'),
                    el('ul', {}, reading.not_counted.map(line => el('li', {}, line)))) : null));
        });
        if (notes.tie) body.append(el('p', { class: 'note' }, notes.tie));
        body.append(el('p', {}, el('button', { type: 'button', class: 'quiet', onclick: () => copy(notes.text) },
                                   'Copy as text')));
    }
}

function section(title, content) {
    return el('section', { class: 'result-part' }, el('h3', {}, title), content);
}

export function tileRow(tiles, size = '') {
    if (tiles.length === 0) return el('p', { class: 'muted' }, 'none');
    return el('div', { class: `tile-row ${size}`.trim() },
              tiles.map(tile => el('span', { class: 'tile' }, tilePicture(tile, tileName(tile)))));
}

function readingRow(groups) {
    if (groups.length === 0) return el('p', { class: 'muted' }, 'none');
    return el('div', { class: 'reading-row' }, groups.map(group => el('figure', { class: 'group' },
        group.tiles.length ? tileRow(group.tiles, 'small') : null,
        el('figcaption', {}, group.label))));
}

export async function copy(text) {
    try {
        await navigator.clipboard.writeText(text);
        toast('Copied');
    } catch {
        toast('Select the text and copy it');
    }
}

export function toast(text) {
    const note = el('div', { class: 'toast', role: 'status' }, text);
    document.body.append(note);
    setTimeout(() => note.remove(), 1800);
}
