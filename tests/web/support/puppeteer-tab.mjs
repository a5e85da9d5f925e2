// Chromium and Firefox through puppeteer-core: Chromium over the DevTools protocol, Firefox over WebDriver BiDi.
import puppeteer from 'puppeteer-core';

const launchOptions = {
    chromium: (binary, { dark }) => ({
        executablePath: binary,
        args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--font-render-hinting=none'],
        // Headless Chromium hides scroll bars by default; the boxes' scroll bars take width and so change the wrapping.
        ignoreDefaultArgs: ['--hide-scrollbars'],
        dark,
    }),
    firefox: (binary, { dark }) => ({
        browser: 'firefox',
        executablePath: binary,
        // 0 asks pages for the dark scheme, 1 for the light one, whatever the desktop's theme.
        extraPrefsFirefox: { 'layout.css.prefers-color-scheme.content-override': dark ? 0 : 1 },
    }),
};

export async function launchPuppeteer(engine, binary, options) {
    const browser = await puppeteer.launch({ headless: true, ...launchOptions[engine](binary, options) });
    return new PuppeteerBrowser(engine, browser, options);
}

class PuppeteerBrowser {
    constructor(engine, browser, { dark }) {
        this.engine = engine;
        this.browser = browser;
        this.dark = dark;
        this.tab = null;
    }

    async open(url, { width = 1024, height = 768, mobile = false } = {}) {
        if (this.tab)
            await this.tab.page.close();
        const page = await this.browser.newPage();
        this.tab = new PuppeteerTab(this.engine, page);
        if (mobile)
            await page.setViewport({ width, height, isMobile: true, hasTouch: true, deviceScaleFactor: 3 });
        else
            await page.setViewport({ width, height });
        if (this.engine === 'chromium')
            await page.emulateMediaFeatures([{ name: 'prefers-color-scheme', value: this.dark ? 'dark' : 'light' }]);
        await page.goto(url, { waitUntil: 'load' });
        return this.tab;
    }

    async close() {
        await this.browser.close();
    }
}

// Puppeteer's WebDriver BiDi keyboard knows no key codes for these; it passes a single character on as the key.
const bidiKeys = { Space: ' ', NumpadEnter: '\uE007' };

class PuppeteerTab {
    constructor(engine, page) {
        this.engine = engine;
        this.page = page;
        this.requested = [];
        page.on('request', (request) => this.requested.push(request.url()));
    }

    async click(selector) {
        await this.page.click(selector);
    }

    async press(steps) {
        const keyboard = this.page.keyboard;
        for (const { held, key } of steps) {
            for (const modifier of held)
                await keyboard.down(modifier);
            await keyboard.press(this.engine === 'firefox' ? (bidiKeys[key] ?? key) : key);
            for (const modifier of [...held].reverse())
                await keyboard.up(modifier);
        }
    }

    // A real clipboard paste (Ctrl+V) into the focused box; Chromium only, where a page may be let write the
    // clipboard. Keeps the focus where it is.
    async paste(text) {
        if (this.engine !== 'chromium')
            return false;
        const origin = new URL(this.page.url()).origin;
        await this.page.browserContext().overridePermissions(origin === 'null' ? 'file:///' : origin, [
            'clipboard-read',
            'clipboard-write',
            'clipboard-sanitized-write',
        ]);
        await this.page.evaluate((value) => navigator.clipboard.writeText(value), text);
        await this.page.keyboard.down('Control');
        await this.page.keyboard.press('KeyV');
        await this.page.keyboard.up('Control');
        return true;
    }

    async evaluate(script, ...args) {
        return this.page.evaluate(script, ...args);
    }

    async screenshot(path) {
        await this.page.screenshot({ path, fullPage: true });
    }

    async requests() {
        return [...this.requested];
    }

    // The page's accessibility tree as the browser gives it to screen readers: role, name, disabled and children.
    async accessibilityTree() {
        if (this.engine !== 'chromium')
            return null;
        return this.page.accessibility.snapshot({ interestingOnly: true });
    }
}
