#pragma once

#include "model/ControlSet.h"

#include <QObject>

#include <optional>

class QLineEdit;

namespace pitwright {

class ControlWidgets;
class QtWindowPlatform;
class frmPitwrightMain;

// Keeps the widgets in step with the window's controls and turns widget
// events into the window's reactions:
// - every change of a control (text, enabled, visible, back colour, width,
//   border, option value, selection) is mirrored on its widget;
// - a user's edit runs the change reaction; a program's write updates the
//   widget without running it a second time;
// - gaining the focus, by Tab, by mouse or by the program, runs the
//   focus-gained reaction once; a text box that loses it shows the start of
//   its text again;
// - clicks on commands and option buttons run their click reactions.
class ControlBinder : public QObject, public ControlObserver {
public:
    ControlBinder(frmPitwrightMain& window, ControlWidgets& widgets, QtWindowPlatform& platform);
    ~ControlBinder() override;

    void controlChanged(ControlId id, ControlProperty property) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectWidget(ControlId id);
    void mirror(ControlId id, ControlProperty property);
    void mirrorText(ControlId id);
    void mirrorSelection(ControlId id);
    void mirrorBackColor(ControlId id);
    void mirrorWidth(ControlId id);
    void mirrorBorder(ControlId id);
    void focusIn(ControlId id, Qt::FocusReason reason);
    void focusOut(ControlId id, Qt::FocusReason reason);
    bool mousePress(ControlId id);

    frmPitwrightMain& window_;
    ControlWidgets& widgets_;
    QtWindowPlatform& platform_;
    // A control that took the focus from a mouse press whose focus reaction
    // is settled: that press must not move the caret (the whole text stays
    // selected) and, when a message box came up meanwhile, the press is
    // stale and a command runs its click at once.
    struct FocusingPress {
        ControlId id;
        bool interruptedByMessage;
    };
    std::optional<FocusingPress> focusingPress_;
    QObject* swallowMouseUntilRelease_ = nullptr;
};

} // namespace pitwright
