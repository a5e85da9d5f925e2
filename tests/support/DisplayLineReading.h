#pragma once

#include "frontend/DisplayLines.h"

#include <string>
#include <string_view>
#include <vector>

namespace quarl {

// A box's layout with the quick check switched off, so that every text line is laid out: what reading with the
// quick check must give line for line.
class LayingOutEveryLine final : public EditBoxLayout
{
public:
    explicit LayingOutEveryLine(EditBoxLayout& box) : box_(box) {}

    [[nodiscard]] std::u16string_view Text() const override { return box_.Text(); }
    [[nodiscard]] std::u16string_view LineBreak() const override { return box_.LineBreak(); }
    [[nodiscard]] bool CertainlyFits(std::u16string_view) const override { return false; }
    void LayOut(std::size_t index, std::u16string_view line, const ShownLineTaker& take) override
    {
        box_.LayOut(index, line, take);
    }
    [[nodiscard]] std::u16string Nfc(std::u16string_view text) const override { return box_.Nfc(text); }

private:
    EditBoxLayout& box_;
};

inline bool EveryTextLine(std::string_view)
{
    return true;
}

// The display lines of the text lines `wanted` accepts, as the Sabo command reads them.
inline std::vector<std::string> ReadDisplayLines(EditBoxLayout& box, TextLineFilter wanted = EveryTextLine)
{
    std::vector<std::string> lines;
    ForEachDisplayLine(box, wanted, [&lines](std::string_view line) { lines.emplace_back(line); });
    return lines;
}

// Every display line of the box, each text line laid out.
inline std::vector<std::string> LaidOutDisplayLines(EditBoxLayout& box)
{
    LayingOutEveryLine everyLine(box);
    return ReadDisplayLines(everyLine);
}

// Texts for checking that the quick check takes a text line whole only where the box shows it on one line: lines
// narrower and wider than the box, with and without blanks, with tabs, with a building's name and its number on
// different display lines, and text lines separated by lineBreak.
inline std::vector<std::u16string> QuickCheckTexts(std::u16string_view lineBreak)
{
    const auto repeated = [](std::u16string_view piece, int times) {
        std::u16string text;
        for (int i = 0; i < times; ++i)
            text += piece;
        return text;
    };
    const std::u16string narrow[] = {u"Eisenmine (3)", u"", u"Raumhafen\u00A0(2) zerstört", u"(4) Bohrturm"};
    const std::u16string wide[] = {
        u"Raumhafen " + repeated(u"Trümmer ", 40) + u"(4)",
        u"Eisenmine" + repeated(u"x", 300) + u"(7)",
        u"Bohrturm" + repeated(u"\t", 40) + u"(5)",
        u"Solarpark\t(2)\tund\tEisenmine\t(2)\t" + repeated(u"\t", 12),
        repeated(u"Chemiefabrik (1) ", 12),
        u"Wohngeba\u0308ude " + repeated(u"iiii ", 50) + u"(6)",
    };
    std::vector<std::u16string> texts;
    for (const auto& line : narrow)
        texts.push_back(line + std::u16string(lineBreak));
    for (const auto& line : wide)
        texts.push_back(line + std::u16string(lineBreak));
    std::u16string all;
    for (const auto& line : narrow)
        all += line + std::u16string(lineBreak);
    for (const auto& line : wide)
        all += line + std::u16string(lineBreak) + narrow[0] + std::u16string(lineBreak);
    texts.push_back(all);
    return texts;
}

} // namespace quarl
