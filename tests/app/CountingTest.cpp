#include "gui/compose/BodyEdit.h"
#include "gui/compose/PhoneScreen.h"
#include "gui/compose/PreviewCommands.h"
#include "support/WindowHarness.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>

#include <gtest/gtest.h>

namespace {

const QString kTrimQuestion = u"overした分を削除しますか？"_qs;

QString repeated(QChar c, int n) { return QString(n, c); }

// Switches the character limit on with a limit taken from its pending value.
void setLimit(WindowHarness &h, int limit, bool classify)
{
    h.state().command.pendingLimit = limit;
    h.ui().limitFlags[LimitFlag::CharacterLimit]->setChecked(true);
    h.ui().limitFlags[LimitFlag::Classify]->setChecked(classify);
}

TEST(Counting, LabelFormatsWithAndWithoutTheImodeSetting)
{
    WindowHarness h;
    ASSERT_TRUE(h.start());
    h.setBody(u"x"_qs);
    h.setBody(QString());
    EXPECT_EQ(h.ui().countLabel->text(), u"0.0文字 (0)"_qs);
    h.ui().imodeSetting->setChecked(true);
    h.setBody(u"x"_qs);
    h.setBody(QString());
    EXPECT_EQ(h.ui().countLabel->text(), u"\u00A5≒0.0円 0.0文字 (0)"_qs);
    h.setBody(u"あいうabc"_qs);
    EXPECT_EQ(h.ui().countLabel->text(), u"\u00A5≒0.1円 4.5文字 (6)"_qs);
    h.setBody(u"abc\r\nあ"_qs);
    EXPECT_EQ(h.ui().countLabel->text(), u"\u00A5≒0.1円 3.5文字 (6)"_qs);
}

TEST(Counting, KeptInStepWithEveryEdit)
{
    // Random typing, deleting and replacing: the count kept edit by edit must
    // equal a full recount, with line breaks, surrogate pairs and kana.
    WindowHarness h;
    ASSERT_TRUE(h.start());
    QRandomGenerator random(7);
    const QString alphabet = u"aあｱ\n漢 \U0001F600\t"_qs;
    for (int step = 0; step < 300; ++step) {
        BodyEdit *body = h.ui().bodyField;
        const int length = static_cast<int>(body->fieldText().size());
        QTextCursor cursor = body->textCursor();
        const int from = random.bounded(length + 1);
        cursor.setPosition(from);
        cursor.setPosition(std::min(length, from + random.bounded(3)), QTextCursor::KeepAnchor);
        const QString selected = cursor.selectedText();
        if (std::any_of(selected.begin(), selected.end(), [](QChar c) { return c.isSurrogate(); }))
            continue;
        body->setTextCursor(cursor);
        const int pick = random.bounded(static_cast<int>(alphabet.size()));
        const QString piece = alphabet.at(pick).isSurrogate() ? u"\U0001F600"_qs : QString(alphabet.at(pick));
        body->insertPlainText(step % 5 == 0 ? QString() : piece);
        const QString field = body->toPlainText();
        ASSERT_EQ(body->fieldText(), field);
        const CharCount full = countBody(body->bodyText());
        ASSERT_DOUBLE_EQ(body->count().weighted, full.weighted);
        ASSERT_EQ(body->count().chars, full.chars);
    }
    h.ui().bodyField->undo();
    EXPECT_EQ(h.ui().bodyField->fieldText(), h.ui().bodyField->toPlainText());
}

TEST(Counting, WarningLineWithoutClassification)
{
    WindowHarness h;
    ASSERT_TRUE(h.start());
    setLimit(h, 11, false);
    h.setBody(repeated(u'a', 10));
    EXPECT_FALSE(h.ui().warningLabel->isVisibleTo(&h.window()));
    h.setBody(repeated(u'a', 11));
    EXPECT_TRUE(h.ui().warningLabel->isVisibleTo(&h.window()));
    EXPECT_EQ(h.ui().warningLabel->text(), u"11文字を0オーバーです。制限数に達しました。"_qs);
}

TEST(Counting, HalfWidthTextUnderTheWeightedLimitIsNotTrimmed)
{
    WindowHarness h;
    ASSERT_TRUE(h.start());
    setLimit(h, 11, true);
    h.setBody(repeated(u'a', 20)); // 20 characters weigh 10
    EXPECT_FALSE(h.ui().warningLabel->isVisibleTo(&h.window()));
}

class Trimming : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(h.start());
        setLimit(h, 250, true);
    }
    WindowHarness h;
};

