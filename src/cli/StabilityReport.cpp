#include "cli/StabilityReport.h"

#include "cli/JsonText.h"
#include "model/NumberText.h"

#include <ostream>

namespace pitwright::cli {
namespace {

// Metres and factors to three decimals, as JSON numbers.
std::string number(double value) {
    return formatRounded(value, 3);
}

void writeCircleJson(std::ostream& out, const std::optional<ShownCircle>& shown,
                     const std::string& extra) {
    if (!shown) {
        out << "null";
        return;
    }
    out << "{" << extra << "\"factorOfSafety\": " << number(shown->factorOfSafety)
        << ", \"meetsTarget\": " << (shown->meetsTarget ? "true" : "false") << ", \"centre\": ["
        << number(shown->circle.x) << ", " << number(shown->circle.y)
        << "], \"radius\": " << number(shown->circle.radius) << ", \"exit\": ["
        << number(shown->exitPoint.x) << ", " << number(shown->exitPoint.y) << "], \"entry\": ["
        << number(shown->entryPoint.x) << ", " << number(shown->entryPoint.y) << "]}";
}

} // namespace

std::optional<StabilityValues> stabilityValuesOf(const std::string& text) {
    const std::size_t first = text.find(',');
    const std::size_t second = first == std::string::npos ? first : text.find(',', first + 1);
    if (second == std::string::npos || text.find(',', second + 1) != std::string::npos) {
        return std::nullopt;
    }
    return StabilityValues{text.substr(0, first), text.substr(first + 1, second - first - 1),
                           text.substr(second + 1)};
}

StabilityAnalysis analyseStability(const frmPitwrightMain& window, const StabilityValues& values) {
    return analyseDrawnDesign(window, {values.unitWeight, values.cohesion, values.frictionAngle,
                                       defaultTargetFactorText()});
}

void writeStabilityTable(std::ostream& out, const StabilityAnalysis& analysis) {
    for (const std::string& line : analysis.lines) {
        out << line << '\n';
    }
    if (!analysis.caution.empty()) {
        out << analysis.caution << '\n';
    }
    out << analysis.groundModel << '\n';
}

void writeStabilityJson(std::ostream& out, const StabilityAnalysis& analysis) {
    out << "{\"targetFactor\": " << number(analysis.targetFactor) << ", \"wholeSlope\": ";
    writeCircleJson(out, analysis.overall, "");
    out << ", \"worstStack\": ";
    writeCircleJson(out, analysis.worstStack,
                    "\"stack\": " + std::to_string(analysis.worstStackIndex + 1) + ", ");
    out << ", \"groundModel\": " << jsonString(analysis.groundModel) << "}";
}

} // namespace pitwright::cli
