#pragma once

#include "checks/CatchBermCheck.h"
#include "export3d/ShellExport.h"
#include "export3d/ShellRefusal.h"
#include "files/DataFile.h"
#include "files/FileStore.h"
#include "model/ControlSet.h"
#include "model/SlopeRelations.h"
#include "section/SectionDrawing.h"
#include "section/SectionSheet.h"
#include "section/SheetFormat.h"
#include "stability/WallStability.h"
#include "ui/WindowPlatform.h"

#include <string>
#include <vector>

// The one place where what went wrong becomes the user's words. Libraries
// and the platform say why with a code; the window shows these texts.
namespace pitwright {

// The title of the program's own message boxes.
inline constexpr const char* kAppTitle = "Pitwright";

// A label's caption as the window shows it, without its colon: the name
// messages and a drawing's title block give its field.
std::string labelCaption(const ControlSet& controls, ControlId label);

// A note in the comment line, which does not interrupt typing.
std::string countsLeftUnchangedNote(CountRefusal why);

std::string fileNotSavedMessage(const std::string& path, FileProblem problem,
                                const std::string& detail);
// `why` completes "cannot be read: ..." (a file store's problem or the data
// file's own reason).
std::string fileNotReadMessage(const std::string& path, const std::string& why);
std::string readProblemWords(FileProblem problem, const std::string& detail);
// Why a text cannot go into a data file, completing "the text of ... ".
std::string dataFileRefusalWords(const DataFileEncoding& encoding);
// Why a file holds no design, completing "cannot be read: ...".
std::string dataFileShortfallWords(const DataFileDecoding& decoding);

std::string shellRefusalMessage(ShellRefusal why);
// The picture on screen is not that of the design as it now stands.
std::string staleSectionMessage();

// An export asked of a picture that is not the current design's.
std::string exportOfStaleSectionMessage();
std::string sectionSheetRefusalMessage(const SheetBytes& sheet);
std::string shellFileRefusalMessage(ShellFileRefusal why);

std::string profileOutsideModelMessage();
std::string sectionNotDrawnMessage(SectionDrawing why);

// What is missing, refused or unreadable in a design that was opened.
struct OpenedDesignGap {
    enum class Kind : unsigned char {
        Missing,          // empty or 0
        Unreadable,       // its text reads as no finite number
        TooManyBenches,   // more than 32,767 benches
        NoBenches,        // the heights give no bench (opposite signs)
        PerStackBelowOne, // benches per stack below 1
        Incomplete,       // the design never reached its drawing
    };
    Kind kind = Kind::Incomplete;
    std::string caption; // the field's label, without its colon
    std::string text;    // the field's text
};
std::string openedDesignGapMessage(const OpenedDesignGap& gap);

std::string printProblemMessage(const PrintOutcome& outcome);

// The catch berm check as figures in words, the same wherever they show:
// the status bar, a drawing's title block, the command line.
struct CatchBermWords {
    std::string notApplicable; // why the check does not apply, or empty
    std::string berm;          // the berm width as its field shows it, in metres
    std::string required;      // what the criterion asks, in metres
    std::string margin;        // berm less required, signed, in metres
    std::string verdict;       // "meets" or "too narrow", never a colour alone
    std::string steepestAngle; // degrees, 1 decimal, or empty where none
};
CatchBermWords catchBermWords(const CatchBermCheck& check, const std::string& bermFieldText);
// One line for the status bar.
std::string catchBermStatusText(const CatchBermCheck& check, const std::string& bermFieldText,
                                InterRampConvention convention);
// The rows of a drawing's title block.
std::vector<TitleRow> catchBermTitleRows(const CatchBermCheck& check,
                                         const std::string& bermFieldText,
                                         InterRampConvention convention);

} // namespace pitwright

// --- Stability ---
namespace pitwright {

struct StabilityAnalysis;

// What keeps a value of the stability check from being used.
struct StabilityInputGap {
    enum class Input : unsigned char { UnitWeight, Cohesion, FrictionAngle, TargetFactor };
    enum class Kind : unsigned char {
        Empty,
        NotANumber,   // more in the text than one number
        DecimalComma, // a number written with a decimal comma
        OutOfRange,   // beyond the numbers the program can hold
        NotAboveZero, // unit weight and target
        Negative,     // cohesion and friction angle
        NinetyOrMore, // friction angle
    };
    Input input = Input::UnitWeight;
    Kind kind = Kind::Empty;
    std::string text; // as typed
};
std::string stabilityInputMessage(const StabilityInputGap& gap);

std::string stabilityNoDrawnDesignMessage();
// Benches per stack changed after the drawing, which shows other stacks.
std::string stabilityStacksChangedMessage();
std::string stabilityWallMessage(stability::WallProblem why);
// Why the search gave no critical circle for the whole slope.
std::string stabilityNoCircleMessage(stability::SearchStatus why, double minimumThickness);

// The ground model the analysis works on, in words.
std::string stabilityGroundModelText(double slopeHeight, double minimumThickness);

// A factor of safety against the target, in words: "1.87, meets the target
// 1.3". The factor shows as many decimals as it takes to agree with the
// verdict (2 at least), so that a figure never reads as the target while
// falling short of it.
std::string stabilityFactorText(double factor, double target);

// The figures of a stability check, line by line.
std::vector<std::string> stabilityFigureLines(const StabilityAnalysis& analysis,
                                              int benchesPerStack, int numberOfBenches,
                                              int refinedMinima);
// Empty unless a critical circle lies on the border of its search.
std::string stabilityCautionText(const StabilityAnalysis& analysis);

// The legend of the drawing: the whole slope's circle, the worst stack's,
// and the ground model's floor and ground behind the crest.
struct StabilityLegend {
    std::string overall;
    std::string worstStack;
    std::string groundModel;
};
StabilityLegend stabilityLegend(const StabilityAnalysis& analysis);

} // namespace pitwright
