#pragma once

#include "ui/WindowPlatform.h"

#include <QPageLayout>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <chrono>

class QWidget;

namespace pitwright {

// The longest the window waits for the print system at any one step.
inline constexpr std::chrono::milliseconds kPrintServerWait{5000};

struct DefaultPrinter {
    PrintOutcome outcome; // printed stays false; a problem when none was found
    QString name;
    QPageLayout page; // its default paper and printable margins
};

// The system's default printer and its paper, as the print server says.
DefaultPrinter findDefaultPrinter(std::chrono::milliseconds wait = kPrintServerWait);

// Prints the window as it now looks on the system's default printer, with
// no printer dialog. Waits at most `wait` at each exchange with the print
// server. Reports printed only once the job is in the printer's queue.
PrintOutcome printOnDefaultPrinter(QWidget& window,
                                   std::chrono::milliseconds wait = kPrintServerWait);

// Where a window of the given size goes on a printable area: as large as
// fits with its proportions kept, centred across the page at its top.
QRectF placeOnPage(QSizeF window, QSizeF printable);

} // namespace pitwright
