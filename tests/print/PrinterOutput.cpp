#include "PrinterOutput.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <cups/cups.h>

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
    return output;
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

} // namespace pitwright::testing
