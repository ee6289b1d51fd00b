#include "cli/CommandLine.h"

#include "cli/ExitStatus.h"
#include "cli/ExportCommand.h"
#include "cli/ShowCommand.h"
#include "cli/StabilityReport.h"
#include "cli/SweepCommand.h"
#include "files/DiskFileStore.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QStringList>

#include <optional>
#include <ostream>

namespace pitwright::cli {
namespace {

constexpr const char* kProgram = "pitwright-cli";

std::string bytesOf(const QString& text) {
    return text.toLocal8Bit().toStdString();
}

QString textOf(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

const char* const kOverview =
    "Pitwright on the command line: the main window's own derived values, files and\n"
    "checks for designs in data files or in a table, without a display.\n"
    "\n"
    "Usage: pitwright-cli <command> [options] FILE\n"
    "\n"
    "Commands:\n"
    "  show FILE.DAT      What the window shows for a data file, as a table or JSON.\n"
    "  export FILE.DAT    Write a design's 3D shell in any format, and its section drawing.\n"
    "  sweep DESIGNS.csv  One row of results for every design of a CSV table.\n"
    "\n"
    "Options:\n"
    "  -h, --help         This text; after a command, that command's help.\n"
    "  -v, --version      The version.\n"
    "\n"
    "Exit status: 0 done (also when the window corrected an angle, which is said on\n"
    "stderr); 1 a design refused, or a file asked for not written; 2 a usage error\n"
    "or an input table that cannot be read. Messages go to stderr.\n";

const char* const kShowDescription =
    "Opens FILE.DAT in a fresh main window, as \"Open saved data\" does, and prints\n"
    "every field as the window shows it. The window's messages go to stderr; the\n"
    "status is 1 when the design cannot be drawn.\n"
    "\n"
    "JSON keys: file, convention (crest-to-toe or toe-to-toe), drawn (true or\n"
    "false), refusal (the window's reason when not drawn), fields (slopeHeight,\n"
    "benchHeight, numberOfBenches, numberOfStepOuts, benchesPerStack, numberOfStacks,\n"
    "numberOfBerms, crestToToeAngle, toeToToeAngle, overallHorizontal, stackAngle,\n"
    "stackHorizontal, benchAngle, benchHorizontal, bermWidth, stepOutWidth: each the\n"
    "field's text), catchBerm (check, required, margin, steepestInterRampAngle),\n"
    "stability (with --stability: targetFactor, wholeSlope and worstStack, each\n"
    "with factorOfSafety, meetsTarget, centre, radius, exit and entry), comment (the\n"
    "comment line) and messages (each title and text).";

const char* const kExportDescription =
    "Opens FILE.DAT as show does and writes each file asked for, as the window's\n"
    "commands write them. A file is replaced whole or left as it was. Nothing is\n"
    "printed when all went well; the status is 1 when the design cannot be drawn\n"
    "or a file was not written.";

const char* const kSweepDescription =
    "Reads a CSV table of designs, one a row, as spreadsheets write it (comma,\n"
    "semicolon or tab, found from the header row; UTF-8 with or without a byte-order\n"
    "mark), opens each design in a fresh main window and writes one row of results\n"
    "a design, in the table's order, with the table's delimiter and mark.\n"
    "\n"
    "Input columns, by their names in the header row (letter case, blanks,\n"
    "underscores and hyphens do not matter):\n"
    "  convention         crest-to-toe (or C, or empty) or toe-to-toe (or T)\n"
    "  slope height       needed\n"
    "  bench height       needed\n"
    "  benches per stack  needed\n"
    "  crest-to-toe       inter-ramp angle; this one or toe-to-toe is needed\n"
    "  toe-to-toe         inter-ramp angle\n"
    "  stack angle        needed\n"
    "  bench angle        not used with one bench per stack\n"
    "Each text is taken as the window takes what is typed into the field. Other\n"
    "columns, an id for one, are the user's own.\n"
    "\n"
    "Results: the row's own fields first, then the sixteen fields as the window\n"
    "shows them (Slope height (m), Bench height (m), Number of benches, Number of\n"
    "step outs, Benches per stack (rounded), Number of stacks, Number of berms,\n"
    "Crest-to-toe inter-ramp (deg), Toe-to-toe inter-ramp (deg), Overall horizontal\n"
    "(m), Stack slope angle (deg), Stack horizontal (m), Bench slope angle (deg),\n"
    "Bench horizontal (m), Catchment berms (m), Step out widths (m)), then messages\n"
    "(the window's messages, joined by \" | \") and reason (empty when the section\n"
    "was drawn; else the window's refusal, or why the row was not read: a number\n"
    "written with a decimal comma, an unknown convention, a wrong number of fields).\n"
    "\n"
    "The status is 0 also when rows are refused; 1 when the results cannot be\n"
    "written; 2 when the table cannot be read or has no usable header.";

// What the arguments after a command ask for, or the status to end with now.
struct Parsed {
    std::optional<int> exitNow; // help, version or a usage error was handled
    QCommandLineParser parser;
    std::string file;
};

void printUsageError(std::ostream& err, const std::string& command, const std::string& what) {
    const std::string who = command.empty() ? kProgram : std::string(kProgram) + " " + command;
    err << who << ": " << what << "\nTry '" << who << " --help'.\n";
}

std::string helpOf(const QCommandLineParser& parser, const std::string& command) {
    // The parser names the program by its path; the help names it plainly.
    std::string text = bytesOf(parser.helpText());
    const std::size_t options = text.find(" [options]");
    const std::size_t lineEnd = text.find('\n');
    if (options != std::string::npos && options < lineEnd) {
        const std::size_t usageEnd = text.find('\n', options);
        text = "Usage: " + std::string(kProgram) + " " + command +
               text.substr(options, usageEnd - options) + "\n\n" + text.substr(usageEnd + 1);
    }
    return text;
}

// Parses the arguments after the command; handles --help, --version and
// errors, and takes exactly one file.
void parseCommand(Parsed& parsed, const QStringList& arguments, const std::string& command,
                  const char* description, const char* fileSyntax, std::ostream& out,
                  std::ostream& err) {
    QCommandLineParser& parser = parsed.parser;
    parser.setApplicationDescription(QString::fromUtf8(description));
    parser.addPositionalArgument(QString::fromUtf8(fileSyntax), QStringLiteral("The input file."));
    // Our own help and version options: the parser's would offer Qt's
    // options too, which mean nothing here.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version."));
    parser.addOptions({help, version});
    // parse(), never process(): the status and the words are ours.
    if (!parser.parse(arguments)) {
        printUsageError(err, command, bytesOf(parser.errorText()));
        parsed.exitNow = kExitUsage;
        return;
    }
    if (parser.isSet(help)) {
        out << helpOf(parser, command);
        parsed.exitNow = kExitDone;
        return;
    }
    if (parser.isSet(version)) {
        out << kProgram << ' ' << PITWRIGHT_VERSION << '\n';
        parsed.exitNow = kExitDone;
        return;
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() != 1) {
        printUsageError(err, command,
                        files.isEmpty() ? "no " + std::string(fileSyntax) + " given"
                                        : "one " + std::string(fileSyntax) + " only, not " +
                                              std::to_string(files.size()) + " files");
        parsed.exitNow = kExitUsage;
        return;
    }
    parsed.file = bytesOf(files.front());
}

QCommandLineOption toeToToeOption() {
    return {QStringLiteral("toe-to-toe"),
            QStringLiteral("Select the toe-to-toe inter-ramp convention before opening "
                           "(crest-to-toe otherwise).")};
}

int show(const QStringList& arguments, std::ostream& out, std::ostream& err) {
    Parsed parsed;
    const QCommandLineOption toeToToe = toeToToeOption();
    const QCommandLineOption json(QStringLiteral("json"),
                                  QStringLiteral("Print JSON instead of a table."));
    const QCommandLineOption stability(
        QStringLiteral("stability"),
        QStringLiteral("Check the drawn wall's stability for a dry rock mass of unit weight "
                       "GAMMA (kN/m3), cohesion C (kPa) and friction angle PHI (degrees)."),
        QStringLiteral("GAMMA,C,PHI"));
    parsed.parser.addOptions({toeToToe, json, stability});
    parseCommand(parsed, arguments, "show", kShowDescription, "FILE.DAT", out, err);
    if (parsed.exitNow) {
        return *parsed.exitNow;
    }
    ShowRequest request;
    request.file = parsed.file;
    request.convention = parsed.parser.isSet(toeToToe) ? InterRampConvention::ToeToToe
                                                       : InterRampConvention::CrestToToe;
    request.json = parsed.parser.isSet(json);
    if (parsed.parser.isSet(stability)) {
        request.stability = stabilityValuesOf(bytesOf(parsed.parser.value(stability)));
        if (!request.stability) {
            printUsageError(err, "show", "--stability needs three values: GAMMA,C,PHI");
            return kExitUsage;
        }
    }
    DiskFileStore disk;
    return runShow(request, disk, out, err);
}

int exportFiles(const QStringList& arguments, std::ostream& out, std::ostream& err) {
    Parsed parsed;
    const QCommandLineOption toeToToe = toeToToeOption();
    parsed.parser.addOption(toeToToe);
    std::vector<QCommandLineOption> formatOptions;
    for (const ExportFormat& format : exportFormats()) {
        formatOptions.emplace_back(textOf(format.option), textOf(format.description),
                                   textOf(format.valueName));
        parsed.parser.addOption(formatOptions.back());
    }
    parseCommand(parsed, arguments, "export", kExportDescription, "FILE.DAT", out, err);
    if (parsed.exitNow) {
        return *parsed.exitNow;
    }

    ExportRequest request;
    request.file = parsed.file;
    request.convention = parsed.parser.isSet(toeToToe) ? InterRampConvention::ToeToToe
                                                       : InterRampConvention::CrestToToe;
    const auto formats = exportFormats();
    for (std::size_t i = 0; i < formats.size(); ++i) {
        const QStringList paths = parsed.parser.values(formatOptions[i]);
        if (paths.isEmpty()) {
            continue;
        }
        const std::string option = "--" + std::string(formats[i].option);
        if (paths.size() > 1) {
            printUsageError(err, "export", option + " is given more than once");
            return kExitUsage;
        }
        if (formats[i].option == "section" && !sectionFormatOf(bytesOf(paths.front()))) {
            printUsageError(err, "export",
                            option + " needs a name ending in .svg, .pdf, .png or .dxf");
            return kExitUsage;
        }
        request.outputs.push_back({&formats[i], bytesOf(paths.front())});
    }
    if (request.outputs.empty()) {
        std::string options;
        for (std::size_t i = 0; i < formats.size(); ++i) {
            options += i == 0 ? "--" : i + 1 == formats.size() ? " or --" : ", --";
            options += formats[i].option;
        }
        printUsageError(err, "export", "no file to write: give " + options + " with a file name");
        return kExitUsage;
    }
    DiskFileStore disk;
    return runExport(request, disk, err);
}

int sweep(const QStringList& arguments, std::ostream& out, std::ostream& err,
          const CommandLineSetting& setting) {
    Parsed parsed;
    const QCommandLineOption output(
        {QStringLiteral("o"), QStringLiteral("output")},
        QStringLiteral("Write the results to RESULTS.csv (replaced whole, or left as it was) "
                       "instead of the standard output."),
        QStringLiteral("RESULTS.csv"));
    const QCommandLineOption jobs(
        {QStringLiteral("j"), QStringLiteral("jobs")},
        QStringLiteral("Evaluate on N threads (all cores: %1).").arg(setting.cores),
        QStringLiteral("N"));
    parsed.parser.addOptions({output, jobs});
    parseCommand(parsed, arguments, "sweep", kSweepDescription, "DESIGNS.csv", out, err);
    if (parsed.exitNow) {
        return *parsed.exitNow;
    }

    SweepRequest request;
    request.input = parsed.file;
    if (parsed.parser.isSet(output)) {
        request.output = bytesOf(parsed.parser.value(output));
    }
    request.threads = setting.cores;
    if (parsed.parser.isSet(jobs)) {
        bool number = false;
        const uint threads = parsed.parser.value(jobs).toUInt(&number);
        if (!number || threads < 1 || threads > 1024) {
            printUsageError(err, "sweep",
                            "--jobs takes a whole number from 1 to 1024, not '" +
                                bytesOf(parsed.parser.value(jobs)) + "'");
            return kExitUsage;
        }
        request.threads = threads;
    }
    request.progress = setting.errIsTerminal;
    DiskFileStore disk;
    return runSweepCommand(request, disk, out, err);
}

} // namespace

int runCommandLine(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                   const CommandLineSetting& setting) {
    // Paths pass through Qt's text on their way to the file system: an
    // argument that would not come back as the same bytes is refused, never
    // turned into another name.
    QStringList texts;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const QByteArray bytes = QByteArray::fromStdString(arguments[i]);
        const QString text = QString::fromLocal8Bit(bytes);
        if (text.toLocal8Bit() != bytes) {
            printUsageError(err, {},
                            "argument " + std::to_string(i) +
                                " is not text in the system's encoding; rename the file");
            return kExitUsage;
        }
        texts.push_back(text);
    }
    if (texts.isEmpty()) {
        texts.push_back(QString::fromUtf8(kProgram));
    }
    if (texts.size() < 2) {
        printUsageError(err, {}, "no command given");
        return kExitUsage;
    }

    const QString command = texts.at(1);
    if (command == QStringLiteral("-h") || command == QStringLiteral("--help") ||
        command == QStringLiteral("-?") || command == QStringLiteral("help")) {
        out << kOverview;
        return kExitDone;
    }
    if (command == QStringLiteral("-v") || command == QStringLiteral("--version")) {
        out << kProgram << ' ' << PITWRIGHT_VERSION << '\n';
        return kExitDone;
    }
    // The parser reads the program's name first, then what follows the command.
    const QStringList rest = QStringList{texts.at(0)} + texts.mid(2);
    if (command == QStringLiteral("show")) {
        return show(rest, out, err);
    }
    if (command == QStringLiteral("export")) {
        return exportFiles(rest, out, err);
    }
    if (command == QStringLiteral("sweep")) {
        return sweep(rest, out, err, setting);
    }
    printUsageError(err, {},
                    command.startsWith(QLatin1Char('-'))
                        ? "the command comes first: show, export or sweep"
                        : "unknown command '" + bytesOf(command) + "': show, export or sweep");
    return kExitUsage;
}

} // namespace pitwright::cli
