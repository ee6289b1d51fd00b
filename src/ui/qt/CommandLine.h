#pragma once

#include <QString>
#include <QStringList>

namespace pitwright {

class PitwrightMainWindow;

// What the program was asked on its command line, as a file manager asks
// it: pitwright [--toe-to-toe] [FILE.DAT]
struct CommandLine {
    bool toeToToe = false;
    QString dataFile; // empty for none
    bool help = false;
    bool version = false;
    QString error; // why the arguments cannot be followed; empty when they can
};

// Reads the program's arguments (the program's name first, Qt's own
// options already taken out).
CommandLine parseCommandLine(const QStringList& arguments);

// How to call the program, for --help and for a wrong call.
QString commandLineUsage();

// Selects the convention the command line asked for, as a click on it does,
// then opens its data file as "Open saved data" does after its dialog.
void followCommandLine(PitwrightMainWindow& window, const CommandLine& commandLine);

} // namespace pitwright
