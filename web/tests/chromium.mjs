// Debian's Chromium, driven by playwright-core: never a downloaded browser. The machine has no
// network beyond its own, so Chromium's background traffic is turned off.
import { mkdtemp, rm } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { chromium } from 'playwright-core';

export const executablePath = process.env.FANWRIGHT_CHROMIUM ?? '/usr/bin/chromium';

export async function launch() {
    const profile = await mkdtemp(join(tmpdir(), 'fanwright-chromium-'));
    const context = await chromium.launchPersistentContext(profile, {
        executablePath,
        headless: true,
        args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
               '--disable-background-networking', '--disable-component-update', '--disable-sync',
               '--disable-default-apps', '--no-default-browser-check', '--headless=new'],
        acceptDownloads: true,
    });
    return {
        context,
        close: async () => {
            await context.close();
            await rm(profile, { recursive: true, force: true });
        },
    };
}
