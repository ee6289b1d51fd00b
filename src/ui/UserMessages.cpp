#include "ui/UserMessages.h"

#include "model/NumberText.h"

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
