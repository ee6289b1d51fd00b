// "Print a hard copy".
#include "frmPitwrightMain.h"

namespace pitwright {

void frmPitwrightMain::cmdPrintHardCopy_Click() {}

} // namespace pitwright
