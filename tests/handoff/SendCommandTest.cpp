#include "WindowFixtures.h"

#include "gui/compose/BodyEdit.h"
#include "core/compose/Vertical.h"
#include "gui/compose/VerticalCommands.h"
#include "core/compose/PhoneModel.h"
#include "support/WindowHarness.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

const QString kFriend = u"friend@docomo.ne.jp"_qs;

// A started window whose address list knows kFriend, so that sending to it
// asks no registration question.
void start(WindowHarness &h)
{
    h.folder.writeText(u"addr.adr"_qs, kFriend + u"\r\n"_qs);
    ASSERT_TRUE(startImode(h));
}

void fill(WindowHarness &h, const QString &to, const QString &subject, const QString &body)
{
    h.ui().toField->setEditText(to);
    h.ui().subjectField->setText(subject);
    h.setBody(body);
}

void send(WindowHarness &h)
{
    h.ui().sendButton->click();
    h.dialogs.verifyAllShown();
}

TEST(SendCommand, EmptyFieldsWarnOnceAndSendTheBareRecord)
{
    WindowHarness h;
    ASSERT_TRUE(startImode(h));
    h.ui().noConfirmationEntry->setChecked(true);
    h.dialogs.expectMessage(u"ほんとに？"_qs,
                            u"・宛先が未記入です。\r\n・タイトルが未記入です。(全角15文字以内)\r\n"
                            u"・内容が未記入です。（全角250文字以内）\r\n\r\n本当に送信してもいいんですか？"_qs,
                            Dialogs::Buttons::OkCancel, Dialogs::Icon::None, Dialogs::Answer::Ok);
    h.dialogs.expectMessage(u"削除？"_qs, u"送信しました。編集内容を破棄しますか？"_qs, Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::No);
    send(h);
    EXPECT_EQ(outboxBytes(h),
              QByteArray("From:me@docomo.ne.jp\r\nTo:\r\nSubject:\r\nX-Priority:3\r\n"
                         "X-imodeMailEditer:Horonami Ver.5.4.11\r\n"
                         "Content-Type: text/plain; charset=shift_jis\r\n"
                         "Content-Transfer-Encoding: 8bit\r\nStatus:RW\r\n\r\n\r\n.\r\n"));
    EXPECT_FALSE(h.state().command.sending);
}

TEST(SendCommand, ConfirmsWithThePreviewThenLogsTheSameRecordWithDateAndViewMode)
{
    WindowHarness h;
    start(h);
    fill(h, kFriend, u"件名"_qs, u"こんにちは\r\n.\r\n元気？"_qs);
    const MailRecord record = mailrecord::build(fieldsFrom(kFriend, u"件名"_qs, u"こんにちは\r\n.\r\n元気？"_qs));
    ASSERT_TRUE(mailrecord::confirmationText(record).startsWith(
        u"下記の内容でよろしいですか？\r\n"_qs + QString(41, u'-') + u"\r\nFrom:"_qs));
    expectConfirmedSend(h, record, false, [&h] { EXPECT_TRUE(h.state().command.sending); });
    send(h);

    EXPECT_EQ(outboxBytes(h), mailrecord::bytes(record));
    EXPECT_FALSE(h.state().mail.bodyModified);
    EXPECT_EQ(h.body(), u"こんにちは\r\n.\r\n元気？"_qs); // "No" keeps the mail
    QString log = h.folder.readText(u"OutPutLog.mbx"_qs);
    static const QRegularExpression date(u"X-Date:(\\d{4}/\\d\\d/\\d\\d \\d{1,2}:\\d\\d:\\d\\d)\r\n"_qs);
    const QRegularExpressionMatch m = date.match(log);
    ASSERT_TRUE(m.hasMatch()) << log.toStdString();
    EXPECT_EQ(log, mailrecord::text(mailrecord::forLog(record, m.captured(1), false)));
}

