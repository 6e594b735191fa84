#include "WindowFixtures.h"

#include "gui/compose/BodyEdit.h"
#include "core/handoff/SendWarnings.h"
#include "gui/pictograph/PictographPalette.h"
#include "core/pictograph/UnsendableOffer.h"
#include "support/WindowHarness.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

const QString kFriend = u"friend@docomo.ne.jp"_qs;
const QString kSun = u"\uE63E"_qs; // F89F

class UnsendableSend : public ::testing::Test {
protected:
    void SetUp() override
    {
        h.folder.writeText(u"addr.adr"_qs, kFriend + u"\r\n"_qs);
        ASSERT_TRUE(startImode(h));
        h.ui().toField->setEditText(kFriend);
        h.ui().subjectField->setText(u"件名"_qs);
    }
    void expectOffer(const QString &listing, Dialogs::Answer answer)
    {
        h.dialogs.expectMessage(unsendable::offerTitle(),
                                u"Shift-JISにない文字があります。そのままでは「?」になります。\r\n\r\n"_qs
                                    + listing + u"\r\n置き換えのある文字を置き換えますか？"_qs,
                                Dialogs::Buttons::YesNo, Dialogs::Icon::Exclamation, answer);
    }
    void expectQuestionMarks(const QString &listing, Dialogs::Answer answer)
    {
        h.dialogs.expectMessage(unsendable::offerTitle(),
                                u"次の文字は「?」になります。\r\n\r\n"_qs + listing
                                    + u"\r\n「?」のまま続けますか？（いいえで編集に戻ります）"_qs,
                                Dialogs::Buttons::YesNo, Dialogs::Icon::Exclamation, answer);
    }
    WindowHarness h;
};

const QString kTyped = u"\u2600\uFE0F caf\u00E9 \U0001F600"_qs;
const QString kListing = u"\u2600\uFE0F  (BLACK SUN WITH RAYS)  →  絵文字 \uE63E (F89F)\r\n"
                         u"\u00E9  (LATIN SMALL LETTER E WITH ACUTE)  →  e\r\n"
                         u"\U0001F600  (GRINNING FACE)  →  置き換えなし\r\n"_qs;
const QString kGrin = u"\U0001F600  (GRINNING FACE)  →  置き換えなし\r\n"_qs;

TEST_F(UnsendableSend, AcceptedReplacementsAreSentAndTheRestAsQuestionMarksOnlyWhenAgreed)
{
    h.setBody(kTyped);
    const QString sent = kSun + u" cafe \U0001F600"_qs;
    expectOffer(kListing, Dialogs::Answer::Yes);
    expectQuestionMarks(kGrin, Dialogs::Answer::Yes);
    const MailRecord record = mailrecord::build(fieldsFrom(kFriend, u"件名"_qs, sent));
    expectConfirmedSend(h, record);
    h.ui().sendButton->click();
    h.dialogs.verifyAllShown();
    const QByteArray bytes = outboxBytes(h);
    EXPECT_EQ(bytes, recordBytes(fieldsFrom(kFriend, u"件名"_qs, sent)));
    EXPECT_TRUE(bytes.contains(QByteArray::fromHex("f89f2063616665203f0d0a"))); // "☀ cafe ?" and its break
    EXPECT_EQ(h.body(), sent); // the body keeps the replacements
}

TEST_F(UnsendableSend, GoingBackWritesNothingAndKeepsTheAcceptedReplacements)
{
    h.setBody(kTyped);
    expectOffer(kListing, Dialogs::Answer::Yes);
    expectQuestionMarks(kGrin, Dialogs::Answer::No);
    h.ui().sendButton->click();
    h.dialogs.verifyAllShown();
    EXPECT_FALSE(h.folder.exists(u"becky/User0/OutBox.mbx"_qs));
    EXPECT_EQ(h.body(), kSun + u" cafe \U0001F600"_qs);
    EXPECT_FALSE(h.state().command.sending);
}

