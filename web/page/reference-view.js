// The fan reference: the 81 fans, searchable by name or number, each with its rule, its example
// hand drawn in tiles (as the module draws a code) and the fans never counted beside it.
import { $, el, tilePicture } from './dom.js';
import { findFans, handItems } from './model.js';

export class ReferenceView {
    #fanwright;
    #fans;
    #articles = null;

    constructor(fanwright, fans) {
        this.#fanwright = fanwright;
        this.#fans = fans;
        $('fan-search').addEventListener('input', () => this.#filter());
    }

    // Opens the reference, at fan `number` when one is given.
    open(number) {
        this.#build();
        const dialog = $('reference');
        if (number) {
            $('fan-search').value = '';
            this.#filter();
        }
        if (!dialog.open) dialog.showModal();
        if (number) this.#goTo(number);
        else $('fan-search').focus();
    }

    #build() {
        if (this.#articles) return;
        this.#articles = this.#fans.map(fan => this.#article(fan));
        $('reference-body').replaceChildren(el('ol', { class: 'fan-list' }, this.#articles));
        this.#filter();
    }

    #article(fan) {
        const example = fan.example ? this.#fanwright.hand(fan.example) : null;
        const points = `${fan.points} point${fan.points === 1 ? '' : 's'}`;
        return el('li', { class: 'fan-entry', id: `fan-${fan.fan}` },
            el('h3', { tabindex: '-1' }, el('span', { class: 'fan-number' }, String(fan.fan)), ` ${fan.name}`,
               el('span', { class: 'badge' }, points)),
            el('p', { class: 'rule' }, fan.description),
            example && !example.error ? el('div', { class: 'example' },
                el('p', { class: 'label' }, 'Example'), handTiles(example),
                el('code', { class: 'muted' }, fan.example)) : el('p', { class: 'muted' }, 'No hand here scores this fan.'),
            fan.never_with.length ? el('div', { class: 'never' },
                el('p', { class: 'label' }, 'Never counted beside:'),
                el('ul', { class: 'never-list' }, fan.never_with.map(other => el('li', {},
                    el('button', { type: 'button', class: 'fan-link', onclick: () => this.#goTo(other) },
                       this.#fans[other - 1].name))))) : null);
    }

    #filter() {
        if (!this.#articles) return;
        const shown = new Set(findFans(this.#fans, $('fan-search').value).map(f => f.fan));
        this.#articles.forEach((article, i) => { article.hidden = !shown.has(i + 1); });
        $('fan-count').textContent = shown.size === 81 ? '81 fans' : `${shown.size} of 81 fans`;
    }

    #goTo(number) {
        const article = $(`fan-${number}`);
        if (article.hidden) {
            $('fan-search').value = '';
            this.#filter();
        }
        article.scrollIntoView({ block: 'start' });
        article.querySelector('h3').focus();
    }
}

// A code's hand as the main window draws it, small: the sets (a kong's fourth tile raised), the
// tiles in hand, then the winning tile.
function handTiles(drawing) {
    const items = handItems(drawing);
    const picture = item => el('span', { class: `${item.kind ? 'set' : 'tile'} ${item.kind ?? ''}`.trim(), role: 'img', 'aria-label': item.name },
        item.tiles.map(tile => tilePicture(tile)), item.raised ? el('span', { class: 'raised' }, tilePicture(item.raised)) : null);
    return el('div', { class: 'example-hand' },
        el('div', { class: 'sets' }, items.sets.map(picture)),
        el('div', { class: 'tiles' }, items.concealed.map(picture)),
        el('div', { class: 'tiles winning' }, items.winning.map(picture)));
}
