#include "gui/platform/Twips.h"

#include <QVariant>
#include <QWidget>

#include <cmath>

namespace {
constexpr char kGeometry[] = "twipsGeometry";
}

Twips::Twips(double dotsPerInch) : pixelsPerTwip_(dotsPerInch / 1440.0) {}

int Twips::toPixels(int twips) const { return static_cast<int>(std::lround(twips * pixelsPerTwip_)); }

int Twips::toTwips(int pixels) const { return static_cast<int>(std::lround(pixels / pixelsPerTwip_)); }

QRect Twips::geometry(const QWidget *widget) const
{
    const QVariant stored = widget->property(kGeometry);
    if (stored.isValid())
        return stored.toRect();
    const QRect px = widget->geometry();
    return {toTwips(px.x()), toTwips(px.y()), toTwips(px.width()), toTwips(px.height())};
}

void Twips::apply(QWidget *widget, const QRect &twips) const
{
    widget->setProperty(kGeometry, twips);
    widget->setGeometry(toPixels(twips.x()), toPixels(twips.y()), toPixels(twips.width()),
                        toPixels(twips.height()));
}

void Twips::place(QWidget *widget, int left, int top, int width, int height) const
{
    apply(widget, QRect(left, top, width, height));
}

void Twips::setLeft(QWidget *widget, int left) const
{
    QRect g = geometry(widget);
    g.moveLeft(left);
    apply(widget, g);
}

void Twips::setTop(QWidget *widget, int top) const
{
    QRect g = geometry(widget);
    g.moveTop(top);
    apply(widget, g);
}

void Twips::setWidth(QWidget *widget, int width) const
{
    if (width < 0)
        return;
    QRect g = geometry(widget);
    g.setWidth(width);
    apply(widget, g);
}

void Twips::setHeight(QWidget *widget, int height) const
{
    if (height < 0)
        return;
    QRect g = geometry(widget);
    g.setHeight(height);
    apply(widget, g);
}
