#include "ui/qt/WindowPrinter.h"

#include <QFile>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPointer>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QWidget>

#include <cups/cups.h>

#include <algorithm>
#include <memory>
#include <string>

namespace pitwright {
namespace {

constexpr int kPageDotsPerInch = 600;
constexpr const char* kJobTitle = "Pitwright hard copy";

std::string quoted(const QString& name) {
    std::string text = name.toStdString();
    text.insert(text.begin(), '"');
    text.push_back('"');
    return text;
}

// Paints the window, scaled to fit the printable area, into a one-page PDF
// with the printer's own paper and margins.
bool renderToPdf(QWidget& window, const QPageLayout& layout, const QString& path) {
    QPdfWriter pdf(path);
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

// Hands the file to the CUPS queue behind the Qt printer name ("queue" or
// "queue/instance"), with the queue's saved options.
PrintOutcome submitToCups(const QString& printerName, const QString& path) {
    const QStringList parts = printerName.split(u'/');
    const QByteArray queue = parts.value(0).toLocal8Bit();
    const QByteArray instance = parts.value(1).toLocal8Bit();
    const std::unique_ptr<cups_dest_t, void (*)(cups_dest_t*)> dest(
        cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.constData(),
                         instance.isEmpty() ? nullptr : instance.constData()),
        [](cups_dest_t* d) { cupsFreeDests(1, d); });
    if (!dest) {
        return {false, "The default printer " + quoted(printerName) +
                           " cannot be reached: " + cupsLastErrorString()};
    }
    const int job = cupsPrintFile(dest->name, QFile::encodeName(path).constData(), kJobTitle,
                                  dest->num_options, dest->options);
    if (job == 0) {
        return {false, "The printer " + quoted(printerName) +
                           " refused the job: " + cupsLastErrorString()};
    }
    return {true, {}};
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

PrintOutcome printOnDefaultPrinter(QWidget& window) {
    const QPrinterInfo printerInfo = QPrinterInfo::defaultPrinter();
    if (printerInfo.isNull()) {
        return {false, "There is no default printer. Choose one in the system's printer "
                       "settings, then print again."};
    }
    const QString name = printerInfo.printerName();
    // The printer's paper, orientation and margins as the system has them.
    const QPageLayout layout = QPrinter(printerInfo, QPrinter::HighResolution).pageLayout();

    // No caret or selected text on paper: the widget with the focus lets go
    // of it while the page is drawn.
    const QPointer<QWidget> focused = window.focusWidget();
    if (focused) {
        focused->clearFocus();
    }
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("hardcopy.pdf"));
    const bool rendered = folder.isValid() && renderToPdf(window, layout, path);
    if (focused) {
        focused->setFocus(Qt::OtherFocusReason);
    }
    if (!rendered) {
        return {false, "The page for the printer " + quoted(name) +
                           " could not be prepared in the temporary folder."};
    }
    return submitToCups(name, path);
}

} // namespace pitwright
