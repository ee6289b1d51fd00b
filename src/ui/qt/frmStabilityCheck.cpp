#include "ui/qt/frmStabilityCheck.h"

#include "ui/frmPitwrightMain.h"
#include "ui/qt/AppIcon.h"
#include "ui/qt/StabilitySectionView.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScreen>
#include <QVBoxLayout>

namespace pitwright {
namespace {

// A value with its unit after the field; the label's mnemonic reaches it.
QLineEdit* addValue(QFormLayout& form, const QString& caption, const QString& unit,
                    const QString& name) {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* field = new QLineEdit;
    field->setObjectName(name);
    field->setMaximumWidth(90);
    layout->addWidget(field);
    auto* unitLabel = new QLabel(unit);
    unitLabel->setMinimumWidth(40);
    layout->addWidget(unitLabel);
    layout->addStretch(1);
    auto* label = new QLabel(caption);
    label->setBuddy(field);
    form.addRow(label, row);
    return field;
}

// Beside the main window where the screen has room, else in the middle.
void placeBeside(QWidget& window, const QWidget& mainWindow) {
    QScreen* screen = mainWindow.screen() ? mainWindow.screen() : window.screen();
    if (screen == nullptr) {
        return;
    }
    window.adjustSize();
    const QRect available = screen->availableGeometry();
    const QRect main = mainWindow.frameGeometry();
    QRect frame = window.frameGeometry();
    if (main.right() + 8 + frame.width() <= available.right()) {
        frame.moveTopLeft({main.right() + 8, std::max(available.top(), main.top())});
    } else {
        frame.moveCenter(available.center());
    }
    window.move(frame.topLeft());
}

} // namespace

frmStabilityCheck::frmStabilityCheck(frmPitwrightMain& form, QWidget* parent)
    : QWidget(parent, Qt::Window), form_(form) {
    setObjectName(QStringLiteral("frmStabilityCheck"));
    setWindowTitle(QStringLiteral("Check stability"));
    setWindowIcon(pitwrightIcon());
    buildLayout();

    recomputeTimer_.setSingleShot(true);
    recomputeTimer_.setInterval(kRecomputeDelayMs);
    connect(&recomputeTimer_, &QTimer::timeout, this, [this] { recompute(); });
    for (QLineEdit* field : {unitWeight_, cohesion_, frictionAngle_, targetFactor_}) {
        connect(field, &QLineEdit::textChanged, this, [this] { valueChanged(); });
    }
    // The form keeps its listeners for good: once this window is gone, this
    // one does nothing.
    form_.addDrawnDesignListener([self = QPointer<frmStabilityCheck>(this)] {
        if (self) {
            self->drawnDesignChanged();
        }
    });
}

void frmStabilityCheck::buildLayout() {
    auto* values = new QGroupBox(QStringLiteral("Rock mass: dry, Mohr-Coulomb"));
    values->setObjectName(QStringLiteral("fraRockMass"));
    auto* valueRows = new QFormLayout(values);
    unitWeight_ = addValue(*valueRows, QStringLiteral("&Unit weight"), QStringLiteral("kN/m\u00B3"),
                           QStringLiteral("txtUnitWeight"));
    cohesion_ = addValue(*valueRows, QStringLiteral("&Cohesion"), QStringLiteral("kPa"),
                         QStringLiteral("txtCohesion"));
    frictionAngle_ = addValue(*valueRows, QStringLiteral("&Friction angle"),
                              QStringLiteral("degrees"), QStringLiteral("txtFrictionAngle"));

    auto* target = new QGroupBox(QStringLiteral("Design"));
    target->setObjectName(QStringLiteral("fraTarget"));
    auto* targetRows = new QFormLayout(target);
    targetFactor_ = addValue(*targetRows, QStringLiteral("&Target factor of safety"), QString(),
                             QStringLiteral("txtTargetFactor"));
    targetFactor_->setText(QString::fromStdString(defaultTargetFactorText()));

    results_ = new QPlainTextEdit;
    results_->setObjectName(QStringLiteral("txtStabilityResults"));
    results_->setReadOnly(true);
    results_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    results_->setMinimumSize(420, 200);
    auto* resultsLabel = new QLabel(QStringLiteral("&Results"));
    resultsLabel->setBuddy(results_);

    auto* inputs = new QVBoxLayout;
    inputs->addWidget(values);
    inputs->addWidget(target);
    inputs->addStretch(1);
    auto* figures = new QVBoxLayout;
    figures->addWidget(resultsLabel);
    figures->addWidget(results_, 1);
    auto* top = new QHBoxLayout;
    top->addLayout(inputs, 0);
    top->addLayout(figures, 1);

    // The section below, as wide as the window: a wall with its floor and
    // ground behind is several times wider than high.
    section_ = new StabilitySectionView;
    section_->setObjectName(QStringLiteral("picStabilitySection"));

    // The ground model under the drawing, in sight whatever the figures.
    groundModel_ = new QLabel;
    groundModel_->setObjectName(QStringLiteral("lblGroundModel"));
    groundModel_->setTextFormat(Qt::PlainText);
    groundModel_->setWordWrap(true);
    groundModel_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 0);
    layout->addWidget(section_, 1);
    layout->addWidget(groundModel_, 0);
}

void frmStabilityCheck::valueChanged() {
    stale_ = true;
    recomputeTimer_.start();
}

void frmStabilityCheck::drawnDesignChanged() {
    // The listener runs as the drawing succeeds, while the design record
    // still holds the benches per stack the section was drawn with.
    drawnBenchesPerStack_.reset();
    if (form_.hasDrawnDesign()) {
        drawnBenchesPerStack_ = form_.state().benchesPerStack;
    }
    stale_ = true;
    if (isVisible()) {
        recompute();
    }
}

void frmStabilityCheck::recompute() {
    recomputeTimer_.stop();
    const StabilityInputTexts inputs{
        unitWeight_->text().toStdString(), cohesion_->text().toStdString(),
        frictionAngle_->text().toStdString(), targetFactor_->text().toStdString()};
    StabilityOptions options;
    options.drawnBenchesPerStack = drawnBenchesPerStack_;
    analysis_ = analyseDrawnDesign(form_, inputs, options);
    stale_ = false;

    std::string text;
    if (analysis_.hasFigures()) {
        for (const std::string& line : analysis_.lines) {
            text += line + "\n";
        }
        if (!analysis_.caution.empty()) {
            text += "\n" + analysis_.caution + "\n";
        }
    } else {
        text = analysis_.message() + "\n";
    }
    results_->setPlainText(QString::fromStdString(text));
    groundModel_->setText(QString::fromStdString(analysis_.groundModel));
    groundModel_->setVisible(!analysis_.groundModel.empty());
    section_->showAnalysis(analysis_);
}

QString frmStabilityCheck::resultsText() const {
    return results_->toPlainText();
}

QString frmStabilityCheck::groundModelText() const {
    return groundModel_->text();
}

void frmStabilityCheck::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (stale_) {
        recompute();
    }
}

frmStabilityCheck* showStabilityCheck(frmPitwrightMain& form, QWidget* mainWindow) {
    if (mainWindow == nullptr) {
        return nullptr;
    }
    // By name and type: the class has no meta-object of its own to find it by.
    auto* window = dynamic_cast<frmStabilityCheck*>(mainWindow->findChild<QWidget*>(
        QStringLiteral("frmStabilityCheck"), Qt::FindDirectChildrenOnly));
    if (window == nullptr) {
        window = new frmStabilityCheck(form, mainWindow);
        placeBeside(*window, *mainWindow);
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

} // namespace pitwright
