#include "cli/HeadlessCanvas.h"

#include "model/MainWindowControls.h"

#include <cmath>

namespace pitwright::cli {
namespace {

// As the window lays out its controls: twips to whole logical pixels.
int pixelsOf(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

// The picture box of the working window draws a one-pixel border on every
// side, inside its size.
constexpr int kBorderPixels = 1;

float usable(int twips) {
    return static_cast<float>(pixelsOf(twips) - 2 * kBorderPixels);
}

} // namespace

HeadlessCanvas::HeadlessCanvas()
    : width_(usable(controlSpec(ControlId::Picture1).width)),
      height_(usable(controlSpec(ControlId::Picture1).height)) {}

} // namespace pitwright::cli
