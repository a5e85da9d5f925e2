// Where Input wraps its text lines, measured in the browser: a hidden element that has the box's own width, font,
// padding, border, scroll bar and wrapping rules holds one text line at a time, and each display line starts at
// the first character that the browser puts below the one before it.

// The text line is held in pieces of about this many units: finding a character's place costs browsers time in
// proportion to the text node it is in, and a text line can be a million characters long.
const PieceLength = 128;

function isHighSurrogate(code) {
    return code >= 0xd800 && code <= 0xdbff;
}

function isLowSurrogate(code) {
    return code >= 0xdc00 && code <= 0xdfff;
}

// Whether the character at offset belongs to the one before it: the second half of a pair, a combining mark, or
// either side of a zero-width joiner.
function joinsPrevious(line, offset) {
    const code = line.charCodeAt(offset);
    return (
        isLowSurrogate(code) ||
        code === 0x200d ||
        line.charCodeAt(offset - 1) === 0x200d ||
        (code >= 0x300 && /\p{M}/u.test(String.fromCodePoint(line.codePointAt(offset))))
    );
}

// Canvas takes a font as one shorthand; the computed shorthand is empty in some browsers, so it is put together.
function canvasFont(style) {
    return `${style.fontStyle} ${style.fontWeight} ${style.fontSize} ${style.fontFamily}`;
}

export class InputLayout {
    constructor(mirror) {
        this.mirror = mirror;
        this.range = document.createRange();
        this.canvas = document.createElement('canvas').getContext('2d');
        this.widest = 0;
    }

    // Takes the box's font and width as they are now, before each reading; returns the room for its text and the
    // widest printable Latin-1 character, in CSS pixels.
    measure() {
        const style = getComputedStyle(this.mirror);
        const font = canvasFont(style);
        if (font !== this.font) {
            this.font = font;
            this.canvas.font = font;
            this.widest = this.widestLatin1();
        }
        this.hold('X');
        this.range.selectNodeContents(this.pieces[0]);
        this.halfLine = this.range.getBoundingClientRect().height / 2;
        const padding = parseFloat(style.paddingLeft) + parseFloat(style.paddingRight);
        // clientWidth is rounded; one pixel less never overstates the room.
        return { room: this.mirror.clientWidth - padding - 1, widestLatin1: this.widest };
    }

    widestLatin1() {
        let widest = 0;
        for (let code = 0x20; code <= 0xff; ++code) {
            if (code < 0x7f || code >= 0xa0)
                widest = Math.max(widest, this.lineWidth(String.fromCharCode(code)));
        }
        return widest;
    }

    // The line's width in the box's font, measured apart from the box's layout.
    lineWidth(line) {
        return this.canvas.measureText(line).width;
    }

    // Puts the text line into the hidden element in pieces, each cut after a blank where one is near, never inside
    // a character: browsers lay out neighbouring text nodes as one text.
    hold(line) {
        this.pieces = [];
        this.starts = [];
        const all = document.createDocumentFragment();
        for (let start = 0; start < line.length; ) {
            let end = Math.min(start + PieceLength, line.length);
            if (end < line.length) {
                const blank = line.lastIndexOf(' ', end - 1);
                if (blank >= start + PieceLength / 2)
                    end = blank + 1;
                while (end < line.length && joinsPrevious(line, end))
                    ++end;
            }
            const piece = document.createTextNode(line.slice(start, end));
            this.pieces.push(piece);
            this.starts.push(start);
            all.append(piece);
            start = end;
        }
        this.mirror.replaceChildren(all);
    }

    // The end of each display line of the text line, as offsets in UTF-16 units.
    layOut(index, line) {
        if (line.length === 0)
            return [0];
        this.hold(line);
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
        const piece = this.pieceAt(offset);
        const inPiece = offset - this.starts[piece];
        this.range.setStart(this.pieces[piece], inPiece);
        this.range.setEnd(this.pieces[piece], inPiece + length);
        const rect = this.range.getBoundingClientRect();
        return (rect.top + rect.bottom) / 2;
    }

    // The piece that holds the character at offset.
    pieceAt(offset) {
        let low = 0;
        let high = this.starts.length - 1;
        while (low < high) {
            const middle = (low + high + 1) >> 1;
            if (this.starts[middle] <= offset)
                low = middle;
            else
                high = middle - 1;
        }
        return low;
    }
}
