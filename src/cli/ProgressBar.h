#pragma once

#include <chrono>
#include <cstddef>
#include <iosfwd>

namespace pitwright::cli {

// A one-line bar that redraws itself in place on a terminal, at most ten
// times a second:  [##########----------]  50%  500000 designs  41234/s
class ProgressBar {
public:
    explicit ProgressBar(std::ostream& terminal);

    void update(std::size_t designs, double share);
    // Clears the bar and says how many designs in how long.
    void finish(std::size_t designs, std::size_t refused);

private:
    void draw(std::size_t designs, double share);

    std::ostream& terminal_;
    std::chrono::steady_clock::time_point start_;
    std::chrono::steady_clock::time_point lastDrawn_;
    bool drawn_ = false;
};

} // namespace pitwright::cli
