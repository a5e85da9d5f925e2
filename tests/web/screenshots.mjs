// Screenshots of the page in each engine on this machine, at a desktop width and at 390 px, light and dark, with a
// report counted: node screenshots.mjs PAGE [FOLDER] (FOLDER defaults to screenshots/ beside the page). WebKit needs
// a display: run under xvfb-run where none is set.
import { mkdir } from 'node:fs/promises';
import { dirname, join } from 'node:path';
import { pathToFileURL } from 'node:url';
import { engines, launch, missingBinaries } from './support/browsers.mjs';

const [page, folder = join(dirname(page ?? '.'), 'screenshots')] = process.argv.slice(2);
if (!page) {
    console.error('usage: node screenshots.mjs PAGE [FOLDER]');
    process.exit(2);
}
const viewports = { desktop: { width: 1024, height: 600 }, phone: { width: 390, height: 844, mobile: true } };
const report = `Raumhafen (2)\nWohngeba\u0308ude (5)\nRaumhafen${'x'.repeat(300)}(7)\n`;

await mkdir(folder, { recursive: true });
for (const engine of Object.keys(engines)) {
    if ((await missingBinaries(engine)).length > 0) {
        console.log(`${engines[engine].title}: not on this machine`);
        continue;
    }
    for (const scheme of ['light', 'dark']) {
        const browser = await launch(engine, { dark: scheme === 'dark' });
        try {
            for (const [name, viewport] of Object.entries(viewports)) {
                const shown = await browser.open(pathToFileURL(page).href, viewport);
                await shown.replaceText('#Input', report);
                await shown.click('#Sabo');
                const file = join(folder, `${engine}-${name}-${scheme}.png`);
                await shown.screenshot(file);
                console.log(file);
            }
        } finally {
            await browser.close();
        }
    }
}
