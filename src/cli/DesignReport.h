#pragma once

#include "cli/HeadlessPlatform.h"
#include "cli/OpenedDesign.h"
#include "ui/StabilityAnalysis.h"
#include "ui/frmPitwrightMain.h"

#include <iosfwd>
#include <string>

namespace pitwright::cli {

// What the window shows after opening a design: the convention, the sixteen
// fields under their captions as the window words them, and the comment
// line; one line each, the texts in a column.
void writeFieldTable(std::ostream& out, const frmPitwrightMain& window);

// The same as one JSON object, for scripts. Its keys never change:
//   "file"        the data file as given
//   "convention"  "crest-to-toe" or "toe-to-toe"
//   "drawn"       true when the section was drawn
//   "refusal"     the window's reason when not drawn, else ""
//   "fields"      the sixteen texts as the window shows them, by the keys of
//                 WindowFields.cpp ("slopeHeight" ... "stepOutWidth")
//   "catchBerm"   the catch berm check: "check", "required", "margin" and
//                 "steepestInterRampAngle", as texts (empty before the berm
//                 width is known)
//   "comment"     the comment line
//   "messages"    the message boxes in order, each {"title", "text"}
//   "stability"   with a stability check: see writeStabilityJson
void writeFieldJson(std::ostream& out, const frmPitwrightMain& window, const std::string& file,
                    const OpenedDesign& opened, const HeadlessPlatform& platform,
                    const StabilityAnalysis* stability = nullptr);

} // namespace pitwright::cli
