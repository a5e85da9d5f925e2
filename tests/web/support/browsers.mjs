// One small API over the three engines: open a page, click by mouse, press keys, insert text as typing does, read
// values, evaluate, take screenshots, read the request log, storage and (where the engine offers it) the
// accessibility tree.
import { access, constants } from 'node:fs/promises';
import { launchPuppeteer } from './puppeteer-tab.mjs';
import { launchWebKit, miniBrowser } from './webkit-tab.mjs';
import { parseKeys } from './keys.mjs';

export const engines = {
    chromium: { title: 'Chromium', binaries: ['/usr/bin/chromium'], package: 'chromium' },
    firefox: { title: 'Firefox', binaries: ['/usr/bin/firefox-esr'], package: 'firefox-esr' },
    webkit: { title: 'WebKit', binaries: ['/usr/bin/WebKitWebDriver', miniBrowser], package: 'webkit2gtk-driver' },
};

// The engine the tests run in, named by QUARL_ENGINE.
export function currentEngine() {
    const engine = process.env.QUARL_ENGINE;
    if (!engines[engine])
        throw new Error(`QUARL_ENGINE is "${engine}", not one of ${Object.keys(engines).join(', ')}`);
    return engine;
}

// The engine's programs that are not on this machine.
export async function missingBinaries(engine) {
    const missing = [];
    for (const binary of engines[engine].binaries) {
        try {
            await access(binary, constants.X_OK);
        } catch {
            missing.push(binary);
        }
    }
    return missing;
}

// Starts the engine's browser; `dark` asks pages for the dark colour scheme.
export async function launch(engine, { dark = false } = {}) {
    const binary = engines[engine].binaries[0];
    const browser = engine === 'webkit' ? await launchWebKit(binary, { dark }) : await launchPuppeteer(engine, binary, { dark });
    return new Browser(browser);
}

class Browser {
    constructor(browser) {
        this.browser = browser;
        this.engine = browser.engine;
    }

    // Opens the URL in a fresh page at the viewport's size (`mobile`: a phone's, where the engine emulates one) and
    // waits until the page says it is ready.
    async open(url, viewport = {}) {
        const page = new Page(this.engine, await this.browser.open(url, viewport));
        await page.waitUntilReady();
        return page;
    }

    async close() {
        await this.browser.close();
    }
}

class Page {
    constructor(engine, tab) {
        this.engine = engine;
        this.tab = tab;
    }

    async waitUntilReady(timeout = 10000) {
        const start = Date.now();
        while (!(await this.evaluate(() => document.documentElement.dataset.ready === 'true'))) {
            if (Date.now() - start > timeout)
                throw new Error('the page did not become ready');
            await new Promise((resolve) => setTimeout(resolve, 50));
        }
    }

    evaluate(script, ...args) {
        return this.tab.evaluate(script, ...args);
    }

    // A click with the mouse in the middle of the element.
    click(selector) {
        return this.tab.click(selector);
    }

    // Keys as the desktop tests write them (see keys.mjs): "Alt+O Esc abc".
    press(keys) {
        return this.tab.press(parseKeys(keys));
    }

    // Inserts the text at the caret of the focused box as the browser inserts typed or pasted text, with its input
    // event; fast enough for megabytes, unlike typing key by key.
    async insertText(text) {
        const inserted = await this.evaluate((value) => document.execCommand('insertText', false, value), text);
        if (!inserted)
            throw new Error('the browser did not insert the text');
    }

    // Replaces the whole text of the box by the text, as selecting all and pasting does.
    async replaceText(selector, text) {
        await this.evaluate((query) => {
            const box = document.querySelector(query);
            box.focus();
            box.select();
        }, selector);
        if (text === '')
            await this.press('Ctrl+A Delete');
        else
            await this.insertText(text);
    }

    // Pastes the text into the focused box through the clipboard with Ctrl+V where the engine lets the tests fill
    // the clipboard (Chromium); elsewhere inserts it as typed text. Whether it was a real paste.
    async paste(text) {
        if (await this.tab.paste(text))
            return true;
        await this.insertText(text);
        return false;
    }

    value(selector) {
        return this.evaluate((query) => document.querySelector(query).value, selector);
    }

    text(selector) {
        return this.evaluate((query) => document.querySelector(query).textContent, selector);
    }

    focusedId() {
        return this.evaluate(() => document.activeElement?.id ?? '');
    }

    screenshot(path) {
        return this.tab.screenshot(path);
    }

    // Every URL the page asked for since it was opened, the page itself included.
    requests() {
        return this.tab.requests();
    }

    // What the page keeps in the browser: cookies, local and session storage, IndexedDB databases, service workers
    // and caches. Empty lists where the browser offers no such store to the page (file:// in some engines).
    storage() {
        return this.evaluate(async () => {
            const listed = async (list) => {
                try {
                    return await list();
                } catch {
                    return [];
                }
            };
            const keys = (store) => {
                try {
                    return Object.keys(store ?? {});
                } catch {
                    return [];
                }
            };
            return {
                cookies: document.cookie,
                localStorage: keys(window.localStorage),
                sessionStorage: keys(window.sessionStorage),
                indexedDB: (await listed(() => indexedDB.databases())).map((database) => database.name),
                serviceWorkers: (await listed(() => navigator.serviceWorker.getRegistrations())).map((r) => r.scope),
                caches: await listed(() => caches.keys()),
            };
        });
    }

    accessibilityTree() {
        return this.tab.accessibilityTree();
    }
}
