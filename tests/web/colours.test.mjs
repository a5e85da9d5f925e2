import assert from 'node:assert/strict';
import { describe, test } from 'node:test';
import { contrast, luminance } from './support/colours.mjs';
import { engine, pageUrl } from './support/fixture.mjs';
import { launch } from './support/browsers.mjs';

// The text and background colour of each part the player reads, where a transparent background is that of the
// nearest ancestor which has one.
function shownColours() {
    const background = (element) => {
        for (let at = element; at; at = at.parentElement) {
            const colour = getComputedStyle(at).backgroundColor;
            if (!/rgba\(.*, 0\)$|transparent/.test(colour))
                return colour;
        }
        return 'rgb(255, 255, 255)';
    };
    const parts = ['Window', 'Label1', 'Input', 'Output', 'Sabo', 'Pluen'];
    return Object.fromEntries(parts.map((id) => {
        const element = document.getElementById(id);
        return [id, { text: getComputedStyle(element).color, background: background(element) }];
    }));
}

async function coloursIn(scheme) {
    const browser = await launch(engine, { dark: scheme === 'dark' });
    try {
        const page = await browser.open(pageUrl());
        return {
            matches: await page.evaluate(() => matchMedia('(prefers-color-scheme: dark)').matches),
            colours: await page.evaluate(shownColours),
        };
    } finally {
        await browser.close();
    }
}

describe('colour schemes', () => {
    const seen = {};
    for (const scheme of ['light', 'dark'])
        test(`${scheme}: every text readable on its background`, async () => {
            const { matches, colours } = await coloursIn(scheme);
            seen[scheme] = colours;
            assert.equal(matches, scheme === 'dark');
            for (const [id, { text, background }] of Object.entries(colours)) {
                // A greyed button's text is meant to be faint, yet still legible.
                const least = id === 'Pluen' ? 2 : 4.5;
                assert.ok(contrast(text, background) >= least, `${id}: ${text} on ${background}`);
            }
            const windowLuminance = luminance(colours.Window.background);
            assert.ok(scheme === 'dark' ? windowLuminance < 0.2 : windowLuminance > 0.4, colours.Window.background);
        });

    test('the dark colours differ from the light ones', (context) => {
        if (!seen.light || !seen.dark)
            return context.skip('a scheme failed above');
        for (const id of ['Window', 'Input', 'Output'])
            assert.notEqual(seen.dark[id].background, seen.light[id].background, id);
    });
});
