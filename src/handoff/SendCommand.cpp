#include "handoff/SendCommand.h"

#include "app/MainWindow.h"
#include "app/BeckySetup.h"
#include "app/WindowCommands.h"
#include "compose/BodyEdit.h"
#include "compose/SignatureText.h"
#include "compose/VerticalCommands.h"
#include "handoff/HandOff.h"
#include "handoff/HandoffCommands.h"
#include "handoff/MailRecord.h"
#include "handoff/Mailbox.h"
#include "handoff/SendWarnings.h"
#include "handoff/SendableText.h"
#include "handoff/WindowMailboxes.h"
#include "platform/Cp932.h"
#include "platform/Dialogs.h"
#include "platform/Registry.h"
#include "platform/TextFile.h"

#include <QAction>
#include <QComboBox>
#include <QDateTime>
#include <QLineEdit>
#include <QPushButton>

namespace {

// The sending flag is on exactly while the command runs, whichever way it ends.
class SendingFlag {
public:
    explicit SendingFlag(ComposeState &state) : state_(state) { state_.sending = true; }
    ~SendingFlag() { state_.sending = false; }
    SendingFlag(const SendingFlag &) = delete;
    SendingFlag &operator=(const SendingFlag &) = delete;

private:
    ComposeState &state_;
};

// Puts the text the user typed back into the body; a body that was not
// changed for sending stays untouched, so it raises no change.
void restoreBody(MainWindow &w, const QString &saved)
{
    if (w.ui().Text1->bodyText() != saved)
        w.ui().Text1->setBodyText(saved);
}

// Turns the body into the text that is sent: the vertical layout, or the
// body with the signature under it. Returns false when the selected phone
// model cannot hold a vertical layout (the user has been told).
bool prepareBody(MainWindow &w, const QString &body)
{
    const ComposeState &s = w.state();
    if (s.verticalMode)
        return toVertical(w, VerticalForm::Sending);
    if (s.signatureOn)
        w.ui().Text1->setBodyText(body + u"\r\n"_qs + signatureText(s.signatureText));
    return true;
}

MailRecord buildRecord(MainWindow &w)
{
    const MainControls &c = w.ui();
    MailFields fields;
    fields.from = windowmailboxes::sendingAddress(w, w.state().sendingAddressIndex);
    fields.to = c.Combo1->currentText();
    if (c.OutBcc->isChecked())
        fields.bcc = windowmailboxes::sendingAddress(w, c.Combo2->currentIndex() + 1);
    fields.subject = c.Text2->text();
    fields.body = c.Text1->bodyText();
    return mailrecord::build(fields);
}

bool writeRecord(MainWindow &w, const MailRecord &record, bool draft)
{
    HandOffTarget target;
    target.mailboxPath = [&w, draft] { return windowmailboxes::mailboxPath(w, draft); };
    target.accountFolder = [&w] {
        return w.services().hostPaths.toHost(windowmailboxes::accountFolder(w));
    };
    target.rediscover = [&w] {
        QComboBox *accounts = w.ui().Combo2;
        const int account = accounts->currentIndex();
        runBeckyDiscovery(w);
        accounts->setCurrentIndex(account);
    };
    return handOff(record, draft, target, w.dialogs());
}

// Offers to register a To text that no entry of the address list matches
// exactly. Returns false when the address book could not be written.
bool offerRegistration(MainWindow &w, const QString &to)
{
    QComboBox *addresses = w.ui().Combo1;
    for (int i = 0; i < addresses->count(); ++i) {
        if (addresses->itemText(i) == to)
            return true;
    }
    if (to.isEmpty() || !w.dialogs().askYesNo(u"このｱﾄﾞﾚｽを登録しますか？"_qs, u"ｱﾄﾞﾚｽ登録"_qs))
        return true;
    addresses->addItem(to);
    w.ui().Command6->setEnabled(true);
    return textfile::appendAll(w.programFile(u"addr.adr"_qs),
                               cp932::encode(mailrecord::headerValue(to) + u"\r\n"_qs));
}

enum class Ending { Stay, EndProgram };

Ending draftEnding(MainWindow &w, bool written)
{
    if (!written) {
        w.dialogs().inform(
            u"書き込みエラーです。草稿に保存することができませんでした。再度挑戦してみてください。"_qs);
        return Ending::Stay;
    }
    const bool end = w.dialogs().askYesNo(
        w.ui().Combo2->currentText()
            + u"アカウントの草稿に保存しました。編集を終了し、Horonamiを閉じますか？ \r\n"
              u"※BECKYを起動していた場合は、BECKYを再起動してください。"_qs,
        u"終了？"_qs, Dialogs::Icon::Exclamation);
    return end ? Ending::EndProgram : Ending::Stay;
}

Ending outboxEnding(MainWindow &w, const MailRecord &record, const QString &to, bool written)
{
    MainControls &c = w.ui();
    ComposeState &s = w.state();
    Dialogs &dialogs = w.dialogs();
    if (!written) {
        dialogs.inform(u"BECKYが送受信処理中か、Horonamiの設定内容のERRです。書き込みできません。再度送信ください。"_qs);
        return Ending::Stay;
    }
    s.bodyModified = false;
    if (c.IOutput->isChecked()
        || dialogs.askYesNo(u"送信しました。編集内容を破棄しますか？"_qs, u"削除？"_qs))
        newMail(w);
    const MailRecord logged =
        mailrecord::forLog(record, mailrecord::logDate(QDateTime::currentDateTime()), s.verticalMode);
    bool filesWritten = mailbox::append(mailbox::logPath(w.services().programFolder), logged);
    filesWritten = offerRegistration(w, to) && filesWritten;
    if (filesWritten && c.IOutEnd->isChecked()
        && dialogs.askYesNo(u"終了しますか？"_qs, u"終了します？"_qs))
        return Ending::EndProgram;
    return Ending::Stay;
}

Ending runSend(MainWindow &w)
{
    MainControls &c = w.ui();
    ComposeState &s = w.state();
    Dialogs &dialogs = w.dialogs();
    const SendingFlag sending(s);
    const bool draft = s.draftMode;
    if (!offerSendableText(*c.Text2, *c.Text1, dialogs))
        return Ending::Stay;
    const QString saved = c.Text1->bodyText();
    const QString to = c.Combo1->currentText();

    if (!draft) {
        const QString warnings =
            sendwarnings::collect(to, c.Text2->text(), saved, s.usedPictographs);
        const bool prepared = prepareBody(w, saved);
        if (!prepared
            || (!warnings.isEmpty()
                && dialogs.message(sendwarnings::questionText(warnings), sendwarnings::questionTitle(),
                                   Dialogs::Buttons::OkCancel)
                       != Dialogs::Answer::Ok)) {
            restoreBody(w, saved);
            return Ending::Stay;
        }
    }
    const MailRecord record = buildRecord(w);
    if (!draft && !c.IOutNO->isChecked()) {
        if (!dialogs.askYesNo(mailrecord::confirmationText(record), mailrecord::confirmationTitle())) {
            restoreBody(w, saved);
            return Ending::Stay;
        }
        dialogs.inform(u"送信します。ＯＫを押した後に、BECKY側で送信手順を行ってください。"_qs);
    }
    restoreBody(w, saved);

    const bool written = writeRecord(w, record, draft);
    return draft ? draftEnding(w, written) : outboxEnding(w, record, to, written);
}

} // namespace

void sendCommand(MainWindow &w)
{
    if (runSend(w) == Ending::EndProgram && w.close())
        w.endProgram();
}

void saveDraft(MainWindow &w)
{
    w.state().draftMode = true;
    sendCommand(w);
    w.state().draftMode = false;
}
