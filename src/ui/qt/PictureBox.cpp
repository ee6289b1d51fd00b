#include "ui/qt/PictureBox.h"

#include <QPaintEngine>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace pitwright {

namespace {
const QColor kBorderColor(0x64, 0x64, 0x64);

// The end of the run of strokes from `first` on that share its pen: its
// width and colour.
std::size_t penRunEnd(const std::vector<PictureBox::Stroke>& strokes, std::size_t first) {
    std::size_t end = first;
    while (end < strokes.size() && strokes[end].width == strokes[first].width &&
           strokes[end].color == strokes[first].color) {
        ++end;
    }
    return end;
}
} // namespace

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void PictureBox::Cls() {
    strokes_.clear();
    shownIsCurrent_ = false;
    update();
}

float PictureBox::ScaleWidth() const {
    return static_cast<float>(std::max(0, width() - 2 * borderWidth()));
}

float PictureBox::ScaleHeight() const {
    return static_cast<float>(std::max(0, height() - 2 * borderWidth()));
}

void PictureBox::DrawWidth(int pixels) {
    penWidth_ = std::max(1, pixels);
}

void PictureBox::Line(float x1, float y1, float x2, float y2, std::uint32_t rgb) {
    const QColor color(static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                       static_cast<int>(rgb & 0xFF));
    strokes_.push_back({QLineF(x1, y1, x2, y2), color, penWidth_});
    shownIsCurrent_ = false;
    update();
}

void PictureBox::setBorder(bool on) {
    if (border_ != on) {
        border_ = on;
        shownIsCurrent_ = false;
        update();
    }
}

void PictureBox::setBackColor(const QColor& color) {
    if (backColor_ != color) {
        backColor_ = color;
        shownIsCurrent_ = false;
        update();
    }
}

void PictureBox::paintStrokes(QPainter& painter) const {
    if (isPaperDevice(painter)) {
        paintStrokesAsVectors(painter);
    } else {
        paintStrokesAsPixels(painter);
    }
}

bool PictureBox::isPaperDevice(const QPainter& painter) {
    const QPaintEngine* engine = painter.paintEngine();
    if (engine == nullptr) {
        return false;
    }
    switch (engine->type()) {
    case QPaintEngine::Pdf:
    case QPaintEngine::Picture:
    case QPaintEngine::SVG:
    case QPaintEngine::MacPrinter:
    case QPaintEngine::Windows:
        return true;
    default:
        return false;
    }
}

qreal PictureBox::paperLineWidth(const QPainter& painter) {
    const QPaintEngine* engine = painter.paintEngine();
    const QPaintDevice* device = engine != nullptr ? engine->paintDevice() : nullptr;
    const qreal dotsPerInch = device != nullptr && device->logicalDpiX() > 0
                                  ? device->logicalDpiX()
                                  : kAssumedPaperDotsPerInch;
    const qreal step = kPaperLineStepInch * dotsPerInch;
    const qreal onePixel = std::sqrt(std::abs(painter.deviceTransform().determinant()));
    const qreal steps = std::max<qreal>(kThinnestPaperLineSteps, std::ceil(onePixel / step));
    return steps * step;
}

void PictureBox::paintStrokesAsPixels(QPainter& painter) const {
    painter.save();
    // Crisp lines as on the classic canvas: a line of width 2 covers two
    // whole pixels, so the wall reads twice as thick as the thin lines.
    painter.setRenderHint(QPainter::Antialiasing, false);
    // Every line is a one-pixel cosmetic line, the quick path of the raster
    // painter: a tall wall has tens of thousands of them. A wider pen is
    // that line repeated beside itself across its run, one pixel further
    // each time, as a classic canvas widens a pen.
    std::vector<QLineF> run;
    for (std::size_t first = 0; first < strokes_.size();) {
        const Stroke& lead = strokes_[first];
        const std::size_t end = penRunEnd(strokes_, first);
        painter.setPen(QPen(lead.color, 0));
        for (int offset = 0; offset < lead.width; ++offset) {
            run.clear();
            for (std::size_t i = first; i < end; ++i) {
                const QLineF& line = strokes_[i].line;
                const bool steep = std::abs(line.dy()) > std::abs(line.dx());
                run.push_back(line.translated(steep ? offset : 0, steep ? 0 : offset));
            }
            painter.drawLines(run.data(), static_cast<int>(run.size()));
        }
        first = end;
    }
    painter.restore();
}

void PictureBox::paintStrokesAsVectors(QPainter& painter) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    // Widths are set in the printer's dots: a pen of width n is n times the
    // thinnest line, itself no thinner than the paper shows clearly. The
    // painter may scale, so the pen is given in its own units.
    const qreal scale = std::sqrt(std::abs(painter.deviceTransform().determinant()));
    const qreal thinDots = paperLineWidth(painter);
    std::vector<QLineF> run;
    for (std::size_t first = 0; first < strokes_.size();) {
        const Stroke& lead = strokes_[first];
        const std::size_t end = penRunEnd(strokes_, first);
        const qreal width = lead.width * thinDots / (scale > 0 ? scale : 1);
        painter.setPen(QPen(lead.color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        // Each line down the middle of the pixels it covers on screen.
        run.clear();
        for (std::size_t i = first; i < end; ++i) {
            const QLineF& line = strokes_[i].line;
            const bool steep = std::abs(line.dy()) > std::abs(line.dx());
            const qreal across = lead.width / 2.0;
            run.push_back(line.translated(steep ? across : 0.5, steep ? 0.5 : across));
        }
        painter.drawLines(run.data(), static_cast<int>(run.size()));
        first = end;
    }
    painter.restore();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (isPaperDevice(painter)) {
        paintContents(painter); // straight to paper, its lines as vectors
        return;
    }
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (!shownIsCurrent_ || shown_.size() != pixels || shown_.devicePixelRatio() != ratio) {
        shown_ = QPixmap(pixels);
        shown_.setDevicePixelRatio(ratio);
        QPainter cache(&shown_);
        paintContents(cache);
        shownIsCurrent_ = true;
    }
    painter.drawPixmap(0, 0, shown_);
}

void PictureBox::paintContents(QPainter& painter) {
    painter.fillRect(rect(), backColor_);
    if (border_) {
        painter.setPen(QPen(kBorderColor, 1));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    const int inset = borderWidth();
    painter.setClipRect(rect().adjusted(inset, inset, -inset, -inset));
    painter.translate(inset, inset);
    paintStrokes(painter);
}

} // namespace pitwright
