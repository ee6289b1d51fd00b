#include "section/SectionSheet.h"

#include "model/Angles.h"
#include "model/NumberText.h"
#include "section/PaperScale.h"
#include "section/SectionMeasures.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <optional>
#include <string>

namespace pitwright {
namespace {

// Sizes on paper, in millimetres.
constexpr double kBorder = 10;      // from the paper's edge to its border line
constexpr double kInset = 4;        // between the border and what lies within it
constexpr double kColumnWidth = 88; // the right-hand column: detail over title block
constexpr double kColumnGap = 6;    // between the main view and that column
constexpr double kTextHeight = 2.5; // figures, labels and title block rows
constexpr double kHeadingHeight = 3.5;
constexpr double kRowHeight = 5;      // of the title block, when its rows fit
constexpr double kTitleShare = 0.6;   // of the column the title block may take at most
constexpr double kGroundLength = 12;  // pit floor and ground surface of the main view
constexpr double kDetailGround = 8;   // pit floor of the detail
constexpr double kFirstDimension = 6; // from the object to its dimension line
constexpr double kDimensionStep = 8;  // between dimension lines side by side
constexpr double kExtensionGap = 1;   // between the object and its extension line
constexpr double kExtensionBeyond = 1.5;
constexpr double kTick = 1.2;  // half the length of a dimension line's end tick
constexpr double kTextGap = 1; // between a line and its text
constexpr double kLedgeDimensionRise = 5;
constexpr double kScaleBarBand = 16; // under the main view, for the scale bar
constexpr double kScaleBarLongest = 60;
constexpr double kScaleBarHeight = 1.5;
constexpr double kSmallestDetail = 40; // a detail box lower than this is left out

// A typical stack shows this many benches at most, so that a bench stays
// legible in the detail however many benches a stack has.
constexpr int kDetailMostBenches = 11;

// The detail is drawn when the main view shows the typical stack at less
// than half the size the detail would.
constexpr double kDetailGain = 2;

// Decimals of the figures, as the window shows the same kinds of figure.
constexpr int kHeightDecimals = 3;
constexpr int kWidthDecimals = 2;
constexpr int kExtentDecimals = 3;
constexpr int kAngleDecimals = 1;

const std::string kDegree = "\xC2\xB0";

std::string metresText(double value, int decimals) {
    return formatRounded(value, decimals) + " m";
}

std::string degreesText(double value) {
    return formatRounded(value, kAngleDecimals) + kDegree;
}

std::string ratioText(double scale) {
    return "1:" + formatCount(static_cast<std::int64_t>(scale));
}

struct PaperBox {
    double left = 0;
    double bottom = 0;
    double right = 0;
    double top = 0;
    double width() const { return right - left; }
    double height() const { return top - bottom; }
};

struct Bands {
    double left = 0;
    double right = 0;
    double bottom = 0;
    double top = 0;
};

struct Bounds {
    double xmin = HUGE_VAL;
    double xmax = -HUGE_VAL;
    double ymin = HUGE_VAL;
    double ymax = -HUGE_VAL;
    void add(SheetPoint p) {
        xmin = std::min(xmin, p.x);
        xmax = std::max(xmax, p.x);
        ymin = std::min(ymin, p.y);
        ymax = std::max(ymax, p.y);
    }
    double width() const { return xmax - xmin; }
    double height() const { return ymax - ymin; }
};

struct Profile {
    const DrawnSection& section;
    SheetPoint at(int row, int column) const {
        const auto r = static_cast<std::size_t>(row);
        const auto c = static_cast<std::size_t>(column);
        return {section.profileX(r, c), section.profileY(r, c)};
    }
};

// Where a view puts the profile on the sheet: origin + factor x profile.
// The main view is the profile itself, in metres.
struct View {
    SheetPoint origin;
    double factor = 1;
    double groundMm = kGroundLength;
    SheetPoint operator()(SheetPoint p) const {
        return {origin.x + factor * p.x, origin.y + factor * p.y};
    }
};

// The ratio at which `bounds` fits into `box` with `bands` kept free around
// it, and the paper point where the bounds' lower left corner then lies,
// centred in what is left. Scale 0 when it does not fit.
struct Placement {
    double scale = 0;
    double paperX = 0;
    double paperY = 0;
};

Placement placeInBox(const Bounds& bounds, const PaperBox& box, const Bands& bands) {
    const double width = box.width() - bands.left - bands.right;
    const double height = box.height() - bands.bottom - bands.top;
    if (!(width > 0) || !(height > 0)) {
        return {};
    }
    const double needed = std::max(bounds.width() * 1000 / width, bounds.height() * 1000 / height);
    const double scale = roundScaleAtLeast(needed);
    if (!(scale > 0)) {
        return {};
    }
    return {scale, box.left + bands.left + (width - bounds.width() * 1000 / scale) / 2,
            box.bottom + bands.bottom + (height - bounds.height() * 1000 / scale) / 2};
}

// Where along a line of `parts` equal parts (stacks or benches) the middle of
// the part nearest four fifths of its length lies, as a fraction of it.
double middleOfUpperPart(int parts) {
    if (parts < 1) {
        return 0.5;
    }
    const double part = std::clamp(std::round(0.8 * parts - 0.5), 0.0, parts - 1.0);
    return (part + 0.5) / parts;
}

// Which of the dimensions of one bench, ledge and stack a view carries.
struct Representatives {
    bool benchHeight = false;
    bool faceAngle = false;
    bool stepOut = false;
    bool berm = false;
    bool stack = false;
};

int leftDimensionCount(const Representatives& r) {
    return (r.benchHeight ? 1 : 0) + (r.stack ? 1 : 0);
}

double leftBand(double groundMm, int dimensions) {
    return groundMm + kFirstDimension + std::max(0, dimensions - 1) * kDimensionStep + kTextGap +
           kTextHeight + 1;
}

double topBand(int dimensions) {
    return kFirstDimension + std::max(0, dimensions - 1) * kDimensionStep + kTextGap + kTextHeight +
           1;
}

// Draws in paper terms (millimetres, text heights) onto the model sheet.
class Draughtsman {
public:
    Draughtsman(Sheet& sheet, const SheetFrame& frame)
        : sheet_(sheet), frame_(frame), mm_(frame.metresPerMillimetre()) {}

