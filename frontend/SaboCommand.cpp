#include "frontend/SaboCommand.h"

#include "counting/SaboCounter.h"

#include <string>
#include <vector>

namespace quarl {

void RunSaboCounter(const ReadDisplayLines& readReports, const ResultBox& results)
{
    SaboCounter counter;
    readReports(CanChangeCount, [&counter](std::string_view line) { counter.AddLine(line); });
    const std::vector<std::string> lines = counter.ResultLines();
    results.clear();
    for (const std::string& line : lines)
        results.appendLine(line);
}

} // namespace quarl
