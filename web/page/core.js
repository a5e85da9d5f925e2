// The counting core: the WebAssembly module inside the page, started once and started afresh after a command
// failed in it, so that a half-finished run never leaves its state behind.

const utf8 = new TextEncoder();
const utf8Reader = new TextDecoder();
const ChunkLength = 8192;

function decodeBase64(text) {
    const bytes = atob(text);
    const module = new Uint8Array(bytes.length);
    for (let i = 0; i < bytes.length; ++i)
        module[i] = bytes.charCodeAt(i);
    return module;
}

export class Core {
    // page: { lineWidth(line), layOut(index, line) -> display line ends, clearOutput(), appendOutputLine(line) }
    static async start(moduleBase64, page) {
        const module = await WebAssembly.compile(decodeBase64(moduleBase64));
        return new Core(module, page);
    }

    constructor(module, page) {
        this.module = module;
        this.page = page;
        this.instantiate();
    }

    instantiate() {
        const instance = new WebAssembly.Instance(this.module, { page: this.imports() });
        this.exports = instance.exports;
        this.exports._initialize();
    }

    imports() {
        let lineEnds = [];
        let normalized = '';
        return {
            input_line_width: (line, length) => this.page.lineWidth(this.readUtf16(line, length)),
            input_lay_out: (index, line, length) => {
                lineEnds = this.page.layOut(index, this.readUtf16(line, length));
                return lineEnds.length;
            },
            input_line_ends: (ends) => new Uint32Array(this.memory(), ends, lineEnds.length).set(lineEnds),
            input_nfc: (text, length) => {
                normalized = this.readUtf16(text, length).normalize('NFC');
                return normalized.length;
            },
            input_nfc_copy: (text) => this.writeUtf16(text, normalized),
            output_clear: () => this.page.clearOutput(),
            output_append_line: (line, length) => this.page.appendOutputLine(this.readUtf8(line, length)),
            fail: (message, length) => {
                throw new Error(this.readUtf8(message, length));
            },
        };
    }

    memory() {
        return this.exports.memory.buffer;
    }

    readUtf16(pointer, length) {
        const units = new Uint16Array(this.memory(), pointer, length);
        if (length <= ChunkLength)
            return String.fromCharCode.apply(null, units);
        const pieces = [];
        for (let start = 0; start < length; start += ChunkLength)
            pieces.push(String.fromCharCode.apply(null, units.subarray(start, start + ChunkLength)));
        return pieces.join('');
    }

    writeUtf16(pointer, text) {
        const units = new Uint16Array(this.memory(), pointer, text.length);
        for (let i = 0; i < text.length; ++i)
            units[i] = text.charCodeAt(i);
    }

    readUtf8(pointer, length) {
        return utf8Reader.decode(new Uint8Array(this.memory(), pointer, length));
    }

    result(pointer) {
        return this.readUtf8(pointer, this.exports.result_size());
    }

    // Runs a call into the module; should it fail there, the module is started afresh before the error goes on.
    call(work) {
        try {
            return work();
        } catch (error) {
            this.instantiate();
            throw error;
        }
    }

    putInput(text) {
        this.writeUtf16(this.exports.input_text(text.length), text);
    }

    windowData() {
        return JSON.parse(this.result(this.exports.window_data()));
    }

    // room: { room, widestLatin1 } of Input, in CSS pixels.
    pressSabo(inputText, room) {
        this.call(() => {
            this.putInput(inputText);
            this.exports.press_sabo(room.room, room.widestLatin1);
        });
    }

    // Without the quick check (a room of 0) every text line is laid out.
    displayLines(inputText, room, quickCheck) {
        return this.call(() => {
            this.putInput(inputText);
            const lines = this.result(this.exports.display_lines(quickCheck ? room.room : 0, room.widestLatin1));
            return lines === '' ? [] : lines.slice(0, -1).split('\n');
        });
    }

    errorText(message) {
        return this.call(() => {
            const bytes = utf8.encode(message);
            const room = this.exports.text_in(bytes.length);
            new Uint8Array(this.memory(), room, bytes.length).set(bytes);
            return this.result(this.exports.error_text());
        });
    }

    scaledToTextHeight(pixels, textHeight) {
        return this.exports.scaled_to_text_height(pixels, textHeight);
    }
}
