#include "gui/compose/PhoneScreen.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOption>
#include <QTextLayout>
#include <QtMath>

#include <algorithm>

PhoneScreen::PhoneScreen(QWidget *parent) : QPlainTextEdit(parent)
{
    setReadOnly(true);
    setWordWrapMode(QTextOption::WrapAnywhere);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The text keeps the usual gap from the frame, but as margins of the
    // text area: a document margin lets the top of the row below the
    // screen show at its foot once the box has scrolled.
    const int gap = qCeil(document()->documentMargin());
    document()->setDocumentMargin(0);
    setViewportMargins(gap, gap, gap, gap);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void PhoneScreen::setScreen(int columns, int rows)
{
    columns_ = columns;
    rows_ = rows;
    fitToScreen();
}

QSize PhoneScreen::sizeHint() const { return textAreaSize() + surroundSize(); }

void PhoneScreen::changeEvent(QEvent *event)
{
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        fitToScreen();
}

// Measuring lays text out in the box's font. A hidden box (the preview
// panel is hidden at start) is measured by its layout when it shows; a
// shown one takes its new size at once.
void PhoneScreen::fitToScreen()
{
    updateGeometry();
    if (isVisible())
        resize(sizeHint());
}

void PhoneScreen::paintEvent(QPaintEvent *event)
{
    QPlainTextEdit::paintEvent(event);
    // The text area's last line of pixels is there only so that R rows fit
    // without scrolling; the top of the row below the screen stays hidden.
    QPainter painter(viewport());
    painter.fillRect(0, viewport()->height() - 1, viewport()->width(), 1, palette().base());
}

// C cells across, R lines down, as the box lays its text out: a line breaks
// when its next character would reach past the width, and the last glyph of
// a line may reach past its advance by the font's largest overhang.
QSize PhoneScreen::textAreaSize() const
{
    QTextLayout row(u"一"_qs, font());
    row.beginLayout();
    QTextLine line = row.createLine();
    line.setLeadingIncluded(true);
    row.endLayout();
    // The box stacks lines at their height, less a negative leading.
    const int lineHeight = qCeil(line.height()) + std::min(0, qCeil(line.leading()));

    const QFontMetricsF metrics(font());
    const qreal overhang = std::max(0.0, -metrics.minRightBearing());
    const int width = qCeil(columns_ * metrics.horizontalAdvance(u'一') + overhang);
    // The box scrolls as soon as its lines are taller than its height less 1.
    return {width, rows_ * lineHeight + 1};
}

// The frame, the margins and the vertical scroll bar around the text area,
// as the scroll area lays them out.
QSize PhoneScreen::surroundSize() const
{
    QStyleOption option;
    option.initFrom(this);
    int bar = verticalScrollBar()->sizeHint().width();
    if (style()->styleHint(QStyle::SH_ScrollView_FrameOnlyAroundContents, &option, this))
        bar += style()->pixelMetric(QStyle::PM_ScrollView_ScrollBarSpacing, &option, this);
    const QMargins margins = viewportMargins();
    const int frame = 2 * frameWidth();
    return {frame + margins.left() + margins.right() + bar, frame + margins.top() + margins.bottom()};
}
