// The section sheet through Qt's painters: the SVG holds the wall true to
// scale, the PDF and the PNG show it the right way up, and a sheet that
// cannot be drawn gives no bytes in any format.
#include "support/FourBenchSheet.h"
#include "support/RecordingSheet.h"
#include "support/SteppedWall.h"
#include "ui/qt/SectionSheetExport.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <cmath>

using namespace pitwright;

namespace {

QByteArray bytesOf(const SheetBytes& sheet) {
    return QByteArray(sheet.bytes.data(), static_cast<qsizetype>(sheet.bytes.size()));
}

SheetFrame frameOf(const SectionSheetInput& input) {
    testing::RecordingSheet sheet;
    drawSectionSheet(input, sheet);
    return sheet.frame.value_or(SheetFrame{});
}

// The profile's walk from toe to crest on the paper, in millimetres from its
// top left corner: the right way up, elevation towards the top.
QList<QPointF> wallOnPaper(const SectionSheetInput& input) {
    const SheetFrame frame = frameOf(input);
    const double mpm = frame.metresPerMillimetre();
    QList<QPointF> points;
    const DrawnSection& s = input.section;
    for (std::size_t row = 0; row < s.profileX.rows(); ++row) {
        for (std::size_t column = 0; column < 2; ++column) {
            points.append(
                {(s.profileX(row, column) - frame.paperOrigin.x) / mpm,
                 frame.paperHeight - (s.profileY(row, column) - frame.paperOrigin.y) / mpm});
        }
    }
    return points;
}

QList<QPointF> upsideDown(const QList<QPointF>& points) {
    double top = HUGE_VAL;
    double bottom = -HUGE_VAL;
    for (const QPointF& p : points) {
        top = std::min(top, p.y());
        bottom = std::max(bottom, p.y());
    }
    QList<QPointF> mirrored;
    for (const QPointF& p : points) {
        mirrored.append({p.x(), top + bottom - p.y()});
    }
    return mirrored;
}

QTransform svgTransform(QStringView text) {
    if (!text.startsWith(u"matrix(")) {
        return {};
    }
    const auto values = text.mid(7, text.size() - 8).split(u',');
    if (values.size() != 6) {
        return {};
    }
    return QTransform(values[0].toDouble(), values[1].toDouble(), values[2].toDouble(),
                      values[3].toDouble(), values[4].toDouble(), values[5].toDouble());
}

// The polyline of the most points in the SVG, mapped by the transforms of
// the groups around it into view box units.
QList<QPointF> longestSvgPolyline(const QByteArray& svg) {
    QXmlStreamReader xml(svg);
    QList<QTransform> transforms{QTransform()};
    QList<QPointF> longest;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const QTransform own =
                svgTransform(xml.attributes().value(QStringLiteral("transform")));
            transforms.append(own * transforms.last());
            if (xml.name() == u"polyline") {
                QList<QPointF> points;
                const auto pairs = xml.attributes()
                                       .value(QStringLiteral("points"))
                                       .split(u' ', Qt::SkipEmptyParts);
                for (const auto& pair : pairs) {
                    const auto xy = pair.split(u',');
                    points.append(
                        transforms.last().map(QPointF(xy[0].toDouble(), xy[1].toDouble())));
                }
                if (points.size() > longest.size()) {
                    longest = points;
                }
            }
        } else if (xml.isEndElement()) {
            transforms.removeLast();
        }
    }
    return xml.hasError() ? QList<QPointF>() : longest;
}

bool darkNear(const QImage& image, QPoint at) {
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const QPoint p = at + QPoint(dx, dy);
            if (image.rect().contains(p) && qGray(image.pixel(p)) < 128) {
                return true;
            }
        }
    }
    return false;
}

// The share of the points along the polyline (millimetres on the paper) that
// fall on dark pixels of the page's image.
double darkShare(const QImage& image, const QList<QPointF>& millimetres) {
    const double perMm = image.width() / kSheetPaperWidth;
    int dark = 0;
    int samples = 0;
    for (qsizetype i = 1; i < millimetres.size(); ++i) {
        const QPointF a = millimetres[i - 1] * perMm;
        const QPointF b = millimetres[i] * perMm;
        const int steps = static_cast<int>(QLineF(a, b).length());
        for (int step = 0; step < steps; ++step) {
            const QPointF p = a + (b - a) * step / steps;
            dark += darkNear(image, p.toPoint()) ? 1 : 0;
            ++samples;
        }
    }
    return samples > 0 ? static_cast<double>(dark) / samples : 0;
}

// Dark all along the wall where it belongs, and mostly light where it would
// run upside down.
bool showsTheWallRightWayUp(const QImage& page, const SectionSheetInput& input) {
    const QList<QPointF> wall = wallOnPaper(input);
    return darkShare(page, wall) > 0.95 && darkShare(page, upsideDown(wall)) < 0.4;
}

QString goldenFile(const char* name) {
    return QStringLiteral(PITWRIGHT_GOLDEN_DIR "/") + QLatin1String(name);
}

} // namespace

