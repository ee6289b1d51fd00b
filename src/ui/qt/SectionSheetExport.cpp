#include "ui/qt/SectionSheetExport.h"

#include "section/SheetDxf.h"
#include "ui/qt/SheetPainter.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <cmath>

namespace pitwright {
namespace {

constexpr double kMillimetresPerInch = 25.4;

std::string bytesOf(const QBuffer& buffer) {
    return std::string(buffer.data().constData(), static_cast<std::size_t>(buffer.data().size()));
}

// Paints the sheet with a painter already begun on its device.
SheetBytes paint(const SectionSheetInput& input, QPainter& painter, const QRectF& page) {
    SheetBytes result;
    if (!painter.isActive()) {
        result.writerFailed = true;
        return result;
    }
    SheetPainter sheet(painter, page);
    result.verdict = drawSectionSheet(input, sheet);
    return result;
}

SheetBytes renderSvg(const SectionSheetInput& input) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    // Ten device units a millimetre, so the paper is its size in millimetres;
    // the picture is drawn in millimetres of the view box.
    constexpr int kUnitsPerMillimetre = 10;
    svg.setResolution(static_cast<int>(kUnitsPerMillimetre * kMillimetresPerInch));
    svg.setSize(QSize(static_cast<int>(kSheetPaperWidth) * kUnitsPerMillimetre,
                      static_cast<int>(kSheetPaperHeight) * kUnitsPerMillimetre));
    const QRectF page(0, 0, kSheetPaperWidth, kSheetPaperHeight);
    svg.setViewBox(page);
    svg.setTitle(QString::fromStdString(input.title));
    QPainter painter(&svg);
    SheetBytes result = paint(input, painter, page);
    painter.end();
    if (result.ok()) {
        result.bytes = bytesOf(buffer);
        result.writerFailed = result.bytes.empty();
    }
    return result;
}

SheetBytes renderPdf(const SectionSheetInput& input) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                  QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    pdf.setTitle(QString::fromStdString(input.title));
    pdf.setCreator(QStringLiteral("Pitwright"));
    QPainter painter(&pdf);
    SheetBytes result = paint(input, painter, QRectF(0, 0, pdf.width(), pdf.height()));
    painter.end();
    if (result.ok()) {
        result.bytes = bytesOf(buffer);
        result.writerFailed = result.bytes.empty();
    }
    return result;
}

SheetBytes renderPng(const SectionSheetInput& input) {
    QImage image(kSheetPngWidth, kSheetPngHeight, QImage::Format_RGB32);
    const int dotsPerMetre =
        static_cast<int>(std::lround(kSheetPngDotsPerInch / kMillimetresPerInch * 1000));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(Qt::white);
    QPainter painter(&image);
    SheetBytes result = paint(input, painter, QRectF(image.rect()));
    painter.end();
    if (result.ok()) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        result.writerFailed = !image.save(&buffer, "PNG");
        if (!result.writerFailed) {
            result.bytes = bytesOf(buffer);
        }
    }
    return result;
}

} // namespace

SheetBytes renderSectionSheet(const SectionSheetInput& input, SheetFormat format) {
    switch (format) {
    case SheetFormat::Svg:
        return renderSvg(input);
    case SheetFormat::Pdf:
        return renderPdf(input);
    case SheetFormat::Png:
        return renderPng(input);
    case SheetFormat::Dxf:
        return sectionSheetDxf(input);
    }
    return {};
}

} // namespace pitwright
