#include "ui/qt/AboutPanels.h"

#include "ui/qt/AboutPictures.h"
#include "ui/qt/LayoutUnits.h"

#include <QGroupBox>
#include <QLabel>

namespace pitwright {

namespace {

constexpr std::uint32_t kNavy = 0x000080;
constexpr std::uint32_t kPurple = 0x800080;
constexpr std::uint32_t kDarkRed = 0x400000;

const char* const kConventionsExplained =
    "Different conventions exist for measuring the inter-ramp angle as shown in the pictures "
    "below. The convention in this program is to distinguise with \"Crest-to-toe slope angle\" "
    "and \"Toe-to-toe slope angle\". Differences are normally small, but could be substantial "
    "in shallow pits. The default is \"Crest-to-toe slope angle\".";

struct LabelLook {
    FontSpec font;
    std::uint32_t color;
    Qt::Alignment alignment;
};

QLabel* addLabel(QWidget& parent, const char* name, const QString& text, const QRect& place,
                 const LabelLook& look) {
    auto* label = new QLabel(text, &parent);
    label->setObjectName(QString::fromUtf8(name));
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(place);
    label->setFont(arialFont(look.font));
    label->setAlignment(look.alignment);
    label->setWordWrap(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, rgbColor(look.color));
    label->setPalette(palette);
    return label;
}

QGroupBox* addCaptionlessGroup(QWidget& window, const char* name, const QRect& place) {
    auto* group = new QGroupBox(&window);
    group->setObjectName(QString::fromUtf8(name));
    group->setGeometry(place);
    group->setFont(arialFont({8.25, false, false}));
    return group;
}

// A caption over a corner of a drawing, in the colours of a window.
QLabel* addPictureCaption(QWidget& parent, const char* name, const char* text, const QRect& place) {
    QLabel* label = addLabel(parent, name, QString::fromUtf8(text), place,
                             {{8.25, true, true}, 0x000000, Qt::AlignCenter});
    label->setFrameShape(QFrame::Box);
    label->setLineWidth(1);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Base));
    palette.setColor(QPalette::WindowText, palette.color(QPalette::Text));
    label->setPalette(palette);
    return label;
}

AboutPictureBox* addPicture(QWidget& parent, const char* name, AboutPicture picture,
                            const QRect& place) {
    auto* box = new AboutPictureBox(picture, &parent);
    box->setObjectName(QString::fromUtf8(name));
    box->setGeometry(place);
    return box;
}

} // namespace

QGroupBox* addIdentityBlock(QWidget& window, const QRect& place) {
    QGroupBox* group = addCaptionlessGroup(window, "Frame1", place);
    QWidget& g = *group;
    addLabel(g, "Label2", QStringLiteral("Quarrix Pitwright"), twipsRect(4080, 240, 2775, 1575),
             {{24, true, true}, kNavy, Qt::AlignCenter});
    addLabel(g, "lblPlatform", QStringLiteral("Windows 95-Vista"), twipsRect(4410, 2040, 2445, 330),
             {{14.25, true, false}, kPurple, Qt::AlignRight | Qt::AlignVCenter});
    addLabel(g, "lblVersion", QStringLiteral("Version 1.7.1"), twipsRect(5595, 2400, 1200, 240),
             {{9.75, true, true}, kPurple, Qt::AlignRight | Qt::AlignVCenter});
    addLabel(g, "lblWarning", QString(), twipsRect(4080, 2760, 2655, 975),
             {{6.75, false, false}, kDarkRed, Qt::AlignHCenter | Qt::AlignTop});
    addPicture(g, "imgLogo", AboutPicture::Logo, twipsRect(120, 960, 3735, 2715));

    // Contact: the project itself; the program names no person.
    addLabel(g, "lblName", QStringLiteral("The Pitwright project"), twipsRect(180, 200, 3780, 300),
             {{13.5, true, true}, 0x000000, Qt::AlignLeft | Qt::AlignVCenter});
    addLabel(g, "lblTel", QStringLiteral("Free software for pit slope design"),
             twipsRect(180, 500, 3780, 240),
             {{9, true, false}, 0x000000, Qt::AlignLeft | Qt::AlignVCenter});
    addLabel(g, "lblEmail", QStringLiteral("Questions: the project's issue tracker"),
             twipsRect(180, 720, 3780, 240),
             {{9, true, false}, 0x000000, Qt::AlignLeft | Qt::AlignVCenter});
    return group;
}

QGroupBox* addConventionExplanation(QWidget& window, const QRect& place) {
    QGroupBox* group = addCaptionlessGroup(window, "Frame2", place);
    QWidget& g = *group;
    addLabel(g, "Label1", QString::fromUtf8(kConventionsExplained), twipsRect(120, 240, 6735, 1095),
             {{8.25, true, false}, 0x000000, Qt::AlignCenter});
    addPicture(g, "Image2", AboutPicture::CrestToToe, twipsRect(120, 1440, 3435, 2895));
    addPicture(g, "Image1", AboutPicture::ToeToToe, twipsRect(3480, 1440, 3450, 2895));
    addPictureCaption(g, "lblOverall", "Crest-to-toe slope angle",
                      twipsRect(2160, 1440, 1092, 440));
    addPictureCaption(g, "lblInterramp", "Toe-to-toe slope angle",
                      twipsRect(5520, 1440, 1092, 440));
    return group;
}

} // namespace pitwright
