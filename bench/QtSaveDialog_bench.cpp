// "Write a 3D-file" in the real window, from the click to the Save dialog on
// screen, for a small design and for the largest one the 3D file takes.
#include "support/TestDesigns.h"
#include "ui/frmPitwrightMain.h"
#include "ui/qt/ControlWidgets.h"
#include "ui/qt/PitwrightMainWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QTest>
#include <QTimer>

#include <benchmark/benchmark.h>

namespace pitwright {
namespace {

using enum ControlId;

// A window with a drawn design, whose "Write a 3D-file" click is timed
// until its Save dialog shows; the dialog is then cancelled.
class ClickToDialog {
public:
    explicit ClickToDialog(const testing::TypedDesign& design) {
        window_.setEndProgram({});
        window_.show();
        testing::typeDesign(window_.form(), design);
        QTest::mouseClick(window_.controls().widget(cmdCalcAndDraw), Qt::LeftButton);
        watch_.setInterval(0);
        QObject::connect(&watch_, &QTimer::timeout, [this] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (dialog != nullptr && dialog->isVisible()) {
                shownAfter_ = clock_.nsecsElapsed();
                dialog->reject();
            }
        });
    }

    double secondsToDialog() {
        watch_.start();
        clock_.start();
        QTest::mouseClick(window_.controls().widget(cmd3Dview), Qt::LeftButton);
        watch_.stop();
        return static_cast<double>(shownAfter_) * 1e-9;
    }

private:
    PitwrightMainWindow window_;
    QTimer watch_;
    QElapsedTimer clock_;
    qint64 shownAfter_ = 0;
};

// The largest design the 3D file takes (32,767 benches of 0.4 m, 7 to a
// stack), beside ten benches of 10 m clicked turn by turn in the same run.
void BM_ClickToSaveDialogShown(benchmark::State& state) {
    ClickToDialog largest(
        {InterRampConvention::CrestToToe, "13106.8", "0.4", "7", "45", "60", "75"});
    ClickToDialog small(testing::kReadmeDesign);
    double largestSeconds = 0;
    double smallSeconds = 0;
    for (auto _ : state) {
        const double seconds = largest.secondsToDialog();
        largestSeconds += seconds;
        state.SetIterationTime(seconds);
        state.PauseTiming();
        smallSeconds += small.secondsToDialog();
        state.ResumeTiming();
    }
    const double runs = static_cast<double>(state.iterations());
    state.counters["largest_ms"] = largestSeconds / runs * 1e3;
    state.counters["ten_benches_ms"] = smallSeconds / runs * 1e3;
    state.counters["vs_ten_benches"] = largestSeconds / smallSeconds;
}
BENCHMARK(BM_ClickToSaveDialogShown)
    ->UseManualTime()
    ->Iterations(20)
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace pitwright
