#pragma once

#include "model/ControlSet.h"

namespace pitwright {

// The two looks of the main window around a hard copy. Each sets fixed
// values instead of restoring a saved copy, so printing twice ends in the
// same working look.

// Widths of the comment line, in twips, on paper and afterwards.
inline constexpr int kCommentWidthPrinted = 3015;
inline constexpr int kCommentWidthAfterPrint = 3255;

// White backgrounds, no border round the picture, no command buttons and
// every field enabled, so the page shows the design and nothing to click.
void applyPrintLook(ControlSet& controls);

// Button-face backgrounds, the picture's border and the commands back, with
// the fields of a drawn design enabled or locked.
void applyWorkingLook(ControlSet& controls);

} // namespace pitwright
