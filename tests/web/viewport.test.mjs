import assert from 'node:assert/strict';
import { describe, test } from 'node:test';
import { resultText } from './support/expected.mjs';
import { pageUrl, useBrowser } from './support/fixture.mjs';

const session = useBrowser();

// Where the window is on the screen, how wide the viewport is, and the boxes' sizes in the window's own pixels.
function geometry() {
    const window_ = document.getElementById('Window').getBoundingClientRect();
    const input = document.getElementById('Input');
    return {
        viewport: document.documentElement.clientWidth,
        left: window_.left,
        right: window_.right,
        ownWidth: document.getElementById('Window').offsetWidth,
        inputWidth: input.offsetWidth,
        inputHeight: input.offsetHeight,
    };
}

const wrappedReport = `Raumhafen${'x'.repeat(300)}(7)\nEisenmine (3) ${'x'.repeat(60)} Bohrturm 4)\n`;

const viewports = [
    { name: 'desktop, 1280 px', size: { width: 1280, height: 900 }, scaled: false },
    { name: 'phone, 390 px', size: { width: 390, height: 844, mobile: true }, scaled: true },
];

describe('the window in the viewport', () => {
    const lines = {};
    for (const { name, size, scaled } of viewports)
        test(name, async () => {
            const page = await session.browser.open(pageUrl(), size);
            const shown = await page.evaluate(geometry);
            assert.ok(shown.left >= 0 && shown.right <= shown.viewport + 0.5, JSON.stringify(shown));
            assert.equal(shown.right - shown.left < shown.ownWidth, scaled, JSON.stringify(shown));
            lines[name] = {
                box: [shown.inputWidth, shown.inputHeight],
                lines: await page.evaluate((text) => QuarlCounterTesting.displayLines(text, false), wrappedReport),
            };
            await page.replaceText('#Input', wrappedReport);
            await page.click('#Sabo');
            assert.equal(await page.value('#Output'), resultText({ Raumhafen: 1, Eisenmine: 3, Bohrturm: 1 }, 7));
        });

    // The box keeps its size in its own pixels, and its lines, however far the window is scaled down.
    test('the box and its display lines are the same at both widths', (context) => {
        const [desktop, phone] = viewports.map(({ name }) => lines[name]);
        if (!desktop || !phone)
            return context.skip('a viewport failed above');
        assert.deepEqual(phone, desktop);
    });
});
