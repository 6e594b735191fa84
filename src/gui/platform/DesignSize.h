#pragma once

#include <QSize>

class QWidget;

/// A size given in twips by a window's design, in pixels of the font the
/// widget uses: the design's full-width character (9 points) is 180 twips,
/// so the size keeps its proportion to the text whatever the font, the
/// screen or the scale factor.
QSize designSize(const QWidget *widget, int widthTwips, int heightTwips);
