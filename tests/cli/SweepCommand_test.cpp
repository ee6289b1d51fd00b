// `sweep`: a table of designs in, one row of the window's results a design
// out, as spreadsheets read and write tables.
#include "cli/CliFixture.h"
#include "files/CsvReader.h"

#include <filesystem>
#include <map>

namespace pitwright::testing {
namespace {

using Row = std::map<std::string, std::string>;

const std::string kHeader = "id,convention,slope height,bench height,benches per stack,"
                            "crest-to-toe,toe-to-toe,stack angle,bench angle\r\n";

// The rows of a table by their header's names; the input's own columns come
// first, so a name the results repeat keeps the input's field.
std::vector<Row> rowsOf(const std::string& bytes) {
    const CsvTable table = readCsvTable(bytes);
    std::vector<Row> rows;
    for (const CsvRecord& record : table.rows) {
        Row row;
        for (std::size_t i = 0; i < table.header.fields.size() && i < record.fields.size(); ++i) {
            row.emplace(table.header.fields[i], record.fields[i]);
        }
        rows.push_back(row);
    }
    return rows;
}

class SweepCommand : public CliFixture {
protected:
    // Sweeps the table into results.csv; the results' rows.
    std::vector<Row> sweep(const std::string& table, Run* ran = nullptr) {
        write("designs.csv", table);
        const Run swept = run({"sweep", path("designs.csv"), "-o", path("results.csv")});
        EXPECT_EQ(swept.status, 0) << swept.err;
        EXPECT_EQ(swept.out, "");
        if (ran != nullptr) {
            *ran = swept;
        }
        return rowsOf(read("results.csv"));
    }
};

TEST_F(SweepCommand, TheNamedDesignsGiveTheirFigures) {
    Run ran;
    const auto rows = sweep(kHeader + "readme,crest-to-toe,100,10,5,45,,60,75\r\n"
                                      "toe,T,100,10,5,,40,60,75\r\n"
                                      "one stack,,100,10,10,45,,60,75\r\n"
                                      "one per stack,C,100,10,1,45,,60,\r\n"
                                      "steep,C,100,10,5,45,,60,55\r\n"
                                      "tall,C,327680,10,5,45,,60,75\r\n",
                            &ran);
    EXPECT_EQ(ran.err, ""); // no bar and no messages when stderr is no terminal
    ASSERT_EQ(rows.size(), 6u);

    Row readme = rows[0];
    EXPECT_EQ(readme["id"], "readme");
    EXPECT_EQ(readme["Number of benches"], "10");
    EXPECT_EQ(readme["Number of step outs"], "9");
    EXPECT_EQ(readme["Number of stacks"], "2");
    EXPECT_EQ(readme["Number of berms"], "1");
    EXPECT_EQ(readme["Overall horizontal (m)"], "100");
    EXPECT_EQ(readme["Stack horizontal (m)"], "28.87");
    EXPECT_EQ(readme["Catchment berms (m)"], "42.26");
    EXPECT_EQ(readme["Toe-to-toe inter-ramp (deg)"], "35.1");
    EXPECT_EQ(readme["Bench horizontal (m)"], "2.68");
    EXPECT_EQ(readme["Step out widths (m)"], "3.87");
    EXPECT_EQ(readme["Catch berm check (modified Ritchie)"], "meets");
    EXPECT_EQ(readme["Catch berm asked (m)"], "14.5");
    EXPECT_EQ(readme["Catch berm margin (m)"], "+27.76");
    EXPECT_EQ(readme["Steepest inter-ramp for the catch berm (deg)"], "54.2");
    EXPECT_EQ(readme["messages"], "");
    EXPECT_EQ(readme["reason"], "");

    Row toe = rows[1];
    EXPECT_EQ(toe["Overall horizontal (m)"], "119.175");
    EXPECT_EQ(toe["Catchment berms (m)"], "30.72");
    EXPECT_EQ(toe["Crest-to-toe inter-ramp (deg)"], "48.5");

    Row oneStack = rows[2];
    EXPECT_EQ(oneStack["Number of stacks"], "1");
    EXPECT_EQ(oneStack["Catchment berms (m)"], "0");
    EXPECT_EQ(oneStack["Stack horizontal (m)"], "0");
    EXPECT_EQ(oneStack["Catch berm check (modified Ritchie)"],
              "does not apply: one stack, no catch berm");

    Row onePerStack = rows[3];
    EXPECT_EQ(onePerStack["Bench slope angle (deg)"], "60");
    EXPECT_EQ(onePerStack["Step out widths (m)"], "0");
    EXPECT_EQ(onePerStack["reason"], "");

    Row steep = rows[4];
    EXPECT_EQ(steep["Bench slope angle (deg)"], "60");
    EXPECT_EQ(steep["messages"], "The bench angle cannot be smaller than the stack angle");
    EXPECT_EQ(steep["reason"], "");

    Row tall = rows[5];
    EXPECT_EQ(tall["reason"], "The opened design cannot be drawn: it has too many benches; at "
                              "most 32,767 are possible.");
    EXPECT_EQ(tall["messages"], tall["reason"]);
    EXPECT_EQ(tall["slope height"], "327680"); // the input, copied
}

TEST_F(SweepCommand, RowsThatCannotBeReadAreFlaggedAndTheSweepGoesOn) {
    const auto rows = sweep(kHeader + "comma,C,100,10,5,\"45,5\",,60,75\r\n"
                                      "point,C,100,10,5,45.5,,60,75\r\n"
                                      "short,C,100,10\r\n"
                                      "long,C,100,10,5,45,,60,75,extra\r\n"
                                      "convention,sideways,100,10,5,45,,60,75\r\n"
                                      "euro,C,100,10,5,45,,60,75 \xE2\x89\x88\r\n"
                                      "after,C,100,10,5,45,,60,75\r\n");
    ASSERT_EQ(rows.size(), 7u);
    auto reason = [&](std::size_t i) { return rows[i].at("reason"); };
    EXPECT_EQ(reason(0), "decimal comma in \"crest-to-toe\": \"45,5\" would be read as 45; write "
                         "numbers with a point");
    EXPECT_EQ(rows[0].at("Number of benches"), ""); // not read at all
    EXPECT_EQ(rows[0].at("crest-to-toe"), "45,5");
    EXPECT_EQ(reason(1), "");
    EXPECT_EQ(rows[1].at("Overall horizontal (m)"), "98.27");
    EXPECT_EQ(reason(2), "the row has 4 fields where the header has 9");
    EXPECT_EQ(rows[2].at("slope height"), "100");
    EXPECT_EQ(reason(3), "the row has 10 fields where the header has 9; those beyond the 9 are "
                         "not copied");
    EXPECT_EQ(reason(4), "\"convention\" is \"sideways\", neither crest-to-toe (C) nor toe-to-toe "
                         "(T)");
    EXPECT_EQ(reason(5), "the text of \"bench angle\" holds the character \"\xE2\x89\x88\", which "
                         "a data file cannot store");
    EXPECT_EQ(reason(6), "");

    // A quote that never closes swallows the rest of the table into one row.
    const auto broken = sweep(kHeader + "a,C,100,10,5,45,,60,75\r\n"
                                        "b,C,\"100,10,5,45,,60,75\r\n"
                                        "c,C,100,10,5,45,,60,75\r\n");
    ASSERT_EQ(broken.size(), 2u);
    EXPECT_EQ(broken[1].at("reason"), "a quoted field that starts on line 3 is never closed");
}

// A text longer than any data file the window reads: the window's own
// refusal, naming the row's line.
TEST_F(SweepCommand, AHugeTextIsRefusedByTheWindow) {
    const auto rows =
        sweep(kHeader + "huge,C,1" + std::string(5 << 20, '0') + ",10,5,45,,60,75\r\n");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].at("reason"),
              "The data file 'line 2' cannot be read: its first lines are far "
              "longer than a data file's. No field was changed.");
}

