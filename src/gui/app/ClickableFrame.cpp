#include "gui/app/ClickableFrame.h"

#include <QMouseEvent>

void ClickableFrame::mousePressEvent(QMouseEvent *event)
{
    QGroupBox::mousePressEvent(event);
    if (event->button() == Qt::LeftButton)
        emit clicked();
}
