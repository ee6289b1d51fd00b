// Save data, Open saved data and Write a 3D-file.
#include "frmPitwrightMain.h"

namespace pitwright {

void frmPitwrightMain::mnuSaveData_Click() {}
void frmPitwrightMain::mnuOpenSavedData_Click() {}
void frmPitwrightMain::cmd3Dview_Click() {}
std::string frmPitwrightMain::build3DFileText() { return {}; }
void frmPitwrightMain::subSaveFile(const std::string&, const std::string&) {}
void frmPitwrightMain::subOpenFile(const std::string&) {}

} // namespace pitwright
