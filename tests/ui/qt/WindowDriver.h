#pragma once

// Drives the real window as a user would: keys go to the widget that has
// the focus, every modal message box is answered with OK, and a file dialog
// is cancelled or answered as a test says.

#include "ui/qt/ControlWidgets.h"
#include "ui/qt/PitwrightMainWindow.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
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

// The title of the next file dialog, which is then cancelled (or answered
// by `act`).
class FileDialogWatch : public QObject {
public:
    explicit FileDialogWatch(std::function<void(QFileDialog*)> act = {}) : act_(std::move(act)) {
        timer_.setInterval(5);
        connect(&timer_, &QTimer::timeout, this, [this] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr || !dialog->isVisible()) {
                return;
            }
            timer_.stop();
            title = dialog->windowTitle();
            if (act_) {
                act_(dialog);
            } else {
                dialog->reject();
            }
        });
        timer_.start();
    }
    QString title;

private:
    std::function<void(QFileDialog*)> act_;
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
