// "Accept values and draw picture" onto the real picture area, then painted
// into an image as the screen would show it.
#include "support/FakePlatform.h"
#include "support/TestDesigns.h"
#include "ui/frmPitwrightMain.h"
#include "ui/qt/PictureBox.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <string>

namespace pitwright {
namespace {

using MainWindow = frmPitwrightMain; // before the control names hide it
using enum ControlId;

// The fake platform, drawing onto a real picture area of the window's size.
class PicturePlatform : public testing::FakePlatform {
public:
    PicturePlatform() { picture.resize(564, 532); }
    Canvas& canvas() override { return picture; }
    PictureBox picture;
};

void BM_DrawOntoTheRealPicture(benchmark::State& state) {
    const int benches = static_cast<int>(state.range(0));
    PicturePlatform platform;
    MainWindow window(platform);
    window.Form_Load();
    testing::enterBenchDesign(window, benches);

    QImage image(platform.picture.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        window.cmdCalcAndDraw_Click();
        image.fill(Qt::white);
        QPainter painter(&image);
        platform.picture.paintStrokes(painter);
    }
    state.counters["lines"] = static_cast<double>(platform.picture.strokes().size());
}
BENCHMARK(BM_DrawOntoTheRealPicture)->Arg(10)->Arg(1000)->Arg(32767)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace pitwright
