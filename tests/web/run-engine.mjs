// Runs the browser tests in one engine: node run-engine.mjs chromium|firefox|webkit PAGE. Exits 77 (which ctest
// takes as skipped) where the engine's browser is not on this machine, unless CI is true: CI must test all three.
import { spawnSync } from 'node:child_process';
import { existsSync, readdirSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';

const here = dirname(fileURLToPath(import.meta.url));
const [engine, page] = process.argv.slice(2);
const skipped = 77;

if (!existsSync(join(here, 'node_modules'))) {
    console.error(`The test libraries are missing: run "npm ci" in ${here} (./dev test does).`);
    process.exit(1);
}
const { engines, missingBinaries } = await import('./support/browsers.mjs');
if (!engines[engine] || !page) {
    console.error('usage: node run-engine.mjs chromium|firefox|webkit PAGE');
    process.exit(2);
}
const missing = await missingBinaries(engine);
if (missing.length > 0) {
    console.error(`${engines[engine].title} could not be tested: ${missing.join(' and ')} missing ` +
                  `(Debian package ${engines[engine].package}).`);
    process.exit(process.env.CI === 'true' ? 1 : skipped);
}

const files = readdirSync(here).filter((name) => name.endsWith('.test.mjs')).sort().map((name) => join(here, name));
const testRun = [process.execPath, '--test', '--test-concurrency=1', '--test-reporter=spec', ...files];
// WebKit's browser is a GTK window and needs a display; headless Chromium and Firefox do not.
const command = engine === 'webkit' && !process.env.DISPLAY ? ['xvfb-run', '-a', ...testRun] : testRun;
const run = spawnSync(command[0], command.slice(1), {
    stdio: 'inherit',
    env: { ...process.env, QUARL_ENGINE: engine, QUARL_PAGE: page },
});
process.exit(run.status ?? 1);
