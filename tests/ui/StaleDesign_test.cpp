// A design that cannot be drawn is never shown, or exported, as the design
// that came before it.
#include "export3d/AscText.h"
#include "export3d/Surface3D.h"
#include "support/WindowFixture.h"

namespace pitwright::testing {
namespace {

using enum ControlId;

class StaleDesign : public WindowFixture {
protected:
    // After the open: nothing drawn, nothing to export, and one message.
    void expectRefusedOpen(Window& win, const std::string& path, const std::string& message) {
        EXPECT_TRUE(win.platform.picture.strokes.empty());
        EXPECT_FALSE(win.form.controls().enabled(cmd3Dview));
        EXPECT_EQ(win.text(txtComment), "Data-file opened: '" + path + "'");
        ASSERT_EQ(win.platform.messages.size(), 1u);
        EXPECT_EQ(win.platform.messages[0].text, message);
        EXPECT_EQ(win.platform.messages[0].title, "Pitwright");

        win.platform.messages.clear();
        win.platform.dialog.answer("/wall.ASC");
        win.form.cmd3Dview_Click();
        EXPECT_FALSE(win.platform.files.files.contains("/wall.ASC"));
        ASSERT_EQ(win.platform.messages.size(), 1u);
        EXPECT_NE(win.platform.messages[0].text.find("draw it again"), std::string::npos);
    }
};

TEST_F(StaleDesign, AnOpenedFileWithoutABenchHeightDrawsNothingOld) {
    drawDesign(w);
    w.form.cmdResetValues_Click();
    w.enter(txtSlopeHeight, "3");
    w.platform.dialog.answer("/three.DAT");
    w.form.mnuSaveData_Click();
    w.platform.messages.clear();

    open(w, "/three.DAT");
    expectRefusedOpen(w, "/three.DAT",
                      "The opened design cannot be drawn: \"Bench height\" is empty or 0.");
}

TEST_F(StaleDesign, AnOpenedFileWithTooManyBenchesDrawsNothingOld) {
    drawDesign(w);
    w.platform.files.files["/tall.DAT"] = "327680\r\n10\r\n5\r\n45\r\n\r\n60\r\n75\r\n";
    open(w, "/tall.DAT");
    expectRefusedOpen(
        w, "/tall.DAT",
        "The opened design cannot be drawn: it has too many benches; at most 32,767 are possible.");
}

TEST_F(StaleDesign, AnOpenedFileWithAnUnreadableValueDrawsNothingOld) {
    drawDesign(w);
    w.platform.files.files["/huge.DAT"] = "1e309\r\n10\r\n5\r\n45\r\n\r\n60\r\n75\r\n";
    open(w, "/huge.DAT");
    expectRefusedOpen(w, "/huge.DAT",
                      "The opened design cannot be drawn: the text \"1e309\" of \"Slope "
                      "height\" cannot be read as a number.");
}

TEST_F(StaleDesign, BenchesPerStackBelowOneIsNamed) {
    w.platform.files.files["/neg.DAT"] = "100\r\n10\r\n-2\r\n45\r\n\r\n60\r\n75\r\n";
    open(w, "/neg.DAT");
    ASSERT_EQ(w.platform.messages.size(), 1u);
    EXPECT_EQ(w.platform.messages[0].text,
              "The opened design cannot be drawn: \"Benches per stack\" must be at least 1.");
}

TEST_F(StaleDesign, AGoodFileOpenedOverARefusedOneIsDrawnAndExported) {
    w.platform.files.files["/tall.DAT"] = "327680\r\n10\r\n5\r\n45\r\n\r\n60\r\n75\r\n";
    open(w, "/tall.DAT");
    w.platform.files.files["/good.DAT"] = "100\r\n10\r\n5\r\n45\r\n\r\n60\r\n75\r\n";
    w.platform.messages.clear();
    open(w, "/good.DAT");
    EXPECT_TRUE(w.platform.messages.empty());
    EXPECT_FALSE(w.platform.picture.strokes.empty());
    w.platform.dialog.answer("/wall.ASC");
    w.form.cmd3Dview_Click();
    EXPECT_EQ(w.platform.files.files.at("/wall.ASC"),
              ascText(build3DSurface(w.form.state())) + "\r\n");
}

// Fewer benches than the drawn profile: the export took the first rows of
// the old wall, which no longer close into a shell.
TEST_F(StaleDesign, TheExportRefusesAProfileOfFewerBenchesThanTheDesign) {
    drawDesign(w);
    w.enter(txtBenchAngle, "");
    w.enter(txtStackAngle, "");
    w.enter(txtCrestToToeSlopeAngle, "");
    w.enter(txtToeToToeSlopeAngle, "");
    w.enter(txtBenchesPerStack, "");
    w.enter(txtBenchHeight, "20");
    w.form.focusGained(txtBenchesPerStack);
    ASSERT_EQ(w.form.state().numberOfBenches, 5);
    ASSERT_TRUE(w.form.controls().enabled(cmd3Dview));

    w.platform.dialog.answer("/wall.ASC");
    w.form.clicked(cmd3Dview);
    EXPECT_TRUE(w.platform.dialog.shown.empty());
    EXPECT_EQ(w.platform.files.writeCount, 0);
    ASSERT_EQ(w.platform.messages.size(), 1u);
    EXPECT_NE(w.platform.messages[0].text.find("Accept values and draw picture"),
              std::string::npos);
}

TEST_F(StaleDesign, AfterClearPictureTheExportAsksForANewDrawing) {
    drawDesign(w);
    w.form.clicked(cmdClearPicture);
    w.platform.dialog.answer("/wall.ASC");
    w.form.clicked(cmd3Dview);
    EXPECT_EQ(w.platform.files.writeCount, 0);
    ASSERT_EQ(w.platform.messages.size(), 1u);

    w.form.clicked(cmdCalcAndDraw);
    w.platform.messages.clear();
    w.form.clicked(cmd3Dview);
    EXPECT_TRUE(w.platform.messages.size() == 1u &&
                w.platform.messages[0].text.starts_with("Map3D ASC-file saved"));
}

// Opening builds the profile at its drawing; an angle the focus check
// corrects afterwards does not make it stale.
TEST_F(StaleDesign, AFileOpenedAndExportedAtOnceIsWritten) {
    w.platform.files.files["/steep.DAT"] = "100\r\n10\r\n5\r\n45\r\n\r\n60\r\n55\r\n";
    open(w, "/steep.DAT");
    EXPECT_EQ(w.text(txtBenchAngle), "60"); // corrected after the drawing
    w.platform.messages.clear();
    w.platform.dialog.answer("/wall.ASC");
    w.form.clicked(cmd3Dview);
    EXPECT_TRUE(w.platform.files.files.contains("/wall.ASC"));
}

TEST_F(StaleDesign, TheSizeLimitSaysWhatIsAllowed) {
    drawDesign(w);
    w.form.state().slopeHeight = 13107;
    w.form.cmd3Dview_Click();
    ASSERT_EQ(w.platform.messages.size(), 1u);
    EXPECT_EQ(w.platform.messages[0].text,
              "The 3D file cannot be written: the slope height must be less than 13107 m.");
}

TEST_F(StaleDesign, HeightsOfOppositeSignsGiveNoBenchAndNoOldDrawing) {
    drawDesign(w);
    w.platform.files.files["/neg.DAT"] = "-100\r\n10\r\n5\r\n45\r\n\r\n60\r\n75\r\n";
    open(w, "/neg.DAT");
    expectRefusedOpen(w, "/neg.DAT",
                      "The opened design cannot be drawn: its slope height and bench height give "
                      "no bench.");
}

// A design the drawing command cannot scale (vertical faces, one stack: no
// width at all) leaves no picture and nothing to export either.
TEST_F(StaleDesign, AnOpenedDesignThatCannotBeScaledLeavesNothingToExport) {
    drawDesign(w);
    w.platform.files.files["/upright.DAT"] = "100\r\n10\r\n10\r\n45\r\n\r\n90\r\n90\r\n";
    open(w, "/upright.DAT");
    EXPECT_TRUE(w.platform.picture.strokes.empty());
    EXPECT_FALSE(w.form.controls().enabled(cmd3Dview));
    ASSERT_EQ(w.platform.messages.size(), 1u);
    EXPECT_NE(w.platform.messages[0].text.find("no horizontal extent"), std::string::npos);
}

// One message, naming what is missing; no angle check of a design that is
// not there follows it.
TEST_F(StaleDesign, AnIncompleteFileOverADrawnDesignSaysOneThing) {
    drawDesign(w);
    w.platform.files.files["/half.DAT"] = "100\r\n10\r\n5\r\n45\r\n\r\n60\r\n\r\n";
    open(w, "/half.DAT");
    ASSERT_EQ(w.platform.messages.size(), 1u);
    EXPECT_EQ(w.platform.messages[0].text,
              "The opened design cannot be drawn: \"Bench slope angle\" is empty or 0.");
    EXPECT_EQ(w.text(txtBenchAngle), "");
}

} // namespace
} // namespace pitwright::testing
