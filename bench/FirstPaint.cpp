#include "FirstPaint.h"

#include "ChildProcess.h"

#include "ui/Application.h"
#include "ui/Main.h"

#include <QEvent>
#include <QLabel>
#include <QTimer>
#include <QWidget>

#include <array>
#include <cinttypes>
#include <cstdio>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace quarl {
namespace {

// Notes the first paint event of the watched window; once the event loop is back, the whole first pass (children
// and flush included) is done, so that moment is noted too, both are printed and the program quits.
class FirstPaintWatch : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && paintNs_ == 0) {
            paintNs_ = MonotonicNanoseconds();
            QTimer::singleShot(0, this, [this] { finish(); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void finish() const
    {
        std::printf("%" PRId64 " %" PRId64 "\n", paintNs_, MonotonicNanoseconds());
        std::fflush(stdout);
        QCoreApplication::exit(0);
    }

    std::int64_t paintNs_ = 0;
};

int ShowAndRun(QWidget& window)
{
    FirstPaintWatch watch;
    window.installEventFilter(&watch);
    window.show();
    return QCoreApplication::exec();
}

struct Timing
{
    double firstPaintMs = 0;
    double passDoneMs = 0;
};

Timing TimeOneStart(const char* window)
{
    const std::int64_t start = MonotonicNanoseconds();
    std::istringstream in(RunSelf({"first-paint", window}));
    std::int64_t paintNs = 0;
    std::int64_t doneNs = 0;
    if (!(in >> paintNs >> doneNs))
        throw std::runtime_error("no first-paint times from the child");
    return {static_cast<double>(paintNs - start) / 1e6, static_cast<double>(doneNs - start) / 1e6};
}

struct Medians
{
    double firstPaintMs;
    double passDoneMs;
};

Medians MedianOf(const std::vector<Timing>& timings)
{
    std::vector<double> paints;
    std::vector<double> passes;
    for (const Timing& timing : timings) {
        paints.push_back(timing.firstPaintMs);
        passes.push_back(timing.passDoneMs);
    }
    return {Median(paints), Median(passes)};
}

} // namespace

int ShowUntilFirstPaint(int argc, char** argv, const std::string& window)
{
    if (window == "bare") {
        QApplication application(argc, argv);
        QWidget bare;
        return ShowAndRun(bare);
    }
    if (window == "label") {
        QApplication application(argc, argv);
        QWidget labelled;
        QLabel label(QStringLiteral("Sabo"), &labelled);
        return ShowAndRun(labelled);
    }
    if (window == "form") {
        Application application(argc, argv);
        TMainForm form;
        return ShowAndRun(form);
    }
    throw std::runtime_error("unknown window " + window + "; use bare, label or form");
}

void PrintStartUpTable(int runs)
{
    const int processor = PinToCurrentProcessor();
    const std::array<const char*, 3> windows{"bare", "label", "form"};
    // One unmeasured start of each first, so that all find the libraries and fonts equally cached.
    for (const char* window : windows)
        static_cast<void>(TimeOneStart(window));
    std::array<std::vector<Timing>, 3> timings;
    for (int run = 0; run < runs; ++run) {
        for (std::size_t window = 0; window < windows.size(); ++window)
            timings[window].push_back(TimeOneStart(windows[window]));
    }
    std::array<Medians, 3> medians{};
    for (std::size_t window = 0; window < windows.size(); ++window)
        medians[window] = MedianOf(timings[window]);
    const Medians& bare = medians[0];
    const Medians& label = medians[1];
    const Medians& form = medians[2];

    std::printf("Start-up, process start to first paint, median of %d starts each, all on processor %d\n", runs,
                processor);
    std::printf("(QWidget + QLabel: a bare window showing one word, the least any window with text pays)\n");
    std::printf("%-26s %9s %9s %9s %14s %9s\n", "", "QWidget", "+ QLabel", "TMainForm", "ratio QWidget", "target");
    std::printf("%-26s %9.1f %9.1f %9.1f %14.2f %9s\n", "first paint event ms", bare.firstPaintMs, label.firstPaintMs,
                form.firstPaintMs, form.firstPaintMs / bare.firstPaintMs, "<= 1.5");
    std::printf("%-26s %9.1f %9.1f %9.1f %14.2f %9s\n", "first paint pass done ms", bare.passDoneMs, label.passDoneMs,
                form.passDoneMs, form.passDoneMs / bare.passDoneMs, "");
}

} // namespace quarl
