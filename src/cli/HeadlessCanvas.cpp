#include "cli/HeadlessCanvas.h"

#include "model/MainWindowControls.h"

namespace pitwright::cli {
namespace {

// The picture box of the working window draws a one-pixel border on every
// side, inside its size.
constexpr int kBorderPixels = 1;

float usable(int twips) {
    // As the window lays out its controls: in whole logical pixels.
    return static_cast<float>(twipsToPixels(twips) - 2 * kBorderPixels);
}

} // namespace

HeadlessCanvas::HeadlessCanvas()
    : width_(usable(controlSpec(ControlId::Picture1).width)),
      height_(usable(controlSpec(ControlId::Picture1).height)) {}

} // namespace pitwright::cli
