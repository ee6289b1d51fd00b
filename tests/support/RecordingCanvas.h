#pragma once

#include "section/Canvas.h"

#include <vector>

namespace pitwright::testing {

// A canvas that keeps every line drawn since the last Cls.
class RecordingCanvas : public Canvas {
public:
    struct Stroke {
        float x1, y1, x2, y2;
        std::uint32_t rgb;
        int width;
    };

    explicit RecordingCanvas(float width = 560, float height = 520)
        : width_(width), height_(height) {}

    void Cls() override {
        strokes.clear();
        ++clsCount;
    }
    float ScaleWidth() const override { return width_; }
    float ScaleHeight() const override { return height_; }
    void DrawWidth(int pixels) override { penWidth_ = pixels; }
    void Line(float x1, float y1, float x2, float y2, std::uint32_t rgb) override {
        strokes.push_back({x1, y1, x2, y2, rgb, penWidth_});
    }

    std::vector<Stroke> strokes;
    int clsCount = 0;

private:
    float width_;
    float height_;
    int penWidth_ = 1;
};

} // namespace pitwright::testing
