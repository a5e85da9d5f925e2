import assert from 'node:assert/strict';
import { describe, test } from 'node:test';
import { engine, pageUrl, useBrowser } from './support/fixture.mjs';

const session = useBrowser();

// What a screen reader is told about each control: role, name and whether it is greyed.
const controls = [
    { id: 'Input', role: 'textbox', name: 'Berichte', disabled: false },
    { id: 'Output', role: 'textbox', name: 'Ergebnis', disabled: false },
    { id: 'Sabo', role: 'button', name: 'Sabo', disabled: false },
    { id: 'Pluen', role: 'button', name: 'Plünder', disabled: true },
    { id: 'Fleet', role: 'button', name: 'Flotten', disabled: true },
    { id: 'FileMenu', role: 'menuitem', name: 'Oberfläche', disabled: true },
    { id: 'EditMenu', role: 'menuitem', name: 'Editieren', disabled: true },
    { id: 'HelpMenu', role: 'menuitem', name: 'Informationen', disabled: true },
];

function findNode(tree, wanted) {
    if (tree.role === wanted.role && tree.name === wanted.name)
        return tree;
    for (const child of tree.children ?? []) {
        const found = findNode(child, wanted);
        if (found)
            return found;
    }
    return null;
}

// Chromium gives the whole accessibility tree; WebKitWebDriver the computed role and name of one element; Firefox
// over WebDriver BiDi neither, so there only the page's own markup is checked.
describe('what screen readers are told', () => {
    for (const control of controls)
        test(`${control.id}: ${control.role} "${control.name}"${control.disabled ? ', disabled' : ''}`, async (context) => {
            const page = await (session.page ??= session.browser.open(pageUrl()));
            if (engine === 'chromium') {
                const node = findNode(await page.accessibilityTree(), control);
                assert.ok(node, 'no such node in the accessibility tree');
                assert.equal(node.disabled === true, control.disabled);
            } else if (engine === 'webkit') {
                const { role, label } = await page.tab.computedRoleAndLabel(`#${control.id}`);
                assert.deepEqual({ role, label }, { role: control.role, label: control.name });
                assert.equal(await page.evaluate((id) => document.getElementById(id).disabled, control.id),
                             control.disabled);
            } else {
                context.diagnostic('Firefox over WebDriver BiDi offers no accessibility tree');
                const label = await page.evaluate((id) => document.getElementById(id).labels?.[0]?.textContent ??
                                                          document.getElementById(id).textContent, control.id);
                assert.equal(label, control.name);
            }
        });

    test('the total is announced politely after Sabo', async () => {
        const page = await session.browser.open(pageUrl());
        await page.click('#Sabo');
        const region = await page.evaluate(() => {
            const element = document.getElementById('Announcement');
            return { live: element.getAttribute('aria-live'), text: element.textContent };
        });
        assert.deepEqual(region, { live: 'polite', text: 'Gesamt zerstörte Punkte: 0' });
        if (engine === 'chromium') {
            const tree = JSON.stringify(await page.accessibilityTree());
            assert.ok(tree.includes('Gesamt zerstörte Punkte: 0'), 'the total is in the accessibility tree');
        }
    });
});
