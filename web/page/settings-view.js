// The dealer's settings sheet: the slider of melded sets with its label, the three shares that
// keep adding up to 100, the two frequencies and the 8-point minimum. The sheet's rules and the
// settings' ranges are the module's; OK makes the values the trainer's and keeps them.
import { $ } from './dom.js';

const shares = ['chow', 'pung', 'kong'];

export class SettingsView {
    #fanwright;
    #store;
    #applied;

    // applied(settings) after OK.
    constructor(fanwright, store, applied) {
        this.#fanwright = fanwright;
        this.#store = store;
        this.#applied = applied;
        $('melding').addEventListener('input', () => this.#sheet(''));
        for (const button of document.querySelectorAll('[data-step]')) {
            button.addEventListener('click', () => this.#step(button.dataset.step, Number(button.dataset.by)));
        }
        for (const share of shares) {
            $(`share-${share}`).addEventListener('keydown', event => {
                const by = { ArrowUp: 1, ArrowRight: 1, ArrowDown: -1, ArrowLeft: -1 }[event.key];
                if (by === undefined) return;
                event.preventDefault();
                this.#step(share, by);
            });
        }
        $('settings').addEventListener('close', () => {
            if ($('settings').returnValue === 'ok') this.#confirm();
        });
    }

    // The kept settings made the dealer's, as the Windows program loads its registry.
    restore() {
        const settings = this.#fanwright.settings(this.#store.settings());
        this.#store.keepSettings(settings);
        return settings;
    }

    open(settings) {
        $('melding').value = settings.melding;
        $('melding-label').value = settings.label;
        for (const share of shares) $(`share-${share}`).value = settings[share];
        $('special').value = settings.special;
        $('flags').value = settings.flags;
        $('min8').checked = settings.min !== 0;
        const dialog = $('settings');
        dialog.returnValue = '';
        dialog.showModal();
        $('melding').focus();
    }

    // One step of the up-down control, within its range; then the sheet's balance.
    #step(share, by) {
        const field = $(`share-${share}`);
        const value = Number(field.value) + by;
        if (value < 0 || value > 100) return;
        field.value = value;
        this.#sheet(share);
    }

    #sheet(changed) {
        const shown = this.#fanwright.settingsSheet({
            melding: $('melding').value, chow: $('share-chow').value, pung: $('share-pung').value,
            kong: $('share-kong').value,
        }, changed);
        $('melding-label').value = shown.label;
        for (const share of shares) $(`share-${share}`).value = shown[share];
    }

    #confirm() {
        const settings = this.#fanwright.settings({
            melding: $('melding').value, chow: $('share-chow').value, pung: $('share-pung').value,
            special: $('special').value, flags: $('flags').value, min: $('min8').checked ? 8 : 0,
        });
        this.#store.keepSettings(settings);
        this.#applied(settings);
    }
}
