// The page in Chromium: node bench/web-page.mjs PAGE REPORT... For each report: the time Chromium took to take the
// text in (a clipboard paste into Input until the next frame), a real click on "Sabo" until Output holds the result,
// and laying out every line of the text as the page reads it; each the median of RUNS (default 3) fresh pages.
import { readFile, stat } from 'node:fs/promises';
import { basename } from 'node:path';
import { pathToFileURL } from 'node:url';
import { launch } from '../tests/web/support/browsers.mjs';

const [page, ...reports] = process.argv.slice(2);
if (!page || reports.length === 0) {
    console.error('usage: node bench/web-page.mjs PAGE REPORT...');
    process.exit(2);
}
const runs = Number(process.env.RUNS ?? 3);

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

async function measure(browser, text) {
    const shown = await browser.open(pathToFileURL(page).href);
    const nextFrame = () => shown.evaluate(() => new Promise((resolve) => requestAnimationFrame(() => resolve())));
    await shown.evaluate(() => document.getElementById('Input').select());
    let start = performance.now();
    if (!(await shown.paste(text)))
        throw new Error('no clipboard paste in this engine');
    await nextFrame();
    const paste = performance.now() - start;

    start = performance.now();
    await shown.click('#Sabo');
    await shown.evaluate(() => document.getElementById('Output').value.length);
    const click = performance.now() - start;

    const layOut = await shown.evaluate((value) => {
        const begin = performance.now();
        const lines = QuarlCounterTesting.displayLines(value, false).length;
        return { ms: performance.now() - begin, lines };
    }, text);
    return { paste, click, layOut: layOut.ms, lines: layOut.lines };
}

const browser = await launch('chromium');
try {
    console.log(`page: ${(await stat(page)).size} bytes`);
    console.log('report                     MB   display lines   paste ms   Sabo click ms   every line laid out ms');
    for (const report of reports) {
        const text = await readFile(report, 'utf8');
        const results = [];
        for (let run = 0; run < runs; ++run)
            results.push(await measure(browser, text));
        const megabytes = (Buffer.byteLength(text) / 1e6).toFixed(1);
        const row = [
            basename(report).padEnd(24),
            megabytes.padStart(5),
            String(results[0].lines).padStart(15),
            median(results.map((r) => r.paste)).toFixed(0).padStart(10),
            median(results.map((r) => r.click)).toFixed(0).padStart(15),
            median(results.map((r) => r.layOut)).toFixed(0).padStart(24),
        ];
        console.log(row.join(' '));
    }
} finally {
    await browser.close();
}
