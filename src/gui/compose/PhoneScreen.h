#pragma once

#include <QPlainTextEdit>

/// The preview box: a read-only text box whose text area is a phone's
/// screen, exactly C full-width (2C half-width) characters wide and R rows
/// high in the box's own font. It wraps anywhere, as the phone does (not at
/// word boundaries, nor before a 。), and keeps its scroll bar shown so that
/// its width never changes.
///
/// The box has one size, measured from the font (the advance of a
/// full-width character, the height of a line) and from its frame, margins
/// and scroll bar, and measures again when its font or style changes.
class PhoneScreen : public QPlainTextEdit {
public:
    explicit PhoneScreen(QWidget *parent = nullptr);

    /// Makes the screen `columns` full-width characters wide and `rows`
    /// rows high (0 to 99 each) and sizes the box to it.
    void setScreen(int columns, int rows);
    int columns() const { return columns_; }
    int rows() const { return rows_; }

    /// The box's one size: the screen and what surrounds it.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void fitToScreen();
    QSize textAreaSize() const;
    QSize surroundSize() const;

    int columns_ = 0;
    int rows_ = 0;
};
