// The page: loads the scorer and the tile pictures, restores the settings, opens a hand given in
// the address, and joins the views.
import { Fanwright } from './fanwright.js';
import { $ } from './dom.js';
import { codeFromHash, linkToHand } from './model.js';
import { ReferenceView } from './reference-view.js';
import { ResultView, copy } from './result-view.js';
import { SavedView } from './saved-view.js';
import { SettingsView } from './settings-view.js';
import { Store } from './store.js';
import { TrainerView } from './trainer-view.js';

async function loadTiles() {
    const response = await fetch('tiles.svg');
    const sprite = $('tiles-sprite');
    sprite.innerHTML = await response.text();
    sprite.hidden = false;  // kept out of sight by its style: hidden symbols lose their masks
}

function storage() {
    try {
        return globalThis.localStorage;
    } catch {
        return null;
    }
}

// Dialogs close by their close buttons as well as by Escape.
function wireDialogs() {
    for (const button of document.querySelectorAll('dialog [data-close]')) {
        button.addEventListener('click', () => button.closest('dialog').close());
    }
    for (const dialog of document.querySelectorAll('dialog')) {
        dialog.addEventListener('click', event => {
            if (event.target === dialog) dialog.close();  // a click on the backdrop
        });
    }
}

async function start() {
    // The pictures come in beside the scorer; the page works before they are drawn.
    const tiles = loadTiles();
    const fanwright = await Fanwright.load();
    const store = new Store(storage());
    const fans = fanwright.fans();
    const reference = new ReferenceView(fanwright, fans);
    const result = new ResultView(fanwright, fans, number => reference.open(number));
    let view;
    const openCode = code => {
        const state = view.act('load', code);
        if (state.error) $('status').textContent = state.error;
        else history.replaceState(null, '', linkToHand(location.href, code));
        return state;
    };
    const saved = new SavedView(fanwright, store, openCode);
    view = new TrainerView(fanwright.trainer, {
        result: shown => result.show(shown),
        save: code => saved.askComment(code),
    });
    const settings = new SettingsView(fanwright, store, () => view.show(fanwright.trainer.state()));
    settings.restore();
    view.show(fanwright.trainer.state());

    wireDialogs();
    $('result').addEventListener('close', () => view.focusControl(view.state.focus));
    $('open-reference').addEventListener('click', () => reference.open());
    $('open-saved').addEventListener('click', () => saved.open());
    $('open-settings').addEventListener('click', () => settings.open(view.state.settings));
    $('copy-link').addEventListener('click', () => copy(linkToHand(location.href, view.state.code)));
    $('version').textContent = fanwright.version;

    const openHash = () => {
        const code = codeFromHash(location.hash);
        if (code !== null) openCode(code);
    };
    window.addEventListener('hashchange', openHash);
    openHash();
    if (!document.activeElement || document.activeElement === document.body) view.focusControl(view.state.focus);
    document.body.dataset.ready = 'true';
    performance.mark('fanwright-ready');
    await tiles;
    document.body.dataset.tiles = 'true';
}

start().catch(error => {
    $('status').textContent = `The scorer could not start: ${error.message}`;
    document.body.dataset.ready = 'failed';
});

if ('serviceWorker' in navigator && location.protocol !== 'file:') {
    navigator.serviceWorker.register('sw.js').catch(() => {});
}
