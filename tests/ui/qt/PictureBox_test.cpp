// The section drawing as it lands on screen: the worked example of a
// four-bench wall painted at 560 x 520, and a drawing that survives
// repainting.
#include "section/SectionDrawing.h"
#include "section/SectionProfile.h"
#include "support/FourBenchWall.h"
#include "ui/qt/PictureBox.h"

#include <QImage>
#include <QPainter>
#include <QTest>

#include <cmath>
#include <vector>

using namespace pitwright;

namespace {

// Where the outline must run at 560 x 520, in pixels.
const std::vector<QLineF> kOutline = [] {
    const QPointF p[] = {{15, 15},           {115, 15},          {163.529, 112.059},
                         {192.647, 112.059}, {241.176, 209.118}, {318.824, 209.118},
                         {367.353, 306.176}, {396.471, 306.176}, {445, 403.235},
                         {545, 403.235},     {545, 453.235},     {15, 453.235}};
    std::vector<QLineF> lines;
    for (std::size_t i = 1; i < std::size(p); ++i) {
        lines.emplace_back(p[i - 1], p[i]);
    }
    lines.emplace_back(p[std::size(p) - 1], p[0]);
    return lines;
}();

double distanceToSegment(const QPointF& point, const QLineF& segment) {
    const QPointF d = segment.p2() - segment.p1();
    const double lengthSquared = QPointF::dotProduct(d, d);
    double t = lengthSquared > 0 ? QPointF::dotProduct(point - segment.p1(), d) / lengthSquared : 0;
    t = std::clamp(t, 0.0, 1.0);
    const QPointF nearest = segment.p1() + t * d;
    return std::hypot(point.x() - nearest.x(), point.y() - nearest.y());
}

bool isBlack(const QImage& image, int x, int y) {
    return x >= 0 && y >= 0 && x < image.width() && y < image.height() &&
           qGray(image.pixel(x, y)) < 64;
}

int blackRunDown(const QImage& image, int x, int fromY, int toY) {
    int count = 0;
    for (int y = fromY; y <= toY; ++y) {
        count += isBlack(image, x, y) ? 1 : 0;
    }
    return count;
}

int blackRunAcross(const QImage& image, int y, int fromX, int toX) {
    int count = 0;
    for (int x = fromX; x <= toX; ++x) {
        count += isBlack(image, x, y) ? 1 : 0;
    }
    return count;
}

} // namespace

class PictureBoxTest : public QObject {
    Q_OBJECT

private:
    // A picture whose usable area is 560 x 520, with the example drawn.
    void drawExample(PictureBox& picture) {
        picture.resize(562, 522);
        QCOMPARE(picture.ScaleWidth(), 560.0f);
        QCOMPARE(picture.ScaleHeight(), 520.0f);
        SlopeDesignState state = testing::fourBenchWall();
        QVERIFY(buildSectionProfile(state));
        QCOMPARE(drawSection(state, picture), SectionDrawing::Drawn);
    }

    static QImage paintedStrokes(const PictureBox& picture) {
        QImage image(560, 520, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        picture.paintStrokes(painter);
        return image;
    }

private slots:
    void theWorkedExampleLiesOnItsSegments() {
        PictureBox picture;
        drawExample(picture);
        const QImage image = paintedStrokes(picture);

        int black = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (!isBlack(image, x, y)) {
                    continue;
                }
                ++black;
                double nearest = 1e9;
                for (const QLineF& segment : kOutline) {
                    nearest =
                        std::min(nearest, distanceToSegment(QPointF(x + 0.5, y + 0.5), segment));
                }
                QVERIFY2(nearest <= 2.5, qPrintable(QString("stray pixel at %1,%2").arg(x).arg(y)));
            }
        }
        QVERIFY(black > 1500);

        // And the whole outline is there: every segment is covered.
        for (const QLineF& segment : kOutline) {
            for (double t = 0; t <= 1.0; t += 0.05) {
                const QPointF at = segment.pointAt(t);
                bool found = false;
                for (int dy = -2; dy <= 2 && !found; ++dy) {
                    for (int dx = -2; dx <= 2 && !found; ++dx) {
                        found = isBlack(image, static_cast<int>(at.x()) + dx,
                                        static_cast<int>(at.y()) + dy);
                    }
                }
                QVERIFY2(found, qPrintable(QString("gap near %1,%2").arg(at.x()).arg(at.y())));
            }
        }
    }

    void theWallIsTwiceAsThickAsTheThinLines() {
        PictureBox picture;
        drawExample(picture);
        const QImage image = paintedStrokes(picture);
        // Floor line (y 15) and ledges (y 112, 209, 306) crossed upright;
        // closing left side (x 15) and a face crossed sideways.
        QCOMPARE(blackRunDown(image, 60, 5, 25), 1);
        QCOMPARE(blackRunDown(image, 470, 395, 410), 1);   // crest surface line
        QCOMPARE(blackRunDown(image, 280, 200, 218), 2);   // catchment berm
        QCOMPARE(blackRunDown(image, 178, 104, 120), 2);   // step out
        QCOMPARE(blackRunAcross(image, 300, 5, 25), 1);    // closing left side
        QCOMPARE(blackRunDown(image, 300, 445, 460), 1);   // base line
        QCOMPARE(blackRunAcross(image, 360, 370, 430), 2); // the last face
    }

    void theDrawingSurvivesRepaintingAndClsClearsIt() {
        PictureBox picture;
        drawExample(picture);
        picture.show();
        QVERIFY(QTest::qWaitForWindowExposed(&picture));
        const QImage first = picture.grab().toImage();
        picture.hide();
        picture.show();
        QVERIFY(QTest::qWaitForWindowExposed(&picture));
        picture.repaint();
        const QImage again = picture.grab().toImage();
        QCOMPARE(again, first);
        QVERIFY(isBlack(first, 1 + 60, 1 + 15)); // inside the border, on the floor line

        picture.Cls();
        const QImage cleared = picture.grab().toImage();
        for (int y = 1; y < cleared.height() - 1; ++y) {
            for (int x = 1; x < cleared.width() - 1; ++x) {
                QVERIFY(cleared.pixel(x, y) == QColor(Qt::white).rgb());
            }
        }
    }

    void withoutItsBorderThePictureUsesEveryPixel() {
        PictureBox picture;
        picture.resize(100, 80);
        QCOMPARE(picture.ScaleWidth(), 98.0f);
        picture.setBorder(false);
        QCOMPARE(picture.ScaleWidth(), 100.0f);
        QCOMPARE(picture.ScaleHeight(), 80.0f);
        picture.DrawWidth(1);
        picture.Line(0, 0, 99, 0, 0x000000);
        const QImage image = picture.grab().toImage();
        QVERIFY(isBlack(image, 50, 0));
        QVERIFY(!isBlack(image, 0, 50)); // no border line left
    }
};

QTEST_MAIN(PictureBoxTest)
#include "PictureBox_test.moc"
