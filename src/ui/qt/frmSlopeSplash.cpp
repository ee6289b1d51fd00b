#include "ui/qt/frmSlopeSplash.h"

#include "ui/qt/AboutPanels.h"
#include "ui/qt/LayoutUnits.h"

#include <QEvent>
#include <QGroupBox>
#include <QPushButton>

namespace pitwright {

frmSlopeSplash::frmSlopeSplash(std::function<void()> showMainWindow,
                               std::function<void()> endProgram, QWidget* parent)
    : QDialog(parent), showMainWindow_(std::move(showMainWindow)),
      endProgram_(std::move(endProgram)) {
    setObjectName(QStringLiteral("frmSlopeSplash"));
    // No title: a fixed dialog border alone.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint);
    setWindowTitle(QString());
    setFont(arialFont({8.25, false, false}));
    setFixedSize(twipsToPixels(7215), twipsToPixels(9015));

    identityBlock_ = addIdentityBlock(*this, twipsRect(120, 0, 6945, 3810));
    identityBlock_->installEventFilter(this);
    addConventionExplanation(*this, twipsRect(120, 4440, 6975, 4455));

    auto addChoice = [this](const char* name, const char* caption, int top) {
        auto* button = new QPushButton(QString::fromUtf8(caption), this);
        button->setObjectName(QString::fromUtf8(name));
        button->setGeometry(twipsRect(120, top, 6945, 255));
        button->setFont(arialFont({9, true, true}));
        button->setAutoDefault(false);
        return button;
    };
    QPushButton* accept = addChoice("cmdAccept", "I accept the above agreement", 3840);
    QPushButton* decline = addChoice("cmdDecline", "I do not accept the above agreement", 4080);
    connect(accept, &QPushButton::clicked, this, [this] { cmdAccept_Click(); });
    connect(decline, &QPushButton::clicked, this, [this] { cmdDecline_Click(); });
    // Declining comes first in the tab order and has the focus on opening.
    setTabOrder(decline, accept);
    decline_ = decline;
}

void frmSlopeSplash::showEvent(QShowEvent* event) {
    decline_->setFocus();
    QDialog::showEvent(event);
}

void frmSlopeSplash::cmdAccept_Click() {
    if (showMainWindow_) {
        showMainWindow_();
    }
    close();
}

void frmSlopeSplash::cmdDecline_Click() {
    close();
    if (endProgram_) {
        endProgram_();
    }
}

void frmSlopeSplash::Frame1_Click() {
    close();
}

bool frmSlopeSplash::eventFilter(QObject* watched, QEvent* event) {
    if (watched == identityBlock_ && event->type() == QEvent::MouseButtonRelease) {
        Frame1_Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace pitwright