TEST(SendCommand, SignatureIsAppendedForTheSendOnlyAndItsBackslashNBreaksTheLine)
{
    struct Row {
        QString stored;
        QString sentBody;
    };
    const Row rows[] = {
        {u"山田"_qs, u"本文\r\n山田"_qs},
        {u"山田\\n太郎"_qs, u"本文\r\n山田\r\n太郎"_qs},
    };
    for (const Row &row : rows) {
        WindowHarness h;
        start(h);
        h.state().mail.setSignatureOn(true);
        h.state().mail.signatureText = row.stored;
        fill(h, kFriend, u"件名"_qs, u"本文"_qs);
        const MailRecord record = mailrecord::build(fieldsFrom(kFriend, u"件名"_qs, row.sentBody));
        // The record carries the signature; the body field keeps what was typed.
        expectConfirmedSend(h, record, false, [&h] { EXPECT_EQ(h.body(), u"本文"_qs); });
        send(h);
        EXPECT_EQ(outboxBytes(h), mailrecord::bytes(record)) << row.stored.toStdString();
        EXPECT_EQ(h.body(), u"本文"_qs);
    }
}

// The i-mode setting limits the body to 250 with the classification on;
// typing leaves room for the signature, so only the sent text is over.
TEST(SendCommand, ASignatureOverTheLimitOffersToCutTheSentTextOnly)
{
    const QString body(245, u'あ');
    const QString signature = u"署名署名署名署名署名"_qs;
    struct Row {
        Dialogs::Answer answer;
        QString sentBody;
    };
    const Row rows[] = {
        {Dialogs::Answer::Yes, body + u"\r\n署名署"_qs}, // cut where the weight reaches 250
        {Dialogs::Answer::No, body + u"\r\n"_qs + signature},
    };
    for (const Row &row : rows) {
        WindowHarness h;
        start(h);
        h.state().mail.setSignatureOn(true);
        h.state().mail.signatureText = signature;
        fill(h, kFriend, u"件名"_qs, body);
        h.dialogs.expectMessage(u"文字削除"_qs, u"overした分を削除しますか？"_qs, Dialogs::Buttons::YesNo, Dialogs::Icon::None, row.answer);
        const MailRecord record = mailrecord::build(fieldsFrom(kFriend, u"件名"_qs, row.sentBody));
        expectConfirmedSend(h, record);
        send(h);
        EXPECT_EQ(outboxBytes(h), mailrecord::bytes(record));
        EXPECT_EQ(h.body(), body);
    }
}

TEST(SendCommand, CancellingTheWarningsRestoresTheBodyButKeepsThePrunedPictographList)
{
    WindowHarness h;
    start(h);
    h.state().mail.setSignatureOn(true);
    h.state().mail.signatureText = u"署名"_qs;
    fill(h, kFriend, QString(), u"晴れ\uE63E"_qs);
    h.state().mail.usedPictographs = u"\uE63F\uE63E"_qs;
    h.dialogs.expectMessage(u"ほんとに？"_qs,
                            u"・タイトルが未記入です。(全角15文字以内)\r\n"
                            u"\uE63Eの絵文字が使われています。文字化けを起こす可能性があります。\r\n"
                            u"\r\n本当に送信してもいいんですか？"_qs,
                            Dialogs::Buttons::OkCancel, Dialogs::Icon::None, Dialogs::Answer::Cancel);
    send(h);
    EXPECT_EQ(h.body(), u"晴れ\uE63E"_qs);
    EXPECT_EQ(h.state().mail.usedPictographs, u"\uE63E"_qs);
    EXPECT_FALSE(h.state().command.sending);
    EXPECT_FALSE(h.folder.exists(u"becky/User0/OutBox.mbx"_qs));
}

TEST(SendCommand, NoAtTheConfirmationWritesNothing)
{
    WindowHarness h;
    start(h);
    fill(h, kFriend, u"件名"_qs, u"本文"_qs);
    const MailRecord record = mailrecord::build(fieldsFrom(kFriend, u"件名"_qs, u"本文"_qs));
    h.dialogs.expectMessage(u"送信OK?"_qs, mailrecord::confirmationText(record), Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::No);
    send(h);
    EXPECT_FALSE(h.folder.exists(u"becky/User0/OutBox.mbx"_qs));
    EXPECT_FALSE(h.state().command.sending);
}