    Sheet& sheet() { return sheet_; }
    double mm(double millimetres) const { return millimetres * mm_; }
    SheetPoint paper(double x, double y) const {
        return {frame_.paperOrigin.x + x * mm_, frame_.paperOrigin.y + y * mm_};
    }

    void line(SheetLayer layer, SheetPoint from, SheetPoint to) {
        if (from != to) {
            sheet_.line(layer, from, to);
        }
    }

    void dashedLine(SheetPoint from, SheetPoint to) {
        if (from != to) {
            sheet_.dashedLine(SheetLayer::Dimensions, from, to);
        }
    }

    void text(SheetPoint at, std::string_view text, TextAlign align, TextBaseline baseline,
              double rotation = 0, double heightMm = kTextHeight) {
        sheet_.text(SheetLayer::Text, SheetText{at, mm(heightMm), rotation, align, baseline, text});
    }

    void rectangle(SheetLayer layer, SheetPoint lowerLeft, SheetPoint upperRight) {
        const SheetPoint corners[] = {lowerLeft,
                                      {upperRight.x, lowerLeft.y},
                                      upperRight,
                                      {lowerLeft.x, upperRight.y},
                                      lowerLeft};
        sheet_.polyline(layer, corners);
    }

    // A horizontal dimension of the points a (left) and b (right) on a line
    // at height lineY above both; the text centred or at the right end.
    void horizontalDimension(SheetPoint a, SheetPoint b, double lineY, std::string_view value,
                             TextAlign align) {
        for (SheetPoint end : {a, b}) {
            // An object already above the dimension line needs no extension line.
            if (end.y + mm(kExtensionGap) < lineY) {
                line(SheetLayer::Dimensions, {end.x, end.y + mm(kExtensionGap)},
                     {end.x, lineY + mm(kExtensionBeyond)});
            }
        }
        line(SheetLayer::Dimensions, {a.x, lineY}, {b.x, lineY});
        tick({a.x, lineY});
        tick({b.x, lineY});
        const double x = align == TextAlign::Centre ? (a.x + b.x) / 2 : b.x;
        text({x, lineY + mm(kTextGap)}, value, align, TextBaseline::Baseline);
    }

