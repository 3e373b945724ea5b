// The main window: the hand, its situation, the answer and the editor, drawn from the state the
// module's trainer returns after every action, and every action handed to it.
import { $, el, tilePicture } from './dom.js';
import { caption, handItems, paletteRows, tileName, windName } from './model.js';

const controlInputs = ['wall', 'discard', 'lastTileInGame', 'lastTileOfKind', 'replacementTile',
                       'robbingTheKong', 'chow', 'pung', 'meldedKong', 'concealedKong',
                       'concealedTile', 'winningTile'];
const controlButtons = ['next', 'check', 'clear', 'prevalentPrevious', 'prevalentNext',
                        'seatPrevious', 'seatNext'];

export class TrainerView {
    #trainer;
    #state = null;
    #handlers;
    #paletteButtons = [];

    // handlers: result(result) after a check or calculation, save(code) when the trainer asks
    // for the save dialog, changed(state) after every action.
    constructor(trainer, handlers) {
        this.#trainer = trainer;
        this.#handlers = handlers;
        this.#buildPalette();
        this.#wire();
    }

    get state() {
        return this.#state;
    }

    // An action of the trainer's ('click', name) and so on; the state it returns is drawn.
    act(action, ...args) {
        const before = this.#state;
        const state = this.#trainer[action](...args);
        this.show(state);
        if (before && state.results > before.results) this.#handlers.result(state.result, state);
        if (before && state.requests.save > before.requests.save) this.#handlers.save(state.code);
        return state;
    }

    show(state) {
        const previousFocus = this.#state?.focus;
        this.#state = state;
        this.#drawModes(state);
        $('status').textContent = state.status;
        this.#drawHand(state);
        this.#drawSituation(state);
        this.#drawActions(state);
        this.#drawEditor(state);
        this.#handlers.changed?.(state);
        this.#followFocus(state, previousFocus);
    }

