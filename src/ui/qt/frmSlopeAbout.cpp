#include "ui/qt/frmSlopeAbout.h"

#include "ui/qt/AboutPanels.h"
#include "ui/qt/AppIcon.h"
#include "ui/qt/LayoutUnits.h"

namespace pitwright {

frmSlopeAbout::frmSlopeAbout(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmSlopeAbout"));
    setWindowTitle(QStringLiteral("About"));
    setWindowIcon(pitwrightIcon());
    // A fixed single border with the close box only.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFont(arialFont({8.25, false, false}));
    setFixedSize(twipsToPixels(7215), twipsToPixels(8415));
    addIdentityBlock(*this, twipsRect(120, 0, 6945, 3810));
    addConventionExplanation(*this, twipsRect(120, 3840, 6975, 4455));
}

} // namespace pitwright
