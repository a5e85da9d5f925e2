// Output as the Sabo command writes it: emptied, then one line appended after the other.

export class OutputBox {
    constructor(box, announcement) {
        this.box = box;
        this.announcement = announcement;
    }

    clear() {
        this.box.value = '';
        this.announcement.textContent = '';
    }

    // A line goes after a line break: where the text does not end in one, one is put before the line.
    appendLine(line) {
        const text = this.box.value;
        this.box.value = text === '' || text.endsWith('\n') ? `${text}${line}\n` : `${text}\n${line}`;
    }

    // Screen readers are told the last line, the total, once the result is complete.
    announceLastLine() {
        const lines = this.box.value.split('\n');
        this.announcement.textContent = lines.at(-1) === '' ? lines.at(-2) ?? '' : lines.at(-1);
    }
}