TEST_F(Trimming, YesCutsTheExcessAndTheCharacterAtTheLimit)
{
    h.dialogs.expectMessage(u"文字削除"_qs, kTrimQuestion, Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::Yes).whileShown([this] {
        EXPECT_EQ(h.ui().warningLabel->text(), u"250文字を10文字オーバー。制限数に達しました。"_qs);
    });
    h.setBody(repeated(u'あ', 260));
    EXPECT_EQ(h.body(), repeated(u'あ', 249));
    EXPECT_FALSE(h.ui().warningLabel->isVisibleTo(&h.window()));
    EXPECT_EQ(h.ui().bodyField->bodyCursorPosition(), 249);
    EXPECT_EQ(h.ui().countLabel->text(), u"249.0文字 (249)"_qs);
}

TEST_F(Trimming, NoSelectsTheExcess)
{
    h.dialogs.expectMessage(u"文字削除"_qs, kTrimQuestion, Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::No);
    h.setBody(repeated(u'あ', 260));
    EXPECT_EQ(h.ui().bodyField->bodyLength(), 260);
    EXPECT_EQ(h.ui().bodyField->bodySelectionStart(), 250);
    EXPECT_EQ(h.ui().bodyField->bodySelectionLength(), 10);
}

TEST_F(Trimming, SignatureReservesRoomWhileTyping)
{
    h.state().mail.setSignatureOn(true);
    h.state().mail.signatureText = u"0123456789"_qs;
    h.dialogs.expectMessage(u"文字削除"_qs, kTrimQuestion, Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::Yes).whileShown([this] {
        EXPECT_EQ(h.ui().warningLabel->text(), u"250文字を11文字オーバー。制限数に達しました。"_qs);
    });
    h.setBody(repeated(u'あ', 251));
    EXPECT_EQ(h.ui().bodyField->bodyLength(), 239);
}

TEST_F(Trimming, EnterOffersAsSoonAsTheReservedLimitIsPassed)
{
    h.state().mail.setSignatureOn(true);
    h.state().mail.signatureText = u"0123456789"_qs;
    h.setBody(repeated(u'あ', 241)); // under 250: no offer while typing
    h.ui().bodyField->moveCursor(QTextCursor::End);
    h.dialogs.expectMessage(u"文字削除"_qs, kTrimQuestion, Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::No);
    h.pressInBody(Qt::Key_Return);
}

TEST(Counting, EnterWithoutAnActiveLimitOffersNothing)
{
    WindowHarness h;
    ASSERT_TRUE(h.start());
    h.ui().limitFlags[LimitFlag::Classify]->setChecked(true);
    h.setBody(repeated(u'あ', 300));
    h.pressInBody(Qt::Key_Return); // no limit: no question
    setLimit(h, 11, true);
    h.state().mail.setSignatureOn(true);
    h.state().mail.signatureText = u"a signature longer than the limit"_qs;
    h.pressInBody(Qt::Key_Return); // the reservation leaves no room: no question either
}

// Typing after a command is a step of its own, and undoing a cut that the
// limit offered asks nothing again: the warning shows, the text comes back.
TEST(Counting, UndoingACutAsksNothingAndTypingAfterItIsAStepOfItsOwn)
{
    WindowHarness h;
    ASSERT_TRUE(h.start());
    setLimit(h, 11, true);
    h.typeIntoBody(QString(10, u'あ'));
    h.dialogs.expectMessage(u"文字削除"_qs, kTrimQuestion, Dialogs::Buttons::YesNo, Dialogs::Icon::None,
                            Dialogs::Answer::Yes);
    h.ui().bodyField->replaceBodySelection(u"いう"_qs);
    h.dialogs.verifyAllShown();
    EXPECT_EQ(h.body(), QString(10, u'あ'));
    h.typeIntoBody(u"x"_qs);

    h.ui().bodyField->undoStep(); // the typing after the cut
    EXPECT_EQ(h.body(), QString(10, u'あ'));
    h.ui().bodyField->undoStep(); // the cut, without a question
    EXPECT_EQ(h.body(), QString(10, u'あ') + u"いう"_qs);
    EXPECT_FALSE(h.ui().warningLabel->isHidden());
    h.ui().bodyField->undoStep(); // the insertion
    EXPECT_EQ(h.body(), QString(10, u'あ'));
    h.ui().bodyField->redoStep(); // the insertion again: still no question
    EXPECT_EQ(h.body(), QString(10, u'あ') + u"いう"_qs);
}

