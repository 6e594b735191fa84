#include "gui/platform/WrappingLabel.h"

#include <QResizeEvent>

WrappingLabel::WrappingLabel(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Minimum);
}

QSize WrappingLabel::sizeHint() const { return {0, heightForWidth(width())}; }

void WrappingLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    // A new width wraps the text anew: the layout asks for the new height.
    if (event->oldSize().width() != event->size().width())
        updateGeometry();
}
