#include "gui/app/RegistrationOpener.h"
#include "gui/compose/BodyEdit.h"
#include "gui/pictograph/RegistrationWindow.h"
#include "support/WindowHarness.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QString kSun = u"\uE63E"_qs;
const QString kCloud = u"\uE63F"_qs;
const QString kRain = u"\uE640"_qs;
const QString kFile = u"Emoji.code"_qs;
const QString kNote = u"Horonamiのメニューに表示されるのは、上から20個までです。"_qs;

QString overlap(const QString &entry)
{
    return u"キーワードが「"_qs + entry + u"」と重なっています。よろしいですか？"_qs;
}

QString entry(const QString &keyword, const QString &symbol) { return keyword + u"\t\t"_qs + symbol; }

class RegistrationWindowTest : public ::testing::Test {
protected:
    /// Starts the program with the given "Emoji.code" and opens the window
    /// from the menu.
    void open(const QString &file = kSun + u"\thare\r\n"_qs + kRain + u"\tame\r\n"_qs)
    {
        h.folder.writeText(kFile, file);
        openWithoutFile();
    }
    void openWithoutFile()
    {
        ASSERT_TRUE(h.start());
        h.ui().registrationEntry->trigger();
        win = h.window().findChild<RegistrationWindow *>();
        ASSERT_NE(win, nullptr);
        c = &win->ui();
    }
    QStringList listed() const
    {
        QStringList texts;
        for (int i = 0; i < c->List1->count(); ++i)
            texts.append(c->List1->item(i)->text());
        return texts;
    }
    int selected() const
    {
        const QList<QListWidgetItem *> items = c->List1->selectedItems();
        return items.isEmpty() ? -1 : c->List1->row(items.first());
    }
    void fill(const QString &symbol, const QString &keyword)
    {
        c->Text1->setText(symbol);
        c->Text2->setText(keyword);
    }
    /// Closes the window and lets its deletion happen.
    void closeWindow(QPushButton *button)
    {
        button->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QString savedFile() const { return h.folder.readText(kFile); }

    WindowHarness h;
    QPointer<RegistrationWindow> win;
    RegistrationControls *c = nullptr;
};

TEST_F(RegistrationWindowTest, OpensWithTheFileAndShowsTheCount)
{
    // The second character of a line is skipped whatever it is.
    open(kSun + u"\thare\r\n"_qs + kRain + u":ame\r\n"_qs);
    EXPECT_EQ(listed(), QStringList({entry(u"hare"_qs, kSun), entry(u"ame"_qs, kRain)}));
    EXPECT_EQ(win->windowTitle(), u"文字コード登録登録数：2"_qs);
    EXPECT_FALSE(win->hasUnsavedChanges());
    EXPECT_EQ(c->List1->objectName(), u"List1"_qs);
    EXPECT_EQ(c->Command2[5]->text(), u"ＯＫ"_qs);
}

TEST_F(RegistrationWindowTest, WithoutAFileTheListIsEmptyAndTheFirstSaveCreatesIt)
{
    openWithoutFile();
    EXPECT_EQ(win->windowTitle(), u"文字コード登録"_qs);
    EXPECT_EQ(c->List1->count(), 0);
    fill(kSun, u"hare"_qs);
    c->Command1->click();
    c->Command2[3]->click();
    EXPECT_EQ(savedFile(), kSun + u"\thare\r\n"_qs);
    EXPECT_EQ(win->windowTitle(), u"文字コード登録登録数：1"_qs);
    EXPECT_FALSE(win->hasUnsavedChanges());
}

TEST_F(RegistrationWindowTest, OverlappingKeywordIsRegisteredAfterYesForEachEntry)
{
    open();
    fill(kCloud, u"a"_qs); // in "hare" and in "ame"
    h.dialogs.expectMessage(Dialogs::defaultTitle(), overlap(entry(u"hare"_qs, kSun)), Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::Yes);
    h.dialogs.expectMessage(Dialogs::defaultTitle(), overlap(entry(u"ame"_qs, kRain)), Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::Yes);
    c->Command1->click();
    EXPECT_EQ(listed().last(), entry(u"a"_qs, kCloud));
    EXPECT_EQ(selected(), 2);
    EXPECT_TRUE(win->hasUnsavedChanges());
    EXPECT_EQ(win->windowTitle(), u"文字コード登録登録数：2"_qs); // until saved
}

TEST_F(RegistrationWindowTest, NoCancelsAndSelectsTheOverlappingEntry)
{
    open();
    fill(kCloud, u"me"_qs);
    h.dialogs.expectMessage(Dialogs::defaultTitle(), overlap(entry(u"ame"_qs, kRain)), Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::No);
    h.dialogs.expectMessage(Dialogs::defaultTitle(), u"登録をキャンセルします。"_qs, Dialogs::Buttons::Ok, Dialogs::Icon::None);
    c->Command1->click();
    EXPECT_EQ(c->List1->count(), 2);
    EXPECT_EQ(selected(), 1);
    EXPECT_EQ(c->Text1->text(), kRain); // the entry is loaded into the fields
    EXPECT_EQ(c->Text2->text(), u"ame"_qs);
    EXPECT_FALSE(win->hasUnsavedChanges());
}

TEST_F(RegistrationWindowTest, ExactDuplicateIsRefused)
{
    open();
    fill(kCloud, u"ame"_qs);
    h.dialogs.expectMessage(Dialogs::defaultTitle(), overlap(entry(u"ame"_qs, kRain)), Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::Yes);
    h.dialogs.expectMessage(Dialogs::defaultTitle(), u"全く同じキーワードは、登録できません。"_qs, Dialogs::Buttons::Ok, Dialogs::Icon::None);
    c->Command1->click();
    EXPECT_EQ(c->List1->count(), 2);
    EXPECT_FALSE(win->hasUnsavedChanges());
}

TEST_F(RegistrationWindowTest, EmptyKeywordOverlapsEveryEntryAndEmptySymbolIsRefused)
{
    open();
    fill(kCloud, QString());
    h.dialogs.expectMessage(Dialogs::defaultTitle(), overlap(entry(u"hare"_qs, kSun)), Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::Yes);
    h.dialogs.expectMessage(Dialogs::defaultTitle(), overlap(entry(u"ame"_qs, kRain)), Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::Yes);
    c->Command1->click();
    EXPECT_EQ(listed().last(), entry(QString(), kCloud));

    fill(QString(), u"kumo"_qs);
    h.dialogs.expectMessage(Dialogs::defaultTitle(), u"記号が入力されていません。登録する記号を１文字入力してください。"_qs, Dialogs::Buttons::Ok, Dialogs::Icon::None);
    c->Command1->click();
    EXPECT_EQ(c->List1->count(), 3);
}

TEST_F(RegistrationWindowTest, RegisteringWithASelectionInsertsBeforeIt)
{
    open();
    c->List1->setCurrentRow(1);
    fill(kCloud, u"kumo"_qs);
    c->Command1->click();
    EXPECT_EQ(listed(), QStringList({entry(u"hare"_qs, kSun), entry(u"kumo"_qs, kCloud), entry(u"ame"_qs, kRain)}));
    EXPECT_EQ(selected(), 1);
}

TEST_F(RegistrationWindowTest, DeleteTakesTheSelectedEntryOnlyOnce)
{
    open();
    c->Command2[0]->click(); // nothing selected: nothing happens
    EXPECT_EQ(c->List1->count(), 2);
    EXPECT_FALSE(win->hasUnsavedChanges());
    c->List1->setCurrentRow(0);
    c->Command2[0]->click();
    c->Command2[0]->click(); // the neighbour is not selected in its place
    EXPECT_EQ(listed(), QStringList({entry(u"ame"_qs, kRain)}));
    EXPECT_TRUE(win->hasUnsavedChanges());
}

TEST_F(RegistrationWindowTest, SortOrdersByKeyword)
{
    open(kSun + u"\thare\r\n"_qs + kCloud + u"\tkumo\r\n"_qs + kRain + u"\tame\r\n"_qs);
    c->Command2[1]->click();
    EXPECT_EQ(listed(), QStringList({entry(u"ame"_qs, kRain), entry(u"hare"_qs, kSun), entry(u"kumo"_qs, kCloud)}));
    EXPECT_TRUE(win->hasUnsavedChanges());
}

TEST_F(RegistrationWindowTest, MovingNeedsASelectionAndIsNotSavedOnOk)
{
    const QString file = kSun + u"\thare\r\n"_qs + kRain + u"\tame\r\n"_qs;
    open(file);
    h.dialogs.expectMessage(Dialogs::defaultTitle(), u"移動する部分を選択してください。"_qs, Dialogs::Buttons::Ok, Dialogs::Icon::None);
    c->Command4[0]->click();

    c->List1->setCurrentRow(0);
    c->Command4[0]->click(); // already first
    c->Command4[1]->click();
    EXPECT_EQ(listed(), QStringList({entry(u"ame"_qs, kRain), entry(u"hare"_qs, kSun)}));
    EXPECT_EQ(selected(), 1);
    c->Command4[1]->click(); // already last
    EXPECT_EQ(selected(), 1);
    EXPECT_FALSE(win->hasUnsavedChanges());

    closeWindow(c->Command2[5]); // no question, no note
    EXPECT_TRUE(win.isNull());
    EXPECT_EQ(savedFile(), file);
}

TEST_F(RegistrationWindowTest, ApplySavesAMovedOrderAndTheCaptionFollowsEachSave)
{
    open();
    c->List1->setCurrentRow(1);
    c->Command4[0]->click();
    c->Command2[3]->click();
    EXPECT_EQ(savedFile(), kRain + u"\tame\r\n"_qs + kSun + u"\thare\r\n"_qs);
    fill(kCloud, u"kumo"_qs);
    c->List1->setCurrentItem(nullptr);
    c->Command1->click();
    c->Command2[3]->click();
    EXPECT_EQ(win->windowTitle(), u"文字コード登録登録数：3"_qs);
}

TEST_F(RegistrationWindowTest, CancelDiscardsWithoutAnyBox)
{
    const QString file = kSun + u"\thare\r\n"_qs;
    open(file);
    c->List1->setCurrentRow(0);
    c->Command2[0]->click();
    closeWindow(c->Command2[4]);
    EXPECT_TRUE(win.isNull());
    EXPECT_EQ(savedFile(), file);
}

TEST_F(RegistrationWindowTest, ClosingWithChangesAsksAndShowsTheNote)
{
    struct Row {
        Dialogs::Answer answer;
        bool saved;
    };
    for (const Row row : {Row{Dialogs::Answer::Yes, true}, Row{Dialogs::Answer::No, false}}) {
        WindowHarness local;
        local.folder.writeText(kFile, kSun + u"\thare\r\n"_qs);
        ASSERT_TRUE(local.start());
        QPointer<RegistrationWindow> window = openRegistrationWindow(local.window());
        window->ui().List1->setCurrentRow(0);
        window->ui().Command2[0]->click();
        local.dialogs.expectMessage(u"保存確認"_qs, u"変更があります。文字コードを保存して終了しますか？"_qs, Dialogs::Buttons::YesNoCancel, Dialogs::Icon::None, row.answer);
        local.dialogs.expectMessage(Dialogs::defaultTitle(), kNote, Dialogs::Buttons::Ok, Dialogs::Icon::None);
        EXPECT_TRUE(window->close());
        EXPECT_EQ(local.folder.readText(kFile).isEmpty(), row.saved);
    }
}

TEST_F(RegistrationWindowTest, AFailedSaveIsReportedAndKeepsTheWindowOpen)
{
    open();
    // A folder in the file's place cannot be replaced.
    ASSERT_TRUE(QFile::remove(h.folder.file(kFile)));
    ASSERT_TRUE(QDir(h.folder.path()).mkdir(kFile));
    c->List1->setCurrentRow(0);
    c->Command2[0]->click();
    h.dialogs.expectMessage(u"保存確認"_qs, u"変更があります。文字コードを保存して終了しますか？"_qs, Dialogs::Buttons::YesNoCancel, Dialogs::Icon::None, Dialogs::Answer::Yes);
    h.dialogs.expectMessage(Dialogs::defaultTitle(), u"文字コードを保存できませんでした。"_qs, Dialogs::Buttons::Ok,
                            Dialogs::Icon::Critical);
    EXPECT_FALSE(win->close());
    EXPECT_TRUE(win->isVisible());
    EXPECT_TRUE(win->hasUnsavedChanges());
    EXPECT_EQ(win->windowTitle(), u"文字コード登録登録数：2"_qs);
    win->ui().Command2[4]->click();
}

TEST_F(RegistrationWindowTest, PutIntoBodyAppendsTheSymbolByButtonAndDoubleClick)
{
    open();
    h.setBody(u"今日は\r\n"_qs);
    h.ui().bodyField->setBodyCursorPosition(0);
    c->Command2[2]->click(); // nothing selected
    EXPECT_EQ(h.body(), u"今日は\r\n"_qs);

    c->List1->setCurrentRow(0);
    c->Command2[2]->click();
    QListWidgetItem *rain = c->List1->item(1);
    c->List1->setCurrentItem(rain); // a double click selects before it reports
    emit c->List1->itemDoubleClicked(rain);
    EXPECT_EQ(h.body(), u"今日は\r\n"_qs + kSun + kRain);
    EXPECT_EQ(h.state().mail.usedPictographs, kSun + kRain);
}

TEST_F(RegistrationWindowTest, ClickingTheLabelsFindsSymbolAndKeyword)
{
    open();
    c->Text1->setText(kRain);
    QTest::mouseClick(c->Label1, Qt::LeftButton);
    EXPECT_EQ(selected(), 1);
    EXPECT_EQ(c->Text2->text(), u"ame"_qs);

    c->Text2->setText(u"hare"_qs);
    QTest::mouseClick(c->Label2, Qt::LeftButton);
    EXPECT_EQ(selected(), 0);

    c->Text2->setText(u"har"_qs); // a part of a keyword is not it
    h.dialogs.expectMessage(Dialogs::defaultTitle(), u"harは、登録されていないようです。"_qs, Dialogs::Buttons::Ok, Dialogs::Icon::None);
    QTest::mouseClick(c->Label2, Qt::LeftButton);
    c->Text1->setText(kCloud);
    h.dialogs.expectMessage(Dialogs::defaultTitle(), kCloud + u"は、登録されていないようです。"_qs, Dialogs::Buttons::Ok, Dialogs::Icon::None);
    QTest::mouseClick(c->Label1, Qt::LeftButton);
}

TEST_F(RegistrationWindowTest, SelectorAndSymbolFieldHoldOneCharacter)
{
    open();
    c->HScroll1->setValue(2);
    EXPECT_EQ(c->Text1->text(), kRain);
    EXPECT_EQ(c->Label1->text(), u"記号002"_qs);
    c->HScroll1->setValue(157);
    EXPECT_TRUE(c->Text1->text().isEmpty());
    EXPECT_EQ(c->Label1->text(), u"記号157"_qs);

    c->Text1->setText(u"\U0001F600abc"_qs);
    EXPECT_EQ(c->Text1->text(), u"\U0001F600"_qs);
    c->Text1->setText(u"xy"_qs);
    EXPECT_EQ(c->Text1->text(), u"x"_qs);
}

TEST_F(RegistrationWindowTest, TheMenuBringsTheOpenWindowForward)
{
    open();
    h.ui().registrationEntry->trigger();
    EXPECT_EQ(h.window().findChildren<RegistrationWindow *>().size(), 1);
    closeWindow(c->Command2[5]);
    h.ui().registrationEntry->trigger();
    const QList<RegistrationWindow *> windows = h.window().findChildren<RegistrationWindow *>();
    ASSERT_EQ(windows.size(), 1);
    EXPECT_NE(windows.first(), win.data());
}

} // namespace
