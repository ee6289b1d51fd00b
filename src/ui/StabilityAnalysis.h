#pragma once

#include "stability/CircleSearch.h"
#include "stability/Ground.h"
#include "stability/SlipCircle.h"

#include <optional>
#include <string>
#include <vector>

namespace pitwright {

class frmPitwrightMain;

// The values the stability check asks for, as the user typed them. They are
// read strictly: blanks around the number are allowed, anything else in the
// text makes it no number, so that "35 deg" or "26,5" is questioned instead
// of quietly read as something the user did not mean.
struct StabilityInputTexts {
    std::string unitWeight;    // kN/m3
    std::string cohesion;      // kPa
    std::string frictionAngle; // degrees
    std::string targetFactor;  // factor of safety to reach
};

// The text the target starts with.
std::string defaultTargetFactorText();

// A critical circle with what the window shows of it. Points are in the
// frame of the section: metres from the toe, x away from the pit, y up.
struct ShownCircle {
    double factorOfSafety = 0;
    bool meetsTarget = false;
    stability::Circle circle;
    stability::Point exitPoint;  // toward the pit
    stability::Point entryPoint; // at the back
    std::vector<stability::Slice> slices;
    bool onGridBorder = false;
};

// The stability check of the drawn design, ready to show: either `problems`
// (why there are no figures, in the user's words) or the figures with their
// words. Every number in it is finite.
struct StabilityAnalysis {
    std::vector<std::string> problems;
    bool hasFigures() const { return problems.empty(); }
    // The problems, one per line.
    std::string message() const;

    // The ground model's surface from the far end of the pit floor to the
    // far end of the ground behind the crest; empty without a drawn design.
    // Kept beside a problem with the inputs, so the section still shows.
    std::vector<stability::Point> surface;
    double slopeHeight = 0;
    double minimumThickness = 0; // thinnest slip mass that counts, metres
    std::string groundModel;     // the ground model in words

    // The figures, when there are any.
    double targetFactor = 0;
    std::optional<ShownCircle> overall;
    // The worst stack, none where no stack has a mechanism of its own.
    std::optional<ShownCircle> worstStack;
    int worstStackIndex = -1; // 0 the lowest stack
    int stackCount = 0;
    bool overallWithinStack = false; // the least circle of all lies within a stack
    stability::SearchResult overallSearch;
    stability::SearchResult stackSearch; // the worst stack's, or the first stack's
    std::vector<std::string> lines;      // the figures in words
    std::string caution;                 // a critical circle on the border of the search
};

struct StabilityOptions {
    // The benches per stack the design was drawn with, for a caller that
    // follows the drawing (addDrawnDesignListener): the field can change
    // after a drawing without a new one, and the stacks must be those of the
    // section on screen. Without it, the design record's.
    std::optional<int> drawnBenchesPerStack;
    stability::SearchSettings search;
};

// Reads the inputs, refuses a design that is not drawn, and searches the
// drawn profile for its critical circles, for the whole slope and for the
// worst single stack.
StabilityAnalysis analyseDrawnDesign(const frmPitwrightMain& window,
                                     const StabilityInputTexts& inputs,
                                     const StabilityOptions& options = {});

// Points along the slip surface of a circle, from its exit to its entry
// under the centre, `segments` pieces of equal angle.
std::vector<stability::Point> slipArc(const ShownCircle& shown, int segments);

} // namespace pitwright
