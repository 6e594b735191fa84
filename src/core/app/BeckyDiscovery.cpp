#include "core/app/BeckyDiscovery.h"

#include "core/addressbook/CarrierDomain.h"
#include "core/handoff/BeckyRecord.h"
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

using beckyrecord::firstLine;

namespace {

QString settingsKey() { return QStringLiteral("Software\\RIMArts\\Rebecca\\Settings"); }

QString userKey(int k) { return u"Software\\RIMArts\\Rebecca\\Users\\"_qs + QString::number(k); }

// Becky keeps the number as raw bytes; the registry reader hands them over
// decoded, so the first character is encoded again to get the first byte.
int firstByte(const QString &value)
{
    if (value.isEmpty())
        return 0;
    const qsizetype units = value[0].isHighSurrogate() && value.size() > 1 ? 2 : 1;
    return uchar(cp932::encode(QStringView(value).first(units)).at(0));
}

void reportUnwritten(Dialogs &dialogs, const QString &programFolder)
{
    dialogs.inform(programfiles::beckyRecord + u"を書き込めませんでした。\r\n"_qs + beckyrecord::path(programFolder));
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

bool firstAccountFolderExists(const BeckyEnvironment &env, const HostPaths &paths)
{
    const int n = env.accounts.isEmpty() ? 2000 : env.accounts.first().mailDirNo;
    return env.dataFolder && existsOnHost(paths, mailbox::accountFolder(*env.dataFolder, n));
}

bool discoverBecky(BeckyEnvironment &env, const Registry &registry, Dialogs &dialogs,
                   const QString &programFolder, const std::optional<QString> &addressOnCancel)
{
    const QString home = firstLine(registry.readString(settingsKey(), u"HomeDir"_qs));
    if (home.isEmpty()) {
        env.dataFolder.reset();
        return false;
    }
    env.dataFolder = home;

    std::optional<QString> address = env.ownAddress;
    if (!address) {
        address = firstLine(registry.readString(userKey(0), u"Address"_qs));
        const QString title = u"***"_qs + atCarrierMailDomain() + u"がいいよ。"_qs;
        if (!dialogs.askYesNo(u"使用するi-mode用のメールアドレスは、["_qs + *address + u"]でよろしいですか？"_qs,
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
    if (!beckyrecord::write(programFolder, env))
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
    if (!beckyrecord::write(programFolder, configured)) {
        reportUnwritten(dialogs, programFolder);
        return ManualSetupResult::Unchanged;
    }
    env = configured;
    dialogs.inform(u"手動設定に成功しました。Horonamiを再起動してください。windowsの再起動は不要です。"_qs,
                   u"終了します"_qs);
    return ManualSetupResult::EndProgram;
}
