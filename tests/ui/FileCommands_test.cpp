#include "files/FileKinds.h"
#include "support/WindowFixture.h"

namespace pitwright::testing {
namespace {

using enum ControlId;

class SaveData : public WindowFixture {
protected:
    void enterSmallDesign() {
        w.enter(txtSlopeHeight, "120");
        w.enter(txtBenchHeight, "15");
        w.enter(txtBenchesPerStack, "3");
        w.enter(txtCrestToToeSlopeAngle, "45");
        w.enter(txtStackAngle, "55");
        w.enter(txtBenchAngle, "75");
        w.platform.messages.clear();
        w.platform.pointers.clear();
    }
};

TEST_F(SaveData, WritesTheSevenTextsAndConfirms) {
    enterSmallDesign();
    w.platform.dialog.answer("/home/u/slope.DAT");
    MousePointer duringWrite = MousePointer::Arrow;
    w.platform.files.duringWrite = [&] { duringWrite = w.platform.pointers.back(); };
    const int eventsBefore = w.platform.doEventsCount;

    w.form.mnuSaveData_Click();

    // The relations raised the slope height to whole stacks and derived the
    // toe-to-toe angle; the file holds what the fields show.
    EXPECT_EQ(w.platform.files.files.at("/home/u/slope.DAT"),
              "135\r\n15\r\n3\r\n45\r\n" + w.text(txtToeToToeSlopeAngle) + "\r\n55\r\n75\r\n");
    ASSERT_EQ(w.platform.dialog.shown.size(), 1u);
    const auto& shown = w.platform.dialog.shown[0];
    EXPECT_TRUE(shown.save);
    EXPECT_EQ(shown.settings.dialogTitle, "Save");
    EXPECT_EQ(shown.settings.filter, "Data-files(*.DAT)|*.DAT|All file types (*.*)|*.*");
    EXPECT_EQ(shown.settings.defaultExt, "DAT");
    EXPECT_EQ(shown.settings.initDir, kHomeFolder);
    EXPECT_TRUE(shown.settings.overwritePrompt);
    EXPECT_GT(w.platform.doEventsCount, eventsBefore);

    EXPECT_EQ(w.text(txtComment), "Data-file saved: '/home/u/slope.DAT'");
    ASSERT_EQ(w.platform.messages.size(), 1u);
    EXPECT_EQ(w.platform.messages[0].text, "Data-file saved: '/home/u/slope.DAT'");
    EXPECT_EQ(w.platform.messages[0].title, "Pitwright");
    EXPECT_EQ(duringWrite, MousePointer::Hourglass);
    EXPECT_EQ(w.platform.pointers,
              (std::vector<MousePointer>{MousePointer::Hourglass, MousePointer::Arrow}));
}

TEST_F(SaveData, CancelChangesNothingAndSaysNothing) {
    enterSmallDesign();
    const std::string comment = w.text(txtComment);
    w.platform.dialog.answer(std::nullopt);
    w.form.mnuSaveData_Click();
    EXPECT_EQ(w.platform.files.writeCount, 0);
    EXPECT_TRUE(w.platform.messages.empty());
    EXPECT_TRUE(w.platform.pointers.empty());
    EXPECT_EQ(w.text(txtComment), comment);
}

TEST_F(SaveData, AnEmptyNameIsRefusedAndThePointerComesBack) {
    enterSmallDesign();
    w.platform.dialog.answer("");
    w.form.mnuSaveData_Click();
    EXPECT_EQ(w.platform.files.writeCount, 0);
    ASSERT_EQ(w.platform.messages.size(), 1u);
    EXPECT_EQ(w.platform.messages[0].text, "No file saved as the filename was a Null-value");
    EXPECT_EQ(w.platform.messages[0].title, "Null-value for filename");
    EXPECT_EQ(w.platform.pointers.back(), MousePointer::Arrow);
}

TEST_F(SaveData, AFailedWriteIsToldAndKeepsTheOldFileAndTheComment) {
    enterSmallDesign();
    w.platform.files.files["/ro/slope.DAT"] = "old";
    w.platform.files.refuseWrites["/ro/slope.DAT"] = FileProblem::FolderNotWritable;
    const std::string comment = w.text(txtComment);
    w.platform.dialog.answer("/ro/slope.DAT");

    w.form.mnuSaveData_Click();

    EXPECT_EQ(w.platform.files.files.at("/ro/slope.DAT"), "old");
    EXPECT_EQ(w.text(txtComment), comment);
    ASSERT_EQ(w.platform.messages.size(), 1u);
    EXPECT_NE(w.platform.messages[0].text.find("'/ro/slope.DAT'"), std::string::npos);
    EXPECT_NE(w.platform.messages[0].text.find("you may not write in its folder"),
              std::string::npos);
    EXPECT_EQ(w.platform.pointers.back(), MousePointer::Arrow);
}

TEST_F(SaveData, ATextTheFileCannotHoldIsRefusedByItsField) {
    enterSmallDesign();
    w.enter(txtStackAngle, "55\xC2\xB0"); // a degree sign is fine
    w.platform.dialog.answer("/a.DAT");
    w.form.mnuSaveData_Click();
    const std::string& saved = w.platform.files.files.at("/a.DAT");
    EXPECT_NE(saved.find("\r\n55\xB0\r\n75\r\n"), std::string::npos) << saved;

    w.platform.messages.clear();
    w.enter(txtStackAngle, "55 \xE2\x89\x88"); // an approximately-equal sign is not
    w.form.mnuSaveData_Click();
    EXPECT_EQ(w.platform.dialog.shown.size(), 1u); // no dialog the second time
    ASSERT_EQ(w.platform.messages.size(), 1u);
    EXPECT_NE(w.platform.messages[0].text.find("\"Stack slope angle\""), std::string::npos)
        << w.platform.messages[0].text;
}

TEST_F(SaveData, TheOpenDialogKeepsWhatTheLast3DSaveSet) {
    enterDesign(w);
    w.form.clicked(cmdCalcAndDraw);
    w.platform.dialog.answer(std::nullopt);
    w.form.cmd3Dview_Click();
    w.platform.dialog.answer(std::nullopt);
    w.form.mnuOpenSavedData_Click();

    ASSERT_EQ(w.platform.dialog.shown.size(), 2u);
    const auto& open = w.platform.dialog.shown[1];
    EXPECT_FALSE(open.save);
    EXPECT_EQ(open.settings.dialogTitle, "Open");
    EXPECT_EQ(open.settings.filter, "Data-files(*.DAT)|*.DAT|All file types (*.*)|*.*");
    EXPECT_EQ(open.settings.defaultExt, "ASC");
    EXPECT_EQ(open.settings.initDir, kHomeFolder);
}

} // namespace
} // namespace pitwright::testing
