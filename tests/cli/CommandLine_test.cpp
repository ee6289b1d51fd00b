// The command line itself: help, version and usage errors, each with its
// status and on its stream.
#include "cli/CliFixture.h"
#include "cli/JsonText.h"
#include "cli/SweepColumns.h"

namespace pitwright::testing {
namespace {

class CommandLine : public CliFixture {};

TEST_F(CommandLine, HelpAndVersionGoToStdoutAndSucceed) {
    for (const char* help : {"--help", "-h", "help"}) {
        const Run ran = run({help});
        EXPECT_EQ(ran.status, 0);
        EXPECT_NE(ran.out.find("Usage: pitwright-cli <command>"), std::string::npos);
        EXPECT_EQ(ran.err, "");
    }
    const Run sweepHelp = run({"sweep", "--help"});
    EXPECT_EQ(sweepHelp.status, 0);
    EXPECT_TRUE(sweepHelp.out.starts_with("Usage: pitwright-cli sweep [options] DESIGNS.csv\n"));
    for (const char* column : {"slope height", "benches per stack", "toe-to-toe", "reason"}) {
        EXPECT_NE(sweepHelp.out.find(column), std::string::npos) << column;
    }
    EXPECT_EQ(run({"--version"}).out, "pitwright-cli " PITWRIGHT_VERSION "\n");
    EXPECT_EQ(run({"show", "--version"}).out, "pitwright-cli " PITWRIGHT_VERSION "\n");
}

TEST_F(CommandLine, UsageErrorsAreStatusTwoWithAHintOnStderr) {
    const std::string design = writeDesign("wall.DAT", {"100", "10", "5", "45", "", "60", "75"});
    const std::vector<std::vector<std::string>> wrong = {
        {},
        {"draw", design},
        {"--toe-to-toe", "show", design},
        {"show"},
        {"show", design, design},
        {"show", "--frobnicate", design},
        {"sweep", design, "-o"},
        {"sweep", design, "--jobs", "0"},
        {"sweep", design, "--jobs", "two"},
        {"show", std::string("wall\xFF.DAT")},
    };
    for (const auto& arguments : wrong) {
        std::vector<std::string> all{"pitwright-cli"};
        all.insert(all.end(), arguments.begin(), arguments.end());
        std::ostringstream out;
        std::ostringstream err;
        const int status = cli::runCommandLine(all, out, err, {});
        const std::string said = err.str();
        EXPECT_EQ(status, 2) << said;
        EXPECT_EQ(out.str(), "");
        EXPECT_TRUE(said.starts_with("pitwright-cli")) << said;
        EXPECT_NE(said.find("--help'."), std::string::npos) << said;
    }
}

TEST_F(CommandLine, AnExportWithoutAFileNamesEveryKindItCanWrite) {
    const std::string design = writeDesign("wall.DAT", {"100", "10", "5", "45", "", "60", "75"});
    const Run ran = run({"export", design});
    EXPECT_EQ(ran.status, 2);
    EXPECT_NE(ran.err.find("give --asc, --dxf, --obj, --stl or --section with a file name"),
              std::string::npos)
        << ran.err;
}

TEST(JsonText, EscapesWhatJsonMust) {
    EXPECT_EQ(cli::jsonString("12 m"), "\"12 m\"");
    EXPECT_EQ(cli::jsonString("say \"hi\" \\ now"), "\"say \\\"hi\\\" \\\\ now\"");
    EXPECT_EQ(cli::jsonString("a\r\nb\tc\x01\x7F"), "\"a\\r\\nb\\tc\\u0001\\u007f\"");
    EXPECT_EQ(cli::jsonString("45\xC2\xB0"), "\"45\xC2\xB0\""); // UTF-8 as it is
}

TEST(SweepColumns, NamesCompareWithoutCaseBlanksUnderscoresAndHyphens) {
    EXPECT_EQ(cli::comparableColumnName(" Crest-To_toe\t"), "cresttotoe");
    const auto found = cli::findSweepColumns(
        {"ID", "Slope_Height", "bench height", "BENCHES PER STACK", "toe-to-toe", "stack-angle"});
    ASSERT_TRUE(found.columns) << found.problem;
    EXPECT_EQ(found.columns->of(cli::SweepInput::SlopeHeight), 1u);
    EXPECT_EQ(found.columns->of(cli::SweepInput::ToeToToe), 4u);
    EXPECT_FALSE(found.columns->of(cli::SweepInput::Convention));
    EXPECT_FALSE(found.columns->of(cli::SweepInput::BenchAngle));
}

} // namespace
} // namespace pitwright::testing
