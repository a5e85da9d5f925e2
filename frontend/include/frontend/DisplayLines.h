#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace quarl {

// What both front ends agree on about the lines they read from an edit box: a display line is every wrapped part of
// a text line, it comes as UTF-8 in NFC (the form most text to match is written in), and it is cut to
// MaxDisplayLineLength UTF-16 units.
inline constexpr std::size_t MaxDisplayLineLength = 4096;

// Decides from a whole text line (UTF-8, NFC) whether its display lines are wanted at all.
using TextLineFilter = bool (*)(std::string_view textLine);

// Receives one display line, which lives only until the call returns.
using DisplayLineTaker = std::function<void(std::string_view line)>;

// Receives one display line as the box shows it: UTF-16, without its line break or separator.
using ShownLineTaker = std::function<void(std::u16string_view line)>;

// How the edit box of a window system lays out its text lines; each front end implements it for its own box.
class EditBoxLayout
{
public:
    virtual ~EditBoxLayout() = default;

    // The box's whole text, and what separates its text lines in it.
    [[nodiscard]] virtual std::u16string_view Text() const = 0;
    [[nodiscard]] virtual std::u16string_view LineBreak() const = 0;

    // Whether a text line without control characters is certainly narrower than the box, so that the box shows it
    // as one display line. Asked only to save laying the line out: a wrong "no" costs time, a wrong "yes" is a
    // fault.
    [[nodiscard]] virtual bool CertainlyFits(std::u16string_view line) const = 0;

    // Calls take with each display line of the text line number `index` of the box, whose text is `line`.
    virtual void LayOut(std::size_t index, std::u16string_view line, const ShownLineTaker& take) = 0;

    // The text in NFC; asked only for text that IsNfcWithoutNormalizing does not clear.
    [[nodiscard]] virtual std::u16string Nfc(std::u16string_view text) const = 0;
};

// Calls take with the display lines of an edit box, but only those of the text lines `wanted` accepts. Every wrapped
// part of a text line is a line of its own, and a final empty line after the last line break is not counted. Text lines
// without control characters that the box says certainly fit are taken whole, and only the rest is laid out, which
// together with the filter keeps reading a large paste quick.
void ForEachDisplayLine(EditBoxLayout& box, TextLineFilter wanted, const DisplayLineTaker& take);

// Whether UTF-16 text is in NFC without normalising it: text without characters from U+0300 on (combining marks and
// beyond) is, and checking that first spares the copy that normalising needs.
[[nodiscard]] bool IsNfcWithoutNormalizing(std::u16string_view text) noexcept;

// A display line (already in NFC) cut to MaxDisplayLineLength UTF-16 units, never inside a surrogate pair.
[[nodiscard]] std::u16string_view CutDisplayLine(std::u16string_view line) noexcept;

// UTF-16 text as UTF-8, written into `utf8`; a lone surrogate becomes U+FFFD.
void ToUtf8(std::u16string_view utf16, std::string& utf8);

} // namespace quarl
