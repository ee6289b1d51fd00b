#include "EventSequenceFuzzer.h"

#include "MainWindowControls.h"
#include "NumberText.h"

#include <algorithm>
#include <cmath>
#include <sstream>

namespace pitwright::testing {

using enum ControlId;

namespace {

constexpr ControlId kInputs[] = {
    txtSlopeHeight,        txtBenchHeight, txtBenchesPerStack, txtCrestToToeSlopeAngle,
    txtToeToToeSlopeAngle, txtStackAngle,  txtBenchAngle};

constexpr ControlId kFocusable[] = {txtSlopeHeight,
                                    txtBenchHeight,
                                    txtBenchesPerStack,
                                    txtCrestToToeSlopeAngle,
                                    txtToeToToeSlopeAngle,
                                    txtStackAngle,
                                    txtBenchAngle,
                                    cmdCalcAndDraw,
                                    cmd3Dview,
                                    cmdPrintHardCopy,
                                    cmdResetValues,
                                    cmdClearPicture,
                                    cmdClearAngles,
                                    txtComment,
                                    optCrestToToeSlopeAngle,
                                    optToeToToeSlopeAngle};

// The drawing command stands three times: it is what a design leads to.
constexpr ControlId kCommands[] = {cmdCalcAndDraw,          cmdCalcAndDraw,       cmdCalcAndDraw,
                                   cmdResetValues,          cmdClearAngles,       cmdClearPicture,
                                   optCrestToToeSlopeAngle, optToeToToeSlopeAngle};

// Texts that carry a design forward, and odd ones an engineer might type
// too. Letters are chosen so that no typed text spells "inf" or "nan".
const char* const kSensible[] = {"100", "10", "5",  "3",  "2",  "1",    "45",  "60", "75",
                                 "40",  "35", "50", "70", "80", "12.5", "120", "15", "30"};
const char* const kOdd[] = {"0",      "",       "2.6",    "2.",    "0.3",   "0.5",    "-5",
                            "-45",    " 12 m",  "1.5.3",  "1e2",   "1e",    ".",      "-0",
                            "1e400",  "-1e400", "1e-400", "32767", "40000", "327670", "1e9",
                            "0.0001", "180",    "-90",    "1E-9",  "+8",    "x",      "deg",
                            "\t4",    "99999",  "0.009",  "89.99", "90",    "104",    "7"};

constexpr char kAlphabet[] = "0123456789..--+eE mx";

std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c < 0x20 || c >= 0x7f || c == '"' || c == '\\') {
            static const char hex[] = "0123456789abcdef";
            out += "\\x";
            out += hex[c >> 4];
            out += hex[c & 15];
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

bool spellsNonNumber(const std::string& text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower.find("inf") != std::string::npos || lower.find("nan") != std::string::npos;
}

// The horizontal extent of a whole profile, from its construction.
double closedFormExtent(const SlopeDesignState& s) {
    const long long n = s.numberOfBenches;
    long long widened = 0;
    for (long long j = 1; j <= s.numberOfBerms + 1LL && j * s.benchesPerStack <= n - 1; ++j) {
        ++widened;
    }
    return n * s.benchHorizontalExtent + (n - 1) * s.stepOutWidth +
           widened * (s.bermWidth - s.stepOutWidth);
}

} // namespace

EventSequenceFuzzer::EventSequenceFuzzer(std::uint32_t seed) : random_(seed) {
    window_.Form_Load();
}

std::string EventSequenceFuzzer::randomText() {
    const int pick = std::uniform_int_distribution<int>(0, 99)(random_);
    if (pick < 60) {
        return kSensible[std::uniform_int_distribution<std::size_t>(0, std::size(kSensible) -
                                                                           1)(random_)];
    }
    if (pick < 85) {
        return kOdd[std::uniform_int_distribution<std::size_t>(0, std::size(kOdd) - 1)(random_)];
    }
    std::string text;
    const int length = std::uniform_int_distribution<int>(0, 8)(random_);
    for (int i = 0; i < length; ++i) {
        text +=
            kAlphabet[std::uniform_int_distribution<std::size_t>(0, sizeof kAlphabet - 2)(random_)];
    }
    return text;
}

ControlId EventSequenceFuzzer::pickAvailable(std::span<const ControlId> candidates) {
    std::vector<ControlId> available;
    for (ControlId id : candidates) {
        if (window_.controls().isAvailable(id)) {
            available.push_back(id);
        }
    }
    if (available.empty()) {
        return cmdResetValues; // always there
    }
    return available[std::uniform_int_distribution<std::size_t>(0, available.size() - 1)(random_)];
}

void EventSequenceFuzzer::nextEvent() {
    const int kind = std::uniform_int_distribution<int>(0, 99)(random_);
    justDrew_ = false;
    if (kind < 45) {
        const ControlId field = pickAvailable(kInputs);
        if (field == cmdResetValues) {
            return;
        }
        const std::string typed = randomText();
        log_.push_back(std::string("type ") + controlSpec(field).name + " " + quoted(typed));
        window_.focusGained(field);
        window_.userEditedText(field, typed);
    } else if (kind < 75) {
        const ControlId target = pickAvailable(kFocusable);
        log_.push_back(std::string("focus ") + controlSpec(target).name);
        window_.focusGained(target);
    } else {
        const ControlId command = pickAvailable(kCommands);
        log_.push_back(std::string("click ") + controlSpec(command).name);
        platform_.picture.strokes.clear(); // so a drawing that fails leaves none
        window_.focusGained(command);
        window_.clicked(command);
        justDrew_ = command == cmdCalcAndDraw && !platform_.picture.strokes.empty();
        drawings_ += justDrew_ ? 1 : 0;
    }
}

std::string EventSequenceFuzzer::brokenInvariant() const {
    const ControlSet& controls = window_.controls();
    const SlopeDesignState& s = window_.state();
    for (const ControlSpec& spec : mainWindowControls()) {
        if (spec.kind == ControlKind::TextBox && spellsNonNumber(controls.text(spec.id))) {
            return std::string(spec.name) + " shows " + quoted(controls.text(spec.id));
        }
    }
    struct Shown {
        ControlId field;
        std::int16_t count;
    };
    for (const Shown& shown :
         {Shown{txtNumberBenches, s.numberOfBenches}, Shown{txtNumberStepOuts, s.numberOfStepOuts},
          Shown{txtNumberStacks, s.numberOfStacks}, Shown{txtNumberBerms, s.numberOfBerms}}) {
        const std::string& text = controls.text(shown.field);
        if (!text.empty() && text != formatCount(shown.count)) {
            return std::string(controlSpec(shown.field).name) + " shows " + quoted(text) +
                   " but the design holds " + formatCount(shown.count);
        }
    }
    if (!controls.text(txtNumberBenches).empty() && s.numberOfStepOuts != s.numberOfBenches - 1) {
        return "step outs are not one fewer than benches";
    }
    if (!controls.text(txtNumberStacks).empty() && s.numberOfBerms != s.numberOfStacks - 1) {
        return "berms are not one fewer than stacks";
    }
    if (s.benchesPerStack != 0 && s.stepOutsPerStack != s.benchesPerStack - 1) {
        return "step outs per stack are not one fewer than benches per stack";
    }
    if (justDrew_) {
        const std::size_t n = static_cast<std::size_t>(s.numberOfBenches);
        const double extent = s.profileX(n, 0);
        const double expected = closedFormExtent(s);
        const double tolerance = 1e-9 * std::max({1.0, std::fabs(expected), std::fabs(extent)});
        if (!(std::fabs(extent - expected) <= tolerance)) {
            return "drawn profile spans " + formatGeneral(extent) + " m, construction gives " +
                   formatGeneral(expected);
        }
        const double height = n * s.benchHeight;
        if (!(std::fabs(s.profileY(n, 1) - height) <= 1e-9 * std::max(1.0, std::fabs(height)))) {
            return "drawn profile is " + formatGeneral(s.profileY(n, 1)) + " m high, not " +
                   formatGeneral(height);
        }
    }
    return {};
}

std::string EventSequenceFuzzer::run(std::size_t events) {
    while (log_.size() < events) {
        nextEvent();
        if (std::string broken = brokenInvariant(); !broken.empty()) {
            std::ostringstream report;
            report << broken << "\nafter these actions on a freshly loaded window:\n";
            for (const std::string& line : log_) {
                report << "  " << line << '\n';
            }
            return report.str();
        }
    }
    return {};
}

} // namespace pitwright::testing
