#pragma once

#include "section/Canvas.h"

namespace pitwright::cli {

// The picture area without a screen: the size the window's picture box
// reports, and lines that go nowhere. The drawing still runs, and refuses
// what it would refuse on screen, since its scale depends on that size.
class HeadlessCanvas : public Canvas {
public:
    HeadlessCanvas();

    void Cls() override {}
    float ScaleWidth() const override { return width_; }
    float ScaleHeight() const override { return height_; }
    void DrawWidth(int) override {}
    void Line(float, float, float, float, std::uint32_t) override {}

private:
    float width_;
    float height_;
};

} // namespace pitwright::cli
