// TMainForm's commands in the page, each a handler of the command's name. An error that escapes one is shown in
// the error box, and the page goes on with whatever state the handler had reached.

export class MainForm {
    constructor(controls, core, layout, output, errorBox) {
        Object.assign(this, controls);
        this.core = core;
        this.layout = layout;
        this.output = output;
        this.errorBox = errorBox;
    }

    run(command) {
        if (!command)
            return;
        try {
            this[command]();
        } catch (error) {
            const message = error instanceof Error ? error.message : '';
            this.errorBox.show(this.core.errorText(message));
        }
    }

    SelectSaboCounter() {
        this.core.pressSabo(this.Input.value, this.layout.measure());
        this.output.announceLastLine();
    }

    SelectPluenCounter() {}

    SelectFleetCounter() {}

    EditClearMemoClick() {}

    // A browser has no save dialog that writes nothing; the item's menu is greyed in any case.
    FileSaveAs() {}

    FileExit() {
        window.close();
    }

    EditUndo() {
        this.Input.focus();
        document.execCommand('undo');
    }

    EditPaste() {
        this.Input.focus();
        navigator.clipboard?.readText().then((text) => document.execCommand('insertText', false, text));
    }

    EditCopyResultClick() {
        this.Output.select();
        document.execCommand('copy');
        this.Output.setSelectionRange(0, 0);
        this.Output.scrollTop = 0;
    }
}
