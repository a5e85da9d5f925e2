// The page's benchmark, in Chromium: node bench/web.mjs PAGE MESSAGES_1MB MESSAGES_10MB REPORT_50MB NATIVE_MBPS
// Pastes whole messages into Input (Ctrl+V, from the clipboard) and clicks "Sabo", each size in a fresh tab, and
// prints the click next to the paste and to laying out every line; then the module's counting throughput on the
// 50 MB report (in Node.js, whose engine is Chromium's) next to the native counter's; then the page's size.
import { readFileSync, statSync } from 'node:fs';
import { createRequire } from 'node:module';
import { dirname, join } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';

const root = join(dirname(fileURLToPath(import.meta.url)), '..');
const puppeteer = createRequire(join(root, 'tests/web/package.json'))('puppeteer-core');
const [pagePath, oneMb, tenMb, report, nativeMbps] = process.argv.slice(2);

async function pasteAndClick(browser, file) {
    const text = readFileSync(file, 'utf8');
    const page = await browser.newPage();
    await page.goto(pathToFileURL(pagePath).href);
    await page.waitForSelector('html[data-ready=true]');
    // The text goes onto the clipboard the way a copy in another page puts it there.
    await page.evaluate((text) => {
        document.addEventListener('copy', (event) => {
            event.clipboardData.setData('text/plain', text);
            event.preventDefault();
        }, { once: true });
    }, text);
    await page.keyboard.down('Control');
    await page.keyboard.press('KeyC');
    await page.evaluate(() => document.getElementById('Input').select());
    const pasteStart = Date.now();
    await page.keyboard.press('KeyV');
    await page.keyboard.up('Control');
    await page.evaluate(() => document.getElementById('Input').getBoundingClientRect());
    const paste = Date.now() - pasteStart;
    // The click's own time, from the first listener of the click to the last, the command's between them.
    await page.evaluate(() => {
        addEventListener('click', () => (globalThis.clickStart = performance.now()), { capture: true, once: true });
        addEventListener('click', () => (globalThis.clickTime = performance.now() - globalThis.clickStart), { once: true });
    });
    await page.click('#Sabo');
    const click = await page.evaluate(() => globalThis.clickTime);
    const everyLine = await page.evaluate(() => {
        const start = performance.now();
        QuarlCounterTesting.displayLines(document.getElementById('Input').value, false);
        return performance.now() - start;
    });
    const total = await page.evaluate(() => document.getElementById('Output').value.split('\n').at(-2));
    await page.close();
    return { file, bytes: Buffer.byteLength(text), paste, click, everyLine, total };
}

// The module as the page holds it, counting the report without a box.
function moduleMbps(file) {
    const html = readFileSync(pagePath, 'utf8');
    const bytes = Buffer.from(html.match(/const CoreModule = '([A-Za-z0-9+/=]+)'/)[1], 'base64');
    const module = new WebAssembly.Module(bytes);
    const stub = Object.fromEntries(WebAssembly.Module.imports(module).map((entry) => [entry.name, () => 0]));
    const { exports } = new WebAssembly.Instance(module, { page: stub });
    exports._initialize();
    const text = readFileSync(file);
    const room = exports.text_in(text.length);
    new Uint8Array(exports.memory.buffer, room, text.length).set(text);
    let best = Infinity;
    for (let run = 0; run < 5; ++run) {
        const start = performance.now();
        exports.count_text();
        best = Math.min(best, performance.now() - start);
    }
    return text.length / (best / 1000) / 1e6;
}

const browser = await puppeteer.launch({
    executablePath: '/usr/bin/chromium',
    protocolTimeout: 900000,
    // Scroll bars as players see them: they take room from the boxes' text.
    ignoreDefaultArgs: ['--hide-scrollbars'],
    args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-component-update'],
});
const row = (cells) => console.log(cells.map((cell, i) => String(cell).padStart(i === 0 ? 0 : 14)).join(''));
row(['whole messages', 'MB', 'paste ms', 'Sabo ms', 'every line ms', '  total line']);
for (const file of [oneMb, tenMb]) {
    const r = await pasteAndClick(browser, file);
    row(['messages      ', (r.bytes / 1e6).toFixed(1), r.paste, Math.round(r.click), Math.round(r.everyLine), `  ${r.total}`]);
}
await browser.close();
const module = moduleMbps(report);
console.log(`\ncounting ${(statSync(report).size / 1e6).toFixed(1)} MB       MB/s`);
console.log(`module (WebAssembly)  ${module.toFixed(1).padStart(8)}`);
console.log(`native counter        ${Number(nativeMbps).toFixed(1).padStart(8)}`);
console.log(`\npage ${pagePath}: ${statSync(pagePath).size} bytes`);
