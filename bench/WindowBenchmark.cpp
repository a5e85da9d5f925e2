#include "FirstPaint.h"
#include "PasteClick.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <string_view>

// window_benchmark paste-click-table REPORT_FILE [RUNS]   the paste and click table for 100 KB, 1 MB and 10 MB
// window_benchmark long-line-table [RUNS]                 paste and click for one line of 1,000,000 characters
// window_benchmark start-up-table [RUNS]                  start-up to first paint, main window against a QWidget
// The modes paste-click REPORT_FILE BYTES, long-line CHARACTERS blanks|no-blanks and first-paint bare|label|form
// are the single runs the tables start.
// Run it with QT_QPA_PLATFORM=offscreen, or on a display; bench/window does both tables.

namespace {

int RunsArgument(int argc, char** argv, int index, int fallback)
{
    return argc > index ? std::atoi(argv[index]) : fallback;
}

int Usage(const char* program)
{
    std::fprintf(stderr,
                 "usage: %s paste-click-table REPORT_FILE [RUNS] | long-line-table [RUNS] | start-up-table [RUNS]\n"
                 "       %s paste-click REPORT_FILE BYTES | long-line CHARACTERS blanks|no-blanks\n"
                 "       %s first-paint bare|label|form\n",
                 program, program, program);
    return 2;
}

int Run(int argc, char** argv)
{
    const std::string_view mode = argc > 1 ? argv[1] : "";
    if (mode == "paste-click-table" && argc >= 3) {
        quarl::PrintPasteClickTable(argv[2], RunsArgument(argc, argv, 3, 3));
        return 0;
    }
    if (mode == "long-line-table") {
        quarl::PrintLongLineTable(RunsArgument(argc, argv, 2, 3));
        return 0;
    }
    if (mode == "long-line" && argc == 4)
        return quarl::MeasureLongLine(argc, argv, std::stoul(argv[2]), std::string_view(argv[3]) == "blanks");
    if (mode == "start-up-table") {
        quarl::PrintStartUpTable(RunsArgument(argc, argv, 2, 10));
        return 0;
    }
    if (mode == "paste-click" && argc == 4)
        return quarl::MeasurePasteClick(argc, argv, argv[2], std::stoul(argv[3]));
    if (mode == "first-paint" && argc == 3)
        return quarl::ShowUntilFirstPaint(argc, argv, argv[2]);
    return Usage(argv[0]);
}

} // namespace

int main(int argc, char** argv)
{
    try {
        return Run(argc, argv);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "window_benchmark: %s\n", error.what());
        return 1;
    }
}
