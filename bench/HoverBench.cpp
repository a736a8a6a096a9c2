// The cost of hover tracking: the CPU time the 3 ms timer takes while the mouse rests on a button,
// against the same second of an idle event loop.

#include "chameleon_button/chameleonButton.h"

#include <QApplication>
#include <QCursor>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>
#include <benchmark/benchmark.h>
#include <ctime>

using namespace chameleon_button;

namespace {

double ProcessCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// CPU seconds spent while the event loop runs for one second of wall time.
double CpuOverOneSecond() {
    const double before = ProcessCpuSeconds();
    QEventLoop loop;
    QTimer::singleShot(1000, &loop, &QEventLoop::quit);
    loop.exec(); // sleeps between events, as the program's own loop does
    return ProcessCpuSeconds() - before;
}

void HoverTimer(benchmark::State& state) {
    QWidget window;
    window.resize(465, 225);
    auto* button = new chameleonButton(&window);
    button->setGeometry(8, 176, 217, 41);
    button->SetButtonType(3);
    button->SetCaption(QStringLiteral("Load Rom..."));
    window.show();
    QApplication::processEvents();
    QCursor::setPos(button->mapToGlobal(QPoint(100, 20)));
    double idle = 0, hovering = 0;
    int ticks = 0;
    for (auto _ : state) {
        idle = CpuOverOneSecond();
        button->HandleMouseMove(0, 0, 100, 20); // the mouse arrives and rests
        if (!button->OverTimer.isActive()) {
            state.SkipWithError("the button did not notice the mouse");
            return;
        }
        QObject::connect(&button->OverTimer, &QTimer::timeout, [&ticks] { ++ticks; });
        hovering = CpuOverOneSecond();
        if (!button->IsOver) state.SkipWithError("the hover ended while the mouse rested");
    }
    // The whole CPU time of the hovering second, idle loop included: an upper bound of the timer's share.
    state.counters["cpu_share"] = hovering;
    state.counters["cpu_idle"] = idle;
    state.counters["ticks"] = ticks;
}
BENCHMARK(HoverTimer)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
