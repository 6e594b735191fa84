#include "gui/compose/CountLabel.h"

#include <QEvent>

CountLabel::CountLabel(QWidget *parent) : QLabel(u"\u00A5≒0.0円 000.0文字 (000)"_qs, parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setTextFormat(Qt::PlainText);
    setAutoFillBackground(true);
    fitTheWidestCount();
}

void CountLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitTheWidestCount();
}

void CountLabel::fitTheWidestCount()
{
    const QFontMetrics metrics = fontMetrics();
    const QMargins margins = contentsMargins();
    setFixedSize(metrics.horizontalAdvance(u"\u00A5≒00000.0円 00000.0文字 (00000)"_qs) + margins.left()
                     + margins.right(),
                 metrics.height() + margins.top() + margins.bottom());
}
