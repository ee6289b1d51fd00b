#include "ui/qt/ReturnToWindow.h"

#include <QApplication>
#include <QWidget>

namespace pitwright {
namespace {

void closeLeftoverPopups() {
    // Bounded: a popup that refuses to close must not hang the window.
    for (int tries = 0; tries < 8; ++tries) {
        QWidget* popup = QApplication::activePopupWidget();
        if (popup == nullptr) {
            return;
        }
        popup->close();
    }
}

} // namespace

void returnToWindow(QWidget& window, QWidget* hadFocus) {
    closeLeftoverPopups();
    if (!window.isVisible() || window.isMinimized()) {
        return;
    }
    // Asks the window system for the keyboard; without a window manager the
    // answer comes later, so Qt is told at once as well.
    window.activateWindow();
    if (QApplication::activeWindow() != &window) {
        QT_WARNING_PUSH
        QT_WARNING_DISABLE_DEPRECATED
        QApplication::setActiveWindow(&window);
        QT_WARNING_POP
    }
    if (hadFocus != nullptr && hadFocus->window() == &window && hadFocus->isVisible() &&
        hadFocus->isEnabled() && QApplication::focusWidget() != hadFocus) {
        hadFocus->setFocus(Qt::ActiveWindowFocusReason);
    }
}

} // namespace pitwright
