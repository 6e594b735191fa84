#include "core/addressbook/GroupName.h"

#include <QDir>

#include <algorithm>

namespace addressbook {

bool isValidGroupName(const QString &name)
{
    static const QString forbidden = QStringLiteral("\\/:*?\"<>|");
    if (name.trimmed().isEmpty() || name.trimmed() != name || name.contains(u".."_qs))
        return false;
    return std::none_of(name.begin(), name.end(), [](QChar c) {
        return c.category() == QChar::Other_Control || forbidden.contains(c);
    });
}

QString invalidGroupNameMessage()
{
    return QStringLiteral("そのグループ名は、ファイル名に使えません。\r\n"
                          "\\ / : * ? \" < > | と「..」、制御文字、前後の空白を除いて、"
                          "もう一度指定してください。");
}

std::optional<QString> existingGroupFile(const QString &folder, const QString &name)
{
    const QDir dir(folder);
    const QString wanted = name + u".adr"_qs;
    for (const QString &file : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (file.compare(wanted, Qt::CaseInsensitive) == 0)
            return dir.filePath(file);
    }
    return std::nullopt;
}

} // namespace addressbook
