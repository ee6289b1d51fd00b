#pragma once

#include "ui/qt/frmSlopeAbout.h"

#include <QMainWindow>
#include <QPointer>

class QAction;

#include <functional>
#include <memory>
#include <vector>

namespace pitwright {

class CheckStatusBar;
class ControlBinder;
class ControlWidgets;
class QtWindowPlatform;
class frmPitwrightMain;

// frmPitwrightMain on screen: the widgets built from the control table, the
// menu, the title and icon, and the window's own reactions (About, Exit).
// Everything else the window does lives in the toolkit-free frmPitwrightMain.
class PitwrightMainWindow : public QMainWindow {
public:
    // Builds the window and runs its load (the start state).
    explicit PitwrightMainWindow(QWidget* parent = nullptr);
    ~PitwrightMainWindow() override;

    frmPitwrightMain& form() { return *form_; }
    const ControlWidgets& controls() const { return *widgets_; }
    QtWindowPlatform& platform() { return *platform_; }
    // The bar at the foot of the window with the design's checks.
    const CheckStatusBar& checkStatusBar() const { return *statusBar_; }
    // The About window while it is open, else nullptr.
    frmSlopeAbout* aboutWindow() const { return about_.data(); }

    void mnuAbout_Click();
    void mnuExit_Click();
    void showCentred();

    // Ends the program once the window is closed; quits the application's
    // event loop unless replaced.
    void setEndProgram(std::function<void()> endProgram) { endProgram_ = std::move(endProgram); }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenu();
    // The exports and the analysis work on the drawn design: their menu
    // entries are open exactly when "Write a 3D-file" is.
    void followTheExportCommand();

    std::unique_ptr<ControlWidgets> widgets_;
    std::unique_ptr<QtWindowPlatform> platform_;
    std::unique_ptr<frmPitwrightMain> form_;
    std::unique_ptr<ControlBinder> binder_;
    std::vector<QAction*> drawnDesignActions_;
    CheckStatusBar* statusBar_ = nullptr;
    QPointer<frmSlopeAbout> about_;
    std::function<void()> endProgram_;
};

// Places a window in the middle of the screen it is on.
void centreOnScreen(QWidget& window);

} // namespace pitwright
