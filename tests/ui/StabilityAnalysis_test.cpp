// The stability check of the drawn design, as its window asks for it: the
// README's design analysed, the figures in words, and every refusal.
#include "support/WindowFixture.h"
#include "ui/StabilityAnalysis.h"

#include <cmath>

namespace pitwright::testing {
namespace {

using enum ControlId;
using stability::Point;

const StabilityInputTexts kRock{"26", "50", "35", "1.3"};

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// Every word the window would show: problems, figures, caution, ground model.
std::string allWords(const StabilityAnalysis& a) {
    std::string words = a.message() + "\n" + a.caution + "\n" + a.groundModel;
    for (const std::string& line : a.lines) {
        words += "\n" + line;
    }
    return words;
}

bool showsNoBadNumber(const std::string& words) {
    for (const char* bad : {"nan", "NaN", "inf", "Inf", "e+", "E+"}) {
        if (contains(words, bad)) {
            return false;
        }
    }
    return true;
}

double distance(const Point& a, const Point& b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

class StabilityAnalysisTest : public WindowFixture {
protected:
    void drawReadmeDesign(const std::string& perStack = "5") {
        enterHeights("100", "10", perStack);
        enter(txtCrestToToeSlopeAngle, "45");
        enter(txtStackAngle, "60");
        enter(txtBenchAngle, "75");
        window.clicked(cmdCalcAndDraw);
        ASSERT_TRUE(platform.messages.empty());
        ASSERT_TRUE(window.hasDrawnDesign());
    }
};

TEST_F(StabilityAnalysisTest, GivesTheFiguresOfTheReadmeDesign) {
    drawReadmeDesign();
    const StabilityAnalysis a = analyseDrawnDesign(window, kRock);
    ASSERT_TRUE(a.hasFigures()) << a.message();
    ASSERT_TRUE(a.overall && a.worstStack);
    EXPECT_EQ(a.stackCount, 2);
    EXPECT_GE(a.worstStackIndex, 0);
    EXPECT_LT(a.worstStackIndex, 2);
    // The whole slope's minimum runs over the stacks' circles too.
    EXPECT_GT(a.overall->factorOfSafety, 0);
    EXPECT_LE(a.overall->factorOfSafety, a.worstStack->factorOfSafety);

    for (const ShownCircle* c : {&*a.overall, &*a.worstStack}) {
        // Exit and entry lie on the circle, the exit nearer the pit, both on
        // the ground between the floor's far end and the back ground's.
        EXPECT_NEAR(distance({c->circle.x, c->circle.y}, c->exitPoint), c->circle.radius, 1e-6);
        EXPECT_NEAR(distance({c->circle.x, c->circle.y}, c->entryPoint), c->circle.radius, 1e-6);
        EXPECT_LT(c->exitPoint.x, c->entryPoint.x);
        EXPECT_GE(c->exitPoint.x, a.surface.front().x);
        EXPECT_LE(c->entryPoint.x, a.surface.back().x);
        EXPECT_FALSE(c->slices.empty());
        EXPECT_EQ(c->meetsTarget, c->factorOfSafety >= 1.3);
    }
    // The ground model: two slope heights of floor and of ground behind.
    EXPECT_DOUBLE_EQ(a.slopeHeight, 100);
    EXPECT_DOUBLE_EQ(a.surface.front().x, -200);
    EXPECT_NEAR(a.surface.back().x, window.state().profileX(10, 1) + 200, 1e-9);
    EXPECT_DOUBLE_EQ(a.minimumThickness, 0.5);
    EXPECT_TRUE(contains(a.groundModel, "(200 m)"));
    EXPECT_TRUE(contains(a.groundModel, "0.5 m"));

    const std::string words = allWords(a);
    EXPECT_TRUE(showsNoBadNumber(words)) << words;
    ASSERT_GE(a.lines.size(), 4u);
    EXPECT_TRUE(contains(a.lines[0], "Whole slope: factor of safety "));
    EXPECT_TRUE(contains(a.lines[0],
                         a.overall->meetsTarget ? "meets the target 1.3" : "below the target 1.3"));
    EXPECT_TRUE(contains(a.lines[2], "of 2 (benches "));
    EXPECT_TRUE(contains(words, "a grid of 12 \u00D7 12 centres"));
}

TEST_F(StabilityAnalysisTest, TheTargetDecidesTheVerdictInWords) {
    drawReadmeDesign();
    StabilityInputTexts inputs = kRock;
    inputs.targetFactor = "0.5";
    const StabilityAnalysis low = analyseDrawnDesign(window, inputs);
    ASSERT_TRUE(low.hasFigures());
    EXPECT_TRUE(low.overall->meetsTarget);
    EXPECT_TRUE(contains(low.lines[0], "meets the target 0.5"));

    inputs.targetFactor = " 3 ";
    const StabilityAnalysis high = analyseDrawnDesign(window, inputs);
    ASSERT_TRUE(high.hasFigures());
    EXPECT_FALSE(high.worstStack->meetsTarget);
    EXPECT_TRUE(contains(high.lines[2], "below the target 3"));
    // The target changes no figure.
    EXPECT_EQ(high.overall->factorOfSafety, low.overall->factorOfSafety);
}

TEST(StabilityFactorText, ShowsEnoughDecimalsToAgreeWithTheVerdict) {
    EXPECT_EQ(stabilityFactorText(1.8712, 1.3), "1.87, meets the target 1.3");
    EXPECT_EQ(stabilityFactorText(1.3, 1.3), "1.3, meets the target 1.3");
    // 1.2999 rounds to 1.3 at two decimals, yet falls short of it.
    EXPECT_EQ(stabilityFactorText(1.2999, 1.3), "1.2999, below the target 1.3");
    EXPECT_EQ(stabilityFactorText(1.246, 1.25), "1.246, below the target 1.25");
    EXPECT_EQ(stabilityFactorText(1.254, 1.25), "1.25, meets the target 1.25");
}

TEST_F(StabilityAnalysisTest, RefusesEveryUnusableInputWithItsReason) {
    drawReadmeDesign();
    struct Case {
        StabilityInputTexts inputs;
        const char* says;
    };
    const Case cases[] = {
        {{"", "50", "35", "1.3"}, "Enter the unit weight"},
        {{"0", "50", "35", "1.3"}, "unit weight must be above 0"},
        {{"-26", "50", "35", "1.3"}, "unit weight must be above 0"},
        {{"26", "-1", "35", "1.3"}, "cohesion cannot be below 0"},
        {{"26", "50", "-5", "1.3"}, "friction angle cannot be below 0"},
        {{"26", "50", "90", "1.3"}, "friction angle must be below 90"},
        {{"26", "50", "135", "1.3"}, "friction angle must be below 90"},
        {{"26", "50", "35", "0"}, "target factor of safety must be above 0"},
        {{"26", "50", "35", ""}, "Enter the target factor of safety"},
        {{"26,5", "50", "35", "1.3"}, "\"26,5\" has a comma"},
        {{"26", "50 kPa", "35", "1.3"}, "\"50 kPa\" is not a number"},
        {{"26", "50", "nan", "1.3"}, "\"nan\" is not a number"},
        {{"26", "50", "inf", "1.3"}, "\"inf\" is not a number"},
        {{"26", "50", "35", "1.3.1"}, "\"1.3.1\" is not a number"},
        {{"26", "50", "+-35", "1.3"}, "\"+-35\" is not a number"},
        {{"1e999", "50", "35", "1.3"}, "\"1e999\" is beyond the range"},
    };
    for (const Case& c : cases) {
        const StabilityAnalysis a = analyseDrawnDesign(window, c.inputs);
        ASSERT_EQ(a.problems.size(), 1u) << c.says;
        EXPECT_TRUE(contains(a.problems[0], c.says)) << a.problems[0];
        EXPECT_FALSE(a.overall);
        EXPECT_TRUE(a.lines.empty());
        // The section still shows beside the question about an input.
        EXPECT_FALSE(a.surface.empty());
    }
    // Each unusable input is named, in the order of the window.
    const StabilityAnalysis all = analyseDrawnDesign(window, {"x", "-1", "90", "-2"});
    ASSERT_EQ(all.problems.size(), 4u);
    EXPECT_TRUE(contains(all.problems[0], "unit weight"));
    EXPECT_TRUE(contains(all.problems[3], "target"));
}

TEST_F(StabilityAnalysisTest, ReadsNumbersWithBlanksSignsAndExponents) {
    drawReadmeDesign();
    const StabilityAnalysis plain = analyseDrawnDesign(window, kRock);
    const StabilityAnalysis written = analyseDrawnDesign(window, {" +26 ", "5e1", "35.", "1.30"});
    ASSERT_TRUE(written.hasFigures()) << written.message();
    EXPECT_EQ(written.overall->factorOfSafety, plain.overall->factorOfSafety);
    EXPECT_TRUE(analyseDrawnDesign(window, {"26", "0", "0.0", ".5"}).hasFigures());
}

TEST_F(StabilityAnalysisTest, SaysThereIsNoDrawnDesignBeforeADrawingAndAfterAReset) {
    auto saysNoDesign = [&] {
        const StabilityAnalysis a = analyseDrawnDesign(window, kRock);
        return a.problems.size() == 1 && contains(a.problems[0], "no drawn design") &&
               contains(a.problems[0], "\"Accept values and draw picture\"") && a.surface.empty() &&
               !a.overall;
    };
    EXPECT_TRUE(saysNoDesign());
    // Typed but not drawn.
    enterHeights("100", "10", "5");
    enter(txtCrestToToeSlopeAngle, "45");
    enter(txtStackAngle, "60");
    enter(txtBenchAngle, "75");
    EXPECT_TRUE(saysNoDesign());

    window.clicked(cmdCalcAndDraw);
    EXPECT_TRUE(analyseDrawnDesign(window, kRock).hasFigures());
    window.clicked(cmdClearPicture);
    EXPECT_TRUE(saysNoDesign());
    window.clicked(cmdCalcAndDraw);
    window.clicked(cmdResetValues);
    EXPECT_TRUE(saysNoDesign());

    // Both the missing design and an unusable input are said.
    const StabilityAnalysis both = analyseDrawnDesign(window, {"0", "50", "35", "1.3"});
    ASSERT_EQ(both.problems.size(), 2u);
    EXPECT_EQ(both.message(), both.problems[0] + "\n" + both.problems[1]);
}

// Benches per stack changed after the drawing, with no new drawing: the
// stacks are still those of the section on screen when the caller followed
// the drawing.
TEST_F(StabilityAnalysisTest, KeepsTheStacksOfTheDrawing) {
    drawReadmeDesign();
    const int drawnPerStack = window.state().benchesPerStack;
    enter(txtBenchesPerStack, "2");
    ASSERT_EQ(window.state().benchesPerStack, 2);
    ASSERT_TRUE(window.hasDrawnDesign());
    StabilityOptions options;
    options.drawnBenchesPerStack = drawnPerStack;
    const StabilityAnalysis a = analyseDrawnDesign(window, kRock, options);
    ASSERT_TRUE(a.hasFigures());
    EXPECT_EQ(a.stackCount, 2);
    EXPECT_TRUE(contains(a.lines[2], "of 2 (benches "));

    // A caller that did not follow the drawing is told to draw again: the
    // section's berms are not where stacks of 2 put them.
    const StabilityAnalysis unsure = analyseDrawnDesign(window, kRock);
    ASSERT_EQ(unsure.problems.size(), 1u);
    EXPECT_TRUE(contains(unsure.problems[0], "benches per stack changed"));
    enter(txtBenchesPerStack, "5");
    EXPECT_TRUE(analyseDrawnDesign(window, kRock).hasFigures());
}

TEST_F(StabilityAnalysisTest, CautionsWhenACriticalCircleIsOnTheBorderOfItsSearch) {
    drawReadmeDesign();
    StabilityAnalysis a = analyseDrawnDesign(window, kRock);
    ASSERT_TRUE(a.hasFigures());
    EXPECT_EQ(a.caution, "");

    a.overallWithinStack = false;
    a.worstStack->onGridBorder = true;
    EXPECT_TRUE(contains(stabilityCautionText(a), "Caution: the critical circle of the worst "
                                                  "stack lies on the border of the search; a "
                                                  "wider search might find a lower factor"));
    a.overall->onGridBorder = true;
    EXPECT_TRUE(contains(stabilityCautionText(a), "of the whole slope and of the worst stack"));
    // The least circle of all taken from a stack is said once.
    a.overallWithinStack = true;
    EXPECT_TRUE(contains(stabilityCautionText(a), "the critical circle of the whole slope lies"));
    a.worstStack.reset();
    EXPECT_TRUE(contains(stabilityCautionText(a), "the critical circle of the whole slope lies"));
}

TEST_F(StabilityAnalysisTest, ExplainsWhenNoSlipMassIsThickEnough) {
    drawReadmeDesign();
    StabilityOptions options;
    options.search.minimumThickness = 500; // thicker than the wall is high
    const StabilityAnalysis a = analyseDrawnDesign(window, kRock, options);
    ASSERT_EQ(a.problems.size(), 1u);
    EXPECT_TRUE(contains(a.problems[0], "No slip circle")) << a.problems[0];
    EXPECT_TRUE(contains(a.problems[0], "500 m"));
}

// Stacks of one 0.1 m bench: no slip mass within a stack reaches the
// thinnest that counts, while the whole slope has one.
TEST_F(StabilityAnalysisTest, ReportsNoWorstStackWhereNoStackHasAMechanism) {
    enterHeights("0.2", "0.1", "1");
    enter(txtCrestToToeSlopeAngle, "45");
    enter(txtStackAngle, "60");
    enter(txtBenchAngle, "75");
    window.clicked(cmdCalcAndDraw);
    ASSERT_TRUE(window.hasDrawnDesign());
    const StabilityAnalysis a = analyseDrawnDesign(window, kRock);
    ASSERT_TRUE(a.hasFigures()) << a.message();
    EXPECT_FALSE(a.worstStack);
    EXPECT_EQ(a.worstStackIndex, -1);
    EXPECT_EQ(a.lines[2], "Worst stack: none; no circle that enters and leaves within one stack "
                          "cuts off a slip mass 0.1 m thick or more.");
    EXPECT_TRUE(contains(allWords(a), "circles tried for the lowest stack."));
    EXPECT_EQ(stabilityLegend(a).worstStack, "Worst stack: none");
}

TEST_F(StabilityAnalysisTest, TheSlipArcRunsUnderTheCentreFromExitToEntry) {
    drawReadmeDesign();
    const StabilityAnalysis a = analyseDrawnDesign(window, kRock);
    ASSERT_TRUE(a.hasFigures());
    const ShownCircle& c = *a.overall;
    const std::vector<Point> arc = slipArc(c, 64);
    ASSERT_EQ(arc.size(), 65u);
    EXPECT_EQ(arc.front(), c.exitPoint);
    EXPECT_EQ(arc.back(), c.entryPoint);
    for (const Point& p : arc) {
        EXPECT_NEAR(distance(p, {c.circle.x, c.circle.y}), c.circle.radius, 1e-6);
        EXPECT_LE(p.y, c.circle.y + 1e-9);
    }

    // An exit level with the centre on the pit side starts at the angle pi.
    ShownCircle level;
    level.circle = {0, 0, 10};
    level.exitPoint = {-10, 0};
    level.entryPoint = {10, 0};
    const std::vector<Point> half = slipArc(level, 2);
    ASSERT_EQ(half.size(), 3u);
    EXPECT_NEAR(half[1].x, 0, 1e-9);
    EXPECT_NEAR(half[1].y, -10, 1e-9);
    EXPECT_TRUE(slipArc(level, 0).empty());
}

} // namespace
} // namespace pitwright::testing
