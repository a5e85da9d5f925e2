// The keyboard as in the desktop window, whose menus are greyed: Alt alone and Alt with a letter open nothing and
// type nothing, and the keys stay with the control that has them. AltGr (Ctrl+Alt on some systems) and the Mac's
// Option key, with which German keyboards type characters, are left alone.

const isMac = /Mac|iPhone|iPad/.test(navigator.platform);

function isMenuKey(event) {
    return event.altKey && !event.ctrlKey && !event.metaKey && (event.key === 'Alt' || event.key.length === 1);
}

// A click on a greyed menu or button, a label or the panel leaves the focus where it was, as in the desktop window.
export function keepFocusOnClicks(window) {
    window.addEventListener(
        'mousedown',
        (event) => {
            if (!event.target.closest?.('textarea, button:enabled'))
                event.preventDefault();
        },
        true
    );
}

export function keepAltKeysFromMenus() {
    if (isMac)
        return;
    for (const type of ['keydown', 'keyup']) {
        window.addEventListener(
            type,
            (event) => {
                if (isMenuKey(event))
                    event.preventDefault();
            },
            true
        );
    }
}