class SectionSheetExportTest : public QObject {
    Q_OBJECT

private slots:
    void svgHoldsTheWallTrueToScale() {
        for (int n : {4, 1000}) {
            const auto wall = testing::steppedWall(n);
            const SectionSheetInput input{
                drawnSectionOf(*wall, InterRampConvention::CrestToToe), "Section", {}};
            const SheetBytes svg = renderSectionSheet(input, SheetFormat::Svg);
            QVERIFY(svg.ok());
            const QByteArray bytes = bytesOf(svg);
            QVERIFY(bytes.contains("viewBox=\"0 0 297 210\""));
            QVERIFY(bytes.contains("width=\"297mm\" height=\"210mm\""));

            const QList<QPointF> expected = wallOnPaper(input);
            const QList<QPointF> found = longestSvgPolyline(bytes);
            QCOMPARE(found.size(), expected.size());
            // Six significant digits of the SVG writer, against the extent.
            const double extent = std::max(std::abs(expected.last().x() - expected.first().x()),
                                           std::abs(expected.last().y() - expected.first().y()));
            for (qsizetype i = 0; i < found.size(); ++i) {
                const QPointF miss = found[i] - expected[i];
                QVERIFY2(std::hypot(miss.x(), miss.y()) <= 1e-5 * extent,
                         qPrintable(QStringLiteral("point %1 of %2 benches").arg(i).arg(n)));
            }
        }
    }

    void svgOfTheFourBenchWallIsItsGoldenFile() {
        testing::FourBenchSheet four;
        const SheetBytes svg = renderSectionSheet(four.input, SheetFormat::Svg);
        QVERIFY(svg.ok());
        QCOMPARE(renderSectionSheet(four.input, SheetFormat::Svg).bytes, svg.bytes);
        QFile golden(goldenFile("four-bench-wall.svg"));
        if (qEnvironmentVariableIsSet("PITWRIGHT_UPDATE_GOLDEN")) {
            QVERIFY(golden.open(QIODevice::WriteOnly));
            golden.write(bytesOf(svg));
            golden.close();
        }
        QVERIFY(golden.open(QIODevice::ReadOnly));
        QVERIFY2(golden.readAll() == bytesOf(svg),
                 "differs from the golden file; PITWRIGHT_UPDATE_GOLDEN=1 writes it anew");
    }

    void pdfShowsTheWallRightWayUp() {
        testing::FourBenchSheet four;
        const SheetBytes pdf = renderSectionSheet(four.input, SheetFormat::Pdf);
        QVERIFY(pdf.ok());
        QVERIFY(bytesOf(pdf).startsWith("%PDF-"));

        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        QFile file(folder.filePath(QStringLiteral("sheet.pdf")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytesOf(pdf));
        file.close();
        QProcess render;
        render.start(QStringLiteral("pdftoppm"),
                     {QStringLiteral("-r"), QStringLiteral("100"), QStringLiteral("-gray"),
                      QStringLiteral("-singlefile"), file.fileName(),
                      folder.filePath(QStringLiteral("page"))});
        QVERIFY2(render.waitForFinished(60000) && render.exitCode() == 0,
                 render.readAllStandardError().constData());
        const QImage page(folder.filePath(QStringLiteral("page.pgm")));
        QVERIFY(!page.isNull());
        // One A4 landscape page, 842 by 595 points.
        QCOMPARE(page.height(), 827);
        QVERIFY(std::abs(page.width() - 1169.4) < 1);

        QVERIFY(showsTheWallRightWayUp(page, four.input));
    }

    void pngShowsTheWallRightWayUp() {
        testing::FourBenchSheet four;
        const auto tall = testing::steppedWall(1000);
        const SectionSheetInput inputs[] = {
            four.input, {drawnSectionOf(*tall, InterRampConvention::CrestToToe), "Section", {}}};
        for (const SectionSheetInput& input : inputs) {
            const SheetBytes png = renderSectionSheet(input, SheetFormat::Png);
            QVERIFY(png.ok());
            QImage image;
            QVERIFY(image.loadFromData(bytesOf(png), "PNG"));
            QCOMPARE(image.size(), QSize(kSheetPngWidth, kSheetPngHeight));
            QCOMPARE(image.dotsPerMeterX(), 5906);

            QVERIFY(showsTheWallRightWayUp(image, input));
        }
    }

    void refusesInEveryFormat() {
        const auto none = testing::steppedWall(0);
        const SectionSheetInput input{
            drawnSectionOf(*none, InterRampConvention::CrestToToe), "Section", {}};
        for (SheetFormat format :
             {SheetFormat::Svg, SheetFormat::Pdf, SheetFormat::Png, SheetFormat::Dxf}) {
            const SheetBytes refused = renderSectionSheet(input, format);
            QVERIFY(!refused.ok());
            QCOMPARE(refused.verdict, SheetVerdict::NoBenches);
            QVERIFY(!refused.writerFailed);
            QVERIFY(refused.bytes.empty());
        }
    }
};

QTEST_MAIN(SectionSheetExportTest)
#include "SectionSheetExport_test.moc"
