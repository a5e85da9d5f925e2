#include "NameMatcher.h"
#include "NameSearch.h"
#include "ResultLines.h"

#include "counting/SaboCounter.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quarl {
namespace {

void Require(bool holds)
{
    if (!holds)
        __builtin_trap();
}

std::vector<std::string_view> SplitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t end = text.find('\n'); end != std::string_view::npos; end = text.find('\n', start)) {
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    lines.push_back(text.substr(start));
    return lines;
}

// The skip search must find exactly what a plain substring search finds, and only a line with a name may count.
void CheckNameMatcher(std::string_view line)
{
    const NameSet expected = FindNamesOneByOne(line);
    Require(FindNames(line) == expected);
    Require(ContainsAnyName(line) == (expected != 0));
    Require(CanChangeCount(line) == (expected != 0));
}

void CheckCounting(std::string_view input)
{
    const std::vector<std::string_view> views = SplitLines(input);
    for (const auto line : views)
        CheckNameMatcher(line);
    const std::vector<std::string> result = CountSaboReports(views);
    Require(ReadResultLines(result).error.empty());
    const std::vector<std::string> copies(views.begin(), views.end());
    Require(CountSaboReports(copies) == result);
}

} // namespace
} // namespace quarl

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    quarl::CheckCounting(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
