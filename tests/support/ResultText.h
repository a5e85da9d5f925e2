#pragma once

#include "ResultLines.h"

#include <QString>
#include <QStringList>

#include <string>
#include <vector>

namespace quarl {

// Reads the result as the Output box shows it after a Sabo click: the sixteen result lines, each ended by a line
// break (see ReadResultLines).
inline ResultCounts ReadResultText(const QString& text)
{
    if (!text.endsWith(u'\n'))
        return {"the text does not end with a line break"};
    std::vector<std::string> lines;
    for (const QString& line : text.chopped(1).split(u'\n'))
        lines.push_back(line.toStdString());
    return ReadResultLines(lines);
}

} // namespace quarl
