#include "core/app/BeckyEnvironment.h"

#include "core/addressbook/CarrierDomain.h"
#include "core/handoff/Mailbox.h"
#include "core/platform/Cp932.h"
#include "core/platform/Dialogs.h"
#include "core/platform/ProgramFolder.h"
#include "core/platform/Registry.h"
#include "core/platform/TextFile.h"
#include "core/platform/WinePaths.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QStringList>

namespace {

// What "Becky.mil" holds for the data folder when Becky was not found.
QString noBeckyMarker() { return QStringLiteral("NO Becky"); }

QString settingsKey() { return QStringLiteral("Software\\RIMArts\\Rebecca\\Settings"); }

QString userKey(int k) { return u"Software\\RIMArts\\Rebecca\\Users\\"_qs + QString::number(k); }

// The text up to its first line break: one line of "Becky.mil" holds it.
QString firstLine(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' || text[i] == u'\n')
            return text.left(i);
    }
    return text;
}

// Becky keeps the number as raw bytes; the registry reader hands them over
// decoded, so the first character is encoded again to get the first byte.
int firstByte(const QString &value)
{
    if (value.isEmpty())
        return 0;
    const qsizetype units = value[0].isHighSurrogate() && value.size() > 1 ? 2 : 1;
    return uchar(cp932::encode(QStringView(value).first(units)).at(0));
}

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

void reportUnwritten(Dialogs &dialogs, const QString &programFolder)
{
    dialogs.inform(programfiles::beckyRecord + u"を書き込めませんでした。\r\n"_qs + beckyRecordPath(programFolder));
}

