#include "pictograph/RegistrationFixture.h"

#include "gui/compose/BodyEdit.h"

#include <QLabel>
#include <QScrollBar>
#include <QTest>

namespace {

using Answer = Dialogs::Answer;
using Buttons = Dialogs::Buttons;
using Icon = Dialogs::Icon;

TEST_F(RegistrationWindowTest, OpensWithTheFileAndShowsTheCount)
{
    // The second character of a line is skipped whatever it is.
    open(kSun + u"\thare\r\n"_qs + kRain + u":ame\r\n"_qs);
    EXPECT_EQ(keywords(), QStringList({u"hare"_qs, u"ame"_qs}));
    EXPECT_EQ(c->definitionList->model()->index(1, 0).data().toString(), u"ame\t\t"_qs + kRain);
    EXPECT_EQ(win->windowTitle(), u"文字コード登録登録数：2"_qs);
    EXPECT_FALSE(win->hasUnsavedChanges());
    EXPECT_EQ(c->definitionList->objectName(), u"List1"_qs);
    EXPECT_EQ(c->symbolLabel->buddy(), c->symbolField);
}

// The window registers before the selected entry and selects the outcome:
// the new entry, or the overlapping one the user declined, in the fields.
TEST_F(RegistrationWindowTest, RegistrationUsesTheSelectionAndSelectsTheOutcome)
{
    open();
    select(1);
    fill(kCloud, u"kumo"_qs);
    c->registerButton->click();
    EXPECT_EQ(keywords(), QStringList({u"hare"_qs, u"kumo"_qs, u"ame"_qs}));
    EXPECT_EQ(selected(), 1);
    EXPECT_EQ(win->windowTitle(), u"文字コード登録登録数：2"_qs); // until saved

    c->definitionList->setCurrentIndex({});
    fill(kCloud, u"me"_qs);
    h.dialogs.expectMessage(Dialogs::defaultTitle(), u"キーワードが「ame\t\t"_qs + kRain + u"」と重なっています。よろしいですか？"_qs,
                            Buttons::YesNo, Icon::None, Answer::No)
        .expectMessage(Dialogs::defaultTitle(), u"登録をキャンセルします。"_qs, Buttons::Ok, Icon::None);
    c->registerButton->click();
    EXPECT_EQ(selected(), 2);
    EXPECT_EQ(c->symbolField->text(), kRain); // the entry is loaded into the fields
    EXPECT_EQ(c->keywordField->text(), u"ame"_qs);
}

TEST_F(RegistrationWindowTest, DeleteTakesTheSelectedEntryOnlyOnce)
{
    open();
    c->deleteButton->click(); // nothing selected: nothing happens
    EXPECT_EQ(keywords().size(), 2);
    EXPECT_FALSE(win->hasUnsavedChanges());
    select(0);
    c->deleteButton->click();
    c->deleteButton->click(); // the neighbour is not selected in its place
    EXPECT_EQ(keywords(), QStringList({u"ame"_qs}));
    EXPECT_TRUE(win->hasUnsavedChanges());
}

TEST_F(RegistrationWindowTest, MovingNeedsASelectionAndIsNotSavedOnOk)
{
    const QString file = kSun + u"\thare\r\n"_qs + kRain + u"\tame\r\n"_qs;
    open(file);
    h.dialogs.expectMessage(Dialogs::defaultTitle(), u"移動する部分を選択してください。"_qs, Buttons::Ok, Icon::None);
    c->moveUpButton->click();
    select(0);
    c->moveDownButton->click();
    EXPECT_EQ(keywords(), QStringList({u"ame"_qs, u"hare"_qs}));
    EXPECT_EQ(selected(), 1);
    closeWindow(c->okButton); // no question, no note
    EXPECT_TRUE(win.isNull());
    EXPECT_EQ(savedFile(), file);
}

// Without a file the list starts empty and the first "適用" creates it;
// each save shows the count in the caption and writes the order shown.
TEST_F(RegistrationWindowTest, ApplySavesTheListAsShownAndTheCaptionFollowsEachSave)
{
    openWithoutFile();
    EXPECT_EQ(win->windowTitle(), u"文字コード登録"_qs);
    fill(kSun, u"hare"_qs);
    c->registerButton->click();
    c->applyButton->click();
    EXPECT_EQ(savedFile(), kSun + u"\thare\r\n"_qs);
    EXPECT_EQ(win->windowTitle(), u"文字コード登録登録数：1"_qs);
    EXPECT_FALSE(win->hasUnsavedChanges());
    fill(kRain, u"ame"_qs);
    c->registerButton->click(); // before the selected "hare"
    c->moveDownButton->click();
    c->applyButton->click();
    EXPECT_EQ(savedFile(), kSun + u"\thare\r\n"_qs + kRain + u"\tame\r\n"_qs);
    EXPECT_EQ(win->windowTitle(), u"文字コード登録登録数：2"_qs);
}

TEST_F(RegistrationWindowTest, CancelDiscardsWithoutAnyBox)
{
    const QString file = kSun + u"\thare\r\n"_qs;
    open(file);
    select(0);
    c->deleteButton->click();
    closeWindow(c->cancelButton);
    EXPECT_TRUE(win.isNull());
    EXPECT_EQ(savedFile(), file);
}

// The close box and ESC ask the same question and show the same note.
TEST_F(RegistrationWindowTest, ClosingWithChangesAsksAndShowsTheNote)
{
    struct Row {
        const char *how;
        Answer answer;
        bool saved;
    };
    for (const Row row : {Row{"close box", Answer::Yes, true}, Row{"ESC", Answer::No, false}}) {
        SCOPED_TRACE(row.how);
        WindowHarness local;
        local.folder.writeText(kDefinitionFile, kSun + u"\thare\r\n"_qs);
        ASSERT_TRUE(local.start());
        local.ui().registrationEntry->trigger();
        QPointer<RegistrationWindow> window = local.window().findChild<RegistrationWindow *>();
        window->ui().definitionList->setCurrentIndex(window->definitions().index(0));
        window->ui().deleteButton->click();
        local.dialogs.expectMessage(kSaveTitle, kSaveQuestion, Buttons::YesNoCancel, Icon::None, row.answer)
            .expectMessage(Dialogs::defaultTitle(), kMenuNote, Buttons::Ok, Icon::None);
        if (row.answer == Answer::Yes) {
            EXPECT_TRUE(window->close());
        } else {
            QTest::keyClick(window->ui().definitionList, Qt::Key_Escape);
            EXPECT_FALSE(window->isVisible());
        }
        local.dialogs.verifyAllShown();
        EXPECT_EQ(local.folder.readText(kDefinitionFile).isEmpty(), row.saved);
    }
}

TEST_F(RegistrationWindowTest, PutIntoBodyAppendsTheSymbolByButtonAndDoubleClick)
{
    open();
    h.setBody(u"今日は\r\n"_qs);
    h.ui().bodyField->setBodyCursorPosition(0);
    c->putIntoBodyButton->click(); // nothing selected
    EXPECT_EQ(h.body(), u"今日は\r\n"_qs);

    select(0);
    c->putIntoBodyButton->click();
    const QModelIndex rain = win->definitions().index(1);
    c->definitionList->setCurrentIndex(rain); // a double click selects before it reports
    emit c->definitionList->doubleClicked(rain);
    EXPECT_EQ(h.body(), u"今日は\r\n"_qs + kSun + kRain);
    EXPECT_EQ(h.state().mail.usedPictographs, kSun + kRain);
}

TEST_F(RegistrationWindowTest, ClickingTheLabelsFindsSymbolAndKeyword)
{
    open();
    c->symbolField->setText(kRain);
    QTest::mouseClick(c->symbolLabel, Qt::LeftButton);
    EXPECT_EQ(selected(), 1);
    EXPECT_EQ(c->keywordField->text(), u"ame"_qs);

    c->keywordField->setText(u"hare"_qs);
    QTest::mouseClick(c->keywordLabel, Qt::LeftButton);
    EXPECT_EQ(selected(), 0);

    c->keywordField->setText(u"har"_qs); // a part of a keyword is not it
    h.dialogs.expectMessage(Dialogs::defaultTitle(), u"harは、登録されていないようです。"_qs, Buttons::Ok, Icon::None);
    QTest::mouseClick(c->keywordLabel, Qt::LeftButton);
    c->symbolField->setText(kCloud);
    h.dialogs.expectMessage(Dialogs::defaultTitle(), kCloud + u"は、登録されていないようです。"_qs, Buttons::Ok, Icon::None);
    QTest::mouseClick(c->symbolLabel, Qt::LeftButton);
}

TEST_F(RegistrationWindowTest, SelectorAndSymbolFieldHoldOneCharacter)
{
    open();
    c->pictographSelector->setValue(2);
    EXPECT_EQ(c->symbolField->text(), kRain);
    EXPECT_EQ(c->symbolLabel->text(), u"記号002"_qs);
    c->pictographSelector->setValue(157);
    EXPECT_TRUE(c->symbolField->text().isEmpty());
    EXPECT_EQ(c->symbolLabel->text(), u"記号157"_qs);

    c->symbolField->setText(u"\U0001F600abc"_qs);
    EXPECT_EQ(c->symbolField->text(), u"\U0001F600"_qs);
    c->symbolField->setText(u"xy"_qs);
    EXPECT_EQ(c->symbolField->text(), u"x"_qs);
}

TEST_F(RegistrationWindowTest, TheMenuBringsTheOpenWindowForward)
{
    open();
    h.ui().registrationEntry->trigger();
    EXPECT_EQ(h.window().findChildren<RegistrationWindow *>().size(), 1);
    closeWindow(c->okButton);
    h.ui().registrationEntry->trigger();
    const QList<RegistrationWindow *> windows = h.window().findChildren<RegistrationWindow *>();
    ASSERT_EQ(windows.size(), 1);
    EXPECT_NE(windows.first(), win.data());
}

} // namespace
