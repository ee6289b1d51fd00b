#pragma once

#include <QWidget>

class QPainter;

namespace pitwright {

enum class AboutPicture {
    Logo,       // the program's logo
    CrestToToe, // inter-ramp angle from the slope toe to the slope crest
    ToeToToe,   // inter-ramp angle from the ramp bottom toe to the upper toe
};

// Paints one of the About window's pictures, stretched to the rectangle.
void paintAboutPicture(QPainter& painter, const QRectF& target, AboutPicture picture);

// A picture of the About window, painted at run time and stretched to its
// place.
class AboutPictureBox : public QWidget {
public:
    AboutPictureBox(AboutPicture picture, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    AboutPicture picture_;
};

} // namespace pitwright
