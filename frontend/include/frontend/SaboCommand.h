#pragma once

#include "frontend/DisplayLines.h"

#include <functional>
#include <string_view>

namespace quarl {

// The report box as the Sabo command reads it: calls take with its display lines, but only with those of the text
// lines that wanted accepts.
using ReadDisplayLines = std::function<void(TextLineFilter wanted, const DisplayLineTaker& take)>;

// The result box as the Sabo command writes it.
struct ResultBox
{
    std::function<void()> clear;
    std::function<void(std::string_view line)> appendLine;
};

// What pressing "Sabo" does: counts the report box's display lines in one fresh run, reading only text lines that
// can change a count, then empties the result box and appends the sixteen result lines to it.
void RunSaboCounter(const ReadDisplayLines& readReports, const ResultBox& results);

} // namespace quarl
