#include "cli/ProgressBar.h"

#include <algorithm>
#include <cmath>
#include <ostream>
#include <string>

namespace pitwright::cli {
namespace {

constexpr int kBarWidth = 30;
constexpr auto kRedrawEvery = std::chrono::milliseconds(100);

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

ProgressBar::ProgressBar(std::ostream& terminal)
    : terminal_(terminal), start_(std::chrono::steady_clock::now()) {}

void ProgressBar::update(std::size_t designs, double share) {
    const auto now = std::chrono::steady_clock::now();
    if (drawn_ && now - lastDrawn_ < kRedrawEvery) {
        return;
    }
    lastDrawn_ = now;
    draw(designs, share);
}

void ProgressBar::draw(std::size_t designs, double share) {
    share = std::clamp(share, 0.0, 1.0);
    const int filled = static_cast<int>(std::lround(share * kBarWidth));
    const double seconds = secondsSince(start_);
    const auto rate = seconds > 0 ? static_cast<long long>(designs / seconds) : 0LL;
    terminal_ << "\r[" << std::string(static_cast<std::size_t>(filled), '#')
              << std::string(static_cast<std::size_t>(kBarWidth - filled), '-') << "] "
              << std::lround(share * 100) << "%  " << designs << " designs  " << rate << "/s"
              << "\x1b[K" << std::flush;
    drawn_ = true;
}

void ProgressBar::finish(std::size_t designs, std::size_t refused) {
    if (drawn_) {
        terminal_ << "\r\x1b[K";
    }
    terminal_ << designs << " designs, " << refused << " with a reason, in "
              << std::lround(secondsSince(start_) * 10) / 10.0 << " s\n"
              << std::flush;
}

} // namespace pitwright::cli
