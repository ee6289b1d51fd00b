#include "WindowPrinter.h"

namespace pitwright {

// Placeholder until the real printing lands.
PrintOutcome printOnDefaultPrinter(QWidget&) {
    return {false, "Printing is not available yet."};
}

} // namespace pitwright
