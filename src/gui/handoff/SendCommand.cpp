#include "gui/handoff/SendCommand.h"

#include "gui/compose/BodyEdit.h"
#include "gui/compose/ComposeCommands.h"
#include "gui/compose/ComposeContext.h"
#include "core/compose/CommandProgress.h"
#include "core/compose/EditedMail.h"
#include "gui/compose/LimitHandling.h"
#include "core/compose/SignatureText.h"
#include "gui/compose/VerticalCommands.h"
#include "core/addressbook/AddressBookFile.h"
#include "core/handoff/AccountModel.h"
#include "gui/handoff/AccountMailboxes.h"
#include "core/handoff/HandOff.h"
#include "gui/handoff/AddressField.h"
#include "gui/handoff/HandoffContext.h"
#include "gui/handoff/HandoffHost.h"
#include "core/handoff/MailRecord.h"
#include "core/handoff/Mailbox.h"
#include "core/handoff/SendWarnings.h"
#include "core/handoff/SendingOptions.h"
#include "core/platform/Dialogs.h"
#include "core/platform/ProgramFolder.h"
#include "core/platform/Registry.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QLineEdit>
#include <QPushButton>

namespace {

// The sending flag is on exactly while the command runs, whichever way it ends.
class SendingFlag {
public:
    explicit SendingFlag(CommandProgress &command) : command_(command) { command_.sending = true; }
    ~SendingFlag() { command_.sending = false; }
    SendingFlag(const SendingFlag &) = delete;
    SendingFlag &operator=(const SendingFlag &) = delete;

private:
    CommandProgress &command_;
};

// The text that is sent: the vertical layout, or the body with the
// signature under it, within the limit. Nothing when the selected phone
// model cannot hold a vertical layout (the user has been told).
std::optional<QString> outgoingBody(HandoffContext &h, const QString &typed)
{
    ComposeContext &compose = h.compose;
    const EditedMail &mail = compose.mail;
    if (mail.verticalMode()) {
        const std::optional<QString> layout = verticalLayout(compose, VerticalForm::Sending);
        if (!layout)
            return std::nullopt;
        return withinSendingLimit(compose, *layout);
    }
    if (mail.signatureOn())
        return withinSendingLimit(compose, typed + u"\r\n"_qs + signatureText(mail.signatureText));
    return typed;
}

MailRecord buildRecord(const HandoffContext &h, const QString &from, const QString &body)
{
    const HandoffControls &c = h.ui;
    MailFields fields;
    fields.from = from;
    fields.to = c.toField->currentText();
    if (h.sending.isOn(SendingOptions::Option::BccToAccount))
        fields.bcc = h.accounts.sendingAddress(c.accountList->currentIndex() + 1).value_or(QString());
    fields.subject = h.compose.ui.subjectField->text();
    fields.body = body;
    return mailrecord::build(fields);
}

// While another program holds a mailbox the window keeps painting; what
// the user types or clicks meanwhile waits until the append is over.
void keepPainting() { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }

bool writeRecord(HandoffContext &h, const MailRecord &record, SendTarget target)
{
    const bool draft = target == SendTarget::Drafts;
    HandOffTarget mailbox;
    mailbox.mailboxPath = [&h, draft] {
        return accountmailboxes::mailboxPath(h, draft ? accountmailboxes::Mailbox::Drafts
                                                      : accountmailboxes::Mailbox::Outbox);
    };
    mailbox.accountFolder = [&h] { return h.hostPaths.toHost(accountmailboxes::accountFolder(h)); };
    mailbox.rediscover = [&h] {
        QComboBox *accounts = h.ui.accountList;
        const int account = accounts->currentIndex();
        h.host.rediscoverBecky();
        accounts->setCurrentIndex(account);
    };
    mailbox.whileWaiting = keepPainting;
    return handOff(record, draft, mailbox, h.dialogs);
}

// Offers to register a To text that no entry of the address list matches
// exactly. Returns false when the address book could not be written.
bool offerRegistration(HandoffContext &h, const QString &to)
{
    if (addressfield::indexOf(h, to) >= 0)
        return true;
    if (to.isEmpty() || !h.dialogs.askYesNo(u"このｱﾄﾞﾚｽを登録しますか？"_qs, u"ｱﾄﾞﾚｽ登録"_qs))
        return true;
    h.ui.toField->addItem(to);
    if (!addressbook::appendAddress(programFile(h.programFolder, programfiles::addressBook), to))
        return false;
    h.host.recipientRegistered();
    return true;
}

enum class Ending { Stay, EndProgram };

Ending draftEnding(HandoffContext &h, bool written)
{
    if (!written) {
        h.dialogs.inform(
            u"書き込みエラーです。草稿に保存することができませんでした。再度挑戦してみてください。"_qs);
        return Ending::Stay;
    }
    const bool end = h.dialogs.askYesNo(
        h.ui.accountList->currentText()
            + u"アカウントの草稿に保存しました。編集を終了し、Horonamiを閉じますか？ \r\n"
              u"※BECKYを起動していた場合は、BECKYを再起動してください。"_qs,
        u"終了？"_qs, Dialogs::Icon::Exclamation);
    return end ? Ending::EndProgram : Ending::Stay;
}

Ending outboxEnding(HandoffContext &h, const MailRecord &record, const QString &to, bool written)
{
    EditedMail &mail = h.compose.mail;
    Dialogs &dialogs = h.dialogs;
    if (!written) {
        dialogs.inform(u"BECKYが送受信処理中か、Horonamiの設定内容のERRです。書き込みできません。再度送信ください。"_qs);
        return Ending::Stay;
    }
    mail.bodyModified = false;
    if (h.sending.isOn(SendingOptions::Option::NewMailAfterSend)
        || dialogs.askYesNo(u"送信しました。編集内容を破棄しますか？"_qs, u"削除？"_qs))
        startNewMail(h.compose);
    const MailRecord logged =
        mailrecord::forLog(record, mailrecord::logDate(QDateTime::currentDateTime()), mail.verticalMode());
    bool filesWritten = mailbox::append(mailbox::logPath(h.programFolder), logged, keepPainting);
    filesWritten = offerRegistration(h, to) && filesWritten;
    if (filesWritten && h.sending.isOn(SendingOptions::Option::EndAfterSend)
        && dialogs.askYesNo(u"終了しますか？"_qs, u"終了します？"_qs))
        return Ending::EndProgram;
    return Ending::Stay;
}

Ending runSend(HandoffContext &h, SendTarget target)
{
    const HandoffControls &c = h.ui;
    Dialogs &dialogs = h.dialogs;
    const SendingFlag sending(h.compose.command);
    const EditedMail &mail = h.compose.mail;
    // A mail from "なし" would reach nobody's phone as a reply address.
    const std::optional<QString> from = h.accounts.sendingAddress(h.accounts.sendingAddressIndex());
    if (!from) {
        dialogs.inform(u"送信元のi-mode用アドレスが設定されていません。"
                       u"「ヘルプ」の「再設定」で自分のアドレスを設定してください。"_qs,
                       Dialogs::defaultTitle(), Dialogs::Icon::Exclamation);
        return Ending::Stay;
    }
    const bool signatureGoesOut = target == SendTarget::Outbox && mail.signatureOn() && !mail.verticalMode();
    if (!h.host.offerSendableText(signatureGoesOut))
        return Ending::Stay;
    const QString typed = h.compose.ui.bodyField->bodyText();
    const QString to = c.toField->currentText();

    QString body = typed;
    if (target == SendTarget::Outbox) {
        const QString warnings =
            sendwarnings::collect(to, h.compose.ui.subjectField->text(), typed, h.compose.mail.usedPictographs);
        const std::optional<QString> outgoing = outgoingBody(h, typed);
        if (!outgoing
            || (!warnings.isEmpty()
                && dialogs.message(sendwarnings::questionText(warnings), sendwarnings::questionTitle(),
                                   Dialogs::Buttons::OkCancel)
                       != Dialogs::Answer::Ok))
            return Ending::Stay;
        body = *outgoing;
    }
    const MailRecord record = buildRecord(h, *from, body);
    if (target == SendTarget::Outbox && !h.sending.isOn(SendingOptions::Option::NoConfirmation)) {
        if (!dialogs.askYesNo(mailrecord::confirmationText(record), mailrecord::confirmationTitle()))
            return Ending::Stay;
        dialogs.inform(u"送信します。ＯＫを押した後に、BECKY側で送信手順を行ってください。"_qs);
    }

    const bool written = writeRecord(h, record, target);
    return target == SendTarget::Drafts ? draftEnding(h, written) : outboxEnding(h, record, to, written);
}

} // namespace

void sendCommand(HandoffContext &h, SendTarget target)
{
    if (runSend(h, target) == Ending::EndProgram)
        h.host.closeProgram();
}