// True when the folder holds a file named "Rebecca.EXE" in any case.
bool holdsBeckyProgram(const QString &hostFolder)
{
    const QStringList files =
        QDir(hostFolder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Unsorted);
    for (const QString &file : files) {
        if (file.compare(u"Rebecca.EXE"_qs, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

} // namespace

QString BeckyEnvironment::noAddress() { return QStringLiteral("なし"); }

QString beckyRecordPath(const QString &programFolder)
{
    return programFile(programFolder, programfiles::beckyRecord);
}

std::optional<BeckyEnvironment> readBeckyRecord(const QString &programFolder)
{
    const QString path = beckyRecordPath(programFolder);
    if (!QFileInfo::exists(path))
        return std::nullopt;
    const QStringList lines = textfile::readLines(path);
    BeckyEnvironment env;
    const QString dataFolder = lines.value(0);
    if (dataFolder != noBeckyMarker())
        env.dataFolder = dataFolder;
    if (lines.size() > 1)
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

bool writeBeckyRecord(const QString &programFolder, const BeckyEnvironment &env)
{
    QStringList lines{firstLine(env.dataFolder.value_or(noBeckyMarker())), firstLine(env.ownAddress)};
    for (const BeckyAccount &account : env.accounts) {
        lines.append(firstLine(account.name) + u',' + QString::number(account.mailDirNo));
        lines.append(firstLine(account.address));
    }
    return textfile::writeAtomically(beckyRecordPath(programFolder), textfile::joinLines(lines));
}

bool firstAccountFolderExists(const BeckyEnvironment &env, const HostPaths &paths)
{
    const int n = env.accounts.isEmpty() ? 2000 : env.accounts.first().mailDirNo;
    return env.dataFolder && existsOnHost(paths, mailbox::accountFolder(*env.dataFolder, n));
}

bool discoverBecky(BeckyEnvironment &env, const Registry &registry, Dialogs &dialogs,
                   const QString &programFolder, const QString &addressOnCancel)
{
    const QString home = firstLine(registry.readString(settingsKey(), u"HomeDir"_qs));
    if (home.isEmpty()) {
        env.dataFolder.reset();
        return false;
    }
    env.dataFolder = home;

    QString address = env.ownAddress;
    if (address == BeckyEnvironment::noAddress()) {
        address = firstLine(registry.readString(userKey(0), u"Address"_qs));
        const QString title = u"***"_qs + atCarrierMailDomain() + u"がいいよ。"_qs;
        if (!dialogs.askYesNo(u"使用するi-mode用のメールアドレスは、["_qs + address + u"]でよろしいですか？"_qs,
                              title)) {
            // An empty answer keeps the proposal; a cancel declines it too.
            const std::optional<QString> typed = dialogs.input(u"あなたのメールアドレスを教えてください。"_qs,
                                                               u"Your MailAdr!"_qs, atCarrierMailDomain());
            if (!typed)
                address = addressOnCancel;
            else if (!firstLine(*typed).isEmpty())
                address = firstLine(*typed);
        }
    }

    QList<BeckyAccount> accounts;
    for (int k = 0; k < BeckyEnvironment::maxAccounts; ++k) {
        const QString name = firstLine(registry.readString(userKey(k), u"Account"_qs));
        if (name.isEmpty())
            break;
        accounts.append({name, firstByte(registry.readString(userKey(k), u"MailDirNo"_qs)),
                         firstLine(registry.readString(userKey(k), u"Address"_qs))});
    }
    if (accounts.isEmpty()) {
        env.dataFolder.reset();
        return false;
    }

    env.ownAddress = address;
    env.accounts = accounts;
    if (!writeBeckyRecord(programFolder, env))
        reportUnwritten(dialogs, programFolder);
    return true;
}

ManualSetupResult manualBeckySetup(BeckyEnvironment &env, Dialogs &dialogs,
                                   const HostPaths &paths, const QString &programFolder)
{
    const std::optional<QString> typedFolder = dialogs.input(
        u"データフォルダの位置を記入してください。"_qs, u"Becky MailBox Path"_qs, u"C:\\Program Files\\RIMArts\\Rebecca\\"_qs);
    if (!typedFolder)
        return ManualSetupResult::Unchanged;
    QString folder = *typedFolder;
    // A host path is joined with "/", a Windows path with "\".
    const QChar separator = folder.startsWith(u'/') ? u'/' : u'\\';
    if (folder.endsWith(separator))
        folder.chop(1);

    const QString hostFolder = paths.toHost(folder + separator);
    if (holdsBeckyProgram(hostFolder)) {
        // Becky's program folder: one of its sub-folders holds the data.
        std::optional<QString> dataFolder;
        QDirIterator entries(hostFolder, QDir::Dirs | QDir::NoDotAndDotDot);
        while (entries.hasNext()) {
            const QString candidate = folder + separator + entries.nextFileInfo().fileName();
            if (dialogs.askYesNo(candidate + u"は、Beckyのデータフォルダですね？"_qs, u"データフォルダ特定"_qs)) {
                dataFolder = candidate;
                break;
            }
        }
        if (!dataFolder) {
            dialogs.inform(u"データボックスが見つかりませんでした。"_qs, u"不明"_qs);
            return ManualSetupResult::Unchanged;
        }
        folder = *dataFolder;
    }

    // Each answer is taken as it is, even when empty; a cancel ends the
    // set-up with nothing written.
    const std::optional<QString> own = dialogs.input(u"i-mode送信時に使用されるメールアドレスを教えてください。"_qs,
                                                     u"アドレスを教えてください"_qs, atCarrierMailDomain());
    if (!own)
        return ManualSetupResult::Unchanged;
    const std::optional<QString> provider =
        dialogs.input(u"通常使用しているプロバイダのメールアドレスを記入ください。"_qs,
                      u"通常使用しているプロバイダのアドレス"_qs, u"user@provider.ne.jp"_qs);
    if (!provider)
        return ManualSetupResult::Unchanged;
    BeckyEnvironment configured;
    configured.dataFolder = folder + separator;
    configured.ownAddress = firstLine(*own);
    configured.accounts = {{u"手動設定"_qs, 0, firstLine(*provider)}};
    if (!writeBeckyRecord(programFolder, configured)) {
        reportUnwritten(dialogs, programFolder);
        return ManualSetupResult::Unchanged;
    }
    env = configured;
    dialogs.inform(u"手動設定に成功しました。Horonamiを再起動してください。windowsの再起動は不要です。"_qs,
                   u"終了します"_qs);
    return ManualSetupResult::EndProgram;
}
