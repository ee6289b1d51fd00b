#include "ui/qt/CheckStatusBar.h"

#include "model/MainWindowControls.h"
#include "ui/frmPitwrightMain.h"
#include "ui/qt/ControlWidgets.h"

#include <QLabel>
#include <QLineEdit>

namespace pitwright {

CheckStatusBar::CheckStatusBar(const frmPitwrightMain& form, const ControlWidgets& widgets,
                               QWidget* parent)
    : QStatusBar(parent), form_(form), catchBerm_(new QLabel(this)) {
    setObjectName(QStringLiteral("statusBar"));
    setSizeGripEnabled(false);
    // A height of its own, so that the window's size is known whatever the
    // style makes of a status bar.
    setFixedHeight(kCheckStatusBarHeight);
    setFocusPolicy(Qt::NoFocus);
    catchBerm_->setObjectName(QStringLiteral("lblCatchBermCheck"));
    catchBerm_->setTextFormat(Qt::PlainText);
    catchBerm_->setFocusPolicy(Qt::NoFocus);
    addWidget(catchBerm_, 1);
    // The check follows every value the window shows: whatever changes a
    // field's text has changed the design behind it first.
    for (const ControlSpec& row : mainWindowControls()) {
        if (QLineEdit* field = widgets.lineEdit(row.id)) {
            connect(field, &QLineEdit::textChanged, this, [this] { refresh(); });
        }
    }
    refresh();
}

QString CheckStatusBar::shownText() const {
    return catchBerm_->text();
}

void CheckStatusBar::refresh() {
    catchBerm_->setText(QString::fromStdString(form_.catchBermStatus()));
}

} // namespace pitwright
