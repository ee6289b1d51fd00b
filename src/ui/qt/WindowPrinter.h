#pragma once

#include "WindowPlatform.h"

class QWidget;

namespace pitwright {

// Prints the window as it now looks on the system's default printer, with
// no printer dialog.
PrintOutcome printOnDefaultPrinter(QWidget& window);

} // namespace pitwright
