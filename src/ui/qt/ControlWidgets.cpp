#include "ui/qt/ControlWidgets.h"

#include "model/MainWindowControls.h"
#include "ui/qt/LayoutUnits.h"
#include "ui/qt/PictureBox.h"
#include "ui/qt/UprightButton.h"
#include "ui/qt/WindowPalette.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <vector>

namespace pitwright {

namespace {

// A command taller than it is wide carries its caption upright.
bool isUpright(const ControlSpec& row) {
    return row.height > 2 * row.width;
}

QWidget* makeWidget(const ControlSpec& row, QWidget* parent) {
    const QString caption = QString::fromUtf8(row.caption);
    switch (row.kind) {
    case ControlKind::TextBox: {
        auto* edit = new QLineEdit(parent);
        edit->setReadOnly(row.readOnly);
        return edit;
    }
    case ControlKind::Label: {
        auto* label = new QLabel(caption, parent);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        return label;
    }
    case ControlKind::Group:
        return new QGroupBox(caption, parent);
    case ControlKind::Option:
        return new QRadioButton(caption, parent);
    case ControlKind::Command:
        if (isUpright(row)) {
            return new UprightButton(caption, parent);
        }
        return new QPushButton(caption, parent);
    case ControlKind::Picture:
        return new PictureBox(parent);
    case ControlKind::Window:
        break;
    }
    return nullptr;
}

void applyColors(QWidget& widget, const ControlSpec& row) {
    QPalette palette = widget.palette();
    setEnabledTextColor(palette, rgbColor(row.foreColor));
    widget.setPalette(palette);
}

} // namespace

QColor ControlWidgets::colorOf(BackColor color) {
    if (color == BackColor::White) {
        return Qt::white;
    }
    return buttonFaceColor();
}

ControlWidgets::ControlWidgets(QWidget& client) {
    widgets_[indexOf(ControlId::frmPitwrightMain)] = &client;
    client.setFont(arialFont(controlSpec(ControlId::frmPitwrightMain).font));
    // Before any control is made, so each starts from the window's colours.
    client.setPalette(windowPalette());
    // The table lists every container before what it holds.
    for (const ControlSpec& row : mainWindowControls()) {
        if (row.kind == ControlKind::Window) {
            continue;
        }
        QWidget* parent = row.container ? widget(*row.container) : &client;
        QWidget* made = makeWidget(row, parent);
        made->setObjectName(QString::fromUtf8(row.name));
        made->setGeometry(twipsRect(row.left, row.top, row.width, row.height));
        made->setFont(arialFont(row.font));
        applyColors(*made, row);
        if (row.toolTip[0] != '\0') {
            made->setToolTip(QString::fromUtf8(row.toolTip));
        }
        made->setAccessibleName(QString::fromUtf8(row.name));
        made->setFocusPolicy(row.tabStop ? Qt::StrongFocus : Qt::NoFocus);
        widgets_[indexOf(row.id)] = made;
    }
    chainTabStops();
}

QLineEdit* ControlWidgets::lineEdit(ControlId id) const {
    return qobject_cast<QLineEdit*>(widget(id));
}

PictureBox& ControlWidgets::picture() const {
    return *static_cast<PictureBox*>(widget(ControlId::Picture1));
}

std::optional<ControlId> ControlWidgets::idOf(const QObject* object) const {
    const auto found = std::find(widgets_.begin(), widgets_.end(), object);
    if (found == widgets_.end() || object == nullptr) {
        return std::nullopt;
    }
    return static_cast<ControlId>(found - widgets_.begin());
}

void ControlWidgets::chainTabStops() {
    std::vector<const ControlSpec*> stops;
    for (const ControlSpec& row : mainWindowControls()) {
        if (row.tabStop) {
            stops.push_back(&row);
        }
    }
    std::sort(stops.begin(), stops.end(),
              [](const ControlSpec* a, const ControlSpec* b) { return a->tabIndex < b->tabIndex; });
    for (std::size_t i = 1; i < stops.size(); ++i) {
        QWidget::setTabOrder(widget(stops[i - 1]->id), widget(stops[i]->id));
    }
    for (const ControlSpec* stop : stops) {
        tabStops_.push_back(stop->id);
    }
}

QWidget* ControlWidgets::firstTabStop() const {
    for (ControlId id : tabStops_) {
        if (widget(id)->isEnabled()) {
            return widget(id);
        }
    }
    return nullptr;
}

} // namespace pitwright
