// What every test file shares: the page under test and one browser of the engine named by QUARL_ENGINE, started
// before the file's tests and closed after them.
import { after, before } from 'node:test';
import { pathToFileURL } from 'node:url';
import { currentEngine, launch } from './browsers.mjs';

export const engine = currentEngine();

export function pagePath() {
    const path = process.env.QUARL_PAGE;
    if (!path)
        throw new Error('QUARL_PAGE names no page');
    return path;
}

export function pageUrl() {
    return pathToFileURL(pagePath()).href;
}

// The browser for the file's tests: `session.browser` once started.
export function useBrowser(options = {}) {
    const session = { browser: null };
    before(async () => {
        session.browser = await launch(engine, options);
    });
    after(async () => {
        await session.browser?.close();
    });
    return session;
}
