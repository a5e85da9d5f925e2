#include "FirstPaint.h"

#include "ChildProcess.h"

#include "ui/Application.h"
#include "ui/Main.h"

#include <QEvent>
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
    if (window == "form") {
        Application application(argc, argv);
        TMainForm form;
        return ShowAndRun(form);
    }
    throw std::runtime_error("unknown window " + window + "; use bare or form");
}

void PrintStartUpTable(int runs)
{
    // One unmeasured start of each first, so that both find the libraries and fonts equally cached.
    static_cast<void>(TimeOneStart("bare"));
    static_cast<void>(TimeOneStart("form"));
    std::vector<Timing> bare;
    std::vector<Timing> form;
    for (int run = 0; run < runs; ++run) {
        bare.push_back(TimeOneStart("bare"));
        form.push_back(TimeOneStart("form"));
    }
    const Medians bareMedians = MedianOf(bare);
    const Medians formMedians = MedianOf(form);

    std::printf("Start-up, process start to first paint, median of %d starts each\n", runs);
    std::printf("%-30s %10s %10s %10s %10s\n", "", "QWidget", "TMainForm", "ratio", "target");
    std::printf("%-30s %10.1f %10.1f %10.2f %10s\n", "first paint event ms", bareMedians.firstPaintMs,
                formMedians.firstPaintMs, formMedians.firstPaintMs / bareMedians.firstPaintMs, "<= 1.5");
    std::printf("%-30s %10.1f %10.1f %10.2f %10s\n", "first paint pass done ms", bareMedians.passDoneMs,
                formMedians.passDoneMs, formMedians.passDoneMs / bareMedians.passDoneMs, "");
}

} // namespace quarl
