// Puts the page together into one self-contained HTML file: the script modules joined into one, the style with
// the font, the icon and the WebAssembly module inside it, and a Content-Security-Policy that allows nothing
// but these (no network at all).
//   node bundle.mjs --page DIR --module core.wasm --font FONT --icon PNG [--wasm-opt PATH] --out PAGE.html
import { execFileSync } from 'node:child_process';
import { createHash } from 'node:crypto';
import { existsSync, mkdtempSync, readFileSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

function options() {
    const named = {};
    const args = process.argv.slice(2);
    for (let i = 0; i < args.length; i += 2)
        named[args[i].replace(/^--/, '')] = args[i + 1];
    return named;
}

// The module as small as wasm-opt makes it, where it is installed.
function moduleBytes(path, wasmOpt) {
    if (!wasmOpt || !existsSync(wasmOpt))
        return readFileSync(path);
    const smaller = join(mkdtempSync(join(tmpdir(), 'quarl-page-')), 'core.wasm');
    execFileSync(wasmOpt, ['-Oz', '--strip-debug', '--strip-producers', path, '-o', smaller]);
    return readFileSync(smaller);
}

// The caption, read from the module's own window data, so that the page has its title before any script runs.
function caption(bytes) {
    const module = new WebAssembly.Module(bytes);
    const foreign = WebAssembly.Module.imports(module).filter((entry) => entry.module !== 'page');
    if (foreign.length > 0)
        throw new Error(`the module imports ${foreign.map((entry) => `${entry.module}.${entry.name}`).join(', ')}`);
    const page = Object.fromEntries(WebAssembly.Module.imports(module).map((entry) => [entry.name, () => 0]));
    const { exports } = new WebAssembly.Instance(module, { page });
    exports._initialize();
    const json = new Uint8Array(exports.memory.buffer, exports.window_data(), exports.result_size());
    return JSON.parse(new TextDecoder().decode(json)).caption;
}

// The modules from main.js on, each after those it imports, joined without their import lines and export words;
// their top-level names share one scope, so a clash fails when the page starts, in every test.
function joinedScript(folder) {
    const done = new Set();
    const pieces = [];
    const add = (name) => {
        if (done.has(name))
            return;
        done.add(name);
        const source = readFileSync(join(folder, name), 'utf8');
        for (const [, imported] of source.matchAll(/^import .* from '\.\/([\w-]+\.js)';$/gm))
            add(imported);
        pieces.push(source.replace(/^import .* from '.*';\n/gm, '').replace(/^export /gm, ''));
    };
    add('main.js');
    return pieces.join('\n');
}

function base64(bytes) {
    return Buffer.from(bytes).toString('base64');
}

function hash(text) {
    return `'sha256-${createHash('sha256').update(text, 'utf8').digest('base64')}'`;
}

function fill(template, values) {
    return template.replace(/\{\{(\w+)\}\}/g, (whole, key) => {
        if (!(key in values))
            throw new Error(`nothing to put in for ${whole}`);
        return values[key];
    });
}

const named = options();
const module = moduleBytes(named.module, named['wasm-opt']);
const script = fill(joinedScript(named.page), { module: base64(module) });
const style = fill(readFileSync(join(named.page, 'style.css'), 'utf8'), {
    font: `data:font/otf;base64,${base64(readFileSync(named.font))}`,
});
const policy = [
    "default-src 'none'",
    `script-src ${hash(script)} 'wasm-unsafe-eval'`,
    `style-src ${hash(style)}`,
    'font-src data:',
    'img-src data:',
    "base-uri 'none'",
    "form-action 'none'",
].join('; ');
const page = fill(readFileSync(join(named.page, 'index.html'), 'utf8'), {
    csp: policy,
    title: caption(module).replace(/&/g, '&amp;').replace(/</g, '&lt;'),
    icon: `data:image/png;base64,${base64(readFileSync(named.icon))}`,
    style,
    script,
});
writeFileSync(named.out, page);
console.log(`${named.out}: ${page.length} bytes (module ${module.length}, script ${script.length - base64(module).length})`);
