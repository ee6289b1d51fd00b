#pragma once

class QGroupBox;
class QRect;
class QWidget;

namespace pitwright {

// The two captionless groups that the About window and the disclaimer
// window both carry.

// Frame1: the program's name, platform and version, the disclaimer, the
// logo and the contact block.
QGroupBox* addIdentityBlock(QWidget& window, const QRect& place);

// Frame2: how the two inter-ramp angle conventions are measured, in words
// and in two drawings.
QGroupBox* addConventionExplanation(QWidget& window, const QRect& place);

} // namespace pitwright
