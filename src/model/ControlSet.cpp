#include "model/ControlSet.h"

#include "model/MainWindowControls.h"
#include "model/NumberText.h"

#include <algorithm>

namespace pitwright {

ControlSet::ControlSet() {
    for (const ControlSpec& row : mainWindowControls()) {
        ControlState& state = states_[indexOf(row.id)];
        state.text = row.caption;
        state.backColor = row.backColor;
        state.width = row.width;
        state.border = row.kind == ControlKind::Picture;
    }
    states_[indexOf(ControlId::optCrestToToeSlopeAngle)].optionValue = true;
}

void ControlSet::setChangeHandler(std::function<void(ControlId)> handler) {
    changeHandler_ = std::move(handler);
}

double ControlSet::value(ControlId id) const {
    return valueOfText(text(id));
}

void ControlSet::setText(ControlId id, std::string_view text) {
    ControlState& state = states_[indexOf(id)];
    if (state.text == text) {
        return;
    }
    state.text = text;
    state.selStart = 0;
    state.selLength = 0;
    notify(id, ControlProperty::Text);
    if (changeHandler_) {
        changeHandler_(id);
    }
}

void ControlSet::setEnabled(ControlId id, bool enabled) {
    change(id, &ControlState::enabled, enabled, ControlProperty::Enabled);
}

bool ControlSet::isAvailable(ControlId id) const {
    for (std::optional<ControlId> current = id; current;
         current = controlSpec(*current).container) {
        if (!enabled(*current) || !states_[indexOf(*current)].visible) {
            return false;
        }
    }
    return true;
}

void ControlSet::setVisible(ControlId id, bool visible) {
    change(id, &ControlState::visible, visible, ControlProperty::Visible);
}

void ControlSet::setBackColor(ControlId id, BackColor color) {
    change(id, &ControlState::backColor, color, ControlProperty::BackColor);
}

void ControlSet::setWidth(ControlId id, int twips) {
    change(id, &ControlState::width, twips, ControlProperty::Width);
}

void ControlSet::setBorder(ControlId id, bool border) {
    change(id, &ControlState::border, border, ControlProperty::Border);
}

void ControlSet::selectOption(ControlId option) {
    for (ControlId each : {ControlId::optCrestToToeSlopeAngle, ControlId::optToeToToeSlopeAngle}) {
        change(each, &ControlState::optionValue, each == option, ControlProperty::OptionValue);
    }
}

void ControlSet::selectAll(ControlId id) {
    ControlState& state = states_[indexOf(id)];
    state.selStart = 0;
    // In characters, not bytes: the text is UTF-8.
    state.selLength =
        static_cast<int>(std::count_if(state.text.begin(), state.text.end(), [](char byte) {
            return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
        }));
    notify(id, ControlProperty::Selection);
}

void ControlSet::notify(ControlId id, ControlProperty property) {
    if (observer_) {
        observer_->controlChanged(id, property);
    }
}

} // namespace pitwright
