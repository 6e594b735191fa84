#include "support/TestFiles.h"

#include "core/platform/Cp932.h"

#include <QDir>
#include <QFileInfo>
#include <QFile>

#include <gtest/gtest.h>

TestFolder::TestFolder()
{
    if (!dir_.isValid())
        ADD_FAILURE() << "cannot create a temporary folder";
}

QString TestFolder::file(const QString &name) const { return dir_.filePath(name); }

void TestFolder::writeText(const QString &name, const QString &text) const
{
    writeBytes(name, cp932::encode(text));
}

void TestFolder::writeBytes(const QString &name, const QByteArray &bytes) const
{
    const QString path = file(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        ADD_FAILURE() << "cannot write " << path.toStdString();
}

QByteArray TestFolder::readBytes(const QString &name) const
{
    QFile f(file(name));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

QString TestFolder::readText(const QString &name) const { return cp932::decode(readBytes(name)); }

bool TestFolder::exists(const QString &name) const { return QFile::exists(file(name)); }

QByteArray hexBytes(const char *hex)
{
    QByteArray compact(hex);
    compact.replace(' ', QByteArray());
    return QByteArray::fromHex(compact);
}

QString testData(const QString &name)
{
    return QStringLiteral(HORONAMI_TEST_DATA) + u'/' + name;
}
