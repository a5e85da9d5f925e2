import assert from 'node:assert/strict';
import { describe, test } from 'node:test';
import { inputHint, outputHint } from './support/expected.mjs';
import { pageUrl, useBrowser } from './support/fixture.mjs';

const session = useBrowser();

const controls = [
    { id: 'Label1', text: 'Berichte', enabled: true },
    { id: 'Label2', text: 'Ergebnis', enabled: true },
    { id: 'Input', value: inputHint, enabled: true },
    { id: 'Output', value: outputHint, enabled: true },
    { id: 'Sabo', text: 'Sabo', enabled: true },
    { id: 'Pluen', text: 'Plünder', enabled: false },
    { id: 'Fleet', text: 'Flotten', enabled: false },
    { id: 'FileMenu', text: 'Oberfläche', enabled: false },
    { id: 'EditMenu', text: 'Editieren', enabled: false },
    { id: 'HelpMenu', text: 'Informationen', enabled: false },
];

describe('the page as it starts', () => {
    test('title, language and readiness', async () => {
        const page = await session.browser.open(pageUrl());
        assert.equal(await page.evaluate(() => document.title), 'QUARL-Counter Alpha 0.2');
        assert.equal(await page.evaluate(() => document.documentElement.lang), 'de');
        // The words for a browser without WebAssembly are not shown where the module started.
        assert.equal(await page.evaluate(() => document.getElementById('NoWasm')?.checkVisibility() ?? false), false);
    });

    test('focus in Input with nothing selected', async () => {
        const page = await session.browser.open(pageUrl());
        assert.equal(await page.focusedId(), 'Input');
        const selection = await page.evaluate(() => {
            const input = document.getElementById('Input');
            return { start: input.selectionStart, end: input.selectionEnd, page: String(getSelection()) };
        });
        assert.equal(selection.start, selection.end);
        assert.equal(selection.page, '');
    });

    for (const control of controls)
        test(`${control.id}: text and enabled state`, async () => {
            const page = await (session.page ??= session.browser.open(pageUrl()));
            const shown = await page.evaluate((id) => {
                const element = document.getElementById(id);
                return { text: element.textContent, value: element.value, disabled: element.disabled === true };
            }, control.id);
            if (control.value !== undefined)
                assert.equal(shown.value, control.value);
            else
                assert.equal(shown.text, control.text);
            assert.equal(shown.disabled, !control.enabled);
        });

    test('Tab visits Input, Output and Sabo in this order', async () => {
        const page = await session.browser.open(pageUrl());
        const visited = [await page.focusedId()];
        for (let step = 0; step < 2; ++step) {
            await page.press('Tab');
            visited.push(await page.focusedId());
        }
        assert.deepEqual(visited, ['Input', 'Output', 'Sabo']);
    });

    // A click on a greyed menu or button opens nothing, clicks nothing and leaves typing with Input.
    for (const id of ['FileMenu', 'EditMenu', 'HelpMenu', 'Pluen', 'Fleet'])
        test(`a click on the greyed ${id} changes nothing`, async () => {
            const page = await session.browser.open(pageUrl());
            await page.evaluate(() => document.getElementById('Input').setSelectionRange(0, 0));
            await page.click(`#${id}`);
            await page.press('Bohrturm');
            const state = await page.evaluate(() => ({
                openMenus: [...document.querySelectorAll('[role="menu"]')].filter((menu) => menu.checkVisibility())
                    .length,
                output: document.getElementById('Output').value,
                focused: document.activeElement.id,
                input: document.getElementById('Input').value,
            }));
            assert.deepEqual(state, { openMenus: 0, output: outputHint, focused: 'Input', input: `Bohrturm${inputHint}` });
        });
});
