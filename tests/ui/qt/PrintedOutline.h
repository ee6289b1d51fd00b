#pragma once

// Checks the section drawing on the image of a printed page: every line of
// the picture is there without a gap, as one stroke, and as wide as its pen
// says. Works on any page image (pdftoppm's rendering of a PDF written by
// the program or by a print server), given where the picture lies on it.

#include "ui/qt/PictureBox.h"

#include <QImage>
#include <QStringList>
#include <QTransform>

#include <vector>

namespace pitwright::testing {

struct PrintedOutline {
    // What is wrong, one entry a line of the picture; empty when all is well.
    QStringList faults;
    // Median width across the lines drawn with pen width 1, and with pen
    // width 2 (the wall), in millimetres on paper.
    double thinWidthMm = 0;
    double wallWidthMm = 0;
    // How many places along the lines were looked at.
    int samples = 0;
};

// `pictureToPage` takes a point of the picture's usable area (its strokes'
// coordinates) to a point of the page image, in its pixels; the image was
// rendered at `dotsPerInch`.
PrintedOutline checkPrintedOutline(const QImage& page, int dotsPerInch,
                                   const std::vector<PictureBox::Stroke>& strokes,
                                   const QTransform& pictureToPage);

// The part of a PDF's first page as an image at the given resolution,
// rendered by pdftoppm; a whole page at 600 dpi is larger than Qt reads by
// default, so only the part is made.
QImage rasterisePart(const QString& pdf, int dotsPerInch, const QRect& part);

} // namespace pitwright::testing
