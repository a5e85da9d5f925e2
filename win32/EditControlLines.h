#pragma once

#include "FontDc.h"

#include "frontend/DisplayLines.h"

#include <windows.h>
#include <optional>
#include <string>
#include <string_view>

namespace quarl {

// A hidden edit box made like the given one, which lays out one text line at a time: a text line wraps the same
// wherever it stands, so its display lines here are its display lines there. Reading them from the big box
// instead would be slow, since its line messages cost more the larger its text (under Wine each walks every line).
class LineLayoutBox
{
public:
    explicit LineLayoutBox(HWND box);
    ~LineLayoutBox();
    LineLayoutBox(const LineLayoutBox&) = delete;
    LineLayoutBox& operator=(const LineLayoutBox&) = delete;

    void LayOut(std::u16string_view line, const ShownLineTaker& take) const;

private:
    HWND copy_ = nullptr;
};

// How a multi-line edit box lays out its text lines, which it separates by CR LF: each is wrapped as the box wraps
// it, in a hidden copy of the box.
class EditControlLayout final : public EditBoxLayout
{
public:
    explicit EditControlLayout(HWND box);

    [[nodiscard]] std::u16string_view Text() const override;
    [[nodiscard]] std::u16string_view LineBreak() const override { return u"\r\n"; }
    [[nodiscard]] bool CertainlyFits(std::u16string_view line) const override;
    void LayOut(std::size_t index, std::u16string_view line, const ShownLineTaker& take) override;
    [[nodiscard]] std::u16string Nfc(std::u16string_view text) const override;

private:
    HWND box_;
    // One copy of the whole text: the box's line messages are slow on a large text.
    std::wstring text_;
    FontDc dc_;
    // The widest a line may measure to be certainly one display line.
    LONG width_ = 0;
    // Made only once a line needs it.
    std::optional<LineLayoutBox> lineLayout_;
};

// Calls take(line) with the box's display lines (see ForEachDisplayLine in frontend/DisplayLines.h), but only those
// of text lines `wanted` accepts.
void ForEachDisplayLine(HWND box, TextLineFilter wanted, const DisplayLineTaker& take);

// Appends one line to the box, not as an undoable edit: after a final line break (or into an empty box) the line
// followed by CR LF, otherwise CR LF followed by the line.
void AppendLine(HWND box, std::wstring_view line);

} // namespace quarl
