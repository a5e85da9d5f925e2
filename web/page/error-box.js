// The error display: a modal box captioned with the program's name, a stop sign, the message and one OK button.
// Focus goes back to where it was when the box is closed.

export class ErrorBox {
    constructor(caption, font) {
        this.dialog = document.getElementById('ErrorBox');
        this.dialog.style.font = font;
        document.getElementById('ErrorCaption').textContent = caption;
        this.text = document.getElementById('ErrorText');
        document.getElementById('ErrorOk').addEventListener('click', () => this.dialog.close());
        this.dialog.addEventListener('close', () => this.returnFocus?.focus());
    }

    show(text) {
        this.text.textContent = text;
        if (this.dialog.open)
            return;
        this.returnFocus = document.activeElement;
        this.dialog.showModal();
        document.getElementById('ErrorOk').focus();
    }
}