    // A vertical dimension of the points low and high on a line at lineX left
    // of both; the text reads upwards, left of the line.
    void verticalDimension(SheetPoint low, SheetPoint high, double lineX, std::string_view value) {
        for (SheetPoint end : {low, high}) {
            if (end.x - mm(kExtensionGap) > lineX) {
                line(SheetLayer::Dimensions, {end.x - mm(kExtensionGap), end.y},
                     {lineX - mm(kExtensionBeyond), end.y});
            }
        }
        line(SheetLayer::Dimensions, {lineX, low.y}, {lineX, high.y});
        tick({lineX, low.y});
        tick({lineX, high.y});
        text({lineX - mm(kTextGap), (low.y + high.y) / 2}, value, TextAlign::Centre,
             TextBaseline::Baseline, 90);
    }

    // A text along the line from `from` to `to`, at `fraction` of its length,
    // on its left-hand side (above a line that rises to the right) or on its
    // right-hand side (below it).
    enum class Side { Above, Below };
    void lineLabel(SheetPoint from, SheetPoint to, double fraction, Side side,
                   std::string_view value) {
        const double dx = to.x - from.x;
        const double dy = to.y - from.y;
        const double length = std::hypot(dx, dy);
        if (!(length > 0)) {
            return;
        }
        // Texts read from left to right, or upwards.
        double rotation = radiansToDegrees(std::atan2(dy, dx));
        double away = side == Side::Above ? 1 : -1;
        if (rotation > 90 || rotation <= -90) {
            rotation += rotation > 0 ? -180 : 180;
            away = -away;
        }
        const double offset = away * mm(kTextGap) / length;
        const SheetPoint at{from.x + fraction * dx - offset * dy,
                            from.y + fraction * dy + offset * dx};
        text(at, value, TextAlign::Centre,
             side == Side::Above ? TextBaseline::Baseline : TextBaseline::Top, rotation);
    }

private:
    // An oblique stroke across the end of a dimension line.
    void tick(SheetPoint at) {
        line(SheetLayer::Dimensions, {at.x - mm(kTick), at.y - mm(kTick)},
             {at.x + mm(kTick), at.y + mm(kTick)});
    }

