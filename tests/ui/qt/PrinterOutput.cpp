#include "ui/qt/PrinterOutput.h"

#include "ui/qt/WindowPrinter.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <cups/cups.h>

#include <csignal>

namespace pitwright::testing {
namespace {

int activeJobs(const QByteArray& queue) {
    cups_job_t* jobs = nullptr;
    const int count = cupsGetJobs(&jobs, queue.constData(), 0, CUPS_WHICHJOBS_ACTIVE);
    cupsFreeJobs(count, jobs);
    return count;
}

// The state of the queue's newest finished job, for a failure message.
QString lastJobState(const QByteArray& queue) {
    cups_job_t* jobs = nullptr;
    const int count = cupsGetJobs(&jobs, queue.constData(), 0, CUPS_WHICHJOBS_COMPLETED);
    QString state = QStringLiteral("no finished job");
    if (count > 0) {
        const cups_job_t* last = &jobs[0];
        for (int i = 1; i < count; ++i) {
            if (jobs[i].id > last->id) {
                last = &jobs[i];
            }
        }
        state = QStringLiteral("job %1 ended in IPP state %2").arg(last->id).arg(last->state);
    }
    cupsFreeJobs(count, jobs);
    return state;
}

} // namespace

PrinterOutput PrinterOutput::fromEnvironment() {
    PrinterOutput output;
    output.queue_ = qEnvironmentVariable("PITWRIGHT_TEST_QUEUE");
    output.folder_ = qEnvironmentVariable("PITWRIGHT_TEST_PDF_FOLDER");
    output.server_ = qEnvironmentVariable("PITWRIGHT_TEST_PRINT_SERVER");
    return output;
}

StoppedPrintServer PrinterOutput::stopServer() const {
    QFile pidFile(QDir(server_).filePath(QStringLiteral("cupsd.pid")));
    pidFile.open(QIODevice::ReadOnly);
    return StoppedPrintServer(pidFile.readAll().trimmed().toLong());
}

StoppedPrintServer::StoppedPrintServer(long pid) : pid_(pid) {
    if (pid_ > 0) {
        ::kill(static_cast<pid_t>(pid_), SIGSTOP);
    }
}

StoppedPrintServer::~StoppedPrintServer() {
    if (pid_ > 0) {
        ::kill(static_cast<pid_t>(pid_), SIGCONT);
    }
}

void PrinterOutput::clear() const {
    QDir folder(folder_);
    for (const QString& name : folder.entryList({QStringLiteral("*.pdf")}, QDir::Files)) {
        folder.remove(name);
    }
}

QString PrinterOutput::waitForPdf(std::chrono::seconds limit, QString* why) const {
    const QByteArray queue = queue_.toLocal8Bit();
    const auto give_up = std::chrono::steady_clock::now() + limit;
    QStringList pdfs;
    while (std::chrono::steady_clock::now() < give_up) {
        pdfs = QDir(folder_).entryList({QStringLiteral("*.pdf")}, QDir::Files);
        if (activeJobs(queue) == 0 && !pdfs.isEmpty()) {
            break;
        }
        QThread::msleep(100);
    }
    if (pdfs.size() != 1) {
        *why = QStringLiteral("%1 PDF(s) in %2 from queue %3 (%4)")
                   .arg(pdfs.size())
                   .arg(folder_, queue_, lastJobState(queue));
        return {};
    }
    return QDir(folder_).filePath(pdfs.first());
}

QImage pageImage(const QString& pdf, int dotsPerInch) {
    QTemporaryDir folder;
    const QString stem = folder.filePath(QStringLiteral("page"));
    QProcess::execute(QStringLiteral("pdftoppm"),
                      {QStringLiteral("-q"), QStringLiteral("-r"), QString::number(dotsPerInch),
                       QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-singlefile"),
                       QStringLiteral("-png"), pdf, stem});
    return QImage(stem + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

PageMap::PageMap(QSizeF window, const QPageLayout& layout, int dotsPerInch) {
    const qreal pixelsPerPoint = dotsPerInch / 72.0;
    const QRectF printable = layout.paintRect(QPageLayout::Point);
    const QRectF place = placeOnPage(window, printable.size());
    origin_ = (printable.topLeft() + place.topLeft()) * pixelsPerPoint;
    scale_ = place.width() / window.width() * pixelsPerPoint;
}

QPoint PageMap::operator()(QPointF windowPoint) const {
    return (origin_ + windowPoint * scale_).toPoint();
}

QRect PageMap::operator()(const QRectF& windowArea) const {
    return {(*this)(windowArea.topLeft()), (*this)(windowArea.bottomRight())};
}

namespace {
template <typename Test> int countPixels(const QImage& page, const QRect& area, Test test) {
    const QRect inside = area.intersected(page.rect());
    int count = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            count += test(page.pixel(x, y)) ? 1 : 0;
        }
    }
    return count;
}
} // namespace

int darkPixels(const QImage& page, const QRect& area) {
    return countPixels(page, area, [](QRgb pixel) { return qGray(pixel) < 96; });
}

int nonWhitePixels(const QImage& page, const QRect& area) {
    return countPixels(page, area, [](QRgb pixel) { return qGray(pixel) < 250; });
}

} // namespace pitwright::testing
