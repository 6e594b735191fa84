#include "gui/platform/SquareButton.h"

QSize SquareButton::sizeHint() const
{
    const QFontMetrics metrics = fontMetrics();
    // At least two full-width characters wide, so that buttons with shorter
    // faces keep the size of the others.
    const int face = std::max(metrics.horizontalAdvance(text()), 2 * metrics.horizontalAdvance(QChar(0x4E00)));
    const int side = std::max(3 * metrics.height(), face + 4 * metrics.averageCharWidth());
    return {side, side};
}
