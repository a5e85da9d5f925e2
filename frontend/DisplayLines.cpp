#include "frontend/DisplayLines.h"

#include <algorithm>

namespace quarl {
namespace {

bool IsHighSurrogate(char16_t c)
{
    return c >= 0xD800 && c <= 0xDBFF;
}

bool IsLowSurrogate(char16_t c)
{
    return c >= 0xDC00 && c <= 0xDFFF;
}

// Control characters (tabs, lone line breaks) may be drawn or broken in ways that no width bound knows of.
bool HasControlCharacter(std::u16string_view line)
{
    return std::any_of(line.begin(), line.end(), [](char16_t c) { return c < 0x20; });
}

// The text in NFC: the text itself where it is so already, otherwise normalised into `normalized`, which holds it.
std::u16string_view Nfc(std::u16string_view text, const EditBoxLayout& box, std::u16string& normalized)
{
    if (IsNfcWithoutNormalizing(text))
        return text;
    normalized = box.Nfc(text);
    return normalized;
}

// Passes display lines on, holding empty ones back until a line follows, so that a final empty line is dropped.
class DropFinalEmptyLine
{
public:
    explicit DropFinalEmptyLine(const DisplayLineTaker& take) : take_(take) {}

    void operator()(std::string_view line)
    {
        if (line.empty()) {
            ++heldBack_;
            return;
        }
        for (; heldBack_ > 0; --heldBack_)
            take_(std::string_view());
        take_(line);
    }

    void Finish()
    {
        for (; heldBack_ > 1; --heldBack_)
            take_(std::string_view());
    }

private:
    const DisplayLineTaker& take_;
    std::size_t heldBack_ = 0;
};

} // namespace

void ForEachDisplayLine(EditBoxLayout& box, TextLineFilter wanted, const DisplayLineTaker& take)
{
    const std::u16string_view text = box.Text();
    const std::u16string_view lineBreak = box.LineBreak();
    DropFinalEmptyLine give(take);
    std::u16string normalized;
    std::string utf8;
    const ShownLineTaker giveShown = [&](std::u16string_view shown) {
        ToUtf8(CutDisplayLine(Nfc(shown, box, normalized)), utf8);
        give(utf8);
    };
    std::size_t index = 0;
    for (std::size_t start = 0;; ++index) {
        const std::size_t end = std::min(text.find(lineBreak, start), text.size());
        const std::u16string_view line = text.substr(start, end - start);
        // The filter sees the whole text line: every display line is a piece of it.
        ToUtf8(Nfc(line, box, normalized), utf8);
        if (wanted(utf8)) {
            if (line.size() <= MaxDisplayLineLength && !HasControlCharacter(line) && box.CertainlyFits(line))
                give(utf8);
            else
                box.LayOut(index, line, giveShown);
        }
        if (end == text.size())
            break;
        start = end + lineBreak.size();
    }
    give.Finish();
}

bool IsNfcWithoutNormalizing(std::u16string_view text) noexcept
{
    return std::none_of(text.begin(), text.end(), [](char16_t c) { return c >= 0x300; });
}

std::u16string_view CutDisplayLine(std::u16string_view line) noexcept
{
    if (line.size() <= MaxDisplayLineLength)
        return line;
    const bool splitsPair = IsHighSurrogate(line[MaxDisplayLineLength - 1]);
    return line.substr(0, splitsPair ? MaxDisplayLineLength - 1 : MaxDisplayLineLength);
}

// Written through a pointer into room for the longest result, three bytes a unit: this runs for every line of a
// paste, and appending byte by byte costs more than the rest of reading a short line.
void ToUtf8(std::u16string_view utf16, std::string& utf8)
{
    utf8.resize(3 * utf16.size());
    char* out = utf8.data();
    const auto put = [&out](char32_t value) { *out++ = static_cast<char>(value); };
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        char32_t c = utf16[i];
        if (c < 0x80) {
            put(c);
            continue;
        }
        if (IsHighSurrogate(utf16[i]) && i + 1 < utf16.size() && IsLowSurrogate(utf16[i + 1]))
            c = 0x10000 + ((c - 0xD800) << 10) + (utf16[++i] - 0xDC00);
        else if (IsHighSurrogate(utf16[i]) || IsLowSurrogate(utf16[i]))
            c = 0xFFFD;
        if (c < 0x800) {
            put(0xC0 | (c >> 6));
        } else if (c < 0x10000) {
            put(0xE0 | (c >> 12));
            put(0x80 | ((c >> 6) & 0x3F));
        } else {
            put(0xF0 | (c >> 18));
            put(0x80 | ((c >> 12) & 0x3F));
            put(0x80 | ((c >> 6) & 0x3F));
        }
        put(0x80 | (c & 0x3F));
    }
    utf8.resize(static_cast<std::size_t>(out - utf8.data()));
}

} // namespace quarl
