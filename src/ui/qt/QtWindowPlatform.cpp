#include "ui/qt/QtWindowPlatform.h"

#include "ui/qt/ControlWidgets.h"
#include "ui/qt/PictureBox.h"
#include "ui/qt/ReturnToWindow.h"
#include "ui/qt/SectionSheetExport.h"
#include "ui/qt/WindowPrinter.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

namespace pitwright {

QtWindowPlatform::QtWindowPlatform(QWidget& window, const ControlWidgets& widgets)
    : window_(window), widgets_(widgets), comLocalDriveLoadSave(&window), exportDialog_(&window) {}

QtWindowPlatform::~QtWindowPlatform() {
    if (busyPointer_) {
        QApplication::restoreOverrideCursor();
    }
}

void QtWindowPlatform::messageBox(const std::string& text, const std::string& title) {
    ++messageBoxesShown_;
    const QPointer<QWidget> hadFocus = QApplication::focusWidget();
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title),
                    QString::fromStdString(text), QMessageBox::Ok, &window_);
    box.setObjectName(QStringLiteral("messageBox"));
    // File names and numbers are shown as typed, never read as markup.
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
    returnToWindow(window_, hadFocus);
}

void QtWindowPlatform::setFocus(ControlId id) {
    if (QWidget* widget = widgets_.widget(id)) {
        widget->setFocus(Qt::OtherFocusReason);
    }
}

void QtWindowPlatform::setMousePointer(MousePointer pointer) {
    const bool busy = pointer == MousePointer::Hourglass;
    if (busy == busyPointer_) {
        return;
    }
    busyPointer_ = busy;
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

void QtWindowPlatform::doEvents() {
    QCoreApplication::processEvents();
}

PrintOutcome QtWindowPlatform::printWindow() {
    return printOnDefaultPrinter(window_);
}

SheetBytes QtWindowPlatform::paintSectionSheet(const SectionSheetInput& input, SheetFormat format) {
    return renderSectionSheet(input, format);
}

Canvas& QtWindowPlatform::canvas() {
    return widgets_.picture();
}

} // namespace pitwright
