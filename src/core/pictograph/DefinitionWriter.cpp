#include "core/pictograph/DefinitionWriter.h"

#include "core/platform/TextFile.h"

#include <QStringList>

namespace definitions {

bool write(const QString &path, const QList<Definition> &list)
{
    QStringList lines;
    lines.reserve(list.size());
    for (const Definition &d : list)
        lines.append(d.symbol + u'\t' + d.keyword);
    return textfile::writeAtomically(path, textfile::joinLines(lines));
}

} // namespace definitions
