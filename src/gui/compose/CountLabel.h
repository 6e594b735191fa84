#pragma once

#include <QLabel>

/// The count line of the status bar. It is rewritten on every keystroke, so
/// it is plain text, opaque and of a fixed size, as wide as the widest count
/// it shows: nothing around or beneath it is laid out or repainted with it.
/// The size follows the label's font.
class CountLabel : public QLabel {
public:
    explicit CountLabel(QWidget *parent = nullptr);

protected:
    void changeEvent(QEvent *event) override;

private:
    void fitTheWidestCount();
};
