#pragma once

#include "frontend/DisplayLines.h"

#include <string>
#include <string_view>

namespace quarl {

// How wide Input is for its text, and the widest of the printable Latin-1 characters in its font, in CSS pixels;
// a room of 0 switches the quick check off, so that every text line is laid out.
struct InputRoom
{
    double room = 0;
    double widestLatin1 = 0;
};

// Input's text as the page has handed it over, laid out by the page's script, which measures the box in the
// browser. Without the quick check every text line is laid out, which is what the quick check must agree with.
class InputBoxLayout final : public EditBoxLayout
{
public:
    InputBoxLayout(std::u16string_view text, InputRoom room) : text_(text), room_(room) {}

    [[nodiscard]] std::u16string_view Text() const override { return text_; }
    [[nodiscard]] std::u16string_view LineBreak() const override { return u"\n"; }
    [[nodiscard]] bool CertainlyFits(std::u16string_view line) const override;
    void LayOut(std::size_t index, std::u16string_view line, const ShownLineTaker& take) override;
    [[nodiscard]] std::u16string Nfc(std::u16string_view text) const override;

private:
    std::u16string_view text_;
    InputRoom room_;
};

} // namespace quarl
