#include "frontend/DisplayLines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quarl {
namespace {

TEST(DisplayLines, TextBelowU0300IsNfcWithoutNormalizing)
{
    const std::pair<std::u16string, bool> cases[] = {
        {u"", true},        {u"Wohngebäude (4)", true}, {u"\u02FF", true}, {u"Wohngeba\u0300ude", false},
        {u"\u0300", false}, {u"\U0001F600", false},
    };
    for (const auto& [text, isNfc] : cases)
        EXPECT_EQ(IsNfcWithoutNormalizing(text), isNfc) << text.size() << " units";
}

TEST(DisplayLines, CutKeepsAtMost4096UnitsAndNoHalfPair)
{
    const std::u16string pair = u"\U0001F600";
    const std::pair<std::u16string, std::size_t> cases[] = {
        {std::u16string(4096, u'a'), 4096},        {std::u16string(4097, u'a'), 4096},
        {std::u16string(4095, u'a') + pair, 4095}, {std::u16string(4094, u'a') + pair + u"a", 4096},
        {std::u16string(4096, u'a') + pair, 4096},
    };
    for (const auto& [line, kept] : cases) {
        EXPECT_EQ(CutDisplayLine(line), std::u16string_view(line).substr(0, kept)) << line.size() << " units";
    }
}

// A box that wraps every Width units and says so of every line it is asked about: what it lays out shows which
// lines the reader sent past the quick check.
class FakeBox final : public EditBoxLayout
{
public:
    static constexpr std::size_t Width = 4;

    explicit FakeBox(std::u16string text) : text_(std::move(text)) {}

    [[nodiscard]] std::u16string_view Text() const override { return text_; }
    [[nodiscard]] std::u16string_view LineBreak() const override { return u"\r\n"; }
    [[nodiscard]] bool CertainlyFits(std::u16string_view line) const override { return line.size() <= Width; }
    void LayOut(std::size_t index, std::u16string_view line, const ShownLineTaker& take) override
    {
        laidOut.push_back(index);
        for (std::size_t start = 0; start == 0 || start < line.size(); start += Width)
            take(line.substr(start, Width));
    }
    [[nodiscard]] std::u16string Nfc(std::u16string_view text) const override { return std::u16string(text); }

    std::vector<std::size_t> laidOut;

private:
    std::u16string text_;
};

bool NotStartingWithX(std::string_view line)
{
    return !line.starts_with('x');
}

struct ReadCase
{
    std::u16string text;
    std::vector<std::string> lines;
    std::vector<std::size_t> laidOut;
};

TEST(DisplayLines, ReaderSplitsFiltersAndLaysOutOnlyWhatMayWrap)
{
    const ReadCase cases[] = {
        {u"", {}, {}},
        {u"\r\n", {""}, {}},
        {u"ab\r\n\r\ncd", {"ab", "", "cd"}, {}},
        {u"ab\r\n\r\n", {"ab", ""}, {}},
        // Only CR LF ends a text line; a lone CR or LF is a control character, and so is a tab: laid out.
        {u"a\rb\r\nc\nd", {"a\rb", "c\nd"}, {0, 1}},
        {u"a\tb", {"a\tb"}, {0}},
        {u"abcdefghij", {"abcd", "efgh", "ij"}, {0}},
        // Filtered text lines are never laid out, however wide.
        {u"xxxxxxxx\r\nab", {"ab"}, {}},
        {u"\U0001F600\xD800", {"\xF0\x9F\x98\x80\xEF\xBF\xBD"}, {}},
    };
    for (const auto& [text, lines, laidOut] : cases) {
        FakeBox box(text);
        std::vector<std::string> read;
        ForEachDisplayLine(box, NotStartingWithX, [&read](std::string_view line) { read.emplace_back(line); });
        EXPECT_EQ(read, lines) << text.size() << " units";
        EXPECT_EQ(box.laidOut, laidOut) << text.size() << " units";
    }
}

} // namespace
} // namespace quarl
