#include "ui/qt/PitwrightMainWindow.h"

#include "ui/frmPitwrightMain.h"
#include "ui/qt/AppIcon.h"
#include "ui/qt/CheckStatusBar.h"
#include "ui/qt/ControlBinder.h"
#include "ui/qt/ControlWidgets.h"
#include "ui/qt/LayoutUnits.h"
#include "ui/qt/QtWindowPlatform.h"
#include "ui/qt/WindowPalette.h"
#include "ui/qt/frmSlopeAbout.h"
#include "ui/qt/frmStabilityCheck.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QScreen>
#include <QShowEvent>

namespace pitwright {

namespace {
const char* const kTitle = "Pitwright Share - The Pitwright project";
}

PitwrightMainWindow::PitwrightMainWindow(QWidget* parent)
    : QMainWindow(parent), endProgram_([] { QCoreApplication::quit(); }) {
    setObjectName(QStringLiteral("frmPitwrightMain"));
    setWindowTitle(QString::fromUtf8(kTitle));
    setWindowIcon(pitwrightIcon());
    // The menu bar and every control start from the window's own colours.
    setPalette(windowPalette());
    // A fixed single border: minimize and close, no maximize, no resizing.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("clientArea"));
    client->setFixedSize(twipsToPixels(kClientWidthTwips), twipsToPixels(kClientHeightTwips));
    setCentralWidget(client);
    widgets_ = std::make_unique<ControlWidgets>(*client);
    buildMenu();
    setFont(client->font());
    menuBar()->setFont(client->font());

    platform_ = std::make_unique<QtWindowPlatform>(*this, *widgets_);
    form_ = std::make_unique<frmPitwrightMain>(*platform_);
    binder_ = std::make_unique<ControlBinder>(*form_, *widgets_, *platform_);
    // Below the client area, which keeps its size: the window grows by it.
    statusBar_ = new CheckStatusBar(*form_, *widgets_, this);
    statusBar_->setFont(client->font());
    setStatusBar(statusBar_);
    setFixedSize(sizeHint());
    form_->Form_Load();
    followTheExportCommand();
    // The window opens with the focus on its first tab stop.
    if (QWidget* first = widgets_->firstTabStop()) {
        first->setFocus(Qt::ActiveWindowFocusReason);
    }
}

PitwrightMainWindow::~PitwrightMainWindow() {
    if (about_) {
        delete about_.data();
    }
}

void PitwrightMainWindow::buildMenu() {
    QMenuBar* bar = menuBar();
    // Kept in the window on every desktop: it belongs to the window's look.
    bar->setNativeMenuBar(false);
    // Each entry keeps its words; "&" marks the letter that Alt chooses it by.
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    // The open menu is a window of its own and would not take the colours
    // of this one by itself.
    file->setPalette(windowPalette());
    QAction* open = file->addAction(QStringLiteral("&Open saved data"));
    open->setObjectName(QStringLiteral("mnuOpenSavedData"));
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    file->addSeparator()->setObjectName(QStringLiteral("mnuSpace01"));
    QAction* save = file->addAction(QStringLiteral("&Save data"));
    save->setObjectName(QStringLiteral("mnuSaveData"));
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    file->addSeparator()->setObjectName(QStringLiteral("mnuSpace02"));
    QAction* exit = file->addAction(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    QMenu* exports = bar->addMenu(QStringLiteral("&Export"));
    exports->setObjectName(QStringLiteral("mnuExport"));
    exports->setPalette(windowPalette());
    QAction* section = exports->addAction(QStringLiteral("&Section drawing\u2026"));
    section->setObjectName(QStringLiteral("mnuExportSection"));
    QAction* shell = exports->addAction(QStringLiteral("&3D shell\u2026"));
    shell->setObjectName(QStringLiteral("mnuExportShell"));
    QMenu* analysis = bar->addMenu(QStringLiteral("A&nalysis"));
    analysis->setObjectName(QStringLiteral("mnuAnalysis"));
    analysis->setPalette(windowPalette());
    QAction* stability = analysis->addAction(QStringLiteral("&Check stability\u2026"));
    stability->setObjectName(QStringLiteral("mnuCheckStability"));
    drawnDesignActions_ = {section, shell, stability};

    QAction* about = bar->addAction(QStringLiteral("&About"));
    about->setObjectName(QStringLiteral("mnuAbout"));
    about->setShortcut(QKeySequence(Qt::Key_F1));

    connect(open, &QAction::triggered, this, [this] { form_->mnuOpenSavedData_Click(); });
    connect(save, &QAction::triggered, this, [this] { form_->mnuSaveData_Click(); });
    connect(exit, &QAction::triggered, this, [this] { mnuExit_Click(); });
    connect(about, &QAction::triggered, this, [this] { mnuAbout_Click(); });
    connect(section, &QAction::triggered, this, [this] { form_->mnuExportSection_Click(); });
    connect(shell, &QAction::triggered, this, [this] { form_->mnuExportShell_Click(); });
    connect(stability, &QAction::triggered, this, [this] { showStabilityCheck(*form_, this); });
}

void PitwrightMainWindow::followTheExportCommand() {
    QWidget* command = widgets_->widget(ControlId::cmd3Dview);
    command->installEventFilter(this);
    for (QAction* action : drawnDesignActions_) {
        action->setEnabled(command->isEnabled());
    }
}

bool PitwrightMainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::EnabledChange &&
        watched == widgets_->widget(ControlId::cmd3Dview)) {
        const bool open = static_cast<QWidget*>(watched)->isEnabled();
        for (QAction* action : drawnDesignActions_) {
            action->setEnabled(open);
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void PitwrightMainWindow::mnuAbout_Click() {
    if (!about_) {
        about_ = new frmSlopeAbout();
        about_->setAttribute(Qt::WA_DeleteOnClose);
        centreOnScreen(*about_);
    }
    about_->show();
    about_->raise();
    about_->activateWindow();
}

void PitwrightMainWindow::mnuExit_Click() {
    close();
}

void PitwrightMainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The focus is framed from the start, as after a Tab, so the user sees
    // where typing goes. Showing a window clears the mark, so it is set here.
    setAttribute(Qt::WA_KeyboardFocusChange);
}

void PitwrightMainWindow::closeEvent(QCloseEvent* event) {
    // No question about unsaved work: the About window goes, then this
    // window, then anything else still open, and the program ends.
    if (about_) {
        about_->close();
    }
    event->accept();
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (window != this && window->isVisible()) {
            window->close();
        }
    }
    if (endProgram_) {
        endProgram_();
    }
}

void PitwrightMainWindow::showCentred() {
    centreOnScreen(*this);
    show();
}

void centreOnScreen(QWidget& window) {
    QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    window.adjustSize();
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

} // namespace pitwright