TEST(Counting, LimitInputIsCheckedAndStoredOnce)
{
    WindowHarness h;
    ASSERT_TRUE(h.start());
    h.dialogs.expectInput(u"制限文字数"_qs, u"制限する文字数を入力してください。"_qs, u"10"_qs, u"256"_qs)
        .expectMessage(Dialogs::defaultTitle(), u"10文字以下には設定できません。"_qs, Dialogs::Buttons::Ok, Dialogs::Icon::None);
    h.ui().limitFlags[LimitFlag::CharacterLimit]->setChecked(true);
    EXPECT_FALSE(h.ui().limitFlags[LimitFlag::CharacterLimit]->isChecked());
    EXPECT_EQ(h.state().mail.bodyLimit, 0);
    EXPECT_EQ(h.ui().limitStatusLabel->text(), u"・制限："_qs);

    h.dialogs.expectInput(u"制限文字数"_qs, u"制限する文字数を入力してください。"_qs, u"11"_qs);
    h.ui().limitFlags[LimitFlag::CharacterLimit]->setChecked(true);
    EXPECT_EQ(h.state().mail.bodyLimit, 11);
    EXPECT_EQ(h.ui().limitStatusLabel->text(), u"・制限：文字数 "_qs);

    // A cancel takes the switching-on back without a word; the limit stays.
    h.ui().limitFlags[LimitFlag::CharacterLimit]->setChecked(false);
    h.dialogs.expectInput(u"制限文字数"_qs, u"制限する文字数を入力してください。"_qs, std::nullopt);
    h.ui().limitFlags[LimitFlag::CharacterLimit]->setChecked(true);
    EXPECT_FALSE(h.ui().limitFlags[LimitFlag::CharacterLimit]->isChecked());
    EXPECT_EQ(h.ui().limitStatusLabel->text(), u"・制限："_qs);

    for (const char16_t *bad : {u"", u"abc", u"40000"}) {
        h.ui().limitFlags[LimitFlag::CharacterLimit]->setChecked(false);
        h.dialogs.expectInput(u"制限文字数"_qs, u"制限する文字数を入力してください。"_qs, QString::fromUtf16(bad))
            .expectMessage(Dialogs::defaultTitle(), u"10文字以下には設定できません。"_qs, Dialogs::Buttons::Ok, Dialogs::Icon::None);
        h.ui().limitFlags[LimitFlag::CharacterLimit]->setChecked(true);
        EXPECT_FALSE(h.ui().limitFlags[LimitFlag::CharacterLimit]->isChecked());
    }
}

TEST(Counting, ImodeSettingTakesTheLimitUnaskedAndRestoresTheFlags)
{
    WindowHarness h;
    ASSERT_TRUE(h.start());
    h.ui().limitFlags[LimitFlag::AutoCount]->setChecked(true);
    EXPECT_FALSE(h.ui().sendButton->isEnabled());
    EXPECT_FALSE(h.ui().imodeMenu->menuAction()->isEnabled());
    h.ui().imodeSetting->setChecked(true);
    EXPECT_EQ(h.state().mail.bodyLimit, 250);
    EXPECT_TRUE(h.ui().limitFlags[LimitFlag::CharacterLimit]->isChecked());
    EXPECT_TRUE(h.ui().limitFlags[LimitFlag::Classify]->isChecked());
    EXPECT_TRUE(h.ui().autoSubstituteEntry->isChecked());
    EXPECT_TRUE(h.ui().sendButton->isEnabled());
    EXPECT_TRUE(h.ui().windowMenu->menuAction()->isEnabled());
    EXPECT_EQ(h.ui().limitStatusLabel->text(), u"・制限：文字数 種別 AUTO i-mode"_qs);

    h.ui().previewButton->click();
    h.ui().imodeSetting->setChecked(false);
    EXPECT_FALSE(h.ui().limitFlags[LimitFlag::CharacterLimit]->isChecked());
    EXPECT_FALSE(h.ui().limitFlags[LimitFlag::Classify]->isChecked());
    EXPECT_FALSE(h.ui().autoSubstituteEntry->isChecked());
    EXPECT_FALSE(h.ui().previewPanel->isVisibleTo(&h.window()));
    EXPECT_FALSE(h.ui().verticalModeButton->isEnabled());
    EXPECT_EQ(h.ui().limitStatusLabel->text(), u"・制限：AUTO "_qs);

    // Switched on again, the flag asks for its limit: the stored one was used.
    h.ui().limitFlags[LimitFlag::CharacterLimit]->setChecked(false);
    h.dialogs.expectInput(u"制限文字数"_qs, u"制限する文字数を入力してください。"_qs, u"100"_qs);
    h.ui().limitFlags[LimitFlag::CharacterLimit]->setChecked(true);
    EXPECT_EQ(h.state().mail.bodyLimit, 100);
}

