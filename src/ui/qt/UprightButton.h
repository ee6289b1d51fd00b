#pragma once

#include <QPushButton>

namespace pitwright {

// A command button too narrow for its caption written across: the letters
// stand one under the other. The caption stays the button's text, so it is
// read out and found like any other.
class UprightButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace pitwright
