#include "section/SectionDrawing.h"

#include "section/SectionProfile.h"

#include <cmath>

namespace pitwright {
namespace {

struct Pen {
    Canvas& canvas;
    void line(double x1, double y1, double x2, double y2) {
        canvas.Line(static_cast<float>(x1), static_cast<float>(y1), static_cast<float>(x2),
                    static_cast<float>(y2), kLineBlack);
    }
};

struct DrawScale {
    SectionDrawing verdict;
    double unitsPerMetre;
};

DrawScale drawScaleFor(const SlopeDesignState& state, const SectionCanvas& drawn,
                       const Canvas& canvas) {
    const std::size_t n = static_cast<std::size_t>(state.numberOfBenches);
    const double wallWidth = state.profileX(n, 0) - state.profileX(0, 1);
    const double wallHeight = state.profileY(n, 0) - state.profileY(0, 1);
    if (n == 0) {
        return {SectionDrawing::NoBenches, 0};
    }
    if (!(wallWidth > 0)) {
        return {SectionDrawing::NoHorizontalExtent, 0};
    }
    if (!(wallHeight > 0)) {
        return {SectionDrawing::NoHeight, 0};
    }
    const double sx =
        (static_cast<double>(canvas.ScaleWidth()) - 2 * (drawn.surfaceLineLength + drawn.marginX)) /
        wallWidth;
    const double sy =
        (static_cast<double>(canvas.ScaleHeight()) - (2 * drawn.marginY + drawn.baseDepth)) /
        wallHeight;
    const double scale = sx < sy ? sx : sy;
    if (!std::isfinite(scale) || !(scale > 0) || !std::isfinite(wallWidth * scale)) {
        return {SectionDrawing::TooLarge, 0};
    }
    return {SectionDrawing::Drawn, scale};
}

void mapProfileToCanvas(const SlopeDesignState& s, SectionCanvas& d, double drawScale) {
    const std::size_t n = static_cast<std::size_t>(s.numberOfBenches);
    PointRows& cx = d.canvasX;
    PointRows& cy = d.canvasY;
    cx(0, 0) = d.marginX;
    cy(0, 0) = d.marginY;
    cx(0, 1) = d.surfaceLineLength + cx(0, 0);
    cy(0, 1) = cy(0, 0);
    for (std::size_t k = 1; k <= n; ++k) {
        cx(k, 0) = drawScale * s.benchHorizontalExtent + cx(k - 1, 1);
        cy(k, 0) = drawScale * s.benchHeight + cy(k - 1, 1);
        if (k < n) {
            cx(k, 1) = drawScale * s.stepOutWidth + cx(k, 0);
            cy(k, 1) = cy(k, 0);
        }
    }
    widenBermLedges(cx, s.numberOfBenches, s.benchesPerStack, s.numberOfBerms,
                    (s.bermWidth - s.stepOutWidth) * drawScale);
    cx(n, 1) = d.surfaceLineLength + cx(n, 0);
    cy(n, 1) = cy(n, 0);
    d.canvasCrestEndX = cx(n, 1);
    d.canvasBaseY = d.baseDepth + cy(n, 1);
}

void drawOutline(const SectionCanvas& s, std::size_t n, Canvas& canvas) {
    const PointRows& cx = s.canvasX;
    const PointRows& cy = s.canvasY;
    Pen pen{canvas};
    canvas.DrawWidth(1);
    pen.line(cx(0, 0), cy(0, 0), cx(0, 1), cy(0, 1));
    for (std::size_t m = 1; m <= n; ++m) {
        canvas.DrawWidth(2);
        pen.line(cx(m - 1, 1), cy(m - 1, 1), cx(m, 0), cy(m, 0));
        if (m < n) {
            canvas.DrawWidth(2);
        } else {
            canvas.DrawWidth(1);
        }
        pen.line(cx(m, 0), cy(m, 0), cx(m, 1), cy(m, 1));
    }
    canvas.DrawWidth(1);
    pen.line(s.canvasCrestEndX, s.canvasBaseY - s.baseDepth, s.canvasCrestEndX, s.canvasBaseY);
    pen.line(s.canvasCrestEndX, s.canvasBaseY, s.marginX, s.canvasBaseY);
    pen.line(s.marginX, s.canvasBaseY, s.marginX, s.marginY);
}

} // namespace

SectionDrawing drawSection(const SlopeDesignState& state, Canvas& canvas, SectionCanvas& drawn) {
    const auto rows = static_cast<std::size_t>(state.numberOfBenches) + 1;
    drawn.canvasX.assignZeros(rows);
    drawn.canvasY.assignZeros(rows);
    drawn.marginX = 15;
    drawn.marginY = 15;
    drawn.surfaceLineLength = 100;
    drawn.baseDepth = 50;
    const DrawScale scale = drawScaleFor(state, drawn, canvas);
    if (scale.verdict != SectionDrawing::Drawn) {
        return scale.verdict;
    }
    mapProfileToCanvas(state, drawn, scale.unitsPerMetre);
    drawOutline(drawn, rows - 1, canvas);
    return SectionDrawing::Drawn;
}

SectionDrawing drawSection(const SlopeDesignState& state, Canvas& canvas) {
    SectionCanvas drawn;
    return drawSection(state, canvas, drawn);
}

} // namespace pitwright
