// Where Input wraps its text lines, measured in the browser: a hidden element that has the box's own width, font,
// padding, border, scroll bar and wrapping rules holds one text line at a time, and each display line starts at
// the first character that the browser puts below the one before it.

const Margin = 1.03;

function isHighSurrogate(code) {
    return code >= 0xd800 && code <= 0xdbff;
}

function isLowSurrogate(code) {
    return code >= 0xdc00 && code <= 0xdfff;
}

// Canvas takes a font as one shorthand; the computed shorthand is empty in some browsers, so it is put together.
function canvasFont(style) {
    return `${style.fontStyle} ${style.fontWeight} ${style.fontSize} ${style.fontFamily}`;
}

export class InputLayout {
    constructor(box, mirror) {
        this.box = box;
        this.mirror = mirror;
        this.text = document.createTextNode('');
        this.mirror.replaceChildren(this.text);
        this.range = document.createRange();
        this.canvas = document.createElement('canvas').getContext('2d');
        this.widest = 0;
        this.width = 0;
    }

    // Takes the box's font and width as they are now; called before each reading.
    measure() {
        const style = getComputedStyle(this.mirror);
        const font = canvasFont(style);
        if (font !== this.font) {
            this.font = font;
            this.canvas.font = font;
            this.widest = this.widestLatin1();
        }
        this.text.data = 'X';
        this.range.selectNodeContents(this.text);
        this.halfLine = this.range.getBoundingClientRect().height / 2;
        const padding = parseFloat(style.paddingLeft) + parseFloat(style.paddingRight);
        // clientWidth is rounded; one pixel less never overstates the room.
        this.width = this.mirror.clientWidth - padding - 1;
    }

    widestLatin1() {
        let widest = 0;
        for (let code = 0x20; code <= 0xff; ++code) {
            if (code < 0x7f || code >= 0xa0)
                widest = Math.max(widest, this.canvas.measureText(String.fromCharCode(code)).width);
        }
        return widest;
    }

    // Whether the box certainly shows the line (no control characters in it) on one display line. Lines of printable
    // Latin-1 are bounded by their widest character first, which spares measuring the many short ones.
    certainlyFits(line) {
        if (/^[\x20-\x7e\xa0-\xff]*$/.test(line) && line.length * this.widest * Margin + 2 < this.width)
            return true;
        return this.canvas.measureText(line).width * Margin + 2 < this.width;
    }

    // The end of each display line of the text line, as offsets in UTF-16 units.
    layOut(index, line) {
        if (line.length === 0)
            return [0];
        this.text.data = line;
        const ends = [];
        const last = isLowSurrogate(line.charCodeAt(line.length - 1)) ? line.length - 2 : line.length - 1;
        let start = 0;
        let step = 0;
        while (true) {
            const next = this.nextLineStart(line, start, last, step);
            if (next === null) {
                ends.push(line.length);
                return ends;
            }
            ends.push(next);
            step = next - start;
            start = next;
        }
    }

    // The first character after start that lies on a later display line than start's, or null where none does.
    // The last line's length is tried first: display lines of one text line tend to be alike.
    nextLineStart(line, start, last, step) {
        const startMiddle = this.middle(line, start);
        const later = (offset) => this.middle(line, offset) > startMiddle + this.halfLine;
        if (start >= last || !later(last))
            return null;
        let before = start;
        let after = last;
        if (step > 0 && start + step < last) {
            const guess = this.codePointStart(line, start + step);
            if (guess > before && later(guess)) {
                after = guess;
                const previous = this.codePointStart(line, guess - 1);
                if (previous > before && !later(previous))
                    before = previous;
            } else if (guess > before) {
                before = guess;
            }
        }
        while (after - before > 1) {
            let middle = this.codePointStart(line, (before + after) >> 1);
            if (middle <= before)
                middle = before + 2;
            if (middle >= after)
                break;
            if (later(middle))
                after = middle;
            else
                before = middle;
        }
        return after;
    }

    codePointStart(line, offset) {
        return isLowSurrogate(line.charCodeAt(offset)) && isHighSurrogate(line.charCodeAt(offset - 1))
            ? offset - 1
            : offset;
    }

    // The vertical middle of the character at offset, in the viewport (where the window may be scaled).
    middle(line, offset) {
        const length = isHighSurrogate(line.charCodeAt(offset)) && isLowSurrogate(line.charCodeAt(offset + 1)) ? 2 : 1;
        this.range.setStart(this.text, offset);
        this.range.setEnd(this.text, offset + length);
        const rect = this.range.getBoundingClientRect();
        return (rect.top + rect.bottom) / 2;
    }
}
