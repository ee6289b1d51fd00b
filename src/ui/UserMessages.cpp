#include "ui/UserMessages.h"

#include "model/NumberText.h"
#include "ui/StabilityAnalysis.h"

#include <algorithm>

namespace pitwright {
namespace {

std::string withDetail(const std::string& words, const std::string& detail) {
    return detail.empty() ? words : words + " (" + detail + ")";
}

std::string quoted(const std::string& name) {
    return "\"" + name + "\"";
}

std::string writeProblemWords(FileProblem problem, const std::string& detail) {
    switch (problem) {
    case FileProblem::FolderInTheWay:
        return "a folder of that name is in the way";
    case FileProblem::NoSuchFolder:
        return "its folder does not exist";
    case FileProblem::NotAPlainFile:
        return "that name belongs to a FIFO, socket or device, not to a plain file, and it is "
               "never replaced";
    case FileProblem::LinkLeadsNowhere:
        return "it is a link to a file that does not exist";
    case FileProblem::FolderNotWritable:
        return "you may not write in its folder";
    case FileProblem::FileReadOnly:
        return "the file is read-only";
    case FileProblem::ReadOnlyFileSystem:
        return "the disk it is on can only be read";
    case FileProblem::CannotCreate:
        return withDetail("the system would not make a new file in its folder", detail);
    case FileProblem::DiskFull:
        return withDetail("the disk is full", detail);
    case FileProblem::WriteFailed:
        return withDetail("writing to the disk failed", detail);
    case FileProblem::CannotReplace:
        return withDetail("the finished file could not replace the old one", detail);
    case FileProblem::ProductionStopped:
        return "its content could not be produced to the end";
    default:
        return readProblemWords(problem, detail);
    }
}

} // namespace

std::string labelCaption(const ControlSet& controls, ControlId label) {
    std::string caption = controls.text(label);
    if (!caption.empty() && caption.back() == ':') {
        caption.pop_back();
    }
    return caption;
}

std::string countsLeftUnchangedNote(CountRefusal why) {
    std::string what;
    switch (why) {
    case CountRefusal::BenchCountBeyondRange:
        what = "Slope height / bench height gives more benches than -32768 to 32767";
        break;
    case CountRefusal::PerStackNotCountable:
        what = "Benches per stack must round to a whole number other than 0, within -32768 to "
               "32767";
        break;
    case CountRefusal::StackCountsBeyondRange:
        what = "That many benches per stack takes the number of benches beyond -32768 to 32767";
        break;
    }
    return what + ": the counts were left unchanged.";
}

std::string fileNotSavedMessage(const std::string& path, FileProblem problem,
                                const std::string& detail) {
    return "The file '" + path + "' was not saved: " + writeProblemWords(problem, detail) +
           ". A file already there is left as it was.";
}

std::string fileNotReadMessage(const std::string& path, const std::string& why) {
    return "The data file '" + path + "' cannot be read: " + why + ". No field was changed.";
}

std::string readProblemWords(FileProblem problem, const std::string& detail) {
    switch (problem) {
    case FileProblem::NoSuchFile:
        return "there is no such file";
    case FileProblem::IsAFolder:
        return "it is a folder";
    case FileProblem::NotAPlainFile:
        return "it is a FIFO, socket or device, not a plain file";
    case FileProblem::NotReadable:
        return "you may not read it";
    default:
        return withDetail("reading it failed", detail);
    }
}

std::string dataFileRefusalWords(const DataFileEncoding& encoding) {
    if (encoding.refusal == DataFileRefusal::LineBreak) {
        return "holds a line break, which a data file cannot store";
    }
    return "holds the character \"" + encoding.character + "\", which a data file cannot store";
}

std::string dataFileShortfallWords(const DataFileDecoding& decoding) {
    switch (decoding.shortfall) {
    case DataFileShortfall::LinesTooLong:
        return "its first lines are far longer than a data file's";
    case DataFileShortfall::Empty:
        return "it is empty";
    default:
        return "it holds " + std::to_string(decoding.linesFound) + " of the 7 lines of a data file";
    }
}

std::string shellRefusalMessage(ShellRefusal why) {
    const std::string start = "The 3D file cannot be written: ";
    switch (why) {
    case ShellRefusal::ProfileDoesNotMatch:
        return staleSectionMessage();
    case ShellRefusal::SlopeTooHigh:
        return start + "the slope height must be less than 13107 m.";
    case ShellRefusal::SlopeTooLow:
        return start + "the slope height must not be below -13107.4 m.";
    case ShellRefusal::NotFinite:
        break;
    }
    return start + "the section holds a dimension too large to write.";
}

std::string staleSectionMessage() {
    return "The 3D file cannot be written: the section does not match the current design. "
           "Click \"Accept values and draw picture\" to draw it again first.";
}

std::string exportOfStaleSectionMessage() {
    return "Nothing was exported: the section does not match the current design. Click "
           "\"Accept values and draw picture\" to draw it again first.";
}

std::string sectionSheetRefusalMessage(const SheetBytes& sheet) {
    const std::string start = "The section drawing was not exported: ";
    if (sheet.writerFailed) {
        return start + "its file could not be produced.";
    }
    switch (sheet.verdict) {
    case SheetVerdict::NoBenches:
        return start + "the slope has no benches.";
    case SheetVerdict::NoHeight:
        return start + "the wall does not rise above its toe.";
    case SheetVerdict::NoHorizontalExtent:
        return start + "bench faces, step outs and berms are all 0 m wide.";
    case SheetVerdict::TooLarge:
        return start + "its dimensions are too large for any scale of drawing.";
    case SheetVerdict::ProfileMismatch:
        return start + "the section does not match the current design.";
    case SheetVerdict::Drawn:
        break;
    }
    return start + "its file could not be produced.";
}

std::string shellFileRefusalMessage(ShellFileRefusal why) {
    const std::string start = "The 3D shell was not exported: ";
    switch (why) {
    case ShellFileRefusal::DimensionTooLarge:
        return start + "the section holds a dimension too large to write.";
    case ShellFileRefusal::LidOnTheGround:
        return start + "a slope of 4 m or less leaves no room above the crest, so the shell is "
                       "no solid a mesh could hold.";
    case ShellFileRefusal::NotClosed:
        return start + "its faces do not close into one solid (the section runs back on "
                       "itself).";
    case ShellFileRefusal::CollapsesInSinglePrecision:
        return start + "a ledge is too narrow for how far it lies from the toe: in the "
                       "file's single-precision numbers its corners would fall together. The "
                       "DXF or OBJ file keeps every digit.";
    }
    return start + "its faces do not close into one solid.";
}

std::string profileOutsideModelMessage() {
    return "The section cannot be drawn: it needs a number of benches of 0 or more and at least "
           "one bench per stack.";
}

std::string sectionNotDrawnMessage(SectionDrawing why) {
    switch (why) {
    case SectionDrawing::NoBenches:
        return "The section cannot be drawn: the slope has no benches.";
    case SectionDrawing::NoHorizontalExtent:
        return "The section cannot be drawn: bench faces, step outs and berms are all 0 m "
               "wide, so the wall has no horizontal extent.";
    case SectionDrawing::NoHeight:
        return "The section cannot be drawn: the wall does not rise above its toe. The bench "
               "height must be above 0.";
    case SectionDrawing::TooLarge:
        return "The section cannot be drawn: its dimensions are too large to scale.";
    case SectionDrawing::Drawn:
        break;
    }
    return "";
}

std::string openedDesignGapMessage(const OpenedDesignGap& gap) {
    const std::string start = "The opened design cannot be drawn: ";
    switch (gap.kind) {
    case OpenedDesignGap::Kind::Missing:
        return start + quoted(gap.caption) + " is empty or 0.";
    case OpenedDesignGap::Kind::Unreadable:
        return start + "the text " + quoted(gap.text) + " of " + quoted(gap.caption) +
               " cannot be read as a number.";
    case OpenedDesignGap::Kind::TooManyBenches:
        return start + "it has too many benches; at most 32,767 are possible.";
    case OpenedDesignGap::Kind::NoBenches:
        return start + "its slope height and bench height give no bench.";
    case OpenedDesignGap::Kind::PerStackBelowOne:
        return start + quoted(gap.caption) + " must be at least 1.";
    case OpenedDesignGap::Kind::Incomplete:
        break;
    }
    return start + "it is not complete.";
}

std::string printProblemMessage(const PrintOutcome& outcome) {
    std::string why;
    switch (outcome.problem) {
    case PrintProblem::NoPrintSupport:
        why = withDetail("The printing support could not be loaded", outcome.detail) + ".";
        break;
    case PrintProblem::NoPrintServer:
        why = "There is no default printer: no print service runs. Start it, or choose a "
              "printer in the system's printer settings, then print again.";
        break;
    case PrintProblem::ServerDoesNotAnswer:
        why = "The print server does not answer, so nothing was handed to a printer. Try again "
              "once the print service runs normally.";
        break;
    case PrintProblem::NoDefaultPrinter:
        why = "There is no default printer. Choose one in the system's printer settings, then "
              "print again.";
        break;
    case PrintProblem::PageNotPrepared:
        why = withDetail("The page for the printer " + quoted(outcome.printer) +
                             " could not be prepared",
                         outcome.detail) +
              ".";
        break;
    case PrintProblem::JobRefused:
        why = withDetail("The printer " + quoted(outcome.printer) + " refused the job",
                         outcome.detail) +
              ".";
        break;
    case PrintProblem::None:
        break;
    }
    return "Nothing was printed. " + why;
}

CatchBermWords catchBermWords(const CatchBermCheck& check, const std::string& bermFieldText) {
    CatchBermWords words;
    if (check.notApplicable) {
        words.notApplicable = *check.notApplicable == CatchBermNotApplicable::NoCatchBerm
                                  ? "one stack, no catch berm"
                                  : "the stack angle rounds to 0";
        return words;
    }
    words.berm = bermFieldText;
    words.required = formatRounded(check.requiredWidth, 2);
    const std::string margin = formatRounded(check.margin, 2);
    words.margin = check.margin >= 0 ? "+" + margin : margin;
    words.verdict = check.meets ? "meets" : "too narrow";
    if (check.steepestInterRampAngle) {
        words.steepestAngle = formatRounded(*check.steepestInterRampAngle, 1);
    }
    return words;
}

std::string catchBermStatusText(const CatchBermCheck& check, const std::string& bermFieldText,
                                InterRampConvention convention) {
    const CatchBermWords words = catchBermWords(check, bermFieldText);
    if (!words.notApplicable.empty()) {
        return "Catch berm check (modified Ritchie): does not apply, " + words.notApplicable + ".";
    }
    // A mark and a word, so the verdict does not hang on colour.
    std::string text = std::string(check.meets ? "\u2714 " : "\u2718 ") + "Catch berm " +
                       words.berm + " m " + (check.meets ? "meets" : "is too narrow for") +
                       " the modified Ritchie criterion, " + words.required + " m (margin " +
                       words.margin + " m)";
    if (!words.steepestAngle.empty()) {
        text += "; steepest " +
                std::string(convention == InterRampConvention::CrestToToe ? "crest-to-toe"
                                                                          : "toe-to-toe") +
                " angle for it " + words.steepestAngle + "\u00B0";
    }
    return text + ".";
}

std::vector<TitleRow> catchBermTitleRows(const CatchBermCheck& check,
                                         const std::string& bermFieldText,
                                         InterRampConvention convention) {
    const CatchBermWords words = catchBermWords(check, bermFieldText);
    const std::string caption = "Catch berm, modified Ritchie";
    if (!words.notApplicable.empty()) {
        return {{caption, "does not apply: " + words.notApplicable}};
    }
    std::vector<TitleRow> rows{{caption, words.verdict + ", " + words.required +
                                             " m asked, margin " + words.margin + " m"}};
    if (!words.steepestAngle.empty()) {
        rows.push_back(
            {std::string("Steepest ") +
                 (convention == InterRampConvention::CrestToToe ? "crest-to-toe" : "toe-to-toe") +
                 " angle for it (\u00B0)",
             words.steepestAngle});
    }
    return rows;
}

} // namespace pitwright

