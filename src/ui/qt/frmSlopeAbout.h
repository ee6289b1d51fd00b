#pragma once

#include <QWidget>

namespace pitwright {

// The About window: not modal, no buttons; the close box closes it. It
// holds nothing and reads nothing from the main window.
class frmSlopeAbout : public QWidget {
public:
    explicit frmSlopeAbout(QWidget* parent = nullptr);
};

} // namespace pitwright
