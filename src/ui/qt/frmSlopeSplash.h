#pragma once

#include <QDialog>

#include <functional>

namespace pitwright {

// The disclaimer window: the About window's two groups with a choice
// between them. Accepting shows the main window and closes this one;
// declining ends the program; a click on the identity block closes this
// window alone.
class frmSlopeSplash : public QDialog {
public:
    frmSlopeSplash(std::function<void()> showMainWindow, std::function<void()> endProgram,
                   QWidget* parent = nullptr);

    void cmdAccept_Click();
    void cmdDecline_Click();
    void Frame1_Click();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> showMainWindow_;
    std::function<void()> endProgram_;
    QWidget* identityBlock_ = nullptr;
    QWidget* decline_ = nullptr;
};

} // namespace pitwright
