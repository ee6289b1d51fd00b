#include "ui/StabilityAnalysis.h"

#include "model/DecimalComma.h"
#include "model/NumberText.h"
#include "stability/WallGround.h"
#include "stability/WallStability.h"
#include "ui/UserMessages.h"
#include "ui/frmPitwrightMain.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numbers>
#include <string_view>

namespace pitwright {
namespace {

using namespace stability;
using Input = StabilityInputGap::Input;
using Kind = StabilityInputGap::Kind;

std::string_view withoutBlanks(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// The text as one decimal number (sign, digits, point, exponent), or why not.
std::optional<Kind> readNumber(const std::string& typed, double& value) {
    std::string_view text = withoutBlanks(typed);
    if (text.empty()) {
        return Kind::Empty;
    }
    const bool numeral = std::all_of(text.begin(), text.end(), [](char c) {
        return (c >= '0' && c <= '9') || c == '.' || c == '+' || c == '-' || c == 'e' || c == 'E';
    });
    if (!numeral) {
        return looksLikeDecimalComma(text) ? Kind::DecimalComma : Kind::NotANumber;
    }
    // from_chars takes no plus sign of its own.
    if (text.size() > 1 && text[0] == '+' && text[1] != '-' && text[1] != '+') {
        text.remove_prefix(1);
    }
    double read = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), read);
    if (error == std::errc::result_out_of_range) {
        return Kind::OutOfRange;
    }
    if (error != std::errc{} || end != text.data() + text.size()) {
        return Kind::NotANumber;
    }
    if (!std::isfinite(read)) {
        return Kind::OutOfRange;
    }
    value = read;
    return std::nullopt;
}

struct ReadInputs {
    Material material;
    double target = 0;
    std::vector<StabilityInputGap> gaps;
};

ReadInputs readInputs(const StabilityInputTexts& texts) {
    ReadInputs r;
    const auto take = [&](Input input, const std::string& text, double& value,
                          auto&& rangeProblem) {
        if (const auto kind = readNumber(text, value)) {
            r.gaps.push_back({input, *kind, text});
        } else if (const std::optional<Kind> outside = rangeProblem(value)) {
            r.gaps.push_back({input, *outside, text});
        }
    };
    const auto aboveZero = [](double v) -> std::optional<Kind> {
        return v > 0 ? std::nullopt : std::optional(Kind::NotAboveZero);
    };
    take(Input::UnitWeight, texts.unitWeight, r.material.unitWeight, aboveZero);
    take(Input::Cohesion, texts.cohesion, r.material.cohesion,
         [](double v) { return v >= 0 ? std::nullopt : std::optional(Kind::Negative); });
    take(Input::FrictionAngle, texts.frictionAngle, r.material.frictionAngle,
         [](double v) -> std::optional<Kind> {
             if (v < 0) {
                 return Kind::Negative;
             }
             return v < 90 ? std::nullopt : std::optional(Kind::NinetyOrMore);
         });
    take(Input::TargetFactor, texts.targetFactor, r.target, aboveZero);
    return r;
}

bool finite(const Point& p) {
    return std::isfinite(p.x) && std::isfinite(p.y);
}

// Whether everything the window shows or draws of the circle is a number.
bool finite(const CriticalCircle& c) {
    const bool slicesFinite = std::all_of(c.slices.begin(), c.slices.end(), [](const Slice& s) {
        return std::isfinite(s.xLeft) && std::isfinite(s.xRight) && std::isfinite(s.groundY) &&
               std::isfinite(s.baseY) && std::isfinite(s.weight);
    });
    return std::isfinite(c.factorOfSafety) && std::isfinite(c.circle.x) &&
           std::isfinite(c.circle.y) && std::isfinite(c.circle.radius) && finite(c.exitPoint) &&
           finite(c.entryPoint) && slicesFinite;
}

// Whether the drawn profile has its catch berms where stacks of
// `benchesPerStack` put them: every ledge on top of a stack as wide as the
// others on top of a stack, every ledge within one as wide as the others
// within one. Where berms and step outs are equally wide, any count fits.
bool stacksFitProfile(const PointRows& x, int benchesPerStack) {
    const std::size_t n = x.rows() - 1;
    const double tolerance = 1e-6 * std::max(1.0, std::abs(x(n, 0)));
    std::optional<double> berm;
    std::optional<double> stepOut;
    for (std::size_t k = 1; k < n; ++k) {
        const double width = x(k, 1) - x(k, 0);
        std::optional<double>& kind =
            k % static_cast<std::size_t>(benchesPerStack) == 0 ? berm : stepOut;
        if (!kind) {
            kind = width;
        } else if (std::abs(width - *kind) > tolerance) {
            return false;
        }
    }
    return true;
}

ShownCircle shown(const SearchResult& result, double target) {
    const CriticalCircle& c = result.critical;
    return {c.factorOfSafety, c.factorOfSafety >= target, c.circle, c.exitPoint, c.entryPoint,
            c.slices,         result.onGridBorder};
}

} // namespace

