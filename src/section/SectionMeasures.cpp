#include "section/SectionMeasures.h"

#include "model/Angles.h"

#include <algorithm>
#include <cmath>

namespace pitwright {
namespace {

struct Rows {
    const DrawnSection& section;
    double x(int row, int column) const {
        return section.profileX(static_cast<std::size_t>(row), static_cast<std::size_t>(column));
    }
    double y(int row, int column) const {
        return section.profileY(static_cast<std::size_t>(row), static_cast<std::size_t>(column));
    }
};

} // namespace

double angleOfRise(double run, double rise) {
    return radiansToDegrees(std::atan2(rise, run));
}

SectionMeasures measureSection(const DrawnSection& section) {
    const Rows p{section};
    const int n = section.numberOfBenches;
    SectionMeasures m;

    // The lowest bench face: from the toe to the top of bench 1.
    m.benchHeight = p.y(1, 0) - p.y(0, 1);
    m.benchFaceAngle = angleOfRise(p.x(1, 0) - p.x(0, 1), m.benchHeight);

    for (int row = 1; row < n; ++row) {
        const bool berm = isBermLedge(section, row);
        std::optional<MeasuredLedge>& ledge = berm ? m.berm : m.stepOut;
        if (!ledge) {
            ledge = MeasuredLedge{row, p.x(row, 1) - p.x(row, 0)};
        }
        if (m.berm && m.stepOut) {
            break;
        }
    }

    m.stackTopRow = std::min(section.benchesPerStack, n);
    m.stackHeight = p.y(m.stackTopRow, 0) - p.y(0, 1);
    m.stackAngle = angleOfRise(p.x(m.stackTopRow, 0) - p.x(0, 1), m.stackHeight);

    m.overallHeight = p.y(n, 0) - p.y(0, 0);
    m.overallHorizontal = p.x(n, 0) - p.x(0, 0);
    m.crestToToeAngle = angleOfRise(m.overallHorizontal, m.overallHeight);

    // The highest berm: its far end is the toe of the top stack.
    for (int row = n - 1; row >= 1; --row) {
        if (isBermLedge(section, row)) {
            const double run = p.x(row, 1) - p.x(0, 0);
            const double rise = p.y(row, 1) - p.y(0, 0);
            if (rise > 0) {
                m.toeToToe =
                    MeasuredToeToToe{row, angleOfRise(run, rise), run * m.overallHeight / rise};
            }
            break;
        }
    }
    return m;
}

} // namespace pitwright
