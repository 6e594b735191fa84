#include "pictograph/PictographFont.h"

#include <QFontDatabase>
#include <QStringList>

namespace pictographfont {

QString family()
{
    static const QString registered = [] {
        const int id = QFontDatabase::addApplicationFont(u":/pictograph/pictographs.ttf"_qs);
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        return families.isEmpty() ? QString() : families.first();
    }();
    return registered;
}

QFont withFallback(QFont font)
{
    const QString pictographs = family();
    QStringList families = font.families();
    if (families.isEmpty())
        families.append(font.family());
    if (pictographs.isEmpty() || families.contains(pictographs))
        return font;
    families.append(pictographs);
    font.setFamilies(families);
    return font;
}

} // namespace pictographfont
