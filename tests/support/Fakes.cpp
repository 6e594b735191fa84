#include "support/Fakes.h"

#include "core/platform/Cp932.h"

#include <QDir>
#include <QFile>

MemoryRegistry &MemoryRegistry::set(const QString &path, const QString &name, const QString &value)
{
    values_.insert({path.toLower(), name.toLower()}, value);
    return *this;
}

QString MemoryRegistry::readString(const QString &path, const QString &name) const
{
    return values_.value({path.toLower(), name.toLower()});
}

MemoryRegistry &MemoryRegistry::beckyHome(const QString &home)
{
    return set(u"Software\\RIMArts\\Rebecca\\Settings"_qs, u"HomeDir"_qs, home);
}

MemoryRegistry &MemoryRegistry::beckyAccount(int k, const QString &name, const QString &mailDirNo,
                                             const QString &address)
{
    const QString key = u"Software\\RIMArts\\Rebecca\\Users\\"_qs + QString::number(k);
    return set(key, u"Account"_qs, name).set(key, u"MailDirNo"_qs, mailDirNo).set(key, u"Address"_qs, address);
}

QString PlainPaths::toHost(const QString &path) const
{
    QString host = path;
    return host.replace(u'\\', u'/');
}

Dialogs::Answer AnsweringDialogs::message(const QString &, const QString &, Buttons buttons, Icon)
{
    return buttons == Buttons::YesNo || buttons == Buttons::YesNoCancel ? Answer::Yes : Answer::Ok;
}

std::optional<QString> AnsweringDialogs::input(const QString &, const QString &, const QString &defaultText)
{
    return defaultText;
}

std::optional<QString> AnsweringDialogs::chooseFile(const QString &, const QStringList &) { return std::nullopt; }

QString writeBeckyRecord(const QString &programFolder)
{
    const QString data = programFolder + u"/becky/"_qs;
    QDir(programFolder).mkpath(u"becky/User0/OutBox"_qs);
    QFile record(programFolder + u"/Becky.mil"_qs);
    if (record.open(QIODevice::WriteOnly))
        record.write(cp932::encode(data + u"\r\nme@docomo.ne.jp\r\nメイン,0\r\nme@isp.example.jp\r\n"_qs));
    return data;
}
