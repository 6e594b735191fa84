#pragma once

#include "core/pictograph/PaletteEntries.h"

#include <QWidget>

class QGridLayout;

/// The pictograph palette: every pictograph of the selector range as a
/// button showing its picture (or its code when it has none), with its
/// code, emoji name and keyword as tool tip. A click chooses it.
class PictographPalette : public QWidget {
    Q_OBJECT
public:
    explicit PictographPalette(QWidget *parent = nullptr);

    /// Replaces the buttons by one per entry, in order.
    void setEntries(const QList<PaletteEntry> &entries);

signals:
    /// A pictograph was clicked: its character.
    void pictographChosen(const QString &symbol);

private:
    QGridLayout *grid_;
};