TEST_F(SweepCommand, SemicolonAndTabTablesWithAMarkComeBackAsTheyWent) {
    const std::string bom = "\xEF\xBB\xBF";
    const std::string body = "\"pit 1; west\"|C|100|10|5|45||60|75\r\n"
                             "\"pit \"\"2\"\"\"|T|100|10|5||40|60|75\r\n"
                             "decimal|C|100|10|5|45,5||60|75\r\n";
    for (const char delimiter : {';', '\t'}) {
        std::string header = kHeader;
        std::string rows = body;
        std::replace(header.begin(), header.end(), ',', delimiter);
        std::replace(rows.begin(), rows.end(), '|', delimiter);
        const auto results = sweep(bom + header + rows);
        const std::string bytes = read("results.csv");
        EXPECT_TRUE(bytes.starts_with(bom + "id" + delimiter + "convention" + delimiter));
        EXPECT_EQ(bytes.find("\r\n"), bytes.find('\n') - 1); // CR LF line ends
        const CsvTable table = readCsvTable(bytes);
        EXPECT_EQ(table.delimiter, static_cast<CsvDelimiter>(delimiter));
        EXPECT_TRUE(table.byteOrderMark);

        ASSERT_EQ(results.size(), 3u);
        EXPECT_EQ(results[0].at("id"), "pit 1; west");
        EXPECT_EQ(results[0].at("Catchment berms (m)"), "42.26");
        EXPECT_EQ(results[1].at("id"), "pit \"2\"");
        EXPECT_EQ(results[1].at("Catchment berms (m)"), "30.72");
        EXPECT_EQ(results[2].at("crest-to-toe"), "45,5");
        EXPECT_TRUE(results[2].at("reason").starts_with("decimal comma in \"crest-to-toe\""));
    }
}

