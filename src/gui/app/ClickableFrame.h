#pragma once

#include <QGroupBox>

/// A captioned frame that reports clicks on it (the limit panel folds and
/// unfolds on a click).
class ClickableFrame : public QGroupBox {
    Q_OBJECT
public:
    using QGroupBox::QGroupBox;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
};
