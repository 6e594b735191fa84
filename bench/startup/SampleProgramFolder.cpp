#include "SampleProgramFolder.h"

#include "core/platform/Cp932.h"
#include "support/Fakes.h"

#include <QDir>
#include <QFile>

namespace {

void writeCp932(const QString &path, const QString &text)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(cp932::encode(text)) < 0)
        qFatal("cannot write %s", qPrintable(path));
}

} // namespace

void writeSampleProgramFolder(const QString &folder)
{
    writeBeckyRecord(folder);

    QString models;
    for (int i = 0; i < 200; ++i)
        models += u"機種%1#%2\r\n"_qs.arg(i).arg(810 + i % 40, 4, 10, QLatin1Char('0'));
    writeCp932(folder + u"/Keitai.pre"_qs, models);

    QString book;
    for (int i = 0; i < 10000; ++i)
        book += u"friend%1@docomo.ne.jp\t友達%1\t機種%2\t誕生日 %3月\r\n"_qs.arg(i).arg(i % 200).arg(i % 12 + 1);
    writeCp932(folder + u"/addr.adr"_qs, book);

    // Every i-mode pictograph of the private use area, one keyword each.
    QString codes;
    for (char16_t c = 0xE63E; c <= 0xE757; ++c)
        codes += QChar(c) + u"\tpict"_qs + QString::number(c - 0xE63E) + u"\r\n"_qs;
    writeCp932(folder + u"/Emoji.code"_qs, codes);
}
