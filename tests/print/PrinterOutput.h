#pragma once

#include <QImage>
#include <QString>

#include <chrono>

namespace pitwright::testing {

// The PDF printer that start-cups.sh set up: its CUPS queue and the folder
// cups-pdf writes into, both named by the test's environment.
class PrinterOutput {
public:
    // From PITWRIGHT_TEST_QUEUE and PITWRIGHT_TEST_PDF_FOLDER.
    static PrinterOutput fromEnvironment();

    const QString& queue() const { return queue_; }
    const QString& folder() const { return folder_; }

    // Removes earlier prints, so the next PDF in the folder is ours.
    void clear() const;
    // Waits until the queue has finished every job, then returns the one PDF
    // in the folder; an empty path and a reason when there is none.
    QString waitForPdf(std::chrono::seconds limit, QString* why) const;

private:
    QString queue_;
    QString folder_;
};

// The first page of a PDF as an image, by pdftoppm.
QImage pageImage(const QString& pdf, int dotsPerInch);

} // namespace pitwright::testing
