#pragma once

#include "frontend/MainFormData.h"

// How a TMainForm of either front end is put together from MainFormData: which control and menu item each member
// holds, of which kind, in which parent and in which order. The form makes each one the way of its window system
// (makeLabel, makeEditBox, makePanel, makeButton, makeMenu, makeItem) and declares this class its friend.
namespace quarl {

class MainFormSetUp
{
public:
    // The controls in tab order, each label right before the box it names: screen readers name a box after the
    // control made before it.
    template <typename Form>
    static void CreateControls(Form& form)
    {
        form.Label1 = form.makeLabel(MainFormData::Label1);
        form.Input = form.makeEditBox(MainFormData::Input);
        form.Label2 = form.makeLabel(MainFormData::Label2);
        form.Output = form.makeEditBox(MainFormData::Output);
        form.Panel1 = form.makePanel(MainFormData::Panel1);
        form.Sabo = form.makeButton(MainFormData::Sabo, form.Panel1);
        form.Pluen = form.makeButton(MainFormData::Pluen, form.Panel1);
        form.Fleet = form.makeButton(MainFormData::Fleet, form.Panel1);
    }

    template <typename Form>
    static void CreateMenus(Form& form)
    {
        auto fileMenu = form.makeMenu(MainFormData::FileMenu);
        form.FileOpenItem = form.makeItem(fileMenu, MainFormData::FileOpenItem);
        form.FileSaveAsItem = form.makeItem(fileMenu, MainFormData::FileSaveAsItem);
        form.makeItem(fileMenu, MainFormData::N1);
        form.FileExitItem = form.makeItem(fileMenu, MainFormData::FileExitItem);

        auto editMenu = form.makeMenu(MainFormData::EditMenu);
        form.EditClearMemo = form.makeItem(editMenu, MainFormData::EditClearMemo);
        form.N3 = form.makeItem(editMenu, MainFormData::N3);
        form.EditPasteItem = form.makeItem(editMenu, MainFormData::EditPasteItem);
        form.EditUndoItem = form.makeItem(editMenu, MainFormData::EditUndoItem);
        form.makeItem(editMenu, MainFormData::N2);
        form.EditCopyResult = form.makeItem(editMenu, MainFormData::EditCopyResult);

        form.makeMenu(MainFormData::HelpMenu);
    }

    // The form's handler for a command; none for Command::None.
    template <typename Form>
    static constexpr auto Handler(Command command) -> void (Form::*)()
    {
        switch (command) {
        case Command::FileSaveAs:
            return &Form::FileSaveAs;
        case Command::FileExit:
            return &Form::FileExit;
        case Command::EditUndo:
            return &Form::EditUndo;
        case Command::EditPaste:
            return &Form::EditPaste;
        case Command::SelectSaboCounter:
            return &Form::SelectSaboCounter;
        case Command::SelectPluenCounter:
            return &Form::SelectPluenCounter;
        case Command::SelectFleetCounter:
            return &Form::SelectFleetCounter;
        case Command::EditClearMemoClick:
            return &Form::EditClearMemoClick;
        case Command::EditCopyResultClick:
            return &Form::EditCopyResultClick;
        case Command::None:
            break;
        }
        return nullptr;
    }

    // Carries out the command with the form's handler; Command::None does nothing.
    template <typename Form>
    static void Run(Form& form, Command command)
    {
        if (const auto handler = Handler<Form>(command))
            (form.*handler)();
    }
};

} // namespace quarl
