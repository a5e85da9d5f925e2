// WebKit through WebKitGTK's WebDriver and its MiniBrowser, driven by selenium-webdriver. MiniBrowser needs a display:
// the test runner starts the tests under xvfb-run where none is set.
import { spawn } from 'node:child_process';
import { createServer } from 'node:net';
import { writeFile } from 'node:fs/promises';
import { setTimeout as sleep } from 'node:timers/promises';
import { Builder, By, Key } from 'selenium-webdriver';

export const miniBrowser = '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';

const seleniumKeys = {
    Escape: Key.ESCAPE,
    Tab: Key.TAB,
    Enter: Key.RETURN,
    NumpadEnter: Key.ENTER,
    Space: Key.SPACE,
    Home: Key.HOME,
    End: Key.END,
    Delete: Key.DELETE,
    Alt: Key.ALT,
    Control: Key.CONTROL,
    Shift: Key.SHIFT,
};

function freePort() {
    return new Promise((resolve, reject) => {
        const server = createServer();
        server.on('error', reject);
        server.listen(0, '127.0.0.1', () => {
            const { port } = server.address();
            server.close(() => resolve(port));
        });
    });
}

async function waitForDriver(port) {
    for (let attempt = 0; attempt < 100; ++attempt) {
        try {
            const response = await fetch(`http://127.0.0.1:${port}/status`);
            if (response.ok)
                return;
        } catch {
            // Not listening yet.
        }
        await sleep(100);
    }
    throw new Error(`WebKitWebDriver did not answer on port ${port}`);
}

export async function launchWebKit(binary, { dark }) {
    const port = await freePort();
    const service = spawn(binary, [`--port=${port}`, '--host=127.0.0.1'], { stdio: 'ignore' });
    await waitForDriver(port);
    const args = ['--automation', ...(dark ? ['--dark-mode'] : [])];
    const driver = await new Builder()
        .usingServer(`http://127.0.0.1:${port}`)
        .withCapabilities({ browserName: 'MiniBrowser', 'webkitgtk:browserOptions': { binary: miniBrowser, args } })
        .build();
    return new WebKitBrowser(driver, service);
}

class WebKitBrowser {
    constructor(driver, service) {
        this.engine = 'webkit';
        this.driver = driver;
        this.service = service;
    }

    async open(url, { width = 1024, height = 768 } = {}) {
        await this.setViewport(width, height);
        await this.driver.get(url);
        return new WebKitTab(this.driver);
    }

    // WebDriver sets the window's outer size: the difference to the viewport is added once measured.
    async setViewport(width, height) {
        await this.driver.manage().window().setRect({ width, height });
        const inner = await this.driver.executeScript('return [window.innerWidth, window.innerHeight];');
        await this.driver
            .manage()
            .window()
            .setRect({ width: 2 * width - inner[0], height: 2 * height - inner[1] });
    }

    async close() {
        try {
            await this.driver.quit();
        } finally {
            this.service.kill();
        }
    }
}

class WebKitTab {
    constructor(driver) {
        this.engine = 'webkit';
        this.driver = driver;
    }

    // The mouse moved to the middle of the element and clicked there, as a player clicks: WebDriver refuses to aim at
    // an element that takes no pointer events itself (a greyed button), though a player's click lands there.
    async click(selector) {
        const [x, y] = await this.driver.executeScript(
            `const box = document.querySelector(arguments[0]).getBoundingClientRect();
             return [Math.round(box.left + box.width / 2), Math.round(box.top + box.height / 2)];`,
            selector
        );
        await this.driver.actions().move({ origin: 'viewport', x, y }).click().perform();
    }

    async press(steps) {
        let actions = this.driver.actions();
        for (const { held, key } of steps) {
            const shifted = held.includes('Shift');
            const value = seleniumKeys[key] ?? (shifted ? key.slice(3) : key.slice(3).toLowerCase());
            for (const modifier of held)
                actions = actions.keyDown(seleniumKeys[modifier]);
            actions = actions.keyDown(value).keyUp(value);
            for (const modifier of [...held].reverse())
                actions = actions.keyUp(seleniumKeys[modifier]);
        }
        await actions.perform();
    }

    // WebKitWebDriver gives a page no way to fill the clipboard.
    async paste() {
        return false;
    }

    // Runs the function in the page with the arguments, awaiting a promise it returns.
    async evaluate(script, ...args) {
        return this.driver.executeScript(`return (${script}).apply(null, arguments);`, ...args);
    }

    async screenshot(path) {
        await writeFile(path, await this.driver.takeScreenshot(), 'base64');
    }

    // WebKitWebDriver offers no request log; the page's own timing entries list every resource it fetched.
    async requests() {
        return this.evaluate(() => [
            ...performance.getEntriesByType('navigation').map((entry) => entry.name || location.href),
            ...performance.getEntriesByType('resource').map((entry) => entry.name),
        ]);
    }

    // WebKitWebDriver gives no accessibility tree; the computed role and label of single elements are tested instead.
    async accessibilityTree() {
        return null;
    }

    async computedRoleAndLabel(selector) {
        const element = await this.driver.findElement(By.css(selector));
        return { role: await element.getAriaRole(), label: await element.getAccessibleName() };
    }
}
