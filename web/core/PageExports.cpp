// The functions the page's script calls. Text goes in through room the module makes (Input's text as UTF-16, other
// text as UTF-8) and comes out as a pointer to UTF-8 whose length result_size() tells.
#include "InputBoxLayout.h"
#include "PageImports.h"
#include "WindowData.h"

#include "counting/SaboCounter.h"
#include "frontend/DisplayLines.h"
#include "frontend/ErrorText.h"
#include "frontend/SaboCommand.h"
#include "frontend/TextHeightScale.h"

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>
#include <string_view>

#define QUARL_EXPORT(name) extern "C" __attribute__((export_name(#name)))

namespace {

std::u16string inputText;
std::string textIn;
std::string result;

const char* Result(std::string text)
{
    result = std::move(text);
    return result.data();
}

} // namespace

// Without exceptions a failed allocation would end in a bare trap; the page is told why, as the desktop
// programs tell it.
void* operator new(std::size_t size)
{
    if (void* memory = std::malloc(size == 0 ? 1 : size))
        return memory;
    constexpr std::string_view message = "std::bad_alloc";
    Fail(message.data(), message.size());
}

void operator delete(void* memory) noexcept
{
    std::free(memory);
}

void operator delete(void* memory, std::size_t) noexcept
{
    std::free(memory);
}

#if _LIBCPP_VERSION >= 15000
_LIBCPP_BEGIN_NAMESPACE_STD
// Newer libc++ writes why it stops to standard error, which would make the module import the system's files; the
// page is told instead.
void __libcpp_verbose_abort(const char* format, ...)
{
    Fail(format, std::strlen(format));
}
_LIBCPP_END_NAMESPACE_STD
#endif

// Room for Input's text, `length` UTF-16 units, which the page writes before pressing Sabo.
QUARL_EXPORT(input_text) char16_t* InputText(std::size_t length)
{
    inputText.assign(length, u'\0');
    return inputText.data();
}

// Room for `length` bytes of UTF-8 that the next call takes as its text.
QUARL_EXPORT(text_in) char* TextIn(std::size_t length)
{
    textIn.assign(length, '\0');
    return textIn.data();
}

QUARL_EXPORT(result_size) std::size_t ResultSize()
{
    return result.size();
}

QUARL_EXPORT(window_data) const char* WindowData()
{
    return Result(quarl::WindowDataJson());
}

// What pressing "Sabo" does, over the text in input_text, in a box with that room.
QUARL_EXPORT(press_sabo) void PressSabo(double room, double widestLatin1)
{
    quarl::InputBoxLayout box(inputText, {room, widestLatin1});
    const quarl::ReadDisplayLines readReports = [&box](quarl::TextLineFilter wanted,
                                                       const quarl::DisplayLineTaker& take) {
        quarl::ForEachDisplayLine(box, wanted, take);
    };
    quarl::RunSaboCounter(readReports,
                          {.clear = [] { OutputClear(); },
                           .appendLine = [](std::string_view line) { OutputAppendLine(line.data(), line.size()); }});
}

// Every display line of the text in input_text, each followed by "\n": with the quick check as Sabo reads them,
// or with every text line laid out where the room is 0.
QUARL_EXPORT(display_lines) const char* DisplayLines(double room, double widestLatin1)
{
    quarl::InputBoxLayout box(inputText, {room, widestLatin1});
    std::string lines;
    quarl::ForEachDisplayLine(
        box, [](std::string_view) { return true; },
        [&lines](std::string_view line) {
            lines += line;
            lines += '\n';
        });
    return Result(std::move(lines));
}

// Counts the report lines of the UTF-8 text in text_in straight away, without a box: the module's own speed, which
// bench/web measures against the desktop programs' counter. Returns the result lines, each followed by "\n".
QUARL_EXPORT(count_text) const char* CountText()
{
    quarl::SaboCounter counter;
    const std::string_view text = textIn;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        counter.AddLine(text.substr(start, end - start));
        start = end + 1;
    }
    std::string lines;
    for (const std::string& line : counter.ResultLines())
        lines += line + '\n';
    return Result(std::move(lines));
}

// The text shown for the error message in text_in.
QUARL_EXPORT(error_text) const char* ErrorText()
{
    return Result(quarl::ErrorText(textIn));
}

QUARL_EXPORT(scaled_to_text_height) int ScaledToTextHeight(int pixels, int textHeight)
{
    return quarl::ScaledToTextHeight(pixels, textHeight);
}
