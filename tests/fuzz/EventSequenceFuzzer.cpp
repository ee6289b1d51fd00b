#include "fuzz/EventSequenceFuzzer.h"

#include "export3d/AscText.h"
#include "export3d/Surface3D.h"
#include "files/DataFile.h"
#include "model/MainWindowControls.h"
#include "model/NumberText.h"
#include "support/ShellClosure.h"
#include "support/WindowLists.h"

#include <algorithm>
#include <cmath>
#include <sstream>

namespace pitwright::testing {

using enum ControlId;

namespace {

// Closing is checked on shells up to this many benches: the check compares
// every edge with every corner.
constexpr long long kLargestShellChecked = 40;

// Shells that enclose a volume: a wall rising from its toe, high enough for
// a lid above its crest. The closing check finds edges meeting in
// T-junctions by collinearity, which rounding hides on walls many
// kilometres long.
bool withinCheckableSize(const SlopeDesignState& s) {
    if (!(s.benchHeight > 0) || !(s.slopeHeight >= 5)) {
        return false;
    }
    for (std::size_t i = 0; i < s.profileX.rows(); ++i) {
        for (std::size_t c = 0; c < 2; ++c) {
            if (!(std::fabs(s.profileX(i, c)) <= 1e5) || !(std::fabs(s.profileY(i, c)) <= 1e5)) {
                return false;
            }
        }
    }
    return true;
}

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

// What a click goes to; the drawing command stands three times: it is what
// a design leads to.
constexpr ControlId kClickChoices[] = {
    cmdCalcAndDraw, cmdCalcAndDraw,  cmdCalcAndDraw,          cmdResetValues,
    cmdClearAngles, cmdClearPicture, optCrestToToeSlopeAngle, optToeToToeSlopeAngle};

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
struct ClosedForm {
    double extent;
    double roundingBound; // what the additions of the construction may drift
};

// The horizontal extent of a whole profile, from its construction, with a
// bound on the rounding of the running sums it is built from (large widths
// that nearly cancel drift by much more than the result's last digit).
ClosedForm closedFormExtent(const SlopeDesignState& s) {
    const long long n = s.numberOfBenches;
    long long widened = 0;
    for (long long j = 1; j <= s.numberOfBerms + 1LL && j * s.benchesPerStack <= n - 1; ++j) {
        ++widened;
    }
    const double shift = s.bermWidth - s.stepOutWidth;
    const double extent = n * s.benchHorizontalExtent + (n - 1) * s.stepOutWidth + widened * shift;
    const double largestSum = n * (std::fabs(s.benchHorizontalExtent) + std::fabs(s.stepOutWidth)) +
                              widened * std::fabs(shift);
    const double additions = 2.0 * n + widened + 1;
    return {extent, 1e-14 * additions * std::max(1.0, largestSum)};
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
        const ControlId field = pickAvailable(kInputFields);
        if (field == cmdResetValues) {
            return;
        }
        const std::string typed = randomText();
        log_.push_back(std::string("type ") + controlSpec(field).name + " " + quoted(typed));
        window_.focusGained(field);
        window_.userEditedText(field, typed);
    } else if (kind < 70) {
        const ControlId target = pickAvailable(kFocusable);
        log_.push_back(std::string("focus ") + controlSpec(target).name);
        window_.focusGained(target);
    } else if (kind < 90) {
        const ControlId command = pickAvailable(kClickChoices);
        log_.push_back(std::string("click ") + controlSpec(command).name);
        platform_.picture.strokes.clear(); // so a drawing that fails leaves none
        window_.focusGained(command);
        window_.clicked(command);
        justDrew_ = command == cmdCalcAndDraw && !platform_.picture.strokes.empty();
        drawings_ += justDrew_ ? 1 : 0;
    } else {
        fileEvent();
    }
}

void EventSequenceFuzzer::fileEvent() {
    const int which = std::uniform_int_distribution<int>(0, 9)(random_);
    const ControlSet& controls = window_.controls();
    if (which < 3) {
        if (!controls.isAvailable(cmd3Dview)) {
            return;
        }
        log_.push_back("click cmd3Dview, saved as /shell.ASC");
        platform_.dialog.answer("/shell.ASC");
        platform_.files.files.erase("/shell.ASC");
        window_.focusGained(cmd3Dview);
        window_.clicked(cmd3Dview);
        checkExportedShell_ = true;
    } else if (which < 6) {
        log_.push_back("menu Save data as /design.DAT");
        for (std::size_t line = 0; line < kDataFileLines; ++line) {
            textsAtSave_[line] = controls.text(kInputFields[line]);
        }
        platform_.dialog.answer("/design.DAT");
        platform_.files.files.erase("/design.DAT");
        window_.mnuSaveData_Click();
        checkSavedData_ = true;
    } else if (which < 8) {
        log_.push_back("menu Open saved data /design.DAT");
        platform_.dialog.answer("/design.DAT");
        window_.mnuOpenSavedData_Click();
    } else if (which < 9) {
        const std::string bytes = randomFileBytes();
        log_.push_back("menu Open saved data of " + quoted(bytes));
        platform_.files.files["/random.DAT"] = bytes;
        platform_.dialog.answer("/random.DAT");
        window_.mnuOpenSavedData_Click();
    } else {
        log_.push_back("menu Open saved data, cancelled");
        window_.mnuOpenSavedData_Click();
    }
    platform_.dialog.answers.clear();
}

std::string EventSequenceFuzzer::randomFileBytes() {
    static const std::string pieces[] = {
        "\r\n", "\r\n", "\r\n", "\n", "\r", "0", "1", "5", "10", "45",
        "60",   "75",   "100",  ".",  "-",  "e", " ", "m", "x",  std::string(1, '\0'),
        "\xe9", "\xff", "\t"};
    std::string bytes;
    const int length = std::uniform_int_distribution<int>(0, 40)(random_);
    for (int i = 0; i < length; ++i) {
        bytes +=
            pieces[std::uniform_int_distribution<std::size_t>(0, std::size(pieces) - 1)(random_)];
    }
    return bytes;
}

std::string EventSequenceFuzzer::brokenFileInvariant() {
    const SlopeDesignState& s = window_.state();
    const auto& files = platform_.files.files;
    if (checkSavedData_) {
        checkSavedData_ = false;
        if (const auto saved = files.find("/design.DAT"); saved != files.end()) {
            const DataFileDecoding reread = decodeDataFile(saved->second);
            if (!reread.ok || reread.texts != textsAtSave_) {
                return "the saved data file does not reopen to the seven texts saved";
            }
        }
    }
    if (checkExportedShell_) {
        checkExportedShell_ = false;
        const auto shell = files.find("/shell.ASC");
        if (shell == files.end()) {
            return {};
        }
        const long long n = s.numberOfBenches;
        // The shell is the drawn wall's: its profile has a row for every
        // bench and none left over from a design before.
        if (s.profileX.rows() != static_cast<std::size_t>(n + 1)) {
            return "a 3D file was written for " + formatCount(n) + " benches from a profile of " +
                   formatCount(static_cast<long long>(s.profileX.rows())) + " rows";
        }
        if (shell->second != ascText(build3DSurface(s)) + "\r\n") {
            return "the 3D file is not the shell of the drawn profile";
        }
        const auto lines = std::count(shell->second.begin(), shell->second.end(), '\n');
        // Panels open with "3" in the fourth of the five fields.
        long long opened = 0;
        std::size_t lineStart = 0;
        for (std::size_t end = shell->second.find('\n'); end != std::string::npos;
             lineStart = end + 1, end = shell->second.find('\n', lineStart)) {
            std::size_t field = lineStart;
            for (int tabs = 0; tabs < 3 && field != std::string::npos; ++tabs) {
                field = shell->second.find('\t', field);
                field = field == std::string::npos ? field : field + 1;
            }
            if (field != std::string::npos && shell->second.compare(field, 2, "3\t") == 0) {
                ++opened;
            }
        }
        // One line per corner, then the empty line the save routine ends with.
        if (lines != 16 * n + 28 + 1 || opened != 4 * n + 7) {
            return "the 3D file of " + formatCount(n) + " benches has " + formatCount(lines) +
                   " lines and " + formatCount(opened) + " panels";
        }
        if (n <= kLargestShellChecked && withinCheckableSize(s)) {
            if (std::string open = whyShellIsOpen(build3DSurface(s)); !open.empty()) {
                return "the exported shell is not closed: " + open + " (slope height " +
                       formatGeneral(s.slopeHeight) + " m, " + formatCount(n) + " benches of " +
                       formatGeneral(s.benchHeight) + " m, profile rows " +
                       formatCount(static_cast<long long>(s.profileX.rows())) + ", crest at " +
                       formatGeneral(s.profileX(static_cast<std::size_t>(n), 1)) + ", " +
                       formatGeneral(s.profileY(static_cast<std::size_t>(n), 1)) + ")";
            }
        }
    }
    return {};
}

std::string EventSequenceFuzzer::brokenInvariant() const {
    const ControlSet& controls = window_.controls();
    const SlopeDesignState& s = window_.state();
    for (const ControlSpec& row : mainWindowControls()) {
        if (row.kind == ControlKind::TextBox && spellsNonNumber(controls.text(row.id))) {
            return std::string(row.name) + " shows " + quoted(controls.text(row.id));
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
        const ClosedForm expected = closedFormExtent(s);
        if (!(std::fabs(extent - expected.extent) <= expected.roundingBound)) {
            return "drawn profile spans " + formatGeneral(extent) + " m, construction gives " +
                   formatGeneral(expected.extent);
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
        std::string broken = brokenInvariant();
        if (broken.empty()) {
            broken = brokenFileInvariant();
        }
        if (!broken.empty()) {
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
