#include "ui/qt/PrintedOutline.h"

#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <optional>

namespace pitwright::testing {
namespace {

constexpr double kMmPerInch = 25.4;
// Steps along a line and across it, in page pixels.
constexpr double kStepAlong = 0.5;
constexpr double kStepAcross = 0.25;
// A point this dark belongs to a stroke.
constexpr double kInk = 0.25;

// How dark the page is at a point, 0 (white) to 1 (black), between pixels
// by bilinear interpolation; white outside the page.
double darkness(const QImage& page, QPointF at) {
    const double x = at.x() - 0.5;
    const double y = at.y() - 0.5;
    const int x0 = static_cast<int>(std::floor(x));
    const int y0 = static_cast<int>(std::floor(y));
    const double fx = x - x0;
    const double fy = y - y0;
    auto dark = [&page](int px, int py) {
        if (px < 0 || py < 0 || px >= page.width() || py >= page.height()) {
            return 0.0;
        }
        return 1.0 - qGray(page.pixel(px, py)) / 255.0;
    };
    return (1 - fy) * ((1 - fx) * dark(x0, y0) + fx * dark(x0 + 1, y0)) +
           fy * ((1 - fx) * dark(x0, y0 + 1) + fx * dark(x0 + 1, y0 + 1));
}

double distanceToSegment(QPointF point, const QLineF& segment) {
    const QPointF d = segment.p2() - segment.p1();
    const double lengthSquared = QPointF::dotProduct(d, d);
    double t = lengthSquared > 0 ? QPointF::dotProduct(point - segment.p1(), d) / lengthSquared : 0;
    t = std::clamp(t, 0.0, 1.0);
    const QPointF nearest = segment.p1() + t * d;
    return std::hypot(point.x() - nearest.x(), point.y() - nearest.y());
}

double median(std::vector<double> values) {
    if (values.empty()) {
        return 0;
    }
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

// One look across a line at one place along it.
struct Crossing {
    bool judged = false;  // the place lies clear of every other line
    bool covered = false; // ink where the line belongs
    int strokes = 0;      // separate runs of ink across it
    std::optional<double> width;
};

struct Geometry {
    double reach;     // how far to either side a crossing looks
    double centre;    // how far from its place the line's ink may lie
    double neighbour; // ink of another line lies this close to it
};

Crossing crossAt(const QImage& page, const std::vector<QLineF>& lines, std::size_t self, QPointF at,
                 QPointF normal, const Geometry& g) {
    const int steps = static_cast<int>(std::ceil(g.reach / kStepAcross));
    const int count = 2 * steps + 1;
    std::vector<double> dark(static_cast<std::size_t>(count));
    std::vector<bool> masked(static_cast<std::size_t>(count));
    bool centreClear = true;
    for (int k = 0; k < count; ++k) {
        const double s = (k - steps) * kStepAcross;
        const QPointF point = at + s * normal;
        bool nearOther = false;
        for (std::size_t j = 0; j < lines.size() && !nearOther; ++j) {
            nearOther = j != self && distanceToSegment(point, lines[j]) < g.neighbour;
        }
        masked[static_cast<std::size_t>(k)] = nearOther;
        dark[static_cast<std::size_t>(k)] = darkness(page, point);
        centreClear = centreClear && !(nearOther && std::abs(s) <= g.centre);
    }
    // Where another line meets this one, its ink hides this one's.
    Crossing crossing;
    if (!centreClear) {
        return crossing;
    }
    crossing.judged = true;

    struct Run {
        int first;
        int last;
    };
    std::vector<Run> runs;
    for (int k = 0; k < count; ++k) {
        const auto i = static_cast<std::size_t>(k);
        if (masked[i] || dark[i] < kInk) {
            continue;
        }
        if (!runs.empty() && runs.back().last == k - 1) {
            runs.back().last = k;
        } else {
            runs.push_back({k, k});
        }
    }
    crossing.strokes = static_cast<int>(runs.size());
    for (const Run& run : runs) {
        const double from = (run.first - steps) * kStepAcross;
        const double to = (run.last - steps) * kStepAcross;
        crossing.covered = crossing.covered || (from <= g.centre && to >= -g.centre);
    }
    if (runs.size() == 1) {
        // The ink across the run with its soft edges; only where nothing
        // else lies beside it.
        const int margin = static_cast<int>(std::ceil(2.0 / kStepAcross));
        const int from = runs[0].first - margin;
        const int to = runs[0].last + margin;
        if (from >= 0 && to < count) {
            double sum = 0;
            bool clear = true;
            for (int k = from; k <= to && clear; ++k) {
                clear = !masked[static_cast<std::size_t>(k)];
                sum += dark[static_cast<std::size_t>(k)] * kStepAcross;
            }
            if (clear) {
                crossing.width = sum;
            }
        }
    }
    return crossing;
}

} // namespace

PrintedOutline checkPrintedOutline(const QImage& page, int dotsPerInch,
                                   const std::vector<PictureBox::Stroke>& strokes,
                                   const QTransform& pictureToPage) {
    PrintedOutline result;
    if (page.isNull()) {
        result.faults << QStringLiteral("there is no page image");
        return result;
    }
    const double pixelsPerMm = dotsPerInch / kMmPerInch;
    const double pictureStep = std::sqrt(std::abs(pictureToPage.determinant()));
    Geometry g;
    g.reach = 1.0 * pixelsPerMm;
    g.centre = 1.5 * pictureStep + 1.0;
    g.neighbour = 0.4 * pixelsPerMm + 1.5;

    std::vector<QLineF> lines;
    for (const PictureBox::Stroke& stroke : strokes) {
        lines.push_back(pictureToPage.map(stroke.line));
    }
    std::vector<double> thin;
    std::vector<double> wall;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const QLineF& line = lines[i];
        const double length = line.length();
        if (length < kStepAlong) {
            continue;
        }
        const QPointF along = (line.p2() - line.p1()) / length;
        const QPointF normal(-along.y(), along.x());
        int gaps = 0;
        int doubled = 0;
        double firstGap = -1;
        for (double t = 0; t <= length; t += kStepAlong) {
            const Crossing crossing = crossAt(page, lines, i, line.p1() + t * along, normal, g);
            if (!crossing.judged) {
                continue;
            }
            ++result.samples;
            if (!crossing.covered) {
                gaps += 1;
                firstGap = firstGap < 0 ? t : firstGap;
            } else if (crossing.strokes > 1) {
                doubled += 1;
            }
            if (crossing.width && crossing.strokes == 1) {
                (strokes[i].width >= 2 ? wall : thin).push_back(*crossing.width / pixelsPerMm);
            }
        }
        if (gaps > 0 || doubled > 0) {
            result.faults << QStringLiteral("line %1 from (%2, %3) to (%4, %5), pen %6: %7 gap(s) "
                                            "(the first %8 px along), %9 place(s) in two strokes")
                                 .arg(i)
                                 .arg(strokes[i].line.x1())
                                 .arg(strokes[i].line.y1())
                                 .arg(strokes[i].line.x2())
                                 .arg(strokes[i].line.y2())
                                 .arg(strokes[i].width)
                                 .arg(gaps)
                                 .arg(firstGap)
                                 .arg(doubled);
        }
    }
    result.thinWidthMm = median(thin);
    result.wallWidthMm = median(wall);
    return result;
}

QImage rasterisePart(const QString& pdf, int dotsPerInch, const QRect& part) {
    QTemporaryDir folder;
    const QString stem = folder.filePath(QStringLiteral("page"));
    QProcess::execute(QStringLiteral("pdftoppm"),
                      {QStringLiteral("-r"), QString::number(dotsPerInch), QStringLiteral("-gray"),
                       QStringLiteral("-x"), QString::number(part.x()), QStringLiteral("-y"),
                       QString::number(part.y()), QStringLiteral("-W"),
                       QString::number(part.width()), QStringLiteral("-H"),
                       QString::number(part.height()), QStringLiteral("-singlefile"),
                       QStringLiteral("-png"), pdf, stem});
    return QImage(stem + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

} // namespace pitwright::testing
