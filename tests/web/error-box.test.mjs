import assert from 'node:assert/strict';
import { describe, test } from 'node:test';
import { outputHint, resultText } from './support/expected.mjs';
import { pageUrl, useBrowser } from './support/fixture.mjs';

const session = useBrowser();

// Makes Sabo fail: the page brings a line that is not NFC into NFC with String.prototype.normalize.
function breakNormalize() {
    window.workingNormalize = String.prototype.normalize;
    String.prototype.normalize = () => {
        throw new Error('Kaputt');
    };
}

function repairNormalize() {
    String.prototype.normalize = window.workingNormalize;
}

function errorBox() {
    const box = document.getElementById('ErrorBox');
    return {
        open: box.open,
        modal: box.matches(':modal'),
        caption: document.getElementById('ErrorCaption').textContent,
        text: document.getElementById('ErrorText').textContent,
        buttons: [...box.querySelectorAll('button')].map((button) => button.textContent),
        icon: document.getElementById('ErrorIcon')?.checkVisibility() ?? false,
    };
}

// How the box is closed: its button clicked by mouse, or a key while its button has the focus.
const closings = [
    { name: 'OK clicked', close: (page) => page.click('#ErrorOk') },
    { name: 'Return', close: (page) => page.press('Return') },
    { name: 'Escape', close: (page) => page.press('Esc') },
];

describe('an error that escapes Sabo', () => {
    for (const { name, close } of closings)
        test(`is shown in a modal box, closed by ${name}, and the page goes on`, async () => {
            const page = await session.browser.open(pageUrl());
            await page.replaceText('#Input', 'Wohngeba\u0308ude (2)');
            await page.evaluate(breakNormalize);
            await page.click('#Sabo');
            assert.deepEqual(await page.evaluate(errorBox), {
                open: true,
                modal: true,
                caption: 'QUARL-Counter',
                text: 'Kaputt.',
                buttons: ['OK'],
                icon: true,
            });
            assert.equal(await page.focusedId(), 'ErrorOk');
            assert.equal(await page.value('#Output'), outputHint);

            await close(page);
            assert.equal(await page.evaluate(() => document.getElementById('ErrorBox').open), false);
            assert.equal(await page.focusedId(), 'Sabo');
            await page.evaluate(repairNormalize);
            await page.click('#Sabo');
            assert.equal(await page.value('#Output'), resultText({ Wohngebäude: 2 }, 2));
        });
});
