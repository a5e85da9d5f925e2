#include "frontend/DisplayLines.h"

#include <gtest/gtest.h>

#include <string>

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

} // namespace
} // namespace quarl