std::string defaultTargetFactorText() {
    return formatGeneral(kDefaultTargetFactorOfSafety);
}

std::string StabilityAnalysis::message() const {
    std::string text;
    for (const std::string& problem : problems) {
        text += (text.empty() ? "" : "\n") + problem;
    }
    return text;
}

StabilityAnalysis analyseDrawnDesign(const frmPitwrightMain& window,
                                     const StabilityInputTexts& inputs,
                                     const StabilityOptions& options) {
    StabilityAnalysis a;
    const SlopeDesignState& design = window.state();
    const int benchesPerStack = options.drawnBenchesPerStack.value_or(design.benchesPerStack);
    if (!window.hasDrawnDesign()) {
        a.problems.push_back(stabilityNoDrawnDesignMessage());
    } else {
        const WallGround wall = buildWallGround(design.profileX, design.profileY);
        if (wall.problem != WallProblem::None) {
            a.problems.push_back(stabilityWallMessage(wall.problem));
        } else if (benchesPerStack < 1) {
            a.problems.push_back(stabilityWallMessage(WallProblem::BadBenchesPerStack));
        } else if (!options.drawnBenchesPerStack &&
                   !stacksFitProfile(design.profileX, benchesPerStack)) {
            a.problems.push_back(stabilityStacksChangedMessage());
        } else {
            a.surface = wall.model.surface.points();
            a.slopeHeight = wall.slopeHeight;
            a.minimumThickness = minimumThicknessFor(options.search, wall.model.surface.height());
            a.groundModel = stabilityGroundModelText(a.slopeHeight, a.minimumThickness);
        }
    }
    const ReadInputs read = readInputs(inputs);
    for (const StabilityInputGap& gap : read.gaps) {
        a.problems.push_back(stabilityInputMessage(gap));
    }
    if (!a.problems.empty()) {
        return a;
    }

    const WallStability r = analyseWallStability(design.profileX, design.profileY, benchesPerStack,
                                                 read.material, options.search);
    if (r.wallProblem != WallProblem::None) {
        a.problems.push_back(stabilityWallMessage(r.wallProblem));
        return a;
    }
    if (r.overall.status != SearchStatus::Found || !finite(r.overall.critical)) {
        a.problems.push_back(stabilityNoCircleMessage(r.overall.status, a.minimumThickness));
        return a;
    }
    a.targetFactor = read.target;
    a.overall = shown(r.overall, read.target);
    a.overallWithinStack = r.overallFromStack;
    a.overallSearch = r.overall;
    a.stackSearch = r.worstStack;
    a.stackCount = static_cast<int>(r.stackFactors.size());
    if (r.worstStackIndex >= 0 && r.worstStack.status == SearchStatus::Found &&
        finite(r.worstStack.critical)) {
        a.worstStack = shown(r.worstStack, read.target);
        a.worstStackIndex = r.worstStackIndex;
    }
    const int benches = static_cast<int>(design.profileX.rows()) - 1;
    a.lines = stabilityFigureLines(a, benchesPerStack, benches, options.search.refinedMinima);
    a.caution = stabilityCautionText(a);
    return a;
}

std::vector<Point> slipArc(const ShownCircle& c, int segments) {
    std::vector<Point> points;
    if (segments < 1 || !(c.circle.radius > 0)) {
        return points;
    }
    const double pi = std::numbers::pi;
    double from = std::atan2(c.exitPoint.y - c.circle.y, c.exitPoint.x - c.circle.x);
    double to = std::atan2(c.entryPoint.y - c.circle.y, c.entryPoint.x - c.circle.x);
    // The slip surface runs under the centre, counter-clockwise from the
    // exit (pit side) to the entry: a point level with the centre on the pit
    // side has the angle pi, which belongs at the start, as -pi.
    if (from > pi / 2) {
        from -= 2 * pi;
    }
    if (to < from) {
        to += 2 * pi;
    }
    points.reserve(static_cast<std::size_t>(segments) + 1);
    points.push_back(c.exitPoint);
    for (int k = 1; k < segments; ++k) {
        const double angle = from + (to - from) * k / segments;
        points.push_back({c.circle.x + c.circle.radius * std::cos(angle),
                          c.circle.y + c.circle.radius * std::sin(angle)});
    }
    points.push_back(c.entryPoint);
    return points;
}

} // namespace pitwright
