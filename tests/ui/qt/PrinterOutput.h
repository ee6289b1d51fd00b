#pragma once

#include <QImage>
#include <QPageLayout>
#include <QRectF>
#include <QString>
#include <QTransform>

#include <chrono>

namespace pitwright::testing {

// Keeps the test print server stopped (SIGSTOP) while it lives, as if it
// hung, and lets it go on afterwards.
class StoppedPrintServer {
public:
    explicit StoppedPrintServer(long pid);
    StoppedPrintServer(const StoppedPrintServer&) = delete;
    StoppedPrintServer& operator=(const StoppedPrintServer&) = delete;
    ~StoppedPrintServer();

private:
    long pid_;
};

// The queue of the test suite's own print server (private-cupsd.sh) and the
// folder its backend copies every job into, both named by the environment.
class PrinterOutput {
public:
    // From PITWRIGHT_TEST_QUEUE, PITWRIGHT_TEST_PDF_FOLDER and
    // PITWRIGHT_TEST_PRINT_SERVER (the server's folder).
    static PrinterOutput fromEnvironment();

    const QString& queue() const { return queue_; }
    const QString& folder() const { return folder_; }

    // Removes earlier prints, so the next PDF in the folder is ours.
    void clear() const;
    // Waits until the queue has finished every job, then returns the one PDF
    // in the folder; an empty path and a reason when there is none.
    QString waitForPdf(std::chrono::seconds limit, QString* why) const;
    // Stops the print server until the result goes.
    StoppedPrintServer stopServer() const;

private:
    QString queue_;
    QString folder_;
    QString server_;
};

// The first page of a PDF as an image, by pdftoppm.
QImage pageImage(const QString& pdf, int dotsPerInch);

// Where the points of a printed window land on the image of its page: the
// window placed inside the printer's margins as the printer places it.
class PageMap {
public:
    PageMap(QSizeF window, const QPageLayout& layout, int dotsPerInch);

    QPoint operator()(QPointF windowPoint) const;
    // The same as a transform, from window points to page pixels.
    QTransform transform() const { return {scale_, 0, 0, scale_, origin_.x(), origin_.y()}; }
    QRect operator()(const QRectF& windowArea) const;

private:
    QPointF origin_; // page pixels
    qreal scale_;    // page pixels per window pixel
};

// How many pixels of the area are dark (text, lines) and how many are not
// white at all.
int darkPixels(const QImage& page, const QRect& area);
int nonWhitePixels(const QImage& page, const QRect& area);

} // namespace pitwright::testing
