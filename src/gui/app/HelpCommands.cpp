#include "gui/app/HelpCommands.h"

#include "core/handoff/AccountModel.h"
#include "core/platform/Dialogs.h"
#include "core/platform/ProgramFolder.h"
#include "core/platform/TextFile.h"
#include "gui/app/BeckySetup.h"
#include "gui/app/ReadmeWindow.h"

#include <QAction>
#include <QFile>

namespace {

const QString kResetTitle = u"再設定"_qs;

} // namespace

HelpCommands::HelpCommands(Context context, QAction *about, QAction *readme, QAction *reset, QWidget *window)
    : QObject(window), c_(std::move(context)), window_(window)
{
    connect(about, &QAction::triggered, this, &HelpCommands::showAbout);
    connect(readme, &QAction::triggered, this, &HelpCommands::showReadme);
    connect(reset, &QAction::triggered, this, &HelpCommands::resetSettings);
}

void HelpCommands::deleteStoredState()
{
    const auto file = [this](const QString &name) { return programFile(c_.programFolder, name); };
    QFile::remove(file(programfiles::settings));
    QFile::remove(file(programfiles::beckyRecord));
    // The phone models go only together with the address book that names them.
    if (QFile::exists(file(programfiles::addressBook))
        && c_.dialogs.askYesNo(u"アドレス帳関係のデータも削除しますか？"_qs, u"アドレス帳＋NEW機種情報"_qs)) {
        QFile::remove(file(programfiles::phoneModels));
        QFile::remove(file(programfiles::addressBook));
    }
    if (QFile::exists(file(programfiles::sentLog))
        && c_.dialogs.askYesNo(u"現在まで出力したログデータも削除しますか？"_qs, u"i-modeメール出力ログファイル"_qs))
        QFile::remove(file(programfiles::sentLog));
}

void HelpCommands::showReadme()
{
    QFile file(c_.readme);
    if (!file.open(QIODevice::ReadOnly))
        return;
    auto *window = window_->findChild<ReadmeWindow *>();
    if (!window)
        window = new ReadmeWindow(window_);
    window->setText(textfile::decodeAnyText(file.readAll()));
    window->show();
    window->raise();
    window->activateWindow();
}

void HelpCommands::resetSettings()
{
    Dialogs &dialogs = c_.dialogs;
    if (!dialogs.askYesNo(u"設定を初期化し、再設定を行いますか？"_qs, kResetTitle))
        return;
    if (dialogs.askYesNo(u"完全初期状態からの再設定を行いますか？\r\n※調子がおかしいときは、YESにしてください。"_qs,
                         kResetTitle))
        deleteStoredState();
    // With the own address unknown again, discovery proposes Becky's one;
    // cancelling the address question keeps the address the user had.
    const std::optional<QString> previous = c_.accounts.ownAddress();
    c_.accounts.setOwnAddress(std::nullopt);
    c_.becky.rediscover(previous);
    emit accountsRefilled();
}

void HelpCommands::showAbout()
{
    c_.dialogs.inform(u"ご利用ありがとうございます。\r\nHoronami！ バージョン%1.%2.%3"_qs.arg(HORONAMI_VERSION_MAJOR)
                          .arg(HORONAMI_VERSION_MINOR)
                          .arg(HORONAMI_VERSION_PATCH),
                      Dialogs::defaultTitle(), Dialogs::Icon::Information);
}