TEST(Counting, BodyKeys)
{
    WindowHarness h;
    ASSERT_TRUE(h.start());
    h.typeIntoBody(u"ab\ncd"_qs);
    h.pressInBody(Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(h.ui().bodyField->bodySelectionLength(), 0);
    h.pressInBody(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(h.ui().bodyField->bodySelectionStart(), 0);
    EXPECT_EQ(h.ui().bodyField->bodySelectionLength(), 6);
    h.pressInBody(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(h.clipboard.text(), u"ab\r\ncd"_qs);
    h.setBody(QString());
    h.pressInBody(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(h.clipboard.text(), u"ab\r\ncd"_qs); // an empty body leaves the clipboard
    h.pressInBody(Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(h.body(), u"\r\n"_qs);
}

TEST(Counting, EnterSubstitutesEscapedKeywordsOnRelease)
{
    WindowHarness h;
    h.folder.writeText(u"Emoji.code"_qs, u"\uE63E\thare\r\n"_qs);
    ASSERT_TRUE(h.start());
    h.ui().autoSubstituteEntry->setChecked(true);
    h.typeIntoBody(u"\\hare"_qs);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, u"\r"_qs);
    QCoreApplication::sendEvent(h.ui().bodyField, &press);
    EXPECT_TRUE(h.state().command.substituteOnKeyUp);
    EXPECT_EQ(h.body(), u"\\hare\r\n"_qs); // the line break is in; the keyword not yet
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, u"\r"_qs);
    QCoreApplication::sendEvent(h.ui().bodyField, &release);
    EXPECT_FALSE(h.state().command.substituteOnKeyUp);
    EXPECT_EQ(h.body(), u"\uE63E\r\n"_qs);
}

TEST(Counting, AutomaticSubstitutionWithoutDefinitionsSaysSo)
{
    WindowHarness h;
    ASSERT_TRUE(h.start());
    h.ui().autoSubstituteEntry->setChecked(true);
    h.dialogs.expectMessage(Dialogs::defaultTitle(), u"置換定義ファイルがありましぇーん。"_qs, Dialogs::Buttons::Ok, Dialogs::Icon::None);
    h.pressInBody(Qt::Key_Return);
}

TEST(Counting, LongSubjectsWarnOnEveryChange)
{
    WindowHarness h;
    ASSERT_TRUE(h.start());
    h.ui().subjectField->setText(repeated(u'件', 14));
    h.dialogs.expectMessage(Dialogs::defaultTitle(), u"15文字以上は、危険です。"_qs, Dialogs::Buttons::Ok, Dialogs::Icon::None)
        .expectMessage(Dialogs::defaultTitle(), u"15文字以上は、危険です。"_qs, Dialogs::Buttons::Ok, Dialogs::Icon::None);
    h.ui().subjectField->setText(repeated(u'件', 15));
    h.ui().subjectField->setText(repeated(u'件', 16));
}

TEST(Counting, PreviewBoxFollowsTheBody)
{
    WindowHarness h;
    ASSERT_TRUE(h.start());
    h.ui().imodeSetting->setChecked(true);
    h.ui().autoSubstituteEntry->setChecked(false); // Enter substitutes nothing
    h.typeIntoBody(u"hidden"_qs);
    h.ui().previewButton->click();
    EXPECT_EQ(h.ui().previewBox->toPlainText(), u"hidden"_qs);
    h.typeIntoBody(u" shown\nあ"_qs);
    EXPECT_EQ(h.ui().previewBox->toPlainText(), h.ui().bodyField->toPlainText());
    EXPECT_EQ(h.ui().previewBox->textCursor().position(), h.ui().bodyField->textCursor().position());
    h.ui().previewButton->click();
    h.typeIntoBody(u"!"_qs);
    h.ui().previewButton->click();
    EXPECT_EQ(h.ui().previewBox->toPlainText(), h.ui().bodyField->toPlainText());
}

} // namespace
