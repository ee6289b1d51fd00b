// `show`: the window's fields for a data file, the window's messages on
// stderr, and the status by whether the design was drawn.
#include "cli/CliFixture.h"
#include "cli/DesignReport.h"
#include "cli/ShowCommand.h"
#include "support/FakePlatform.h"

#include <map>

namespace pitwright::testing {
namespace {

using MainWindow = frmPitwrightMain;

// The table's lines as caption -> text.
std::map<std::string, std::string> tableOf(const std::string& out) {
    std::map<std::string, std::string> rows;
    std::istringstream lines(out);
    std::string line;
    while (std::getline(lines, line)) {
        const std::size_t colon = line.find(':');
        const std::size_t text = line.find_first_not_of(' ', colon + 1);
        rows[line.substr(0, colon)] = text == std::string::npos ? "" : line.substr(text);
    }
    return rows;
}

bool holds(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

class ShowCommand : public CliFixture {};

TEST_F(ShowCommand, TheReadmeDesignGivesItsFigures) {
    writeDesign("wall.DAT", {"100", "10", "5", "45", "", "60", "75"});
    const Run shown = run({"show", path("wall.DAT")});
    EXPECT_EQ(shown.status, 0);
    EXPECT_EQ(shown.err, "");
    auto table = tableOf(shown.out);
    EXPECT_EQ(table["Inter-ramp slope angle"], "Crest-to-toe slope angle");
    EXPECT_EQ(table["Number of benches"], "10");
    EXPECT_EQ(table["Number of step outs"], "9");
    EXPECT_EQ(table["Number of stacks"], "2");
    EXPECT_EQ(table["Number of berms"], "1");
    EXPECT_EQ(table["Overall horizontal (m)"], "100");
    EXPECT_EQ(table["Stack horizontal (m)"], "28.87");
    EXPECT_EQ(table["Catchment berms (m)"], "42.26");
    EXPECT_EQ(table["Toe-to-toe inter-ramp"], "35.1");
    EXPECT_EQ(table["Bench horizontal (m)"], "2.68");
    EXPECT_EQ(table["Step out widths (m)"], "3.87");
    EXPECT_EQ(table["Comment line"], "Data-file opened: '" + path("wall.DAT") + "'");
    EXPECT_EQ(table["Catch berm check (modified Ritchie)"], "meets");
    EXPECT_EQ(table["Catch berm asked (m)"], "14.5");
    EXPECT_EQ(table["Catch berm margin (m)"], "+27.76");
    EXPECT_EQ(table["Steepest inter-ramp for the catch berm (deg)"], "54.2");
    EXPECT_EQ(table.size(), 22u); // convention, sixteen fields, the check, comment
}

TEST_F(ShowCommand, TheToeToToeDesignAsJson) {
    writeDesign("toe.DAT", {"100", "10", "5", "", "40", "60", "75"});
    const Run shown = run({"show", "--toe-to-toe", "--json", path("toe.DAT")});
    EXPECT_EQ(shown.status, 0);
    EXPECT_EQ(shown.err, "");
    for (const char* part :
         {"\"convention\": \"toe-to-toe\"", "\"drawn\": true", "\"refusal\": \"\"",
          "\"overallHorizontal\": \"119.175\"", "\"bermWidth\": \"30.72\"",
          "\"crestToToeAngle\": \"48.5\"", "\"toeToToeAngle\": \"40\"", "\"messages\": []"}) {
        EXPECT_TRUE(holds(shown.out, part)) << part << "\n" << shown.out;
    }
    // The caption follows the convention, as in the window.
    EXPECT_EQ(
        tableOf(run({"show", "--toe-to-toe", path("toe.DAT")}).out)["Inter-ramp horizontal (m)"],
        "119.175");
    EXPECT_TRUE(holds(shown.out, "\"catchBerm\": {\"check\": \"meets\", \"required\": \"14.5\", "
                                 "\"margin\": \"+16.22\", \"steepestInterRampAngle\": \"49.1\"}"))
        << shown.out;
}

TEST_F(ShowCommand, OneStackAndOneBenchPerStack) {
    writeDesign("stack.DAT", {"100", "10", "10", "45", "", "60", "75"});
    auto table = tableOf(run({"show", path("stack.DAT")}).out);
    EXPECT_EQ(table["Number of stacks"], "1");
    EXPECT_EQ(table["Catchment berms (m)"], "0");
    EXPECT_EQ(table["Stack horizontal (m)"], "0");
    EXPECT_EQ(table["Toe-to-toe inter-ramp"], "");

    writeDesign("single.DAT", {"100", "10", "1", "45", "", "60", ""});
    const Run single = run({"show", path("single.DAT")});
    EXPECT_EQ(single.status, 0);
    table = tableOf(single.out);
    EXPECT_EQ(table["Bench slope angle"], "60"); // the stack face is the bench face
    EXPECT_EQ(table["Step out widths (m)"], "0");
    EXPECT_EQ(table["Bench horizontal (m)"], "0");
}

TEST_F(ShowCommand, AnAngleTheWindowCorrectsIsSaidOnStderrAndIsNoFailure) {
    writeDesign("steep.DAT", {"100", "10", "5", "45", "", "60", "55"});
    const Run shown = run({"show", path("steep.DAT")});
    EXPECT_EQ(shown.status, 0);
    EXPECT_EQ(shown.err, "Angle error: The bench angle cannot be smaller than the stack angle\n");
    EXPECT_EQ(tableOf(shown.out)["Bench slope angle"], "60");
}

TEST_F(ShowCommand, ARefusedDesignFailsWithTheWindowsReason) {
    writeDesign("tall.DAT", {"327680", "10", "5", "45", "", "60", "75"});
    const std::string reason =
        "The opened design cannot be drawn: it has too many benches; at most 32,767 are possible.";
    Run shown = run({"show", path("tall.DAT")});
    EXPECT_EQ(shown.status, 1);
    EXPECT_EQ(shown.err, "Pitwright: " + reason + "\n");

    shown = run({"show", "--json", path("tall.DAT")});
    EXPECT_EQ(shown.status, 1);
    EXPECT_TRUE(holds(shown.out, "\"drawn\": false")) << shown.out;
    EXPECT_TRUE(holds(shown.out, "\"refusal\": \"" + reason + "\"")) << shown.out;
    EXPECT_TRUE(holds(shown.out, "{\"title\": \"Pitwright\", \"text\": \"" + reason + "\"}"));

    shown = run({"show", path("missing.DAT")});
    EXPECT_EQ(shown.status, 1);
    EXPECT_TRUE(holds(shown.err, "cannot be read: there is no such file")) << shown.err;
}

// The command line shows what the window shows for the same file, on the
// platform the window's own tests use.
TEST_F(ShowCommand, ShowsWhatTheWindowShows) {
    const std::vector<std::string> designs[] = {
        {"100", "10", "5", "45", "", "60", "75"},  {"104", "10", "3", "45", "", "60", "75"},
        {"100", "10", "10", "45", "", "40", "75"}, {"100", "10", "5", "45", "", "40", "75"},
        {"100", "10", "5", "45", "", "60", "90"},  {"100", "10", "2.6", "45", "", "0.3", "75"},
        {"100", "", "5", "45", "", "60", "75"},    {"12 m", "x", "5", "45", "", "60", "75"},
    };
    for (const auto& texts : designs) {
        const std::string file = writeDesign("design.DAT", texts);
        FakePlatform platform;
        MainWindow window(platform);
        window.Form_Load();
        platform.files.files[file] = read("design.DAT");
        window.openDataFile(file);
        std::ostringstream expected;
        cli::writeFieldTable(expected, window);
        std::string messages;
        for (const auto& message : platform.messages) {
            messages += message.title + ": " + message.text + "\n";
        }

        const Run shown = run({"show", file});
        EXPECT_EQ(shown.out, expected.str()) << texts[0] << " " << texts[2] << " " << texts[5];
        EXPECT_EQ(shown.err, messages);
        EXPECT_EQ(shown.status, window.controls().enabled(ControlId::cmd3Dview) ? 0 : 1);
    }
}

// The stability check of the drawn wall, as the analysis window gives it.
TEST_F(ShowCommand, TheStabilityOfTheDrawnWall) {
    writeDesign("wall.DAT", {"100", "10", "5", "45", "", "60", "75"});
    const Run table = run({"show", path("wall.DAT"), "--stability", "26,50,35"});
    EXPECT_EQ(table.status, 0) << table.err;
    EXPECT_TRUE(holds(table.out, "Whole slope: factor of safety 0.94, below the target 1.3."))
        << table.out;
    EXPECT_TRUE(holds(table.out, "Worst stack: stack 1 of 2"));
    EXPECT_TRUE(holds(table.out, "Ground model: a flat pit floor"));

    const Run json = run({"show", path("wall.DAT"), "--json", "--stability", "26,50,35"});
    EXPECT_TRUE(holds(json.out, "\"wholeSlope\": {\"factorOfSafety\": 0.942, \"meetsTarget\": "
                                "false, \"centre\": ["))
        << json.out;
    EXPECT_FALSE(holds(json.out, "nan"));

    const Run badAngle = run({"show", path("wall.DAT"), "--stability", "26,50,95"});
    EXPECT_EQ(badAngle.status, 2);
    EXPECT_TRUE(holds(badAngle.err, "The friction angle must be below 90")) << badAngle.err;
    EXPECT_EQ(run({"show", path("wall.DAT"), "--stability", "26,50"}).status, 2);
}

} // namespace
} // namespace pitwright::testing
