import assert from 'node:assert/strict';
import { describe, test } from 'node:test';
import { resultText } from './support/expected.mjs';
import { pageUrl, useBrowser } from './support/fixture.mjs';

const session = useBrowser();

// A fresh page with the text in Input (as pasted over the hint), then a real click on Sabo; Output's text.
async function countInFreshPage(text) {
    const page = await session.browser.open(pageUrl());
    await page.replaceText('#Input', text);
    await page.click('#Sabo');
    return { page, output: await page.value('#Output') };
}

const x = (times) => 'x'.repeat(times);
const repeated = (piece, times) => piece.repeat(times);

// The report cases of the desktop tests, with their expected lines.
const reports = [
    { name: 'empty box', text: '', counts: {}, total: 0 },
    {
        name: 'pasted report with CR LF line breaks',
        text:
            'Sabotagebericht vom 12.03. 14:02\r\n' +
            'Zerstört wurden:\r\n' +
            'Raumhafen (2)\r\n' +
            'Wohngebäude (5)\r\n' +
            'Solarpark und Eisenmine (3)\r\n' +
            'Raumhafen\r\n',
        counts: { Raumhafen: 3, Wohngebäude: 5, Solarpark: 3, Eisenmine: 3 },
        total: 20,
    },
    {
        name: 'lines as displayed, not as text lines',
        text: `Eisenmine (3) ${x(60)} Bohrturm 4)\nRaumhafen (2)\nWohngeba\u0308ude (5)\n${x(60)} ${x(60)} Chemiefabrik (7)\n`,
        counts: { Raumhafen: 2, Wohngebäude: 5, Eisenmine: 3, Bohrturm: 1, Chemiefabrik: 7 },
        total: 29,
    },
    {
        name: 'wrapped line counted as several lines',
        text: `Raumhafen (2)${repeated(' Trümmer', 40)} Schiffsfabrik (5)`,
        counts: { Raumhafen: 2, Schiffsfabrik: 5 },
        total: 21,
    },
    { name: 'line without blanks wrapped anywhere', text: `Raumhafen${x(300)}(7)`, counts: { Raumhafen: 1 }, total: 3 },
    {
        name: 'name and its number on different display lines',
        text: `Raumhafen ${repeated('Trümmer ', 40)}(4)`,
        counts: { Raumhafen: 1 },
        total: 3,
    },
    { name: 'tabs wrap the number away', text: `Bohrturm${repeated('\t', 40)}(5)`, counts: { Bohrturm: 1 }, total: 1 },
    { name: 'decomposed ä', text: 'Wohngeba\u0308ude (3)', counts: { Wohngebäude: 3 }, total: 3 },
    {
        name: 'decomposed ä, number wrapped away',
        text: `Wohngeba\u0308ude ${repeated('iiii ', 50)}(6)`,
        counts: { Wohngebäude: 1 },
        total: 1,
    },
    { name: 'no final line break', text: 'Eisenmine (3)', counts: { Eisenmine: 3 }, total: 3 },
    // Fewer than the desktop's 5000: inserting thousands of line breaks as typing does takes Chromium minutes.
    { name: 'many line breaks first', text: `${repeated('\n', 400)}Bohrturm (1)`, counts: { Bohrturm: 1 }, total: 1 },
    {
        name: 'lone surrogates around a report',
        text: '\uD800 Eisenmine (2) \uDC00\uDC00',
        counts: { Eisenmine: 2 },
        total: 2,
    },
    { name: 'lone surrogate as the number', text: 'Eisenmine (\uDBFF)', counts: { Eisenmine: 1 }, total: 1 },
];

