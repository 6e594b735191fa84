#include "core/handoff/HandOff.h"

#include "core/handoff/Mailbox.h"
#include "core/platform/Dialogs.h"

#include <QFileInfo>

bool handOff(const MailRecord &record, bool draftMode, const HandOffTarget &target,
             Dialogs &dialogs)
{
    const QString title = QStringLiteral("再送信確認");
    QString path = target.mailboxPath();
    int attempt = 1;
    for (;;) {
        if (mailbox::append(path, record, target.whileWaiting))
            return true;
        ++attempt;
        if (!dialogs.askYesNo(QStringLiteral("BECKYが送受信処理中です。送信できません。")
                                  + QString::number(attempt)
                                  + QStringLiteral("度目の送信を試みますか？。"),
                              title))
            return false;
        if (QFileInfo(target.accountFolder()).isDir())
            continue;
        if (!dialogs.askYesNo(QStringLiteral("BECKYの位置がつかめません、再設定を試みます。"), title))
            continue;
        target.rediscover();
        attempt = 1;
        path = target.mailboxPath();
        if (draftMode)
            continue;
        if (!dialogs.askYesNo(QStringLiteral("設定を変更しました。再送信なさいますか？"), title))
            return false;
        dialogs.inform(QStringLiteral("送信が完了した後は、念の為、Horonamiを再起動してください。"));
    }
}
