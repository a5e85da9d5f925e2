#pragma once

#include <string_view>

// The program's one window as data: its caption, size and place, each control's place, text and states, and the
// menus. Both front ends make their window from it; texts are UTF-8, lines in a text end with '\n'.
namespace quarl {

// The commands of the window, each carried out by the TMainForm handler of the same name.
enum class Command {
    None,
    FileSaveAs,
    FileExit,
    EditUndo,
    EditPaste,
    SelectSaboCounter,
    SelectPluenCounter,
    SelectFleetCounter,
    EditClearMemoClick,
    EditCopyResultClick,
};

// A rectangle in its parent's client area, in pixels at 96 dots per inch, where the window font's text is
// DesignTextHeight pixels high.
struct Area
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct ControlData
{
    std::string_view name = {};
    Area area;
    std::string_view text = {};
    bool enabled = true;
    bool readOnly = false;
    // The command a (left-button) click on the control carries out.
    Command click = Command::None;
    // What screen readers say of the control besides its text.
    std::string_view accessibleName = {};
    std::string_view accessibleDescription = {};
};

struct MenuData
{
    std::string_view name = {};
    std::string_view title = {};
    bool enabled = false;
};

// A menu item, or a separator where the text is empty.
struct MenuItemData
{
    std::string_view name = {};
    std::string_view text = {};
    Command command = Command::None;
};

struct FileFilterData
{
    std::string_view description = {};
    std::string_view pattern = {};
};

namespace MainFormData {

inline constexpr std::string_view Name = "MainForm";
inline constexpr std::string_view Caption = "QUARL-Counter Alpha 0.2";
// The program's name: the title of its task-bar entry and of its error boxes.
inline constexpr std::string_view ApplicationTitle = "QUARL-Counter";
inline constexpr int ClientWidth = 633;
inline constexpr int ClientHeight = 385;
// Where the window's outer corner goes on the screen.
inline constexpr int Left = 196;
inline constexpr int Top = 141;

inline constexpr std::string_view FontName = "MS Sans Serif";
// The window font, 8 points, and the labels' font, 10 points: 11 and 13 pixels high at 96 dots per inch.
inline constexpr int WindowFontPoints = 8;
inline constexpr int WindowFontHeight = 11;
inline constexpr int LabelFontPoints = 10;
inline constexpr int LabelFontHeight = 13;

inline constexpr ControlData Label1{.name = "Label1", .area = {16, 0, 49, 16}, .text = "Berichte"};
inline constexpr ControlData Input{
    .name = "Input",
    .area = {8, 16, 257, 361},
    .text = "Berichte hier einfügen. Idealerweise mit allen \n"
            "Zeiten, auch von der ersten Mitteilung.\n"
            "\n"
            "Derzeit funktioniert nur der Sabo-counter.\n",
    .click = Command::SelectFleetCounter,
};
inline constexpr ControlData Label2{.name = "Label2", .area = {376, 0, 54, 16}, .text = "Ergebnis"};
inline constexpr ControlData Output{
    .name = "Output", .area = {368, 16, 257, 361}, .text = "Das Ergebnis erscheint hier.\n", .readOnly = true};
inline constexpr ControlData Panel1{.name = "Panel1", .area = {272, 16, 89, 361}, .accessibleName = "Zähler"};
inline constexpr std::string_view NotWorkingYet = "Dieser Zähler funktioniert noch nicht.";
inline constexpr ControlData Sabo{
    .name = "Sabo", .area = {8, 32, 75, 25}, .text = "Sabo", .click = Command::SelectSaboCounter};
inline constexpr ControlData Pluen{.name = "Pluen",
                                   .area = {8, 64, 75, 25},
                                   .text = "Plünder",
                                   .enabled = false,
                                   .click = Command::SelectPluenCounter,
                                   .accessibleDescription = NotWorkingYet};
inline constexpr ControlData Fleet{.name = "Fleet",
                                   .area = {8, 96, 75, 25},
                                   .text = "Flotten",
                                   .enabled = false,
                                   .accessibleDescription = NotWorkingYet};

inline constexpr std::string_view MainMenu = "MainMenu";
inline constexpr MenuData FileMenu{.name = "FileMenu", .title = "&Oberfläche"};
inline constexpr MenuItemData FileOpenItem{.name = "FileOpenItem", .text = "Bericht ö&ffnen"};
inline constexpr MenuItemData FileSaveAsItem{
    .name = "FileSaveAsItem", .text = "Ergebnis &speichern", .command = Command::FileSaveAs};
inline constexpr MenuItemData N1{.name = "N1"};
inline constexpr MenuItemData FileExitItem{.name = "FileExitItem", .text = "&Beenden", .command = Command::FileExit};
inline constexpr MenuData EditMenu{.name = "EditMenu", .title = "&Editieren"};
inline constexpr MenuItemData EditClearMemo{
    .name = "EditClearMemo", .text = "Beide Fenster &leeren", .command = Command::EditClearMemoClick};
inline constexpr MenuItemData N3{.name = "N3"};
inline constexpr MenuItemData EditPasteItem{
    .name = "EditPasteItem", .text = "Bericht &Einfügen", .command = Command::EditPaste};
inline constexpr MenuItemData EditUndoItem{
    .name = "EditUndoItem", .text = "Bericht &Rückgängig", .command = Command::EditUndo};
inline constexpr MenuItemData N2{.name = "N2"};
inline constexpr MenuItemData EditCopyResult{
    .name = "EditCopyResult", .text = "Ergebnis &Kopieren", .command = Command::EditCopyResultClick};
inline constexpr MenuData HelpMenu{.name = "HelpMenu", .title = "&Informationen"};

inline constexpr std::string_view OpenDialog = "OpenDialog";
inline constexpr std::string_view SaveDialog = "SaveDialog";
inline constexpr FileFilterData TextFiles{.description = "Textfile", .pattern = "*.txt"};

} // namespace MainFormData
} // namespace quarl