    Sheet& sheet_;
    SheetFrame frame_;
    double mm_;
};

// Everything the drawing decides before it draws.
struct SheetPlan {
    SheetFrame frame;
    PaperBox main;
    PaperBox titleBox;
    PaperBox detailBox;
    double titleRowHeight = kRowHeight;
    int titleRowCount = 0;
    Representatives inMain;
    Representatives inDetail;
    bool detail = false;
    int detailRows = 0; // the detail shows benches 1..detailRows
    double detailScale = 0;
    View detailView;
    std::optional<SheetPoint> toeToToeEnd; // where the toe-to-toe line ends
    bool toeToToeExtent = false;           // its horizontal extent is dimensioned
};

Bounds detailBounds(const Profile& p, int rows) {
    Bounds bounds;
    for (int row = 0; row < rows; ++row) {
        bounds.add(p.at(row, 0));
        bounds.add(p.at(row, 1));
    }
    bounds.add(p.at(rows, 0));
    return bounds;
}

std::optional<SheetPlan> planSheet(const SectionSheetInput& input, const SectionMeasures& m) {
    const DrawnSection& section = input.section;
    const Profile p{section};
    const int n = section.numberOfBenches;
    SheetPlan plan;

    const PaperBox column{kSheetPaperWidth - kBorder - kInset - kColumnWidth, kBorder + kInset,
                          kSheetPaperWidth - kBorder - kInset,
                          kSheetPaperHeight - kBorder - kInset};
    plan.main = {kBorder + kInset, kBorder + kInset, column.left - kColumnGap, column.top};

    plan.titleRowCount =
        (input.title.empty() ? 0 : 1) + static_cast<int>(input.titleRows.size()) + 1;
    plan.titleRowHeight = std::min(kRowHeight, kTitleShare * column.height() / plan.titleRowCount);
    plan.titleBox = {column.left, column.bottom, column.right,
                     column.bottom + plan.titleRowCount * plan.titleRowHeight};
    plan.detailBox = {column.left, plan.titleBox.top + kInset, column.right, column.top};

    // The stack is dimensioned when it is more than one bench and less than the
    // wall, the bench's height when it is not the wall's.
    const bool stackShown = section.benchesPerStack > 1 && m.stackTopRow < n;
    const bool benchHeightShown = n > 1;
    Representatives all{benchHeightShown, true, m.stepOut.has_value(), m.berm.has_value(),
                        stackShown};

    Bounds wall;
    for (int row = 0; row <= n; ++row) {
        wall.add(p.at(row, 0));
        wall.add(p.at(row, 1));
    }
    if (m.toeToToe) {
        const SheetPoint toe = p.at(0, 0);
        const SheetPoint topToe = p.at(m.toeToToe->topStackToeRow, 1);
        plan.toeToToeExtent = section.convention == InterRampConvention::ToeToToe;
        plan.toeToToeEnd = plan.toeToToeExtent
                               ? SheetPoint{toe.x + m.toeToToe->horizontal, toe.y + m.overallHeight}
                               : topToe;
        wall.add(*plan.toeToToeEnd);
    }
    const int topDimensions = plan.toeToToeExtent ? 2 : 1;
    auto mainBands = [&](const Representatives& r) {
        return Bands{leftBand(kGroundLength, leftDimensionCount(r) + 1), kGroundLength + 1,
                     kScaleBarBand, topBand(topDimensions)};
    };

    Placement main = placeInBox(wall, plan.main, mainBands(all));
    if (!(main.scale > 0)) {
        return std::nullopt;
    }

    // The typical stack: the lowest one, its berm and the face above.
    plan.detailRows = std::min(n, std::min(section.benchesPerStack, kDetailMostBenches - 1) + 1);
    const int rows = plan.detailRows;
    Representatives inDetail{benchHeightShown, true, m.stepOut && m.stepOut->row < rows,
                             m.berm && m.berm->row < rows, stackShown && m.stackTopRow <= rows};
    const bool detailIsCrest = rows == n;
    const Bands detailBands{leftBand(kDetailGround, leftDimensionCount(inDetail)),
                            (detailIsCrest ? kDetailGround : 0) + 3, 4,
                            kTextHeight + kInset + kLedgeDimensionRise + kTextGap + kTextHeight};
    const Bounds typical = detailBounds(p, rows);
    Placement detail;
    if (plan.detailBox.height() >= kSmallestDetail) {
        detail = placeInBox(typical, plan.detailBox, detailBands);
    }
    plan.detail = detail.scale > 0 && main.scale > kDetailGain * detail.scale;

    if (plan.detail) {
        plan.inDetail = inDetail;
        plan.inMain = {false, false, all.stepOut && !inDetail.stepOut, all.berm && !inDetail.berm,
                       all.stack && !inDetail.stack};
        main = placeInBox(wall, plan.main, mainBands(plan.inMain));
        if (!(main.scale > 0)) {
            return std::nullopt;
        }
    } else {
        plan.inMain = all;
    }

    const double mpm = main.scale / 1000;
    plan.frame = SheetFrame{kSheetPaperWidth,
                            kSheetPaperHeight,
                            main.scale,
                            {wall.xmin - main.paperX * mpm, wall.ymin - main.paperY * mpm}};
    if (!std::isfinite(plan.frame.paperOrigin.x) || !std::isfinite(plan.frame.paperOrigin.y)) {
        return std::nullopt;
    }

    if (plan.detail) {
        plan.detailScale = detail.scale;
        const double factor = main.scale / detail.scale;
        const SheetPoint corner{plan.frame.paperOrigin.x + detail.paperX * mpm,
                                plan.frame.paperOrigin.y + detail.paperY * mpm};
        plan.detailView = View{{corner.x - factor * typical.xmin, corner.y - factor * typical.ymin},
                               factor,
                               kDetailGround};
    }
    return plan;
}

void drawBorderAndTitle(Draughtsman& d, const SheetPlan& plan, const SectionSheetInput& input) {
    d.rectangle(SheetLayer::Frame, d.paper(kBorder, kBorder),
                d.paper(kSheetPaperWidth - kBorder, kSheetPaperHeight - kBorder));

    const PaperBox& box = plan.titleBox;
    const double row = plan.titleRowHeight;
    const double textHeight = std::min(kTextHeight, row / 2);
    const double split = box.left + box.width() * 0.55;
    const double pad = 1.5;
    d.rectangle(SheetLayer::Frame, d.paper(box.left, box.bottom), d.paper(box.right, box.top));

    double top = box.top;
    if (!input.title.empty()) {
        d.text(d.paper((box.left + box.right) / 2, top - row / 2), input.title, TextAlign::Centre,
               TextBaseline::Middle, 0, std::min(kHeadingHeight, row * 0.7));
        top -= row;
        d.line(SheetLayer::Frame, d.paper(box.left, top), d.paper(box.right, top));
    }
    d.line(SheetLayer::Frame, d.paper(split, box.bottom), d.paper(split, top));

    auto titleRow = [&](std::string_view caption, std::string_view text) {
        const double middle = top - row / 2;
        d.text(d.paper(box.left + pad, middle), caption, TextAlign::Left, TextBaseline::Middle, 0,
               textHeight);
        d.text(d.paper(split + pad, middle), text, TextAlign::Left, TextBaseline::Middle, 0,
               textHeight);
        top -= row;
        if (top > box.bottom + row / 2) {
            d.line(SheetLayer::Frame, d.paper(box.left, top), d.paper(box.right, top));
        }
    };
    for (const TitleRow& each : input.titleRows) {
        titleRow(each.caption, each.text);
    }
    titleRow("Scale", ratioText(plan.frame.scale));
}

void drawMainWall(Draughtsman& d, const Profile& p, int n) {
    std::vector<SheetPoint> wall;
    wall.reserve(2 * (static_cast<std::size_t>(n) + 1));
    for (int row = 0; row <= n; ++row) {
        wall.push_back(p.at(row, 0));
        wall.push_back(p.at(row, 1));
    }
    const SheetPoint toe = p.at(0, 0);
    const SheetPoint crest = p.at(n, 0);
    d.line(SheetLayer::Ground, {toe.x - d.mm(kGroundLength), toe.y}, toe);
    d.sheet().polyline(SheetLayer::Wall, wall);
    for (int row = 1; row <= n; ++row) {
        d.line(SheetLayer::Faces, p.at(row - 1, 1), p.at(row, 0));
        if (row < n) {
            d.line(SheetLayer::Ledges, p.at(row, 0), p.at(row, 1));
        }
    }
    d.line(SheetLayer::Ground, crest, {crest.x + d.mm(kGroundLength), crest.y});
}

void drawDetailWall(Draughtsman& d, const Profile& p, const SheetPlan& plan, int n) {
    const View& v = plan.detailView;
    const int rows = plan.detailRows;
    std::vector<SheetPoint> wall;
    for (int row = 0; row < rows; ++row) {
        wall.push_back(v(p.at(row, 0)));
        wall.push_back(v(p.at(row, 1)));
    }
    wall.push_back(v(p.at(rows, 0)));
    const SheetPoint toe = wall.front();
    d.line(SheetLayer::Ground, {toe.x - d.mm(kDetailGround), toe.y}, toe);
    d.sheet().polyline(SheetLayer::Detail, wall);
    if (rows == n) {
        const SheetPoint crest = wall.back();
        d.line(SheetLayer::Ground, crest, {crest.x + d.mm(kDetailGround), crest.y});
    }
    const PaperBox& box = plan.detailBox;
    d.rectangle(SheetLayer::Frame, d.paper(box.left, box.bottom), d.paper(box.right, box.top));
    // A stack of more benches than the detail holds shows its lowest benches.
    const bool wholeStack = p.section.benchesPerStack <= rows;
    d.text(d.paper(box.left + 2, box.top - 2),
           (wholeStack ? "Typical stack " : "Typical benches ") + ratioText(plan.detailScale),
           TextAlign::Left, TextBaseline::Top);
}

// The bench, ledge and stack dimensions a view carries; returns how many
// vertical dimensions it set left of the wall.
int drawRepresentatives(Draughtsman& d, const Profile& p, const SectionMeasures& m, const View& v,
                        const Representatives& r) {
    const SheetPoint toe = v(p.at(0, 1));
    const SheetPoint floorEnd{toe.x - d.mm(v.groundMm), toe.y};
    int left = 0;
    auto leftLine = [&] {
        return toe.x - d.mm(v.groundMm + kFirstDimension + left++ * kDimensionStep);
    };
    const SheetPoint benchTop = v(p.at(1, 0));
    if (r.benchHeight) {
        d.verticalDimension(floorEnd, benchTop, leftLine(),
                            metresText(m.benchHeight, kHeightDecimals));
    }
    if (r.faceAngle) {
        // On the pit's side of the face: the angle lines from the toe run on the other.
        d.lineLabel(toe, benchTop, 0.5, Draughtsman::Side::Above, degreesText(m.benchFaceAngle));
    }
    if (r.stack) {
        const SheetPoint top = v(p.at(m.stackTopRow, 0));
        d.verticalDimension(floorEnd, top, leftLine(), metresText(m.stackHeight, kHeightDecimals));
        d.dashedLine(toe, top);
        // The stack line crosses every step out of the stack, and runs in the
        // open by the middle of its upper benches.
        d.lineLabel(toe, top, middleOfUpperPart(m.stackTopRow), Draughtsman::Side::Above,
                    "stack " + degreesText(m.stackAngle));
    }
    auto ledge = [&](const MeasuredLedge& measured) {
        const SheetPoint from = v(p.at(measured.row, 0));
        const SheetPoint to = v(p.at(measured.row, 1));
        d.horizontalDimension(from, to, from.y + d.mm(kLedgeDimensionRise),
                              metresText(measured.width, kWidthDecimals), TextAlign::Right);
    };
    if (r.stepOut) {
        ledge(*m.stepOut);
    }
    if (r.berm) {
        ledge(*m.berm);
    }
    return left;
}

void drawOverall(Draughtsman& d, const Profile& p, const SectionMeasures& m, const SheetPlan& plan,
                 int leftDimensions) {
    const int n = p.section.numberOfBenches;
    const int benchesPerStack = p.section.benchesPerStack;
    const SheetPoint toe = p.at(0, 0);
    const SheetPoint crest = p.at(n, 0);
    const SheetPoint floorEnd{toe.x - d.mm(kGroundLength), toe.y};
    const double lineX =
        toe.x - d.mm(kGroundLength + kFirstDimension + leftDimensions * kDimensionStep);
    d.verticalDimension(floorEnd, crest, lineX, metresText(m.overallHeight, kHeightDecimals));

    const double firstTop = crest.y + d.mm(kFirstDimension);
    d.horizontalDimension(toe, crest, firstTop, metresText(m.overallHorizontal, kExtentDecimals),
                          TextAlign::Centre);

    // The crest-to-toe line crosses the wall at every berm: each stack rises
    // from below the line to above it, and over the upper part of the wall the
    // line runs in the open. Its text goes above it there, by the middle of a
    // stack (or of a bench, when the wall is one stack).
    const int stacks =
        m.toeToToe ? m.toeToToe->topStackToeRow / std::max(1, benchesPerStack) + 1 : 1;
    const std::string crestToToe = "crest-to-toe " + degreesText(m.crestToToeAngle);
    if (n == 1) {
        // The line is the face, whose angle stands on the pit's side.
        d.lineLabel(toe, crest, 0.5, Draughtsman::Side::Below, crestToToe);
    } else {
        d.dashedLine(toe, crest);
        d.lineLabel(toe, crest, middleOfUpperPart(stacks > 1 ? stacks : n),
                    Draughtsman::Side::Above, crestToToe);
    }
    if (m.toeToToe && plan.toeToToeEnd) {
        d.dashedLine(toe, *plan.toeToToeEnd);
        d.lineLabel(toe, *plan.toeToToeEnd, 0.35, Draughtsman::Side::Below,
                    "toe-to-toe " + degreesText(m.toeToToe->angle));
        if (plan.toeToToeExtent) {
            d.horizontalDimension(toe, *plan.toeToToeEnd, firstTop + d.mm(kDimensionStep),
                                  metresText(m.toeToToe->horizontal, kExtentDecimals),
                                  TextAlign::Centre);
        }
    }
}

void drawScaleBar(Draughtsman& d, const SheetPlan& plan) {
    const double mpm = plan.frame.metresPerMillimetre();
    const double length = scaleBarLength(mpm, kScaleBarLongest);
    if (!(length > 0)) {
        return;
    }
    const SheetPoint start = d.paper(plan.main.left + 2, plan.main.bottom + 8);
    const SheetPoint end{start.x + length, start.y};
    const double height = d.mm(kScaleBarHeight);
    d.rectangle(SheetLayer::Dimensions, start, {end.x, end.y + height});
    // Fifths of a bar of 1 or 5, quarters of a bar of 2.
    const double leading = length / std::pow(10.0, std::floor(std::log10(length) + 1e-9));
    const int parts = std::lround(leading) == 2 ? 4 : 5;
    for (int part = 1; part < parts; ++part) {
        const double x = start.x + length * part / parts;
        d.line(SheetLayer::Dimensions, {x, start.y}, {x, start.y + height});
    }
    const double labelY = start.y - d.mm(kTextGap);
    d.text({start.x, labelY}, "0", TextAlign::Centre, TextBaseline::Top);
    d.text({end.x, labelY}, formatGeneral(length) + " m", TextAlign::Centre, TextBaseline::Top);
    d.text({end.x + d.mm(6), start.y + height / 2}, ratioText(plan.frame.scale), TextAlign::Left,
           TextBaseline::Middle);
}

} // namespace

SheetVerdict drawSectionSheet(const SectionSheetInput& input, Sheet& sheet) {
    const SheetVerdict verdict = checkDrawnSection(input.section);
    if (verdict != SheetVerdict::Drawn) {
        return verdict;
    }
    const SectionMeasures m = measureSection(input.section);
    const std::optional<SheetPlan> plan = planSheet(input, m);
    if (!plan) {
        return SheetVerdict::TooLarge;
    }
    const Profile p{input.section};
    const int n = input.section.numberOfBenches;

    sheet.begin(plan->frame);
    Draughtsman d(sheet, plan->frame);
    drawBorderAndTitle(d, *plan, input);
    drawMainWall(d, p, n);
    const int left = drawRepresentatives(d, p, m, View{}, plan->inMain);
    drawOverall(d, p, m, *plan, left);
    if (plan->detail) {
        drawDetailWall(d, p, *plan, n);
        drawRepresentatives(d, p, m, plan->detailView, plan->inDetail);
    }
    drawScaleBar(d, *plan);
    sheet.end();
    return SheetVerdict::Drawn;
}

} // namespace pitwright
