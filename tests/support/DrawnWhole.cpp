#include "support/DrawnWhole.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QList>
#include <QPushButton>
#include <QStyle>
#include <QWidget>

namespace drawnwhole {

namespace {

QString place(const QRect &r)
{
    return u"[%1,%2 %3×%4]"_qs.arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// The part of the widget its ancestors up to the window let show, in window
// coordinates.
QRect visibleRect(const QWidget *widget, const QWidget &window)
{
    QRect rect(widget->mapTo(&window, QPoint(0, 0)), widget->size());
    for (const QWidget *up = widget->parentWidget(); up && up != &window; up = up->parentWidget())
        rect &= QRect(up->mapTo(&window, QPoint(0, 0)), up->size());
    return rect & window.rect();
}

// The visible widgets of the window itself, not of other windows.
QList<const QWidget *> shownWidgets(const QWidget &window)
{
    QList<const QWidget *> shown;
    for (const QWidget *w : window.findChildren<QWidget *>()) {
        if (w->window() == &window && w->isVisible() && !visibleRect(w, window).isEmpty())
            shown.append(w);
    }
    return shown;
}

bool related(const QWidget *a, const QWidget *b) { return a->isAncestorOf(b) || b->isAncestorOf(a); }

// The child of `ancestor` that holds `widget` (or is it).
const QWidget *branchBelow(const QWidget *ancestor, const QWidget *widget)
{
    while (widget->parentWidget() != ancestor)
        widget = widget->parentWidget();
    return widget;
}

// Why the raised panel may not cover `other`, or nothing when it may: it
// must paint its whole background and stand above `other` (a later child of
// their common ancestor is drawn over an earlier one).
QString whyNotRaised(const QWidget *panel, const QWidget *other)
{
    if (!panel->autoFillBackground() && !panel->testAttribute(Qt::WA_OpaquePaintEvent))
        return u" (the raised panel does not fill its background)"_qs;
    const QWidget *common = panel->parentWidget();
    while (!common->isAncestorOf(other))
        common = common->parentWidget();
    const QObjectList &order = common->children();
    if (order.indexOf(branchBelow(common, panel)) < order.indexOf(branchBelow(common, other)))
        return u" (the raised panel lies below it)"_qs;
    return {};
}

// The raised panel that holds `widget` (or is it), or nothing.
const QWidget *raisedHolder(const QWidget *widget, const QString &raisedPanel)
{
    if (raisedPanel.isEmpty())
        return nullptr;
    for (; widget; widget = widget->parentWidget()) {
        if (widget->objectName() == raisedPanel)
            return widget;
    }
    return nullptr;
}

// What a control needs to show its text whole. A push button needs its text
// and frame, not the width a style wishes buttons to have (Fusion's 80
// pixels); a label that wraps needs the height its text takes at its width;
// the others their minimum size hint.
QSize needed(const QWidget *widget)
{
    if (const auto *push = qobject_cast<const QPushButton *>(widget)) {
        QString text = push->text();
        text.replace(u"&&"_qs, u"\x01"_qs).remove(u'&').replace(u'\x01', u'&');
        const QStyle *style = push->style();
        int width = push->fontMetrics().horizontalAdvance(text) + style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, push)
                    + 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, push);
        if (!push->icon().isNull())
            width += push->iconSize().width() + 4;
        return {width, push->minimumSizeHint().height()};
    }
    if (const auto *label = qobject_cast<const QLabel *>(widget); label && label->wordWrap())
        return {0, label->heightForWidth(label->width())};
    return widget->minimumSizeHint();
}

} // namespace

QString nameOf(const QWidget *widget)
{
    const auto own = [](const QObject *o) {
        return o->objectName().isEmpty() ? QString::fromLatin1(o->metaObject()->className()) : o->objectName();
    };
    const QWidget *parent = widget->parentWidget();
    return parent && !widget->isWindow() ? own(parent) + u'/' + own(widget) : own(widget);
}

QStringList overlaps(const QWidget &window, const QString &raisedPanel)
{
    const QList<const QWidget *> shown = shownWidgets(window);
    QStringList found;
    for (qsizetype i = 0; i < shown.size(); ++i) {
        for (qsizetype j = i + 1; j < shown.size(); ++j) {
            const QWidget *a = shown[i];
            const QWidget *b = shown[j];
            const QRect ra = visibleRect(a, window);
            const QRect rb = visibleRect(b, window);
            if (related(a, b) || !ra.intersects(rb))
                continue;
            const QWidget *panelA = raisedHolder(a, raisedPanel);
            const QWidget *panelB = raisedHolder(b, raisedPanel);
            QString reason;
            if (panelA != panelB) {
                reason = panelA ? whyNotRaised(panelA, b) : whyNotRaised(panelB, a);
                if (reason.isEmpty())
                    continue;
            }
            found.append(nameOf(a) + u' ' + place(ra) + u" ~ "_qs + nameOf(b) + u' ' + place(rb) + reason);
        }
    }
    return found;
}

QStringList cutTexts(const QWidget &window)
{
    QStringList found;
    for (const QWidget *w : shownWidgets(window)) {
        const auto *label = qobject_cast<const QLabel *>(w);
        if (!label && !qobject_cast<const QAbstractButton *>(w))
            continue;
        if (label && label->text().isEmpty() && label->pixmap().isNull())
            continue;
        const QSize needs = needed(w);
        if (w->width() < needs.width() || w->height() < needs.height())
            found.append(nameOf(w) + u" [%1×%2] needs %3×%4"_qs.arg(w->width())
                                          .arg(w->height())
                                          .arg(needs.width())
                                          .arg(needs.height()));
    }
    return found;
}

ScaledFont::ScaledFont(double factor) : normal(QApplication::font())
{
    QFont scaled = normal;
    scaled.setPointSizeF(normal.pointSizeF() * factor);
    QApplication::setFont(scaled);
}

ScaledFont::~ScaledFont() { QApplication::setFont(normal); }

} // namespace drawnwhole
