#pragma once

class QWidget;

namespace pitwright {

// After a modal dialog or message box of the window has closed: closes any
// popup the dialog left on screen (a list of name completions), gives the
// window the activation back and the keyboard focus to the control that had
// it before, so the next key or click reaches the window and the focus
// reactions run as they do after any other activation. Does it at once, also
// where no window manager hands the activation back.
void returnToWindow(QWidget& window, QWidget* hadFocus);

} // namespace pitwright
