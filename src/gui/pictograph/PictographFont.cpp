#include "gui/pictograph/PictographFont.h"

#include <QByteArray>
#include <QFontDatabase>
#include <QResource>
#include <QStringList>

namespace pictographfont {

QString family()
{
    static const QString registered = [] {
        // The font is built in uncompressed, so it is registered on its bytes
        // in the program's image rather than on a copy: FreeType then pages in
        // only the tables and glyphs it reads, and nothing lands on the heap.
        const QResource resource(u":/pictograph/pictographs.ttf"_qs);
        const QByteArray bytes = resource.compressionAlgorithm() == QResource::NoCompression
            ? QByteArray::fromRawData(reinterpret_cast<const char *>(resource.data()), resource.size())
            : resource.uncompressedData();
        const int id = QFontDatabase::addApplicationFontFromData(bytes);
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
