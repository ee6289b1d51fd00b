#include "ui/qt/ControlBinder.h"

#include "model/MainWindowControls.h"
#include "ui/frmPitwrightMain.h"
#include "ui/qt/ControlWidgets.h"
#include "ui/qt/LayoutUnits.h"
#include "ui/qt/PictureBox.h"
#include "ui/qt/QtWindowPlatform.h"

#include <QAbstractButton>
#include <QEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace pitwright {

namespace {

constexpr ControlProperty kAllProperties[] = {
    ControlProperty::Text,        ControlProperty::Enabled, ControlProperty::Visible,
    ControlProperty::BackColor,   ControlProperty::Width,   ControlProperty::Border,
    ControlProperty::OptionValue,
};

bool isMouseEvent(QEvent::Type type) {
    return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
           type == QEvent::MouseButtonDblClick || type == QEvent::MouseMove;
}

} // namespace

ControlBinder::ControlBinder(frmPitwrightMain& window, ControlWidgets& widgets,
                             QtWindowPlatform& platform)
    : window_(window), widgets_(widgets), platform_(platform) {
    for (const ControlSpec& row : mainWindowControls()) {
        for (ControlProperty property : kAllProperties) {
            mirror(row.id, property);
        }
        if (row.kind != ControlKind::Window) {
            connectWidget(row.id);
        }
    }
    window_.controls().setObserver(this);
}

ControlBinder::~ControlBinder() {
    window_.controls().setObserver(nullptr);
}

void ControlBinder::connectWidget(ControlId id) {
    QWidget* widget = widgets_.widget(id);
    widget->installEventFilter(this);
    if (QLineEdit* edit = widgets_.lineEdit(id)) {
        // textEdited comes from the user only, never from setText.
        connect(edit, &QLineEdit::textEdited, this, [this, id](const QString& text) {
            window_.userEditedText(id, text.toStdString());
        });
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        connect(button, &QAbstractButton::clicked, this, [this, id] { window_.clicked(id); });
    }
}

void ControlBinder::controlChanged(ControlId id, ControlProperty property) {
    mirror(id, property);
}

void ControlBinder::mirror(ControlId id, ControlProperty property) {
    const ControlState& state = window_.controls()[id];
    QWidget* widget = widgets_.widget(id);
    const bool isWindow = controlSpec(id).kind == ControlKind::Window;
    switch (property) {
    case ControlProperty::Text:
        mirrorText(id);
        break;
    case ControlProperty::Enabled:
        widget->setEnabled(state.enabled);
        break;
    case ControlProperty::Visible:
        if (!isWindow) {
            widget->setVisible(state.visible);
        }
        break;
    case ControlProperty::BackColor:
        mirrorBackColor(id);
        break;
    case ControlProperty::Width:
        mirrorWidth(id);
        break;
    case ControlProperty::Border:
        mirrorBorder(id);
        break;
    case ControlProperty::OptionValue:
        if (auto* button = qobject_cast<QAbstractButton*>(widget);
            button && button->isCheckable()) {
            button->setChecked(state.optionValue);
        }
        break;
    case ControlProperty::Selection:
        mirrorSelection(id);
        break;
    }
}

void ControlBinder::mirrorText(ControlId id) {
    const QString text = QString::fromStdString(window_.controls().text(id));
    QWidget* widget = widgets_.widget(id);
    if (QLineEdit* edit = widgets_.lineEdit(id)) {
        if (edit->text() == text) {
            return;
        }
        if (edit->hasFocus() && !edit->isReadOnly()) {
            // Rewritten while the user types in it ("2." becomes "2"): the
            // caret stays where it was, or at the end when it was there.
            const qsizetype oldLength = edit->text().size();
            const qsizetype caret = edit->cursorPosition();
            edit->setText(text);
            edit->setCursorPosition(caret >= oldLength
                                        ? static_cast<int>(text.size())
                                        : static_cast<int>(std::min(caret, text.size())));
        } else {
            edit->setText(text);
            edit->setCursorPosition(0);
        }
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(text);
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        group->setTitle(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(text);
    }
}

void ControlBinder::mirrorSelection(ControlId id) {
    QLineEdit* edit = widgets_.lineEdit(id);
    if (edit == nullptr) {
        return;
    }
    const ControlState& state = window_.controls()[id];
    const int length = static_cast<int>(edit->text().size());
    const int start = std::clamp(state.selStart, 0, length);
    const int selected = std::clamp(state.selLength, 0, length - start);
    if (!edit->hasFocus()) {
        // A selection shows only where the user types: a text box without
        // the focus (one the opening of a file selects) shows the start of
        // its text, on screen and on paper. Should the window get the focus
        // back into it, the selection comes then.
        edit->setCursorPosition(0);
    } else if (selected > 0) {
        // Selected from the end back to the start, so the caret stands at the
        // start and the beginning of the text is in view.
        edit->setSelection(start + selected, -selected);
    } else {
        edit->setCursorPosition(start);
    }
}

void ControlBinder::mirrorBackColor(ControlId id) {
    const BackColor backColor = window_.controls()[id].backColor;
    const QColor color = ControlWidgets::colorOf(backColor);
    QWidget* widget = widgets_.widget(id);
    if (auto* picture = dynamic_cast<PictureBox*>(widget)) {
        picture->setBackColor(color);
        return;
    }
    QPalette palette = widget->palette();
    const bool isField = widgets_.lineEdit(id) != nullptr;
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        // A disabled field keeps the window's light grey, whatever its colour.
        if (!(isField && group == QPalette::Disabled)) {
            palette.setColor(group, isField ? QPalette::Base : QPalette::Window, color);
        }
    }
    widget->setPalette(palette);
    if (!isField) {
        // On the button face a label or group shows the window as the style
        // draws it; only another colour is filled in.
        widget->setAutoFillBackground(backColor != BackColor::ButtonFace);
    }
}

