// Key presses written as the desktop tests write them: "Alt+O Esc abc". Words are separated by blanks; a word with
// "+" holds its modifiers (Alt, Ctrl, Shift) while the last key is pressed; "Alt" alone is pressed and released; a
// named key ("Esc", "Tab", "Return", "Enter", "Space", "Home", "End") is pressed; any other word is typed letter by
// letter, a capital with Shift.
const namedKeys = {
    Esc: 'Escape',
    Tab: 'Tab',
    Return: 'Enter',
    Enter: 'NumpadEnter',
    Space: 'Space',
    Home: 'Home',
    End: 'End',
    Delete: 'Delete',
};

const modifierKeys = { Alt: 'Alt', Ctrl: 'Control', Shift: 'Shift' };

// The presses as steps: { held: [modifier...], key } with the key named as in the DOM's KeyboardEvent.code
// ("Escape", "Enter", "NumpadEnter", "Space", "KeyO") or as a modifier alone.
export function parseKeys(written) {
    const steps = [];
    for (const word of written.split(' ').filter(Boolean)) {
        const parts = word.split('+');
        const last = parts.pop();
        const held = parts.map((name) => {
            if (!modifierKeys[name])
                throw new Error(`no modifier "${name}" in "${written}"`);
            return modifierKeys[name];
        });
        if (held.length === 0 && modifierKeys[last])
            steps.push({ held: [], key: modifierKeys[last] });
        else if (namedKeys[last])
            steps.push({ held, key: namedKeys[last] });
        else if (held.length > 0 && last.length === 1)
            steps.push({ held, key: letterCode(last) });
        else
            for (const letter of last)
                steps.push({ held: letter === letter.toLowerCase() ? [] : ['Shift'], key: letterCode(letter) });
    }
    return steps;
}

function letterCode(letter) {
    if (!/^[a-zA-Z]$/.test(letter))
        throw new Error(`no key for "${letter}"`);
    return `Key${letter.toUpperCase()}`;
}
