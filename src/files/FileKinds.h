#pragma once

#include "files/FileDialog.h"

#include <optional>
#include <string_view>

// The kinds of file the window saves and opens, and how each sets up the
// window's one file dialog.
namespace pitwright {

inline constexpr std::string_view kSlopeDataFileKind = "SlopeData-File";
inline constexpr std::string_view k3DFileKind = "3D-File";
inline constexpr std::string_view kDataFileKind = "Data-File";

inline constexpr std::string_view kDataFilter = "Data-files(*.DAT)|*.DAT|All file types (*.*)|*.*";
inline constexpr std::string_view kAscFilter =
    "Map3D ASC-files(*.ASC)|*.ASC|All file types (*.*)|*.*";

// The confirmation of a saved file, "Data-file saved: '" or "Map3D ASC-file
// saved: '", for the known save kinds; it is followed by the path and "'".
std::optional<std::string_view> saveConfirmationFor(std::string_view kind);

// Title "Save", overwrite confirmation, start in the user's home folder, and
// for a known kind its filter and default extension. What the kind does not
// set stays as the last use left it.
void prepareSaveDialog(FileDialogSettings& settings, std::string_view kind);

// Title "Open", the data filter, start in the user's home folder. The default
// extension and the overwrite confirmation stay as the last save left them.
void prepareOpenDialog(FileDialogSettings& settings);

} // namespace pitwright
