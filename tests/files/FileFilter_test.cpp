#include "files/FileFilter.h"
#include "files/FileKinds.h"

#include <gtest/gtest.h>

namespace pitwright {
namespace {

TEST(FileFilterTest, EntriesInTheirOrder) {
    EXPECT_EQ(parseFileFilters(kDataFilter),
              (std::vector<FileFilter>{{"Data-files(*.DAT)", {"*.DAT"}},
                                       {"All file types (*.*)", {"*.*"}}}));
    EXPECT_EQ(parseFileFilters(kAscFilter).front(),
              (FileFilter{"Map3D ASC-files(*.ASC)", {"*.ASC"}}));
    EXPECT_EQ(parseFileFilters("Texts|*.txt;*.asc|Lonely"),
              (std::vector<FileFilter>{{"Texts", {"*.txt", "*.asc"}}}));
    EXPECT_TRUE(parseFileFilters("").empty());
}

TEST(FileKindsTest, SaveSettingsByKindAndWhatOpenLeavesAlone) {
    FileDialogSettings settings;
    prepareSaveDialog(settings, k3DFileKind);
    EXPECT_EQ(settings.dialogTitle, "Save");
    EXPECT_EQ(settings.filter, kAscFilter);
    EXPECT_EQ(settings.defaultExt, "ASC");
    EXPECT_EQ(settings.initDir, kHomeFolder);
    EXPECT_TRUE(settings.overwritePrompt);
    EXPECT_TRUE(settings.cancelError);

    prepareOpenDialog(settings);
    EXPECT_EQ(settings.dialogTitle, "Open");
    EXPECT_EQ(settings.filter, kDataFilter);
    EXPECT_EQ(settings.defaultExt, "ASC"); // still what the last save set
    EXPECT_TRUE(settings.overwritePrompt);

    prepareSaveDialog(settings, kSlopeDataFileKind);
    EXPECT_EQ(settings.filter, kDataFilter);
    EXPECT_EQ(settings.defaultExt, "DAT");
    EXPECT_EQ(saveConfirmationFor(kSlopeDataFileKind), "Data-file saved: '");
    EXPECT_EQ(saveConfirmationFor(k3DFileKind), "Map3D ASC-file saved: '");
    EXPECT_FALSE(saveConfirmationFor("3d-file").has_value()); // kinds are exact
}

} // namespace
} // namespace pitwright
