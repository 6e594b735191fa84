#include "gui/platform/DesignSize.h"

#include <QWidget>

namespace {
constexpr int kFullWidthTwips = 180;
}

QSize designSize(const QWidget *widget, int widthTwips, int heightTwips)
{
    const int fullWidth = widget->fontMetrics().horizontalAdvance(QChar(u'あ'));
    return {widthTwips * fullWidth / kFullWidthTwips, heightTwips * fullWidth / kFullWidthTwips};
}
