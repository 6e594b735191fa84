#include "compose/Filters.h"

#include "platform/WidthFold.h"

const std::array<FilterEntry, 9> &filterEntries()
{
    using Kind = FilterEntry::Kind;
    static const std::array<FilterEntry, 9> entries{{
        {u"改行抜き"_qs, Kind::Replace, u"\r\n"_qs, QString()},
        {u"→変換>"_qs, Kind::Replace, u"→"_qs, u">"_qs},
        {u"←変換<"_qs, Kind::Replace, u"←"_qs, u"<"_qs},
        {u"↑変換\\"_qs, Kind::Replace, u"↑"_qs, u"\\"_qs},
        {u"×変換x"_qs, Kind::Replace, u"×"_qs, u"x"_qs},
        {u"SP抜き"_qs, Kind::Replace, u" "_qs, QString()},
        {u"半角変換"_qs, Kind::Narrow, QString(), QString()},
        {u"(抜き"_qs, Kind::Replace, u"("_qs, QString()},
        {u")抜き"_qs, Kind::Replace, u")"_qs, QString()},
    }};
    return entries;
}

QList<FilterEdit> filterEdits(QStringView body, const FilterEntry &entry)
{
    QList<FilterEdit> edits;
    if (entry.kind != FilterEntry::Kind::Replace || entry.find.isEmpty()
        || entry.replacement.contains(entry.find))
        return edits; // nothing to find, or a search that would never end
    const QString &find = entry.find;
    const QString &replacement = entry.replacement;

    // `done` is the body up to the scan point as the edits so far left it;
    // it never holds an occurrence except one just completed at its end.
    // An occurrence completed first is the leftmost of the whole text, since
    // all occurrences have the same length: so the edits come out in the
    // order of a search from the start after each one. Replacement text is
    // scanned too, in case it completes an occurrence with what precedes it.
    QString done;
    done.reserve(body.size());
    QString pending; // replacement characters still to scan, last first
    qsizetype i = 0;
    while (i < body.size() || !pending.isEmpty()) {
        if (!pending.isEmpty()) {
            done += pending.back();
            pending.chop(1);
        } else {
            done += body[i++];
        }
        if (done.endsWith(find)) {
            const qsizetype at = done.size() - find.size();
            edits.append({static_cast<int>(at), static_cast<int>(find.size()), replacement});
            done.truncate(at);
            for (qsizetype r = replacement.size() - 1; r >= 0; --r)
                pending += replacement[r];
        }
    }
    return edits;
}

QString applyFilterEdits(QStringView body, const QList<FilterEdit> &edits)
{
    QString text = body.toString();
    for (const FilterEdit &e : edits)
        text.replace(e.position, e.length, e.text);
    return text;
}

QString applyFilter(QStringView body, const FilterEntry &entry)
{
    if (entry.kind == FilterEntry::Kind::Narrow)
        return widthfold::toNarrow(body);
    return applyFilterEdits(body, filterEdits(body, entry));
}
