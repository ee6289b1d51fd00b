#pragma once

#include <QString>

namespace pitwright {

// The names the program's settings are kept under, in the user's
// configuration folder: <config>/Pitwright/Pitwright.conf.
inline constexpr const char* kSettingsOrganisation = "Pitwright";
inline constexpr const char* kSettingsApplication = "Pitwright";

// Where a file dialog starts: the folder of the last file opened or saved,
// in this run or an earlier one, while it exists; the home folder otherwise.
QString fileDialogStartFolder();

// Keeps the folder of a file just chosen for opening or saving.
void rememberFolderOf(const QString& filePath);

} // namespace pitwright
