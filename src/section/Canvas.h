#pragma once

#include <cstdint>

namespace pitwright {

inline constexpr std::uint32_t kLineBlack = 0x000000;

// The picture area as the drawing sees it: origin top-left, y downwards,
// units of pixels.
class Canvas {
public:
    virtual ~Canvas() = default;
    // Erase everything to the background colour.
    virtual void Cls() = 0;
    virtual float ScaleWidth() const = 0;
    virtual float ScaleHeight() const = 0;
    // Pen width in pixels for the following lines.
    virtual void DrawWidth(int pixels) = 0;
    virtual void Line(float x1, float y1, float x2, float y2, std::uint32_t rgb) = 0;
};

} // namespace pitwright
