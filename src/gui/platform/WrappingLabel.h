#pragma once

#include <QLabel>

/// A label whose text wraps to the width its layout gives it and which asks
/// for the height of the lines it wraps into; its text does not widen its
/// layout. (A layout asks a plain word-wrapping label for its height only in
/// a window's top layout.)
class WrappingLabel : public QLabel {
public:
    explicit WrappingLabel(const QString &text, QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void resizeEvent(QResizeEvent *event) override;
};
