#pragma once

#include <QPushButton>

/// A tool bar button: square, three lines of its font high, and wider when
/// its face needs it (all faces of up to two full-width characters give the
/// same size), so that it grows with the font.
class SquareButton : public QPushButton {
public:
    using QPushButton::QPushButton;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }
};
