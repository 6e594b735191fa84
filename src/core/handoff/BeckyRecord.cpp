#include "core/handoff/BeckyRecord.h"

#include "core/platform/ProgramFolder.h"
#include "core/platform/TextFile.h"

#include <QFileInfo>
#include <QStringList>

namespace {

// What the record holds for the data folder when Becky was not found.
QString noBeckyMarker() { return QStringLiteral("NO Becky"); }

// The decimal number at the start of a text (after blanks, with an optional
// sign); 0 when there is none or it does not fit.
int leadingNumber(QStringView text)
{
    text = text.trimmed();
    qsizetype end = text.startsWith(u'-') || text.startsWith(u'+') ? 1 : 0;
    while (end < text.size() && text[end] >= u'0' && text[end] <= u'9')
        ++end;
    bool ok = false;
    const int n = text.first(end).toInt(&ok);
    return ok ? n : 0;
}

} // namespace

namespace beckyrecord {

QString noOwnAddressText() { return QStringLiteral("なし"); }

QString firstLine(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' || text[i] == u'\n')
            return text.left(i);
    }
    return text;
}

QString path(const QString &programFolder) { return programFile(programFolder, programfiles::beckyRecord); }

std::optional<BeckyEnvironment> read(const QString &programFolder)
{
    const QString file = path(programFolder);
    if (!QFileInfo::exists(file))
        return std::nullopt;
    const QStringList lines = textfile::readLines(file);
    BeckyEnvironment env;
    const QString dataFolder = lines.value(0);
    if (dataFolder != noBeckyMarker())
        env.dataFolder = dataFolder;
    if (lines.size() > 1 && lines[1] != noOwnAddressText())
        env.ownAddress = lines[1];
    for (qsizetype i = 2; i < lines.size() && env.accounts.size() < BeckyEnvironment::maxAccounts;
         i += 2) {
        // The number follows the last ",", so a name holding "," survives.
        const qsizetype comma = lines[i].lastIndexOf(u',');
        if (comma < 0)
            break;
        env.accounts.append({lines[i].left(comma), leadingNumber(QStringView(lines[i]).sliced(comma + 1)),
                             lines.value(i + 1)});
    }
    return env;
}

bool write(const QString &programFolder, const BeckyEnvironment &env)
{
    QStringList lines{firstLine(env.dataFolder.value_or(noBeckyMarker())),
                      firstLine(env.ownAddress.value_or(noOwnAddressText()))};
    for (const BeckyAccount &account : env.accounts) {
        lines.append(firstLine(account.name) + u',' + QString::number(account.mailDirNo));
        lines.append(firstLine(account.address));
    }
    return textfile::writeAtomically(path(programFolder), textfile::joinLines(lines));
}

} // namespace beckyrecord