TEST_F(SweepCommand, ColumnsAreFoundByNameInAnyOrderAndSpelling) {
    const auto rows = sweep("Bench_Angle,STACK ANGLE,Crest To Toe,benches-per-stack,"
                            "BenchHeight,Slope Height,note\r\n"
                            "75,60,45,5,10,100,first\r\n");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].at("Catchment berms (m)"), "42.26");
    EXPECT_EQ(rows[0].at("note"), "first");
}

TEST_F(SweepCommand, ATableThatCannotBeSweptIsAUsageErrorAndWritesNothing) {
    const std::pair<std::string, std::string> tables[] = {
        {"", "it has no header row"},
        {"id,slope height,bench height\r\n1,100,10\r\n",
         "the header has no column \"benches per stack\", \"stack angle\", \"crest-to-toe\" or "
         "\"toe-to-toe\""},
        {"slope height,bench height,benches per stack,crest-to-toe,stack angle,Stack_Angle\r\n",
         "the header names \"stack angle\" twice: in column 5 (\"stack angle\") and in column 6 "
         "(\"Stack_Angle\")"},
        {"\xFF\xFEs\0l\0", "UTF-16"},
    };
    for (const auto& [table, why] : tables) {
        write("designs.csv", table);
        const Run swept = run({"sweep", path("designs.csv"), "-o", path("results.csv")});
        EXPECT_EQ(swept.status, 2);
        EXPECT_NE(swept.err.find(why), std::string::npos) << swept.err;
        EXPECT_FALSE(std::filesystem::exists(path("results.csv")));
    }
    const Run missing = run({"sweep", path("none.csv")});
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("there is no such file"), std::string::npos);
}

TEST_F(SweepCommand, ResultsThatCannotBeWrittenFail) {
    write("designs.csv", kHeader + "a,C,100,10,5,45,,60,75\r\n");
    const Run swept = run({"sweep", path("designs.csv"), "-o", path("missing/results.csv")});
    EXPECT_EQ(swept.status, 1);
    EXPECT_NE(swept.err.find("its folder does not exist"), std::string::npos) << swept.err;
}

// Many designs of every kind: the same rows in the same order whatever the
// number of threads, to a file or to the standard output.
TEST_F(SweepCommand, RowsKeepTheirOrderOnAnyNumberOfThreads) {
    std::string table = kHeader;
    for (int i = 0; i < 5000; ++i) {
        table += std::to_string(i) + (i % 2 ? ",T," : ",C,") + std::to_string(50 + i % 300) + "," +
                 std::to_string(5 + i % 11) + "," + std::to_string(i % 9) +
                 (i % 2 ? ",," : ",45,") + (i % 2 ? "40," : ",") + std::to_string(30 + i % 40) +
                 "," + (i % 13 == 0 ? "45,5" : std::to_string(50 + i % 40)) + "\r\n";
    }
    write("designs.csv", table);
    const Run one = run({"sweep", path("designs.csv"), "-j", "1"});
    ASSERT_EQ(one.status, 0);
    for (const char* threads : {"2", "3"}) {
        const Run many = run({"sweep", path("designs.csv"), "--jobs", threads});
        EXPECT_EQ(many.out, one.out) << threads;
    }
    EXPECT_EQ(run({"sweep", path("designs.csv"), "-o", path("results.csv")}).status, 0);
    EXPECT_EQ(read("results.csv"), one.out);

    const auto rows = rowsOf(one.out);
    ASSERT_EQ(rows.size(), 5000u);
    for (int i = 0; i < 5000; ++i) {
        ASSERT_EQ(rows[static_cast<std::size_t>(i)].at("id"), std::to_string(i));
    }
}

TEST_F(SweepCommand, TheResultsMayReplaceTheTable) {
    write("designs.csv", kHeader + "a,C,100,10,5,45,,60,75\r\n");
    EXPECT_EQ(run({"sweep", path("designs.csv"), "-o", path("designs.csv")}).status, 0);
    const auto rows = rowsOf(read("designs.csv"));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].at("Catchment berms (m)"), "42.26");
}

} // namespace
} // namespace pitwright::testing
