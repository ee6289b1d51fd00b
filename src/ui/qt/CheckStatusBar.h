#pragma once

#include <QStatusBar>

class QLabel;

namespace pitwright {

// The bar's height in pixels: 300 twips.
inline constexpr int kCheckStatusBarHeight = 20;

class ControlWidgets;
class frmPitwrightMain;

// The bar at the foot of the main window: the catch berm check of the design
// as it is typed. It takes no focus, so it is never a tab stop.
class CheckStatusBar : public QStatusBar {
public:
    CheckStatusBar(const frmPitwrightMain& form, const ControlWidgets& widgets,
                   QWidget* parent = nullptr);

    QString shownText() const;

private:
    void refresh();

    const frmPitwrightMain& form_;
    QLabel* catchBerm_;
};

} // namespace pitwright
