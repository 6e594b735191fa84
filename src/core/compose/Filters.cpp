#include "core/compose/Filters.h"

#include "core/platform/WidthFold.h"

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

namespace {

// Runs a find-and-replace entry over the body in one pass.
QString scan(QStringView body, const FilterEntry &entry)
{
    const QString &find = entry.find;
    const QString &replacement = entry.replacement;

    // `done` is the body up to the scan point as the replacements so far
    // left it; it never holds an occurrence except one just completed at its
    // end. An occurrence completed first is the leftmost of the whole text,
    // since all occurrences have the same length: so the replacements come
    // in the order of a search from the start after each one. Replacement
    // text is scanned too, in case it completes an occurrence with what
    // precedes it.
    QString done;
    done.reserve(body.size());
    QString pending; // replacement characters still to scan, last first
    qsizetype i = 0;
    while (i < body.size() || !pending.isEmpty()) {
        if (!pending.isEmpty()) {
            done += pending.back();
            pending.chop(1);
        } else {
            // No occurrence completes before the next character that ends
            // one: the text up to it is taken at once.
            qsizetype next = body.indexOf(find.back(), i);
            if (next < 0)
                next = body.size() - 1;
            done += body.sliced(i, next + 1 - i);
            i = next + 1;
        }
        if (done.endsWith(find)) {
            done.truncate(done.size() - find.size());
            for (qsizetype r = replacement.size() - 1; r >= 0; --r)
                pending += replacement[r];
        }
    }
    return done;
}

} // namespace

QString applyFilter(QStringView body, const FilterEntry &entry)
{
    if (entry.kind == FilterEntry::Kind::Narrow)
        return widthfold::toNarrow(body);
    if (entry.find.isEmpty() || entry.replacement.contains(entry.find))
        return body.toString(); // nothing to find, or a search that would never end
    // A single character never forms anew around a replacement that does
    // not hold it: every occurrence is replaced at once.
    if (entry.find.size() == 1)
        return body.toString().replace(entry.find[0], entry.replacement);
    return scan(body, entry);
}

bool keepsLineBreaks(const FilterEntry &entry)
{
    const auto holdsBreak = [](const QString &text) { return text.contains(u'\r') || text.contains(u'\n'); };
    return !holdsBreak(entry.find) && !holdsBreak(entry.replacement);
}