// --- Stability ---
namespace pitwright {
namespace {

using StabilityInput = StabilityInputGap::Input;

std::string stabilityInputName(StabilityInput input) {
    switch (input) {
    case StabilityInput::UnitWeight:
        return "unit weight";
    case StabilityInput::Cohesion:
        return "cohesion";
    case StabilityInput::FrictionAngle:
        return "friction angle";
    case StabilityInput::TargetFactor:
        return "target factor of safety";
    }
    return "value";
}

std::string capitalised(std::string words) {
    if (!words.empty() && words[0] >= 'a' && words[0] <= 'z') {
        words[0] = static_cast<char>(words[0] - 'a' + 'A');
    }
    return words;
}

std::string metres(double value) {
    return formatRounded(value, 2);
}

std::string pointText(const stability::Point& p) {
    return "(" + metres(p.x) + ", " + metres(p.y) + ")";
}

std::string circleLine(const ShownCircle& shown) {
    return "  Critical circle: centre " + pointText({shown.circle.x, shown.circle.y}) +
           ", radius " + metres(shown.circle.radius) + " m; exit " + pointText(shown.exitPoint) +
           " toward the pit, entry " + pointText(shown.entryPoint) + " at the back.";
}

std::string thicknessText(double minimumThickness) {
    return formatRounded(minimumThickness, 2) + " m";
}

} // namespace

std::string stabilityInputMessage(const StabilityInputGap& gap) {
    const std::string name = stabilityInputName(gap.input);
    const std::string typed = "The " + name + " " + quoted(gap.text);
    switch (gap.kind) {
    case StabilityInputGap::Kind::Empty:
        switch (gap.input) {
        case StabilityInput::UnitWeight:
            return "Enter the unit weight of the rock mass in kN/m\u00B3.";
        case StabilityInput::Cohesion:
            return "Enter the cohesion of the rock mass in kPa (0 for none).";
        case StabilityInput::FrictionAngle:
            return "Enter the friction angle of the rock mass in degrees.";
        case StabilityInput::TargetFactor:
            return "Enter the target factor of safety (1.3 is usual).";
        }
        break;
    case StabilityInputGap::Kind::NotANumber:
        return typed + " is not a number.";
    case StabilityInputGap::Kind::DecimalComma:
        return typed + " has a comma: write decimals after a point, as in 26.5.";
    case StabilityInputGap::Kind::OutOfRange:
        return typed + " is beyond the range of numbers the program can hold.";
    case StabilityInputGap::Kind::NotAboveZero:
        return gap.input == StabilityInput::UnitWeight
                   ? "The unit weight must be above 0 kN/m\u00B3."
                   : capitalised("the " + name) + " must be above 0.";
    case StabilityInputGap::Kind::Negative:
        return gap.input == StabilityInput::Cohesion
                   ? "The cohesion cannot be below 0 kPa."
                   : "The friction angle cannot be below 0\u00B0.";
    case StabilityInputGap::Kind::NinetyOrMore:
        return "The friction angle must be below 90\u00B0.";
    }
    return capitalised("the " + name) + " cannot be used.";
}

std::string stabilityNoDrawnDesignMessage() {
    return "There is no drawn design; draw it with \"Accept values and draw picture\".";
}

std::string stabilityStacksChangedMessage() {
    return "The benches per stack changed after the section was drawn; draw it again with "
           "\"Accept values and draw picture\".";
}

std::string stabilityWallMessage(stability::WallProblem why) {
    using stability::WallProblem;
    const std::string start = "The stability of the drawn wall cannot be checked: ";
    switch (why) {
    case WallProblem::NotDrawn:
    case WallProblem::RowsMismatch:
        return stabilityNoDrawnDesignMessage();
    case WallProblem::NoBenches:
        return start + "it has no benches.";
    case WallProblem::NotFinite:
        return start + "a point of its section is not a number.";
    case WallProblem::TooLarge:
        return start + "it is too large; its section must stay within 10,000 km of the toe.";
    case WallProblem::RunsBackwards:
        return start + "it overhangs.";
    case WallProblem::NoHeight:
        return start + "its crest is not above its toe.";
    case WallProblem::BadBenchesPerStack:
        return start + "it needs at least one bench per stack.";
    case WallProblem::None:
        break;
    }
    return start + "its section cannot be used.";
}

std::string stabilityNoCircleMessage(stability::SearchStatus why, double minimumThickness) {
    using stability::SearchStatus;
    if (why == SearchStatus::NoAdmissibleCircle) {
        return "No slip circle through the wall cuts off a slip mass " +
               thicknessText(minimumThickness) +
               " thick or more that the method can solve, so there is no factor of safety to "
               "give.";
    }
    return "The search for the critical circle could not run on this wall.";
}

std::string stabilityGroundModelText(double slopeHeight, double minimumThickness) {
    return "Ground model: a flat pit floor in front of the toe and flat ground behind the crest, "
           "each twice the slope height long (" +
           metres(2 * slopeHeight) +
           " m), over dry rock that continues below the pit floor, so a slip circle may pass "
           "below the floor and leave through it in front of the toe. A slip mass thinner "
           "than " +
           thicknessText(minimumThickness) +
           " (the larger of 0.1 m and 0.5 % of the slope height) is not counted as a "
           "mechanism.";
}

namespace {

// Two decimals, or as many more as it takes to fall on the verdict's side of
// the target.
std::string factorDigits(double factor, double target) {
    const bool meets = factor >= target;
    int decimals = 2;
    std::string shown = formatRounded(factor, decimals);
    while (decimals < 9 && (valueOfText(shown) >= target) != meets) {
        shown = formatRounded(factor, ++decimals);
    }
    return shown;
}

} // namespace

std::string stabilityFactorText(double factor, double target) {
    return factorDigits(factor, target) +
           (factor >= target ? ", meets the target " : ", below the target ") +
           formatGeneral(target);
}

std::vector<std::string> stabilityFigureLines(const StabilityAnalysis& a, int benchesPerStack,
                                              int numberOfBenches, int refinedMinima) {
    std::vector<std::string> lines;
    if (!a.overall) {
        return lines;
    }
    const double target = a.targetFactor;
    std::string whole =
        "Whole slope: factor of safety " + stabilityFactorText(a.overall->factorOfSafety, target);
    if (a.overallWithinStack && a.worstStackIndex >= 0) {
        whole +=
            "; the least of all circles lies within stack " + formatCount(a.worstStackIndex + 1);
    }
    lines.push_back(whole + ".");
    lines.push_back(circleLine(*a.overall));

    if (a.worstStack && a.worstStackIndex >= 0) {
        const int first = a.worstStackIndex * benchesPerStack + 1;
        const int last = std::min((a.worstStackIndex + 1) * benchesPerStack, numberOfBenches);
        const std::string benches =
            first == last ? "bench " + formatCount(first)
                          : "benches " + formatCount(first) + " to " + formatCount(last);
        lines.push_back("Worst stack: stack " + formatCount(a.worstStackIndex + 1) + " of " +
                        formatCount(a.stackCount) + " (" + benches +
                        " from the toe), factor of safety " +
                        stabilityFactorText(a.worstStack->factorOfSafety, target) + ".");
        lines.push_back(circleLine(*a.worstStack));
    } else {
        lines.push_back("Worst stack: none; no circle that enters and leaves within one stack "
                        "cuts off a slip mass " +
                        thicknessText(a.minimumThickness) + " thick or more.");
    }
    lines.push_back("Points (x, y) in metres from the toe: x away from the pit, y up.");

    const stability::SearchResult& o = a.overallSearch;
    lines.push_back("Search of the whole slope: a grid of " + formatCount(o.gridAlong) +
                    " \u00D7 " + formatCount(o.gridAway) + " centres with " +
                    formatCount(o.radiiPerCentre) + " circles each, refined around its " +
                    formatCount(refinedMinima) + " best minima; " + formatCount(o.circlesTried) +
                    " circles tried.");
    const stability::SearchResult& s = a.stackSearch;
    if (s.gridAlong > 0) {
        lines.push_back("Search within a stack: " + formatCount(s.gridAlong) + " \u00D7 " +
                        formatCount(s.gridAway) + " centres over the stack with " +
                        formatCount(s.radiiPerCentre) + " circles each, and " +
                        formatCount(s.exitEntryCircles) + " circles through points of the stack; " +
                        formatCount(s.circlesTried) + " circles tried for the " +
                        (a.worstStack ? "worst" : "lowest") + " stack.");
    }
    return lines;
}

std::string stabilityCautionText(const StabilityAnalysis& a) {
    const bool overall = a.overall && a.overall->onGridBorder;
    const bool stack = a.worstStack && a.worstStack->onGridBorder && !a.overallWithinStack;
    if (!overall && !stack) {
        return "";
    }
    const std::string which = overall && stack ? "the critical circles of the whole slope and "
                                                 "of the worst stack lie"
                              : overall        ? "the critical circle of the whole slope lies"
                                               : "the critical circle of the worst stack lies";
    return "Caution: " + which +
           " on the border of the search; a wider search might find a lower factor of safety.";
}

StabilityLegend stabilityLegend(const StabilityAnalysis& a) {
    StabilityLegend legend;
    legend.groundModel = "Pit floor and ground behind the crest (ground model)";
    if (!a.overall) {
        return legend;
    }
    legend.overall =
        "Whole slope, factor of safety " + factorDigits(a.overall->factorOfSafety, a.targetFactor);
    if (a.worstStack && a.worstStackIndex >= 0) {
        legend.worstStack = "Worst stack (stack " + formatCount(a.worstStackIndex + 1) +
                            "), factor of safety " +
                            factorDigits(a.worstStack->factorOfSafety, a.targetFactor);
        if (a.overallWithinStack) {
            legend.worstStack += ", the same circle";
        }
    } else {
        legend.worstStack = "Worst stack: none";
    }
    return legend;
}

} // namespace pitwright
