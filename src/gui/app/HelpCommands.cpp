#include "gui/app/HelpCommands.h"

#include "core/app/ProgramState.h"
#include "gui/app/BeckySetup.h"
#include "gui/app/MainWindow.h"
#include "gui/app/ReadmeWindow.h"
#include "gui/app/Startup.h"
#include "core/platform/Dialogs.h"
#include "core/platform/ProgramFolder.h"
#include "core/platform/TextFile.h"

#include <QAction>
#include <QComboBox>
#include <QFile>

namespace {

const QString kResetTitle = u"再設定"_qs;

void removeIfPresent(const MainWindow &w, const QString &name)
{
    QFile::remove(w.programFile(name));
}

bool present(const MainWindow &w, const QString &name) { return QFile::exists(w.programFile(name)); }

void deleteStoredState(MainWindow &w)
{
    Dialogs &dialogs = w.dialogs();
    removeIfPresent(w, programfiles::settings);
    removeIfPresent(w, programfiles::beckyRecord);
    // The phone models go only together with the address book that names them.
    if (present(w, programfiles::addressBook)
        && dialogs.askYesNo(u"アドレス帳関係のデータも削除しますか？"_qs, u"アドレス帳＋NEW機種情報"_qs)) {
        removeIfPresent(w, programfiles::phoneModels);
        removeIfPresent(w, programfiles::addressBook);
    }
    if (present(w, programfiles::sentLog)
        && dialogs.askYesNo(u"現在まで出力したログデータも削除しますか？"_qs, u"i-modeメール出力ログファイル"_qs))
        removeIfPresent(w, programfiles::sentLog);
}

// Shows the readme in the program's own read-only window (one for the
// program, brought to the front again); nothing when the file is gone.
void showReadme(MainWindow &w)
{
    QFile file(w.services().readme);
    if (!file.open(QIODevice::ReadOnly))
        return;
    auto *window = w.findChild<ReadmeWindow *>();
    if (!window)
        window = new ReadmeWindow(&w);
    window->setText(textfile::decodeAnyText(file.readAll()));
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

void resetSettings(MainWindow &w)
{
    Dialogs &dialogs = w.dialogs();
    if (!dialogs.askYesNo(u"設定を初期化し、再設定を行いますか？"_qs, kResetTitle))
        return;
    if (dialogs.askYesNo(u"完全初期状態からの再設定を行いますか？\r\n※調子がおかしいときは、YESにしてください。"_qs,
                         kResetTitle))
        deleteStoredState(w);
    // With the own address unknown again, discovery proposes Becky's one;
    // cancelling the address question keeps the address the user had.
    AccountModel &accounts = w.state().accounts;
    const std::optional<QString> previous = accounts.ownAddress();
    accounts.setOwnAddress(std::nullopt);
    runBeckyDiscovery(w, previous);
    // The refilled lists show what was chosen before.
    restoreAccountChoice(w);
}

void showAbout(MainWindow &w)
{
    w.dialogs().inform(u"ご利用ありがとうございます。\r\nHoronami！ バージョン%1.%2.%3"_qs.arg(HORONAMI_VERSION_MAJOR)
                           .arg(HORONAMI_VERSION_MINOR)
                           .arg(HORONAMI_VERSION_PATCH),
                       Dialogs::defaultTitle(), Dialogs::Icon::Information);
}

void connectHelpCommands(MainWindow &w)
{
    MainControls &c = w.ui();
    QObject::connect(c.aboutEntry, &QAction::triggered, &w, [&w] { showAbout(w); });
    QObject::connect(c.readmeEntry, &QAction::triggered, &w, [&w] { showReadme(w); });
    QObject::connect(c.resetEntry, &QAction::triggered, &w, [&w] { resetSettings(w); });
}
