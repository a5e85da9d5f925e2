#include "PasteClick.h"

#include "ChildProcess.h"
#include "DisplayLineReading.h"
#include "PlainTextBoxLines.h"

#include "counting/SaboCounter.h"
#include "ui/Application.h"
#include "ui/Main.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>

#include <array>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <sys/resource.h>
#include <utility>
#include <vector>

using namespace Qt::StringLiterals;

namespace quarl {
namespace {

enum Figure : std::size_t {
    PasteMs,
    ClickMs,
    SecondClickMs,
    NaiveMs,
    PeakBeforeMb,
    PeakAfterMb,
    Blocks,
    DisplayLineCount,
    OutputMatchesNaive,
    FigureCount
};
using Figures = std::array<double, FigureCount>;

struct Size
{
    const char* label;
    std::size_t bytes;
};
constexpr std::array<Size, 3> Sizes{{{"100 KB", 100'000}, {"1 MB", 1'000'000}, {"10 MB", 10'000'000}}};

// The report cut after its last line end within `bytes`, so that no report line is torn.
std::string ReportPrefix(const std::string& path, std::size_t bytes)
{
    std::ifstream in(path, std::ios::binary);
    std::string text(bytes, '\0');
    in.read(text.data(), static_cast<std::streamsize>(bytes));
    if (static_cast<std::size_t>(in.gcount()) != bytes)
        throw std::runtime_error(path + " is shorter than " + std::to_string(bytes) + " bytes");
    text.resize(text.rfind('\n') + 1);
    return text;
}

// Lets the window handle what the last action posted, repaints included, as its event loop would.
void Settle()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

template <typename Action>
double Milliseconds(Action&& action)
{
    const auto start = std::chrono::steady_clock::now();
    std::forward<Action>(action)();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

double PeakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) * 1024 / 1e6;
}

QString AsOutputText(const std::vector<std::string>& result)
{
    QString text;
    for (const std::string& line : result)
        text += QString::fromStdString(line) + u'\n';
    return text;
}

template <typename Child>
Child& FindChild(const TMainForm& form, const QString& name)
{
    auto* child = form.findChild<Child*>(name);
    if (child == nullptr)
        throw std::runtime_error("the window has no " + name.toStdString());
    return *child;
}

Figures MeasureWindow(QString text)
{
    TMainForm form;
    form.show();
    Settle();
    auto& input = FindChild<QPlainTextEdit>(form, u"Input"_s);
    auto& output = FindChild<QPlainTextEdit>(form, u"Output"_s);
    auto& sabo = FindChild<QPushButton>(form, u"Sabo"_s);

    Figures figures{};
    figures[PasteMs] = Milliseconds([&] { input.setPlainText(text); });
    text.clear();
    Settle();
    figures[PeakBeforeMb] = PeakMegabytes();
    figures[ClickMs] = Milliseconds([&] {
        sabo.click();
        Settle();
    });
    figures[PeakAfterMb] = PeakMegabytes();
    figures[SecondClickMs] = Milliseconds([&] {
        sabo.click();
        Settle();
    });

    std::vector<std::string> result;
    figures[NaiveMs] = Milliseconds([&] {
        PlainTextBoxLayout layout(input);
        const std::vector<std::string> lines = LaidOutDisplayLines(layout);
        figures[DisplayLineCount] = static_cast<double>(lines.size());
        result = CountSaboReports(lines);
    });
    figures[Blocks] = input.document()->blockCount();
    figures[OutputMatchesNaive] = output.toPlainText() == AsOutputText(result) ? 1 : 0;
    return figures;
}

Figures ParseFigures(const std::string& line)
{
    Figures figures{};
    std::istringstream in(line);
    for (double& figure : figures)
        in >> figure;
    if (!in)
        throw std::runtime_error("unreadable figures: " + line);
    return figures;
}

Figures MedianFigures(const std::vector<Figures>& runs)
{
    Figures medians{};
    for (std::size_t figure = 0; figure < FigureCount; ++figure) {
        std::vector<double> values;
        for (const Figures& run : runs)
            values.push_back(run[figure]);
        medians[figure] = Median(values);
    }
    // The output must match in every run, not in most.
    for (const Figures& run : runs)
        medians[OutputMatchesNaive] = std::min(medians[OutputMatchesNaive], run[OutputMatchesNaive]);
    return medians;
}

Figures MeasureSize(const std::string& reportPath, std::size_t bytes, int runs)
{
    std::vector<Figures> results;
    for (int run = 0; run < runs; ++run)
        results.push_back(ParseFigures(RunSelf({"paste-click", reportPath, std::to_string(bytes)})));
    return MedianFigures(results);
}

using RowValue = double (*)(const Figures&);

struct Row
{
    const char* label;
    RowValue value;
    const char* format;
    const char* target;
};

double Ratio(double numerator, double denominator)
{
    return denominator > 0 ? numerator / denominator : 0;
}

const std::array<Row, 12> Rows{{
    {"paste ms (setPlainText)", [](const Figures& f) { return f[PasteMs]; }, "%.1f", ""},
    {"click ms", [](const Figures& f) { return f[ClickMs]; }, "%.1f", ""},
    {"second click ms", [](const Figures& f) { return f[SecondClickMs]; }, "%.1f", ""},
    {"naive ms (lay out all)", [](const Figures& f) { return f[NaiveMs]; }, "%.1f", ""},
    {"click / paste", [](const Figures& f) { return Ratio(f[ClickMs], f[PasteMs]); }, "%.2f", "<= 1"},
    {"naive / click", [](const Figures& f) { return Ratio(f[NaiveMs], f[ClickMs]); }, "%.1f", ">= 10"},
    {"peak MB before click", [](const Figures& f) { return f[PeakBeforeMb]; }, "%.1f", ""},
    {"peak MB after click", [](const Figures& f) { return f[PeakAfterMb]; }, "%.1f", ""},
    {"peak increase %", [](const Figures& f) { return 100 * Ratio(f[PeakAfterMb] - f[PeakBeforeMb], f[PeakBeforeMb]); },
     "%.1f", "<= 10"},
    {"text blocks", [](const Figures& f) { return f[Blocks]; }, "%.0f", ""},
    {"display lines", [](const Figures& f) { return f[DisplayLineCount]; }, "%.0f", ""},
    {"output = naive count (1 yes)", [](const Figures& f) { return f[OutputMatchesNaive]; }, "%.0f", "1"},
}};

void PrintRow(const Row& row, const std::array<Figures, Sizes.size()>& columns)
{
    std::printf("%-30s", row.label);
    for (const Figures& figures : columns) {
        std::array<char, 32> cell{};
        std::snprintf(cell.data(), cell.size(), row.format, row.value(figures));
        std::printf(" %10s", cell.data());
    }
    std::printf(" %14s\n", row.target);
}

// A single text line of `characters` characters: report words run together without a blank, or with blanks.
QString LongLine(std::size_t characters, bool blanks)
{
    const QString word = blanks ? u"Raumhafen (2) "_s : u"Raumhafen(2)"_s;
    return word.repeated(static_cast<qsizetype>(characters / static_cast<std::size_t>(word.size()) + 1))
        .left(static_cast<qsizetype>(characters));
}

} // namespace

int MeasureLongLine(int argc, char** argv, std::size_t characters, bool blanks)
{
    QString text = LongLine(characters, blanks);
    Application application(argc, argv);
    TMainForm form;
    form.show();
    Settle();
    auto& input = FindChild<QPlainTextEdit>(form, u"Input"_s);
    auto& sabo = FindChild<QPushButton>(form, u"Sabo"_s);
    const double paste = Milliseconds([&] {
        input.setPlainText(text);
        Settle();
    });
    const double click = Milliseconds([&] {
        sabo.click();
        Settle();
    });
    std::printf("%.3f %.3f\n", paste, click);
    return 0;
}

void PrintLongLineTable(int runs)
{
    constexpr std::size_t characters = 1'000'000;
    std::printf("One text line of %zu characters, median of %d fresh processes\n", characters, runs);
    std::printf("%-30s %12s %12s %14s\n", "", "no blanks", "blanks", "target");
    std::array<std::array<double, 2>, 2> medians{};
    for (const bool blanks : {false, true}) {
        std::vector<double> pastes;
        std::vector<double> clicks;
        for (int run = 0; run < runs; ++run) {
            std::istringstream figures(
                RunSelf({"long-line", std::to_string(characters), blanks ? "blanks" : "no-blanks"}));
            double paste = 0;
            double click = 0;
            figures >> paste >> click;
            pastes.push_back(paste);
            clicks.push_back(click);
        }
        medians[blanks ? 1 : 0] = {Median(pastes), Median(clicks)};
    }
    std::printf("%-30s %12.1f %12.1f %14s\n", "paste ms (shown and drawn)", medians[0][0], medians[1][0], "");
    std::printf("%-30s %12.1f %12.1f %14s\n", "click ms", medians[0][1], medians[1][1], "");
    std::printf("%-30s %12.2f %12.2f %14s\n", "click / paste", Ratio(medians[0][1], medians[0][0]),
                Ratio(medians[1][1], medians[1][0]), "<= 1");
}

int MeasurePasteClick(int argc, char** argv, const std::string& reportPath, std::size_t bytes)
{
    QString text = QString::fromStdString(ReportPrefix(reportPath, bytes));
    Application application(argc, argv);
    const Figures figures = MeasureWindow(std::move(text));
    for (const double figure : figures)
        std::printf("%.3f ", figure);
    std::printf("\n");
    return 0;
}

void PrintPasteClickTable(const std::string& reportPath, int runs)
{
    std::array<Figures, Sizes.size()> columns{};
    for (std::size_t size = 0; size < Sizes.size(); ++size)
        columns[size] = MeasureSize(reportPath, Sizes[size].bytes, runs);

    std::printf("Paste and click, median of %d fresh processes per size; MB = 10^6 bytes\n", runs);
    std::printf("%-30s", "");
    for (const Size& size : Sizes)
        std::printf(" %10s", size.label);
    std::printf(" %14s\n", "target (10 MB)");
    for (const Row& row : Rows)
        PrintRow(row, columns);
}

} // namespace quarl
