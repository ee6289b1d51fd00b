#pragma once

#include "ui/StabilityAnalysis.h"
#include "ui/UserMessages.h"

#include <QColor>
#include <QString>
#include <QWidget>

namespace pitwright {

// The section of a stability check, the right way up and true to scale,
// fitted to the widget: the rock under the ground model's surface, the
// wall, the pit floor and the ground behind the crest, the slip mass of the
// whole slope with its slices, and the two critical circles' arcs, told
// apart by their line style as well as their colour, with a legend that
// names them and a scale bar.
class StabilitySectionView : public QWidget {
public:
    explicit StabilitySectionView(QWidget* parent = nullptr);

    // Shows the analysis; without a surface, its message in place of a
    // drawing.
    void showAnalysis(const StabilityAnalysis& analysis);

    QSize sizeHint() const override { return {900, 340}; }

    // The arc of the whole slope's critical circle: solid, in this colour.
    static QColor overallColor() { return {0xB0, 0x00, 0x00}; }
    // The arc of the worst stack's: dashed, in this colour.
    static QColor worstStackColor() { return {0x00, 0x46, 0xC8}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<stability::Point> surface_;
    std::optional<ShownCircle> overall_;
    std::optional<ShownCircle> worstStack_;
    StabilityLegend legend_;
    QString emptyText_;
};

} // namespace pitwright
