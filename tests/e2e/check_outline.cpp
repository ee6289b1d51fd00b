// Checks a screenshot of the main window for the outline of the design that
// draw_design_in_xvfb.sh types: the window's own reactions draw the same
// design onto a recording canvas of the picture's size, and every line of
// it must be found in black in the screenshot.
#include "model/MainWindowControls.h"
#include "support/FakePlatform.h"
#include "support/TestDesigns.h"
#include "ui/frmPitwrightMain.h"

#include <QImage>

#include <cmath>
#include <cstdio>

using namespace pitwright;
using enum ControlId;
using FormCore = pitwright::frmPitwrightMain;

namespace {

std::vector<testing::RecordingCanvas::Stroke> expectedStrokes() {
    const ControlSpec& picture = controlSpec(Picture1);
    // The usable area is the picture less its single-line border.
    const auto width = static_cast<float>(std::lround(picture.width / 15.0) - 2);
    const auto height = static_cast<float>(std::lround(picture.height / 15.0) - 2);
    testing::FakePlatform platform;
    platform.picture = testing::RecordingCanvas(width, height);
    FormCore window(platform);
    window.Form_Load();
    testing::enterBenchDesign(window, 10);
    window.clicked(cmdCalcAndDraw);
    return platform.picture.strokes;
}

bool darkNear(const QImage& image, double x, double y) {
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const int px = static_cast<int>(std::floor(x)) + dx;
            const int py = static_cast<int>(std::floor(y)) + dy;
            if (px >= 0 && py >= 0 && px < image.width() && py < image.height() &&
                qGray(image.pixel(px, py)) < 80) {
                return true;
            }
        }
    }
    return false;
}

// Share of points along the strokes that are dark, with the canvas origin
// at (ox, oy) of the screenshot.
double coverage(const QImage& image, const std::vector<testing::RecordingCanvas::Stroke>& strokes,
                int ox, int oy) {
    int points = 0;
    int found = 0;
    for (const auto& s : strokes) {
        const double length = std::hypot(s.x2 - s.x1, s.y2 - s.y1);
        const int steps = std::max(2, static_cast<int>(length / 4));
        for (int i = 0; i <= steps; ++i) {
            const double t = static_cast<double>(i) / steps;
            ++points;
            found += darkNear(image, ox + s.x1 + t * (s.x2 - s.x1), oy + s.y1 + t * (s.y2 - s.y1))
                         ? 1
                         : 0;
        }
    }
    return points == 0 ? 0 : static_cast<double>(found) / points;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: check_outline SCREENSHOT.png\n");
        return 2;
    }
    const QImage image(QString::fromLocal8Bit(argv[1]));
    if (image.isNull()) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    const auto strokes = expectedStrokes();
    if (strokes.size() < 10) {
        std::fprintf(stderr, "the design gave no drawing to look for\n");
        return 1;
    }
    // The picture sits below the menu bar and the comment line; find the
    // place where the outline fits best.
    double best = 0;
    int bestX = 0;
    int bestY = 0;
    for (int oy = 0; oy <= 120; ++oy) {
        for (int ox = 0; ox <= 40; ++ox) {
            const double share = coverage(image, strokes, ox, oy);
            if (share > best) {
                best = share;
                bestX = ox;
                bestY = oy;
            }
        }
    }
    std::printf("outline found at %d,%d covering %.1f%% of its length\n", bestX, bestY, 100 * best);
    return best >= 0.97 ? 0 : 1;
}
