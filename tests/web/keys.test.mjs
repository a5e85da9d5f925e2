import assert from 'node:assert/strict';
import { describe, test } from 'node:test';
import { outputHint, resultText } from './support/expected.mjs';
import { pageUrl, useBrowser } from './support/fixture.mjs';

const session = useBrowser();

// Keys pressed with the focus in a control, while Input holds "Eisenmine (3) " with the caret at its end: what Input
// holds and where the focus is afterwards. Output keeps its hint: no key counts or opens a menu.
const keyCases = [
    { keys: 'Esc abc', focus: 'Input', input: 'Eisenmine (3) abc' },
    { keys: 'Esc', focus: 'Output', input: 'Eisenmine (3) ' },
    { keys: 'Esc', focus: 'Sabo', input: 'Eisenmine (3) ' },
    { keys: 'Alt+O abc', focus: 'Input', input: 'Eisenmine (3) abc' },
    { keys: 'Alt+E abc', focus: 'Input', input: 'Eisenmine (3) abc' },
    { keys: 'Alt+O Alt+O abc', focus: 'Input', input: 'Eisenmine (3) abc' },
    { keys: 'Alt+E Alt+I abc', focus: 'Input', input: 'Eisenmine (3) abc' },
    { keys: 'Alt Alt+O abc', focus: 'Input', input: 'Eisenmine (3) abc' },
    { keys: 'Alt Esc Alt abc', focus: 'Input', input: 'Eisenmine (3) abc' },
    { keys: 'Alt+X Alt+X Esc abc', focus: 'Input', input: 'Eisenmine (3) abc' },
    { keys: 'Alt+Shift+O abc', focus: 'Input', input: 'Eisenmine (3) abc' },
    { keys: 'Alt+Shift+X Alt+Shift+B abc', focus: 'Input', input: 'Eisenmine (3) abc' },
    { keys: 'Alt Alt+Shift+I abc', focus: 'Input', input: 'Eisenmine (3) abc' },
];

// Focuses the control by Tab from Input, as the keyboard reaches it.
const tabsFromInput = { Input: '', Output: 'Tab', Sabo: 'Tab Tab' };

async function pageWithReport() {
    const page = await session.browser.open(pageUrl());
    await page.replaceText('#Input', 'Eisenmine (3) ');
    return page;
}

describe('keys as in the desktop window', () => {
    for (const { keys, focus, input } of keyCases)
        test(`"${keys}" in ${focus}`, async () => {
            const page = await pageWithReport();
            if (tabsFromInput[focus])
                await page.press(tabsFromInput[focus]);
            assert.equal(await page.focusedId(), focus);
            await page.press(keys);
            assert.equal(await page.value('#Input'), input);
            assert.equal(await page.value('#Output'), outputHint);
            assert.equal(await page.focusedId(), focus);
            const openMenus = await page.evaluate(
                () => [...document.querySelectorAll('[role="menu"]')].filter((menu) => menu.checkVisibility()).length);
            assert.equal(openMenus, 0);
        });

    for (const key of ['Return', 'Enter', 'Space'])
        test(`${key} on a focused Sabo clicks it`, async () => {
            const page = await pageWithReport();
            await page.press('Tab Tab');
            await page.press(key);
            assert.equal(await page.value('#Output'), resultText({ Eisenmine: 3 }, 3));
            assert.equal(await page.focusedId(), 'Sabo');
        });

    test('Output is read-only: typing changes nothing, Ctrl+A selects all of it', async () => {
        const page = await session.browser.open(pageUrl());
        await page.press('Tab abc Ctrl+A');
        const output = await page.evaluate(() => {
            const box = document.getElementById('Output');
            return { value: box.value, start: box.selectionStart, end: box.selectionEnd };
        });
        assert.deepEqual(output, { value: outputHint, start: 0, end: outputHint.length });
    });
});
