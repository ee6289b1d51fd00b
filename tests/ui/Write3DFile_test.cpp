#include "export3d/AscText.h"
#include "export3d/Surface3D.h"
#include "support/WindowFixture.h"

namespace pitwright::testing {
namespace {

using enum ControlId;

using Write3DFile = WindowFixture;

TEST_F(Write3DFile, WritesTheWholeTextAndConfirms) {
    drawDesign(w);
    const std::string expected = ascText(build3DSurface(w.form.state())) + "\r\n";
    w.platform.dialog.answer("/home/u/wall.ASC");

    w.form.clicked(cmd3Dview);

    EXPECT_EQ(w.platform.files.files.at("/home/u/wall.ASC"), expected);
    EXPECT_EQ(expected.substr(0, 11), "0\t0\t0\t3\t0\r\n");
    ASSERT_EQ(w.platform.dialog.shown.size(), 1u);
    const auto& settings = w.platform.dialog.shown[0].settings;
    EXPECT_EQ(settings.filter, "Map3D ASC-files(*.ASC)|*.ASC|All file types (*.*)|*.*");
    EXPECT_EQ(settings.defaultExt, "ASC");
    EXPECT_EQ(w.text(txtComment), "Map3D ASC-file saved: '/home/u/wall.ASC'");
    ASSERT_EQ(w.platform.messages.size(), 1u);
    EXPECT_EQ(w.platform.messages[0].text, "Map3D ASC-file saved: '/home/u/wall.ASC'");
    EXPECT_EQ(w.platform.pointers.back(), MousePointer::Arrow);
}

TEST_F(Write3DFile, WhenCancelledTheCommentKeepsShowingTheText) {
    drawDesign(w);
    w.form.cmd3Dview_Click();
    EXPECT_EQ(w.text(txtComment), ascText(build3DSurface(w.form.state())));
    EXPECT_EQ(w.platform.files.writeCount, 0);
    EXPECT_TRUE(w.platform.messages.empty());
}

TEST_F(Write3DFile, ALargeShellIsPreviewedButWrittenWhole) {
    w.enter(txtSlopeHeight, "5000");
    w.enter(txtBenchHeight, "2");
    w.enter(txtBenchesPerStack, "5");
    w.enter(txtCrestToToeSlopeAngle, "45");
    w.enter(txtStackAngle, "60");
    w.enter(txtBenchAngle, "75");
    w.form.clicked(cmdCalcAndDraw);
    ASSERT_EQ(w.form.state().numberOfBenches, 2500);

    const std::string text = w.form.build3DFileText();
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 16 * 2500 + 28);
    const std::string& comment = w.text(txtComment);
    EXPECT_LT(comment.size(), 20000u);
    const std::size_t shown = comment.rfind("\r\n") + 2;
    EXPECT_EQ(comment.substr(0, shown), text.substr(0, shown));
    EXPECT_NE(comment.find("more lines"), std::string::npos);

    w.platform.dialog.answer("/big.ASC");
    w.form.cmd3Dview_Click();
    EXPECT_EQ(w.platform.files.files.at("/big.ASC"), text + "\r\n");
}

TEST_F(Write3DFile, WithoutAUsableProfileNothingIsWritten) {
    drawDesign(w);
    w.form.state().numberOfBenches = 11; // the benches changed since the drawing
    w.platform.dialog.answer("/x.ASC");
    w.form.cmd3Dview_Click();
    EXPECT_TRUE(w.platform.dialog.shown.empty());
    EXPECT_EQ(w.platform.files.writeCount, 0);
    ASSERT_EQ(w.platform.messages.size(), 1u);
    EXPECT_EQ(w.platform.messages[0].title, "Pitwright");

    w.form.state().numberOfBenches = 10;
    w.form.state().slopeHeight = 13107;
    w.platform.messages.clear();
    w.form.cmd3Dview_Click();
    EXPECT_EQ(w.platform.files.writeCount, 0);
    ASSERT_EQ(w.platform.messages.size(), 1u);
    EXPECT_NE(w.platform.messages[0].text.find("13107"), std::string::npos);
}

// The shell is taken at the click; what runs while the dialog waits
// (a new design, a reset) does not reach the file.
TEST_F(Write3DFile, TheFileHoldsTheShellOfTheClick) {
    drawDesign(w);
    const std::string atTheClick = ascText(build3DSurface(w.form.state())) + "\r\n";
    w.platform.duringDoEvents = [this] {
        w.form.cmdResetValues_Click();
        w.platform.duringDoEvents = nullptr;
    };
    w.platform.dialog.answer("/wall.ASC");
    w.form.clicked(cmd3Dview);
    EXPECT_EQ(w.platform.files.files.at("/wall.ASC"), atTheClick);
}

// The text is produced while the file is written, under the busy pointer;
// a failure then is a failed save like any other.
TEST_F(Write3DFile, AFailureWhileProducingKeepsTheOldFileAndConfirmsNothing) {
    drawDesign(w);
    bool busyWhileWriting = false;
    w.platform.files.duringWrite = [&] {
        busyWhileWriting = w.platform.pointers.back() == MousePointer::Hourglass;
    };
    w.platform.files.files["/wall.ASC"] = "old";
    w.platform.files.room = 1000;
    w.platform.dialog.answer("/wall.ASC");
    w.form.clicked(cmd3Dview);

    EXPECT_TRUE(busyWhileWriting);
    EXPECT_EQ(w.platform.files.files.at("/wall.ASC"), "old");
    ASSERT_EQ(w.platform.messages.size(), 1u);
    EXPECT_NE(w.platform.messages[0].text.find("the disk is full"), std::string::npos);
    EXPECT_EQ(w.text(txtComment).find("Map3D ASC-file saved"), std::string::npos);
    EXPECT_EQ(w.platform.pointers.back(), MousePointer::Arrow);
}

} // namespace
} // namespace pitwright::testing
