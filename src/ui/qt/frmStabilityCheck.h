#pragma once

#include "ui/StabilityAnalysis.h"

#include <QTimer>
#include <QWidget>

#include <optional>

class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace pitwright {

class StabilitySectionView;
class frmPitwrightMain;

// "Check stability": the factor of safety of the drawn design against
// circular slip, for the whole slope and the worst stack. Not modal: it
// follows the main window's drawn design while it is open, and works the
// figures out again shortly after the user stops changing a value.
class frmStabilityCheck : public QWidget {
public:
    // Lives no longer than `form`: make it a child of the window that owns
    // the form.
    explicit frmStabilityCheck(frmPitwrightMain& form, QWidget* parent = nullptr);

    // Works the figures out now, as the pause after typing does.
    void recompute();
    const StabilityAnalysis& analysis() const { return analysis_; }
    // The figures, or why there are none.
    QString resultsText() const;
    // The ground model, under the drawing; empty without a drawn design.
    QString groundModelText() const;

    // How long the window waits after a change of a value before working
    // the figures out again.
    static constexpr int kRecomputeDelayMs = 150;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildLayout();
    void drawnDesignChanged();
    void valueChanged();

    frmPitwrightMain& form_;
    // Benches per stack of the drawing, once the window has seen one made.
    std::optional<int> drawnBenchesPerStack_;
    QLineEdit* unitWeight_ = nullptr;
    QLineEdit* cohesion_ = nullptr;
    QLineEdit* frictionAngle_ = nullptr;
    QLineEdit* targetFactor_ = nullptr;
    QPlainTextEdit* results_ = nullptr;
    QLabel* groundModel_ = nullptr;
    StabilitySectionView* section_ = nullptr;
    QTimer recomputeTimer_;
    StabilityAnalysis analysis_;
    // The figures shown are not those of the design and values as they are.
    bool stale_ = true;
};

// Opens the one "Check stability" window of `mainWindow`, which owns
// `form`, or brings it to the front; returns it (nullptr without a main
// window).
frmStabilityCheck* showStabilityCheck(frmPitwrightMain& form, QWidget* mainWindow);

} // namespace pitwright
