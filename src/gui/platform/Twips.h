#pragma once

#include <QRect>

class QWidget;

/// Places widgets in twips (1/1440 inch) at the screen's dots per inch, and
/// remembers each widget's twips geometry so that the layout rules read back
/// exactly what they set.
class Twips {
public:
    explicit Twips(double dotsPerInch);

    int toPixels(int twips) const;
    int toTwips(int pixels) const;

    void place(QWidget *widget, int left, int top, int width, int height) const;
    QRect geometry(const QWidget *widget) const;
    int left(const QWidget *w) const { return geometry(w).left(); }
    int top(const QWidget *w) const { return geometry(w).top(); }
    int width(const QWidget *w) const { return geometry(w).width(); }
    int height(const QWidget *w) const { return geometry(w).height(); }

    /// Each setter is one assignment of the layout rules: a value the window
    /// system would reject (a negative size) is skipped.
    void setLeft(QWidget *widget, int left) const;
    void setTop(QWidget *widget, int top) const;
    void setWidth(QWidget *widget, int width) const;
    void setHeight(QWidget *widget, int height) const;

private:
    void apply(QWidget *widget, const QRect &twips) const;
    double pixelsPerTwip_;
};
