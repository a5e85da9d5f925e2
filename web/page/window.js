// Builds the window from the window's data that the core holds: the menu bar, then the controls in tab order, each
// at its area scaled by the rule for the font the page really got.

// A menu title such as "&Datei": the letter after "&" underlined, as a menu shows its mnemonic.
function mnemonicText(element, text) {
    const at = text.indexOf('&');
    if (at < 0 || at + 1 >= text.length) {
        element.textContent = text.replace('&', '');
        return;
    }
    const letter = document.createElement('u');
    letter.textContent = text[at + 1];
    element.replaceChildren(text.slice(0, at), letter, text.slice(at + 2));
    element.setAttribute('aria-keyshortcuts', `Alt+${text[at + 1].toUpperCase()}`);
}

function place(element, area, scale) {
    const [left, top, width, height] = area.map(scale);
    Object.assign(element.style, { left: `${left}px`, top: `${top}px`, width: `${width}px`, height: `${height}px` });
}

function makeMenu(menu) {
    const button = document.createElement('button');
    button.type = 'button';
    button.id = menu.name;
    button.setAttribute('role', 'menuitem');
    button.setAttribute('aria-haspopup', 'menu');
    mnemonicText(button, menu.title);
    button.disabled = !menu.enabled;
    // The items exist as the window's own, but a greyed menu never opens them.
    const items = document.createElement('div');
    items.setAttribute('role', 'menu');
    items.hidden = true;
    for (const item of menu.items) {
        const entry = document.createElement(item.text ? 'button' : 'hr');
        entry.id = item.name;
        if (item.text) {
            entry.type = 'button';
            entry.setAttribute('role', 'menuitem');
            entry.disabled = true;
            entry.dataset.command = item.command;
            mnemonicText(entry, item.text);
        }
        items.append(entry);
    }
    return [button, items];
}

const ControlElements = {
    label: () => document.createElement('label'),
    editBox: () => document.createElement('textarea'),
    panel: () => document.createElement('div'),
    button: () => document.createElement('button'),
};

function makeControl(control, labelFont, scale) {
    const element = ControlElements[control.kind]();
    element.id = control.name;
    element.classList.add('control', control.kind);
    place(element, control.area, scale);
    if (control.kind === 'label') {
        element.textContent = control.text;
        element.style.font = labelFont;
        // A caption is never cut off: where the font runs wider, the label grows to the right.
        element.style.minWidth = element.style.width;
        element.style.width = 'auto';
    } else if (control.kind === 'editBox') {
        element.value = control.text;
        element.readOnly = control.readOnly;
        element.spellcheck = false;
        element.setAttribute('autocomplete', 'off');
        element.setAttribute('autocorrect', 'off');
        element.setAttribute('autocapitalize', 'off');
        element.wrap = 'soft';
    } else if (control.kind === 'panel') {
        element.setAttribute('role', 'group');
    } else {
        element.type = 'button';
        element.textContent = control.text;
        element.disabled = !control.enabled;
    }
    if (control.accessibleName)
        element.setAttribute('aria-label', control.accessibleName);
    if (control.accessibleDescription)
        element.setAttribute('aria-description', control.accessibleDescription);
    return element;
}

// Returns the controls by name. Each label names the box made right after it.
export function buildWindow(data, fonts, scale) {
    const window = document.getElementById('Window');
    window.style.font = fonts.window;
    const menuBar = document.getElementById('MainMenu');
    menuBar.setAttribute('aria-label', data.applicationTitle);
    for (const menu of data.menus)
        menuBar.append(...makeMenu(menu));

    const client = document.getElementById('Client');
    client.style.width = `${scale(data.clientWidth)}px`;
    client.style.height = `${scale(data.clientHeight)}px`;
    const controls = {};
    let label = null;
    for (const control of data.controls) {
        const element = makeControl(control, fonts.label, scale);
        controls[control.name] = element;
        (control.parent ? controls[control.parent] : client).append(element);
        if (label && control.kind === 'editBox')
            label.htmlFor = element.id;
        label = control.kind === 'label' ? element : null;
    }
    return controls;
}

// An element laid out as the box is, hidden, for measuring where its lines wrap.
export function mirrorOf(box) {
    const mirror = document.createElement('div');
    mirror.id = `${box.id}Mirror`;
    mirror.className = `${box.className} mirror`;
    mirror.setAttribute('aria-hidden', 'true');
    mirror.style.left = box.style.left;
    mirror.style.top = box.style.top;
    mirror.style.width = box.style.width;
    box.after(mirror);
    return mirror;
}