    // The window moves the focus as a person at it expects (to the points after a deal, to
    // "Wall" when a built hand is complete); the page follows, but never takes the focus from a
    // control that still works, as each palette click would.
    #followFocus(state, previousFocus) {
        const active = document.activeElement;
        const lost = !active || active === document.body || active.disabled ||
                     active.closest('[hidden]') || !active.isConnected;
        if (state.focus === previousFocus && !lost) return;
        if (!lost && active?.closest('#palette, #sets, #concealed, #winning, .add-modes')) return;
        if (document.querySelector('dialog[open]')) return;
        this.focusControl(state.focus);
    }

    focusControl(name) {
        const target = name === 'mode' ? $(this.#state.edit ? 'mode-edit' : 'mode-test') : $(name);
        if (target && !target.disabled && !target.closest('[hidden]')) target.focus();
    }

    #drawModes(state) {
        $('mode-test').setAttribute('aria-pressed', String(!state.edit));
        $('mode-edit').setAttribute('aria-pressed', String(state.edit));
        document.body.classList.toggle('editing', state.edit);
        $('editor').hidden = !state.edit;
        $('next').hidden = state.edit;
        $('clear').hidden = !state.edit;
        document.querySelector('.points-wrap').hidden = state.edit;
    }

    #drawHand(state) {
        const items = handItems(state.hand);
        const edit = state.edit;
        $('sets').replaceChildren(...items.sets.map(set => this.#item(set, edit, 'set')));
        $('concealed').replaceChildren(...items.concealed.map(tile => this.#item(tile, edit, 'tile')));
        $('winning').replaceChildren(...items.winning.map(tile => this.#item(tile, edit, 'tile')));
        const empty = items.sets.length + items.concealed.length + items.winning.length === 0;
        $('empty-hand').hidden = !empty;
        $('empty-hand').textContent = edit
            ? 'No tiles yet. Choose what to add below, then click tiles of the palette.'
            : 'No hand yet. Press “New” for a random hand, or build one in Edit mode.';
        document.querySelector('.table').classList.toggle('welcome', empty && !edit);
        $('sets').closest('.zone').classList.toggle('vacant', items.sets.length === 0);
        $('code').value = state.code ?? '';
        $('copy-link').disabled = state.code === null;
        $('save').disabled = !state.complete;
    }

    // A set or a tile: a button that takes it out in edit mode, a picture otherwise.
    #item(item, edit, kind) {
        const pictures = item.tiles.map(tile => tilePicture(tile));
        if (item.raised) pictures.push(el('span', { class: 'raised' }, tilePicture(item.raised)));
        const attributes = { class: `${kind} ${item.kind ?? ''}`.trim() };
        if (!edit) return el('span', { ...attributes, role: 'img', 'aria-label': item.name }, pictures);
        return el('button', {
            ...attributes, type: 'button', 'aria-label': `Take out ${item.name}`,
            onclick: () => this.act('remove', item.index),
        }, pictures);
    }

    // While a hand is being built every situation control is off; they make room for it.
    #drawSituation(state) {
        document.querySelector('.situation').hidden = state.edit && !state.complete;
        for (const name of controlInputs) {
            const input = $(name);
            const control = state.controls[name];
            input.checked = control.checked;
            input.disabled = !control.enabled;
        }
        for (const [box, picture] of [['prevalent-box', state.winds.prevalent],
                                      ['seat-box', state.winds.seat]]) {
            const label = box.startsWith('prevalent') ? 'Prevalent wind' : 'Seat wind';
            const name = `${label}: ${windName(picture)}`;
            $(box).replaceChildren(picture === 0 ? el('span', { class: 'empty-slot', role: 'img', 'aria-label': name })
                                                 : tilePicture(picture, name));
        }
        document.querySelector('.winds').classList.toggle('needed', state.controls.prevalentNext.enabled);
    }

    #drawActions(state) {
        for (const name of controlButtons) {
            const control = state.controls[name];
            $(name).disabled = !control.enabled;
            if (control.caption) $(name).textContent = caption(control.caption);
        }
        const points = $('points');
        points.disabled = !state.controls.points.enabled;
        if (points.value !== state.points) points.value = state.points;
        $('score').textContent = state.score;
    }

    #drawEditor(state) {
        if (!state.edit) return;
        const inert = state.addMode === null;
        state.palette.forEach((addable, i) => {
            const button = this.#paletteButtons[i];
            button.setAttribute('aria-disabled', String(inert || !addable));
        });
        $('palette').classList.toggle('inert', inert);
    }

    #buildPalette() {
        const palette = $('palette');
        for (const row of paletteRows()) {
            const line = el('div', { class: 'palette-row' });
            for (const tile of row) {
                const button = el('button', {
                    type: 'button', class: 'tile', 'aria-label': tileName(tile), tabindex: tile === 1 ? '0' : '-1',
                    onclick: () => {
                        if (button.getAttribute('aria-disabled') !== 'true') this.act('palette', tile);
                    },
                }, tilePicture(tile));
                button.dataset.tile = tile;
                this.#paletteButtons.push(button);
                line.append(button);
            }
            palette.append(line);
        }
        palette.addEventListener('keydown', event => this.#movePaletteFocus(event));
    }

    // One tab stop for the palette; the arrows, Home and End move within it.
    #movePaletteFocus(event) {
        const current = this.#paletteButtons.indexOf(document.activeElement);
        if (current < 0) return;
        const rows = paletteRows();
        const tile = current + 1;
        const row = rows.findIndex(r => r.includes(tile));
        const column = rows[row].indexOf(tile);
        const at = (r, c) => rows[r][Math.min(c, rows[r].length - 1)];
        const moves = {
            ArrowLeft: () => (tile > 1 ? tile - 1 : tile),
            ArrowRight: () => (tile < 34 ? tile + 1 : tile),
            ArrowUp: () => (row > 0 ? at(row - 1, column) : tile),
            ArrowDown: () => (row < rows.length - 1 ? at(row + 1, column) : tile),
            Home: () => rows[row][0],
            End: () => rows[row][rows[row].length - 1],
        };
        const move = moves[event.key];
        if (!move) return;
        event.preventDefault();
        const next = this.#paletteButtons[move() - 1];
        for (const button of this.#paletteButtons) button.tabIndex = button === next ? 0 : -1;
        next.focus();
    }

    #wire() {
        for (const name of [...controlInputs, ...controlButtons]) {
            $(name).addEventListener('click', () => this.act('click', name));
        }
        $('mode-test').addEventListener('click', () => this.#state.edit && this.act('click', 'mode'));
        $('mode-edit').addEventListener('click', () => !this.#state.edit && this.act('click', 'mode'));
        $('save').addEventListener('click', () => this.act('click', 'save'));
        const points = $('points');
        points.addEventListener('input', () => {
            const digits = points.value.replace(/\D/g, '');
            if (digits !== points.value) points.value = digits;
            this.act('type', digits);
        });
        points.addEventListener('keydown', event => {
            if (event.key !== 'Enter') return;
            event.preventDefault();
            this.act('enter', 'points');
        });
    }
}
