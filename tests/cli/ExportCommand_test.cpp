// `export --asc`: the window's own bytes, through the disk store, replacing
// a file whole; a status of 1 whenever a file asked for is not written.
#include "cli/CliFixture.h"
#include "support/FakePlatform.h"
#include "ui/frmPitwrightMain.h"

#include <filesystem>

namespace pitwright::testing {
namespace {

using MainWindow = frmPitwrightMain;

class ExportCommand : public CliFixture {
protected:
    // What "Write a 3D-file" writes for the data file in a window on the
    // platform the window's own tests use.
    std::string windowsAsc(const std::string& dataFile, bool toeToToe = false) {
        FakePlatform platform;
        MainWindow window(platform);
        window.Form_Load();
        if (toeToToe) {
            window.clicked(ControlId::optToeToToeSlopeAngle);
        }
        platform.files.files[dataFile] = read(std::filesystem::path(dataFile).filename().string());
        window.openDataFile(dataFile);
        platform.dialog.answer("/wall.ASC");
        window.cmd3Dview_Click();
        return platform.files.files.at("/wall.ASC");
    }
};

TEST_F(ExportCommand, WritesTheBytesTheWindowWrites) {
    const std::string design = writeDesign("wall.DAT", {"100", "10", "5", "45", "", "60", "75"});
    const Run exported = run({"export", design, "--asc", path("wall.ASC")});
    EXPECT_EQ(exported.status, 0);
    EXPECT_EQ(exported.out, "");
    EXPECT_EQ(exported.err, ""); // the window's confirmation is not repeated
    const std::string asc = read("wall.ASC");
    EXPECT_EQ(asc, windowsAsc(design));
    EXPECT_TRUE(asc.starts_with("0\t0\t0\t3\t0\r\n"));
    EXPECT_EQ(std::count(asc.begin(), asc.end(), '\n'), 16 * 10 + 28 + 1);

    const std::string toe = writeDesign("toe.DAT", {"100", "10", "5", "", "40", "60", "75"});
    EXPECT_EQ(run({"export", "--toe-to-toe", toe, "--asc", path("toe.ASC")}).status, 0);
    EXPECT_EQ(read("toe.ASC"), windowsAsc(toe, true));
    EXPECT_NE(read("toe.ASC"), asc);
}

TEST_F(ExportCommand, ReplacesAnExistingFileWhole) {
    const std::string design = writeDesign("wall.DAT", {"100", "10", "5", "45", "", "60", "75"});
    write("wall.ASC", std::string(100000, 'x'));
    EXPECT_EQ(run({"export", design, "--asc", path("wall.ASC")}).status, 0);
    EXPECT_EQ(read("wall.ASC"), windowsAsc(design));
}

TEST_F(ExportCommand, AFileNotWrittenFailsWithTheWindowsWords) {
    const std::string design = writeDesign("wall.DAT", {"100", "10", "5", "45", "", "60", "75"});
    const std::string nowhere = path("no/such/folder/wall.ASC");
    const Run exported = run({"export", design, "--asc", nowhere});
    EXPECT_EQ(exported.status, 1);
    EXPECT_EQ(exported.err, "Pitwright: The file '" + nowhere +
                                "' was not saved: its folder does not exist. A file already "
                                "there is left as it was.\n");
}

TEST_F(ExportCommand, ARefusedDesignWritesNothing) {
    const std::string design = writeDesign("tall.DAT", {"327680", "10", "5", "45", "", "60", "75"});
    write("wall.ASC", "old");
    const Run exported = run({"export", design, "--asc", path("wall.ASC")});
    EXPECT_EQ(exported.status, 1);
    EXPECT_TRUE(exported.err.starts_with("Pitwright: The opened design cannot be drawn"));
    EXPECT_EQ(read("wall.ASC"), "old");
}

// Every file of the design, each the same as the window's export of it.
TEST_F(ExportCommand, WritesTheShellAndTheSectionAsTheWindowDoes) {
    const std::string design = writeDesign("wall.DAT", {"100", "10", "5", "45", "", "60", "75"});
    const Run exported =
        run({"export", design, "--dxf", path("shell.dxf"), "--obj", path("shell.obj"), "--stl",
             path("shell.stl"), "--section", path("section.dxf")});
    EXPECT_EQ(exported.status, 0) << exported.err;
    EXPECT_EQ(exported.err, "");

    FakePlatform platform;
    MainWindow window(platform);
    window.Form_Load();
    platform.files.files["/wall.DAT"] = read("wall.DAT");
    window.openDataFile("/wall.DAT");
    for (const auto& [name, format] : {std::pair{"shell.dxf", ShellFormat::Dxf},
                                       {"shell.obj", ShellFormat::Obj},
                                       {"shell.stl", ShellFormat::Stl}}) {
        ASSERT_TRUE(window.exportShellTo(std::string("/") + name, format));
        EXPECT_EQ(read(name), platform.files.files.at(std::string("/") + name)) << name;
    }
    ASSERT_TRUE(window.exportSectionTo("/section.dxf", SheetFormat::Dxf));
    EXPECT_EQ(read("section.dxf"), platform.files.files.at("/section.dxf"));
}

TEST_F(ExportCommand, AShellTheMeshCannotHoldIsNotWritten) {
    const std::string low = writeDesign("low.DAT", {"4", "2", "1", "45", "", "60", ""});
    const Run exported = run({"export", low, "--stl", path("low.stl"), "--dxf", path("low.dxf")});
    EXPECT_EQ(exported.status, 1);
    EXPECT_NE(exported.err.find("4 m or less"), std::string::npos) << exported.err;
    EXPECT_FALSE(std::filesystem::exists(path("low.stl")));
    EXPECT_TRUE(std::filesystem::exists(path("low.dxf")));
}

TEST_F(ExportCommand, UsageErrorsWriteNothing) {
    const std::string design = writeDesign("wall.DAT", {"100", "10", "5", "45", "", "60", "75"});
    const Run section =
        run({"export", design, "--asc", path("a.ASC"), "--section", path("wall.doc")});
    EXPECT_EQ(section.status, 2);
    EXPECT_NE(section.err.find("--section needs a name ending in .svg, .pdf, .png or .dxf"),
              std::string::npos)
        << section.err;
    EXPECT_FALSE(std::filesystem::exists(path("a.ASC"))); // refused before anything is written
    EXPECT_EQ(run({"export", design}).status, 2);
    EXPECT_EQ(run({"export", design, "--asc", path("a"), "--asc", path("b")}).status, 2);
}

} // namespace
} // namespace pitwright::testing
