#pragma once

#include "model/ControlId.h"

#include <QColor>

#include <array>
#include <optional>
#include <vector>

class QLineEdit;
class QObject;
class QWidget;

namespace pitwright {

class PictureBox;

// The widgets of the main window, one for every row of the control table,
// built from that table inside the window's client area: text boxes are line
// edits, labels labels, groups group boxes, option buttons radio buttons,
// commands push buttons and the picture a PictureBox. Each carries its
// control's name as object name.
class ControlWidgets {
public:
    explicit ControlWidgets(QWidget& client);

    QWidget* widget(ControlId id) const { return widgets_[indexOf(id)]; }
    // The line edit of a text box; nullptr for every other kind.
    QLineEdit* lineEdit(ControlId id) const;
    PictureBox& picture() const;
    std::optional<ControlId> idOf(const QObject* object) const;
    // The enabled tab stop with the lowest tab index, if any.
    QWidget* firstTabStop() const;

    // The colours behind the two back colours of the table: white, and the
    // window's button face.
    static QColor colorOf(BackColor color);

private:
    void chainTabStops();
    std::vector<ControlId> tabStops_; // in tab order

    std::array<QWidget*, kControlCount> widgets_{};
};

} // namespace pitwright
