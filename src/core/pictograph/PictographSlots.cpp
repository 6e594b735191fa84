#include "core/pictograph/PictographSlots.h"

void PictographSlots::fill(const QList<Definition> &definitions)
{
    entries_ = definitions.first(std::min<qsizetype>(definitions.size(), maxEntries));
}

std::optional<QString> PictographSlots::symbolAt(int slot) const
{
    if (slot < 0 || slot >= entries_.size() || entries_[slot].symbol.isEmpty())
        return std::nullopt;
    return entries_[slot].symbol;
}

QString PictographSlots::caption(const Definition &definition)
{
    return definition.symbol + u"   =   "_qs + definition.keyword;
}
