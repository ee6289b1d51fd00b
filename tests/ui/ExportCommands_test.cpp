// The Export menu of the window: the section drawing and the 3D shell of
// the drawn design, written whole through the file store.
#include "export3d/ShellDxf.h"
#include "export3d/ShellObj.h"
#include "export3d/ShellStl.h"
#include "export3d/Surface3D.h"
#include "support/WindowFixture.h"

namespace pitwright::testing {
namespace {

using enum ControlId;

class ExportCommands : public WindowFixture {
protected:
    const std::string& written(const std::string& path) { return w.platform.files.files.at(path); }
    const std::string& lastMessage() { return w.platform.messages.back().text; }
};

TEST_F(ExportCommands, NothingIsExportedWithoutTheDrawnDesign) {
    enterDesign(w); // typed, never drawn
    w.form.mnuExportSection_Click();
    w.form.mnuExportShell_Click();
    EXPECT_TRUE(w.platform.exports.shown.empty());
    ASSERT_EQ(w.platform.messages.size(), 2u);
    EXPECT_NE(lastMessage().find("draw it again"), std::string::npos);

    w.form.clicked(cmdCalcAndDraw);
    w.form.clicked(cmdClearPicture);
    w.platform.messages.clear();
    w.form.mnuExportShell_Click();
    EXPECT_TRUE(w.platform.exports.shown.empty());
    EXPECT_EQ(w.platform.messages.size(), 1u);
}

TEST_F(ExportCommands, TheSectionGoesOutInTheTypeItsNameOrTheListChooses) {
    drawDesign(w);
    w.platform.exports.answer("/report/wall.dxf");
    w.form.mnuExportSection_Click();
    const std::string& dxf = written("/report/wall.dxf");
    EXPECT_EQ(dxf.substr(0, 12), "  0\r\nSECTION");
    EXPECT_NE(dxf.find("42.26"), std::string::npos); // the berm width in the title block
    EXPECT_EQ(lastMessage(), "Section drawing saved: '/report/wall.dxf'");

    w.platform.exports.answer("/report/wall.PDF");
    w.form.mnuExportSection_Click();
    EXPECT_EQ(written("/report/wall.PDF").substr(0, 3), "PDF");

    // A name of another type: the list's choice decides.
    w.platform.exports.settings.filterIndex = 3;
    w.platform.exports.answer("/report/wall.v2");
    w.form.mnuExportSection_Click();
    EXPECT_EQ(written("/report/wall.v2").substr(0, 3), "PNG");
    ASSERT_FALSE(w.platform.exports.shown.empty());
    const FileDialogSettings& shown = w.platform.exports.shown.back().settings;
    EXPECT_EQ(shown.dialogTitle, "Export section drawing");
    EXPECT_EQ(shown.filter, "SVG drawings (*.svg)|*.svg|PDF documents (*.pdf)|*.pdf|PNG images "
                            "(*.png)|*.png|DXF drawings (*.dxf)|*.dxf");
    EXPECT_TRUE(shown.overwritePrompt);
    EXPECT_EQ(w.platform.pointers.back(), MousePointer::Arrow);
}

// The title block shows the window's fields as they read, and the check.
TEST_F(ExportCommands, TheTitleBlockShowsTheFieldsAndTheCatchBermCheck) {
    drawDesign(w);
    w.platform.exports.answer("/wall.svg");
    w.form.mnuExportSection_Click();
    const std::string& svg = written("/wall.svg");
    for (const char* row :
         {"Inter-ramp convention: Crest-to-toe slope angle", "Slope height (m): 100",
          "Toe-to-toe inter-ramp (\u00B0): 35.1", "Catchment berms (m): 42.26",
          "Catch berm, modified Ritchie: meets, 14.5 m asked, margin +27.76 m",
          "Steepest crest-to-toe angle for it (\u00B0): 54.2"}) {
        EXPECT_NE(svg.find(row), std::string::npos) << row << "\n" << svg;
    }
}

TEST_F(ExportCommands, TheShellGoesOutAsDxfObjOrStlOfTheSamePanels) {
    drawDesign(w);
    const auto panels = build3DSurface(w.form.state());
    w.platform.exports.answer("/shell.dxf");
    w.form.mnuExportShell_Click();
    EXPECT_EQ(written("/shell.dxf"), shellDxfFile(panels).bytes);
    w.platform.exports.answer("/shell.obj");
    w.form.mnuExportShell_Click();
    EXPECT_EQ(written("/shell.obj"), shellObjFile(panels).bytes);
    w.platform.exports.answer("/shell.stl");
    w.form.mnuExportShell_Click();
    EXPECT_EQ(written("/shell.stl"), shellStlFile(panels).bytes);
    EXPECT_EQ(lastMessage(), "3D shell saved: '/shell.stl'");
    // The window's own dialog keeps what its save and open routines set.
    EXPECT_TRUE(w.platform.dialog.shown.empty());
}

TEST_F(ExportCommands, TheShellRefusesWhatTheShellFileRefuses) {
    drawDesign(w);
    w.form.state().slopeHeight = 13107;
    w.form.mnuExportShell_Click();
    EXPECT_EQ(lastMessage(),
              "The 3D file cannot be written: the slope height must be less than 13107 m.");
    EXPECT_TRUE(w.platform.exports.shown.empty());

    // A slope of 4 m leaves no room above the crest: no mesh, but the faces.
    w.form.cmdResetValues_Click();
    w.enter(txtSlopeHeight, "4");
    w.enter(txtBenchHeight, "2");
    w.enter(txtBenchesPerStack, "1");
    w.enter(txtCrestToToeSlopeAngle, "45");
    w.enter(txtStackAngle, "60");
    w.form.clicked(cmdCalcAndDraw);
    w.platform.exports.answer("/low.stl");
    w.form.mnuExportShell_Click();
    EXPECT_FALSE(w.platform.files.files.contains("/low.stl"));
    EXPECT_NE(lastMessage().find("4 m or less"), std::string::npos) << lastMessage();
    w.platform.exports.answer("/low.dxf");
    w.form.mnuExportShell_Click();
    EXPECT_TRUE(w.platform.files.files.contains("/low.dxf"));
}

TEST_F(ExportCommands, AFailedWriteIsToldAndKeepsTheOldFile) {
    drawDesign(w);
    w.platform.files.files["/ro/wall.dxf"] = "old";
    w.platform.files.refuseWrites["/ro/wall.dxf"] = FileProblem::FolderNotWritable;
    w.platform.exports.answer("/ro/wall.dxf");
    w.form.mnuExportSection_Click();
    EXPECT_EQ(written("/ro/wall.dxf"), "old");
    EXPECT_NE(lastMessage().find("you may not write in its folder"), std::string::npos);
}

// Benches per stack typed again after the drawing leaves the bench count
// alone; the drawing still shows the stacks it was drawn with.
TEST_F(ExportCommands, TheSectionShowsTheStacksItWasDrawnWith) {
    drawDesign(w);
    w.platform.exports.answer("/before.dxf");
    w.form.mnuExportSection_Click();
    w.enter(txtBenchAngle, "");
    w.enter(txtStackAngle, "");
    w.enter(txtCrestToToeSlopeAngle, "");
    w.enter(txtToeToToeSlopeAngle, "");
    w.enter(txtBenchesPerStack, "2");
    ASSERT_EQ(w.form.state().numberOfBenches, 10);
    ASSERT_EQ(w.form.state().benchesPerStack, 2);
    w.platform.exports.answer("/after.dxf");
    w.form.mnuExportSection_Click();
    // The title block shows the fields as they now read; the wall, with its
    // berms where they were drawn, is the same.
    auto wallOf = [](const std::string& dxf) {
        const std::size_t start = dxf.find("  0\r\nPOLYLINE\r\n  8\r\nwall\r\n");
        return dxf.substr(start, dxf.find("SEQEND", start) - start);
    };
    EXPECT_EQ(wallOf(written("/after.dxf")), wallOf(written("/before.dxf")));
    // The berm is dimensioned where it was drawn, though its field is empty now.
    ASSERT_EQ(w.text(txtBermWidth), "");
    EXPECT_NE(written("/after.dxf").find("42.26"), std::string::npos);
}

} // namespace
} // namespace pitwright::testing
