#pragma once

#include "ui/WindowPlatform.h"

#include <QRectF>
#include <QSizeF>

class QWidget;

namespace pitwright {

// Prints the window as it now looks on the system's default printer, with
// no printer dialog. Tells why when nothing was printed: no default printer,
// a page that could not be prepared, or a job the printer refused.
PrintOutcome printOnDefaultPrinter(QWidget& window);

// Where a window of the given size goes on a printable area: as large as
// fits with its proportions kept, centred across the page at its top.
QRectF placeOnPage(QSizeF window, QSizeF printable);

} // namespace pitwright