describe('Sabo counts Input as displayed', () => {
    test('the hint gives fourteen zero counts, every time', async () => {
        const page = await session.browser.open(pageUrl());
        for (let click = 1; click <= 2; ++click) {
            await page.click('#Sabo');
            assert.equal(await page.value('#Output'), resultText({}, 0), `click ${click}`);
        }
        assert.equal(await page.text('#Announcement'), 'Gesamt zerstörte Punkte: 0');
    });

    for (const { name, text, counts, total } of reports)
        test(name, async () => {
            const { page, output } = await countInFreshPage(text);
            assert.equal(output, resultText(counts, total));
            await page.click('#Sabo');
            assert.equal(await page.value('#Output'), resultText(counts, total), 'pressed again');
        });

    test('pasted text is counted, through the clipboard where the engine allows', async (context) => {
        const page = await session.browser.open(pageUrl());
        await page.evaluate(() => document.getElementById('Input').select());
        if (!(await page.paste('Raumhafen (2)\r\nSchiffsfabrik (1)\r\n')))
            context.diagnostic('inserted as typed text: this engine lets no test fill the clipboard');
        await page.click('#Sabo');
        assert.equal(await page.value('#Output'), resultText({ Raumhafen: 2, Schiffsfabrik: 1 }, 9));
    });

    test('typed text is counted', async () => {
        const page = await session.browser.open(pageUrl());
        await page.replaceText('#Input', '');
        await page.press('Bohrturm');
        await page.insertText(' (4)');
        await page.click('#Sabo');
        assert.equal(await page.value('#Output'), resultText({ Bohrturm: 4 }, 4));
    });
});

// The texts with which the quick width check must take a line whole only where the box shows it on one line.
const narrowLines = ['Eisenmine (3)', '', 'Raumhafen\u00A0(2) zerstört', '(4) Bohrturm'];
// Whether tabs at the end of a line hang in the box or wrap is the engine's own choice (Chromium and WebKit let them
// hang, Firefox wraps them): there only the quick check and the box's own layout are compared.
const wideLines = [
    { line: `Raumhafen ${repeated('Trümmer ', 40)}(4)`, wraps: true },
    { line: `Eisenmine${x(300)}(7)`, wraps: true },
    { line: `Bohrturm${repeated('\t', 40)}(5)`, wraps: true },
    { line: `Solarpark\t(2)\tund\tEisenmine\t(2)\t${repeated('\t', 12)}`, wraps: null },
    { line: repeated('Chemiefabrik (1) ', 12), wraps: true },
    { line: `Wohngeba\u0308ude ${repeated('iiii ', 50)}(6)`, wraps: true },
];
const quickCheckTexts = [
    ...narrowLines.map((line) => ({ name: `narrow: ${JSON.stringify(line)}`, text: `${line}\n`, wraps: false })),
    ...wideLines.map(({ line, wraps }) => ({ name: `wide: ${JSON.stringify(line.slice(0, 24))}`, text: `${line}\n`, wraps })),
    {
        name: 'all of them, each wide one followed by a narrow one',
        text: narrowLines.map((line) => `${line}\n`).join('') + wideLines.map(({ line }) => `${line}\n${narrowLines[0]}\n`).join(''),
        wraps: true,
    },
];

// How many display lines the textarea itself shows for the text, from its scroll height: a run of empty lines in
// front makes it taller than the box, so that the height grows by one line height per display line.
function textareaDisplayLines(text) {
    const box = document.getElementById('Input');
    const before = box.value;
    const front = '\n'.repeat(60);
    const heightOf = (value) => {
        box.value = value;
        return box.scrollHeight;
    };
    const lineHeight = heightOf(`${front}\n`) - heightOf(front);
    const lines = (heightOf(front + text) - heightOf(front)) / lineHeight;
    box.value = before;
    return lines;
}

describe('display lines', () => {
    for (const { name, text, wraps } of quickCheckTexts)
        test(`quick check equals laying out every line, as the box shows it: ${name}`, async () => {
            const page = await (session.linesPage ??= session.browser.open(pageUrl()));
            const quick = await page.evaluate((value) => QuarlCounterTesting.displayLines(value, true), text);
            const laidOut = await page.evaluate((value) => QuarlCounterTesting.displayLines(value, false), text);
            assert.deepEqual(quick, laidOut);
            const textLines = text.split('\n').length - 1;
            if (wraps !== null)
                assert.equal(laidOut.length > textLines, wraps, `${laidOut.length} display lines of ${textLines}`);
            assert.equal(await page.evaluate(textareaDisplayLines, text), laidOut.length, 'lines the textarea shows');
        });
});
