#include "gui/handoff/HandoffContext.h"
#include "WindowFixtures.h"

#include "gui/compose/BodyEdit.h"
#include "support/WindowHarness.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

const QString kPrompt = u"署名を記入してください。改行は、\\nで表現してください。"_qs;
const QString kAsk = u"署名をつけますか？"_qs;

void clickSignature(WindowHarness &h)
{
    h.ui().signatureButton->click();
    h.dialogs.verifyAllShown();
}

TEST(SignatureCommand, FirstUseOffersTheDefaultAndAnEmptyAnswerStoresIt)
{
    WindowHarness h;
    ASSERT_TRUE(startImode(h));
    h.dialogs.expectMessage(u"署名"_qs, kAsk, Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::Yes)
        .expectInput(u"署名保存"_qs, kPrompt, QString(), u"名無しの権兵衛"_qs)
        .expectMessage(Dialogs::defaultTitle(), u"キャンセルされました。"_qs, Dialogs::Buttons::Ok, Dialogs::Icon::None);
    clickSignature(h);
    EXPECT_TRUE(h.state().mail.signatureOn());
    EXPECT_EQ(h.ui().signatureStatusLabel->text(), u"・署名追加：ON"_qs);
    EXPECT_EQ(h.state().mail.signatureText, u"名無しの権兵衛"_qs);
}

// Cancel is not an empty answer: without a stored signature it stays off
// and nothing is stored; a stored one is kept.
TEST(SignatureCommand, CancelStoresNothing)
{
    WindowHarness h;
    ASSERT_TRUE(startImode(h));
    h.dialogs.expectMessage(u"署名"_qs, kAsk, Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::Yes)
        .expectInput(u"署名保存"_qs, kPrompt, std::nullopt, u"名無しの権兵衛"_qs)
        .expectMessage(Dialogs::defaultTitle(), u"キャンセルされました。"_qs, Dialogs::Buttons::Ok, Dialogs::Icon::None);
    clickSignature(h);
    EXPECT_FALSE(h.state().mail.signatureOn());
    EXPECT_EQ(h.ui().signatureStatusLabel->text(), u"・署名追加：OFF"_qs);
    EXPECT_TRUE(h.state().mail.signatureText.isEmpty());

    h.state().mail.signatureText = u"旧署名"_qs;
    h.dialogs.expectMessage(u"署名"_qs, kAsk, Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::Yes)
        .expectMessage(u"署名変更確認"_qs, u"書名は、「旧署名」でよろしいですか？"_qs, Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::No)
        .expectInput(u"署名保存"_qs, kPrompt, std::nullopt, u"旧署名"_qs)
        .expectMessage(Dialogs::defaultTitle(), u"キャンセルされました。"_qs, Dialogs::Buttons::Ok, Dialogs::Icon::None);
    clickSignature(h);
    EXPECT_TRUE(h.state().mail.signatureOn());
    EXPECT_EQ(h.state().mail.signatureText, u"旧署名"_qs);
}

TEST(SignatureCommand, RejectingTheStoredSignatureOffersItAgainAndShowsTheNewOneOnItsLines)
{
    WindowHarness h;
    ASSERT_TRUE(startImode(h));
    h.state().mail.signatureText = u"旧署名"_qs;
    h.dialogs.expectMessage(u"署名"_qs, kAsk, Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::Yes)
        .expectMessage(u"署名変更確認"_qs, u"書名は、「旧署名」でよろしいですか？"_qs, Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::No)
        .expectInput(u"署名保存"_qs, kPrompt, u"山田\\n太郎"_qs, u"旧署名"_qs)
        .expectMessage(Dialogs::defaultTitle(), u"山田\r\n太郎を署名として保存します。"_qs, Dialogs::Buttons::Ok, Dialogs::Icon::None);
    clickSignature(h);
    EXPECT_EQ(h.state().mail.signatureText, u"山田\\n太郎"_qs);

    // Rejecting it again and answering empty keeps the old one.
    h.dialogs.expectMessage(u"署名"_qs, kAsk, Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::Yes)
        .expectMessage(u"署名変更確認"_qs, u"書名は、「山田\\n太郎」でよろしいですか？"_qs, Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::No)
        .expectInput(u"署名保存"_qs, kPrompt, QString(), u"山田\\n太郎"_qs)
        .expectMessage(Dialogs::defaultTitle(), u"キャンセルされました。"_qs, Dialogs::Buttons::Ok, Dialogs::Icon::None);
    clickSignature(h);
    EXPECT_EQ(h.state().mail.signatureText, u"山田\\n太郎"_qs);
}

TEST(SignatureCommand, NoSwitchesOffSilentlyWithAStoredSignatureAndAsksForOneWithout)
{
    WindowHarness h;
    ASSERT_TRUE(startImode(h));
    h.state().mail.setSignatureOn(true);
    h.state().mail.signatureText = u"署名"_qs;
    h.dialogs.expectMessage(u"署名"_qs, kAsk, Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::No);
    clickSignature(h);
    EXPECT_FALSE(h.state().mail.signatureOn());
    EXPECT_EQ(h.ui().signatureStatusLabel->text(), u"・署名追加：OFF"_qs);

    h.state().mail.signatureText.clear();
    h.dialogs.expectMessage(u"署名"_qs, kAsk, Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::No)
        .expectInput(u"署名保存"_qs, kPrompt, u"一行"_qs, u"名無しの権兵衛"_qs)
        .expectMessage(Dialogs::defaultTitle(), u"一行を署名として保存します。"_qs, Dialogs::Buttons::Ok, Dialogs::Icon::None);
    clickSignature(h);
    EXPECT_FALSE(h.state().mail.signatureOn());
    EXPECT_EQ(h.state().mail.signatureText, u"一行"_qs);
}

