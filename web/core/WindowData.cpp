#include "WindowData.h"

#include "frontend/MainFormData.h"
#include "frontend/MainFormSetUp.h"
#include "frontend/TextHeightScale.h"

#include <array>
#include <string_view>

namespace quarl {
namespace {

constexpr std::array<std::string_view, 10> CommandNames{
    "",
    "FileSaveAs",
    "FileExit",
    "EditUndo",
    "EditPaste",
    "SelectSaboCounter",
    "SelectPluenCounter",
    "SelectFleetCounter",
    "EditClearMemoClick",
    "EditCopyResultClick",
};

std::string_view CommandName(Command command)
{
    return CommandNames.at(static_cast<std::size_t>(command));
}

// Writes JSON text: values separated by commas, strings escaped.
class Json
{
public:
    Json& Open(char bracket)
    {
        Separate();
        text_ += bracket;
        first_ = true;
        return *this;
    }
    Json& Close(char bracket)
    {
        text_ += bracket;
        first_ = false;
        return *this;
    }
    Json& Key(std::string_view key)
    {
        String(key);
        text_ += ':';
        first_ = true;
        return *this;
    }
    Json& String(std::string_view value)
    {
        Separate();
        text_ += '"';
        for (const char c : value) {
            if (c == '"' || c == '\\')
                text_ += '\\';
            if (c == '\n')
                text_ += "\\n";
            else
                text_ += c;
        }
        text_ += '"';
        return *this;
    }
    Json& Number(int value)
    {
        Separate();
        text_ += std::to_string(value);
        return *this;
    }
    Json& Bool(bool value)
    {
        Separate();
        text_ += value ? "true" : "false";
        return *this;
    }
    Json& Field(std::string_view key, std::string_view value) { return Key(key).String(value); }
    Json& Field(std::string_view key, int value) { return Key(key).Number(value); }
    Json& Field(std::string_view key, bool value) { return Key(key).Bool(value); }

    [[nodiscard]] std::string Text() const { return text_; }

private:
    void Separate()
    {
        if (!first_)
            text_ += ',';
        first_ = false;
    }

    std::string text_;
    bool first_ = true;
};

// Stands in for a TMainForm while the shared set-up makes its controls and menus, and writes each as JSON.
class WindowDataWriter
{
public:
    std::string Write()
    {
        json_.Open('{');
        json_.Field("name", MainFormData::Name).Field("caption", MainFormData::Caption);
        json_.Field("applicationTitle", MainFormData::ApplicationTitle);
        json_.Field("clientWidth", MainFormData::ClientWidth).Field("clientHeight", MainFormData::ClientHeight);
        json_.Field("fontName", MainFormData::FontName).Field("designTextHeight", DesignTextHeight);
        json_.Field("windowFontHeight", MainFormData::WindowFontHeight);
        json_.Field("labelFontHeight", MainFormData::LabelFontHeight);
        json_.Key("controls").Open('[');
        MainFormSetUp::CreateControls(*this);
        json_.Close(']').Key("menus").Open('[');
        MainFormSetUp::CreateMenus(*this);
        if (inMenu_)
            json_.Close(']').Close('}');
        json_.Close(']').Close('}');
        return json_.Text();
    }

private:
    friend class quarl::MainFormSetUp;
    using Made = std::string_view;

    Made makeLabel(const ControlData& control) { return makeControl("label", control); }
    Made makeEditBox(const ControlData& control) { return makeControl("editBox", control); }
    Made makePanel(const ControlData& control) { return makeControl("panel", control); }
    Made makeButton(const ControlData& control, Made parent) { return makeControl("button", control, parent); }

    Made makeControl(std::string_view kind, const ControlData& control, Made parent = {})
    {
        json_.Open('{').Field("name", control.name).Field("kind", kind).Field("parent", parent);
        json_.Key("area").Open('[');
        json_.Number(control.area.left).Number(control.area.top).Number(control.area.width).Number(control.area.height);
        json_.Close(']');
        json_.Field("text", control.text).Field("enabled", control.enabled).Field("readOnly", control.readOnly);
        json_.Field("click", CommandName(control.click));
        json_.Field("accessibleName", control.accessibleName);
        json_.Field("accessibleDescription", control.accessibleDescription);
        json_.Close('}');
        return control.name;
    }

    Made makeMenu(const MenuData& menu)
    {
        if (inMenu_)
            json_.Close(']').Close('}');
        json_.Open('{').Field("name", menu.name).Field("title", menu.title).Field("enabled", menu.enabled);
        json_.Key("items").Open('[');
        inMenu_ = true;
        return menu.name;
    }

    Made makeItem(Made, const MenuItemData& item)
    {
        json_.Open('{').Field("name", item.name).Field("text", item.text).Field("command", CommandName(item.command));
        json_.Close('}');
        return item.name;
    }

    Json json_;
    bool inMenu_ = false;

    Made Label1, Input, Label2, Output, Panel1, Sabo, Pluen, Fleet;
    Made FileOpenItem, FileSaveAsItem, FileExitItem, EditClearMemo, N3, EditPasteItem, EditUndoItem, EditCopyResult;
};

} // namespace

std::string WindowDataJson()
{
    return WindowDataWriter().Write();
}

} // namespace quarl
