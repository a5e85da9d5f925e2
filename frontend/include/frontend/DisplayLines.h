#pragma once

#include <cstddef>
#include <functional>
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

// Whether UTF-16 text is in NFC without normalising it: text without characters from U+0300 on (combining marks and
// beyond) is, and checking that first spares the copy that normalising needs.
[[nodiscard]] bool IsNfcWithoutNormalizing(std::u16string_view text) noexcept;

// A display line (already in NFC) cut to MaxDisplayLineLength UTF-16 units, never inside a surrogate pair.
[[nodiscard]] std::u16string_view CutDisplayLine(std::u16string_view line) noexcept;

} // namespace quarl
