#include "gui/app/RegistrationOpener.h"
#include "gui/pictograph/RegistrationWindow.h"
#include "support/WindowHarness.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

using Answer = Dialogs::Answer;
using Buttons = Dialogs::Buttons;
using Icon = Dialogs::Icon;

const QString kSun = u"\uE63E"_qs;
const QString kFile = u"Emoji.code"_qs;
const QString kSaveTitle = u"保存確認"_qs;
const QString kSaveQuestion = u"変更があります。文字コードを保存して終了しますか？"_qs;
const QString kNote = u"Horonamiのメニューに表示されるのは、上から20個までです。"_qs;

QStringList listed(RegistrationWindow &window)
{
    QStringList texts;
    for (int i = 0; i < window.ui().List1->count(); ++i)
        texts.append(window.ui().List1->item(i)->text());
    return texts;
}

// A character the definition file cannot hold would come back as "?".
TEST(RegistrationKeepsData, RefusesCharactersCodePage932CannotHold)
{
    struct Row {
        QString symbol;
        QString keyword;
        QString named;
    };
    const Row rows[] = {
        {u"\U0001F600"_qs, u"smile"_qs, u"\U0001F600"_qs},
        {kSun, u"café"_qs, u"é"_qs},
        {kSun, u"温\u00A0泉"_qs, u"\u00A0"_qs},
    };
    for (const Row &row : rows) {
        WindowHarness h;
        ASSERT_TRUE(h.start());
        RegistrationWindow *window = openRegistrationWindow(h.window());
        window->ui().Text1->setText(row.symbol);
        window->ui().Text2->setText(row.keyword);
        h.dialogs.expectMessage(Dialogs::defaultTitle(),
                                u"「"_qs + row.named + u"」は、文字コードに保存できない文字です。登録できません。"_qs,
                                Buttons::Ok, Icon::Exclamation);
        window->ui().Command1->click();
        EXPECT_TRUE(listed(*window).isEmpty()) << row.keyword.toStdString();
        EXPECT_FALSE(window->hasUnsavedChanges());
    }
}

TEST(RegistrationKeepsData, LineBreaksAndTabsNeverEnterTheFields)
{
    WindowHarness h;
    ASSERT_TRUE(h.start());
    RegistrationWindow *window = openRegistrationWindow(h.window());
    QLineEdit *symbol = window->ui().Text1;
    QLineEdit *keyword = window->ui().Text2;
    keyword->insert(u"ha\r\nre\tbare"_qs); // what a paste does
    EXPECT_EQ(keyword->text(), u"harebare"_qs);
    symbol->insert(u"\t\r\n"_qs + kSun);
    EXPECT_EQ(symbol->text(), kSun);
    window->ui().Command1->click();
    EXPECT_EQ(listed(*window), QStringList({u"harebare\t\t"_qs + kSun}));
    h.dialogs.expectMessage(kSaveTitle, kSaveQuestion, Buttons::YesNoCancel, Icon::None, Answer::Yes)
        .expectMessage(Dialogs::defaultTitle(), kNote, Buttons::Ok, Icon::None);
    window->close();
    EXPECT_EQ(h.folder.readText(kFile), kSun + u"\tharebare\r\n"_qs);
}

// Ending the program with unsaved definitions: the window's question comes
// first; Cancel (ESC, the close box of the question) and a failed save keep
// the program running with the changes.
TEST(RegistrationKeepsData, EndingTheProgramAsksTheOpenWindowFirst)
{
    struct Row {
        const char *how;
        Answer answer;
        bool saveFails;
        bool ends;
    };
    const Row rows[] = {
        {"close box, Yes", Answer::Yes, false, true},
        {"close box, No", Answer::No, false, true},
        {"close box, failed save", Answer::Yes, true, false},
        {"exit, failed save", Answer::Yes, true, false},
        {"close box, Cancel", Answer::Cancel, false, false},
        {"exit, Cancel", Answer::Cancel, false, false},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.how);
        WindowHarness h;
        ASSERT_TRUE(h.start());
        RegistrationWindow *window = openRegistrationWindow(h.window());
        window->ui().Text1->setText(kSun);
        window->ui().Text2->setText(u"hare"_qs);
        window->ui().Command1->click();
        if (row.saveFails) {
            ASSERT_TRUE(QDir(h.folder.path()).mkdir(kFile)); // a folder cannot be replaced
        }
        h.dialogs.expectMessage(kSaveTitle, kSaveQuestion, Buttons::YesNoCancel, Icon::None, row.answer);
        if (row.saveFails) {
            h.dialogs.expectMessage(Dialogs::defaultTitle(), u"文字コードを保存できませんでした。"_qs, Buttons::Ok,
                                    Icon::Critical);
        } else if (row.ends) {
            h.dialogs.expectMessage(Dialogs::defaultTitle(), kNote, Buttons::Ok, Icon::None);
        }
        if (QString::fromLatin1(row.how).startsWith(u"exit"_qs))
            h.ui().exitEntry->trigger();
        else
            h.window().close();
        h.dialogs.verifyAllShown();
        EXPECT_EQ(h.window().hasEnded(), row.ends);
        if (!row.ends) {
            EXPECT_TRUE(window->isVisible());
            EXPECT_TRUE(window->hasUnsavedChanges());
            window->ui().Command2[4]->click(); // cancel: close without questions
        } else {
            EXPECT_EQ(QFile::exists(h.folder.file(kFile)), row.answer == Answer::Yes);
        }
    }
}

} // namespace