TEST(SendCommand, VerticalModeSendsTheLayoutWithoutSignatureAndLogsTate)
{
    WindowHarness h;
    start(h);
    h.ui().noConfirmationEntry->setChecked(true);
    h.ui().newMailAfterSendEntry->setChecked(true);
    h.state().mail.setSignatureOn(true);
    h.state().mail.signatureText = u"署名"_qs;
    h.state().mail.setVerticalMode(true);
    h.ui().verticalPreviewSwitch->setChecked(true);
    fill(h, kFriend, u"縦"_qs, u"あいう"_qs);
    const auto geometry = VerticalGeometry::of(builtInPhoneModels()[0]);
    ASSERT_TRUE(geometry);
    const QString layout =
        renderVertical(prepareVertical(u"あいう"_qs, *geometry).text, *geometry, VerticalForm::Sending);
    send(h);
    const MailRecord record = mailrecord::build(fieldsFrom(kFriend, u"縦"_qs, layout));
    EXPECT_EQ(outboxBytes(h), mailrecord::bytes(record));
    EXPECT_TRUE(h.folder.readText(u"OutPutLog.mbx"_qs).contains(u"\r\nX-ViewMode:TATE\r\n\r\n"_qs));
    EXPECT_TRUE(h.body().isEmpty()); // "new mail after sending" starts one at once
    EXPECT_TRUE(h.state().mail.verticalMode());
}

TEST(SendCommand, BccCarriesTheSelectedAccountsAddressWhateverTheSendingAddress)
{
    WindowHarness h;
    writeTwoAccounts(h);
    start(h);
    h.ui().accountList->setCurrentIndex(1);
    h.ui().noConfirmationEntry->setChecked(true);
    h.ui().bccToAccountEntry->setChecked(true);
    fill(h, kFriend, u"件名"_qs, u"本文"_qs);
    h.dialogs.expectMessage(u"削除？"_qs, u"送信しました。編集内容を破棄しますか？"_qs, Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::Yes);
    send(h);
    MailFields fields = fieldsFrom(kFriend, u"件名"_qs, u"本文"_qs);
    fields.bcc = u"sub@isp.example.jp"_qs;
    EXPECT_EQ(outboxBytes(h, 1), recordBytes(fields));
    EXPECT_FALSE(h.folder.exists(u"becky/User0/OutBox.mbx"_qs));
    EXPECT_TRUE(h.body().isEmpty());
    EXPECT_TRUE(h.ui().subjectField->text().isEmpty());
}

TEST(SendCommand, RetriesAfterAFailedAttemptAndGoesOnAsAfterSuccess)
{
    WindowHarness h;
    start(h);
    h.ui().noConfirmationEntry->setChecked(true);
    QDir(h.folder.path()).mkpath(u"becky/User0/OutBox.mbx"_qs); // Becky holds the file
    fill(h, kFriend, u"件名"_qs, u"本文"_qs);
    h.dialogs
        .expectMessage(u"再送信確認"_qs, u"BECKYが送受信処理中です。送信できません。2度目の送信を試みますか？。"_qs,
                       Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::Yes)
        .whileShown([&h] { QDir(h.folder.file(u"becky/User0/OutBox.mbx"_qs)).removeRecursively(); })
        .expectMessage(u"削除？"_qs, u"送信しました。編集内容を破棄しますか？"_qs, Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::No);
    send(h);
    EXPECT_EQ(outboxBytes(h), recordBytes(fieldsFrom(kFriend, u"件名"_qs, u"本文"_qs)));
    EXPECT_TRUE(h.folder.exists(u"OutPutLog.mbx"_qs));
}