TEST_F(UnsendableSend, TheDraftCommandAsksTheSame)
{
    h.setBody(u"\U0001F600"_qs);
    expectQuestionMarks(kGrin, Dialogs::Answer::No);
    h.ui().saveDraftEntry->trigger();
    h.dialogs.verifyAllShown();
    EXPECT_FALSE(h.folder.exists(u"becky/User0/OutBox/Draft.mbx"_qs));
}

TEST_F(UnsendableSend, TheSubjectIsOfferedToo)
{
    h.ui().subjectField->setText(u"caf\u00E9"_qs);
    h.setBody(u"本文"_qs);
    expectOffer(u"\u00E9  (LATIN SMALL LETTER E WITH ACUTE)  →  e\r\n"_qs, Dialogs::Answer::Yes);
    h.dialogs.expectMessage(u"終了？"_qs,
                            u"メインアカウントの草稿に保存しました。編集を終了し、Horonamiを閉じますか？ \r\n"
                            u"※BECKYを起動していた場合は、BECKYを再起動してください。"_qs,
                            Dialogs::Buttons::YesNo, Dialogs::Icon::Exclamation, Dialogs::Answer::No);
    h.ui().saveDraftEntry->trigger();
    h.dialogs.verifyAllShown();
    EXPECT_EQ(h.ui().subjectField->text(), u"cafe"_qs);
    EXPECT_EQ(draftBytes(h), recordBytes(fieldsFrom(kFriend, u"cafe"_qs, u"本文"_qs)));
}

// What a send writes besides the body is offered as well: the To field and
// the signature it appends under the body.
TEST_F(UnsendableSend, TheToFieldAndTheSignatureAreOfferedToo)
{
    h.ui().toField->setEditText(u"caf\u00E9@docomo.ne.jp"_qs);
    h.setBody(u"本文"_qs);
    h.state().mail.setSignatureOn(true);
    h.state().mail.signatureText = u"山田\u00E9"_qs;
    expectOffer(u"\u00E9  (LATIN SMALL LETTER E WITH ACUTE)  →  e  ×2\r\n"_qs, Dialogs::Answer::Yes);
    expectConfirmedSend(h, mailrecord::build(fieldsFrom(u"cafe@docomo.ne.jp"_qs, u"件名"_qs, u"本文\r\n山田e"_qs)));
    h.dialogs.expectMessage(u"ｱﾄﾞﾚｽ登録"_qs, u"このｱﾄﾞﾚｽを登録しますか？"_qs, Dialogs::Buttons::YesNo,
                            Dialogs::Icon::None, Dialogs::Answer::No);
    h.ui().sendButton->click();
    h.dialogs.verifyAllShown();
    EXPECT_EQ(h.ui().toField->currentText(), u"cafe@docomo.ne.jp"_qs);
    EXPECT_EQ(h.state().mail.signatureText, u"山田e"_qs);
}

TEST_F(UnsendableSend, APaletteChoiceIsSentAsItsCode)
{
    h.setBody(QString());
    h.window().findChild<QAction *>(u"pictographPalette"_qs)->trigger();
    auto *palette = h.window().findChild<PictographPalette *>();
    ASSERT_TRUE(palette);
    for (QToolButton *b : palette->findChildren<QToolButton *>()) {
        if (b->accessibleName() == u"絵文字 F89F"_qs)
            b->click();
    }
    ASSERT_EQ(h.body(), kSun);
    QString used = kSun;
    h.dialogs.expectMessage(sendwarnings::questionTitle(),
                            sendwarnings::questionText(sendwarnings::collect(kFriend, u"件名"_qs, kSun, used)),
                            Dialogs::Buttons::OkCancel, Dialogs::Icon::None, Dialogs::Answer::Ok);
    expectConfirmedSend(h, mailrecord::build(fieldsFrom(kFriend, u"件名"_qs, kSun)));
    h.ui().sendButton->click();
    h.dialogs.verifyAllShown();
    const QByteArray bytes = outboxBytes(h);
    EXPECT_EQ(bytes, recordBytes(fieldsFrom(kFriend, u"件名"_qs, kSun)));
    EXPECT_TRUE(bytes.contains(QByteArray::fromHex("0d0a0d0af89f0d0a2e0d0a"))); // the body: F89F alone
}

} // namespace
