#pragma once

// Drives the real window as a user would: keys go to the widget that has
// the focus, and every modal message box is answered with OK.

#include "ui/qt/ControlWidgets.h"
#include "ui/qt/PitwrightMainWindow.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <vector>

namespace pitwright::testing {

struct SeenMessageBox {
    QString title;
    QString text;
    QMessageBox::Icon icon;
    QList<QAbstractButton*>::size_type buttonCount;
    bool applicationModal;
};

// Answers every modal message box with OK as soon as it shows, and keeps
// what it showed.
class MessageBoxAnswerer : public QObject {
public:
    MessageBoxAnswerer() {
        timer_.setInterval(5);
        connect(&timer_, &QTimer::timeout, this, [this] { answer(); });
        timer_.start();
    }
    std::vector<SeenMessageBox> seen;

private:
    void answer() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible()) {
            return;
        }
        seen.push_back({box->windowTitle(), box->text(), box->icon(), box->buttons().size(),
                        box->windowModality() == Qt::ApplicationModal});
        box->button(QMessageBox::Ok)->click();
    }
    QTimer timer_;
};

inline QWidget* focused() {
    return QApplication::focusWidget();
}

inline QString focusedName() {
    return focused() ? focused()->objectName() : QString();
}

inline void type(const QString& keys) {
    QTest::keyClicks(focused(), keys);
}

inline void pressTab() {
    QTest::keyClick(focused(), Qt::Key_Tab);
}

inline QString textOf(const PitwrightMainWindow& window, ControlId id) {
    return window.controls().lineEdit(id)->text();
}

// Enabled and inside no disabled group, as the user sees it.
inline bool usable(const PitwrightMainWindow& window, ControlId id) {
    return window.controls().widget(id)->isEnabled();
}

} // namespace pitwright::testing
