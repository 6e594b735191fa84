#pragma once

#include "core/pictograph/PaletteEntries.h"

#include <QWidget>

class QGridLayout;
class QScrollArea;

/// The pictograph palette: every pictograph of the selector range as a
/// button showing its picture (or its code when it has none), with its
/// code, Japanese and Unicode names and keyword as tool tip. A click chooses
/// it; ESC closes the palette. It is no taller than its screen leaves room
/// for and scrolls what does not fit.
class PictographPalette : public QWidget {
    Q_OBJECT
public:
    explicit PictographPalette(QWidget *parent = nullptr);

    /// Replaces the buttons by one per entry, in order, and sizes the
    /// window to show them all or as many rows as its screen has room for.
    void setEntries(const QList<PaletteEntry> &entries);

signals:
    /// A pictograph was clicked: its character.
    void pictographChosen(const QString &symbol);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QSize room() const;
    int columnsThatFit(int side) const;
    void fitToScreen();

    QScrollArea *scroll_;
    QWidget *buttons_;
    QGridLayout *grid_;
};
