#include "InputFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

QString inputFolder()
{
    static const QTemporaryDir dir;
    if (!dir.isValid())
        std::abort();
    return dir.path();
}

QString inputFile(const QString &name, const std::uint8_t *data, std::size_t size)
{
    const QString path = inputFolder() + u'/' + name;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || file.write(reinterpret_cast<const char *>(data), static_cast<qint64>(size)) != static_cast<qint64>(size))
        std::abort();
    return path;
}