void ControlBinder::mirrorWidth(ControlId id) {
    QWidget* widget = widgets_.widget(id);
    if (controlSpec(id).kind == ControlKind::Window) {
        return; // the window keeps its fixed size
    }
    widget->resize(twipsToPixels(window_.controls()[id].width), widget->height());
}

// The border flag speaks of the picture (and of labels); text boxes and
// buttons keep the frames they are drawn with.
void ControlBinder::mirrorBorder(ControlId id) {
    const bool border = window_.controls()[id].border;
    QWidget* widget = widgets_.widget(id);
    if (auto* picture = dynamic_cast<PictureBox*>(widget)) {
        picture->setBorder(border);
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setFrameShape(border ? QFrame::Box : QFrame::NoFrame);
    }
}

bool ControlBinder::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == swallowMouseUntilRelease_ && isMouseEvent(type)) {
        if (type == QEvent::MouseButtonRelease) {
            swallowMouseUntilRelease_ = nullptr;
        }
        return true;
    }
    if (type != QEvent::FocusIn && type != QEvent::FocusOut && type != QEvent::MouseButtonPress) {
        return false;
    }
    const std::optional<ControlId> id = widgets_.idOf(watched);
    if (!id) {
        return false;
    }
    if (type == QEvent::FocusOut) {
        focusOut(*id, static_cast<QFocusEvent*>(event)->reason());
        return false;
    }
    if (type == QEvent::FocusIn) {
        focusIn(*id, static_cast<QFocusEvent*>(event)->reason());
        return false;
    }
    if (mousePress(*id)) {
        swallowMouseUntilRelease_ = watched;
        return true;
    }
    return false;
}

void ControlBinder::focusIn(ControlId id, Qt::FocusReason reason) {
    const int messagesBefore = platform_.messageBoxesShown();
    QLineEdit* edit = widgets_.lineEdit(id);
    if (edit != nullptr && reason == Qt::ActiveWindowFocusReason && !edit->hasSelectedText() &&
        edit->cursorPosition() == 0) {
        // Selected while the window was not active: shown now.
        mirrorSelection(id);
    }
    window_.focusGained(id);
    if (reason == Qt::MouseFocusReason) {
        focusingPress_ = FocusingPress{id, platform_.messageBoxesShown() != messagesBefore};
    } else {
        focusingPress_.reset();
    }
}

void ControlBinder::focusOut(ControlId id, Qt::FocusReason reason) {
    // A field the user has left shows the start of its text, also when it
    // is narrower than the text (the comment line on paper). Only a window
    // that loses the activation, or a popup over it, keeps the caret where
    // it was, for the user to come back to.
    QLineEdit* edit = widgets_.lineEdit(id);
    if (edit != nullptr && reason != Qt::ActiveWindowFocusReason &&
        reason != Qt::PopupFocusReason) {
        edit->setCursorPosition(0);
    }
}

bool ControlBinder::mousePress(ControlId id) {
    const std::optional<FocusingPress> press = std::exchange(focusingPress_, std::nullopt);
    if (!press || press->id != id) {
        return false;
    }
    if (widgets_.lineEdit(id) != nullptr) {
        // The focus reaction selected the whole text; the press that brought
        // the focus must not put the caret down and undo that.
        return true;
    }
    if (press->interruptedByMessage) {
        // The message box took the release of this press: the user's click
        // goes on once the box is closed, after the focus reaction, as a
        // click on the command always does.
        if (controlSpec(id).kind == ControlKind::Command && widgets_.widget(id)->isEnabled()) {
            window_.clicked(id);
        }
        return true;
    }
    return false;
}

} // namespace pitwright
