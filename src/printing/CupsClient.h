#pragma once

#include <stddef.h>

// The program's connection to the CUPS print system, built as a module of
// its own that the window loads on the first print: the print system's
// libraries stay out of the program's start-up.
//
// Every call opens its own connection to the print server and waits at most
// the given time for any answer, so a print server that hangs cannot hold
// the window. The interface is plain C, so that the module can be loaded by
// name and its functions looked up.
extern "C" {

// How a call ended.
enum PitwrightCupsResult {
    PITWRIGHT_CUPS_DONE = 0,
    PITWRIGHT_CUPS_NO_SERVER = 1,  // no print server could be reached
    PITWRIGHT_CUPS_NO_ANSWER = 2,  // the server did not answer in time
    PITWRIGHT_CUPS_NO_DEFAULT = 3, // no default printer is set
    PITWRIGHT_CUPS_REFUSED = 4,    // the printer's queue did not take the job
};

struct PitwrightCupsAnswer {
    int result;        // a PitwrightCupsResult
    char printer[256]; // the queue, "name" or "name/instance"
    char detail[512];  // the print system's own words
    // The printer's default paper and its printable margins, in millimetres;
    // all 0 where the printer did not say.
    double paperWidth, paperHeight;
    double marginLeft, marginBottom, marginRight, marginTop;
};

// Finds the default printer (the LPDEST and PRINTER variables, the user's
// choice, then the server's) and its default paper.
int pitwright_cups_find_default_printer(int timeoutMilliseconds,
                                        struct PitwrightCupsAnswer* answer);

// Hands a PDF document to the printer's queue as one job.
int pitwright_cups_print_pdf(const char* printer, const char* bytes, size_t size, const char* title,
                             int timeoutMilliseconds, struct PitwrightCupsAnswer* answer);

typedef int (*PitwrightCupsFindDefaultPrinter)(int, struct PitwrightCupsAnswer*);
typedef int (*PitwrightCupsPrintPdf)(const char*, const char*, size_t, const char*, int,
                                     struct PitwrightCupsAnswer*);

} // extern "C"
