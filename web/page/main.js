// Starts the page: the core, the window built from its data, the commands bound to the controls.
import { MainForm } from './commands.js';
import { Core } from './core.js';
import { ErrorBox } from './error-box.js';
import { fitToViewport } from './fit.js';
import { windowFonts } from './fonts.js';
import { InputLayout } from './input-layout.js';
import { keepAltKeysFromMenus, keepFocusOnClicks } from './keys.js';
import { OutputBox } from './output-box.js';
import { buildWindow, mirrorOf } from './window.js';

// The bundler puts the module here, in base64.
const CoreModule = '{{module}}';

function bindCommands(form, data) {
    for (const control of data.controls) {
        if (control.click && control.kind === 'editBox') {
            form[control.name].addEventListener('click', (event) => {
                if (event.button === 0)
                    form.run(control.click);
            });
        } else if (control.click) {
            form[control.name].addEventListener('click', () => form.run(control.click));
        }
    }
}

async function start() {
    let output;
    let layout;
    const page = {
        lineWidth: (line) => layout.lineWidth(line),
        layOut: (index, line) => layout.layOut(index, line),
        clearOutput: () => output.clear(),
        appendOutputLine: (line) => output.appendLine(line),
    };
    const core = await Core.start(CoreModule, page);
    const data = core.windowData();
    const fonts = await windowFonts(data, core);
    const controls = buildWindow(data, fonts, fonts.scale);
    output = new OutputBox(controls.Output, document.getElementById('Announcement'));
    layout = new InputLayout(mirrorOf(controls.Input));
    const form = new MainForm(controls, core, layout, output, new ErrorBox(data.applicationTitle, fonts.window));
    bindCommands(form, data);
    keepAltKeysFromMenus();
    keepFocusOnClicks(document.getElementById('Window'));

    document.getElementById('NoWasm').remove();
    const window = document.getElementById('Window');
    window.hidden = false;
    fitToViewport(document.getElementById('Frame'), window);
    controls.Input.focus();
    controls.Input.setSelectionRange(0, 0);
    globalThis.QuarlCounterTesting = {
        displayLines: (text, quickCheck) => {
            return core.displayLines(text, layout.measure(), quickCheck);
        },
    };
    document.documentElement.dataset.ready = 'true';
}

start().catch(() => document.getElementById('NoWasm')?.classList.add('shown'));
