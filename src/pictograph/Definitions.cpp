#include "pictograph/Definitions.h"

#include "platform/TextFile.h"

namespace definitions {

namespace {

// Replaces each occurrence of `find`, from the left, continuing after the
// text put in its place.
void replaceForward(QString &text, const QString &find, const QString &replacement)
{
    if (find.isEmpty())
        return;
    qsizetype at = text.indexOf(find);
    while (at >= 0) {
        text.replace(at, find.size(), replacement);
        at = text.indexOf(find, at + replacement.size());
    }
}

} // namespace

QString symbolOf(const QString &line)
{
    return line.left(line.size() > 1 && line.at(0).isHighSurrogate() && line.at(1).isLowSurrogate() ? 2 : 1);
}

QList<Definition> read(const QString &path)
{
    QList<Definition> list;
    for (const QString &line : textfile::readLines(path)) {
        if (line.isEmpty())
            continue;
        const QString symbol = symbolOf(line);
        list.append({symbol, line.mid(symbol.size() + 1)});
    }
    return list;
}

QString substituteEscaped(QString text, const QList<Definition> &definitions)
{
    for (const Definition &d : definitions) {
        // An empty keyword would turn every backslash into a pictograph.
        if (!d.keyword.isEmpty())
            replaceForward(text, u'\\' + d.keyword, d.symbol);
    }
    return text;
}

QString restoreKeywords(QString text, const QList<Definition> &definitions)
{
    for (const Definition &d : definitions)
        replaceForward(text, d.symbol, d.keyword);
    return text;
}

} // namespace definitions
