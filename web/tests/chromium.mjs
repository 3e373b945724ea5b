// Debian's Chromium, driven by playwright-core: never a downloaded browser. Each launch has a
// fresh profile of its own, and each context a fresh cache. The machine has no network beyond
// its own, so Chromium's background traffic is turned off.
import { chromium } from 'playwright-core';

export const executablePath = process.env.FANWRIGHT_CHROMIUM ?? '/usr/bin/chromium';

export function launch() {
    return chromium.launch({
        executablePath,
        headless: true,
        args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
               '--disable-background-networking', '--disable-component-update', '--disable-sync',
               '--disable-default-apps', '--no-default-browser-check'],
    });
}
