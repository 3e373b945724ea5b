// Saved hands: Save asks for a comment and keeps the log file's line; the list opens a hand,
// downloads the lines as Fanwright.log, and a pasted or opened log file is scored line by line.
import { $, el } from './dom.js';
import { linkToHand, logLine, logLines } from './model.js';

export class SavedView {
    #fanwright;
    #store;
    #openCode;
    #code = null;

    // openCode(code) shows a hand in edit mode.
    constructor(fanwright, store, openCode) {
        this.#fanwright = fanwright;
        this.#store = store;
        this.#openCode = openCode;
        $('comment').addEventListener('input', () => this.#preview());
        $('save-hand').addEventListener('close', () => {
            if ($('save-hand').returnValue === 'save') this.#save();
        });
        $('download-log').addEventListener('click', () => this.#download());
        $('clear-saved').addEventListener('click', () => {
            this.#store.forgetLines();
            this.#list();
        });
        $('score-log').addEventListener('click', () => this.#scoreLines($('log-text').value));
        $('log-file').addEventListener('change', async event => {
            const file = event.target.files[0];
            if (!file) return;
            const text = await file.text();
            $('log-text').value = text;
            this.#scoreLines(text);
        });
    }

    // The save dialog for a complete hand's code.
    askComment(code) {
        this.#code = code;
        $('comment').value = '';
        this.#preview();
        const dialog = $('save-hand');
        dialog.returnValue = '';
        dialog.showModal();
        $('comment').focus();
    }

    open() {
        this.#list();
        $('saved').showModal();
    }

    #preview() {
        $('save-preview').textContent = logLine(this.#code ?? '', $('comment').value);
    }

    #save() {
        this.#store.append(logLine(this.#code, $('comment').value));
    }

    #list() {
        const lines = this.#store.lines();
        $('download-log').disabled = lines.length === 0;
        $('clear-saved').disabled = lines.length === 0;
        if (lines.length === 0) {
            $('saved-list').replaceChildren(el('p', { class: 'muted' }, 'No saved hands yet. “Save…” under a complete hand keeps it here.'));
            return;
        }
        $('saved-list').replaceChildren(el('ol', { class: 'saved-lines' }, lines.map(line => {
            const [code, ...comment] = line.split(' - ');
            return el('li', {},
                el('a', { href: linkToHand(location.href, code), class: 'saved-code',
                          onclick: event => { event.preventDefault(); this.#close(); this.#openCode(code); } },
                   el('code', {}, code)),
                el('span', { class: 'saved-comment' }, comment.join(' - ')));
        })));
    }

    #close() {
        $('saved').close();
    }

    #download() {
        const blob = new Blob([this.#store.logFile()], { type: 'text/plain' });
        const link = el('a', { href: URL.createObjectURL(blob), download: 'Fanwright.log' });
        document.body.append(link);
        link.click();
        link.remove();
        setTimeout(() => URL.revokeObjectURL(link.href), 1000);
    }

    // Each line through the module's score, as `fanwright-cli score` reads a log file.
    #scoreLines(text) {
        const rows = logLines(text).map(line => {
            const scored = this.#fanwright.score(line.text);
            return el('tr', { class: scored.error ? 'refused' : '' },
                el('td', { class: 'num' }, String(line.number)),
                el('td', {}, scored.error ? el('code', {}, scored.code)
                    : el('a', { href: linkToHand(location.href, scored.code),
                                onclick: event => { event.preventDefault(); this.#close(); this.#openCode(scored.code); } },
                         el('code', {}, scored.code))),
                el('td', { class: scored.error ? '' : 'num' }, scored.error ?? String(scored.total)));
        });
        $('log-results').replaceChildren(rows.length === 0 ? el('p', { class: 'muted' }, 'No lines to score.')
            : el('table', { class: 'log-table' },
                el('thead', {}, el('tr', {}, el('th', { scope: 'col', class: 'num' }, 'Line'),
                                   el('th', { scope: 'col' }, 'Code'), el('th', { scope: 'col', class: 'num' }, 'Points'))),
                el('tbody', {}, rows)));
    }
}