TEST(SendCommand, GivingUpKeepsTheMailAndLogsNothing)
{
    WindowHarness h;
    start(h);
    h.ui().noConfirmationEntry->setChecked(true);
    h.ui().endAfterSendEntry->setChecked(true);
    QDir(h.folder.path()).mkpath(u"becky/User0/OutBox.mbx"_qs);
    fill(h, kFriend, u"件名"_qs, u"本文"_qs);
    h.dialogs
        .expectMessage(u"再送信確認"_qs, u"BECKYが送受信処理中です。送信できません。2度目の送信を試みますか？。"_qs,
                       Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::Yes)
        .expectMessage(u"再送信確認"_qs, u"BECKYが送受信処理中です。送信できません。3度目の送信を試みますか？。"_qs,
                       Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::No)
        .expectMessage(Dialogs::defaultTitle(),
                       u"BECKYが送受信処理中か、Horonamiの設定内容のERRです。書き込みできません。再度送信ください。"_qs, Dialogs::Buttons::Ok, Dialogs::Icon::None);
    send(h);
    EXPECT_FALSE(h.folder.exists(u"OutPutLog.mbx"_qs));
    EXPECT_EQ(h.body(), u"本文"_qs);
    EXPECT_TRUE(h.state().mail.bodyModified);
    EXPECT_FALSE(h.state().command.sending);
    EXPECT_FALSE(h.window().hasEnded());
}

TEST(SendCommand, AVanishedMailFolderFindsBeckyAgainAndKeepsTheAccount)
{
    WindowHarness h;
    writeTwoAccounts(h);
    start(h);
    h.ui().accountList->setCurrentIndex(1);
    h.ui().noConfirmationEntry->setChecked(true);
    // Becky now lives elsewhere; the registry tells where.
    QDir(h.folder.file(u"becky"_qs)).removeRecursively();
    QDir(h.folder.path()).mkpath(u"moved/User1"_qs);
    const QString moved = h.folder.file(u"moved/"_qs);
    const QString users = u"Software\\RIMArts\\Rebecca\\Users\\"_qs;
    h.registry.set(u"Software\\RIMArts\\Rebecca\\Settings"_qs, u"HomeDir"_qs, moved);
    h.registry.set(users + u"0"_qs, u"Account"_qs, u"メイン"_qs);
    h.registry.set(users + u"0"_qs, u"Address"_qs, u"me@isp.example.jp"_qs);
    h.registry.set(users + u"1"_qs, u"Account"_qs, u"サブ"_qs);
    h.registry.set(users + u"1"_qs, u"MailDirNo"_qs, QString(QChar(1)));
    h.registry.set(users + u"1"_qs, u"Address"_qs, u"sub@isp.example.jp"_qs);
    fill(h, kFriend, u"件名"_qs, u"本文"_qs);
    h.dialogs
        .expectMessage(u"再送信確認"_qs, u"BECKYが送受信処理中です。送信できません。2度目の送信を試みますか？。"_qs,
                       Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::Yes)
        .expectMessage(u"再送信確認"_qs, u"BECKYの位置がつかめません、再設定を試みます。"_qs, Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::Yes)
        .expectMessage(u"再送信確認"_qs, u"設定を変更しました。再送信なさいますか？"_qs, Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::Yes)
        .expectMessage(Dialogs::defaultTitle(), u"送信が完了した後は、念の為、Horonamiを再起動してください。"_qs, Dialogs::Buttons::Ok, Dialogs::Icon::None)
        .expectMessage(u"削除？"_qs, u"送信しました。編集内容を破棄しますか？"_qs, Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::No);
    send(h);
    EXPECT_EQ(h.ui().accountList->currentIndex(), 1);
    EXPECT_EQ(h.state().accounts.accountIndex, 1);
    EXPECT_EQ(h.folder.readBytes(u"moved/User1/OutBox.mbx"_qs),
              recordBytes(fieldsFrom(kFriend, u"件名"_qs, u"本文"_qs)));
}