QList<bool> marks(const QList<QAction *> &entries)
{
    QList<bool> checked;
    for (const QAction *a : entries)
        checked.append(a->isChecked());
    return checked;
}

template <std::size_t N>
QList<bool> marks(const std::array<QAction *, N> &entries)
{
    return marks(QList<QAction *>(entries.begin(), entries.end()));
}

const QString kChangeTitle = u"変更"_qs;

QString changeQuestion(const QString &from, const QString &to)
{
    return u"使用する自分のi-mode用アドレス("_qs + from + u")を\r\n"_qs + to + u"に変更しますか？"_qs;
}

TEST(SendingAddress, AsksBeforeSwitchingAndKeepsExactlyOneMark)
{
    WindowHarness h;
    ASSERT_TRUE(startImode(h));
    ASSERT_EQ(h.ui().sendingAddressEntries().size(), 2);
    EXPECT_EQ(marks(h.ui().sendingAddressEntries()), (QList<bool>{true, false}));

    h.dialogs.expectMessage(kChangeTitle, changeQuestion(u"me@docomo.ne.jp"_qs, u"me@isp.example.jp"_qs),
                            Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::No);
    h.ui().sendingAddressEntries()[1]->trigger();
    h.dialogs.verifyAllShown();
    EXPECT_EQ(h.state().accounts.sendingAddressIndex(), 0);
    EXPECT_EQ(marks(h.ui().sendingAddressEntries()), (QList<bool>{true, false}));

    h.dialogs.expectMessage(kChangeTitle, changeQuestion(u"me@docomo.ne.jp"_qs, u"me@isp.example.jp"_qs),
                            Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::Yes);
    h.ui().sendingAddressEntries()[1]->trigger();
    h.dialogs.verifyAllShown();
    EXPECT_EQ(h.state().accounts.sendingAddressIndex(), 1);
    EXPECT_EQ(marks(h.ui().sendingAddressEntries()), (QList<bool>{false, true}));

    h.ui().sendingAddressEntries()[1]->trigger(); // the chosen one: no question, the mark stays
    EXPECT_EQ(marks(h.ui().sendingAddressEntries()), (QList<bool>{false, true}));
}

TEST(SendingAddress, AccountChangeModeDecidesWhatChoosingAnAccountDoes)
{
    WindowHarness h;
    writeTwoAccounts(h);
    ASSERT_TRUE(startImode(h));
    MainWindowControls &c = h.ui();
    EXPECT_EQ(marks(c.accountChangeModeEntries), (QList<bool>{true, false, false}));

    c.accountList->setCurrentIndex(1); // mode 0: only the index is stored
    EXPECT_EQ(h.state().accounts.accountIndex, 1);
    EXPECT_EQ(h.state().accounts.sendingAddressIndex(), 0);

    c.accountChangeModeEntries[1]->trigger();
    EXPECT_EQ(h.state().sending.accountChangeMode(), AccountChangeMode::Follow);
    EXPECT_EQ(marks(c.accountChangeModeEntries), (QList<bool>{false, true, false}));
    c.accountChangeModeEntries[1]->trigger(); // choosing the current mode keeps its mark
    EXPECT_EQ(marks(c.accountChangeModeEntries), (QList<bool>{false, true, false}));
    c.accountList->setCurrentIndex(0); // mode 1: switches without a question
    EXPECT_EQ(h.state().accounts.sendingAddressIndex(), 1);
    EXPECT_EQ(marks(h.ui().sendingAddressEntries()), (QList<bool>{false, true, false}));

    c.accountChangeModeEntries[2]->trigger();
    h.dialogs.expectMessage(kChangeTitle, changeQuestion(u"me@isp.example.jp"_qs, u"sub@isp.example.jp"_qs),
                            Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::Yes);
    c.accountList->setCurrentIndex(1); // mode 2: asks
    h.dialogs.verifyAllShown();
    EXPECT_EQ(h.state().accounts.sendingAddressIndex(), 2);
    EXPECT_EQ(marks(h.ui().sendingAddressEntries()), (QList<bool>{false, false, true}));
}

TEST(CopyCommands, CopyTheShownFieldAndLeaveTheClipboardForAnEmptyOne)
{
    struct Row {
        int entry;
        QString to, subject, body;
        QString expected;
    };
    const Row rows[] = {
        {0, u"a@docomo.ne.jp"_qs, u"件名"_qs, u"本文"_qs, u"a@docomo.ne.jp"_qs},
        {1, u"a@docomo.ne.jp"_qs, u"件名"_qs, u"本文"_qs, u"件名"_qs},
        {2, u"a@docomo.ne.jp"_qs, u"件名"_qs, u"一行目\r\n二行目"_qs, u"一行目\r\n二行目"_qs},
        {0, QString(), u"件名"_qs, u"本文"_qs, u"前から"_qs},
        {1, u"a@docomo.ne.jp"_qs, QString(), u"本文"_qs, u"前から"_qs},
        {2, u"a@docomo.ne.jp"_qs, u"件名"_qs, QString(), u"前から"_qs},
    };
    WindowHarness h;
    ASSERT_TRUE(startImode(h));
    for (const Row &row : rows) {
        h.clipboard.setText(u"前から"_qs);
        h.ui().toField->setEditText(row.to);
        h.ui().subjectField->setText(row.subject);
        h.setBody(row.body);
        h.ui().copyEntries[row.entry]->trigger();
        EXPECT_EQ(h.clipboard.text(), row.expected) << row.entry;
    }
}

} // namespace
