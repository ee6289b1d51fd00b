#pragma once

#include "printing/CupsClient.h"

#include <QString>

namespace pitwright {

// The CUPS module, loaded from beside the program on the first print and
// kept loaded afterwards.
class PrintModule {
public:
    // The module, or nothing with `why` set when it cannot be loaded.
    static const PrintModule* load(QString* why);

    PitwrightCupsFindDefaultPrinter findDefaultPrinter = nullptr;
    PitwrightCupsPrintPdf printPdf = nullptr;
};

} // namespace pitwright
