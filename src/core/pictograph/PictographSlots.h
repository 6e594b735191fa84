#pragma once

#include "core/pictograph/Definitions.h"

#include <QList>
#include <QString>

#include <optional>

/// The pictograph menu's entries: the first definitions of "Emoji.code",
/// at most maxEntries. The menu and Ctrl+digit put their symbols into the
/// body.
class PictographSlots {
public:
    static constexpr int maxEntries = 20;

    /// Takes the first maxEntries definitions.
    void fill(const QList<Definition> &definitions);

    const QList<Definition> &entries() const { return entries_; }

    /// The symbol of entry `slot`; nothing for a slot without a definition.
    std::optional<QString> symbolAt(int slot) const;

    /// The menu caption of a definition: symbol + "   =   " + keyword.
    static QString caption(const Definition &definition);

private:
    QList<Definition> entries_;
};
