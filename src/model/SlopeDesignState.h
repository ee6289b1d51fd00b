#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace pitwright {

// Rows 0..n of a two-column table of coordinates, (i, 0) the top of bench
// face i and (i, 1) the far end of the ledge on top of it. Stored row by row,
// so (k, 1) and (k + 1, 0) are neighbours in memory.
class PointRows {
public:
    void assignZeros(std::size_t rows) { values_.assign(2 * rows, 0.0); }
    std::size_t rows() const { return values_.size() / 2; }
    bool empty() const { return values_.empty(); }

    double& operator()(std::size_t row, std::size_t column) { return values_[2 * row + column]; }
    double operator()(std::size_t row, std::size_t column) const {
        return values_[2 * row + column];
    }
    double* data() { return values_.data(); }

    bool operator==(const PointRows&) const = default;

private:
    std::vector<double> values_;
};

// The design record of the main window: the design and its section profile.
// Lengths in metres, counts as 16-bit integers. Every member starts at zero;
// no reset touches them afterwards.
struct SlopeDesignState {
    double slopeHeight = 0;
    double slopeHorizontalExtent = 0;
    double stackHorizontalExtent = 0;
    std::int16_t benchesPerStack = 0;
    std::int16_t numberOfStacks = 0;
    double bermWidth = 0;
    std::int16_t numberOfBerms = 0;
    double benchHeight = 0;
    std::int16_t numberOfBenches = 0;
    std::int16_t numberOfStepOuts = 0;
    double stepOutWidth = 0;
    std::int16_t stepOutsPerStack = 0;
    double benchHorizontalExtent = 0;

    // Section profile in metres, replaced on every calculation.
    PointRows profileX;
    PointRows profileY;
};

} // namespace pitwright
