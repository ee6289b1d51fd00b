#pragma once

#include "model/ControlId.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace pitwright {

// What changed on a control, for whoever mirrors the controls on screen.
enum class ControlProperty : std::uint8_t {
    Text,
    Enabled,
    Visible,
    BackColor,
    Width,
    Border,
    OptionValue,
    Selection,
};

class ControlObserver {
public:
    virtual void controlChanged(ControlId id, ControlProperty property) = 0;

protected:
    ~ControlObserver() = default;
};

struct ControlState {
    std::string text; // text of a text box, caption of everything else
    bool enabled = true;
    bool visible = true;
    BackColor backColor = BackColor::ButtonFace;
    int width = 0; // twips
    bool border = false;
    bool optionValue = false;
    int selStart = 0;
    int selLength = 0;
};

// The controls of the main window as data. Setting a text box to a different
// text runs the change handler at once, nested inside the call; setting the
// same text runs nothing.
class ControlSet {
public:
    ControlSet();

    void setChangeHandler(std::function<void(ControlId)> handler);
    void setObserver(ControlObserver* observer) { observer_ = observer; }

    const ControlState& operator[](ControlId id) const { return states_[indexOf(id)]; }

    const std::string& text(ControlId id) const { return states_[indexOf(id)].text; }
    // Numeric value of the control's text.
    double value(ControlId id) const;
    void setText(ControlId id, std::string_view text);

    bool enabled(ControlId id) const { return states_[indexOf(id)].enabled; }
    void setEnabled(ControlId id, bool enabled);
    // Enabled, and inside no disabled group.
    bool isAvailable(ControlId id) const;

    void setVisible(ControlId id, bool visible);
    void setBackColor(ControlId id, BackColor color);
    void setWidth(ControlId id, int twips);
    void setBorder(ControlId id, bool border);

    bool isSelected(ControlId option) const { return states_[indexOf(option)].optionValue; }
    // Selects one option button and deselects the other of its group.
    void selectOption(ControlId option);

    // Caret to position 0 and the whole text selected.
    void selectAll(ControlId id);

private:
    void notify(ControlId id, ControlProperty property);
    // Sets one property and tells the observer, when it differs.
    template <typename Value>
    void change(ControlId id, Value ControlState::*member, Value value, ControlProperty property) {
        Value& current = states_[indexOf(id)].*member;
        if (current != value) {
            current = value;
            notify(id, property);
        }
    }

    std::array<ControlState, kControlCount> states_;
    std::function<void(ControlId)> changeHandler_;
    ControlObserver* observer_ = nullptr;
};

} // namespace pitwright
