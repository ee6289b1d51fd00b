#include "ui/qt/WindowPrinter.h"

#include "ui/qt/PrintModule.h"

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPointer>
#include <QWidget>

#include <algorithm>

namespace pitwright {
namespace {

constexpr int kPageDotsPerInch = 600;
constexpr const char* kJobTitle = "Pitwright hard copy";

PrintProblem problemOf(int cupsResult) {
    switch (cupsResult) {
    case PITWRIGHT_CUPS_NO_SERVER:
        return PrintProblem::NoPrintServer;
    case PITWRIGHT_CUPS_NO_ANSWER:
        return PrintProblem::ServerDoesNotAnswer;
    case PITWRIGHT_CUPS_NO_DEFAULT:
        return PrintProblem::NoDefaultPrinter;
    case PITWRIGHT_CUPS_REFUSED:
        return PrintProblem::JobRefused;
    default:
        return PrintProblem::None;
    }
}

PrintOutcome outcomeOf(const PitwrightCupsAnswer& answer) {
    return {answer.result == PITWRIGHT_CUPS_DONE, problemOf(answer.result), answer.printer,
            answer.detail};
}

// The printer's paper; A4 without margins where it does not say.
QPageLayout pageOf(const PitwrightCupsAnswer& answer) {
    if (answer.paperWidth <= 0 || answer.paperHeight <= 0) {
        return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF());
    }
    const QPageSize paper(QSizeF(answer.paperWidth, answer.paperHeight), QPageSize::Millimeter,
                          QString(), QPageSize::FuzzyMatch);
    return QPageLayout(
        paper, QPageLayout::Portrait,
        QMarginsF(answer.marginLeft, answer.marginTop, answer.marginRight, answer.marginBottom),
        QPageLayout::Millimeter);
}

// Paints the window, scaled to fit the printable area, into a one-page PDF
// with the printer's own paper and margins.
bool renderToPdf(QWidget& window, const QPageLayout& layout, QByteArray& bytes) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setPageLayout(layout);
    pdf.setResolution(kPageDotsPerInch);
    pdf.setTitle(QString::fromLatin1(kJobTitle));
    pdf.setCreator(QStringLiteral("Pitwright"));

    QPainter painter;
    if (!painter.begin(&pdf)) {
        return false;
    }
    const QRectF place = placeOnPage(QSizeF(window.size()), QSizeF(pdf.width(), pdf.height()));
    painter.translate(place.topLeft());
    painter.scale(place.width() / window.width(), place.height() / window.height());
    window.render(&painter, QPoint(), QRegion(),
                  QWidget::DrawWindowBackground | QWidget::DrawChildren);
    return painter.end();
}

int milliseconds(std::chrono::milliseconds wait) {
    return static_cast<int>(std::max<std::chrono::milliseconds::rep>(wait.count(), 1));
}

} // namespace

QRectF placeOnPage(QSizeF window, QSizeF printable) {
    if (window.isEmpty() || printable.isEmpty()) {
        return {};
    }
    const qreal scale =
        std::min(printable.width() / window.width(), printable.height() / window.height());
    const QSizeF size = window * scale;
    return {QPointF((printable.width() - size.width()) / 2, 0), size};
}

DefaultPrinter findDefaultPrinter(std::chrono::milliseconds wait) {
    DefaultPrinter printer;
    QString why;
    const PrintModule* module = PrintModule::load(&why);
    if (module == nullptr) {
        printer.outcome = {false, PrintProblem::NoPrintSupport, {}, why.toStdString()};
        return printer;
    }
    PitwrightCupsAnswer answer{};
    module->findDefaultPrinter(milliseconds(wait), &answer);
    printer.outcome = outcomeOf(answer);
    printer.outcome.printed = false;
    printer.name = QString::fromUtf8(answer.printer);
    printer.page = pageOf(answer);
    return printer;
}

PrintOutcome printOnDefaultPrinter(QWidget& window, std::chrono::milliseconds wait) {
    const DefaultPrinter printer = findDefaultPrinter(wait);
    if (printer.outcome.problem != PrintProblem::None) {
        return printer.outcome;
    }

    // No caret or selected text on paper: the widget with the focus lets go
    // of it while the page is drawn.
    const QPointer<QWidget> focused = window.focusWidget();
    if (focused) {
        focused->clearFocus();
    }
    QByteArray pdf;
    const bool rendered = renderToPdf(window, printer.page, pdf);
    if (focused) {
        focused->setFocus(Qt::OtherFocusReason);
    }
    if (!rendered) {
        return {false, PrintProblem::PageNotPrepared, printer.name.toStdString(), {}};
    }

    QString why;
    const PrintModule* module = PrintModule::load(&why);
    PitwrightCupsAnswer answer{};
    module->printPdf(printer.name.toUtf8().constData(), pdf.constData(),
                     static_cast<size_t>(pdf.size()), kJobTitle, milliseconds(wait), &answer);
    return outcomeOf(answer);
}

} // namespace pitwright
