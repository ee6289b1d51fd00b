#include "files/FileKinds.h"

namespace pitwright {

std::optional<std::string_view> saveConfirmationFor(std::string_view kind) {
    if (kind == k3DFileKind) {
        return "Map3D ASC-file saved: '";
    }
    if (kind == kSlopeDataFileKind) {
        return "Data-file saved: '";
    }
    return std::nullopt;
}

void prepareSaveDialog(FileDialogSettings& settings, std::string_view kind) {
    settings.cancelError = true;
    settings.initDir = kHomeFolder;
    settings.dialogTitle = "Save";
    settings.overwritePrompt = true;
    if (kind == k3DFileKind) {
        settings.defaultExt = "ASC";
        settings.filter = kAscFilter;
    } else if (kind == kSlopeDataFileKind) {
        settings.defaultExt = "DAT";
        settings.filter = kDataFilter;
    }
}

void prepareOpenDialog(FileDialogSettings& settings) {
    settings.cancelError = true;
    settings.initDir = kHomeFolder;
    settings.dialogTitle = "Open";
    settings.filter = kDataFilter;
}

} // namespace pitwright
