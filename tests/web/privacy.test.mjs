import assert from 'node:assert/strict';
import { describe, test } from 'node:test';
import { resultText } from './support/expected.mjs';
import { engine, pagePath, pageUrl, useBrowser } from './support/fixture.mjs';
import { serveFile } from './support/static-server.mjs';

const session = useBrowser();

const nothingStored = { cookies: '', localStorage: [], sessionStorage: [], indexedDB: [], serviceWorkers: [], caches: [] };

// Firefox's WebDriver BiDi reports no request for a page read from file://; over http it reports them all.
const logsFileRequests = engine !== 'firefox';

// Counts a report in the page and returns what the browser asked for and what the page kept.
async function useThePage(url) {
    const page = await session.browser.open(url);
    await page.replaceText('#Input', 'Raumhafen (2)\nBohrturm (1)\n');
    await page.click('#Sabo');
    assert.equal(await page.value('#Output'), resultText({ Raumhafen: 2, Bohrturm: 1 }, 7));
    // Requests after the count, such as a report sent off, would come shortly after the click.
    await new Promise((resolve) => setTimeout(resolve, 300));
    return { requests: (await page.requests()).filter((url) => !url.startsWith('data:')), stored: await page.storage() };
}

describe('the page sends nothing and keeps nothing', () => {
    test('from file://', async () => {
        const { requests, stored } = await useThePage(pageUrl());
        assert.deepEqual(requests, logsFileRequests ? [pageUrl()] : []);
        assert.deepEqual(stored, nothingStored);
    });

    test('from a static server on 127.0.0.1', async () => {
        const server = await serveFile(pagePath());
        try {
            const { requests, stored } = await useThePage(server.url);
            assert.deepEqual(requests, [server.url]);
            assert.deepEqual(server.requests, [new URL(server.url).pathname]);
            assert.deepEqual(stored, nothingStored);
        } finally {
            await server.close();
        }
    });
});