// The registered address goes on a line of its own, also after a last line
// that was edited by hand and lacks its line end.
TEST(SendCommand, ToDifferingOnlyByCaseOffersRegistration)
{
    WindowHarness h;
    start(h);
    h.folder.writeText(u"addr.adr"_qs, kFriend);
    h.ui().noConfirmationEntry->setChecked(true);
    const QString to = u"Friend@docomo.ne.jp"_qs;
    fill(h, to, u"件名"_qs, u"本文"_qs);
    h.dialogs.expectMessage(u"削除？"_qs, u"送信しました。編集内容を破棄しますか？"_qs, Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::No)
        .expectMessage(u"ｱﾄﾞﾚｽ登録"_qs, u"このｱﾄﾞﾚｽを登録しますか？"_qs, Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::Yes);
    send(h);
    EXPECT_EQ(h.folder.readText(u"addr.adr"_qs), kFriend + u"\r\n"_qs + to + u"\r\n"_qs);
    ASSERT_EQ(h.ui().toField->count(), 2);
    EXPECT_EQ(h.ui().toField->itemText(1), to);
    EXPECT_TRUE(h.ui().addressBookButton->isEnabled());
}

TEST(SendCommand, ExitQuestionEndsTheProgramAndIsSkippedWhenTheLogFails)
{
    for (const bool logBlocked : {false, true}) {
        WindowHarness h;
        start(h);
        h.ui().noConfirmationEntry->setChecked(true);
        h.ui().newMailAfterSendEntry->setChecked(true);
        h.ui().endAfterSendEntry->setChecked(true);
        if (logBlocked)
            QDir(h.folder.path()).mkpath(u"OutPutLog.mbx"_qs);
        fill(h, kFriend, u"件名"_qs, u"本文"_qs);
        if (!logBlocked)
            h.dialogs.expectMessage(u"終了します？"_qs, u"終了しますか？"_qs, Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::Yes);
        send(h);
        EXPECT_EQ(h.window().hasEnded(), !logBlocked);
        EXPECT_EQ(outboxBytes(h), recordBytes(fieldsFrom(kFriend, u"件名"_qs, u"本文"_qs)));
    }
}

TEST(DraftCommand, WritesTheTypedMailToTheDraftsWithoutQuestionsOrLog)
{
    WindowHarness h;
    start(h);
    h.state().mail.setSignatureOn(true);
    h.state().mail.signatureText = u"署名"_qs;
    h.state().mail.setVerticalMode(true);
    h.ui().verticalPreviewSwitch->setChecked(true);
    fill(h, QString(), QString(), u"下書き"_qs);
    h.dialogs.expectMessage(u"終了？"_qs,
                            u"メインアカウントの草稿に保存しました。編集を終了し、Horonamiを閉じますか？ \r\n"
                            u"※BECKYを起動していた場合は、BECKYを再起動してください。"_qs,
                            Dialogs::Buttons::YesNo, Dialogs::Icon::Exclamation, Dialogs::Answer::No);
    h.ui().saveDraftEntry->trigger();
    h.dialogs.verifyAllShown();
    EXPECT_EQ(draftBytes(h), recordBytes(fieldsFrom(QString(), QString(), u"下書き"_qs)));
    EXPECT_FALSE(h.folder.exists(u"OutPutLog.mbx"_qs));
    EXPECT_FALSE(h.state().command.sending);
    EXPECT_TRUE(h.state().mail.bodyModified);
}

TEST(DraftCommand, GivingUpSaysTheDraftWasNotSaved)
{
    WindowHarness h;
    start(h);
    QDir(h.folder.path()).mkpath(u"becky/User0/OutBox/Draft.mbx"_qs);
    fill(h, kFriend, u"件名"_qs, u"下書き"_qs);
    h.dialogs
        .expectMessage(u"再送信確認"_qs, u"BECKYが送受信処理中です。送信できません。2度目の送信を試みますか？。"_qs,
                       Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::No)
        .expectMessage(Dialogs::defaultTitle(),
                       u"書き込みエラーです。草稿に保存することができませんでした。再度挑戦してみてください。"_qs, Dialogs::Buttons::Ok, Dialogs::Icon::None);
    h.ui().saveDraftEntry->trigger();
    h.dialogs.verifyAllShown();
    EXPECT_FALSE(h.state().command.sending);
}

} // namespace
